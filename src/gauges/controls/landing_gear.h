// The autobrake record of the "Landing Gear" panel. It survives every gauge
// stage: only the buttons and their automatic disarms change it.
#pragma once

#include <cstdint>

namespace corvane {

extern int32_t autobrake_lo_armed;
extern int32_t autobrake_med_armed;
// MAX in the air, RTO on the ground.
extern int32_t autobrake_max_armed;
// Armed while airborne: only then may the landing roll disarm it.
extern int32_t autobrake_armed_airborne;

// Drives the simulator's selector to the target (0 RTO, 1 OFF, 2 LOW, 3 MED,
// 5 MAX) one key event per step.
void set_autobrake(int32_t target);

}  // namespace corvane
