// "Engine Starters" through the test host: the selector's stops and restart
// quirk, the master switches, and the start sequence from idle to both engines
// running with its starter-held events, hand-over event and chime.
#include "gauges/controls/engine_starters.h"

#include <string>
#include <vector>

#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane::test {
namespace {

using testhost::KeyEvent;

constexpr uint32_t kHold1 = 0x102FC;
constexpr uint32_t kHold2 = 0x102FD;
constexpr uint32_t kEngine1Started = 0x10187;

class EngineStarters : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    eng_mode_selector = 1;
    eng_start_state = 0;
    load_all_sounds();
    starters_ = gauge("Engine Starters");
    host().install(starters_);
    world().sound.clear_calls();
  }
  void left() { ASSERT_TRUE(host().click(starters_, 60, 30)); }
  void right() { ASSERT_TRUE(host().click(starters_, 90, 30)); }
  double selector_picture() {
    host().evaluate(starters_);
    return host().values(host().element(starters_, 3)).value[0];
  }
  size_t played(const char* path) {
    size_t n = 0;
    for (const std::string& p : world().sound.played()) {
      n += p == path ? 1 : 0;
    }
    return n;
  }
  size_t clicks() { return played("Sound\\Brisvalen_CLICK.wav"); }
  size_t chimes() { return played("Sound\\Brisvalen_CHIME.wav"); }
  void updates(int n) {
    for (int i = 0; i < n; ++i) {
      host().update(starters_);
    }
  }
  std::vector<KeyEvent> repeated(uint32_t id, size_t n) { return std::vector<KeyEvent>(n, KeyEvent{id, 0}); }

  GaugeHeader* starters_ = nullptr;
};

TEST_F(EngineStarters, SelectorStopsAtItsEndsSilentlyAndRestartsAnIdleSequenceAtStart) {
  EXPECT_EQ(selector_picture(), 1.0);
  left();
  EXPECT_EQ(selector_picture(), 0.0);
  left();
  EXPECT_EQ(eng_mode_selector, 0U);
  EXPECT_EQ(clicks(), 1U);

  right();
  EXPECT_EQ(eng_start_state, 0) << "centre does not start anything";
  right();
  EXPECT_EQ(selector_picture(), 2.0);
  EXPECT_EQ(eng_start_state, 1);
  EXPECT_EQ(clicks(), 3U);

  // Against the stop: no sound, no change while a start runs...
  eng_start_state = 2;
  right();
  EXPECT_EQ(eng_start_state, 2);
  // ...but an idle sequence starts again.
  eng_start_state = 0;
  right();
  EXPECT_EQ(eng_start_state, 1);
  EXPECT_EQ(eng_mode_selector, 2U);
  EXPECT_EQ(clicks(), 3U);

  // Turning away from start does not stop the sequence.
  left();
  EXPECT_EQ(eng_start_state, 1);
  EXPECT_TRUE(host().events().empty()) << "the handlers themselves send nothing";
}

TEST_F(EngineStarters, StartsEngineOneThenTwoAndReturnsTheSelectorWithAChime) {
  updates(3);
  EXPECT_TRUE(host().events().empty()) << "idle does nothing";

  right();
  right();
  ASSERT_EQ(eng_start_state, 1);
  // Every call holds the starter, whatever its stage; the masters are never asked.
  updates(3);
  host().draw(starters_);
  EXPECT_EQ(host().events(), repeated(kHold1, 4));

  set_vars({{0x270, 59.9}, {0x271, 21.0}});
  updates(1);
  EXPECT_EQ(host().events().size(), 5U);
  EXPECT_EQ(eng_start_state, 1);

  host().set_var(0x270, 60.0);
  host().clear_events();
  updates(1);
  EXPECT_EQ(host().events(), repeated(kEngine1Started, 1));
  EXPECT_EQ(eng_start_state, 2);

  host().clear_events();
  updates(2);
  set_vars({{0x283, 59.99}, {0x284, 21.0}});
  updates(1);
  EXPECT_EQ(host().events(), repeated(kHold2, 3));
  EXPECT_EQ(selector_picture(), 2.0);
  EXPECT_EQ(chimes(), 0U);

  host().set_var(0x283, 60.0);
  host().clear_events();
  updates(1);
  EXPECT_TRUE(host().events().empty());
  EXPECT_EQ(eng_start_state, 0);
  EXPECT_EQ(selector_picture(), 1.0);
  EXPECT_EQ(chimes(), 1U);
  updates(5);
  EXPECT_TRUE(host().events().empty());
  EXPECT_EQ(chimes(), 1U);
}

TEST_F(EngineStarters, CompletionByN2HandsOverButOnlyEngineTwosN1Chimes) {
  // Engine 1 already turning: straight to engine 2 on the first call.
  host().set_var(0x271, 21.5);
  right();
  right();
  host().call(starters_, 7);
  EXPECT_EQ(host().events(), repeated(kEngine1Started, 1));
  EXPECT_EQ(eng_start_state, 2);

  host().set_var(0x284, 21.01);
  host().clear_events();
  updates(1);
  EXPECT_TRUE(host().events().empty());
  EXPECT_EQ(eng_start_state, 0);
  EXPECT_EQ(eng_mode_selector, 1U);
  EXPECT_EQ(chimes(), 0U);
}

TEST_F(EngineStarters, MasterSwitchesToggleFromTheSimulatorsPosition) {
  const struct {
    int x;
    uint32_t token;
    double position;
    uint32_t event;
  } cases[] = {
      {20, 0x230, 0.0, 0x101BF},  {20, 0x230, 1.0, 0x101C3},  {20, 0x230, 0.01, 0x101C3},
      {130, 0x23A, 0.0, 0x101C4}, {130, 0x23A, 1.0, 0x101C8}, {130, 0x23A, -1.0, 0x101C4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.event);
    set_vars({{0x230, 0.0}, {0x23A, 0.0}, {c.token, c.position}});
    host().clear_events();
    ASSERT_TRUE(host().click(starters_, c.x, 20));
    EXPECT_EQ(host().events(), repeated(c.event, 1));
  }
  EXPECT_EQ(clicks(), 6U);
}

}  // namespace
}  // namespace corvane::test
