// How each family of pictures is drawn, in the cockpit's one style
// (style.h). Pure black is the simulator's transparent colour: opaque dark
// areas use a near-black instead, and the pictures that need see-through
// parts (needles, knobs, marks on strips) start from pure black.
//
// Pictures are drawn for their native pixel size: legends in the pixel
// fonts (or hinted vector text for titles) at whole-pixel positions, lines
// on pixel centres, so that nothing is blurred at 1:1.
#include "pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "pixel_font.h"
#include "style.h"

namespace corvane::art {
namespace {

namespace st = style;
constexpr double kPi = 3.14159265358979323846;

struct C {
  double r, g, b;
};

constexpr C rgb(st::Rgb c) { return {c.r / 255.0, c.g / 255.0, c.b / 255.0}; }

constexpr C kPanelGrey = rgb(st::kPaint);
constexpr C kPanelDark = rgb(st::kPaintShadow);
constexpr C kPanelLight = rgb(st::kPaintLight);
constexpr C kNearBlack = rgb(st::kScreen);
constexpr C kLegend = rgb(st::kLegend);
constexpr C kScreenGrey = rgb(st::kGrey);

C colour(int code) {
  switch (code) {
    case kGreen:
      return rgb(st::kGreen);
    case kAmber:
      return rgb(st::kAmber);
    case kRed:
      return rgb(st::kRed);
    case kBlue:
      return rgb(st::kBlue);
    case kCyan:
      return rgb(st::kCyan);
    case kYellow:
      return rgb(st::kYellow);
    case kGrey:
      return kScreenGrey;
    default:
      return rgb(st::kWhite);
  }
}

st::Rgb colour8(int code) {
  switch (code) {
    case kGreen:
      return st::kGreen;
    case kAmber:
      return st::kAmber;
    case kRed:
      return st::kRed;
    case kBlue:
      return st::kBlue;
    case kCyan:
      return st::kCyan;
    case kYellow:
      return st::kYellow;
    default:
      return st::kWhite;
  }
}

C scaled(C c, double k) { return {c.r * k, c.g * k, c.b * k}; }

std::vector<LegendBox>* g_legends = nullptr;

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
  cairo_rectangle(cr, x + width / 2, y + width / 2, w - width, h - width);
  cairo_stroke(cr);
}

// A pixel row or column holds a line of odd width on its centre; even widths
// sit on the grid. Other directions are drawn as given.
double snap(double v, double width) {
  const bool odd = std::lround(width) % 2 == 1;
  return odd ? std::floor(v) + 0.5 : std::round(v);
}

void line(cairo_t* cr, double x0, double y0, double x1, double y1, C c, double width = 1.0) {
  if (y0 == y1) {
    y0 = y1 = snap(y0, width);
  } else if (x0 == x1) {
    x0 = x1 = snap(x0, width);
  }
  set(cr, c);
  cairo_set_line_width(cr, width);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
}

// Relief of a raised (or, swapped, sunken) rectangle: a light edge on top
// and left, a dark one on the bottom and right.
void bevel(cairo_t* cr, int x, int y, int w, int h, const st::Bevel& b) {
  for (int i = 0; i < b.width; ++i) {
    box(cr, x + i, y + i, w - 2 * i, 1, rgb(b.light));
    box(cr, x + i, y + i, 1, h - 2 * i, rgb(b.light));
    box(cr, x + i, y + h - 1 - i, w - 2 * i, 1, rgb(b.shadow));
    box(cr, x + w - 1 - i, y + i, 1, h - 2 * i, rgb(b.shadow));
  }
}

// A raised part's shadow on the paint, down and to the right.
void drop_shadow(cairo_t* cr, int x, int y, int w, int h) {
  const st::Shadow s = st::kDropShadow;
  box(cr, x + s.dx, y + h, w, s.dy, rgb(s.colour));
  box(cr, x + w, y + s.dy, s.dx, h, rgb(s.colour));
}

enum class Align { kCentre, kLeft, kRight };

st::Type type_for(double size) { return size < 6 ? st::Type::kSmall : size < 9 ? st::Type::kLarge : st::Type::kTitle; }

// A legend anchored at (x, y): y is its vertical centre, x its centre, left
// or right edge. Drawn on whole pixels and recorded with its box.
LegendBox legend_at(cairo_t* cr, const std::string& s, double x, double y, st::Type type, C c,
                    Align align = Align::kCentre, bool draw = true) {
  LegendBox box_out{0, 0, 0, 0, s};
  if (s.empty()) {
    return box_out;
  }
  if (type == st::Type::kTitle) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_FULL);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, st::kTitlePixels);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    const double w = e.x_advance;
    const double left = std::round(align == Align::kCentre ? x - w / 2 : align == Align::kLeft ? x : x - w);
    const double baseline = std::round(y - (e.y_bearing + e.height / 2));
    box_out.x = static_cast<int>(std::floor(left + e.x_bearing));
    box_out.y = static_cast<int>(std::floor(baseline + e.y_bearing));
    box_out.w = static_cast<int>(std::ceil(left + e.x_bearing + e.width)) - box_out.x;
    box_out.h = static_cast<int>(std::ceil(baseline + e.y_bearing + e.height)) - box_out.y;
    if (draw) {
      set(cr, c);
      cairo_move_to(cr, left, baseline);
      cairo_show_text(cr, s.c_str());
    }
  } else {
    const PixelFont font = type == st::Type::kSmall ? PixelFont::kSmall : PixelFont::kLarge;
    const int w = pixel_text_width(font, s);
    if (w < 0) {
      std::fprintf(stderr, "no glyph for a character of \"%s\"\n", s.c_str());
      std::exit(1);
    }
    const int h = pixel_font_height(font);
    const double left = align == Align::kCentre ? x - w / 2.0 : align == Align::kLeft ? x : x - w;
    box_out = {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(y - h / 2.0)), w, h, s};
    if (draw) {
      set(cr, c);
      draw_pixel_text(cr, font, s, box_out.x, box_out.y);
    }
  }
  if (draw && g_legends != nullptr) {
    g_legends->push_back(box_out);
  }
  return box_out;
}

