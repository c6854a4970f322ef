// The radio group through the test host, with a simulator stand-in that
// takes the ADF's complete frequency, the transponder code and the audio
// selections: "Radio", "XPNDR" (code entry and IDENT) and "Audio".
#include "gauges/radio/radio.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "gauges/radio/xpndr.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

// What the simulator does with the ADF's complete frequency, the transponder code and the audio selections.
void simulator(testhost::TestHost& h, const testhost::KeyEvent& e) {
  if (e.id == 0x1024A || e.id == 0x1024B) {
    h.set_var(0x10, e.value >> 4);
    h.set_var(0x12, ((e.id == 0x1024B ? 1U : 0U) << 8) | (e.value & 15));
  } else if (e.id == 0x100B3) {
    h.set_var(0x26, e.value);
  } else if (e.id == 0x1039F || e.id == 0x103A0) {
    h.set_var(0x36A, e.id == 0x1039F ? 1 : 0);
    h.set_var(0x36B, e.id == 0x103A0 ? 1 : 0);
  } else if (e.id == 0x103A2) {
    h.set_var(0x36C, e.value);
  }
}

class Radios : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    load_sounds();
    host().on_event = simulator;
  }
  GaugeHeader* open(const char* name) {
    g_ = gauge(name);
    host().install(g_);
    return g_;
  }
  Events click(const int (&p)[2]) { return clicked(g_, p[0], p[1]); }
  std::string shown(size_t index) {
    host().cycle(g_);
    return text(g_, index);
  }
  GaugeHeader* g_ = nullptr;
};

constexpr int kModeButtons[5][2] = {{12, 53}, {74, 53}, {12, 35}, {43, 35}, {74, 35}};
constexpr int kOuterDown[2] = {151, 39}, kOuterUp[2] = {171, 39}, kInnerDown[2] = {151, 52}, kInnerUp[2] = {171, 52},
              kAdfTransfer[2] = {110, 20}, kSel[2] = {50, 55};

class Radio : public Radios {
 protected:
  void SetUp() override {
    Radios::SetUp();
    open("Radio");
  }
  void select(int mode) { click(kModeButtons[mode]); }
  // Active and standby windows.
  std::string windows() {
    const std::string active = shown(1);
    return active + " " + text(g_, 2);
  }
};

TEST_F(Radio, EachReceiverIsTunedThroughItsOwnEventsAndTheAdfStandbyByThePanel) {
  // Per mode: the active and standby tokens; the outer -, outer +, inner -, inner + and transfer events.
  const std::tuple<uint32_t, uint32_t, const char*> receivers[4] = {{0x17, 0x269, "10064|10065|10066|10067|10344"},
                                                                    {0x366, 0x367, "10384|10385|10386|10388|1038C"},
                                                                    {0x18, 0x368, "10068|10069|1006A|1006B|10390"},
                                                                    {0x1B, 0x369, "1006C|1006D|1006E|1006F|10394"}};
  for (int mode = 0; mode < 4; ++mode) {
    const auto& [active, standby, sent] = receivers[mode];
    select(mode);
    set_vars({{active, 0x2180}, {standby, 0x1795}});
    world().sound.clear_calls();
    EXPECT_EQ(clicks(g_, {{151, 39}, {171, 39}, {151, 52}, {171, 52}, {98, 10}}), sent) << mode;
    EXPECT_EQ(str(windows(), played(kButton)), "121.800 117.950 5") << mode;
  }
  // The third decimal: x2 and x7 are the quarter channels, anything else ends in 0.
  select(0);
  const std::pair<uint32_t, const char*> grid[] = {
      {0x1802, "118.025"}, {0x1805, "118.050"}, {0x1807, "118.075"}, {0x1810, "118.100"}, {0x3697, "136.975"}};
  for (const auto& [bcd, text_shown] : grid) {
    host().set_var(0x17, bcd);
    EXPECT_EQ(shown(1), text_shown);
  }
  select(4);
  EXPECT_EQ(shown(2), "0200.00");
  const std::tuple<uint32_t, const int(*)[2], const char*> steps[] = {
      {1050, &kOuterDown, "1695.00"}, {16950, &kOuterUp, "0105.00"}, {1000, &kInnerDown, "1699.50"},
      {16995, &kInnerUp, "0100.00"},  {16999, &kInnerUp, "0100.40"}, {16999, &kInnerDown, "1699.40"},
      {1099, &kOuterDown, "1699.90"}, {50, &kOuterDown, "1595.00"}};
  for (const auto& [from, area, to] : steps) {
    adf_standby_freq = from;
    EXPECT_EQ(click(*area), Events{}) << "the ADF standby never reaches the simulator while tuned";
    EXPECT_EQ(shown(2), to) << from;
  }
  set_vars({{0x10, 0x342}, {0x12, 0x005}});
  EXPECT_EQ(shown(1), "0342.50");
  // The old active becomes the standby; the thousands travel in the event id.
  const std::tuple<uint32_t, Events, const char*> transfers[] = {{12345, {{0x1024B, 0x2345}}, "1234.50 0342.50"},
                                                                 {3500, {{0x1024A, 0x3500}}, "0350.00 1234.50"},
                                                                 {10000, {{0x1024B, 0x0000}}, "1000.00 0350.00"}};
  for (const auto& [standby, sent, after] : transfers) {
    adf_standby_freq = standby;
    EXPECT_EQ(click(kAdfTransfer), sent);
    EXPECT_EQ(windows(), after);
  }
}

