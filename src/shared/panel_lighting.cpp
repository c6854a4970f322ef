#include "shared/panel_lighting.h"

#include "shared/cockpit_state.h"

namespace corvane {

void apply_panel_lighting(Element* element) {
  if (element == nullptr) {
    return;
  }
  const bool bright = (element->image_flags & kFlagBright) != 0;
  if (panel_lights_on != 0 && !bright) {
    element->image_flags &= ~kFlagOnScreen;
    element->image_flags |= kFlagBright;
  } else if (panel_lights_on == 0 && bright) {
    element->image_flags &= ~kFlagOnScreen;
    element->image_flags &= ~kFlagBright;
  }
}

void apply_panel_lighting(GaugeHeader* gauge) {
  if (gauge != nullptr && gauge->elements != nullptr) {
    apply_panel_lighting(gauge->elements[0]);
  }
}

void CORVANE_CALL lighting_gauge_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceUpdate) {
    apply_panel_lighting(gauge);
  }
}

}  // namespace corvane
