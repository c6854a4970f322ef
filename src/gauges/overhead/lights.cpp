// "Lights": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x4400, {0, 0}, &gauge_lights, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(), end_area()};

}  // namespace

GaugeHeader gauge_lights = CORVANE_GAUGE_HEADER("Lights", element_list, 356, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
