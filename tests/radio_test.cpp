// The "Radio" gauge through the test host, with a simulator stand-in that tunes
// COM and NAV in 25 or 50 kHz steps, keeps two decimals in BCD as the real one
// does, and takes the ADF's complete frequency.
#include "gauges/radio/radio.h"

#include <algorithm>

#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

using testhost::KeyEvent;
using testhost::TestHost;

uint32_t to_bcd(int n) { return ((n / 1000 % 10) << 12) | ((n / 100 % 10) << 8) | ((n / 10 % 10) << 4) | (n % 10); }
int from_bcd(uint32_t b) { return ((b >> 12) & 15) * 1000 + ((b >> 8) & 15) * 100 + ((b >> 4) & 15) * 10 + (b & 15); }

struct SimReceiver {
  uint32_t active, standby, events[5];  // outer -, outer +, inner -, inner +, swap
  int low_mhz, high_mhz, step_khz;
};
const SimReceiver kReceivers[] = {
    {0x17, 0x269, {0x10064, 0x10065, 0x10066, 0x10067, 0x10344}, 118, 136, 25},
    {0x366, 0x367, {0x10384, 0x10385, 0x10386, 0x10388, 0x1038C}, 118, 136, 25},
    {0x18, 0x368, {0x10068, 0x10069, 0x1006A, 0x1006B, 0x10390}, 108, 117, 50},
    {0x1B, 0x369, {0x1006C, 0x1006D, 0x1006E, 0x1006F, 0x10394}, 108, 117, 50},
};

void simulator(TestHost& h, const KeyEvent& e) {
  if (e.id == 0x1024A || e.id == 0x1024B) {
    h.set_var(0x10, e.value >> 4);
    h.set_var(0x12, ((e.id == 0x1024B ? 1U : 0U) << 8) | (e.value & 15));
  }
  for (const SimReceiver& r : kReceivers) {
    const auto bcd = static_cast<uint32_t>(h.var(r.standby));
    int khz = 100000 + from_bcd(bcd) * 10 + ((bcd & 15) == 2 || (bcd & 15) == 7 ? 5 : 0);
    int mhz = khz / 1000;
    int fraction = khz % 1000;
    const int span = r.high_mhz - r.low_mhz + 1;
    if (e.id == r.events[0] || e.id == r.events[1]) {
      mhz = r.low_mhz + (mhz - r.low_mhz + span + (e.id == r.events[1] ? 1 : -1)) % span;
    } else if (e.id == r.events[2] || e.id == r.events[3]) {
      fraction = (fraction + 1000 + (e.id == r.events[3] ? r.step_khz : -r.step_khz)) % 1000;
    } else if (e.id == r.events[4]) {
      h.set_var(r.standby, h.var(r.active));
      h.set_var(r.active, bcd);
      return;
    } else {
      continue;
    }
    h.set_var(r.standby, to_bcd((mhz * 1000 + fraction) / 10 % 10000));
  }
}

class Radio : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    radio_mode = 0;
    adf_standby_freq = 2000;
    radio_sel_nav1 = radio_sel_nav2 = radio_sel_adf = 0;
    host().install(gauge("Autopilot2"));  // loads the sounds
    radio_ = gauge("Radio");
    host().install(radio_);
    host().on_event = simulator;
    world().sound.clear_calls();
  }
  void click(int x, int y) { ASSERT_TRUE(host().click(radio_, x, y)) << x << "," << y; }
  void select(int mode) { click(kModeButtons[mode][0], kModeButtons[mode][1]); }
  std::string shown(size_t index) {
    host().cycle(radio_);
    return host().text(host().element(radio_, index));
  }
  std::string active() { return shown(1); }
  std::string standby() { return shown(2); }
  double icon(size_t index) {
    host().cycle(radio_);
    return host().values(host().element(radio_, index)).value[0];
  }

  static constexpr int kModeButtons[5][2] = {{12, 53}, {74, 53}, {12, 35}, {43, 35}, {74, 35}};
  static constexpr int kOuterDown[2] = {151, 39}, kOuterUp[2] = {171, 39}, kInnerDown[2] = {151, 52},
                       kInnerUp[2] = {171, 52};
  GaugeHeader* radio_ = nullptr;
};

TEST_F(Radio, EachReceiverIsTunedThroughItsOwnEventsAndShownOnTheTwentyFiveKilohertzGrid) {
  // Start: outer +1 MHz, inner +1 step, then -2 steps wrapping within the MHz.
  const uint32_t starts[4] = {0x1800, 0x3000, 0x1000, 0x1795};
  const char* expected[4] = {"119.975", "131.975", "111.950", "108.900"};
  for (int mode = 0; mode < 4; ++mode) {
    select(mode);
    host().set_var(kReceivers[mode].standby, starts[mode]);
    host().set_var(kReceivers[mode].active, 0x2180);
    world().sound.clear_calls();
    for (const int* area : {kOuterUp, kInnerUp, kInnerDown, kInnerDown}) {
      click(area[0], area[1]);
    }
    EXPECT_EQ(standby(), expected[mode]) << mode;
    EXPECT_EQ(active(), "121.800") << mode;
    EXPECT_EQ(world().sound.played().size(), 4U);
    click(98, 10);  // transfer
    EXPECT_EQ(active(), expected[mode]) << mode;
    EXPECT_EQ(standby(), "121.800") << mode;
  }
  EXPECT_EQ(std::count(host().events().begin(), host().events().end(), KeyEvent{0x10388, 0}), 1);

  // The third decimal: x2 and x7 are the quarter channels, anything else ends in 0.
  select(0);
  const std::pair<uint32_t, const char*> grid[] = {
      {0x1802, "118.025"}, {0x1805, "118.050"}, {0x1807, "118.075"}, {0x1810, "118.100"}, {0x3697, "136.975"}};
  for (const auto& [bcd, text] : grid) {
    host().set_var(0x17, bcd);
    EXPECT_EQ(active(), text);
  }
}

