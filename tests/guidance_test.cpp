// The guidance group through the test host: "Autopilot2" (window formats,
// disconnect memos, the altitude dot, knobs and pushes, Mach
// re-synchronisation), the "FCU" EFIS panel and the "FD" switch with their
// shared blocks (the tests acting as the other module's display), "Throttle".
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "gauges/ecam/ecam_messages.h"
#include "gauges/guidance/autopilot2.h"
#include "gauges/guidance/fcu.h"
#include "gauges/guidance/fd.h"
#include "gauges/guidance/throttle.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

class Guidance : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    ap_ = gauge("Autopilot2");
    host().install(ap_);  // loads the sounds
    world().sound.clear_calls();
  }
  void TearDown() override {
    for (const char* name : {"FCU", "FD"}) {
      host().kill(gauge(name));
    }
    ModuleTest::TearDown();
  }
  Events ap(std::pair<int, int> p) { return clicked(ap_, p.first, p.second); }
  // One autopilot update at this simulator clock with these variables.
  void at(double clock, std::initializer_list<std::pair<uint32_t, double>> vars) {
    host().set_var(0x25C, clock);
    set_vars(vars);
    host().cycle(ap_);
  }
  // The other module's side of a block, opened before the gauge's install so
  // that it outlives the gauge's kill; fields of ten bytes.
  uint8_t* other_side(const char* name, uint32_t size) {
    block_ = static_cast<uint8_t*>(world().shared_memory.map(world().shared_memory.create(name, size)));
    return block_;
  }
  std::string bytes(size_t from, size_t n) { return std::string(reinterpret_cast<char*>(block_) + from, n); }
  std::string field(size_t index) { return bytes(index * 10, 10); }
  static std::string padded(std::string text) {
    text.resize(10, '\0');
    return text;
  }
  void put(size_t index, const char* text) { std::memcpy(block_ + index * 10, padded(text).data(), 10); }
  // Fields from the first on, as the other side writes them.
  void put(std::initializer_list<const char*> texts) {
    size_t index = 0;
    for (const char* text : texts) {
      put(index++, text);
    }
  }

  GaugeHeader* ap_ = nullptr;
  uint8_t* block_ = nullptr;
};

// Autopilot2, pre-order indices and one pixel inside each area.
constexpr size_t kStepRing = 1, kApLight = 2, kGps = 3, kAthrLight = 4, kHeadingLegend = 5, kAltitudeDot = 13,
                 kSpeedLegend = 14, kHeadingWindow = 15, kSpeedWindow = 16, kVsWindow = 18;
constexpr std::pair<int, int> kAp{160, 60}, kAthr{180, 80}, kLoc{80, 80}, kAppr{340, 80}, kLvl{115, 80},
    kVsPush{340, 50}, kVsDown{330, 60}, kVsUp{330, 35}, kGpsPush{200, 60}, kModePush{185, 40}, kHdgRight{100, 45},
    kHdgLeft{70, 45}, kHdgPush{85, 55}, kSpdMach{5, 40}, kSpdRight{45, 45}, kSpdLeft{20, 45}, kSpdPush{30, 55},
    kAltPush{258, 50}, kAltLeft{245, 50}, kAltRight{275, 50}, kStep100{245, 33}, kStep1000{272, 33};

