// The reference host's simulator: the effects of the events the module sends.
#include "sim/simulator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "corvane_testhost/platform_world.h"
#include "corvane_testhost/test_host.h"

namespace corvane::refhost {
namespace {

class SimulatorTest : public ::testing::Test {
 protected:
  SimulatorTest() : host_(testhost::linked_module()), sim_(host_) {}
  // Each event applied in turn, then the token's value in hex.
  std::string after(uint32_t token, std::initializer_list<uint32_t> events) {
    std::string out;
    for (uint32_t e : events) {
      sim_.apply(e, 0);
      char word[16];
      std::snprintf(word, sizeof word, "%s%X", out.empty() ? "" : " ", static_cast<uint32_t>(sim_.get(token)));
      out += word;
    }
    return out;
  }
  testhost::TestHost host_;
  Simulator sim_;
};

TEST_F(SimulatorTest, ComAndNavTuneInBcdWithTheSimulatorsWrapAround) {
  // 136.975: the fraction wraps within its megahertz, 136 wraps to 118, 118.975 is kept as 18.97, then 118.925.
  sim_.set(0x269, 0x3697);
  EXPECT_EQ(after(0x269, {0x10067, 0x10065, 0x10066, 0x10066, 0x10066}), "3600 1800 1897 1895 1892");
  sim_.set(0x368, 0x1795);  // 117.95; 117 wraps to 108
  EXPECT_EQ(after(0x368, {0x1006B, 0x10069}), "1700 800");
  const double active = sim_.get(0x17), standby = sim_.get(0x269);
  sim_.apply(0x10344, 0);
  EXPECT_EQ(sim_.get(0x17) * 1e5 + sim_.get(0x269), standby * 1e5 + active);
  EXPECT_EQ(to_bcd(1234) + from_bcd(0x1234), 0x1234U + 1234U);
}

TEST_F(SimulatorTest, EnginesStartOnlyWithFuelAndTheStarterHeld) {
  sim_.apply(0x102FC, 0);
  sim_.advance(1.0);
  EXPECT_GT(sim_.get(0x271), 0.0);
  for (int i = 0; i < 30 * 18; ++i) {
    sim_.apply(0x102FC, 0);
    sim_.advance(1.0 / 18);
  }
  EXPECT_EQ(sim_.get(0x281), 0.0) << "no fuel, no light-off";
  sim_.apply(0x101BF, 0);
  for (int i = 0; i < 60 * 18; ++i) {
    if (sim_.get(0x281) == 0.0) {
      sim_.apply(0x102FC, 0);
    }
    sim_.advance(1.0 / 18);
  }
  EXPECT_EQ(sim_.get(0x281), 1.0);
  EXPECT_NEAR(sim_.get(0x270), 19.5, 0.5);
  EXPECT_EQ(sim_.get(0x283), 0.0) << "engine 2 untouched";
}

}  // namespace
}  // namespace corvane::refhost
