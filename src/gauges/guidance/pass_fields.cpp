#include "gauges/guidance/pass_fields.h"

namespace corvane {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

int hex_digit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// Reads digits of the base from text[i] while i < size; the magnitude saturates
// at limit. Returns the magnitude.
uint64_t read_digits(const char* text, uint32_t i, uint32_t size, int base, uint64_t limit) {
  uint64_t magnitude = 0;
  for (; i < size && text[i] != '\0'; ++i) {
    const int digit = hex_digit(text[i]);
    if (digit < 0 || digit >= base) {
      break;
    }
    magnitude = magnitude * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    if (magnitude > limit) {
      magnitude = limit;
    }
  }
  return magnitude;
}

// Skips blanks and a sign; returns the index of the first digit.
uint32_t skip_sign(const char* text, uint32_t i, uint32_t size, bool* negative) {
  while (i < size && is_blank(text[i])) {
    ++i;
  }
  *negative = false;
  if (i < size && (text[i] == '+' || text[i] == '-')) {
    *negative = text[i] == '-';
    ++i;
  }
  return i;
}

}  // namespace

void pass_field_read(char* text, const uint8_t* field, uint32_t size) {
  for (uint32_t i = 0; i < size; ++i) {
    text[i] = static_cast<char>(field[i]);
  }
  text[size] = '\0';
}

void pass_field_write(uint8_t* field, const char* text, uint32_t size) {
  uint32_t i = 0;
  for (; i < size && text[i] != '\0'; ++i) {
    field[i] = static_cast<uint8_t>(text[i]);
  }
  for (; i < size; ++i) {
    field[i] = 0;
  }
}

int32_t pass_field_decimal(const char* text, uint32_t from, uint32_t size) {
  bool negative = false;
  const uint32_t i = skip_sign(text, from, size, &negative);
  const uint64_t magnitude = read_digits(text, i, size, 10, negative ? 2147483648ULL : 2147483647ULL);
  return negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude)) : static_cast<int32_t>(magnitude);
}

uint32_t pass_field_hex(const char* text, uint32_t from, uint32_t size) {
  bool negative = false;
  uint32_t i = skip_sign(text, from, size, &negative);
  if (i + 1 < size && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    i += 2;
  }
  const uint32_t magnitude = static_cast<uint32_t>(read_digits(text, i, size, 16, 0xFFFFFFFFULL));
  return negative ? 0U - magnitude : magnitude;
}

}  // namespace corvane
