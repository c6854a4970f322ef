// The "FCU" EFIS panel and its "NDPassData" block, with the tests acting as the
// navigation display of the other module.
#include "gauges/guidance/fcu.h"

#include <cstring>
#include <string>
#include <vector>

#include "module/elements.h"
#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

enum : size_t { kModeKnob = 1, kRangeKnob = 2, kCstr = 3, kWpt = 4, kVord = 5, kNdb = 6, kArpt = 7 };

struct Pixel {
  int x;
  int y;
};
constexpr Pixel kModeLeft{10, 50}, kModeRight{50, 50}, kRangeLeft{85, 50}, kRangeRight{120, 50};
constexpr Pixel kItemButtons[5] = {{10, 10}, {40, 10}, {65, 10}, {95, 10}, {120, 10}};

class Fcu : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    host().install(gauge("Autopilot2"));  // loads the sounds
    fcu_ = gauge("FCU");
  }
  void TearDown() override {
    host().kill(fcu_);
    ModuleTest::TearDown();
  }
  // The other module's side of the block, opened before this panel's install
  // so that it outlives the panel's kill.
  uint8_t* open_other_side() {
    void* handle = world().shared_memory.create("NDPassData", 60);
    return static_cast<uint8_t*>(world().shared_memory.map(handle));
  }
  std::string field(const uint8_t* block, size_t index) {
    return std::string(reinterpret_cast<const char*>(block) + index * 10, 10);
  }
  static std::string padded(const char* text) {
    std::string out(text);
    out.resize(10, '\0');
    return out;
  }
  void put(uint8_t* block, size_t index, const char* text) {
    const std::string p = padded(text);
    std::memcpy(block + index * 10, p.data(), 10);
  }
  void click(Pixel p) { ASSERT_TRUE(host().click(fcu_, p.x, p.y)); }
  double value(size_t index) { return host().values(host().element(fcu_, index)).value[0]; }
  std::string lights() {
    host().evaluate(fcu_);
    std::string out;
    for (size_t i = kCstr; i <= kArpt; ++i) {
      out += value(i) != 0.0 ? '1' : '0';
    }
    return out;
  }
  std::vector<std::string> played() { return world().sound.played(); }

  GaugeHeader* fcu_ = nullptr;
  const std::string click_ = "Sound\\Brisvalen_CLICK.wav";
  const std::string button_ = "Sound\\Button_Press.wav";
};

TEST_F(Fcu, InstallPublishesTheStartTextsAndTheBlockRulesFromTheFirstUpdate) {
  uint8_t* block = open_other_side();
  std::memset(block + 40, 0x5A, 20);
  host().install(fcu_);
  EXPECT_EQ(field(block, 0), padded("NDMode=1"));
  EXPECT_EQ(field(block, 1), padded("MapMode=0"));
  EXPECT_EQ(field(block, 2), padded("Item=0x1E"));
  EXPECT_EQ(field(block, 3), padded("Range=320"));
  for (size_t i = 40; i < 60; ++i) {
    ASSERT_EQ(block[i], 0x5A) << "the last 20 bytes are the other side's";
  }
  host().cycle(fcu_);
  EXPECT_EQ(efis_mode_pos, 6U) << "NDMode=1, MapMode=0 is ENG";
  EXPECT_EQ(efis_range_pos, 6U);
  EXPECT_EQ(value(kModeKnob), 5.0);
  EXPECT_EQ(value(kRangeKnob), 5.0);
  EXPECT_EQ(lights(), "01111");
  EXPECT_EQ(as_icon(host().element(fcu_, kModeKnob))->switch_mode, 3U);
}

TEST_F(Fcu, ModeKnobPublishesBothFieldsAndStopsAtItsEnds) {
  uint8_t* block = open_other_side();
  host().install(fcu_);
  host().cycle(fcu_);
  world().sound.clear_calls();

  click(kModeRight);  // at ENG already: end stop
  EXPECT_TRUE(world().sound.calls().empty());
  const std::vector<std::pair<const char*, const char*>> expected = {{"NDMode=1", "MapMode=2"},
                                                                     {"NDMode=1", "MapMode=1"},
                                                                     {"NDMode=0", "MapMode=1"},
                                                                     {"NDMode=0", "MapMode=2"},
                                                                     {"NDMode=0", "MapMode=0"}};
  for (const auto& [nd, map] : expected) {
    click(kModeLeft);
    EXPECT_EQ(field(block, 0), padded(nd));
    EXPECT_EQ(field(block, 1), padded(map));
    // Each new position survives the read-back of the next update.
    const uint32_t pos = efis_mode_pos;
    host().cycle(fcu_);
    EXPECT_EQ(efis_mode_pos, pos);
  }
  EXPECT_EQ(efis_mode_pos, 1U);
  EXPECT_EQ(nd_mode, 0);
  EXPECT_EQ(played(), std::vector<std::string>(5, click_));
  click(kModeLeft);
  EXPECT_EQ(played().size(), 5U) << "LS is the other end stop";
  EXPECT_EQ(efis_mode_pos, 1U);
  click(kModeRight);
  EXPECT_EQ(field(block, 1), padded("MapMode=2"));
  EXPECT_EQ(efis_mode_pos, 2U);
}

