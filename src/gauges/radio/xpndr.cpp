// "XPNDR": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x4F00, {0, 0}, &gauge_xpndr, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(0xA70A), end_area()};

}  // namespace

GaugeHeader gauge_xpndr = CORVANE_GAUGE_HEADER("XPNDR", element_list, 222, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
