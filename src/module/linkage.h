// The two records the host reads when it loads the module.
#pragma once

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

// A gauge header with the shared routines in place.
#define CORVANE_GAUGE_HEADER(name_text, elements_list, width, areas, gauge_callback)                            \
  corvane::GaugeHeader {                                                                                        \
    corvane::kHeaderVersion, name_text, elements_list, corvane::gauge_routine_3, corvane::gauge_routine_4,      \
        corvane::gauge_routine_5, corvane::gauge_routine_6, corvane::gauge_routine_7, corvane::gauge_routine_8, \
        corvane::gauge_routine_9, 0, width, {}, areas, gauge_callback, 0, nullptr, {}                           \
  }
