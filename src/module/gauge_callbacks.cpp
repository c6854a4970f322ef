#include "module/gauge_callbacks.h"

#include "module/elements.h"

namespace corvane {

void CORVANE_CALL idle_gauge_callback(GaugeHeader* /*gauge*/, uint32_t /*service*/, uint32_t /*extra*/) {}

}  // namespace corvane
