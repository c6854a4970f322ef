// How each family of pictures is drawn. Pure black is the simulator's
// transparent colour: opaque dark areas use a near-black instead, and the
// pictures that need see-through parts (needles, knobs, marks on strips)
// start from pure black.
#include "pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace corvane::art {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct C {
  double r, g, b;
};

constexpr C kPanelGrey{70 / 255.0, 75 / 255.0, 82 / 255.0};
constexpr C kPanelDark{45 / 255.0, 49 / 255.0, 54 / 255.0};
constexpr C kPanelLight{110 / 255.0, 116 / 255.0, 124 / 255.0};
constexpr C kNearBlack{8 / 255.0, 8 / 255.0, 8 / 255.0};
constexpr C kLegend{230 / 255.0, 230 / 255.0, 230 / 255.0};
constexpr C kScreenGrey{150 / 255.0, 150 / 255.0, 150 / 255.0};

C colour(int code) {
  switch (code) {
    case kGreen:
      return {64 / 255.0, 1.0, 64 / 255.0};
    case kAmber:
      return {1.0, 135 / 255.0, 50 / 255.0};
    case kRed:
      return {1.0, 30 / 255.0, 30 / 255.0};
    case kBlue:
      return {60 / 255.0, 160 / 255.0, 1.0};
    case kCyan:
      return {0.0, 1.0, 1.0};
    case kYellow:
      return {1.0, 1.0, 0.0};
    case kGrey:
      return kScreenGrey;
    default:
      return kLegend;
  }
}

void set(cairo_t* cr, C c) { cairo_set_source_rgb(cr, c.r, c.g, c.b); }

void clear_transparent(cairo_t* cr) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
}

void fill_all(cairo_t* cr, C c) {
  set(cr, c);
  cairo_paint(cr);
}

void box(cairo_t* cr, double x, double y, double w, double h, C c) {
  set(cr, c);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void frame(cairo_t* cr, double x, double y, double w, double h, C c, double width = 1.0) {
  set(cr, c);
  cairo_set_line_width(cr, width);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  cairo_stroke(cr);
}

void line(cairo_t* cr, double x0, double y0, double x1, double y1, C c, double width = 1.0) {
  set(cr, c);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
}

enum class Align { kCentre, kLeft, kRight };

// Text centred vertically on y; horizontal anchor by alignment.
void text(cairo_t* cr, const std::string& s, double x, double y, double size, C c, bool bold = true,
          Align align = Align::kCentre, const char* face = "DejaVu Sans") {
  cairo_select_font_face(cr, face, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  double left = x - e.x_advance / 2;
  if (align == Align::kLeft) {
    left = x;
  } else if (align == Align::kRight) {
    left = x - e.x_advance;
  }
  set(cr, c);
  cairo_move_to(cr, left, y + size * 0.36);
  cairo_show_text(cr, s.c_str());
}

// Text no wider than max_width: the size shrinks until it fits.
void text_fit(cairo_t* cr, const std::string& s, double x, double y, double size, double max_width, C c) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, s.c_str(), &e);
  if (e.x_advance > max_width && e.x_advance > 0) {
    size *= max_width / e.x_advance;
  }
  text(cr, s, x, y, size, c);
}

void screw(cairo_t* cr, double x, double y) {
  set(cr, kPanelLight);
  cairo_arc(cr, x, y, 2.0, 0, 2 * kPi);
  cairo_fill(cr);
  line(cr, x - 1.4, y - 1.4, x + 1.4, y + 1.4, kPanelDark, 0.8);
}

// "TEXT@x,y[,size]|..." legends; without a position they run across the top.
void legends(cairo_t* cr, const char* spec, C c, double default_size, const char* face = "DejaVu Sans") {
  if (spec == nullptr || *spec == '\0') {
    return;
  }
  std::string all(spec);
  size_t start = 0;
  while (start <= all.size()) {
    size_t end = all.find('|', start);
    if (end == std::string::npos) {
      end = all.size();
    }
    const std::string item = all.substr(start, end - start);
    const size_t at = item.find('@');
    if (at != std::string::npos) {
      double x = 0, y = 0, size = default_size;
      const std::string pos = item.substr(at + 1);
      const int n = std::sscanf(pos.c_str(), "%lf,%lf,%lf", &x, &y, &size);
      if (n < 3) {
        size = default_size;
      }
      text(cr, item.substr(0, at), x, y, size, c, true, Align::kCentre, face);
    }
    start = end + 1;
  }
}

