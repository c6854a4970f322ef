// FSUIPC's answers as the E/WD receives them at every draw: the versions it
// reports when opened, the window message's result, and any bytes written
// over any part of the request buffer before it comes back.
#include <cstring>
#include <memory>
#include <vector>

#include "fuzz_support.h"

using namespace corvane;

namespace {

struct Overwrite {
  uint32_t at;
  std::vector<uint8_t> bytes;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // One host for the run; each input starts from FSUIPC's default answers
  // and zeros at the offsets the E/WD reads.
  static std::unique_ptr<testhost::TestHost> host = fuzz::fresh_host();
  fuzz::ByteReader in(data, size);
  auto& fsuipc = testhost::platform().fsuipc;
  fsuipc.present = true;
  fsuipc.failing = false;
  fsuipc.fsuipc_version = testhost::FsuipcStandIn{}.fsuipc_version;
  fsuipc.sim_version = testhost::FsuipcStandIn{}.sim_version;
  fsuipc.forced_answer.reset();
  const uint32_t offsets[] = {0x332E, 0x332A, 0x3BFC, 0x31F0};
  for (uint32_t offset : offsets) {
    const uint32_t zero = 0;
    fsuipc.poke(offset, &zero, 4);
  }
  GaugeHeader* ewd = host->gauge("E/WD");
  GaugeHeader* throttle = host->gauge("Throttle");
  host->install(ewd);
  host->install(throttle);
  int draws = 0;
  while (!in.empty() && draws++ < 4) {
    const uint8_t flags = in.u8();
    fsuipc.present = (flags & 1) == 0;
    fsuipc.failing = (flags & 2) != 0;
    if ((flags & 4) != 0) {
      fsuipc.fsuipc_version = in.u32();
      fsuipc.sim_version = in.u32();
    }
    fsuipc.forced_answer.reset();
    if ((flags & 8) != 0) {
      fsuipc.forced_answer = static_cast<intptr_t>(static_cast<int32_t>(in.u32()));
    }
    // Values in the offset space that the E/WD asks for.
    for (uint32_t offset : offsets) {
      if ((flags & 16) != 0) {
        const uint32_t word = in.u32();
        fsuipc.poke(offset, &word, 4);
      }
    }
    // Overwrites applied to each message's buffer, positions taken modulo
    // what the message holds (its end marker included).
    std::vector<Overwrite> overwrites;
    const int count = (flags >> 5) & 3;
    for (int i = 0; i < count; ++i) {
      Overwrite o;
      o.at = in.u16();
      o.bytes.resize(in.u8() % 17);
      o.bytes.resize(in.bytes(o.bytes.data(), o.bytes.size()));
      overwrites.push_back(std::move(o));
    }
    fsuipc.tamper = [&overwrites](uint8_t* buffer, uint32_t bytes) {
      const uint32_t span = bytes + 4;
      for (const Overwrite& o : overwrites) {
        for (size_t i = 0; i < o.bytes.size(); ++i) {
          buffer[(o.at + i) % span] = o.bytes[i];
        }
      }
    };
    // The exchange runs at the E/WD's draw.
    host->draw(ewd);
  }
  // The levers show the axis it read.
  fuzz::cycle_checked(*host, throttle);
  fsuipc.tamper = nullptr;
  host->clear_events();
  return 0;
}
