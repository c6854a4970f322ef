// The "PFD" through the test host, one group of tests per display area:
// chain and self-test, attitude and guidance, speed scale, altitude and
// vertical speed with the barometric box, heading scale, mode annunciator.
#include "gauges/pfd/pfd.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "module/records.h"
#include "module/variables.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

constexpr uint32_t kGreen = 0x40FF40;
constexpr uint32_t kAmber = 0x3287FF;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kCyan = 0xFFFF00;
constexpr uint32_t kMagenta = 0xFF00FF;

class Pfd : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    pfd_attitude_valid = 1;  // past the self-test unless a test wants it
    pfd_selftest_angle = 0.0;
    pfd_selftest_start = 0.0;
    speed_target_on_scale = 0;
    alt_target_on_scale = 0;
    track_offset_deg = 0.0;
    std::memset(speed_trend_up, 0, sizeof speed_trend_up);
    std::memset(speed_trend_down, 0, sizeof speed_trend_down);
    fd_mode = 0;
    elac1_on = 1;
    engine1_running = 0;
    engine2_running = 0;
    std::memset(thrust_detent_text, 0, sizeof thrust_detent_text);
    std::memset(flap_thresholds, 0, sizeof flap_thresholds);
    pfd_ = gauge("PFD");
  }
  // Elements are numbered from 1 at the root, as in the chain.
  Element* el(int n) { return host().element(pfd_, static_cast<size_t>(n - 1)); }
  void cycle(int times = 1) {
    for (int i = 0; i < times; ++i) {
      host().cycle(pfd_);
    }
  }
  double value(int n, int slot = 0) { return host().values(el(n)).value[slot]; }
  std::string text(int n) { return host().text(el(n)); }
  bool hidden(int n) { return (el(n)->image_flags & kFlagHidden) != 0; }
  uint32_t colour(int n) { return reinterpret_cast<StringElement*>(el(n))->text_colour; }
  static double vs_of(double token) { return token / 256.0 * 3.2808 * 60.0; }
  // The vertical speed token converting to exactly fpm (side 0), or to the
  // nearest value just below (-1) or just above (+1) it: most round rates
  // cannot be hit exactly through the conversion.
  static double vs_token(double fpm, int side = 0) {
    double t = fpm / 60.0 / 3.2808 * 256.0;
    if (side == 0) {
      EXPECT_EQ(vs_of(t), fpm);
      return t;
    }
    while (side > 0 ? !(vs_of(t) > fpm) : !(vs_of(t) < fpm)) {
      t = std::nextafter(t, side > 0 ? HUGE_VAL : -HUGE_VAL);
    }
    EXPECT_NEAR(vs_of(t), fpm, 1e-9);
    return t;
  }

  GaugeHeader* pfd_ = nullptr;
};

// ---------------------------------------------------------------- frame

TEST_F(Pfd, ChainOfSixtyNineElementsOfTheirKindsUnderOneFailure) {
  // One letter per element in chain order: Static, Icon, sTring, Needle,
  // sLider, Moving, sPrite.
  const std::string kinds = "SIITTTTTTTTTTTTTTTTTITTNSSTTTTTTTTTTTTMMMMMMMMMMMMMMMMMMMTPITLLLLLINN";
  const std::string letters = "SNTLIMP";
  const uint32_t kind_of[] = {kKindStatic, kKindNeedle, kKindString, kKindSlider, kKindIcon, kKindMoving, kKindSprite};
  ASSERT_EQ(testhost::TestHost::elements(pfd_).size(), 69U);
  for (int n = 1; n <= 69; ++n) {
    const Element* e = el(n);
    SCOPED_TRACE(n);
    EXPECT_EQ(e->kind, kind_of[letters.find(kinds[static_cast<size_t>(n - 1)])]);
    EXPECT_EQ(e->gauge, pfd_);
    ASSERT_NE(e->failures, nullptr);
    EXPECT_EQ(e->failures[0].key, 0x14U);
    EXPECT_EQ(e->failures[1].key, 0U);
    if (n < 69) {
      ASSERT_NE(e->children, nullptr);
      EXPECT_EQ(e->children[0], el(n + 1));
      EXPECT_EQ(e->children[1], nullptr);
    } else {
      EXPECT_EQ(e->children, nullptr);
    }
    const bool fixed = n == 25 || n == 26 || n == 48 || n == 53 || n == 54 || n == 59 || n == 61;
    EXPECT_EQ(e->image_flags & ~kFlagHidden, n == 1 ? 0x5U : fixed ? 0x6U : 0x7U);
  }
  EXPECT_EQ(pfd_->mouse_areas[1].kind, kAreaEnd);
  EXPECT_EQ(reinterpret_cast<NeedleElement*>(el(69))->header.offset_x, 70);
  EXPECT_EQ(reinterpret_cast<SpriteElement*>(el(59))->slot1.scale, -1.0);
}

