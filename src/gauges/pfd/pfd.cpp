// "PFD": the primary flight display. Sixty-nine elements chained one under
// the other: attitude with the self-test spinner and flight director bars,
// the speed scale on the left, altitude and vertical speed on the right,
// heading along the bottom and the flight mode annunciator along the top.
// The gauge callback has no work: every value is computed when the host
// evaluates the element that shows it.
#include "gauges/pfd/pfd.h"

#include <cmath>
#include <cstring>

#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/numeric.h"
#include "module/text_format.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"

namespace corvane {

uint32_t pfd_attitude_valid = 0;
double pfd_selftest_angle = 0.0;
double pfd_selftest_start = 0.0;
uint32_t speed_target_on_scale = 0;
double speed_trend_up[3] = {0.0, 0.0, 0.0};
double speed_trend_down[3] = {0.0, 0.0, 0.0};
uint32_t alt_target_on_scale = 0;
double track_offset_deg = 0.0;

namespace {

constexpr uint32_t kGreen = 0x40FF40;
constexpr uint32_t kAmber = 0x3287FF;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kCyan = 0xFFFF00;
constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kScreenBlack = 0x080808;
constexpr uint32_t kRadioHeightBox = 0x3880B2;
constexpr uint32_t kRadioHeightBoxNoseDown = 0xFFC847;
constexpr const char* kFont = "Glass Gauge";

constexpr double kFeetPerMetre = 3.2808;
constexpr double kRadioAltimeterOffsetFeet = 11.0;

// Speed scale: 86.14 px window with the current speed at its centre.
constexpr double kSpeedWindow = 86.14;
constexpr double kSpeedCentre = 43.07;
constexpr double kSpeedFloor = 30.0;
// Altitude scale: 1092 px window, current altitude at 546.
constexpr double kAltWindow = 1092.0;
constexpr double kAltCentre = 546.0;
constexpr double kAltTapeTop = 42900.0;
// Heading scale: 48.5 units wide, current heading at 24.25.
constexpr double kHeadingWindow = 48.5;
constexpr double kHeadingCentre = 24.25;
constexpr double kHeadingWrapHigh = 360.0 - kHeadingCentre;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTrendSamplePeriod = 0.5;
constexpr double kTrendGain = 8.0;

bool nonzero(double value) { return value != 0.0; }
void show(Element* element, bool shown) { set_hidden(element, !shown); }

double string_token(Element* element, int slot) { return record_double(as_string(element)->variables[slot]); }
double moving_x(Element* element) { return record_double(as_moving(element)->x_variable); }
double moving_y(Element* element) { return record_double(as_moving(element)->y_variable); }

// ---------------------------------------------------------------------------
// Frame, self-test and attitude.

double CORVANE_CALL selftest_spinner(Element* element) {
  if (pfd_attitude_valid != 0) {
    show(element, false);
    return 0.0;
  }
  pfd_selftest_angle += 7.0;
  if (pfd_selftest_angle < 360.0) {
    return pfd_selftest_angle;
  }
  const double clock = read_sim(SV_25C);
  if (pfd_selftest_start == 0.0) {
    pfd_selftest_start = clock;
  }
  if (pfd_selftest_start + 3.0 <= clock) {
    pfd_attitude_valid = 1;
    return 0.0;
  }
  return pfd_selftest_angle;
}

double CORVANE_CALL bank_pointer(Element* element) {
  return pfd_attitude_valid != 0 ? record_double(as_needle(element)->variable) : 0.0;
}

double CORVANE_CALL attitude_first_slot(Element* element) {
  return pfd_attitude_valid != 0 ? record_double(as_sprite(element)->slot0.variable) : 0.0;
}

double CORVANE_CALL attitude_second_slot(Element* element) {
  return pfd_attitude_valid != 0 ? record_double(as_sprite(element)->slot1.variable) : 0.0;
}

double CORVANE_CALL flight_control_symbol(Element* element) {
  show(element, elac1_on != 0);
  return 0.0;
}

double CORVANE_CALL radio_height(Element* element) {
  const double feet = string_token(element, 0) * kFeetPerMetre - kRadioAltimeterOffsetFeet;
  show(element, !(feet > 2500.0));
  as_string(element)->background_colour = read_sim(SV_4E) < -25.0 ? kRadioHeightBoxNoseDown : kRadioHeightBox;
  write_text(element, "%04d", trunc_int(feet));
  return feet;
}

// A bar's value, or 0 with the bar hidden when its condition fails.
double director_bar(Element* element, bool shown, const VariableRecord& record) {
  show(element, shown);
  return shown ? record_double(record) : 0.0;
}

double CORVANE_CALL fd_lateral_bar(Element* element) {
  return director_bar(element, fd_mode == 1, as_slider(element)->x_variable);
}

double CORVANE_CALL fd_vertical_bar(Element* element) {
  return director_bar(element, fd_mode == 1, as_slider(element)->y_variable);
}

struct ApproachConditions {
  bool approach;  // 0x35A
  bool lateral;   // 0x353
  bool vertical;  // 0x354
};

ApproachConditions read_approach_conditions() {
  return ApproachConditions{nonzero(read_sim(SV_35A)), nonzero(read_sim(SV_353)), nonzero(read_sim(SV_354))};
}

double CORVANE_CALL ls_lateral_bar(Element* element) {
  bool shown = false;
  if (fd_mode == 2) {
    const ApproachConditions c = read_approach_conditions();
    shown = c.approach && c.lateral;
  }
  return director_bar(element, shown, as_slider(element)->x_variable);
}

double CORVANE_CALL ls_vertical_bar(Element* element) {
  bool shown = false;
  if (fd_mode == 2) {
    const ApproachConditions c = read_approach_conditions();
    shown = c.approach && c.vertical;
  }
  return director_bar(element, shown, as_slider(element)->y_variable);
}

// Pitch guidance without a glide slope but with the localizer.
double CORVANE_CALL ls_vertical_bar_no_glide(Element* element) {
  bool shown = false;
  if (fd_mode == 2) {
    const ApproachConditions c = read_approach_conditions();
    shown = c.approach && !c.vertical && c.lateral;
  }
  return director_bar(element, shown, as_slider(element)->y_variable);
}

double CORVANE_CALL ls_frame(Element* element) {
  show(element, fd_mode == 2);
  return 0.0;
}

// ---------------------------------------------------------------------------
// Speed scale.

double raised_speed(double ias) { return ias < kSpeedFloor ? kSpeedFloor : ias; }

// Offset of a reference speed from the scale centre.
double strip_offset(double ias, double reference) { return kSpeedCentre - (ias - reference); }

double flap_position() { return read_sim(SV_149); }

// Index into a rule's columns: 0 for beyond threshold 5 down to 4 for beyond
// threshold 1, 5 when below them all.
int flap_column(double flaps) {
  for (int threshold = 5; threshold >= 1; --threshold) {
    if (flaps >= flap_thresholds[threshold]) {
      return 5 - threshold;
    }
  }
  return 5;
}

double lower_limit_reference() {
  static constexpr double kLowerLimit[6] = {119.0, 121.0, 122.0, 130.0, 139.0, 169.0};
  return kLowerLimit[flap_column(flap_position())];
}

double CORVANE_CALL speed_tape(Element* element) {
  const double ias = raised_speed(moving_y(element));
  uint32_t v = static_cast<uint16_t>(static_cast<uint32_t>(trunc_int(ias)));
  if (v > 600) {
    v = 600;
  } else if (v < 30) {
    v = 30;
  }
  return static_cast<double>(v);
}

double CORVANE_CALL max_speed_strip(Element* element) {
  static constexpr double kMaxSpeed[5] = {160.0, 170.0, 185.0, 200.0, 220.0};
  const double ias = raised_speed(moving_y(element));
  const int column = flap_column(flap_position());
  double reference = 0.0;
  if (column < 5) {
    reference = kMaxSpeed[column];
  } else {
    reference = read_sim(SV_4A) < 10000.0 ? 240.0 : 280.0;
  }
  return strip_offset(ias, reference);
}

double CORVANE_CALL flap_extension_strip(Element* element) {
  static constexpr double kFlapLimit[5] = {177.0, 185.0, 200.0, 215.0, 230.0};
  const int column = flap_column(flap_position());
  const double reference = column < 5 ? kFlapLimit[column] : moving_y(element) / 128.0;
  const double airspeed = read_sim(SV_3D);
  return clamp_value(strip_offset(airspeed, reference), 0.0, kSpeedWindow);
}

double lower_limit_strip(Element* element, double factor) {
  show(element, !nonzero(read_sim(SV_3C)));
  const double reference = lower_limit_reference() * factor;
  return clamp_value(strip_offset(moving_y(element), reference), 0.0, kSpeedWindow);
}

double CORVANE_CALL lower_limit(Element* element) { return lower_limit_strip(element, 1.0); }
double CORVANE_CALL lower_limit_margin(Element* element) { return lower_limit_strip(element, 1.3); }

double target_speed_symbol(Element* element, bool shown_when_speed_mode) {
  const bool speed_mode = nonzero(read_sim(SV_73));
  if (speed_mode != shown_when_speed_mode) {
    show(element, false);
    return 0.0;
  }
  show(element, true);
  const double target = read_sim(SV_74);
  const double y = strip_offset(raised_speed(moving_y(element)), target);
  speed_target_on_scale = (y > 0.0 && y < kSpeedWindow) ? 1 : 0;
  return y;
}

double CORVANE_CALL target_speed_managed(Element* element) { return target_speed_symbol(element, true); }
double CORVANE_CALL target_speed_selected(Element* element) { return target_speed_symbol(element, false); }

double CORVANE_CALL target_speed_text(Element* element) {
  if (speed_target_on_scale == 1) {
    show(element, false);
    return 0.0;
  }
  show(element, true);
  const int32_t target = trunc_int(string_token(element, 0));
  if (nonzero(read_sim(SV_73))) {
    set_text_colour(element, kCyan);
    write_text(element, "%03d", target);
  } else {
    set_text_colour(element, kMagenta);
    write_text(element, "%03d ", target);
  }
  return 0.0;
}

double CORVANE_CALL trend_up_arrow(Element* element) {
  const double ias = raised_speed(moving_y(element));
  const double clock = read_sim(SV_25C);
  const double dt = clock - speed_trend_up[kTrendLastClock];
  if (dt < kTrendSamplePeriod) {
    return speed_trend_up[kTrendLast];
  }
  const double trend = (ias - speed_trend_up[kTrendLastSpeed]) / dt * kTrendGain;
  speed_trend_up[kTrendLast] = trend;
  speed_trend_up[kTrendLastSpeed] = ias;
  speed_trend_up[kTrendLastClock] = clock;
  if (trend <= 2.0) {
    show(element, false);
    return 0.0;
  }
  show(element, true);
  return trend < kSpeedCentre ? trend : kSpeedCentre;
}

double CORVANE_CALL trend_down_arrow(Element* element) {
  double ias = moving_y(element);
  if (ias < kSpeedFloor) {
    ias = 0.0;
  }
  const double clock = read_sim(SV_25C);
  const double dt = clock - speed_trend_down[kTrendLastClock];
  double& trend = speed_trend_down[kTrendLast];
  if (!(dt < kTrendSamplePeriod)) {
    trend = (ias - speed_trend_down[kTrendLastSpeed]) / dt * kTrendGain;
    speed_trend_down[kTrendLastSpeed] = ias;
    speed_trend_down[kTrendLastClock] = clock;
    if (!(trend < -2.0)) {
      show(element, false);
      return 0.0;
    }
    show(element, true);
    if (trend < -kSpeedCentre) {
      trend = -kSpeedCentre;
    }
  }
  // The arrow never points below zero speed.
  if (-ias > trend) {
    trend = -ias;
  }
  return trend;
}

double CORVANE_CALL mach_number(Element* element) {
  const double mach = string_token(element, 0) / 65536.0 * 3.2;
  // Shown without its leading digit: 0.78 reads ".78".
  char text[32];
  format_text(text, sizeof text, "%4.2f", mach);
  write_text(element, "%s", text + 1);
  return mach;
}

// ---------------------------------------------------------------------------
// Altitude, vertical speed and barometric setting.

double CORVANE_CALL altitude_tape(Element* element) {
  const double alt = moving_y(element);
  return alt > kAltTapeTop ? kAltTapeTop : alt;
}

double CORVANE_CALL altitude_drum(Element* element) { return static_cast<double>(trunc_int(moving_y(element)) % 100); }

double CORVANE_CALL altitude_hundreds(Element* element) {
  const double alt = string_token(element, 0);
  write_text(element, "%03d", trunc_int(alt / 100.0));
  return alt / 100.0;
}

double CORVANE_CALL ground_reference(Element* element) {
  VariableRecord& record = sim_vars[SV_2];
  read_variable(&record);
  const double ground = record_double(record) / 256.0 * kFeetPerMetre + 11.0;
  std::memcpy(record.value, &ground, sizeof ground);
  return kAltCentre - (moving_y(element) - ground);
}

double target_altitude_symbol(Element* element, bool shown_when_alt_mode) {
  const bool alt_mode = nonzero(read_sim(SV_6C));
  if (alt_mode != shown_when_alt_mode) {
    show(element, false);
    return 0.0;
  }
  show(element, true);
  const double target = read_sim(SV_6D);
  const double y = kAltCentre - (moving_y(element) - target);
  alt_target_on_scale = (y > 0.0 && y < kAltWindow) ? 1 : 0;
  return y;
}

double CORVANE_CALL target_altitude_held(Element* element) { return target_altitude_symbol(element, true); }
double CORVANE_CALL target_altitude_selected(Element* element) { return target_altitude_symbol(element, false); }

double CORVANE_CALL target_altitude_text(Element* element) {
  if (alt_target_on_scale == 1) {
    show(element, false);
    return 0.0;
  }
  show(element, true);
  const int32_t target = trunc_int(string_token(element, 0));
  if (nonzero(read_sim(SV_6C))) {
    set_text_colour(element, kCyan);
    write_text(element, "%05d", target);
  } else {
    set_text_colour(element, kMagenta);
    write_text(element, "%05d ", target);
  }
  return 0.0;
}

double feet_per_minute(double token_value) { return token_value / 256.0 * kFeetPerMetre * 60.0; }

double CORVANE_CALL vertical_speed_needle(Element* element) {
  return clamp_value(feet_per_minute(record_double(as_needle(element)->variable)), -6000.0, 6000.0);
}

// Thousands digit beside the vertical speed scale: climbing digits count
// from 980 ft/min up to just below the next band, descending ones mirror them.
template <int Digit, bool Climbing>
double CORVANE_CALL vertical_speed_digit(Element* element) {
  const double vs = feet_per_minute(string_token(element, 0));
  const double low = 1000.0 * Digit - 20.0;
  const double high = low + 1000.0;
  const bool in_band = Climbing ? (vs >= low && vs < high) : (vs > -high && vs <= -low);
  if (in_band) {
    write_text(element, "%d", Digit);
  } else {
    write_text(element, " ");
  }
  return vs;
}

double CORVANE_CALL std_box(Element* element) {
  show(element, baro_std_selected != 0);
  return 0.0;
}

double CORVANE_CALL qnh_label(Element* element) {
  if (baro_std_selected != 0) {
    show(element, false);
    return 0.0;
  }
  show(element, true);
  write_text(element, "QNH");
  return 0.0;
}

double CORVANE_CALL baro_setting(Element* element) {
  if (baro_std_selected != 0) {
    show(element, false);
    return 0.0;
  }
  show(element, true);
  if (baro_unit_inhg == 1) {
    write_text(element, " %5.2f", string_token(element, 1));
  } else {
    write_text(element, "%6.1f", string_token(element, 0));
  }
  return 0.0;
}

// ---------------------------------------------------------------------------
// Heading scale.

double CORVANE_CALL heading_tape(Element* element) { return moving_x(element); }

// Position of a heading reference s on the scale centred on heading h, taking
// the short way across north.
double heading_reference_offset(double heading, VariableRecord& reference) {
  double s = record_double(reference);
  if (heading <= kHeadingCentre && s >= kHeadingWrapHigh) {
    s -= 360.0;
    std::memcpy(reference.value, &s, sizeof s);
  } else if (heading >= kHeadingWrapHigh && s <= kHeadingCentre) {
    heading -= 360.0;
  }
  return kHeadingCentre - (s - heading);
}

double CORVANE_CALL heading_reference(Element* element) {
  read_variable(&sim_vars[SV_2D]);
  return heading_reference_offset(moving_x(element), sim_vars[SV_2D]);
}

double selected_heading_symbol(Element* element, bool shown_when_heading_mode) {
  const bool heading_mode = nonzero(read_sim(SV_6A));
  if (heading_mode != shown_when_heading_mode) {
    show(element, false);
    return 0.0;
  }
  show(element, true);
  read_variable(&sim_vars[SV_6B]);
  return heading_reference_offset(moving_x(element), sim_vars[SV_6B]);
}

double CORVANE_CALL selected_heading_managed(Element* element) { return selected_heading_symbol(element, true); }
double CORVANE_CALL selected_heading_selected(Element* element) { return selected_heading_symbol(element, false); }

double CORVANE_CALL track_symbol(Element* element) {
  const double across = read_sim(SV_228);
  const double along = read_sim(SV_227_PFD);
  const double on_ground = read_sim(SV_3C);
  if (along < 80.0 || nonzero(on_ground)) {
    show(element, false);
    return 0.0;
  }
  show(element, true);
  track_offset_deg = 90.0 - std::atan2(along, across) * 180.0 / kPi;
  return kHeadingCentre - track_offset_deg;
}

// ---------------------------------------------------------------------------
// Flight mode annunciator.

bool neither_engine_running() { return engine1_running == 0 && engine2_running == 0; }

double CORVANE_CALL thrust_mode_line1(Element* element) {
  set_text_colour(element, kGreen);
  if (nonzero(string_token(element, 0))) {
    write_text(element, "SPEED");
  } else if (nonzero(string_token(element, 1))) {
    write_text(element, "MACH ");
  } else if (neither_engine_running()) {
    set_text_colour(element, kAmber);
    write_text(element, " XX ");
  } else {
    set_text_colour(element, kWhite);
    write_text(element, " MAN ");
  }
  return 0.0;
}

double CORVANE_CALL thrust_mode_line2(Element* element) {
  if (nonzero(string_token(element, 0)) || nonzero(string_token(element, 1))) {
    write_text(element, "    ");
  } else if (neither_engine_running()) {
    set_text_colour(element, kAmber);
    write_text(element, "XXX");
  } else {
    set_text_colour(element, kWhite);
    write_text(element, "%.*s", kDetentTextSize - 1, thrust_detent_text);
  }
  return 0.0;
}

double CORVANE_CALL thrust_mode_box(Element* element) {
  const bool manual =
      !nonzero(read_sim(SV_73)) && !nonzero(record_double(as_icon(element)->variable)) && !neither_engine_running();
  show(element, manual);
  return 0.0;
}

// The annunciations that read one token: the text while it is non-zero.
double annunciation(Element* element, const char* text) {
  if (nonzero(string_token(element, 0))) {
    write_text(element, "%s", text);
  } else {
    write_text(element, "%s", "");
  }
  return 0.0;
}

double CORVANE_CALL altitude_mode(Element* element) { return annunciation(element, "ALT"); }
double CORVANE_CALL glide_slope_mode(Element* element) { return annunciation(element, "G/S"); }
double CORVANE_CALL localizer_mode(Element* element) { return annunciation(element, "LOC"); }
double CORVANE_CALL autopilot_engaged(Element* element) { return annunciation(element, "AP1"); }
double CORVANE_CALL autothrust_engaged(Element* element) { return annunciation(element, "A/THR"); }

double CORVANE_CALL lateral_mode(Element* element) {
  set_text_colour(element, kGreen);
  if (nonzero(string_token(element, 0))) {
    write_text(element, "HDG");
  } else if (nonzero(string_token(element, 1))) {
    write_text(element, "LVL");
  } else if (nonzero(string_token(element, 2))) {
    if (nonzero(read_sim(SV_350))) {
      set_text_colour(element, kCyan);
    }
    write_text(element, "NAV");
  } else {
    write_text(element, "%s", "");
  }
  return 0.0;
}

double CORVANE_CALL approach_capability(Element* element) {
  const ApproachConditions c = read_approach_conditions();
  if (fd_mode == 2 && c.approach && c.lateral && c.vertical) {
    write_text(element, "CAT 2");
  } else {
    write_text(element, "%s", "");
  }
  return 0.0;
}

double decision_radio_height(double metres) { return metres * kFeetPerMetre - kRadioAltimeterOffsetFeet; }

double CORVANE_CALL decision_height_label(Element* element) {
  show(element, decision_radio_height(string_token(element, 0)) < 2000.0);
  write_text(element, "DH");
  return 0.0;
}

double CORVANE_CALL decision_height_value(Element* element) {
  show(element, decision_radio_height(string_token(element, 1)) < 2000.0);
  write_text(element, "%03d", trunc_int(string_token(element, 0)));
  return 0.0;
}

double CORVANE_CALL director_mode(Element* element) {
  if (fd_mode == 1) {
    write_text(element, "1FD2");
  } else if (fd_mode == 2) {
    write_text(element, " LS ");
  } else {
    write_text(element, "%s", "");
  }
  return 0.0;
}

double CORVANE_CALL approach_identifier(Element* element) {
  if (!nonzero(read_sim(SV_35A))) {
    write_text(element, "%s", "");
    return 0.0;
  }
  // The host hands the identifier over as the address of its own text: a
  // pointer wide, so the low word on the host's 32-bit records.
  uintptr_t address = 0;
  std::memcpy(&address, as_string(element)->variables[0].value, sizeof address);
  const char* identifier = reinterpret_cast<const char*>(address);
  write_text(element, "%s", identifier != nullptr ? identifier : "");
  return 0.0;
}

double CORVANE_CALL approach_frequency(Element* element) {
  if (!nonzero(read_sim(SV_35A))) {
    write_text(element, "%s", "");
    return 0.0;
  }
  const auto v = static_cast<uint32_t>(record_int(as_string(element)->variables[0]));
  write_text(element, "1%u%u.%u%u", (v / 4096) % 16, (v / 256) % 16, (v / 16) % 16, v % 16);
  return 0.0;
}

// ---------------------------------------------------------------------------
// The element chain, built from the last element up to the root.

constexpr uint32_t kFlags = 0x7;
constexpr uint32_t kFlagsFixed = 0x6;  // scale pieces, tapes, drum, sphere, radio height box

constexpr Element header(uint32_t kind, uint32_t bitmap, Place at, Element** children, uint32_t flags = kFlags,
                         Place offset = {}) {
  return element_header(kind, bitmap, at, &gauge_pfd, children, kFailures14, flags, offset);
}

constexpr Element string_header(Place at, Element** children, uint32_t flags = kFlags) {
  return element_header(kKindString, kNoBitmap, at, &gauge_pfd, children, kFailures14, flags);
}

constexpr StringSpec text_spec(uint32_t t1, uint32_t t2, uint32_t t3, int32_t width, int32_t height, uint32_t colour,
                               uint32_t chars, Entry<ElementCallback> callback) {
  return StringSpec{{t1, t2, t3}, width, height, colour, kScreenBlack, 0, kFont, 400, 0x25, chars, callback};
}

// 69: self-test spinner.
NeedleElement e69_spinner = make_needle(header(kKindNeedle, 0x12D0, {94, 100}, nullptr, kFlags, {70, 70}),
                                        NeedleSpec{0, nullptr, 0, 0, entry<selftest_spinner>});
Element* e69_list[] = {&e69_spinner.header, nullptr};

// 68: bank pointer.
NeedleElement e68_bank = make_needle(header(kKindNeedle, 0x1160, {93, 100}, e69_list, kFlags, {6, 55}),
                                     NeedleSpec{0x50, nullptr, 0, 0, entry<bank_pointer>});
Element* e68_list[] = {&e68_bank.header, nullptr};

// 67: flight director frame in LS mode.
IconElement e67_ls_frame = make_icon(header(kKindIcon, 0x1260, {64, 72}, e68_list), 1, entry<ls_frame>);
Element* e67_list[] = {&e67_ls_frame.header, nullptr};

// 62-66: flight director bars.
SliderElement e66_ls_pitch_no_glide = make_slider(header(kKindSlider, 0x12B0, {64, 100}, e67_list),
                                                  SliderSpec{0, 0.0, 0x352, 27.0, {}, entry<ls_vertical_bar_no_glide>});
Element* e66_list[] = {&e66_ls_pitch_no_glide.header, nullptr};
SliderElement e65_ls_pitch = make_slider(header(kKindSlider, 0x1280, {64, 100}, e66_list),
                                         SliderSpec{0, 0.0, 0x352, 27.0, {}, entry<ls_vertical_bar>});
Element* e65_list[] = {&e65_ls_pitch.header, nullptr};
SliderElement e64_ls_roll = make_slider(header(kKindSlider, 0x1270, {94, 72}, e65_list),
                                        SliderSpec{0x351, 30.0, 0, 0.0, entry<ls_lateral_bar>, {}});
Element* e64_list[] = {&e64_ls_roll.header, nullptr};
SliderElement e63_fd_pitch = make_slider(header(kKindSlider, 0x12A0, {64, 100}, e64_list),
                                         SliderSpec{0, 0.0, 0x319, 1.0, {}, entry<fd_vertical_bar>});
Element* e63_list[] = {&e63_fd_pitch.header, nullptr};
SliderElement e62_fd_roll = make_slider(header(kKindSlider, 0x1290, {94, 72}, e63_list),
                                        SliderSpec{0x31A, -1.0, 0, 0.0, entry<fd_lateral_bar>, {}});
Element* e62_list[] = {&e62_fd_roll.header, nullptr};

// 61: radio height readout.
StringElement e61_radio_height = make_string(
    string_header({80, 140}, e62_list, kFlagsFixed),
    StringSpec{{0x266, 0, 0}, 28, 11, kAmber, kRadioHeightBox, 0, kFont, 400, 0x25, 4, entry<radio_height>});
Element* e61_list[] = {&e61_radio_height.header, nullptr};

// 60: flight-control symbol.
IconElement e60_flight_control =
    make_icon(header(kKindIcon, 0x1210, {39, 77}, e61_list), 1, entry<flight_control_symbol>);
Element* e60_list[] = {&e60_flight_control.header, nullptr};

// 59: attitude sphere.
SpriteElement e59_sphere = make_sprite(header(kKindSprite, 0x1100, {47, 45}, e60_list, kFlagsFixed, {94, 100}),
                                       SpriteSlotSpec{0x4E, 2.0, entry<attitude_first_slot>},
                                       SpriteSlotSpec{0x50, -1.0, entry<attitude_second_slot>}, SpriteSlotSpec{});
Element* e59_list[] = {&e59_sphere.header, nullptr};

// 53-58: altitude scale.
StringElement e58_alt_hundreds =
    make_string(string_header({152, 94}, e59_list), text_spec(0x4A, 0, 0, 23, 11, kGreen, 3, entry<altitude_hundreds>));
Element* e58_list[] = {&e58_alt_hundreds.header, nullptr};
MovingElement e57_ground = make_moving(header(kKindMoving, 0x11B0, {150, 45}, e58_list),
                                       MovingSpec{0, 0.0, 0.0, 0x4A, 0.0, kAltWindow, {}, entry<ground_reference>});
Element* e57_list[] = {&e57_ground.header, nullptr};
MovingElement e56_alt_target_selected =
    make_moving(header(kKindMoving, 0x1110, {150, 45}, e57_list),
                MovingSpec{0, 0.0, 0.0, 0x4A, 0.0, kAltWindow, {}, entry<target_altitude_selected>});
Element* e56_list[] = {&e56_alt_target_selected.header, nullptr};
MovingElement e55_alt_target_held =
    make_moving(header(kKindMoving, 0x1230, {150, 45}, e56_list),
                MovingSpec{0, 0.0, 0.0, 0x4A, 0.0, kAltWindow, {}, entry<target_altitude_held>});
Element* e55_list[] = {&e55_alt_target_held.header, nullptr};
MovingElement e54_alt_tape = make_moving(header(kKindMoving, 0x10C0, {150, 45}, e55_list, kFlagsFixed),
                                         MovingSpec{0, 0.0, 0.0, 0x4A, kAltTapeTop, 0.0, {}, entry<altitude_tape>});
Element* e54_list[] = {&e54_alt_tape.header, nullptr};
MovingElement e53_alt_drum = make_moving(header(kKindMoving, 0x10D0, {175, 90}, e54_list, kFlagsFixed),
                                         MovingSpec{0, 0.0, 0.0, 0x4A, 99.0, 0.0, {}, entry<altitude_drum>});
Element* e53_list[] = {&e53_alt_drum.header, nullptr};

// 48-52: heading scale.
MovingElement e52_selected_heading =
    make_moving(header(kKindMoving, 0x1200, {46, 171}, e53_list),
                MovingSpec{0x51, 0.0, kHeadingWindow, 0, 0.0, 0.0, entry<selected_heading_selected>, {}});
Element* e52_list[] = {&e52_selected_heading.header, nullptr};
MovingElement e51_managed_heading =
    make_moving(header(kKindMoving, 0x1250, {46, 171}, e52_list),
                MovingSpec{0x51, 0.0, kHeadingWindow, 0, 0.0, 0.0, entry<selected_heading_managed>, {}});
Element* e51_list[] = {&e51_managed_heading.header, nullptr};
MovingElement e50_heading_reference =
    make_moving(header(kKindMoving, 0x11F0, {46, 171}, e51_list),
                MovingSpec{0x51, 0.0, kHeadingWindow, 0, 0.0, 0.0, entry<heading_reference>, {}});
Element* e50_list[] = {&e50_heading_reference.header, nullptr};
MovingElement e49_track = make_moving(header(kKindMoving, 0x1130, {46, 171}, e50_list),
                                      MovingSpec{0x51, 0.0, kHeadingWindow, 0, 0.0, 0.0, entry<track_symbol>, {}});
Element* e49_list[] = {&e49_track.header, nullptr};
MovingElement e48_heading_tape = make_moving(header(kKindMoving, 0x10F0, {46, 171}, e49_list, kFlagsFixed),
                                             MovingSpec{0x51, 0.0, 360.0, 0, 0.0, 0.0, entry<heading_tape>, {}});
Element* e48_list[] = {&e48_heading_tape.header, nullptr};

// 39-47: speed scale.
constexpr MovingSpec speed_spec(double y_min, double y_max, Entry<ElementCallback> callback, uint32_t token = 0x3D) {
  return MovingSpec{0, 0.0, 0.0, token, y_min, y_max, {}, callback};
}
MovingElement e47_trend_up =
    make_moving(header(kKindMoving, 0x11C0, {9, 45}, e48_list), speed_spec(0.0, kSpeedCentre, entry<trend_up_arrow>));
Element* e47_list[] = {&e47_trend_up.header, nullptr};
MovingElement e46_trend_down = make_moving(header(kKindMoving, 0x11D0, {9, 101}, e47_list),
                                           speed_spec(-kSpeedCentre, 0.0, entry<trend_down_arrow>));
Element* e46_list[] = {&e46_trend_down.header, nullptr};
MovingElement e45_max_speed =
    make_moving(header(kKindMoving, 0x12E0, {9, 45}, e46_list), speed_spec(0.0, kSpeedWindow, entry<max_speed_strip>));
Element* e45_list[] = {&e45_max_speed.header, nullptr};
MovingElement e44_speed_tape =
    make_moving(header(kKindMoving, 0x10E0, {9, 45}, e45_list), speed_spec(600.0, 0.0, entry<speed_tape>));
Element* e44_list[] = {&e44_speed_tape.header, nullptr};
MovingElement e43_flap_limit = make_moving(header(kKindMoving, 0x1140, {9, 45}, e44_list),
                                           speed_spec(0.0, kSpeedWindow, entry<flap_extension_strip>, 0x3F));
Element* e43_list[] = {&e43_flap_limit.header, nullptr};
MovingElement e42_lower_limit =
    make_moving(header(kKindMoving, 0x1150, {9, 45}, e43_list), speed_spec(0.0, kSpeedWindow, entry<lower_limit>));
Element* e42_list[] = {&e42_lower_limit.header, nullptr};
MovingElement e41_lower_margin = make_moving(header(kKindMoving, 0x1220, {9, 45}, e42_list),
                                             speed_spec(0.0, kSpeedWindow, entry<lower_limit_margin>));
Element* e41_list[] = {&e41_lower_margin.header, nullptr};
MovingElement e40_target_selected = make_moving(header(kKindMoving, 0x1120, {9, 45}, e41_list),
                                                speed_spec(0.0, kSpeedWindow, entry<target_speed_selected>));
Element* e40_list[] = {&e40_target_selected.header, nullptr};
MovingElement e39_target_managed = make_moving(header(kKindMoving, 0x1240, {9, 45}, e40_list),
                                               speed_spec(0.0, kSpeedWindow, entry<target_speed_managed>));
Element* e39_list[] = {&e39_target_managed.header, nullptr};

// 27-38: vertical speed thousands digits, the six climbing ones then the six
// descending ones.
constexpr StringSpec digit_spec(Entry<ElementCallback> callback) {
  return StringSpec{{0x41, 0, 0}, 8, 9, kGreen, kScreenBlack, 0, kFont, 400, 0x25, 1, callback};
}
StringElement e38_down6 =
    make_string(string_header({178, 143}, e39_list), digit_spec(entry<vertical_speed_digit<6, false>>));
Element* e38_list[] = {&e38_down6.header, nullptr};
StringElement e37_down5 =
    make_string(string_header({178, 139}, e38_list), digit_spec(entry<vertical_speed_digit<5, false>>));
Element* e37_list[] = {&e37_down5.header, nullptr};
StringElement e36_down4 =
    make_string(string_header({178, 135}, e37_list), digit_spec(entry<vertical_speed_digit<4, false>>));
Element* e36_list[] = {&e36_down4.header, nullptr};
StringElement e35_down3 =
    make_string(string_header({178, 132}, e36_list), digit_spec(entry<vertical_speed_digit<3, false>>));
Element* e35_list[] = {&e35_down3.header, nullptr};
StringElement e34_down2 =
    make_string(string_header({178, 127}, e35_list), digit_spec(entry<vertical_speed_digit<2, false>>));
Element* e34_list[] = {&e34_down2.header, nullptr};
StringElement e33_down1 =
    make_string(string_header({178, 112}, e34_list), digit_spec(entry<vertical_speed_digit<1, false>>));
Element* e33_list[] = {&e33_down1.header, nullptr};
StringElement e32_up6 =
    make_string(string_header({178, 51}, e33_list), digit_spec(entry<vertical_speed_digit<6, true>>));
Element* e32_list[] = {&e32_up6.header, nullptr};
StringElement e31_up5 =
    make_string(string_header({178, 55}, e32_list), digit_spec(entry<vertical_speed_digit<5, true>>));
Element* e31_list[] = {&e31_up5.header, nullptr};
StringElement e30_up4 =
    make_string(string_header({178, 58}, e31_list), digit_spec(entry<vertical_speed_digit<4, true>>));
Element* e30_list[] = {&e30_up4.header, nullptr};
StringElement e29_up3 =
    make_string(string_header({178, 62}, e30_list), digit_spec(entry<vertical_speed_digit<3, true>>));
Element* e29_list[] = {&e29_up3.header, nullptr};
StringElement e28_up2 =
    make_string(string_header({178, 65}, e29_list), digit_spec(entry<vertical_speed_digit<2, true>>));
Element* e28_list[] = {&e28_up2.header, nullptr};
StringElement e27_up1 =
    make_string(string_header({178, 74}, e28_list), digit_spec(entry<vertical_speed_digit<1, true>>));
Element* e27_list[] = {&e27_up1.header, nullptr};

// 24-26: vertical speed scale.
StaticElement e26_vs_piece_lower = make_static(0x1180, {199, 64}, &gauge_pfd, e27_list, kFailures14, kFlagsFixed);
Element* e26_list[] = {&e26_vs_piece_lower.header, nullptr};
StaticElement e25_vs_piece_upper = make_static(0x1190, {174, 43}, &gauge_pfd, e26_list, kFailures14, kFlagsFixed);
Element* e25_list[] = {&e25_vs_piece_upper.header, nullptr};
const NeedlePoint vs_calibration[] = {
    needle_point(187, 146, -6000.0), needle_point(187, 138, -4000.0), needle_point(187, 130, -2000.0),
    needle_point(187, 115, -1000.0), needle_point(187, 100, 0.0),     needle_point(187, 85, 1000.0),
    needle_point(187, 70, 2000.0),   needle_point(187, 62, 4000.0),   needle_point(187, 54, 6000.0),
};
NeedleElement e24_vs_needle = make_needle(header(kKindNeedle, 0x1170, {214, 100}, e25_list),
                                          NeedleSpec{0x41, vs_calibration, 9, 0, entry<vertical_speed_needle>});
Element* e24_list[] = {&e24_vs_needle.header, nullptr};

// 11-23: flight mode annunciator.
StringElement e23_thrust_line1 =
    make_string(string_header({8, 0}, e24_list), text_spec(0x73, 0x75, 0, 35, 11, kGreen, 5, entry<thrust_mode_line1>));
Element* e23_list[] = {&e23_thrust_line1.header, nullptr};
StringElement e22_thrust_line2 = make_string(string_header({12, 15}, e23_list),
                                             text_spec(0x73, 0x75, 0, 28, 11, kWhite, 4, entry<thrust_mode_line2>));
Element* e22_list[] = {&e22_thrust_line2.header, nullptr};
IconElement e21_thrust_box = make_icon(header(kKindIcon, 0x12C0, {0, 0}, e22_list), 1, entry<thrust_mode_box>, 0x75);
Element* e21_list[] = {&e21_thrust_box.header, nullptr};
StringElement e20_alt_mode =
    make_string(string_header({58, 0}, e21_list), text_spec(0x6C, 0, 0, 21, 11, kGreen, 3, entry<altitude_mode>));
Element* e20_list[] = {&e20_alt_mode.header, nullptr};
StringElement e19_lateral_mode =
    make_string(string_header({97, 0}, e20_list), text_spec(0x6A, 0x68, 0x69, 21, 11, kGreen, 3, entry<lateral_mode>));
Element* e19_list[] = {&e19_lateral_mode.header, nullptr};
StringElement e18_cat2 =
    make_string(string_header({129, 0}, e19_list), text_spec(0, 0, 0, 35, 11, kWhite, 5, entry<approach_capability>));
Element* e18_list[] = {&e18_cat2.header, nullptr};
StringElement e17_dh_label = make_string(string_header({129, 20}, e18_list),
                                         text_spec(0x266, 0, 0, 14, 11, kWhite, 2, entry<decision_height_label>));
Element* e17_list[] = {&e17_dh_label.header, nullptr};
StringElement e16_dh_value = make_string(string_header({143, 20}, e17_list),
                                         text_spec(0x267, 0x266, 0, 21, 11, kCyan, 3, entry<decision_height_value>));
Element* e16_list[] = {&e16_dh_value.header, nullptr};
StringElement e15_ap1 =
    make_string(string_header({180, 0}, e16_list), text_spec(0x67, 0, 0, 21, 11, kWhite, 3, entry<autopilot_engaged>));
Element* e15_list[] = {&e15_ap1.header, nullptr};
StringElement e14_fd =
    make_string(string_header({175, 10}, e15_list), text_spec(0, 0, 0, 28, 11, kWhite, 4, entry<director_mode>));
Element* e14_list[] = {&e14_fd.header, nullptr};
StringElement e13_athr = make_string(string_header({173, 20}, e14_list),
                                     text_spec(0x7B, 0, 0, 35, 11, kWhite, 5, entry<autothrust_engaged>));
Element* e13_list[] = {&e13_athr.header, nullptr};
StringElement e12_loc =
    make_string(string_header({97, 20}, e13_list), text_spec(0x70, 0, 0, 21, 11, kGreen, 3, entry<localizer_mode>));
Element* e12_list[] = {&e12_loc.header, nullptr};
StringElement e11_gs =
    make_string(string_header({58, 20}, e12_list), text_spec(0x6F, 0, 0, 21, 11, kGreen, 3, entry<glide_slope_mode>));
Element* e11_list[] = {&e11_gs.header, nullptr};

// 8-10: Mach number, numeric target speed and altitude.
StringElement e10_target_alt = make_string(string_header({152, 30}, e11_list),
                                           text_spec(0x6D, 0, 0, 35, 11, kCyan, 5, entry<target_altitude_text>));
Element* e10_list[] = {&e10_target_alt.header, nullptr};
StringElement e9_target_speed =
    make_string(string_header({13, 30}, e10_list), text_spec(0x74, 0, 0, 21, 11, kCyan, 3, entry<target_speed_text>));
Element* e9_list[] = {&e9_target_speed.header, nullptr};
StringElement e8_mach =
    make_string(string_header({13, 160}, e9_list), text_spec(0x40, 0, 0, 21, 11, kGreen, 3, entry<mach_number>));
Element* e8_list[] = {&e8_mach.header, nullptr};

// 6-7: approach frequency and identifier.
StringElement e7_approach_ident = make_string(string_header({5, 175}, e8_list),
                                              text_spec(0x35D, 0, 0, 50, 8, kMagenta, 10, entry<approach_identifier>));
Element* e7_list[] = {&e7_approach_ident.header, nullptr};
StringElement e6_approach_freq =
    make_string(string_header({5, 183}, e7_list), text_spec(0x18, 0, 0, 30, 8, kMagenta, 6, entry<approach_frequency>));
Element* e6_list[] = {&e6_approach_freq.header, nullptr};

// 3-5: barometric reference.
StringElement e5_baro_setting =
    make_string(string_header({155, 175}, e6_list), text_spec(0x4B, 0x4C, 0, 42, 11, kCyan, 6, entry<baro_setting>));
Element* e5_list[] = {&e5_baro_setting.header, nullptr};
StringElement e4_qnh =
    make_string(string_header({165, 185}, e5_list), text_spec(0, 0, 0, 21, 11, kCyan, 3, entry<qnh_label>));
Element* e4_list[] = {&e4_qnh.header, nullptr};
IconElement e3_std_box = make_icon(header(kKindIcon, 0x11A0, {160, 180}, e4_list), 1, entry<std_box>);
Element* e3_list[] = {&e3_std_box.header, nullptr};

// 1-2: background and frame overlay.
IconElement e2_frame = make_icon(header(kKindIcon, 0x10B0, {0, 0}, e3_list), 1, {});
Element* e2_list[] = {&e2_frame.header, nullptr};
StaticElement e1_background = make_static(0x10A0, {0, 0}, &gauge_pfd, e2_list, kFailures14, 0x5);
Element* element_list[] = {&e1_background.header, nullptr};

MouseArea mouse_areas[] = {parent_area(), end_area()};

}  // namespace

GaugeHeader gauge_pfd = CORVANE_GAUGE_HEADER("PFD", element_list, 215, mouse_areas, idle_gauge_callback);

}  // namespace corvane
