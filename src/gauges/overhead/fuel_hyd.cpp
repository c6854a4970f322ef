// "Fuel Hyd": six fuel pump push-buttons in three groups and the X FEED
// push-button. The pump buttons set the simulator's tank selector; their
// lights show what the selector actually feeds (whoever set it) and FAULT
// when the tank runs low.
#include "gauges/overhead/fuel_hyd.h"

#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {

int fuel_left_pumps_on = 1;
int fuel_centre_pumps_on = 1;
int fuel_right_pumps_on = 1;

namespace {

constexpr uint32_t kEventFuelSelector = 0x101AA;
constexpr uint32_t kEventCrossfeedClose = 0x1015F;
constexpr uint32_t kEventCrossfeedLeft = 0x10160;
constexpr uint32_t kEventCrossfeedRight = 0x10161;

// Settings of the simulator's fuel tank selector.
constexpr int32_t kSelectAll = 1;
constexpr int32_t kSelectLeft = 2;
constexpr int32_t kSelectRight = 3;
constexpr int32_t kSelectCentre = 6;
constexpr int32_t kSelectCrossfeedLeft = 0xE;
constexpr int32_t kSelectCrossfeedRight = 0xF;
constexpr int32_t kSelectLeftAndRight = 0x10;

// Below this quantity the tank's pumps show FAULT.
constexpr double kLowQuantity = 226.8;
constexpr double kImageOff = 1.0;
constexpr double kImageFault = 2.0;

double CORVANE_CALL left_pump_light(Element* element);
double CORVANE_CALL centre_pump_light(Element* element);
double CORVANE_CALL right_pump_light(Element* element);
double CORVANE_CALL crossfeed_light(Element* element);

constexpr IconElement pump_button(int32_t x, Entry<ElementCallback> light) {
  return make_icon(element_header(kKindIcon, 0x4750, {x, 158}, &gauge_fuel_hyd, nullptr, kFailures14, 0x3), 4, light);
}

IconElement left_pump1 = pump_button(74, entry<left_pump_light>);
IconElement left_pump2 = pump_button(104, entry<left_pump_light>);
IconElement centre_pump1 = pump_button(215, entry<centre_pump_light>);
IconElement centre_pump2 = pump_button(285, entry<centre_pump_light>);
IconElement right_pump1 = pump_button(369, entry<right_pump_light>);
IconElement right_pump2 = pump_button(399, entry<right_pump_light>);
IconElement crossfeed =
    make_icon(element_header(kKindIcon, 0x4760, {250, 123}, &gauge_fuel_hyd, nullptr, kFailures14, 0x3), 2,
              entry<crossfeed_light>);

Element* panel_list[] = {&left_pump1.header,  &left_pump2.header,  &centre_pump1.header, &centre_pump2.header,
                         &right_pump1.header, &right_pump2.header, &crossfeed.header,    nullptr};

StaticElement background = make_static(0x4720, {0, 0}, &gauge_fuel_hyd, panel_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

void send_selector(int32_t setting) { raise_event(kEventFuelSelector, static_cast<uint32_t>(setting)); }

// The centre pumps follow the wing pumps: one wing group off takes the
// centre off with it, both wing groups off leave the centre feeding alone.
void fuel_selector_update() {
  if (fuel_left_pumps_on == 0 && fuel_right_pumps_on != 0) {
    send_selector(kSelectRight);
    fuel_centre_pumps_on = 0;
  } else if (fuel_left_pumps_on != 0 && fuel_right_pumps_on == 0) {
    send_selector(kSelectLeft);
    fuel_centre_pumps_on = 0;
  } else if (fuel_left_pumps_on != 0 && fuel_right_pumps_on != 0) {
    send_selector(fuel_centre_pumps_on != 0 ? kSelectAll : kSelectLeftAndRight);
  } else {
    send_selector(kSelectCentre);
    fuel_centre_pumps_on = 1;
  }
  play_sound(SOUND_BUTTON);
}

double fuel_pump_light(Element* element, bool fed, SimVar quantity) {
  apply_panel_lighting(element);
  double image = fed ? 0.0 : kImageOff;
  if (read_sim(quantity) < kLowQuantity) {
    image += kImageFault;
  }
  return image;
}

double CORVANE_CALL left_pump_light(Element* element) {
  const int32_t selector = read_sim_int(SV_133);
  return fuel_pump_light(element, selector == kSelectAll || selector == kSelectLeftAndRight || selector == kSelectLeft,
                         SV_130);
}

double CORVANE_CALL right_pump_light(Element* element) {
  const int32_t selector = read_sim_int(SV_133);
  return fuel_pump_light(element, selector == kSelectAll || selector == kSelectLeftAndRight || selector == kSelectRight,
                         SV_12F);
}

double CORVANE_CALL centre_pump_light(Element* element) {
  const int32_t selector = read_sim_int(SV_133);
  return fuel_pump_light(element, selector == kSelectAll || selector == kSelectCentre, SV_131);
}

double CORVANE_CALL crossfeed_light(Element* element) {
  apply_panel_lighting(element);
  return read_sim_int(SV_134) != 0 ? 1.0 : 0.0;
}

void invert(int& flag) { flag = flag == 0 ? 1 : 0; }

uint32_t CORVANE_CALL left_pumps_click(uint32_t /*x*/, uint32_t /*y*/) {
  invert(fuel_left_pumps_on);
  fuel_selector_update();
  return 1;
}

uint32_t CORVANE_CALL centre_pumps_click(uint32_t /*x*/, uint32_t /*y*/) {
  invert(fuel_centre_pumps_on);
  fuel_selector_update();
  return 1;
}

uint32_t CORVANE_CALL right_pumps_click(uint32_t /*x*/, uint32_t /*y*/) {
  invert(fuel_right_pumps_on);
  fuel_selector_update();
  return 1;
}

// Opening the crossfeed needs the selector on one wing tank; closing it puts
// the selector back on that tank.
uint32_t CORVANE_CALL crossfeed_toggle(uint32_t /*x*/, uint32_t /*y*/) {
  const int32_t crossfeed_open = read_sim_int(SV_134);
  const int32_t selector = read_sim_int(SV_133);
  if (crossfeed_open == 0) {
    if (selector == kSelectLeft) {
      raise_event(kEventCrossfeedLeft, 0);
      send_selector(kSelectCrossfeedLeft);
    } else if (selector == kSelectRight) {
      raise_event(kEventCrossfeedRight, 0);
      send_selector(kSelectCrossfeedRight);
    }
  } else {
    raise_event(kEventCrossfeedClose, 0);
    if (selector == kSelectLeft) {
      send_selector(kSelectLeft);
    } else if (selector == kSelectRight) {
      send_selector(kSelectRight);
    }
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(),
    child_area(74, 158, 16, 16, kCursorClick, kMouseLeftClick, entry<left_pumps_click>),
    child_area(104, 158, 16, 16, kCursorClick, kMouseLeftClick, entry<left_pumps_click>),
    child_area(215, 158, 16, 16, kCursorClick, kMouseLeftClick, entry<centre_pumps_click>),
    child_area(285, 158, 16, 16, kCursorClick, kMouseLeftClick, entry<centre_pumps_click>),
    child_area(369, 158, 16, 16, kCursorClick, kMouseLeftClick, entry<right_pumps_click>),
    child_area(399, 158, 16, 16, kCursorClick, kMouseLeftClick, entry<right_pumps_click>),
    child_area(250, 123, 16, 16, kCursorClick, kMouseLeftClick, entry<crossfeed_toggle>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_fuel_hyd = CORVANE_GAUGE_HEADER("Fuel Hyd", element_list, 443, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
