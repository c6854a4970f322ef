// A fixture for the engine/warning display: its values back at load and a
// quiet aircraft (parked, engines stopped, nothing failed, fuel aboard).
#pragma once

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "gauges/ecam/ecam_messages.h"
#include "gauges/ecam/ewd.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {

// The display's values and the cockpit state it reads as at load, no message posted.
inline void reset_ewd_state() {
  reset_gauge_state();
  std::memset(ecam_messages, 0, sizeof ecam_messages);
  std::memset(ecam_message_used, 0, sizeof ecam_message_used);
  std::memset(ecam_message_level, 0, sizeof ecam_message_level);
}

using Vars = std::vector<std::pair<uint32_t, double>>;

class EwdTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
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
  // One logic pass, no evaluation, or one panel cycle, after setting these variables.
  void pass(const Vars& vars = {}) {
    set(vars);
    host().update(ewd_);
  }
  void cycle(const Vars& vars = {}) {
    set(vars);
    host().cycle(ewd_);
  }

  // Elements by their number in the chain, 1 being the background.
  Element* element(int number) { return el(ewd_, static_cast<size_t>(number - 1)); }
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

}  // namespace corvane::test