void panel(cairo_t* cr, const Picture& p) {
  fill_all(cr, kPanelGrey);
  const double w = p.width, h = p.height;
  line(cr, 0, 0.5, w, 0.5, kPanelLight);
  line(cr, 0.5, 0, 0.5, h, kPanelLight);
  line(cr, 0, h - 0.5, w, h - 0.5, kPanelDark);
  line(cr, w - 0.5, 0, w - 0.5, h, kPanelDark);
  if (w > 60 && h > 40) {
    screw(cr, 4, 4);
    screw(cr, w - 4, 4);
    screw(cr, 4, h - 4);
    screw(cr, w - 4, h - 4);
  }
  switch (p.a) {
    case 1: {  // Autopilot: window recesses above the knobs
      const double windows[][3] = {{8, 12, 45}, {73, 12, 45}, {240, 12, 48}, {320, 12, 45}};
      for (const auto& wdw : windows) {
        box(cr, wdw[0], wdw[1], wdw[2], 16, kPanelDark);
      }
      break;
    }
    case 2: {  // ECAM control panel: the keys that have no light of their own
      const struct {
        double x, y;
        const char* legend;
      } keys[] = {{83, 12, "TO CONFIG"}, {164, 12, "EMER CANC"}, {83, 32, "BLEED"}, {110, 32, "PRESS"},
                  {56, 52, "APU"},       {83, 52, "COND"},       {191, 52, "ALL"},  {56, 72, "CLR"},
                  {83, 72, ""},          {110, 72, ""},          {137, 72, ""}};
      for (const auto& k : keys) {
        box(cr, k.x, k.y, 26, 16, {0.16, 0.17, 0.19});
        frame(cr, k.x, k.y, 26, 16, kPanelLight, 0.8);
        if (*k.legend != '\0') {
          text_fit(cr, k.legend, k.x + 13, k.y + 6, 6, 22, kLegend);
        }
      }
      break;
    }
    case 3:  // Thrust quadrant: two slots and the detent marks
      box(cr, 70, 10, 10, 150, kPanelDark);
      box(cr, 116, 10, 10, 150, kPanelDark);
      for (double y : {18.0, 36.0, 56.0, 106.0, 150.0}) {
        line(cr, 60, y, 136, y, kLegend, 0.6);
      }
      box(cr, 24, 12, 20, 142, kPanelDark);
      box(cr, 152, 12, 20, 142, kPanelDark);
      break;
    case 4:  // AC electrical synoptic lines
    case 5:  // hydraulic and fuel lines
    case 7: {
      set(cr, kLegend);
      cairo_set_line_width(cr, 1.0);
      if (p.a == 4) {
        cairo_move_to(cr, 118, 110);
        cairo_line_to(cr, 118, 150);
        cairo_line_to(cr, 360, 150);
        cairo_line_to(cr, 360, 110);
        cairo_move_to(cr, 211, 45);
        cairo_line_to(cr, 211, 70);
        cairo_line_to(cr, 258, 70);
        cairo_line_to(cr, 258, 45);
        cairo_move_to(cr, 230, 150);
        cairo_line_to(cr, 230, 190);
      } else if (p.a == 5) {
        cairo_move_to(cr, 82, 140);
        cairo_line_to(cr, 82, 132);
        cairo_line_to(cr, 407, 132);
        cairo_line_to(cr, 407, 140);
        cairo_move_to(cr, 40, 40);
        cairo_line_to(cr, 40, 70);
        cairo_line_to(cr, 200, 70);
        cairo_line_to(cr, 200, 40);
      } else {
        for (double x : {52.0, 132.0, 212.0}) {
          cairo_arc(cr, x, 200, 14, 0, 2 * kPi);
          cairo_new_sub_path(cr);
        }
      }
      cairo_stroke(cr);
      break;
    }
    case 6:  // fire handles
      for (double x : {90.0, 258.0, 426.0}) {
        box(cr, x - 30, 34, 60, 18, {0.6, 0.08, 0.08});
        frame(cr, x - 30, 34, 60, 18, kLegend, 0.8);
      }
      break;
    default:
      break;
  }
  legends(cr, p.text, kLegend, 5);
}

void ecam_arc(cairo_t* cr, double cx, double cy, double r, double a0, double a1, C c, double width) {
  set(cr, c);
  cairo_set_line_width(cr, width);
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, a0 * kPi / 180, a1 * kPi / 180);
  cairo_stroke(cr);
}

void pfd_background(cairo_t* cr) {
  fill_all(cr, kNearBlack);
  // The attitude window is left transparent for the sphere; the sphere element
  // lies over the whole display anyway.
  box(cr, 9, 45, 28, 112, {0.25, 0.27, 0.3});
  box(cr, 150, 45, 24, 112, {0.25, 0.27, 0.3});
  box(cr, 46, 171, 97, 22, {0.25, 0.27, 0.3});
  box(cr, 174, 43, 40, 116, {0.18, 0.2, 0.22});
}

