// The standby group through the test host: "Baro" (units, Std, blinking
// around 18000 ft, knob), airspeed and attitude pointers, the standby
// altimeter's reset, setting and resynchronisation, "DDRMI" and "Clock".
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "gauges/standby/clock.h"
#include "gauges/standby/ddrmi.h"
#include "gauges/standby/stdby_altimeter.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class Standby : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    load_sounds();
  }
  // One cycle of the gauge, then the text of its element.
  std::string shown(GaugeHeader* g, size_t index) {
    host().cycle(g);
    return text(g, index);
  }
  // 'h' for each of n cycles that hides the element, 'v' for each that shows it.
  std::string blinks(GaugeHeader* g, size_t index, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
      host().cycle(g);
      out += is_hidden(el(g, index)) ? 'h' : 'v';
    }
    return out;
  }
  void click(GaugeHeader* g, const int (&p)[2], int times = 1) {
    for (int i = 0; i < times; ++i) {
      EXPECT_TRUE(host().click(g, p[0], p[1])) << p[0] << "," << p[1];
    }
  }
};

constexpr int kInHg[2] = {5, 30}, kHpa[2] = {40, 30}, kStd[2] = {30, 50}, kKnobUp[2] = {50, 50}, kKnobDown[2] = {5, 50};

TEST_F(Standby, BaroShowsTheSettingInEitherUnitStdHoldsStandardAndItBlinksAround18000) {
  GaugeHeader* baro = gauge("Baro");
  set_vars({{0x4B, 998.6}, {0x4C, 29.92}});
  EXPECT_EQ(shown(baro, 1), "  999");
  EXPECT_EQ(value(baro, 1) + value(baro, 3), 2 * 998.6) << "the needle reads the hPa token too";
  EXPECT_EQ(value(baro, 2), 0.0);
  click(baro, kInHg, 2);  // the second is silent
  EXPECT_EQ(shown(baro, 1), "29.92");
  EXPECT_EQ(value(baro, 2), 1.0);
  host().set_var(0x4C, 30.006);
  EXPECT_EQ(shown(baro, 1), "30.01");
  click(baro, kKnobUp);
  click(baro, kKnobDown);
  EXPECT_EQ(host().events(), (Events{{0x1015B, 0}, {0x1015C, 0}}));
  click(baro, kStd);  // Std wins over inHg
  host().clear_events();
  click(baro, kKnobUp);
  click(baro, kKnobDown);
  EXPECT_EQ(host().events(), Events{}) << "Std holds the setting; the knob still clicks";
  host().set_var(0x4A, 20000.0);
  EXPECT_EQ(shown(baro, 1), " Std ");
  EXPECT_EQ(value(baro, 1), 1013.2);
  host().evaluate(baro);
  EXPECT_EQ(host().events(), (Events{{0x101F8, 16211}, {0x101F8, 16211}})) << "at every evaluation";
  baro_std_selected = 5;  // anything but 0 toggles back to 0
  click(baro, kStd);
  click(baro, kHpa, 2);
  EXPECT_EQ(shown(baro, 1), "  999");
  EXPECT_EQ(baro_std_selected + baro_unit_inhg, 0U);
  EXPECT_EQ(played(), (Texts{kClick, kButton, kButton, kButton, kButton, kButton, kButton, kClick}));
  EXPECT_FALSE(host().click(baro, 30, 30) || host().click(baro, 58, 66)) << "outside every area";
  // Altitude and Std, then the text over some cycles: exactly 18000 ft never blinks, leaving the condition
  // mid-phase shows the text at once and restarts it, below 18000 ft it is Std that blinks.
  const std::tuple<double, uint32_t, int> rows[] = {{18000.0, 0, 20}, {18000.0, 1, 20}, {18001.0, 0, 46},
                                                    {17000.0, 0, 1},  {18500.0, 0, 9},  {5000.0, 0, 1},
                                                    {5000.0, 1, 9}};
  std::string seen;
  for (const auto& [feet, std_selected, n] : rows) {
    host().set_var(0x4A, feet);
    baro_std_selected = std_selected;
    seen += blinks(baro, 1, n) + "|";
  }
  EXPECT_EQ(seen, std::string(20, 'v') + "|" + std::string(20, 'v') +
                      "|vvvvvvvvhhhhhhhhhvvvvvvvvvhhhhhhhhhvvvvvvvvvhh|v|vvvvvvvvh|v|vvvvvvvvh|");
}

