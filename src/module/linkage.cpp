#include "module/linkage.h"

#include "module/gauge_table.h"

extern "C" {
CORVANE_EXPORT corvane::ImportTableRecord ImportTable = {{{0x0F, nullptr}, {0, nullptr}}};
}

namespace corvane {
namespace {

void CORVANE_CALL module_init() {}
void CORVANE_CALL module_deinit() {}

Element* baro_root() {
  GaugeHeader* first = Linkage.gauges[0];
  return first->elements[0];
}

}  // namespace

uint32_t CORVANE_CALL gauge_routine_3() {
  HostServices* s = ImportTable.entries[0].services;
  return (s != nullptr && s->slot24 != nullptr) ? s->slot24(baro_root()) : 0;
}
uint32_t CORVANE_CALL gauge_routine_4(uint32_t argument) {
  HostServices* s = ImportTable.entries[0].services;
  return (s != nullptr && s->slot25 != nullptr) ? s->slot25(baro_root(), argument) : 0;
}
uint32_t CORVANE_CALL gauge_routine_5() {
  HostServices* s = ImportTable.entries[0].services;
  return (s != nullptr && s->slot26 != nullptr) ? s->slot26(baro_root()) : 0;
}
uint32_t CORVANE_CALL gauge_routine_6() {
  HostServices* s = ImportTable.entries[0].services;
  return (s != nullptr && s->slot27 != nullptr) ? s->slot27(baro_root()) : 0;
}
uint32_t CORVANE_CALL gauge_routine_7(uint32_t argument) {
  HostServices* s = ImportTable.entries[0].services;
  return (s != nullptr && s->slot28 != nullptr) ? s->slot28(baro_root(), argument) : 0;
}
uint32_t CORVANE_CALL gauge_routine_8() {
  HostServices* s = ImportTable.entries[0].services;
  return (s != nullptr && s->slot29 != nullptr) ? s->slot29(baro_root()) : 0;
}
uint32_t CORVANE_CALL gauge_routine_9() {
  HostServices* s = ImportTable.entries[0].services;
  return (s != nullptr && s->slot31 != nullptr) ? s->slot31(baro_root()) : 0;
}

}  // namespace corvane

extern "C" {
CORVANE_EXPORT corvane::LinkageRecord Linkage = {
    0x13,
    corvane::entry<corvane::module_init>.fn(),
    corvane::entry<corvane::module_deinit>.fn(),
    0,
    0,
    0x0800,
    {
        &corvane::gauge_baro,
        &corvane::gauge_autopilot2,
        &corvane::gauge_fcu,
        &corvane::gauge_fd,
        &corvane::gauge_airspeed,
        &corvane::gauge_stdby_altimeter,
        &corvane::gauge_lights,
        &corvane::gauge_landing_gear,
        &corvane::gauge_gear_lever,
        &corvane::gauge_parking_brake,
        &corvane::gauge_spoilers,
        &corvane::gauge_radio,
        &corvane::gauge_xpndr,
        &corvane::gauge_audio,
        &corvane::gauge_clock,
        &corvane::gauge_ddrmi,
        &corvane::gauge_ewd,
        &corvane::gauge_flaps,
        &corvane::gauge_warnings,
        &corvane::gauge_rudder_trim,
        &corvane::gauge_page_keys,
        &corvane::gauge_engine_starters,
        &corvane::gauge_standby_attitude,
        &corvane::gauge_sd,
        &corvane::gauge_throttle,
        &corvane::gauge_sd_bottom,
        &corvane::gauge_alpha_floor,
        &corvane::gauge_heat,
        &corvane::gauge_ac_elec,
        &corvane::gauge_fuel_hyd,
        &corvane::gauge_fire,
        &corvane::gauge_adirs,
        &corvane::gauge_pfd,
        nullptr,
    },
};
}
