// The E/WD's warning logic: every message row at its threshold with the
// flags it drives, the fuel, engine, stall and gear interplays, the CONFIG
// timer, the left column's view changes, the flap sequencer and the memos.
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
  set_fuel_kg(2999.0);
  pass();
  EXPECT_EQ(level_of("UNSUFFICENT FUEL"), 2);
  EXPECT_EQ(master_caution, 1);
  set_fuel_kg(999.0);
  pass();
  EXPECT_EQ(messages(), Texts{"LOW FUEL"}) << "replaced in the same pass";
  EXPECT_EQ(master_warning * 10 + master_caution, 10);
  set_fuel_kg(2000.0);
  pass();
  EXPECT_TRUE(messages().empty());
  pass();
  EXPECT_EQ(messages(), Texts{"UNSUFFICENT FUEL"});
  set_fuel_kg(3000.5);
  pass();
  EXPECT_TRUE(messages().empty());
  set_fuel_kg(500.0);
  pass();
  EXPECT_EQ(messages(), Texts{"LOW FUEL"});
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
  ecam_phase = 2;
  install();
  EXPECT_EQ(ecam_phase, 0);
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

}  // namespace
}  // namespace corvane::test
