// The "Autopilot2" panel through the test host: window formats, the disconnect
// memos, the altitude dot, every knob and push, the Mach re-synchronisation.
#include "gauges/guidance/autopilot2.h"

#include <limits>
#include <string>
#include <vector>

#include "gauges/ecam/ecam_messages.h"
#include "module/elements.h"
#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

using testhost::KeyEvent;
using Events = std::vector<KeyEvent>;

// Pre-order indices of the panel's elements.
enum : size_t {
  kStepRing = 1,
  kApLight = 2,
  kGpsLight = 3,
  kAthrLight = 4,
  kHeadingLegend = 5,
  kHeadingDot = 9,
  kCourseDot = 10,
  kSpeedDot = 11,
  kMachDot = 12,
  kAltitudeDot = 13,
  kSpeedLegend = 14,
  kHeadingWindow = 15,
  kSpeedWindow = 16,
  kAltitudeWindow = 17,
  kVsWindow = 18,
  kHeadingKnob = 21,
  kSpeedKnob = 22,
  kAltitudeKnob = 23,
  kVsKnob = 24,
};

// One pixel inside each area.
struct Pixel {
  int x;
  int y;
};
constexpr Pixel kAp{160, 60}, kAthr{180, 80}, kLoc{80, 80}, kAppr{340, 80}, kLvl{115, 80}, kVsPush{340, 50},
    kVsDown{330, 60}, kVsUp{330, 35}, kGps{200, 60}, kModePush{185, 40}, kHeadingRight{100, 45}, kHeadingLeft{70, 45},
    kHeadingPush{85, 55}, kSpdMach{5, 40}, kSpeedRight{45, 45}, kSpeedLeft{20, 45}, kSpeedPush{30, 55},
    kAltPush{258, 50}, kAltLeft{245, 50}, kAltRight{275, 50}, kStep100{245, 33}, kStep1000{272, 33};

class Autopilot2 : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    trk_fpa_mode = 0;
    mach_mode = 0;
    alt_step_select = 0;
    spd_knob_frame = hdg_knob_frame = alt_knob_frame = vs_knob_frame = 0;
    ap_was_engaged = athr_was_engaged = 0;
    alt_dot_count = 0;
    mach_resync_time = 0.0;
    ap_ = gauge("Autopilot2");
    host().install(ap_);
    world().sound.clear_calls();
  }
  Element* element(size_t index) { return host().element(ap_, index); }
  double value(size_t index) { return host().values(element(index)).value[0]; }
  std::string text(size_t index) { return host().text(element(index)); }
  void click(Pixel p) { ASSERT_TRUE(host().click(ap_, p.x, p.y)) << p.x << "," << p.y; }
  // Clicks and returns what the click sent, with a clean log before and after.
  Events events_of(Pixel p) {
    host().clear_events();
    click(p);
    Events out = host().events();
    host().clear_events();
    return out;
  }
  std::vector<std::string> played() { return world().sound.played(); }

  GaugeHeader* ap_ = nullptr;
  const std::string click_ = "Sound\\Brisvalen_CLICK.wav";
  const std::string button_ = "Sound\\Button_Press.wav";
};

