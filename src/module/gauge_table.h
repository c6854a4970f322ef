// Every gauge header, in the order the host finds them in Linkage.
#pragma once

#include "module/records.h"

namespace corvane {

extern GaugeHeader gauge_baro;
extern GaugeHeader gauge_autopilot2;
extern GaugeHeader gauge_fcu;
extern GaugeHeader gauge_fd;
extern GaugeHeader gauge_airspeed;
extern GaugeHeader gauge_stdby_altimeter;
extern GaugeHeader gauge_lights;
extern GaugeHeader gauge_landing_gear;
extern GaugeHeader gauge_gear_lever;
extern GaugeHeader gauge_parking_brake;
extern GaugeHeader gauge_spoilers;
extern GaugeHeader gauge_radio;
extern GaugeHeader gauge_xpndr;
extern GaugeHeader gauge_audio;
extern GaugeHeader gauge_clock;
extern GaugeHeader gauge_ddrmi;
extern GaugeHeader gauge_ewd;
extern GaugeHeader gauge_flaps;
extern GaugeHeader gauge_warnings;
extern GaugeHeader gauge_rudder_trim;
extern GaugeHeader gauge_page_keys;
extern GaugeHeader gauge_engine_starters;
extern GaugeHeader gauge_standby_attitude;
extern GaugeHeader gauge_sd;
extern GaugeHeader gauge_throttle;
extern GaugeHeader gauge_sd_bottom;
extern GaugeHeader gauge_alpha_floor;
extern GaugeHeader gauge_heat;
extern GaugeHeader gauge_ac_elec;
extern GaugeHeader gauge_fuel_hyd;
extern GaugeHeader gauge_fire;
extern GaugeHeader gauge_adirs;
extern GaugeHeader gauge_pfd;

}  // namespace corvane
