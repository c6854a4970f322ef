// The "PFD" through the test host, one group of tests per display area:
// self-test, attitude and guidance, speed scale, altitude and vertical speed
// with the barometric box, heading scale, mode annunciator.
#include "gauges/pfd/pfd.h"

#include <cmath>
#include <cstring>
#include <string>
#include <tuple>

#include "module/variables.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

class Pfd : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    pfd_attitude_valid = 1;  // past the self-test unless a test wants it
    pfd_ = gauge("PFD");
  }
  // Elements are numbered from 1 at the root, as in the chain.
  void cycle(int times = 1) { cycle({}, times); }
  void cycle(std::initializer_list<std::pair<uint32_t, double>> vars, int times = 1) {
    set_vars(vars);
    for (int i = 0; i < times; ++i) {
      host().cycle(pfd_);
    }
  }
  double value(int n, int slot = 0) { return ModuleTest::value(pfd_, static_cast<size_t>(n - 1), slot); }
  std::string text(int n) { return ModuleTest::text(pfd_, static_cast<size_t>(n - 1)); }
  bool hidden(int n) { return is_hidden(el(pfd_, static_cast<size_t>(n - 1))); }
  uint32_t colour(int n) { return ModuleTest::colour(pfd_, static_cast<size_t>(n - 1)); }
  // 'o' for each shown element of [first, last], '-' for each hidden one.
  std::string shown(int first, int last) {
    std::string s;
    for (int n = first; n <= last; ++n) {
      s += hidden(n) ? '-' : 'o';
    }
    return s;
  }
  static double vs_of(double token) { return token / 256.0 * 3.2808 * 60.0; }
  // The vertical speed token converting to exactly fpm (side 0), or to the
  // nearest value just below (-1) or just above (+1) it: most round rates
  // cannot be hit exactly through the conversion.
  static double vs_token(double fpm, int side = 0) {
    double t = fpm / 60.0 / 3.2808 * 256.0;
    while (side != 0 && !(side > 0 ? vs_of(t) > fpm : vs_of(t) < fpm)) {
      t = std::nextafter(t, side * HUGE_VAL);
    }
    EXPECT_NEAR(vs_of(t), fpm, side == 0 ? 0.0 : 1e-9);
    return t;
  }

  GaugeHeader* pfd_ = nullptr;
};

TEST_F(Pfd, SelfTestSpinsThenHoldsForThreeSecondsAndTheDirectorBarsFollowTheMode) {
  pfd_attitude_valid = 0;
  cycle({{0x25C, 100.0}, {0x4E, 5.0}, {0x50, 12.0}});
  EXPECT_EQ(value(69), 7.0);
  cycle(50);
  EXPECT_EQ(str(value(69), pfd_selftest_start), str(357.0, 0.0)) << "clock not sampled before a full turn";
  cycle();
  EXPECT_EQ(pfd_selftest_start, 100.0);
  cycle({{0x25C, 102.9}});
  EXPECT_EQ(str(value(69), value(59, 0) + value(68)), str(371.0, 0.0)) << "sphere and scale still while spinning";
  cycle({{0x25C, 103.0}}, 2);
  EXPECT_EQ(str(pfd_attitude_valid, hidden(69), value(59, 0), value(59, 1), value(68)), "1 1 5 12 12");
  set_vars({{0x31A, 1.5}, {0x319, -2.0}, {0x351, 0.25}, {0x352, -0.5}});
  // Director mode, approach, vertical and lateral conditions, then bars 62 to 67 shown and one bar's value.
  const std::tuple<int, double, double, double, const char*, int, int, double> rows[] = {
      {0, 1, 1, 1, "------", 62, 0, 0.0},  {1, 1, 1, 1, "oo----", 63, 1, -2.0}, {1, 1, 1, 1, "oo----", 62, 0, 1.5},
      {2, 1, 1, 1, "--oo-o", 64, 0, 0.25}, {2, 1, 0, 1, "---o-o", 65, 1, -0.5}, {2, 1, 1, 0, "--o-oo", 66, 1, -0.5},
      {2, 1, 0, 0, "-----o", 62, 0, 0.0},  {2, 0, 0, 0, "-----o", 62, 0, 0.0}};
  for (const auto& [mode, approach, vertical, lateral, bars, bar, slot, bar_value] : rows) {
    fd_mode = mode;
    cycle({{0x35A, approach}, {0x353, vertical}, {0x354, lateral}});
    EXPECT_EQ(str(shown(62, 67), value(bar, slot)), str(bars, bar_value)) << mode << vertical << lateral << approach;
  }
}