// The width a legend would take.
int legend_width(cairo_t* cr, const std::string& s, st::Type type) {
  return legend_at(cr, s, 0, 0, type, {}, Align::kLeft, false).w;
}

// Text centred vertically on y, in the type its size calls for.
void text(cairo_t* cr, const std::string& s, double x, double y, double size, C c, bool = true,
          Align align = Align::kCentre) {
  legend_at(cr, s, x, y, type_for(size), c, align);
}

void screw(cairo_t* cr, double x, double y) {
  set(cr, rgb(st::kPaintShadow));
  cairo_arc(cr, x + 0.5, y + 0.5, 2.0, 0, 2 * kPi);
  cairo_fill(cr);
  set(cr, rgb(st::kScrew));
  cairo_arc(cr, x, y, 2.0, 0, 2 * kPi);
  cairo_fill(cr);
  box(cr, x - 1, y - 0.5, 2, 1, kPanelDark);
}

// "TEXT@x,y[,size]|..." legends: sizes below 6 take the small pixel font,
// below 9 the large one, above that a hinted title.
void legends(cairo_t* cr, const char* spec, C c, double default_size) {
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
    std::string item = all.substr(start, end - start);
    // "~TEXT": a unit, cyan as on the displays.
    const bool unit = !item.empty() && item[0] == '~';
    if (unit) {
      item.erase(0, 1);
    }
    const size_t at = item.find('@');
    if (at != std::string::npos) {
      double x = 0, y = 0, size = default_size;
      const std::string pos = item.substr(at + 1);
      const int n = std::sscanf(pos.c_str(), "%lf,%lf,%lf", &x, &y, &size);
      if (n < 3) {
        size = default_size;
      }
      text(cr, item.substr(0, at), x, y, size, unit ? colour(kCyan) : c);
    }
    start = end + 1;
  }
}

// The captions of an overhead pushbutton (16 x 16 at the origin): the upper
// half (FAULT, amber) and the lower half (ON blue, OFF white...). A caption
// wider than its half lights as a bar: five letters do not fit in 14 pixels.
void pushbutton(cairo_t* cr, int x0, int y0, const std::string& upper, const std::string& lower, bool upper_lit,
                bool lower_lit, C lower_colour) {
  box(cr, x0, y0, 16, 16, rgb(st::kButton));
  bevel(cr, x0, y0, 16, 16, st::kButtonBevel);
  box(cr, x0 + 2, y0 + 8, 12, 1, rgb(st::kButtonShadow));  // the line between the halves
  const C upper_colour = upper == "FAULT" ? colour(kAmber) : colour(kBlue);
  auto half = [&](const std::string& caption, int top, bool lit, C c) {
    const C ink = lit ? c
                      : rgb(st::unlit(st::Rgb{static_cast<uint8_t>(c.r * 255), static_cast<uint8_t>(c.g * 255),
                                              static_cast<uint8_t>(c.b * 255)}));
    if (lit) {
      box(cr, x0 + 2, top, 12, 6, scaled(c, 0.22));
    }
    if (legend_width(cr, caption, st::Type::kSmall) <= 12) {
      legend_at(cr, caption, x0 + 8, top + 3, st::Type::kSmall, ink);
    } else {
      box(cr, x0 + 3, top + 2, 10, 2, ink);
    }
  };
  half(upper, y0 + 2, upper_lit, upper_colour);
  half(lower, y0 + 9, lower_lit, lower_colour);
  if (lower_lit) {
    frame(cr, x0 + 2, y0 + 9, 12, 6, lower_colour);
  }
}

