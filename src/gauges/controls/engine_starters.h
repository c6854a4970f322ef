// The engine start panel's mode selector; the start sequence's state is shared
// with the system display (eng_start_state).
#pragma once

#include <cstdint>

namespace corvane {

// 0 left, 1 centre, 2 right (start).
extern uint32_t eng_mode_selector;

}  // namespace corvane
