// The engine/warning display through the test host. Its warning logic: every
// message row at its threshold with the flags it drives, the fuel, engine,
// stall and gear interplays, the CONFIG timer, the left column's view
// changes, the flap sequencer and the memos. Its upper half: the flap table
// read at install, the flap indicator, engine readouts and needles, detent
// and thrust limit with IDLE's blinking, fuel on board, the FSUIPC exchange
// at draw and the start banner. Its text area: message colours, the two
// checklists, a red warning taking the column back, and the memo slots' expiry.
#include <algorithm>
#include <iterator>
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
      int* flag = token == kSeatBelt ? &seat_belt_sign : token == kNoSmoking ? &no_smoking_sign : &elac1_on;
      token >= kSeatBelt ? void(*flag = static_cast<int>(v)) : host().set_var(token, v);
    }
  }
  static constexpr uint32_t kSeatBelt = 0xF0001, kNoSmoking = 0xF0002, kElac = 0xF0003;
  // The flaps the sequencer commands for a handle step at an airspeed: event ids in hex.
  std::string flap_events(double steps, double speed) {
    host().clear_events();
    pass({{0x3D, speed}, {0x148, steps * 16384.0 / 5.0}});
    return hex(host().events());
  }
};

TEST_F(EwdLogic, EachRowPostsAtItsThresholdWithItsLevelAndFlags) {
  // Message, level, warning and caution flags, variables short of it (also putting back what the others
  // changed), variables that post it.
  const std::tuple<const char*, int, int, Vars, Vars> rows[] = {
      {"SPOILERS ARMED", 0, 0, {{0x144, 0}}, {{0x144, 1}}},
      {"ENGINE 1 FIRE", 3, 10, {{0x377, 0}}, {{0x377, 1}}},
      {"ENGINE 2 FIRE", 3, 10, {{0x378, 0}}, {{0x378, 1}}},
      {"HIGH GROUND SPEED", 1, 0, {{0x340, 15.43}}, {{0x340, 15.44}}},
      {"HIGH GROUND SPEED", 1, 0, {{0x340, 100.32}}, {{0x340, 100.31}}},
      {"MAX TIRES SPEED", 3, 10, {{0x340, 100.32}}, {{0x340, 100.33}}},
      {"DOOR", 3, 10, {{0x364, 1}, {0x270, 10.0}, {0x283, 10.0}}, {{0x283, 10.1}}},
      {"DOOR", 3, 10, {{0x365, 0}, {0x270, 50.0}}, {{0x365, 1}}},
      {"DOOR", 3, 10, {{0x362, 0}, {0x270, 50.0}}, {{0x362, 1}}},
      {"STALL WARNING", 2, 1, {{0x15D, 25000.0}}, {{0x15D, 24999.9}}},
      {"STALL", 3, 10, {{0x43, 0}}, {{0x43, 1}}},
      {"OVERSPEED", 3, 10, {{0x44, 0}}, {{0x44, 1}}},
      {"GEAR DOWN LOCKED", 0, 0, {{0x14C, 16383}, {0x14D, 16382.9}, {0x14E, 16383}}, {{0x14D, 16383}}},
      {"GEAR DOWN", 3, 10, {{0x3D, 250.0}, {0x14E, 1}}, {{0x3D, 250.1}}},
      {"HIGH AIRSPEED", 1, 0, {{0x3D, 251.0}, {0x4A, 10000.0}}, {{0x3D, 250.1}, {0x4A, 9999.0}}},
      {"ELAC DISC", 2, 0, {{kElac, 1}}, {{kElac, 0}}},
      {"SEAT BELT", 0, 0, {{kSeatBelt, 0}}, {{kSeatBelt, 1}}},
      {"NO SMOKING", 0, 0, {{kNoSmoking, 0}}, {{kNoSmoking, 1}}},
      {"ELEC FAILURE", 3, 10, {{0x3C, 0}, {0x117, 0}}, {{0x117, 1}}},
      {"ELEC FAILURE", 3, 0, {{0x117, 0}}, {{0x117, 1}}},  // on the ground: no warning
      {"VACUUM", 3, 10, {{0x227, 1.01}, {0x270, 50.0}, {0x283, 50.0}, {0x120, 0}}, {{0x120, 1}}},
      {"VACUUM", 3, 0, {{0x120, 0}, {0x227, 1.0}}, {{0x120, 1}}},  // standing: no warning
      {"OIL PRESSURE", 3, 10, {{0x227, 1.01}, {0x270, 50.0}, {0x283, 50.0}, {0x17D, 0}}, {{0x17D, 1}}},
      {"HYDRAULICS", 3, 10, {{0x227, 1.01}, {0x270, 50.0}, {0x283, 50.0}, {0x338, 1.0}}, {{0x338, 0.99}}},
      {"RELEASE BRAKES", 3, 10, {{0x143, 0}}, {{0x143, 1}}},
  };
  for (const auto& [message, level, flags, short_of, holds] : rows) {
    SCOPED_TRACE(message);
    reset_ewd_state();
    for (uint32_t t : {0x3D, 0x340, 0x270, 0x283, 0x227, 0x14C, 0x14D, 0x14E, 0x4A, 0x143, 0x362, 0x364, 0x365}) {
      host().set_var(t, 0.0);
    }
    host().set_var(0x3C, 1.0);
    set_pushback(std::string(message) == "RELEASE BRAKES" ? 0 : 3);
    install();
    apply(short_of);
    cycle();
    EXPECT_EQ(str(posted(message), master_warning, master_caution), "0 0 0");
    apply(holds);
    pass();
    EXPECT_EQ(str(level_of(message), master_warning * 10 + master_caution), str(level, flags));
    pass();
    const Texts now = messages();
    EXPECT_EQ(now.size(), std::set<std::string>(now.begin(), now.end()).size()) << "posted once";
    apply(short_of);
    pass();
    EXPECT_EQ(str(posted(message), master_warning, master_caution), "0 0 0");
  }
}