TEST_F(Autopilot2, WindowsFormatTheirValues) {
  set_vars({{0x6D, 5000.0}, {0x78, 1500.0}, {0x6B, 5.9}, {0x2D, 270.0}, {0x74, 249.9}, {0x76, 0.78}});
  host().cycle(ap_);
  EXPECT_EQ(text(kAltitudeWindow), "05000");
  EXPECT_EQ(text(kVsWindow), "+1500");
  EXPECT_EQ(text(kHeadingWindow), "005");
  EXPECT_EQ(text(kSpeedWindow), "249");

  for (auto [vs, shown] : std::vector<std::pair<double, std::string>>{
           {-700.0, "-0700"}, {0.0, "+0000"}, {-0.9, "+0000"}, {50.0, "+0050"}, {-6000.0, "-6000"}}) {
    host().set_var(0x78, vs);
    host().cycle(ap_);
    EXPECT_EQ(text(kVsWindow), shown) << vs;
  }

  // The pushes switch what the windows and their legends show.
  click(kModePush);
  click(kSpdMach);
  host().cycle(ap_);
  EXPECT_EQ(text(kHeadingWindow), "270");
  EXPECT_EQ(value(kHeadingLegend), 1.0);
  EXPECT_EQ(text(kSpeedWindow), ".78");
  EXPECT_EQ(value(kSpeedLegend), 1.0);
  for (auto [mach, shown] :
       std::vector<std::pair<double, std::string>>{{1.05, ".05"}, {0.5, ".50"}, {0.999, ".00"}, {0.0, ".00"}}) {
    host().set_var(0x76, mach);
    host().cycle(ap_);
    EXPECT_EQ(text(kSpeedWindow), shown) << mach;
  }
  click(kModePush);
  click(kSpdMach);
  host().cycle(ap_);
  EXPECT_EQ(text(kHeadingWindow), "005");
  EXPECT_EQ(text(kSpeedWindow), "249");
}

TEST_F(Autopilot2, HugeVerticalSpeedSaturatesRatherThanWraps) {
  host().set_var(0x78, -1e300);
  host().cycle(ap_);
  EXPECT_EQ(text(kVsWindow), "-2147");
}
TEST_F(Autopilot2, ApOffMemoOnlyAfterTheAutopilotWasSeenEngagedInTheAir) {
  // Engaged and disengaged on the ground: no memo.
  set_vars({{0x25C, 500.0}, {0x3C, 1.0}, {0x67, 1.0}});
  host().cycle(ap_);
  EXPECT_EQ(value(kApLight), 1.0);
  host().set_var(0x67, 0.0);
  host().cycle(ap_);
  EXPECT_EQ(value(kApLight), 0.0);
  EXPECT_STREQ(ecam_memo_slots[0], "");

  // Engaged on the ground, seen engaged airborne, then off: one memo, stamped.
  host().set_var(0x67, 1.0);
  host().cycle(ap_);
  host().set_var(0x3C, 0.0);
  host().cycle(ap_);
  set_vars({{0x67, 0.0}, {0x25C, 612.5}});
  host().cycle(ap_);
  EXPECT_STREQ(ecam_memo_slots[0], "A/P OFF");
  EXPECT_EQ(ecam_memo_stamp[0], 612.5);
  EXPECT_STREQ(ecam_memo_slots[1], "");

  // Edge-triggered: later updates leave the stamp alone, so the memo expires
  // ten seconds after the disconnect.
  host().set_var(0x25C, 620.0);
  host().cycle(ap_);
  EXPECT_EQ(ecam_memo_stamp[0], 612.5);
  ecam_memo_expire(0);
  EXPECT_STREQ(ecam_memo_slots[0], "A/P OFF");
  host().set_var(0x25C, 622.5);
  ecam_memo_expire(0);
  EXPECT_STREQ(ecam_memo_slots[0], "");
  host().cycle(ap_);
  EXPECT_STREQ(ecam_memo_slots[0], "") << "not written again";

  // Re-engaging clears a standing memo at once.
  host().set_var(0x67, 1.0);
  host().cycle(ap_);
  host().set_var(0x67, 0.0);
  host().cycle(ap_);
  EXPECT_STREQ(ecam_memo_slots[0], "A/P OFF");
  host().set_var(0x67, 1.0);
  host().cycle(ap_);
  EXPECT_STREQ(ecam_memo_slots[0], "");
}

TEST_F(Autopilot2, AthrOffMemoEvenWhenArmedOnTheGround) {
  set_vars({{0x3C, 1.0}, {0x25C, 42.0}, {0x7B, 1.0}});
  host().cycle(ap_);
  EXPECT_EQ(value(kAthrLight), 1.0);
  EXPECT_STREQ(ecam_memo_slots[1], "");
  host().set_var(0x7B, 0.0);
  host().cycle(ap_);
  EXPECT_STREQ(ecam_memo_slots[1], "A/THR OFF");
  EXPECT_EQ(ecam_memo_stamp[1], 42.0);
  EXPECT_STREQ(ecam_memo_slots[0], "");
  EXPECT_EQ(athr_was_engaged, 0);
  host().set_var(0x7B, 1.0);
  host().cycle(ap_);
  EXPECT_STREQ(ecam_memo_slots[1], "");
}