TEST_F(Guidance, AutopilotWindowsFormatTheirValuesAndTheDisconnectMemos) {
  set_vars({{0x6D, 5000.0}, {0x6B, 5.9}, {0x2D, 270.0}, {0x74, 249.9}, {0x76, 0.78}});
  for (const auto& [vs, shown] :
       {std::pair{1500.0, "+1500"}, {-700.0, "-0700"}, {-0.9, "+0000"}, {50.0, "+0050"}, {-1e300, "-2147"}}) {
    cycle(ap_, {{0x78, vs}});
    EXPECT_EQ(text(ap_, kVsWindow), shown) << vs;
  }
  EXPECT_EQ(text(ap_, 17) + text(ap_, kHeadingWindow) + text(ap_, kSpeedWindow), "05000005249");
  ap(kModePush);
  ap(kSpdMach);
  for (const auto& [mach, shown] : {std::pair{0.78, "270.78"}, {1.05, "270.05"}, {0.999, "270.00"}, {0.0, "270.00"}}) {
    cycle(ap_, {{0x76, mach}});
    EXPECT_EQ(text(ap_, kHeadingWindow) + text(ap_, kSpeedWindow), shown) << mach;
  }
  EXPECT_EQ(lit(ap_, {kHeadingLegend, kSpeedLegend}), "11");
  auto memos = [] { return std::string(ecam_memo_slots[0]) + "|" + ecam_memo_slots[1]; };
  at(500.0, {{0x3C, 1.0}, {0x67, 1.0}, {0x7B, 1.0}});
  EXPECT_EQ(lit(ap_, {kApLight, kAthrLight}), "11");
  at(500.0, {{0x67, 0.0}, {0x7B, 0.0}});
  EXPECT_EQ(memos() + str(ecam_memo_stamp[1]), "|A/THR OFF500") << "autothrust even when armed on the ground";
  at(501.0, {{0x7B, 1.0}, {0x67, 1.0}});
  at(501.0, {{0x3C, 0.0}});
  at(612.5, {{0x67, 0.0}});
  EXPECT_EQ(memos() + str(ecam_memo_stamp[0]), "A/P OFF|612.5");
  // Edge-triggered: later updates leave the stamp alone, so the memo expires
  // ten seconds after the disconnect, and it is not written again.
  at(620.0, {});
  host().set_var(0x25C, 622.5);
  ecam_memo_expire(0);
  at(623.0, {});
  EXPECT_EQ(memos(), "|");
  at(630.0, {{0x67, 1.0}});
  at(630.0, {{0x67, 0.0}});
  EXPECT_EQ(memos(), "A/P OFF|");
  at(631.0, {{0x67, 1.0}});
  EXPECT_EQ(memos(), "|") << "re-engaging clears a standing memo at once";
}

TEST_F(Guidance, AutopilotLightsDotsAndTheAltitudeDotBetween100And800FeetAway) {
  auto lights = [&] {
    host().cycle(ap_);
    return lit(ap_, {kGps, 6, 7, 9, 10, 11, 12});  // GPS, LOC, APPR, heading, course, speed, Mach
  };
  set_vars({{0x350, 3.0}, {0x70, 1.0}, {0x6A, 1.0}, {0x69, 0.0}, {0x73, 1.0}, {0x75, 0.0}});
  EXPECT_EQ(lights(), "1101010");
  set_vars({{0x69, 1.0}, {0x75, 1.0}, {0x73, 1.0}});
  ap(kModePush);
  ap(kSpdMach);
  EXPECT_EQ(lights(), "1100101") << "in the other modes the other variable drives the dot";
  host().set_var(0x350, 0.0);
  EXPECT_EQ(lights(), "0100101");

  set_vars({{0x6C, 1.0}, {0x6D, 10000.0}});
  auto pattern = [&](double altitude, int n) {
    host().set_var(0x4A, altitude);
    std::string out;
    for (int i = 0; i < n; ++i) {
      host().cycle(ap_);
      out += lit(ap_, {kAltitudeDot});
    }
    return out;
  };
  EXPECT_EQ(pattern(9900.0, 20), std::string(20, '1')) << "exactly 100 ft";
  EXPECT_EQ(pattern(10800.0, 20), std::string(20, '1')) << "exactly 800 ft";
  EXPECT_EQ(pattern(9899.0, 38), "11111111000000000111111111000000000111");
  const std::string left_band = pattern(9000.0, 1);
  EXPECT_EQ(left_band + pattern(10799.0, 10), "11111111100") << "leaving the band restarts the cycle";
  alt_dot_count = 0;
  EXPECT_EQ(pattern(9899.1, 20), std::string(20, '1')) << "100.9 ft truncates to 100";
  host().set_var(0x6C, 0.0);
  EXPECT_EQ(pattern(9500.0, 12), std::string(12, '0'));
}