TEST_F(Pfd, RadioHeightDecisionHeightAndTheFlightControlSymbol) {
  // Radio height and pitch, then radio height, DH and decision height shown, the radio height and its box.
  const std::tuple<double, double, const char*, const char*, uint32_t> rows[] = {
      {2011.0, 0.0, "o--", nullptr, 0}, {1999.0, 0.0, "ooo", nullptr, 0},      {2511.0, 0.0, "o--", "2500", 0x3880B2},
      {2511.1, 0.0, "---", nullptr, 0}, {6.0, -25.5, "ooo", "-005", 0xFFC847}, {6.0, -25.0, "ooo", "-005", 0x3880B2}};
  host().set_var(0x267, 200.0);
  for (const auto& [feet, pitch, parts, height, box] : rows) {
    cycle({{0x266, feet / 3.2808}, {0x4E, pitch}});
    EXPECT_EQ(shown(61, 61) + shown(17, 17) + shown(16, 16), parts) << feet;
    EXPECT_TRUE(height == nullptr || str(text(61), as_string(el(pfd_, 60))->background_colour) == str(height, box))
        << feet << " " << pitch;
  }
  EXPECT_EQ(text(17) + text(16) + shown(60, 60), "DH200o");
  elac1_on = 0;
  cycle();
  EXPECT_EQ(shown(60, 60), "-") << "the flight control symbol follows ELAC 1";
}

TEST_F(Pfd, SpeedTapeClampsAt30And600MachDropsItsLeadingDigitAndLimitStripsFollowFlapsAndAltitude) {
  const std::pair<double, double> cases[] = {
      {29.0, 30.0},   {-5.0, 30.0},   {30.0, 30.0},     {250.7, 250.0},
      {600.0, 600.0}, {650.0, 600.0}, {70000.0, 600.0}, {65536.0 + 100.0, 100.0}};
  for (const auto& [ias, shown] : cases) {
    cycle({{0x3D, ias}});
    EXPECT_EQ(value(44, 1), shown) << ias;
  }
  cycle({{0x40, 0.78 / 3.2 * 65536.0}});
  EXPECT_EQ(str(text(8), value(8)), ".78 0.78");
  cycle({{0x40, 12.5 / 3.2 * 65536.0}});
  EXPECT_EQ(text(8), "2.5");
  for (int i = 1; i <= 5; ++i) {
    flap_thresholds[i] = i * 1000.0;
  }
  // Each strip sits at 43.07 - (airspeed - its reference speed).
  // Airspeed, flaps, altitude, the flap speed token; a strip and its reference speed.
  const std::tuple<double, double, double, double, int, double> rows[] = {
      {200, 5000, 0, 0, 45, 160},  // beyond the last threshold
      {200, 5000, 0, 0, 43, 177},
      {200, 5000, 0, 0, 42, 200.0 - 43.07},  // 119 kt lies below the window
      {130, 5000, 0, 0, 42, 119},
      {130, 5000, 0, 0, 41, 119.0 * 1.3},
      {130, 1999, 0, 0, 45, 220},  // between thresholds 1 and 2; maximum speed not limited
      {130, 1999, 0, 0, 42, 139},
      {130, 999, 9999, 0, 45, 240},   // clean below 10000 ft
      {130, 999, 10000, 0, 45, 280},  // clean from 10000 ft
      {10, 999, 10000, 20.0 * 128, 43, 20},
      {10, 999, 10000, 20.0 * 128, 45, 280.0 - 20.0},           // the maximum strip raises the airspeed to 30
      {10, 999, 10000, 100.0 * 128, 43, 10.0 + 86.14 - 43.07},  // limited to the window
  };
  for (const auto& [ias, flaps, altitude, flap_speed, strip, reference] : rows) {
    cycle({{0x3D, ias}, {0x149, flaps}, {0x4A, altitude}, {0x3F, flap_speed}});
    EXPECT_NEAR(value(strip, 1), 43.07 - (ias - reference), 1e-9) << ias << " strip " << strip;
  }
  // The lower strips hide on the ground but keep their value.
  cycle({{0x3D, 160.0}, {0x3C, 1}});
  EXPECT_EQ(shown(41, 42), "--");
  EXPECT_NEAR(value(42, 1), 43.07 - (160.0 - 169.0), 1e-9);
  cycle({{0x3C, 0}});
  EXPECT_EQ(shown(41, 42), "oo");
}

