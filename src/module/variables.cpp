#include "module/variables.h"

#include <cstring>

namespace corvane {

namespace {
constexpr VariableRecord rec(uint32_t token) { return VariableRecord{token, nullptr, 0, {}, {}}; }
}  // namespace

VariableRecord sim_vars[SIM_VAR_COUNT] = {
    rec(0x3C),  rec(0x340), rec(0x227), rec(0x227), rec(0x2),   rec(0x3D),  rec(0x266), rec(0x144), rec(0x145),
    rec(0x146), rec(0x147), rec(0x226), rec(0x3B),  rec(0x2D),  rec(0x27),  rec(0x130), rec(0x12F), rec(0x131),
    rec(0x143), rec(0x270), rec(0x283), rec(0x271), rec(0x284), rec(0x230), rec(0x23A), rec(0x15D), rec(0x43),
    rec(0x44),  rec(0x2E7), rec(0x140), rec(0x4B),  rec(0x4C),  rec(0x4A),  rec(0x4A),  rec(0x49),  rec(0x7B),
    rec(0x6C),  rec(0x6D),  rec(0x73),  rec(0x74),  rec(0x75),  rec(0x150), rec(0x17),  rec(0x366), rec(0x269),
    rec(0x367), rec(0x10),  rec(0x12),  rec(0x18),  rec(0x1B),  rec(0x368), rec(0x369), rec(0x22E), rec(0x238),
    rec(0x149), rec(0x148), rec(0x30F), rec(0x350), rec(0x6A),  rec(0x6B),  rec(0xE),   rec(0x41),  rec(0x14C),
    rec(0x14D), rec(0x14E), rec(0x313), rec(0x16C), rec(0x36A), rec(0x36B), rec(0x36C), rec(0x4F),  rec(0x364),
    rec(0x133), rec(0x134), rec(0x117), rec(0x120), rec(0x17D), rec(0x338), rec(0x310), rec(0x377), rec(0x378),
    rec(0x25C), rec(0x4E),  rec(0x228), rec(0x35A), rec(0x354), rec(0x353), rec(0x365), rec(0x362),
};

double record_double(const VariableRecord& record) {
  double value = 0.0;
  std::memcpy(&value, record.value, sizeof value);
  return value;
}

int32_t record_int(const VariableRecord& record) {
  int32_t value = 0;
  std::memcpy(&value, record.value, sizeof value);
  return value;
}

double sim_value(SimVar var) { return record_double(sim_vars[var]); }
int32_t sim_value_int(SimVar var) { return record_int(sim_vars[var]); }

}  // namespace corvane
