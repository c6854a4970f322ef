// "XPNDR": the transponder panel's state, shared with the tests.
#pragma once

#include <cstdint>

namespace corvane {

// Selector: 0 OFF, 1 STBY, 2 XPDR. Kept here only: the simulator never sees it.
extern uint32_t xpndr_mode;
extern int xpndr_entry_active;
extern uint32_t xpndr_entry_count;
extern char xpndr_entry_digits[4];
extern int xpndr_ident_on;
extern uint32_t xpndr_ident_ticks;

}  // namespace corvane
