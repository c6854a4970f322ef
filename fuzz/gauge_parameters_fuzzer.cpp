// The "Warnings" stall threshold and the "Throttle" reverse scale as typed in
// the panel's configuration: any text, read at install. (The logic that uses
// them runs under the panel driver, which installs with such texts too.)
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz_support.h"
#include "gauges/guidance/throttle.h"
#include "shared/cockpit_state.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::unique_ptr<testhost::TestHost> host = fuzz::fresh_host();
  const std::string parameters(reinterpret_cast<const char*>(data), size);
  GaugeHeader* warnings = host->gauge("Warnings");
  GaugeHeader* throttle = host->gauge("Throttle");
  host->install(warnings, parameters.c_str());
  host->install(throttle, parameters.c_str());
  // The scale multiplies a lever position into a needle value: it must be a
  // number; the threshold is compared only, but never with a NaN.
  if (!std::isfinite(reverse_scale) || std::isnan(stall_threshold)) {
    std::abort();
  }
  host->evaluate(throttle);
  return 0;
}
