// The controls group through the test host, with a simulator stand-in that
// follows the autobrake selector's steps, the spoiler handle and arming, and
// the rudder trim: gear lights and the autobrake's selector, memos and
// automatic disarms; the lever gauges; the spoiler and flap levers with their
// end stops and the automatic ground spoiler extension; the engine start
// sequence; the rudder trim window, switch and RESET.
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "gauges/controls/engine_starters.h"
#include "gauges/controls/landing_gear.h"
#include "gauges/controls/rudder_trim.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

constexpr uint32_t kUp = 0x102FA, kDown = 0x102FB, kSetHandle = 0x100FA, kArm = 0x10212, kDisarm = 0x10213,
                   kExtend = 0x10210, kTrimLeft = 0x102E6, kTrimRight = 0x102E7;

class Controls : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    load_sounds();
    host().on_event = [](testhost::TestHost& h, const testhost::KeyEvent& e) {
      if (e.id == kUp || e.id == kDown) {
        h.set_var(0x2E7, h.var(0x2E7) + (e.id == kUp ? 1 : -1));
      } else if (e.id == kSetHandle) {
        h.set_var(0x145, static_cast<int32_t>(e.value));
      } else if (e.id == kArm || e.id == kDisarm) {
        h.set_var(0x144, e.id == kArm ? 1.0 : 0.0);
      } else if (e.id == kTrimLeft || e.id == kTrimRight) {
        h.set_var(0x313, h.var(0x313) + (e.id == kTrimLeft ? -0.002 : 0.002));  // a little over a tenth of a degree
      }
    };
  }
  GaugeHeader* open(const char* name) {
    g_ = gauge(name);
    host().install(g_);
    return g_;
  }
  Events click(int x, int y) { return clicked(g_, x, y); }
  Events evaluate() {
    host().clear_events();
    host().evaluate(g_);
    return host().events();
  }
  // The events of n updates.
  Events updates(int n) {
    host().clear_events();
    for (int i = 0; i < n; ++i) {
      host().update(g_);
    }
    return host().events();
  }
  // The first value of each element from first to last after an evaluation, '1' when not zero.
  std::string lights(size_t first, size_t last) {
    host().evaluate(g_);
    std::string out;
    for (size_t i = first; i <= last; ++i) {
      out += lit(g_, {i});
    }
    return out;
  }
  static Events steps(uint32_t id, size_t n) { return Events(n, testhost::KeyEvent{id, 0}); }

  GaugeHeader* g_ = nullptr;
};

// Landing Gear: lights in pre-order, then the autobrake buttons' x (y is 60).
constexpr size_t kLeftDown = 1, kRightTransit = 6, kLoOn = 7, kMaxOn = 9, kLoDecel = 10, kMaxDecel = 12;
constexpr int kLo = 10, kMed = 30, kMax = 50;

class LandingGear : public Controls {
 protected:
  void SetUp() override {
    Controls::SetUp();
    open("Landing Gear");
    set_vars({{0x2E7, 1}, {0x3C, 1}});
  }
  std::string armed() {
    return std::to_string(autobrake_lo_armed) + std::to_string(autobrake_med_armed) +
           std::to_string(autobrake_max_armed) + std::to_string(autobrake_armed_airborne);
  }
  // The autobrake memo and its stamp, the armed flags.
  std::string memo() { return str(ecam_memo_slots[2], ecam_memo_stamp[2], armed()); }
};