TEST_F(Guidance, AutopilotButtonsAndKnobsSendTheirEventsInBothModesAndTheAltitudeKnobHasNoLimits) {
  host().set_var(0x3C, 1.0);
  EXPECT_EQ(clicks(ap_, {kAp}), "") << "AP on the ground";
  host().set_var(0x3C, 0.0);
  // Areas whose event the host sends itself run no module code: no sound.
  EXPECT_EQ(clicks(ap_, {kAp, kAthr, kLoc, kAppr, kLvl, kVsPush, kAltPush}),
            "1002C|10144|100BB|100BC|100BF|100BE|10107");
  EXPECT_EQ(played(), Texts(2, kButton));
  EXPECT_EQ(clicks(ap_, {kGpsPush}), "10347 10113");
  host().set_var(0x350, 1.0);
  EXPECT_EQ(
      clicks(ap_, {kGpsPush, kVsUp, kVsUp, kVsDown, kSpdRight, kSpdRight, kSpdLeft, kHdgRight, kHdgLeft, kHdgLeft}),
      "10347|10166|10166|10167|10168|10168|10169|10157|10158|10158");
  EXPECT_EQ(hdg_knob_frame, 7) << "eight frames, -1 wrapping to 7";
  // Heading push: heading hold, and the GPS handed back when it drove the navigation and heading
  // hold was off; speed push: autothrust armed first.
  for (const auto& [hold, gps, athr, sent] :
       {std::tuple{0, 0, 1, "10106|10163"}, {0, 1, 1, "10106 10347|10163"}, {1, 1, 0, "10106|10144 10163"}}) {
    set_vars({{0x6A, hold}, {0x350, gps}, {0x7B, athr}});
    EXPECT_EQ(clicks(ap_, {kHdgPush, kSpdPush}), sent);
  }
  EXPECT_EQ(clicks(ap_, {kModePush, kSpdMach}), "|");
  set_vars({{0x6A, 0}, {0x7B, 1}});
  EXPECT_EQ(clicks(ap_, {kHdgRight}), "1007F");
  EXPECT_EQ(hdg_knob_frame, 0) << "8 wrapping to 0";
  EXPECT_EQ(clicks(ap_, {kHdgLeft, kHdgPush, kSpdRight, kSpdLeft, kSpdPush}), "1007E|100C1|1017C|1017D|1017B");
  host().set_var(0x7B, 0.0);
  EXPECT_EQ(clicks(ap_, {kSpdPush}), "10144 1017B");
  EXPECT_EQ(played(), Texts(28, kButton));
  host().cycle(ap_);
  EXPECT_EQ(lit(ap_, {24, 22}), "11") << "the VS and speed knobs' two frames";
  EXPECT_EQ(trk_fpa_mode + mach_mode, 2);
  for (const auto& [target, knob, sent] : {std::tuple{50.0, kAltLeft, static_cast<uint32_t>(-50)},  // no lower limit
                                           {50.0, kAltRight, 150U},
                                           {4999.7, kAltRight, 5099U}}) {  // truncated
    host().set_var(0x6D, target);
    EXPECT_EQ(ap(knob), (Events{{0x1024C, sent}})) << target;
  }
  EXPECT_EQ(alt_knob_frame, 1);
  world().sound.clear_calls();
  ap(kStep1000);
  ap(kStep1000);  // only a change clicks
  host().cycle(ap_);
  EXPECT_EQ(value(ap_, kStepRing), 1.0);
  host().set_var(0x6D, 35000.0);
  EXPECT_EQ(clicks(ap_, {kAltRight, kAltLeft}), "1024C:8CA0|1024C:84D0");
  host().set_var(0x6D, 2147483000.0);
  EXPECT_EQ(ap(kAltRight), (Events{{0x1024C, 2147483647U}})) << "saturates instead of wrapping";
  ap(kStep100);
  ap(kStep100);
  host().cycle(ap_);
  EXPECT_EQ(value(ap_, 23) + value(ap_, kStepRing), 0.0);
  EXPECT_EQ(played(), (Texts{kClick, kButton, kButton, kButton, kClick})) << "only a change of step clicks";
}

