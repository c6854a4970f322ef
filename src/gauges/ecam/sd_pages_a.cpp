// "SD" pages ENG, ELEC, HYD and FUEL. The FUEL page raises the two fuel
// alerts whether or not it is shown, since its callbacks run on every page.
#include <cmath>

#include "gauges/ecam/sd_internal.h"
#include "module/elements.h"
#include "module/numeric.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"

namespace corvane::sd {
namespace {

constexpr double kOilQuantityFull = 16384.0;
constexpr double kOilPressureFull = 40000.0;
constexpr double kDischargeAmperes = -15.0;
constexpr double kGallonsToKg = 3.04;
constexpr double kTankLevelFull = 8388607.0;
constexpr int kTankLowKg = 500;
constexpr double kFuelOnBoardLowKg = 1000.0;
constexpr double kFuelOnBoardCautionKg = 3000.0;

double oil_quantity(const VariableRecord& record) { return record_double(record) / kOilQuantityFull * 20.0; }
double oil_pressure(const VariableRecord& record) { return record_double(record) / kOilPressureFull * 100.0; }

}  // namespace

double CORVANE_CALL eng_oil_quantity_needle(Element* element) {
  show_on(element, kPageEng);
  return oil_quantity(as_needle(element)->variable);
}

double CORVANE_CALL eng_oil_quantity_text(Element* element) {
  show_on(element, kPageEng);
  const double quarts = oil_quantity(as_string(element)->variables[0]);
  // Past 99.9 the reading drops its decimal rather than its last digit.
  write_four_chars(element, quarts, 1);
  return quarts;
}

double CORVANE_CALL eng_oil_pressure_needle(Element* element) {
  show_on(element, kPageEng);
  return oil_pressure(as_needle(element)->variable);
}

double CORVANE_CALL eng_oil_pressure_text(Element* element) {
  show_on(element, kPageEng);
  const double psi = oil_pressure(as_string(element)->variables[0]);
  write_text(element, "%03d", clamp_int(trunc_int(psi), -999, 9999));
  return psi;
}

double CORVANE_CALL eng_n2_needle(Element* element) {
  show_on(element, kPageEng);
  return record_double(as_needle(element)->variable);
}

double CORVANE_CALL eng_vibration_text(Element* element) {
  set_hidden(element, sd_page != kPageEng && sd_page != kPageCruise);
  const double vibration = record_double(as_string(element)->variables[0]);
  // From 10 on two decimals no longer fit in four characters: one is kept.
  write_four_chars(element, vibration, 2);
  return vibration;
}

double CORVANE_CALL elec_load_icon(Element* element) {
  show_on(element, kPageElec);
  // Image 1 is empty and lets the page's LOAD legend show through.
  return record_double(as_icon(element)->variable) < kDischargeAmperes ? 0.0 : 1.0;
}

double CORVANE_CALL elec_value_text(Element* element) {
  show_on(element, kPageElec);
  const double value = record_double(as_string(element)->variables[0]);
  if (value == 0.0) {
    set_text_colour(element, kAmber);
    write_text(element, "XX");
  } else {
    set_text_colour(element, kGreen);
    // A MAIN BUS current of 100 A and more shows whole amperes, " 123".
    write_four_chars(element, value, 1);
  }
  return value;
}

double CORVANE_CALL hyd_pressure_text(Element* element) {
  show_on(element, kPageHyd);
  const double psi = record_double(as_string(element)->variables[0]);
  write_text(element, "%04d", clamp_int(trunc_int(psi), -999, 9999));
  return psi;
}

double CORVANE_CALL hyd_quantity_slider(Element* element) {
  show_on(element, kPageHyd);
  return -(record_double(as_slider(element)->y_variable) * 100.0);
}

double CORVANE_CALL fuel_on_board_text(Element* element) {
  show_on(element, kPageFuel);
  const VariableRecord* tanks = as_string(element)->variables;
  const double fob = (record_double(tanks[0]) + record_double(tanks[1]) + record_double(tanks[2])) * kGallonsToKg;
  if (fob < kFuelOnBoardLowKg) {
    set_text_colour(element, kRed);
    // Raised again at every update, acknowledged or not.
    fob_low_alert = 1;
  } else if (fob < kFuelOnBoardCautionKg) {
    set_text_colour(element, kAmber);
  } else {
    set_text_colour(element, kGreen);
  }
  write_text(element, "%06d", clamp_int(trunc_int(fob), -99999, 999999));
  return fob;
}

double CORVANE_CALL fuel_tank_text(Element* element) {
  show_on(element, kPageFuel);
  const VariableRecord* records = as_string(element)->variables;
  const double level = record_double(records[0]);
  const double capacity = record_double(records[1]);
  if (capacity == 0.0) {
    // No such tank on this aircraft: the record's amber stays.
    write_text(element, "XXXXX");
    return 0.0;
  }
  const int kg = trunc_int(level / kTankLevelFull * capacity * kGallonsToKg);
  if (kg < kTankLowKg) {
    set_text_colour(element, kRed);
    if (fuel_tank_low_alert == 0) {
      fuel_tank_low_alert = 1;
    }
  } else {
    set_text_colour(element, kYellow);
  }
  write_text(element, "%05d", clamp_int(kg, -9999, 99999));
  return kg;
}

namespace {

// The tank selector is an enumeration, read as an integer.
double valve_open_for(Element* element, int a, int b, int c) {
  show_on(element, kPageFuel);
  const int32_t selector = record_int(as_icon(element)->variable);
  return selector == a || selector == b || selector == c ? 1.0 : 0.0;
}

}  // namespace

double CORVANE_CALL fuel_left_valve(Element* element) { return valve_open_for(element, 1, 16, 2); }
double CORVANE_CALL fuel_right_valve(Element* element) { return valve_open_for(element, 1, 16, 3); }
double CORVANE_CALL fuel_centre_valve(Element* element) { return valve_open_for(element, 1, 6, 6); }

double CORVANE_CALL fuel_crossfeed_icon(Element* element) {
  show_on(element, kPageFuel);
  return record_int(as_icon(element)->variable) != 0 ? 1.0 : 0.0;
}

}  // namespace corvane::sd
