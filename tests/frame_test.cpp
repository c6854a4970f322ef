// The binary contract with the host: Linkage, the gauge headers, the element
// records and mouse lists as the host reads them, and the shared routines.
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "module_fixture.h"

namespace corvane::test {
namespace {

[[maybe_unused]] uint32_t u32_at(const void* base, size_t offset) {
  uint32_t value = 0;
  std::memcpy(&value, static_cast<const uint8_t*>(base) + offset, sizeof value);
  return value;
}

[[maybe_unused]] double f64_at(const void* base, size_t offset) {
  double value = 0;
  std::memcpy(&value, static_cast<const uint8_t*>(base) + offset, sizeof value);
  return value;
}

struct GaugeRow {
  const char* name;
  uint32_t width;
  uint32_t help_id;
};

// Linkage order, widths and parent help ids as the host expects them.
const GaugeRow kGauges[] = {
    {"Baro", 92, 0},
    {"Autopilot2", 379, 0},
    {"FCU", 142, 0},
    {"FD", 53, 0xAD90},
    {"Airspeed", 69, 0xAB02},
    {"Stdby Altimeter", 69, 0xAB07},
    {"Lights", 356, 0},
    {"Landing Gear", 71, 0xAB7C},
    {"Gear Lever", 55, 0xAB30},
    {"Parking Brake", 63, 0xAB51},
    {"Spoilers", 89, 0xAB62},
    {"Radio", 222, 0xA127},
    {"XPNDR", 222, 0xA70A},
    {"Audio", 222, 0xA70A},
    {"Clock", 69, 0xAB16},
    {"DDRMI", 99, 0xAB5A},
    {"E/WD", 225, 0xAB1E},
    {"Flaps", 89, 0xAB24},
    {"Warnings", 31, 0},
    {"Rudder Trim", 63, 0xAB78},
    {"Page Keys", 222, 0},
    {"Engine Starters", 158, 0xAB65},
    {"Standby Attitude", 73, 0xAB0D},
    {"SD", 198, 0},
    {"Throttle", 196, 0xAB6E},
    {"SD Bottom", 198, 0},
    {"Alpha-Floor", 10, 0xAB6E},
    {"Heat", 365, 0},
    {"AC Elec", 409, 0},
    {"Fuel Hyd", 443, 0},
    {"Fire", 516, 0},
    {"ADIRS", 264, 0},
    {"PFD", 215, 0},
};

TEST(Linkage, ListsTheThirtyThreeGaugesInTableOrder) {
  EXPECT_EQ(Linkage.module_id, 0x13U);
  EXPECT_EQ(Linkage.version, 0x0800U);
  EXPECT_EQ(Linkage.flags, 0U);
  ASSERT_NE(Linkage.init, nullptr);
  ASSERT_NE(Linkage.deinit, nullptr);
  EXPECT_EQ(ImportTable.entries[0].id, 0x0FU);
  EXPECT_EQ(ImportTable.entries[1].id, 0U);
  EXPECT_EQ(ImportTable.entries[1].services, nullptr);

  size_t i = 0;
  for (; Linkage.gauges[i] != nullptr; ++i) {
    ASSERT_LT(i, std::size(kGauges));
    const GaugeHeader* g = Linkage.gauges[i];
    EXPECT_STREQ(g->name, kGauges[i].name);
    EXPECT_EQ(g->version, 0x320U) << g->name;
    EXPECT_EQ(g->width_mm, kGauges[i].width) << g->name;
    EXPECT_EQ(g->parameters, nullptr) << g->name;
    EXPECT_EQ(g->reserved10, 0U);
    // Exactly one root element in a 0-terminated list.
    ASSERT_NE(g->elements, nullptr) << g->name;
    EXPECT_NE(g->elements[0], nullptr) << g->name;
    EXPECT_EQ(g->elements[1], nullptr) << g->name;
    EXPECT_EQ(g->elements[0]->gauge, g) << g->name;
    // The seven routines are the same in every header.
    EXPECT_EQ(g->routine3, Linkage.gauges[0]->routine3);
    EXPECT_EQ(g->routine9, Linkage.gauges[0]->routine9);
    // Only "SD Bottom" goes without a callback.
    EXPECT_EQ(g->callback == nullptr, std::string(g->name) == "SD Bottom") << g->name;
  }
  EXPECT_EQ(i, 33U);
}

TEST(Linkage, EveryMouseListHasItsParentFirstAndEndsWithAnEndArea) {
  size_t i = 0;
  for (GaugeHeader* const* g = Linkage.gauges; *g != nullptr; ++g, ++i) {
    const MouseArea* area = (*g)->mouse_areas;
    ASSERT_NE(area, nullptr) << (*g)->name;
    EXPECT_EQ(area->kind, kAreaParent) << (*g)->name;
    EXPECT_EQ(area->cursor, 0xFFFFFFFFU);
    EXPECT_EQ(area->width, 0);
    EXPECT_EQ(area->help_id, kGauges[i].help_id) << (*g)->name;
    ++area;
    while (area->kind == kAreaChild) {
      EXPECT_GT(area->width, 0) << (*g)->name;
      EXPECT_TRUE(area->handler != nullptr || area->event_id != 0) << (*g)->name;
      EXPECT_TRUE(area->handler == nullptr || area->event_id == 0) << (*g)->name;
      ++area;
    }
    EXPECT_EQ(area->kind, kAreaEnd) << (*g)->name;
    EXPECT_EQ(area->cursor, 0xFFFFFFFFU);
  }
}

TEST(VariableTable, KeepsTheDoubledTokensApart) {
  EXPECT_EQ(sim_vars[SV_3C].token, 0x3CU);
  EXPECT_EQ(sim_vars[SV_362].token, 0x362U);
  EXPECT_EQ(sim_vars[SV_4A_PANEL].token, 0x4AU);
  EXPECT_EQ(sim_vars[SV_4A].token, 0x4AU);
  EXPECT_EQ(sim_vars[SV_227_ECAM].token, 0x227U);
  EXPECT_EQ(sim_vars[SV_227_PFD].token, 0x227U);
  std::multiset<uint32_t> tokens;
  for (const VariableRecord& r : sim_vars) {
    tokens.insert(r.token);
  }
  EXPECT_EQ(tokens.size(), 89U);
  for (uint32_t token : tokens) {
    EXPECT_EQ(tokens.count(token), (token == 0x4A || token == 0x227) ? 2U : 1U) << std::hex << token;
  }
}

#if CORVANE_RECORDS_32
// Reads the records as raw bytes, the way the host does.
TEST(RecordBytes, LinkageAndHeadersSitAtTheHostsOffsets) {
  const void* linkage = &Linkage;
  EXPECT_EQ(u32_at(linkage, 0), 0x13U);
  EXPECT_EQ(u32_at(linkage, 12), 0U);
  EXPECT_EQ(u32_at(linkage, 20), 0x800U);
  EXPECT_EQ(u32_at(linkage, 24), reinterpret_cast<uintptr_t>(&gauge_baro));
  EXPECT_EQ(u32_at(linkage, 24 + 32 * 4), reinterpret_cast<uintptr_t>(&gauge_pfd));
  EXPECT_EQ(u32_at(linkage, 24 + 33 * 4), 0U);
  EXPECT_EQ(sizeof(ImportTable), 16U);

  const void* header = &gauge_baro;
  EXPECT_EQ(u32_at(header, 0), 0x320U);
  EXPECT_STREQ(reinterpret_cast<const char*>(u32_at(header, 4)), "Baro");
  EXPECT_EQ(u32_at(header, 44), 92U);
  EXPECT_EQ(u32_at(header, 80), reinterpret_cast<uintptr_t>(gauge_baro.mouse_areas));
  EXPECT_EQ(u32_at(header, 84), reinterpret_cast<uintptr_t>(gauge_baro.callback));
  for (size_t field : {10, 12, 13, 19, 22, 23, 24}) {
    EXPECT_EQ(u32_at(header, field * 4), 0U) << field;
  }
}

TEST(RecordBytes, BaroElementsReadAsTheHostExpects) {
  Element* background = gauge_baro.elements[0];
  EXPECT_EQ(u32_at(background, 0), kKindStatic);
  EXPECT_EQ(u32_at(background, 4), 0x1000U);
  EXPECT_EQ(u32_at(background, 48), 0x1U);

  Element* text = background->children[0];
  EXPECT_EQ(u32_at(text, 0), kKindString);
  EXPECT_EQ(u32_at(text, 4), 0xFFFFFFFFU);
  EXPECT_EQ(u32_at(text, 8), 4U);
  EXPECT_EQ(u32_at(text, 12), 5U);
  EXPECT_EQ(u32_at(text, 60), 0x4BU);
  EXPECT_EQ(u32_at(text, 88), 0x4CU);
  EXPECT_EQ(u32_at(text, 116), 0U);
  EXPECT_EQ(u32_at(text, 192), 50U);
  EXPECT_EQ(u32_at(text, 196), 16U);
  EXPECT_EQ(u32_at(text, 208), 0x3287FFU);
  EXPECT_EQ(u32_at(text, 212), 0x14195FU);
  EXPECT_EQ(u32_at(text, 216), 0x5A5A5AU);
  EXPECT_STREQ(reinterpret_cast<const char*>(text) + 248, "Quartz");
  EXPECT_EQ(u32_at(text, 280), 700U);
  EXPECT_EQ(u32_at(text, 284), 1U);
  EXPECT_EQ(u32_at(text, 288), 0x25U);
  EXPECT_EQ(u32_at(text, 292), 5U);
  const auto* failures = reinterpret_cast<const uint32_t*>(u32_at(text, 44));
  EXPECT_EQ(failures[0], 0x14U);
  EXPECT_EQ(failures[1], 3U);
  EXPECT_EQ(failures[2], 0x15U);
  EXPECT_EQ(failures[3], 3U);
  EXPECT_EQ(failures[4], 0U);

  Element* icon = text->children[0];
  EXPECT_EQ(u32_at(icon, 0), kKindIcon);
  EXPECT_EQ(u32_at(icon, 4), 0x1010U);
  EXPECT_EQ(u32_at(icon, 112), 2U);
  EXPECT_NE(u32_at(icon, 132), 0U);

  Element* needle = icon->children[0];
  EXPECT_EQ(u32_at(needle, 0), kKindNeedle);
  EXPECT_EQ(u32_at(needle, 24), 13U);
  EXPECT_EQ(u32_at(needle, 28), 12U);
  EXPECT_EQ(u32_at(needle, 60), 0x4BU);
  EXPECT_EQ(u32_at(needle, 116), 2U);
  EXPECT_EQ(u32_at(needle, 120), 6U);
  EXPECT_EQ(u32_at(needle, 224), 0U);
  const auto* table = reinterpret_cast<const uint8_t*>(u32_at(needle, 112));
  EXPECT_EQ(u32_at(table, 0), 31U);
  EXPECT_EQ(u32_at(table, 4), 65U);
  EXPECT_EQ(f64_at(table, 8), 948.0);
  EXPECT_EQ(u32_at(table, 24), 43U);
  EXPECT_EQ(f64_at(table, 32), 1013.0);
  EXPECT_EQ(needle->children, nullptr);

  const auto* areas = reinterpret_cast<const uint8_t*>(gauge_baro.mouse_areas);
  // Fourth child: the decrease half of the knob, repeating while held.
  const uint8_t* knob_down = areas + 4 * 44;
  EXPECT_EQ(u32_at(knob_down, 0), kAreaChild);
  EXPECT_EQ(u32_at(knob_down, 12), 17U);
  EXPECT_EQ(u32_at(knob_down, 16), 28U);
  EXPECT_EQ(u32_at(knob_down, 20), kCursorDecrease);
  EXPECT_EQ(u32_at(knob_down, 28), 0x20200000U);
  EXPECT_EQ(u32_at(knob_down, 32), 0U);
  EXPECT_NE(u32_at(knob_down, 36), 0U);
  EXPECT_EQ(u32_at(areas + 6 * 44, 0), kAreaEnd);
}

TEST(RecordBytes, HostWritesReachTheValueFieldAtOffsetTwelve) {
  VariableRecord record = sim_vars[SV_3D];
  const double knots = 151.25;
  std::memcpy(reinterpret_cast<uint8_t*>(&record) + 12, &knots, 8);
  EXPECT_EQ(record_double(record), 151.25);
  const int32_t code = 0x1200;
  std::memcpy(reinterpret_cast<uint8_t*>(&record) + 12, &code, 4);
  EXPECT_EQ(record_int(record), 0x1200);
}
#endif

class SharedRoutines : public ModuleTest {};

TEST_F(SharedRoutines, ActOnBarosRootWhicheverHeaderInvokesThem) {
  Element* baro_root = gauge_baro.elements[0];
  for (GaugeHeader* g : {&gauge_pfd, &gauge_sd_bottom, &gauge_baro}) {
    host().element_list_calls();
    const size_t before = host().element_list_calls().size();
    EXPECT_EQ(g->routine3(), 0x1000U + 24);
    EXPECT_EQ(g->routine4(77), 0x1000U + 25);
    EXPECT_EQ(g->routine5(), 0x1000U + 26);
    EXPECT_EQ(g->routine6(), 0x1000U + 27);
    EXPECT_EQ(g->routine7(99), 0x1000U + 28);
    EXPECT_EQ(g->routine8(), 0x1000U + 29);
    EXPECT_EQ(g->routine9(), 0x1000U + 31);
    const auto& calls = host().element_list_calls();
    ASSERT_EQ(calls.size(), before + 7);
    const int slots[] = {24, 25, 26, 27, 28, 29, 31};
    for (size_t k = 0; k < 7; ++k) {
      EXPECT_EQ(calls[before + k].slot, slots[k]);
      EXPECT_EQ(calls[before + k].element, baro_root);
    }
    EXPECT_EQ(calls[before + 1].argument, 77U);
    EXPECT_EQ(calls[before + 4].argument, 99U);
  }
}

}  // namespace
}  // namespace corvane::test