TEST_F(Pfd, TargetSpeedSymbolOrNumberInTheModesColourAndTrendArrowsSampleEveryHalfSecond) {
  cycle({{0x3D, 100.0}, {0x74, 110.0}, {0x73, 1}}, 2);  // the number uses the flag the symbols left a cycle before
  EXPECT_EQ(shown(39, 40) + shown(9, 9), "o--");
  EXPECT_NEAR(value(39, 1), 53.07, 1e-9);
  cycle({{0x74, 56.93}}, 2);  // y = 0, the window's edge, counts as off
  EXPECT_EQ(str(value(39, 1), text(9), colour(9)), str(0, "056", kCyan));
  cycle({{0x73, 0}, {0x74, 195.0}}, 2);
  EXPECT_EQ(str(shown(39, 40) + shown(9, 9), text(9), colour(9)), str("-oo", "195", kMagenta));
  cycle({{0x74, 99999.0}}, 2);  // the managed format would write a character too many
  EXPECT_EQ(text(9), "999");
  auto at = [&](double clock, double ias) { cycle({{0x25C, clock}, {0x3D, ias}}); };
  at(10.0, 100.0);  // first sample from rest: a large climb of speed
  EXPECT_EQ(value(47, 1), 43.07);
  at(10.4, 101.0);
  EXPECT_EQ(speed_trend_up[kTrendLastSpeed], 100.0) << "within 0.4 s nothing is recomputed";
  at(10.5, 101.0);
  EXPECT_EQ(str(value(47, 1), shown(47, 47)), "16 o");
  at(11.0, 101.125);  // a trend of exactly 2 is not shown
  EXPECT_EQ(str(value(47, 1), shown(46, 47)), "0 --");
  // Decelerating: shown below -2, limited to the scale and to zero speed.
  at(11.5, 99.0);
  EXPECT_EQ(str(value(46, 1), shown(46, 46)), str((99.0 - 101.125) / 0.5 * 8.0, "o"));
  at(12.0, 35.0);
  EXPECT_EQ(value(46, 1), -35.0);
  at(12.5, 34.875);  // exactly -2 is not shown
  EXPECT_TRUE(hidden(46));
  at(14.0, 130.0);
  at(14.5, 126.875);  // a trend of -50
  EXPECT_EQ(value(46, 1), -43.07) << "limited to the scale";
  at(14.7, 20.0);  // below 30 counts as no speed
  EXPECT_EQ(value(46, 1), 0.0);
}