TEST_F(EwdLogic, FuelEngineStallGearAndFailureInterplays) {
  // Fuel on board: the caution gives way to LOW FUEL in the same pass and comes back.
  const std::tuple<double, Texts, int> fuel[] = {
      {2999.0, {"UNSUFFICENT FUEL"}, 1}, {999.0, {"LOW FUEL"}, 10}, {2000.0, {}, -1},  // -1: flags not looked at
      {2000.0, {"UNSUFFICENT FUEL"}, 1}, {3000.5, {}, 0},           {500.0, {"LOW FUEL"}, 10}};
  for (const auto& [kg, shown, flags] : fuel) {
    set_fuel_kg(kg);
    pass();
    EXPECT_EQ(messages(), shown) << kg;
    EXPECT_TRUE(flags < 0 || master_warning * 10 + master_caution == flags) << kg;
  }
  EXPECT_EQ(level_of("LOW FUEL"), 3);
  // An engine below 1 percent N1 while moving; cleared at 10 percent, standing still changes nothing.
  set_fuel_kg(10000.0);
  pass({{0x270, 5.0}, {0x283, 60.0}, {0x227, 1.01}});
  EXPECT_EQ(str(level_of("ENGINE 1 OFF"), engine1_running, engine_off_alert), "3 1 1");
  engine_off_alert = 2;  // acknowledged
  pass({{0x227, 0.5}, {0x270, 9.99}});
  EXPECT_EQ(str(posted("ENGINE 1 OFF"), master_warning, engine_off_alert), "1 0 2");
  pass({{0x270, 10.0}});
  pass({{0x283, 0.5}, {0x227, 2.0}});
  EXPECT_EQ(messages(), Texts{"ENGINE 2 OFF"});
  EXPECT_EQ(engine2_running, 0);
  // STALL replaces STALL WARNING; the Warnings gauge sets the threshold.
  pass({{0x283, 60.0}, {0x15D, 100.0}, {0x43, 1.0}});
  EXPECT_EQ(messages(), Texts{"STALL"});
  pass({{0x43, 0.0}});
  pass();
  EXPECT_EQ(messages(), Texts{"STALL WARNING"});
  host().set_var(0x15D, 20000.0);
  host().install(gauge("Warnings"), "19999.5");
  pass();
  EXPECT_TRUE(messages().empty());
  gauge("Warnings")->parameters = nullptr;
  // GEAR DOWN above 250 kt removes GEAR DOWN LOCKED.
  pass({{0x14C, 16383}, {0x14D, 16383}, {0x14E, 16383}, {0x3D, 250.1}, {0x4A, 20000}});
  EXPECT_EQ(messages(), Texts{"GEAR DOWN"});
  pass({{0x3D, 240.0}});
  EXPECT_EQ(messages(), Texts{"GEAR DOWN LOCKED"});
  // Failure alerts rise 0 to 1 (vacuum needs movement), stay acknowledged, fall with their condition.
  pass({{0x117, 1}, {0x120, 1}, {0x227, 0.5}});
  EXPECT_EQ(str(elec_failure_alert, vacuum_alert), "1 0");
  pass({{0x227, 5.0}});
  EXPECT_EQ(vacuum_alert, 1);
  vacuum_alert = elec_failure_alert = 2;
  pass();
  EXPECT_EQ(str(elec_failure_alert, vacuum_alert), "2 2");
  pass({{0x117, 0}, {0x120, 0}});
  EXPECT_EQ(str(elec_failure_alert, vacuum_alert), "0 0");
}

