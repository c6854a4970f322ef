// "Parking Brake": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x1900, {0, 0}, &gauge_parking_brake, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB51), end_area()};

}  // namespace

GaugeHeader gauge_parking_brake =
    CORVANE_GAUGE_HEADER("Parking Brake", element_list, 63, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