// A key of the glareshield and pedestal: dark face, bevel, legend, and the
// light bar below it (lit: the light's colour; unlit: dark glass).
void key_body(cairo_t* cr, int x, int y, int w, int h, const std::string& label, bool has_bar, bool lit, C light) {
  box(cr, x, y, w, h, rgb(st::kButton));
  bevel(cr, x, y, w, h, st::kButtonBevel);
  const size_t caret = label.find('^');
  if (caret != std::string::npos) {  // two lines
    legend_at(cr, label.substr(0, caret), x + w / 2.0, y + h / 2.0 - 3, st::Type::kSmall, kLegend);
    legend_at(cr, label.substr(caret + 1), x + w / 2.0, y + h / 2.0 + 3, st::Type::kSmall, kLegend);
    return;
  }
  if (!has_bar) {
    legend_at(cr, label, x + w / 2.0, y + h / 2.0, st::Type::kSmall, kLegend);
    return;
  }
  legend_at(cr, label, x + w / 2.0, y + 2 + 2.5 + (h - 16) / 2.0, st::Type::kSmall, kLegend);
  const int bar_w = std::max(6, (w - 8) / 3 * 2);
  const int bar_y = y + h - 5;
  box(cr, x + (w - bar_w) / 2, bar_y, bar_w, 2, lit ? light : rgb(st::kCaptionOff));
}

// A rotary knob seen from the front: skirt, body, the light's highlight on
// its upper left, and a white pointer at `angle` degrees clockwise from up.
void knob_at(cairo_t* cr, double cx, double cy, double r, double angle, bool grip) {
  set(cr, rgb(st::kKnobRim));
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
  set(cr, rgb(st::kKnob));
  cairo_arc(cr, cx, cy, r * 0.78, 0, 2 * kPi);
  cairo_fill(cr);
  set(cr, rgb(st::kKnobHighlight));
  cairo_set_line_width(cr, std::max(1.0, r * 0.12));
  cairo_arc(cr, cx, cy, r * 0.9, 1.05 * kPi, 1.45 * kPi);
  cairo_stroke(cr);
  if (grip) {
    for (int i = 0; i < 12; ++i) {
      const double g = i * kPi / 6;
      line(cr, cx + r * 0.8 * std::cos(g), cy + r * 0.8 * std::sin(g), cx + r * 0.97 * std::cos(g),
           cy + r * 0.97 * std::sin(g), rgb(st::kKnob), 1.0);
    }
  }
  const double a = (angle - 90) * kPi / 180;
  line(cr, cx + r * 0.15 * std::cos(a), cy + r * 0.15 * std::sin(a), cx + r * 0.85 * std::cos(a),
       cy + r * 0.85 * std::sin(a), kLegend, std::max(1.5, r / 5));
}

// A bar-shaped selector knob pointing at `angle`.
void selector_at(cairo_t* cr, double cx, double cy, double r, double angle) {
  set(cr, rgb(st::kKnobRim));
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
  const double a = (angle - 90) * kPi / 180;
  set(cr, rgb(st::kKnob));
  cairo_set_line_width(cr, r * 0.62);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx - r * 0.7 * std::cos(a), cy - r * 0.7 * std::sin(a));
  cairo_line_to(cr, cx + r * 0.7 * std::cos(a), cy + r * 0.7 * std::sin(a));
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  set(cr, rgb(st::kKnobHighlight));
  cairo_set_line_width(cr, 1.0);
  cairo_arc(cr, cx, cy, r - 0.5, 1.05 * kPi, 1.45 * kPi);
  cairo_stroke(cr);
  line(cr, cx, cy, cx + r * 0.85 * std::cos(a), cy + r * 0.85 * std::sin(a), kLegend, 1.5);
}

