// Standby airspeed, altimeter and attitude through the test host.
#include <limits>
#include <string>
#include <vector>

#include "gauges/standby/stdby_altimeter.h"
#include "module_fixture.h"

namespace corvane::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST_F(ModuleTest, StandbyAirspeedPointersAreHeldOnTheDial) {
  GaugeHeader* g = gauge("Airspeed");
  // {1/128-knot variable, knots variable, fine pointer, knots pointer}
  const std::vector<std::vector<double>> cases = {{12800.0, 100.0, 100.0, 100.0},
                                                  {128.0 * 30, 450.0, 60.0, 400.0},
                                                  {128.0 * 401, 59.9, 400.0, 60.0},
                                                  {-kInf, 1e300, 60.0, 400.0},
                                                  {kNaN, kNaN, 60.0, 60.0}};
  for (const auto& c : cases) {
    set_vars({{0x3F, c[0]}, {0x3D, c[1]}});
    host().cycle(g);
    EXPECT_EQ(host().values(host().element(g, 2)).value[0], c[2]) << c[0];
    EXPECT_EQ(host().values(host().element(g, 3)).value[0], c[3]) << c[1];
  }
}

TEST_F(ModuleTest, StandbyAttitudeHoldsPitchAt43Degrees) {
  GaugeHeader* g = gauge("Standby Attitude");
  for (const auto& [pitch, shown] : std::vector<std::pair<double, double>>{
           {12.5, 12.5}, {43.1, 43.0}, {-60.0, -43.0}, {-42.9, -42.9}, {kInf, 43.0}, {kNaN, 0.0}}) {
    set_vars({{0x4E, pitch}, {0x50, 20.0}});
    host().cycle(g);
    EXPECT_EQ(host().values(host().element(g, 1)).value[0], shown) << pitch;
    EXPECT_EQ(host().values(host().element(g, 1)).value[1], 20.0) << "bank from the second slot";
  }
}

class StandbyAltimeter : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    stby_baro_hpa = stby_baro_inhg = stby_alt_offset = 0.0;
    stby_baro_unit = stby_startup_ticks = stby_synced = 0;
    host().install(gauge("Autopilot2"));  // loads the sounds
    alt_ = gauge("Stdby Altimeter");
    simulator(1000.0, 3300.0, 1013.0, 29.91);
  }
  void simulator(double true_metres, double indicated_feet, double hpa, double inhg) {
    set_vars({{0x49, true_metres}, {0x4A, indicated_feet}, {0x4B, hpa}, {0x4C, inhg}});
  }
  // Pre-order: background, face, setting window (2), drum (3), pointer, unit icon (5).
  std::string shown(size_t index) {
    host().cycle(alt_);
    return host().text(host().element(alt_, index));
  }
  void pass_reset_period() {
    for (int i = 0; i < 110; ++i) {
      host().cycle(alt_);
    }
  }
  void click(int x, int y, int times = 1) {
    for (int i = 0; i < times; ++i) {
      host().click(alt_, x, y);
    }
  }
  static constexpr int kInc[2] = {12, 58}, kDec[2] = {6, 58}, kUnit[2] = {55, 60}, kSync[2] = {5, 5};
  GaugeHeader* alt_ = nullptr;
};

TEST_F(StandbyAltimeter, ShowsResetFor109EvaluationsThenSynchronisesOnce) {
  for (int i = 1; i <= 109; ++i) {
    ASSERT_EQ(shown(3), "RESET") << i;
    ASSERT_EQ(host().values(host().element(alt_, 3)).value[0], 88888.0);
  }
  EXPECT_EQ(stby_synced, 0);
  EXPECT_EQ(shown(3), "03300") << "the 110th evaluation takes the indicated altitude";
  EXPECT_DOUBLE_EQ(stby_alt_offset, 3300.0 - 1000.0 * 3.2808);
  EXPECT_EQ(shown(2), "1013");
  // From then on it keeps its own correction and setting.
  simulator(1100.0, 9999.0, 990.0, 29.0);
  EXPECT_EQ(shown(3), "03628");
  EXPECT_NEAR(host().values(host().element(alt_, 4)).value[0], 3628.08, 1e-9);
  EXPECT_EQ(shown(2), "1013");
}

