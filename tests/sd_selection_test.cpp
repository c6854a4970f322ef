// The "SD" frame through the test host: the chain of elements and which of
// them each page shows, and the automatic page selection with its rules in
// order, the manual hold, ALL and CLR.
#include "sd_fixture.h"

namespace corvane::test {
namespace {

class SdSelection : public SdTest {
 protected:
  void update() { host().update(sd_); }
  void key(int x, int y) { ASSERT_TRUE(host().click(keys_, x, y)); }
  void taxi(double knots) {
    host().set_var(0x3C, 1.0);
    engine1_running = 1;
    host().set_var(0x227, knots / 0.5926355);
  }
  void airborne(double flaps) {
    host().set_var(0x3C, 0.0);
    host().set_var(0x149, flaps);
  }
  void clock(double t) {
    host().set_var(0x25C, t);
    update();
  }
};

TEST_F(SdSelection, ElementsFormOneChainAndEachShowsOnlyOnItsPage) {
  const std::vector<Element*> all = testhost::TestHost::elements(sd_);
  ASSERT_EQ(all.size(), 75U);
  for (size_t i = 0; i + 1 < all.size(); ++i) {
    EXPECT_TRUE(all[i]->children[0] == all[i + 1] && all[i]->children[1] == nullptr) << i;
  }
  // Page pictures in drawing order: HYD, CRUISE, WHEEL, DOOR/OXY, FUEL, ENG, ELEC, F/CTL.
  const size_t at[] = {1, 6, 13, 27, 31, 43, 56, 66};
  const uint32_t bitmap[] = {0x6170, 0x6160, 0x6140, 0x60C0, 0x60B0, 0x60A0, 0x6090, 0x6020};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(all[at[i]]->bitmap_id, bitmap[i]);
  }
  // Shown per page; the two vibration texts of ENG also show on CRUISE. The
  // display ignores the panel lights (all off here): everything stays lit.
  const int shown_per_page[] = {0, 13, 10, 5, 12, 4, 14, 9, 9};
  for (int page = 0; page <= 8; ++page) {
    sd_page = page;
    host().evaluate(sd_);
    int shown = 0;
    for (size_t i = 1; i < all.size(); ++i) {
      shown += is_hidden(all[i]) ? 0 : 1;
      EXPECT_NE(all[i]->image_flags & kFlagBright, 0U) << i;
    }
    EXPECT_EQ(shown, shown_per_page[page]) << "page " << page;
  }
  EXPECT_FALSE(is_hidden(text_at(171, 21)));
}

TEST_F(SdSelection, FollowsTheFlightFromGateToCruise) {
  parked();
  update();
  EXPECT_EQ(sd_page, 5) << "DOOR/OXY at the gate";
  taxi(59.9);
  update();
  EXPECT_EQ(sd_page, 6) << "WHEEL taxiing";
  taxi(60.0);  // exactly 60 kt once converted
  update();
  EXPECT_EQ(sd_page, 7) << "F/CTL on the take-off run";
  airborne(1.01);
  update();
  EXPECT_EQ(sd_flight_state, 5);
  airborne(1.0);
  update();
  EXPECT_EQ(sd_page, 8) << "CRUISE";
}

TEST_F(SdSelection, RulesApplyInTheirOrder) {
  // Every condition at once; acknowledging or removing them one by one walks
  // down the rules: alerts, doors, gear, start, ground.
  host().set_var(0x3C, 1.0);
  hydraulics_alert = engine_off_alert = fob_low_alert = fuel_tank_low_alert = 1;
  elec_failure_alert = oil_pressure_alert = 1;
  host().set_var(0x365, 0.5);
  host().set_var(0x14D, 8000.0);
  eng_start_state = 1;
  update();
  EXPECT_EQ(sd_page, 3);
  struct Step {
    int* flag;
    int state, page;
  };
  const Step steps[] = {{&hydraulics_alert, 13, 1},    {&engine_off_alert, 9, 4},    {&fob_low_alert, 9, 4},
                        {&fuel_tank_low_alert, 10, 2}, {&elec_failure_alert, 11, 1}, {&oil_pressure_alert, 7, 5}};
  for (const Step& step : steps) {
    *step.flag = 2;
    update();
    EXPECT_EQ(sd_flight_state, step.state);
    EXPECT_EQ(sd_page, step.page);
  }
  host().set_var(0x365, 0.0);
  update();
  EXPECT_EQ(sd_page, 6) << "gear in transit";
  host().set_var(0x14D, 16383.0);  // counts as down
  update();
  EXPECT_EQ(sd_flight_state, 2);
  eng_start_state = 0;
  update();
  EXPECT_EQ(sd_flight_state, 1);

  // A door open while taxiing beats the ground states, not an active alert.
  taxi(10.0);
  host().set_var(0x362, 1.0);
  update();
  EXPECT_EQ(sd_page, 5);
  elec_failure_alert = 1;
  update();
  EXPECT_EQ(sd_page, 2);
}

TEST_F(SdSelection, KeyChoicesLastUntilTheStateChangesAndThroughAnAcknowledgedAlert) {
  parked();
  update();
  key(195, 36);  // FUEL
  update();
  EXPECT_EQ(sd_page, 4);
  EXPECT_EQ(sd_manual_hold, 0);

  hydraulics_alert = 1;
  update();
  EXPECT_EQ(sd_page, 3) << "an alert calls its page over the key's";
  key(141, 56);  // WHEEL acknowledges it
  EXPECT_EQ(sd_manual_hold, 1);
  update();  // state 12 back to 1: held
  update();
  EXPECT_EQ(sd_page, 6);
  EXPECT_EQ(sd_manual_hold, 0);
  taxi(80.0);  // the hold lasted one change only
  update();
  EXPECT_EQ(sd_page, 7);

  // CLR shows the automatic page at the next update without a change.
  key(195, 36);
  key(60, 76);
  update();
  EXPECT_EQ(sd_page, 7);
}

TEST_F(SdSelection, AllStepsOncePerSecondAndWraps) {
  parked();
  clock(100.0);
  clock(100.0);
  key(195, 56);
  clock(100.9);
  EXPECT_EQ(sd_page, 5);
  clock(101.0);
  EXPECT_EQ(sd_page, 6);
  clock(101.5);
  clock(102.0);
  clock(103.0);
  EXPECT_EQ(sd_page, 8);
  clock(104.0);
  EXPECT_EQ(sd_page, 1) << "8 wraps to 1";
  key(195, 56);  // off: stays
  clock(110.0);
  EXPECT_EQ(sd_page, 1);

  key(195, 56);
  taxi(5.0);  // a change of state stops it
  clock(111.0);
  clock(112.0);
  EXPECT_EQ(sd_all_cycling, 0);
  EXPECT_EQ(sd_page, 6);
}

}  // namespace
}  // namespace corvane::test
