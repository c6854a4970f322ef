// "Landing Gear", "Gear Lever" and "Parking Brake" through the test host: the
// gear lights, the autobrake's selector stepping, memos and automatic disarms,
// and the two areas that send their own key events.
#include "gauges/controls/landing_gear.h"

#include <cstring>
#include <string>
#include <vector>

#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane::test {
namespace {

using testhost::KeyEvent;

constexpr uint32_t kUp = 0x102FA;
constexpr uint32_t kDown = 0x102FB;

// Pre-order indices of the lights under the background.
enum Light : size_t {
  kLeftDown = 1,
  kNoseDown,
  kRightDown,
  kLeftTransit,
  kNoseTransit,
  kRightTransit,
  kLoOn,
  kMedOn,
  kMaxOn,
  kLoDecel,
  kMedDecel,
  kMaxDecel
};

class LandingGear : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    autobrake_lo_armed = 0;
    autobrake_med_armed = 0;
    autobrake_max_armed = 0;
    autobrake_armed_airborne = 0;
    load_all_sounds();
    gear_ = gauge("Landing Gear");
    host().install(gear_);
    // The simulator's selector follows the step events.
    host().on_event = [](testhost::TestHost& h, const KeyEvent& e) {
      if (e.id == kUp) {
        h.set_var(0x2E7, h.var(0x2E7) + 1);
      } else if (e.id == kDown) {
        h.set_var(0x2E7, h.var(0x2E7) - 1);
      }
    };
    host().set_var(0x2E7, 1);
    host().set_var(0x3C, 1);
    world().sound.clear_calls();
  }

  void press_lo() { ASSERT_TRUE(host().click(gear_, 10, 60)); }
  void press_med() { ASSERT_TRUE(host().click(gear_, 30, 60)); }
  void press_max() { ASSERT_TRUE(host().click(gear_, 50, 60)); }
  double light(Light which) { return host().values(host().element(gear_, which)).value[0]; }
  // Lights in pre-order from first to last, '1' lit.
  std::string lights(Light first, Light last) {
    std::string out;
    for (size_t i = first; i <= last; ++i) {
      out += host().values(host().element(gear_, i)).value[0] != 0.0 ? '1' : '0';
    }
    return out;
  }
  std::string memo() { return ecam_memo_slots[2]; }
  int selector() { return static_cast<int>(host().var(0x2E7)); }
  std::vector<KeyEvent> repeated(uint32_t id, int n) { return std::vector<KeyEvent>(n, KeyEvent{id, 0}); }
  size_t button_sounds() {
    size_t n = 0;
    for (const std::string& path : world().sound.played()) {
      n += path == "Sound\\Button_Press.wav" ? 1 : 0;
    }
    return n;
  }

  GaugeHeader* gear_ = nullptr;
};

TEST_F(LandingGear, EachLegShowsDownOrInTransitFromItsOwnPosition) {
  // Left, nose, right down; then left, nose, right in transit.
  set_vars({{0x14D, 16383.0}, {0x14C, 0.0}, {0x14E, 8000.0}});
  host().evaluate(gear_);
  EXPECT_EQ(lights(kLeftDown, kRightTransit), "100001");
  // Just off either end is in transit; beyond full down is both.
  set_vars({{0x14D, 0.5}, {0x14C, 16382.9}, {0x14E, 16384.0}});
  host().evaluate(gear_);
  EXPECT_EQ(lights(kLeftDown, kRightTransit), "001111");
}

TEST_F(LandingGear, SelectorIsSteppedOneEventPerPosition) {
  struct Case {
    int from;
    int button_x;  // LO 10, MED 30, MAX 50
    std::vector<KeyEvent> expected;
    int to;
  };
  const Case cases[] = {
      {5, 10, repeated(kDown, 3), 2},  // arm LO from MAX
      {1, 30, repeated(kUp, 2), 3},    // arm MED from OFF
      {3, 30, {}, 3},                  // already there
      {0, 10, repeated(kUp, 2), 2},    // from RTO
      {4, 50, repeated(kDown, 4), 0},  // RTO on the ground
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from);
    autobrake_lo_armed = autobrake_med_armed = autobrake_max_armed = 0;
    host().set_var(0x2E7, c.from);
    host().clear_events();
    ASSERT_TRUE(host().click(gear_, c.button_x, 60));
    EXPECT_EQ(host().events(), c.expected);
    EXPECT_EQ(selector(), c.to);
  }

  // Disarming goes to OFF whatever the button: from RTO that is one step up.
  host().clear_events();
  press_max();
  EXPECT_EQ(host().events(), repeated(kUp, 1));
  EXPECT_EQ(autobrake_max_armed, 0);
}