TEST_F(Pfd, AltitudeTapeStopsAt42900WhileDrumAndReadoutFollowAndTargetAltitudeSymbolOrNumber) {
  // Altitude, then tape, drum and readout.
  for (const auto& [feet, shown_values] :
       {std::pair{43050.0, "42900 50 430"}, {42900.0, "42900 0 429"}, {-250.0, "-250 -50 -02"}}) {
    cycle({{0x4A, feet}});
    EXPECT_EQ(str(value(54, 1), value(53, 1), text(58)), shown_values);
  }
  cycle({{0x2, 100.0 * 256.0}, {0x4A, 500.0}});
  const double ground = 100.0 * 3.2808 + 11.0;
  EXPECT_NEAR(value(57, 1), 546.0 - (500.0 - ground), 1e-9);
  EXPECT_NEAR(record_double(sim_vars[SV_2]), ground, 1e-9) << "feet written back into the record";
  cycle({{0x4A, 5000.0}, {0x6C, 1}, {0x6D, 5545.0}}, 2);
  EXPECT_EQ(str(shown(55, 56) + shown(10, 10), value(55, 1)), "o-- 1091");
  for (double target : {5546.0, 4454.0}) {  // the window's two edges count as off
    cycle({{0x6D, target}}, 2);
    EXPECT_EQ(str(alt_target_on_scale, shown(10, 10), colour(10)), str(0, "o", kCyan)) << target;
  }
  EXPECT_EQ(text(10), "04454");
  cycle({{0x6C, 0}, {0x6D, 8000.0}}, 2);
  EXPECT_EQ(str(shown(55, 56), text(10), colour(10)), str("-o", "08000", kMagenta));
  cycle({{0x6D, 99999999.0}}, 2);
  EXPECT_EQ(text(10), "99999");
}

TEST_F(Pfd, VerticalSpeedDigitsChangeBandAt980AndTheBarometricBoxFollowsTheBaroGauge) {
  // Elements 27-32 are the climbing digits 1-6, 33-38 the descending ones.
  const std::tuple<double, int, const char*> cases[] = {
      {0.0, 0, "            "},      {980.0, -1, "            "},   {980.0, +1, "1           "},
      {1980.0, -1, "1           "},  {1980.0, 0, " 2          "},   {5980.0, +1, "     6      "},
      {6980.0, -1, "     6      "},  {6980.0, +1, "            "},  {-980.0, +1, "            "},
      {-980.0, -1, "      1     "},  {-1980.0, +1, "      1     "}, {-1980.0, 0, "       2    "},
      {-6980.0, +1, "           6"}, {-6980.0, -1, "            "},
  };
  for (const auto& [fpm, side, digits_shown] : cases) {
    cycle({{0x41, vs_token(fpm, side)}});
    std::string digits;
    for (int n = 27; n <= 38; ++n) {
      digits += text(n);
    }
    EXPECT_EQ(digits, digits_shown) << fpm << " side " << side;
    EXPECT_NEAR(value(27), fpm, 1e-9);
  }
  cycle({{0x41, vs_token(7000.0, +1)}});
  EXPECT_EQ(value(24), 6000.0);
  cycle({{0x41, vs_token(-1500.0, -1)}});
  EXPECT_NEAR(value(24), -1500.0, 1e-9);
  cycle({{0x4B, 1013.0}, {0x4C, 29.92}});
  EXPECT_EQ(shown(3, 5), "-oo");
  EXPECT_EQ(text(4) + "|" + text(5), "QNH|1013.0");
  baro_unit_inhg = 1;
  cycle();
  EXPECT_EQ(text(5), " 29.92");
  host().click(gauge("Baro"), 30, 50);  // Std chosen on the Baro gauge itself
  ASSERT_EQ(baro_std_selected, 1U);
  cycle();
  EXPECT_EQ(shown(3, 5), "o--");
}