TEST_F(Pfd, SelfTestSpinsThenHoldsUntilThreeSecondsOfClockHavePassed) {
  pfd_attitude_valid = 0;
  set_vars({{0x25C, 100.0}, {0x4E, 5.0}, {0x50, 12.0}});
  cycle();
  EXPECT_EQ(value(69), 7.0);
  cycle(50);
  EXPECT_EQ(value(69), 357.0);
  EXPECT_EQ(pfd_selftest_start, 0.0) << "clock not sampled before a full turn";
  cycle();
  EXPECT_EQ(value(69), 364.0);
  EXPECT_EQ(pfd_selftest_start, 100.0);
  host().set_var(0x25C, 102.9);
  cycle();
  EXPECT_EQ(value(69), 371.0);
  EXPECT_EQ(value(59, 0), 0.0) << "sphere still while spinning";
  EXPECT_EQ(value(68), 0.0);
  host().set_var(0x25C, 103.0);
  cycle();
  EXPECT_EQ(pfd_attitude_valid, 1U);
  EXPECT_EQ(value(69), 0.0);
  cycle();
  EXPECT_TRUE(hidden(69));
  EXPECT_EQ(value(59, 0), 5.0);
  EXPECT_EQ(value(59, 1), 12.0);
  EXPECT_EQ(value(68), 12.0);
}

// ---------------------------------------------------------------- attitude and guidance

TEST_F(Pfd, DirectorBarsFollowTheModeAndTheApproachConditions) {
  set_vars({{0x31A, 1.5}, {0x319, -2.0}, {0x351, 0.25}, {0x352, -0.5}, {0x35A, 1}, {0x353, 1}, {0x354, 1}});
  auto shown = [&] {
    std::string s;
    for (int n = 62; n <= 67; ++n) {
      s += hidden(n) ? '-' : 'o';
    }
    return s;
  };
  cycle();
  EXPECT_EQ(shown(), "------");
  EXPECT_EQ(value(62, 0), 0.0);

  fd_mode = 1;
  cycle();
  EXPECT_EQ(shown(), "oo----");
  EXPECT_EQ(value(62, 0), 1.5);
  EXPECT_EQ(value(63, 1), -2.0);

  fd_mode = 2;
  cycle();
  EXPECT_EQ(shown(), "--oo-o");
  EXPECT_EQ(value(64, 0), 0.25);
  EXPECT_EQ(value(65, 1), -0.5);
  host().set_var(0x353, 0);
  cycle();
  EXPECT_EQ(shown(), "---o-o");
  set_vars({{0x353, 1}, {0x354, 0}});
  cycle();
  EXPECT_EQ(shown(), "--o-oo");
  EXPECT_EQ(value(66, 1), -0.5);
  host().set_var(0x353, 0);
  cycle();
  EXPECT_EQ(shown(), "-----o") << "the third pitch bar needs the lateral condition";
  host().set_var(0x35A, 0);
  cycle();
  EXPECT_EQ(shown(), "-----o");
}

TEST_F(Pfd, RadioHeightShowsUpTo2500FeetAndTheFlightControlSymbolFollowsElac1) {
  auto background = [&] { return reinterpret_cast<StringElement*>(el(61))->background_colour; };
  host().set_var(0x266, 2511.0 / 3.2808);
  cycle();
  EXPECT_FALSE(hidden(61));
  EXPECT_EQ(text(61), "2500");
  EXPECT_EQ(background(), 0x3880B2U);
  host().set_var(0x266, 2511.1 / 3.2808);
  cycle();
  EXPECT_TRUE(hidden(61));

  set_vars({{0x266, 6.0 / 3.2808}, {0x4E, -25.5}});
  cycle();
  EXPECT_FALSE(hidden(61));
  EXPECT_EQ(text(61), "-005");
  EXPECT_EQ(background(), 0xFFC847U);
  host().set_var(0x4E, -25.0);
  cycle();
  EXPECT_EQ(background(), 0x3880B2U);

  EXPECT_FALSE(hidden(60));
  elac1_on = 0;
  cycle();
  EXPECT_TRUE(hidden(60));
}