// Painted parts of a panel, written in its table text among the legends:
//   #win:x,y,w,h            a window sunk into the panel (displays, digits)
//   #key:x,y,w,h:LEGEND     an unlit key with its bar (LEGEND "A^B": two lines, no bar)
//   #pb:x,y:UPPER/LOWER     an unlit overhead pushbutton
//   #guard:x,y              the red guard over the pushbutton at x,y
//   #sel:x,y,r,angle        a selector knob
//   #knob:x,y,r,angle       a round knob with its grip
//   #sw:x,y                 a small two-way switch
//   #line:x0,y0,x1,y1,...   a white synoptic line
//   #seam:x0,y0,x1,y1       the joint between two panels on one picture
//   #slot:x,y,w,h           a lever's slot
//   #handle:x,y,w,h:LEGEND  a fire handle
void painted_part(cairo_t* cr, const std::string& item, const Picture& p) {
  const size_t colon = item.find(':');
  const std::string kind = item.substr(1, colon - 1);
  std::string rest = colon == std::string::npos ? "" : item.substr(colon + 1);
  std::string label;
  if (const size_t second = rest.find(':'); second != std::string::npos) {
    label = rest.substr(second + 1);
    rest = rest.substr(0, second);
  }
  std::vector<double> v;
  for (size_t at = 0; at < rest.size();) {
    size_t end = rest.find(',', at);
    if (end == std::string::npos) {
      end = rest.size();
    }
    v.push_back(std::atof(rest.substr(at, end - at).c_str()));
    at = end + 1;
  }
  auto i = [&](size_t k) { return k < v.size() ? static_cast<int>(v[k]) : 0; };
  const bool glare = p.b == 1;
  if (kind == "win") {
    box(cr, i(0), i(1), i(2), i(3), rgb(st::kWindow));
    bevel(cr, i(0) - 1, i(1) - 1, i(2) + 2, i(3) + 2,
          glare ? st::Bevel{st::kGlareShadow, st::kGlareLight, 1} : st::kRecess);
  } else if (kind == "key") {
    drop_shadow(cr, i(0), i(1), i(2), i(3));
    key_body(cr, i(0), i(1), i(2), i(3), label, label.find('^') == std::string::npos && i(2) >= 20, false, {});
  } else if (kind == "pb") {
    const size_t slash = label.find('/');
    drop_shadow(cr, i(0), i(1), 16, 16);
    pushbutton(cr, i(0), i(1), label.substr(0, slash), label.substr(slash + 1), false, false, colour(kBlue));
  } else if (kind == "guard") {
    frame(cr, i(0) - 2, i(1) - 2, 20, 20, rgb(st::kGuard), 2.0);
    box(cr, i(0) - 2, i(1) - 2, 20, 1, rgb(st::kGuardLight));
  } else if (kind == "sel") {
    selector_at(cr, v[0], v[1], v[2], v.size() > 3 ? v[3] : 0);
  } else if (kind == "knob") {
    knob_at(cr, v[0], v[1], v[2], v.size() > 3 ? v[3] : 0, true);
  } else if (kind == "sw") {
    set(cr, rgb(st::kKnob));
    cairo_arc(cr, i(0) + 0.5, i(1) + 0.5, 3.5, 0, 2 * kPi);
    cairo_fill(cr);
    box(cr, i(0) - 1, i(1) - 5, 3, 6, rgb(st::kLever));
  } else if (kind == "line") {
    set(cr, kLegend);
    cairo_set_line_width(cr, st::kStroke);
    for (size_t k = 0; k + 1 < v.size(); k += 2) {
      const double x = std::round(v[k]), y = std::round(v[k + 1]);
      if (k == 0) {
        cairo_move_to(cr, x, y);
      } else {
        cairo_line_to(cr, x, y);
      }
    }
    cairo_stroke(cr);
  } else if (kind == "seam") {
    line(cr, v[0], v[1], v[2], v[3], rgb(st::kSeam), 1.0);
    line(cr, v[0] + (v[0] == v[2] ? 1 : 0), v[1] + (v[1] == v[3] ? 1 : 0), v[2] + (v[0] == v[2] ? 1 : 0),
         v[3] + (v[1] == v[3] ? 1 : 0), glare ? rgb(st::kGlareLight) : kPanelLight, 1.0);
  } else if (kind == "slot") {
    box(cr, i(0), i(1), i(2), i(3), rgb(st::kGlareShadow));
    bevel(cr, i(0) - 1, i(1) - 1, i(2) + 2, i(3) + 2, st::kRecess);
  } else if (kind == "handle") {
    drop_shadow(cr, i(0), i(1), i(2), i(3));
    box(cr, i(0), i(1), i(2), i(3), rgb(st::kGuard));
    bevel(cr, i(0), i(1), i(2), i(3), st::Bevel{st::kGuardLight, st::Rgb{90, 20, 18}, 1});
    legend_at(cr, label, i(0) + i(2) / 2.0, i(1) + i(3) / 2.0, st::Type::kLarge, kLegend);
  } else {
    std::fprintf(stderr, "%04X: unknown painted part \"%s\"\n", p.id, item.c_str());
    std::exit(1);
  }
}

