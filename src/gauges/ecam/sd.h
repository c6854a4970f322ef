// System display selection state that only the "SD" gauge keeps; the page,
// the automatic state, ALL and the manual hold live in the shared cockpit
// state because the ECAM control panel changes them too.
#pragma once

namespace corvane {

// The automatic state found at the update before.
extern int sd_prev_flight_state;
// Clock time of the last ALL step, or of the last update while ALL is off.
extern double sd_cycle_time;

}  // namespace corvane