// ---------------------------------------------------------------- speed scale

TEST_F(Pfd, SpeedTapeClampsAt30And600) {
  const std::pair<double, double> cases[] = {
      {29.0, 30.0},   {-5.0, 30.0},   {30.0, 30.0},     {250.7, 250.0},
      {600.0, 600.0}, {650.0, 600.0}, {70000.0, 600.0}, {65536.0 + 100.0, 100.0}};
  for (const auto& [ias, shown] : cases) {
    host().set_var(0x3D, ias);
    cycle();
    EXPECT_EQ(value(44, 1), shown) << ias;
  }
}

TEST_F(Pfd, LimitStripsTakeTheirReferenceFromFlapsAndAltitude) {
  for (int i = 1; i <= 5; ++i) {
    flap_thresholds[i] = i * 1000.0;
  }
  // Each strip sits at 43.07 - (airspeed - its reference speed).
  struct Row {
    double ias, flaps, altitude, flap_speed_token;
    int strip;
    double reference;
    const char* why;
  };
  const Row rows[] = {
      {200.0, 5000.0, 0.0, 0.0, 45, 160.0, "beyond the last threshold"},
      {200.0, 5000.0, 0.0, 0.0, 43, 177.0, ""},
      {200.0, 5000.0, 0.0, 0.0, 42, 200.0 - 43.07, "119 kt lies below the window"},
      {130.0, 5000.0, 0.0, 0.0, 42, 119.0, ""},
      {130.0, 5000.0, 0.0, 0.0, 41, 119.0 * 1.3, ""},
      {130.0, 1999.0, 0.0, 0.0, 45, 220.0, "between thresholds 1 and 2; maximum speed not limited"},
      {130.0, 1999.0, 0.0, 0.0, 42, 139.0, ""},
      {130.0, 999.0, 9999.0, 0.0, 45, 240.0, "clean below 10000 ft"},
      {130.0, 999.0, 10000.0, 0.0, 45, 280.0, "clean from 10000 ft"},
      {10.0, 999.0, 10000.0, 20.0 * 128.0, 43, 20.0, "clean: its own token, airspeed not raised"},
      {10.0, 999.0, 10000.0, 20.0 * 128.0, 45, 280.0 - 20.0, "maximum-speed strip raises the airspeed to 30"},
      {10.0, 999.0, 10000.0, 100.0 * 128.0, 43, 10.0 + 86.14 - 43.07, "limited to the window"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.why);
    set_vars({{0x3D, r.ias}, {0x149, r.flaps}, {0x4A, r.altitude}, {0x3F, r.flap_speed_token}});
    cycle();
    EXPECT_NEAR(value(r.strip, 1), 43.07 - (r.ias - r.reference), 1e-9) << r.ias << " strip " << r.strip;
  }

  // The lower strips hide on the ground but keep their value.
  set_vars({{0x3D, 160.0}, {0x3C, 1}});
  cycle();
  EXPECT_TRUE(hidden(41));
  EXPECT_TRUE(hidden(42));
  EXPECT_NEAR(value(42, 1), 43.07 - (160.0 - 169.0), 1e-9);
  host().set_var(0x3C, 0);
  cycle();
  EXPECT_FALSE(hidden(42));
}

TEST_F(Pfd, TargetSpeedSymbolOrNumberInTheModesColour) {
  host().set_var(0x3D, 100.0);
  host().set_var(0x74, 110.0);
  host().set_var(0x73, 1);
  cycle(2);  // the number uses the flag the symbols left a cycle before
  EXPECT_FALSE(hidden(39));
  EXPECT_TRUE(hidden(40));
  EXPECT_NEAR(value(39, 1), 53.07, 1e-9);
  EXPECT_TRUE(hidden(9));

  host().set_var(0x74, 56.93);  // y = 0, the window's edge, counts as off
  cycle();
  EXPECT_EQ(value(39, 1), 0.0);
  cycle();
  EXPECT_FALSE(hidden(9));
  EXPECT_EQ(text(9), "056");
  EXPECT_EQ(colour(9), kCyan);

  host().set_var(0x73, 0);
  host().set_var(0x74, 195.0);
  cycle(2);
  EXPECT_TRUE(hidden(39));
  EXPECT_FALSE(hidden(40));
  EXPECT_EQ(text(9), "195");
  EXPECT_EQ(colour(9), kMagenta);
}

