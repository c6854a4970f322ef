// "Gear Lever": the landing-gear lever. The picture follows the simulator's
// lever; a click anywhere makes the host send the gear toggle itself.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/panel_lighting.h"

namespace corvane {
namespace {

constexpr uint32_t kEventGearToggle = 0x10022;

double CORVANE_CALL gear_lever_picture(Element* element) {
  return record_double(as_icon(element)->variable) != 0.0 ? 1.0 : 0.0;
}

IconElement lever = make_icon(element_header(kKindIcon, 0x3800, {15, 8}, &gauge_gear_lever, nullptr, nullptr, 0x3), 2,
                              entry<gear_lever_picture>, 0x14B);
Element* background_children[] = {&lever.header, nullptr};

StaticElement background = make_static(0x3700, {0, 0}, &gauge_gear_lever, background_children, nullptr, 0x11);
Element* element_list[] = {&background.header, nullptr};

MouseArea mouse_areas[] = {
    parent_area(0xAB30),
    child_area(0, 0, 55, 95, kCursorClick, kMouseLeftClick, {}, kEventGearToggle),
    end_area(),
};

}  // namespace

GaugeHeader gauge_gear_lever =
    CORVANE_GAUGE_HEADER("Gear Lever", element_list, 55, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