TEST_F(Autopilot2, LightsAndDotsFollowTheirVariablesAndModes) {
  // GPS, LOC, APPR, heading, course, speed and Mach dots.
  auto lights = [&] {
    host().cycle(ap_);
    std::string out;
    for (size_t i : {size_t{kGpsLight}, size_t{6}, size_t{7}, size_t{kHeadingDot}, size_t{kCourseDot},
                     size_t{kSpeedDot}, size_t{kMachDot}}) {
      out += value(i) != 0.0 ? '1' : '0';
    }
    return out;
  };
  set_vars({{0x350, 3.0}, {0x70, 1.0}, {0x6A, 1.0}, {0x69, 0.0}, {0x73, 1.0}, {0x75, 0.0}});
  EXPECT_EQ(lights(), "1101010");
  // In the other modes the other variable drives the dot.
  set_vars({{0x69, 1.0}, {0x75, 1.0}, {0x73, 1.0}});
  click(kModePush);
  click(kSpdMach);
  EXPECT_EQ(lights(), "1100101");
  host().set_var(0x350, 0.0);
  EXPECT_EQ(lights(), "0100101");
}

TEST_F(Autopilot2, AltitudeDotFlashesOnlyBetween100And800FeetAway) {
  set_vars({{0x6C, 1.0}, {0x6D, 10000.0}});
  auto pattern = [&](double altitude, int n) {
    host().set_var(0x4A, altitude);
    std::string out;
    for (int i = 0; i < n; ++i) {
      host().cycle(ap_);
      out += value(kAltitudeDot) != 0.0 ? '1' : '0';
    }
    return out;
  };
  EXPECT_EQ(pattern(9900.0, 20), std::string(20, '1')) << "exactly 100 ft";
  EXPECT_EQ(pattern(10800.0, 20), std::string(20, '1')) << "exactly 800 ft";
  EXPECT_EQ(pattern(10000.0, 5), "11111");
  EXPECT_EQ(pattern(9899.0, 38), "11111111000000000111111111000000000111");
  // Leaving the band restarts the cycle.
  EXPECT_EQ(pattern(9000.0, 1), "1");
  EXPECT_EQ(pattern(10799.0, 10), "1111111100");
  // A fraction of a foot does not count: 100.9 truncates to 100.
  alt_dot_count = 0;
  EXPECT_EQ(pattern(9899.1, 20), std::string(20, '1'));

  host().set_var(0x6C, 0.0);
  EXPECT_EQ(pattern(9500.0, 12), std::string(12, '0'));
}

