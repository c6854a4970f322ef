// The "Alpha-Floor" protections: bank angle's limits and roll commands,
// alpha floor's message, sound and thrust bursts, the stall event.
#include "gauges/ecam/alpha_floor.h"

#include <algorithm>
#include <tuple>

#include "host/services.h"
#include "module/variables.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane::test {
namespace {

using Ids = std::vector<uint32_t>;

class AlphaFloor : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    alpha_floor_active = bank_angle_active = roll_axis_input = 0;
    master_warning = 0;
    alpha_floor_time = 0.0;
    elac1_on = 1;
    gauge_ = gauge("Alpha-Floor");
    load_all_sounds();
    world().sound.clear_calls();
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
  static std::string first_line() { return ecam_message_used[0] != 0 ? ecam_messages[0] : ""; }
  size_t charges() { return world().sound.played().size(); }
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
    EXPECT_EQ(first_line(), c.exceeded ? "BANK ANGLE" : "") << c.bank;
    EXPECT_EQ(ecam_message_level[0], c.exceeded ? 3 : 0);
    roll_axis_input = -120;
    EXPECT_EQ(pass(), c.held) << c.bank << " with the stick moved";
  }
  EXPECT_EQ(charges(), 2U) << "one charge per posting";
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
  EXPECT_EQ(first_line(), "ALPHA FLOOR");
  EXPECT_EQ(ecam_message_level[0], 3);
  EXPECT_EQ(charges(), 1U);
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
  EXPECT_EQ(first_line(), "BANK ANGLE") << "kept until the protection runs again";
  elac1_on = 1;
  EXPECT_EQ(pass(99), (Ids{0x10096, 0x1003C})) << "any service code runs the logic";
  EXPECT_EQ(first_line(), "");
}

}  // namespace
}  // namespace corvane::test
