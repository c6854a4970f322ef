// "Spoilers" and "Flaps" through the test host: the lever steps and their end
// stops, the flap-lever sound on accepted clicks only, the automatic ground
// spoiler extension, and the lever pictures.
#include <string>
#include <vector>

#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane::test {
namespace {

using testhost::KeyEvent;

constexpr uint32_t kSetHandle = 0x100FA;
constexpr uint32_t kArm = 0x10212;
constexpr uint32_t kDisarm = 0x10213;
constexpr uint32_t kExtend = 0x10210;
constexpr uint32_t kFlapsDown = 0x100DE;
constexpr uint32_t kFlapsUp = 0x100DF;

class LeverTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    takeoff_flag = 0;
    flap_position_count = 0;
    flap_step_count = 0;
    load_all_sounds();
    world().sound.clear_calls();
  }
  size_t flap_sounds() {
    size_t n = 0;
    for (const std::string& path : world().sound.played()) {
      n += path == "Sound\\Brisvalen_set_flap.wav" ? 1 : 0;
    }
    return n;
  }
  static uint32_t as_value(int v) { return static_cast<uint32_t>(v); }
};

class Spoilers : public LeverTest {
 protected:
  void SetUp() override {
    LeverTest::SetUp();
    spoilers_ = gauge("Spoilers");
    host().install(spoilers_);
    host().on_event = [](testhost::TestHost& h, const KeyEvent& e) {
      if (e.id == kSetHandle) {
        h.set_var(0x145, static_cast<int32_t>(e.value));
      } else if (e.id == kArm) {
        h.set_var(0x144, 1.0);
      } else if (e.id == kDisarm) {
        h.set_var(0x144, 0.0);
      }
    };
    host().clear_events();
  }
  void lever_down() { ASSERT_TRUE(host().click(spoilers_, 40, 80)); }
  void lever_up() { ASSERT_TRUE(host().click(spoilers_, 40, 20)); }
  double lever_value() {
    Element* slider = host().element(spoilers_, 1);
    host().evaluate(spoilers_);
    return host().values(slider).value[1];
  }
  GaugeHeader* spoilers_ = nullptr;
};

TEST_F(Spoilers, LeverStepsThroughItsDetentsBothWaysThenArms) {
  for (int i = 0; i < 5; ++i) {
    lever_down();
  }
  EXPECT_EQ(host().events(),
            (std::vector<KeyEvent>{{kSetHandle, 8283}, {kSetHandle, 10983}, {kSetHandle, 13683}, {kSetHandle, 16383}}));
  EXPECT_EQ(flap_sounds(), 4U) << "the click against the stop is silent";
  EXPECT_EQ(lever_value(), 16383.0);

  host().clear_events();
  for (int i = 0; i < 5; ++i) {
    lever_up();
  }
  EXPECT_EQ(host().events(),
            (std::vector<KeyEvent>{
                {kSetHandle, 13683}, {kSetHandle, 10983}, {kSetHandle, 8283}, {kSetHandle, 0}, {kArm, 0}}));
  EXPECT_EQ(flap_sounds(), 9U);
  // ARM shows 10 pixels above retracted, whatever the handle says.
  const double scale = reinterpret_cast<SliderElement*>(host().element(spoilers_, 1))->y_scale;
  EXPECT_NEAR(lever_value() * scale, -10.0, 1e-9);
  EXPECT_NEAR(16383.0 * scale, 42.0, 0.05);
  host().set_var(0x145, 5000.0);
  EXPECT_NEAR(lever_value() * scale, -10.0, 1e-9);

  // Armed: below disarms and nothing else; above arms again.
  host().clear_events();
  lever_down();
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{kDisarm, 0}}));
  EXPECT_EQ(host().var(0x145), 5000.0);
  EXPECT_EQ(lever_value(), 5000.0);
  host().set_var(0x144, 1.0);
  lever_up();
  lever_up();
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{kDisarm, 0}, {kArm, 0}, {kArm, 0}}));
  EXPECT_EQ(flap_sounds(), 12U);
}

TEST_F(Spoilers, HandlesOffTheDetentsStepByTheSameAmountUnclamped) {
  struct Case {
    double from;
    bool down;
    uint32_t sent;
  };
  const Case cases[] = {
      {1000.0, true, 3700},  {1000.0, false, as_value(-1700)}, {15000.0, true, 17700}, {8283.5, false, 5583},
      {8282.9, false, 5582}, {16382.9, true, 19082},           {-300.0, true, 2400},   {0.5, false, as_value(-2699)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.from);
    host().set_var(0x145, c.from);
    host().clear_events();
    c.down ? lever_down() : lever_up();
    EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{kSetHandle, c.sent}}));
  }
  // At or below retracted a click above arms rather than stepping.
  host().set_var(0x145, -300.0);
  host().clear_events();
  lever_up();
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{kArm, 0}}));
  // Beyond full the lever stays silent.
  set_vars({{0x144, 0.0}, {0x145, 20000.0}});
  host().clear_events();
  world().sound.clear_calls();
  lever_down();
  EXPECT_TRUE(host().events().empty());
  EXPECT_EQ(flap_sounds(), 0U);
}

