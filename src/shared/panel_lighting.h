// Panel lighting: the bright image flag follows the cockpit's panel lights
// switch, on a gauge's background at every update and on elements that light
// themselves.
#pragma once

#include <cstdint>

#include "module/records.h"

namespace corvane {

void apply_panel_lighting(Element* element);
void apply_panel_lighting(GaugeHeader* gauge);

// For the many panels whose callback does no more than light the background at
// every update; every other code is ignored.
void CORVANE_CALL lighting_gauge_callback(GaugeHeader* gauge, uint32_t service, uint32_t extra);

}  // namespace corvane