TEST_F(LandingGear, EachLegShowsDownOrInTransitAndTheSelectorIsSteppedOneEventPerPosition) {
  // Left, nose, right down; then left, nose, right in transit.
  set_vars({{0x14D, 16383.0}, {0x14C, 0.0}, {0x14E, 8000.0}});
  EXPECT_EQ(lights(kLeftDown, kRightTransit), "100001");
  // Just off either end is in transit; beyond full down is both.
  set_vars({{0x14D, 0.5}, {0x14C, 16382.9}, {0x14E, 16384.0}});
  EXPECT_EQ(lights(kLeftDown, kRightTransit), "001111");
  // Arm LO from MAX, MED from OFF, MED already there, LO from RTO, RTO on the ground.
  const std::tuple<int, int, Events, int> cases[] = {{5, kLo, steps(kDown, 3), 2},
                                                     {1, kMed, steps(kUp, 2), 3},
                                                     {3, kMed, {}, 3},
                                                     {0, kLo, steps(kUp, 2), 2},
                                                     {4, kMax, steps(kDown, 4), 0}};
  for (const auto& [from, button, sent, to] : cases) {
    autobrake_lo_armed = autobrake_med_armed = autobrake_max_armed = 0;
    host().set_var(0x2E7, from);
    EXPECT_EQ(click(button, 60), sent) << from;
    EXPECT_EQ(host().var(0x2E7), to);
  }
  EXPECT_EQ(click(kMax, 60), steps(kUp, 1)) << "disarming goes to OFF whatever the button";
}

TEST_F(LandingGear, ButtonsArmOneAtATimeWithTheirMemosAndRtoDisarmsAfterLiftOff) {
  ecam_memo_stamp[2] = 42.0;
  // Button, clock, memo, its stamp, armed flags, LO/MED/MAX lights.
  const std::tuple<int, double, const char*, double, const char*, const char*> presses[] = {
      {kLo, 100, "AUTOBK LOW", 0, "1000", "100"},        {kMed, 100, "AUTOBK MED", 0, "0100", "010"},
      {kMax, 100, "AUTOBK RTO", 0, "0010", "001"},  // on the ground: RTO
      {kMax, 250.5, "AUTOBK OFF", 250.5, "0000", "000"}, {kLo, 250.5, "AUTOBK LOW", 0, "1000", "100"},
      {kLo, 300, "AUTOBK OFF", 300, "0000", "000"},
  };
  for (const auto& [button, clock, memo_text, stamp, flags, shown] : presses) {
    host().set_var(0x25C, clock);
    click(button, 60);
    EXPECT_EQ(memo(), str(memo_text, stamp, flags));
    EXPECT_EQ(lights(kLoOn, kMaxOn), shown) << memo_text;
  }
  EXPECT_EQ(played(kButton), 6U);
  host().set_var(0x340, 0.0);
  click(kMax, 60);
  ASSERT_EQ(memo(), "AUTOBK RTO 0 0010");
  EXPECT_EQ(evaluate(), Events{}) << "on the ground nothing changes";
  set_vars({{0x3C, 0.0}, {0x340, 150.0}, {0x25C, 500.0}});
  world().sound.clear_calls();
  EXPECT_EQ(evaluate(), steps(kUp, 1));
  EXPECT_EQ(memo() + " " + lights(kMaxOn, kMaxOn), "AUTOBK OFF 500 0000 0");
  EXPECT_EQ(played(), Texts{kButton});
  EXPECT_EQ(evaluate(), Events{});
  host().set_var(0x2E7, 0);  // put back to RTO in the air by other means: MAX arms instead
  EXPECT_EQ(evaluate(), steps(kUp, 5));
  EXPECT_EQ(memo() + " " + lights(kMaxOn, kMaxOn), "AUTOBK MAX 0 0011 1");
}

