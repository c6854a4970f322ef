// "Alpha-Floor": a small image whose callback carries two flight envelope
// protections. At low speed with full flaps in flight it posts ALPHA FLOOR
// and commands thrust in bursts; beyond 33 degrees of bank it posts BANK
// ANGLE and, with the stick neutral, rolls back toward wings level.
#include "gauges/ecam/alpha_floor.h"

#include "gauges/ecam/ecam_messages.h"
#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane {

int alpha_floor_active = 0;
int bank_angle_active = 0;
double alpha_floor_time = 0.0;

namespace {

constexpr uint32_t kEventAlphaFloor = 0x1003C;
constexpr uint32_t kEventThrustBurst = 0x10047;
constexpr uint32_t kEventRollFromHigh = 0x10095;
constexpr uint32_t kEventRollNeutral = 0x10096;
constexpr uint32_t kEventRollFromLow = 0x10097;

constexpr double kAlphaFloorSpeed = 125.0;
constexpr double kFullFlaps = 16384.0;

StaticElement background = make_static(0x6100, {0, 0}, &gauge_alpha_floor, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB6E), end_area()};

void run_alpha_floor() {
  const double speed = read_sim(SV_3D);
  const double flaps = read_sim(SV_149);
  const bool ground = read_sim(SV_3C) != 0.0;
  if (speed < kAlphaFloorSpeed && flaps == kFullFlaps && !ground) {
    if (alpha_floor_active == 0) {
      play_sound(SOUND_CAVALRY_CHARGE);
      ecam_post_message("ALPHA FLOOR", MESSAGE_WARNING, 1);
      alpha_floor_active = 1;
    }
    raise_event(kEventAlphaFloor, 0);
    if (alpha_floor_time == 0.0) {
      for (int i = 0; i < 4; ++i) {
        raise_event(kEventThrustBurst, 0);
      }
      alpha_floor_time = read_sim(SV_25C);
    }
  } else if (alpha_floor_active == 1) {
    ecam_post_message("ALPHA FLOOR", 0, 0);
    alpha_floor_active = 0;
  }
}

void run_bank_angle() {
  const double bank = read_sim(SV_4F);
  const bool exceeded = (bank > 33.0 && bank < 180.0) || (bank > 180.0 && bank < 327.0);
  if (exceeded) {
    if (bank_angle_active == 0) {
      play_sound(SOUND_CAVALRY_CHARGE);
      ecam_post_message("BANK ANGLE", MESSAGE_WARNING, 1);
      bank_angle_active = 1;
    }
    if (roll_axis_input == 0) {
      raise_event(bank < 180.0 ? kEventRollFromLow : kEventRollFromHigh, 0);
    }
  } else {
    if (bank_angle_active == 1) {
      ecam_post_message("BANK ANGLE", 0, 0);
      bank_angle_active = 0;
    }
    if (roll_axis_input == 0) {
      raise_event(kEventRollNeutral, 0);
    }
  }
  if ((bank > 67.0 && bank < 180.0) || (bank > 180.0 && bank < 293.0)) {
    raise_event(kEventRollNeutral, 0);
  }
}

void CORVANE_CALL alpha_floor_gauge_callback(GaugeHeader* /*gauge*/, uint32_t /*service*/, uint32_t /*extra*/) {
  if (elac1_on == 0) {
    return;
  }
  // The clock as some gauge last read it: the burst timer re-arms a second on.
  if (alpha_floor_time != 0.0 && alpha_floor_time + 1.0 <= sim_value(SV_25C)) {
    alpha_floor_time = 0.0;
  }
  run_alpha_floor();
  run_bank_angle();
  if (read_sim(SV_43) != 0.0) {
    raise_event(kEventAlphaFloor, 0);
  }
}

}  // namespace

GaugeHeader gauge_alpha_floor =
    CORVANE_GAUGE_HEADER("Alpha-Floor", element_list, 10, mouse_areas, alpha_floor_gauge_callback);

}  // namespace corvane
