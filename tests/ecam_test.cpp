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
#include "host/services.h"
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

TEST_F(Warnings, MasterWarnFlashesAndHoldsWhenAcknowledgedMasterCautChimesOnceAndTheStallThreshold) {
  EXPECT_EQ(refresh(3), "www");
  master_warning = 1;
  // Sound at refreshes 1, 19 and 37; the count wraps on the lit 18th.
  EXPECT_EQ(refresh(40), "*WWWWWWWwwwwwwwwwW*WWWWWWWwwwwwwwwwW*WWW");
  master_warning = 0;
  EXPECT_EQ(refresh(1), "w");
  master_warning = 1;
  EXPECT_EQ(refresh(1), "*") << "a new warning starts with the sound";
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
  world().sound.clear_calls();
  std::string shown;
  for (int caution : {1, 1, 1, 0, 1}) {
    master_caution = caution;
    host().evaluate(warnings_);
    shown += lit(warnings_, {2});
  }
  EXPECT_EQ(shown, "11101");
  EXPECT_EQ(played(), Texts(2, kChime));
  const std::pair<const char*, double> texts[] = {
      {"18000.5", 18000.5}, {" 12000 kg", 12000.0}, {"0.1", static_cast<double>(0.1F)},
      {"abc", 25000.0},     {"nan", 25000.0},       {"-inf", 25000.0},
      {"1e39", 25000.0},    {nullptr, 25000.0}};
  for (const auto& [text, threshold] : texts) {
    stall_threshold = 1.0;
    warnings_->parameters = nullptr;
    host().install(warnings_, text);
    EXPECT_EQ(stall_threshold, threshold) << (text != nullptr ? text : "none");
  }
  stall_threshold = 7.0;
  host().update(warnings_);
  EXPECT_EQ(stall_threshold, 7.0);
}

class AlphaFloor : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    gauge_ = gauge("Alpha-Floor");
    load_sounds();
    host().set_var(0x3D, 200.0);
  }
  // One call of the gauge: the events it sent, in hex.
  std::string pass(uint32_t service = kServiceUpdate) {
    host().clear_events();
    host().call(gauge_, service);
    return hex(host().events());
  }
  // The first message line and its level.
  static std::string first_line() {
    return ecam_message_used[0] != 0 ? ecam_messages[0] + std::to_string(ecam_message_level[0]) : "";
  }
  // One call's events, then the first message line.
  std::string pass_line(uint32_t service = kServiceUpdate) {
    const std::string ids = pass(service);
    return ids + "|" + first_line();
  }
  GaugeHeader* gauge_ = nullptr;
};

TEST_F(AlphaFloor, BankAngleLimitsAndRollCommands) {
  // Bank; the roll commands with the stick neutral, the message, the roll commands with the stick moved.
  const std::pair<double, const char*> banks[] = {{33.0, "10096||"},
                                                  {33.1, "10097|BANK ANGLE3|"},
                                                  {67.0, "10097|BANK ANGLE3|"},
                                                  {70.0, "10097 10096|BANK ANGLE3|10096"},
                                                  {180.0, "10096||"},
                                                  {250.0, "10095 10096|BANK ANGLE3|10096"},
                                                  {293.0, "10095|BANK ANGLE3|"},
                                                  {326.9, "10095|BANK ANGLE3|"},
                                                  {327.0, "10096||"}};
  for (const auto& [bank, shown] : banks) {
    host().set_var(0x4F, bank);
    roll_axis_input = 0;
    const std::string neutral = pass_line();
    roll_axis_input = -120;
    EXPECT_EQ(neutral + "|" + pass(), shown) << bank;
  }
  EXPECT_EQ(played(), Texts(2, kCavalry)) << "one charge per posting";
  EXPECT_EQ(master_warning, 0);
}

TEST_F(AlphaFloor, TriggersOnlyAirborneBelow125KnotsWithFullFlapsAndBurstsOncePerSecond) {
  roll_axis_input = 1;
  for (const auto& [speed, flaps, ground] :
       {std::tuple{124.0, 16383.9, 0.0}, {124.0, 16384.0, 1.0}, {125.0, 16384.0, 0.0}}) {
    set_vars({{0x3D, speed}, {0x149, flaps}, {0x3C, ground}});
    EXPECT_EQ(pass(), "") << speed << " " << flaps << " " << ground;
  }
  host().set_var(0x3D, 124.9);
  EXPECT_EQ(pass_line(), "1003C 10047 10047 10047 10047|ALPHA FLOOR3");
  EXPECT_EQ(played(), Texts{kCavalry});
  host().set_var(0x3D, 130.0);
  EXPECT_EQ(pass_line(), "|");
  roll_axis_input = 1;
  set_vars({{0x3D, 100.0}, {0x149, 16384.0}});
  std::string bursts;
  for (int step = 0; step <= 25; ++step) {
    host().set_var(0x25C, 50.0 + 0.1 * step);
    read_sim(SV_25C);  // another gauge refreshes the clock; the timer only looks
    const std::string ids = pass();
    EXPECT_EQ(ids.substr(0, 5), "1003C") << "in every pass";
    bursts += ids.size() > 5 ? 'T' : '.';
    EXPECT_TRUE(ids.size() == 5 || ids == "1003C 10047 10047 10047 10047") << ids;
  }
  EXPECT_EQ(bursts, "T.........T.........T.....") << "thrust bursts once per second";
}

TEST_F(AlphaFloor, StallEventAndElacOffFreezesEverything) {
  host().set_var(0x43, 1.0);
  EXPECT_EQ(pass(), "10096 1003C");
  host().set_var(0x4F, 50.0);
  pass();
  elac1_on = 0;
  host().set_var(0x4F, 0.0);
  for (uint32_t service : {kServiceInstall, kServiceDraw, kServiceKill}) {
    EXPECT_EQ(pass(service), "") << service;
  }
  EXPECT_EQ(first_line(), "BANK ANGLE3") << "kept until the protection runs again";
  elac1_on = 1;
  EXPECT_EQ(pass_line(99), "10096 1003C|") << "any service code runs the logic";
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

TEST_F(ModuleTest, EcamMessagesStaySortedAndBoundedAndMemoSlotsHoldTenCharacters) {
  const std::pair<const char*, int> posts[] = {{"SEAT BELTS", 0},    {"CONFIG", 2},     {"HIGH AIRSPEED", 1},
                                               {"ENGINE 1 FIRE", 3}, {"NO SMOKING", 0}, {"ELEC FAILURE", 2},
                                               {"CONFIG", 3}};
  for (const auto& [text, level] : posts) {
    ecam_post_message(text, level, 1);  // the same text twice: ignored whatever its level
  }
  EXPECT_EQ(lines(), (Texts{"ENGINE 1 FIRE/3", "CONFIG/2", "ELEC FAILURE/2", "HIGH AIRSPEED/1", "SEAT BELTS/0",
                            "NO SMOKING/0"}));
  ecam_post_message("CONFIG", 0, 0);
  ecam_post_message("NOT THERE", 0, 0);
  EXPECT_EQ(lines(), (Texts{"ENGINE 1 FIRE/3", "ELEC FAILURE/2", "HIGH AIRSPEED/1", "SEAT BELTS/0", "NO SMOKING/0"}));
  EXPECT_STREQ(ecam_messages[5], "");
  reset_module_state();  // an empty list
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
