// The ECAM message list's ordering, capacity and removal, and the memo slots.
#include "gauges/ecam/ecam_messages.h"

#include <string>
#include <vector>

#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

class EcamMessages : public ModuleTest {
 protected:
  static std::vector<std::string> lines() {
    std::vector<std::string> out;
    for (int i = 0; i < kMessageLines; ++i) {
      if (ecam_message_used[i] != 0) {
        out.push_back(std::string(ecam_messages[i]) + "/" + std::to_string(ecam_message_level[i]));
      }
    }
    return out;
  }
};

TEST_F(EcamMessages, StaySortedByLevelWithEarlierPostsAboveTheirEquals) {
  ecam_post_message("SEAT BELTS", 0, 1);
  ecam_post_message("CONFIG", 2, 1);
  ecam_post_message("HIGH AIRSPEED", 1, 1);
  ecam_post_message("ENGINE 1 FIRE", 3, 1);
  ecam_post_message("NO SMOKING", 0, 1);
  ecam_post_message("ELEC FAILURE", 2, 1);
  ecam_post_message("CONFIG", 3, 1);  // same text: ignored whatever its level
  EXPECT_EQ(lines(), (std::vector<std::string>{"ENGINE 1 FIRE/3", "CONFIG/2", "ELEC FAILURE/2", "HIGH AIRSPEED/1",
                                               "SEAT BELTS/0", "NO SMOKING/0"}));
  ecam_post_message("CONFIG", 0, 0);
  ecam_post_message("NOT THERE", 0, 0);
  EXPECT_EQ(lines(), (std::vector<std::string>{"ENGINE 1 FIRE/3", "ELEC FAILURE/2", "HIGH AIRSPEED/1", "SEAT BELTS/0",
                                               "NO SMOKING/0"}));
  EXPECT_EQ(ecam_message_used[5], 0);
  EXPECT_STREQ(ecam_messages[5], "");
}

TEST_F(EcamMessages, AFullListDropsTheLowestOrTheNewcomer) {
  for (int i = 0; i < 10; ++i) {
    ecam_post_message(("MEMO " + std::to_string(i)).c_str(), 0, 1);
  }
  ecam_post_message("LATE MEMO", 0, 1);
  EXPECT_EQ(lines().size(), 10U);
  EXPECT_EQ(lines().back(), "MEMO 9/0");
  ecam_post_message("WARNING", 3, 1);
  EXPECT_EQ(lines().front(), "WARNING/3");
  EXPECT_EQ(lines().back(), "MEMO 8/0") << "line 9 is lost";
  // A text longer than a line is cut, and still found again for removal.
  ecam_post_message("A VERY LONG MESSAGE TEXT", 3, 1);
  EXPECT_EQ(lines()[1], "A VERY LONG MESSA/3");
  ecam_post_message("A VERY LONG MESSAGE TEXT", 3, 0);
  EXPECT_EQ(lines()[1], "MEMO 0/0");
}

TEST_F(EcamMessages, MemoSlotsHoldTenCharacters) {
  ecam_set_memo("A/P OFF", 0);
  ecam_set_memo("SPEED BRK AND MORE", 3);
  ecam_set_memo("IGNORED", 5);
  ecam_set_memo("IGNORED", -1);
  EXPECT_STREQ(ecam_memo_slots[0], "A/P OFF");
  EXPECT_STREQ(ecam_memo_slots[3], "SPEED BRK ");
  EXPECT_STREQ(ecam_memo_slots[4], "");
  ecam_set_memo("", 0);
  EXPECT_STREQ(ecam_memo_slots[0], "");
}

}  // namespace
}  // namespace corvane::test
