// Texts written and numbers read without the C runtime's formatted I/O: that
// takes its decimal point from the process-wide locale, which any other
// library loaded into the simulator may change, and on a 32-bit build its
// rounding would follow the x87 precision control. Everything here works on
// the bits of the number with integer arithmetic and answers exactly as the
// "C" locale of a correctly rounding C library does.
#pragma once

#include <cstdarg>
#include <cstddef>

namespace corvane {

// Formats like the C library's bounded formatter: writes at most size - 1
// characters and a terminating zero when size > 0, and returns the length the
// whole text would have. Directives: flags - + space 0, a width and a
// precision (either may be *), the length modifiers hh h l ll z j t, and the
// conversions d i u x X c s f %. %f is the exact decimal value of the double
// rounded half to even at the precision, "inf" and "nan" with their sign. A
// directive outside this set is copied as it stands and takes no argument.
int format_text(char* out, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));
int format_text_v(char* out, size_t size, const char* format, va_list args) __attribute__((format(printf, 3, 0)));

// Reads a float where text starts, as a "%f" scan of the "C" locale would:
// leading white space, a sign, decimal digits with an optional point and
// exponent, a hexadecimal "0x" form with an optional "p" exponent, "inf",
// "infinity" or "nan" in any case. The value is the decimal or hexadecimal
// number correctly rounded to the nearest float (ties to even), with
// underflow to zero and overflow to infinity. False, with *out unchanged,
// when no number starts there.
bool parse_float(const char* text, float* out);

}  // namespace corvane
