#include "gauges/overhead/overhead_switch.h"

#include "module/elements.h"
#include "module/variables.h"
#include "shared/panel_lighting.h"

namespace corvane {

double CORVANE_CALL overhead_switch_light(Element* element) {
  apply_panel_lighting(element);
  return record_double(as_icon(element)->variable);
}

}  // namespace corvane
