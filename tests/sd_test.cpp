// The system display group through the test host: the "SD" pages' texts,
// colours and thresholds, bounded texts and fuel alerts; which elements each
// page shows and the automatic page selection with its rules in order, the
// manual hold, ALL and CLR; the "Page Keys" panel; the "SD Bottom" strip.
#include "sd_fixture.h"

namespace corvane::test {
namespace {

class SdPages : public SdTest {
 protected:
  std::string show(uint32_t token, double v, int x, int y) {
    cycle({{token, v}});
    return text(x, y);
  }
  double icon(uint32_t bitmap, int x, int y, int slot = 0) { return value(find(bitmap, x, y), slot); }
  struct Shown {
    uint32_t token;
    double value;
    int x, y;
    const char* text;
    uint32_t colour;  // 0: not looked at
  };
  void expect(std::initializer_list<Shown> rows) {
    for (const Shown& r : rows) {
      EXPECT_EQ(show(r.token, r.value, r.x, r.y), r.text) << std::hex << r.token << std::dec << " = " << r.value;
      EXPECT_TRUE(r.colour == 0 || colour(r.x, r.y) == r.colour) << std::hex << r.token << std::dec << " = " << r.value;
    }
  }
};

TEST_F(SdPages, FittedTextsKeepTheirDecimalsUntilTheTextOutgrowsItsField) {
  struct Case {
    uint32_t token;
    int x, y;
    double v;
    const char* text;
  };
  // ELEC "%4.1f", vibration "%4.2f", pitch trim (v x 50) "%3.1fUP"/"DN".
  for (const Case& c : std::vector<Case>{{0x2F2, 19, 61, 99.949, "99.9"},
                                         {0x2F2, 19, 61, 99.95, " 100"},
                                         {0x2F2, 19, 61, -9.949, "-9.9"},
                                         {0x2F2, 19, 61, -9.951, " -10"},
                                         {0x282, 140, 21, 9.9949, "9.99"},
                                         {0x282, 140, 21, 9.9951, "10.0"},
                                         {0x30F, 81, 41, 9.945 / 50.0, "9.9UP"},
                                         {0x30F, 81, 41, -9.945 / 50.0, "9.9DN"},
                                         {0x30F, 81, 41, 9.951 / 50.0, " 10UP"}}) {
    EXPECT_EQ(show(c.token, c.v, c.x, c.y), c.text) << c.v;
  }
}

TEST_F(SdPages, EngElecAndFuelTextsStayWithinTheirFieldsAndTheFuelAlertsRise) {
  expect({{0x95, 8192.0, 38, 28, "10.0", 0},
          {0x23C, 39999.0, 98, 67, "099", 0},  // truncated
          {0x282, 9.99, 140, 21, "9.99", 0},
          {0x282, 12.34, 140, 21, "12.3", 0},
          {0x282, 1e300, 140, 21, "9999", 0},
          {0x2F0, 0.0, 45, 17, "XX", kAmber},
          {0x2F0, 0.04, 45, 17, " 0.0", kGreen},
          {0x2F2, 99.9, 19, 61, "99.9", 0},
          {0x2F2, 150.6, 19, 61, " 151", 0},  // MAIN BUS current of 100 A and more
          {0x2DE, 30.0, 87, 47, "0030", 0}});
  cycle({{0x2EF, -15.0}, {0x2DD, 0.8}});
  EXPECT_EQ(str(icon(0x6070, 88, 15), icon(0x6180, 8, 90, 1)), "1 -80") << "exactly -15 A is no DISCH";
  cycle({{0x2EF, -15.1}});
  EXPECT_EQ(icon(0x6070, 88, 15), 0.0);
  // kg = level / 8388607 x capacity x 3.04; only tank 1 exists.
  host().set_var(0x126, 1000.0);
  expect({{0x125, 8388607.0 / 2.0, 6, 61, "01520", kYellow}});
  EXPECT_EQ(str(text(44, 62), colour(44, 62), fuel_tank_low_alert), str("XXXXX", kAmber, 0))
      << "absent tanks never raise it";
  expect({{0x125, 8388607.0 * 0.16, 6, 61, "00486", kRed}});
  std::string alerts = std::to_string(fuel_tank_low_alert);
  fuel_tank_low_alert = 2;  // acknowledged stays acknowledged
  cycle();
  alerts += std::to_string(fuel_tank_low_alert);
  fuel_tank_low_alert = 0;
  sd_page = 8;  // raised on any page
  cycle();
  EXPECT_EQ(alerts + std::to_string(fuel_tank_low_alert), "121");

  // Gallons x 3.04 give kilograms on board.
  fob_low_alert = 0;
  host().set_var(0x130, 300.0);
  expect({{0x12F, 30.0, 77, 17, "001003", kAmber}});
  alerts = std::to_string(fob_low_alert);
  expect({{0x12F, 28.0, 77, 17, "000997", kRed}});
  alerts += std::to_string(fob_low_alert);
  fob_low_alert = 2;  // the acknowledgement does not hold
  cycle();
  EXPECT_EQ(alerts + std::to_string(fob_low_alert), "011");
  expect({{0x12F, 687.0, 77, 17, "003000", kGreen}, {0x12F, 686.0, 77, 17, "002997", kAmber}});
}

TEST_F(SdPages, ValvesDoorsWheelsFlightControlsAndCruise) {
  // Selector value: left, right, both centre valves open.
  const double cases[][4] = {{1, 1, 1, 1}, {16, 1, 1, 0}, {2, 1, 0, 0}, {3, 0, 1, 0}, {6, 0, 0, 1}, {0, 0, 0, 0}};
  for (const auto& c : cases) {
    cycle({{0x133, c[0]}});
    EXPECT_EQ(str(icon(0x60E0, 37, 11), icon(0x60E0, 152, 11), icon(0x60E0, 83, 43), icon(0x60E0, 106, 43)),
              str(c[1], c[2], c[3], c[3]))
        << c[0];
  }
  cycle({{0x134, 1.0}, {0x365, 0.01}});
  EXPECT_EQ(str(icon(0x60F0, 94, 32), icon(0x6190, 116, 24), icon(0x60D0, 43, 24)), "1 1 0");
  expect({{0x227, 100.0, 161, 3, "---", kWhite}});  // airborne
  host().set_var(0x3C, 1.0);
  expect({{0x227, 50.0, 161, 3, "029", kGreen}, {0x227, 52.0, 161, 3, "030", kAmber}});  // 30.8 kt is above 30
  host().set_var(0x141, 32767.0);
  expect({{0x140, 327.67, 19, 88, "017", 0}});  // 1 %: 2 + 15
  EXPECT_EQ(str(text(159, 88), icon(0x6150, 40, 100)), "215 1");
  expect({{0x140, 327.0, 50, 88, "016", 0}});  // 2 x 0.998 % truncated
  EXPECT_EQ(icon(0x6150, 40, 100), 0.0) << "released below 1 %";
  cycle({{0x143, 1.0}});
  EXPECT_EQ(text(19, 88) + text(50, 88) + text(130, 88) + text(159, 88), "------------");
  // Position, then triangle and door images; k = position / 2730 truncated.
  const double gear[][3] = {{0, 0, 0},     {2730, 0, 1},  {5460, 0, 2},  {9000, 1, 2},
                            {10920, 2, 2}, {13650, 2, 1}, {16384, 2, 0}, {19110, 0, 2}};
  for (const auto& c : gear) {
    cycle({{0x14E, c[0]}});
    EXPECT_EQ(str(icon(0x6100, 136, 49), icon(0x6130, 133, 39)), str(c[1], c[2])) << c[0];
  }
  cycle({{0x30E, -1.0}, {0x310, 0.2}});
  EXPECT_EQ(str(icon(0x6030, 47, 102, 1), icon(0x6030, 37, 52, 1)), "0.45 -0.2") << "limited";
  expect({{0x30F, -0.1, 81, 41, "5.0DN", 0},
          {0x30F, -0.0, 81, 41, "0.0UP", 0},
          {0x30F, 0.3, 81, 41, " 15UP", 0}});  // 10.0 and more in whole units
  cycle({{0x312, -0.3}, {0x146, 8192.0}, {0x147, 16384.0}});
  EXPECT_EQ(str(icon(0x6040, 99, 56), icon(0x6050, 33, 7, 1), icon(0x6060, 33, 7, 1), icon(0x6060, 33, 7, 0)),
            "-30 0.5 1 66");
  set_vars({{0x14C, 0.0}, {0x14D, 0.0}, {0x14E, 0.0}});  // gear up
  fuel_used_kg[0] = 123.9;
  fuel_used_kg[1] = 50000.0;
  engine1_running = 1;
  cycle();
  EXPECT_EQ(str(text(13, 20), text(87, 20), colour(13, 20), colour(87, 20)), str("0123", "XX", kGreen, kAmber));
  engine2_running = 1;
  cycle();
  EXPECT_EQ(text(87, 20), "9999");
  expect({{0x4A, 41000.0, 150, 123, "8000", 0}, {0x4A, 16500.0, 150, 123, "4000", 0}});
  host().set_var(0x14C, 1.0);
  expect({{0x4A, 5000.0, 150, 123, "5000", 0},     // a gear out: the aircraft's altitude
          {0x4A, 12000.0, 150, 123, "9999", 0}});  // bounded to four characters
  expect({{0x41, 0.0, 143, 101, "+0000", 0}, {0x41, -4125.0, 143, 101, "-1000", 0}});
}

class SdSelection : public SdTest {
 protected:
  void SetUp() override {
    SdTest::SetUp();
    load_sounds();
  }
  void update(std::initializer_list<std::pair<uint32_t, double>> vars = {}) {
    set_vars(vars);
    host().update(sd_);
  }
  // The seven key lights, ENG to F/CTL.
  std::string lights() {
    host().evaluate(keys_);
    return lit(keys_, {2, 3, 4, 5, 6, 7, 8});
  }
  void key(int x, int y) { ASSERT_TRUE(host().click(keys_, x, y)); }
  void parked() {
    set_vars({{0x3C, 1.0}, {0x227, 0.0}});
    engine1_running = engine2_running = 0;
  }
  void taxi(double knots) {
    set_vars({{0x3C, 1.0}, {0x227, knots / 0.5926355}});
    engine1_running = 1;
  }
  void clock(double t) { update({{0x25C, t}}); }
};

TEST_F(SdSelection, EachElementShowsOnlyOnItsPageAndStaysLit) {
  // Shown per page; the two vibration texts of ENG also show on CRUISE. The
  // display ignores the panel lights (all off here): everything stays lit.
  const int shown_per_page[] = {0, 13, 10, 5, 12, 4, 14, 9, 9};
  for (int page = 0; page <= 8; ++page) {
    sd_page = page;
    host().evaluate(sd_);
    int shown = -1;  // the root
    for (Element* e : testhost::TestHost::elements(sd_)) {
      shown += is_hidden(e) ? 0 : 1;
      EXPECT_NE(e->image_flags & kFlagBright, 0U);
    }
    EXPECT_EQ(str(shown, is_hidden(text_at(171, 21))), str(shown_per_page[page], page != 1 && page != 8));
  }
}

TEST_F(SdSelection, FollowsTheFlightFromGateToCruise) {
  parked();
  update();
  EXPECT_EQ(sd_page, 5) << "DOOR/OXY at the gate";
  taxi(59.9);
  update();
  EXPECT_EQ(sd_page, 6) << "WHEEL taxiing";
  taxi(60.0);  // exactly 60 kt once converted
  update();
  EXPECT_EQ(sd_page, 7) << "F/CTL on the take-off run";
  update({{0x3C, 0.0}, {0x149, 1.01}});
  EXPECT_EQ(sd_flight_state, 5);
  update({{0x149, 1.0}});
  EXPECT_EQ(sd_page, 8) << "CRUISE";
}

TEST_F(SdSelection, RulesApplyInTheirOrder) {
  // Every condition at once; acknowledging or removing them one by one walks
  // down the rules: alerts, doors, gear, start, ground.
  set_vars({{0x3C, 1.0}, {0x365, 0.5}, {0x14D, 8000.0}});
  hydraulics_alert = engine_off_alert = fob_low_alert = fuel_tank_low_alert = 1;
  elec_failure_alert = oil_pressure_alert = eng_start_state = 1;
  update();
  EXPECT_EQ(sd_page, 3);
  const struct {
    int* flag;
    int state, page;
  } steps[] = {{&hydraulics_alert, 13, 1},    {&engine_off_alert, 9, 4},    {&fob_low_alert, 9, 4},
               {&fuel_tank_low_alert, 10, 2}, {&elec_failure_alert, 11, 1}, {&oil_pressure_alert, 7, 5}};
  for (const auto& step : steps) {
    *step.flag = 2;
    update();
    EXPECT_EQ(sd_flight_state * 10 + sd_page, step.state * 10 + step.page) << step.state;
  }
  update({{0x365, 0.0}});
  EXPECT_EQ(sd_page, 6) << "gear in transit";
  update({{0x14D, 16383.0}});  // counts as down
  EXPECT_EQ(sd_flight_state, 2);
  eng_start_state = 0;
  update();
  EXPECT_EQ(sd_flight_state, 1);
  // A door open while taxiing beats the ground states, not an active alert.
  taxi(10.0);
  update({{0x362, 1.0}});
  EXPECT_EQ(sd_page, 5);
  elec_failure_alert = 1;
  update();
  EXPECT_EQ(sd_page, 2);
}

TEST_F(SdSelection, KeyChoicesLastUntilTheStateChangesAndAllStepsOncePerSecond) {
  parked();
  update();
  key(195, 36);  // FUEL
  update();
  EXPECT_EQ(str(sd_page, sd_manual_hold), str(4, 0));
  hydraulics_alert = 1;
  update();
  EXPECT_EQ(sd_page, 3) << "an alert calls its page over the key's";
  key(141, 56);  // WHEEL acknowledges it
  EXPECT_EQ(sd_manual_hold, 1);
  update();  // state 12 back to 1: held
  update();
  EXPECT_EQ(str(sd_page, sd_manual_hold), str(6, 0));
  taxi(80.0);  // the hold lasted one change only
  update();
  EXPECT_EQ(sd_page, 7);
  // CLR shows the automatic page at the next update without a change.
  key(195, 36);
  key(60, 76);
  update();
  EXPECT_EQ(sd_page, 7);
  parked();
  clock(100.0);
  clock(100.0);
  key(195, 56);
  std::string pages;
  for (double t : {100.9, 101.0, 101.5, 102.0, 103.0, 104.0}) {
    clock(t);
    pages += std::to_string(sd_page);
  }
  EXPECT_EQ(pages, "566781") << "8 wraps to 1";
  key(195, 56);  // off: stays
  clock(110.0);
  EXPECT_EQ(sd_page, 1);
  key(195, 56);
  taxi(5.0);  // a change of state stops it
  clock(111.0);
  clock(112.0);
  EXPECT_EQ(str(sd_all_cycling, sd_page), str(0, 6));
}

TEST_F(SdSelection, KeysShowTheirPagesLightTheirLightsAndAcknowledgeAlerts) {
  // ENG, ELEC, HYD, FUEL, DOOR, WHEEL, F/CTL: pages 1 to 7.
  const int keys[][2] = {{60, 36}, {140, 36}, {168, 36}, {195, 36}, {114, 56}, {141, 56}, {168, 56}};
  for (int page = 1; page <= 7; ++page) {
    sd_page = 0;
    key(keys[page - 1][0], keys[page - 1][1]);
    EXPECT_EQ(sd_page, page);
    std::string expected(7, '0');
    expected[static_cast<size_t>(page - 1)] = '1';
    EXPECT_EQ(lights(), expected);
  }
  // ENG and F/CTL alternate with CRUISE, which lights no key.
  std::string pages;
  for (int x : {60, 60, 168, 168, 60}) {
    key(x, x == 60 ? 36 : 56);
    pages += std::to_string(sd_page);
  }
  EXPECT_EQ(pages, "18781");
  sd_page = 8;
  EXPECT_EQ(lights(), "0000000");
  EXPECT_TRUE(host().events().empty()) << "the panel sends no key event";
  sd_all_cycling = 1;
  key(195, 36);
  EXPECT_EQ(str(sd_manual_hold, sd_all_cycling), str(0, 0)) << "nothing to acknowledge; a page key stops ALL";
  fuel_tank_low_alert = vacuum_alert = engine_off_alert = 1;
  fob_low_alert = 2;
  key(141, 56);
  EXPECT_EQ(fuel_tank_low_alert + vacuum_alert + engine_off_alert + fob_low_alert, 8);
  EXPECT_EQ(str(oil_pressure_alert + hydraulics_alert + elec_failure_alert, sd_manual_hold), str(0, 1));
  // ALL toggles without acknowledging.
  hydraulics_alert = 1;
  key(195, 56);
  EXPECT_EQ(str(sd_all_cycling, hydraulics_alert), str(1, 1));
  key(195, 56);
  EXPECT_EQ(sd_all_cycling, 0);
  EXPECT_EQ(played(), Texts(16, kButton));
}

TEST_F(SdSelection, KeysEmerCancToConfigClrAndTheIntegLtKnobWhileTheBatteryIsOn) {
  oil_pressure_alert = 1;
  key(168, 16);
  EXPECT_EQ(str(master_warning_ack, oil_pressure_alert), str(1, 2));
  EXPECT_EQ(played(), Texts{kButton}) << "no warning: no clicker";
  world().sound.clear_calls();
  master_warning = 1;
  key(168, 16);
  EXPECT_EQ(played(), (Texts{kButton, kClicker}));
  world().sound.clear_calls();
  key(87, 16);  // airborne: only the click
  EXPECT_EQ(ecam_phase, 0);
  host().set_var(0x3C, 1.0);
  key(87, 16);
  EXPECT_EQ(ecam_phase, 1);
  sd_flight_state = 6;
  hydraulics_alert = 1;
  key(60, 76);
  EXPECT_EQ(ecam_phase + sd_flight_state + sd_manual_hold, 0) << "CLR clears the hold its own acknowledge set";
  EXPECT_EQ(hydraulics_alert, 2);
  EXPECT_EQ(played(), Texts(4, kButton)) << "CLR clicks twice";
  Element* background = el(keys_, 0);
  Element* knob = el(keys_, 1);
  Element* eng_light = el(keys_, 2);
  host().set_var(0x16C, 1.0);
  key(30, 30);
  EXPECT_EQ(played().back(), kClick);
  host().cycle(keys_);
  EXPECT_EQ(ModuleTest::value(keys_, 1), 1.0);
  EXPECT_NE(background->image_flags & eng_light->image_flags & kFlagBright, 0U);
  EXPECT_EQ(knob->image_flags & kFlagBright, 0U) << "the knob is not lit";
  ModuleTest::cycle(keys_, {{0x16C, 0.0}});
  EXPECT_EQ(panel_lights_on, 0U);
  EXPECT_NE(background->image_flags & kFlagBright, 0U) << "lit before the battery check: dark one update later";
  host().cycle(keys_);
  EXPECT_EQ((background->image_flags | eng_light->image_flags) & kFlagBright, 0U);
  key(30, 30);
  EXPECT_EQ(panel_lights_on, 1U);
  host().update(keys_);
  EXPECT_EQ(panel_lights_on, 0U);
}

TEST_F(SdTest, BottomTemperaturesTimeAndWeights) {
  GaugeHeader* strip = gauge("SD Bottom");
  auto texts = [&] {
    host().evaluate(strip);
    std::string out;
    for (size_t i = 1; i <= 6; ++i) {
      out += ModuleTest::text(strip, i) + "|";
    }
    return out;
  };
  // TAT arrives divided by 256; SAT takes three characters; ZFW converts the
  // fraction of 1000.99 lb (454.05), GW drops it first (453.6).
  set_vars({{0x15E, -5.0 / 256.0}, {0x6, 7.0}, {0x7, 5.9}});
  fsuipc_weight_word = 256 * 100000;
  fuel_on_board_kg = 5000;
  EXPECT_EQ(texts(), "-05|+00|07|05| 45360| 50360|");
  set_vars({{0x15E, 12.9 / 256.0}, {0x320, -120.0}});
  fsuipc_weight_word = 256 * 1000 + 253;
  fuel_on_board_kg = 0;
  EXPECT_EQ(texts(), "+12|-99|07|05|   454|   453|");
  fsuipc_weight_word = -256;  // GW shifts the word as unsigned; both stay within six characters
  EXPECT_EQ(texts(), "+12|-99|07|05|     0|999999|");
}

}  // namespace
}  // namespace corvane::test
