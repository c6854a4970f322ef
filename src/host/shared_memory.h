// Named shared memory blocks exchanged with another module's display. The
// mapping call creates the block or, when the other side made it first, opens it.
#pragma once

#include <cstdint>

#include "host/platform.h"

namespace corvane {

struct SharedBlock {
  HANDLE mapping;
  uint8_t* view;
};

// Leaves the block closed (both 0) when the platform refuses.
void shared_block_open(SharedBlock* block, const char* name, uint32_t size);
void shared_block_close(SharedBlock* block);

}  // namespace corvane
