#include "shared/cockpit_state.h"

namespace corvane {

uint32_t panel_lights_on = 0;
uint32_t baro_unit_inhg = 0;
uint32_t baro_std_selected = 0;
int fd_mode = 0;
int elac1_on = 1;
int seat_belt_sign = 0;
int no_smoking_sign = 0;
int eng_start_state = 0;

int engine1_running = 0;
int engine2_running = 0;
int16_t throttle_axis_percent = 0;
int16_t roll_axis_input = 0;
int32_t fsuipc_weight_word = 0;
int32_t fuel_on_board_kg = 0;
double fuel_used_kg[2] = {0.0, 0.0};
char thrust_detent_text[kDetentTextSize] = {};
int flap_position_count = 0;
int flap_step_count = 0;
double flap_thresholds[kFlapThresholdCount] = {};

int master_warning = 0;
int master_caution = 0;
int master_warning_ack = 0;
double stall_threshold = 25000.0;
int takeoff_flag = 0;
int ecam_phase = 0;
int elec_failure_alert = 0;
int vacuum_alert = 0;
int oil_pressure_alert = 0;
int hydraulics_alert = 0;
int engine_off_alert = 0;
int fuel_tank_low_alert = 0;
int fob_low_alert = 0;
int sd_page = 0;
int sd_flight_state = 0;
int sd_all_cycling = 0;
int sd_manual_hold = 0;

char ecam_memo_slots[kMemoSlotCount][kMemoTextSize] = {};
double ecam_memo_stamp[kMemoStampCount] = {};

char ecam_messages[kMessageLines][kMessageTextSize] = {};
int ecam_message_used[kMessageLines] = {};
int ecam_message_level[kMessageLines] = {};

}  // namespace corvane