TEST_F(Fcu, RangeKnobWritesThreeDigitsAndStopsAtItsEnds) {
  uint8_t* block = open_other_side();
  host().install(fcu_);
  host().cycle(fcu_);
  world().sound.clear_calls();
  put(block, 3, "Range=320");
  click(kRangeRight);
  EXPECT_TRUE(world().sound.calls().empty()) << "320 is the end stop";
  const char* ranges[] = {"Range=160", "Range=080", "Range=040", "Range=020", "Range=010"};
  for (const char* r : ranges) {
    click(kRangeLeft);
    EXPECT_EQ(field(block, 3), padded(r));
    host().cycle(fcu_);
  }
  EXPECT_EQ(efis_range_pos, 1U);
  EXPECT_EQ(nd_range, 10);
  EXPECT_EQ(value(kRangeKnob), 0.0);
  std::memset(block + 30, 'x', 10);  // a write would show
  click(kRangeLeft);
  EXPECT_EQ(field(block, 3), std::string(10, 'x'));
  EXPECT_EQ(played(), std::vector<std::string>(5, click_));
}

TEST_F(Fcu, ItemButtonsToggleTheirBitAndReturnZero) {
  uint8_t* block = open_other_side();
  host().install(fcu_);
  put(block, 2, "Item=0x01");
  host().cycle(fcu_);
  EXPECT_EQ(lights(), "10000");
  world().sound.clear_calls();
  click(kItemButtons[1]);
  EXPECT_EQ(field(block, 2), padded("Item=0x03"));
  EXPECT_EQ(lights(), "11000");
  for (const Pixel& p : kItemButtons) {
    click(p);
  }
  EXPECT_EQ(field(block, 2), padded("Item=0x1C"));
  EXPECT_EQ(lights(), "00111");
  EXPECT_EQ(played(), std::vector<std::string>(6, button_));

  size_t zeros = 0;
  size_t ones = 0;
  for (const MouseArea* a = fcu_->mouse_areas; a->kind != kAreaEnd; ++a) {
    if (a->kind == kAreaChild) {
      (a->handler(0, 0) == 0 ? zeros : ones)++;
    }
  }
  EXPECT_EQ(zeros, 5U);
  EXPECT_EQ(ones, 4U);
}

TEST_F(Fcu, TheOtherSidesWritesMoveTheKnobsAtTheNextUpdate) {
  uint8_t* block = open_other_side();
  host().install(fcu_);
  host().cycle(fcu_);

  put(block, 0, "NDMode=2");
  put(block, 1, "MapMode=1");
  put(block, 3, "Range=80");
  EXPECT_EQ(efis_mode_pos, 6U) << "nothing before the update";
  host().cycle(fcu_);
  EXPECT_EQ(efis_mode_pos, 4U) << "any non-zero NDMode is the arc family";
  EXPECT_EQ(nd_mode, 2);
  EXPECT_EQ(efis_range_pos, 4U);
  EXPECT_EQ(std::string(range_text), "Range=80");

  put(block, 3, "Range=100");
  put(block, 1, "MapMode=7");
  host().cycle(fcu_);
  EXPECT_EQ(efis_range_pos, 4U);
  EXPECT_EQ(nd_range, 100);
  EXPECT_EQ(efis_mode_pos, 4U) << "an unknown map mode leaves the knob";
  EXPECT_EQ(nd_map_mode, 7);

  put(block, 0, "NDMode=0");
  put(block, 1, "MapMode=2");
  host().cycle(fcu_);
  EXPECT_EQ(efis_mode_pos, 2U);
  put(block, 1, "MapMode=1");
  host().cycle(fcu_);
  EXPECT_EQ(efis_mode_pos, 3U);

  // Turning from a knob the other side set continues from there.
  click(kRangeRight);
  EXPECT_EQ(field(block, 3), padded("Range=160"));
}

