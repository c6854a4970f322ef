// The EFIS control panel's selections and its link to the navigation display
// of another module, module-wide so that they survive a kill and a new install.
#pragma once

#include <cstdint>

#include "host/platform.h"

namespace corvane {

inline constexpr uint32_t kNdFieldSize = 10;
inline constexpr uint32_t kNdBlockSize = 60;

// The block as both modules see it: four zero-padded "key=value" texts, then
// 20 bytes this panel leaves alone.
struct NdPassBlock {
  char nd_mode[kNdFieldSize];
  char map_mode[kNdFieldSize];
  char item[kNdFieldSize];
  char range[kNdFieldSize];
  char unused[20];
};
static_assert(sizeof(NdPassBlock) == kNdBlockSize);

// The panel's own copies of the four texts: one byte more than a field, so a
// field the other side left without a terminator still reads as a string.
extern char nd_mode_text[kNdFieldSize + 1];
extern char map_mode_text[kNdFieldSize + 1];
extern char item_text[kNdFieldSize + 1];
extern char range_text[kNdFieldSize + 1];

extern uint32_t efis_mode_pos;   // 1..6: LS, PLN, MAP, ARC, PLAN, ENG
extern uint32_t efis_range_pos;  // 1..6: 10 to 320 NM
extern uint32_t efis_items;      // bit 0 CSTR, 1 WPT, 2 VORD, 3 NDB, 4 ARPT
extern int nd_mode;
extern int nd_map_mode;
extern int nd_range;

extern HANDLE nd_block_handle;
extern NdPassBlock* nd_block_view;

}  // namespace corvane
