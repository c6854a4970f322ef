// The renderer against small gauges built here, element by element, and
// against the generated PFD strips: needle calibration, strip travel, hidden
// elements, icon states, text placement, sprites and night lighting.
#include "render.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "corvane_testhost/test_host.h"
#include "module/elements.h"

namespace corvane::render {
namespace {

double g_value[3] = {0, 0, 0};
double CORVANE_CALL value0(Element*) { return g_value[0]; }
double CORVANE_CALL value1(Element*) { return g_value[1]; }

const char* g_text = "";
double CORVANE_CALL text_callback(Element* e) {
  write_text(e, "%s", g_text);
  return 0.0;
}

struct Rgb {
  int r, g, b, a;
};

Rgb pixel(cairo_surface_t* s, int x, int y) {
  cairo_surface_flush(s);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  const uint32_t p = *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4);
  return {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF),
          static_cast<int>(p >> 24)};
}

bool is(Rgb p, int r, int g, int b, int tolerance = 3) {
  return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance && std::abs(p.b - b) <= tolerance;
}

cairo_surface_t* solid(int w, int h, double r, double g, double b) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, r, g, b);
  cairo_paint(cr);
  cairo_destroy(cr);
  return s;
}

// A needle picture: transparent, one white row from the pivot (0, 1) to the right.
cairo_surface_t* needle_picture(int length) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, length, 3);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, 0, 1, length, 1);
  cairo_fill(cr);
  cairo_destroy(cr);
  return s;
}

constexpr uint32_t kBackground = 0x10;
constexpr double kGrey = 0.4;  // 102

class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    g_value[0] = g_value[1] = g_value[2] = 0.0;
    store_.add(kBackground, solid(100, 100, kGrey, kGrey, kGrey));
    root_ = make_static(kBackground, {0, 0}, &gauge_, children_, nullptr, 0x1);
    roots_[0] = &root_.header;
    gauge_.elements = roots_;
  }
  void TearDown() override {
    if (surface_ != nullptr) {
      cairo_surface_destroy(surface_);
    }
  }
  // The tree: background with the given children.
  void children(std::initializer_list<Element*> list) {
    size_t i = 0;
    for (Element* e : list) {
      children_[i++] = e;
    }
    children_[i] = nullptr;
  }
  cairo_surface_t* draw(RenderOptions options = {}) {
    host_.evaluate(&gauge_);
    if (surface_ != nullptr) {
      cairo_surface_destroy(surface_);
    }
    surface_ = render_gauge(host_, &gauge_, store_, options);
    return surface_;
  }
  bool white(int x, int y) { return pixel(surface_, x, y).r > 200; }

  testhost::TestHost host_{testhost::linked_module()};
  BitmapStore store_;
  GaugeHeader gauge_{};
  StaticElement root_{};
  Element* roots_[2] = {nullptr, nullptr};
  Element* children_[8] = {nullptr};
  cairo_surface_t* surface_ = nullptr;
};

TEST_F(Render, NeedleTipLandsOnItsCalibrationPixels) {
  // Pivot at (50,50), 31 px long: the tip reaches 30 px from the pivot.
  store_.add(0x11, needle_picture(31));
  const NeedlePoint table[] = {needle_point(80, 50, 0.0), needle_point(50, 20, 100.0), needle_point(20, 50, 200.0)};
  NeedleElement needle =
      make_needle(element_header(kKindNeedle, 0x11, {50, 50}, &gauge_, nullptr, nullptr, 0x3, {0, 1}),
                  NeedleSpec{0, table, 3, 0, entry<value0>});
  children({&needle.header});

  g_value[0] = 0.0;
  draw();
  EXPECT_TRUE(white(79, 50));
  EXPECT_FALSE(white(82, 50));
  EXPECT_FALSE(white(50, 25));

  g_value[0] = 100.0;
  draw();
  EXPECT_TRUE(white(50, 21));
  EXPECT_FALSE(white(50, 18));
  EXPECT_FALSE(white(75, 50));

  // Halfway between two points the needle aims at the interpolated pixel (65,35).
  g_value[0] = 50.0;
  draw();
  EXPECT_TRUE(white(64, 36));
  EXPECT_FALSE(white(50, 25));
  EXPECT_FALSE(white(75, 50));

  // Beyond the last point it stays there; a value that is not a number
  // shows the first point.
  g_value[0] = 1e300;
  draw();
  EXPECT_TRUE(white(22, 50));
  g_value[0] = std::numeric_limits<double>::quiet_NaN();
  draw();
  EXPECT_TRUE(white(79, 50));
}

