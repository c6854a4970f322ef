// "Fire": the overhead fire panel is a picture only; it has no active
// element and no click area, and follows the panel lights.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "shared/panel_lighting.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x4730, {0, 0}, &gauge_fire, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(), end_area()};

}  // namespace

GaugeHeader gauge_fire = CORVANE_GAUGE_HEADER("Fire", element_list, 516, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
