// The FSUIPC client: result codes, the request records on the wire and the
// delivery of answers.
#include "host/fsuipc.h"

#include <cstring>
#include <tuple>
#include <vector>

#include "module_fixture.h"

namespace corvane::test {
namespace {

class Fsuipc : public ModuleTest {
 protected:
  int open(uint32_t simulator = 0, uint32_t size = sizeof buffer_) {
    return ipc_open(simulator, &result_, size == 0 ? nullptr : buffer_, size);
  }
  uint8_t buffer_[1000] = {};
  uint32_t result_ = 99;
};

TEST_F(Fsuipc, OpenChecksVersionsAndSendsItsOwnVersionOnce) {
  ASSERT_EQ(open(), 1);
  EXPECT_EQ(str(result_, ipc_sim_version, ipc_capacity, world().fsuipc.messages()), str(FSUIPC_OK, 6, 1000, 1));
  EXPECT_EQ(ipc_fsuipc_version, world().fsuipc.fsuipc_version);
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
}

TEST_F(Fsuipc, OpenFailuresLeaveTheLinkClosed) {
  auto& f = world().fsuipc;
  // Simulator asked for, buffer size, versions answered, window present, message failing; the result.
  const std::tuple<uint32_t, uint32_t, uint32_t, uint32_t, bool, bool, uint32_t> cases[] = {
      {0, 31, 0x19980005, 0xFADE0006, true, false, FSUIPC_ERR_VIEW},
      {0, 0, 0x19980005, 0xFADE0006, true, false, FSUIPC_ERR_VIEW},
      {0, 1000, 0x19980005, 0xFADE0006, false, false, FSUIPC_ERR_NOFS},
      {0, 1000, 0x19980004, 0xFADE0006, true, false, FSUIPC_ERR_VERSION},
      {0, 1000, 0x19980005, 0xFADF0006, true, false, FSUIPC_ERR_VERSION},
      {7, 1000, 0x19980005, 0xFADE0006, true, false, FSUIPC_ERR_WRONGFS},
      {0, 1000, 0x19980005, 0xFADE0006, true, true, FSUIPC_ERR_DATA},
      {6, 1000, 0x19980005, 0xFADE0006, true, false, FSUIPC_OK},
      {0, 1000, 0x19980005, 0xFADE0006, true, false, FSUIPC_OK},
  };
  for (const auto& [simulator, size, fsuipc_version, sim_version, present, failing, result] : cases) {
    std::tie(f.fsuipc_version, f.sim_version, f.present, f.failing) =
        std::tie(fsuipc_version, sim_version, present, failing);
    const int opened = open(simulator, size);
    EXPECT_EQ(str(opened, result_, ipc_buffer == nullptr), str(result == FSUIPC_OK, result, result != FSUIPC_OK));
    ipc_close();
  }
}

TEST_F(Fsuipc, ReadsAreAnsweredInPlaceAndCopiedToTheirDestinations) {
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
}

TEST_F(Fsuipc, TheQueueStopsFourBytesShortOfCapacityWhichIsCapped) {
  uint8_t sink[64] = {};
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
