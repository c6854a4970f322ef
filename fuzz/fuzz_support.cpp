#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gauges/ecam/ewd.h"

namespace corvane::fuzz {

size_t ByteReader::bytes(void* out, size_t n) {
  if (n == 0) {
    return 0;
  }
  const size_t count = n < left() ? n : left();
  std::memset(out, 0, n);
  if (count != 0) {
    std::memcpy(out, data_ + at_, count);
  }
  at_ += count;
  return count;
}

std::unique_ptr<testhost::TestHost> fresh_host() {
  testhost::reset_platform();
  test::reset_module_state();
  // Read once per load: each input is a new load.
  flap_table_parsed = 0;
  return std::make_unique<testhost::TestHost>(testhost::linked_module());
}

void check_or_die(testhost::TestHost& host) {
  host.check_all_texts();
  if (host.violations().empty()) {
    return;
  }
  for (const std::string& v : host.violations()) {
    std::fprintf(stderr, "text bound violation: %s\n", v.c_str());
  }
  std::abort();
}

void cycle_checked(testhost::TestHost& host, GaugeHeader* gauge) {
  host.cycle(gauge);
  check_or_die(host);
}

double as_double(uint64_t bits) {
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void set_pattern(testhost::TestHost& host, uint32_t token, uint64_t bits) {
  if (testhost::is_integer_token(token)) {
    host.set_var(token, static_cast<double>(static_cast<uint32_t>(bits)));
  } else {
    host.set_var(token, as_double(bits));
  }
}

}  // namespace corvane::fuzz
