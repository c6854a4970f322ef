// The E/WD's flap list as a panel designer may type it: any text. The table
// it builds must stay usable whatever the text: a count within the list's
// bounds, numbers only, read once per load. (The gauges that use
// the table run under the panel driver, which installs with such texts too.)
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gauges/ecam/ewd.h"
#include "shared/cockpit_state.h"

using namespace corvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The host keeps the text as a C string: it ends at the first zero byte.
  const std::string parameters(reinterpret_cast<const char*>(data), size);
  flap_table_parsed = 0;
  parse_flap_positions(parameters.c_str());
  if (flap_position_count < 1 || flap_position_count > 50 || flap_step_count != flap_position_count - 1) {
    std::abort();
  }
  for (double threshold : flap_thresholds) {
    if (std::isnan(threshold)) {
      std::abort();
    }
  }
  // Read once per load: a second text changes nothing.
  const double first = flap_thresholds[1];
  parse_flap_positions("0-1");
  if (std::memcmp(&first, &flap_thresholds[1], sizeof first) != 0) {
    std::abort();
  }
  return 0;
}
