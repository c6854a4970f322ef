// Values of the engine/warning display that other gauges read, its warning
// logic pass, and the pieces of its text area. The E/WD is split in three
// sources: ewd.cpp (element tree, engine display, install and draw),
// ecam_logic.cpp (the warning logic pass) and ewd_text.cpp (the text area).
#pragma once

#include <cstdint>

#include "module/records.h"

namespace corvane {

// FSUIPC's pushback word as last read; 3 means no pushback.
extern int32_t pushback_state;
extern int32_t thrust_limit_percent;
extern double idle_flash_time;
extern int idle_flash_count;
extern int banner_done;
extern double banner_start_time;
// The flap table is read from the parameter text once per module load.
extern int flap_table_parsed;
extern double last_fuel_flow_time[2];

// Warning logic state.
extern int gear_down_locked;
extern int config_active;
extern double config_time;
extern double flap_handle_step;
extern double flap_handle_previous;
extern double flap_commanded;

// One latch per message of the logic's table: 1 while the logic has it posted.
enum EcamLatch : uint8_t {
  LATCH_RELEASE_BRAKES,
  LATCH_SPOILERS_ARMED,
  LATCH_UNSUFFICIENT_FUEL,
  LATCH_LOW_FUEL,
  LATCH_ENGINE1_OFF,
  LATCH_ENGINE1_FIRE,
  LATCH_ENGINE2_OFF,
  LATCH_ENGINE2_FIRE,
  LATCH_HIGH_GROUND_SPEED,
  LATCH_DOOR,
  LATCH_MAX_TIRES_SPEED,
  LATCH_STALL_WARNING,
  LATCH_STALL,
  LATCH_OVERSPEED,
  LATCH_GEAR_DOWN_LOCKED,
  LATCH_GEAR_DOWN,
  LATCH_SEAT_BELT,
  LATCH_NO_SMOKING,
  LATCH_ELEC_FAILURE,
  LATCH_VACUUM,
  LATCH_OIL_PRESSURE,
  LATCH_HYDRAULICS,
  LATCH_ELAC_DISC,
  LATCH_HIGH_AIRSPEED,
  LATCH_PRK_BRK_MEMO,
  LATCH_SPEED_BRK_MEMO,
  LATCH_COUNT
};
extern int ecam_latches[LATCH_COUNT];

// Builds the flap table from the "-" separated parameter text (may be null).
void parse_flap_positions(const char* parameters);
// One pass of the warning logic, run at the end of every E/WD callback call.
void ecam_logic_pass();

// Text area: line n of the left column, slot n of the right one.
double ewd_left_line(Element* element, int line);
double ewd_memo_line(Element* element, int slot);

}  // namespace corvane
