#include "sim/simulator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "corvane_testhost/platform_world.h"

namespace corvane::refhost {

namespace {

constexpr double kFeetPerMetre = 3.2808;
constexpr double kHpaPerInHg = 33.8639;
constexpr double kGearDown = 16383.0;
constexpr double kGearTravelSeconds = 10.0;
constexpr double kFlapFull = 16384.0;
constexpr double kFlapTravelSeconds = 8.0;

// Every token the module reads, with the value it holds at the gate, cold and
// dark: parked at Paris-Charles de Gaulle, 392 ft, batteries off.
const std::vector<TokenSpec> kTokens = {
    {0x2, "ground_elevation", "metres x 256", false, 119.5 * 256},
    {0x3, "clock_hours", "hours", false, 10},
    {0x4, "clock_minutes", "minutes", false, 0},
    {0xA, "panel_light", "on/off", false, 0},
    {0xB, "strobe_lights", "on/off", false, 0},
    {0xD, "pitot_heat", "on/off", false, 0},
    {0xE, "landing_lights", "on/off", false, 0},
    {0x10, "adf_main", "BCD hundreds, tens, units", true, 0x0342},
    {0x12, "adf_extended", "BCD thousands and tenths", true, 0x0005},
    {0x17, "com1_active", "BCD", true, 0x1880},
    {0x18, "nav1_active", "BCD", true, 0x1030},
    {0x1B, "nav2_active", "BCD", true, 0x1190},
    {0x1F, "dme1_distance", "nautical miles, negative = none", false, -1},
    {0x23, "dme2_distance", "nautical miles, negative = none", false, -1},
    {0x26, "transponder_code", "BCD", true, 0x2000},
    {0x27, "adf_bearing", "degrees", false, 0},
    {0x2D, "heading_reference", "degrees", false, 265},
    {0x3B, "vor2_bearing", "degrees", false, 0},
    {0x3C, "on_ground", "0/1", false, 1},
    {0x3D, "airspeed", "knots", false, 0},
    {0x3F, "airspeed_128", "1/128 knot", false, 0},
    {0x40, "mach", "Mach x 65536 / 3.2", false, 0},
    {0x41, "vertical_speed", "metres per second x 256", false, 0},
    {0x43, "stall_warning", "on/off", false, 0},
    {0x44, "overspeed_warning", "on/off", false, 0},
    {0x47, "latitude", "metres north (40007000 a turn)", false, 5446477.6},
    {0x48, "longitude", "turns x 2^48", false, 1992043758927.6},
    {0x49, "true_altitude", "metres", false, 392 / kFeetPerMetre},
    {0x4A, "altitude", "feet", false, 392},
    {0x4B, "baro_hpa", "hPa", false, 1013.0},
    {0x4C, "baro_inhg", "inHg", false, 29.91},
    {0x4E, "pitch", "degrees", false, 0},
    {0x4F, "bank_360", "degrees 0..360", false, 0},
    {0x50, "bank", "degrees", false, 0},
    {0x51, "heading", "degrees", false, 265},
    {0x67, "ap_master", "on/off", false, 0},
    {0x68, "ap_wing_leveler", "on/off", false, 0},
    {0x69, "ap_nav_hold", "on/off", false, 0},
    {0x6A, "ap_heading_hold", "on/off", false, 0},
    {0x6B, "ap_heading", "degrees", false, 265},
    {0x6C, "ap_altitude_hold", "on/off", false, 0},
    {0x6D, "ap_altitude", "feet", false, 5000},
    {0x6F, "ap_glideslope_hold", "on/off", false, 0},
    {0x70, "ap_localizer_hold", "on/off", false, 0},
    {0x73, "ap_speed_hold", "on/off", false, 0},
    {0x74, "ap_speed", "knots", false, 150},
    {0x75, "ap_mach_hold", "on/off", false, 0},
    {0x76, "ap_mach", "Mach", false, 0.78},
    {0x78, "ap_vertical_speed", "feet per minute", false, 0},
    {0x7B, "autothrust_armed", "on/off", false, 0},
    {0x95, "eng1_oil_quantity", "0..16384", false, 15000},
    {0xB8, "eng2_oil_quantity", "0..16384", false, 15000},
    {0x117, "elec_failure", "on/off", false, 0},
    {0x120, "vacuum_failure", "on/off", false, 0},
    // Tank levels are fractions of 8388607; capacities in US gallons.
    {0x121, "fuel_centre_level", "1/8388607 of capacity", false, 0.1 * 8388607},
    {0x122, "fuel_centre_capacity", "US gallons", false, 2200},
    {0x123, "fuel_left_main_level", "1/8388607 of capacity", false, 0.5 * 8388607},
    {0x124, "fuel_left_main_capacity", "US gallons", false, 1800},
    {0x125, "fuel_left_outer_level", "1/8388607 of capacity", false, 1.0 * 8388607},
    {0x126, "fuel_left_outer_capacity", "US gallons", false, 220},
    {0x129, "fuel_right_main_level", "1/8388607 of capacity", false, 0.5 * 8388607},
    {0x12A, "fuel_right_main_capacity", "US gallons", false, 1800},
    {0x12B, "fuel_right_outer_level", "1/8388607 of capacity", false, 1.0 * 8388607},
    {0x12C, "fuel_right_outer_capacity", "US gallons", false, 220},
    {0x12F, "fuel_left", "US gallons", false, 1000},
    {0x130, "fuel_centre", "US gallons", false, 300},
    {0x131, "fuel_right", "US gallons", false, 1000},
    {0x133, "fuel_selector", "selector setting", true, 1},
    {0x134, "crossfeed", "0 closed, 1 left, 2 right", true, 0},
    {0x140, "brake_left", "0..32767", false, 0},
    {0x141, "brake_right", "0..32767", false, 0},
    {0x143, "parking_brake", "0..32767", false, 32767},
    {0x144, "spoilers_armed", "on/off", false, 0},
    {0x145, "spoiler_handle", "0..16383", false, 0},
    {0x146, "spoiler_left", "0..16384", false, 0},
    {0x147, "spoiler_right", "0..16384", false, 0},
    {0x148, "flap_handle", "0..16384", false, 0},
    {0x149, "flap_position", "0..16384", false, 0},
    {0x14B, "gear_lever", "0 up, 1 down", false, 1},
    {0x14C, "gear_nose", "0..16383", false, kGearDown},
    {0x14D, "gear_left", "0..16383", false, kGearDown},
    {0x14E, "gear_right", "0..16383", false, kGearDown},
    {0x150, "clock_quantity", "second clock quantity", false, 15.0},
    {0x15D, "stall_margin", "compared with the stall threshold", false, 30000},
    {0x15E, "total_air_temperature", "degrees C / 256", false, 15.0 / 256},
    {0x16C, "battery_master", "on/off", false, 0},
    {0x170, "beacon_lights", "on/off", false, 0},
    {0x171, "taxi_lights", "on/off", false, 0},
    {0x17D, "oil_pressure_failure", "on/off", false, 0},
    {0x226, "vor1_bearing", "degrees", false, 0},
    {0x227, "speed_component_x", "feet per second, from ground_speed", false, 0},
    {0x228, "speed_component_z", "speed", false, 0},
    {0x22E, "thrust_lever_1", "0..1", false, 0},
    {0x230, "eng1_master", "on/off", false, 0},
    {0x232, "eng1_oil_pressure", "0..40000", false, 0},
    {0x235, "gen1_switch", "on/off", false, 0},
    {0x237, "eng1_egt", "degrees C", false, 15},
    {0x238, "thrust_lever_2", "0..1", false, 0},
    {0x23A, "eng2_master", "on/off", false, 0},
    {0x23C, "eng2_oil_pressure", "0..40000", false, 0},
    {0x23F, "gen2_switch", "on/off", false, 0},
    {0x241, "eng2_egt", "degrees C", false, 15},
    {0x25C, "clock", "seconds", false, Simulator::kStartClock},
    {0x266, "radio_height", "metres", false, 0},
    {0x267, "decision_height", "feet", false, 200},
    {0x269, "com1_standby", "BCD", true, 0x1970},
    {0x26B, "nav_lights", "on/off", false, 0},
    {0x26D, "wing_lights", "on/off", false, 0},
    {0x26E, "runway_turnoff_lights", "on/off", false, 0},
    {0x270, "eng1_n1", "percent", false, 0},
    {0x271, "eng1_n2", "percent", false, 0},
    {0x27E, "eng1_fuel_flow", "pounds per hour", false, 0},
    {0x281, "eng1_combustion", "0/1", false, 0},
    {0x282, "eng1_vibration", "units", false, 0},
    {0x283, "eng2_n1", "percent", false, 0},
    {0x284, "eng2_n2", "percent", false, 0},
    {0x291, "eng2_fuel_flow", "pounds per hour", false, 0},
    {0x294, "eng2_combustion", "0/1", false, 0},
    {0x295, "eng2_vibration", "units", false, 0},
    {0x2DC, "hyd_blue_pressure", "psi", false, 0},
    {0x2DD, "hyd_blue_quantity", "0..1", false, 0.9},
    {0x2DE, "hyd_green_pressure", "psi", false, 0},
    {0x2DF, "hyd_green_quantity", "0..1", false, 0.9},
    {0x2E4, "radio_panel_switch", "0/1", true, 1},
    {0x2E7, "autobrake", "0 RTO, 1 OFF, 2 LOW, 3 MED, 5 MAX", true, 1},
    {0x2EF, "battery_load", "amperes", false, 0},
    {0x2F0, "battery1_volts", "volts", false, 25.5},
    {0x2F1, "main_bus_volts", "volts", false, 0},
    {0x2F2, "main_bus_amperes", "amperes", false, 0},
    {0x2F3, "avionics_volts", "volts", false, 0},
    {0x2F5, "battery2_volts", "volts", false, 25.5},
    {0x2F7, "battery_bus_volts", "volts", false, 0},
    {0x2F9, "gen1_volts", "volts", false, 0},
    {0x2FB, "gen2_volts", "volts", false, 0},
    {0x30E, "elevator", "-1..1", false, 0},
    {0x30F, "pitch_trim", "-1..1", false, 0},
    {0x310, "aileron", "-1..1", false, 0},
    {0x312, "rudder", "-1..1", false, 0},
    {0x313, "rudder_trim", "radians", false, 0},
    {0x319, "fd_pitch", "degrees", false, 0},
    {0x31A, "fd_bank", "degrees", false, 0},
    {0x338, "hydraulic_system", "below 1 failed", false, 1.0},
    {0x340, "ground_speed", "metres per second", false, 0},
    {0x350, "nav_gps_switch", "on/off", false, 0},
    {0x351, "ls_localizer_deviation", "dots", false, 0},
    {0x352, "ls_glideslope_deviation", "dots", false, 0},
    {0x353, "approach_condition_c", "on/off", false, 0},
    {0x354, "approach_condition_b", "on/off", false, 0},
    {0x35A, "approach_condition_a", "on/off", false, 0},
    {0x35D, "approach_identifier", "text address", true, 0},
    {0x362, "door_cargo", "open/closed", false, 0},
    {0x364, "door_main", "open/closed", false, 0},
    {0x365, "door_service", "open/closed", false, 0},
    {0x366, "com2_active", "BCD", true, 0x2190},
    {0x367, "com2_standby", "BCD", true, 0x2450},
    {0x368, "nav1_standby", "BCD", true, 0x0810},
    {0x369, "nav2_standby", "BCD", true, 0x1170},
    {0x36A, "com1_transmit", "on/off", false, 1},
    {0x36B, "com2_transmit", "on/off", false, 0},
    {0x36C, "com_both", "on/off", false, 0},
    {0x36D, "nav1_audio", "on/off", false, 0},
    {0x36E, "nav2_audio", "on/off", false, 0},
    {0x370, "adf_audio", "on/off", false, 0},
    {0x371, "marker_audio", "on/off", false, 0},
    {0x373, "eng1_anti_ice", "on/off", false, 0},
    {0x374, "eng2_anti_ice", "on/off", false, 0},
    {0x377, "eng1_fire", "on/off", false, 0},
    {0x378, "eng2_fire", "on/off", false, 0},
    {0x389, "wing_anti_ice", "on/off", false, 0},
};

double toggled(double value) { return value != 0.0 ? 0.0 : 1.0; }

void toggle(Simulator& s, uint32_t token) { s.set(token, toggled(s.get(token))); }

double wrap360(double degrees) {
  double d = std::fmod(degrees, 360.0);
  return d < 0 ? d + 360.0 : d;
}

// COM frequencies 118.00 .. 136.975 MHz in 25 kHz steps, NAV 108.00 ..
// 117.95 MHz in 50 kHz steps; the BCD word holds the four digits after the
// leading 1, the 25 kHz grid's last digit dropped (118.025 reads 18.02).
struct RadioBand {
  int low_mhz;
  int high_mhz;
  int step_khz;
};
constexpr RadioBand kCom{118, 136, 25};
constexpr RadioBand kNav{108, 117, 50};

int radio_khz(uint32_t bcd, const RadioBand& band) {
  const int digits = static_cast<int>(from_bcd(bcd & 0xFFFF));
  int khz = (100 + digits / 100) * 1000 + (digits % 100) * 10;
  // Recover the dropped digit of the 25 kHz grid.
  if (band.step_khz == 25 && (khz % 50) == 20) {
    khz += 5;
  }
  return khz;
}

uint32_t radio_bcd(int khz) { return to_bcd(static_cast<uint32_t>((khz / 1000 - 100) * 100 + (khz % 1000) / 10)); }

void tune(Simulator& s, uint32_t token, const RadioBand& band, int whole_steps, int fraction_steps) {
  const int khz = radio_khz(static_cast<uint32_t>(s.get(token)), band);
  int mhz = khz / 1000;
  int fraction = khz % 1000;
  const int span = band.high_mhz - band.low_mhz + 1;
  mhz = band.low_mhz + ((mhz - band.low_mhz + whole_steps) % span + span) % span;
  // The fraction wraps within its megahertz, as the simulator's inner knob does.
  fraction = ((fraction + fraction_steps * band.step_khz) % 1000 + 1000) % 1000;
  s.set(token, radio_bcd(mhz * 1000 + fraction));
}

void swap(Simulator& s, uint32_t a, uint32_t b) {
  const double av = s.get(a);
  s.set(a, s.get(b));
  s.set(b, av);
}

void set_flap_handle(Simulator& s, double handle) { s.set(0x148, std::clamp(handle, 0.0, kFlapFull)); }

void flap_step(Simulator& s, int direction) {
  const double step = kFlapFull / s.flap_steps;
  const double index = std::round(s.get(0x148) / step) + direction;
  set_flap_handle(s, std::clamp(index, 0.0, static_cast<double>(s.flap_steps)) * step);
}

void set_baro_hpa(Simulator& s, double hpa) {
  s.set(0x4B, hpa);
  s.set(0x4C, std::round(hpa / kHpaPerInHg * 100.0) / 100.0);
}

void adf_set(Simulator& s, uint32_t value, bool thousand) {
  // The event carries hundreds, tens, units and tenths; the thousands digit
  // comes from which of the two events was sent.
  const uint32_t hundreds = (value >> 12) & 0xF;
  const uint32_t tens = (value >> 8) & 0xF;
  const uint32_t units = (value >> 4) & 0xF;
  const uint32_t tenths = value & 0xF;
  s.set(0x10, (hundreds << 8) | (tens << 4) | units);
  s.set(0x12, ((thousand ? 1U : 0U) << 8) | tenths);
}

void master(Simulator& s, uint32_t token, double on) { s.set(token, on); }

void thrust(Simulator& s, double delta) {
  s.set(0x22E, std::clamp(s.get(0x22E) + delta, 0.0, 1.0));
  s.set(0x238, std::clamp(s.get(0x238) + delta, 0.0, 1.0));
}

void roll_toward_level(Simulator& s, double degrees) {
  double bank = s.get(0x4F);
  if (bank > 0 && bank < 180) {
    bank = std::max(0.0, bank - degrees);
  } else if (bank > 180) {
    bank = std::min(360.0, bank + degrees);
  }
  s.set(0x4F, wrap360(bank));
  s.set(0x50, bank > 180 ? bank - 360 : bank);
}

const std::vector<EventSpec> kEvents = {
    {0x10018, "STROBES_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0xB); }},
    {0x10022, "GEAR_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x14B); }},
    {0x1002C, "AP_MASTER", [](Simulator& s, uint32_t) { toggle(s, 0x67); }},
    // The flap sequencer's commands: retract, and the first three detents.
    {0x1003B, "FLAPS_UP", [](Simulator& s, uint32_t) { set_flap_handle(s, 0); }},
    {0x1003C, "ELEV_DOWN", [](Simulator& s, uint32_t) { s.set(0x4E, s.get(0x4E) - 0.5); }},
    {0x1003D, "FLAPS_1", [](Simulator& s, uint32_t) { set_flap_handle(s, kFlapFull / s.flap_steps); }},
    {0x1003F, "FLAPS_2", [](Simulator& s, uint32_t) { set_flap_handle(s, 2 * kFlapFull / s.flap_steps); }},
    {0x10041, "FLAPS_3", [](Simulator& s, uint32_t) { set_flap_handle(s, 3 * kFlapFull / s.flap_steps); }},
    {0x10047, "THROTTLE_INCR", [](Simulator& s, uint32_t) { thrust(s, 0.05); }},
    {0x10064, "COM_RADIO_WHOLE_DEC", [](Simulator& s, uint32_t) { tune(s, 0x269, kCom, -1, 0); }},
    {0x10065, "COM_RADIO_WHOLE_INC", [](Simulator& s, uint32_t) { tune(s, 0x269, kCom, 1, 0); }},
    {0x10066, "COM_RADIO_FRACT_DEC", [](Simulator& s, uint32_t) { tune(s, 0x269, kCom, 0, -1); }},
    {0x10067, "COM_RADIO_FRACT_INC", [](Simulator& s, uint32_t) { tune(s, 0x269, kCom, 0, 1); }},
    {0x10068, "NAV1_RADIO_WHOLE_DEC", [](Simulator& s, uint32_t) { tune(s, 0x368, kNav, -1, 0); }},
    {0x10069, "NAV1_RADIO_WHOLE_INC", [](Simulator& s, uint32_t) { tune(s, 0x368, kNav, 1, 0); }},
    {0x1006A, "NAV1_RADIO_FRACT_DEC", [](Simulator& s, uint32_t) { tune(s, 0x368, kNav, 0, -1); }},
    {0x1006B, "NAV1_RADIO_FRACT_INC", [](Simulator& s, uint32_t) { tune(s, 0x368, kNav, 0, 1); }},
    {0x1006C, "NAV2_RADIO_WHOLE_DEC", [](Simulator& s, uint32_t) { tune(s, 0x369, kNav, -1, 0); }},
    {0x1006D, "NAV2_RADIO_WHOLE_INC", [](Simulator& s, uint32_t) { tune(s, 0x369, kNav, 1, 0); }},
    {0x1006E, "NAV2_RADIO_FRACT_DEC", [](Simulator& s, uint32_t) { tune(s, 0x369, kNav, 0, -1); }},
    {0x1006F, "NAV2_RADIO_FRACT_INC", [](Simulator& s, uint32_t) { tune(s, 0x369, kNav, 0, 1); }},
    {0x10079, "CLOCK_MINUTES_DEC", [](Simulator& s, uint32_t) { s.set(0x25C, s.get(0x25C) - 60); }},
    {0x1007A, "CLOCK_MINUTES_INC", [](Simulator& s, uint32_t) { s.set(0x25C, s.get(0x25C) + 60); }},
    {0x1007E, "VOR1_OBI_DEC", [](Simulator& s, uint32_t) { s.course = wrap360(s.course - 1); }},
    {0x1007F, "VOR1_OBI_INC", [](Simulator& s, uint32_t) { s.course = wrap360(s.course + 1); }},
    {0x10095, "AILERONS_LEFT", [](Simulator& s, uint32_t) { roll_toward_level(s, 1.0); }},
    {0x10096, "CENTER_AILER_RUDDER", [](Simulator& s, uint32_t) { s.set(0x310, 0); }},
    {0x10097, "AILERONS_RIGHT", [](Simulator& s, uint32_t) { roll_toward_level(s, 1.0); }},
    {0x100B3, "XPNDR_SET", [](Simulator& s, uint32_t v) { s.set(0x26, v & 0xFFFF); }},
    {0x100BB, "AP_LOC_HOLD", [](Simulator& s, uint32_t) { toggle(s, 0x70); }},
    {0x100BC, "AP_APR_HOLD",
     [](Simulator& s, uint32_t) {
       const double on = toggled(s.get(0x6F));
       s.set(0x6F, on);
       s.set(0x70, on);
     }},
    {0x100BE, "AP_VS_HOLD", [](Simulator& s, uint32_t) { s.set(0x6C, 0); }},
    {0x100BF, "AP_WING_LEVELER", [](Simulator& s, uint32_t) { toggle(s, 0x68); }},
    {0x100C1, "AP_BC_HOLD", [](Simulator& s, uint32_t) { toggle(s, 0x69); }},
    {0x100D6, "PANEL_LIGHTS_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0xA); }},
    {0x100D7, "LANDING_LIGHTS_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0xE); }},
    {0x100D8, "PARKING_BRAKES", [](Simulator& s, uint32_t) { s.set(0x143, s.get(0x143) != 0 ? 0 : 32767); }},
    {0x100DE, "FLAPS_INCR", [](Simulator& s, uint32_t) { flap_step(s, 1); }},
    {0x100DF, "FLAPS_DECR", [](Simulator& s, uint32_t) { flap_step(s, -1); }},
    {0x100FA, "SPOILERS_SET", [](Simulator& s, uint32_t v) { s.set(0x145, std::min<double>(v, 16383)); }},
    {0x100FD, "CLOCK_QUANTITY_INC", [](Simulator& s, uint32_t) { s.set(0x150, s.get(0x150) + 1); }},
    {0x100FE, "CLOCK_QUANTITY_DEC", [](Simulator& s, uint32_t) { s.set(0x150, s.get(0x150) - 1); }},
    {0x10106, "AP_HDG_HOLD", [](Simulator& s, uint32_t) { toggle(s, 0x6A); }},
    {0x10107, "AP_ALT_HOLD", [](Simulator& s, uint32_t) { toggle(s, 0x6C); }},
    {0x10113, "AP_NAV1_HOLD", [](Simulator& s, uint32_t) { toggle(s, 0x69); }},
    {0x10128, "AUDIO_VOICE_1", [](Simulator&, uint32_t) {}},
    {0x10129, "AUDIO_VOICE_2", [](Simulator&, uint32_t) {}},
    {0x1012C, "AUDIO_VOICE_3", [](Simulator&, uint32_t) {}},
    {0x10132, "RADIO_VOR1_IDENT_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x36D); }},
    {0x10133, "RADIO_VOR2_IDENT_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x36E); }},
    {0x10136, "RADIO_ADF_IDENT_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x370); }},
    {0x10137, "RADIO_VOR1_IDENT_SET", [](Simulator& s, uint32_t v) { s.set(0x36D, v != 0 ? 1 : 0); }},
    {0x10138, "RADIO_VOR2_IDENT_SET", [](Simulator& s, uint32_t v) { s.set(0x36E, v != 0 ? 1 : 0); }},
    {0x1013B, "RADIO_ADF_IDENT_SET", [](Simulator& s, uint32_t v) { s.set(0x370, v != 0 ? 1 : 0); }},
    {0x10142, "PITOT_HEAT_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0xD); }},
    {0x10144, "AUTO_THROTTLE_ARM", [](Simulator& s, uint32_t) { toggle(s, 0x7B); }},
    {0x10157, "HEADING_BUG_INC", [](Simulator& s, uint32_t) { s.set(0x6B, wrap360(s.get(0x6B) + 1)); }},
    {0x10158, "HEADING_BUG_DEC", [](Simulator& s, uint32_t) { s.set(0x6B, wrap360(s.get(0x6B) - 1)); }},
    {0x1015B, "KOHLSMAN_INC", [](Simulator& s, uint32_t) { set_baro_hpa(s, s.get(0x4B) + 1.0); }},
    {0x1015C, "KOHLSMAN_DEC", [](Simulator& s, uint32_t) { set_baro_hpa(s, s.get(0x4B) - 1.0); }},
    {0x1015F, "CROSSFEED_OFF", [](Simulator& s, uint32_t) { s.set(0x134, 0); }},
    {0x10160, "CROSSFEED_LEFT", [](Simulator& s, uint32_t) { s.set(0x134, 1); }},
    {0x10161, "CROSSFEED_RIGHT", [](Simulator& s, uint32_t) { s.set(0x134, 2); }},
    {0x10163, "AP_SPD_VAR_SYNC", [](Simulator& s, uint32_t) { s.set(0x74, std::round(s.get(0x3D))); }},
    {0x10166, "AP_VS_VAR_INC", [](Simulator& s, uint32_t) { s.set(0x78, s.get(0x78) + 100); }},
    {0x10167, "AP_VS_VAR_DEC", [](Simulator& s, uint32_t) { s.set(0x78, s.get(0x78) - 100); }},
    {0x10168, "AP_SPD_VAR_INC", [](Simulator& s, uint32_t) { s.set(0x74, s.get(0x74) + 1); }},
    {0x10169, "AP_SPD_VAR_DEC", [](Simulator& s, uint32_t) { s.set(0x74, std::max(0.0, s.get(0x74) - 1)); }},
    {0x1017B, "AP_MACH_VAR_SYNC", [](Simulator& s, uint32_t) { s.set(0x76, s.get(0x40) / 65536.0 * 3.2); }},
    {0x1017C, "AP_MACH_VAR_INC", [](Simulator& s, uint32_t) { s.set(0x76, s.get(0x76) + 0.01); }},
    {0x1017D, "AP_MACH_VAR_DEC", [](Simulator& s, uint32_t) { s.set(0x76, std::max(0.0, s.get(0x76) - 0.01)); }},
    {0x10187, "ENGINE_AUTO_START_HANDOVER", [](Simulator&, uint32_t) {}},
    {0x101AA, "FUEL_SELECTOR_SET", [](Simulator& s, uint32_t v) { s.set(0x133, v); }},
    {0x101BF, "ENGINE1_MASTER_ON", [](Simulator& s, uint32_t) { master(s, 0x230, 1); }},
    {0x101C3, "ENGINE1_MASTER_OFF", [](Simulator& s, uint32_t) { master(s, 0x230, 0); }},
    {0x101C4, "ENGINE2_MASTER_ON", [](Simulator& s, uint32_t) { master(s, 0x23A, 1); }},
    {0x101C8, "ENGINE2_MASTER_OFF", [](Simulator& s, uint32_t) { master(s, 0x23A, 0); }},
    {0x101F8, "KOHLSMAN_SET", [](Simulator& s, uint32_t v) { set_baro_hpa(s, v / 16.0); }},
    {0x10210, "SPOILERS_ON", [](Simulator& s, uint32_t) { s.set(0x145, 16383); }},
    {0x10212, "SPOILERS_ARM_ON", [](Simulator& s, uint32_t) { s.set(0x144, 1); }},
    {0x10213, "SPOILERS_ARM_OFF", [](Simulator& s, uint32_t) { s.set(0x144, 0); }},
    {0x1024A, "ADF_COMPLETE_SET", [](Simulator& s, uint32_t v) { adf_set(s, v, false); }},
    {0x1024B, "ADF_HIGHRANGE_SET", [](Simulator& s, uint32_t v) { adf_set(s, v, true); }},
    {0x1024C, "AP_ALT_VAR_SET", [](Simulator& s, uint32_t v) { s.set(0x6D, static_cast<int32_t>(v)); }},
    {0x102BF, "BEACON_LIGHTS_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x170); }},
    {0x102C0, "TAXI_LIGHTS_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x171); }},
    {0x102C1, "MASTER_BATTERY_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x16C); }},
    {0x102E6, "RUDDER_TRIM_LEFT", [](Simulator& s, uint32_t) { s.set(0x313, s.get(0x313) - 0.001); }},
    {0x102E7, "RUDDER_TRIM_RIGHT", [](Simulator& s, uint32_t) { s.set(0x313, s.get(0x313) + 0.001); }},
    {0x102F5, "RADIO_PANEL_POWER_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x2E4); }},
    {0x102FA, "AUTOBRAKE_INCR", [](Simulator& s, uint32_t) { s.set(0x2E7, std::min(5.0, s.get(0x2E7) + 1)); }},
    {0x102FB, "AUTOBRAKE_DECR", [](Simulator& s, uint32_t) { s.set(0x2E7, std::max(0.0, s.get(0x2E7) - 1)); }},
    {0x102FC, "ENGINE1_STARTER_HELD", [](Simulator& s, uint32_t) { s.starter_held[0] = true; }},
    {0x102FD, "ENGINE2_STARTER_HELD", [](Simulator& s, uint32_t) { s.starter_held[1] = true; }},
    {0x10321, "WING_ANTI_ICE_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x389); }},
    {0x1033B, "GENERATOR1_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x235); }},
    {0x1033C, "GENERATOR2_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x23F); }},
    {0x10344, "COM1_STBY_SWAP", [](Simulator& s, uint32_t) { swap(s, 0x17, 0x269); }},
    {0x10347, "AP_NAV_SELECT_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x350); }},
    {0x10348, "LOGO_LIGHTS_TOGGLE", [](Simulator& s, uint32_t) { s.logo_lights = !s.logo_lights; }},
    {0x10349, "RUNWAY_TURNOFF_LIGHTS_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x26E); }},
    {0x1034A, "WING_LIGHTS_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x26D); }},
    {0x1034B, "NAV_LIGHTS_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x26B); }},
    {0x10384, "COM2_RADIO_WHOLE_DEC", [](Simulator& s, uint32_t) { tune(s, 0x367, kCom, -1, 0); }},
    {0x10385, "COM2_RADIO_WHOLE_INC", [](Simulator& s, uint32_t) { tune(s, 0x367, kCom, 1, 0); }},
    {0x10386, "COM2_RADIO_FRACT_DEC", [](Simulator& s, uint32_t) { tune(s, 0x367, kCom, 0, -1); }},
    {0x10388, "COM2_RADIO_FRACT_INC", [](Simulator& s, uint32_t) { tune(s, 0x367, kCom, 0, 1); }},
    {0x1038C, "COM2_STBY_SWAP", [](Simulator& s, uint32_t) { swap(s, 0x366, 0x367); }},
    {0x10390, "NAV1_STBY_SWAP", [](Simulator& s, uint32_t) { swap(s, 0x18, 0x368); }},
    {0x10394, "NAV2_STBY_SWAP", [](Simulator& s, uint32_t) { swap(s, 0x1B, 0x369); }},
    {0x1039F, "COM1_TRANSMIT_SELECT",
     [](Simulator& s, uint32_t) {
       s.set(0x36A, 1);
       s.set(0x36B, 0);
     }},
    {0x103A0, "COM2_TRANSMIT_SELECT",
     [](Simulator& s, uint32_t) {
       s.set(0x36A, 0);
       s.set(0x36B, 1);
     }},
    {0x103A2, "COM_RECEIVE_ALL_SET", [](Simulator& s, uint32_t v) { s.set(0x36C, v != 0 ? 1 : 0); }},
    {0x103AD, "MARKER_SOUND_TOGGLE", [](Simulator& s, uint32_t) { toggle(s, 0x371); }},
    {0x103AE, "AUDIO_PANEL_RESET", [](Simulator&, uint32_t) {}},
    {0x103B4, "ANTI_ICE_TOGGLE_ENG1", [](Simulator& s, uint32_t) { toggle(s, 0x373); }},
    {0x103B5, "ANTI_ICE_TOGGLE_ENG2", [](Simulator& s, uint32_t) { toggle(s, 0x374); }},
};

}  // namespace

uint32_t to_bcd(uint32_t decimal) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32 && decimal != 0; shift += 4) {
    out |= (decimal % 10) << shift;
    decimal /= 10;
  }
  return out;
}

uint32_t from_bcd(uint32_t bcd) {
  uint32_t out = 0;
  uint32_t scale = 1;
  for (int shift = 0; shift < 32; shift += 4) {
    out += std::min<uint32_t>((bcd >> shift) & 0xF, 9) * scale;
    scale *= 10;
  }
  return out;
}

const std::vector<TokenSpec>& token_table() { return kTokens; }

namespace {

// "0x4A" and the like; nothing else.
std::optional<uint32_t> parse_hex(std::string_view name) {
  if (name.size() > 2 && name[0] == '0' && (name[1] == 'x' || name[1] == 'X')) {
    uint32_t value = 0;
    const auto* end = name.data() + name.size();
    const auto result = std::from_chars(name.data() + 2, end, value, 16);
    if (result.ec == std::errc() && result.ptr == end) {
      return value;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<uint32_t> parse_token(std::string_view name) {
  if (const TokenSpec* spec = find_token(name)) {
    return spec->token;
  }
  return parse_hex(name);
}

const TokenSpec* find_token(std::string_view name) {
  const std::optional<uint32_t> number = parse_hex(name);
  for (const TokenSpec& spec : kTokens) {
    if (name == spec.name || (number && spec.token == *number)) {
      return &spec;
    }
  }
  return nullptr;
}

const std::vector<EventSpec>& event_table() { return kEvents; }

const EventSpec* find_event(uint32_t id) {
  for (const EventSpec& spec : kEvents) {
    if (spec.id == id) {
      return &spec;
    }
  }
  return nullptr;
}

Simulator::Simulator(testhost::TestHost& host) : host_(host) {
  cold_and_dark();
  host_.on_event = [this](testhost::TestHost&, const testhost::KeyEvent& e) { apply(e.id, e.value); };
}

void Simulator::cold_and_dark() {
  for (const TokenSpec& spec : kTokens) {
    if (spec.token != 0x35D) {
      host_.set_var(spec.token, spec.cold_dark);
    }
  }
  fsuipc = FsuipcValues{};
  fsuipc.zfw_lb_x256 = static_cast<int32_t>(135000.0 * 256.0 / 4.0);
  publish_fsuipc();
}

void Simulator::apply(uint32_t id, uint32_t value) {
  if (const EventSpec* spec = find_event(id)) {
    spec->apply(*this, value);
  } else {
    ++unknown_events[id];
  }
}

void Simulator::publish_fsuipc() {
  auto& server = testhost::platform().fsuipc;
  server.poke(0x332E, &fsuipc.throttle_axis, 2);
  server.poke(0x332A, &fsuipc.roll_axis, 2);
  server.poke(0x3BFC, &fsuipc.zfw_lb_x256, 4);
  server.poke(0x31F0, &fsuipc.pushback_state, 4);
}

void Simulator::move_gear(double seconds) {
  const double target = get(0x14B) != 0.0 || get(0x3C) != 0.0 ? kGearDown : 0.0;
  const double travel = kGearDown / kGearTravelSeconds * seconds;
  for (uint32_t token : {0x14CU, 0x14DU, 0x14EU}) {
    const double now = get(token);
    set(token, now < target ? std::min(target, now + travel) : std::max(target, now - travel));
  }
}

void Simulator::move_flaps(double seconds) {
  const double target = get(0x148);
  const double now = get(0x149);
  const double travel = kFlapFull / kFlapTravelSeconds * seconds;
  set(0x149, now < target ? std::min(target, now + travel) : std::max(target, now - travel));
  // The spoiler surfaces follow their handle at once.
  const double spoiler = std::round(get(0x145) * 16384.0 / 16383.0);
  set(0x146, spoiler);
  set(0x147, spoiler);
}

void Simulator::run_engine(int index, double seconds) {
  const uint32_t n1 = index == 0 ? 0x270 : 0x283;
  const uint32_t n2 = index == 0 ? 0x271 : 0x284;
  const uint32_t master_token = index == 0 ? 0x230 : 0x23A;
  const uint32_t lever = index == 0 ? 0x22E : 0x238;
  const uint32_t egt = index == 0 ? 0x237 : 0x241;
  const uint32_t flow = index == 0 ? 0x27E : 0x291;
  const uint32_t oil = index == 0 ? 0x232 : 0x23C;
  const uint32_t combustion = index == 0 ? 0x281 : 0x294;
  const bool lit = get(combustion) != 0.0;
  const bool fuel = get(master_token) != 0.0;
  double n2v = get(n2);
  double n1v = get(n1);
  if (starter_held[index]) {
    starter_seconds[index] += seconds;
  }
  if (!lit) {
    // The starter winds N2 up to its light-off speed; fuel and ignition then light it.
    if (starter_held[index]) {
      n2v = std::min(25.0, n2v + 1.5 * seconds);
    } else {
      n2v = std::max(0.0, n2v - 2.0 * seconds);
    }
    n1v = std::max(0.0, std::min(n1v + 0.4 * seconds, n2v * 0.2));
    if (fuel && n2v >= 20.0) {
      set(combustion, 1);
    }
  } else if (!fuel) {
    set(combustion, 0);
  } else {
    const double lever_value = std::clamp(get(lever), 0.0, 1.0);
    const double n2_target = 58.0 + 42.0 * lever_value;
    const double n1_target = 19.5 + 80.5 * lever_value;
    n2v += std::clamp(n2_target - n2v, -3.0 * seconds, 2.0 * seconds);
    n1v += std::clamp(n1_target - n1v, -4.0 * seconds, 1.5 * seconds);
  }
  if (get(combustion) == 0.0 && !starter_held[index]) {
    n1v = std::max(0.0, n1v - 2.0 * seconds);
  }
  set(n2, n2v);
  set(n1, n1v);
  const bool running = get(combustion) != 0.0;
  set(egt, running ? 390.0 + 5.5 * std::max(0.0, n1v - 19.5) : std::max(15.0, get(egt) - 20.0 * seconds));
  set(flow, running ? 700.0 + 95.0 * std::max(0.0, n1v - 19.5) : 0.0);
  set(oil, std::min(40000.0, n2v / 60.0 * 24000.0));
  starter_held[index] = false;  // held only while the panel keeps sending it
}

void Simulator::advance(double seconds) {
  if (!(seconds > 0.0)) {
    return;
  }
  const double clock = get(0x25C) + seconds;
  set(0x25C, clock);
  const double day_seconds = std::fmod(clock, 86400.0);
  set(0x3, std::floor(day_seconds / 3600.0));
  set(0x4, std::floor(std::fmod(day_seconds, 3600.0) / 60.0));
  move_gear(seconds);
  move_flaps(seconds);
  run_engine(0, seconds);
  run_engine(1, seconds);
  if (flight_model) {
    move_aircraft(seconds);
  }

  // Fuel burns at the engines' flow, from the wing tanks.
  const double gallons = (get(0x27E) + get(0x291)) / 6.7 / 3600.0 * seconds;
  set(0x12F, std::max(0.0, get(0x12F) - gallons / 2));
  set(0x131, std::max(0.0, get(0x131) - gallons / 2));

  // Electrics: the battery master feeds the buses, the generators lift them to 28 V.
  const bool battery = get(0x16C) != 0.0;
  const bool gen1 = get(0x235) != 0.0 && get(0x281) != 0.0;
  const bool gen2 = get(0x23F) != 0.0 && get(0x294) != 0.0;
  const double bus = gen1 || gen2 ? 28.0 : battery ? 25.5 : 0.0;
  set(0x2F1, bus);
  set(0x2F3, bus);
  set(0x2F7, battery ? bus : 0.0);
  set(0x2F9, gen1 ? 28.0 : 0.0);
  set(0x2FB, gen2 ? 28.0 : 0.0);
  set(0x2F2, battery ? (gen1 || gen2 ? 60.0 : 20.0) : 0.0);
  set(0x2EF, battery && !(gen1 || gen2) ? -20.0 : 5.0);

  // Hydraulics follow the engine-driven pumps.
  set(0x2DC, get(0x281) != 0.0 ? 3000.0 : std::max(0.0, get(0x2DC) - 500 * seconds));
  set(0x2DE, get(0x294) != 0.0 || get(0x281) != 0.0 ? 3000.0 : std::max(0.0, get(0x2DE) - 500 * seconds));

  // Airspeed in its other units; the forward speed component in feet per
  // second follows the ground speed (no wind, no sideslip).
  set(0x3F, get(0x3D) * 128.0);
  set(0x227, get(0x340) * 3.280839895);
  publish_fsuipc();
}

}  // namespace corvane::refhost