TEST_F(EwdLogic, ConfigViewAndFlapSequencer) {
  pass({{0x149, flap_thresholds[1] + 1.0}, {0x3D, 230.0}, {0x25C, 100.0}});
  EXPECT_FALSE(posted("CONFIG")) << "230 kt exactly is allowed";
  host().set_var(0x3D, 230.1);
  std::string caution;
  for (double t : {100.0, 100.99, 101.0, 101.01, 150.0}) {
    pass({{0x25C, t}});
    caution += std::to_string(level_of("CONFIG")) + std::to_string(master_caution);
  }
  EXPECT_EQ(caution, "2020212121");
  pass({{0x3D, 200.0}});
  EXPECT_EQ(str(posted("CONFIG"), master_caution), "0 0");
  for (const auto& [threshold, speed] : {std::pair{2, 215.0}, {3, 200.0}, {4, 185.0}, {5, 177.0}}) {
    pass({{0x149, flap_thresholds[threshold] + 1.0}, {0x3D, speed}});
    const bool at = posted("CONFIG");
    pass({{0x3D, speed + 0.1}});
    EXPECT_EQ(str(at, posted("CONFIG")), "0 1") << speed;
  }
  // On the take-off roll: flaps strictly inside the take-off band, trim within 0.03.
  const double middle = (flap_thresholds[2] + flap_thresholds[4]) / 2.0;
  set({{0x3D, 100.0}, {0x340, 31.0}, {0x22E, 0.85}});
  for (const auto& [flaps, trim, bad] : {std::tuple{flap_thresholds[2], 0.0, true},
                                         {middle, 0.03, false},
                                         {middle, -0.031, true},
                                         {flap_thresholds[4], 0.0, true}}) {
    pass({{0x149, flaps}, {0x30F, trim}});
    EXPECT_EQ(str(takeoff_flag, posted("CONFIG")), str(1, bad)) << flaps << " " << trim;
  }
  std::string phases;
  ecam_phase = 0;
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
  // Slow: the first step goes to the second position, back up from there. Fast: the second
  // position is held back in every pass; retraction needs less than 210 kt.
  const std::pair<double, double> steps[] = {{1, 209.9}, {1, 209.9}, {2, 200.0}, {1, 200.0}, {0, 200.0},
                                             {1, 220.0}, {2, 220.0}, {2, 220.0}, {1, 210.0}, {2, 210.0},
                                             {3, 230.0}, {2, 230.0}, {3, 200.0}, {2, 200.0}};
  std::string sent;
  for (const auto& [handle, speed] : steps) {
    sent += flap_events(handle, speed) + "|";
  }
  EXPECT_EQ(sent, "1003F|||1003B|||10041 1003B|1003B||10041||1003D 1003B|||");
  reset_ewd_state();
  install("0-1-2-3");
  EXPECT_EQ(flap_events(1, 200.0) + flap_events(2, 230.0), "");
}

