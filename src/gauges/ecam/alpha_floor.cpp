// "Alpha-Floor": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x6100, {0, 0}, &gauge_alpha_floor, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB6E), end_area()};

}  // namespace

GaugeHeader gauge_alpha_floor = CORVANE_GAUGE_HEADER("Alpha-Floor", element_list, 10, mouse_areas, idle_gauge_callback);

}  // namespace corvane
