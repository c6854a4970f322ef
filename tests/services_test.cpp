// The panel-lighting step and the cockpit sounds' load, play-or-reload and release.
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane::test {
namespace {

using testhost::SoundCall;

TEST(PanelLighting, FlipsTheBrightBitOncePerChangeAndClearsOnScreenOnlyThen) {
  Element e{};
  e.image_flags = 0x3 | kFlagOnScreen;
  panel_lights_on = 1;
  apply_panel_lighting(&e);
  EXPECT_EQ(e.image_flags, 0x3U | kFlagBright);
  e.image_flags |= kFlagOnScreen;  // the host redrew it
  apply_panel_lighting(&e);
  EXPECT_EQ(e.image_flags, 0x3U | kFlagBright | kFlagOnScreen) << "no change, no redraw";
  panel_lights_on = 0;
  apply_panel_lighting(&e);
  EXPECT_EQ(e.image_flags, 0x3U);
  e.image_flags |= kFlagOnScreen | kFlagHidden;
  apply_panel_lighting(&e);
  EXPECT_EQ(e.image_flags, 0x3U | kFlagOnScreen | kFlagHidden);
  // Any non-zero value of the flag counts as lit.
  panel_lights_on = 7;
  apply_panel_lighting(&e);
  EXPECT_EQ(e.image_flags, 0x3U | kFlagHidden | kFlagBright);
  panel_lights_on = 0;
}

TEST(PanelLighting, GaugeFormLightsTheRootOnly) {
  Element child{};
  Element* children[] = {&child, nullptr};
  Element root{};
  root.children = children;
  Element* list[] = {&root, nullptr};
  GaugeHeader g{};
  g.elements = list;
  panel_lights_on = 1;
  apply_panel_lighting(&g);
  EXPECT_EQ(root.image_flags, kFlagBright);
  EXPECT_EQ(child.image_flags, 0U);
  panel_lights_on = 0;
  apply_panel_lighting(&g);
  EXPECT_EQ(root.image_flags, 0U);
}

class PanelLights : public ModuleTest {};

TEST_F(PanelLights, EachGaugeLightsItsElementsAtUpdateOnly) {
  // One character per element in pre-order: 'x' follows the panel lights,
  // '.' never lights, '?' or past the end: not looked at; "*": every element.
  const std::pair<const char*, std::string> rows[] = {
      {"Baro", "xxx."},      {"Autopilot2", "*"},      {"FCU", "x..xxxxx"},    {"FD", "?xx"},
      {"Radio", "*"},        {"Throttle", "x..xx"},    {"Lights", "x"},        {"Heat", "*"},
      {"AC Elec", "*"},      {"Fuel Hyd", "*"},        {"Fire", "*"},          {"ADIRS", "*"},
      {"Landing Gear", "x"}, {"Gear Lever", "x"},      {"Parking Brake", "x"}, {"Spoilers", "x"},
      {"Flaps", "x"},        {"Engine Starters", "x"}, {"Rudder Trim", "x"},
  };
  for (const auto& [name, pattern] : rows) {
    SCOPED_TRACE(name);
    GaugeHeader* g = gauge(name);
    host().install(g);
    const std::vector<Element*> all = testhost::TestHost::elements(g);
    panel_lights_on = 1;
    host().draw(g);
    EXPECT_EQ(all[0]->image_flags & kFlagBright, 0U) << "not at draw";
    for (uint32_t on : {1U, 0U}) {
      panel_lights_on = on;
      host().cycle(g);
      for (size_t i = 0; i < all.size(); ++i) {
        const char c = pattern == "*" ? 'x' : i < pattern.size() ? pattern[i] : '?';
        if (c != '?') {
          EXPECT_EQ((all[i]->image_flags & kFlagBright) != 0, c == 'x' && on != 0) << i << " lights " << on;
        }
      }
    }
    host().kill(g);
  }
}

class Sounds : public ModuleTest {};

TEST_F(Sounds, SilentWithoutTheAutopilotPanelAndLoadedInTableOrderAtItsInstall) {
  play_sound(SOUND_CLICK);
  EXPECT_TRUE(world().sound.calls().empty());

  host().install(gauge("Autopilot2"));
  const auto& calls = world().sound.calls();
  ASSERT_EQ(calls.size(), 7U);
  const char* files[] = {"Sound\\Brisvalen_CLICK.wav",    "Sound\\Button_Press.wav",
                         "Sound\\Brisvalen_set_flap.wav", "Sound\\Brisvalen_Cavalry_Charge.wav",
                         "Sound\\Brisvalen_Clicker.wav",  "Sound\\Brisvalen_SIGN.wav",
                         "Sound\\Brisvalen_CHIME.wav"};
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(calls[i].kind, SoundCall::Kind::Load);
    EXPECT_EQ(calls[i].path, files[i]);
    EXPECT_EQ(sound_slots[i].loaded, 1U);
    EXPECT_EQ(sound_slots[i].sound, calls[i].handle);
  }
  play_sound(SOUND_CHIME);
  ASSERT_EQ(world().sound.calls().size(), 8U);
  EXPECT_EQ(world().sound.calls().back().kind, SoundCall::Kind::Play);
  EXPECT_EQ(world().sound.calls().back().path, files[6]);
  EXPECT_EQ(world().sound.calls().back().flags, 0U);
}

TEST_F(Sounds, AFailedPlayReloadsOnceAndAFailedReloadSilencesTheSlot) {
  host().install(gauge("Autopilot2"));
  world().sound.clear_calls();

  world().sound.failing_plays = 1;
  play_sound(SOUND_BUTTON);
  auto calls = world().sound.calls();
  ASSERT_EQ(calls.size(), 3U);
  EXPECT_EQ(calls[0].kind, SoundCall::Kind::Play);
  EXPECT_EQ(calls[0].result, 0);
  EXPECT_EQ(calls[1].kind, SoundCall::Kind::Load);
  EXPECT_EQ(calls[1].path, "Sound\\Button_Press.wav");
  EXPECT_EQ(calls[2].kind, SoundCall::Kind::Play);
  EXPECT_EQ(calls[2].result, 1);

  // The second attempt's result is ignored: no further retry.
  world().sound.clear_calls();
  world().sound.failing_plays = 2;
  play_sound(SOUND_BUTTON);
  EXPECT_EQ(world().sound.calls().size(), 3U);

  world().sound.clear_calls();
  world().sound.failing_plays = 1;
  world().sound.failing_loads.insert("Sound\\Button_Press.wav");
  play_sound(SOUND_BUTTON);
  EXPECT_EQ(world().sound.calls().size(), 2U);
  EXPECT_EQ(sound_slots[SOUND_BUTTON].loaded, 0U);
  world().sound.clear_calls();
  play_sound(SOUND_BUTTON);
  EXPECT_TRUE(world().sound.calls().empty());
  // Other slots are unaffected.
  play_sound(SOUND_CLICK);
  EXPECT_EQ(world().sound.played().size(), 1U);
}

TEST_F(Sounds, KillReleasesAllSevenAndALaterPlayReloads) {
  GaugeHeader* ap = gauge("Autopilot2");
  host().install(ap);
  world().sound.clear_calls();
  host().kill(ap);
  ASSERT_EQ(world().sound.calls().size(), 7U);
  for (const SoundCall& call : world().sound.calls()) {
    EXPECT_EQ(call.kind, SoundCall::Kind::Release);
  }
  EXPECT_EQ(sound_slots[SOUND_SIGN].loaded, 1U) << "release leaves the loaded values";
  world().sound.clear_calls();
  play_sound(SOUND_SIGN);
  EXPECT_EQ(world().sound.played(), std::vector<std::string>{"Sound\\Brisvalen_SIGN.wav"});
  EXPECT_EQ(world().sound.calls().size(), 3U);
}

TEST_F(Sounds, AMissingFileLeavesItsSlotSilentAtInstall) {
  world().sound.failing_loads.insert("Sound\\Brisvalen_Clicker.wav");
  host().install(gauge("Autopilot2"));
  EXPECT_EQ(sound_slots[SOUND_CLICKER].loaded, 0U);
  world().sound.clear_calls();
  play_sound(SOUND_CLICKER);
  EXPECT_TRUE(world().sound.calls().empty());
}

}  // namespace
}  // namespace corvane::test
