// "Page Keys": the ECAM control panel. It sends no key event: its keys choose
// the system display's page, acknowledge the ECAM alerts, and its INTEG LT
// knob switches the integral lighting of every gauge of the module.
#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {
namespace {

constexpr uint32_t kFlags = 0x3;

double CORVANE_CALL integ_lt_knob(Element* /*element*/) { return panel_lights_on != 0 ? 1.0 : 0.0; }

template <int Page>
double CORVANE_CALL key_light(Element* element) {
  apply_panel_lighting(element);
  return sd_page == Page ? 1.0 : 0.0;
}

constexpr IconElement light(uint32_t bitmap, Place at, Entry<ElementCallback> callback) {
  return make_icon(element_header(kKindIcon, bitmap, at, &gauge_page_keys, nullptr, nullptr, kFlags), 2, callback);
}

IconElement knob = light(0x5B10, {26, 27}, entry<integ_lt_knob>);
IconElement eng_light = light(0x5B40, {56, 32}, entry<key_light<1>>);
IconElement elec_light = light(0x5B50, {137, 32}, entry<key_light<2>>);
IconElement hyd_light = light(0x5B70, {164, 32}, entry<key_light<3>>);
IconElement fuel_light = light(0x5B60, {191, 32}, entry<key_light<4>>);
IconElement door_light = light(0x5B80, {110, 52}, entry<key_light<5>>);
IconElement wheel_light = light(0x5B90, {137, 52}, entry<key_light<6>>);
IconElement fctl_light = light(0x5B30, {164, 52}, entry<key_light<7>>);
Element* background_children[] = {&knob.header,        &eng_light.header,  &elec_light.header,
                                  &hyd_light.header,   &fuel_light.header, &door_light.header,
                                  &wheel_light.header, &fctl_light.header, nullptr};

StaticElement background = make_static(0x5B00, {0, 0}, &gauge_page_keys, background_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

// Every active alert becomes acknowledged; having acknowledged one makes the
// page the pilot chose outlast the change of automatic state that follows.
void acknowledge() {
  int* const flags[] = {&fuel_tank_low_alert, &fob_low_alert,    &oil_pressure_alert, &vacuum_alert,
                        &elec_failure_alert,  &hydraulics_alert, &engine_off_alert};
  for (int* flag : flags) {
    if (*flag == 1) {
      *flag = 2;
      sd_manual_hold = 1;
    }
  }
  sd_all_cycling = 0;
  play_sound(SOUND_BUTTON);
}

uint32_t CORVANE_CALL integ_lt(uint32_t /*x*/, uint32_t /*y*/) {
  panel_lights_on = 1 - panel_lights_on;
  play_sound(SOUND_CLICK);
  return 1;
}

uint32_t CORVANE_CALL to_config(uint32_t /*x*/, uint32_t /*y*/) {
  if (read_sim(SV_3C) != 0.0) {
    ecam_phase = 1;
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL emer_canc(uint32_t /*x*/, uint32_t /*y*/) {
  master_warning_ack = 1;
  acknowledge();
  if (master_warning != 0) {
    play_sound(SOUND_CLICKER);
  }
  return 1;
}

// ENG and F/CTL share their key with CRUISE, which has none of its own.
template <int Page, int SecondPress>
uint32_t CORVANE_CALL page_key(uint32_t /*x*/, uint32_t /*y*/) {
  sd_page = SecondPress != 0 && sd_page == Page ? SecondPress : Page;
  acknowledge();
  return 1;
}

uint32_t CORVANE_CALL clr(uint32_t /*x*/, uint32_t /*y*/) {
  ecam_phase = 0;
  sd_flight_state = 0;
  acknowledge();
  sd_manual_hold = 0;
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL all(uint32_t /*x*/, uint32_t /*y*/) {
  sd_all_cycling = 1 - sd_all_cycling;
  play_sound(SOUND_BUTTON);
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(),
    child_area(22, 25, 21, 21, kCursorClick, kMouseLeftClick, entry<integ_lt>),
    child_area(83, 12, 26, 16, kCursorClick, kMouseLeftClick, entry<to_config>),
    child_area(164, 12, 26, 16, kCursorClick, kMouseLeftClick, entry<emer_canc>),
    child_area(56, 32, 26, 16, kCursorClick, kMouseLeftClick, entry<page_key<1, 8>>),
    child_area(137, 32, 26, 16, kCursorClick, kMouseLeftClick, entry<page_key<2, 0>>),
    child_area(191, 32, 26, 16, kCursorClick, kMouseLeftClick, entry<page_key<4, 0>>),
    child_area(164, 32, 26, 16, kCursorClick, kMouseLeftClick, entry<page_key<3, 0>>),
    child_area(110, 52, 26, 16, kCursorClick, kMouseLeftClick, entry<page_key<5, 0>>),
    child_area(137, 52, 26, 16, kCursorClick, kMouseLeftClick, entry<page_key<6, 0>>),
    child_area(164, 52, 26, 16, kCursorClick, kMouseLeftClick, entry<page_key<7, 8>>),
    child_area(56, 72, 26, 16, kCursorClick, kMouseLeftClick, entry<clr>),
    child_area(191, 52, 26, 16, kCursorClick, kMouseLeftClick, entry<all>),
    end_area(),
};

void CORVANE_CALL page_keys_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service != kServiceUpdate) {
    return;
  }
  apply_panel_lighting(gauge);
  // Without the battery there is no integral lighting.
  if (read_sim(SV_16C) == 0.0) {
    panel_lights_on = 0;
  }
}

}  // namespace

GaugeHeader gauge_page_keys = CORVANE_GAUGE_HEADER("Page Keys", element_list, 222, mouse_areas, page_keys_callback);

}  // namespace corvane
