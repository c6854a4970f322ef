// The rudder trim panel's spring-loaded switch and its RESET drive.
#pragma once

#include <cstdint>

namespace corvane {

// Switch picture: 0 turned left, 1 centre, 2 turned right.
extern int rudder_trim_knob_pos;
// Evaluations since the switch was last turned.
extern uint32_t rudder_trim_knob_ticks;
// 1 while RESET drives the trim back to centre.
extern int rudder_trim_resetting;

// Trim angle in radians to signed tenths of a degree, truncated towards zero.
int32_t rudder_trim_tenths(double radians);

}  // namespace corvane