TEST_F(LandingGear, LandingRollDisarmsThroughTheArmedButtonsDecelLight) {
  host().set_var(0x3C, 0.0);
  click(kMed, 60);
  host().set_var(0x3C, 1.0);
  // Touchdown with the brakes working: only MED's DECEL light, above the brake threshold; 5.0 kt is not below 5.
  for (const auto& [brake, speed, decel] :
       {std::tuple{5000.0, 60.0, "010"}, {4000.0, 60.0, "000"}, {4000.5, 5.0, "010"}}) {
    set_vars({{0x140, brake}, {0x340, speed}});
    EXPECT_EQ(evaluate(), Events{});
    EXPECT_EQ(lights(kLoDecel, kMaxDecel), decel) << brake << " " << speed;
  }
  // Below 5: disarmed, yet this evaluation still lights from the speed it read.
  set_vars({{0x340, 4.0}, {0x25C, 900.0}});
  world().sound.clear_calls();
  EXPECT_EQ(evaluate(), steps(kDown, 2));
  EXPECT_EQ(memo() + lit(g_, {kLoDecel + 1}), "AUTOBK OFF 900 00001");
  EXPECT_EQ(played(), Texts{kButton});
  EXPECT_EQ(evaluate(), Events{});
  EXPECT_EQ(lit(g_, {kLoDecel + 1}), "0");
  // Armed on the ground: no roll-out disarm; armed in the air, then re-armed
  // on the ground: the mark stays and the roll-out disarm follows.
  host().set_var(0x340, 1.0);
  click(kLo, 60);
  evaluate();
  EXPECT_EQ(armed(), "1000");
  click(kLo, 60);
  host().set_var(0x3C, 0.0);
  click(kMed, 60);
  host().set_var(0x3C, 1.0);
  click(kLo, 60);
  EXPECT_EQ(armed(), "1001");
  EXPECT_EQ(lights(kLoDecel, kLoDecel), "0") << "an armed button at a crawl shows no DECEL";
  EXPECT_EQ(memo(), "AUTOBK OFF 900 0000");
}

TEST_F(Controls, GearLeverAndParkingBrakeSendTheirOwnEventsAndFollowTheSimulator) {
  GaugeHeader* lever = gauge("Gear Lever");
  EXPECT_EQ(clicks(lever, {{27, 50}}) + "|" + clicks(gauge("Parking Brake"), {{48, 45}}), "10022|100D8");
  std::string pictures;
  for (double position : {0.0, 1.0, 16383.0, -0.5}) {
    host().set_var(0x14B, position);
    host().evaluate(lever);
    pictures += str(value(lever, 1));
  }
  EXPECT_EQ(pictures, "0111");
}

// Spoilers and Flaps: a click above the middle (y 20) or below it (y 80) at x 40.
constexpr int kAbove = 20, kBelow = 80;

TEST_F(Controls, SpoilerLeverStepsThroughItsDetentsAndArmedGroundSpoilersExtendAtTouchdown) {
  open("Spoilers");
  // Handles 8283, 10983, 13683, 16383 down, silent against the stop, back up, then ARM.
  std::string moves;
  for (int y : {kBelow, kBelow, kBelow, kBelow, kBelow, kAbove, kAbove, kAbove, kAbove, kAbove}) {
    moves += clicks(g_, {{40, y}}) + "|";
  }
  EXPECT_EQ(moves, "100FA:205B|100FA:2AE7|100FA:3573|100FA:3FFF||100FA:3573|100FA:2AE7|100FA:205B|100FA|10212|");
  // ARM shows 10 pixels above retracted, whatever the handle says; full is 42 pixels down.
  const double scale = as_slider(el(g_, 1))->y_scale;
  EXPECT_NEAR(16383.0 * scale, 42.0, 0.05);
  for (double handle : {0.0, 5000.0}) {
    host().set_var(0x145, handle);
    host().evaluate(g_);
    EXPECT_NEAR(value(g_, 1, 1) * scale, -10.0, 1e-9);
  }
  EXPECT_EQ(clicks(g_, {{40, kBelow}}), "10213") << "armed: below disarms and nothing else";
  host().evaluate(g_);
  EXPECT_EQ(value(g_, 1, 1), 5000.0);
  host().set_var(0x144, 1.0);
  EXPECT_EQ(clicks(g_, {{40, kAbove}}), "10212") << "above arms again";
  EXPECT_EQ(played(kFlapSound), 11U);
  // Handles off the detents step by the same amount, unclamped; at or below retracted a
  // click above arms; beyond full the lever stays silent.
  const std::tuple<double, int, const char*> off_detents[] = {
      {1000.0, kBelow, "100FA:E74"},  {1000.0, kAbove, "100FA:FFFFF95C"}, {15000.0, kBelow, "100FA:4524"},
      {8283.5, kAbove, "100FA:15CF"}, {8282.9, kAbove, "100FA:15CE"},     {16382.9, kBelow, "100FA:4A8A"},
      {-300.0, kBelow, "100FA:960"},  {0.5, kAbove, "100FA:FFFFF575"},    {-300.0, kAbove, "10212"},
      {20000.0, kBelow, ""}};
  for (const auto& [from, y, sent] : off_detents) {
    set_vars({{0x144, 0.0}, {0x145, from}});
    world().sound.clear_calls();
    EXPECT_EQ(clicks(g_, {{40, y}}), sent) << from;
    EXPECT_EQ(played(kFlapSound), std::string(sent).empty() ? 0U : 1U) << from;
  }
  open("Spoilers");
  set_vars({{0x3C, 1.0}, {0x144, 1.0}, {0x340, 30.87}});
  host().clear_events();
  for (uint32_t code : {kServiceUpdate, kServiceDraw, kServiceInstall, kServiceKill, 7U}) {
    host().call(g_, code);
  }
  EXPECT_EQ(host().events(), steps(kExtend, 5));
  // Airborne, partly on the ground, not armed, armed reading other than 1, at 30.86 kt, on the take-off roll.
  const double blocked[][4] = {{0.0, 1.0, 100.0, 0}, {0.5, 1.0, 100.0, 0}, {1.0, 0.0, 100.0, 0},
                               {1.0, 2.0, 100.0, 0}, {1.0, 1.0, 30.86, 0}, {1.0, 1.0, 100.0, 1}};
  for (const auto& b : blocked) {
    set_vars({{0x3C, b[0]}, {0x144, b[1]}, {0x340, b[2]}});
    takeoff_flag = static_cast<int>(b[3]);
    host().clear_events();
    host().cycle(g_);
    EXPECT_EQ(host().events(), Events{}) << b[0] << " " << b[1] << " " << b[2] << " " << b[3];
  }
}