TEST_F(Guidance, AutopilotResendsMachHoldEveryTwoSecondsOfClock) {
  auto call_at = [&](double clock, uint32_t service = kServiceUpdate) {
    host().set_var(0x25C, clock);
    host().clear_events();
    host().call(ap_, service);
    return host().events().size();
  };
  EXPECT_EQ(call_at(100.0), 0U) << "Mach hold off";
  host().set_var(0x75, 1.0);
  EXPECT_EQ(call_at(100.0) + call_at(101.99), 0U) << "the first call only takes the time";
  EXPECT_EQ(call_at(102.0, kServiceDraw), 2U) << "any service code";
  EXPECT_EQ(host().events(), (Events{{0x10163, 0}, {0x1017B, 0}}));
  EXPECT_EQ(call_at(103.0), 0U);
  EXPECT_EQ(call_at(104.5, 99), 2U);
  host().set_var(0x75, 0.0);
  EXPECT_EQ(call_at(200.0), 0U);
  EXPECT_EQ(mach_resync_time, 104.5) << "not reset while Mach hold is off";
  host().set_var(0x75, 1.0);
  EXPECT_EQ(call_at(200.5), 2U) << "engaging it again later re-sends at once";
}

// FCU: knobs, the five item buttons and their lights (CSTR, WPT, VOR.D, NDB, ARPT).
constexpr int kModeLeft[2] = {10, 50}, kModeRight[2] = {50, 50}, kRangeLeft[2] = {85, 50}, kRangeRight[2] = {120, 50};
constexpr int kItems[5][2] = {{10, 10}, {40, 10}, {65, 10}, {95, 10}, {120, 10}};

class Fcu : public Guidance {
 protected:
  void SetUp() override {
    Guidance::SetUp();
    fcu_ = gauge("FCU");
    other_side("NDPassData", 60);
  }
  void click(const int (&p)[2]) { ASSERT_TRUE(host().click(fcu_, p[0], p[1])); }
  void install_and_cycle() {
    host().install(fcu_);
    host().cycle(fcu_);
  }
  std::string lights() {
    host().evaluate(fcu_);
    return lit(fcu_, {3, 4, 5, 6, 7});
  }
  GaugeHeader* fcu_ = nullptr;
};

TEST_F(Fcu, InstallPublishesTheStartTextsAndTheKnobsStopSilentlyAtTheirEnds) {
  std::memset(block_ + 40, 0x5A, 20);
  host().install(fcu_);
  EXPECT_EQ(bytes(0, 40), padded("NDMode=1") + padded("MapMode=0") + padded("Item=0x1E") + padded("Range=320"));
  EXPECT_EQ(bytes(40, 20), std::string(20, 0x5A)) << "the last 20 bytes are the other side's";
  host().cycle(fcu_);
  EXPECT_EQ(str(efis_mode_pos, efis_range_pos, value(fcu_, 1), value(fcu_, 2), lights()), "6 6 5 5 01111")
      << "NDMode=1, MapMode=0 is ENG; the block rules";
  click(kModeRight);  // at ENG already: end stop
  for (const char* expected : {"NDMode=1MapMode=2", "NDMode=1MapMode=1", "NDMode=0MapMode=1", "NDMode=0MapMode=2",
                               "NDMode=0MapMode=0", "NDMode=0MapMode=0"}) {  // LS is the other end stop
    click(kModeLeft);
    EXPECT_EQ(field(0) + field(1), padded(std::string(expected, 8)) + padded(expected + 8));
    const uint32_t pos = efis_mode_pos;
    host().cycle(fcu_);
    EXPECT_EQ(efis_mode_pos, pos) << "each new position survives the read-back of the next update";
  }
  click(kModeRight);
  EXPECT_EQ(str(efis_mode_pos, field(1)), "2 " + padded("MapMode=2"));
  click(kRangeRight);  // 320 is the end stop
  for (const char* r : {"Range=160", "Range=080", "Range=040", "Range=020", "Range=010"}) {
    click(kRangeLeft);
    EXPECT_EQ(field(3), padded(r));
    host().cycle(fcu_);
  }
  EXPECT_EQ(str(efis_range_pos, nd_range, value(fcu_, 2)), "1 10 0");
  std::memset(block_ + 30, 'x', 10);  // a write would show
  click(kRangeLeft);
  EXPECT_EQ(field(3), std::string(10, 'x'));
  EXPECT_EQ(played(), Texts(11, kClick));
}

