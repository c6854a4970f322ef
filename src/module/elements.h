// Building element trees and mouse lists as static data, and the few things a
// callback does to its own element at run time.
#pragma once

#include <cstdint>

#include "module/entry.h"
#include "module/records.h"

namespace corvane {

extern const FailureEntry kFailures14[];     // {0x14, 3}
extern const FailureEntry kFailures14_15[];  // {0x14, 3}, {0x15, 3}

constexpr VariableRecord var_record(uint32_t token = 0) { return VariableRecord{token, nullptr, 0, {}, {}}; }

struct Place {
  int32_t x = 0;
  int32_t y = 0;
};

constexpr Element element_header(uint32_t kind, uint32_t bitmap, Place at, GaugeHeader* gauge, Element** children,
                                 const FailureEntry* failures, uint32_t flags, Place offset = {}) {
  return Element{kind, bitmap, at.x, at.y, 0, 0, offset.x, offset.y, gauge, nullptr, children, failures, flags, 0, 0};
}

constexpr StaticElement make_static(uint32_t bitmap, Place at, GaugeHeader* gauge, Element** children,
                                    const FailureEntry* failures, uint32_t flags) {
  return StaticElement{element_header(kKindStatic, bitmap, at, gauge, children, failures, flags), {}};
}

struct NeedleSpec {
  uint32_t token = 0;
  const NeedlePoint* calibration = nullptr;
  uint32_t calibration_count = 0;
  uint32_t rate = 0;
  Entry<ElementCallback> callback;
};

constexpr NeedleElement make_needle(const Element& header, const NeedleSpec& spec) {
  return NeedleElement{header, var_record(spec.token), {}, spec.calibration, spec.calibration_count, spec.rate,
                       {},     spec.callback.fn(),     {}};
}

constexpr NeedlePoint needle_point(int32_t x, int32_t y, double value) { return NeedlePoint{x, y, value, {}}; }

struct StringSpec {
  uint32_t tokens[3] = {0, 0, 0};
  int32_t box_width = 0;
  int32_t box_height = 0;
  uint32_t text_colour = 0;
  uint32_t background_colour = 0;
  uint32_t highlight_colour = 0;
  const char* font = "";
  uint32_t font_weight = 400;
  uint32_t format_flags = 0x25;
  uint32_t char_count = 0;
  Entry<ElementCallback> callback;
};

constexpr StringElement make_string(const Element& header, const StringSpec& spec) {
  StringElement e{};
  e.header = header;
  for (int i = 0; i < 3; ++i) {
    e.variables[i] = var_record(spec.tokens[i]);
  }
  e.text = nullptr;
  e.box_width = spec.box_width;
  e.box_height = spec.box_height;
  e.text_colour = spec.text_colour;
  e.background_colour = spec.background_colour;
  e.highlight_colour = spec.highlight_colour;
  for (int i = 0; i < 31 && spec.font[i] != '\0'; ++i) {
    e.font[i] = spec.font[i];
  }
  e.font_weight = spec.font_weight;
  e.charset = 1;
  e.format_flags = spec.format_flags;
  e.char_count = spec.char_count;
  e.callback = spec.callback.fn();
  return e;
}

constexpr IconElement make_icon(const Element& header, uint32_t image_count, Entry<ElementCallback> callback,
                                uint32_t token = 0, uint32_t switch_mode = 0) {
  return IconElement{header, var_record(token), {}, switch_mode, {}, image_count, 0.0, 0.0, callback.fn(), {}};
}

struct SliderSpec {
  uint32_t x_token = 0;
  double x_scale = 0.0;
  uint32_t y_token = 0;
  double y_scale = 0.0;
  Entry<ElementCallback> x_callback;
  Entry<ElementCallback> y_callback;
};

constexpr SliderElement make_slider(const Element& header, const SliderSpec& spec) {
  return SliderElement{header,
                       var_record(spec.x_token),
                       {},
                       spec.x_scale,
                       {},
                       var_record(spec.y_token),
                       {},
                       spec.y_scale,
                       {},
                       spec.x_callback.fn(),
                       spec.y_callback.fn(),
                       {}};
}

struct MovingSpec {
  uint32_t x_token = 0;
  double x_min = 0.0;
  double x_max = 0.0;
  uint32_t y_token = 0;
  double y_min = 0.0;
  double y_max = 0.0;
  Entry<ElementCallback> x_callback;
  Entry<ElementCallback> y_callback;
};

constexpr MovingElement make_moving(const Element& header, const MovingSpec& spec) {
  return MovingElement{header,
                       var_record(spec.x_token),
                       {},
                       spec.x_min,
                       spec.x_max,
                       {},
                       var_record(spec.y_token),
                       {},
                       spec.y_min,
                       spec.y_max,
                       {},
                       spec.x_callback.fn(),
                       spec.y_callback.fn(),
                       {}};
}

struct SpriteSlotSpec {
  uint32_t token = 0;
  double scale = 0.0;
  Entry<ElementCallback> callback;
};

constexpr SpriteElement make_sprite(const Element& header, const SpriteSlotSpec& s0, const SpriteSlotSpec& s1,
                                    const SpriteSlotSpec& s2) {
  SpriteElement e{};
  e.header = header;
  e.slot0 = SpriteSlotRecord{var_record(s0.token), {}, s0.scale};
  e.slot1 = SpriteSlotRecord{var_record(s1.token), {}, s1.scale};
  e.slot2 = SpriteSlotRecord{var_record(s2.token), {}, s2.scale};
  e.texture_scale_x = 1.0F;
  e.texture_scale_y = 1.0F;
  e.callbacks[0] = s0.callback.fn();
  e.callbacks[1] = s1.callback.fn();
  e.callbacks[2] = s2.callback.fn();
  return e;
}

constexpr MouseArea parent_area(uint32_t help_id = 0) {
  return MouseArea{kAreaParent, 0, 0, 0, 0, kCursorNone, help_id, 0, 0, nullptr, 0};
}
constexpr MouseArea child_area(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t cursor, uint32_t event_flags,
                               Entry<MouseHandler> handler, uint32_t event_id = 0) {
  return MouseArea{kAreaChild, x, y, w, h, cursor, 0, event_flags, event_id, handler.fn(), 0};
}
constexpr MouseArea end_area() { return MouseArea{kAreaEnd, 0, 0, 0, 0, kCursorNone, 0, 0, 0, nullptr, 0}; }

// Run-time helpers for callbacks.
void set_hidden(Element* element, bool hidden);
bool is_hidden(const Element* element);

inline StringElement* as_string(Element* e) { return reinterpret_cast<StringElement*>(e); }
inline NeedleElement* as_needle(Element* e) { return reinterpret_cast<NeedleElement*>(e); }
inline IconElement* as_icon(Element* e) { return reinterpret_cast<IconElement*>(e); }
inline SliderElement* as_slider(Element* e) { return reinterpret_cast<SliderElement*>(e); }
inline MovingElement* as_moving(Element* e) { return reinterpret_cast<MovingElement*>(e); }
inline SpriteElement* as_sprite(Element* e) { return reinterpret_cast<SpriteElement*>(e); }

// Writes into a string element's buffer, never past its character count; a
// missing buffer is left alone.
void write_text(Element* element, const char* format, ...) __attribute__((format(printf, 2, 3)));
void set_text_colour(Element* element, uint32_t colour);

}  // namespace corvane
