// "Radio": the radio management panel's state, shared with the tests.
#pragma once

#include <cstdint>

namespace corvane {

// Selected receiver: 0 COM1, 1 COM2, 2 NAV1, 3 NAV2, 4 ADF.
extern int radio_mode;
// The simulator keeps no ADF standby, so the panel does: tenths of kHz.
extern uint32_t adf_standby_freq;
extern int radio_sel_nav1;
extern int radio_sel_nav2;
extern int radio_sel_adf;

// Hundreds, tens, units and tenths of kHz as four BCD digits (the thousands
// digit travels in the choice of event instead).
uint32_t adf_to_bcd(uint32_t tenths_khz);
// The simulator's active ADF frequency in tenths of kHz, from its main digits
// (token 0x10) and its thousands/tenths extension (token 0x12).
uint32_t adf_from_bcd(uint32_t main_digits, uint32_t extension);

}  // namespace corvane
