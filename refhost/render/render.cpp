#include "render.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace corvane::render {
namespace {

constexpr double kPi = 3.14159265358979323846;
// How much of an unlit element's light is left in night mode.
constexpr double kNightDim = 0.72;

bool finite(double v) { return std::isfinite(v); }

int image_width(cairo_surface_t* s) { return cairo_image_surface_get_width(s); }
int image_height(cairo_surface_t* s) { return cairo_image_surface_get_height(s); }

bool dimmed(const Element* e, const RenderOptions& options) {
  return options.night && (e->image_flags & kFlagBright) == 0;
}

// The store whose bitmaps are being drawn, for the night paint masks.
const BitmapStore* g_store = nullptr;
bool g_night = false;

// Paints a surface at (x, y) of the current user space, darkened when dim;
// lit at night, only its paint darkens.
void paint_image(cairo_t* cr, cairo_surface_t* image, double x, double y, bool dim) {
  cairo_set_source_surface(cr, image, x, y);
  cairo_paint(cr);
  if (dim) {
    cairo_set_source_rgba(cr, 0, 0, 0, kNightDim);
    cairo_mask_surface(cr, image, x, y);
  } else if (g_night && g_store != nullptr) {
    if (cairo_surface_t* mask = g_store->paint_mask(image)) {
      cairo_set_source_rgb(cr, 0, 0, 0);
      cairo_mask_surface(cr, mask, x, y);
    }
  }
}

void set_windows_colour(cairo_t* cr, uint32_t bgr, bool dim) {
  double r = (bgr & 0xFF) / 255.0, g = ((bgr >> 8) & 0xFF) / 255.0, b = ((bgr >> 16) & 0xFF) / 255.0;
  if (dim) {
    r *= 1 - kNightDim;
    g *= 1 - kNightDim;
    b *= 1 - kNightDim;
  }
  cairo_set_source_rgb(cr, r, g, b);
}

// Offset of a strip inside its window for one axis: value held in its range,
// first bound at 0, second bound at the whole travel.
double strip_offset(double value, double first, double second, int strip, int window) {
  const double travel = std::max(0, strip - window);
  if (!finite(value) || first == second || !finite(first) || !finite(second)) {
    return 0.0;
  }
  const double lo = std::min(first, second), hi = std::max(first, second);
  const double held = std::clamp(value, lo, hi);
  return (held - first) / (second - first) * travel;
}

void draw_static(cairo_t* cr, const Element* e, const BitmapStore& store, const RenderOptions& o) {
  if (cairo_surface_t* image = store.find(e->bitmap_id)) {
    paint_image(cr, image, e->x, e->y, dimmed(e, o));
  }
}

// The needle's direction in radians (clockwise, 0 to the right).
double needle_angle(const NeedleElement* n, double value) {
  if (n->calibration == nullptr || n->calibration_count == 0) {
    return finite(value) ? value * kPi / 180.0 : 0.0;
  }
  const NeedlePoint* pts = n->calibration;
  const uint32_t count = n->calibration_count;
  double tx = pts[0].x, ty = pts[0].y;
  if (count > 1 && finite(value)) {
    // Points are in order of value, rising or falling.
    const bool rising = pts[count - 1].value >= pts[0].value;
    auto before = [&](double a, double b) { return rising ? a <= b : a >= b; };
    if (before(value, pts[0].value)) {
      tx = pts[0].x;
      ty = pts[0].y;
    } else if (before(pts[count - 1].value, value)) {
      tx = pts[count - 1].x;
      ty = pts[count - 1].y;
    } else {
      for (uint32_t i = 0; i + 1 < count; ++i) {
        if (before(pts[i].value, value) && before(value, pts[i + 1].value)) {
          const double span = pts[i + 1].value - pts[i].value;
          const double t = span == 0.0 ? 0.0 : (value - pts[i].value) / span;
          tx = pts[i].x + t * (pts[i + 1].x - pts[i].x);
          ty = pts[i].y + t * (pts[i + 1].y - pts[i].y);
          break;
        }
      }
    }
  }
  const double dx = tx - n->header.x, dy = ty - n->header.y;
  return dx == 0.0 && dy == 0.0 ? 0.0 : std::atan2(dy, dx);
}

void draw_needle(cairo_t* cr, const Element* e, double value, const BitmapStore& store, const RenderOptions& o) {
  cairo_surface_t* image = store.find(e->bitmap_id);
  if (image == nullptr) {
    return;
  }
  const auto* n = reinterpret_cast<const NeedleElement*>(e);
  // The pivot is a pixel of the bitmap, and the position a pixel of the
  // gauge: both are taken at their centres, so that a one-pixel-wide needle
  // stays on one row or column in every direction.
  cairo_save(cr);
  cairo_translate(cr, e->x + 0.5, e->y + 0.5);
  cairo_rotate(cr, needle_angle(n, value));
  paint_image(cr, image, -e->offset_x - 0.5, -e->offset_y - 0.5, dimmed(e, o));
  cairo_restore(cr);
}

const char* font_face(const char* host_font) {
  std::string name(host_font, strnlen(host_font, 32));
  if (name == "Quartz") {
    return "DSEG7 Classic";
  }
  if (name == "Glass Gauge" || name == "Lucida Console") {
    return "DejaVu Sans Mono";
  }
  return "DejaVu Sans";
}

void draw_string(cairo_t* cr, const Element* e, const testhost::TestHost& host, const RenderOptions& o) {
  const auto* s = reinterpret_cast<const StringElement*>(e);
  const bool dim = dimmed(e, o);
  const double w = s->box_width, h = s->box_height;
  if (w <= 0 || h <= 0) {
    return;
  }
  cairo_save(cr);
  cairo_rectangle(cr, e->x, e->y, w, h);
  cairo_clip(cr);
  if ((s->background_colour & 0xFFFFFF) != 0) {
    set_windows_colour(cr, s->background_colour, dim);
    cairo_paint(cr);
  }
  const std::string text = host.text(e);
  if (!text.empty()) {
    cairo_select_font_face(cr, font_face(s->font), CAIRO_FONT_SLANT_NORMAL,
                           s->font_weight >= 700 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    double size = h * 0.95;
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    if (ext.x_advance > w && ext.x_advance > 0) {
      size *= w / ext.x_advance;
      cairo_set_font_size(cr, size);
      cairo_text_extents(cr, text.c_str(), &ext);
    }
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    const bool centred = (s->format_flags & 0x1) != 0;
    const double x = centred ? e->x + (w - ext.x_advance) / 2 : e->x;
    const double baseline = e->y + h / 2 + (font.ascent - font.descent) / 2;
    set_windows_colour(cr, s->text_colour, dim);
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, text.c_str());
  }
  cairo_restore(cr);
}

void draw_slider(cairo_t* cr, const Element* e, const testhost::ElementValues& v, const BitmapStore& store,
                 const RenderOptions& o) {
  cairo_surface_t* image = store.find(e->bitmap_id);
  if (image == nullptr) {
    return;
  }
  const auto* s = reinterpret_cast<const SliderElement*>(e);
  const double dx = finite(v.value[0]) ? v.value[0] * s->x_scale : 0.0;
  const double dy = finite(v.value[1]) ? v.value[1] * s->y_scale : 0.0;
  paint_image(cr, image, e->x + (finite(dx) ? dx : 0.0), e->y + (finite(dy) ? dy : 0.0), dimmed(e, o));
}

void draw_icon(cairo_t* cr, const Element* e, double value, const BitmapStore& store, const RenderOptions& o) {
  const auto* icon = reinterpret_cast<const IconElement*>(e);
  long index = finite(value) ? static_cast<long>(std::clamp(value, 0.0, 65535.0)) : 0;
  if (icon->image_count > 0) {
    index = std::min<long>(index, static_cast<long>(icon->image_count) - 1);
  }
  if (cairo_surface_t* image = store.find(e->bitmap_id + static_cast<uint32_t>(index))) {
    paint_image(cr, image, e->x, e->y, dimmed(e, o));
  }
}

void draw_moving(cairo_t* cr, const Element* e, const testhost::ElementValues& v, const BitmapStore& store,
                 const RenderOptions& o) {
  cairo_surface_t* strip = store.find(e->bitmap_id);
  if (strip == nullptr) {
    return;
  }
  cairo_surface_t* window = store.find(e->bitmap_id + 1);
  const int ww = window != nullptr ? image_width(window) : image_width(strip);
  const int wh = window != nullptr ? image_height(window) : image_height(strip);
  const auto* m = reinterpret_cast<const MovingElement*>(e);
  const double ox = strip_offset(v.value[0], m->x_min, m->x_max, image_width(strip), ww);
  const double oy = strip_offset(v.value[1], m->y_min, m->y_max, image_height(strip), wh);
  cairo_save(cr);
  cairo_rectangle(cr, e->x, e->y, ww, wh);
  cairo_clip(cr);
  paint_image(cr, strip, e->x - ox, e->y - oy, dimmed(e, o));
  cairo_restore(cr);
}

void draw_sprite(cairo_t* cr, const Element* e, const testhost::ElementValues& v, const BitmapStore& store,
                 const RenderOptions& o) {
  cairo_surface_t* texture = store.find(e->bitmap_id);
  if (texture == nullptr) {
    return;
  }
  cairo_surface_t* window = store.find(e->bitmap_id + 1);
  const int ww = window != nullptr ? image_width(window) : image_width(texture);
  const int wh = window != nullptr ? image_height(window) : image_height(texture);
  const auto* s = reinterpret_cast<const SpriteElement*>(e);
  auto slot = [&](int i, double scale) {
    const double r = v.value[i] * scale;
    return finite(r) ? r : 0.0;
  };
  const double shift_y = slot(0, s->slot0.scale);
  const double turn = slot(1, s->slot1.scale);
  const double shift_x = slot(2, s->slot2.scale);
  const double sx = s->texture_scale_x > 0 && std::isfinite(s->texture_scale_x) ? s->texture_scale_x : 1.0;
  const double sy = s->texture_scale_y > 0 && std::isfinite(s->texture_scale_y) ? s->texture_scale_y : 1.0;
  cairo_save(cr);
  cairo_rectangle(cr, e->x, e->y, ww, wh);
  cairo_clip(cr);
  cairo_translate(cr, e->offset_x, e->offset_y);
  cairo_rotate(cr, turn * kPi / 180.0);
  cairo_translate(cr, -shift_x, shift_y);
  cairo_scale(cr, sx, sy);
  paint_image(cr, texture, -image_width(texture) / 2.0, -image_height(texture) / 2.0, dimmed(e, o));
  cairo_restore(cr);
}

void draw_element(cairo_t* cr, const testhost::TestHost& host, const Element* e, const BitmapStore& store,
                  const RenderOptions& o, int depth) {
  if (depth > 256) {
    return;  // a cycle in the tree: nothing sensible to draw
  }
  if ((e->image_flags & kFlagHidden) == 0) {
    const testhost::ElementValues& v = host.values(e);
    switch (e->kind) {
      case kKindStatic:
        draw_static(cr, e, store, o);
        break;
      case kKindNeedle:
        draw_needle(cr, e, v.value[0], store, o);
        break;
      case kKindString:
        draw_string(cr, e, host, o);
        break;
      case kKindSlider:
        draw_slider(cr, e, v, store, o);
        break;
      case kKindIcon:
        draw_icon(cr, e, v.value[0], store, o);
        break;
      case kKindMoving:
        draw_moving(cr, e, v, store, o);
        break;
      case kKindSprite:
        draw_sprite(cr, e, v, store, o);
        break;
      default:
        break;
    }
  }
  if (e->children != nullptr) {
    for (Element* const* child = e->children; *child != nullptr; ++child) {
      draw_element(cr, host, *child, store, o, depth + 1);
    }
  }
}

}  // namespace

