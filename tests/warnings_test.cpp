// The "Warnings" lights: MASTER WARN's flash cycle and cavalry charge, its
// acknowledgement and lapse, MASTER CAUT's one chime, the stall threshold.
#include "gauges/ecam/warnings.h"

#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane::test {
namespace {

class Warnings : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    master_warning = master_caution = master_warning_ack = caution_chime_done = 0;
    warning_blink_count = warning_ack_count = 0;
    warnings_ = gauge("Warnings");
    warnings_->parameters = nullptr;
    load_all_sounds();
    world().sound.clear_calls();
  }
  size_t played(const std::string& path) {
    size_t n = 0;
    for (const std::string& p : world().sound.played()) {
      n += p == path ? 1 : 0;
    }
    return n;
  }
  // Refreshes the lights: 'W' lit, 'w' dark, '*' lit as the cavalry charge starts.
  std::string refresh(int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
      const size_t before = played(cavalry_);
      host().evaluate(warnings_);
      const bool lit = host().values(host().element(warnings_, 1)).value[0] == 1.0;
      out += played(cavalry_) > before ? (lit ? '*' : '!') : (lit ? 'W' : 'w');
    }
    return out;
  }
  GaugeHeader* warnings_ = nullptr;
  const std::string cavalry_ = "Sound\\Brisvalen_Cavalry_Charge.wav";
  const std::string chime_ = "Sound\\Brisvalen_CHIME.wav";
};

TEST_F(Warnings, WarningFlashesAndRestartsTheChargeEvery18Refreshes) {
  EXPECT_EQ(refresh(3), "www");
  master_warning = 1;
  // Sound at refreshes 1, 19 and 37; the count wraps on the lit 18th.
  EXPECT_EQ(refresh(40), "*WWWWWWWwwwwwwwwwW*WWWWWWWwwwwwwwwwW*WWW");
  master_warning = 0;
  EXPECT_EQ(refresh(1), "w");
  master_warning = 1;
  EXPECT_EQ(refresh(1), "*") << "a new warning starts with the sound";
}

TEST_F(Warnings, AcknowledgementHoldsTheLightSteadyFor361Refreshes) {
  master_warning = 1;
  refresh(1);
  master_warning_ack = 1;
  EXPECT_EQ(refresh(361), std::string(361, 'W'));
  EXPECT_EQ(master_warning_ack, 0) << "lapsed";
  EXPECT_EQ(refresh(2), "*W");
  master_warning_ack = 1;
  refresh(1);
  master_warning = 0;
  refresh(1);
  EXPECT_EQ(master_warning_ack, 0) << "a cleared warning clears its acknowledgement";
}

TEST_F(Warnings, CautionChimesOncePerCaution) {
  master_caution = 1;
  refresh(50);
  EXPECT_EQ(host().values(host().element(warnings_, 2)).value[0], 1.0);
  EXPECT_EQ(played(chime_), 1U);
  master_caution = 0;
  refresh(1);
  EXPECT_EQ(host().values(host().element(warnings_, 2)).value[0], 0.0);
  master_caution = 1;
  refresh(1);
  EXPECT_EQ(played(chime_), 2U);
  EXPECT_EQ(played(cavalry_), 0U);
}

TEST_F(Warnings, StallThresholdIsReadAtInstall) {
  for (const auto& [text, threshold] : std::vector<std::pair<const char*, double>>{{"18000.5", 18000.5},
                                                                                   {" 12000 kg", 12000.0},
                                                                                   {"0.1", static_cast<double>(0.1F)},
                                                                                   {"abc", 25000.0},
                                                                                   {"nan", 25000.0},
                                                                                   {"-inf", 25000.0},
                                                                                   {"1e39", 25000.0},
                                                                                   {nullptr, 25000.0}}) {
    stall_threshold = 1.0;
    warnings_->parameters = nullptr;
    host().install(warnings_, text);
    EXPECT_EQ(stall_threshold, threshold) << (text != nullptr ? text : "none");
  }
  stall_threshold = 7.0;
  host().update(warnings_);
  EXPECT_EQ(stall_threshold, 7.0);
}

}  // namespace
}  // namespace corvane::test