TEST_F(EwdLogic, BrakeMemosAreWrittenWhenTheirConditionChanges) {
  cycle({{0x143, 32766}, {0x146, 10.0}, {0x147, 10.0}});
  EXPECT_EQ(memo(4) + memo(3), "");
  cycle({{0x143, 32767}, {0x146, 10.5}, {0x147, 10.5}});
  EXPECT_EQ(memo(4) + "|" + memo(3), "PRK BRK|SPEED BRK");
  EXPECT_FALSE(posted("RELEASE BRAKES")) << "no pushback";
  ecam_set_memo("OTHER", 3);
  cycle();
  EXPECT_EQ(memo(3), "OTHER") << "written once, not every pass";
  cycle({{0x147, 10.6}, {0x143, 0}});
  EXPECT_EQ(memo(3) + memo(4), "");
}

TEST_F(EwdTest, FlapTableFromTheTextAndTheIndicatorsExactDetentsAndThresholds) {
  install();
  EXPECT_EQ(str(flap_position_count, flap_step_count), "6 5");
  // Scaled in single precision: 3271.80005 for the first state; state 0 is
  // not reduced. (Held in a float array so that an x87 build rounds them too.)
  const float s = 16384.0F / 5.0F;
  const float steps[] = {s, 2.0F * s, 3.0F * s, 4.0F * s};
  EXPECT_EQ(std::vector<double>(flap_thresholds, flap_thresholds + 6),
            (std::vector<double>{0.0, static_cast<double>(steps[0]) - 5.0, static_cast<double>(steps[1]) - 5.0,
                                 static_cast<double>(steps[2]) - 5.0, static_cast<double>(steps[3]) - 5.0, 16379.0}));
  install("0-1-2-3");
  EXPECT_EQ(flap_position_count, 6) << "read once per module load";
  flap_table_parsed = 0;
  install("0-1-2-3");
  EXPECT_EQ(flap_step_count, 3);
  // k = 0, 1, 1, 2, 2, 3 for r = 0, 0.6, 1.2, 1.8, 2.4, 3.0.
  const float third = 16384.0F / 3.0F;
  const float thirds[] = {third, 2.0F * third};
  const double v1 = static_cast<double>(thirds[0]) - 5.0;
  const double v2 = static_cast<double>(thirds[1]) - 5.0;
  EXPECT_EQ(std::vector<double>(flap_thresholds, flap_thresholds + 6),
            (std::vector<double>{0.0, v1, v1, v2, v2, 16379.0}));
  std::string sixty = "1";
  for (int i = 2; i <= 60; ++i) {
    sixty += "-" + std::to_string(i);
  }
  // Empty, a last 0, no numbers at all: the default list; odd pieces are passed over.
  for (const auto& [text, count] : std::vector<std::pair<std::string, int>>{
           {"", 6}, {"1-2-0", 6}, {"abc-def", 6}, {"0-x-2-4", 3}, {"0--1---2", 3}, {"0-1-nan", 2}, {sixty, 50}}) {
    flap_table_parsed = 0;
    install(text.c_str());
    EXPECT_EQ(str(flap_position_count, flap_thresholds[5]), str(count, 16379)) << text;
  }
  // No terminator within 500 characters: a "5" just beyond must not join the "4".
  std::string bounded = "1-" + std::string(496, ' ') + "-4" + "5";
  flap_table_parsed = 0;
  ewd_->parameters = bounded.c_str();
  host().call(ewd_, kServiceInstall);
  ewd_->parameters = nullptr;
  EXPECT_EQ(str(flap_position_count, flap_thresholds[0]), "2 4096");
  flap_table_parsed = 0;  // the default table again
  install();
  std::string shown;
  for (double handle : {3276.8, 6553.6, 6553.5, 9830.4, 13107.2, 16384.0, 16383.0}) {
    cycle({{0x148, handle}});
    shown += str(value(8));
  }
  for (double position : {flap_thresholds[1] - 0.01, flap_thresholds[1], flap_thresholds[4] - 0.01, 16379.0}) {
    cycle({{0x149, position}});
    shown += str(value(9));
  }
  EXPECT_EQ(shown, "12034500135");
}

