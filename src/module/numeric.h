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

// An integer held within a text field's range, so a format never widens.
inline int32_t clamp_int(int64_t value, int32_t low, int32_t high) {
  if (value < low) {
    return low;
  }
  if (value > high) {
    return high;
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
