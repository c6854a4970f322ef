// The two records the host reads when it loads the module.
#pragma once

#include "module/entry.h"
#include "module/records.h"

extern "C" {
CORVANE_EXPORT extern corvane::ImportTableRecord ImportTable;
CORVANE_EXPORT extern corvane::LinkageRecord Linkage;
}

namespace corvane {

// The seven routines every header shares; they act on Baro's root element.
uint32_t CORVANE_CALL gauge_routine_3();
uint32_t CORVANE_CALL gauge_routine_4(uint32_t argument);
uint32_t CORVANE_CALL gauge_routine_5();
uint32_t CORVANE_CALL gauge_routine_6();
uint32_t CORVANE_CALL gauge_routine_7(uint32_t argument);
uint32_t CORVANE_CALL gauge_routine_8();
uint32_t CORVANE_CALL gauge_routine_9();

}  // namespace corvane

// A gauge header with the shared routines in place, every routine and the
// gauge's callback behind its entry guard.
#define CORVANE_GAUGE_HEADER(name_text, elements_list, width, areas, gauge_callback)                                \
  corvane::GaugeHeader {                                                                                            \
    corvane::kHeaderVersion, name_text, elements_list, corvane::entry<corvane::gauge_routine_3>.fn(),               \
        corvane::entry<corvane::gauge_routine_4>.fn(), corvane::entry<corvane::gauge_routine_5>.fn(),               \
        corvane::entry<corvane::gauge_routine_6>.fn(), corvane::entry<corvane::gauge_routine_7>.fn(),               \
        corvane::entry<corvane::gauge_routine_8>.fn(), corvane::entry<corvane::gauge_routine_9>.fn(), 0, width, {}, \
        areas, corvane::gauge_entry<gauge_callback>, 0, nullptr, {}                                                 \
  }