TEST_F(Pfd, TrendArrowsSampleEveryHalfSecond) {
  auto at = [&](double clock, double ias) {
    set_vars({{0x25C, clock}, {0x3D, ias}});
    cycle();
  };
  at(10.0, 100.0);  // first sample from rest: a large climb of speed
  EXPECT_EQ(value(47, 1), 43.07);
  at(10.4, 101.0);
  EXPECT_EQ(value(47, 1), speed_trend_up[kTrendLast]) << "within 0.4 s nothing is recomputed";
  EXPECT_EQ(speed_trend_up[kTrendLastSpeed], 100.0);
  at(10.5, 101.0);
  EXPECT_NEAR(value(47, 1), 16.0, 1e-9);
  EXPECT_FALSE(hidden(47));
  at(11.0, 101.125);  // a trend of exactly 2 is not shown
  EXPECT_EQ(speed_trend_up[kTrendLast], 2.0);
  EXPECT_EQ(value(47, 1), 0.0);
  EXPECT_TRUE(hidden(47));

  // Decelerating: shown below -2, limited to the scale and to zero speed.
  EXPECT_TRUE(hidden(46));
  at(11.5, 99.0);
  EXPECT_NEAR(value(46, 1), (99.0 - 101.125) / 0.5 * 8.0, 1e-9);
  EXPECT_FALSE(hidden(46));
  at(12.0, 35.0);
  EXPECT_EQ(value(46, 1), -35.0);
  at(12.5, 34.875);  // exactly -2 is not shown
  EXPECT_TRUE(hidden(46));
  at(13.0, 33.0);
  EXPECT_FALSE(hidden(46));
  at(14.0, 130.0);
  at(14.5, 126.875);  // a trend of -50
  EXPECT_EQ(value(46, 1), -43.07) << "limited to the scale";
  at(14.7, 20.0);  // below 30 counts as no speed
  EXPECT_EQ(value(46, 1), 0.0);
}

TEST_F(Pfd, MachDropsItsLeadingDigit) {
  host().set_var(0x40, 0.78 / 3.2 * 65536.0);
  cycle();
  EXPECT_EQ(text(8), ".78");
  EXPECT_NEAR(value(8), 0.78, 1e-12);
  host().set_var(0x40, 12.5 / 3.2 * 65536.0);
  cycle();
  EXPECT_EQ(text(8), "2.5");
}

// ---------------------------------------------------------------- altitude, vertical speed, barometric box

TEST_F(Pfd, AltitudeTapeStopsAt42900WhileDrumAndReadoutFollow) {
  host().set_var(0x4A, 43050.0);
  cycle();
  EXPECT_EQ(value(54, 1), 42900.0);
  EXPECT_EQ(value(53, 1), 50.0);
  EXPECT_EQ(text(58), "430");
  host().set_var(0x4A, 42900.0);
  cycle();
  EXPECT_EQ(value(54, 1), 42900.0);
  host().set_var(0x4A, -250.0);
  cycle();
  EXPECT_EQ(value(54, 1), -250.0);
  EXPECT_EQ(value(53, 1), -50.0);
  EXPECT_EQ(text(58), "-02");

  set_vars({{0x2, 100.0 * 256.0}, {0x4A, 500.0}});
  cycle();
  const double ground = 100.0 * 3.2808 + 11.0;
  EXPECT_NEAR(value(57, 1), 546.0 - (500.0 - ground), 1e-9);
  EXPECT_NEAR(record_double(sim_vars[SV_2]), ground, 1e-9) << "feet written back into the record";
}

TEST_F(Pfd, TargetAltitudeSymbolOrNumber) {
  set_vars({{0x4A, 5000.0}, {0x6C, 1}, {0x6D, 5545.0}});
  cycle(2);
  EXPECT_FALSE(hidden(55));
  EXPECT_TRUE(hidden(56));
  EXPECT_EQ(value(55, 1), 1091.0);
  EXPECT_TRUE(hidden(10));
  for (double target : {5546.0, 4454.0}) {  // the window's two edges count as off
    host().set_var(0x6D, target);
    cycle(2);
    EXPECT_EQ(alt_target_on_scale, 0U) << target;
    EXPECT_FALSE(hidden(10));
    EXPECT_EQ(colour(10), kCyan);
  }
  EXPECT_EQ(text(10), "04454");
  set_vars({{0x6C, 0}, {0x6D, 8000.0}});
  cycle(2);
  EXPECT_TRUE(hidden(55));
  EXPECT_FALSE(hidden(56));
  EXPECT_EQ(text(10), "08000");
  EXPECT_EQ(colour(10), kMagenta);
}

