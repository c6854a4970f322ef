// The reference host's simulator: the effects of the events the module sends.
#include "sim/simulator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "corvane_testhost/platform_world.h"
#include "corvane_testhost/test_host.h"
#include "module/module_file.h"

namespace corvane::refhost {
namespace {

class SimulatorTest : public ::testing::Test {
 protected:
  SimulatorTest() : module_(ModuleFile::open(default_module_path())), host_(module_->view()), sim_(host_) {}
  std::unique_ptr<ModuleFile> module_;
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

namespace corvane::refhost {
namespace {

// The flight model, from a level cruise at 5000 ft and 250 kt, engines at 60 % N1.
TEST_F(SimulatorTest, TheFlightModelFliesOnlyWhenAskedAndFollowsTheAutopilotAndTheStick) {
  struct Case {
    const char* what;
    std::vector<std::pair<uint32_t, double>> sets;
    double seconds;
    uint32_t token;
    double low;
    double high;
  };
  const std::vector<Case> cases = {
      {"off, nothing moves by itself", {{0x310, 1}, {0x67, 1}, {0x6D, 9000}}, 30, 0x4A, 5000, 5000},
      {"the autopilot turns onto the selected heading", {{0x67, 1}, {0x6B, 300}}, 90, 0x51, 299, 301},
      {"and climbs at the selected rate", {{0x67, 1}, {0x6D, 8000}, {0x78, 2000}}, 60, 0x4A, 6700, 7100},
      {"to the selected altitude", {{0x67, 1}, {0x6D, 8000}, {0x78, 2000}}, 180, 0x4A, 7950, 8050},
      {"autothrust holds the selected speed", {{0x7B, 1}, {0x74, 280}}, 300, 0x3D, 276, 284},
      {"the stick rolls at 15 degrees a second", {{0x310, 1}}, 2, 0x50, 29, 31},
      {"and pitches at 4", {{0x30E, 1}}, 2, 0x4E, 10, 11},
      {"a bank of 25 degrees at 250 kt turns 2 degrees a second", {{0x50, 25}}, 30, 0x51, 320, 332},
      {"with the stick back above 120 kt it lifts off", {{0x3C, 1}, {0x4A, 392}, {0x30E, 1}}, 10, 0x3C, 0, 0},
  };
  for (const Case& c : cases) {
    sim_.cold_and_dark();
    for (const auto& [token, value] : std::vector<std::pair<uint32_t, double>>{{0x3C, 0},
                                                                               {0x4A, 5000},
                                                                               {0x3D, 250},
                                                                               {0x4E, 2.5},
                                                                               {0x230, 1},
                                                                               {0x23A, 1},
                                                                               {0x281, 1},
                                                                               {0x294, 1},
                                                                               {0x270, 60},
                                                                               {0x283, 60},
                                                                               {0x22E, 0.5},
                                                                               {0x238, 0.5},
                                                                               {0x14B, 0},
                                                                               {0x6D, 5000}}) {
      sim_.set(token, value);
    }
    for (const auto& [token, value] : c.sets) {
      sim_.set(token, value);
    }
    sim_.flight_model = c.what != cases[0].what;
    for (int i = 0; i < static_cast<int>(c.seconds * 18); ++i) {
      sim_.advance(1.0 / 18);
    }
    EXPECT_GE(sim_.get(c.token), c.low) << c.what;
    EXPECT_LE(sim_.get(c.token), c.high) << c.what;
  }
}

}  // namespace
}  // namespace corvane::refhost
