// "SD": the system display. One screen, eight pages; the gauge callback picks
// the page from the flight state and the ECAM alert flags, and steps through
// the pages once a second while ALL is on. Every element is chained as the
// only child of the one before it, and each one hides only itself when its
// page is not shown.
#include "gauges/ecam/sd.h"

#include <cmath>

#include "gauges/ecam/sd_internal.h"
#include "host/services.h"
#include "module/elements.h"
#include "module/fitted_number.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/numeric.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"

namespace corvane {

int sd_prev_flight_state = 0;
double sd_cycle_time = 0.0;

namespace sd {

bool show_on(Element* element, int page) {
  const bool shown = sd_page == page;
  set_hidden(element, !shown);
  return shown;
}

void write_four_chars(Element* element, double value, int decimals) {
  if (std::isnan(value)) {
    value = 0.0;
  }
  // Adding 0.0 turns -0.0 into 0.0, which would otherwise print a sign.
  value += 0.0;
  char text[5];
  if (format_fitted(text, 4, decimals, value)) {
    write_text(element, "%s", text);
  } else {
    write_text(element, "%4d", clamp_int(trunc_int(std::round(value)), -999, 9999));
  }
}

namespace {

struct PagePicture {
  uint32_t bitmap;
  int page;
};

constexpr PagePicture kPictures[] = {
    {0x60A0, kPageEng},
    {0x6090, kPageElec},
    {0x6170, kPageHyd},
    {0x60B0, kPageFuel},
    {0x60C0, kPageDoor},
    {0x6140, kPageWheel},
    {0x6020, kPageFlightControls},
    {0x6160, kPageCruise},
};

}  // namespace

double CORVANE_CALL page_picture(Element* element) {
  for (const PagePicture& picture : kPictures) {
    if (picture.bitmap == element->bitmap_id) {
      show_on(element, picture.page);
      return 0.0;
    }
  }
  set_hidden(element, true);
  return 0.0;
}

}  // namespace sd

namespace {

using namespace sd;

constexpr int kChainLength = 75;
// Bright in the records: the display is lit whatever the panel lights do.
constexpr uint32_t kLit = 0x7;
constexpr uint32_t kRudderFlags = 0x4007;
constexpr uint32_t kNeedleBitmap = 0x5530;
constexpr uint32_t kMaxTurnRate = 3;

}  // namespace

namespace sd {
// links[i] is the child list of element i: the element drawn after it.
extern Element* links[kChainLength][2];
}  // namespace sd

namespace {

constexpr Element node(uint32_t kind, uint32_t bitmap, Place at, int index, uint32_t flags = kLit, Place offset = {}) {
  return element_header(kind, bitmap, at, &gauge_sd, index + 1 < kChainLength ? sd::links[index] : nullptr, kFailures14,
                        flags, offset);
}

constexpr IconElement picture(uint32_t bitmap, int index) {
  return make_icon(node(kKindIcon, bitmap, {0, 0}, index), 1, entry<page_picture>);
}

constexpr StringElement text(Place at, int index, int width, uint32_t chars, uint32_t colour,
                             Entry<ElementCallback> callback, uint32_t t1 = 0, uint32_t t2 = 0, uint32_t t3 = 0) {
  return make_string(
      node(kKindString, kNoBitmap, at, index, kLit),
      StringSpec{{t1, t2, t3}, width, 11, colour, 0x000000, 0x5A5A5A, "Lucida Console", 400, 0x25, chars, callback});
}

constexpr IconElement icon(uint32_t bitmap, Place at, int index, uint32_t images, Entry<ElementCallback> callback,
                           uint32_t token) {
  return make_icon(node(kKindIcon, bitmap, at, index), images, callback, token);
}

constexpr NeedleElement needle(Place at, int index, uint32_t token, const NeedlePoint* points,
                               Entry<ElementCallback> callback) {
  return make_needle(node(kKindNeedle, kNeedleBitmap, at, index, kLit, {0, 1}),
                     NeedleSpec{token, points, 3, kMaxTurnRate, callback});
}

constexpr SliderElement slider(uint32_t bitmap, Place at, int index, uint32_t token, double scale,
                               Entry<ElementCallback> callback) {
  return make_slider(node(kKindSlider, bitmap, at, index), SliderSpec{0, 0.0, token, scale, {}, callback});
}

// The needle tables of the ENG dials, left engine then right.
const NeedlePoint oil_quantity1[] = {needle_point(23, 36, 0.0), needle_point(23, 8, 10.0), needle_point(51, 8, 20.0)};
const NeedlePoint oil_quantity2[] = {needle_point(85, 36, 0.0), needle_point(85, 8, 10.0), needle_point(113, 8, 20.0)};
const NeedlePoint oil_pressure1[] = {needle_point(23, 74, 0.0), needle_point(23, 46, 50.0),
                                     needle_point(51, 46, 100.0)};
const NeedlePoint oil_pressure2[] = {needle_point(85, 75, 0.0), needle_point(85, 46, 50.0),
                                     needle_point(113, 46, 100.0)};
const NeedlePoint n2_1[] = {needle_point(23, 129, 0.0), needle_point(23, 101, 50.0), needle_point(51, 101, 100.0)};
const NeedlePoint n2_2[] = {needle_point(85, 130, 0.0), needle_point(85, 101, 50.0), needle_point(113, 101, 100.0)};
const NeedlePoint rudder_points[] = {needle_point(86, 68, -52.0), needle_point(98, 72, 0.0),
                                     needle_point(110, 68, 52.0)};

StaticElement background = make_static(0x6000, {0, 0}, &gauge_sd, sd::links[0], nullptr, 0x5);

// HYD
IconElement hyd_picture = picture(0x6170, 1);
StringElement hyd_blue = text({8, 47}, 2, 24, 4, kGreen, entry<hyd_pressure_text>, 0x2DC);
StringElement hyd_green = text({87, 47}, 3, 28, 4, kGreen, entry<hyd_pressure_text>, 0x2DE);
SliderElement hyd_blue_level = slider(0x6180, {8, 90}, 4, 0x2DD, 0.45, entry<hyd_quantity_slider>);
SliderElement hyd_green_level = slider(0x6180, {90, 90}, 5, 0x2DF, 0.45, entry<hyd_quantity_slider>);

// CRUISE
IconElement cruise_picture = picture(0x6160, 6);
StringElement cruise_used1 = text({13, 20}, 7, 28, 4, kGreen, entry<cruise_fuel_used1_text>);
StringElement cruise_used2 = text({87, 20}, 8, 28, 4, kGreen, entry<cruise_fuel_used2_text>);
StringElement cruise_oil1 = text({27, 51}, 9, 14, 2, kGreen, entry<cruise_oil_text>, 0x95);
StringElement cruise_oil2 = text({87, 51}, 10, 14, 2, kGreen, entry<cruise_oil_text>, 0xB8);
StringElement cruise_cabin_altitude = text({150, 123}, 11, 28, 4, kGreen, entry<cruise_cabin_altitude_text>);
StringElement cruise_cabin_vs = text({143, 101}, 12, 35, 5, kGreen, entry<cruise_cabin_vs_text>, 0x41);

// WHEEL
IconElement wheel_picture = picture(0x6140, 13);
StringElement wheel_ground_speed = text({161, 3}, 14, 21, 3, kGreen, entry<wheel_ground_speed_text>, 0x227);
StringElement wheel_brake1 = text({19, 88}, 15, 21, 3, kGreen, entry<wheel_brake_text>, 0x140);
StringElement wheel_brake2 = text({50, 88}, 16, 21, 3, kGreen, entry<wheel_brake_text>, 0x140);
StringElement wheel_brake3 = text({130, 88}, 17, 21, 3, kGreen, entry<wheel_brake_text>, 0x141);
StringElement wheel_brake4 = text({159, 88}, 18, 21, 3, kGreen, entry<wheel_brake_text>, 0x141);
IconElement wheel_release_left = icon(0x6150, {40, 100}, 19, 2, entry<wheel_release_icon>, 0x140);
IconElement wheel_release_right = icon(0x6150, {149, 100}, 20, 2, entry<wheel_release_icon>, 0x141);
IconElement wheel_gear_nose = icon(0x6100, {83, 21}, 21, 3, entry<wheel_gear_icon>, 0x14C);
IconElement wheel_gear_left = icon(0x6100, {30, 49}, 22, 3, entry<wheel_gear_icon>, 0x14D);
IconElement wheel_gear_right = icon(0x6100, {136, 49}, 23, 3, entry<wheel_gear_icon>, 0x14E);
IconElement wheel_door_nose = icon(0x6110, {80, 11}, 24, 3, entry<wheel_gear_door_icon>, 0x14C);
IconElement wheel_door_left = icon(0x6120, {24, 39}, 25, 3, entry<wheel_gear_door_icon>, 0x14D);
IconElement wheel_door_right = icon(0x6130, {133, 39}, 26, 3, entry<wheel_gear_door_icon>, 0x14E);

// DOOR/OXY
IconElement door_picture = picture(0x60C0, 27);
IconElement door_cabin = icon(0x60D0, {43, 24}, 28, 2, entry<door_icon>, 0x364);
IconElement door_mark = icon(0x6190, {116, 24}, 29, 2, entry<door_icon>, 0x365);
IconElement door_cargo = icon(0x61A0, {94, 117}, 30, 2, entry<door_icon>, 0x362);

// FUEL
IconElement fuel_picture = picture(0x60B0, 31);
StringElement fuel_on_board = text({77, 17}, 32, 41, 6, kGreen, entry<fuel_on_board_text>, 0x12F, 0x130, 0x131);
StringElement fuel_tank1 = text({6, 61}, 33, 34, 5, kAmber, entry<fuel_tank_text>, 0x125, 0x126);
StringElement fuel_tank2 = text({44, 62}, 34, 34, 5, kAmber, entry<fuel_tank_text>, 0x123, 0x124);
StringElement fuel_tank3 = text({81, 62}, 35, 34, 5, kAmber, entry<fuel_tank_text>, 0x121, 0x122);
StringElement fuel_tank4 = text({118, 62}, 36, 34, 5, kAmber, entry<fuel_tank_text>, 0x129, 0x12A);
StringElement fuel_tank5 = text({156, 61}, 37, 34, 5, kAmber, entry<fuel_tank_text>, 0x12B, 0x12C);
IconElement fuel_valve_left = icon(0x60E0, {37, 11}, 38, 2, entry<fuel_left_valve>, 0x133);
IconElement fuel_valve_right = icon(0x60E0, {152, 11}, 39, 2, entry<fuel_right_valve>, 0x133);
IconElement fuel_valve_centre1 = icon(0x60E0, {83, 43}, 40, 2, entry<fuel_centre_valve>, 0x133);
IconElement fuel_valve_centre2 = icon(0x60E0, {106, 43}, 41, 2, entry<fuel_centre_valve>, 0x133);
IconElement fuel_crossfeed = icon(0x60F0, {94, 32}, 42, 2, entry<fuel_crossfeed_icon>, 0x134);

// ENG
IconElement eng_picture = picture(0x60A0, 43);
NeedleElement eng_oil_quantity1 = needle({38, 22}, 44, 0x95, oil_quantity1, entry<eng_oil_quantity_needle>);
NeedleElement eng_oil_quantity2 = needle({99, 22}, 45, 0xB8, oil_quantity2, entry<eng_oil_quantity_needle>);
StringElement eng_oil_quantity_text1 = text({38, 28}, 46, 28, 4, kGreen, entry<eng_oil_quantity_text>, 0x95);
StringElement eng_oil_quantity_text2 = text({99, 28}, 47, 28, 4, kGreen, entry<eng_oil_quantity_text>, 0xB8);
NeedleElement eng_oil_pressure1 = needle({38, 60}, 48, 0x232, oil_pressure1, entry<eng_oil_pressure_needle>);
NeedleElement eng_oil_pressure2 = needle({99, 60}, 49, 0x23C, oil_pressure2, entry<eng_oil_pressure_needle>);
StringElement eng_oil_pressure_text1 = text({37, 67}, 50, 28, 4, kGreen, entry<eng_oil_pressure_text>, 0x232);
StringElement eng_oil_pressure_text2 = text({98, 67}, 51, 28, 4, kGreen, entry<eng_oil_pressure_text>, 0x23C);
NeedleElement eng_n2_1 = needle({38, 115}, 52, 0x271, n2_1, entry<eng_n2_needle>);
NeedleElement eng_n2_2 = needle({99, 115}, 53, 0x284, n2_2, entry<eng_n2_needle>);
StringElement eng_vibration1 = text({140, 21}, 54, 28, 4, kGreen, entry<eng_vibration_text>, 0x282);
StringElement eng_vibration2 = text({171, 21}, 55, 28, 4, kGreen, entry<eng_vibration_text>, 0x295);

// ELEC
IconElement elec_picture = picture(0x6090, 56);
IconElement elec_load = icon(0x6070, {88, 15}, 57, 2, entry<elec_load_icon>, 0x2EF);
StringElement elec_batt1 = text({45, 17}, 58, 28, 4, kWhite, entry<elec_value_text>, 0x2F0);
StringElement elec_batt2 = text({118, 17}, 59, 28, 4, kWhite, entry<elec_value_text>, 0x2F5);
StringElement elec_main_volts = text({19, 53}, 60, 28, 4, kWhite, entry<elec_value_text>, 0x2F1);
StringElement elec_main_amps = text({19, 61}, 61, 28, 4, kWhite, entry<elec_value_text>, 0x2F2);
StringElement elec_avionics = text({82, 56}, 62, 28, 4, kWhite, entry<elec_value_text>, 0x2F3);
StringElement elec_batt_bus = text({147, 56}, 63, 28, 4, kWhite, entry<elec_value_text>, 0x2F7);
StringElement elec_gen1 = text({45, 94}, 64, 28, 4, kWhite, entry<elec_value_text>, 0x2F9);
StringElement elec_gen2 = text({118, 94}, 65, 28, 4, kWhite, entry<elec_value_text>, 0x2FB);

// F/CTL
IconElement fctl_picture = picture(0x6020, 66);
SliderElement fctl_left_elevator = slider(0x6030, {47, 102}, 67, 0x30E, 40.0, entry<fctl_surface_slider>);
SliderElement fctl_right_elevator = slider(0x6030, {142, 102}, 68, 0x30E, 40.0, entry<fctl_surface_slider>);
SliderElement fctl_left_aileron = slider(0x6030, {37, 52}, 69, 0x310, -40.0, entry<fctl_surface_slider>);
SliderElement fctl_right_aileron = slider(0x6030, {152, 52}, 70, 0x310, 40.0, entry<fctl_surface_slider>);
StringElement fctl_pitch_trim = text({81, 41}, 71, 36, 5, kGreen, entry<fctl_pitch_trim_text>, 0x30F);
NeedleElement fctl_rudder = make_needle(node(kKindNeedle, 0x6040, {99, 56}, 72, kRudderFlags, {2, 5}),
                                        NeedleSpec{0x312, rudder_points, 3, 0, entry<fctl_rudder_needle>});
MovingElement fctl_left_spoilers = make_moving(node(kKindMoving, 0x6050, {33, 7}, 73),
                                               MovingSpec{0, 0.0, 0.0, 0x146, 0.0, 1.0, {}, entry<fctl_spoiler_y>});
MovingElement fctl_right_spoilers =
    make_moving(node(kKindMoving, 0x6060, {33, 7}, 74),
                MovingSpec{0, 0.0, 66.0, 0x147, 0.0, 1.0, entry<fctl_right_spoiler_x>, entry<fctl_spoiler_y>});

Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(), end_area()};

// The automatic states, 1 to 13, and the page each one calls.
constexpr int kStatePage[] = {0,           kPageDoor, kPageEng,   kPageWheel, kPageFlightControls, kPageFlightControls,
                              kPageCruise, kPageDoor, kPageWheel, kPageFuel,  kPageElec,           kPageEng,
                              kPageHyd,    kPageEng};
constexpr int kLastState = 13;
constexpr double kKnotsPerUnit = 0.5926355;
constexpr double kGearDown = 16383.0;

int find_flight_state() {
  if (hydraulics_alert == 1) {
    return 12;
  }
  if (engine_off_alert == 1) {
    return 13;
  }
  if (fob_low_alert == 1 || fuel_tank_low_alert == 1) {
    return 9;
  }
  if (elec_failure_alert == 1) {
    return 10;
  }
  if (oil_pressure_alert == 1) {
    return 11;
  }
  if (sim_value(SV_364) > 0.0 || sim_value(SV_365) > 0.0 || sim_value(SV_362) > 0.0) {
    return 7;
  }
  constexpr SimVar kGear[] = {SV_14C, SV_14D, SV_14E};
  for (SimVar gear : kGear) {
    const double position = sim_value(gear);
    if (position > 0.0 && position < kGearDown) {
      return 8;
    }
  }
  if (eng_start_state != 0) {
    return 2;
  }
  const bool on_ground = sim_value(SV_3C) != 0.0;
  if (on_ground) {
    if (engine1_running == 0 && engine2_running == 0) {
      return 1;
    }
    return sim_value(SV_227_ECAM) * kKnotsPerUnit < 60.0 ? 3 : 4;
  }
  return sim_value(SV_149) > 1.0 ? 5 : 6;
}

void select_page() {
  constexpr SimVar kRefreshed[] = {SV_3C,  SV_364,      SV_365, SV_362, SV_14C, SV_14D,
                                   SV_14E, SV_227_ECAM, SV_270, SV_283, SV_149};
  for (SimVar var : kRefreshed) {
    read_sim(var);
  }
  const bool first_pass = sd_flight_state == 0;
  sd_flight_state = find_flight_state();

  if (sd_flight_state != sd_prev_flight_state || first_pass) {
    if (sd_manual_hold != 0) {
      // The pilot's key acknowledged the alert that caused this change.
      sd_manual_hold = 0;
    } else {
      sd_all_cycling = 0;
      sd_page = sd_flight_state >= 1 && sd_flight_state <= kLastState ? kStatePage[sd_flight_state] : 0;
    }
  } else {
    const double clock = read_sim(SV_25C);
    if (sd_all_cycling != 0) {
      if (!(sd_cycle_time + 1.0 > clock)) {
        sd_cycle_time = clock;
        sd_page = sd_page + 1 >= 9 ? 1 : sd_page + 1;
      }
    } else {
      sd_cycle_time = clock;
    }
  }
  sd_prev_flight_state = sd_flight_state;
}

void CORVANE_CALL sd_gauge_callback(GaugeHeader* /*gauge*/, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceUpdate) {
    select_page();
  }
}

}  // namespace

