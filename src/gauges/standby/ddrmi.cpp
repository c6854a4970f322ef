// "DDRMI": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x3B00, {0, 0}, &gauge_ddrmi, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB5A), end_area()};

}  // namespace

GaugeHeader gauge_ddrmi = CORVANE_GAUGE_HEADER("DDRMI", element_list, 99, mouse_areas, idle_gauge_callback);

}  // namespace corvane
