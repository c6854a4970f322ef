// "Clock": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x2D00, {0, 0}, &gauge_clock, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB16), end_area()};

}  // namespace

GaugeHeader gauge_clock = CORVANE_GAUGE_HEADER("Clock", element_list, 69, mouse_areas, idle_gauge_callback);

}  // namespace corvane
