// The reference host's simulator: the effects of the events the module sends.
#include "sim/simulator.h"

#include <gtest/gtest.h>

#include "corvane_testhost/platform_world.h"
#include "corvane_testhost/test_host.h"
#include "module/module_file.h"

namespace corvane::refhost {
namespace {

class SimulatorTest : public ::testing::Test {
 protected:
  SimulatorTest() : module_(ModuleFile::open(default_module_path())), host_(module_->view()), sim_(host_) {}
  std::unique_ptr<ModuleFile> module_;
  testhost::TestHost host_;
  Simulator sim_;
};

TEST_F(SimulatorTest, ComAndNavTuneInBcdWithTheSimulatorsWrapAround) {
  sim_.set(0x269, 0x3697);  // 136.975
  sim_.apply(0x10067, 0);
  EXPECT_EQ(static_cast<uint32_t>(sim_.get(0x269)), 0x3600U) << "the fraction wraps within its megahertz";
  sim_.apply(0x10065, 0);
  EXPECT_EQ(static_cast<uint32_t>(sim_.get(0x269)), 0x1800U) << "136 wraps to 118";
  sim_.apply(0x10066, 0);
  EXPECT_EQ(static_cast<uint32_t>(sim_.get(0x269)), 0x1897U) << "118.975 is kept as 18.97";
  sim_.apply(0x10066, 0);
  EXPECT_EQ(static_cast<uint32_t>(sim_.get(0x269)), 0x1895U);
  sim_.apply(0x10066, 0);
  EXPECT_EQ(static_cast<uint32_t>(sim_.get(0x269)), 0x1892U) << "118.925";

  sim_.set(0x368, 0x1795);  // 117.95
  sim_.apply(0x1006B, 0);
  EXPECT_EQ(static_cast<uint32_t>(sim_.get(0x368)), 0x1700U);
  sim_.apply(0x10069, 0);
  EXPECT_EQ(static_cast<uint32_t>(sim_.get(0x368)), 0x0800U) << "117 wraps to 108";

  const double active = sim_.get(0x17);
  const double standby = sim_.get(0x269);
  sim_.apply(0x10344, 0);
  EXPECT_EQ(sim_.get(0x17), standby);
  EXPECT_EQ(sim_.get(0x269), active);
  EXPECT_EQ(to_bcd(1234), 0x1234U);
  EXPECT_EQ(from_bcd(0x1234), 1234U);
}

TEST_F(SimulatorTest, GearTravelsInTenSecondsAndNeverRetractsOnTheGround) {
  sim_.apply(0x10022, 0);
  for (int i = 0; i < 90; ++i) {
    sim_.advance(1.0 / 18);
  }
  EXPECT_EQ(sim_.get(0x14C), 16383.0) << "weight on wheels";
  sim_.set(0x3C, 0);
  for (int i = 0; i < 90; ++i) {
    sim_.advance(1.0 / 18);
  }
  EXPECT_NEAR(sim_.get(0x14C), 16383.0 / 2, 1.0);
  for (int i = 0; i < 91; ++i) {
    sim_.advance(1.0 / 18);
  }
  EXPECT_EQ(sim_.get(0x14D), 0.0);
}

TEST_F(SimulatorTest, FlapsStepAndFollowTheHandle) {
  sim_.apply(0x100DE, 0);
  sim_.apply(0x100DE, 0);
  EXPECT_EQ(sim_.get(0x148), 16384.0 * 2 / 5);
  sim_.advance(1.0);
  EXPECT_EQ(sim_.get(0x149), 2048.0);
  for (int i = 0; i < 10; ++i) {
    sim_.advance(1.0);
  }
  EXPECT_EQ(sim_.get(0x149), sim_.get(0x148));
  for (int i = 0; i < 8; ++i) {
    sim_.apply(0x100DE, 0);
  }
  EXPECT_EQ(sim_.get(0x148), 16384.0);
  sim_.apply(0x1003B, 0);
  EXPECT_EQ(sim_.get(0x148), 0.0);
}

TEST_F(SimulatorTest, AltimeterSettingInSixteenthsKeepsBothUnits) {
  sim_.apply(0x101F8, 16211);
  EXPECT_EQ(sim_.get(0x4B), 1013.1875);
  EXPECT_EQ(sim_.get(0x4C), 29.92);
  sim_.apply(0x1015C, 0);
  EXPECT_EQ(sim_.get(0x4B), 1012.1875);
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

TEST_F(SimulatorTest, TheClockAdvancesAndFsuipcServesItsValues) {
  sim_.advance(3725.0);
  EXPECT_EQ(sim_.get(0x3), 11.0);
  EXPECT_EQ(sim_.get(0x4), 2.0);
  sim_.fsuipc.pushback_state = 0;
  sim_.publish_fsuipc();
  int32_t pushback = -1;
  testhost::platform().fsuipc.peek(0x31F0, &pushback, 4);
  EXPECT_EQ(pushback, 0);
  sim_.apply(0x12345, 0);
  EXPECT_EQ(sim_.unknown_events[0x12345], 1);
}

}  // namespace
}  // namespace corvane::refhost
