// The overhead "Lights" panel through the test host: switch events and
// pictures, the landing light memo, the cabin signs.
#include "gauges/overhead/lights.h"

#include <cstring>
#include <string>
#include <vector>

#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

using Events = std::vector<testhost::KeyEvent>;

class Lights : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    seat_belt_sign = no_smoking_sign = landing_light_memo_posted = 0;
    host().install(gauge("Autopilot2"));  // loads the sounds
    g_ = gauge("Lights");
    world().sound.clear_calls();
  }
  // Pre-order: 1 STROBE ... 6, 7 LAND, 8 NOSE, 9 PANEL, 10 DOME, 11 SEAT BELTS, 12 NO SMOKING.
  double image(size_t index) {
    host().cycle(g_);
    return host().values(host().element(g_, index)).value[0];
  }
  int memo_lines() {
    int found = 0;
    for (int i = 0; i < kMessageLines; ++i) {
      found += ecam_message_used[i] != 0 && ecam_message_level[i] == 0 &&
               std::strcmp(ecam_messages[i], "LDG LIGHTS ON") == 0;
    }
    return found;
  }
  GaugeHeader* g_ = nullptr;
};

TEST_F(Lights, EachSwitchSendsItsTogglesAndShowsTheSimulatorsLight) {
  struct Switch {
    int x, y;
    size_t icon;
    uint32_t token;
    Events events;
  };
  const std::vector<Switch> switches = {
      {30, 30, 1, 0xB, {{0x10018, 0}}},    {63, 30, 2, 0x170, {{0x102BF, 0}}},
      {98, 30, 3, 0x26D, {{0x1034A, 0}}},  {132, 30, 4, 0x26B, {{0x1034B, 0}, {0x10348, 0}}},
      {25, 70, 5, 0x26E, {{0x10349, 0}}},  {80, 65, 7, 0xE, {{0x100D7, 0}}},
      {130, 70, 8, 0x171, {{0x102C0, 0}}}, {220, 30, 9, 0xA, {{0x100D6, 0}}},
  };
  for (const Switch& s : switches) {
    host().clear_events();
    world().sound.clear_calls();
    ASSERT_TRUE(host().click(g_, s.x, s.y)) << s.icon;
    EXPECT_EQ(host().events(), s.events) << s.icon;
    EXPECT_EQ(world().sound.played(), std::vector<std::string>{"Sound\\Brisvalen_CLICK.wav"});
    EXPECT_EQ(image(s.icon), 0.0) << "the picture is the simulator's light, not the click";
    host().set_var(s.token, 1.0);
    EXPECT_EQ(image(s.icon), 1.0) << s.icon;
    host().set_var(s.token, 0.0);
  }
  EXPECT_EQ(image(10), 0.0) << "DOME is a fixed picture";
  EXPECT_FALSE(host().click(g_, 180, 30)) << "the APU section is painted only";
}

TEST_F(Lights, LandingLightMemoFollowsTheSimulatorWhoeverSwitches) {
  host().set_var(0xE, 1.0);  // switched from the keyboard
  image(6);
  EXPECT_EQ(memo_lines(), 1);
  image(6);
  EXPECT_EQ(memo_lines(), 1) << "both LAND icons run the rule; posted once";
  host().set_var(0xE, 0.5);
  image(6);
  EXPECT_EQ(memo_lines(), 0) << "any value but 1.0 removes it";

  host().on_event = [](testhost::TestHost& h, const testhost::KeyEvent& e) {
    if (e.id == 0x100D7) {
      h.set_var(0xE, h.var(0xE) == 1.0 ? 0.0 : 1.0);
    }
  };
  host().set_var(0xE, 0.0);
  host().click(g_, 80, 65);
  EXPECT_EQ(image(6), 1.0);
  EXPECT_EQ(memo_lines(), 1);
  host().click(g_, 100, 65);
  EXPECT_EQ(image(7), 0.0);
  EXPECT_EQ(memo_lines(), 0);
}

TEST_F(Lights, CabinSignsAreModuleFlagsWithTwoSounds) {
  host().click(g_, 220, 70);
  EXPECT_EQ(seat_belt_sign, 1);
  EXPECT_EQ(world().sound.played(), (std::vector<std::string>{"Sound\\Button_Press.wav", "Sound\\Brisvalen_SIGN.wav"}));
  EXPECT_EQ(image(11), 1.0);
  EXPECT_EQ(image(12), 0.0);
  no_smoking_sign = 7;  // anything but 0 switches off
  host().click(g_, 285, 70);
  EXPECT_EQ(no_smoking_sign, 0);
  host().click(g_, 285, 70);
  EXPECT_EQ(image(12), 1.0);
  host().click(g_, 220, 70);
  EXPECT_EQ(image(11), 0.0);
  EXPECT_TRUE(host().events().empty()) << "the simulator has no cabin signs";
}

}  // namespace
}  // namespace corvane::test
