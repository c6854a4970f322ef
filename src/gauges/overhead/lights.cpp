// "Lights": the overhead strip of exterior light switches, the panel light
// switch and the cabin signs. Light switches send the simulator's toggle and
// show the simulator's light state, so the picture follows the light whoever
// switched it; the cabin signs exist only in the module, for the E/WD.
#include "gauges/overhead/lights.h"

#include "gauges/ecam/ecam_messages.h"
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

int landing_light_memo_posted = 0;

namespace {

constexpr uint32_t kEventStrobe = 0x10018;
constexpr uint32_t kEventBeacon = 0x102BF;
constexpr uint32_t kEventWing = 0x1034A;
constexpr uint32_t kEventLogo = 0x1034B;
constexpr uint32_t kEventNav = 0x10348;
constexpr uint32_t kEventRunwayTurnoff = 0x10349;
constexpr uint32_t kEventLanding = 0x100D7;
constexpr uint32_t kEventNose = 0x102C0;
constexpr uint32_t kEventPanel = 0x100D6;

constexpr char kLandingMemo[] = "LDG LIGHTS ON";

double CORVANE_CALL landing_light_switch(Element* element);
double CORVANE_CALL seat_belt_icon(Element* element);
double CORVANE_CALL no_smoking_icon(Element* element);

constexpr IconElement light_switch(int32_t x, int32_t y, uint32_t token) {
  return make_icon(element_header(kKindIcon, 0x4300, {x, y}, &gauge_lights, nullptr, nullptr, 0x3), 2, {}, token);
}

IconElement strobe = light_switch(19, 23, 0xB);
IconElement beacon = light_switch(52, 23, 0x170);
IconElement wing = light_switch(87, 23, 0x26D);
IconElement nav_logo = light_switch(121, 23, 0x26B);
IconElement runway_turnoff = light_switch(19, 62, 0x26E);
IconElement landing_left = make_icon(element_header(kKindIcon, 0x4500, {44, 58}, &gauge_lights, nullptr, nullptr, 0x3),
                                     2, entry<landing_light_switch>, 0xE);
IconElement landing_right = make_icon(element_header(kKindIcon, 0x4500, {90, 58}, &gauge_lights, nullptr, nullptr, 0x3),
                                      2, entry<landing_light_switch>, 0xE);
IconElement nose = light_switch(121, 62, 0x171);
IconElement panel = light_switch(212, 23, 0xA);
// The DOME switch is a fixed picture.
IconElement dome = make_icon(element_header(kKindIcon, 0x4300, {278, 23}, &gauge_lights, nullptr, nullptr, 0x3), 1, {});
IconElement seat_belts = make_icon(element_header(kKindIcon, 0x4300, {212, 61}, &gauge_lights, nullptr, nullptr, 0x3),
                                   2, entry<seat_belt_icon>);
IconElement no_smoking = make_icon(element_header(kKindIcon, 0x4300, {278, 61}, &gauge_lights, nullptr, nullptr, 0x3),
                                   2, entry<no_smoking_icon>);

Element* switch_list[] = {
    &strobe.header,       &beacon.header,        &wing.header, &nav_logo.header, &runway_turnoff.header,
    &landing_left.header, &landing_right.header, &nose.header, &panel.header,    &dome.header,
    &seat_belts.header,   &no_smoking.header,    nullptr,
};

StaticElement background = make_static(0x4400, {0, 0}, &gauge_lights, switch_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

// Follows the simulator's landing lights, however they were switched.
double CORVANE_CALL landing_light_switch(Element* element) {
  const double value = record_double(as_icon(element)->variable);
  if (value == 1.0 && landing_light_memo_posted == 0) {
    ecam_post_message(kLandingMemo, MESSAGE_MEMO, 1);
    landing_light_memo_posted = 1;
  } else if (value != 1.0 && landing_light_memo_posted == 1) {
    ecam_post_message(kLandingMemo, MESSAGE_MEMO, 0);
    landing_light_memo_posted = 0;
  }
  return value;
}

double CORVANE_CALL seat_belt_icon(Element* /*element*/) { return static_cast<double>(seat_belt_sign); }
double CORVANE_CALL no_smoking_icon(Element* /*element*/) { return static_cast<double>(no_smoking_sign); }

uint32_t toggle_light(uint32_t event) {
  raise_event(event, 0);
  play_sound(SOUND_CLICK);
  return 1;
}

uint32_t CORVANE_CALL strobe_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle_light(kEventStrobe); }
uint32_t CORVANE_CALL beacon_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle_light(kEventBeacon); }
uint32_t CORVANE_CALL wing_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle_light(kEventWing); }
uint32_t CORVANE_CALL runway_turnoff_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle_light(kEventRunwayTurnoff); }
uint32_t CORVANE_CALL landing_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle_light(kEventLanding); }
uint32_t CORVANE_CALL nose_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle_light(kEventNose); }
uint32_t CORVANE_CALL panel_click(uint32_t /*x*/, uint32_t /*y*/) { return toggle_light(kEventPanel); }

// One switch for two simulator lights: logo first, then nav.
uint32_t CORVANE_CALL nav_logo_click(uint32_t /*x*/, uint32_t /*y*/) {
  raise_event(kEventLogo, 0);
  raise_event(kEventNav, 0);
  play_sound(SOUND_CLICK);
  return 1;
}

void toggle_sign(int& sign) {
  sign = sign == 0 ? 1 : 0;
  play_sound(SOUND_BUTTON);
  play_sound(SOUND_SIGN);
}

uint32_t CORVANE_CALL seat_belts_click(uint32_t /*x*/, uint32_t /*y*/) {
  toggle_sign(seat_belt_sign);
  return 1;
}

uint32_t CORVANE_CALL no_smoking_click(uint32_t /*x*/, uint32_t /*y*/) {
  toggle_sign(no_smoking_sign);
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(),
    child_area(15, 10, 30, 40, kCursorClick, kMouseLeftClick, entry<strobe_click>),
    child_area(48, 10, 30, 40, kCursorClick, kMouseLeftClick, entry<beacon_click>),
    child_area(83, 10, 30, 40, kCursorClick, kMouseLeftClick, entry<wing_click>),
    child_area(117, 10, 30, 40, kCursorClick, kMouseLeftClick, entry<nav_logo_click>),
    child_area(15, 48, 30, 40, kCursorClick, kMouseLeftClick, entry<runway_turnoff_click>),
    child_area(44, 58, 68, 20, kCursorClick, kMouseLeftClick, entry<landing_click>),
    child_area(117, 48, 30, 40, kCursorClick, kMouseLeftClick, entry<nose_click>),
    child_area(205, 10, 30, 40, kCursorClick, kMouseLeftClick, entry<panel_click>),
    child_area(205, 48, 30, 40, kCursorClick, kMouseLeftClick, entry<seat_belts_click>),
    child_area(271, 48, 30, 40, kCursorClick, kMouseLeftClick, entry<no_smoking_click>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_lights = CORVANE_GAUGE_HEADER("Lights", element_list, 356, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
