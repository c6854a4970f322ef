// The flight director switch's link to the display of another module.
#pragma once

#include <cstdint>

#include "host/platform.h"

namespace corvane {

inline constexpr uint32_t kFdFieldSize = 10;
inline constexpr uint32_t kFdBlockSize = 20;

// One byte more than the field: the other side may leave it unterminated.
extern char fd_mode_text[kFdFieldSize + 1];
extern HANDLE fd_block_handle;
extern uint8_t* fd_block_view;

}  // namespace corvane