TEST_F(Radio, SelIsKeptPerReceiverAndModeLightsFollowTheSelection) {
  Events sent;
  for (int mode : {2, 4, 3, 2, 1}) {
    select(mode);
    const Events e = click(kSel);
    sent.insert(sent.end(), e.begin(), e.end());
  }
  EXPECT_EQ(sent, (Events{{0x10137, 1}, {0x1013B, 1}, {0x10138, 1}, {0x10137, 0}})) << "none for COM2";
  const char* lights[5] = {"100000", "010000", "001000", "000101", "000011"};  // modes 0-4, then SEL
  for (int mode = 0; mode < 5; ++mode) {
    select(mode);
    host().cycle(g_);
    EXPECT_EQ(lit(g_, {3, 4, 5, 6, 7, 8}), lights[mode]) << mode;
  }
  EXPECT_EQ(played(), Texts(15, kButton));
  EXPECT_EQ(adf_standby_freq, 2000U) << "mode changes leave the ADF standby alone";
  for (double position : {1.0, 0.0}) {
    cycle(g_, {{0x2E4, position}});
    EXPECT_EQ(value(g_, 9), position) << "the on/off switch shows the simulator's position";
  }
  EXPECT_EQ(click({195, 90}), (Events{{0x102F5, 0}}));
  EXPECT_EQ(played().back(), kClick);
}

class Xpndr : public Radios {
 protected:
  void SetUp() override {
    Radios::SetUp();
    open("XPNDR");
    host().set_var(0x26, 0x1200);
  }
  // Keys by their legend: '0'..'7', 'C' clear, 'I' IDENT, '<' and '>' the selector.
  void press(const char* keys) {
    const std::pair<char, std::pair<int, int>> kKeys[] = {
        {'1', {90, 33}}, {'2', {112, 33}}, {'3', {134, 33}}, {'4', {90, 53}},  {'5', {112, 53}}, {'6', {134, 53}},
        {'7', {90, 73}}, {'0', {112, 73}}, {'C', {134, 73}}, {'I', {176, 44}}, {'<', {21, 24}},  {'>', {46, 24}}};
    for (const char* k = keys; *k != '\0'; ++k) {
      const auto* key = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const auto& c) { return c.first == *k; });
      ASSERT_TRUE(key != std::end(kKeys) && host().click(g_, key->second.first, key->second.second)) << *k;
    }
  }
  // The IDENT light over n cycles, checking it is bright exactly while lit.
  std::string ident(int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
      host().cycle(g_);
      out += lit(g_, {3});
      EXPECT_EQ((el(g_, 3)->image_flags & kFlagBright) != 0, out.back() == '1') << "lit with IDENT alone";
    }
    return out;
  }
};

TEST_F(Xpndr, ClearedEntryShowsTheDigitsThenSendsTheCodeWithTheFourth) {
  std::string entry;
  for (const char* k : {">", "C2", "3", "4"}) {
    press(k);
    entry += shown(1) + "|";
  }
  EXPECT_EQ(entry, "1200|2   |23  |234 |");
  EXPECT_TRUE(host().events().empty());
  press("5");
  EXPECT_EQ(host().events(), (Events{{0x100B3, 0x2345}}));
  EXPECT_EQ(shown(1), "2345") << "back to the simulator's code";
  // A fifth digit waits for the clear key; then a new code goes out.
  press("6666");
  EXPECT_EQ(host().events().size(), 1U);
  EXPECT_EQ(std::string(xpndr_entry_digits, 4) + std::to_string(xpndr_entry_count), "23454");
  press("C7070");
  EXPECT_EQ(host().events().back(), (testhost::KeyEvent{0x100B3, 0x7070}));
  EXPECT_EQ(shown(1), "7070");
  // Without the clear key the digits are collected behind the current code.
  xpndr_entry_count = 0;
  press("177");
  EXPECT_EQ(shown(1), "7070");
  press("0");
  EXPECT_EQ(host().events().back(), (testhost::KeyEvent{0x100B3, 0x1770}));
}

