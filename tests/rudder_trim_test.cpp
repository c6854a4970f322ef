// "Rudder Trim" through the test host: the trim window, the spring-loaded
// switch and RESET driving the trim back to centre.
#include "gauges/controls/rudder_trim.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane::test {
namespace {

using testhost::KeyEvent;

constexpr uint32_t kTrimLeft = 0x102E6;
constexpr uint32_t kTrimRight = 0x102E7;
// The simulated trim's step: a little over a tenth of a degree.
constexpr double kSimStep = 0.002;

class RudderTrim : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    rudder_trim_knob_pos = 1;
    rudder_trim_knob_ticks = 0;
    rudder_trim_resetting = 0;
    load_all_sounds();
    trim_ = gauge("Rudder Trim");
    host().install(trim_);
    host().on_event = [](testhost::TestHost& h, const KeyEvent& e) {
      if (e.id == kTrimLeft) {
        h.set_var(0x313, h.var(0x313) - kSimStep);
      } else if (e.id == kTrimRight) {
        h.set_var(0x313, h.var(0x313) + kSimStep);
      }
    };
    world().sound.clear_calls();
  }
  Element* window() { return host().element(trim_, 1); }
  std::string window_at(double radians) {
    host().set_var(0x313, radians);
    host().evaluate(trim_);
    return host().text(window());
  }
  double knob() {
    host().evaluate(trim_);
    return host().values(host().element(trim_, 2)).value[0];
  }
  GaugeHeader* trim_ = nullptr;
};

TEST_F(RudderTrim, WindowShowsSideAndTenthsCentredWithinATenth) {
  EXPECT_EQ(window_at(0.01745), "R010");
  EXPECT_EQ(window_at(-0.026175), "L015");
  EXPECT_EQ(window_at(0.5), "R286");
  EXPECT_EQ(window_at(0.0017), "CTRD");
  EXPECT_EQ(window_at(-0.0017), "CTRD");
  EXPECT_EQ(window_at(0.0), "CTRD");
  // Past what four characters hold, and values no simulator should send.
  EXPECT_EQ(window_at(1.7443), "R999");
  EXPECT_EQ(window_at(1.7445), "R999");
  EXPECT_EQ(window_at(-10.0), "L999");
  EXPECT_EQ(window_at(1e300), "R999");
  EXPECT_EQ(window_at(-std::numeric_limits<double>::infinity()), "L999");
  EXPECT_EQ(window_at(std::nan("")), "CTRD");
}

TEST_F(RudderTrim, WindowLightsWithThePanelWithoutForcingARedraw) {
  window()->image_flags |= kFlagOnScreen;
  panel_lights_on = 1;
  host().evaluate(trim_);
  EXPECT_NE(window()->image_flags & kFlagBright, 0U);
  EXPECT_NE(window()->image_flags & kFlagOnScreen, 0U);
  panel_lights_on = 0;
  host().evaluate(trim_);
  EXPECT_EQ(window()->image_flags & kFlagBright, 0U);
  EXPECT_NE(window()->image_flags & kFlagOnScreen, 0U);
}

TEST_F(RudderTrim, SwitchStepsTheTrimAndSpringsBackNineteenEvaluationsAfterTheLastRepeat) {
  ASSERT_TRUE(host().click(trim_, 5, 30));
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{kTrimLeft, 0}}));
  for (int i = 0; i < 10; ++i) {
    ASSERT_EQ(knob(), 0.0);
  }
  // A repeat while held starts the count again.
  ASSERT_TRUE(host().click(trim_, 5, 30));
  for (int i = 1; i <= 18; ++i) {
    ASSERT_EQ(knob(), 0.0) << i;
  }
  EXPECT_EQ(knob(), 1.0);
  EXPECT_EQ(knob(), 1.0);

  ASSERT_TRUE(host().click(trim_, 30, 30));
  EXPECT_EQ(knob(), 2.0);
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{kTrimLeft, 0}, {kTrimLeft, 0}, {kTrimRight, 0}}));
  EXPECT_EQ(world().sound.played(), std::vector<std::string>(3, "Sound\\Brisvalen_CLICK.wav"));
}

TEST_F(RudderTrim, ResetDrivesTheTrimToCentreOneStepPerUpdate) {
  host().set_var(0x313, 0.01);  // R057
  ASSERT_TRUE(host().click(trim_, 50, 40));
  EXPECT_EQ(world().sound.played(), std::vector<std::string>{"Sound\\Button_Press.wav"});
  EXPECT_TRUE(host().events().empty()) << "the button only starts the drive";
  host().draw(trim_);
  EXPECT_TRUE(host().events().empty()) << "only updates drive";

  int updates = 0;
  while (rudder_trim_resetting == 1 && updates < 20) {
    host().cycle(trim_);
    ++updates;
  }
  // Five steps bring it within a tenth; the sixth update sees it centred and stops.
  EXPECT_EQ(host().events(), std::vector<KeyEvent>(5, KeyEvent{kTrimLeft, 0}));
  EXPECT_EQ(updates, 6);
  EXPECT_EQ(host().text(window()), "CTRD");
  host().cycle(trim_);
  EXPECT_EQ(host().events().size(), 5U);

  // From the left it steps right.
  host().set_var(0x313, -0.005);
  host().clear_events();
  host().click(trim_, 50, 40);
  for (int i = 0; i < 5; ++i) {
    host().update(trim_);
  }
  EXPECT_EQ(host().events(), std::vector<KeyEvent>(2, KeyEvent{kTrimRight, 0}));  // L028, L017, then CTRD
  EXPECT_EQ(rudder_trim_resetting, 0);
}

TEST_F(RudderTrim, TurningTheSwitchCancelsAReset) {
  host().set_var(0x313, -0.05);
  host().click(trim_, 50, 40);
  host().update(trim_);
  host().click(trim_, 5, 30);
  host().clear_events();
  for (int i = 0; i < 5; ++i) {
    host().update(trim_);
  }
  EXPECT_TRUE(host().events().empty());
  EXPECT_EQ(rudder_trim_resetting, 0);
}

}  // namespace
}  // namespace corvane::test
