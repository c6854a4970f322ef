// The binary contract with the host: Linkage, the gauge headers and mouse
// lists as the host reads them, the shared routines, and every text within
// its element whatever the simulator sends.
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "gauges/guidance/autopilot2.h"
#include "gauges/standby/clock.h"
#include "gauges/standby/stdby_altimeter.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

TEST(Linkage, ListsTheThirtyThreeGaugesEachWithOneRootAndAClosedMouseList) {
  EXPECT_EQ(str(Linkage.module_id, Linkage.version, Linkage.flags), str(0x13U, 0x0800U, 0U));
  ASSERT_TRUE(Linkage.init != nullptr && Linkage.deinit != nullptr);
  EXPECT_EQ(str(ImportTable.entries[0].id, ImportTable.entries[1].id), str(0x0FU, 0U));
  size_t count = 0;
  for (GaugeHeader* const* gp = Linkage.gauges; *gp != nullptr; ++gp, ++count) {
    const GaugeHeader* g = *gp;
    SCOPED_TRACE(g->name);
    EXPECT_EQ(g->version, 0x320U);
    EXPECT_GT(g->width_mm, 0U);
    EXPECT_EQ(g->parameters, nullptr);
    ASSERT_NE(g->elements, nullptr);
    EXPECT_TRUE(g->elements[0] != nullptr && g->elements[1] == nullptr && g->elements[0]->gauge == g);
    // The seven routines are the same in every header; only "SD Bottom" goes without a callback.
    EXPECT_EQ(g->routine3, Linkage.gauges[0]->routine3);
    EXPECT_EQ(g->routine9, Linkage.gauges[0]->routine9);
    EXPECT_EQ(g->callback == nullptr, std::string(g->name) == "SD Bottom");
    const MouseArea* area = g->mouse_areas;
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->kind == kAreaParent && area->cursor == 0xFFFFFFFFU && area->width == 0);
    for (++area; area->kind == kAreaChild; ++area) {
      EXPECT_GT(area->width, 0);
      EXPECT_NE(area->handler == nullptr, area->event_id == 0) << "a handler or an event, not both";
    }
    EXPECT_EQ(area->kind, kAreaEnd);
  }
  EXPECT_EQ(count, 33U);
}

TEST(VariableTable, KeepsTheDoubledTokensApart) {
  EXPECT_EQ(sim_vars[SV_4A_PANEL].token + sim_vars[SV_4A].token, 2 * 0x4AU);
  EXPECT_EQ(sim_vars[SV_227_ECAM].token + sim_vars[SV_227_PFD].token, 2 * 0x227U);
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
TEST(RecordBytes, LinkageHeadersAndVariablesSitAtTheHostsOffsets) {
  auto u32_at = [](const void* base, size_t offset) {
    uint32_t value = 0;
    std::memcpy(&value, static_cast<const uint8_t*>(base) + offset, sizeof value);
    return value;
  };
  EXPECT_EQ(u32_at(&Linkage, 0), 0x13U);
  EXPECT_EQ(u32_at(&Linkage, 20), 0x800U);
  EXPECT_EQ(u32_at(&Linkage, 24), reinterpret_cast<uintptr_t>(&gauge_baro));
  EXPECT_EQ(u32_at(&Linkage, 24 + 33 * 4), 0U);
  EXPECT_STREQ(reinterpret_cast<const char*>(u32_at(&gauge_baro, 4)), "Baro");
  EXPECT_EQ(u32_at(&gauge_baro, 44), 92U);
  EXPECT_EQ(u32_at(&gauge_baro, 84), reinterpret_cast<uintptr_t>(gauge_baro.callback));
  VariableRecord record = sim_vars[SV_3D];
  const double knots = 151.25;
  std::memcpy(reinterpret_cast<uint8_t*>(&record) + 12, &knots, 8);
  EXPECT_EQ(record_double(record), 151.25);
}
#endif

TEST_F(ModuleTest, SharedRoutinesActOnBarosRootWhicheverHeaderInvokesThem) {
  for (GaugeHeader* g : {&gauge_pfd, &gauge_sd_bottom, &gauge_baro}) {
    const size_t before = host().element_list_calls().size();
    const uint32_t results[] = {g->routine3(),   g->routine4(77), g->routine5(), g->routine6(),
                                g->routine7(99), g->routine8(),   g->routine9()};
    const auto& calls = host().element_list_calls();
    ASSERT_EQ(calls.size(), before + 7);
    const int slots[] = {24, 25, 26, 27, 28, 29, 31};
    for (size_t k = 0; k < 7; ++k) {
      EXPECT_EQ(results[k], 0x1000U + static_cast<uint32_t>(slots[k]));
      EXPECT_EQ(calls[before + k].slot, slots[k]);
      EXPECT_EQ(calls[before + k].element, gauge_baro.elements[0]);
    }
    EXPECT_EQ(calls[before + 1].argument + calls[before + 4].argument, 77U + 99U);
  }
}

// Every variable a gauge could read at once hostile, in each display mode:
// the fixture fails the test on any text written past its element.
TEST_F(ModuleTest, HostileValuesKeepEveryTextWithinItsElement) {
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
