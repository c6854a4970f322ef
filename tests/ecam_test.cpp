// The ECAM group's lights and protections: MASTER WARN's flash cycle and
// cavalry charge, its acknowledgement and lapse, MASTER CAUT's one chime, the
// stall threshold; bank angle's limits and roll commands, alpha floor's
// message, sound and thrust bursts, the stall event; the ECAM message list's
// ordering, capacity and removal, and the memo slots.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "gauges/ecam/alpha_floor.h"
#include "gauges/ecam/ecam_messages.h"
#include "gauges/ecam/warnings.h"
#include "module/variables.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

class Warnings : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    warnings_ = gauge("Warnings");
    warnings_->parameters = nullptr;
    load_sounds();
  }
  // Refreshes the lights: 'W' lit, 'w' dark, '*' lit as the cavalry charge starts.
  std::string refresh(int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
      const size_t before = played(kCavalry);
      host().evaluate(warnings_);
      const bool lit = value(warnings_, 1) == 1.0;
      out += played(kCavalry) > before ? (lit ? '*' : '!') : (lit ? 'W' : 'w');
    }
    return out;
  }
  GaugeHeader* warnings_ = nullptr;
};

TEST_F(Warnings, WarningFlashesAndRestartsTheChargeEvery18Refreshes) {
  EXPECT_EQ(refresh(3), "www");
  master_warning = 1;
  // Sound at refreshes 1, 19 and 37; the count wraps on the lit 18th.
  EXPECT_EQ(refresh(40), "*WWWWWWWwwwwwwwwwW*WWWWWWWwwwwwwwwwW*WWW");
  master_warning = 0;
  EXPECT_EQ(refresh(1), "w");
  master_warning = 1;
  EXPECT_EQ(refresh(1), "*") << "a new warning starts with the sound";
}

TEST_F(Warnings, AcknowledgementHoldsTheLightSteadyFor361Refreshes) {
  master_warning = 1;
  refresh(1);
  master_warning_ack = 1;
  EXPECT_EQ(refresh(361), std::string(361, 'W'));
  EXPECT_EQ(master_warning_ack, 0) << "lapsed";
  EXPECT_EQ(refresh(2), "*W");
  master_warning_ack = 1;
  refresh(1);
  master_warning = 0;
  refresh(1);
  EXPECT_EQ(master_warning_ack, 0) << "a cleared warning clears its acknowledgement";
}

TEST_F(Warnings, CautionChimesOncePerCaution) {
  std::string shown;
  for (int caution : {1, 1, 1, 0, 1}) {
    master_caution = caution;
    host().evaluate(warnings_);
    shown += lit(warnings_, {2});
  }
  EXPECT_EQ(shown, "11101");
  EXPECT_EQ(played(), Texts(2, kChime));
}

TEST_F(Warnings, StallThresholdIsReadAtInstall) {
  for (const auto& [text, threshold] : std::vector<std::pair<const char*, double>>{{"18000.5", 18000.5},
                                                                                   {" 12000 kg", 12000.0},
                                                                                   {"0.1", static_cast<double>(0.1F)},
                                                                                   {"abc", 25000.0},
                                                                                   {"nan", 25000.0},
                                                                                   {"-inf", 25000.0},
                                                                                   {"1e39", 25000.0},
                                                                                   {nullptr, 25000.0}}) {
    stall_threshold = 1.0;
    warnings_->parameters = nullptr;
    host().install(warnings_, text);
    EXPECT_EQ(stall_threshold, threshold) << (text != nullptr ? text : "none");
  }
  stall_threshold = 7.0;
  host().update(warnings_);
  EXPECT_EQ(stall_threshold, 7.0);
}

using Ids = std::vector<uint32_t>;