TEST_F(Standby, AirspeedAndAttitudePointersAreHeldOnTheirDials) {
  GaugeHeader* speed = gauge("Airspeed");
  // {1/128-knot variable, knots variable, fine pointer, knots pointer}
  const double cases[][4] = {{12800.0, 100.0, 100.0, 100.0},
                             {128.0 * 30, 450.0, 60.0, 400.0},
                             {128.0 * 401, 59.9, 400.0, 60.0},
                             {-kInf, 1e300, 60.0, 400.0},
                             {kNaN, kNaN, 60.0, 60.0}};
  for (const auto& c : cases) {
    cycle(speed, {{0x3F, c[0]}, {0x3D, c[1]}});
    EXPECT_EQ(str(value(speed, 2), value(speed, 3)), str(c[2], c[3])) << c[0] << " " << c[1];
  }
  GaugeHeader* attitude = gauge("Standby Attitude");
  const double pitches[][2] = {{12.5, 12.5}, {43.1, 43.0}, {-60.0, -43.0}, {-42.9, -42.9}, {kInf, 43.0}, {kNaN, 0.0}};
  for (const auto& [pitch, shown_pitch] : pitches) {
    cycle(attitude, {{0x4E, pitch}, {0x50, 20.0}});
    EXPECT_EQ(str(value(attitude, 1), value(attitude, 1, 1)), str(shown_pitch, 20)) << pitch << "; bank in slot 2";
  }
}

// The standby altimeter, pre-order: setting window (2), drum (3), pointer (4), unit icon (5).
constexpr int kInc[2] = {12, 58}, kDec[2] = {6, 58}, kUnit[2] = {55, 60}, kSync[2] = {5, 5};

TEST_F(Standby, AltimeterResetSynchronisationSettingAndResynchronisation) {
  GaugeHeader* alt = gauge("Stdby Altimeter");
  set_vars({{0x49, 1000.0}, {0x4A, 3300.0}, {0x4B, 1013.0}, {0x4C, 29.91}});
  for (int i = 1; i <= 109; ++i) {
    ASSERT_EQ(shown(alt, 3), "RESET") << i;
    ASSERT_EQ(value(alt, 3), 88888.0);
  }
  EXPECT_EQ(shown(alt, 3), "03300") << "the 110th evaluation takes the indicated altitude";
  EXPECT_EQ(shown(alt, 2), "1013");
  EXPECT_DOUBLE_EQ(stby_alt_offset, 3300.0 - 1000.0 * 3.2808);
  set_vars({{0x49, 1100.0}, {0x4A, 9999.0}, {0x4B, 990.0}, {0x4C, 29.0}});
  EXPECT_EQ(shown(alt, 3) + "|" + shown(alt, 2), "03628|1013");
  EXPECT_NEAR(value(alt, 4), 3628.08, 1e-9);
  // Setting steps shift the altitude and stop at the ends; every press sounds.
  const double synced = stby_alt_offset;
  click(alt, kInc, 2);
  click(alt, kDec);
  EXPECT_EQ(str(stby_baro_hpa, shown(alt, 3)), "1014 03657");
  click(alt, kInc, 100);
  EXPECT_EQ(str(stby_baro_hpa, stby_alt_offset), str(1084, synced + 71 * 29.5));
  click(alt, kDec, 300);
  EXPECT_EQ(str(stby_baro_hpa, stby_alt_offset, shown(alt, 2), played().size()),
            str(948, synced - 65 * 29.5, " 948", 403));
  // Switching units converts the setting and leaves the altitude alone.
  const double offset = stby_alt_offset;
  click(alt, kUnit);
  EXPECT_EQ(str(stby_baro_inhg, shown(alt, 2)), str(948.0 / 33.864, "2799"));
  EXPECT_EQ(str(value(alt, 5), stby_alt_offset), str(1, offset));
  stby_baro_inhg = 28.0;
  click(alt, kDec);
  EXPECT_EQ(stby_baro_inhg, 28.0) << "28.00 is the stop";
  click(alt, kInc);
  EXPECT_EQ(str(stby_baro_inhg, stby_alt_offset), str(28.01, offset + 9.22));
  click(alt, kInc, 500);
  EXPECT_NEAR(stby_alt_offset, offset + 400 * 9.22, 1e-6) << "32.00 is the other stop";
  EXPECT_EQ(shown(alt, 2), "3200");
  click(alt, kUnit);
  EXPECT_NEAR(stby_baro_hpa, 32.0 * 33.864, 1e-6);
  EXPECT_EQ(shown(alt, 2), "1084");
  stby_startup_ticks = 109;
  cycle(alt, {{0x49, 2000.0}, {0x4A, 7000.0}, {0x4B, 1020.0}, {0x4C, 30.12}});
  click(alt, kInc, 3);
  EXPECT_NE(shown(alt, 3), "07000");
  click(alt, kSync);
  EXPECT_EQ(str(stby_baro_hpa, stby_baro_inhg, shown(alt, 3)), "1020 30.12 07000");
  set_vars({{0x49, 0.0}, {0x4A, 12345.0}});
  stby_alt_offset = 10000.0;
  EXPECT_EQ(shown(alt, 3), "10000") << "exactly 10000 ft is kept";
  stby_alt_offset = 10000.5;
  EXPECT_EQ(shown(alt, 3), "12345");
  set_vars({{0x49, -10.0}, {0x4A, -65.5}, {0x4B, 12345.0}, {0x4C, kNaN}});
  click(alt, kSync);
  EXPECT_EQ(shown(alt, 3) + "|" + shown(alt, 2), "-0065|----");
  click(alt, kUnit);
  EXPECT_EQ(shown(alt, 2), "----");
  host().set_var(0x49, 40000.0);
  EXPECT_EQ(shown(alt, 3), "99999");
}

