// The renderer against small gauges built here, element by element, and
// against the generated PFD strips: needle calibration, strip travel, hidden
// elements, icon states, text placement, sprites and night lighting.
#include "render.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "corvane_testhost/test_host.h"
#include "module/elements.h"

namespace corvane::render {
namespace {

double g_value[2] = {0, 0};
double CORVANE_CALL value0(Element*) { return g_value[0]; }
double CORVANE_CALL value1(Element*) { return g_value[1]; }

const char* g_text = "";
double CORVANE_CALL text_callback(Element* e) {
  write_text(e, "%s", g_text);
  return 0.0;
}

struct Rgb {
  int r, g, b;
};

Rgb pixel(cairo_surface_t* s, int x, int y) {
  cairo_surface_flush(s);
  const uint32_t p = *reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(s) +
                                                        y * cairo_image_surface_get_stride(s) + x * 4);
  return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
}

bool is(Rgb p, Rgb want, int tolerance = 3) {
  return std::abs(p.r - want.r) <= tolerance && std::abs(p.g - want.g) <= tolerance &&
         std::abs(p.b - want.b) <= tolerance;
}

// A surface of one colour (transparent when negative), with a rectangle of
// another (w2 x h2 at x2, y2) painted over it.
cairo_surface_t* solid(int w, int h, Rgb c, double x2 = 0, double y2 = 0, double w2 = 0, double h2 = 0, Rgb c2 = {}) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  if (c.r >= 0) {
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
    cairo_paint(cr);
  }
  cairo_set_source_rgb(cr, c2.r / 255.0, c2.g / 255.0, c2.b / 255.0);
  cairo_rectangle(cr, x2, y2, w2, h2);
  cairo_fill(cr);
  cairo_destroy(cr);
  return s;
}

constexpr uint32_t kBackground = 0x10;
constexpr Rgb kGrey{102, 102, 102}, kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255};

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    store_.add(kBackground, solid(100, 100, kGrey));
    root_ = make_static(kBackground, {0, 0}, &gauge_, children_, nullptr, 0x1);
    roots_[0] = &root_.header;
    gauge_.elements = roots_;
  }
  void TearDown() override { cairo_surface_destroy(surface_); }
  // The tree: background with the given children.
  void children(std::initializer_list<Element*> list) {
    std::copy(list.begin(), list.end(), children_);
    children_[list.size()] = nullptr;
  }
  void draw(RenderOptions options = {}) {
    host_.evaluate(&gauge_);
    cairo_surface_destroy(surface_);
    surface_ = render_gauge(host_, &gauge_, store_, options);
  }
  // Draws with these values, then one letter per pixel: Red, Green, Blue,
  // White, '-' the grey background, '?' anything else.
  std::string colours(double v0, double v1, std::initializer_list<std::pair<int, int>> at) {
    g_value[0] = v0;
    g_value[1] = v1;
    draw();
    std::string out;
    for (const auto& [x, y] : at) {
      const Rgb p = pixel(surface_, x, y);
      out += is(p, kGrey)        ? '-'
             : is(p, kWhite, 60) ? 'W'
             : is(p, kRed)       ? 'R'
             : is(p, kGreen)     ? 'G'
             : is(p, kBlue)      ? 'B'
                                 : '?';
    }
    return out;
  }

  testhost::TestHost host_{testhost::linked_module()};
  BitmapStore store_;
  GaugeHeader gauge_{};
  StaticElement root_{};
  Element* roots_[2] = {nullptr, nullptr};
  Element* children_[8] = {nullptr};
  cairo_surface_t* surface_ = nullptr;
};

TEST_F(Render, NeedlesFollowTheirCalibrationOrTurnClockwiseByDegrees) {
  // Pivot at (50,50), 31 px long, one white row: the tip reaches 30 px from the pivot.
  store_.add(0x11, solid(31, 3, {-1, -1, -1}, 0, 1, 31, 1, kWhite));
  const NeedlePoint table[] = {needle_point(80, 50, 0.0), needle_point(50, 20, 100.0), needle_point(20, 50, 200.0)};
  NeedleElement needle =
      make_needle(element_header(kKindNeedle, 0x11, {50, 50}, &gauge_, nullptr, nullptr, 0x3, {0, 1}),
                  NeedleSpec{0, table, 3, 0, entry<value0>});
  children({&needle.header});
  // The tip's pixel, beyond it, and another point's pixel.
  EXPECT_EQ(colours(0.0, 0, {{79, 50}, {82, 50}, {50, 25}}), "W--");
  EXPECT_EQ(colours(100.0, 0, {{50, 21}, {50, 18}, {75, 50}}), "W--");
  // Halfway between two points the needle aims at the interpolated pixel (65,35).
  EXPECT_EQ(colours(50.0, 0, {{64, 36}, {50, 25}, {75, 50}}), "W--");
  // Beyond the last point it stays there; a value that is not a number shows the first point.
  EXPECT_EQ(colours(1e300, 0, {{22, 50}}) + colours(NAN, 0, {{79, 50}}), "WW");
  needle.calibration = nullptr;
  needle.calibration_count = 0;
  EXPECT_EQ(
      colours(0.0, 0, {{75, 50}, {50, 75}}) + colours(90.0, 0, {{50, 75}, {75, 50}}) + colours(-90.0, 0, {{50, 25}}),
      "W-W-W");
}