void panel(cairo_t* cr, const Picture& p) {
  const bool glare = p.b == 1;
  const int w = p.width, h = p.height;
  fill_all(cr, glare ? rgb(st::kGlareshield) : kPanelGrey);
  bevel(cr, 0, 0, w, h, glare ? st::kGlareBevel : st::kPanelBevel);
  if (w > 60 && h > 40 && !glare) {
    screw(cr, 4, 4);
    screw(cr, w - 5, 4);
    screw(cr, 4, h - 5);
    screw(cr, w - 5, h - 5);
  }
  if (p.a == 3) {  // thrust quadrant: the detent marks beside the lever slots
    for (double y : {18.0, 36.0, 56.0, 106.0, 150.0}) {
      line(cr, 62, y, 71, y, kLegend, 1.0);
      line(cr, 80, y, 86, y, kLegend, 1.0);
      line(cr, 110, y, 117, y, kLegend, 1.0);
      line(cr, 126, y, 135, y, kLegend, 1.0);
    }
  }
  // Painted parts first, legends over them.
  std::string all(p.text);
  std::string legend_spec;
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find('|', start);
    if (end == std::string::npos) {
      end = all.size();
    }
    const std::string item = all.substr(start, end - start);
    if (!item.empty() && item[0] == '#') {
      painted_part(cr, item, p);
    } else {
      legend_spec += item + "|";
    }
    start = end + 1;
  }
  legends(cr, legend_spec.c_str(), kLegend, 5);
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
  box(cr, 9, 45, 28, 112, rgb(st::kTape));
  box(cr, 150, 45, 24, 112, rgb(st::kTape));
  box(cr, 46, 171, 97, 22, rgb(st::kTape));
  box(cr, 174, 43, 40, 116, scaled(rgb(st::kTape), 0.75));
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
    case 4:  // ELEC: a box round each source and bus with its values
      for (const auto& b : {std::array<double, 4>{7, 13, 70, 19},
                            {113, 13, 78, 19},
                            {9, 42, 50, 33},
                            {72, 42, 48, 28},
                            {139, 42, 46, 28},
                            {42, 81, 42, 28},
                            {115, 81, 42, 28}}) {
        cairo_rectangle(cr, b[0] + 0.5, b[1] + 0.5, b[2], b[3]);
      }
      cairo_stroke(cr);
      line(cr, 42, 32, 42, 42, colour(kGreen), 1.0);
      line(cr, 152, 32, 152, 42, colour(kGreen), 1.0);
      line(cr, 63, 109, 63, 118, colour(kGreen), 1.0);
      line(cr, 136, 109, 136, 118, colour(kGreen), 1.0);
      line(cr, 63, 118, 136, 118, colour(kGreen), 1.0);
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
  const int w = p.width, h = p.height;
  const C lit = colour(p.b);
  std::string label(p.text);
  const size_t bar = label.find('|');
  if (bar != std::string::npos) {
    // MASTER WARN / MASTER CAUT: the whole caption is the light. Unlit, its
    // letters are frosted glass on a black face; lit, they glow in the
    // light's colour behind a red or amber frame.
    box(cr, 0, 0, w, h, rgb(st::kButton));
    bevel(cr, 0, 0, w, h, st::kButtonBevel);
    box(cr, 2, 2, w - 4, h - 4, p.a != 0 ? scaled(lit, 0.16) : rgb(st::kWindow));
    const C ink = p.a != 0 ? lit : rgb(st::unlit(colour8(p.b)));
    frame(cr, 2, 2, w - 4, h - 4, p.a != 0 ? lit : rgb(st::kCaptionOff));
    legend_at(cr, label.substr(0, bar), w / 2.0, h / 2.0 - 4, st::Type::kSmall, p.a != 0 ? ink : kLegend);
    legend_at(cr, label.substr(bar + 1), w / 2.0, h / 2.0 + 4, st::Type::kSmall, p.a != 0 ? ink : kLegend);
    return;
  }
  key_body(cr, 0, 0, w, h, label, true, p.a != 0, lit);
}

void overhead_pb(cairo_t* cr, const Picture& p) {
  std::string label(p.text);
  const size_t slash = label.find('/');
  pushbutton(cr, 0, 0, label.substr(0, slash), label.substr(slash + 1), p.a == 2 || p.a == 3, p.a == 1 || p.a == 3,
             colour(p.b));
}

