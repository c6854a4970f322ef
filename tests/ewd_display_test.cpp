// The E/WD's upper half: the flap table read at install, the flap indicator,
// engine readouts and needles, detent and thrust limit with IDLE's blinking,
// fuel on board, the FSUIPC exchange at draw and the start banner.
#include <cmath>
#include <limits>

#include "ewd_fixture.h"

namespace corvane::test {
namespace {

TEST_F(EwdTest, FlapTableDefaultsAndRoundsStatesHalfUpInSinglePrecision) {
  install();
  EXPECT_EQ(flap_position_count, 6);
  EXPECT_EQ(flap_step_count, 5);
  const float s = 16384.0F / 5.0F;
  EXPECT_EQ(flap_thresholds[0], 0.0) << "state 0 is not reduced";
  EXPECT_EQ(flap_thresholds[1], static_cast<double>(s) - 5.0);  // 3271.80005
  const float three_steps = 3.0F * s;
  EXPECT_EQ(flap_thresholds[3], static_cast<double>(three_steps) - 5.0);
  EXPECT_EQ(flap_thresholds[5], 16379.0);
  install("0-1-2-3");
  EXPECT_EQ(flap_position_count, 6) << "read once per module load";

  flap_table_parsed = 0;
  install("0-1-2-3");
  EXPECT_EQ(flap_step_count, 3);
  // k = 0, 1, 1, 2, 2, 3 for r = 0, 0.6, 1.2, 1.8, 2.4, 3.0.
  const float step = 16384.0F / 3.0F;
  const float two_steps = 2.0F * step;
  const double v1 = static_cast<double>(step) - 5.0;
  const double v2 = static_cast<double>(two_steps) - 5.0;
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

TEST_F(EwdTest, StoppedEnginesShowAmberCrossesAndHideTheirNeedles) {
  install();
  set({{0x270, 0.99}, {0x7B, 1.0}, {0x22E, 0.5}});
  cycle();
  for (int n : {35, 36, 23, 24, 33, 34}) {
    EXPECT_EQ(text(n) + std::to_string(colour(n)), "XXX" + std::to_string(kAmber)) << n;
  }
  for (int n : {21, 22, 6, 7}) {
    EXPECT_EQ(text(n) + std::to_string(colour(n)), " XX " + std::to_string(kAmber)) << n;
  }
  for (int n : {25, 26, 29, 30, 31, 32}) {
    EXPECT_TRUE(hidden(n)) << n;
  }
  EXPECT_FALSE(hidden(27));
  EXPECT_EQ(value(5) + value(4) + value(3) + value(2), 0.0);
}

TEST_F(EwdTest, RunningEnginesShowReadoutsFromOnePercentN1) {
  install();
  set({{0x270, 1.0},
       {0x283, 100.5},
       {0x271, 64.9},
       {0x284, 99.99},
       {0x237, 1392.0},
       {0x241, 491.0},
       {0x7B, 1.0},
       {0x22E, 0.42}});
  cycle();
  EXPECT_EQ(Texts({text(36), text(35), text(24), text(23), text(34), text(33)}),
            Texts({"001", "100", "064", "099", "500", "000"}));
  EXPECT_EQ(colour(36), kGreen);
  EXPECT_EQ(colour(35), kAmber) << "above 100 percent";
  EXPECT_EQ(std::vector<double>({value(2), value(3), value(4), value(5)}), std::vector<double>({4, 3, 2, 1}));
  EXPECT_FALSE(hidden(26));
  EXPECT_EQ(value(26), 1392.0) << "needles take the value unconverted";
  EXPECT_FALSE(hidden(30));
  EXPECT_DOUBLE_EQ(value(30), 42.0);
  host().set_var(0x7B, 0.0);
  cycle();
  EXPECT_TRUE(hidden(30)) << "the lever needle needs autothrust";
}

TEST_F(EwdTest, FuelFlowSumsFuelUsedWhileRunningAndFuelOnBoardColours) {
  install();
  set({{0x270, 50.0}, {0x27E, 2000.0}, {0x291, 2000.0}, {0x25C, 100.0}});
  cycle();
  EXPECT_EQ(text(22), "0907");
  EXPECT_EQ(text(21), " XX ");
  EXPECT_NEAR(fuel_used_kg[0], 907.2 * 100.0 / 3600.0, 1e-9) << "from the stamp, 0 at load";
  EXPECT_EQ(fuel_used_kg[1], 0.0);
  host().set_var(0x25C, 136.0);
  cycle();
  EXPECT_NEAR(fuel_used_kg[0], 907.2 * 136.0 / 3600.0, 1e-9);

  struct Case {
    double kg;
    const char* text;
    uint32_t colour;
  };
  for (const Case& c : std::vector<Case>{{999.9, "   999", kRed},
                                         {1000.01, "  1000", kAmber},
                                         {2999.9, "  2999", kAmber},
                                         {3000.01, "  3000", kGreen}}) {
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
  struct Case {
    double lever1, lever2;
    const char *shown, *shared, *limit;
  };
  for (const Case& c : std::vector<Case>{{0.95, 0.0, "TOGA", "TOGA", "101%"},
                                         {0.2, 0.949, "FLX", "FLEX", "095%"},
                                         {0.85, 0.0, "FLX", "FLEX", "095%"},
                                         {0.05, 0.0, "CL", " CL ", "092%"},
                                         {0.8499, 0.0, "CL", " CL ", "092%"}}) {
    set({{0x22E, c.lever1}, {0x238, c.lever2}});
    cycle();
    cycle();  // the limit readout comes before the detent in the chain
    EXPECT_EQ(text(7) + "/" + thrust_detent_text + "/" + text(6),
              std::string(c.shown) + "/" + c.shared + "/" + c.limit);
    EXPECT_EQ(colour(7), kWhite);
    EXPECT_EQ(colour(6), kBlue);
  }
  // Autothrust: light blue "CL " and the last detent and limit kept.
  set({{0x22E, 0.96}, {0x7B, 1.0}});
  cycle();
  EXPECT_EQ(text(7), "CL ");
  EXPECT_EQ(colour(7), kLightBlue);
  EXPECT_STREQ(thrust_detent_text, " CL ");
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
  const int32_t weight = 123456, pushback = 0;
  world().fsuipc.poke(0x332A, &roll, 2);
  world().fsuipc.poke(0x3BFC, &weight, 4);
  set_pushback(pushback);
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
  EXPECT_EQ(throttle_axis_percent, 100) << "no FSUIPC: values kept";
  EXPECT_EQ(pushback_state, 0);
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
}

}  // namespace
}  // namespace corvane::test
