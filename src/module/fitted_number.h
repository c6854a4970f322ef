// Numbers for the small digital windows of the standby and overhead
// instruments: a window holds a fixed number of characters, and a value that
// needs more is shown with fewer decimals rather than with its digits cut off.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstring>

namespace corvane {

// Writes value with "%<width>.<p>f" into out (at least width + 1 bytes) with
// the largest p <= max_precision whose text fits in width characters. False,
// with out empty, when the value is not finite or does not fit even without
// decimals.
inline bool format_fitted(char* out, int width, int max_precision, double value) {
  out[0] = '\0';
  if (!std::isfinite(value)) {
    return false;
  }
  char buffer[400];  // "%f" of the largest double needs 309 digits
  for (int precision = max_precision; precision >= 0; --precision) {
    const int length = std::snprintf(buffer, sizeof buffer, "%*.*f", width, precision, value);
    if (length >= 0 && length <= width) {
      std::memcpy(out, buffer, static_cast<size_t>(length) + 1);
      return true;
    }
  }
  return false;
}

}  // namespace corvane
