// "Alpha-Floor": the two protections' latches and the thrust burst timer.
#pragma once

namespace corvane {

extern int alpha_floor_active;
extern int bank_angle_active;
extern double alpha_floor_time;

}  // namespace corvane