TEST_F(Pfd, VerticalSpeedDigitsChangeBandAt980) {
  // Elements 27-32 are the climbing digits 1-6, 33-38 the descending ones.
  auto digits = [&] {
    std::string s;
    for (int n = 27; n <= 38; ++n) {
      s += text(n);
    }
    return s;
  };
  struct Case {
    double fpm;
    int side;
    const char* shown;
  };
  const Case cases[] = {
      {0.0, 0, "            "},      {980.0, -1, "            "},   {980.0, +1, "1           "},
      {1980.0, -1, "1           "},  {1980.0, 0, " 2          "},   {5980.0, +1, "     6      "},
      {6980.0, -1, "     6      "},  {6980.0, +1, "            "},  {-980.0, +1, "            "},
      {-980.0, -1, "      1     "},  {-1980.0, +1, "      1     "}, {-1980.0, 0, "       2    "},
      {-6980.0, +1, "           6"}, {-6980.0, -1, "            "},
  };
  for (const Case& c : cases) {
    host().set_var(0x41, vs_token(c.fpm, c.side));
    cycle();
    EXPECT_EQ(digits(), c.shown) << c.fpm << " side " << c.side;
    EXPECT_NEAR(value(27), c.fpm, 1e-9);
  }
  host().set_var(0x41, vs_token(7000.0, +1));
  cycle();
  EXPECT_EQ(value(24), 6000.0);
  host().set_var(0x41, vs_token(-1500.0, -1));
  cycle();
  EXPECT_NEAR(value(24), -1500.0, 1e-9);
}

TEST_F(Pfd, BarometricBoxFollowsTheBaroGaugesUnitAndStd) {
  set_vars({{0x4B, 1013.0}, {0x4C, 29.92}});
  cycle();
  EXPECT_TRUE(hidden(3));
  EXPECT_EQ(text(4), "QNH");
  EXPECT_EQ(text(5), "1013.0");
  baro_unit_inhg = 1;
  cycle();
  EXPECT_EQ(text(5), " 29.92");

  // Std chosen on the Baro gauge itself.
  host().click(gauge("Baro"), 30, 50);
  ASSERT_EQ(baro_std_selected, 1U);
  cycle();
  EXPECT_FALSE(hidden(3));
  EXPECT_TRUE(hidden(4));
  EXPECT_TRUE(hidden(5));
}

// ---------------------------------------------------------------- heading scale

TEST_F(Pfd, HeadingReferencesTakeTheShortWayAcrossNorth) {
  const double rows[][3] = {// heading, selected heading, bug position
                            {350.0, 10.0, 4.25},
                            {10.0, 350.0, 44.25},
                            {24.25, 335.75, 72.75},  // both wrap limits are inclusive
                            {335.75, 24.25, -24.25}};
  host().set_var(0x6A, 1);
  for (const auto& r : rows) {
    set_vars({{0x51, r[0]}, {0x6B, r[1]}});
    cycle();
    EXPECT_EQ(value(51, 0), r[2]) << r[0] << " to " << r[1];
    EXPECT_TRUE(hidden(52));
  }
  set_vars({{0x51, 10.0}, {0x6B, 350.0}});
  cycle();
  EXPECT_EQ(record_double(sim_vars[SV_6B]), -10.0) << "wrapped value written back";
  set_vars({{0x6A, 0}, {0x51, 100.0}, {0x6B, 110.0}, {0x2D, 95.0}});
  cycle();
  EXPECT_TRUE(hidden(51));
  EXPECT_EQ(value(52, 0), 14.25);
  EXPECT_EQ(value(50, 0), 29.25);
  EXPECT_EQ(value(48, 0), 100.0);
}

TEST_F(Pfd, TrackSymbolNeedsSpeedAndAir) {
  set_vars({{0x227, 79.9}, {0x228, 10.0}});
  cycle();
  EXPECT_TRUE(hidden(49));
  set_vars({{0x227, 80.0}, {0x228, 80.0 / std::sqrt(3.0)}});
  cycle();
  EXPECT_FALSE(hidden(49));
  EXPECT_NEAR(track_offset_deg, 30.0, 1e-9);
  EXPECT_NEAR(value(49, 0), 24.25 - 30.0, 1e-9);
  host().set_var(0x3C, 1);
  cycle();
  EXPECT_TRUE(hidden(49));
}

// ---------------------------------------------------------------- flight mode annunciator

