// "SD" pages DOOR/OXY, WHEEL, F/CTL and CRUISE.
#include <cmath>

#include "gauges/ecam/sd_internal.h"
#include "host/services.h"
#include "module/elements.h"
#include "module/fitted_number.h"
#include "module/numeric.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"

namespace corvane::sd {
namespace {

constexpr double kKnotsPerUnit = 0.5926355;
constexpr double kGroundSpeedCautionKnots = 30.0;
constexpr double kBrakeFull = 32767.0;
constexpr double kGearStep = 2730.0;
constexpr double kSurfaceLimit = 0.45;
constexpr double kSpoilerFull = 16384.0;
constexpr double kCabinScheduleFeet = 33000.0;
constexpr double kCabinMaxFeet = 8000.0;
constexpr double kOilQuantityFull = 16384.0;

double brake_percent(double value) { return value / kBrakeFull * 100.0; }

int gear_step(Element* element) { return trunc_int(record_double(as_icon(element)->variable) / kGearStep); }

}  // namespace

double CORVANE_CALL door_icon(Element* element) {
  show_on(element, kPageDoor);
  return record_double(as_icon(element)->variable) > 0.0 ? 1.0 : 0.0;
}

double CORVANE_CALL wheel_ground_speed_text(Element* element) {
  show_on(element, kPageWheel);
  const double knots = record_double(as_string(element)->variables[0]) * kKnotsPerUnit;
  if (read_sim(SV_3C) == 0.0) {
    set_text_colour(element, kWhite);
    write_text(element, "---");
    return knots;
  }
  set_text_colour(element, knots > kGroundSpeedCautionKnots ? kAmber : kGreen);
  write_text(element, "%03d", clamp_int(trunc_int(knots), -99, 999));
  return knots;
}

double CORVANE_CALL wheel_brake_text(Element* element) {
  show_on(element, kPageWheel);
  const double percent = brake_percent(record_double(as_string(element)->variables[0]));
  // 15 degrees released, 215 at full brake.
  const int temperature = clamp_int(int64_t{trunc_int(2.0 * percent)} + 15, -99, 999);
  if (read_sim(SV_143) != 0.0) {
    write_text(element, "---");
  } else {
    write_text(element, "%03d", temperature);
  }
  return temperature;
}

double CORVANE_CALL wheel_release_icon(Element* element) {
  show_on(element, kPageWheel);
  return brake_percent(record_double(as_icon(element)->variable)) < 1.0 ? 0.0 : 1.0;
}

double CORVANE_CALL wheel_gear_icon(Element* element) {
  show_on(element, kPageWheel);
  const int k = gear_step(element);
  if (k == 3) {
    return 1.0;  // red: in transit
  }
  if (k >= 4 && k <= 6) {
    return 2.0;  // green: down
  }
  return 0.0;
}

double CORVANE_CALL wheel_gear_door_icon(Element* element) {
  show_on(element, kPageWheel);
  const int k = gear_step(element);
  if (k == 0 || k == 6) {
    return 0.0;
  }
  if (k == 1 || k == 5) {
    return 1.0;
  }
  return 2.0;
}

double CORVANE_CALL fctl_surface_slider(Element* element) {
  show_on(element, kPageFlightControls);
  const double deflection = -record_double(as_slider(element)->y_variable);
  return clamp_value(std::isnan(deflection) ? 0.0 : deflection, -kSurfaceLimit, kSurfaceLimit);
}

double CORVANE_CALL fctl_pitch_trim_text(Element* element) {
  show_on(element, kPageFlightControls);
  double trim = record_double(as_string(element)->variables[0]) * 50.0;
  if (std::isnan(trim)) {
    trim = 0.0;
  }
  const bool down = trim < 0.0;
  const double shown = down ? -trim : trim + 0.0;
  // From "10.0" on the tenth no longer fits: whole units, " 12UP".
  char number[4];
  if (format_fitted(number, 3, 1, shown)) {
    write_text(element, down ? "%sDN" : "%sUP", number);
  } else {
    const int whole = clamp_int(trunc_int(std::round(shown)), 0, 999);
    write_text(element, down ? "%3dDN" : "%3dUP", whole);
  }
  return trim;
}

double CORVANE_CALL fctl_rudder_needle(Element* element) {
  show_on(element, kPageFlightControls);
  return record_double(as_needle(element)->variable) * 100.0;
}

double CORVANE_CALL fctl_spoiler_y(Element* element) {
  show_on(element, kPageFlightControls);
  return record_double(as_moving(element)->y_variable) / kSpoilerFull;
}

double CORVANE_CALL fctl_right_spoiler_x(Element* element) {
  show_on(element, kPageFlightControls);
  return 66.0;
}

namespace {

double fuel_used_text(Element* element, int engine_running, double used) {
  show_on(element, kPageCruise);
  if (engine_running != 0) {
    set_text_colour(element, kGreen);
    write_text(element, "%04d", clamp_int(trunc_int(used), -999, 9999));
  } else {
    set_text_colour(element, kAmber);
    write_text(element, "XX");
  }
  return used;
}

}  // namespace

double CORVANE_CALL cruise_fuel_used1_text(Element* element) {
  return fuel_used_text(element, engine1_running, fuel_used_kg[0]);
}

double CORVANE_CALL cruise_fuel_used2_text(Element* element) {
  return fuel_used_text(element, engine2_running, fuel_used_kg[1]);
}

double CORVANE_CALL cruise_oil_text(Element* element) {
  show_on(element, kPageCruise);
  const double quarts = record_double(as_string(element)->variables[0]) / kOilQuantityFull * 20.0;
  write_text(element, "%02d", clamp_int(trunc_int(quarts), -9, 99));
  return quarts;
}

double CORVANE_CALL cruise_cabin_altitude_text(Element* element) {
  show_on(element, kPageCruise);
  const double altitude = read_sim(SV_4A);
  const bool gear_out = read_sim(SV_14C) > 0.0 || read_sim(SV_14D) > 0.0 || read_sim(SV_14E) > 0.0;
  double cabin = altitude;
  if (!gear_out) {
    cabin = altitude / kCabinScheduleFeet * kCabinMaxFeet;
    if (cabin > kCabinMaxFeet) {
      cabin = kCabinMaxFeet;
    }
  }
  // With a gear out above 9999 ft the field holds 9999: four characters.
  write_text(element, "%04d", clamp_int(trunc_int(cabin), -999, 9999));
  return cabin;
}

double CORVANE_CALL cruise_cabin_vs_text(Element* element) {
  show_on(element, kPageCruise);
  const double rate = record_double(as_string(element)->variables[0]) / kCabinScheduleFeet * kCabinMaxFeet;
  write_text(element, "%0+5d", clamp_int(trunc_int(rate), -9999, 9999));
  return rate;
}

}  // namespace corvane::sd
