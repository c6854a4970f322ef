// The panel-lighting step and the cockpit sounds' load, play-or-reload and release.
#include "module/gauge_table.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane::test {
namespace {

using testhost::SoundCall;

TEST(PanelLighting, FlipsTheBrightBitOncePerChangeAndClearsOnScreenOnlyThen) {
  Element e{};
  e.image_flags = 0x3 | kFlagOnScreen;
  const struct {
    uint32_t lights, add, flags;
  } steps[] = {
      {1, 0, 0x3 | kFlagBright},
      {1, kFlagOnScreen, 0x3 | kFlagBright | kFlagOnScreen},  // no change, no redraw
      {0, 0, 0x3},
      {0, kFlagOnScreen | kFlagHidden, 0x3 | kFlagOnScreen | kFlagHidden},
      {7, 0, 0x3 | kFlagHidden | kFlagBright},  // any non-zero value counts as lit
  };
  for (const auto& s : steps) {
    panel_lights_on = s.lights;
    e.image_flags |= s.add;
    apply_panel_lighting(&e);
    EXPECT_EQ(e.image_flags, s.flags) << s.lights;
  }
  // The gauge form lights the root only.
  Element child{};
  Element* children[] = {&child, nullptr};
  Element root{};
  root.children = children;
  Element* list[] = {&root, nullptr};
  GaugeHeader g{};
  g.elements = list;
  apply_panel_lighting(&g);
  EXPECT_EQ(root.image_flags + child.image_flags, kFlagBright);
  panel_lights_on = 0;
}

TEST_F(ModuleTest, EachGaugeLightsItsElementsAtUpdateOnly) {
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

class Sounds : public ModuleTest {
 protected:
  std::string kinds() {
    std::string out;
    for (const SoundCall& c : world().sound.calls()) {
      out += c.kind == SoundCall::Kind::Load   ? 'L'
             : c.kind == SoundCall::Kind::Play ? (c.result != 0 ? 'P' : 'p')
                                               : 'R';
    }
    world().sound.clear_calls();
    return out;
  }
};

TEST_F(Sounds, LoadedInTableOrderAtTheAutopilotsInstallAndReleasedAtItsKill) {
  play_sound(SOUND_CLICK);
  EXPECT_EQ(kinds(), "") << "silent before the autopilot panel's install";
  GaugeHeader* ap = gauge("Autopilot2");
  host().install(ap);
  const auto& calls = world().sound.calls();
  const Texts files = {kClick, kButton, kFlapSound, kCavalry, kClicker, kSign, kChime};
  ASSERT_EQ(calls.size(), 7U);
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(calls[i].path, files[i]);
    EXPECT_EQ(sound_slots[i].sound, calls[i].handle);
  }
  EXPECT_EQ(kinds(), "LLLLLLL");
  play_sound(SOUND_CHIME);
  EXPECT_EQ(played(), Texts{kChime});
  EXPECT_EQ(world().sound.calls().back().flags, 0U);
  kinds();
  host().kill(ap);
  EXPECT_EQ(kinds(), "RRRRRRR");
  EXPECT_EQ(sound_slots[SOUND_SIGN].loaded, 1U) << "release leaves the loaded values";
  play_sound(SOUND_SIGN);
  EXPECT_EQ(played(), Texts{kSign});
  EXPECT_EQ(kinds(), "pLP") << "a later play reloads";
}

TEST_F(Sounds, AFailedPlayReloadsOnceAndAFailedLoadSilencesTheSlot) {
  world().sound.failing_loads.insert(kClicker);
  load_sounds();
  world().sound.failing_plays = 1;
  play_sound(SOUND_BUTTON);
  EXPECT_EQ(kinds(), "pLP");
  world().sound.failing_plays = 2;
  play_sound(SOUND_BUTTON);
  EXPECT_EQ(kinds(), "pLp") << "the second attempt's result is ignored";
  world().sound.failing_plays = 1;
  world().sound.failing_loads.insert(kButton);
  play_sound(SOUND_BUTTON);
  EXPECT_EQ(kinds(), "pL");
  EXPECT_EQ(sound_slots[SOUND_BUTTON].loaded + sound_slots[SOUND_CLICKER].loaded, 0U);
  play_sound(SOUND_BUTTON);
  play_sound(SOUND_CLICKER);
  play_sound(SOUND_CLICK);
  EXPECT_EQ(kinds(), "P") << "only the slot that loaded plays";
}

}  // namespace
}  // namespace corvane::test