TEST_F(Pfd, ThrustColumnByModeAndEngines) {
  auto column = [&] {
    cycle();
    return text(23) + "|" + text(22) + "|" + (hidden(21) ? "-" : "o");
  };
  EXPECT_EQ(column(), " XX |XXX|-");
  EXPECT_EQ(colour(23), kAmber);
  EXPECT_EQ(colour(22), kAmber);

  engine2_running = 1;
  std::strcpy(thrust_detent_text, "FLEX");
  EXPECT_EQ(column(), " MAN |FLEX|o");
  EXPECT_EQ(colour(23), kWhite);
  EXPECT_EQ(colour(22), kWhite);

  host().set_var(0x75, 1);
  EXPECT_EQ(column(), "MACH |    |-");
  EXPECT_EQ(colour(23), kGreen);
  EXPECT_EQ(colour(22), kWhite) << "line 2 keeps its last colour";
  set_vars({{0x73, 1}, {0x75, 0}});
  EXPECT_EQ(column(), "SPEED|    |-");
}

TEST_F(Pfd, ModeAnnunciationsFollowTheirTokens) {
  cycle();
  for (int n : {11, 12, 13, 14, 15, 18, 19, 20}) {
    EXPECT_EQ(text(n), "") << n;
  }
  for (uint32_t token : {0x6CU, 0x6FU, 0x70U, 0x67U, 0x7BU, 0x69U, 0x350U}) {
    host().set_var(token, 1);
  }
  cycle();
  EXPECT_EQ(text(20), "ALT");
  EXPECT_EQ(text(11), "G/S");
  EXPECT_EQ(text(12), "LOC");
  EXPECT_EQ(text(15), "AP1");
  EXPECT_EQ(text(13), "A/THR");
  EXPECT_EQ(text(19), "NAV");
  EXPECT_EQ(colour(19), kCyan);
  set_vars({{0x69, 0}, {0x68, 1}});
  cycle();
  EXPECT_EQ(text(19), "LVL");
  EXPECT_EQ(colour(19), kGreen);
  host().set_var(0x6A, 1);
  cycle();
  EXPECT_EQ(text(19), "HDG");

  for (uint32_t token : {0x35AU, 0x353U, 0x354U}) {
    host().set_var(token, 1);
  }
  fd_mode = 1;
  cycle();
  EXPECT_EQ(text(14), "1FD2");
  EXPECT_EQ(text(18), "") << "CAT 2 needs LS mode";
  fd_mode = 2;
  cycle();
  EXPECT_EQ(text(14), " LS ");
  EXPECT_EQ(text(18), "CAT 2");
  host().set_var(0x354, 0);
  cycle();
  EXPECT_EQ(text(18), "");
}

TEST_F(Pfd, DecisionHeightBelow2000FeetOfRadioHeight) {
  set_vars({{0x267, 200.0}, {0x266, 1999.0 / 3.2808}});
  cycle();
  EXPECT_FALSE(hidden(17));
  EXPECT_FALSE(hidden(16));
  EXPECT_EQ(text(17), "DH");
  EXPECT_EQ(text(16), "200");
  host().set_var(0x266, 2011.0 / 3.2808);
  cycle();
  EXPECT_TRUE(hidden(17));
  EXPECT_TRUE(hidden(16));
}

TEST_F(Pfd, ApproachFrequencyAndIdentifierWhileAnApproachIsTuned) {
  const char ident[] = "ILS27R";
  host().set_text_var(0x35D, ident);
  host().set_var(0x18, 0x1095);
  cycle();
  EXPECT_EQ(text(7), "");
  EXPECT_EQ(text(6), "");
  host().set_var(0x35A, 1);
  cycle();
  EXPECT_EQ(text(7), "ILS27R");
  EXPECT_EQ(text(6), "110.95");
  const char longer[] = "LONGER THAN TEN";
  host().set_text_var(0x35D, longer);
  cycle();
  EXPECT_EQ(text(7), "LONGER THA");
  host().set_text_var(0x35D, nullptr);
  cycle();
  EXPECT_EQ(text(7), "");
}

// ---------------------------------------------------------------- every text in bounds

TEST_F(Pfd, TargetNumbersKeepTheirWidthWhenHuge) {
  // The magenta formats are the ones that would produce one character too many.
  set_vars({{0x73, 0}, {0x74, 99999.0}, {0x6C, 0}, {0x6D, 99999999.0}, {0x3D, 100.0}, {0x4A, 1000.0}});
  cycle(2);
  EXPECT_EQ(text(9), "999");
  EXPECT_EQ(text(10), "99999");
}
}  // namespace
}  // namespace corvane::test