TEST_F(Controls, FlapLeverDrawsTheAircraftsDetentsWithSixPositionsAndStepsOncePerClick) {
  open("Flaps");
  auto lever_at = [&](double handle) {
    host().set_var(0x148, handle);
    host().evaluate(g_);
    return value(g_, 1, 1);
  };
  flap_position_count = 6;
  flap_step_count = 5;
  const double scale = as_slider(el(g_, 1))->y_scale;
  // Handle, lever, pixels (-1: not looked at); only exact positions snap.
  const double rows[][3] = {{0.0, 0.0, 0},          {3276.8, 4096.0, 14},   {6553.6, 4096.0, 14}, {9830.4, 8192.0, 28},
                            {13107.2, 12288.0, 43}, {16384.0, 16384.0, 57}, {3276.9, 3276.9, -1}, {9830.5, 9830.5, -1}};
  for (const auto& [handle, lever, pixels] : rows) {
    EXPECT_EQ(lever_at(handle), lever) << handle;
    EXPECT_TRUE(pixels < 0 || std::abs(lever * scale - pixels) < 0.5) << handle << " pixels";
  }
  for (int count : {0, 4, 5, 7}) {  // any other count: the variable
    flap_position_count = count;
    flap_step_count = count - 1;
    EXPECT_EQ(lever_at(3276.8) + lever_at(6553.6), 3276.8 + 6553.6) << count;
  }
  // Six positions but a step count that does not match still uses the count given.
  flap_position_count = 6;
  flap_step_count = 4;
  EXPECT_EQ(lever_at(8192.0) + lever_at(12288.0), 4096.0 + 8192.0);
  flap_step_count = 0;
  EXPECT_EQ(lever_at(3276.8), 3276.8);

  const std::pair<double, int> presses[] = {{16383.0, kBelow}, {16384.0, kBelow}, {16384.0, kAbove}, {0.0, kAbove},
                                            {0.0, kBelow},     {0.001, kAbove},   {-5.0, kAbove}};
  std::string sent;
  for (const auto& [handle, y] : presses) {
    host().set_var(0x148, handle);
    sent += clicks(g_, {{40, y}}) + "|";
  }
  EXPECT_EQ(str(sent, played(kFlapSound)), str("100DE||100DF||100DE|100DF||", 4U)) << "silent at the stops";
}