TEST_F(EwdTest, EnginesShowReadoutsAndNeedlesFromOnePercentN1AndFuelFlowAndFuelOnBoard) {
  install();
  cycle({{0x270, 0.99}, {0x7B, 1.0}, {0x22E, 0.5}});
  for (int n : {35, 36, 23, 24, 33, 34, 21, 22, 6, 7}) {
    EXPECT_EQ(str(text(n), colour(n)), str(n == 21 || n == 22 || n == 6 || n == 7 ? " XX " : "XXX", kAmber)) << n;
  }
  EXPECT_EQ(str(hidden(25), hidden(26), hidden(29), hidden(30), hidden(31), hidden(32), hidden(27), value(5), value(4),
                value(3), value(2)),
            "1 1 1 1 1 1 0 0 0 0 0");
  cycle({{0x270, 1.0}, {0x283, 100.5}, {0x271, 64.9}, {0x284, 99.99}, {0x237, 1392.0}, {0x241, 491.0}, {0x22E, 0.42}});
  EXPECT_EQ(str(text(36), text(35), text(24), text(23), text(34), text(33)), "001 100 064 099 500 000");
  EXPECT_EQ(str(colour(36), colour(35)), str(kGreen, kAmber)) << "amber above 100 percent";
  EXPECT_EQ(str(value(2), value(3), value(4), value(5)), "4 3 2 1");
  EXPECT_EQ(str(hidden(26), hidden(30), value(26), value(30)), "0 0 1392 42") << "needles take the value unconverted";
  cycle({{0x7B, 0.0}});
  EXPECT_TRUE(hidden(30)) << "the lever needle needs autothrust";
  install();
  cycle({{0x270, 50.0}, {0x283, 0.0}, {0x27E, 2000.0}, {0x291, 2000.0}, {0x25C, 100.0}});
  EXPECT_EQ(text(22) + "|" + text(21), "0907| XX ");
  EXPECT_EQ(str(fuel_used_kg[0], fuel_used_kg[1]), str(907.2 * 100.0 / 3600.0, 0)) << "from the stamp, 0 at load";
  cycle({{0x25C, 136.0}});
  EXPECT_NEAR(fuel_used_kg[0], 907.2 * 136.0 / 3600.0, 1e-9);
  const std::tuple<double, const char*, uint32_t> fuel[] = {
      {999.9, "   999", kRed}, {1000.01, "  1000", kAmber}, {2999.9, "  2999", kAmber}, {3000.01, "  3000", kGreen}};
  for (const auto& [kg, shown, colour_shown] : fuel) {
    set_fuel_kg(kg);
    cycle();
    EXPECT_EQ(str(text(20), colour(20), fuel_on_board_kg), str(shown, colour_shown, std::stoi(shown))) << kg;
  }
}

