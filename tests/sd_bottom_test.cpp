// The "SD Bottom" strip through the test host: signed and zero-padded
// temperatures, the time, and the two weights with their different rounding.
#include "sd_fixture.h"

namespace corvane::test {
namespace {

class SdBottom : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    reset_sd_state();
    strip_ = gauge("SD Bottom");
  }
  std::string text(size_t index) {
    host().evaluate(strip_);
    return host().text(host().element(strip_, index));
  }
  GaugeHeader* strip_ = nullptr;
};

TEST_F(SdBottom, TemperaturesAndTime) {
  host().set_var(0x15E, -5.0 / 256.0);  // TAT arrives divided by 256
  EXPECT_EQ(text(1), "-05");
  host().set_var(0x15E, 12.9 / 256.0);
  EXPECT_EQ(text(1), "+12");
  EXPECT_EQ(text(2), "+00");
  host().set_var(0x320, -120.0);
  EXPECT_EQ(text(2), "-99") << "three characters";
  host().set_var(0x6, 7.0);
  host().set_var(0x7, 5.9);
  EXPECT_EQ(text(3), "07");
  EXPECT_EQ(text(4), "05");
}

TEST_F(SdBottom, WeightsRoundInTheirOwnOrder) {
  fsuipc_weight_word = 256 * 100000;
  fuel_on_board_kg = 5000;
  EXPECT_EQ(text(5), " 45360");
  EXPECT_EQ(text(6), " 50360");
  // 1000.99 lb: ZFW converts the fraction (454.05), GW drops it first (453.6).
  fsuipc_weight_word = 256 * 1000 + 253;
  fuel_on_board_kg = 0;
  EXPECT_EQ(text(5), "   454");
  EXPECT_EQ(text(6), "   453");
  // GW shifts the word as unsigned; both stay within six characters.
  fsuipc_weight_word = -256;
  EXPECT_EQ(text(5), "     0");
  EXPECT_EQ(text(6), "999999");
}

}  // namespace
}  // namespace corvane::test