// Engine Starters: the selector's sides, then the master switches' x (y is 20).
constexpr int kLeft = 60, kRight = 90;
constexpr uint32_t kHold1 = 0x102FC, kHold2 = 0x102FD, kEngine1Started = 0x10187;

TEST_F(Controls, StarterSelectorAndMastersAndTheStartOfEngineOneThenTwo) {
  open("Engine Starters");
  // Click side, state set before it (-1: left alone), then selector, state and clicks heard.
  const int steps_[][5] = {
      {kLeft, -1, 0, 0, 1},  {kLeft, -1, 0, 0, 1},  // against the stop: no sound
      {kRight, -1, 1, 0, 2},                        // centre does not start anything
      {kRight, -1, 2, 1, 3}, {kRight, 2, 2, 2, 3},  // no change while a start runs...
      {kRight, 0, 2, 1, 3},                         // ...but an idle sequence starts again
      {kLeft, -1, 1, 1, 4},                         // turning away from start does not stop it
  };
  for (const auto& [x, before, selector, state, heard] : steps_) {
    if (before >= 0) {
      eng_start_state = before;
    }
    click(x, 30);
    host().evaluate(g_);
    EXPECT_EQ(std::to_string(eng_mode_selector) + std::to_string(static_cast<int>(value(g_, 3))) +
                  std::to_string(eng_start_state) + std::to_string(played(kClick)),
              std::to_string(selector) + std::to_string(selector) + std::to_string(state) + std::to_string(heard));
  }
  EXPECT_TRUE(host().events().empty()) << "the handlers themselves send nothing";
  // The master switches toggle from the simulator's position.
  const std::tuple<int, uint32_t, double, uint32_t> masters[] = {
      {20, 0x230, 0.0, 0x101BF},  {20, 0x230, 1.0, 0x101C3},  {20, 0x230, 0.01, 0x101C3},
      {130, 0x23A, 0.0, 0x101C4}, {130, 0x23A, 1.0, 0x101C8}, {130, 0x23A, -1.0, 0x101C4}};
  for (const auto& [x, token, position, event] : masters) {
    set_vars({{0x230, 0.0}, {0x23A, 0.0}, {token, position}});
    EXPECT_EQ(click(x, 20), steps(event, 1)) << x << " " << position;
  }
  EXPECT_EQ(played(kClick), 10U);
  open("Engine Starters");
  eng_start_state = 0;  // idle does nothing
  EXPECT_EQ(updates(3), Events{});
  click(kRight, 30);
  click(kRight, 30);
  // Every call holds the starter, whatever its stage; the masters are never asked.
  EXPECT_EQ(updates(3), steps(kHold1, 3));
  host().clear_events();
  host().draw(g_);
  EXPECT_EQ(host().events(), steps(kHold1, 1));
  set_vars({{0x270, 59.9}, {0x271, 21.0}});
  EXPECT_EQ(updates(1), steps(kHold1, 1));
  host().set_var(0x270, 60.0);
  EXPECT_EQ(updates(1), steps(kEngine1Started, 1));
  set_vars({{0x283, 59.99}, {0x284, 21.0}});
  EXPECT_EQ(updates(3), steps(kHold2, 3));
  EXPECT_EQ(str(lights(3, 3), eng_start_state, played(kChime)), "1 2 0");
  host().set_var(0x283, 60.0);
  EXPECT_EQ(updates(1), Events{});
  EXPECT_EQ(eng_start_state, 0);
  host().evaluate(g_);
  EXPECT_EQ(value(g_, 3) + eng_mode_selector, 2.0) << "the selector springs back to NORM";
  EXPECT_EQ(str(updates(5).size(), played(kChime)), "0 1");
  // Engine 1 already turning: straight to engine 2 on the first call of any code;
  // completion by engine 2's N2 hands over but does not chime.
  set_vars({{0x271, 21.5}, {0x270, 0.0}, {0x283, 0.0}, {0x284, 0.0}});
  click(kRight, 30);
  host().clear_events();
  host().call(g_, 7);
  EXPECT_EQ(host().events(), steps(kEngine1Started, 1));
  host().set_var(0x284, 21.01);
  EXPECT_EQ(updates(1), Events{});
  EXPECT_EQ(str(eng_start_state * 10 + static_cast<int>(eng_mode_selector), played(kChime)), str(1, 1U));
}

