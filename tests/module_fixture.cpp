#include "module_fixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gauges/controls/engine_starters.h"
#include "gauges/controls/landing_gear.h"
#include "gauges/controls/rudder_trim.h"
#include "gauges/ecam/alpha_floor.h"
#include "gauges/ecam/ewd.h"
#include "gauges/ecam/sd.h"
#include "gauges/ecam/warnings.h"
#include "gauges/guidance/autopilot2.h"
#include "gauges/guidance/fcu.h"
#include "gauges/guidance/fd.h"
#include "gauges/guidance/throttle.h"
#include "gauges/overhead/fuel_hyd.h"
#include "gauges/overhead/lights.h"
#include "gauges/pfd/pfd.h"
#include "gauges/radio/audio.h"
#include "gauges/radio/radio.h"
#include "gauges/radio/xpndr.h"
#include "gauges/standby/clock.h"
#include "gauges/standby/ddrmi.h"
#include "gauges/standby/stdby_altimeter.h"
#include "host/fsuipc.h"
#include "module/entry.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane {
extern uint32_t baro_flash_counter;
}

namespace corvane::test {

void reset_link_state() {
  std::snprintf(fd_mode_text, sizeof fd_mode_text, "FDMode=0");
  std::snprintf(nd_mode_text, sizeof nd_mode_text, "NDMode=1");
  std::snprintf(map_mode_text, sizeof map_mode_text, "MapMode=0");
  std::snprintf(item_text, sizeof item_text, "Item=0x1E");
  std::snprintf(range_text, sizeof range_text, "Range=320");
  efis_mode_pos = 1;
  efis_range_pos = 5;
  efis_items = 0x1E;
  nd_mode = 1;
  nd_map_mode = 0;
  nd_range = 320;
}

void set_test_control_words() {
#if CORVANE_X87_MATH
  set_x87_control_word(kModuleControlWord);
#endif
  const char* word = std::getenv("CORVANE_HOST_CONTROL_WORD");
  testhost::TestHost::set_control_word(word != nullptr ? static_cast<uint16_t>(std::strtoul(word, nullptr, 16))
                                                       : kModuleControlWord);
}

void reset_module_state() {
  panel_lights_on = 0;
  baro_unit_inhg = 0;
  baro_std_selected = 0;
  baro_flash_counter = 0;
  for (SoundSlot& slot : sound_slots) {
    slot.loaded = 0;
    slot.sound = 0;
  }
  ipc_close();
  // The platform world that held the shared blocks was just replaced: a view
  // kept from an earlier test would point into freed memory.
  nd_block_handle = nullptr;
  nd_block_view = nullptr;
  fd_block_handle = nullptr;
  fd_block_view = nullptr;
  fd_mode = 0;
  reset_link_state();
  std::memset(ecam_messages, 0, sizeof ecam_messages);
  std::memset(ecam_message_used, 0, sizeof ecam_message_used);
  std::memset(ecam_message_level, 0, sizeof ecam_message_level);
  std::memset(ecam_memo_slots, 0, sizeof ecam_memo_slots);
  std::memset(ecam_memo_stamp, 0, sizeof ecam_memo_stamp);
  for (VariableRecord& record : sim_vars) {
    std::memset(record.value, 0, sizeof record.value);
  }
}

void reset_gauge_state() {
  // Controls, the E/WD's logic, the SD and the warnings.
  autobrake_lo_armed = autobrake_med_armed = autobrake_max_armed = autobrake_armed_airborne = 0;
  rudder_trim_resetting = eng_start_state = engine1_running = engine2_running = 0;
  pushback_state = idle_flash_count = banner_done = flap_table_parsed = gear_down_locked = config_active = 0;
  fsuipc_weight_word = fuel_on_board_kg = flap_position_count = flap_step_count = takeoff_flag = ecam_phase = 0;
  master_warning = master_caution = master_warning_ack = caution_chime_done = alpha_floor_active = 0;
  elec_failure_alert = vacuum_alert = oil_pressure_alert = hydraulics_alert = engine_off_alert = 0;
  sd_page = sd_flight_state = sd_prev_flight_state = sd_all_cycling = sd_manual_hold = fuel_tank_low_alert = 0;
  bank_angle_active = fob_low_alert = seat_belt_sign = no_smoking_sign = landing_light_memo_posted = 0;
  // Guidance, radios and standby instruments.
  trk_fpa_mode = mach_mode = alt_step_select = ap_was_engaged = athr_was_engaged = 0;
  audio_voice_lit = audio_voice_ticks = audio_reset_lit = audio_reset_ticks = radio_mode = 0;
  radio_sel_nav1 = radio_sel_nav2 = radio_sel_adf = xpndr_entry_active = xpndr_ident_on = 0;
  clock_display_mode = chrono_start = ddrmi_ptr1_adf = stby_baro_unit = stby_startup_ticks = stby_synced = 0;
  rudder_trim_knob_pos = fuel_left_pumps_on = fuel_centre_pumps_on = fuel_right_pumps_on = ddrmi_ptr2_adf = 1;
  elac1_on = 1;
  eng_mode_selector = 1;
  rudder_trim_knob_ticks = warning_blink_count = warning_ack_count = alt_dot_count = pfd_attitude_valid = 0;
  speed_target_on_scale = alt_target_on_scale = xpndr_mode = xpndr_entry_count = xpndr_ident_ticks = chrono_state = 0;
  alpha_floor_time = idle_flash_time = banner_start_time = config_time = flap_handle_step = flap_handle_previous = 0.0;
  flap_commanded = last_fuel_flow_time[0] = last_fuel_flow_time[1] = fuel_used_kg[0] = fuel_used_kg[1] = 0.0;
  sd_cycle_time = mach_resync_time = pfd_selftest_angle = pfd_selftest_start = track_offset_deg = 0.0;
  chrono_elapsed = stby_baro_hpa = stby_baro_inhg = stby_alt_offset = 0.0;
  spd_knob_frame = hdg_knob_frame = alt_knob_frame = vs_knob_frame = throttle_axis_percent = roll_axis_input = 0;
  thrust_limit_percent = 92;
  adf_standby_freq = 2000;
  reverse_scale = 1.0;
  stall_threshold = 25000.0;
  std::memset(ecam_latches, 0, sizeof ecam_latches);
  std::memset(speed_trend_up, 0, sizeof speed_trend_up);
  std::memset(speed_trend_down, 0, sizeof speed_trend_down);
  std::memset(xpndr_entry_digits, 0, sizeof xpndr_entry_digits);
  std::memset(thrust_detent_text, 0, sizeof thrust_detent_text);
  std::memset(flap_thresholds, 0, sizeof flap_thresholds);
}

void ModuleTest::load_sounds() {
  load_all_sounds();
  world().sound.clear_calls();
}

size_t ModuleTest::played(const std::string& path) {
  const std::vector<std::string> all = played();
  return static_cast<size_t>(std::count(all.begin(), all.end(), path));
}

Events ModuleTest::clicked(GaugeHeader* g, int x, int y) {
  host().clear_events();
  EXPECT_TRUE(host().click(g, x, y)) << g->name << " at " << x << "," << y;
  return host().events();
}

std::string ModuleTest::hex(const Events& events) {
  std::ostringstream out;
  out << std::hex << std::uppercase;
  for (size_t i = 0; i < events.size(); ++i) {
    out << (i == 0 ? "" : " ") << events[i].id;
    if (events[i].value != 0) {
      out << ':' << events[i].value;
    }
  }
  return out.str();
}

std::string ModuleTest::clicks(GaugeHeader* g, std::initializer_list<std::pair<int, int>> pixels) {
  std::string out;
  for (const auto& [x, y] : pixels) {
    out += (&x == &pixels.begin()->first ? "" : "|") + hex(clicked(g, x, y));
  }
  return out;
}

std::string ModuleTest::lit(GaugeHeader* g, std::initializer_list<size_t> indices) {
  std::string out;
  for (size_t i : indices) {
    out += value(g, i) != 0.0 ? '1' : '0';
  }
  return out;
}

}  // namespace corvane::test
