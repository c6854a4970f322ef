// The overhead panels through the test host: "Lights" (switch events and
// pictures, the landing light memo, the cabin signs), anti-ice, electrical,
// fuel pumps and crossfeed, ADIRS position and ELAC 1.
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "gauges/ecam/ecam_messages.h"
#include "gauges/overhead/fuel_hyd.h"
#include "gauges/overhead/lights.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class Overhead : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    load_sounds();
  }
  GaugeHeader* lights_g() { return gauge("Lights"); }
  // Lights, pre-order: 1 STROBE ... 6, 7 LAND, 8 NOSE, 9 PANEL, 10 DOME, 11 SEAT BELTS, 12 NO SMOKING.
  double image(size_t index) {
    host().cycle(lights_g());
    return value(lights_g(), index);
  }
  static int memo_lines() {
    int found = 0;
    for (int i = 0; i < kMessageLines; ++i) {
      found += ecam_message_used[i] != 0 && ecam_message_level[i] == 0 &&
               std::strcmp(ecam_messages[i], "LDG LIGHTS ON") == 0;
    }
    return found;
  }
  // One click that must send these events with one button sound.
  void expect_click(GaugeHeader* g, int x, int y, const Events& sent) {
    world().sound.clear_calls();
    EXPECT_EQ(clicked(g, x, y), sent) << g->name << " " << x << "," << y;
    EXPECT_EQ(played(), Texts{kButton});
  }
};

TEST_F(Overhead, LightsSwitchesLandingMemoAndCabinSigns) {
  // Switch pixel, its picture and the simulator's light; the events it sends.
  const std::tuple<int, int, size_t, uint32_t, const char*> switches[] = {
      {30, 30, 1, 0xB, "10018"},          {63, 30, 2, 0x170, "102BF"}, {98, 30, 3, 0x26D, "1034A"},
      {132, 30, 4, 0x26B, "1034B 10348"}, {25, 70, 5, 0x26E, "10349"}, {80, 65, 7, 0xE, "100D7"},
      {130, 70, 8, 0x171, "102C0"},       {220, 30, 9, 0xA, "100D6"}};
  for (const auto& [x, y, icon, token, sent] : switches) {
    world().sound.clear_calls();
    EXPECT_EQ(clicks(lights_g(), {{x, y}}), sent);
    EXPECT_EQ(played(), Texts{kClick});
    const double before = image(icon);  // the picture is the simulator's light, not the click
    host().set_var(token, 1.0);
    EXPECT_EQ(str(before, image(icon)), "0 1") << icon;
    host().set_var(token, 0.0);
  }
  EXPECT_EQ(image(10), 0.0) << "DOME is a fixed picture";
  EXPECT_FALSE(host().click(lights_g(), 180, 30)) << "the APU section is painted only";
  host().set_var(0xE, 1.0);  // switched from the keyboard
  image(6);
  image(6);
  EXPECT_EQ(memo_lines(), 1) << "both LAND icons run the rule; posted once";
  host().set_var(0xE, 0.5);
  image(6);
  EXPECT_EQ(memo_lines(), 0) << "any value but 1.0 removes it";
  host().on_event = [](testhost::TestHost& h, const testhost::KeyEvent& e) {
    if (e.id == 0x100D7) {
      h.set_var(0xE, h.var(0xE) == 1.0 ? 0.0 : 1.0);
    }
  };
  host().set_var(0xE, 0.0);
  host().click(lights_g(), 80, 65);
  EXPECT_EQ(image(6), 1.0);
  EXPECT_EQ(memo_lines(), 1);
  host().click(lights_g(), 100, 65);
  EXPECT_EQ(image(7), 0.0);
  EXPECT_EQ(memo_lines(), 0);
  world().sound.clear_calls();
  host().clear_events();
  host().click(lights_g(), 220, 70);
  EXPECT_EQ(seat_belt_sign, 1);
  EXPECT_EQ(played(), (Texts{kButton, kSign}));
  EXPECT_EQ(str(image(11), image(12)), str(1.0, 0.0));
  no_smoking_sign = 7;  // anything but 0 switches off
  host().click(lights_g(), 285, 70);
  EXPECT_EQ(no_smoking_sign, 0);
  host().click(lights_g(), 285, 70);
  EXPECT_EQ(image(12), 1.0);
  host().click(lights_g(), 220, 70);
  EXPECT_EQ(image(11), 0.0);
  EXPECT_TRUE(host().events().empty()) << "the simulator has no cabin signs";
}