TEST_F(EwdTest, DetentsThrustLimitAndIdleBlinksAndDrawReadsFsuipc) {
  install();
  host().set_var(0x270, 60.0);
  // Levers, then detent, shared detent and limit.
  const std::tuple<double, double, const char*> levers[] = {{0.95, 0.0, "TOGA/TOGA/101%"},
                                                            {0.2, 0.949, "FLX/FLEX/095%"},
                                                            {0.85, 0.0, "FLX/FLEX/095%"},
                                                            {0.05, 0.0, "CL/ CL /092%"},
                                                            {0.8499, 0.0, "CL/ CL /092%"}};
  for (const auto& [lever1, lever2, shown] : levers) {
    cycle({{0x22E, lever1}, {0x238, lever2}});
    cycle();  // the limit readout comes before the detent in the chain
    EXPECT_EQ(str(text(7) + "/" + thrust_detent_text + "/" + text(6), colour(7), colour(6)), str(shown, kWhite, kBlue));
  }
  cycle({{0x22E, 0.96}, {0x7B, 1.0}});
  EXPECT_EQ(str(text(7), thrust_detent_text, colour(7)), str("CL ", " CL ", kLightBlue))
      << "autothrust: light blue, the last detent kept";
  // IDLE blinks four times, then stays steady; leaving IDLE restarts the blinking.
  set({{0x7B, 0.0}, {0x22E, 0.0}});
  std::string seen;
  for (int step = 0; step <= 12; ++step) {
    cycle({{0x25C, 10.0 + 0.25 * step}});
    seen += text(7).empty() ? '_' : 'I';
  }
  EXPECT_EQ(seen + thrust_detent_text, "I_I_I_I_IIIIIIDLE");
  cycle({{0x22E, 0.5}});
  cycle({{0x22E, 0.0}, {0x25C, 20.0}});
  cycle({{0x25C, 20.3}});
  EXPECT_EQ(text(7), "");
  install();
  const int16_t roll = -300;
  const int32_t weight = 123456;
  world().fsuipc.poke(0x332A, &roll, 2);
  world().fsuipc.poke(0x3BFC, &weight, 4);
  set_pushback(0);
  for (const auto& [raw, percent] : {std::pair<int16_t, int>{-16193, 0}, {0, 50}, {16192, 100}}) {
    world().fsuipc.poke(0x332E, &raw, 2);
    host().draw(ewd_);
    host().evaluate(ewd_);
    EXPECT_EQ(str(throttle_axis_percent, value(28)), str(percent, percent));
  }
  EXPECT_EQ(str(roll_axis_input, fsuipc_weight_word, pushback_state), "-300 123456 0");
  world().fsuipc.present = false;
  set_pushback(3);
  cycle();
  EXPECT_EQ(str(throttle_axis_percent, pushback_state), "100 0") << "no FSUIPC: values kept";
  install();
  EXPECT_EQ(throttle_axis_percent, 0) << "install starts from idle";
}

TEST_F(EwdTest, BannerHidesMessagesForThreeSecondsOfTheLeverNeedle) {
  install();
  ecam_post_message("ENGINE 1 FIRE", 3, 1);
  cycle({{0x25C, 50.0}});
  EXPECT_EQ(str(left(0), left_colour(0), left_colour(1)), str("- AIRBUS GAUGE -", kYellow, kGreen));
  cycle({{0x25C, 52.99}});
  EXPECT_EQ(banner_done, 0);
  cycle({{0x25C, 53.0}});
  cycle();  // the left column comes before the lever needle
  EXPECT_EQ(str(left(0), left_colour(0)), str("ENGINE 1 FIRE", kRed));
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
  // The left column's five lines, then their colours.
  std::string column() {
    cycle();
    std::string out;
    for (int line = 0; line < 5; ++line) {
      out += left(line) + "|";
    }
    const std::pair<uint32_t, char> letters[] = {{kWhite, 'W'}, {kCyan, 'C'}, {kGreen, 'G'},
                                                 {kAmber, 'A'}, {kRed, 'R'},  {kYellow, 'Y'}};
    for (int line = 0; line < 5; ++line) {
      const auto* l =
          std::find_if(std::begin(letters), std::end(letters), [&](auto p) { return p.first == left_colour(line); });
      out += l == std::end(letters) ? '?' : l->second;
    }
    return out;
  }
};