TEST_F(Standby, DdrmiPointersAndDmeAndTheClocksChronometerAndWindowModes) {
  GaugeHeader* g = gauge("DDRMI");
  set_vars({{0x226, 30.0}, {0x3B, 200.0}, {0x27, 275.0}, {0x51, 123.0}, {0x23, 5.0}});
  // Pointer 1 (9), pointer 2 (8), left knob (5), right knob (4), card (6).
  auto shown_values = [&] {
    host().cycle(g);
    return std::vector<double>{value(g, 9), value(g, 8), value(g, 5), value(g, 4), value(g, 6)};
  };
  EXPECT_EQ(shown_values(), (std::vector<double>{-60.0, 185.0, 0.0, 1.0, -123.0})) << "VOR1 and ADF at load";
  click(g, {10, 110});
  EXPECT_EQ(shown_values(), (std::vector<double>{185.0, 185.0, 1.0, 1.0, -123.0}));
  click(g, {90, 110});
  click(g, {10, 110});
  EXPECT_EQ(shown_values(), (std::vector<double>{-60.0, 110.0, 0.0, 0.0, -123.0}));
  EXPECT_EQ(played(), Texts(3, kClick));
  EXPECT_TRUE(host().events().empty());
  const std::pair<double, const char*> cases[] = {{0.0, "  0.0"},      {12.34, " 12.3"},  {-0.01, " --.-"},
                                                  {999.96, " 1000"},   {1234.4, " 1234"}, {99999.0, "99999"},
                                                  {123456.0, " --.-"}, {kNaN, " --.-"}};
  for (const auto& [distance, dme] : cases) {
    host().set_var(0x1F, distance);
    EXPECT_EQ(shown(g, 3) + "|" + text(g, 2), std::string(dme) + "|  5.0") << distance;
  }
  g = gauge("Clock");
  set_vars({{0x3, 14.0}, {0x4, 5.0}});
  auto hand_at = [&](double seconds) {
    cycle(g, {{0x25C, seconds}});
    return value(g, 3);
  };
  EXPECT_EQ(hand_at(1010.0), 0.0);
  host().set_var(0x25C, 1000.7);
  click(g, {5, 5});
  EXPECT_EQ(hand_at(1030.9), 30.0);
  EXPECT_EQ(hand_at(1125.0), 5.0) << "125 s show as 5";
  EXPECT_EQ(text(g, 2), "14:05") << "the time keeps its own window";
  click(g, {5, 5});
  EXPECT_EQ(hand_at(1140.0), 5.0) << "stopped";
  click(g, {5, 5});
  EXPECT_EQ(hand_at(1150.0), 0.0) << "reset";
  host().set_var(0x25C, 2000.0);
  click(g, {5, 5});
  EXPECT_EQ(hand_at(2007.0), 7.0) << "a new start, no resume";
  EXPECT_EQ(played(kButton), 4U);

  host().clear_events();
  for (int x : {5, 15, 60, 5, 15}) {
    click(g, {x, 60});
  }
  EXPECT_EQ(clock_display_mode, 1);
  EXPECT_EQ(host().events(), (Events{{0x10079, 0}, {0x1007A, 0}, {0x100FE, 0}, {0x100FD, 0}}));
  for (const auto& [quantity, window] :
       std::vector<std::pair<double, const char*>>{{3.14159, " 3.14"}, {123.456, "123.5"}, {123456.0, "-----"}}) {
    host().set_var(0x150, quantity);
    EXPECT_EQ(shown(g, 2), window);
  }
  EXPECT_EQ(value(g, 4), 1.0);
  click(g, {60, 60});
  for (double hours : {kNaN, -1.0, 100.0}) {
    host().set_var(0x3, hours);
    EXPECT_EQ(shown(g, 2), "--:--") << hours;
  }
}

}  // namespace
}  // namespace corvane::test
