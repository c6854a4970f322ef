#include "module/text_format.h"

#include <bit>
#include <cstdint>
#include <type_traits>

namespace corvane {
namespace {

// ---------------------------------------------------------------------------
// Writing.

// The text so far: characters beyond the buffer are counted, not stored.
struct Sink {
  char* out;
  size_t size;
  size_t length;
};

void put(Sink& sink, char c) {
  if (sink.length + 1 < sink.size) {
    sink.out[sink.length] = c;
  }
  ++sink.length;
}

void put_run(Sink& sink, char c, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    put(sink, c);
  }
}

void put_chars(Sink& sink, const char* text, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    put(sink, text[i]);
  }
}

struct Directive {
  bool left = false;
  bool plus = false;
  bool space = false;
  bool zero = false;
  size_t width = 0;
  int precision = -1;  // none given
};

// A sign character (or none), zeros, then the body, padded to the width with
// blanks before or after, or with zeros after the sign when zero_pad.
struct Field {
  char sign = 0;
  size_t zeros = 0;
  const char* body = "";
  size_t body_length = 0;
  bool zero_pad = false;
};

void put_field(Sink& sink, const Directive& d, const Field& f) {
  const size_t content = (f.sign != 0 ? 1U : 0U) + f.zeros + f.body_length;
  const size_t pad = d.width > content ? d.width - content : 0;
  const bool zero_pad = f.zero_pad && !d.left;
  if (!d.left && !zero_pad) {
    put_run(sink, ' ', pad);
  }
  if (f.sign != 0) {
    put(sink, f.sign);
  }
  put_run(sink, '0', f.zeros + (zero_pad ? pad : 0));
  put_chars(sink, f.body, f.body_length);
  if (d.left) {
    put_run(sink, ' ', pad);
  }
}

char sign_of(const Directive& d, bool negative) {
  if (negative) {
    return '-';
  }
  if (d.plus) {
    return '+';
  }
  return d.space ? ' ' : 0;
}

void put_integer(Sink& sink, const Directive& d, uint64_t magnitude, char sign, unsigned base, bool upper) {
  const char* set = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  char digits[24];
  size_t start = sizeof digits;
  // Most values fit in 32 bits, where a 32-bit target divides without a call.
  if (magnitude <= UINT32_MAX) {
    for (auto v = static_cast<uint32_t>(magnitude); v != 0; v /= base) {
      digits[--start] = set[v % base];
    }
  } else {
    for (uint64_t v = magnitude; v != 0; v /= base) {
      digits[--start] = set[v % base];
    }
  }
  const size_t count = sizeof digits - start;
  const size_t precision = d.precision < 0 ? 1 : static_cast<size_t>(d.precision);
  Field f;
  f.sign = sign;
  f.zeros = precision > count ? precision - count : 0;
  f.body = digits + start;
  f.body_length = count;
  f.zero_pad = d.zero && d.precision < 0;
  put_field(sink, d, f);
}

// Digits of mantissa x 2^exponent (exponent >= 0) into out, most significant
// first, "0" for zero; returns their count. At most 309 digits for a double.
size_t integer_digits(char* out, uint64_t mantissa, int exponent) {
  char reversed[320];
  size_t count = 0;
  if (exponent < 11) {  // below 2^64
    for (uint64_t v = mantissa << exponent; v != 0; v /= 10) {
      reversed[count++] = static_cast<char>('0' + v % 10);
    }
  } else {
    uint32_t words[34] = {};
    const int index = exponent / 32;
    const int shift = exponent % 32;
    words[index] = static_cast<uint32_t>(mantissa << shift);
    words[index + 1] = static_cast<uint32_t>((mantissa << shift) >> 32);
    words[index + 2] = shift == 0 ? 0U : static_cast<uint32_t>(mantissa >> (64 - shift));
    int used = index + 3;
    while (used > 0) {
      // Nine digits at a time: divide the whole number by 10^9.
      uint64_t remainder = 0;
      for (int i = used - 1; i >= 0; --i) {
        const uint64_t current = (remainder << 32) | words[i];
        words[i] = static_cast<uint32_t>(current / 1000000000U);
        remainder = current % 1000000000U;
      }
      while (used > 0 && words[used - 1] == 0) {
        --used;
      }
      auto chunk = static_cast<uint32_t>(remainder);
      for (int i = 0; i < 9 && (used > 0 || chunk != 0); ++i) {
        reversed[count++] = static_cast<char>('0' + chunk % 10);
        chunk /= 10;
      }
    }
  }
  if (count == 0) {
    reversed[count++] = '0';
  }
  for (size_t i = 0; i < count; ++i) {
    out[i] = reversed[count - 1 - i];
  }
  return count;
}