class AlphaFloor : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    gauge_ = gauge("Alpha-Floor");
    load_sounds();
    host().set_var(0x3D, 200.0);
  }
  Ids pass(uint32_t service = kServiceUpdate) {
    host().clear_events();
    host().call(gauge_, service);
    Ids ids;
    for (const testhost::KeyEvent& e : host().events()) {
      ids.push_back(e.id + e.value);
    }
    return ids;
  }
  // The first message line and its level.
  static std::string first_line() {
    return ecam_message_used[0] != 0 ? ecam_messages[0] + std::to_string(ecam_message_level[0]) : "";
  }
  GaugeHeader* gauge_ = nullptr;
};

TEST_F(AlphaFloor, BankAngleLimitsAndRollCommands) {
  struct Case {
    double bank;
    bool exceeded;
    Ids neutral, held;
  };
  for (const Case& c : std::vector<Case>{{33.0, false, {0x10096}, {}},
                                         {33.1, true, {0x10097}, {}},
                                         {67.0, true, {0x10097}, {}},
                                         {70.0, true, {0x10097, 0x10096}, {0x10096}},
                                         {180.0, false, {0x10096}, {}},
                                         {250.0, true, {0x10095, 0x10096}, {0x10096}},
                                         {293.0, true, {0x10095}, {}},
                                         {326.9, true, {0x10095}, {}},
                                         {327.0, false, {0x10096}, {}}}) {
    host().set_var(0x4F, c.bank);
    roll_axis_input = 0;
    EXPECT_EQ(pass(), c.neutral) << c.bank;
    EXPECT_EQ(first_line(), c.exceeded ? "BANK ANGLE3" : "") << c.bank;
    roll_axis_input = -120;
    EXPECT_EQ(pass(), c.held) << c.bank << " with the stick moved";
  }
  EXPECT_EQ(played(), Texts(2, kCavalry)) << "one charge per posting";
  EXPECT_EQ(master_warning, 0);
}

TEST_F(AlphaFloor, TriggersOnlyAirborneBelow125KnotsWithFullFlaps) {
  roll_axis_input = 1;
  for (const auto& [speed, flaps, ground] : std::vector<std::tuple<double, double, double>>{
           {124.0, 16383.9, 0.0}, {124.0, 16384.0, 1.0}, {125.0, 16384.0, 0.0}}) {
    set_vars({{0x3D, speed}, {0x149, flaps}, {0x3C, ground}});
    EXPECT_EQ(pass(), Ids{}) << speed << " " << flaps << " " << ground;
  }
  host().set_var(0x3D, 124.9);
  EXPECT_EQ(pass(), (Ids{0x1003C, 0x10047, 0x10047, 0x10047, 0x10047}));
  EXPECT_EQ(first_line(), "ALPHA FLOOR3");
  EXPECT_EQ(played(), Texts{kCavalry});
  host().set_var(0x3D, 130.0);
  pass();
  EXPECT_EQ(first_line(), "");
}

TEST_F(AlphaFloor, BurstsOncePerSecondOfTheClockOthersRead) {
  roll_axis_input = 1;
  set_vars({{0x3D, 100.0}, {0x149, 16384.0}});
  std::vector<double> bursts;
  int alpha_events = 0;
  for (int step = 0; step <= 25; ++step) {
    const double now = 50.0 + 0.1 * step;
    host().set_var(0x25C, now);
    read_sim(SV_25C);  // another gauge refreshes the clock; the timer only looks
    const Ids ids = pass();
    alpha_events += static_cast<int>(std::count(ids.begin(), ids.end(), 0x1003C));
    const auto thrust = std::count(ids.begin(), ids.end(), 0x10047);
    if (thrust != 0) {
      EXPECT_EQ(thrust, 4);
      bursts.push_back(now);
    }
  }
  ASSERT_EQ(bursts.size(), 3U);
  EXPECT_NEAR(bursts[1] - bursts[0], 1.0, 0.11);
  EXPECT_NEAR(bursts[2] - bursts[0], 2.0, 0.21);
  EXPECT_EQ(alpha_events, 26) << "0x1003C in every pass";
}