bool gauge_size(const GaugeHeader* gauge, const BitmapStore& store, int& width, int& height) {
  if (gauge == nullptr || gauge->elements == nullptr || gauge->elements[0] == nullptr) {
    return false;
  }
  cairo_surface_t* root = store.find(gauge->elements[0]->bitmap_id);
  if (root == nullptr) {
    return false;
  }
  width = image_width(root);
  height = image_height(root);
  return true;
}

void draw_gauge(cairo_t* cr, const testhost::TestHost& host, const GaugeHeader* gauge, const BitmapStore& store,
                const RenderOptions& options) {
  if (gauge == nullptr || gauge->elements == nullptr) {
    return;
  }
  g_store = &store;
  g_night = options.night;
  for (Element* const* root = gauge->elements; *root != nullptr; ++root) {
    draw_element(cr, host, *root, store, options, 0);
  }
  g_store = nullptr;
  g_night = false;
}

cairo_surface_t* render_gauge(const testhost::TestHost& host, const GaugeHeader* gauge, const BitmapStore& store,
                              const RenderOptions& options) {
  int w = 0, h = 0;
  if (!gauge_size(gauge, store, w, h)) {
    return nullptr;
  }
  const double scale = options.scale > 0 && std::isfinite(options.scale) ? options.scale : 1.0;
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, static_cast<int>(std::lround(w * scale))),
                                 std::max(1, static_cast<int>(std::lround(h * scale))));
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, scale, scale);
  draw_gauge(cr, host, gauge, store, options);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

bool write_png(cairo_surface_t* surface, const std::string& path) {
  return surface != nullptr && cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace corvane::render