// Annunciator lamps: lit, the glass glows in its colour with a brighter
// centre; unlit, dark glass with a hint of its tint. A legend that fits is
// written in black on the lit glass, in the tint on the dark.
void light(cairo_t* cr, const Picture& p) {
  const int w = p.width, h = p.height;
  const C c = colour(p.b);
  const bool lit = p.a != 0;
  fill_all(cr, rgb(st::kButtonShadow));
  if (w >= 4 && h >= 4) {
    box(cr, 1, 1, w - 2, h - 2, lit ? c : rgb(st::unlit(colour8(p.b))));
  } else {
    fill_all(cr, lit ? c : rgb(st::unlit(colour8(p.b))));
  }
  if (lit && w > 6 && h > 4) {
    box(cr, 2, 1, w - 4, 1, {std::min(1.0, c.r + 0.3), std::min(1.0, c.g + 0.3), std::min(1.0, c.b + 0.3)});
  }
  const std::string label = p.text != nullptr ? p.text : "";
  if (!label.empty() && legend_width(cr, label, st::Type::kSmall) <= w - 2 && h >= 7) {
    legend_at(cr, label, w / 2.0, h / 2.0, st::Type::kSmall, lit ? rgb(st::kButtonShadow) : scaled(c, 0.8));
  }
}

void knob(cairo_t* cr, const Picture& p) {
  clear_transparent(cr);
  const double w = p.width, h = p.height;
  const double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 0.5;
  if (p.b == 1) {  // altitude increment ring: a grey ring with its pointer tab
    set(cr, rgb(st::kKnobRim));
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_fill(cr);
    set(cr, rgb(st::kKnob));
    cairo_arc(cr, cx, cy, r - 3, 0, 2 * kPi);
    cairo_fill(cr);
    const double a = (p.a - 90) * kPi / 180;
    set(cr, kLegend);
    cairo_arc(cr, cx + (r - 1.5) * std::cos(a), cy + (r - 1.5) * std::sin(a), 2.0, 0, 2 * kPi);
    cairo_fill(cr);
    return;
  }
  if (p.b == 3 || p.b == 4) {  // audio reception knob: pulled out, its ring lights
    knob_at(cr, cx, cy, r, 0, false);
    set(cr, p.b == 4 ? colour(kGreen) : rgb(st::kCaptionOff));
    cairo_set_line_width(cr, 1.5);
    cairo_arc(cr, cx, cy, r - 0.75, 0, 2 * kPi);
    cairo_stroke(cr);
    if (p.b == 4) {
      box(cr, cx - 3, cy - 1, 6, 2, colour(kGreen));
    }
    return;
  }
  knob_at(cr, cx, cy, r, p.a, p.b == 0);
}

void selector(cairo_t* cr, const Picture& p) {
  if (p.b == 0 && p.width == 31) {
    fill_all(cr, kPanelGrey);
  } else {
    clear_transparent(cr);
  }
  const double w = p.width, h = p.height;
  const double r = std::min(w, h) / 2 - 1;
  selector_at(cr, w / 2, h / 2, r, p.a);
}