TEST_F(Fcu, AnythingTheOtherSideWritesIsParsedWithinItsField) {
  uint8_t* block = open_other_side();
  host().install(fcu_);
  host().cycle(fcu_);
  const uint32_t mode = efis_mode_pos;
  const uint32_t range = efis_range_pos;

  // No terminator anywhere, digits running from one field into the next.
  std::memset(block, '9', 60);
  host().cycle(fcu_);
  EXPECT_EQ(nd_mode, 999);
  EXPECT_EQ(nd_map_mode, 99);
  EXPECT_EQ(efis_items, 0x99999U) << "no 0x prefix is needed; five digits fit after \"Item=\"";
  EXPECT_EQ(nd_range, 9999);
  EXPECT_EQ(std::strlen(range_text), 10U);
  EXPECT_EQ(efis_mode_pos, mode);
  EXPECT_EQ(efis_range_pos, range);

  put(block, 0, "NDMode=ab");
  put(block, 1, "MapMode=-1");
  put(block, 2, "Item=0xFFF");
  put(block, 3, "Range= +20");
  host().cycle(fcu_);
  EXPECT_EQ(nd_mode, 0);
  EXPECT_EQ(nd_map_mode, -1);
  EXPECT_EQ(efis_items, 0xFFFU);
  EXPECT_EQ(nd_range, 20);
  EXPECT_EQ(efis_range_pos, 2U);
  EXPECT_EQ(lights(), "11111");

  // A button still writes two digits that fit the field.
  click(kItemButtons[0]);
  EXPECT_EQ(field(block, 2), padded("Item=0xFE"));

  // Every byte value, no terminator: never a read past the field (ASan) and
  // the knobs stay within their six positions.
  for (int b = 0; b < 256; ++b) {
    std::memset(block, b, 60);
    host().cycle(fcu_);
    ASSERT_GE(efis_mode_pos, 1U);
    ASSERT_LE(efis_mode_pos, 6U);
    ASSERT_GE(efis_range_pos, 1U);
    ASSERT_LE(efis_range_pos, 6U);
  }

  // An unterminated text read back and published again by a new install stays
  // within its own field.
  std::memset(block, 0, 60);
  std::memset(block + 30, '7', 10);
  std::memset(block + 40, 0x33, 20);
  host().cycle(fcu_);
  host().kill(fcu_);
  std::memset(block + 30, 0, 10);
  host().install(fcu_);
  EXPECT_EQ(field(block, 3), std::string(10, '7'));
  for (size_t i = 40; i < 60; ++i) {
    ASSERT_EQ(block[i], 0x33);
  }
}

TEST_F(Fcu, KillClosesTheBlockAndANewInstallPublishesAgain) {
  uint8_t* block = open_other_side();
  host().install(fcu_);
  EXPECT_EQ(world().shared_memory.find("NDPassData")->views, 2);
  host().cycle(fcu_);
  click(kRangeLeft);
  host().kill(fcu_);
  EXPECT_EQ(nd_block_view, nullptr);
  EXPECT_EQ(world().shared_memory.find("NDPassData")->views, 1);
  EXPECT_EQ(world().shared_memory.find("NDPassData")->handles, 1);

  std::memset(block, 0, 60);
  click(kRangeLeft);
  click(kItemButtons[4]);
  EXPECT_EQ(std::string(range_text), "Range=080");
  EXPECT_EQ(std::string(item_text), "Item=0x0E");
  for (size_t i = 0; i < 60; ++i) {
    ASSERT_EQ(block[i], 0) << "nothing written while closed";
  }
  host().cycle(fcu_);
  EXPECT_EQ(efis_range_pos, 4U) << "nothing read while closed";

  host().install(fcu_);
  EXPECT_EQ(field(block, 0), padded("NDMode=1"));
  EXPECT_EQ(field(block, 3), padded("Range=080"));
  EXPECT_EQ(field(block, 2), padded("Item=0x0E"));
}

TEST_F(Fcu, WithoutABlockThePanelKeepsItsOwnCopy) {
  world().shared_memory.failing = true;
  host().install(fcu_);
  for (int i = 0; i < 3; ++i) {
    host().cycle(fcu_);
  }
  EXPECT_EQ(efis_mode_pos, 1U) << "start positions, not the start texts";
  EXPECT_EQ(efis_range_pos, 5U);
  click(kModeRight);
  EXPECT_EQ(std::string(nd_mode_text), "NDMode=0");
  EXPECT_EQ(std::string(map_mode_text), "MapMode=2");
  click(kRangeRight);
  EXPECT_EQ(std::string(range_text), "Range=320");
  EXPECT_EQ(played(), (std::vector<std::string>{click_, click_}));
}

}  // namespace
}  // namespace corvane::test
