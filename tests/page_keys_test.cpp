// The "Page Keys" ECAM control panel through the test host: key lights and
// the INTEG LT knob, each key's action, the acknowledge step and its sounds,
// and the battery cutting the integral lighting.
#include "sd_fixture.h"

namespace corvane::test {
namespace {

class PageKeys : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    reset_sd_state();
    load_all_sounds();
    keys_ = gauge("Page Keys");
    world().sound.clear_calls();
  }
  void press(int x, int y) { ASSERT_TRUE(host().click(keys_, x, y)); }
  std::vector<std::string> played() { return world().sound.played(); }
  double image(size_t index) { return host().values(host().element(keys_, index)).value[0]; }

  GaugeHeader* keys_ = nullptr;
  const std::string button_ = "Sound\\Button_Press.wav";
};

TEST_F(PageKeys, KeysShowTheirPagesAndLightTheirLights) {
  // Click point of ENG, ELEC, HYD, FUEL, DOOR, WHEEL, F/CTL: pages 1 to 7,
  // lit by elements 2 to 8.
  const int keys[][2] = {{60, 36}, {140, 36}, {168, 36}, {195, 36}, {114, 56}, {141, 56}, {168, 56}};
  for (int page = 1; page <= 7; ++page) {
    sd_page = 0;
    press(keys[page - 1][0], keys[page - 1][1]);
    EXPECT_EQ(sd_page, page);
    host().evaluate(keys_);
    for (int light = 1; light <= 7; ++light) {
      EXPECT_EQ(image(static_cast<size_t>(light) + 1), light == page ? 1.0 : 0.0) << page << " " << light;
    }
  }
  // ENG and F/CTL alternate with CRUISE, which lights no key.
  press(60, 36);
  press(60, 36);
  EXPECT_EQ(sd_page, 8);
  press(168, 56);
  press(168, 56);
  EXPECT_EQ(sd_page, 8);
  host().evaluate(keys_);
  for (size_t i = 2; i <= 8; ++i) {
    EXPECT_EQ(image(i), 0.0);
  }
  press(60, 36);
  EXPECT_EQ(sd_page, 1);
  EXPECT_TRUE(host().events().empty()) << "the panel sends no key event";
}

TEST_F(PageKeys, AcknowledgeTurnsActiveAlertsIntoAcknowledgedAndHoldsThePage) {
  sd_all_cycling = 1;
  press(195, 36);
  EXPECT_EQ(sd_manual_hold, 0) << "nothing to acknowledge";
  EXPECT_EQ(sd_all_cycling, 0) << "a page key stops ALL";

  fuel_tank_low_alert = vacuum_alert = engine_off_alert = 1;
  fob_low_alert = 2;
  press(141, 56);
  EXPECT_EQ(fuel_tank_low_alert + vacuum_alert + engine_off_alert + fob_low_alert, 8);
  EXPECT_EQ(oil_pressure_alert + hydraulics_alert + elec_failure_alert, 0);
  EXPECT_EQ(sd_manual_hold, 1);

  // ALL toggles without acknowledging.
  hydraulics_alert = 1;
  press(195, 56);
  EXPECT_EQ(sd_all_cycling, 1);
  EXPECT_EQ(hydraulics_alert, 1);
  press(195, 56);
  EXPECT_EQ(sd_all_cycling, 0);
  EXPECT_EQ(played(), std::vector<std::string>(4, button_));
}

TEST_F(PageKeys, EmerCancToConfigAndClr) {
  oil_pressure_alert = 1;
  press(168, 16);
  EXPECT_EQ(master_warning_ack, 1);
  EXPECT_EQ(oil_pressure_alert, 2);
  EXPECT_EQ(played(), std::vector<std::string>{button_}) << "no warning: no clicker";
  world().sound.clear_calls();
  master_warning = 1;
  press(168, 16);
  EXPECT_EQ(played(), (std::vector<std::string>{button_, "Sound\\Brisvalen_Clicker.wav"}));

  world().sound.clear_calls();
  press(87, 16);  // airborne: only the click
  EXPECT_EQ(ecam_phase, 0);
  host().set_var(0x3C, 1.0);
  press(87, 16);
  EXPECT_EQ(ecam_phase, 1);

  sd_flight_state = 6;
  hydraulics_alert = 1;
  press(60, 76);
  EXPECT_EQ(ecam_phase, 0);
  EXPECT_EQ(sd_flight_state, 0);
  EXPECT_EQ(hydraulics_alert, 2);
  EXPECT_EQ(sd_manual_hold, 0) << "CLR clears the hold its own acknowledge set";
  EXPECT_EQ(played(), std::vector<std::string>(4, button_)) << "CLR clicks twice";
}

TEST_F(PageKeys, IntegLtKnobSwitchesTheLightsWhileTheBatteryIsOn) {
  Element* background = host().element(keys_, 0);
  Element* knob = host().element(keys_, 1);
  Element* eng_light = host().element(keys_, 2);
  host().set_var(0x16C, 1.0);
  press(30, 30);
  EXPECT_EQ(played(), std::vector<std::string>{"Sound\\Brisvalen_CLICK.wav"});
  host().cycle(keys_);
  EXPECT_EQ(image(1), 1.0);
  EXPECT_NE(background->image_flags & eng_light->image_flags & kFlagBright, 0U);
  EXPECT_EQ(knob->image_flags & kFlagBright, 0U) << "the knob is not lit";

  host().set_var(0x16C, 0.0);
  host().cycle(keys_);
  EXPECT_EQ(panel_lights_on, 0U);
  EXPECT_NE(background->image_flags & kFlagBright, 0U) << "lit before the battery check: dark one update later";
  host().cycle(keys_);
  EXPECT_EQ((background->image_flags | eng_light->image_flags) & kFlagBright, 0U);
  press(30, 30);
  EXPECT_EQ(panel_lights_on, 1U);
  host().update(keys_);
  EXPECT_EQ(panel_lights_on, 0U);
}

}  // namespace
}  // namespace corvane::test
