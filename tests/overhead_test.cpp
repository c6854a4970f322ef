// The overhead system panels through the test host: anti-ice, electrical,
// fuel pumps and crossfeed, ADIRS position and ELAC 1, panel lighting.
#include <limits>
#include <string>
#include <vector>

#include "gauges/overhead/fuel_hyd.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
const std::vector<std::string> kOneButton = {"Sound\\Button_Press.wav"};
using Events = std::vector<testhost::KeyEvent>;

class Overhead : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    fuel_left_pumps_on = fuel_centre_pumps_on = fuel_right_pumps_on = 1;
    elac1_on = 1;
    host().install(gauge("Autopilot2"));  // loads the sounds
    world().sound.clear_calls();
  }
  double value(GaugeHeader* g, size_t index) { return host().values(host().element(g, index)).value[0]; }
  std::string text(GaugeHeader* g, size_t index) { return host().text(host().element(g, index)); }
};

TEST_F(Overhead, PushButtonsSendTheirToggleAndShowTheSimulator) {
  struct Button {
    const char* gauge;
    int x, y;
    size_t icon;
    uint32_t token, event;
  };
  const std::vector<Button> buttons = {
      {"Heat", 11, 24, 1, 0x389, 0x10321},     {"Heat", 69, 24, 2, 0x373, 0x103B4},
      {"Heat", 98, 24, 3, 0x374, 0x103B5},     {"Heat", 134, 24, 4, 0xD, 0x10142},
      {"AC Elec", 203, 25, 1, 0x16C, 0x102C1}, {"AC Elec", 250, 25, 2, 0x16C, 0x102C1},
      {"AC Elec", 110, 93, 3, 0x235, 0x1033B}, {"AC Elec", 352, 93, 4, 0x23F, 0x1033C},
  };
  for (const Button& b : buttons) {
    GaugeHeader* g = gauge(b.gauge);
    host().clear_events();
    world().sound.clear_calls();
    ASSERT_TRUE(host().click(g, b.x + 8, b.y + 8)) << b.gauge << b.x;
    EXPECT_EQ(host().events(), (Events{{b.event, 0}})) << b.gauge << b.x;
    EXPECT_EQ(world().sound.played(), kOneButton);
    for (double state : {1.0, 0.0}) {
      host().set_var(b.token, state);
      host().cycle(g);
      EXPECT_EQ(value(g, b.icon), state) << b.gauge << b.x;
    }
  }
  EXPECT_FALSE(host().click(gauge("Heat"), 190, 30)) << "cabin pressure buttons are pictures";
}

TEST_F(Overhead, BatteryVoltageWindowsKeepFourCharacters) {
  GaugeHeader* g = gauge("AC Elec");
  for (const auto& [volts, shown] : std::vector<std::pair<double, const char*>>{
           {28.0, "28.0"}, {-9.9, "-9.9"}, {123.4, " 123"}, {-12.3, " -12"}, {10000.0, "----"}, {kNaN, "----"}}) {
    set_vars({{0x2F0, volts}, {0x2F5, 27.5}});
    host().cycle(g);
    EXPECT_EQ(text(g, 5), shown) << volts;
    EXPECT_EQ(text(g, 6), "27.5");
  }
}

TEST_F(Overhead, PumpGroupsSetTheSelectorWithTheCentreFollowingTheWings) {
  GaugeHeader* g = gauge("Fuel Hyd");
  // Start (left, centre, right), group clicked, selector sent, centre after.
  struct Case {
    int left, centre, right, group;
    uint32_t selector;
    int centre_after;
  };
  const std::vector<Case> cases = {
      {1, 1, 1, 0, 3, 0},    {1, 0, 1, 0, 3, 0}, {1, 1, 0, 0, 6, 1}, {1, 0, 0, 0, 6, 1},    {0, 1, 1, 0, 1, 1},
      {0, 0, 1, 0, 0x10, 0}, {0, 1, 0, 0, 2, 0}, {0, 0, 0, 0, 2, 0}, {1, 1, 1, 1, 0x10, 0}, {1, 0, 1, 1, 1, 1},
      {0, 1, 1, 1, 3, 0},    {0, 0, 0, 1, 6, 1}, {1, 1, 0, 1, 2, 0}, {1, 1, 1, 2, 2, 0},    {0, 0, 1, 2, 6, 1},
      {1, 0, 0, 2, 0x10, 0}, {0, 1, 0, 2, 3, 0},
  };
  const int xs[3][2] = {{80, 110}, {220, 290}, {375, 405}};
  for (const Case& c : cases) {
    for (int button = 0; button < 2; ++button) {  // either button of a group
      fuel_left_pumps_on = c.left;
      fuel_centre_pumps_on = c.centre;
      fuel_right_pumps_on = c.right;
      host().clear_events();
      world().sound.clear_calls();
      ASSERT_TRUE(host().click(g, xs[c.group][button], 165));
      const std::string where = std::to_string(c.left * 100 + c.centre * 10 + c.right) + " group " +
                                std::to_string(c.group) + " button " + std::to_string(button);
      EXPECT_EQ(host().events(), (Events{{0x101AA, c.selector}})) << where;
      EXPECT_EQ(fuel_centre_pumps_on, c.centre_after) << where;
      EXPECT_EQ(fuel_left_pumps_on, c.group == 0 ? 1 - c.left : c.left) << where;
      EXPECT_EQ(fuel_right_pumps_on, c.group == 2 ? 1 - c.right : c.right) << where;
      EXPECT_EQ(world().sound.played(), kOneButton);
    }
  }
}

