// The frame of the module: the binary contract with the host (Linkage, the
// gauge headers and mouse lists as the host reads them, the shared routines),
// every text within its element whatever the simulator sends, the panel
// lighting, the cockpit sounds' load, play-or-reload and release, and the
// FSUIPC client's result codes, request records on the wire and answers.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "gauges/guidance/autopilot2.h"
#include "gauges/standby/clock.h"
#include "gauges/standby/stdby_altimeter.h"
#include "host/fsuipc.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane::test {
namespace {

using testhost::SoundCall;

TEST(Linkage, ListsTheThirtyThreeGaugesEachWithOneRootAndAClosedMouseList) {
  EXPECT_EQ(str(Linkage.module_id, Linkage.version, Linkage.flags), str(0x13U, 0x0800U, 0U));
  ASSERT_TRUE(Linkage.init != nullptr && Linkage.deinit != nullptr);
  EXPECT_EQ(str(ImportTable.entries[0].id, ImportTable.entries[1].id), str(0x0FU, 0U));
  size_t count = 0;
  for (GaugeHeader* const* gp = Linkage.gauges; *gp != nullptr; ++gp, ++count) {
    const GaugeHeader* g = *gp;
    SCOPED_TRACE(g->name);
    EXPECT_TRUE(g->version == 0x320 && g->width_mm > 0 && g->parameters == nullptr);
    ASSERT_TRUE(g->elements != nullptr && g->elements[0] != nullptr && g->elements[1] == nullptr);
    EXPECT_EQ(g->elements[0]->gauge, g);
    // The seven routines are the same in every header; only "SD Bottom" goes without a callback.
    EXPECT_TRUE(g->routine3 == Linkage.gauges[0]->routine3 && g->routine9 == Linkage.gauges[0]->routine9);
    EXPECT_EQ(g->callback == nullptr, std::string(g->name) == "SD Bottom");
    const MouseArea* area = g->mouse_areas;
    ASSERT_TRUE(area != nullptr && area->kind == kAreaParent && area->cursor == 0xFFFFFFFFU && area->width == 0);
    for (++area; area->kind == kAreaChild; ++area) {
      EXPECT_TRUE(area->width > 0 && (area->handler == nullptr) != (area->event_id == 0)) << "a handler or an event";
    }
    EXPECT_EQ(area->kind, kAreaEnd);
  }
  EXPECT_EQ(count, 33U);
}

TEST_F(ModuleTest, SharedRoutinesActOnBarosRootWhicheverHeaderInvokesThem) {
  for (GaugeHeader* g : {&gauge_pfd, &gauge_sd_bottom, &gauge_baro}) {
    const size_t before = host().element_list_calls().size();
    const uint32_t results[] = {g->routine3(),   g->routine4(77), g->routine5(), g->routine6(),
                                g->routine7(99), g->routine8(),   g->routine9()};
    const auto& calls = host().element_list_calls();
    ASSERT_EQ(calls.size(), before + 7);
    const int slots[] = {24, 25, 26, 27, 28, 29, 31};
    for (size_t k = 0; k < 7; ++k) {
      EXPECT_EQ(str(results[k], calls[before + k].slot, calls[before + k].element == gauge_baro.elements[0]),
                str(0x1000 + slots[k], slots[k], 1));
    }
    EXPECT_EQ(calls[before + 1].argument + calls[before + 4].argument, 77U + 99U);
  }
}

// Every variable a gauge could read at once hostile, in each display mode: no
// text may be written past its element. In a child process, so that the flags
// and colours of the static trees stay as they were for the tests that follow.
TEST_F(ModuleTest, HostileValuesKeepEveryTextWithinItsElement) {
  EXPECT_EXIT(
      {
        for (GaugeHeader* g : host().gauges()) {
          host().install(g);
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
            for (GaugeHeader* g : host().gauges()) {
              host().cycle(g);
              host().cycle(g);
            }
          }
        }
        for (const std::string& v : host().violations()) {
          std::fprintf(stderr, "%s\n", v.c_str());
        }
        std::exit(host().violations().empty() ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(ModuleTest, EachGaugeLightsItsElementsAtUpdateOnly) {
  // One character per element in pre-order: 'x' follows the panel lights,
  // '.' never lights, '?' or past the end: not looked at; "*": every element.
  const std::pair<const char*, std::string> rows[] = {
      {"Baro", "xxx."},      {"Autopilot2", "*"},      {"FCU", "x..xxxxx"},    {"FD", "?xx"},
      {"Radio", "*"},        {"Throttle", "x..xx"},    {"Lights", "x"},        {"Heat", "*"},
      {"AC Elec", "*"},      {"Fuel Hyd", "*"},        {"Fire", "*"},          {"ADIRS", "*"},
      {"Landing Gear", "x"}, {"Gear Lever", "x"},      {"Parking Brake", "x"}, {"Spoilers", "x"},
      {"Flaps", "x"},        {"Engine Starters", "x"}, {"Rudder Trim", "x"},
  };
  for (const auto& [name, pattern] : rows) {
    SCOPED_TRACE(name);
    GaugeHeader* g = gauge(name);
    host().install(g);
    const std::vector<Element*> all = testhost::TestHost::elements(g);
    panel_lights_on = 1;
    host().draw(g);
    EXPECT_EQ(all[0]->image_flags & kFlagBright, 0U) << "not at draw";
    for (uint32_t on : {1U, 0U}) {
      panel_lights_on = on;
      host().cycle(g);
      for (size_t i = 0; i < all.size(); ++i) {
        const char c = pattern == "*" ? 'x' : i < pattern.size() ? pattern[i] : '?';
        if (c != '?') {
          EXPECT_EQ((all[i]->image_flags & kFlagBright) != 0, c == 'x' && on != 0) << i << " lights " << on;
        }
      }
    }
    host().kill(g);
  }
}

class Sounds : public ModuleTest {
 protected:
  std::string kinds() {
    std::string out;
    for (const SoundCall& c : world().sound.calls()) {
      out += c.kind == SoundCall::Kind::Load   ? 'L'
             : c.kind == SoundCall::Kind::Play ? (c.result != 0 ? 'P' : 'p')
                                               : 'R';
    }
    world().sound.clear_calls();
    return out;
  }
};

TEST_F(Sounds, LoadedAtTheAutopilotsInstallReleasedAtItsKillAndReloadedOnceAfterAFailedPlay) {
  play_sound(SOUND_CLICK);
  EXPECT_EQ(kinds(), "") << "silent before the autopilot panel's install";
  GaugeHeader* ap = gauge("Autopilot2");
  host().install(ap);
  const auto& calls = world().sound.calls();
  const Texts files = {kClick, kButton, kFlapSound, kCavalry, kClicker, kSign, kChime};
  ASSERT_EQ(calls.size(), 7U);
  for (size_t i = 0; i < 7; ++i) {
    EXPECT_EQ(str(calls[i].path, sound_slots[i].sound), str(files[i], calls[i].handle));
  }
  EXPECT_EQ(kinds(), "LLLLLLL");
  play_sound(SOUND_CHIME);
  EXPECT_EQ(str(played().back(), world().sound.calls().back().flags), str(kChime, 0));
  kinds();
  host().kill(ap);
  EXPECT_EQ(kinds(), "RRRRRRR");
  EXPECT_EQ(sound_slots[SOUND_SIGN].loaded, 1U) << "release leaves the loaded values";
  play_sound(SOUND_SIGN);
  EXPECT_EQ(played(), Texts{kSign});
  EXPECT_EQ(kinds(), "pLP") << "a later play reloads";
  world().sound.failing_loads.insert(kClicker);
  load_sounds();
  world().sound.failing_plays = 1;
  play_sound(SOUND_BUTTON);
  EXPECT_EQ(kinds(), "pLP");
  world().sound.failing_plays = 2;
  play_sound(SOUND_BUTTON);
  EXPECT_EQ(kinds(), "pLp") << "the second attempt's result is ignored";
  world().sound.failing_plays = 1;
  world().sound.failing_loads.insert(kButton);
  play_sound(SOUND_BUTTON);
  EXPECT_EQ(kinds(), "pL");
  EXPECT_EQ(sound_slots[SOUND_BUTTON].loaded + sound_slots[SOUND_CLICKER].loaded, 0U);
  play_sound(SOUND_BUTTON);
  play_sound(SOUND_CLICKER);
  play_sound(SOUND_CLICK);
  EXPECT_EQ(kinds(), "P") << "only the slot that loaded plays";
}

class Fsuipc : public ModuleTest {
 protected:
  int open(uint32_t simulator = 0, uint32_t size = sizeof buffer_) {
    return ipc_open(simulator, &result_, size == 0 ? nullptr : buffer_, size);
  }
  uint8_t buffer_[1000] = {};
  uint32_t result_ = 99;
};

TEST_F(Fsuipc, OpenChecksVersionsSendsItsOwnVersionOnceAndFailuresLeaveTheLinkClosed) {
  ASSERT_EQ(open(), 1);
  EXPECT_EQ(str(result_, ipc_sim_version, ipc_capacity, world().fsuipc.messages(), ipc_fsuipc_version),
            str(FSUIPC_OK, 6, 1000, 1, world().fsuipc.fsuipc_version));
  // Wire: read 0x3304/4, read 0x3308/4, write 0x330A/2 = 1100, end marker.
  const auto& wire = world().fsuipc.last_request;
  ASSERT_EQ(wire.size(), 20U + 20U + 14U + 4U);
  std::vector<uint32_t> words(13);
  std::memcpy(words.data(), wire.data(), 52);
  EXPECT_EQ(std::vector<uint32_t>({words[0], words[1], words[2], words[5], words[6], words[10], words[11], words[12]}),
            (std::vector<uint32_t>{1, 0x3304, 4, 1, 0x3308, 2, 0x330A, 2}));
  EXPECT_EQ(str(wire[52] | (wire[53] << 8), wire[54] | wire[55] | wire[56] | wire[57]), "1100 0");
#if CORVANE_RECORDS_32
  EXPECT_EQ(words[3], reinterpret_cast<uintptr_t>(&ipc_fsuipc_version));
#endif
  uint32_t sim = 0;
  world().fsuipc.peek(0x3308, &sim, 4);
  EXPECT_EQ(sim, 0xFADE0006U) << "the simulator's version word does not take the client's write";
  EXPECT_EQ(open(), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_OPEN);
  ipc_close();
  ipc_close();  // safe when closed
  EXPECT_EQ(ipc_buffer, nullptr);
  auto& f = world().fsuipc;
  // Simulator asked for, buffer size, versions answered, window present, message failing; the result.
  const uint32_t kV = 0x19980005, kS = 0xFADE0006;
  const std::tuple<uint32_t, uint32_t, uint32_t, uint32_t, bool, bool, uint32_t> cases[] = {
      {0, 31, kV, kS, true, false, FSUIPC_ERR_VIEW},
      {0, 0, kV, kS, true, false, FSUIPC_ERR_VIEW},
      {0, 1000, kV, kS, false, false, FSUIPC_ERR_NOFS},
      {0, 1000, kV - 1, kS, true, false, FSUIPC_ERR_VERSION},
      {0, 1000, kV, kS + 0x10000, true, false, FSUIPC_ERR_VERSION},
      {7, 1000, kV, kS, true, false, FSUIPC_ERR_WRONGFS},
      {0, 1000, kV, kS, true, true, FSUIPC_ERR_DATA},
      {6, 1000, kV, kS, true, false, FSUIPC_OK},
      {0, 1000, kV, kS, true, false, FSUIPC_OK}};
  for (const auto& [simulator, size, fsuipc_version, sim_version, present, failing, result] : cases) {
    std::tie(f.fsuipc_version, f.sim_version, f.present, f.failing) =
        std::tie(fsuipc_version, sim_version, present, failing);
    const int opened = open(simulator, size);
    EXPECT_EQ(str(opened, result_, ipc_buffer == nullptr), str(result == FSUIPC_OK, result, result != FSUIPC_OK));
    ipc_close();
  }
}

TEST_F(Fsuipc, ReadsAreAnsweredInPlaceAndTheQueueStopsFourBytesShortOfCapacity) {
  const int16_t axis = -1234;
  world().fsuipc.poke(0x332E, &axis, 2);
  ASSERT_EQ(open(), 1);
  EXPECT_EQ(str(ipc_process(&result_), result_), str(0, FSUIPC_ERR_NODATA));
  const int sent = world().fsuipc.messages();
  int16_t got = 0;
  uint8_t untouched = 0x5C;
  ASSERT_EQ(ipc_read(0x332E, 2, &got, &result_), 1);
  ASSERT_EQ(ipc_read(0x332E, 2, nullptr, &result_), 1);  // sent, nothing copied
  ASSERT_EQ(ipc_read(0x332E, 0, &untouched, &result_), 1);
  ASSERT_EQ(ipc_process(&result_), 1);
  EXPECT_EQ(str(world().fsuipc.messages() - sent, got, int{untouched}, ipc_next == ipc_buffer), "1 -1234 92 1");
  // A failed exchange keeps the old value.
  world().fsuipc.failing = true;
  const int16_t other = 77;
  world().fsuipc.poke(0x332E, &other, 2);
  ASSERT_EQ(ipc_read(0x332E, 2, &got, &result_), 1);
  EXPECT_EQ(ipc_process(&result_), 0);
  EXPECT_EQ(str(result_, got, ipc_next == ipc_buffer), str(FSUIPC_ERR_DATA, -1234, 1));
  ipc_close();
  EXPECT_EQ(ipc_read(0x332E, 2, &got, &result_) + ipc_write(0x332E, 2, &got, &result_) + ipc_process(&result_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_NOTOPEN);
  uint8_t sink[64] = {};
  world().fsuipc.failing = false;
  ASSERT_EQ(open(0, 64), 1);
  ASSERT_EQ(ipc_read(0x100, 44, sink, &result_), 1) << "16 + 44 = 60 bytes: exactly capacity - 4";
  uint8_t* before = ipc_next;
  EXPECT_EQ(ipc_read(0x100, 1, sink, &result_), 0);
  EXPECT_EQ(str(result_, ipc_next == before), str(FSUIPC_ERR_SIZE, 1));
  EXPECT_EQ(ipc_write(0x100, 0, sink, &result_), 0);
  EXPECT_EQ(ipc_read(0x100, 0xFFFFFFF0U, sink, &result_), 0) << "a huge size must not wrap";
  ipc_close();
  ASSERT_EQ(open(0, 64), 1);
  EXPECT_EQ(ipc_read(0x100, 45, sink, &result_), 0);
  EXPECT_EQ(ipc_write(0x100, 48, sink, &result_), 1) << "writes need four bytes less";
  ipc_close();

  static uint8_t big[0x9000];
  ASSERT_EQ(ipc_open(0, &result_, big, sizeof big), 1);
  EXPECT_EQ(ipc_capacity, 0x7F00U);
  const uint32_t value = 0xCAFEF00D;
  ASSERT_EQ(ipc_write(0x0BC0, 4, &value, &result_), 1);
  ASSERT_EQ(ipc_process(&result_), 1);
  uint32_t seen = 0;
  world().fsuipc.peek(0x0BC0, &seen, 4);
  EXPECT_EQ(seen, value) << "writes reach the server";
}

TEST_F(Fsuipc, ARewrittenAnswerNeverWritesPastWhatWasAsked) {
  ASSERT_EQ(open(), 1);
  uint8_t guard[8] = {};
  ASSERT_EQ(ipc_read(0x100, 2, guard, &result_), 1);
  world().fsuipc.tamper = [](uint8_t* buffer, uint32_t) {
    const uint32_t huge = 6;  // claims more bytes than were queued for it
    std::memcpy(buffer + 8, &huge, 4);
    std::memset(buffer + 16, 0xEE, 6);
  };
  EXPECT_EQ(ipc_process(&result_), 1);
  EXPECT_EQ(guard[2] | guard[5], 0);
  world().fsuipc.tamper = [](uint8_t* buffer, uint32_t) {
    const uint32_t odd = 7;
    std::memcpy(buffer, &odd, 4);
  };
  ASSERT_EQ(ipc_read(0x100, 2, guard, &result_), 1);
  EXPECT_EQ(ipc_process(&result_), 1);
  EXPECT_EQ(buffer_[0], 0) << "an unknown record kind ends the walk and is cleared";
  ipc_close();
}

}  // namespace
}  // namespace corvane::test