TEST_F(Render, NeedleWithoutTableTurnsClockwiseByDegrees) {
  store_.add(0x11, needle_picture(31));
  NeedleElement needle =
      make_needle(element_header(kKindNeedle, 0x11, {50, 50}, &gauge_, nullptr, nullptr, 0x3, {0, 1}),
                  NeedleSpec{0, nullptr, 0, 6, entry<value0>});
  children({&needle.header});
  g_value[0] = 0.0;
  draw();
  EXPECT_TRUE(white(75, 50));
  g_value[0] = 90.0;
  draw();
  EXPECT_TRUE(white(50, 75));
  EXPECT_FALSE(white(75, 50));
  g_value[0] = -90.0;
  draw();
  EXPECT_TRUE(white(50, 25));
}

TEST_F(Render, HiddenElementLeavesItsPixelsButItsChildrenAreDrawn) {
  store_.add(0x12, solid(20, 20, 1, 0, 0));
  store_.add(0x13, solid(10, 10, 0, 0, 1));
  StaticElement grandchild = make_static(0x13, {40, 40}, &gauge_, nullptr, nullptr, 0x1);
  Element* grandchildren[] = {&grandchild.header, nullptr};
  StaticElement child = make_static(0x12, {10, 10}, &gauge_, grandchildren, nullptr, 0x1 | kFlagHidden);
  children({&child.header});
  draw();
  for (int y = 10; y < 30; ++y) {
    for (int x = 10; x < 30; ++x) {
      ASSERT_TRUE(is(pixel(surface_, x, y), 102, 102, 102)) << x << "," << y;
    }
  }
  EXPECT_TRUE(is(pixel(surface_, 45, 45), 0, 0, 255));
  child.header.image_flags &= ~kFlagHidden;
  draw();
  EXPECT_TRUE(is(pixel(surface_, 15, 15), 255, 0, 0));
}

TEST_F(Render, IconDrawsTheImageOfItsIndexHeldWithinItsImages) {
  store_.add(0x20, solid(10, 10, 1, 0, 0));
  store_.add(0x21, solid(10, 10, 0, 1, 0));
  store_.add(0x22, solid(10, 10, 0, 0, 1));
  store_.add(0x23, solid(10, 10, 1, 1, 0));  // the next icon's first image
  IconElement icon =
      make_icon(element_header(kKindIcon, 0x20, {5, 5}, &gauge_, nullptr, nullptr, 0x3), 3, entry<value0>);
  children({&icon.header});
  const struct {
    double index;
    Rgb colour;
  } cases[] = {{0, {255, 0, 0, 0}},
               {1, {0, 255, 0, 0}},
               {2, {0, 0, 255, 0}},
               {2.9, {0, 0, 255, 0}},
               {7, {0, 0, 255, 0}},
               {-1, {255, 0, 0, 0}},
               {std::numeric_limits<double>::quiet_NaN(), {255, 0, 0, 0}}};
  for (const auto& c : cases) {
    g_value[0] = c.index;
    draw();
    EXPECT_TRUE(is(pixel(surface_, 8, 8), c.colour.r, c.colour.g, c.colour.b)) << "index " << c.index;
  }
}

struct Ink {
  int left = 1000, right = -1, top = 1000, bottom = -1;
};

