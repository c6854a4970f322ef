// The "Audio" gauge through the test host, with a simulator stand-in for the
// COM transmit selection and the both-receivers setting.
#include "gauges/radio/audio.h"

#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

using testhost::KeyEvent;
using Events = std::vector<KeyEvent>;

class Audio : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    audio_voice_lit = audio_voice_ticks = audio_reset_lit = audio_reset_ticks = 0;
    host().install(gauge("Autopilot2"));  // loads the sounds
    audio_ = gauge("Audio");
    host().install(audio_);
    host().on_event = [](testhost::TestHost& h, const KeyEvent& e) {
      if (e.id == 0x1039F || e.id == 0x103A0) {
        h.set_var(0x36A, e.id == 0x1039F ? 1 : 0);
        h.set_var(0x36B, e.id == 0x103A0 ? 1 : 0);
      } else if (e.id == 0x103A2) {
        h.set_var(0x36C, e.value);
      }
    };
    world().sound.clear_calls();
  }
  // Clicks one area and hands back the events it sent.
  Events click(int x, int y) {
    host().clear_events();
    EXPECT_TRUE(host().click(audio_, x, y));
    return host().events();
  }
  // Image indexes of the elements after one cycle, from the COM1 knob on.
  std::vector<double> icons() {
    host().cycle(audio_);
    std::vector<double> out;
    for (size_t i = 1; i <= 8; ++i) {
      out.push_back(host().values(host().element(audio_, i)).value[0]);
    }
    return out;
  }
  bool lit(size_t index) { return (host().element(audio_, index)->image_flags & kFlagBright) != 0; }

  GaugeHeader* audio_ = nullptr;
};

TEST_F(Audio, ComKnobsAlwaysLeaveOneComSelected) {
  EXPECT_TRUE(click(19, 81).empty()) << "nothing selected: nothing to keep";
  host().set_var(0x36A, 1);
  const struct {
    int x;
    Events sent;
    double com1, com2;
  } script[] = {
      {19, {{0x1039F, 0}}, 1, 0},                // COM1 alone stays
      {49, {{0x103A2, 1}}, 1, 1},                // COM2 added
      {19, {{0x103A0, 0}, {0x103A2, 0}}, 0, 1},  // COM1 dropped
      {49, {{0x103A0, 0}}, 0, 1},                // COM2 alone stays
      {19, {{0x103A2, 1}}, 1, 1},                // COM1 added
      {49, {{0x1039F, 0}, {0x103A2, 0}}, 1, 0},  // COM2 dropped
  };
  for (const auto& step : script) {
    EXPECT_EQ(click(step.x, 81), step.sent) << step.x;
    const std::vector<double> shown = icons();
    EXPECT_EQ(shown[0], step.com1);
    EXPECT_EQ(shown[1], step.com2);
    EXPECT_EQ(lit(1), step.com1 != 0);
    EXPECT_EQ(lit(2), step.com2 != 0);
  }
  EXPECT_EQ(world().sound.played().size(), 7U);
}

TEST_F(Audio, ReceiverKnobsToggleAndLightWithoutForcingARedraw) {
  const std::pair<int, uint32_t> knobs[] = {{79, 0x10132}, {109, 0x10133}, {139, 0x10136}, {169, 0x103AD}};
  for (const auto& [x, event] : knobs) {
    EXPECT_EQ(click(x, 81), (Events{{event, 0}}));
  }
  EXPECT_EQ(world().sound.played(), std::vector<std::string>(4, "Sound\\Button_Press.wav"));

  host().set_var(0x36D, 1);
  host().set_var(0x371, 1);
  for (size_t i = 0; i <= 8; ++i) {
    host().element(audio_, i)->image_flags |= kFlagOnScreen;
  }
  EXPECT_EQ(icons(), (std::vector<double>{0, 0, 1, 0, 0, 1, 0, 0}));
  for (size_t i = 1; i <= 8; ++i) {
    EXPECT_EQ(lit(i), i == 3 || i == 6) << i;
  }
  panel_lights_on = 1;
  icons();
  for (size_t i = 0; i <= 8; ++i) {
    EXPECT_TRUE(lit(i)) << i;
    EXPECT_EQ((host().element(audio_, i)->image_flags & kFlagOnScreen) != 0, i != 0) << i;
  }
}

TEST_F(Audio, VoiceAndResetSendTheirSequencesAndLightForSeventeenEvaluations) {
  EXPECT_EQ(click(60, 51), (Events{{0x103A2, 1}, {0x10128, 0}, {0x10129, 0}, {0x1012C, 0}, {0x103AE, 0}}));
  EXPECT_EQ(click(89, 51),
            (Events{{0x1039F, 0}, {0x103A2, 0}, {0x10128, 0}, {0x10129, 0}, {0x1012C, 0}, {0x103AE, 1}}));
  EXPECT_EQ(click(89, 51), (Events{{0x1039F, 0}, {0x10128, 0}, {0x10129, 0}, {0x1012C, 0}, {0x103AE, 1}}));

  // VOICE pressed once, RESET pressed again after 10 evaluations.
  click(60, 51);
  std::string voice, reset;
  for (int i = 0; i < 30; ++i) {
    if (i == 10) {
      click(89, 51);
    }
    const std::vector<double> shown = icons();
    voice += shown[6] != 0 ? '1' : '0';
    reset += shown[7] != 0 ? '1' : '0';
    EXPECT_EQ(lit(7), shown[6] != 0);
    EXPECT_EQ(lit(8), shown[7] != 0);
  }
  EXPECT_EQ(voice, std::string(17, '1') + std::string(13, '0'));
  // Still lit from the clicks above, restarted at 18 by the new click.
  EXPECT_EQ(reset, std::string(27, '1') + std::string(3, '0'));
}

}  // namespace
}  // namespace corvane::test
