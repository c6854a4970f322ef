// The E/WD's warning logic: one pass at the end of every call of its gauge
// callback. It recomputes the master flags from scratch, chooses the left
// column's view, checks the take-off and approach configuration, drives the
// flap lever sequencer and keeps the message list in step with the table of
// conditions below, each message behind a latch so that it is posted once and
// removed once.
#include "gauges/ecam/ecam_messages.h"
#include "gauges/ecam/ewd.h"
#include "host/services.h"
#include "module/numeric.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"

namespace corvane {

int gear_down_locked = 0;
int config_active = 0;
double config_time = 0.0;
double flap_handle_step = 0.0;
double flap_handle_previous = 0.0;
double flap_commanded = 0.0;
int ecam_latches[LATCH_COUNT] = {};

namespace {

constexpr double kTakeoffSpeed = 30.86;  // m/s, 60 kt
constexpr double kTaxiSpeed = 15.43;     // m/s, 30 kt
constexpr double kTireSpeed = 100.32;    // m/s, 195 kt
constexpr double kParkingBrakeSet = 32767.0;
constexpr double kGearLocked = 16383.0;
constexpr double kFlapSpeedLimit = 210.0;

constexpr uint32_t kEventFlapsUp = 0x1003B;
constexpr uint32_t kEventFlapsIncrease = 0x1003D;
constexpr uint32_t kEventFlapsOne = 0x1003F;
constexpr uint32_t kEventFlapsTwo = 0x10041;

void post(EcamLatch latch, const char* text, int level) {
  if (ecam_latches[latch] == 0) {
    ecam_post_message(text, level, 1);
    ecam_latches[latch] = 1;
  }
}

void remove(EcamLatch latch, const char* text) {
  if (ecam_latches[latch] != 0) {
    ecam_post_message(text, 0, 0);
    ecam_latches[latch] = 0;
  }
}

void follow(EcamLatch latch, const char* text, int level, bool condition) {
  if (condition) {
    post(latch, text, level);
  } else {
    remove(latch, text);
  }
}

bool on_ground() { return read_sim(SV_3C) != 0.0; }

double higher_lever() {
  const double lever1 = read_sim(SV_22E);
  const double lever2 = read_sim(SV_238);
  return lever1 > lever2 ? lever1 : lever2;
}

void choose_view() {
  if (read_sim(SV_340) > kTakeoffSpeed && on_ground() && higher_lever() >= 0.85) {
    takeoff_flag = 1;
    ecam_phase = 1;
  }
  if (ecam_phase == 1 && read_sim(SV_266) > 10.0) {
    ecam_phase = 0;
  }
  if (read_sim(SV_266) < 1000.0 && read_sim(SV_41) < 0.0 &&
      (read_sim(SV_149) > flap_thresholds[4] || read_sim(SV_14C) > 0.0)) {
    ecam_phase = 2;
  }
  if (ecam_phase == 2 && on_ground() && read_sim(SV_340) < kTakeoffSpeed) {
    ecam_phase = 0;
  }
  if (ecam_phase == 2 && read_sim(SV_41) > 0.0 && read_sim(SV_22E) >= 0.85 && read_sim(SV_238) >= 0.85) {
    ecam_phase = 0;
  }
}

void check_configuration() {
  bool bad = false;
  const double flaps = read_sim(SV_149);
  if (takeoff_flag == 1) {
    const double trim = read_sim(SV_30F);
    bad = !(flaps > flap_thresholds[2] && flaps < flap_thresholds[4]) || trim > 0.03 || trim < -0.03;
  } else {
    const double speed = read_sim(SV_3D);
    bad = (flaps > flap_thresholds[5] && speed > 177.0) || (flaps > flap_thresholds[4] && speed > 185.0) ||
          (flaps > flap_thresholds[3] && speed > 200.0) || (flaps > flap_thresholds[2] && speed > 215.0) ||
          (flaps > flap_thresholds[1] && speed > 230.0);
  }
  if (bad) {
    if (config_active == 0) {
      ecam_post_message("CONFIG", MESSAGE_CAUTION, 1);
      config_active = 1;
      config_time = read_sim(SV_25C);
    } else if (config_time + 1.0 <= read_sim(SV_25C)) {
      // With the time cleared the test holds in every later pass, so the
      // caution stays on for as long as the configuration stays wrong.
      master_caution = 1;
      config_time = 0.0;
    }
  } else {
    config_time = 0.0;
    if (config_active != 0) {
      ecam_post_message("CONFIG", 0, 0);
      config_active = 0;
    }
  }
}

// The handle's detent value k: k x 16384 / steps, so that the third detent is
// 9830.4 itself rather than three times a rounded 3276.8.
double handle_detent(int k) { return static_cast<double>(k) * 16384.0 / static_cast<double>(flap_step_count); }

// Turns the flap handle's steps into the simulator's flap commands, holding
// the flaps back at high speed.
void run_flap_sequencer() {
  const double s1 = handle_detent(1);
  const double s2 = handle_detent(2);
  const double s3 = handle_detent(3);
  flap_handle_step = s1;
  const double h = read_sim(SV_148);
  const double p = flap_handle_previous;
  const double v = read_sim(SV_3D);
  if (h == s1 && p == 0.0) {
    if (v < kFlapSpeedLimit) {
      flap_commanded = s2;
      raise_event(kEventFlapsOne, 0);
    } else {
      flap_commanded = s1;
    }
  }
  if (h == s2 && p == s1 && flap_commanded != s2) {
    flap_commanded = s3;
    raise_event(kEventFlapsTwo, 0);
  }
  if (h == s1 && p == s2 && v < kFlapSpeedLimit) {
    flap_commanded = 0.0;
    raise_event(kEventFlapsUp, 0);
  }
  if (h == s2 && p == s3) {
    if (v > kFlapSpeedLimit) {
      flap_commanded = s1;
      raise_event(kEventFlapsIncrease, 0);
    } else {
      flap_commanded = s2;
    }
  }
  flap_handle_previous = h;
  if (h == s2 && v > kFlapSpeedLimit) {
    flap_commanded = 0.0;
    raise_event(kEventFlapsUp, 0);
  }
}

void memo_latch(EcamLatch latch, const char* text, int slot, bool condition) {
  if (condition && ecam_latches[latch] == 0) {
    ecam_set_memo(text, slot);
    ecam_latches[latch] = 1;
  } else if (!condition && ecam_latches[latch] != 0) {
    ecam_set_memo("", slot);
    ecam_latches[latch] = 0;
  }
}

void update_memos() {
  memo_latch(LATCH_PRK_BRK_MEMO, "PRK BRK", 4, read_sim(SV_143) == kParkingBrakeSet);
  const double left = read_sim(SV_146);
  const double right = read_sim(SV_147);
  memo_latch(LATCH_SPEED_BRK_MEMO, "SPEED BRK", 3, left > 10.0 && left == right);
}

int32_t fuel_on_board() { return trunc_int((read_sim(SV_12F) + read_sim(SV_130) + read_sim(SV_131)) * 3.04); }

void check_fuel() {
  const int32_t fuel = fuel_on_board();
  if (fuel < 3000) {
    if (fuel >= 1000) {
      master_caution = 1;
    }
    if (ecam_latches[LATCH_UNSUFFICIENT_FUEL] == 0 && ecam_latches[LATCH_LOW_FUEL] == 0) {
      post(LATCH_UNSUFFICIENT_FUEL, "UNSUFFICENT FUEL", MESSAGE_CAUTION);
    }
  } else {
    remove(LATCH_UNSUFFICIENT_FUEL, "UNSUFFICENT FUEL");
  }
  if (fuel < 1000) {
    master_warning = 1;
    if (ecam_latches[LATCH_LOW_FUEL] == 0) {
      remove(LATCH_UNSUFFICIENT_FUEL, "UNSUFFICENT FUEL");
      post(LATCH_LOW_FUEL, "LOW FUEL", MESSAGE_WARNING);
    }
  } else {
    remove(LATCH_LOW_FUEL, "LOW FUEL");
  }
}

// ENGINE n OFF is raised only while the aircraft moves, and cleared only once
// the engine turns again.
void check_engine(SimVar n1_var, SimVar fire_var, EcamLatch off_latch, const char* off_text, EcamLatch fire_latch,
                  const char* fire_text, int& running) {
  const double n1 = read_sim(n1_var);
  if (n1 < 10.0 && read_sim(SV_227_ECAM) > 1.0) {
    post(off_latch, off_text, MESSAGE_WARNING);
    master_warning = 1;
    if (engine_off_alert == 0) {
      engine_off_alert = 1;
    }
  } else if (n1 >= 10.0) {
    remove(off_latch, off_text);
  }
  const bool fire = read_sim(fire_var) != 0.0;
  follow(fire_latch, fire_text, MESSAGE_WARNING, fire);
  if (fire) {
    master_warning = 1;
  }
  running = read_sim(n1_var) >= 1.0 ? 1 : 0;
}

void check_stall() {
  const double value = read_sim(SV_15D);
  if (value < stall_threshold) {
    master_caution = 1;
    if (ecam_latches[LATCH_STALL_WARNING] == 0 && ecam_latches[LATCH_STALL] == 0) {
      post(LATCH_STALL_WARNING, "STALL WARNING", MESSAGE_CAUTION);
    }
  } else {
    remove(LATCH_STALL_WARNING, "STALL WARNING");
  }
  if (read_sim(SV_43) != 0.0) {
    master_warning = 1;
    if (ecam_latches[LATCH_STALL] == 0) {
      remove(LATCH_STALL_WARNING, "STALL WARNING");
      post(LATCH_STALL, "STALL", MESSAGE_WARNING);
    }
  } else {
    remove(LATCH_STALL, "STALL");
  }
}

void check_gear() {
  const double nose = read_sim(SV_14C);
  const double left = read_sim(SV_14D);
  const double right = read_sim(SV_14E);
  const bool locked = nose == kGearLocked && left == kGearLocked && right == kGearLocked;
  gear_down_locked = locked ? 1 : 0;
  follow(LATCH_GEAR_DOWN_LOCKED, "GEAR DOWN LOCKED", MESSAGE_MEMO, locked);
  if (read_sim(SV_3D) > 250.0 && (read_sim(SV_14C) > 0.0 || read_sim(SV_14D) > 0.0 || read_sim(SV_14E) > 0.0)) {
    remove(LATCH_GEAR_DOWN_LOCKED, "GEAR DOWN LOCKED");
    post(LATCH_GEAR_DOWN, "GEAR DOWN", MESSAGE_WARNING);
    master_warning = 1;
  } else {
    remove(LATCH_GEAR_DOWN, "GEAR DOWN");
  }
}

// A failure that only warns, and calls its system page, once the aircraft moves.
void check_moving_failure(EcamLatch latch, const char* text, bool condition, int& alert) {
  follow(latch, text, MESSAGE_WARNING, condition);
  if (condition) {
    if (read_sim(SV_227_ECAM) > 1.0) {
      master_warning = 1;
      if (alert == 0) {
        alert = 1;
      }
    }
  } else {
    alert = 0;
  }
}

void check_messages() {
  const bool release_brakes = pushback_state != 3 && read_sim(SV_143) > 0.0;
  follow(LATCH_RELEASE_BRAKES, "RELEASE BRAKES", MESSAGE_WARNING, release_brakes);
  if (release_brakes) {
    master_warning = 1;
  }
  follow(LATCH_SPOILERS_ARMED, "SPOILERS ARMED", MESSAGE_MEMO, read_sim(SV_144) != 0.0);
  check_fuel();
  check_engine(SV_270, SV_377, LATCH_ENGINE1_OFF, "ENGINE 1 OFF", LATCH_ENGINE1_FIRE, "ENGINE 1 FIRE", engine1_running);
  check_engine(SV_283, SV_378, LATCH_ENGINE2_OFF, "ENGINE 2 OFF", LATCH_ENGINE2_FIRE, "ENGINE 2 FIRE", engine2_running);

  const double ground_speed = read_sim(SV_340);
  follow(LATCH_HIGH_GROUND_SPEED, "HIGH GROUND SPEED", MESSAGE_ADVISORY,
         on_ground() && takeoff_flag == 0 && ground_speed > kTaxiSpeed && ground_speed < kTireSpeed);

  const bool door_open = read_sim(SV_364) != 0.0 || read_sim(SV_365) != 0.0 || read_sim(SV_362) != 0.0;
  const bool door = door_open && (read_sim(SV_270) > 10.0 || read_sim(SV_283) > 10.0);
  follow(LATCH_DOOR, "DOOR", MESSAGE_WARNING, door);
  if (door) {
    master_warning = 1;
  }

  const bool tires = on_ground() && read_sim(SV_340) > kTireSpeed;
  follow(LATCH_MAX_TIRES_SPEED, "MAX TIRES SPEED", MESSAGE_WARNING, tires);
  if (tires) {
    master_warning = 1;
  }

  check_stall();
  const bool overspeed = read_sim(SV_44) != 0.0;
  follow(LATCH_OVERSPEED, "OVERSPEED", MESSAGE_WARNING, overspeed);
  if (overspeed) {
    master_warning = 1;
  }
  check_gear();
  follow(LATCH_SEAT_BELT, "SEAT BELT", MESSAGE_MEMO, seat_belt_sign != 0);
  follow(LATCH_NO_SMOKING, "NO SMOKING", MESSAGE_MEMO, no_smoking_sign != 0);

  const bool elec = read_sim(SV_117) != 0.0;
  follow(LATCH_ELEC_FAILURE, "ELEC FAILURE", MESSAGE_WARNING, elec);
  if (elec) {
    if (!on_ground()) {
      master_warning = 1;
    }
    if (elec_failure_alert == 0) {
      elec_failure_alert = 1;
    }
  } else {
    elec_failure_alert = 0;
  }
  check_moving_failure(LATCH_VACUUM, "VACUUM", read_sim(SV_120) != 0.0, vacuum_alert);
  check_moving_failure(LATCH_OIL_PRESSURE, "OIL PRESSURE", read_sim(SV_17D) != 0.0, oil_pressure_alert);
  check_moving_failure(LATCH_HYDRAULICS, "HYDRAULICS", read_sim(SV_338) < 1.0, hydraulics_alert);
  follow(LATCH_ELAC_DISC, "ELAC DISC", MESSAGE_CAUTION, elac1_on == 0);
}

}  // namespace

void ecam_logic_pass() {
  master_caution = 0;
  master_warning = 0;
  takeoff_flag = 0;
  choose_view();
  check_configuration();
  follow(LATCH_HIGH_AIRSPEED, "HIGH AIRSPEED", MESSAGE_ADVISORY, read_sim(SV_3D) > 250.0 && read_sim(SV_4A) < 10000.0);
  if (flap_position_count == 6) {
    run_flap_sequencer();
  }
  update_memos();
  check_messages();
}

}  // namespace corvane
