// "Autopilot2": header, background and parent area; the panel's own elements and
// areas are not built yet.
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "shared/sounds.h"

namespace corvane {
namespace {

StaticElement background = make_static(0x2000, {0, 0}, &gauge_autopilot2, nullptr, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(), end_area()};

// Loads the cockpit sounds for the whole module at install and releases them
// at kill: every other gauge's sounds depend on this panel being shown.
void CORVANE_CALL autopilot2_callback(GaugeHeader* /*gauge*/, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceInstall) {
    load_all_sounds();
  } else if (service == kServiceKill) {
    release_all_sounds();
  }
}

}  // namespace

GaugeHeader gauge_autopilot2 = CORVANE_GAUGE_HEADER("Autopilot2", element_list, 379, mouse_areas, autopilot2_callback);

}  // namespace corvane
