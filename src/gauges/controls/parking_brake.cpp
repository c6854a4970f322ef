// "Parking Brake": the handle swings with the simulator's brake value through a
// two-point table; a click makes the host send the parking brake toggle itself.
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "shared/panel_lighting.h"

namespace corvane {
namespace {

constexpr uint32_t kEventParkingBrakeToggle = 0x100D8;

const NeedlePoint handle_table[] = {needle_point(34, 29, 0.0), needle_point(18, 45, 32767.0)};

NeedleElement handle =
    make_needle(element_header(kKindNeedle, 0x1910, {18, 29}, &gauge_parking_brake, nullptr, nullptr, 0x3, {18, 9}),
                NeedleSpec{0x143, handle_table, 2, 6, {}});
Element* background_children[] = {&handle.header, nullptr};

StaticElement background = make_static(0x1900, {0, 0}, &gauge_parking_brake, background_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

MouseArea mouse_areas[] = {
    parent_area(0xAB51),
    child_area(0, 10, 49, 36, kCursorClick, kMouseLeftClick, {}, kEventParkingBrakeToggle),
    end_area(),
};

}  // namespace

GaugeHeader gauge_parking_brake =
    CORVANE_GAUGE_HEADER("Parking Brake", element_list, 63, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