TEST_F(LandingGear, ButtonsArmOneAtATimeWithLastingMemosAndDisarmWithAnExpiringOne) {
  host().set_var(0x25C, 100.0);
  ecam_memo_stamp[2] = 42.0;
  press_lo();
  EXPECT_EQ(memo(), "AUTOBK LOW");
  EXPECT_EQ(ecam_memo_stamp[2], 0.0);
  host().evaluate(gear_);
  EXPECT_EQ(light(kLoOn), 1.0);

  press_med();
  EXPECT_EQ(memo(), "AUTOBK MED");
  EXPECT_EQ((std::vector<int>{autobrake_lo_armed, autobrake_med_armed, autobrake_max_armed}),
            (std::vector<int>{0, 1, 0}));
  host().evaluate(gear_);
  EXPECT_EQ(lights(kLoOn, kMaxOn), "010");

  press_max();  // on the ground: RTO
  EXPECT_EQ(memo(), "AUTOBK RTO");
  EXPECT_EQ(selector(), 0);
  EXPECT_EQ((std::vector<int>{autobrake_lo_armed, autobrake_med_armed, autobrake_max_armed}),
            (std::vector<int>{0, 0, 1}));
  host().evaluate(gear_);
  EXPECT_EQ(lights(kLoOn, kMaxOn), "001");

  host().set_var(0x25C, 250.5);
  press_max();
  EXPECT_EQ(memo(), "AUTOBK OFF");
  EXPECT_EQ(ecam_memo_stamp[2], 250.5);
  EXPECT_EQ(selector(), 1);
  host().evaluate(gear_);
  EXPECT_EQ(light(kMaxOn), 0.0);

  // Re-arming LO and pressing it again disarms with a fresh stamp.
  press_lo();
  host().set_var(0x25C, 300.0);
  press_lo();
  EXPECT_EQ(memo(), "AUTOBK OFF");
  EXPECT_EQ(ecam_memo_stamp[2], 300.0);
  EXPECT_EQ(autobrake_lo_armed, 0);
  EXPECT_EQ(button_sounds(), 6U);
  // All of this on the ground: the airborne mark was never set.
  EXPECT_EQ(autobrake_armed_airborne, 0);
}

TEST_F(LandingGear, RtoDisarmsAfterLiftOffAndAStrayRtoInTheAirArmsMax) {
  host().set_var(0x340, 0.0);
  press_max();
  ASSERT_EQ(memo(), "AUTOBK RTO");
  host().evaluate(gear_);  // on the ground nothing changes
  EXPECT_EQ(autobrake_max_armed, 1);

  set_vars({{0x3C, 0.0}, {0x340, 150.0}, {0x25C, 500.0}});
  host().clear_events();
  world().sound.clear_calls();
  host().evaluate(gear_);
  EXPECT_EQ(host().events(), repeated(kUp, 1));
  EXPECT_EQ(memo(), "AUTOBK OFF");
  EXPECT_EQ(ecam_memo_stamp[2], 500.0);
  EXPECT_EQ(light(kMaxOn), 0.0);
  EXPECT_EQ(button_sounds(), 1U);
  EXPECT_EQ(autobrake_armed_airborne, 0);
  host().clear_events();
  host().evaluate(gear_);
  EXPECT_TRUE(host().events().empty());

  // The selector put back to RTO in the air by other means: MAX arms instead.
  host().set_var(0x2E7, 0);
  host().evaluate(gear_);
  EXPECT_EQ(host().events(), repeated(kUp, 5));
  EXPECT_EQ(memo(), "AUTOBK MAX");
  EXPECT_EQ(ecam_memo_stamp[2], 0.0);
  EXPECT_EQ(light(kMaxOn), 1.0);
  EXPECT_EQ(autobrake_armed_airborne, 1);
}

