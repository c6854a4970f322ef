// "Standby Attitude": a horizon texture that moves with pitch, held within
// the 43 degrees either way that the texture's ladder covers, and turns with
// bank through the host's second sprite slot.
#include <cmath>

#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/numeric.h"
#include "module/variables.h"

namespace corvane {
namespace {

constexpr double kPitchStop = 43.0;

double CORVANE_CALL stby_pitch_limit(Element* element);

SpriteElement horizon = make_sprite(
    element_header(kKindSprite, 0x3F20, {0, 0}, &gauge_standby_attitude, nullptr, nullptr, 0x4001, {41, 41}),
    SpriteSlotSpec{0x4E, 1.0, entry<stby_pitch_limit>}, SpriteSlotSpec{0x50, -1.0, {}}, SpriteSlotSpec{});
Element* horizon_list[] = {&horizon.header, nullptr};

StaticElement background = make_static(0x3F10, {0, 0}, &gauge_standby_attitude, horizon_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

double CORVANE_CALL stby_pitch_limit(Element* element) {
  const double pitch = record_double(as_sprite(element)->slot0.variable);
  // An undefined pitch shows a level horizon rather than whatever the host
  // would make of NaN.
  if (std::isnan(pitch)) {
    return 0.0;
  }
  return clamp_value(pitch, -kPitchStop, kPitchStop);
}

MouseArea mouse_areas[] = {parent_area(0xAB0D), end_area()};

}  // namespace

GaugeHeader gauge_standby_attitude =
    CORVANE_GAUGE_HEADER("Standby Attitude", element_list, 73, mouse_areas, idle_gauge_callback);

}  // namespace corvane