TEST_F(Render, HiddenElementLeavesItsPixelsButItsChildrenAreDrawnAndIconsHoldTheirIndex) {
  store_.add(0x12, solid(20, 20, kRed));
  store_.add(0x13, solid(10, 10, kBlue));
  StaticElement grandchild = make_static(0x13, {40, 40}, &gauge_, nullptr, nullptr, 0x1);
  Element* grandchildren[] = {&grandchild.header, nullptr};
  StaticElement child = make_static(0x12, {10, 10}, &gauge_, grandchildren, nullptr, 0x1 | kFlagHidden);
  children({&child.header});
  EXPECT_EQ(colours(0, 0, {{10, 10}, {29, 29}, {20, 15}, {45, 45}}), "---B");
  child.header.image_flags &= ~kFlagHidden;
  EXPECT_EQ(colours(0, 0, {{15, 15}}), "R");

  store_.add(0x20, solid(10, 10, kRed));
  store_.add(0x21, solid(10, 10, kGreen));
  store_.add(0x22, solid(10, 10, kBlue));
  store_.add(0x23, solid(10, 10, kWhite));  // the next icon's first image
  IconElement icon =
      make_icon(element_header(kKindIcon, 0x20, {5, 5}, &gauge_, nullptr, nullptr, 0x3), 3, entry<value0>);
  children({&icon.header});
  std::string shown;
  for (double index : {0.0, 1.0, 2.0, 2.9, 7.0, -1.0, double{NAN}}) {
    shown += colours(index, 0, {{8, 8}});
  }
  EXPECT_EQ(shown, "RGBBBRR");
}

// Bounding box {left, right, top, bottom} of the pixels that differ from the background colour.
std::array<int, 4> ink(cairo_surface_t* s, Rgb background, int x0, int y0, int x1, int y1) {
  std::array<int, 4> k = {1000, -1, 1000, -1};
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (!is(pixel(s, x, y), background, 24)) {
        k = {std::min(k[0], x), std::max(k[1], x), std::min(k[2], y), std::max(k[3], y)};
      }
    }
  }
  return k;
}

TEST_F(Render, TextSitsInItsBoxAsItsFlagsSay) {
  // Box (20,10) 60 x 14, amber on a dark blue box (Windows colours are 0x00BBGGRR).
  StringElement text = make_string(
      element_header(kKindString, kNoBitmap, {20, 10}, &gauge_, nullptr, nullptr, 0x6),
      StringSpec{{0, 0, 0}, 60, 14, 0x3287FF, 0x501010, 0, "Glass Gauge", 400, 0x25, 12, entry<text_callback>});
  children({&text.header});
  const Rgb box{0x10, 0x10, 0x50};
  g_text = "8888";
  draw();
  EXPECT_TRUE(is(pixel(surface_, 21, 11), box));
  const auto centred = ink(surface_, box, 20, 10, 80, 24);
  ASSERT_GE(centred[1], centred[0]);
  EXPECT_NEAR((centred[0] + centred[1]) / 2.0, 49.5, 1.5);
  EXPECT_NEAR((centred[2] + centred[3]) / 2.0, 16.5, 2.0);
  int amber = 0;  // the colour is read as 0x00BBGGRR: red strong, blue weak
  for (int x = centred[0]; x <= centred[1]; ++x) {
    const Rgb p = pixel(surface_, x, (centred[2] + centred[3]) / 2);
    amber = std::max(amber, p.r - p.b);
  }
  EXPECT_GT(amber, 120);
  text.format_flags = 0x24;
  draw();
  const auto left = ink(surface_, box, 20, 10, 80, 24);
  EXPECT_LE(left[0], 23);
  EXPECT_EQ(left[1] - left[0], centred[1] - centred[0]);
  // A text too long for the box is made to fit; nothing spills out of it.
  g_text = "888888888888";
  text.format_flags = 0x25;
  draw();
  EXPECT_EQ(ink(surface_, kGrey, 0, 0, 20, 40)[1] + ink(surface_, kGrey, 80, 0, 100, 40)[1] +
                ink(surface_, kGrey, 0, 24, 100, 40)[1],
            -3);
  const auto long_text = ink(surface_, box, 20, 10, 80, 24);
  EXPECT_GT(long_text[1] - long_text[0], 40);
}

