// The binary contract with the host: Linkage, the gauge headers, the element
// records and mouse lists as the host reads them, and the shared routines.
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "gauges/guidance/autopilot2.h"
#include "gauges/standby/clock.h"
#include "gauges/standby/stdby_altimeter.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

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

// Linkage order, widths and parent help ids as the host expects them.
const char* const kNames[] = {"Baro",
                              "Autopilot2",
                              "FCU",
                              "FD",
                              "Airspeed",
                              "Stdby Altimeter",
                              "Lights",
                              "Landing Gear",
                              "Gear Lever",
                              "Parking Brake",
                              "Spoilers",
                              "Radio",
                              "XPNDR",
                              "Audio",
                              "Clock",
                              "DDRMI",
                              "E/WD",
                              "Flaps",
                              "Warnings",
                              "Rudder Trim",
                              "Page Keys",
                              "Engine Starters",
                              "Standby Attitude",
                              "SD",
                              "Throttle",
                              "SD Bottom",
                              "Alpha-Floor",
                              "Heat",
                              "AC Elec",
                              "Fuel Hyd",
                              "Fire",
                              "ADIRS",
                              "PFD"};
const uint32_t kWidths[] = {92, 379, 142, 53,  69,  69, 356, 71,  55,  63, 89,  222, 222, 222, 69,  99, 225,
                            89, 31,  63,  222, 158, 73, 198, 196, 198, 10, 365, 409, 443, 516, 264, 215};
const uint32_t kHelpIds[] = {0,      0,      0,      0xAD90, 0xAB02, 0xAB07, 0,      0xAB7C, 0xAB30, 0xAB51, 0xAB62,
                             0xA127, 0xA70A, 0xA70A, 0xAB16, 0xAB5A, 0xAB1E, 0xAB24, 0,      0xAB78, 0,      0xAB65,
                             0xAB0D, 0,      0xAB6E, 0,      0xAB6E, 0,      0,      0,      0,      0,      0};

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
    ASSERT_LT(i, std::size(kNames));
    const GaugeHeader* g = Linkage.gauges[i];
    EXPECT_STREQ(g->name, kNames[i]);
    EXPECT_EQ(g->version, 0x320U) << g->name;
    EXPECT_EQ(g->width_mm, kWidths[i]) << g->name;
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
    EXPECT_EQ(area->help_id, kHelpIds[i]) << (*g)->name;
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
  Element* text = background->children[0];
  Element* icon = text->children[0];
  Element* needle = icon->children[0];
  const auto* areas = reinterpret_cast<const uint8_t*>(gauge_baro.mouse_areas);
  // Fourth child area: the decrease half of the knob, repeating while held.
  const uint8_t* knob_down = areas + 4 * 44;
  const auto* table = reinterpret_cast<const uint8_t*>(u32_at(needle, 112));
  // Offset and 32-bit word pairs, per record.
  const std::pair<const void*, std::vector<uint32_t>> words[] = {
      {background, {0, kKindStatic, 4, 0x1000, 48, 0x1}},
      {text,
       {0,   kKindString, 4,   0xFFFFFFFF, 8,   4,        12,  5,        60,  0x4B, 88,  0x4C, 116, 0,    192, 50,
        196, 16,          208, 0x3287FF,   212, 0x14195F, 216, 0x5A5A5A, 280, 700,  284, 1,    288, 0x25, 292, 5}},
      {icon, {0, kKindIcon, 4, 0x1010, 112, 2}},
      {needle, {0, kKindNeedle, 24, 13, 28, 12, 60, 0x4B, 116, 2, 120, 6, 224, 0}},
      {table, {0, 31, 4, 65, 24, 43}},
      {knob_down, {0, kAreaChild, 12, 17, 16, 28, 20, kCursorDecrease, 28, 0x20200000, 32, 0}},
      {areas + 6 * 44, {0, kAreaEnd}},
  };
  for (const auto& [record, pairs] : words) {
    for (size_t i = 0; i + 1 < pairs.size(); i += 2) {
      EXPECT_EQ(u32_at(record, pairs[i]), pairs[i + 1]) << record << " +" << pairs[i];
    }
  }
  EXPECT_STREQ(reinterpret_cast<const char*>(text) + 248, "Quartz");
  const auto* failures = reinterpret_cast<const uint32_t*>(u32_at(text, 44));
  EXPECT_EQ(std::vector<uint32_t>(failures, failures + 5), (std::vector<uint32_t>{0x14, 3, 0x15, 3, 0}));
  EXPECT_NE(u32_at(icon, 132), 0U);
  EXPECT_EQ(f64_at(table, 8), 948.0);
  EXPECT_EQ(f64_at(table, 32), 1013.0);
  EXPECT_EQ(needle->children, nullptr);
  EXPECT_NE(u32_at(knob_down, 36), 0U);
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

class EveryGauge : public ModuleTest {};

// Every variable a gauge could read at once hostile, in each display mode:
// the fixture fails the test on any text written past its element.
TEST_F(EveryGauge, HostileValuesKeepEveryTextWithinItsElement) {
  // Flags and colours live in the static trees: put back for the tests that follow.
  struct Saved {
    Element* e;
    uint32_t flags, colour, background;
  };
  std::vector<Saved> saved;
  for (GaugeHeader* const* g = Linkage.gauges; *g != nullptr; ++g) {
    for (Element* e : testhost::TestHost::elements(*g)) {
      const bool text = e->kind == kKindString;
      saved.push_back(
          {e, e->image_flags, text ? as_string(e)->text_colour : 0, text ? as_string(e)->background_colour : 0});
    }
    host().install(*g);
  }
  for (double v : {double{NAN}, double{INFINITY}, -double{INFINITY}, 1e300, -1e300, 123456789.0, -99999.5}) {
    for (uint32_t token = 1; token < 0x400; ++token) {
      host().set_var(token, v);
    }
    host().set_text_var(0x35D, "AN IDENTIFIER LONGER THAN ANY FIELD");  // a text, not a number
    for (int mode = 0; mode <= 2; ++mode) {
      // Switches that choose what a text shows: all off in the first mode.
      for (uint32_t token : {0x3C, 0x6A, 0x6C, 0x73, 0x75, 0x353, 0x354, 0x35A}) {
        host().set_var(token, mode == 0 ? 0.0 : v);
      }
      baro_unit_inhg = static_cast<uint32_t>(mode & 1);
      trk_fpa_mode = mach_mode = clock_display_mode = stby_baro_unit = mode & 1;
      fd_mode = mode;
      for (GaugeHeader* const* g = Linkage.gauges; *g != nullptr; ++g) {
        host().cycle(*g);
        host().cycle(*g);
      }
    }
  }
  for (GaugeHeader* const* g = Linkage.gauges; *g != nullptr; ++g) {
    host().kill(*g);
  }
  for (const Saved& r : saved) {
    r.e->image_flags = r.flags;
    if (r.e->kind == kKindString) {
      as_string(r.e)->text_colour = r.colour;
      as_string(r.e)->background_colour = r.background;
    }
  }
  reset_module_state();
}

}  // namespace
}  // namespace corvane::test
