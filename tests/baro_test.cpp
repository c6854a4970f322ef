// The "Baro" gauge end to end through the test host: window texts, units,
// Std, blinking around 18000 ft, knob events and sounds, lighting.
#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

class Baro : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    host().install(gauge("Autopilot2"));  // loads the sounds
    baro_ = gauge("Baro");
    host().install(baro_);
    set_vars({{0x4B, 1013.0}, {0x4C, 29.92}});
    world().sound.clear_calls();
  }
  Element* text_element() { return host().element(baro_, 1); }
  std::string cycle_text() {
    host().cycle(baro_);
    return host().text(text_element());
  }
  bool hidden() { return (text_element()->image_flags & kFlagHidden) != 0; }
  std::vector<std::string> played() { return world().sound.played(); }

  GaugeHeader* baro_ = nullptr;
  const std::string click_ = "Sound\\Brisvalen_CLICK.wav";
  const std::string button_ = "Sound\\Button_Press.wav";
};

TEST_F(Baro, ShowsTheSettingInEitherUnitAndTheIconFollows) {
  EXPECT_EQ(cycle_text(), " 1013");
  host().set_var(0x4B, 998.6);
  EXPECT_EQ(cycle_text(), "  999");
  EXPECT_EQ(host().values(text_element()).value[0], 998.6);
  Element* icon = host().element(baro_, 2);
  EXPECT_EQ(host().values(icon).value[0], 0.0);

  EXPECT_TRUE(host().click(baro_, 5, 30));  // inHg
  EXPECT_EQ(baro_unit_inhg, 1U);
  EXPECT_EQ(played(), std::vector<std::string>{click_});
  EXPECT_EQ(cycle_text(), "29.92");
  EXPECT_EQ(host().values(icon).value[0], 1.0);
  host().set_var(0x4C, 30.006);
  EXPECT_EQ(cycle_text(), "30.01");

  // Selecting the unit already shown is silent.
  world().sound.clear_calls();
  host().click(baro_, 5, 30);
  EXPECT_TRUE(played().empty());
  host().click(baro_, 40, 30);  // hPa
  EXPECT_EQ(baro_unit_inhg, 0U);
  EXPECT_EQ(played(), std::vector<std::string>{click_});
  host().click(baro_, 40, 30);
  EXPECT_EQ(played().size(), 1U);

  // The needle reads the hPa token directly.
  Element* needle = host().element(baro_, 3);
  host().set_var(0x4B, 1002.0);
  host().evaluate(baro_);
  EXPECT_EQ(host().values(needle).value[0], 1002.0);
}

TEST_F(Baro, KnobStepsTheSettingUnlessStdHoldsIt) {
  host().click(baro_, 50, 50);
  host().click(baro_, 5, 50);
  EXPECT_EQ(host().events(), (std::vector<testhost::KeyEvent>{{0x1015B, 0}, {0x1015C, 0}}));
  EXPECT_EQ(played(), (std::vector<std::string>{button_, button_}));

  host().click(baro_, 30, 50);  // Std
  EXPECT_EQ(baro_std_selected, 1U);
  host().clear_events();
  world().sound.clear_calls();
  host().click(baro_, 50, 50);
  host().click(baro_, 5, 50);
  EXPECT_TRUE(host().events().empty());
  EXPECT_EQ(played().size(), 2U) << "the knob still clicks under Std";

  host().click(baro_, 30, 50);
  EXPECT_EQ(baro_std_selected, 0U);
  baro_std_selected = 5;  // anything but 0 toggles back to 0
  host().click(baro_, 30, 50);
  EXPECT_EQ(baro_std_selected, 0U);
}

TEST_F(Baro, StdHoldsTheSimulatorAtStandardOnEveryEvaluation) {
  host().click(baro_, 5, 30);  // inHg as well: Std wins
  host().click(baro_, 30, 50);
  host().set_var(0x4A, 20000.0);
  host().clear_events();
  EXPECT_EQ(cycle_text(), " Std ");
  EXPECT_EQ(host().values(text_element()).value[0], 1013.2);
  host().evaluate(baro_);
  EXPECT_EQ(host().events(), (std::vector<testhost::KeyEvent>{{0x101F8, 16211}, {0x101F8, 16211}}));
}

TEST_F(Baro, BlinksOnTheWrongSideOf18000WithAnEighteenEvaluationPeriod) {
  for (double altitude : {18000.0}) {
    host().set_var(0x4A, altitude);
    for (bool std_on : {false, true}) {
      baro_std_selected = std_on ? 1 : 0;
      for (int i = 0; i < 40; ++i) {
        cycle_text();
        ASSERT_FALSE(hidden()) << "exactly 18000 never blinks";
      }
    }
  }
  baro_std_selected = 0;
  host().set_var(0x4A, 18001.0);
  std::string pattern;
  for (int i = 0; i < 36; ++i) {
    cycle_text();
    pattern += hidden() ? 'h' : 'v';
  }
  EXPECT_EQ(pattern, "vvvvvvvvhhhhhhhhhvvvvvvvvvhhhhhhhhhv");

  // Leaving the condition mid-phase shows the text at once and restarts.
  for (int i = 0; i < 10; ++i) {
    cycle_text();
  }
  ASSERT_TRUE(hidden());
  host().set_var(0x4A, 17000.0);
  cycle_text();
  EXPECT_FALSE(hidden());
  host().set_var(0x4A, 18500.0);
  pattern.clear();
  for (int i = 0; i < 9; ++i) {
    cycle_text();
    pattern += hidden() ? 'h' : 'v';
  }
  EXPECT_EQ(pattern, "vvvvvvvvh");

  // Below 18000 it is Std that blinks.
  host().set_var(0x4A, 5000.0);
  cycle_text();
  EXPECT_FALSE(hidden());
  host().click(baro_, 30, 50);
  for (int i = 0; i < 9; ++i) {
    cycle_text();
  }
  EXPECT_TRUE(hidden());
}

TEST_F(Baro, ClicksOutsideEveryAreaDoNothing) {
  EXPECT_FALSE(host().click(baro_, 30, 30));
  EXPECT_FALSE(host().click(baro_, 58, 66));
  EXPECT_TRUE(host().events().empty());
  EXPECT_TRUE(world().sound.calls().empty());
}

}  // namespace
}  // namespace corvane::test
