// The lit push-button shared by the "Heat" and "AC Elec" panels.
#pragma once

#include "module/records.h"

namespace corvane {

// Lights the icon with the panel and shows its own variable's value as the
// image index (0 unlit, 1 ON lit).
double CORVANE_CALL overhead_switch_light(Element* element);

}  // namespace corvane