TEST_F(Fcu, ItemButtonsToggleTheirBitAndTheOtherSidesWritesMoveTheKnobs) {
  host().install(fcu_);
  put(2, "Item=0x01");
  host().cycle(fcu_);
  EXPECT_EQ(lights(), "10000");
  click(kItems[1]);
  EXPECT_EQ(field(2) + lights(), padded("Item=0x03") + "11000");
  for (const auto& p : kItems) {
    click(p);
  }
  EXPECT_EQ(field(2) + lights(), padded("Item=0x1C") + "00111");
  EXPECT_EQ(played(), Texts(6, kButton));
  std::string returns;
  for (const MouseArea* a = fcu_->mouse_areas + 1; a->kind == kAreaChild; ++a) {
    returns += std::to_string(a->handler(0, 0));
  }
  EXPECT_EQ(returns, "111100000") << "knobs, then the item buttons";
  install_and_cycle();
  // Mode, map mode and range fields written; the knob positions after the next update.
  const std::tuple<const char*, const char*, const char*, uint32_t, uint32_t> writes[] = {
      {"NDMode=2", "MapMode=1", "Range=80", 4, 4},   // any non-zero NDMode is the arc family
      {"NDMode=2", "MapMode=7", "Range=100", 4, 4},  // unknown values leave the knobs
      {"NDMode=0", "MapMode=2", "Range=80", 2, 4},
      {"NDMode=0", "MapMode=1", "Range=80", 3, 4}};
  put(0, "NDMode=2");
  EXPECT_EQ(efis_mode_pos, 6U) << "nothing before the update";
  for (const auto& [mode, map, range, mode_pos, range_pos] : writes) {
    put({mode, map, item_text, range});
    host().cycle(fcu_);
    EXPECT_EQ(efis_mode_pos * 10 + efis_range_pos, mode_pos * 10 + range_pos) << mode << " " << map << " " << range;
  }
  EXPECT_EQ(nd_map_mode * 1000 + nd_range, 1080);
  click(kRangeRight);  // turning from a knob the other side set continues from there
  EXPECT_EQ(field(3), padded("Range=160"));
}