TEST_F(Xpndr, OffHidesTheDisplayAndIdentLastsEighteenEvaluationsInXpdrOnly) {
  EXPECT_EQ(shown(1), "");
  EXPECT_TRUE(is_hidden(el(g_, 1)));
  press("C1234I");
  EXPECT_TRUE(host().events().empty());
  EXPECT_EQ(xpndr_entry_active + static_cast<int>(xpndr_entry_count), 0);
  EXPECT_EQ(ident(1), "0");
  EXPECT_EQ(played(), Texts(6, kButton));
  press(">");
  EXPECT_EQ(shown(1), "1200");
  EXPECT_FALSE(is_hidden(el(g_, 1)));
  host().set_var(0x26, 0xFFFFFFFF);
  EXPECT_EQ(shown(1), "ffff");
  // The selector stops at its ends, clicks only when it moves and tells the simulator nothing.
  world().sound.clear_calls();
  press(">><<<<");
  EXPECT_EQ(xpndr_mode, 0U);
  EXPECT_EQ(played(), Texts(3, kClick));
  EXPECT_TRUE(host().events().empty());
  press(">I");
  EXPECT_EQ(ident(1), "0") << "STBY has no IDENT";
  press(">I");
  EXPECT_EQ(ident(20), std::string(18, '1') + "00");
  press("I");
  ident(10);
  press("I");
  EXPECT_EQ(ident(19), std::string(18, '1') + "0") << "pressed again mid-way, it starts over";
  panel_lights_on = 1;
  host().cycle(g_);
  EXPECT_NE(el(g_, 3)->image_flags & kFlagBright, 0U);
}

class Audio : public Radios {
 protected:
  void SetUp() override {
    Radios::SetUp();
    open("Audio");
  }
  // Per element from the COM1 knob on, after one cycle: '1' for a picture
  // index of 1 and the bright bit set, '0' for neither; anything else shows.
  std::string icons() {
    host().cycle(g_);
    std::string out;
    for (size_t i = 1; i <= 8; ++i) {
      const bool bright = (el(g_, i)->image_flags & kFlagBright) != 0;
      out += value(g_, i) == 1.0 && bright ? '1' : value(g_, i) == 0.0 && !bright ? '0' : '?';
    }
    return out;
  }
};

TEST_F(Audio, ComKnobsAlwaysLeaveOneComSelected) {
  EXPECT_EQ(click({19, 81}), Events{}) << "nothing selected: nothing to keep";
  host().set_var(0x36A, 1);
  const std::tuple<int, Events, const char*> script[] = {
      {19, {{0x1039F, 0}}, "10"},                // COM1 alone stays
      {49, {{0x103A2, 1}}, "11"},                // COM2 added
      {19, {{0x103A0, 0}, {0x103A2, 0}}, "01"},  // COM1 dropped
      {49, {{0x103A0, 0}}, "01"},                // COM2 alone stays
      {19, {{0x103A2, 1}}, "11"},                // COM1 added
      {49, {{0x1039F, 0}, {0x103A2, 0}}, "10"},  // COM2 dropped
  };
  for (const auto& [x, sent, coms] : script) {
    EXPECT_EQ(click({x, 81}), sent) << x;
    EXPECT_EQ(icons().substr(0, 2), coms) << x;
  }
  EXPECT_EQ(played().size(), 7U);
}

TEST_F(Audio, ReceiverKnobsToggleVoiceAndResetSendTheirSequencesAndLightForSeventeenEvaluations) {
  for (const auto& [x, event] : {std::pair{79, 0x10132U}, {109, 0x10133U}, {139, 0x10136U}, {169, 0x103ADU}}) {
    EXPECT_EQ(click({x, 81}), (Events{{event, 0}}));
  }
  EXPECT_EQ(played(), Texts(4, kButton));
  set_vars({{0x36D, 1}, {0x371, 1}});
  for (size_t i = 0; i <= 8; ++i) {
    el(g_, i)->image_flags |= kFlagOnScreen;
  }
  EXPECT_EQ(icons(), "00100100");
  panel_lights_on = 1;
  host().cycle(g_);
  for (size_t i = 0; i <= 8; ++i) {
    EXPECT_EQ(el(g_, i)->image_flags & (kFlagBright | kFlagOnScreen), kFlagBright | (i != 0 ? kFlagOnScreen : 0)) << i;
  }
  const Events tail = {{0x10128, 0}, {0x10129, 0}, {0x1012C, 0}};
  auto with_tail = [&](Events head, testhost::KeyEvent last) {
    head.insert(head.end(), tail.begin(), tail.end());
    head.push_back(last);
    return head;
  };
  EXPECT_EQ(click({60, 51}), with_tail({{0x103A2, 1}}, {0x103AE, 0}));
  EXPECT_EQ(click({89, 51}), with_tail({{0x1039F, 0}, {0x103A2, 0}}, {0x103AE, 1}));
  EXPECT_EQ(click({89, 51}), with_tail({{0x1039F, 0}}, {0x103AE, 1}));
  // VOICE pressed once, RESET pressed again after 10 evaluations; the panel lights off.
  panel_lights_on = 0;
  click({60, 51});
  std::string voice, reset;
  for (int i = 0; i < 30; ++i) {
    if (i == 10) {
      click({89, 51});
    }
    const std::string shown_icons = icons();
    voice += shown_icons[6];
    reset += shown_icons[7];
  }
  EXPECT_EQ(voice, std::string(17, '1') + std::string(13, '0'));
  EXPECT_EQ(reset, std::string(27, '1') + std::string(3, '0')) << "still lit from before, restarted by the new click";
}

}  // namespace
}  // namespace corvane::test
