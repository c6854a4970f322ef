// The "XPNDR" gauge through the test host: the selector, code entry on the
// keypad, the code going out in BCD with the fourth digit, and IDENT.
#include "gauges/radio/xpndr.h"

#include <algorithm>
#include <cstring>

#include "module/elements.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

using testhost::KeyEvent;

class Xpndr : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    xpndr_mode = 0;
    xpndr_entry_active = 0;
    xpndr_entry_count = 0;
    std::memset(xpndr_entry_digits, 0, sizeof xpndr_entry_digits);
    xpndr_ident_on = 0;
    xpndr_ident_ticks = 0;
    host().install(gauge("Autopilot2"));  // loads the sounds
    xpndr_ = gauge("XPNDR");
    host().install(xpndr_);
    host().on_event = [](testhost::TestHost& h, const KeyEvent& e) {
      if (e.id == 0x100B3) {
        h.set_var(0x26, e.value);
      }
    };
    host().set_var(0x26, 0x1200);
    world().sound.clear_calls();
  }
  // Keys by their legend: '0'..'7', 'C' clear, 'I' IDENT, '<' and '>' the selector.
  void press(const char* keys) {
    struct Key {
      char legend;
      int x, y;
    };
    static constexpr Key kKeys[] = {{'1', 90, 33},  {'2', 112, 33}, {'3', 134, 33}, {'4', 90, 53},
                                    {'5', 112, 53}, {'6', 134, 53}, {'7', 90, 73},  {'0', 112, 73},
                                    {'C', 134, 73}, {'I', 176, 44}, {'<', 21, 24},  {'>', 46, 24}};
    for (const char* k = keys; *k != '\0'; ++k) {
      const Key* key = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const Key& c) { return c.legend == *k; });
      ASSERT_NE(key, std::end(kKeys)) << *k;
      ASSERT_TRUE(host().click(xpndr_, key->x, key->y)) << *k;
    }
  }
  std::string shown() {
    host().cycle(xpndr_);
    return host().text(host().element(xpndr_, 1));
  }
  bool hidden() { return is_hidden(host().element(xpndr_, 1)); }
  double ident() {
    host().cycle(xpndr_);
    return host().values(host().element(xpndr_, 3)).value[0];
  }

  GaugeHeader* xpndr_ = nullptr;
};

TEST_F(Xpndr, ClearedEntryShowsTheDigitsThenSendsTheCodeWithTheFourth) {
  press(">");
  EXPECT_EQ(shown(), "1200");
  press("C2");
  EXPECT_EQ(shown(), "2   ");
  press("3");
  EXPECT_EQ(shown(), "23  ");
  press("4");
  EXPECT_EQ(shown(), "234 ");
  EXPECT_TRUE(host().events().empty());
  press("5");
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{0x100B3, 0x2345}}));
  EXPECT_EQ(shown(), "2345") << "back to the simulator's code";

  // A fifth digit waits for the clear key; then a new code goes out.
  press("6666");
  EXPECT_EQ(host().events().size(), 1U);
  EXPECT_EQ(std::string(xpndr_entry_digits, 4), "2345");
  EXPECT_EQ(xpndr_entry_count, 4U);
  press("C7070");
  EXPECT_EQ(host().events().back(), (KeyEvent{0x100B3, 0x7070}));
  EXPECT_EQ(shown(), "7070");

  // Without the clear key the digits are collected behind the current code.
  xpndr_entry_count = 0;
  press("177");
  EXPECT_EQ(shown(), "7070");
  press("0");
  EXPECT_EQ(host().events().back(), (KeyEvent{0x100B3, 0x1770}));
}

TEST_F(Xpndr, OffHidesTheDisplayAndTheKeysOnlySound) {
  EXPECT_EQ(shown(), "");
  EXPECT_TRUE(hidden());
  press("C1234I");
  EXPECT_TRUE(host().events().empty());
  EXPECT_EQ(xpndr_entry_active, 0);
  EXPECT_EQ(xpndr_entry_count, 0U);
  EXPECT_EQ(ident(), 0.0);
  EXPECT_EQ(world().sound.played(), std::vector<std::string>(6, "Sound\\Button_Press.wav"));
  press(">");
  EXPECT_EQ(shown(), "1200");
  EXPECT_FALSE(hidden());
  host().set_var(0x26, 0xFFFFFFFF);
  EXPECT_EQ(shown(), "ffff");

  // The selector stops at its ends, clicks only when it moves and tells the simulator nothing.
  world().sound.clear_calls();
  press(">><<<<");
  EXPECT_EQ(xpndr_mode, 0U);
  EXPECT_EQ(world().sound.played(), std::vector<std::string>(3, "Sound\\Brisvalen_CLICK.wav"));
  EXPECT_TRUE(host().events().empty());
}

TEST_F(Xpndr, IdentLastsEighteenEvaluationsInXpdrOnlyAndLightsWithoutPanelLights) {
  press(">I");
  EXPECT_EQ(ident(), 0.0) << "STBY has no IDENT";
  press(">I");
  Element* light = host().element(xpndr_, 3);
  std::string pattern;
  for (int i = 0; i < 20; ++i) {
    pattern += ident() != 0.0 ? '1' : '0';
    EXPECT_EQ((light->image_flags & kFlagBright) != 0, pattern.back() == '1') << i;
  }
  EXPECT_EQ(pattern, std::string(18, '1') + "00");

  // Pressed again mid-way, it starts over.
  press("I");
  for (int i = 0; i < 10; ++i) {
    ident();
  }
  press("I");
  for (int i = 0; i < 18; ++i) {
    ASSERT_EQ(ident(), 1.0) << i;
  }
  EXPECT_EQ(ident(), 0.0);
  panel_lights_on = 1;
  ident();
  EXPECT_NE(light->image_flags & kFlagBright, 0U);
}

}  // namespace
}  // namespace corvane::test
