// "FCU": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x3000, {0, 0}, &gauge_fcu, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(), end_area()};

}  // namespace

GaugeHeader gauge_fcu = CORVANE_GAUGE_HEADER("FCU", element_list, 142, mouse_areas, idle_gauge_callback);

}  // namespace corvane
