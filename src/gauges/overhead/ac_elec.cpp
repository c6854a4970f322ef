// "AC Elec": battery and generator push-buttons (both battery buttons drive
// the simulator's one battery master) and the two battery voltage windows.
#include "gauges/overhead/overhead_switch.h"
#include "host/services.h"
#include "module/elements.h"
#include "module/fitted_number.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {
namespace {

constexpr uint32_t kEventBattery = 0x102C1;
constexpr uint32_t kEventGenerator1 = 0x1033B;
constexpr uint32_t kEventGenerator2 = 0x1033C;

double CORVANE_CALL battery_voltage_text(Element* element);

constexpr IconElement push_button(int32_t x, int32_t y, uint32_t token) {
  return make_icon(element_header(kKindIcon, 0x4740, {x, y}, &gauge_ac_elec, nullptr, kFailures14, 0x3), 2,
                   entry<overhead_switch_light>, token);
}

constexpr StringElement voltage_window(int32_t x, int32_t y, uint32_t token) {
  return make_string(
      element_header(kKindString, kNoBitmap, {x, y}, &gauge_ac_elec, nullptr, kFailures14, 0x3),
      StringSpec{
          {token, 0, 0}, 28, 13, 0x3287FF, 0x000000, 0x5A5A5A, "Quartz", 400, 0x25, 4, entry<battery_voltage_text>});
}

IconElement battery1 = push_button(203, 25, 0x16C);
IconElement battery2 = push_button(250, 25, 0x16C);
IconElement generator1 = push_button(110, 93, 0x235);
IconElement generator2 = push_button(352, 93, 0x23F);
StringElement battery1_volts = voltage_window(161, 26, 0x2F0);
StringElement battery2_volts = voltage_window(280, 26, 0x2F5);

Element* panel_list[] = {
    &battery1.header,       &battery2.header, &generator1.header, &generator2.header, &battery1_volts.header,
    &battery2_volts.header, nullptr};

StaticElement background = make_static(0x4710, {0, 0}, &gauge_ac_elec, panel_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

double CORVANE_CALL battery_voltage_text(Element* element) {
  apply_panel_lighting(element);
  const double volts = record_double(as_string(element)->variables[0]);
  char text[8];
  // 100 V and more, or below -9.9 V, lose the tenths to stay in the window;
  // what does not fit even then reads as dashes.
  if (format_fitted(text, 4, 1, volts)) {
    write_text(element, "%s", text);
  } else {
    write_text(element, "----");
  }
  return volts;
}

uint32_t toggle(uint32_t event) {
  raise_event(event, 0);
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL battery_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle(kEventBattery); }
uint32_t CORVANE_CALL generator1_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle(kEventGenerator1); }
uint32_t CORVANE_CALL generator2_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle(kEventGenerator2); }

MouseArea mouse_areas[] = {
    parent_area(),
    child_area(203, 25, 16, 16, kCursorClick, kMouseLeftClick, entry<battery_click>),
    child_area(250, 25, 16, 16, kCursorClick, kMouseLeftClick, entry<battery_click>),
    child_area(110, 93, 16, 16, kCursorClick, kMouseLeftClick, entry<generator1_click>),
    child_area(352, 93, 16, 16, kCursorClick, kMouseLeftClick, entry<generator2_click>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_ac_elec = CORVANE_GAUGE_HEADER("AC Elec", element_list, 409, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
