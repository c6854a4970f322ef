// State of the "PFD" that outlives one evaluation: the power-up self-test,
// the speed trend samples and whether the target symbols are on their scales.
#pragma once

#include <cstdint>

namespace corvane {

// Attitude, bank and the readouts that depend on them show only once this is 1.
extern uint32_t pfd_attitude_valid;
extern double pfd_selftest_angle;
// Clock at which the spinner first completed a turn; 0 = not yet sampled.
extern double pfd_selftest_start;

extern uint32_t speed_target_on_scale;
// Last speed, last clock value and last trend of each arrow.
inline constexpr int kTrendLastSpeed = 0;
inline constexpr int kTrendLastClock = 1;
inline constexpr int kTrendLast = 2;
extern double speed_trend_up[3];
extern double speed_trend_down[3];

extern uint32_t alt_target_on_scale;
extern double track_offset_deg;

}  // namespace corvane