// Toggle switches seen from the front, lit from above: the lever's tip is a
// bright ball, its stem thinner, the base a dark ring. 4 and 5: the engine
// master lever (off down, on up) between its guard plates.
void toggle(cairo_t* cr, const Picture& p) {
  fill_all(cr, kPanelGrey);
  const double w = p.width, h = p.height;
  const double cx = w / 2, cy = h / 2;
  const int variant = p.a;
  if (variant >= 4) {
    const bool on = variant == 5;
    box(cr, 2, 4, 5, h - 8, rgb(st::kGuard));
    box(cr, w - 7, 4, 5, h - 8, rgb(st::kGuard));
    box(cr, 2, 4, 5, 1, rgb(st::kGuardLight));
    box(cr, w - 7, 4, 5, 1, rgb(st::kGuardLight));
    box(cr, cx - 2, 8, 4, h - 16, rgb(st::kButtonShadow));
    legend_at(cr, "ON", cx, 3, st::Type::kSmall, kLegend);
    legend_at(cr, "OFF", cx, h - 3, st::Type::kSmall, kLegend);
    const double y = on ? 9 : h - 21;
    box(cr, cx - 6, y + 1, 12, 12, rgb(st::kPaintShadow));
    box(cr, cx - 6, y, 12, 12, rgb(st::kLever));
    box(cr, cx - 6, y, 12, 2, {1, 1, 1});
    box(cr, cx - 6, y + 10, 12, 2, rgb(st::kLeverShadow));
    return;
  }
  const bool up = variant == 1 || variant == 3;
  set(cr, rgb(st::kKnobRim));
  cairo_arc(cr, cx, cy, std::min(w, h) * 0.32, 0, 2 * kPi);
  cairo_fill(cr);
  set(cr, rgb(st::kKnob));
  cairo_arc(cr, cx, cy, std::min(w, h) * 0.22, 0, 2 * kPi);
  cairo_fill(cr);
  const double tip = up ? h * 0.16 : h * 0.84;
  set(cr, rgb(st::kLeverShadow));
  cairo_set_line_width(cr, std::max(2.0, w * 0.2));
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx, tip);
  cairo_stroke(cr);
  const double r = std::max(2.0, w * 0.2);
  set(cr, rgb(st::kLever));
  cairo_arc(cr, cx, tip, r, 0, 2 * kPi);
  cairo_fill(cr);
  set(cr, {1, 1, 1});
  cairo_arc(cr, cx - r * 0.35, tip - r * 0.35, r * 0.4, 0, 2 * kPi);
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
    set(cr, rgb(st::kKnob));
    cairo_arc(cr, px, py, std::min(w, h) / 2 - 0.5, 0, 2 * kPi);
    cairo_fill(cr);
    set(cr, kPanelGrey);
    cairo_arc(cr, px, py, std::min(w, h) / 2 - 3, 0, 2 * kPi);
    cairo_fill(cr);
    line(cr, px, py, w - 1.5, py, kLegend, 2.0);
    return;
  }
  if (kind == "tee") {  // parking brake handle seen from above
    box(cr, px - 3, 2, 6, h - 4, rgb(st::kLeverShadow));
    box(cr, px, py - 2, w - px - 1, 4, rgb(st::kLever));
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
    case 0:  // square bezel with a round opening and its four screws
    case 6:
      fill_all(cr, rgb(st::kBezel));
      bevel(cr, 0, 0, static_cast<int>(w), static_cast<int>(h), st::Bevel{st::kButtonLight, st::kButtonShadow, 1});
      set(cr, rgb(st::kButtonShadow));
      cairo_arc(cr, cx, cy, w / 2 - 4, 0, 2 * kPi);
      cairo_fill(cr);
      set(cr, rgb(st::kFace));
      cairo_arc(cr, cx, cy, w / 2 - 5, 0, 2 * kPi);
      cairo_fill(cr);
      for (const auto& [sx, sy] : {std::pair{4.0, 4.0}, {w - 5, 4.0}, {4.0, h - 5}, {w - 5, h - 5}}) {
        set(cr, rgb(st::kButtonLight));
        cairo_arc(cr, sx, sy, 1.8, 0, 2 * kPi);
        cairo_fill(cr);
      }
      return;
    case 1: {  // standby airspeed face, 60 to 400 knots clockwise from the top
      fill_all(cr, kNearBlack);
      dial_ticks(cr, cx, cy, 27, 34, -90, 250, 3, kLegend);
      const int labels[] = {60, 100, 150, 200, 250, 300, 350, 400};
      for (int v : labels) {
        const double a = (-90 + (v - 60) * 340.0 / 340.0) * kPi / 180;
        text(cr, std::to_string(v / 10), cx + 19 * std::cos(a), cy + 19 * std::sin(a), 5, kLegend);
      }
      text(cr, "KNOTS", cx, cy - 10, 4, kLegend);
      return;
    }
    case 2: {  // standby altimeter face: 0 to 9 hundreds
      fill_all(cr, kNearBlack);
      // The drum window (face x 6 to 46, y 18 to 28) and the setting window
      // (y 43 to 51) lie over the middle: the 2, 8 and 5 stand beside them.
      dial_ticks(cr, cx, cy, 27.5, 50, -90, 270, 1.5, kLegend);
      dial_ticks(cr, cx, cy, 27.5, 10, -90, 270, 3, kLegend);
      for (int v = 0; v < 10; ++v) {
        const double a = (-90 + v * 36.0) * kPi / 180;
        double x = cx + 20 * std::cos(a), y = cy + 20 * std::sin(a);
        if (v == 2 || v == 8) {
          x = v == 2 ? 49.5 : 3.5;
        } else if (v == 5) {
          y = 53.5;
        }
        text(cr, std::to_string(v), x, y, 5, kLegend);
      }
      text(cr, "ALT", cx, 38, 5, kLegend);
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
      set(cr, rgb(st::kFace));
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
  fill_all(cr, rgb(st::kTape));
  // Row of a speed: 56 + (600 - v) x 779 / 600, so that v sits at the
  // window's centre line when the element's value is v.
  const double travel = p.height - 112.0;
  for (int v = 0; v <= 600; v += 10) {
    const double y = 56 + (600 - v) * travel / 600.0;
    const double len = v % 20 == 0 ? 5 : 3;
    line(cr, p.width - len, y, p.width, y, kLegend, 1.0);
    if (v % 20 == 0 && v >= 30) {
      char buf[16];
      std::snprintf(buf, sizeof buf, "%d", v);
      text(cr, buf, p.width - 6, y, 6.5, kLegend, false, Align::kRight);
    }
  }
}

void altitude_tape(cairo_t* cr, const Picture& p) {
  fill_all(cr, rgb(st::kTape));
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
  fill_all(cr, rgb(st::kTape));
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
      box(cr, 0, 0, w, h, scaled(rgb(st::kTape), 0.75));
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
    case 0:  // engraved window legend on the glareshield
    case 1:
      fill_all(cr, rgb(st::kGlareshield));
      text(cr, p.text, w / 2, h / 2, h >= 7 ? 7 : 5, kLegend);
      return;
    case 2:  // small unit flag
      fill_all(cr, kNearBlack);
      text(cr, p.text, w / 2, h / 2, 5, kLegend);
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
      text(cr, p.text, p.a == 5 ? (w - 12) / 2 : w / 2, h / 2,
           h >= 7 && legend_width(cr, p.text, st::Type::kLarge) <= (p.a == 5 ? w - 12 : w) ? 7 : 5, colour(p.b));
      return;
    case 7:  // "STD" box
      fill_all(cr, kNearBlack);
      frame(cr, 0, 0, w, h, colour(kYellow));
      text(cr, p.text, w / 2, h / 2, 7, colour(p.b));
      return;
    default:
      return;
  }
}

