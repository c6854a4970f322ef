// "E/WD": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x5500, {0, 0}, &gauge_ewd, nullptr, nullptr, 0x7);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xAB1E), end_area()};

}  // namespace

GaugeHeader gauge_ewd = CORVANE_GAUGE_HEADER("E/WD", element_list, 225, mouse_areas, idle_gauge_callback);

}  // namespace corvane
