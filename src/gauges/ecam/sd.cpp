// "SD": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x6000, {0, 0}, &gauge_sd, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(), end_area()};

}  // namespace

GaugeHeader gauge_sd = CORVANE_GAUGE_HEADER("SD", element_list, 198, mouse_areas, idle_gauge_callback);

}  // namespace corvane