TEST_F(Render, SliderMovesByValueTimesScaleAndSpriteTurnsAndShifts) {
  store_.add(0x30, solid(4, 4, kGreen));
  SliderElement slider = make_slider(element_header(kKindSlider, 0x30, {60, 60}, &gauge_, nullptr, nullptr, 0x3),
                                     SliderSpec{0, 2.0, 0, -3.0, entry<value0>, entry<value1>});
  // Sprite texture: red upper half, blue lower half, seen through a 40 x 40 window.
  store_.add(0x40, solid(100, 100, kBlue, 0, 0, 100, 50, kRed));
  store_.add(0x41, solid(40, 40, {}));
  SpriteElement sprite = make_sprite(
      element_header(kKindSprite, 0x40, {0, 0}, &gauge_, nullptr, nullptr, 0x6, {20, 20}),
      SpriteSlotSpec{0, 1.0, entry<value0>}, SpriteSlotSpec{0, -1.0, entry<value1>}, SpriteSlotSpec{0, 0.0, {}});
  children({&sprite.header, &slider.header});
  // The slider at (60 + 5 x 2, 60 + 4 x -3); pitch 5: the horizon 5 px below the centre, the window clips.
  EXPECT_EQ(colours(5.0, 4.0, {{71, 49}, {61, 61}, {20, 23}, {20, 27}, {45, 10}}), "G-RB-");
  // Slot 2 value 90 with scale -1: turned 90 degrees anticlockwise, the sky is on the left.
  EXPECT_EQ(colours(0.0, 90.0, {{10, 20}, {30, 20}}), "RB");
}

TEST_F(Render, NightModeDimsUnlitElementsOnly) {
  store_.add(0x12, solid(10, 10, kWhite));
  StaticElement lit = make_static(0x12, {10, 10}, &gauge_, nullptr, nullptr, 0x3 | kFlagBright);
  StaticElement unlit = make_static(0x12, {40, 10}, &gauge_, nullptr, nullptr, 0x3);
  children({&lit.header, &unlit.header});
  draw({.night = true, .scale = 1.0});
  EXPECT_TRUE(is(pixel(surface_, 15, 15), kWhite));
  EXPECT_LT(pixel(surface_, 45, 15).r, 100);
  draw({.night = false, .scale = 2.0});
  EXPECT_EQ(cairo_image_surface_get_width(surface_), 200);
  EXPECT_TRUE(is(pixel(surface_, 90, 30), kWhite));
}

// The generated PFD strips through the renderer: every scale's mark for the
// current value must sit on the window's centre line.
class PfdStrips : public Render {
 protected:
  void SetUp() override {
    Render::SetUp();
    for (uint32_t id : {0x10E0u, 0x10E1u, 0x1150u, 0x1151u}) {
      char name[16];
      std::snprintf(name, sizeof name, "/%04X.bmp", id);
      ASSERT_TRUE(store_.load_file(id, std::string(CORVANE_BITMAP_DIR) + name)) << name;
    }
    store_.add(kBackground, solid(215, 200, {0, 0, 51}));
  }
  // Brightness-weighted centre of the light marks down the column x from y, n pixels long, in pixel centres.
  double mark(int x, int y, int n) {
    double sum = 0, weight = 0;
    for (int i = 0; i < n; ++i) {
      const Rgb p = pixel(surface_, x, y + i);
      const double light = std::max(0, (p.r + p.g + p.b) / 3 - 120);
      sum += light * (i + 0.5);
      weight += light;
    }
    return weight > 0 ? y + sum / weight : -1;
  }
};

TEST_F(PfdStrips, SpeedTapeAndLimitStripMoveTogetherAtOnePointThreePixelsPerKnot) {
  MovingElement tape = make_moving(element_header(kKindMoving, 0x10E0, {9, 45}, &gauge_, nullptr, nullptr, 0x6),
                                   MovingSpec{0, 0, 0, 0, 600.0, 0.0, {}, entry<value1>});
  children({&tape.header});
  for (double speed : {250.0, 140.0, 320.0}) {
    g_value[1] = speed;
    draw();
    // Window 112 px tall from y = 45: its centre line is y = 101. The
    // column x = 30 holds only the tick marks, every 10 kt.
    EXPECT_NEAR(mark(30, 95, 12), 101.0, 0.6) << speed;
    EXPECT_NEAR(mark(30, 82, 12), 101.0 - 10 * 779.0 / 600.0, 0.6) << speed;
    EXPECT_EQ(pixel(surface_, 30, 40).b, 51);  // the window clips the strip
  }
  // The lower limit strip at the reference speed: 43.07 - (ias - ref).
  MovingElement strip = make_moving(element_header(kKindMoving, 0x1150, {9, 45}, &gauge_, nullptr, nullptr, 0x7),
                                    MovingSpec{0, 0, 0, 0, 0.0, 86.14, {}, entry<value1>});
  children({&strip.header});
  g_value[1] = 43.07;
  draw();
  EXPECT_NEAR(mark(20, 90, 22), 101.5, 1.0);
  g_value[1] = 43.07 - 10.0;  // 10 kt faster than the reference: 13 px lower
  draw();
  EXPECT_NEAR(mark(20, 103, 22), 114.5, 1.0);
}

}  // namespace
}  // namespace corvane::render
