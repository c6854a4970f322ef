// "Airspeed": the standby airspeed dial with two pointers, one driven by the
// airspeed in 1/128 knot and one by the airspeed in knots, both held on the
// dial's 60 to 400 kt range.
#include <cmath>

#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/numeric.h"
#include "module/variables.h"

namespace corvane {
namespace {

constexpr double kDialLowest = 60.0;
constexpr double kDialHighest = 400.0;

double CORVANE_CALL stby_airspeed_128(Element* element);
double CORVANE_CALL stby_airspeed_clamp(Element* element);

// Pointer tip pixel for each calibrated speed; shared by both pointers.
const NeedlePoint airspeed_table[] = {
    needle_point(38, 9, 60.0),  needle_point(60, 34, 140.0), needle_point(25, 59, 200.0), needle_point(12, 50, 250.0),
    needle_point(7, 34, 300.0), needle_point(11, 19, 350.0), needle_point(24, 9, 400.0),
};

NeedleElement knots_needle =
    make_needle(element_header(kKindNeedle, 0x5100, {34, 34}, &gauge_airspeed, nullptr, nullptr, 0x4003, {9, 5}),
                NeedleSpec{0x3D, airspeed_table, 7, 6, entry<stby_airspeed_clamp>});
Element* knots_needle_list[] = {&knots_needle.header, nullptr};

NeedleElement fine_needle = make_needle(
    element_header(kKindNeedle, 0x5200, {34, 34}, &gauge_airspeed, knots_needle_list, nullptr, 0x4003, {3, 5}),
    NeedleSpec{0x3F, airspeed_table, 7, 18, entry<stby_airspeed_128>});
Element* fine_needle_list[] = {&fine_needle.header, nullptr};

StaticElement dial = make_static(0x5010, {6, 6}, &gauge_airspeed, fine_needle_list, nullptr, 0x4001);
Element* dial_list[] = {&dial.header, nullptr};

StaticElement background = make_static(0x5000, {0, 0}, &gauge_airspeed, dial_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

// A speed the simulator cannot give (NaN) parks the pointer at the dial's stop.
double hold_on_dial(double knots) {
  if (std::isnan(knots)) {
    return kDialLowest;
  }
  return clamp_value(knots, kDialLowest, kDialHighest);
}

double CORVANE_CALL stby_airspeed_clamp(Element* element) {
  return hold_on_dial(record_double(as_needle(element)->variable));
}

double CORVANE_CALL stby_airspeed_128(Element* element) {
  return hold_on_dial(record_double(as_needle(element)->variable) / 128.0);
}

MouseArea mouse_areas[] = {parent_area(0xAB02), end_area()};

}  // namespace

GaugeHeader gauge_airspeed = CORVANE_GAUGE_HEADER("Airspeed", element_list, 69, mouse_areas, idle_gauge_callback);

}  // namespace corvane