TEST_F(Pfd, HeadingReferencesTakeTheShortWayAcrossNorthAndTheTrackNeedsSpeedAndAir) {
  // Heading, selected heading, bug position; both wrap limits are inclusive.
  const double rows[][3] = {{350.0, 10.0, 4.25}, {24.25, 335.75, 72.75}, {335.75, 24.25, -24.25}, {10.0, 350.0, 44.25}};
  host().set_var(0x6A, 1);
  for (const auto& r : rows) {
    cycle({{0x51, r[0]}, {0x6B, r[1]}});
    EXPECT_EQ(value(51, 0), r[2]) << r[0] << " to " << r[1];
    EXPECT_EQ(shown(51, 52), "o-");
  }
  EXPECT_EQ(record_double(sim_vars[SV_6B]), -10.0) << "wrapped value written back";
  cycle({{0x6A, 0}, {0x51, 100.0}, {0x6B, 110.0}, {0x2D, 95.0}});
  EXPECT_EQ(str(shown(51, 51), value(52, 0), value(50, 0), value(48, 0)), "- 14.25 29.25 100");
  cycle({{0x227, 79.9}, {0x228, 10.0}});
  EXPECT_TRUE(hidden(49));
  cycle({{0x227, 80.0}, {0x228, 80.0 / std::sqrt(3.0)}});
  EXPECT_EQ(shown(49, 49), "o");
  EXPECT_NEAR(value(49, 0), 24.25 - 30.0, 1e-9);
  cycle({{0x3C, 1}});
  EXPECT_TRUE(hidden(49));
}

TEST_F(Pfd, ModeAnnunciatorByModesEnginesTokensAndTheTunedApproach) {
  auto column = [&] {
    cycle();
    return str(text(23) + "|" + text(22) + "|" + shown(21, 21), colour(23), colour(22));
  };
  EXPECT_EQ(column(), str(" XX |XXX|-", kAmber, kAmber));
  engine2_running = 1;
  std::strcpy(thrust_detent_text, "FLEX");
  EXPECT_EQ(column(), str(" MAN |FLEX|o", kWhite, kWhite));
  host().set_var(0x75, 1);
  EXPECT_EQ(column(), str("MACH |    |-", kGreen, kWhite)) << "line 2 keeps its last colour";
  set_vars({{0x73, 1}, {0x75, 0}});
  EXPECT_EQ(column(), str("SPEED|    |-", kGreen, kWhite));
  auto line = [&] {
    cycle();
    std::string s;
    for (int n : {20, 11, 12, 15, 13, 19, 14, 18}) {
      s += text(n) + "|";
    }
    return s;
  };
  EXPECT_EQ(line(), "||||||||");
  set_vars({{0x6C, 1}, {0x6F, 1}, {0x70, 1}, {0x67, 1}, {0x7B, 1}, {0x69, 1}, {0x350, 1}});
  EXPECT_EQ(line(), "ALT|G/S|LOC|AP1|A/THR|NAV|||");
  EXPECT_EQ(colour(19), kCyan);
  set_vars({{0x69, 0}, {0x68, 1}});
  EXPECT_EQ(line(), "ALT|G/S|LOC|AP1|A/THR|LVL|||");
  EXPECT_EQ(colour(19), kGreen);
  set_vars({{0x6A, 1}, {0x35A, 1}, {0x353, 1}, {0x354, 1}});
  fd_mode = 1;
  EXPECT_EQ(line(), "ALT|G/S|LOC|AP1|A/THR|HDG|1FD2||") << "CAT 2 needs LS mode";
  fd_mode = 2;
  EXPECT_EQ(line(), "ALT|G/S|LOC|AP1|A/THR|HDG| LS |CAT 2|");
  cycle({{0x354, 0}});
  EXPECT_EQ(text(18), "");
  host().set_text_var(0x35D, "ILS27R");  // the approach's identifier and frequency only while one is tuned
  cycle({{0x18, 0x1095}, {0x35A, 0}});
  EXPECT_EQ(text(7) + text(6), "");
  cycle({{0x35A, 1}});
  EXPECT_EQ(text(7) + "|" + text(6), "ILS27R|110.95");
  host().set_text_var(0x35D, "LONGER THAN TEN");
  cycle();
  EXPECT_EQ(text(7), "LONGER THA");
  host().set_text_var(0x35D, nullptr);
  cycle();
  EXPECT_EQ(text(7), "");
}

}  // namespace
}  // namespace corvane::test