TEST_F(Fcu, AnythingTheOtherSideWritesIsParsedWithinItsField) {
  install_and_cycle();
  std::memset(block_, '9', 60);  // no terminator anywhere, digits running from one field into the next
  host().cycle(fcu_);
  // No 0x prefix is needed: five digits fit after "Item="; unknown values leave the knobs.
  EXPECT_EQ(str(nd_mode, nd_map_mode, nd_range, efis_items, std::strlen(range_text), efis_mode_pos, efis_range_pos),
            str(999, 99, 9999, 0x99999, 10, 6, 6));
  put({"NDMode=ab", "MapMode=-1", "Item=0xFFF", "Range= +20"});
  host().cycle(fcu_);
  EXPECT_EQ(str(nd_mode, nd_map_mode, nd_range, efis_items, efis_range_pos, lights()),
            str(0, -1, 20, 0xFFF, 2, "11111"));
  click(kItems[0]);
  EXPECT_EQ(field(2), padded("Item=0xFE")) << "a button still writes two digits that fit the field";
  // An unterminated text read back and published again by a new install stays within its own field.
  std::memset(block_, 0, 60);
  std::memset(block_ + 30, '7', 10);
  std::memset(block_ + 40, 0x33, 20);
  host().cycle(fcu_);
  host().kill(fcu_);
  std::memset(block_ + 30, 0, 10);
  host().install(fcu_);
  EXPECT_EQ(bytes(30, 30), std::string(10, '7') + std::string(20, 0x33));
}

TEST_F(Fcu, KillClosesTheBlockANewInstallPublishesAgainAndWithoutABlockThePanelKeepsItsCopy) {
  host().install(fcu_);
  EXPECT_EQ(world().shared_memory.find("NDPassData")->views, 2);
  host().cycle(fcu_);
  click(kRangeLeft);
  host().kill(fcu_);
  EXPECT_EQ(str(nd_block_view == nullptr, world().shared_memory.find("NDPassData")->views,
                world().shared_memory.find("NDPassData")->handles),
            "1 1 1");
  std::memset(block_, 0, 60);
  click(kRangeLeft);
  click(kItems[4]);
  EXPECT_EQ(std::string(range_text) + item_text + bytes(0, 60), "Range=080Item=0x0E" + std::string(60, '\0'))
      << "nothing written while closed";
  host().cycle(fcu_);
  EXPECT_EQ(efis_range_pos, 4U) << "nothing read while closed";
  host().install(fcu_);
  EXPECT_EQ(bytes(0, 40), padded("NDMode=1") + padded("MapMode=0") + padded("Item=0x0E") + padded("Range=080"));
  host().kill(fcu_);
  reset_link_state();
  world().shared_memory.failing = true;
  install_and_cycle();
  EXPECT_EQ(efis_mode_pos * 10 + efis_range_pos, 15U) << "start positions, not the start texts";
  click(kModeRight);
  click(kRangeRight);
  EXPECT_EQ(std::string(nd_mode_text) + map_mode_text + range_text, "NDMode=0MapMode=2Range=320");
}

class Fd : public Guidance {
 protected:
  void SetUp() override {
    Guidance::SetUp();
    fd_ = gauge("FD");
    other_side("PassData", 20);
  }
  void press(int x) { ASSERT_TRUE(host().click(fd_, x, 8)); }
  // FD light, LS light.
  std::string lights() {
    host().cycle(fd_);
    return lit(fd_, {1, 2});
  }
  static constexpr int kFd = 10, kLs = 40;
  GaugeHeader* fd_ = nullptr;
};

