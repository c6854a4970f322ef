// "Throttle": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x6300, {0, 0}, &gauge_throttle, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB6E), end_area()};

}  // namespace

GaugeHeader gauge_throttle = CORVANE_GAUGE_HEADER("Throttle", element_list, 196, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