void pfd_frame(cairo_t* cr) {
  clear_transparent(cr);
  // Fixed symbols: speed and altitude reference lines, aircraft symbol.
  line(cr, 5, 101, 40, 101, colour(kYellow), 1.5);
  line(cr, 146, 101, 176, 101, colour(kYellow), 1.5);
  set(cr, colour(kYellow));
  cairo_set_line_width(cr, 2.5);
  cairo_move_to(cr, 62, 100);
  cairo_line_to(cr, 80, 100);
  cairo_line_to(cr, 80, 105);
  cairo_move_to(cr, 126, 100);
  cairo_line_to(cr, 108, 100);
  cairo_line_to(cr, 108, 105);
  cairo_stroke(cr);
  box(cr, 92, 98, 4, 4, colour(kYellow));
  // Separators of the flight mode annunciator.
  for (double x : {49.0, 92.0, 135.0, 178.0}) {
    line(cr, x, 2, x, 28, kScreenGrey, 0.8);
  }
  // Bank scale above the sphere.
  set(cr, kLegend);
  cairo_set_line_width(cr, 1.0);
  for (int deg : {-45, -30, -20, -10, 10, 20, 30, 45}) {
    const double a = (deg - 90) * kPi / 180;
    cairo_move_to(cr, 94 + 48 * std::cos(a), 100 + 48 * std::sin(a));
    cairo_line_to(cr, 94 + 53 * std::cos(a), 100 + 53 * std::sin(a));
  }
  cairo_stroke(cr);
  set(cr, colour(kYellow));
  cairo_move_to(cr, 94, 52);
  cairo_line_to(cr, 90, 46);
  cairo_line_to(cr, 98, 46);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void ewd_background(cairo_t* cr) {
  fill_all(cr, kNearBlack);
  const C cyan = colour(kCyan);
  text(cr, "N1", 63, 24, 6, kLegend);
  text(cr, "%", 63, 32, 5, cyan);
  text(cr, "EGT", 63, 70, 6, kLegend);
  text(cr,
       "\xc2\xb0"
       "C",
       63, 78, 5, cyan);
  text(cr, "N2", 63, 100, 6, kLegend);
  text(cr, "%", 63, 108, 5, cyan);
  text(cr, "F.F", 63, 116, 6, kLegend);
  text(cr, "KG/H", 63, 123, 4, cyan);
  text(cr, "FOB :", 150, 62, 6, kLegend, true, Align::kRight);
  text(cr, "KG", 205, 62, 5, cyan);
  text(cr, "FLAP", 181, 92, 5, kLegend);
  text(cr, "S", 146, 110, 5, kLegend);
  text(cr, "F", 214, 110, 5, kLegend, true, Align::kRight);
  line(cr, 4, 132, 211, 132, kScreenGrey, 0.8);
  line(cr, 134, 136, 134, 190, kScreenGrey, 0.8);
  line(cr, 126, 18, 126, 128, kScreenGrey, 0.5);
}

void sd_page(cairo_t* cr, const Picture& p) {
  fill_all(cr, kNearBlack);
  const C grey = kScreenGrey;
  set(cr, grey);
  cairo_set_line_width(cr, 1.0);
  switch (p.a) {
    case 3:  // F/CTL: scales and rudder arc
      cairo_rectangle(cr, 40.5, 48.5, 10, 34);
      cairo_rectangle(cr, 147.5, 48.5, 10, 34);
      cairo_rectangle(cr, 44.5, 100.5, 10, 30);
      cairo_rectangle(cr, 139.5, 100.5, 10, 30);
      cairo_stroke(cr);
      cairo_arc(cr, 99, 56, 18, 40 * kPi / 180, 140 * kPi / 180);
      cairo_stroke(cr);
      break;
    case 4:  // ELEC boxes
      for (const auto& b : {std::array<double, 4>{20, 14, 40, 22},
                            {138, 14, 40, 22},
                            {64, 56, 70, 12},
                            {64, 80, 70, 12},
                            {64, 102, 70, 12},
                            {14, 120, 40, 24},
                            {144, 120, 40, 24}}) {
        cairo_rectangle(cr, b[0] + 0.5, b[1] + 0.5, b[2], b[3]);
      }
      cairo_stroke(cr);
      break;
    case 5:  // ENG dials, centred on their needles' pivots, from the 0 mark round to the top of the scale
      for (double cx : {38.0, 99.0}) {
        for (double cy : {22.0, 60.0, 115.0}) {
          cairo_new_sub_path(cr);
          cairo_arc(cr, cx, cy, 16, 125 * kPi / 180, 325 * kPi / 180);
        }
      }
      cairo_stroke(cr);
      cairo_rectangle(cr, 138.5, 18.5, 58, 15);
      cairo_stroke(cr);
      break;
    case 6:  // FUEL tanks
      cairo_rectangle(cr, 4.5, 16.5, 60, 30);
      cairo_rectangle(cr, 69.5, 16.5, 60, 30);
      cairo_rectangle(cr, 134.5, 16.5, 60, 30);
      cairo_rectangle(cr, 14.5, 50.5, 110, 16);
      cairo_stroke(cr);
      break;
    case 7: {  // DOOR/OXY: fuselage outline
      cairo_move_to(cr, 99, 16);
      cairo_curve_to(cr, 80, 22, 74, 40, 74, 60);
      cairo_line_to(cr, 74, 132);
      cairo_line_to(cr, 124, 132);
      cairo_line_to(cr, 124, 60);
      cairo_curve_to(cr, 124, 40, 118, 22, 99, 16);
      cairo_stroke(cr);
      break;
    }
    case 8:  // WHEEL: gear and brake symbols
      for (double x : {32.0, 52.0, 128.0, 148.0}) {
        cairo_rectangle(cr, x + 0.5, 90.5, 18, 22);
      }
      cairo_stroke(cr);
      break;
    case 9:  // CRUISE separators
      line(cr, 10, 72, 188, 72, grey);
      break;
    case 10:  // HYD: three systems, yellow inoperative
      for (double x : {33.0, 99.0, 165.0}) {
        cairo_move_to(cr, x, 44);
        cairo_line_to(cr, x, 120);
      }
      cairo_stroke(cr);
      line(cr, 150, 60, 180, 90, colour(kAmber), 1.5);
      line(cr, 150, 90, 180, 60, colour(kAmber), 1.5);
      break;
    case 11:  // SD bottom separators
      line(cr, 90, 2, 90, 28, grey);
      line(cr, 118, 2, 118, 28, grey);
      break;
    default:
      break;
  }
  legends(cr, p.text, kLegend, 6);
}

void screen(cairo_t* cr, const Picture& p) {
  switch (p.a) {
    case 2:
      ewd_background(cr);
      return;
    case 12:
      pfd_background(cr);
      return;
    case 13:
      pfd_frame(cr);
      return;
    case 1:  // DDRMI distance windows panel
      fill_all(cr, kPanelGrey);
      box(cr, 4, 2, 32, 12, kNearBlack);
      box(cr, 45, 2, 32, 12, kNearBlack);
      return;
    default:
      sd_page(cr, p);
      return;
  }
}

void key(cairo_t* cr, const Picture& p) {
  const double w = p.width, h = p.height;
  fill_all(cr, kPanelDark);
  box(cr, 1, 1, w - 2, h - 2, {0.16, 0.17, 0.19});
  frame(cr, 0, 0, w, h, kPanelLight, 1.0);
  const C lit = colour(p.b);
  std::string label(p.text);
  const size_t bar = label.find('|');
  if (bar != std::string::npos) {
    // Two-line annunciator (MASTER WARN / CAUT): the whole face lights.
    if (p.a != 0) {
      box(cr, 2, 2, w - 4, h - 4, {lit.r * 0.35, lit.g * 0.35, lit.b * 0.35});
    }
    const C ink = p.a != 0 ? lit : C{lit.r * 0.45, lit.g * 0.45, lit.b * 0.45};
    text_fit(cr, label.substr(0, bar), w / 2, h * 0.33, 7, w - 5, ink);
    text_fit(cr, label.substr(bar + 1), w / 2, h * 0.68, 7, w - 5, ink);
    return;
  }
  text_fit(cr, label, w / 2, h * 0.36, 6.0, w - 4, kLegend);
  // The light bar under the legend: green bars on the Airbus keys.
  const C bar_colour = p.a != 0 ? lit : C{0.22, 0.24, 0.26};
  box(cr, w * 0.2, h - 5, w * 0.6, 2, bar_colour);
}

void overhead_pb(cairo_t* cr, const Picture& p) {
  fill_all(cr, kPanelDark);
  box(cr, 1, 1, 14, 14, {0.12, 0.12, 0.13});
  frame(cr, 0, 0, 16, 16, kPanelLight, 0.8);
  std::string label(p.text);
  const size_t slash = label.find('/');
  const std::string upper = label.substr(0, slash);
  const std::string lower = label.substr(slash + 1);
  const bool upper_lit = p.a == 2 || p.a == 3;
  const bool lower_lit = p.a == 1 || p.a == 3;
  const C upper_colour = upper == "FAULT" ? colour(kAmber) : colour(kBlue);
  const C dim{0.3, 0.3, 0.3};
  text_fit(cr, upper, 8, 4.5, 4.0, 13, upper_lit ? upper_colour : dim);
  text_fit(cr, lower, 8, 11.5, 4.0, 11, lower_lit ? colour(p.b) : dim);
  if (lower_lit) {
    frame(cr, 2, 8, 12, 7, colour(p.b), 0.6);
  }
}

void light(cairo_t* cr, const Picture& p) {
  const double w = p.width, h = p.height;
  const C c = colour(p.b);
  if (p.a != 0) {
    fill_all(cr, {c.r * 0.3, c.g * 0.3, c.b * 0.3});
  } else {
    fill_all(cr, {0.12, 0.12, 0.13});
  }
  const C ink = p.a != 0 ? c : C{0.3, 0.3, 0.3};
  if (p.text != nullptr && *p.text != '\0') {
    text(cr, p.text, w / 2, h / 2, std::min(h * 0.8, w / 3.0), ink);
  } else if (p.a != 0) {
    box(cr, 1, 1, w - 2, h - 2, c);
  }
}

void knob(cairo_t* cr, const Picture& p) {
  clear_transparent(cr);
  const double w = p.width, h = p.height;
  const double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 0.5;
  if (p.b == 1) {  // altitude step ring: a ring with a pointer tab
    set(cr, kPanelLight);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    set(cr, kPanelDark);
    cairo_arc(cr, cx, cy, r - 5, 0, 2 * kPi);
    cairo_fill(cr);
  } else {
    set(cr, {0.2, 0.21, 0.23});
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    set(cr, kPanelGrey);
    cairo_arc(cr, cx, cy, r * 0.8, 0, 2 * kPi);
    cairo_fill(cr);
  }
  if (p.b == 3 || p.b == 4) {  // audio reception knob: lit ring when pulled out
    set(cr, p.b == 4 ? colour(kGreen) : C{0.3, 0.3, 0.3});
    cairo_set_line_width(cr, 1.5);
    cairo_arc(cr, cx, cy, r - 1, 0, 2 * kPi);
    cairo_stroke(cr);
  }
  // Grip lines turn with the knob, so that its pictures show its position.
  const double a = (p.a - 90) * kPi / 180;
  line(cr, cx, cy, cx + r * 0.9 * std::cos(a), cy + r * 0.9 * std::sin(a), kLegend, std::max(1.0, r / 6));
  if (p.b == 0) {
    for (int i = 1; i < 8; ++i) {
      const double g = a + i * kPi / 4;
      line(cr, cx + r * 0.55 * std::cos(g), cy + r * 0.55 * std::sin(g), cx + r * 0.78 * std::cos(g),
           cy + r * 0.78 * std::sin(g), kPanelDark, 0.8);
    }
  }
}

void selector(cairo_t* cr, const Picture& p) {
  if (p.b == 0 && p.width == 31) {
    fill_all(cr, kPanelGrey);
  } else {
    clear_transparent(cr);
  }
  const double w = p.width, h = p.height;
  const double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 1;
  set(cr, {0.18, 0.19, 0.2});
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
  // A bar knob: the pointer end is the white tip.
  const double a = (p.a - 90) * kPi / 180;
  set(cr, kPanelLight);
  cairo_set_line_width(cr, r * 0.55);
  cairo_move_to(cr, cx - r * 0.85 * std::cos(a), cy - r * 0.85 * std::sin(a));
  cairo_line_to(cr, cx + r * 0.85 * std::cos(a), cy + r * 0.85 * std::sin(a));
  cairo_stroke(cr);
  line(cr, cx, cy, cx + r * 0.95 * std::cos(a), cy + r * 0.95 * std::sin(a), kLegend, 1.2);
  if (p.text != nullptr && *p.text != '\0') {
    text(cr, p.text, cx, h - 3, 4, kLegend);
  }
}

void toggle(cairo_t* cr, const Picture& p) {
  fill_all(cr, kPanelGrey);
  const double w = p.width, h = p.height;
  const double cx = w / 2, cy = h / 2;
  set(cr, kPanelDark);
  cairo_arc(cr, cx, cy, std::min(w, h) * 0.3, 0, 2 * kPi);
  cairo_fill(cr);
  int variant = p.a;
  if (variant >= 4) {  // engine master switch: a lever guarded by its plate
    const bool on = variant == 5;
    frame(cr, 2, 2, w - 4, h - 4, kPanelLight);
    text(cr, "ON", cx, 6, 4, kLegend);
    text(cr, "OFF", cx, h - 6, 4, kLegend);
    box(cr, cx - 4, on ? 9 : cy, 8, h / 2 - 9, kLegend);
    box(cr, cx - 6, on ? 8 : h - 14, 12, 6, kPanelLight);
    return;
  }
  const bool up = variant == 1 || variant == 3;
  const double tip = up ? h * 0.12 : h * 0.88;
  set(cr, kLegend);
  cairo_set_line_width(cr, std::max(2.0, w * 0.22));
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx, tip);
  cairo_stroke(cr);
  set(cr, {0.85, 0.85, 0.85});
  cairo_arc(cr, cx, tip, std::max(1.5, w * 0.18), 0, 2 * kPi);
  cairo_fill(cr);
}

