// A test host over the linked module with the module's shared state put back
// to its load values, and a check that no string ever overran its buffer.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "corvane_testhost/platform_world.h"
#include "corvane_testhost/test_host.h"
#include "module/elements.h"
#include "module/records.h"

namespace corvane::test {

// Puts every module-wide value the tests touch back to its value at load.
void reset_module_state();
// The EFIS panel's and flight director's texts and selections as at load.
void reset_link_state();
// Tests that call the module's internals directly run them as an entry point
// would (53-bit x87); calls through the records start with the host's control
// word, CORVANE_HOST_CONTROL_WORD (hex) when set, else the Windows default.
void set_test_control_words();
// Every gauge's own state as at load.
void reset_gauge_state();

using Events = std::vector<testhost::KeyEvent>;
using Texts = std::vector<std::string>;

// Values joined by spaces, to compare several at once: str(1, "A", 2.5) is "1 A 2.5"
// (numbers to 15 significant digits).
template <typename... T>
std::string str(const T&... values) {
  std::ostringstream out;
  out.precision(15);
  ((out << values << ' '), ...);
  std::string s = out.str();
  s.pop_back();
  return s;
}

inline const std::string kClick = "Sound\\Brisvalen_CLICK.wav", kButton = "Sound\\Button_Press.wav",
                         kFlapSound = "Sound\\Brisvalen_set_flap.wav", kCavalry = "Sound\\Brisvalen_Cavalry_Charge.wav",
                         kClicker = "Sound\\Brisvalen_Clicker.wav", kSign = "Sound\\Brisvalen_SIGN.wav",
                         kChime = "Sound\\Brisvalen_CHIME.wav";
// Display colours as the host reads them (0x00BBGGRR).
inline constexpr uint32_t kGreen = 0x40FF40, kAmber = 0x3287FF, kRed = 0x1E1EFF, kWhite = 0xFFFFFF, kCyan = 0xFFFF00,
                          kYellow = 0x00FFFF, kMagenta = 0xFF00FF, kBlue = 0xD17812, kLightBlue = 0xFF961E;

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set_test_control_words();
    testhost::reset_platform();
    reset_module_state();
    reset_gauge_state();
    host_ = std::make_unique<testhost::TestHost>(testhost::linked_module());
  }
  void TearDown() override {
    for (const std::string& v : host_->violations()) {
      ADD_FAILURE() << v;
    }
    host_.reset();
  }
  testhost::TestHost& host() { return *host_; }
  GaugeHeader* gauge(const char* name) {
    GaugeHeader* g = host_->gauge(name);
    EXPECT_NE(g, nullptr) << name;
    return g;
  }
  testhost::PlatformWorld& world() { return testhost::platform(); }
  // Several simulator variables at once, in order.
  void set_vars(std::initializer_list<std::pair<uint32_t, double>> vars) {
    for (const auto& [token, value] : vars) {
      host_->set_var(token, value);
    }
  }

  // Sets these variables, then runs one panel cycle of the gauge.
  void cycle(GaugeHeader* g, std::initializer_list<std::pair<uint32_t, double>> vars = {}) {
    set_vars(vars);
    host_->cycle(g);
  }
  // The cockpit sounds loaded, as the autopilot panel's install does, and no call logged yet.
  void load_sounds();
  std::vector<std::string> played() { return world().sound.played(); }
  size_t played(const std::string& path);
  // Clicks a pixel that must lie in an area; the events that click sent.
  Events clicked(GaugeHeader* g, int x, int y);
  // The events of clicks in turn: each click's event ids in hex (":value" when
  // not 0) parted by spaces, the clicks parted by '|'.
  std::string clicks(GaugeHeader* g, std::initializer_list<std::pair<int, int>> pixels);
  // Events written as clicks() writes one click's.
  static std::string hex(const Events& events);

  // Elements by their pre-order index, 0 being the root.
  Element* el(GaugeHeader* g, size_t index) { return host_->element(g, index); }
  double value(GaugeHeader* g, size_t index, int slot = 0) { return host_->values(el(g, index)).value[slot]; }
  std::string text(GaugeHeader* g, size_t index) { return host_->text(el(g, index)); }
  uint32_t colour(GaugeHeader* g, size_t index) { return as_string(el(g, index))->text_colour; }
  // '1' for each listed element whose first value is not zero, '0' otherwise.
  std::string lit(GaugeHeader* g, std::initializer_list<size_t> indices);

 private:
  std::unique_ptr<testhost::TestHost> host_;
};

}  // namespace corvane::test
