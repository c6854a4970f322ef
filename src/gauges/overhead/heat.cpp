// "Heat": wing and engine anti-ice and probe heat push-buttons, each a
// simulator toggle whose light shows the simulator's state. The cabin
// pressure buttons painted beside them are inactive pictures.
#include "gauges/overhead/overhead_switch.h"
#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {
namespace {

constexpr uint32_t kEventWingAntiIce = 0x10321;
constexpr uint32_t kEventEng1AntiIce = 0x103B4;
constexpr uint32_t kEventEng2AntiIce = 0x103B5;
constexpr uint32_t kEventProbeHeat = 0x10142;

constexpr IconElement push_button(int32_t x, int32_t y, uint32_t token) {
  return make_icon(element_header(kKindIcon, 0x4740, {x, y}, &gauge_heat, nullptr, kFailures14, 0x3), 2,
                   entry<overhead_switch_light>, token);
}

constexpr IconElement inactive_button(int32_t x, int32_t y) {
  return make_icon(element_header(kKindIcon, 0x4740, {x, y}, &gauge_heat, nullptr, nullptr, 0x3), 1,
                   entry<overhead_switch_light>);
}

IconElement wing = push_button(11, 24, 0x389);
IconElement eng1 = push_button(69, 24, 0x373);
IconElement eng2 = push_button(98, 24, 0x374);
IconElement probe = push_button(134, 24, 0xD);
IconElement man_vs = inactive_button(184, 24);
IconElement mode_sel = inactive_button(235, 24);
IconElement ditching = inactive_button(332, 24);

Element* button_list[] = {&wing.header,   &eng1.header,     &eng2.header,     &probe.header,
                          &man_vs.header, &mode_sel.header, &ditching.header, nullptr};

StaticElement background = make_static(0x4700, {0, 0}, &gauge_heat, button_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

uint32_t toggle(uint32_t event) {
  raise_event(event, 0);
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL wing_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle(kEventWingAntiIce); }
uint32_t CORVANE_CALL eng1_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle(kEventEng1AntiIce); }
uint32_t CORVANE_CALL eng2_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle(kEventEng2AntiIce); }
uint32_t CORVANE_CALL probe_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle(kEventProbeHeat); }

MouseArea mouse_areas[] = {
    parent_area(),
    child_area(11, 24, 16, 16, kCursorClick, kMouseLeftClick, entry<wing_click>),
    child_area(69, 24, 16, 16, kCursorClick, kMouseLeftClick, entry<eng1_click>),
    child_area(98, 24, 16, 16, kCursorClick, kMouseLeftClick, entry<eng2_click>),
    child_area(134, 24, 16, 16, kCursorClick, kMouseLeftClick, entry<probe_click>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_heat = CORVANE_GAUGE_HEADER("Heat", element_list, 365, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
