// The FSUIPC client: result codes, the request records on the wire and the
// delivery of answers.
#include "host/fsuipc.h"

#include <cstring>
#include <vector>

#include "module_fixture.h"

namespace corvane::test {
namespace {

uint32_t word(const std::vector<uint8_t>& bytes, size_t at) {
  uint32_t v = 0;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}

class Fsuipc : public ModuleTest {
 protected:
  uint8_t buffer_[1000] = {};
  uint32_t result_ = 99;
};

TEST_F(Fsuipc, OpenChecksVersionsAndSendsItsOwnVersionOnce) {
  ASSERT_EQ(ipc_open(0, &result_, buffer_, sizeof buffer_), 1);
  EXPECT_EQ(result_, FSUIPC_OK);
  EXPECT_EQ(ipc_sim_version, 0x0006U);
  EXPECT_EQ(ipc_fsuipc_version, world().fsuipc.fsuipc_version);
  EXPECT_EQ(ipc_capacity, 1000U);
  EXPECT_EQ(world().fsuipc.messages(), 1);

  // Wire: read 0x3304/4, read 0x3308/4, write 0x330A/2 = 1100, end marker.
  const auto& wire = world().fsuipc.last_request;
  ASSERT_EQ(wire.size(), 20U + 20U + 14U + 4U);
  EXPECT_EQ(word(wire, 0), 1U);
  EXPECT_EQ(word(wire, 4), 0x3304U);
  EXPECT_EQ(word(wire, 8), 4U);
  EXPECT_EQ(word(wire, 20), 1U);
  EXPECT_EQ(word(wire, 24), 0x3308U);
  EXPECT_EQ(word(wire, 40), 2U);
  EXPECT_EQ(word(wire, 44), 0x330AU);
  EXPECT_EQ(word(wire, 48), 2U);
  EXPECT_EQ(wire[52] | (wire[53] << 8), 1100);
  EXPECT_EQ(word(wire, 54), 0U);
#if CORVANE_RECORDS_32
  EXPECT_EQ(word(wire, 12), reinterpret_cast<uintptr_t>(&ipc_fsuipc_version));
#endif
  // The simulator's version word does not take the client's write.
  uint32_t sim = 0;
  world().fsuipc.peek(0x3308, &sim, 4);
  EXPECT_EQ(sim, 0xFADE0006U);

  EXPECT_EQ(ipc_open(0, &result_, buffer_, sizeof buffer_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_OPEN);
  ipc_close();
  ipc_close();  // safe when closed
  EXPECT_EQ(ipc_buffer, nullptr);
}

TEST_F(Fsuipc, OpenFailuresLeaveTheLinkClosed) {
  EXPECT_EQ(ipc_open(0, &result_, buffer_, 31), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_VIEW);
  EXPECT_EQ(ipc_open(0, &result_, nullptr, 100), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_VIEW);
  EXPECT_EQ(world().fsuipc.messages(), 0);

  world().fsuipc.present = false;
  EXPECT_EQ(ipc_open(0, &result_, buffer_, sizeof buffer_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_NOFS);
  world().fsuipc.present = true;

  world().fsuipc.fsuipc_version = 0x19980004;
  EXPECT_EQ(ipc_open(0, &result_, buffer_, sizeof buffer_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_VERSION);
  EXPECT_EQ(ipc_buffer, nullptr);
  world().fsuipc.fsuipc_version = 0x19980005;
  EXPECT_EQ(ipc_open(0, &result_, buffer_, sizeof buffer_), 1);
  ipc_close();

  world().fsuipc.sim_version = 0xFADF0006;
  EXPECT_EQ(ipc_open(0, &result_, buffer_, sizeof buffer_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_VERSION);
  world().fsuipc.sim_version = 0xFADE0006;

  EXPECT_EQ(ipc_open(7, &result_, buffer_, sizeof buffer_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_WRONGFS);
  EXPECT_EQ(ipc_buffer, nullptr);
  EXPECT_EQ(ipc_open(6, &result_, buffer_, sizeof buffer_), 1);
  ipc_close();

  world().fsuipc.failing = true;
  EXPECT_EQ(ipc_open(0, &result_, buffer_, sizeof buffer_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_DATA);
  EXPECT_EQ(ipc_buffer, nullptr);
}

TEST_F(Fsuipc, ReadsAreAnsweredInPlaceAndCopiedToTheirDestinations) {
  const int16_t axis = -1234;
  world().fsuipc.poke(0x332E, &axis, 2);
  ASSERT_EQ(ipc_open(0, &result_, buffer_, sizeof buffer_), 1);

  EXPECT_EQ(ipc_process(&result_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_NODATA);
  const int sent = world().fsuipc.messages();

  int16_t got = 0;
  uint8_t untouched = 0x5C;
  ASSERT_EQ(ipc_read(0x332E, 2, &got, &result_), 1);
  ASSERT_EQ(ipc_read(0x332E, 2, nullptr, &result_), 1);  // sent, nothing copied
  ASSERT_EQ(ipc_read(0x332E, 0, &untouched, &result_), 1);
  ASSERT_EQ(ipc_process(&result_), 1);
  EXPECT_EQ(world().fsuipc.messages(), sent + 1);
  EXPECT_EQ(result_, FSUIPC_OK);
  EXPECT_EQ(got, -1234);
  EXPECT_EQ(untouched, 0x5C);
  EXPECT_EQ(ipc_next, ipc_buffer);

  // A failed exchange keeps the old value.
  world().fsuipc.failing = true;
  const int16_t other = 77;
  world().fsuipc.poke(0x332E, &other, 2);
  ASSERT_EQ(ipc_read(0x332E, 2, &got, &result_), 1);
  EXPECT_EQ(ipc_process(&result_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_DATA);
  EXPECT_EQ(got, -1234);
  EXPECT_EQ(ipc_next, ipc_buffer);
  ipc_close();

  EXPECT_EQ(ipc_read(0x332E, 2, &got, &result_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_NOTOPEN);
  EXPECT_EQ(ipc_write(0x332E, 2, &got, &result_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_NOTOPEN);
  EXPECT_EQ(ipc_process(&result_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_NOTOPEN);
}

TEST_F(Fsuipc, TheQueueStopsFourBytesShortOfCapacity) {
  uint8_t small[64] = {};
  ASSERT_EQ(ipc_open(0, &result_, small, sizeof small), 1);
  uint8_t sink[64] = {};
  // 16 + 44 = 60 bytes: exactly capacity - 4.
  ASSERT_EQ(ipc_read(0x100, 44, sink, &result_), 1);
  uint8_t* before = ipc_next;
  EXPECT_EQ(ipc_read(0x100, 1, sink, &result_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_SIZE);
  EXPECT_EQ(ipc_next, before);
  EXPECT_EQ(ipc_write(0x100, 0, sink, &result_), 0);
  EXPECT_EQ(result_, FSUIPC_ERR_SIZE);
  EXPECT_EQ(ipc_read(0x100, 0xFFFFFFF0U, sink, &result_), 0) << "a huge size must not wrap";
  ipc_close();

  ASSERT_EQ(ipc_open(0, &result_, small, sizeof small), 1);
  EXPECT_EQ(ipc_read(0x100, 45, sink, &result_), 0);
  EXPECT_EQ(ipc_next, ipc_buffer);
  EXPECT_EQ(ipc_write(0x100, 48, sink, &result_), 1) << "writes need four bytes less";
  ipc_close();
}

TEST_F(Fsuipc, CapacityIsCappedAndWritesReachTheServer) {
  static uint8_t big[0x9000];
  ASSERT_EQ(ipc_open(0, &result_, big, sizeof big), 1);
  EXPECT_EQ(ipc_capacity, 0x7F00U);
  const uint32_t value = 0xCAFEF00D;
  ASSERT_EQ(ipc_write(0x0BC0, 4, &value, &result_), 1);
  ASSERT_EQ(ipc_process(&result_), 1);
  uint32_t seen = 0;
  world().fsuipc.peek(0x0BC0, &seen, 4);
  EXPECT_EQ(seen, value);
  ipc_close();
}

TEST_F(Fsuipc, ARewrittenAnswerNeverWritesPastWhatWasAsked) {
  ASSERT_EQ(ipc_open(0, &result_, buffer_, sizeof buffer_), 1);
  uint8_t guard[8] = {};
  ASSERT_EQ(ipc_read(0x100, 2, guard, &result_), 1);
  world().fsuipc.tamper = [](uint8_t* buffer, uint32_t) {
    const uint32_t huge = 6;  // claims more bytes than were queued for it
    std::memcpy(buffer + 8, &huge, 4);
    std::memset(buffer + 16, 0xEE, 6);
  };
  EXPECT_EQ(ipc_process(&result_), 1);
  EXPECT_EQ(guard[2], 0);
  EXPECT_EQ(guard[5], 0);

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
