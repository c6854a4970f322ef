// "Standby Attitude": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x3F10, {0, 0}, &gauge_standby_attitude, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB0D), end_area()};

}  // namespace

GaugeHeader gauge_standby_attitude =
    CORVANE_GAUGE_HEADER("Standby Attitude", element_list, 73, mouse_areas, idle_gauge_callback);

}  // namespace corvane