TEST_F(LandingGear, LandingRollDisarmsThroughTheArmedButtonsDecelLight) {
  host().set_var(0x3C, 0.0);
  press_med();
  ASSERT_EQ(autobrake_armed_airborne, 1);
  ASSERT_EQ(selector(), 3);

  // Touchdown with the brakes working: only MED's DECEL light.
  set_vars({{0x3C, 1.0}, {0x340, 60.0}, {0x140, 5000.0}});
  host().clear_events();
  host().evaluate(gear_);
  EXPECT_EQ(lights(kLoDecel, kMaxDecel), "010");
  EXPECT_TRUE(host().events().empty());

  host().set_var(0x140, 4000.0);
  host().evaluate(gear_);
  EXPECT_EQ(light(kMedDecel), 0.0) << "brake at the threshold";
  set_vars({{0x140, 4000.5}, {0x340, 5.0}});
  host().evaluate(gear_);
  EXPECT_EQ(light(kMedDecel), 1.0);
  EXPECT_EQ(autobrake_med_armed, 1) << "5.0 is not below 5.0";

  // Below 5: disarmed, yet this evaluation still lights from the speed it read.
  set_vars({{0x340, 4.0}, {0x25C, 900.0}});
  world().sound.clear_calls();
  host().evaluate(gear_);
  EXPECT_EQ(host().events(), repeated(kDown, 2));
  EXPECT_EQ(memo(), "AUTOBK OFF");
  EXPECT_EQ(ecam_memo_stamp[2], 900.0);
  EXPECT_EQ(button_sounds(), 1U);
  EXPECT_EQ(light(kMedDecel), 1.0);
  EXPECT_EQ(autobrake_armed_airborne, 0);
  host().evaluate(gear_);
  EXPECT_EQ(light(kMedDecel), 0.0);
  EXPECT_EQ(host().events().size(), 2U);

  // An armed button at a crawl shows no DECEL.
  host().set_var(0x3C, 0.0);
  press_lo();
  set_vars({{0x3C, 1.0}, {0x340, 1.0}});
  host().evaluate(gear_);
  EXPECT_EQ(light(kLoDecel), 0.0);
  EXPECT_EQ(autobrake_lo_armed, 0) << "and below 5 it disarms";
}

TEST_F(LandingGear, ArmingOnTheGroundKeepsTheAirborneMark) {
  host().set_var(0x340, 2.0);
  press_lo();
  host().evaluate(gear_);
  EXPECT_EQ(autobrake_lo_armed, 1) << "armed on the ground: no roll-out disarm";
  EXPECT_EQ(autobrake_armed_airborne, 0);

  // Armed in the air, then re-armed on the ground: the mark stays and the roll-out
  // disarm follows.
  press_lo();
  host().set_var(0x3C, 0.0);
  press_med();
  host().set_var(0x3C, 1.0);
  press_lo();
  EXPECT_EQ(autobrake_armed_airborne, 1);
  host().evaluate(gear_);
  EXPECT_EQ(autobrake_lo_armed, 0);
  EXPECT_EQ(memo(), "AUTOBK OFF");
}

class Levers : public ModuleTest {};

TEST_F(Levers, GearLeverAndParkingBrakeSendTheirOwnEventsAndFollowTheSimulator) {
  GaugeHeader* lever = gauge("Gear Lever");
  GaugeHeader* brake = gauge("Parking Brake");
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{54, 94}, std::pair{27, 50}}) {
    EXPECT_TRUE(host().click(lever, x, y));
  }
  EXPECT_FALSE(host().click(lever, 55, 50));
  EXPECT_TRUE(host().click(brake, 0, 10));
  EXPECT_TRUE(host().click(brake, 48, 45));
  EXPECT_FALSE(host().click(brake, 20, 9));
  EXPECT_FALSE(host().click(brake, 50, 20));
  EXPECT_EQ(host().events(),
            (std::vector<KeyEvent>{{0x10022, 0}, {0x10022, 0}, {0x10022, 0}, {0x100D8, 0}, {0x100D8, 0}}));

  Element* lever_picture = host().element(lever, 1);
  for (const auto& [position, picture] :
       {std::pair{0.0, 0.0}, std::pair{1.0, 1.0}, std::pair{16383.0, 1.0}, std::pair{-0.5, 1.0}}) {
    host().set_var(0x14B, position);
    host().evaluate(lever);
    EXPECT_EQ(host().values(lever_picture).value[0], picture) << position;
  }
}

}  // namespace
}  // namespace corvane::test