TEST_F(Overhead, PumpLightsShowTheSimulatorsSelectorAndLowTanks) {
  GaugeHeader* g = gauge("Fuel Hyd");
  auto lights = [&](int selector, double left, double centre, double right) {
    set_vars({{0x133, selector}, {0x130, left}, {0x131, centre}, {0x12F, right}});
    host().cycle(g);
    std::vector<double> out;
    for (size_t i = 1; i <= 6; i += 2) {
      EXPECT_EQ(value(g, i), value(g, i + 1)) << "both buttons of a group";
      out.push_back(value(g, i));
    }
    return out;
  };
  using V = std::vector<double>;
  EXPECT_EQ(lights(1, 500, 500, 500), (V{0, 0, 0}));
  EXPECT_EQ(lights(2, 500, 500, 500), (V{0, 1, 1}));
  EXPECT_EQ(lights(3, 500, 500, 500), (V{1, 1, 0}));
  EXPECT_EQ(lights(6, 500, 500, 500), (V{1, 0, 1}));
  EXPECT_EQ(lights(0x10, 500, 500, 500), (V{0, 1, 0}));
  EXPECT_EQ(lights(0xE, 500, 500, 500), (V{1, 1, 1}));
  EXPECT_EQ(lights(2, 226.7, 100, 226.8), (V{2, 3, 1})) << "FAULT below 226.8";
  fuel_left_pumps_on = 0;
  EXPECT_EQ(lights(1, 0, 500, 500), (V{2, 0, 0})) << "the module's own flags play no part";
}

TEST_F(Overhead, CrossfeedOpensFromOneWingTankAndClosesBackToIt) {
  GaugeHeader* g = gauge("Fuel Hyd");
  struct Case {
    int crossfeed, selector;
    Events events;
  };
  for (const Case& c : std::vector<Case>{{0, 2, {{0x10160, 0}, {0x101AA, 0xE}}},
                                         {0, 3, {{0x10161, 0}, {0x101AA, 0xF}}},
                                         {0, 1, {}},
                                         {1, 2, {{0x1015F, 0}, {0x101AA, 2}}},
                                         {1, 3, {{0x1015F, 0}, {0x101AA, 3}}},
                                         {-1, 0xE, {{0x1015F, 0}}}}) {
    set_vars({{0x134, c.crossfeed}, {0x133, c.selector}});
    host().clear_events();
    world().sound.clear_calls();
    host().click(g, 255, 130);
    EXPECT_EQ(host().events(), c.events) << c.crossfeed << " " << c.selector;
    EXPECT_EQ(world().sound.played(), kOneButton);
    host().cycle(g);
    EXPECT_EQ(value(g, 7), c.crossfeed != 0 ? 1.0 : 0.0);
  }
}

TEST_F(Overhead, AdirsPositionTextsStayWithinTenCharacters) {
  GaugeHeader* g = gauge("ADIRS");
  struct Case {
    double latitude, longitude;
    const char* lat_text;
    const char* lon_text;
  };
  for (const Case& c : std::vector<Case>{{0.0, 0.0, " 0.00000 S", " 0.00000 W"},
                                         {45.5, 7.25, "45.50000 N", " 7.25000 E"},
                                         {-5.25, -0.5, "-5.25000 S", "-0.50000 W"},
                                         {-33.875, 151.2, "-33.8750 S", "151.2000 E"},
                                         {-89.999999, -179.9999999, "-90.0000 S", "-180.000 W"}}) {
    set_vars({{0x47, c.latitude * 40007000.0 / 360.0}, {0x48, c.longitude * 281474976710656.0 / 360.0}});
    host().cycle(g);
    EXPECT_EQ(text(g, 1), c.lat_text);
    EXPECT_EQ(text(g, 2), c.lon_text);
    EXPECT_NEAR(value(g, 1), c.latitude, 1e-9);
    EXPECT_NEAR(value(g, 2), c.longitude, 1e-9);
  }
  for (double hostile : {kNaN, kInf, -1e300}) {
    host().set_var(0x47, hostile);
    host().cycle(g);
    EXPECT_EQ(text(g, 1), std::string("-------- ") + (hostile > 0 ? 'N' : 'S'));
  }
}

TEST_F(Overhead, Elac1IsAModuleFlagWithItsOffLight) {
  GaugeHeader* g = gauge("ADIRS");
  host().cycle(g);
  EXPECT_EQ(value(g, 3), 0.0);
  ASSERT_TRUE(host().click(g, 140, 288));
  EXPECT_EQ(elac1_on, 0);
  host().cycle(g);
  EXPECT_EQ(value(g, 3), 1.0);
  elac1_on = 3;
  host().click(g, 140, 288);
  EXPECT_EQ(elac1_on, 0);
  EXPECT_TRUE(host().events().empty());
  EXPECT_TRUE(world().sound.calls().empty());
}

}  // namespace
}  // namespace corvane::test