void lever(cairo_t* cr, const Picture& p) {
  const int w = p.width, h = p.height;
  switch (p.a) {
    case 0:  // gear lever, up and down: the wheel-shaped knob on its arm
    case 1: {
      fill_all(cr, kPanelGrey);
      box(cr, w / 2 - 2, 2, 4, h - 4, rgb(st::kGlareShadow));
      bevel(cr, w / 2 - 3, 1, 6, h - 2, st::kRecess);
      const double y = p.a == 0 ? 12 : h - 13;
      box(cr, w / 2 - 1, p.a == 0 ? y : 3, 2, p.a == 0 ? h - 3 - y : y - 3, rgb(st::kLeverShadow));
      set(cr, rgb(st::kPaintShadow));
      cairo_arc(cr, w / 2.0 + 0.5, y + 0.5, 6, 0, 2 * kPi);
      cairo_fill(cr);
      set(cr, rgb(st::kLever));
      cairo_arc(cr, w / 2.0, y, 6, 0, 2 * kPi);
      cairo_fill(cr);
      set(cr, rgb(st::kLeverShadow));
      cairo_set_line_width(cr, 1.0);
      cairo_arc(cr, w / 2.0, y, 3.5, 0, 2 * kPi);
      cairo_stroke(cr);
      box(cr, w / 2 - 1, y - 1, 2, 2, rgb(st::kLeverShadow));
      return;
    }
    case 2:  // speed brake handle: a white grip on its stem
      clear_transparent(cr);
      box(cr, w / 2 - 2, 20, 4, h - 20, rgb(st::kLeverShadow));
      box(cr, 2, 6, w - 4, 15, rgb(st::kLeverShadow));
      box(cr, 2, 5, w - 4, 14, rgb(st::kLever));
      box(cr, 2, 5, w - 4, 1, {1, 1, 1});
      legend_at(cr, "SPD", w / 2.0, 9, st::Type::kSmall, rgb(st::kButton));
      legend_at(cr, "BRK", w / 2.0, 15, st::Type::kSmall, rgb(st::kButton));
      return;
    case 3:  // flap handle
      clear_transparent(cr);
      box(cr, 1, 2, w - 2, h - 3, rgb(st::kLeverShadow));
      box(cr, 1, 1, w - 2, h - 3, rgb(st::kLever));
      box(cr, 1, 1, w - 2, 1, {1, 1, 1});
      legend_at(cr, "FLAPS", w / 2.0, h / 2.0 - 0.5, st::Type::kSmall, rgb(st::kButton));
      return;
    case 4:  // thrust lever handle: black grip with its number
      clear_transparent(cr);
      box(cr, 2, 7, w - 4, 13, rgb(st::kButtonShadow));
      box(cr, 2, 6, w - 4, 13, rgb(st::kKnob));
      box(cr, 2, 6, w - 4, 2, rgb(st::kKnobHighlight));
      legend_at(cr, p.text, w / 2.0, 13, st::Type::kLarge, kLegend);
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
    ecam_arc(cr, cx, cy, 17, 135, 315, colour(kAmber), 1.5);  // the value strings show XX
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
  // The engine's number in the open quarter of the dial.
  text(cr, p.a <= 2 ? "1" : "2", cx + 9, cy + 9, 5, kScreenGrey, false);
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
    text(cr, p.text, 37, 24, 6, c);
  }
  if (!handle) {  // slats on the left, flaps on the right
    text(cr, "S", 3, 12, 5, kLegend);
    text(cr, "F", 66, 12, 5, kLegend);
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

void draw_picture(cairo_t* cr, const Picture& p, std::vector<LegendBox>* legends) {
  g_legends = legends;
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
  g_legends = nullptr;
}

}  // namespace corvane::art