TEST_F(Autopilot2, ButtonsSendTheirEventsAndClick) {
  host().set_var(0x3C, 1.0);
  EXPECT_TRUE(events_of(kAp).empty()) << "AP on the ground";
  host().set_var(0x3C, 0.0);
  EXPECT_EQ(events_of(kAp), (Events{{0x1002C, 0}}));
  EXPECT_EQ(played(), (std::vector<std::string>{button_, button_}));

  // Areas whose event the host sends itself.
  EXPECT_EQ(events_of(kAthr), (Events{{0x10144, 0}}));
  EXPECT_EQ(events_of(kLoc), (Events{{0x100BB, 0}}));
  EXPECT_EQ(events_of(kAppr), (Events{{0x100BC, 0}}));
  EXPECT_EQ(events_of(kLvl), (Events{{0x100BF, 0}}));
  EXPECT_EQ(events_of(kVsPush), (Events{{0x100BE, 0}}));
  EXPECT_EQ(events_of(kAltPush), (Events{{0x10107, 0}}));
  EXPECT_EQ(played().size(), 2U) << "host-sent areas run no module code";

  host().set_var(0x350, 0.0);
  EXPECT_EQ(events_of(kGps), (Events{{0x10347, 0}, {0x10113, 0}}));
  host().set_var(0x350, 1.0);
  EXPECT_EQ(events_of(kGps), (Events{{0x10347, 0}}));

  EXPECT_EQ(events_of(kVsUp), (Events{{0x10166, 0}}));
  EXPECT_EQ(vs_knob_frame, 1);
  EXPECT_EQ(events_of(kVsUp), (Events{{0x10166, 0}}));
  EXPECT_EQ(vs_knob_frame, 0);
  EXPECT_EQ(events_of(kVsDown), (Events{{0x10167, 0}}));
  EXPECT_EQ(vs_knob_frame, 1);
  host().cycle(ap_);
  EXPECT_EQ(value(kVsKnob), 1.0);

  EXPECT_TRUE(events_of(kModePush).empty());
  EXPECT_EQ(trk_fpa_mode, 1);
  EXPECT_TRUE(events_of(kSpdMach).empty());
  EXPECT_EQ(mach_mode, 1);
  EXPECT_EQ(played().size(), 9U);
}

TEST_F(Autopilot2, HeadingKnobInBothModes) {
  EXPECT_EQ(events_of(kHeadingRight), (Events{{0x10157, 0}}));
  EXPECT_EQ(events_of(kHeadingLeft), (Events{{0x10158, 0}}));
  EXPECT_EQ(events_of(kHeadingLeft), (Events{{0x10158, 0}}));
  EXPECT_EQ(hdg_knob_frame, 7) << "-1 wraps to 7";
  EXPECT_EQ(events_of(kHeadingRight).size(), 1U);
  EXPECT_EQ(hdg_knob_frame, 0) << "8 wraps to 0";
  for (int i = 0; i < 3; ++i) {
    click(kHeadingRight);
  }
  host().cycle(ap_);
  EXPECT_EQ(value(kHeadingKnob), 3.0);

  // Push: heading hold, and the GPS handed back when it drove the navigation
  // and heading hold was off.
  host().set_var(0x6A, 0.0);
  host().set_var(0x350, 0.0);
  EXPECT_EQ(events_of(kHeadingPush), (Events{{0x10106, 0}}));
  host().set_var(0x350, 1.0);
  EXPECT_EQ(events_of(kHeadingPush), (Events{{0x10106, 0}, {0x10347, 0}}));
  host().set_var(0x6A, 1.0);
  EXPECT_EQ(events_of(kHeadingPush), (Events{{0x10106, 0}}));

  click(kModePush);
  EXPECT_EQ(events_of(kHeadingRight), (Events{{0x1007F, 0}}));
  EXPECT_EQ(events_of(kHeadingLeft), (Events{{0x1007E, 0}}));
  host().set_var(0x6A, 0.0);
  EXPECT_EQ(events_of(kHeadingPush), (Events{{0x100C1, 0}}));
  EXPECT_EQ(played(), std::vector<std::string>(14, button_));
}

TEST_F(Autopilot2, SpeedKnobInBothModes) {
  EXPECT_EQ(events_of(kSpeedRight), (Events{{0x10168, 0}}));
  EXPECT_EQ(spd_knob_frame, 1);
  EXPECT_EQ(events_of(kSpeedRight), (Events{{0x10168, 0}}));
  EXPECT_EQ(spd_knob_frame, 0);
  EXPECT_EQ(events_of(kSpeedLeft), (Events{{0x10169, 0}}));
  EXPECT_EQ(spd_knob_frame, 1);
  host().cycle(ap_);
  EXPECT_EQ(value(kSpeedKnob), 1.0);

  host().set_var(0x7B, 0.0);
  EXPECT_EQ(events_of(kSpeedPush), (Events{{0x10144, 0}, {0x10163, 0}})) << "arms autothrust first";
  host().set_var(0x7B, 1.0);
  EXPECT_EQ(events_of(kSpeedPush), (Events{{0x10163, 0}}));

  click(kSpdMach);
  EXPECT_EQ(events_of(kSpeedRight), (Events{{0x1017C, 0}}));
  EXPECT_EQ(events_of(kSpeedLeft), (Events{{0x1017D, 0}}));
  EXPECT_EQ(events_of(kSpeedPush), (Events{{0x1017B, 0}}));
  host().set_var(0x7B, 0.0);
  EXPECT_EQ(events_of(kSpeedPush), (Events{{0x10144, 0}, {0x1017B, 0}}));
}

