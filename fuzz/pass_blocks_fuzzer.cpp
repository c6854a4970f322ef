// The two shared blocks another module's display may write at any moment:
// "NDPassData" (60 bytes) and "PassData" (20 bytes), any bytes, no
// terminators, between any two cycles, with clicks on the EFIS panel and the
// flight director switch and kills and installs that close and reopen them.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "fuzz_support.h"
#include "shared/cockpit_state.h"

using namespace corvane;

namespace {
constexpr size_t kNdSize = 60;
constexpr size_t kFdSize = 20;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // One host for the run: each input starts from both gauges killed (their
  // blocks closed, so gone) and the link's texts as at load.
  static std::unique_ptr<testhost::TestHost> host = fuzz::fresh_host();
  fuzz::ByteReader in(data, size);
  GaugeHeader* fcu = host->gauge("FCU");
  GaugeHeader* fd = host->gauge("FD");
  GaugeHeader* readers[] = {fcu, fd};
  fd_mode = 0;
  test::reset_link_state();
  for (GaugeHeader* g : readers) {
    host->install(g);
  }
  auto& memory = testhost::platform().shared_memory;
  int steps = 0;
  while (!in.empty() && steps++ < 16) {
    switch (in.u8() % 6) {
      case 0:
        if (uint8_t* block = memory.block("NDPassData")) {
          in.bytes(block, kNdSize);
        }
        break;
      case 1:
        if (uint8_t* block = memory.block("PassData")) {
          in.bytes(block, kFdSize);
        }
        break;
      case 2: {
        const uint8_t which = in.u8();
        const int x = in.u8();
        const int y = in.u8();
        host->click((which & 1) != 0 ? fd : fcu, x, y);
        fuzz::check_or_die(*host);
        break;
      }
      case 3:
        host->kill((in.u8() & 1) != 0 ? fd : fcu);
        break;
      case 4:
        host->install((in.u8() & 1) != 0 ? fd : fcu);
        break;
      default:
        for (GaugeHeader* g : readers) {
          fuzz::cycle_checked(*host, g);
        }
        break;
    }
  }
  for (GaugeHeader* g : readers) {
    fuzz::cycle_checked(*host, g);
  }
  // However often they were installed, one kill each must close the blocks:
  // a block still there is a handle the module lost.
  host->kill(fcu);
  host->kill(fd);
  if (memory.block("NDPassData") != nullptr || memory.block("PassData") != nullptr) {
    std::abort();
  }
  host->clear_events();
  return 0;
}
