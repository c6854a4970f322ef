// The "Throttle" pedestal: the lever rule with autothrust and the reverse
// scale from the parameter text, and the trim wheels.
#include "gauges/guidance/throttle.h"

#include <limits>
#include <string>

#include "module/elements.h"
#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

enum : size_t { kLever1 = 1, kLever2 = 2, kScaleLeft = 3, kScaleRight = 4, kWheelLeft = 5, kWheelRight = 6 };

class Throttle : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    reverse_scale = 1.0;
    throttle_axis_percent = 0;
    throttle_ = gauge("Throttle");
  }
  // The slider's y value, which the host multiplies by its -80 pixel scale.
  double lever(size_t index) { return host().values(host().element(throttle_, index)).value[1]; }
  double moving_y(size_t index) { return host().values(host().element(throttle_, index)).value[1]; }

  GaugeHeader* throttle_ = nullptr;
};

TEST_F(Throttle, ReverseIsScaledByTheParameterOnly) {
  host().install(throttle_, "0.4");
  host().set_var(0x22E, -0.5);
  host().set_var(0x238, 0.75);
  host().cycle(throttle_);
  EXPECT_NEAR(lever(kLever1), -0.2, 1e-6) << "16 pixels below idle";
  EXPECT_EQ(lever(kLever2), 0.75) << "forward positions are not scaled";
  EXPECT_EQ(as_slider(host().element(throttle_, kLever1))->y_scale, -80.0);

  throttle_->parameters = nullptr;  // as a host that has no parameter text for the gauge
  host().install(throttle_);
  host().cycle(throttle_);
  EXPECT_EQ(lever(kLever1), -0.5) << "no parameter: 40 pixels";

  for (const char* bad : {"", "abc", "nan", "inf", "-", ".", "1e999"}) {
    reverse_scale = 7.0;
    host().install(throttle_, bad);
    EXPECT_EQ(reverse_scale, 1.0) << '"' << bad << '"';
  }
  for (auto [text, scale] :
       std::vector<std::pair<const char*, double>>{{"  0.25 reverse", 0.25}, {"2", 2.0}, {".5", 0.5}, {"-1.5", -1.5}}) {
    host().install(throttle_, text);
    EXPECT_EQ(reverse_scale, scale) << text;
  }
}

TEST_F(Throttle, WithAutothrustArmedBothLeversShowTheThrottleAxis) {
  host().install(throttle_, "0.4");
  host().set_var(0x22E, -0.5);
  host().set_var(0x238, 0.1);
  host().set_var(0x7B, 1.0);
  throttle_axis_percent = 85;
  host().cycle(throttle_);
  EXPECT_EQ(lever(kLever1), 0.85) << "68 pixels above idle";
  EXPECT_EQ(lever(kLever2), 0.85);
  throttle_axis_percent = -20;
  host().cycle(throttle_);
  EXPECT_EQ(lever(kLever1), -0.2) << "the axis is not reverse-scaled";
  host().set_var(0x7B, 0.0);
  host().cycle(throttle_);
  EXPECT_NEAR(lever(kLever1), -0.2, 1e-6);
  EXPECT_EQ(lever(kLever2), 0.1);
}

TEST_F(Throttle, TrimImagesMoveAgainstThePitchTrim) {
  host().install(throttle_);
  host().set_var(0x30F, 0.3);
  host().cycle(throttle_);
  EXPECT_DOUBLE_EQ(moving_y(kScaleLeft), -15.0);
  EXPECT_DOUBLE_EQ(moving_y(kScaleRight), -15.0);
  EXPECT_DOUBLE_EQ(moving_y(kWheelLeft), -24.0);
  EXPECT_DOUBLE_EQ(moving_y(kWheelRight), -24.0);
  const MovingElement* scale = as_moving(host().element(throttle_, kScaleLeft));
  EXPECT_EQ(scale->y_min, -13.1);
  EXPECT_EQ(scale->y_max, 13.1);
  EXPECT_EQ(as_moving(host().element(throttle_, kWheelRight))->y_max, 21.0);
  host().set_var(0x30F, -0.1);
  host().cycle(throttle_);
  EXPECT_DOUBLE_EQ(moving_y(kScaleRight), 5.0);
  EXPECT_DOUBLE_EQ(moving_y(kWheelLeft), 8.0);
}

}  // namespace
}  // namespace corvane::test
