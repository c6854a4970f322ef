// The E/WD's text area: message colours, the two checklists and a red
// warning taking the column back, and the memo slots' expiry.
#include "ewd_fixture.h"

namespace corvane::test {
namespace {

class EwdText : public EwdTest {
 protected:
  void SetUp() override {
    EwdTest::SetUp();
    install();
    banner_done = 1;
  }
  Texts column() {
    Texts out;
    for (int line = 0; line < 5; ++line) {
      out.push_back(left(line));
    }
    return out;
  }
  std::vector<uint32_t> colours() {
    std::vector<uint32_t> out;
    for (int line = 0; line < 5; ++line) {
      out.push_back(left_colour(line));
    }
    return out;
  }
  using Colours = std::vector<uint32_t>;
};

TEST_F(EwdText, MessageViewColoursEachLineByItsLevel) {
  ecam_post_message("SEAT BELT", 0, 1);
  ecam_post_message("HIGH AIRSPEED", 1, 1);
  ecam_post_message("CONFIG", 2, 1);
  ecam_post_message("OVERSPEED", 3, 1);
  cycle();
  EXPECT_EQ(column(), (Texts{"OVERSPEED", "CONFIG", "HIGH AIRSPEED", "SEAT BELT", ""}));
  EXPECT_EQ(colours(), (Colours{kRed, kAmber, kYellow, kGreen, kGreen}));
  ecam_message_level[1] = 7;  // an unknown level shows as a memo
  cycle();
  EXPECT_EQ(left_colour(1), kGreen);
}

TEST_F(EwdText, TakeOffChecklistTurnsGreenItemByItemAndYieldsToRed) {
  set({{0x340, 40.0}, {0x22E, 0.9}, {0x2E7, 1.0}, {0x149, flap_thresholds[2]}});
  cycle();
  EXPECT_EQ(ecam_phase, 1);
  EXPECT_EQ(column(),
            (Texts{"TO CHECKLIST", "AUTOBRK......RTO", "FLAPS........TO", "LDG LIGHTS...ON", "SIGNS........ON"}));
  EXPECT_EQ(colours(), (Colours{kWhite, kCyan, kCyan, kCyan, kCyan}));
  set({{0x2E7, 0.0}, {0x149, flap_thresholds[2] + 0.5}, {0xE, 1.0}});
  seat_belt_sign = 1;
  cycle();
  EXPECT_EQ(colours(), (Colours{kWhite, kGreen, kGreen, kGreen, kCyan})) << "both signs are needed";
  no_smoking_sign = 1;
  cycle();
  EXPECT_EQ(left(3) + "|" + left(4), "LDG LIGHTS...ON |SIGNS........ON ");
  EXPECT_EQ(left_colour(4), kGreen);
  host().set_var(0x2E7, 3.0);
  host().set_var(0x149, flap_thresholds[4]);
  cycle();
  EXPECT_EQ(left_colour(1), kCyan) << "only RTO";
  EXPECT_EQ(left_colour(2), kCyan) << "the band is open";

  host().set_var(0x377, 1.0);
  cycle();
  EXPECT_EQ(column()[0], "ENGINE 1 FIRE");
  host().set_var(0x377, 0.0);
  host().set_var(0x15D, 100.0);  // a caution alone leaves the checklist
  cycle();
  EXPECT_EQ(master_caution, 1);
  EXPECT_EQ(left(0), "TO CHECKLIST");
}

TEST_F(EwdText, LandingChecklistFollowsGearFlapsSpoilersAndLights) {
  ecam_phase = 2;
  set({{0x3C, 0.0}, {0x266, 2000.0}});
  cycle();
  EXPECT_EQ(column(),
            (Texts{"LDG CHECKLIST", "GEAR.......DOWN", "FLAPS......LDG", "SPOILERS...ARMED", "LDG LIGHTS.ON"}));
  EXPECT_EQ(colours(), (Colours{kWhite, kCyan, kCyan, kCyan, kCyan}));
  set({{0x14C, 16383}, {0x14D, 16383}, {0x14E, 16383}, {0x149, flap_thresholds[4]}, {0x144, 1}, {0xE, 1}});
  cycle();
  EXPECT_EQ(column(),
            (Texts{"LDG CHECKLIST", "GEAR.......DOWN ", "FLAPS......LDG", "SPOILERS...ARMED ", "LDG LIGHTS.ON "}));
  EXPECT_EQ(colours(), (Colours{kWhite, kGreen, kGreen, kGreen, kGreen}));
  ecam_phase = 3;  // any other view leaves the column as it was
  host().set_var(0x144, 0.0);
  cycle();
  EXPECT_EQ(left(3), "SPOILERS...ARMED ");
}

TEST_F(EwdText, StampedMemosExpireAfterTenSecondsOthersStay) {
  ecam_set_memo("A/P OFF", 0);
  ecam_memo_stamp[0] = 100.0;
  ecam_set_memo("AUTOBK MED", 2);
  ecam_set_memo("SPEED BRK", 3);
  host().set_var(0x25C, 109.99);
  cycle();
  EXPECT_EQ(memo(0), "A/P OFF");
  EXPECT_EQ(colour(14), kYellow);
  host().set_var(0x25C, 110.0);
  cycle();
  EXPECT_EQ(ecam_memo_stamp[0], 0.0);
  EXPECT_EQ(memo(0), "A/P OFF") << "gone at the next refresh";
  cycle();
  EXPECT_EQ(memo(0), "");
  host().set_var(0x25C, 1000.0);
  cycle();
  EXPECT_EQ(memo(2) + "|" + memo(3), "AUTOBK MED|SPEED BRK");
}

}  // namespace
}  // namespace corvane::test
