// The fuel pump groups of the "Fuel Hyd" panel. The simulator has no pumps:
// the groups are turned into a setting of its fuel tank selector.
#pragma once

namespace corvane {

extern int fuel_left_pumps_on;
extern int fuel_centre_pumps_on;
extern int fuel_right_pumps_on;

}  // namespace corvane