TEST_F(Radio, AdfStandbyIsTunedByThePanelAndWrapsWithinItsBand) {
  select(4);
  host().clear_events();
  EXPECT_EQ(standby(), "0200.00");
  const struct {
    uint32_t from;
    const int* area;
    const char* to;
  } steps[] = {{1050, kOuterDown, "1695.00"}, {16950, kOuterUp, "0105.00"}, {1000, kInnerDown, "1699.50"},
               {16995, kInnerUp, "0100.00"},  {16999, kInnerUp, "0100.40"}, {16999, kInnerDown, "1699.40"},
               {1099, kOuterDown, "1699.90"}, {50, kOuterDown, "1595.00"}};
  for (const auto& step : steps) {
    adf_standby_freq = step.from;
    click(step.area[0], step.area[1]);
    EXPECT_EQ(standby(), step.to) << step.from;
  }
  EXPECT_TRUE(host().events().empty()) << "the ADF standby never reaches the simulator while tuned";
}

TEST_F(Radio, AdfTransferSendsTheStandbyInBcdAndKeepsTheOldActive) {
  EXPECT_EQ(adf_to_bcd(3425), 0x3425U);
  EXPECT_EQ(adf_to_bcd(12345), 0x2345U);
  EXPECT_EQ(adf_to_bcd(999), 0x0999U);

  select(4);
  host().set_var(0x10, 0x342);
  host().set_var(0x12, 0x005);
  EXPECT_EQ(active(), "0342.50");
  adf_standby_freq = 12345;
  host().clear_events();
  click(110, 20);
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{0x1024B, 0x2345}}));
  EXPECT_EQ(standby(), "0342.50");
  EXPECT_EQ(active(), "1234.50");

  adf_standby_freq = 3500;
  click(110, 20);
  EXPECT_EQ(host().events().back(), (KeyEvent{0x1024A, 0x3500}));
  EXPECT_EQ(adf_standby_freq, 12345U);
  EXPECT_EQ(active(), "0350.00");

  adf_standby_freq = 10000;  // 1000.0 kHz: the thousands travel in the event id
  click(110, 20);
  EXPECT_EQ(host().events().back(), (KeyEvent{0x1024B, 0x0000}));
  EXPECT_EQ(active(), "1000.00");
}

TEST_F(Radio, SelIsKeptPerReceiverAndModeLightsFollowTheSelection) {
  for (int mode : {2, 4, 3, 2}) {
    select(mode);
    click(50, 55);
  }
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{0x10137, 1}, {0x1013B, 1}, {0x10138, 1}, {0x10137, 0}}));
  const double sel_light[5] = {0, 0, 0, 1, 1};
  for (int mode = 0; mode < 5; ++mode) {
    select(mode);
    EXPECT_EQ(icon(8), sel_light[mode]) << mode;
    for (int light = 0; light < 5; ++light) {
      EXPECT_EQ(icon(3 + static_cast<size_t>(light)), light == mode ? 1.0 : 0.0) << mode << " " << light;
    }
  }
  host().clear_events();
  world().sound.clear_calls();
  select(1);
  click(50, 55);
  EXPECT_TRUE(host().events().empty());
  EXPECT_EQ(world().sound.played(), (std::vector<std::string>{"Sound\\Button_Press.wav", "Sound\\Button_Press.wav"}));
  EXPECT_EQ(adf_standby_freq, 2000U) << "mode changes leave the ADF standby alone";
}

TEST_F(Radio, OnOffSwitchShowsTheSimulatorsPositionAndClicks) {
  host().set_var(0x2E4, 1);
  EXPECT_EQ(icon(9), 1.0);
  host().set_var(0x2E4, 0);
  EXPECT_EQ(icon(9), 0.0);
  click(195, 90);
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{0x102F5, 0}}));
  EXPECT_EQ(world().sound.played(), std::vector<std::string>{"Sound\\Brisvalen_CLICK.wav"});
}

TEST_F(Radio, HostileValuesStayInSevenCharacters) {
  for (uint32_t token : {0x17U, 0x269U, 0x10U, 0x12U}) {
    host().set_var(token, 0xFFFFFFFF);
  }
  adf_standby_freq = 0xFFFFFFFF;
  select(0);
  EXPECT_EQ(active(), "11515.1");
  select(4);
  EXPECT_EQ(active().size(), 7U);
  EXPECT_EQ(standby(), "4294967");
}

}  // namespace
}  // namespace corvane::test
