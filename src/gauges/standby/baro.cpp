// "Baro": the barometric reference window, its hPa/inHg selector, the Std
// push button and the setting knob. The unit and Std choices are module-wide
// so that the PFD's barometric box follows them.
#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {

uint32_t baro_flash_counter = 0;

namespace {

constexpr uint32_t kEventBaroDown = 0x1015C;
constexpr uint32_t kEventBaroUp = 0x1015B;
constexpr uint32_t kEventBaroSet = 0x101F8;
// 1013.2 hPa in sixteenths: the standard setting.
constexpr uint32_t kStandardSixteenths = 16211;
constexpr double kStandardHpa = 1013.2;
constexpr double kTransitionFeet = 18000.0;

double CORVANE_CALL baro_text(Element* element);
double CORVANE_CALL baro_unit_icon(Element* element);

const NeedlePoint baro_needle_table[] = {needle_point(31, 65, 948.0), needle_point(43, 52, 1013.0)};

NeedleElement baro_needle =
    make_needle(element_header(kKindNeedle, 0x1020, {30, 52}, &gauge_baro, nullptr, nullptr, 0x3, {13, 12}),
                NeedleSpec{0x4B, baro_needle_table, 2, 6, {}});
Element* baro_needle_list[] = {&baro_needle.header, nullptr};

IconElement baro_icon = make_icon(
    element_header(kKindIcon, 0x1010, {15, 37}, &gauge_baro, baro_needle_list, nullptr, 0x3), 2, entry<baro_unit_icon>);
Element* baro_icon_list[] = {&baro_icon.header, nullptr};

StringElement baro_string = make_string(
    element_header(kKindString, kNoBitmap, {4, 5}, &gauge_baro, baro_icon_list, kFailures14_15, 0x3),
    StringSpec{{0x4B, 0x4C, 0}, 50, 16, 0x3287FF, 0x14195F, 0x5A5A5A, "Quartz", 700, 0x25, 5, entry<baro_text>});
Element* baro_string_list[] = {&baro_string.header, nullptr};

StaticElement baro_background = make_static(0x1000, {0, 0}, &gauge_baro, baro_string_list, nullptr, 0x1);
Element* baro_elements[] = {&baro_background.header, nullptr};

double CORVANE_CALL baro_unit_icon(Element* element) {
  apply_panel_lighting(element);
  return static_cast<double>(baro_unit_inhg);
}

double CORVANE_CALL baro_text(Element* element) {
  apply_panel_lighting(element);
  const double altitude = read_sim(SV_4A_PANEL);
  const bool std_selected = baro_std_selected != 0;
  const bool blinking = (altitude > kTransitionFeet && !std_selected) || (altitude < kTransitionFeet && std_selected);
  if (blinking) {
    ++baro_flash_counter;
    if (baro_flash_counter >= 18) {
      set_hidden(element, false);
      baro_flash_counter = 0;
    } else if (baro_flash_counter >= 9) {
      set_hidden(element, true);
    }
  } else {
    baro_flash_counter = 0;
    set_hidden(element, false);
  }

  const StringElement* s = as_string(element);
  double value = record_double(s->variables[baro_unit_inhg == 0 ? 0 : 1]);
  if (baro_std_selected == 1) {
    write_text(element, " Std ");
    // Repeated at every evaluation so the simulator's setting is held at standard.
    raise_event(kEventBaroSet, kStandardSixteenths);
    value = kStandardHpa;
  } else if (baro_unit_inhg != 0) {
    write_text(element, "%5.2f", value);
  } else {
    write_text(element, "%5.0f", value);
  }
  return value;
}

uint32_t CORVANE_CALL baro_select_hpa(uint32_t /*x*/, uint32_t /*y*/) {
  if (baro_unit_inhg != 0) {
    play_sound(SOUND_CLICK);
  }
  baro_unit_inhg = 0;
  return 1;
}

uint32_t CORVANE_CALL baro_select_inhg(uint32_t /*x*/, uint32_t /*y*/) {
  if (baro_unit_inhg != 1) {
    play_sound(SOUND_CLICK);
  }
  baro_unit_inhg = 1;
  return 1;
}

uint32_t CORVANE_CALL baro_std_toggle(uint32_t /*x*/, uint32_t /*y*/) {
  baro_std_selected = baro_std_selected == 0 ? 1 : 0;
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL baro_knob_down(uint32_t /*x*/, uint32_t /*y*/) {
  if (baro_std_selected == 0) {
    raise_event(kEventBaroDown, 0);
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL baro_knob_up(uint32_t /*x*/, uint32_t /*y*/) {
  if (baro_std_selected == 0) {
    raise_event(kEventBaroUp, 0);
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

MouseArea baro_areas[] = {
    parent_area(),
    child_area(36, 26, 22, 12, kCursorClick, kMouseLeftClick, entry<baro_select_hpa>),
    child_area(0, 26, 24, 12, kCursorClick, kMouseLeftClick, entry<baro_select_inhg>),
    child_area(17, 39, 27, 26, kCursorClick, kMouseLeftClick, entry<baro_std_toggle>),
    child_area(0, 39, 17, 28, kCursorDecrease, kMouseLeftRepeat, entry<baro_knob_down>),
    child_area(44, 39, 14, 28, kCursorIncrease, kMouseLeftRepeat, entry<baro_knob_up>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_baro = CORVANE_GAUGE_HEADER("Baro", baro_elements, 92, baro_areas, lighting_gauge_callback);

}  // namespace corvane