// Rudder Trim: window (1), knob (2); the switch's sides and RESET.
class RudderTrim : public Controls {
 protected:
  void SetUp() override {
    Controls::SetUp();
    open("Rudder Trim");
  }
  std::string knob(int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
      host().evaluate(g_);
      out += std::to_string(static_cast<int>(value(g_, 2)));
    }
    return out;
  }
};

TEST_F(RudderTrim, WindowSwitchAndReset) {
  // Past what four characters hold, and values no simulator should send, after the ordinary ones.
  const std::pair<double, const char*> cases[] = {{0.01745, "R010"}, {-0.026175, "L015"}, {0.5, "R286"},
                                                  {0.0017, "CTRD"},  {-0.0017, "CTRD"},   {0.0, "CTRD"},
                                                  {1.7443, "R999"},  {1.7445, "R999"},    {-10.0, "L999"},
                                                  {1e300, "R999"},   {-HUGE_VAL, "L999"}, {std::nan(""), "CTRD"}};
  for (const auto& [radians, shown] : cases) {
    host().set_var(0x313, radians);
    host().evaluate(g_);
    EXPECT_EQ(text(g_, 1), shown) << radians;
  }
  el(g_, 1)->image_flags |= kFlagOnScreen;
  for (uint32_t lights_on : {1U, 0U}) {
    panel_lights_on = lights_on;
    host().evaluate(g_);
    EXPECT_EQ(el(g_, 1)->image_flags & (kFlagBright | kFlagOnScreen), kFlagOnScreen | (lights_on ? kFlagBright : 0));
  }
  EXPECT_EQ(click(5, 30), steps(kTrimLeft, 1));
  EXPECT_EQ(knob(10), std::string(10, '0'));
  EXPECT_EQ(click(5, 30), steps(kTrimLeft, 1));
  EXPECT_EQ(knob(20), std::string(18, '0') + "11") << "a repeat while held starts the count again";
  EXPECT_EQ(click(30, 30), steps(kTrimRight, 1));
  EXPECT_EQ(knob(1), "2");
  EXPECT_EQ(played(), Texts(3, kClick));
  host().set_var(0x313, 0.01);  // R057
  EXPECT_EQ(click(50, 40), Events{}) << "the button only starts the drive";
  EXPECT_EQ(played().back(), kButton);
  host().draw(g_);
  EXPECT_EQ(host().events(), Events{}) << "only updates drive";
  int updates_run = 0;
  while (rudder_trim_resetting == 1 && updates_run < 20) {
    host().cycle(g_);
    ++updates_run;
  }
  // Five steps bring it within a tenth; the sixth update sees it centred and stops.
  EXPECT_EQ(host().events(), steps(kTrimLeft, 5));
  EXPECT_EQ(str(updates_run, text(g_, 1)), str(6, "CTRD"));
  EXPECT_EQ(updates(1), Events{});
  host().set_var(0x313, -0.005);  // from the left it steps right: L028, L017, then CTRD
  click(50, 40);
  EXPECT_EQ(updates(5), steps(kTrimRight, 2));
  EXPECT_EQ(rudder_trim_resetting, 0);
  host().set_var(0x313, -0.05);
  click(50, 40);
  host().update(g_);
  click(5, 30);
  EXPECT_EQ(updates(5), Events{}) << "turning the switch cancels a reset";
  EXPECT_EQ(rudder_trim_resetting, 0);
}

}  // namespace
}  // namespace corvane::test
