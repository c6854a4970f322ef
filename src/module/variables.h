// The module-wide table of simulator variable records, shared by every gauge
// that names the same token. Two tokens have two records whose users are kept
// apart: 0x4A and 0x227.
#pragma once

#include <cstdint>

#include "module/records.h"

namespace corvane {

enum SimVar : uint8_t {
  SV_3C,
  SV_340,
  SV_227_ECAM,  // "E/WD" and "SD"
  SV_227_PFD,
  SV_2,
  SV_3D,
  SV_266,
  SV_144,
  SV_145,
  SV_146,
  SV_147,
  SV_226,
  SV_3B,
  SV_2D,
  SV_27,
  SV_130,
  SV_12F,
  SV_131,
  SV_143,
  SV_270,
  SV_283,
  SV_271,
  SV_284,
  SV_230,
  SV_23A,
  SV_15D,
  SV_43,
  SV_44,
  SV_2E7,
  SV_140,
  SV_4B,
  SV_4C,
  SV_4A_PANEL,  // "Autopilot2" and "Baro"
  SV_4A,        // "E/WD", "PFD", "SD" and "Stdby Altimeter"
  SV_49,
  SV_7B,
  SV_6C,
  SV_6D,
  SV_73,
  SV_74,
  SV_75,
  SV_150,
  SV_17,
  SV_366,
  SV_269,
  SV_367,
  SV_10,
  SV_12,
  SV_18,
  SV_1B,
  SV_368,
  SV_369,
  SV_22E,
  SV_238,
  SV_149,
  SV_148,
  SV_30F,
  SV_350,
  SV_6A,
  SV_6B,
  SV_E,
  SV_41,
  SV_14C,
  SV_14D,
  SV_14E,
  SV_313,
  SV_16C,
  SV_36A,
  SV_36B,
  SV_36C,
  SV_4F,
  SV_364,
  SV_133,
  SV_134,
  SV_117,
  SV_120,
  SV_17D,
  SV_338,
  SV_310,
  SV_377,
  SV_378,
  SV_25C,
  SV_4E,
  SV_228,
  SV_35A,
  SV_354,
  SV_353,
  SV_365,
  SV_362,
  SIM_VAR_COUNT
};

extern VariableRecord sim_vars[SIM_VAR_COUNT];

// The value field as the host left it.
double record_double(const VariableRecord& record);
int32_t record_int(const VariableRecord& record);

// Read what the last refresh left, for the few reads that rely on an earlier one.
double sim_value(SimVar var);
int32_t sim_value_int(SimVar var);

}  // namespace corvane