TEST_F(Autopilot2, AltitudeKnobStepsWithoutLimits) {
  host().set_var(0x6D, 50.0);
  EXPECT_EQ(events_of(kAltLeft), (Events{{0x1024C, static_cast<uint32_t>(-50)}})) << "no lower limit";
  EXPECT_EQ(alt_knob_frame, 1);
  EXPECT_EQ(events_of(kAltRight), (Events{{0x1024C, 150}}));
  EXPECT_EQ(alt_knob_frame, 0);
  host().set_var(0x6D, 4999.7);
  EXPECT_EQ(events_of(kAltRight), (Events{{0x1024C, 5099}})) << "truncated";
  EXPECT_EQ(played(), (std::vector<std::string>{button_, button_, button_}));

  world().sound.clear_calls();
  click(kStep1000);
  EXPECT_EQ(alt_step_select, 1);
  click(kStep1000);
  EXPECT_EQ(played(), std::vector<std::string>{click_}) << "only a change clicks";
  host().cycle(ap_);
  EXPECT_EQ(value(kStepRing), 1.0);

  host().set_var(0x6D, 35000.0);
  EXPECT_EQ(events_of(kAltRight), (Events{{0x1024C, 36000}}));
  EXPECT_EQ(events_of(kAltLeft), (Events{{0x1024C, 34000}}));
  host().set_var(0x6D, 2147483000.0);
  EXPECT_EQ(events_of(kAltRight), (Events{{0x1024C, 2147483647U}})) << "saturates instead of wrapping";

  world().sound.clear_calls();
  click(kStep100);
  click(kStep100);
  EXPECT_EQ(alt_step_select, 0);
  EXPECT_EQ(played(), std::vector<std::string>{click_});
  host().cycle(ap_);
  EXPECT_EQ(value(kAltitudeKnob), 0.0);
  EXPECT_EQ(value(kStepRing), 0.0);
}

TEST_F(Autopilot2, MachHoldIsResentEveryTwoSecondsOfClock) {
  auto call_at = [&](double clock, uint32_t service = kServiceUpdate) {
    host().set_var(0x25C, clock);
    host().clear_events();
    host().call(ap_, service);
    return host().events();
  };
  const Events pair{{0x10163, 0}, {0x1017B, 0}};
  EXPECT_TRUE(call_at(100.0).empty()) << "Mach hold off";
  host().set_var(0x75, 1.0);
  EXPECT_TRUE(call_at(100.0).empty()) << "the first call only takes the time";
  EXPECT_EQ(mach_resync_time, 100.0);
  EXPECT_TRUE(call_at(101.99).empty());
  EXPECT_EQ(call_at(102.0, kServiceDraw), pair) << "any service code";
  EXPECT_TRUE(call_at(103.0).empty());
  EXPECT_EQ(call_at(104.5, 99), pair);
  EXPECT_EQ(mach_resync_time, 104.5);

  // Not reset while Mach hold is off: engaging it again later re-sends at once.
  host().set_var(0x75, 0.0);
  EXPECT_TRUE(call_at(200.0).empty());
  EXPECT_EQ(mach_resync_time, 104.5);
  host().set_var(0x75, 1.0);
  EXPECT_EQ(call_at(200.5), pair);
}

TEST_F(Autopilot2, OnlyInstallAndKillTouchTheSoundSlots) {
  for (int i = 0; i < 3; ++i) {
    host().cycle(ap_);
  }
  EXPECT_TRUE(world().sound.calls().empty());
}
}  // namespace
}  // namespace corvane::test
