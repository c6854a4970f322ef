// "Gear Lever": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x3700, {0, 0}, &gauge_gear_lever, nullptr, nullptr, 0x11);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB30), end_area()};

}  // namespace

GaugeHeader gauge_gear_lever =
    CORVANE_GAUGE_HEADER("Gear Lever", element_list, 55, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
