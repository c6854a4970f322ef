// Conversions that stay defined whatever the simulator hands over: NaN,
// infinities and huge values end in a bounded integer.
#pragma once

#include <cmath>
#include <cstdint>

namespace corvane {

inline int32_t trunc_int(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  if (value >= 2147483647.0) {
    return INT32_MAX;
  }
  if (value <= -2147483648.0) {
    return INT32_MIN;
  }
  return static_cast<int32_t>(value);
}

inline double clamp_value(double value, double low, double high) {
  if (value > high) {
    return high;
  }
  if (value < low) {
    return low;
  }
  return value;
}

}  // namespace corvane
