// The "DDRMI" and "Clock" through the test host: pointer sources, DME
// windows, the chronometer cycle and the clock window's modes.
#include <limits>
#include <string>
#include <vector>

#include "gauges/standby/clock.h"
#include "gauges/standby/ddrmi.h"
#include "module_fixture.h"

namespace corvane::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class Ddrmi : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    ddrmi_ptr1_adf = 0;
    ddrmi_ptr2_adf = 1;
    host().install(gauge("Autopilot2"));  // loads the sounds
    g_ = gauge("DDRMI");
    for (auto [token, value] : {std::pair{0x226U, 30.0}, {0x3BU, 200.0}, {0x27U, 275.0}, {0x51U, 123.0}}) {
      host().set_var(token, value);
    }
  }
  // Pre-order: 2 DME-2, 3 DME-1, 4 right knob, 5 left knob, 6 card, 8 pointer 2, 9 pointer 1.
  std::vector<double> shown() {
    host().cycle(g_);
    std::vector<double> out;
    for (size_t i : {9, 8, 5, 4, 6}) {
      out.push_back(host().values(host().element(g_, i)).value[0]);
    }
    return out;
  }
  GaugeHeader* g_ = nullptr;
};

TEST_F(Ddrmi, KnobsSwitchEachPointerBetweenItsVorAndTheAdf) {
  EXPECT_EQ(shown(), (std::vector<double>{-60.0, 185.0, 0.0, 1.0, -123.0})) << "VOR1 and ADF at load";
  host().click(g_, 10, 110);
  EXPECT_EQ(shown(), (std::vector<double>{185.0, 185.0, 1.0, 1.0, -123.0}));
  host().click(g_, 90, 110);
  host().click(g_, 10, 110);
  EXPECT_EQ(shown(), (std::vector<double>{-60.0, 110.0, 0.0, 0.0, -123.0}));
  EXPECT_EQ(testhost::platform().sound.played(), std::vector<std::string>(3, "Sound\\Brisvalen_CLICK.wav"));
  EXPECT_TRUE(host().events().empty());
}

TEST_F(Ddrmi, DmeWindowsShowTenthsOrDashesInFiveCharacters) {
  const std::vector<std::pair<double, const char*>> cases = {{0.0, "  0.0"},      {12.34, " 12.3"},  {-0.01, " --.-"},
                                                             {999.96, " 1000"},   {1234.4, " 1234"}, {99999.0, "99999"},
                                                             {123456.0, " --.-"}, {kNaN, " --.-"}};
  for (const auto& [distance, text] : cases) {
    host().set_var(0x1F, distance);
    host().set_var(0x23, 5.0);
    host().cycle(g_);
    EXPECT_EQ(host().text(host().element(g_, 3)), text) << distance;
    EXPECT_EQ(host().text(host().element(g_, 2)), "  5.0");
  }
}

class Clock : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    clock_display_mode = 0;
    chrono_state = 0;
    chrono_start = 0;
    chrono_elapsed = 0.0;
    host().install(gauge("Autopilot2"));  // loads the sounds
    g_ = gauge("Clock");
    host().set_var(0x3, 14.0);
    host().set_var(0x4, 5.0);
  }
  // Pre-order: 2 window, 3 second hand.
  double hand_at(double seconds) {
    host().set_var(0x25C, seconds);
    host().cycle(g_);
    return host().values(host().element(g_, 3)).value[0];
  }
  std::string window() {
    host().cycle(g_);
    return host().text(host().element(g_, 2));
  }
  GaugeHeader* g_ = nullptr;
};

TEST_F(Clock, ChronometerCyclesResetRunningStopped) {
  EXPECT_EQ(hand_at(1010.0), 0.0);
  host().set_var(0x25C, 1000.7);
  host().click(g_, 5, 5);
  EXPECT_EQ(hand_at(1030.9), 30.0);
  EXPECT_EQ(hand_at(1125.0), 5.0) << "125 s show as 5";
  EXPECT_EQ(window(), "14:05") << "the time keeps its own window";
  host().click(g_, 5, 5);
  EXPECT_EQ(hand_at(1140.0), 5.0) << "stopped";
  host().click(g_, 5, 5);
  EXPECT_EQ(hand_at(1150.0), 0.0) << "reset";
  host().set_var(0x25C, 2000.0);
  host().click(g_, 5, 5);
  EXPECT_EQ(hand_at(2007.0), 7.0) << "a new start, no resume";
  EXPECT_EQ(testhost::platform().sound.played(), std::vector<std::string>(4, "Sound\\Button_Press.wav"));
}

TEST_F(Clock, WindowModesAndTheirAdjustmentEvents) {
  host().click(g_, 5, 60);
  host().click(g_, 15, 60);
  host().click(g_, 60, 60);
  EXPECT_EQ(clock_display_mode, 1);
  host().click(g_, 5, 60);
  host().click(g_, 15, 60);
  EXPECT_EQ(host().events(), (std::vector<testhost::KeyEvent>{{0x10079, 0}, {0x1007A, 0}, {0x100FE, 0}, {0x100FD, 0}}));
  for (const auto& [quantity, text] :
       std::vector<std::pair<double, const char*>>{{3.14159, " 3.14"}, {123.456, "123.5"}, {123456.0, "-----"}}) {
    host().set_var(0x150, quantity);
    EXPECT_EQ(window(), text);
  }
  EXPECT_EQ(host().values(host().element(g_, 4)).value[0], 1.0);
  host().click(g_, 60, 60);
  for (double hours : {kNaN, -1.0, 100.0}) {
    host().set_var(0x3, hours);
    EXPECT_EQ(window(), "--:--") << hours;
  }
}

}  // namespace
}  // namespace corvane::test