namespace sd {

Element* links[kChainLength][2] = {
    {&hyd_picture.header, nullptr},
    {&hyd_blue.header, nullptr},
    {&hyd_green.header, nullptr},
    {&hyd_blue_level.header, nullptr},
    {&hyd_green_level.header, nullptr},
    {&cruise_picture.header, nullptr},
    {&cruise_used1.header, nullptr},
    {&cruise_used2.header, nullptr},
    {&cruise_oil1.header, nullptr},
    {&cruise_oil2.header, nullptr},
    {&cruise_cabin_altitude.header, nullptr},
    {&cruise_cabin_vs.header, nullptr},
    {&wheel_picture.header, nullptr},
    {&wheel_ground_speed.header, nullptr},
    {&wheel_brake1.header, nullptr},
    {&wheel_brake2.header, nullptr},
    {&wheel_brake3.header, nullptr},
    {&wheel_brake4.header, nullptr},
    {&wheel_release_left.header, nullptr},
    {&wheel_release_right.header, nullptr},
    {&wheel_gear_nose.header, nullptr},
    {&wheel_gear_left.header, nullptr},
    {&wheel_gear_right.header, nullptr},
    {&wheel_door_nose.header, nullptr},
    {&wheel_door_left.header, nullptr},
    {&wheel_door_right.header, nullptr},
    {&door_picture.header, nullptr},
    {&door_cabin.header, nullptr},
    {&door_mark.header, nullptr},
    {&door_cargo.header, nullptr},
    {&fuel_picture.header, nullptr},
    {&fuel_on_board.header, nullptr},
    {&fuel_tank1.header, nullptr},
    {&fuel_tank2.header, nullptr},
    {&fuel_tank3.header, nullptr},
    {&fuel_tank4.header, nullptr},
    {&fuel_tank5.header, nullptr},
    {&fuel_valve_left.header, nullptr},
    {&fuel_valve_right.header, nullptr},
    {&fuel_valve_centre1.header, nullptr},
    {&fuel_valve_centre2.header, nullptr},
    {&fuel_crossfeed.header, nullptr},
    {&eng_picture.header, nullptr},
    {&eng_oil_quantity1.header, nullptr},
    {&eng_oil_quantity2.header, nullptr},
    {&eng_oil_quantity_text1.header, nullptr},
    {&eng_oil_quantity_text2.header, nullptr},
    {&eng_oil_pressure1.header, nullptr},
    {&eng_oil_pressure2.header, nullptr},
    {&eng_oil_pressure_text1.header, nullptr},
    {&eng_oil_pressure_text2.header, nullptr},
    {&eng_n2_1.header, nullptr},
    {&eng_n2_2.header, nullptr},
    {&eng_vibration1.header, nullptr},
    {&eng_vibration2.header, nullptr},
    {&elec_picture.header, nullptr},
    {&elec_load.header, nullptr},
    {&elec_batt1.header, nullptr},
    {&elec_batt2.header, nullptr},
    {&elec_main_volts.header, nullptr},
    {&elec_main_amps.header, nullptr},
    {&elec_avionics.header, nullptr},
    {&elec_batt_bus.header, nullptr},
    {&elec_gen1.header, nullptr},
    {&elec_gen2.header, nullptr},
    {&fctl_picture.header, nullptr},
    {&fctl_left_elevator.header, nullptr},
    {&fctl_right_elevator.header, nullptr},
    {&fctl_left_aileron.header, nullptr},
    {&fctl_right_aileron.header, nullptr},
    {&fctl_pitch_trim.header, nullptr},
    {&fctl_rudder.header, nullptr},
    {&fctl_left_spoilers.header, nullptr},
    {&fctl_right_spoilers.header, nullptr},
    {nullptr, nullptr},
};

}  // namespace sd

GaugeHeader gauge_sd = CORVANE_GAUGE_HEADER("SD", element_list, 198, mouse_areas, sd_gauge_callback);

}  // namespace corvane