constexpr uint32_t kPow10[10] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

enum class Rest { kZero, kBelowHalf, kHalf, kAboveHalf };

// The first `precision` decimals of fraction / 2^bits (fraction < 2^bits,
// 1 <= bits <= 1074) into out, stopping early once the rest is zero. Returns
// how many were written; *rest tells what the digits left out are worth.
size_t fraction_digits(char* out, uint64_t fraction, int bits, size_t precision, Rest* rest) {
  size_t count = 0;
  if (bits <= 60) {  // ten times the fraction still fits in 64 bits
    const uint64_t mask = (uint64_t{1} << bits) - 1;
    while (count < precision && fraction != 0) {
      fraction *= 10;
      out[count++] = static_cast<char>('0' + (fraction >> bits));
      fraction &= mask;
    }
    const uint64_t half = uint64_t{1} << (bits - 1);
    *rest = fraction == 0      ? Rest::kZero
            : fraction < half  ? Rest::kBelowHalf
            : fraction == half ? Rest::kHalf
                               : Rest::kAboveHalf;
    return count;
  }
  // The fraction as a number of `top` 32-bit words with the binary point
  // above the highest: each step multiplies by up to 10^9, and what carries
  // out of the highest word are the next digits. Only words low..high are
  // non-zero, which keeps the steps short.
  const int top = (bits + 31) / 32;
  const int shift = top * 32 - bits;
  uint32_t words[34] = {};
  words[0] = static_cast<uint32_t>(fraction << shift);
  words[1] = static_cast<uint32_t>((fraction << shift) >> 32);
  words[2] = shift == 0 ? 0U : static_cast<uint32_t>(fraction >> (64 - shift));
  int low = 0;
  int high = 2;
  auto trim = [&] {
    while (high >= low && words[high] == 0) {
      --high;
    }
    while (low <= high && words[low] == 0) {
      ++low;
    }
  };
  trim();
  while (count < precision && low <= high) {
    const size_t step = precision - count < 9 ? precision - count : 9;
    uint64_t carry = 0;
    for (int i = low; i <= high; ++i) {
      const uint64_t current = uint64_t{words[i]} * kPow10[step] + carry;
      words[i] = static_cast<uint32_t>(current);
      carry = current >> 32;
    }
    uint32_t chunk = 0;
    if (high + 1 < top) {
      words[high + 1] = static_cast<uint32_t>(carry);
      ++high;
    } else {
      chunk = static_cast<uint32_t>(carry);
    }
    trim();
    for (size_t i = step; i > 0; --i) {
      out[count + i - 1] = static_cast<char>('0' + chunk % 10);
      chunk /= 10;
    }
    count += step;
  }
  if (low > high) {
    *rest = Rest::kZero;
  } else if (high < top - 1 || words[top - 1] < 0x80000000U) {
    *rest = Rest::kBelowHalf;
  } else if (words[top - 1] > 0x80000000U || low < top - 1) {
    *rest = Rest::kAboveHalf;
  } else {
    *rest = Rest::kHalf;
  }
  return count;
}

