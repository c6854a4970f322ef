// The eight "SD" pages through the test host: texts, colours and thresholds,
// the bounded forms of texts that would outgrow their fields, and the fuel
// alerts.
#include "sd_fixture.h"

namespace corvane::test {
namespace {

constexpr uint32_t kGreen = 0x40FF40;
constexpr uint32_t kAmber = 0x3287FF;
constexpr uint32_t kRed = 0x1E1EFF;
constexpr uint32_t kYellow = 0x00FFFF;

class SdPages : public SdTest {
 protected:
  std::string show(uint32_t token, double v, int x, int y) {
    host().set_var(token, v);
    cycle();
    return text(x, y);
  }
  double icon(uint32_t bitmap, int x, int y) { return value(find(bitmap, x, y)); }
};

TEST_F(SdPages, EngAndElecTextsStayWithinFourCharacters) {
  EXPECT_EQ(show(0x95, 8192.0, 38, 28), "10.0");
  EXPECT_EQ(show(0x23C, 39999.0, 98, 67), "099") << "truncated";
  EXPECT_EQ(show(0x282, 9.99, 140, 21), "9.99");
  EXPECT_EQ(show(0x282, 12.34, 140, 21), "12.3");
  EXPECT_EQ(show(0x282, 1e300, 140, 21), "9999");

  EXPECT_EQ(show(0x2F0, 0.0, 45, 17), "XX");
  EXPECT_EQ(colour(45, 17), kAmber);
  EXPECT_EQ(show(0x2F0, 0.04, 45, 17), " 0.0");
  EXPECT_EQ(colour(45, 17), kGreen);
  EXPECT_EQ(show(0x2F2, 99.9, 19, 61), "99.9");
  EXPECT_EQ(show(0x2F2, 150.6, 19, 61), " 151") << "MAIN BUS current of 100 A and more";

  host().set_var(0x2EF, -15.0);
  cycle();
  EXPECT_EQ(icon(0x6070, 88, 15), 1.0) << "exactly -15 A is no DISCH";
  host().set_var(0x2EF, -15.1);
  cycle();
  EXPECT_EQ(icon(0x6070, 88, 15), 0.0);

  EXPECT_EQ(show(0x2DE, 30.0, 87, 47), "0030");
  host().set_var(0x2DD, 0.8);
  cycle();
  EXPECT_DOUBLE_EQ(value(find(0x6180, 8, 90), 1), -80.0);
}

TEST_F(SdPages, FittedTextsKeepTheirDecimalsUntilTheTextOutgrowsItsField) {
  struct Case {
    uint32_t token;
    int x, y;
    double v;
    const char* text;
  };
  // ELEC "%4.1f", vibration "%4.2f", pitch trim (v x 50) "%3.1fUP"/"DN".
  for (const Case& c : std::vector<Case>{{0x2F2, 19, 61, 99.949, "99.9"},
                                         {0x2F2, 19, 61, 99.95, " 100"},
                                         {0x2F2, 19, 61, -9.949, "-9.9"},
                                         {0x2F2, 19, 61, -9.951, " -10"},
                                         {0x282, 140, 21, 9.9949, "9.99"},
                                         {0x282, 140, 21, 9.9951, "10.0"},
                                         {0x30F, 81, 41, 9.945 / 50.0, "9.9UP"},
                                         {0x30F, 81, 41, -9.945 / 50.0, "9.9DN"},
                                         {0x30F, 81, 41, 9.951 / 50.0, " 10UP"}}) {
    EXPECT_EQ(show(c.token, c.v, c.x, c.y), c.text) << c.v;
  }
}

TEST_F(SdPages, TankQuantitiesAndTheTankLowAlert) {
  // kg = level / 8388607 x capacity x 3.04; only tank 1 exists.
  host().set_var(0x126, 1000.0);
  EXPECT_EQ(show(0x125, 8388607.0 / 2.0, 6, 61), "01520");
  EXPECT_EQ(colour(6, 61), kYellow);
  EXPECT_EQ(text(44, 62), "XXXXX");
  EXPECT_EQ(colour(44, 62), kAmber);
  EXPECT_EQ(fuel_tank_low_alert, 0) << "absent tanks never raise it";

  EXPECT_EQ(show(0x125, 8388607.0 * 0.16, 6, 61), "00486");
  EXPECT_EQ(colour(6, 61), kRed);
  EXPECT_EQ(fuel_tank_low_alert, 1);
  fuel_tank_low_alert = 2;
  cycle();
  EXPECT_EQ(fuel_tank_low_alert, 2) << "acknowledged stays acknowledged";
  fuel_tank_low_alert = 0;
  sd_page = 8;
  cycle();
  EXPECT_EQ(fuel_tank_low_alert, 1) << "raised on any page";
}

TEST_F(SdPages, FuelOnBoardThresholdsAndAlert) {
  // Gallons x 3.04 gives kilograms.
  host().set_var(0x130, 300.0);
  EXPECT_EQ(show(0x12F, 30.0, 77, 17), "001003");
  EXPECT_EQ(colour(77, 17), kAmber);
  EXPECT_EQ(fob_low_alert, 0);
  EXPECT_EQ(show(0x12F, 28.0, 77, 17), "000997");
  EXPECT_EQ(colour(77, 17), kRed);
  EXPECT_EQ(fob_low_alert, 1);
  fob_low_alert = 2;
  cycle();
  EXPECT_EQ(fob_low_alert, 1) << "the acknowledgement does not hold";
  EXPECT_EQ(show(0x12F, 687.0, 77, 17), "003000");
  EXPECT_EQ(colour(77, 17), kGreen);
  EXPECT_EQ(show(0x12F, 686.0, 77, 17), "002997");
  EXPECT_EQ(colour(77, 17), kAmber);
}

TEST_F(SdPages, ValvesAndDoors) {
  // Selector value: left, right, both centre valves open.
  const double cases[][4] = {{1, 1, 1, 1}, {16, 1, 1, 0}, {2, 1, 0, 0}, {3, 0, 1, 0}, {6, 0, 0, 1}, {0, 0, 0, 0}};
  for (const auto& c : cases) {
    host().set_var(0x133, c[0]);
    cycle();
    EXPECT_EQ(icon(0x60E0, 37, 11), c[1]) << c[0];
    EXPECT_EQ(icon(0x60E0, 152, 11), c[2]) << c[0];
    EXPECT_EQ(icon(0x60E0, 83, 43) + icon(0x60E0, 106, 43), 2 * c[3]) << c[0];
  }
  set_vars({{0x134, 1.0}, {0x365, 0.01}});
  cycle();
  EXPECT_EQ(icon(0x60F0, 94, 32), 1.0);
  EXPECT_EQ(icon(0x6190, 116, 24), 1.0);
  EXPECT_EQ(icon(0x60D0, 43, 24), 0.0);
}

TEST_F(SdPages, WheelGroundSpeedBrakesAndGear) {
  EXPECT_EQ(show(0x227, 100.0, 161, 3), "---") << "airborne";
  EXPECT_EQ(colour(161, 3), 0xFFFFFFU);
  host().set_var(0x3C, 1.0);
  EXPECT_EQ(show(0x227, 50.0, 161, 3), "029");
  EXPECT_EQ(colour(161, 3), kGreen);
  EXPECT_EQ(show(0x227, 52.0, 161, 3), "030");
  EXPECT_EQ(colour(161, 3), kAmber) << "30.8 kt is above 30";

  host().set_var(0x141, 32767.0);
  EXPECT_EQ(show(0x140, 327.67, 19, 88), "017") << "1 %: 2 + 15";
  EXPECT_EQ(text(159, 88), "215");
  EXPECT_EQ(icon(0x6150, 40, 100), 1.0);
  EXPECT_EQ(show(0x140, 327.0, 50, 88), "016") << "2 x 0.998 % truncated";
  EXPECT_EQ(icon(0x6150, 40, 100), 0.0) << "released below 1 %";
  host().set_var(0x143, 1.0);
  cycle();
  for (int x : {19, 50, 130, 159}) {
    EXPECT_EQ(text(x, 88), "---") << x;
  }

  // Position, then triangle and door images; k = position / 2730 truncated.
  const double cases[][3] = {{0, 0, 0},     {2730, 0, 1},  {5460, 0, 2},  {9000, 1, 2},
                             {10920, 2, 2}, {13650, 2, 1}, {16384, 2, 0}, {19110, 0, 2}};
  for (const auto& c : cases) {
    host().set_var(0x14E, c[0]);
    cycle();
    EXPECT_EQ(icon(0x6100, 136, 49), c[1]) << c[0];
    EXPECT_EQ(icon(0x6130, 133, 39), c[2]) << c[0];
  }
}

TEST_F(SdPages, FlightControls) {
  set_vars({{0x30E, -1.0}, {0x310, 0.2}});
  cycle();
  EXPECT_DOUBLE_EQ(value(find(0x6030, 47, 102), 1), 0.45) << "limited";
  EXPECT_DOUBLE_EQ(value(find(0x6030, 37, 52), 1), -0.2);

  EXPECT_EQ(show(0x30F, -0.1, 81, 41), "5.0DN");
  EXPECT_EQ(show(0x30F, -0.0, 81, 41), "0.0UP");
  EXPECT_EQ(show(0x30F, 0.3, 81, 41), " 15UP") << "10.0 and more in whole units";

  set_vars({{0x312, -0.3}, {0x146, 8192.0}, {0x147, 16384.0}});
  cycle();
  EXPECT_DOUBLE_EQ(value(find(0x6040, 99, 56)), -30.0);
  EXPECT_DOUBLE_EQ(value(find(0x6050, 33, 7), 1), 0.5);
  EXPECT_DOUBLE_EQ(value(find(0x6060, 33, 7), 1), 1.0);
  EXPECT_DOUBLE_EQ(value(find(0x6060, 33, 7), 0), 66.0);
}

TEST_F(SdPages, CruiseEngineAndCabinValues) {
  fuel_used_kg[0] = 123.9;
  fuel_used_kg[1] = 50000.0;
  engine1_running = 1;
  cycle();
  EXPECT_EQ(text(13, 20), "0123");
  EXPECT_EQ(colour(13, 20), kGreen);
  EXPECT_EQ(text(87, 20), "XX");
  EXPECT_EQ(colour(87, 20), kAmber);
  engine2_running = 1;
  cycle();
  EXPECT_EQ(text(87, 20), "9999");

  EXPECT_EQ(show(0x4A, 41000.0, 150, 123), "8000");
  EXPECT_EQ(show(0x4A, 16500.0, 150, 123), "4000");
  host().set_var(0x14C, 1.0);
  EXPECT_EQ(show(0x4A, 5000.0, 150, 123), "5000") << "a gear out: the aircraft's altitude";
  EXPECT_EQ(show(0x4A, 12000.0, 150, 123), "9999") << "bounded to four characters";

  EXPECT_EQ(show(0x41, 0.0, 143, 101), "+0000");
  EXPECT_EQ(show(0x41, -4125.0, 143, 101), "-1000");
}

}  // namespace
}  // namespace corvane::test