TEST_F(EwdText, MessagesChecklistsAndMemos) {
  for (const auto& [text, level] : {std::pair{"SEAT BELT", 0}, {"HIGH AIRSPEED", 1}, {"CONFIG", 2}, {"OVERSPEED", 3}}) {
    ecam_post_message(text, level, 1);
  }
  EXPECT_EQ(column(), "OVERSPEED|CONFIG|HIGH AIRSPEED|SEAT BELT||RAYGG");
  ecam_message_level[1] = 7;  // an unknown level shows as a memo
  EXPECT_EQ(column(), "OVERSPEED|CONFIG|HIGH AIRSPEED|SEAT BELT||RGYGG");
  reset_module_state();  // no message left
  set({{0x340, 40.0}, {0x22E, 0.9}, {0x2E7, 1.0}, {0x149, flap_thresholds[2]}});
  EXPECT_EQ(column(), "TO CHECKLIST|AUTOBRK......RTO|FLAPS........TO|LDG LIGHTS...ON|SIGNS........ON|WCCCC");
  EXPECT_EQ(ecam_phase, 1);
  set({{0x2E7, 0.0}, {0x149, flap_thresholds[2] + 0.5}, {0xE, 1.0}});
  seat_belt_sign = 1;
  EXPECT_EQ(column().substr(column().size() - 5), "WGGGC") << "both signs are needed";
  no_smoking_sign = 1;
  EXPECT_EQ(column(), "TO CHECKLIST|AUTOBRK......RTO|FLAPS........TO|LDG LIGHTS...ON |SIGNS........ON |WGGGG");
  set({{0x2E7, 3.0}, {0x149, flap_thresholds[4]}});
  EXPECT_EQ(column().substr(column().size() - 5), "WCCGG") << "only RTO; the band is open";
  host().set_var(0x377, 1.0);
  EXPECT_EQ(column().substr(0, 14), "ENGINE 1 FIRE|");
  set({{0x377, 0.0}, {0x15D, 100.0}});  // a caution alone leaves the checklist
  EXPECT_EQ(column().substr(0, 13), "TO CHECKLIST|");
  EXPECT_EQ(master_caution, 1);
  ecam_phase = 2;
  set({{0x3C, 0.0}, {0x266, 2000.0}, {0x149, 0.0}, {0xE, 0.0}});
  EXPECT_EQ(column(), "LDG CHECKLIST|GEAR.......DOWN|FLAPS......LDG|SPOILERS...ARMED|LDG LIGHTS.ON|WCCCC");
  set({{0x14C, 16383}, {0x14D, 16383}, {0x14E, 16383}, {0x149, flap_thresholds[4]}, {0x144, 1}, {0xE, 1}});
  EXPECT_EQ(column(), "LDG CHECKLIST|GEAR.......DOWN |FLAPS......LDG|SPOILERS...ARMED |LDG LIGHTS.ON |WGGGG");
  ecam_phase = 3;  // any other view leaves the column as it was
  host().set_var(0x144, 0.0);
  EXPECT_EQ(column(), "LDG CHECKLIST|GEAR.......DOWN |FLAPS......LDG|SPOILERS...ARMED |LDG LIGHTS.ON |WGGGG");
  ecam_set_memo("A/P OFF", 0);
  ecam_memo_stamp[0] = 100.0;
  ecam_set_memo("AUTOBK MED", 2);
  ecam_set_memo("SPEED BRK", 3);
  std::string shown;
  for (double clock : {109.99, 110.0, 110.0, 1000.0}) {  // gone at the refresh after the expiry
    cycle({{0x25C, clock}});
    shown += memo(0) + "|" + memo(2) + "|" + memo(3) + "|";
  }
  EXPECT_EQ(shown,
            "A/P OFF|AUTOBK MED|SPEED BRK|A/P OFF|AUTOBK MED|SPEED BRK||AUTOBK MED|SPEED BRK||AUTOBK MED|SPEED BRK|");
  EXPECT_EQ(str(ecam_memo_stamp[0], colour(14)), str(0, kYellow));
}

}  // namespace
}  // namespace corvane::test