TEST_F(Overhead, PushButtonsBatteryWindowsAndFuelPumps) {
  // Gauge, button, its picture and the simulator's variable, the toggle event.
  const std::tuple<const char*, int, int, size_t, uint32_t, uint32_t> buttons[] = {
      {"Heat", 11, 24, 1, 0x389, 0x10321},     {"Heat", 69, 24, 2, 0x373, 0x103B4},
      {"Heat", 98, 24, 3, 0x374, 0x103B5},     {"Heat", 134, 24, 4, 0xD, 0x10142},
      {"AC Elec", 203, 25, 1, 0x16C, 0x102C1}, {"AC Elec", 250, 25, 2, 0x16C, 0x102C1},
      {"AC Elec", 110, 93, 3, 0x235, 0x1033B}, {"AC Elec", 352, 93, 4, 0x23F, 0x1033C},
  };
  for (const auto& [name, x, y, icon, token, event] : buttons) {
    GaugeHeader* g = gauge(name);
    expect_click(g, x + 8, y + 8, {{event, 0}});
    for (double state : {1.0, 0.0}) {
      cycle(g, {{token, state}});
      EXPECT_EQ(value(g, icon), state) << name << x;
    }
  }
  EXPECT_FALSE(host().click(gauge("Heat"), 190, 30)) << "cabin pressure buttons are pictures";
  // Battery voltage windows keep four characters.
  GaugeHeader* g = gauge("AC Elec");
  for (const auto& [volts, shown] : std::vector<std::pair<double, const char*>>{
           {28.0, "28.0"}, {-9.9, "-9.9"}, {123.4, " 123"}, {-12.3, " -12"}, {10000.0, "----"}, {kNaN, "----"}}) {
    cycle(g, {{0x2F0, volts}, {0x2F5, 27.5}});
    EXPECT_EQ(text(g, 5) + "|" + text(g, 6), std::string(shown) + "|27.5") << volts;
  }
  g = gauge("Fuel Hyd");
  // Start (left, centre, right), group clicked, selector sent, centre after.
  const int cases[][6] = {
      {1, 1, 1, 0, 3, 0},    {1, 0, 1, 0, 3, 0}, {1, 1, 0, 0, 6, 1}, {1, 0, 0, 0, 6, 1},    {0, 1, 1, 0, 1, 1},
      {0, 0, 1, 0, 0x10, 0}, {0, 1, 0, 0, 2, 0}, {0, 0, 0, 0, 2, 0}, {1, 1, 1, 1, 0x10, 0}, {1, 0, 1, 1, 1, 1},
      {0, 1, 1, 1, 3, 0},    {0, 0, 0, 1, 6, 1}, {1, 1, 0, 1, 2, 0}, {1, 1, 1, 2, 2, 0},    {0, 0, 1, 2, 6, 1},
      {1, 0, 0, 2, 0x10, 0}, {0, 1, 0, 2, 3, 0},
  };
  const int xs[3][2] = {{80, 110}, {220, 290}, {375, 405}};
  for (const auto& c : cases) {
    for (int button = 0; button < 2; ++button) {  // either button of a group
      fuel_left_pumps_on = c[0];
      fuel_centre_pumps_on = c[1];
      fuel_right_pumps_on = c[2];
      expect_click(g, xs[c[3]][button], 165, {{0x101AA, static_cast<uint32_t>(c[4])}});
      const int after[3] = {c[3] == 0 ? 1 - c[0] : c[0], c[5], c[3] == 2 ? 1 - c[2] : c[2]};
      EXPECT_EQ((std::vector<int>{fuel_left_pumps_on, fuel_centre_pumps_on, fuel_right_pumps_on}),
                std::vector<int>(after, after + 3))
          << c[0] << c[1] << c[2] << " group " << c[3] << " button " << button;
    }
  }
  auto lights = [&](int selector, double left, double centre, double right) {
    cycle(g, {{0x133, selector}, {0x130, left}, {0x131, centre}, {0x12F, right}});
    std::vector<double> out;
    for (size_t i = 1; i <= 6; i += 2) {
      EXPECT_EQ(value(g, i), value(g, i + 1)) << "both buttons of a group";
      out.push_back(value(g, i));
    }
    return out;
  };
  using V = std::vector<double>;
  const std::pair<int, V> selectors[] = {{1, {0, 0, 0}}, {2, {0, 1, 1}},    {3, {1, 1, 0}},
                                         {6, {1, 0, 1}}, {0x10, {0, 1, 0}}, {0xE, {1, 1, 1}}};
  for (const auto& [selector, shown] : selectors) {
    EXPECT_EQ(lights(selector, 500, 500, 500), shown) << selector;
  }
  EXPECT_EQ(lights(2, 226.7, 100, 226.8), (V{2, 3, 1})) << "FAULT below 226.8";
  fuel_left_pumps_on = 0;
  EXPECT_EQ(lights(1, 0, 500, 500), (V{2, 0, 0})) << "the module's own flags play no part";
}