// Bounding box of the pixels that differ from the given background colour.
Ink ink(cairo_surface_t* s, Rgb background, int x0, int y0, int x1, int y1) {
  Ink k;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (!is(pixel(s, x, y), background.r, background.g, background.b, 24)) {
        k.left = std::min(k.left, x);
        k.right = std::max(k.right, x);
        k.top = std::min(k.top, y);
        k.bottom = std::max(k.bottom, y);
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
  g_text = "8888";
  draw();
  EXPECT_TRUE(is(pixel(surface_, 21, 11), 0x10, 0x10, 0x50));
  Ink centred = ink(surface_, {0x10, 0x10, 0x50, 0}, 20, 10, 80, 24);
  ASSERT_GE(centred.right, centred.left);
  EXPECT_NEAR((centred.left + centred.right) / 2.0, 49.5, 1.5);
  EXPECT_NEAR((centred.top + centred.bottom) / 2.0, 16.5, 2.0);
  int amber = 0;  // the colour is read as 0x00BBGGRR: red strong, blue weak
  for (int y = centred.top; y <= centred.bottom; ++y) {
    for (int x = centred.left; x <= centred.right; ++x) {
      const Rgb p = pixel(surface_, x, y);
      amber = std::max(amber, p.r - p.b);
    }
  }
  EXPECT_GT(amber, 120);

  text.format_flags = 0x24;
  draw();
  const Ink left = ink(surface_, {0x10, 0x10, 0x50, 0}, 20, 10, 80, 24);
  EXPECT_LE(left.left, 23);
  EXPECT_LT((left.left + left.right) / 2.0, 44.0);
  EXPECT_EQ(left.right - left.left, centred.right - centred.left);

  // A text too long for the box is made to fit; nothing spills out of it.
  g_text = "888888888888";
  text.format_flags = 0x25;
  draw();
  const Ink outside_left = ink(surface_, {102, 102, 102, 0}, 0, 0, 20, 40);
  const Ink outside_right = ink(surface_, {102, 102, 102, 0}, 80, 0, 100, 40);
  const Ink below = ink(surface_, {102, 102, 102, 0}, 0, 24, 100, 40);
  EXPECT_EQ(outside_left.right, -1);
  EXPECT_EQ(outside_right.right, -1);
  EXPECT_EQ(below.right, -1);
  const Ink long_text = ink(surface_, {0x10, 0x10, 0x50, 0}, 20, 10, 80, 24);
  EXPECT_GE(long_text.left, 20);
  EXPECT_GT(long_text.right - long_text.left, 40);
}

TEST_F(Render, SliderMovesByValueTimesScaleAndSpriteTurnsAndShifts) {
  store_.add(0x30, solid(4, 4, 0, 1, 0));
  SliderElement slider = make_slider(element_header(kKindSlider, 0x30, {60, 60}, &gauge_, nullptr, nullptr, 0x3),
                                     SliderSpec{0, 2.0, 0, -3.0, entry<value0>, entry<value1>});
  // Sprite texture: red upper half, blue lower half, seen through a 40 x 40 window.
  cairo_surface_t* texture = solid(100, 100, 0, 0, 1);
  {
    cairo_t* cr = cairo_create(texture);
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_rectangle(cr, 0, 0, 100, 50);
    cairo_fill(cr);
    cairo_destroy(cr);
  }
  store_.add(0x40, texture);
  store_.add(0x41, solid(40, 40, 0, 0, 0));
  SpriteElement sprite = make_sprite(
      element_header(kKindSprite, 0x40, {0, 0}, &gauge_, nullptr, nullptr, 0x6, {20, 20}),
      SpriteSlotSpec{0, 1.0, entry<value0>}, SpriteSlotSpec{0, -1.0, entry<value1>}, SpriteSlotSpec{0, 0.0, {}});
  children({&sprite.header, &slider.header});

  g_value[0] = 5.0;
  g_value[1] = 4.0;
  draw();
  EXPECT_TRUE(is(pixel(surface_, 71, 49), 0, 255, 0));  // (60 + 5 x 2, 60 + 4 x -3)
  EXPECT_TRUE(is(pixel(surface_, 61, 61), 102, 102, 102));
  // Pitch 5: the horizon lies 5 px below the centre, and the window clips.
  EXPECT_TRUE(is(pixel(surface_, 20, 23), 255, 0, 0));
  EXPECT_TRUE(is(pixel(surface_, 20, 27), 0, 0, 255));
  EXPECT_TRUE(is(pixel(surface_, 45, 10), 102, 102, 102));

  // Slot 2 value 90 with scale -1: turned 90 degrees anticlockwise, the sky is on the left.
  g_value[0] = 0.0;
  g_value[1] = 90.0;
  draw();
  EXPECT_TRUE(is(pixel(surface_, 10, 20), 255, 0, 0));
  EXPECT_TRUE(is(pixel(surface_, 30, 20), 0, 0, 255));
}

TEST_F(Render, NightModeDimsUnlitElementsOnly) {
  store_.add(0x12, solid(10, 10, 1, 1, 1));
  StaticElement lit = make_static(0x12, {10, 10}, &gauge_, nullptr, nullptr, 0x3 | kFlagBright);
  StaticElement unlit = make_static(0x12, {40, 10}, &gauge_, nullptr, nullptr, 0x3);
  children({&lit.header, &unlit.header});
  draw({.night = true, .scale = 1.0});
  EXPECT_TRUE(is(pixel(surface_, 15, 15), 255, 255, 255));
  EXPECT_LT(pixel(surface_, 45, 15).r, 100);
  draw({.night = false, .scale = 2.0});
  EXPECT_EQ(cairo_image_surface_get_width(surface_), 200);
  EXPECT_TRUE(is(pixel(surface_, 90, 30), 255, 255, 255));
}

// The generated PFD strips through the renderer: every scale's mark for the
// current value must sit on the window's centre line.
class PfdStrips : public Render {
 protected:
  void SetUp() override {
    Render::SetUp();
    const std::string dir = CORVANE_BITMAP_DIR;
    for (uint32_t id : {0x10C0u, 0x10C1u, 0x10E0u, 0x10E1u, 0x10F0u, 0x10F1u, 0x1150u, 0x1151u}) {
      char name[16];
      std::snprintf(name, sizeof name, "/%04X.bmp", id);
      ASSERT_TRUE(store_.load_file(id, dir + name)) << name;
    }
    store_.add(kBackground, solid(215, 200, 0, 0, 0.2));
  }
  // Brightness-weighted centre of the light marks in one column over rows [y0, y1).
  double mark_row(int x, int y0, int y1) {
    double sum = 0, weight = 0;
    for (int y = y0; y < y1; ++y) {
      const Rgb p = pixel(surface_, x, y);
      const double light = std::max(0, (p.r + p.g + p.b) / 3 - 120);
      sum += light * (y + 0.5);
      weight += light;
    }
    return weight > 0 ? sum / weight : -1;
  }
  double mark_column(int y, int x0, int x1) {
    double sum = 0, weight = 0;
    for (int x = x0; x < x1; ++x) {
      const Rgb p = pixel(surface_, x, y);
      const double light = std::max(0, (p.r + p.g + p.b) / 3 - 120);
      sum += light * (x + 0.5);
      weight += light;
    }
    return weight > 0 ? sum / weight : -1;
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
    EXPECT_NEAR(mark_row(30, 95, 107), 101.0, 0.6) << speed;
    EXPECT_NEAR(mark_row(30, 82, 94), 101.0 - 10 * 779.0 / 600.0, 0.6) << speed;
    EXPECT_EQ(pixel(surface_, 30, 40).b, 51);  // the window clips the strip
  }

  // The lower limit strip at the reference speed: 43.07 - (ias - ref).
  MovingElement strip = make_moving(element_header(kKindMoving, 0x1150, {9, 45}, &gauge_, nullptr, nullptr, 0x7),
                                    MovingSpec{0, 0, 0, 0, 0.0, 86.14, {}, entry<value1>});
  children({&strip.header});
  g_value[1] = 43.07;
  draw();
  EXPECT_NEAR(mark_row(20, 90, 112), 101.5, 1.0);
  g_value[1] = 43.07 - 10.0;  // 10 kt faster than the reference: 13 px lower
  draw();
  EXPECT_NEAR(mark_row(20, 103, 125), 114.5, 1.0);
}

TEST_F(PfdStrips, AltitudeAndHeadingTapesKeepTheirScales) {
  MovingElement altitude = make_moving(element_header(kKindMoving, 0x10C0, {150, 45}, &gauge_, nullptr, nullptr, 0x6),
                                       MovingSpec{0, 0, 0, 0, 42900.0, 0.0, {}, entry<value1>});
  MovingElement heading = make_moving(element_header(kKindMoving, 0x10F0, {46, 171}, &gauge_, nullptr, nullptr, 0x6),
                                      MovingSpec{0, 0.0, 360.0, 0, 0, 0, entry<value0>, {}});
  children({&altitude.header, &heading.header});
  g_value[0] = 90.0;
  g_value[1] = 12000.0;
  draw();
  // Altitude: a mark every 100 ft, about 10 px apart; 12000 ft on the centre line.
  EXPECT_NEAR(mark_row(151, 96, 106), 101.0, 0.6);
  EXPECT_NEAR(mark_row(151, 86, 96), 101.0 - 100 * 4288.0 / 42900.0, 0.6);
  // Heading: 90 on the window's centre column (46 + 48.5), 5 degrees = 10 px.
  EXPECT_NEAR(mark_column(172, 90, 99), 94.5, 0.6);
  EXPECT_NEAR(mark_column(172, 100, 109), 104.5, 0.6);
}

}  // namespace
}  // namespace corvane::render