void put_fixed(Sink& sink, const Directive& d, double value) {
  const auto bits = std::bit_cast<uint64_t>(value);
  const bool negative = (bits >> 63) != 0;
  const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
  const uint64_t field = bits & ((uint64_t{1} << 52) - 1);
  Field f;
  f.sign = sign_of(d, negative);
  if (biased == 0x7FF) {
    f.body = field != 0 ? "nan" : "inf";
    f.body_length = 3;
    put_field(sink, d, f);
    return;
  }
  const uint64_t mantissa = biased != 0 ? field | (uint64_t{1} << 52) : field;
  const int exponent = biased != 0 ? biased - 1075 : -1074;
  const size_t precision = d.precision < 0 ? 6 : static_cast<size_t>(d.precision);

  // Integer digits after a spare place for a carry out of the rounding, then
  // the decimals that the exact value has (2^-1074 has 1074 of them; the
  // last chunk of nine may run eight past); every one beyond is a zero.
  char integer[1 + 310];
  char decimals[1074 + 8];
  size_t integer_count = 0;
  size_t decimal_count = 0;
  Rest rest = Rest::kZero;
  if (exponent >= 0) {
    integer_count = integer_digits(integer + 1, mantissa, exponent);
  } else {
    const int fraction_bits = -exponent;
    const uint64_t whole = fraction_bits >= 53 ? 0 : mantissa >> fraction_bits;
    const uint64_t fraction = fraction_bits >= 53 ? mantissa : mantissa & ((uint64_t{1} << fraction_bits) - 1);
    integer_count = integer_digits(integer + 1, whole, 0);
    decimal_count = fraction_digits(decimals, fraction, fraction_bits, precision, &rest);
  }
  // Round half to even on the exact value.
  const char last = decimal_count > 0 ? decimals[decimal_count - 1] : integer[integer_count];
  const bool up = rest == Rest::kAboveHalf || (rest == Rest::kHalf && ((last - '0') & 1) != 0);
  char* first = integer + 1;
  if (up) {
    bool carry = true;
    for (size_t i = decimal_count; carry && i > 0; --i) {
      carry = decimals[i - 1] == '9';
      decimals[i - 1] = carry ? '0' : static_cast<char>(decimals[i - 1] + 1);
    }
    for (size_t i = integer_count; carry && i > 0; --i) {
      carry = integer[i] == '9';
      integer[i] = carry ? '0' : static_cast<char>(integer[i] + 1);
    }
    if (carry) {
      integer[0] = '1';
      first = integer;
      ++integer_count;
    }
  }
  const size_t body = integer_count + (precision > 0 ? 1 + precision : 0);
  const size_t content = (f.sign != 0 ? 1U : 0U) + body;
  const size_t pad = d.width > content ? d.width - content : 0;
  if (!d.left && !d.zero) {
    put_run(sink, ' ', pad);
  }
  if (f.sign != 0) {
    put(sink, f.sign);
  }
  if (!d.left && d.zero) {
    put_run(sink, '0', pad);
  }
  put_chars(sink, first, integer_count);
  if (precision > 0) {
    put(sink, '.');
    put_chars(sink, decimals, decimal_count);
    put_run(sink, '0', precision - decimal_count);
  }
  if (d.left) {
    put_run(sink, ' ', pad);
  }
}

size_t read_count(const char*& p) {
  size_t n = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (n < 100000000U) {
      n = n * 10 + static_cast<size_t>(*p - '0');
    }
  }
  return n;
}

// ---------------------------------------------------------------------------
// Reading.

// An unsigned number of up to 40 words, least significant first; `used`
// words are significant.
struct Big {
  uint32_t words[40] = {};
  int used = 0;
};

void mul_add(Big& a, uint32_t factor, uint32_t addend) {
  uint64_t carry = addend;
  for (int i = 0; i < a.used; ++i) {
    const uint64_t current = uint64_t{a.words[i]} * factor + carry;
    a.words[i] = static_cast<uint32_t>(current);
    carry = current >> 32;
  }
  if (carry != 0) {
    a.words[a.used++] = static_cast<uint32_t>(carry);
  }
}

void mul_pow10(Big& a, int64_t power) {
  for (; power >= 9; power -= 9) {
    mul_add(a, kPow10[9], 0);
  }
  mul_add(a, kPow10[power], 0);
}

void shift_left(Big& a, int64_t bits) {
  if (a.used == 0 || bits == 0) {
    return;
  }
  const auto words = static_cast<int>(bits / 32);
  const auto shift = static_cast<int>(bits % 32);
  a.words[a.used + words] = 0;
  for (int i = a.used - 1; i >= 0; --i) {
    const uint64_t moved = uint64_t{a.words[i]} << shift;
    a.words[i + words + 1] |= static_cast<uint32_t>(moved >> 32);
    a.words[i + words] = static_cast<uint32_t>(moved);
  }
  for (int i = 0; i < words; ++i) {
    a.words[i] = 0;
  }
  a.used += words + 1;
  while (a.used > 0 && a.words[a.used - 1] == 0) {
    --a.used;
  }
}

void shift_right_one(Big& a) {
  for (int i = 0; i < a.used; ++i) {
    a.words[i] = (a.words[i] >> 1) | (i + 1 < a.used ? a.words[i + 1] << 31 : 0U);
  }
  if (a.used > 0 && a.words[a.used - 1] == 0) {
    --a.used;
  }
}

