// Numbers for small digital windows: a window holds a fixed number of
// characters, and a value that needs more is shown with fewer decimals rather
// than with its digits cut off. Whether a precision fits is decided by the
// length of the text it gives, so a value that rounds up into one more digit
// (9.996 as "10.00") steps down exactly where its text would outgrow the
// window and nowhere else.
#pragma once

#include <cmath>
#include <cstddef>

#include "module/text_format.h"

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
  const auto size = static_cast<size_t>(width) + 1;
  for (int precision = max_precision; precision >= 0; --precision) {
    if (format_text(out, size, "%*.*f", width, precision, value) <= width) {
      return true;
    }
  }
  out[0] = '\0';
  return false;
}

}  // namespace corvane
