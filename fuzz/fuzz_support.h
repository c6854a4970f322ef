// What every harness shares: a byte reader over the fuzz input, a fresh test
// host over a module put back to its load values, and the stop on any text
// that left its buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "corvane_testhost/platform_world.h"
#include "corvane_testhost/test_host.h"

namespace corvane::test {
// The module's state as at load, and the EFIS and FD link texts alone (tests/module_fixture.cpp).
void reset_module_state();
void reset_link_state();
}  // namespace corvane::test

namespace corvane::fuzz {

// Reads the input front to back; past its end every read gives zeros.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  size_t left() const { return at_ < size_ ? size_ - at_ : 0; }
  // The next sizeof(T) bytes as a T, zero-filled past the end of the input.
  template <typename T>
  T next() {
    T value{};
    bytes(&value, sizeof value);
    return value;
  }
  uint8_t u8() { return next<uint8_t>(); }
  uint16_t u16() { return next<uint16_t>(); }
  uint32_t u32() { return next<uint32_t>(); }
  uint64_t u64() { return next<uint64_t>(); }
  // Copies up to n bytes (fewer at the end of the input); returns how many.
  size_t bytes(void* out, size_t n);

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// The platform world and the module's shared state as at load, and a new
// host over the linked module (the previous one is gone first).
std::unique_ptr<testhost::TestHost> fresh_host();

// Checks every text buffer; on any violation prints them and aborts.
void check_or_die(testhost::TestHost& host);

// One panel cycle (update, elements, draw) of the gauge, then the check.
void cycle_checked(testhost::TestHost& host, GaugeHeader* gauge);

// Bit pattern to double, and the same for an integer token (the host fills
// those as the low word of the value, so any 32-bit word must be reachable).
double as_double(uint64_t bits);
void set_pattern(testhost::TestHost& host, uint32_t token, uint64_t bits);

}  // namespace corvane::fuzz
