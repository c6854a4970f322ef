// The whole panel: all 33 gauges driven by a stream of operations read from
// the input: set a variable to any 64-bit pattern, move the simulation clock
// by any amount (backwards too), click any pixel of any gauge, install or
// kill any gauge in any order (with any parameter text), run a panel cycle,
// hand the host's text variable any text.
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "module/variables.h"

using namespace corvane;

namespace {

constexpr uint32_t kClockToken = 0x25C;
constexpr uint32_t kTextToken = 0x35D;
constexpr int kMaxCycles = 3;
constexpr int kMaxOperations = 128;

// Tokens the module refreshes through the shared table; other tokens are
// reached through the raw form of the operation.
uint32_t known_token(uint8_t index) { return sim_vars[index % SIM_VAR_COUNT].token; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  auto host = fuzz::fresh_host();
  const std::vector<GaugeHeader*> all = host->gauges();
  std::vector<bool> installed(all.size(), false);
  std::string text;
  double clock = 0.0;
  int cycles = 0;
  int operations = 0;
  while (!in.empty() && operations++ < kMaxOperations) {
    const uint8_t op = in.u8();
    switch (op % 8) {
      case 0:
        fuzz::set_pattern(*host, known_token(in.u8()), in.u64());
        break;
      case 1:
        fuzz::set_pattern(*host, in.u16() & 0x3FFU, in.u64());
        break;
      case 2: {
        // Small steps in cycles of 1/18 s, or any double at all.
        if ((op & 0x80) != 0) {
          clock += fuzz::as_double(in.u64());
        } else {
          clock += static_cast<int8_t>(in.u8()) / 18.0;
        }
        host->set_var(kClockToken, clock);
        break;
      }
      case 3: {
        const size_t g = in.u8() % all.size();
        const int x = static_cast<int16_t>(in.u16()) % 600;
        const int y = static_cast<int16_t>(in.u16()) % 600;
        host->click(all[g], x, y);
        fuzz::check_or_die(*host);
        break;
      }
      case 4: {
        // With a parameter text now and then, for the gauges that read one.
        const size_t g = in.u8() % all.size();
        if ((op & 0x80) != 0) {
          char parameters[25] = {};
          in.bytes(parameters, in.u8() % 25);
          host->install(all[g], parameters);
        } else {
          host->install(all[g]);
        }
        installed[g] = true;
        fuzz::check_or_die(*host);
        break;
      }
      case 5: {
        const size_t g = in.u8() % all.size();
        host->kill(all[g]);
        installed[g] = false;
        fuzz::check_or_die(*host);
        break;
      }
      case 6: {
        char bytes[33] = {};
        in.bytes(bytes, in.u8() % 33);
        text.assign(bytes);
        host->set_text_var(kTextToken, text.c_str());
        break;
      }
      default: {
        if (cycles++ >= kMaxCycles) {
          break;
        }
        // The host cycles what the panel shows: installed, not yet killed.
        for (size_t g = 0; g < all.size(); ++g) {
          if (installed[g]) {
            fuzz::cycle_checked(*host, all[g]);
          }
        }
        break;
      }
    }
  }
  for (size_t g = 0; g < all.size(); ++g) {
    if (installed[g]) {
      host->kill(all[g]);
    }
  }
  fuzz::check_or_die(*host);
  return 0;
}
