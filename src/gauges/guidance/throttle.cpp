// "Throttle": the centre pedestal's two thrust levers and the pitch trim
// wheels. It only shows positions; the detent text comes from the E/WD.
#include "gauges/guidance/throttle.h"

#include <cmath>

#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/text_format.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"

namespace corvane {

double reverse_scale = 1.0;

namespace {

constexpr double kLeverPixelsPerUnit = -80.0;

double CORVANE_CALL thrust_lever(Element* element);
double CORVANE_CALL trim_scale(Element* element);
double CORVANE_CALL trim_wheel(Element* element);

constexpr SliderElement lever(uint32_t bitmap, Place at, uint32_t token) {
  return make_slider(element_header(kKindSlider, bitmap, at, &gauge_throttle, nullptr, nullptr, 0x3),
                     SliderSpec{0, 0.0, token, kLeverPixelsPerUnit, {}, entry<thrust_lever>});
}
constexpr MovingElement trim(uint32_t bitmap, Place at, double range, Entry<ElementCallback> callback) {
  return make_moving(element_header(kKindMoving, bitmap, at, &gauge_throttle, nullptr, nullptr, 0x3),
                     MovingSpec{0, 0.0, 0.0, 0x30F, -range, range, {}, callback});
}

SliderElement lever1 = lever(0x6310, {58, 88}, 0x22E);
SliderElement lever2 = lever(0x6320, {104, 88}, 0x238);
MovingElement trim_scale_left = trim(0x6330, {26, 14}, 13.1, entry<trim_scale>);
MovingElement trim_scale_right = trim(0x6340, {154, 14}, 13.1, entry<trim_scale>);
MovingElement trim_wheel_left = trim(0x6350, {0, 0}, 21.0, entry<trim_wheel>);
MovingElement trim_wheel_right = trim(0x6360, {178, 0}, 21.0, entry<trim_wheel>);

Element* pedestal_children[] = {&lever1.header,
                                &lever2.header,
                                &trim_scale_left.header,
                                &trim_scale_right.header,
                                &trim_wheel_left.header,
                                &trim_wheel_right.header,
                                nullptr};
StaticElement background = make_static(0x6300, {0, 0}, &gauge_throttle, pedestal_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB6E), end_area()};

// With autothrust armed the levers show where the pilot's own throttle axis
// stands, not the thrust the autothrust commands.
double CORVANE_CALL thrust_lever(Element* element) {
  if (read_sim(SV_7B) != 0.0) {
    return static_cast<double>(throttle_axis_percent) / 100.0;
  }
  const double position = record_double(as_slider(element)->y_variable);
  return position < 0.0 ? position * reverse_scale : position;
}

double CORVANE_CALL trim_scale(Element* element) {
  apply_panel_lighting(element);
  return -record_double(as_moving(element)->y_variable) * 50.0;
}

double CORVANE_CALL trim_wheel(Element* element) { return -record_double(as_moving(element)->y_variable) * 80.0; }

// Only a text that starts with a number counts; "inf", "nan" and numbers
// beyond a float's range leave the default.
double parse_reverse_scale(const char* parameters) {
  if (parameters == nullptr) {
    return 1.0;
  }
  float scale = 1.0F;
  if (!parse_float(parameters, &scale) || !std::isfinite(scale)) {
    return 1.0;
  }
  return static_cast<double>(scale);
}

void CORVANE_CALL throttle_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceInstall) {
    reverse_scale = parse_reverse_scale(gauge->parameters);
  } else if (service == kServiceUpdate) {
    apply_panel_lighting(gauge);
  }
}

}  // namespace

GaugeHeader gauge_throttle = CORVANE_GAUGE_HEADER("Throttle", element_list, 196, mouse_areas, throttle_callback);

}  // namespace corvane
