// What the "SD" element tree needs from its page callbacks. Every callback
// shows its element only on its own page and keeps being called while hidden,
// so that it can show the element again.
#pragma once

#include <cstdint>

#include "module/records.h"

namespace corvane::sd {

inline constexpr int kPageEng = 1;
inline constexpr int kPageElec = 2;
inline constexpr int kPageHyd = 3;
inline constexpr int kPageFuel = 4;
inline constexpr int kPageDoor = 5;
inline constexpr int kPageWheel = 6;
inline constexpr int kPageFlightControls = 7;
inline constexpr int kPageCruise = 8;

inline constexpr uint32_t kGreen = 0x40FF40;
inline constexpr uint32_t kAmber = 0x3287FF;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kRed = 0x1E1EFF;
inline constexpr uint32_t kYellow = 0x00FFFF;

// Hides the element unless `page` is shown; true when it is shown.
bool show_on(Element* element, int page);
// Prints a value in at most four characters: "%4.<decimals>f" while it fits,
// fewer decimals or a whole number beyond.
void write_four_chars(Element* element, double value, int decimals);

double CORVANE_CALL page_picture(Element* element);

// ENG
double CORVANE_CALL eng_oil_quantity_needle(Element* element);
double CORVANE_CALL eng_oil_quantity_text(Element* element);
double CORVANE_CALL eng_oil_pressure_needle(Element* element);
double CORVANE_CALL eng_oil_pressure_text(Element* element);
double CORVANE_CALL eng_n2_needle(Element* element);
double CORVANE_CALL eng_vibration_text(Element* element);
// ELEC
double CORVANE_CALL elec_load_icon(Element* element);
double CORVANE_CALL elec_value_text(Element* element);
// HYD
double CORVANE_CALL hyd_pressure_text(Element* element);
double CORVANE_CALL hyd_quantity_slider(Element* element);
// FUEL
double CORVANE_CALL fuel_on_board_text(Element* element);
double CORVANE_CALL fuel_tank_text(Element* element);
double CORVANE_CALL fuel_left_valve(Element* element);
double CORVANE_CALL fuel_right_valve(Element* element);
double CORVANE_CALL fuel_centre_valve(Element* element);
double CORVANE_CALL fuel_crossfeed_icon(Element* element);
// DOOR/OXY
double CORVANE_CALL door_icon(Element* element);
// WHEEL
double CORVANE_CALL wheel_ground_speed_text(Element* element);
double CORVANE_CALL wheel_brake_text(Element* element);
double CORVANE_CALL wheel_release_icon(Element* element);
double CORVANE_CALL wheel_gear_icon(Element* element);
double CORVANE_CALL wheel_gear_door_icon(Element* element);
// F/CTL
double CORVANE_CALL fctl_surface_slider(Element* element);
double CORVANE_CALL fctl_pitch_trim_text(Element* element);
double CORVANE_CALL fctl_rudder_needle(Element* element);
double CORVANE_CALL fctl_spoiler_y(Element* element);
double CORVANE_CALL fctl_right_spoiler_x(Element* element);
// CRUISE
double CORVANE_CALL cruise_fuel_used1_text(Element* element);
double CORVANE_CALL cruise_fuel_used2_text(Element* element);
double CORVANE_CALL cruise_oil_text(Element* element);
double CORVANE_CALL cruise_cabin_altitude_text(Element* element);
double CORVANE_CALL cruise_cabin_vs_text(Element* element);

}  // namespace corvane::sd