int compare(const Big& a, const Big& b) {
  if (a.used != b.used) {
    return a.used < b.used ? -1 : 1;
  }
  for (int i = a.used - 1; i >= 0; --i) {
    if (a.words[i] != b.words[i]) {
      return a.words[i] < b.words[i] ? -1 : 1;
    }
  }
  return 0;
}

void subtract(Big& a, const Big& b) {  // a >= b
  uint32_t borrow = 0;
  for (int i = 0; i < a.used; ++i) {
    const uint64_t take = uint64_t{i < b.used ? b.words[i] : 0U} + borrow;
    borrow = a.words[i] < take ? 1U : 0U;
    a.words[i] = static_cast<uint32_t>(uint64_t{a.words[i]} + (uint64_t{borrow} << 32) - take);
  }
  while (a.used > 0 && a.words[a.used - 1] == 0) {
    --a.used;
  }
}

int64_t bit_length(const Big& a) {
  return a.used == 0 ? 0 : int64_t{a.used - 1} * 32 + std::bit_width(a.words[a.used - 1]);
}

constexpr uint32_t kInfinityBits = 0x7F800000U;

// The float nearest num / den x 2^power (num > 0), ties to even. Exact: the
// 24 bits of the significand come from a long division of the scaled
// numbers, and the remainder decides the rounding.
uint32_t nearest_float(const Big& num, const Big& den, int64_t power) {
  const int64_t magnitude = bit_length(num) + power - bit_length(den);
  // The value lies between 2^(magnitude - 1) and 2^(magnitude + 1).
  if (magnitude - 1 >= 128) {
    return kInfinityBits;
  }
  if (magnitude + 1 <= -150) {
    return 0;  // below half the smallest subnormal
  }
  Big a;
  Big b;
  // a / b = value x 2^scale.
  auto scale_to = [&](int64_t scale) {
    a = num;
    b = den;
    if (power + scale >= 0) {
      shift_left(a, power + scale);
    } else {
      shift_left(b, -(power + scale));
    }
  };
  int64_t scale = 23 - magnitude;  // value x 2^scale in (2^22, 2^24)
  scale_to(scale);
  Big limit = b;
  shift_left(limit, 23);
  if (compare(a, limit) < 0) {
    ++scale;
  }
  // 2^-149 is the last place a float has: below 2^-126 fewer bits remain.
  if (scale > 149) {
    scale = 149;
  }
  scale_to(scale);
  uint32_t q = 0;
  Big step = b;
  shift_left(step, 23);
  for (int bit = 23; bit >= 0; --bit) {
    if (compare(a, step) >= 0) {
      subtract(a, step);
      q |= 1U << bit;
    }
    shift_right_one(step);
  }
  shift_left(a, 1);
  const int half = compare(a, b);
  if (half > 0 || (half == 0 && (q & 1U) != 0)) {
    ++q;
  }
  if (q == 1U << 24) {
    q = 1U << 23;
    --scale;
  }
  if (q < 1U << 23) {
    return q;  // subnormal or zero, scale is 149
  }
  const int64_t biased = 150 - scale;
  if (biased >= 255) {
    return kInfinityBits;
  }
  return static_cast<uint32_t>(biased << 23) | (q - (1U << 23));
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
int hex_value(char c) {
  if (is_digit(c)) {
    return c - '0';
  }
  const char l = lower(c);
  return l >= 'a' && l <= 'f' ? l - 'a' + 10 : -1;
}

// Advances past word (lower case) when the text starts with it in any case.
bool take_word(const char*& p, const char* word) {
  const char* q = p;
  for (; *word != '\0'; ++word, ++q) {
    if (lower(*q) != *word) {
      return false;
    }
  }
  p = q;
  return true;
}

// An exponent's digits after its letter; none leaves the letter unread.
int64_t read_exponent(const char*& p) {
  const char* q = p + 1;
  const bool negative = *q == '-';
  if (*q == '+' || *q == '-') {
    ++q;
  }
  if (!is_digit(*q)) {
    return 0;
  }
  int64_t e = 0;
  for (; is_digit(*q); ++q) {
    if (e < 100000000) {
      e = e * 10 + (*q - '0');
    }
  }
  p = q;
  return negative ? -e : e;
}

// Keeping this many significant digits, and a 1 after them when any digit
// left out is not zero, decides every rounding: a halfway point between two
// floats has at most 113 significant decimal digits.
constexpr int kDecimalDigits = 200;
constexpr int kHexDigits = 32;

uint32_t read_decimal(const char*& p, bool* any) {
  uint8_t digits[kDecimalDigits + 1];
  int count = 0;
  int64_t exponent = 0;  // value = digits x 10^exponent
  bool dropped = false;
  bool point = false;
  for (;; ++p) {
    if (*p == '.' && !point) {
      point = true;
      continue;
    }
    if (!is_digit(*p)) {
      break;
    }
    *any = true;
    const auto digit = static_cast<uint8_t>(*p - '0');
    if (count == 0 && digit == 0) {
      exponent -= point ? 1 : 0;
    } else if (count < kDecimalDigits) {
      digits[count++] = digit;
      exponent -= point ? 1 : 0;
    } else {
      dropped = dropped || digit != 0;
      exponent += point ? 0 : 1;
    }
  }
  if (!*any) {
    return 0;
  }
  if (lower(*p) == 'e') {
    exponent += read_exponent(p);
  }
  if (dropped) {
    digits[count++] = 1;
    --exponent;
  }
  while (count > 0 && digits[count - 1] == 0) {
    --count;
    ++exponent;
  }
  if (count == 0) {
    return 0;
  }
  // 10^(top - 1) <= value < 10^top.
  const int64_t top = count + exponent;
  if (top <= -46) {
    return 0;  // below 1e-46, under half the smallest subnormal
  }
  if (top - 1 >= 39) {
    return kInfinityBits;  // 1e39 or more
  }
  Big num;
  for (int i = 0; i < count; ++i) {
    mul_add(num, 10, digits[i]);
  }
  Big den;
  mul_add(den, 1, 1);
  if (exponent >= 0) {
    mul_pow10(num, exponent);
  } else {
    mul_pow10(den, -exponent);
  }
  return nearest_float(num, den, 0);
}

// After "0x": hexadecimal digits with an optional point, then "p" and a
// decimal power of two. The walk is read_decimal's, but it cannot be shared:
// hexadecimal digits go straight into the big integer, four exact bits each,
// where decimal ones are kept as digits for the midpoint comparison.
uint32_t read_hex(const char*& p) {
  Big num;
  int count = 0;
  int64_t power = 0;  // value = num x 2^power
  bool dropped = false;
  bool point = false;
  for (;; ++p) {
    if (*p == '.' && !point) {
      point = true;
      continue;
    }
    const int digit = hex_value(*p);
    if (digit < 0) {
      break;
    }
    if (count == 0 && digit == 0) {
      power -= point ? 4 : 0;
    } else if (count < kHexDigits) {
      mul_add(num, 16, static_cast<uint32_t>(digit));
      ++count;
      power -= point ? 4 : 0;
    } else {
      dropped = dropped || digit != 0;
      power += point ? 0 : 4;
    }
  }
  if (lower(*p) == 'p') {
    power += read_exponent(p);
  }
  if (count == 0) {
    return 0;
  }
  if (dropped) {
    mul_add(num, 2, 1);
    --power;
  }
  Big one;
  mul_add(one, 1, 1);
  return nearest_float(num, one, power);
}

}  // namespace