TEST_F(AlphaFloor, StallEventAndElacOffFreezesEverything) {
  host().set_var(0x43, 1.0);
  EXPECT_EQ(pass(), (Ids{0x10096, 0x1003C}));
  host().set_var(0x4F, 50.0);
  pass();
  elac1_on = 0;
  host().set_var(0x4F, 0.0);
  for (uint32_t service : {kServiceInstall, kServiceDraw, kServiceKill}) {
    EXPECT_TRUE(pass(service).empty()) << service;
  }
  EXPECT_EQ(first_line(), "BANK ANGLE3") << "kept until the protection runs again";
  elac1_on = 1;
  EXPECT_EQ(pass(99), (Ids{0x10096, 0x1003C})) << "any service code runs the logic";
  EXPECT_EQ(first_line(), "");
}

Texts lines() {
  Texts out;
  for (int i = 0; i < kMessageLines; ++i) {
    if (ecam_message_used[i] != 0) {
      out.push_back(std::string(ecam_messages[i]) + "/" + std::to_string(ecam_message_level[i]));
    }
  }
  return out;
}

TEST_F(ModuleTest, EcamMessagesStaySortedByLevelWithEarlierPostsAboveTheirEquals) {
  for (const auto& [text, level] : {std::pair{"SEAT BELTS", 0},
                                    {"CONFIG", 2},
                                    {"HIGH AIRSPEED", 1},
                                    {"ENGINE 1 FIRE", 3},
                                    {"NO SMOKING", 0},
                                    {"ELEC FAILURE", 2},
                                    {"CONFIG", 3}}) {
    ecam_post_message(text, level, 1);  // the same text twice: ignored whatever its level
  }
  EXPECT_EQ(lines(), (Texts{"ENGINE 1 FIRE/3", "CONFIG/2", "ELEC FAILURE/2", "HIGH AIRSPEED/1", "SEAT BELTS/0",
                            "NO SMOKING/0"}));
  ecam_post_message("CONFIG", 0, 0);
  ecam_post_message("NOT THERE", 0, 0);
  EXPECT_EQ(lines(), (Texts{"ENGINE 1 FIRE/3", "ELEC FAILURE/2", "HIGH AIRSPEED/1", "SEAT BELTS/0", "NO SMOKING/0"}));
  EXPECT_STREQ(ecam_messages[5], "");
}

TEST_F(ModuleTest, EcamMessagesFullListDropsTheLowestOrTheNewcomer) {
  for (int i = 0; i < 10; ++i) {
    ecam_post_message(("MEMO " + std::to_string(i)).c_str(), 0, 1);
  }
  ecam_post_message("LATE MEMO", 0, 1);
  EXPECT_EQ(str(lines().size(), lines().back()), str(10U, "MEMO 9/0"));
  ecam_post_message("WARNING", 3, 1);
  EXPECT_EQ(lines().front() + " " + lines().back(), "WARNING/3 MEMO 8/0") << "line 9 is lost";
  // A text longer than a line is cut, and still found again for removal.
  ecam_post_message("A VERY LONG MESSAGE TEXT", 3, 1);
  EXPECT_EQ(lines()[1], "A VERY LONG MESSA/3");
  ecam_post_message("A VERY LONG MESSAGE TEXT", 3, 0);
  EXPECT_EQ(lines()[1], "MEMO 0/0");
}

TEST_F(ModuleTest, EcamMemoSlotsHoldTenCharacters) {
  ecam_set_memo("A/P OFF", 0);
  ecam_set_memo("SPEED BRK AND MORE", 3);
  ecam_set_memo("IGNORED", 5);
  ecam_set_memo("IGNORED", -1);
  EXPECT_EQ(std::string(ecam_memo_slots[0]) + "|" + ecam_memo_slots[3] + "|" + ecam_memo_slots[4],
            "A/P OFF|SPEED BRK |");
  ecam_set_memo("", 0);
  EXPECT_STREQ(ecam_memo_slots[0], "");
}

}  // namespace
}  // namespace corvane::test