TEST_F(Spoilers, ArmedGroundSpoilersExtendOnEveryCallWhileTheTouchdownHolds) {
  set_vars({{0x3C, 1.0}, {0x144, 1.0}, {0x340, 30.87}});
  for (uint32_t code : {kServiceUpdate, kServiceDraw, kServiceInstall, kServiceKill, 7U}) {
    host().call(spoilers_, code);
  }
  EXPECT_EQ(host().events(), std::vector<KeyEvent>(5, KeyEvent{kExtend, 0}));

  struct Case {
    const char* why;
    double on_ground;
    double armed;
    double speed;
    int takeoff;
  };
  const Case blocked[] = {
      {"airborne", 0.0, 1.0, 100.0, 0},  {"partly on the ground", 0.5, 1.0, 100.0, 0},
      {"not armed", 1.0, 0.0, 100.0, 0}, {"armed reads other than 1", 1.0, 2.0, 100.0, 0},
      {"at 30.86", 1.0, 1.0, 30.86, 0},  {"take-off roll", 1.0, 1.0, 100.0, 1},
  };
  for (const Case& c : blocked) {
    SCOPED_TRACE(c.why);
    set_vars({{0x3C, c.on_ground}, {0x144, c.armed}, {0x340, c.speed}});
    takeoff_flag = c.takeoff;
    host().clear_events();
    host().cycle(spoilers_);
    EXPECT_TRUE(host().events().empty());
  }
}

class Flaps : public LeverTest {
 protected:
  void SetUp() override {
    LeverTest::SetUp();
    flaps_ = gauge("Flaps");
    host().install(flaps_);
  }
  void lever_down() { ASSERT_TRUE(host().click(flaps_, 40, 80)); }
  void lever_up() { ASSERT_TRUE(host().click(flaps_, 40, 20)); }
  double lever_at(double handle) {
    host().set_var(0x148, handle);
    host().evaluate(flaps_);
    return host().values(host().element(flaps_, 1)).value[1];
  }
  GaugeHeader* flaps_ = nullptr;
};

TEST_F(Flaps, SixPositionsDrawTheAircraftsDetentsAnyOtherCountTheVariable) {
  flap_position_count = 6;
  flap_step_count = 5;
  const double handles[] = {0.0, 3276.8, 6553.6, 9830.4, 13107.2, 16384.0};
  const double lever[] = {0.0, 4096.0, 4096.0, 8192.0, 12288.0, 16384.0};
  const int pixels[] = {0, 14, 14, 28, 43, 57};
  const double scale = reinterpret_cast<SliderElement*>(host().element(flaps_, 1))->y_scale;
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(handles[i]);
    EXPECT_EQ(lever_at(handles[i]), lever[i]);
    EXPECT_NEAR(lever_at(handles[i]) * scale, pixels[i], 0.5);
  }
  // Only exact positions snap to a detent.
  EXPECT_EQ(lever_at(3276.9), 3276.9);
  EXPECT_EQ(lever_at(9830.5), 9830.5);

  for (int count : {0, 4, 5, 7}) {
    SCOPED_TRACE(count);
    flap_position_count = count;
    flap_step_count = count - 1;
    EXPECT_EQ(lever_at(3276.8), 3276.8);
    EXPECT_EQ(lever_at(6553.6), 6553.6);
  }
  // Six positions but a step count that does not match still uses the count given.
  flap_position_count = 6;
  flap_step_count = 4;
  EXPECT_EQ(lever_at(8192.0), 4096.0);
  EXPECT_EQ(lever_at(12288.0), 8192.0);
  flap_step_count = 0;
  EXPECT_EQ(lever_at(3276.8), 3276.8);
}

TEST_F(Flaps, OneStepPerClickAndSilentAtTheStops) {
  host().set_var(0x148, 16383.0);
  lever_down();
  host().set_var(0x148, 16384.0);
  lever_down();
  lever_up();
  host().set_var(0x148, 0.0);
  lever_up();
  lever_down();
  host().set_var(0x148, 0.001);
  lever_up();
  host().set_var(0x148, -5.0);
  lever_up();
  EXPECT_EQ(host().events(), (std::vector<KeyEvent>{{kFlapsDown, 0}, {kFlapsUp, 0}, {kFlapsDown, 0}, {kFlapsUp, 0}}));
  EXPECT_EQ(flap_sounds(), 4U);
  // Between the two areas nothing answers.
  EXPECT_FALSE(host().click(flaps_, 40, 50));
  EXPECT_FALSE(host().click(flaps_, 10, 20));
}

}  // namespace
}  // namespace corvane::test