TEST_F(StandbyAltimeter, SettingStepsShiftTheAltitudeAndStopAtTheEnds) {
  pass_reset_period();
  const double synced = stby_alt_offset;
  click(kInc[0], kInc[1], 2);
  click(kDec[0], kDec[1]);
  EXPECT_EQ(stby_baro_hpa, 1014.0);
  EXPECT_EQ(shown(3), "03329");
  click(kInc[0], kInc[1], 100);
  EXPECT_EQ(stby_baro_hpa, 1084.0);
  EXPECT_DOUBLE_EQ(stby_alt_offset, synced + 71 * 29.5);
  click(kDec[0], kDec[1], 300);
  EXPECT_EQ(stby_baro_hpa, 948.0);
  EXPECT_DOUBLE_EQ(stby_alt_offset, synced - 65 * 29.5);
  EXPECT_EQ(shown(2), " 948");
  EXPECT_EQ(testhost::platform().sound.played().size(), 403U) << "every press sounds, stops included";

  // Switching units converts the setting and leaves the altitude alone.
  const double offset = stby_alt_offset;
  click(kUnit[0], kUnit[1]);
  EXPECT_DOUBLE_EQ(stby_baro_inhg, 948.0 / 33.864);
  EXPECT_EQ(shown(2), "2799");
  EXPECT_EQ(host().values(host().element(alt_, 5)).value[0], 1.0);
  EXPECT_EQ(stby_alt_offset, offset);
  stby_baro_inhg = 28.0;
  click(kDec[0], kDec[1]);
  EXPECT_EQ(stby_baro_inhg, 28.0) << "28.00 is the stop";
  click(kInc[0], kInc[1]);
  EXPECT_NEAR(stby_baro_inhg, 28.01, 1e-12);
  EXPECT_DOUBLE_EQ(stby_alt_offset, offset + 9.22);
  click(kInc[0], kInc[1], 500);
  EXPECT_NEAR(stby_baro_inhg, 32.0, 1e-9);
  EXPECT_NEAR(stby_alt_offset, offset + 400 * 9.22, 1e-6);
  EXPECT_EQ(shown(2), "3200");
  click(kUnit[0], kUnit[1]);
  EXPECT_NEAR(stby_baro_hpa, 32.0 * 33.864, 1e-6);
  EXPECT_EQ(shown(2), "1084");
}

TEST_F(StandbyAltimeter, KnobAndLargeOffsetsResynchronise) {
  pass_reset_period();
  click(kInc[0], kInc[1], 3);
  simulator(2000.0, 7000.0, 1020.0, 30.12);
  EXPECT_NE(shown(3), "07000");
  click(kSync[0], kSync[1]);
  EXPECT_EQ(stby_baro_hpa, 1020.0);
  EXPECT_EQ(stby_baro_inhg, 30.12);
  EXPECT_EQ(shown(3), "07000");
  simulator(0.0, 12345.0, 1013.0, 29.92);
  stby_alt_offset = 10000.0;
  EXPECT_EQ(shown(3), "10000") << "exactly 10000 ft is kept";
  stby_alt_offset = 10000.5;
  EXPECT_EQ(shown(3), "12345");
}

TEST_F(StandbyAltimeter, DrumAndWindowStayWithinTheirDigits) {
  pass_reset_period();
  simulator(-10.0, -65.5, 12345.0, kNaN);
  click(kSync[0], kSync[1]);
  EXPECT_EQ(shown(3), "-0065");
  EXPECT_EQ(shown(2), "----");
  click(kUnit[0], kUnit[1]);
  EXPECT_EQ(shown(2), "----");
  host().set_var(0x49, 40000.0);
  EXPECT_EQ(shown(3), "99999");
}

}  // namespace
}  // namespace corvane::test
