// Gauge callbacks shared by the many panels whose callback does no more than this.
#pragma once

#include <cstdint>

#include "module/records.h"

namespace corvane {

// For instruments whose callback has no work of its own.
void CORVANE_CALL idle_gauge_callback(GaugeHeader* gauge, uint32_t service, uint32_t extra);

}  // namespace corvane
