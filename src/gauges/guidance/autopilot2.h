// The autopilot panel's own choices and counters, module-wide so that a
// second copy of the panel shares them.
#pragma once

#include <cstdint>

namespace corvane {

extern int trk_fpa_mode;     // 0 HDG-V/S, 1 TRK-FPA (the heading window shows the course)
extern int mach_mode;        // 0 SPD, 1 MACH
extern int alt_step_select;  // altitude knob step: 0 = 100 ft, 1 = 1000 ft
extern int16_t spd_knob_frame;
extern int16_t hdg_knob_frame;
extern int16_t alt_knob_frame;
extern int16_t vs_knob_frame;
extern int ap_was_engaged;
extern int athr_was_engaged;
extern uint32_t alt_dot_count;
extern double mach_resync_time;  // 0 = never re-synchronised

}  // namespace corvane
