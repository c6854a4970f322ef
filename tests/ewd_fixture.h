// A fixture for the engine/warning display: its values back at load and a
// quiet aircraft (parked, engines stopped, nothing failed, fuel aboard).
#pragma once

#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "gauges/ecam/ecam_messages.h"
#include "gauges/ecam/ewd.h"
#include "module/elements.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {

inline void reset_ewd_state() {
  pushback_state = idle_flash_count = banner_done = flap_table_parsed = gear_down_locked = config_active = 0;
  thrust_limit_percent = 92;
  idle_flash_time = banner_start_time = config_time = flap_handle_step = flap_handle_previous = flap_commanded = 0.0;
  last_fuel_flow_time[0] = last_fuel_flow_time[1] = fuel_used_kg[0] = fuel_used_kg[1] = 0.0;
  std::memset(ecam_latches, 0, sizeof ecam_latches);
  std::memset(thrust_detent_text, 0, sizeof thrust_detent_text);
  std::memset(flap_thresholds, 0, sizeof flap_thresholds);
  std::memset(ecam_messages, 0, sizeof ecam_messages);
  std::memset(ecam_message_used, 0, sizeof ecam_message_used);
  std::memset(ecam_message_level, 0, sizeof ecam_message_level);
  engine1_running = engine2_running = fuel_on_board_kg = fsuipc_weight_word = 0;
  throttle_axis_percent = roll_axis_input = 0;
  flap_position_count = flap_step_count = takeoff_flag = ecam_phase = 0;
  master_warning = master_caution = master_warning_ack = 0;
  elec_failure_alert = vacuum_alert = oil_pressure_alert = hydraulics_alert = engine_off_alert = 0;
  seat_belt_sign = no_smoking_sign = 0;
  elac1_on = 1;
  stall_threshold = 25000.0;
}

using Vars = std::vector<std::pair<uint32_t, double>>;
using Texts = std::vector<std::string>;

class EwdTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    reset_ewd_state();
    ewd_ = gauge("E/WD");
    set({{0x3C, 1.0}, {0x338, 3.0}, {0x15D, 30000.0}});
    set_fuel_kg(10000.0);
    set_pushback(3);
  }
  void set(const Vars& vars) {
    for (const auto& [token, v] : vars) {
      host().set_var(token, v);
    }
  }
  void set_pushback(int32_t state) { world().fsuipc.poke(0x31F0, &state, 4); }
  void set_fuel_kg(double kg) { set({{0x12F, kg / 3.04 / 2.0}, {0x130, kg / 3.04 / 4.0}, {0x131, kg / 3.04 / 4.0}}); }
  void install(const char* parameters = nullptr) { host().install(ewd_, parameters); }
  void pass() { host().update(ewd_); }  // one logic pass, no evaluation
  void cycle() { host().cycle(ewd_); }

  // Elements by their number in the chain, 1 being the background.
  Element* element(int number) { return host().element(ewd_, static_cast<size_t>(number - 1)); }
  std::string text(int number) { return host().text(element(number)); }
  uint32_t colour(int number) { return as_string(element(number))->text_colour; }
  bool hidden(int number) { return is_hidden(element(number)); }
  double value(int number) { return host().values(element(number)).value[0]; }
  std::string left(int line) { return text(19 - line); }
  uint32_t left_colour(int line) { return colour(19 - line); }
  std::string memo(int slot) { return text(14 - slot); }

  static Texts messages() {
    Texts out;
    for (int i = 0; i < kMessageLines && ecam_message_used[i] != 0; ++i) {
      out.emplace_back(ecam_messages[i]);
    }
    return out;
  }
  static int level_of(const std::string& text) {
    for (int i = 0; i < kMessageLines; ++i) {
      if (ecam_message_used[i] != 0 && text == ecam_messages[i]) {
        return ecam_message_level[i];
      }
    }
    return -1;
  }
  static bool posted(const std::string& text) { return level_of(text) >= 0; }

  GaugeHeader* ewd_ = nullptr;
};

inline constexpr uint32_t kGreen = 0x40FF40, kAmber = 0x3287FF, kRed = 0x1E1EFF, kWhite = 0xFFFFFF;
inline constexpr uint32_t kCyan = 0xFFFF00, kYellow = 0x00FFFF, kBlue = 0xD17812, kLightBlue = 0xFF961E;

}  // namespace corvane::test
