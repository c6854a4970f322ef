// The engine/warning display through the test host. Its warning logic: every
// message row at its threshold with the flags it drives, the fuel, engine,
// stall and gear interplays, the CONFIG timer, the left column's view
// changes, the flap sequencer and the memos. Its upper half: the flap table
// read at install, the flap indicator, engine readouts and needles, detent
// and thrust limit with IDLE's blinking, fuel on board, the FSUIPC exchange
// at draw and the start banner. Its text area: message colours, the two
// checklists, a red warning taking the column back, and the memo slots' expiry.
#include <cmath>
#include <limits>
#include <set>
#include <tuple>

#include "ewd_fixture.h"

namespace corvane::test {
namespace {

class EwdLogic : public EwdTest {
 protected:
  void SetUp() override {
    EwdTest::SetUp();
    install();
    pass();
    ASSERT_TRUE(messages().empty());
  }
  // Signs and the ELAC are module values; stand-in tokens set them.
  void apply(const Vars& vars) {
    for (const auto& [token, v] : vars) {
      if (token == kSeatBelt) {
        seat_belt_sign = static_cast<int>(v);
      } else if (token == kNoSmoking) {
        no_smoking_sign = static_cast<int>(v);
      } else if (token == kElac) {
        elac1_on = static_cast<int>(v);
      } else {
        host().set_var(token, v);
      }
    }
  }
  static constexpr uint32_t kSeatBelt = 0xF0001, kNoSmoking = 0xF0002, kElac = 0xF0003;
  std::vector<uint32_t> flap_events(double steps, double speed) {
    host().clear_events();
    set({{0x3D, speed}, {0x148, steps * 16384.0 / 5.0}});
    pass();
    std::vector<uint32_t> ids;
    for (const testhost::KeyEvent& e : host().events()) {
      ids.push_back(e.id + e.value);
    }
    return ids;
  }
};

struct Row {
  const char* text;
  int level;
  int warning, caution;
  Vars short_of, holds;  // short_of also puts back what holds changed
};

TEST_F(EwdLogic, EachRowPostsAtItsThresholdWithItsLevelAndFlags) {
  const Vars rolling = {{0x227, 1.01}, {0x270, 50.0}, {0x283, 50.0}};
  auto with = [](Vars base, const Vars& more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
  };
  const std::vector<Row> rows = {
      {"SPOILERS ARMED", 0, 0, 0, {{0x144, 0}}, {{0x144, 1}}},
      {"ENGINE 1 FIRE", 3, 1, 0, {{0x377, 0}}, {{0x377, 1}}},
      {"ENGINE 2 FIRE", 3, 1, 0, {{0x378, 0}}, {{0x378, 1}}},
      {"HIGH GROUND SPEED", 1, 0, 0, {{0x340, 15.43}}, {{0x340, 15.44}}},
      {"HIGH GROUND SPEED", 1, 0, 0, {{0x340, 100.32}}, {{0x340, 100.31}}},
      {"MAX TIRES SPEED", 3, 1, 0, {{0x340, 100.32}}, {{0x340, 100.33}}},
      {"DOOR", 3, 1, 0, {{0x364, 1}, {0x270, 10.0}, {0x283, 10.0}}, {{0x283, 10.1}}},
      {"DOOR", 3, 1, 0, {{0x365, 0}, {0x270, 50.0}}, {{0x365, 1}}},
      {"DOOR", 3, 1, 0, {{0x362, 0}, {0x270, 50.0}}, {{0x362, 1}}},
      {"STALL WARNING", 2, 0, 1, {{0x15D, 25000.0}}, {{0x15D, 24999.9}}},
      {"STALL", 3, 1, 0, {{0x43, 0}}, {{0x43, 1}}},
      {"OVERSPEED", 3, 1, 0, {{0x44, 0}}, {{0x44, 1}}},
      {"GEAR DOWN LOCKED", 0, 0, 0, {{0x14C, 16383}, {0x14D, 16382.9}, {0x14E, 16383}}, {{0x14D, 16383}}},
      {"GEAR DOWN", 3, 1, 0, {{0x3D, 250.0}, {0x14E, 1}}, {{0x3D, 250.1}}},
      {"HIGH AIRSPEED", 1, 0, 0, {{0x3D, 251.0}, {0x4A, 10000.0}}, {{0x3D, 250.1}, {0x4A, 9999.0}}},
      {"ELAC DISC", 2, 0, 0, {{kElac, 1}}, {{kElac, 0}}},
      {"SEAT BELT", 0, 0, 0, {{kSeatBelt, 0}}, {{kSeatBelt, 1}}},
      {"NO SMOKING", 0, 0, 0, {{kNoSmoking, 0}}, {{kNoSmoking, 1}}},
      {"ELEC FAILURE", 3, 1, 0, {{0x3C, 0}, {0x117, 0}}, {{0x117, 1}}},
      {"ELEC FAILURE", 3, 0, 0, {{0x117, 0}}, {{0x117, 1}}},  // on the ground: no warning
      {"VACUUM", 3, 1, 0, with(rolling, {{0x120, 0}}), {{0x120, 1}}},
      {"VACUUM", 3, 0, 0, {{0x120, 0}, {0x227, 1.0}}, {{0x120, 1}}},  // standing: no warning
      {"OIL PRESSURE", 3, 1, 0, with(rolling, {{0x17D, 0}}), {{0x17D, 1}}},
      {"HYDRAULICS", 3, 1, 0, with(rolling, {{0x338, 1.0}}), {{0x338, 0.99}}},
      {"RELEASE BRAKES", 3, 1, 0, {{0x143, 0}}, {{0x143, 1}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    reset_ewd_state();
    for (uint32_t t :
         {0x3Du, 0x340u, 0x270u, 0x283u, 0x227u, 0x14Cu, 0x14Du, 0x14Eu, 0x4Au, 0x143u, 0x362u, 0x364u, 0x365u}) {
      host().set_var(t, 0.0);
    }
    host().set_var(0x3C, 1.0);
    set_pushback(std::string(row.text) == "RELEASE BRAKES" ? 0 : 3);
    install();
    apply(row.short_of);
    cycle();
    EXPECT_FALSE(posted(row.text));
    EXPECT_EQ(master_warning + master_caution, 0);
    apply(row.holds);
    pass();
    EXPECT_EQ(level_of(row.text), row.level);
    EXPECT_EQ(master_warning, row.warning);
    EXPECT_EQ(master_caution, row.caution);
    pass();
    const Texts now = messages();
    EXPECT_EQ(now.size(), std::set<std::string>(now.begin(), now.end()).size()) << "posted once";
    apply(row.short_of);
    pass();
    EXPECT_FALSE(posted(row.text));
    EXPECT_EQ(master_warning + master_caution, 0);
  }
}

TEST_F(EwdLogic, FuelCautionGivesWayToLowFuelAndComesBack) {
  // Fuel on board, then the messages after one pass and the warning and caution flags (-1: not looked at).
  const std::tuple<double, Texts, int> steps[] = {{2999.0, {"UNSUFFICENT FUEL"}, 1},
                                                  {999.0, {"LOW FUEL"}, 10},  // replaced in the same pass
                                                  {2000.0, {}, -1},
                                                  {2000.0, {"UNSUFFICENT FUEL"}, 1},
                                                  {3000.5, {}, 0},
                                                  {500.0, {"LOW FUEL"}, 10}};
  for (const auto& [kg, shown, flags] : steps) {
    set_fuel_kg(kg);
    pass();
    EXPECT_EQ(messages(), shown) << kg;
    EXPECT_TRUE(flags < 0 || master_warning * 10 + master_caution == flags) << kg;
  }
  EXPECT_EQ(level_of("LOW FUEL"), 3);
}

TEST_F(EwdLogic, EngineOffRisesWhileMovingAndClearsAtTenPercent) {
  set({{0x270, 5.0}, {0x283, 60.0}, {0x227, 1.01}});
  pass();
  EXPECT_EQ(level_of("ENGINE 1 OFF"), 3);
  EXPECT_EQ(engine1_running, 1) << "from 1 percent an engine runs";
  EXPECT_EQ(engine_off_alert, 1);
  engine_off_alert = 2;  // acknowledged
  set({{0x227, 0.5}, {0x270, 9.99}});
  pass();
  EXPECT_TRUE(posted("ENGINE 1 OFF")) << "standing still changes nothing";
  EXPECT_EQ(master_warning, 0);
  EXPECT_EQ(engine_off_alert, 2);
  host().set_var(0x270, 10.0);
  pass();
  EXPECT_FALSE(posted("ENGINE 1 OFF"));
  set({{0x283, 0.5}, {0x227, 2.0}});
  pass();
  EXPECT_EQ(messages(), Texts{"ENGINE 2 OFF"});
  EXPECT_EQ(engine2_running, 0);
}

TEST_F(EwdLogic, StallReplacesStallWarningAndWarningsSetsTheThreshold) {
  set({{0x15D, 100.0}, {0x43, 1.0}});
  pass();
  EXPECT_EQ(messages(), Texts{"STALL"});
  host().set_var(0x43, 0.0);
  pass();
  pass();
  EXPECT_EQ(messages(), Texts{"STALL WARNING"});
  host().set_var(0x15D, 20000.0);
  host().install(gauge("Warnings"), "19999.5");
  pass();
  EXPECT_TRUE(messages().empty());
  gauge("Warnings")->parameters = nullptr;
}

TEST_F(EwdLogic, GearDownAboveTwoHundredFiftyKnotsRemovesGearDownLocked) {
  set({{0x14C, 16383}, {0x14D, 16383}, {0x14E, 16383}, {0x3D, 250.1}, {0x4A, 20000}});
  pass();
  EXPECT_EQ(messages(), Texts{"GEAR DOWN"});
  EXPECT_EQ(gear_down_locked, 1);
  host().set_var(0x3D, 240.0);
  pass();
  EXPECT_EQ(messages(), Texts{"GEAR DOWN LOCKED"});
}

TEST_F(EwdLogic, FailureAlertsRiseZeroToOneAndFallWithTheirCondition) {
  set({{0x117, 1}, {0x120, 1}, {0x227, 0.5}});
  pass();
  EXPECT_EQ(elec_failure_alert * 10 + vacuum_alert, 10) << "vacuum needs movement";
  host().set_var(0x227, 5.0);
  pass();
  EXPECT_EQ(vacuum_alert, 1);
  vacuum_alert = elec_failure_alert = 2;
  pass();
  EXPECT_EQ(vacuum_alert + elec_failure_alert, 4);
  set({{0x117, 0}, {0x120, 0}});
  pass();
  EXPECT_EQ(vacuum_alert + elec_failure_alert, 0);
}

TEST_F(EwdLogic, ConfigPostsAtOnceAndCautionsFromOneSecondOn) {
  set({{0x149, flap_thresholds[1] + 1.0}, {0x3D, 230.0}, {0x25C, 100.0}});
  pass();
  EXPECT_FALSE(posted("CONFIG")) << "230 kt exactly is allowed";
  host().set_var(0x3D, 230.1);
  pass();
  EXPECT_EQ(level_of("CONFIG"), 2);
  std::string caution;
  for (double t : {100.99, 101.0, 101.01, 150.0}) {
    host().set_var(0x25C, t);
    pass();
    caution += std::to_string(master_caution);
  }
  EXPECT_EQ(caution, "0111");
  host().set_var(0x3D, 200.0);
  pass();
  EXPECT_FALSE(posted("CONFIG"));
  EXPECT_EQ(master_caution, 0);
  for (const auto& [threshold, speed] :
       std::vector<std::pair<int, double>>{{2, 215.0}, {3, 200.0}, {4, 185.0}, {5, 177.0}}) {
    set({{0x149, flap_thresholds[threshold] + 1.0}, {0x3D, speed}});
    pass();
    EXPECT_FALSE(posted("CONFIG")) << speed;
    host().set_var(0x3D, speed + 0.1);
    pass();
    EXPECT_TRUE(posted("CONFIG")) << speed;
  }
  // On the take-off roll: flaps strictly inside the take-off band, trim within 0.03.
  const double middle = (flap_thresholds[2] + flap_thresholds[4]) / 2.0;
  set({{0x3D, 100.0}, {0x340, 31.0}, {0x22E, 0.85}});
  for (const auto& [flaps, trim, bad] : std::vector<std::tuple<double, double, bool>>{{flap_thresholds[2], 0.0, true},
                                                                                      {middle, 0.03, false},
                                                                                      {middle, -0.031, true},
                                                                                      {flap_thresholds[4], 0, true}}) {
    set({{0x149, flaps}, {0x30F, trim}});
    pass();
    EXPECT_EQ(takeoff_flag, 1);
    EXPECT_EQ(posted("CONFIG"), bad) << flaps << " " << trim;
  }
}

TEST_F(EwdLogic, ViewFollowsTakeOffApproachGoAroundAndLanding) {
  std::string phases;
  for (const Vars& step :
       std::vector<Vars>{{{0x340, 30.86}, {0x22E, 0.9}},                  // 60 kt exactly: not yet
                         {{0x340, 30.87}, {0x22E, 0.84}, {0x238, 0.85}},  // take-off roll
                         {{0x3C, 0}, {0x266, 10.0}},                      // lifting off
                         {{0x266, 10.1}, {0x41, 500.0}},                  // climbing away
                         {{0x22E, 0.3}, {0x238, 0.3}, {0x266, 999.0}, {0x41, -1.0}, {0x149, flap_thresholds[4]}},
                         {{0x14C, 1.0}},                             // gear out on approach
                         {{0x41, 1.0}, {0x22E, 0.85}},               // one lever: no go-around
                         {{0x238, 0.86}},                            // go-around
                         {{0x41, -1.0}, {0x22E, 0}, {0x238, 0}},     // approach again
                         {{0x41, 0.0}, {0x3C, 1.0}, {0x340, 31.0}},  // touchdown, fast
                         {{0x340, 30.0}}}) {                         // slowed down
    set(step);
    pass();
    phases += std::to_string(ecam_phase);
  }
  EXPECT_EQ(phases, "01100220220");
  set({{0x3C, 0}, {0x41, 0}});  // airborne, level: the approach view would stay
  ecam_phase = 2;
  pass();
  ASSERT_EQ(ecam_phase, 2);
  install();
  EXPECT_EQ(ecam_phase, 0) << "install starts from the message view";
}

TEST_F(EwdLogic, FlapSequencerCommandsTheSimulatorsFlaps) {
  using Ids = std::vector<uint32_t>;
  // Slow: the first step goes to the second position, back up from there.
  EXPECT_EQ(flap_events(1, 209.9), Ids{0x1003F});
  EXPECT_EQ(flap_events(1, 209.9), Ids{});
  EXPECT_EQ(flap_events(2, 200.0), Ids{}) << "already commanded there";
  EXPECT_EQ(flap_events(1, 200.0), Ids{0x1003B});
  EXPECT_EQ(flap_events(0, 200.0), Ids{});
  // Fast: the second position is held back in every pass.
  EXPECT_EQ(flap_events(1, 220.0), Ids{});
  EXPECT_EQ(flap_events(2, 220.0), (Ids{0x10041, 0x1003B}));
  EXPECT_EQ(flap_events(2, 220.0), Ids{0x1003B});
  EXPECT_EQ(flap_events(1, 210.0), Ids{}) << "retraction needs less than 210 kt";
  EXPECT_EQ(flap_events(2, 210.0), Ids{0x10041});
  EXPECT_EQ(flap_events(3, 230.0), Ids{});
  EXPECT_EQ(flap_events(2, 230.0), (Ids{0x1003D, 0x1003B}));
  EXPECT_EQ(flap_events(3, 200.0), Ids{});
  EXPECT_EQ(flap_events(2, 200.0), Ids{});
  // Only with the six-position table.
  reset_ewd_state();
  install("0-1-2-3");
  EXPECT_EQ(flap_events(1, 200.0), Ids{});
  EXPECT_EQ(flap_events(2, 230.0), Ids{});
}

TEST_F(EwdLogic, BrakeMemosAreWrittenWhenTheirConditionChanges) {
  set({{0x143, 32766}, {0x146, 10.0}, {0x147, 10.0}});
  cycle();
  EXPECT_EQ(memo(4) + memo(3), "");
  set({{0x143, 32767}, {0x146, 10.5}, {0x147, 10.5}});
  cycle();
  EXPECT_EQ(memo(4), "PRK BRK");
  EXPECT_EQ(memo(3), "SPEED BRK");
  EXPECT_FALSE(posted("RELEASE BRAKES")) << "no pushback";
  ecam_set_memo("OTHER", 3);
  cycle();
  EXPECT_EQ(memo(3), "OTHER") << "written once, not every pass";
  set({{0x147, 10.6}, {0x143, 0}});
  cycle();
  EXPECT_EQ(memo(3) + memo(4), "");
}

TEST_F(EwdTest, FlapTableDefaultsAndRoundsStatesHalfUpInSinglePrecision) {
  install();
  EXPECT_EQ(flap_position_count * 10 + flap_step_count, 65);
  const float s = 16384.0F / 5.0F;
  // State 0 is not reduced; 3271.80005 for the first state.
  EXPECT_EQ(std::vector<double>(flap_thresholds, flap_thresholds + 6),
            (std::vector<double>{0.0, static_cast<double>(s) - 5.0, static_cast<double>(2.0F * s) - 5.0,
                                 static_cast<double>(3.0F * s) - 5.0, static_cast<double>(4.0F * s) - 5.0, 16379.0}));
  install("0-1-2-3");
  EXPECT_EQ(flap_position_count, 6) << "read once per module load";
  flap_table_parsed = 0;
  install("0-1-2-3");
  EXPECT_EQ(flap_step_count, 3);
  // k = 0, 1, 1, 2, 2, 3 for r = 0, 0.6, 1.2, 1.8, 2.4, 3.0.
  const double v1 = static_cast<double>(16384.0F / 3.0F) - 5.0;
  const double v2 = static_cast<double>(2.0F * (16384.0F / 3.0F)) - 5.0;
  EXPECT_EQ(std::vector<double>(flap_thresholds, flap_thresholds + 6),
            (std::vector<double>{0.0, v1, v1, v2, v2, 16379.0}));
}

TEST_F(EwdTest, MalformedFlapTextsNeverBreakTheTable) {
  std::string sixty = "1";
  for (int i = 2; i <= 60; ++i) {
    sixty += "-" + std::to_string(i);
  }
  // Empty, a last 0, no numbers at all: the default list; odd pieces are passed over.
  for (const auto& [text, count] : std::vector<std::pair<std::string, int>>{
           {"", 6}, {"1-2-0", 6}, {"abc-def", 6}, {"0-x-2-4", 3}, {"0--1---2", 3}, {"0-1-nan", 2}, {sixty, 50}}) {
    flap_table_parsed = 0;
    install(text.c_str());
    EXPECT_EQ(flap_position_count, count) << text;
    EXPECT_EQ(flap_thresholds[5], 16379.0) << text;
  }
  // No terminator within 500 characters: a "5" just beyond must not join the "4".
  std::string bounded = "1-" + std::string(496, ' ') + "-4" + "5";
  flap_table_parsed = 0;
  ewd_->parameters = bounded.c_str();
  host().call(ewd_, kServiceInstall);
  ewd_->parameters = nullptr;
  EXPECT_EQ(flap_position_count, 2);
  EXPECT_EQ(flap_thresholds[0], 4096.0);
}

TEST_F(EwdTest, FlapIndicatorTakesExactHandleDetentsAndPositionThresholds) {
  install();
  using Pairs = std::vector<std::pair<double, double>>;
  for (const auto& [handle, index] :
       Pairs{{3276.8, 1}, {6553.6, 2}, {6553.5, 0}, {9830.4, 3}, {13107.2, 4}, {16384.0, 5}, {16383.0, 0}}) {
    host().set_var(0x148, handle);
    cycle();
    EXPECT_EQ(value(8), index) << handle;
  }
  for (const auto& [position, index] :
       Pairs{{flap_thresholds[1] - 0.01, 0}, {flap_thresholds[1], 1}, {flap_thresholds[4] - 0.01, 3}, {16379.0, 5}}) {
    host().set_var(0x149, position);
    cycle();
    EXPECT_EQ(value(9), index) << position;
  }
}

TEST_F(EwdTest, EnginesShowReadoutsAndNeedlesFromOnePercentN1) {
  install();
  set({{0x270, 0.99}, {0x7B, 1.0}, {0x22E, 0.5}});
  cycle();
  for (int n : {35, 36, 23, 24, 33, 34, 21, 22, 6, 7}) {
    EXPECT_EQ(text(n), n == 21 || n == 22 || n == 6 || n == 7 ? " XX " : "XXX") << n;
    EXPECT_EQ(colour(n), kAmber) << n;
  }
  for (int n : {25, 26, 29, 30, 31, 32}) {
    EXPECT_TRUE(hidden(n)) << n;
  }
  EXPECT_FALSE(hidden(27));
  EXPECT_EQ(value(5) + value(4) + value(3) + value(2), 0.0);

  set({{0x270, 1.0}, {0x283, 100.5}, {0x271, 64.9}, {0x284, 99.99}, {0x237, 1392.0}, {0x241, 491.0}, {0x22E, 0.42}});
  cycle();
  EXPECT_EQ(Texts({text(36), text(35), text(24), text(23), text(34), text(33)}),
            Texts({"001", "100", "064", "099", "500", "000"}));
  EXPECT_EQ(colour(36), kGreen);
  EXPECT_EQ(colour(35), kAmber) << "above 100 percent";
  EXPECT_EQ(std::vector<double>({value(2), value(3), value(4), value(5)}), std::vector<double>({4, 3, 2, 1}));
  EXPECT_FALSE(hidden(26) || hidden(30));
  EXPECT_EQ(value(26), 1392.0) << "needles take the value unconverted";
  EXPECT_DOUBLE_EQ(value(30), 42.0);
  host().set_var(0x7B, 0.0);
  cycle();
  EXPECT_TRUE(hidden(30)) << "the lever needle needs autothrust";
}

TEST_F(EwdTest, FuelFlowSumsFuelUsedWhileRunningAndFuelOnBoardColours) {
  install();
  set({{0x270, 50.0}, {0x27E, 2000.0}, {0x291, 2000.0}, {0x25C, 100.0}});
  cycle();
  EXPECT_EQ(text(22) + "|" + text(21), "0907| XX ");
  EXPECT_NEAR(fuel_used_kg[0], 907.2 * 100.0 / 3600.0, 1e-9) << "from the stamp, 0 at load";
  EXPECT_EQ(fuel_used_kg[1], 0.0);
  host().set_var(0x25C, 136.0);
  cycle();
  EXPECT_NEAR(fuel_used_kg[0], 907.2 * 136.0 / 3600.0, 1e-9);
  const struct {
    double kg;
    const char* text;
    uint32_t colour;
  } cases[] = {
      {999.9, "   999", kRed}, {1000.01, "  1000", kAmber}, {2999.9, "  2999", kAmber}, {3000.01, "  3000", kGreen}};
  for (const auto& c : cases) {
    set_fuel_kg(c.kg);
    cycle();
    EXPECT_EQ(text(20), c.text);
    EXPECT_EQ(colour(20), c.colour) << c.kg;
    EXPECT_EQ(fuel_on_board_kg, std::stoi(c.text));
  }
}

TEST_F(EwdTest, DetentsSetTextThrustLimitAndTheSharedDetent) {
  install();
  host().set_var(0x270, 60.0);
  const struct {
    double lever1, lever2;
    const char* shown;  // detent, shared detent, limit
  } cases[] = {{0.95, 0.0, "TOGA/TOGA/101%"},
               {0.2, 0.949, "FLX/FLEX/095%"},
               {0.85, 0.0, "FLX/FLEX/095%"},
               {0.05, 0.0, "CL/ CL /092%"},
               {0.8499, 0.0, "CL/ CL /092%"}};
  for (const auto& c : cases) {
    set({{0x22E, c.lever1}, {0x238, c.lever2}});
    cycle();
    cycle();  // the limit readout comes before the detent in the chain
    EXPECT_EQ(text(7) + "/" + thrust_detent_text + "/" + text(6), c.shown);
    EXPECT_EQ(colour(7), kWhite);
    EXPECT_EQ(colour(6), kBlue);
  }
  // Autothrust: light blue "CL " and the last detent and limit kept.
  set({{0x22E, 0.96}, {0x7B, 1.0}});
  cycle();
  EXPECT_EQ(text(7) + "/" + thrust_detent_text, "CL / CL ");
  EXPECT_EQ(colour(7), kLightBlue);
}

TEST_F(EwdTest, IdleBlinksFourTimesThenStaysSteady) {
  install();
  set({{0x270, 60.0}, {0x22E, 0.0}});
  std::string seen;
  for (int step = 0; step <= 12; ++step) {
    host().set_var(0x25C, 10.0 + 0.25 * step);
    cycle();
    seen += text(7).empty() ? '_' : 'I';
  }
  EXPECT_EQ(seen, "I_I_I_I_IIIII");
  EXPECT_STREQ(thrust_detent_text, "IDLE");
  host().set_var(0x22E, 0.5);
  cycle();
  set({{0x22E, 0.0}, {0x25C, 20.0}});
  cycle();
  host().set_var(0x25C, 20.3);
  cycle();
  EXPECT_EQ(text(7), "") << "leaving IDLE restarts the blinking";
}

TEST_F(EwdTest, DrawReadsFsuipcAndScalesTheThrottleAxis) {
  install();
  const int16_t roll = -300;
  const int32_t weight = 123456;
  world().fsuipc.poke(0x332A, &roll, 2);
  world().fsuipc.poke(0x3BFC, &weight, 4);
  set_pushback(0);
  for (const auto& [raw, percent] : std::vector<std::pair<int16_t, int16_t>>{{-16193, 0}, {0, 50}, {16192, 100}}) {
    world().fsuipc.poke(0x332E, &raw, 2);
    host().draw(ewd_);
    host().evaluate(ewd_);
    EXPECT_EQ(throttle_axis_percent, percent);
    EXPECT_EQ(value(28), percent);
  }
  EXPECT_EQ(roll_axis_input, -300);
  EXPECT_EQ(fsuipc_weight_word, 123456);
  EXPECT_EQ(pushback_state, 0);
  world().fsuipc.present = false;
  set_pushback(3);
  cycle();
  EXPECT_EQ(throttle_axis_percent * 10 + pushback_state, 1000) << "no FSUIPC: values kept";
  install();
  EXPECT_EQ(throttle_axis_percent, 0) << "install starts from idle";
}

TEST_F(EwdTest, BannerHidesMessagesForThreeSecondsOfTheLeverNeedle) {
  install();
  ecam_post_message("ENGINE 1 FIRE", 3, 1);
  host().set_var(0x25C, 50.0);
  cycle();
  EXPECT_EQ(left(0), "- AIRBUS GAUGE -");
  EXPECT_EQ(left_colour(0), kYellow);
  EXPECT_EQ(left_colour(1), kGreen);
  host().set_var(0x25C, 52.99);
  cycle();
  EXPECT_EQ(banner_done, 0);
  host().set_var(0x25C, 53.0);
  cycle();
  cycle();  // the left column comes before the lever needle
  EXPECT_EQ(left(0), "ENGINE 1 FIRE");
  EXPECT_EQ(left_colour(0), kRed);
  install();
  cycle();
  EXPECT_EQ(left(0), "- AIRBUS GAUGE -") << "a new install shows the banner again";
}

class EwdText : public EwdTest {
 protected:
  void SetUp() override {
    EwdTest::SetUp();
    install();
    banner_done = 1;
  }
  Texts column() {
    Texts out;
    for (int line = 0; line < 5; ++line) {
      out.push_back(left(line));
    }
    return out;
  }
  std::vector<uint32_t> colours() {
    std::vector<uint32_t> out;
    for (int line = 0; line < 5; ++line) {
      out.push_back(left_colour(line));
    }
    return out;
  }
  using Colours = std::vector<uint32_t>;
};

TEST_F(EwdText, MessageViewColoursEachLineByItsLevel) {
  for (const auto& [text, level] : {std::pair{"SEAT BELT", 0}, {"HIGH AIRSPEED", 1}, {"CONFIG", 2}, {"OVERSPEED", 3}}) {
    ecam_post_message(text, level, 1);
  }
  cycle();
  EXPECT_EQ(column(), (Texts{"OVERSPEED", "CONFIG", "HIGH AIRSPEED", "SEAT BELT", ""}));
  EXPECT_EQ(colours(), (Colours{kRed, kAmber, kYellow, kGreen, kGreen}));
  ecam_message_level[1] = 7;  // an unknown level shows as a memo
  cycle();
  EXPECT_EQ(left_colour(1), kGreen);
}

TEST_F(EwdText, TakeOffChecklistTurnsGreenItemByItemAndYieldsToRed) {
  set({{0x340, 40.0}, {0x22E, 0.9}, {0x2E7, 1.0}, {0x149, flap_thresholds[2]}});
  cycle();
  EXPECT_EQ(ecam_phase, 1);
  EXPECT_EQ(column(),
            (Texts{"TO CHECKLIST", "AUTOBRK......RTO", "FLAPS........TO", "LDG LIGHTS...ON", "SIGNS........ON"}));
  EXPECT_EQ(colours(), (Colours{kWhite, kCyan, kCyan, kCyan, kCyan}));
  set({{0x2E7, 0.0}, {0x149, flap_thresholds[2] + 0.5}, {0xE, 1.0}});
  seat_belt_sign = 1;
  cycle();
  EXPECT_EQ(colours(), (Colours{kWhite, kGreen, kGreen, kGreen, kCyan})) << "both signs are needed";
  no_smoking_sign = 1;
  cycle();
  EXPECT_EQ(left(3) + "|" + left(4), "LDG LIGHTS...ON |SIGNS........ON ");
  EXPECT_EQ(left_colour(4), kGreen);
  host().set_var(0x2E7, 3.0);
  host().set_var(0x149, flap_thresholds[4]);
  cycle();
  EXPECT_EQ(left_colour(1), kCyan) << "only RTO";
  EXPECT_EQ(left_colour(2), kCyan) << "the band is open";

  host().set_var(0x377, 1.0);
  cycle();
  EXPECT_EQ(column()[0], "ENGINE 1 FIRE");
  host().set_var(0x377, 0.0);
  host().set_var(0x15D, 100.0);  // a caution alone leaves the checklist
  cycle();
  EXPECT_EQ(master_caution, 1);
  EXPECT_EQ(left(0), "TO CHECKLIST");
}

TEST_F(EwdText, LandingChecklistFollowsGearFlapsSpoilersAndLights) {
  ecam_phase = 2;
  set({{0x3C, 0.0}, {0x266, 2000.0}});
  cycle();
  EXPECT_EQ(column(),
            (Texts{"LDG CHECKLIST", "GEAR.......DOWN", "FLAPS......LDG", "SPOILERS...ARMED", "LDG LIGHTS.ON"}));
  EXPECT_EQ(colours(), (Colours{kWhite, kCyan, kCyan, kCyan, kCyan}));
  set({{0x14C, 16383}, {0x14D, 16383}, {0x14E, 16383}, {0x149, flap_thresholds[4]}, {0x144, 1}, {0xE, 1}});
  cycle();
  EXPECT_EQ(column(),
            (Texts{"LDG CHECKLIST", "GEAR.......DOWN ", "FLAPS......LDG", "SPOILERS...ARMED ", "LDG LIGHTS.ON "}));
  EXPECT_EQ(colours(), (Colours{kWhite, kGreen, kGreen, kGreen, kGreen}));
  ecam_phase = 3;  // any other view leaves the column as it was
  host().set_var(0x144, 0.0);
  cycle();
  EXPECT_EQ(left(3), "SPOILERS...ARMED ");
}

TEST_F(EwdText, StampedMemosExpireAfterTenSecondsOthersStay) {
  ecam_set_memo("A/P OFF", 0);
  ecam_memo_stamp[0] = 100.0;
  ecam_set_memo("AUTOBK MED", 2);
  ecam_set_memo("SPEED BRK", 3);
  host().set_var(0x25C, 109.99);
  cycle();
  EXPECT_EQ(memo(0), "A/P OFF");
  EXPECT_EQ(colour(14), kYellow);
  host().set_var(0x25C, 110.0);
  cycle();
  EXPECT_EQ(ecam_memo_stamp[0], 0.0);
  EXPECT_EQ(memo(0), "A/P OFF") << "gone at the next refresh";
  cycle();
  EXPECT_EQ(memo(0), "");
  host().set_var(0x25C, 1000.0);
  cycle();
  EXPECT_EQ(memo(2) + "|" + memo(3), "AUTOBK MED|SPEED BRK");
}

}  // namespace
}  // namespace corvane::test
