// The cockpit clock's window mode and its chronometer.
#pragma once

#include <cstdint>

namespace corvane {

extern int clock_display_mode;  // 0 hours and minutes, 1 the quantity of variable 0x150
extern uint32_t chrono_state;   // 0 reset, 1 running, 2 stopped
extern int chrono_start;        // whole simulator seconds at the start
extern double chrono_elapsed;   // seconds shown by the hand

}  // namespace corvane