TEST_F(Fd, ButtonsExcludeEachOtherTheModeGoesBothWaysThroughTheBlockAndSurvivesAKill) {
  std::memset(block_ + 10, 0x77, 10);
  host().install(fd_);
  EXPECT_EQ(field(0), padded("FDMode=0"));
  EXPECT_EQ(lights(), "00");
  for (const auto& [x, mode, shown] :
       {std::tuple{kFd, 1, "10"}, {kLs, 2, "01"}, {kLs, 0, "00"}, {kFd, 1, "10"}, {kFd, 0, "00"}}) {
    press(x);
    EXPECT_EQ(str(fd_mode, field(0)), str(mode, padded("FDMode=" + std::to_string(mode))));
    EXPECT_EQ(lights(), shown);
  }
  EXPECT_EQ(played(), Texts(5, kButton));
  EXPECT_EQ(field(1), std::string(10, 0x77)) << "the second half is the other side's";
  host().install(fd_);
  put(0, "FDMode=1");
  EXPECT_EQ(fd_mode, 0);
  EXPECT_EQ(lights(), "10");
  EXPECT_EQ(fd_mode, 1);
  // Outside 0..2: neither light, and the next press still gives its own mode.
  put(0, "FDMode=7");
  EXPECT_EQ(lights(), "00");
  EXPECT_EQ(fd_mode, 7);
  press(kFd);
  EXPECT_EQ(fd_mode, 1);
  put(0, "FDMode=-3");
  EXPECT_EQ(lights(), "00");
  press(kLs);
  EXPECT_EQ(field(0), padded("FDMode=2"));
  // Unterminated or non-numeric texts stay within the field's ten bytes.
  std::memset(block_, '9', 20);
  host().update(fd_);
  EXPECT_EQ(str(fd_mode, std::strlen(fd_mode_text)), "999 10");
  std::memset(block_, 'z', 20);
  host().update(fd_);
  EXPECT_EQ(fd_mode, 0);
  host().install(fd_);
  press(kLs);
  host().kill(fd_);
  EXPECT_EQ(world().shared_memory.find("PassData")->views + world().shared_memory.find("PassData")->handles, 2);
  std::memset(block_, 0, 20);
  press(kFd);
  EXPECT_EQ(field(0), std::string(10, '\0')) << "nothing written while closed";
  host().update(fd_);
  EXPECT_EQ(fd_mode, 1) << "nothing read while closed";
  host().install(fd_);
  EXPECT_EQ(field(0), padded("FDMode=1"));
  host().kill(fd_);
  world().shared_memory.failing = true;
  host().install(fd_);
  press(kLs);
  EXPECT_EQ(lights(), "01");
  EXPECT_EQ(std::string(fd_mode_text), "FDMode=2");
}

TEST_F(Guidance, ThrottleReverseIsScaledByTheParameterOnlyAndAutothrustShowsTheAxis) {
  GaugeHeader* g = gauge("Throttle");
  // A slider's or moving image's y value after a cycle; the levers' pixel scale is -80.
  auto y = [&](size_t index) {
    host().cycle(g);
    return value(g, index, 1);
  };
  host().install(g, "0.4");
  set_vars({{0x22E, -0.5}, {0x238, 0.75}});
  EXPECT_NEAR(y(1), -0.2, 1e-6) << "16 pixels below idle";
  EXPECT_EQ(y(2), 0.75) << "forward positions are not scaled";
  host().set_var(0x7B, 1.0);
  for (int percent : {85, -20}) {
    throttle_axis_percent = static_cast<int16_t>(percent);
    EXPECT_EQ(y(1) + y(2), percent / 50.0) << "both levers show the axis, not reverse-scaled";
  }
  host().set_var(0x7B, 0.0);
  g->parameters = nullptr;  // as a host that has no parameter text for the gauge
  host().install(g);
  EXPECT_EQ(y(1), -0.5) << "no parameter: 40 pixels";
  const std::pair<const char*, double> parameters[] = {
      {"", 1.0},  {"abc", 1.0}, {"nan", 1.0},   {"inf", 1.0},
      {"-", 1.0}, {".", 1.0},   {"1e999", 1.0}, {"  0.25 reverse", 0.25},
      {"2", 2.0}, {".5", 0.5},  {"-1.5", -1.5}};
  for (const auto& [parameter, scale] : parameters) {
    reverse_scale = 7.0;
    host().install(g, parameter);
    EXPECT_EQ(reverse_scale, scale) << '"' << parameter << '"';
  }
  // Trim scales (3, 4) and wheels (5, 6) move against the pitch trim.
  for (const auto& [trim, scale, wheel] : {std::tuple{0.3, -15.0, -24.0}, {-0.1, 5.0, 8.0}}) {
    host().set_var(0x30F, trim);
    EXPECT_EQ(str(y(3), y(4), y(5), y(6)), str(scale, scale, wheel, wheel)) << trim;
  }
}

}  // namespace
}  // namespace corvane::test
