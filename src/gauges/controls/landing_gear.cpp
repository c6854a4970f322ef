// "Landing Gear": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x1050, {0, 0}, &gauge_landing_gear, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB7C), end_area()};

}  // namespace

GaugeHeader gauge_landing_gear =
    CORVANE_GAUGE_HEADER("Landing Gear", element_list, 71, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
