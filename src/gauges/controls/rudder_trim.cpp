// "Rudder Trim": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x2F10, {0, 0}, &gauge_rudder_trim, nullptr, nullptr, 0x3);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB78), end_area()};

}  // namespace

GaugeHeader gauge_rudder_trim =
    CORVANE_GAUGE_HEADER("Rudder Trim", element_list, 63, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
