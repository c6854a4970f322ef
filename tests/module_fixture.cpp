#include "module_fixture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gauges/guidance/fcu.h"
#include "gauges/guidance/fd.h"
#include "host/fsuipc.h"
#include "module/entry.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane {
extern uint32_t baro_flash_counter;
}

namespace corvane::test {

void reset_link_state() {
  std::snprintf(fd_mode_text, sizeof fd_mode_text, "FDMode=0");
  std::snprintf(nd_mode_text, sizeof nd_mode_text, "NDMode=1");
  std::snprintf(map_mode_text, sizeof map_mode_text, "MapMode=0");
  std::snprintf(item_text, sizeof item_text, "Item=0x1E");
  std::snprintf(range_text, sizeof range_text, "Range=320");
  efis_mode_pos = 1;
  efis_range_pos = 5;
  efis_items = 0x1E;
  nd_mode = 1;
  nd_map_mode = 0;
  nd_range = 320;
}

void set_test_control_words() {
#if CORVANE_X87_MATH
  set_x87_control_word(kModuleControlWord);
#endif
  const char* word = std::getenv("CORVANE_HOST_CONTROL_WORD");
  testhost::TestHost::set_control_word(word != nullptr ? static_cast<uint16_t>(std::strtoul(word, nullptr, 16))
                                                       : kModuleControlWord);
}

void reset_module_state() {
  panel_lights_on = 0;
  baro_unit_inhg = 0;
  baro_std_selected = 0;
  baro_flash_counter = 0;
  for (SoundSlot& slot : sound_slots) {
    slot.loaded = 0;
    slot.sound = 0;
  }
  ipc_close();
  // The platform world that held the shared blocks was just replaced: a view
  // kept from an earlier test would point into freed memory.
  nd_block_handle = nullptr;
  nd_block_view = nullptr;
  fd_block_handle = nullptr;
  fd_block_view = nullptr;
  fd_mode = 0;
  reset_link_state();
  std::memset(ecam_messages, 0, sizeof ecam_messages);
  std::memset(ecam_message_used, 0, sizeof ecam_message_used);
  std::memset(ecam_message_level, 0, sizeof ecam_message_level);
  std::memset(ecam_memo_slots, 0, sizeof ecam_memo_slots);
  std::memset(ecam_memo_stamp, 0, sizeof ecam_memo_stamp);
  for (VariableRecord& record : sim_vars) {
    std::memset(record.value, 0, sizeof record.value);
  }
}

}  // namespace corvane::test
