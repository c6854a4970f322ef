// "ADIRS": the inertial reference display with the present position, and the
// ELAC 1 push-button of the flight control row. ELAC 1 is a module flag that
// the E/WD, Alpha-Floor and PFD follow; the simulator knows nothing of it.
#include <cstdio>

#include "module/elements.h"
#include "module/fitted_number.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"

namespace corvane {
namespace {

// The simulator's position units: latitude in metres of the meridian
// (40007000 m round the poles), longitude as a 48-bit fraction of a turn.
constexpr double kLatitudeUnitsPerTurn = 40007000.0;
constexpr double kLongitudeUnitsPerTurn = 281474976710656.0;
constexpr double kDegreesPerTurn = 360.0;

double CORVANE_CALL adirs_latitude_text(Element* element);
double CORVANE_CALL adirs_longitude_text(Element* element);
double CORVANE_CALL elac1_light(Element* element);

constexpr StringElement position_window(int32_t x, uint32_t token, Entry<ElementCallback> callback) {
  return make_string(
      element_header(kKindString, kNoBitmap, {x, 14}, &gauge_adirs, nullptr, kFailures14, 0x3),
      StringSpec{{token, 0, 0}, 70, 13, 0x3287FF, 0x000000, 0x5A5A5A, "Quartz", 400, 0x25, 10, callback});
}

StringElement latitude = position_window(31, 0x47, entry<adirs_latitude_text>);
StringElement longitude = position_window(129, 0x48, entry<adirs_longitude_text>);
IconElement elac1 = make_icon(element_header(kKindIcon, 0x4750, {134, 282}, &gauge_adirs, nullptr, kFailures14, 0x3), 2,
                              entry<elac1_light>);

Element* panel_list[] = {&latitude.header, &longitude.header, &elac1.header, nullptr};

StaticElement background = make_static(0x4770, {0, 0}, &gauge_adirs, panel_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

// The window holds ten characters: eight for the degrees, a space and the
// hemisphere. "%8.5f" needs nine for southern and western values of ten
// degrees or more and for longitudes of 100 degrees or more; those give up
// their last decimals (-45.12345 shows as -45.1235) so that the sign, the
// whole degrees and the hemisphere always stay in view.
void write_position(Element* element, double degrees, char positive, char negative) {
  const char hemisphere = degrees > 0.0 ? positive : negative;
  char number[12];
  if (format_fitted(number, 8, 5, degrees)) {
    write_text(element, "%s %c", number, hemisphere);
  } else {
    write_text(element, "-------- %c", hemisphere);
  }
}

double CORVANE_CALL adirs_latitude_text(Element* element) {
  apply_panel_lighting(element);
  const double degrees = record_double(as_string(element)->variables[0]) * kDegreesPerTurn / kLatitudeUnitsPerTurn;
  write_position(element, degrees, 'N', 'S');
  return degrees;
}

double CORVANE_CALL adirs_longitude_text(Element* element) {
  apply_panel_lighting(element);
  const double degrees = record_double(as_string(element)->variables[0]) * kDegreesPerTurn / kLongitudeUnitsPerTurn;
  write_position(element, degrees, 'E', 'W');
  return degrees;
}

double CORVANE_CALL elac1_light(Element* element) {
  apply_panel_lighting(element);
  return elac1_on != 0 ? 0.0 : 1.0;
}

uint32_t CORVANE_CALL elac1_click(uint32_t /*x*/, uint32_t /*y*/) {
  elac1_on = elac1_on == 0 ? 1 : 0;
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(),
    child_area(133, 281, 16, 16, kCursorClick, kMouseLeftClick, entry<elac1_click>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_adirs = CORVANE_GAUGE_HEADER("ADIRS", element_list, 264, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