TEST_F(Overhead, CrossfeedAndAdirsPositionTextsAndElac1) {
  GaugeHeader* g = gauge("Fuel Hyd");
  const std::tuple<int, int, const char*> presses[] = {
      {0, 2, "10160 101AA:E"}, {0, 3, "10161 101AA:F"}, {0, 1, ""},
      {1, 2, "1015F 101AA:2"}, {1, 3, "1015F 101AA:3"}, {-1, 0xE, "1015F"}};
  for (const auto& [crossfeed, selector, sent] : presses) {
    set_vars({{0x134, crossfeed}, {0x133, selector}});
    world().sound.clear_calls();
    EXPECT_EQ(clicks(g, {{255, 130}}), sent);
    cycle(g);
    EXPECT_EQ(str(played(kButton), value(g, 7)), str(1, crossfeed != 0)) << "one button sound; the valve's light";
  }
  g = gauge("ADIRS");
  for (const auto& [latitude, longitude, shown] : {std::tuple{0.0, 0.0, " 0.00000 S| 0.00000 W"},
                                                   {45.5, 7.25, "45.50000 N| 7.25000 E"},
                                                   {-5.25, -0.5, "-5.25000 S|-0.50000 W"},
                                                   {-33.875, 151.2, "-33.8750 S|151.2000 E"},
                                                   {-89.999999, -179.9999999, "-90.0000 S|-180.000 W"}}) {
    cycle(g, {{0x47, latitude * 40007000.0 / 360.0}, {0x48, longitude * 281474976710656.0 / 360.0}});
    EXPECT_EQ(text(g, 1) + "|" + text(g, 2), shown);
    EXPECT_EQ(str(value(g, 1), value(g, 2)), str(latitude, longitude));
  }
  for (double hostile : {kNaN, std::numeric_limits<double>::infinity(), -1e300}) {
    cycle(g, {{0x47, hostile}});
    EXPECT_EQ(text(g, 1), std::string("-------- ") + (hostile > 0 ? 'N' : 'S'));
  }
  EXPECT_EQ(value(g, 3), 0.0);
  world().sound.clear_calls();
  EXPECT_EQ(clicks(g, {{140, 288}}), "");
  cycle(g);
  EXPECT_EQ(str(elac1_on, value(g, 3)), "0 1");
  elac1_on = 3;
  EXPECT_EQ(clicks(g, {{140, 288}}), "") << "no event";
  EXPECT_EQ(str(elac1_on, world().sound.calls().size()), "0 0") << "no sound";
}

}  // namespace
}  // namespace corvane::test