// Needles point to the right of their pivot: that is the direction the host
// takes as 0 degrees.
void needle(cairo_t* cr, const Picture& p) {
  clear_transparent(cr);
  const double w = p.width, h = p.height;
  const double px = p.a + 0.5, py = p.b + 0.5;
  const std::string kind(p.text);
  if (kind == "knob") {
    set(cr, {0.2, 0.21, 0.23});
    cairo_arc(cr, px, py, std::min(w, h) / 2 - 0.5, 0, 2 * kPi);
    cairo_fill(cr);
    set(cr, kPanelGrey);
    cairo_arc(cr, px, py, std::min(w, h) / 2 - 3, 0, 2 * kPi);
    cairo_fill(cr);
    line(cr, px, py, w - 1.5, py, kLegend, 2.0);
    return;
  }
  if (kind == "tee") {  // parking brake handle seen from above
    box(cr, px - 3, 2, 6, h - 4, {0.75, 0.75, 0.75});
    box(cr, px, py - 2, w - px - 1, 4, {0.85, 0.85, 0.85});
    return;
  }
  C c = kLegend;
  double width = std::max(1.0, h * 0.35);
  if (kind == "ecam") {
    c = colour(kGreen);
    width = 2.0;
  } else if (kind == "throttle") {
    c = colour(kCyan);
  } else if (kind == "lever") {
    c = kLegend;
  } else if (kind == "rudder") {
    c = colour(kGreen);
  } else if (kind == "vs") {
    c = colour(kGreen);
    width = 1.0;
  } else if (kind == "bank") {
    // The bank pointer stands upright at 0 degrees: a triangle at the top end,
    // just inside the bank scale, turning about the sphere's centre.
    set(cr, colour(kYellow));
    cairo_move_to(cr, px, 3);
    cairo_line_to(cr, px - 5, 10);
    cairo_line_to(cr, px + 5, 10);
    cairo_close_path(cr);
    cairo_fill(cr);
    return;
  } else if (kind == "double") {
    c = colour(kGreen);
  }
  if (kind == "throttle" || kind == "lever") {
    // A small circle at the dial edge.
    set(cr, c);
    cairo_arc(cr, w - 3, py, 2, 0, 2 * kPi);
    if (kind == "lever") {
      cairo_fill(cr);
    } else {
      cairo_stroke(cr);
    }
    return;
  }
  if (kind == "double") {
    line(cr, 1, py - 2, w - 6, py - 2, c, 1.0);
    line(cr, 1, py + 2, w - 6, py + 2, c, 1.0);
  } else {
    line(cr, px, py, w - 4, py, c, width);
    if (kind == "single") {
      line(cr, 1, py, px, py, c, width);
    }
  }
  if (kind != "ecam" && kind != "vs") {
    set(cr, c);
    cairo_move_to(cr, w, py);
    cairo_line_to(cr, w - 5, py - h / 2 + 0.5);
    cairo_line_to(cr, w - 5, py + h / 2 - 0.5);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  if (kind == "white" || kind == "single" || kind == "double") {
    set(cr, {0.6, 0.6, 0.6});
    cairo_arc(cr, px, py, std::min(3.0, h / 2), 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void dial_ticks(cairo_t* cr, double cx, double cy, double r, int count, double a0, double a1, double len, C c) {
  set(cr, c);
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i <= count; ++i) {
    const double a = (a0 + (a1 - a0) * i / count) * kPi / 180;
    cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    cairo_line_to(cr, cx + (r - len) * std::cos(a), cy + (r - len) * std::sin(a));
  }
  cairo_stroke(cr);
}

void dial(cairo_t* cr, const Picture& p) {
  const double w = p.width, h = p.height;
  const double cx = w / 2, cy = h / 2;
  switch (p.a) {
    case 0:  // square bezel with a round opening
    case 6:
      fill_all(cr, kPanelGrey);
      set(cr, {0.1, 0.1, 0.11});
      cairo_arc(cr, cx, cy, w / 2 - 5, 0, 2 * kPi);
      cairo_fill(cr);
      screw(cr, 4, 4);
      screw(cr, w - 4, 4);
      screw(cr, 4, h - 4);
      screw(cr, w - 4, h - 4);
      return;
    case 1: {  // standby airspeed face, 60 to 400 knots clockwise from the top
      fill_all(cr, kNearBlack);
      dial_ticks(cr, cx, cy, 27, 34, -90, 250, 3, kLegend);
      const int labels[] = {60, 100, 150, 200, 250, 300, 350, 400};
      for (int v : labels) {
        const double a = (-90 + (v - 60) * 340.0 / 340.0) * kPi / 180;
        text(cr, std::to_string(v / 10), cx + 19 * std::cos(a), cy + 19 * std::sin(a), 5, kLegend);
      }
      text(cr, "KNOTS", cx, cy + 10, 4, kLegend);
      return;
    }
    case 2: {  // standby altimeter face: 0 to 9 hundreds
      fill_all(cr, kNearBlack);
      dial_ticks(cr, cx, cy, 27, 50, -90, 270, 2, kLegend);
      for (int v = 0; v < 10; ++v) {
        const double a = (-90 + v * 36.0) * kPi / 180;
        text(cr, std::to_string(v), cx + 20 * std::cos(a), cy + 20 * std::sin(a), 6, kLegend);
      }
      text(cr, "ALT", cx, cy - 9, 4, kLegend);
      return;
    }
    case 3: {  // clock face: 60 seconds
      fill_all(cr, kNearBlack);
      dial_ticks(cr, cx, cy, 27, 60, -90, 270, 2, kLegend);
      for (int v = 0; v < 60; v += 10) {
        const double a = (-90 + v * 6.0) * kPi / 180;
        text(cr, std::to_string(v), cx + 20 * std::cos(a), cy + 20 * std::sin(a), 5, kLegend);
      }
      box(cr, 12, 14, 33, 11, {0.05, 0.05, 0.05});
      box(cr, 12, 33, 33, 11, {0.05, 0.05, 0.05});
      return;
    }
    case 4: {  // compass card: transparent outside, N at the top
      clear_transparent(cr);
      set(cr, {0.1, 0.1, 0.11});
      cairo_arc(cr, cx, cy, w / 2 - 0.5, 0, 2 * kPi);
      cairo_fill(cr);
      dial_ticks(cr, cx, cy, w / 2 - 1, 72, 0, 360, 2, kLegend);
      const char* names[] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
      for (int i = 0; i < 12; ++i) {
        const double a = (-90 + i * 30.0) * kPi / 180;
        text(cr, names[i], cx + (w / 2 - 9) * std::cos(a), cy + (w / 2 - 9) * std::sin(a), 6, kLegend);
      }
      return;
    }
    case 5:  // lubber ring: the fixed index over the card
      clear_transparent(cr);
      set(cr, colour(kYellow));
      cairo_move_to(cr, cx, 3);
      cairo_line_to(cr, cx - 3, 0.5);
      cairo_line_to(cr, cx + 3, 0.5);
      cairo_close_path(cr);
      cairo_fill(cr);
      box(cr, cx - 6, cy - 1, 12, 2, colour(kYellow));
      return;
    case 7: {  // standby attitude mask: fixed aircraft symbol and bank scale
      clear_transparent(cr);
      set(cr, colour(kYellow));
      cairo_set_line_width(cr, 2.0);
      cairo_move_to(cr, cx - 22, cy);
      cairo_line_to(cr, cx - 8, cy);
      cairo_move_to(cr, cx + 8, cy);
      cairo_line_to(cr, cx + 22, cy);
      cairo_stroke(cr);
      box(cr, cx - 1.5, cy - 1.5, 3, 3, colour(kYellow));
      dial_ticks(cr, cx, cy, 38, 6, -150, -30, 4, kLegend);
      return;
    }
    default:
      fill_all(cr, kNearBlack);
      return;
  }
}

void speed_tape(cairo_t* cr, const Picture& p) {
  fill_all(cr, {0.25, 0.27, 0.3});
  // Row of a speed: 56 + (600 - v) x 779 / 600, so that v sits at the
  // window's centre line when the element's value is v.
  const double travel = p.height - 112.0;
  for (int v = 0; v <= 600; v += 10) {
    const double y = 56 + (600 - v) * travel / 600.0;
    const double len = v % 20 == 0 ? 6 : 3;
    line(cr, p.width - len, y, p.width, y, kLegend, 1.0);
    if (v % 20 == 0 && v >= 30) {
      char buf[16];
      std::snprintf(buf, sizeof buf, "%d", v);
      text(cr, buf, p.width - 8, y, 6.5, kLegend, false, Align::kRight);
    }
  }
}

void altitude_tape(cairo_t* cr, const Picture& p) {
  fill_all(cr, {0.25, 0.27, 0.3});
  const double travel = p.height - 112.0;
  for (int v = 0; v <= 42900; v += 100) {
    const double y = 56 + (42900 - v) * travel / 42900.0;
    line(cr, 0, y, v % 500 == 0 ? 5 : 3, y, kLegend, 1.0);
    if (v % 500 == 0) {
      char buf[16];
      std::snprintf(buf, sizeof buf, "%d", v / 100);
      text(cr, buf, 6, y, 6.5, kLegend, false, Align::kLeft);
    }
  }
}

void heading_tape(cairo_t* cr, const Picture& p) {
  fill_all(cr, {0.25, 0.27, 0.3});
  // Column of a heading: 48.5 + 2 h; the strip runs a little past 360 on
  // both sides so that the window never shows an edge.
  for (int h = -20; h <= 390; h += 5) {
    const double x = 48.5 + 2.0 * h;
    if (x < 0 || x > p.width) {
      continue;
    }
    line(cr, x, 0, x, h % 10 == 0 ? 5 : 3, kLegend, 1.0);
    if (h % 10 == 0) {
      char buf[16];
      const int shown = ((h % 360) + 360) % 360;
      std::snprintf(buf, sizeof buf, "%d", shown / 10);
      text(cr, buf, x, 12, shown % 30 == 0 ? 8 : 6, kLegend, false);
    }
  }
}

void drum(cairo_t* cr, const Picture& p) {
  fill_all(cr, kNearBlack);
  const double travel = p.height - 21.0;
  for (int v = -20; v <= 120; v += 20) {
    const double y = 10.5 + (99 - v) * travel / 99.0;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", ((v % 100) + 100) % 100);
    text(cr, buf, p.width / 2.0, y, 5, colour(kGreen), false);
  }
}

void trim_wheel(cairo_t* cr, const Picture& p, bool scale) {
  fill_all(cr, {0.18, 0.19, 0.2});
  const double step = scale ? 20 : 10;
  for (double y = 0; y < p.height; y += step) {
    line(cr, 1, y, p.width - 1, y, kPanelLight, scale ? 1.0 : 2.0);
  }
  if (scale) {
    box(cr, 0, p.height / 2.0 - 2, p.width, 4, kLegend);
  }
}

void tape(cairo_t* cr, const Picture& p) {
  switch (p.a) {
    case 0:
      speed_tape(cr, p);
      break;
    case 1:
      altitude_tape(cr, p);
      break;
    case 2:
      heading_tape(cr, p);
      break;
    case 3:
      drum(cr, p);
      break;
    case 4:
      trim_wheel(cr, p, false);
      break;
    default:
      trim_wheel(cr, p, true);
      break;
  }
}

void arrow_head(cairo_t* cr, double x, double y, double dx, double dy, double size) {
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x - dx * size - dy * size * 0.6, y - dy * size + dx * size * 0.6);
  cairo_line_to(cr, x - dx * size + dy * size * 0.6, y - dy * size - dx * size * 0.6);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// Strip symbols stand at the strip's middle row (or column): that is where a
// moving image puts the window centre at mid-range.
void symbol(cairo_t* cr, const Picture& p) {
  clear_transparent(cr);
  const double w = p.width, h = p.height;
  const double mx = w / 2, my = h / 2;
  const C c = colour(p.b);
  set(cr, c);
  switch (p.a) {
    case 1:  // elevator or aileron marker
      cairo_move_to(cr, 0.5, 0.5);
      cairo_line_to(cr, w - 0.5, my);
      cairo_line_to(cr, 0.5, h - 0.5);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    case 2:  // spoiler arrows and panels
      for (int i = 0; i < 5; ++i) {
        const double x = 4 + i * 12.5;
        line(cr, x, h - 3, x + 8, h - 3, c, 2.0);
        line(cr, x + 4, h - 5, x + 4, 6, c, 1.0);
        arrow_head(cr, x + 4, 3, 0, -1, 3);
      }
      break;
    case 3:  // valve closed
    case 4:  // valve open
      cairo_set_line_width(cr, 1.0);
      cairo_arc(cr, mx, my, w / 2 - 0.8, 0, 2 * kPi);
      cairo_stroke(cr);
      if (p.a == 3) {
        line(cr, 1, my, w - 1, my, c);
      } else {
        line(cr, mx, 1, mx, h - 1, c);
      }
      break;
    case 5:  // gear triangles
      for (double x : {5.0, 16.0, 27.0}) {
        cairo_move_to(cr, x - 4, 3);
        cairo_line_to(cr, x + 4, 3);
        cairo_line_to(cr, x, 13);
        cairo_close_path(cr);
        cairo_fill(cr);
      }
      break;
    case 6:  // gear door closed
    case 7:  // half open
    case 8:  // open
      cairo_set_line_width(cr, 1.5);
      if (p.a == 6) {
        cairo_move_to(cr, 2, 2);
        cairo_line_to(cr, w - 2, 2);
      } else {
        const double drop = p.a == 7 ? h * 0.4 : h * 0.9;
        cairo_move_to(cr, 2, 2);
        cairo_line_to(cr, mx - 2, drop);
        cairo_move_to(cr, w - 2, 2);
        cairo_line_to(cr, mx + 2, drop);
      }
      cairo_stroke(cr);
      break;
    case 9:  // reservoir level pointer
      cairo_move_to(cr, 0, 3.5);
      cairo_line_to(cr, w, 0);
      cairo_line_to(cr, w, 7);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    case 10:
    case 11:  // door marks
      cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
      cairo_set_line_width(cr, 1.0);
      cairo_stroke(cr);
      break;
    case 20:  // target altitude (cyan) at the strip's middle row
    case 34:
      cairo_set_line_width(cr, 1.5);
      cairo_rectangle(cr, 1, my - 5, w - 2, 10);
      cairo_stroke(cr);
      break;
    case 21:  // target speed triangle pointing at the scale
    case 35:
      cairo_move_to(cr, 2, my);
      cairo_line_to(cr, 10, my - 5);
      cairo_line_to(cr, 10, my + 5);
      cairo_close_path(cr);
      cairo_set_line_width(cr, 1.2);
      if (p.a == 35) {
        cairo_fill(cr);
      } else {
        cairo_stroke(cr);
      }
      break;
    case 22:  // track diamond on the heading scale
      cairo_move_to(cr, mx, 2);
      cairo_line_to(cr, mx + 4, 7);
      cairo_line_to(cr, mx, 12);
      cairo_line_to(cr, mx - 4, 7);
      cairo_close_path(cr);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
      break;
    case 23:  // flap-extension limit: amber "=" marks from the centre up
    case 24:  // lower limit strips
    case 33:
      if (p.a == 23) {
        line(cr, 2, my, w - 2, my, c, 2.0);
        for (double y = my - 6; y > 0; y -= 6) {
          line(cr, 2, y, 8, y, c, 1.5);
        }
      } else {
        line(cr, 2, my, w - 2, my, c, 2.0);
        box(cr, w - 5, my, 3, h - my, p.a == 24 ? c : colour(kRed));
      }
      break;
    case 41:  // maximum speed: red and black ladder above the centre
      for (double y = my; y > 0; y -= 6) {
        box(cr, w - 6, y - 3, 4, 3, c);
        box(cr, w - 6, y - 6, 4, 3, {0.05, 0.05, 0.05});
      }
      line(cr, 2, my, w - 2, my, c, 1.0);
      break;
    case 25:
    case 26: {  // vertical speed scale pieces
      box(cr, 0, 0, w, h, {0.18, 0.2, 0.22});
      for (int i = 0; i <= 6; ++i) {
        const double y = 4 + i * (h - 8) / 6.0;
        line(cr, 1, y, i == 3 ? w - 2 : w / 2, y, kLegend, 1.0);
      }
      break;
    }
    case 27:  // ground reference: red band below the middle row
      for (double y = my; y < h; y += 4) {
        line(cr, 0, y + 4, w, y, c, 1.0);
      }
      line(cr, 0, my, w, my, c, 1.5);
      break;
    case 28:  // trend arrow up: from the middle row upwards
      line(cr, mx, my, mx, 5, c, 1.5);
      arrow_head(cr, mx, 1, 0, -1, 4);
      break;
    case 29:  // trend arrow down
      line(cr, mx, my, mx, h - 5, c, 1.5);
      arrow_head(cr, mx, h - 1, 0, 1, 4);
      break;
    case 30:  // heading reference line
      line(cr, mx, 0, mx, h, c, 2.0);
      break;
    case 31:  // selected heading triangle
    case 36:
      cairo_move_to(cr, mx, h - 1);
      cairo_line_to(cr, mx - 4, 1);
      cairo_line_to(cr, mx + 4, 1);
      cairo_close_path(cr);
      cairo_set_line_width(cr, 1.0);
      if (p.a == 36) {
        cairo_fill(cr);
      } else {
        cairo_stroke(cr);
      }
      break;
    case 32:  // flight control symbol
      line(cr, 0, my, w, my, c, 2.0);
      break;
    case 37:  // flight director frame in LS mode
      cairo_set_line_width(cr, 1.0);
      cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
      cairo_stroke(cr);
      break;
    case 38:  // flight director bar
      box(cr, 0, 0, w, h, c);
      break;
    case 39:  // thrust-mode box
      cairo_set_line_width(cr, 1.0);
      cairo_rectangle(cr, 1.5, 1.5, w - 3, h - 3);
      cairo_stroke(cr);
      break;
    case 40:  // self-test spinner: an arc with its arrow turning over the sphere
      set(cr, c);
      cairo_set_line_width(cr, 3);
      cairo_arc(cr, mx, my, 50, 0, 1.5 * kPi);
      cairo_stroke(cr);
      arrow_head(cr, mx + 50, my - 2, 0, 1, 8);
      text(cr, "ATT", mx, my, 14, colour(kRed));
      break;
    default:
      break;
  }
}

void sphere(cairo_t* cr, const Picture& p) {
  const double w = p.width, h = p.height;
  const double cx = w / 2, cy = h / 2;
  const double px_per_degree = p.a == 0 ? 2.0 : 1.0;
  box(cr, 0, 0, w, cy, {40 / 255.0, 120 / 255.0, 220 / 255.0});
  box(cr, 0, cy, w, h - cy, {140 / 255.0, 85 / 255.0, 40 / 255.0});
  line(cr, 0, cy, w, cy, kLegend, 1.5);
  const int max_deg = p.a == 0 ? 90 : 80;
  for (int d = -max_deg; d <= max_deg; d += (p.a == 0 ? 5 : 10)) {
    if (d == 0) {
      continue;
    }
    const double y = cy - d * px_per_degree;
    if (y < 4 || y > h - 4) {
      continue;
    }
    const bool major = d % 10 == 0;
    const double half = major ? (p.a == 0 ? 14 : 16) : 7;
    line(cr, cx - half, y, cx + half, y, kLegend, 1.0);
    if (major) {
      char buf[16];
      std::snprintf(buf, sizeof buf, "%d", std::abs(d));
      text(cr, buf, cx - half - 7, y, 5.5, kLegend, false);
      text(cr, buf, cx + half + 7, y, 5.5, kLegend, false);
    }
  }
}

void legend_image(cairo_t* cr, const Picture& p) {
  const double w = p.width, h = p.height;
  switch (p.a) {
    case 0:  // engraved window legend on the panel
    case 1:
      fill_all(cr, kPanelGrey);
      text(cr, p.text, w / 2, h / 2, std::min(h + 1.0, 7.0), kLegend);
      return;
    case 2:  // small unit flag
      fill_all(cr, kNearBlack);
      text(cr, p.text, w / 2, h / 2, 4, kLegend);
      return;
    case 3:  // E/WD dial label
    case 4:
    case 5:
    case 6:
      clear_transparent(cr);
      if (p.a == 4) {
        box(cr, 0, 0, w, h, {0.3, 0.3, 0.3});
      }
      if (p.a == 5) {
        frame(cr, w - 12, 0, 12, h, colour(p.b));
      }
      text(cr, p.text, p.a == 5 ? (w - 12) / 2 : w / 2, h / 2, std::min(h, 7.0), colour(p.b));
      return;
    case 7:  // "STD" box
      fill_all(cr, kNearBlack);
      frame(cr, 0, 0, w, h, colour(kYellow));
      text(cr, p.text, w / 2, h / 2, 8, colour(p.b));
      return;
    default:
      return;
  }
}

void lever(cairo_t* cr, const Picture& p) {
  const double w = p.width, h = p.height;
  switch (p.a) {
    case 0:  // gear lever up: handle at the top
    case 1: {
      fill_all(cr, kPanelDark);
      const double y = p.a == 0 ? 4 : h - 22;
      box(cr, w / 2 - 1.5, 0, 3, h, {0.2, 0.2, 0.22});
      set(cr, kLegend);
      cairo_arc(cr, w / 2, y + 9, 6, 0, 2 * kPi);
      cairo_fill(cr);
      return;
    }
    case 2:  // speed brake handle
      clear_transparent(cr);
      box(cr, 2, 8, w - 4, 14, {0.85, 0.85, 0.85});
      box(cr, w / 2 - 2, 22, 4, 10, {0.5, 0.5, 0.52});
      text(cr, "SPEED", w / 2, 12, 4, kNearBlack);
      text(cr, "BRAKE", w / 2, 18, 4, kNearBlack);
      return;
    case 3:  // flap handle
      clear_transparent(cr);
      box(cr, 1, 1, w - 2, h - 2, {0.85, 0.85, 0.85});
      text(cr, "FLAPS", w / 2, h / 2, 5, kNearBlack);
      return;
    case 4:  // thrust lever handle
      clear_transparent(cr);
      box(cr, 2, 6, w - 4, 13, {0.3, 0.31, 0.33});
      box(cr, 2, 6, w - 4, 3, kPanelLight);
      text(cr, p.text, w / 2, 13, 6, kLegend);
      return;
    default:
      return;
  }
}

// E/WD dial faces: 0 engine off (amber XX), 1 N1 engine 1, 2 EGT engine 1,
// 3 N1 engine 2, 4 EGT engine 2; the dial centre is the picture's (20, 20).
void ewd_dial(cairo_t* cr, const Picture& p) {
  clear_transparent(cr);
  const double cx = 20, cy = 20;
  if (p.a == 0) {
    ecam_arc(cr, cx, cy, 17, 135, 315, colour(kAmber), 1.5);
    text(cr, "XX", cx, cy + 8, 6, colour(kAmber));
    return;
  }
  const bool n1 = p.a == 1 || p.a == 3;
  const double end = n1 ? 315 : 260;
  ecam_arc(cr, cx, cy, 17, 135, end, kLegend, 1.2);
  ecam_arc(cr, cx, cy, 17, end - 12, end, colour(kRed), 2.0);
  const int ticks = n1 ? 4 : 3;
  set(cr, kLegend);
  cairo_set_line_width(cr, 1.0);
  for (int i = 0; i <= ticks; ++i) {
    const double a = (135 + (end - 135) * i / ticks) * kPi / 180;
    cairo_move_to(cr, cx + 17 * std::cos(a), cy + 17 * std::sin(a));
    cairo_line_to(cr, cx + 13 * std::cos(a), cy + 13 * std::sin(a));
  }
  cairo_stroke(cr);
  if (n1) {
    text(cr, "5", cx - 9, cy - 8, 5, kLegend, false);
    text(cr, "10", cx + 9, cy - 8, 5, kLegend, false);
  }
}

// E/WD flap indicator: the slat and flap tracks with the current position;
// images 0-5 the flap position (green), 10-15 the handle (cyan target).
void flap_indicator(cairo_t* cr, const Picture& p) {
  clear_transparent(cr);
  const int step = p.a % 10;
  const bool handle = p.a >= 10;
  const C c = handle ? colour(kCyan) : colour(kGreen);
  for (int i = 1; i <= 5; ++i) {
    const double x = 37 + i * 6.5;
    box(cr, x, 10 + i * 2.5, 2, 2, kScreenGrey);
    box(cr, 35 - i * 6.5, 10 + i * 2.5, 2, 2, kScreenGrey);
  }
  box(cr, 32, 6, 10, 5, kScreenGrey);
  if (step > 0) {
    const double x = 37 + step * 6.5;
    if (handle) {
      frame(cr, x - 1, 8 + step * 2.5, 5, 5, c);
    } else {
      line(cr, 42, 9, x + 1, 11 + step * 2.5, c, 2.0);
      line(cr, 32, 9, 36 - step * 6.5, 11 + step * 2.5, c, 2.0);
    }
  }
  if (p.text != nullptr && *p.text != '\0' && !handle) {
    text(cr, p.text, 37, 25, 6, c);
  }
}

}  // namespace

bool uses_transparency(const Picture& p) {
  switch (p.family) {
    case Family::kNeedle:
    case Family::kKnob:
    case Family::kSymbol:
    case Family::kTransparent:
    case Family::kEwdDial:
    case Family::kFlapIndicator:
      return true;
    case Family::kSelector:
      return p.width != 31;
    case Family::kDialFace:
      return p.a == 4 || p.a == 5 || p.a == 7;
    case Family::kScreen:
      return p.a == 13;
    case Family::kLegend:
      return p.a >= 3 && p.a <= 6;
    case Family::kLever:
      return p.a >= 2;
    default:
      return false;
  }
}

void draw_picture(cairo_t* cr, const Picture& p) {
  cairo_save(cr);
  switch (p.family) {
    case Family::kPanel:
      panel(cr, p);
      break;
    case Family::kScreen:
      screen(cr, p);
      break;
    case Family::kKey:
      key(cr, p);
      break;
    case Family::kOverheadPb:
      overhead_pb(cr, p);
      break;
    case Family::kLight:
      light(cr, p);
      break;
    case Family::kKnob:
      knob(cr, p);
      break;
    case Family::kSelector:
      selector(cr, p);
      break;
    case Family::kToggle:
      toggle(cr, p);
      break;
    case Family::kNeedle:
      needle(cr, p);
      break;
    case Family::kDialFace:
      dial(cr, p);
      break;
    case Family::kTape:
      tape(cr, p);
      break;
    case Family::kTransparent:
      clear_transparent(cr);
      break;
    case Family::kSymbol:
      symbol(cr, p);
      break;
    case Family::kSphere:
      sphere(cr, p);
      break;
    case Family::kLegend:
      legend_image(cr, p);
      break;
    case Family::kLever:
      lever(cr, p);
      break;
    case Family::kEwdDial:
      ewd_dial(cr, p);
      break;
    case Family::kFlapIndicator:
      flap_indicator(cr, p);
      break;
  }
  cairo_restore(cr);
}

}  // namespace corvane::art
