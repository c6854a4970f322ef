// Everything one gauge tells another. Gauges never call each other: a writer
// stores here and readers pick it up on their next evaluation, which may be a
// cycle later depending on the host's order.
#pragma once

#include <cstdint>

namespace corvane {

// Lighting, barometric setting and guidance.
extern uint32_t panel_lights_on;
extern uint32_t baro_unit_inhg;
extern uint32_t baro_std_selected;
extern int fd_mode;
extern int elac1_on;
extern int seat_belt_sign;
extern int no_smoking_sign;
extern int eng_start_state;

// Engine and fuel values produced by the engine/warning display.
extern int engine1_running;
extern int engine2_running;
extern int16_t throttle_axis_percent;
extern int16_t roll_axis_input;
extern int32_t fsuipc_weight_word;
extern int32_t fuel_on_board_kg;
extern double fuel_used_kg[2];
inline constexpr int kDetentTextSize = 5;
extern char thrust_detent_text[kDetentTextSize];
extern int flap_position_count;
extern int flap_step_count;
inline constexpr int kFlapThresholdCount = 6;
extern double flap_thresholds[kFlapThresholdCount];

// Alerting.
extern int master_warning;
extern int master_caution;
extern int master_warning_ack;
extern double stall_threshold;
extern int takeoff_flag;
extern int ecam_phase;
extern int elec_failure_alert;
extern int vacuum_alert;
extern int oil_pressure_alert;
extern int hydraulics_alert;
extern int engine_off_alert;
extern int fuel_tank_low_alert;
extern int fob_low_alert;
extern int sd_page;
extern int sd_flight_state;
extern int sd_all_cycling;
extern int sd_manual_hold;

// Texts shown by the engine/warning display.
inline constexpr int kMemoSlotCount = 5;
inline constexpr int kMemoTextSize = 11;
extern char ecam_memo_slots[kMemoSlotCount][kMemoTextSize];
inline constexpr int kMemoStampCount = 3;
extern double ecam_memo_stamp[kMemoStampCount];

inline constexpr int kMessageLines = 10;
inline constexpr int kMessageTextSize = 18;
extern char ecam_messages[kMessageLines][kMessageTextSize];
extern int ecam_message_used[kMessageLines];
extern int ecam_message_level[kMessageLines];

}  // namespace corvane