int format_text_v(char* out, size_t size, const char* format, va_list args) {
  Sink sink{out, size, 0};
  const char* p = format;
  while (*p != '\0') {
    if (*p != '%') {
      put(sink, *p++);
      continue;
    }
    const char* start = p++;
    Directive d;
    for (;; ++p) {
      if (*p == '-') {
        d.left = true;
      } else if (*p == '+') {
        d.plus = true;
      } else if (*p == ' ') {
        d.space = true;
      } else if (*p == '0') {
        d.zero = true;
      } else {
        break;
      }
    }
    if (*p == '*') {
      ++p;
      const int width = va_arg(args, int);
      d.left = d.left || width < 0;
      d.width = width < 0 ? static_cast<size_t>(-static_cast<int64_t>(width)) : static_cast<size_t>(width);
    } else {
      d.width = read_count(p);
    }
    if (*p == '.') {
      ++p;
      if (*p == '*') {
        ++p;
        const int precision = va_arg(args, int);
        d.precision = precision < 0 ? -1 : precision;
      } else {
        d.precision = static_cast<int>(read_count(p));
      }
    }
    char length = 0;
    if (*p == 'h' || *p == 'l') {
      length = *p++;
      if (*p == length) {
        length = static_cast<char>(length == 'h' ? 'H' : 'L');  // hh, ll
        ++p;
      }
    } else if (*p == 'j' || *p == 'z' || *p == 't') {
      length = *p++;
    }
    switch (*p) {
      case 'd':
      case 'i': {
        int64_t v = 0;
        switch (length) {
          case 'H':
            v = static_cast<signed char>(va_arg(args, int));
            break;
          case 'h':
            v = static_cast<short>(va_arg(args, int));
            break;
          case 'l':
            v = va_arg(args, long);
            break;
          case 'L':
            v = va_arg(args, long long);
            break;
          case 'j':
            v = va_arg(args, intmax_t);
            break;
          case 'z':
            v = static_cast<int64_t>(va_arg(args, std::make_signed_t<size_t>));
            break;
          case 't':
            v = va_arg(args, ptrdiff_t);
            break;
          default:
            v = va_arg(args, int);
            break;
        }
        const uint64_t magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
        put_integer(sink, d, magnitude, sign_of(d, v < 0), 10, false);
        break;
      }
      case 'u':
      case 'x':
      case 'X': {
        uint64_t v = 0;
        switch (length) {
          case 'H':
            v = static_cast<unsigned char>(va_arg(args, unsigned));
            break;
          case 'h':
            v = static_cast<unsigned short>(va_arg(args, unsigned));
            break;
          case 'l':
            v = va_arg(args, unsigned long);
            break;
          case 'L':
            v = va_arg(args, unsigned long long);
            break;
          case 'j':
            v = va_arg(args, uintmax_t);
            break;
          case 'z':
            v = va_arg(args, size_t);
            break;
          case 't':
            v = static_cast<uint64_t>(va_arg(args, ptrdiff_t));
            break;
          default:
            v = va_arg(args, unsigned);
            break;
        }
        put_integer(sink, d, v, 0, *p == 'u' ? 10U : 16U, *p == 'X');
        break;
      }
      case 'c': {
        const auto c = static_cast<char>(va_arg(args, int));
        Field f;
        f.body = &c;
        f.body_length = 1;
        put_field(sink, d, f);
        break;
      }
      case 's': {
        const char* s = va_arg(args, const char*);
        // The null text as the C library shows it, when it fits the precision.
        if (s == nullptr) {
          s = d.precision < 0 || d.precision >= 6 ? "(null)" : "";
        }
        size_t n = 0;
        while ((d.precision < 0 || n < static_cast<size_t>(d.precision)) && s[n] != '\0') {
          ++n;
        }
        Field f;
        f.body = s;
        f.body_length = n;
        put_field(sink, d, f);
        break;
      }
      case 'f':
        if (length == 0 || length == 'l') {
          put_fixed(sink, d, va_arg(args, double));
        } else {
          put_chars(sink, start, static_cast<size_t>(p + 1 - start));
        }
        break;
      case '%':
        put(sink, '%');
        break;
      case '\0':
        put_chars(sink, start, static_cast<size_t>(p - start));
        continue;
      default:
        put_chars(sink, start, static_cast<size_t>(p + 1 - start));
        break;
    }
    ++p;
  }
  if (size > 0) {
    out[sink.length < size ? sink.length : size - 1] = '\0';
  }
  return static_cast<int>(sink.length);
}

int format_text(char* out, size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int length = format_text_v(out, size, format, args);
  va_end(args);
  return length;
}

bool parse_float(const char* text, float* out) {
  if (text == nullptr) {
    return false;
  }
  const char* p = text;
  while (is_space(*p)) {
    ++p;
  }
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') {
    ++p;
  }
  uint32_t bits = 0;
  if (lower(*p) == 'i') {
    // "infinity" may stop after "inf", but not part-way through the rest.
    if (!take_word(p, "inf") || (lower(*p) == 'i' && !take_word(p, "inity"))) {
      return false;
    }
    bits = kInfinityBits;
  } else if (lower(*p) == 'n') {
    if (!take_word(p, "nan")) {
      return false;
    }
    bits = 0x7FC00000U;
  } else if (p[0] == '0' && lower(p[1]) == 'x') {
    if (hex_value(p[2]) < 0 && p[2] != '.') {
      return false;
    }
    p += 2;
    bits = read_hex(p);
  } else {
    bool any = false;
    bits = read_decimal(p, &any);
    if (!any) {
      return false;
    }
  }
  *out = std::bit_cast<float>(bits | (negative ? 0x80000000U : 0U));
  return true;
}

}  // namespace corvane
