// "Stdby Altimeter": drum and pointer altimeter with its own barometric
// setting. At synchronisation it takes the simulator's indicated altitude;
// afterwards each step of its own setting shifts the shown altitude by a
// fixed number of feet, as a mechanical instrument would.
#include "gauges/standby/stdby_altimeter.h"

#include <cstdio>

#include "host/services.h"
#include "module/elements.h"
#include "module/fitted_number.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/numeric.h"
#include "module/variables.h"
#include "shared/sounds.h"

namespace corvane {

double stby_baro_hpa = 0.0;
double stby_baro_inhg = 0.0;
double stby_alt_offset = 0.0;
int stby_baro_unit = 0;
int stby_startup_ticks = 0;
int stby_synced = 0;

namespace {

constexpr double kFeetPerMetre = 3.2808;
constexpr double kHpaPerInhg = 33.864;
constexpr double kHpaLowest = 948.0;
constexpr double kHpaHighest = 1084.0;
constexpr double kInhgLowest = 28.0;
constexpr double kInhgHighest = 32.0;
constexpr double kFeetPerHpaStep = 29.5;
constexpr double kFeetPerInhgStep = 9.22;
constexpr double kInhgStep = 0.01;
constexpr int kResetEvaluations = 109;
constexpr double kResyncOffsetFeet = 10000.0;
// The drum has five digits; altitudes beyond them stay at its ends.
constexpr int32_t kDrumHighest = 99999;
constexpr int32_t kDrumLowest = -9999;

double CORVANE_CALL stby_baro_text(Element* element);
double CORVANE_CALL stby_altitude_text(Element* element);
double CORVANE_CALL stby_altitude_feet(Element* element);
double CORVANE_CALL stby_baro_unit_icon(Element* element);

IconElement unit_icon =
    make_icon(element_header(kKindIcon, 0x5400, {51, 53}, &gauge_stdby_altimeter, nullptr, nullptr, 0x3), 2,
              entry<stby_baro_unit_icon>);
Element* unit_icon_list[] = {&unit_icon.header, nullptr};

// One pointer turn per 1000 ft.
const NeedlePoint pointer_table[] = {needle_point(34, 7, 0.0), needle_point(34, 62, 500.0)};

NeedleElement pointer = make_needle(
    element_header(kKindNeedle, 0x5100, {34, 34}, &gauge_stdby_altimeter, unit_icon_list, nullptr, 0x4003, {9, 5}),
    NeedleSpec{0x49, pointer_table, 2, 6, entry<stby_altitude_feet>});
Element* pointer_list[] = {&pointer.header, nullptr};

StringElement drum = make_string(
    element_header(kKindString, kNoBitmap, {12, 24}, &gauge_stdby_altimeter, pointer_list, kFailures14, 0x4002),
    StringSpec{{0x49, 0, 0}, 40, 10, 0xD2D2D2, 0x080808, 0x5A5A5A, "Quartz", 400, 0x25, 5, entry<stby_altitude_text>});
Element* drum_list[] = {&drum.header, nullptr};

StringElement baro_window = make_string(
    element_header(kKindString, kNoBitmap, {25, 49}, &gauge_stdby_altimeter, drum_list, kFailures14, 0x4002),
    StringSpec{{0, 0, 0}, 18, 8, 0xD2D2D2, 0x080808, 0x5A5A5A, "Quartz", 400, 0x25, 4, entry<stby_baro_text>});
Element* baro_window_list[] = {&baro_window.header, nullptr};

StaticElement face = make_static(0x5310, {6, 6}, &gauge_stdby_altimeter, baro_window_list, nullptr, 0x4001);
Element* face_list[] = {&face.header, nullptr};

StaticElement background = make_static(0x5300, {0, 0}, &gauge_stdby_altimeter, face_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

void stby_sync() {
  stby_baro_hpa = read_sim(SV_4B);
  stby_baro_inhg = read_sim(SV_4C);
  const double indicated = read_sim(SV_4A);
  stby_alt_offset = indicated - read_sim(SV_49) * kFeetPerMetre;
}

double CORVANE_CALL stby_altitude_feet(Element* element) {
  return record_double(as_needle(element)->variable) * kFeetPerMetre + stby_alt_offset;
}

double CORVANE_CALL stby_altitude_text(Element* element) {
  if (stby_startup_ticks <= kResetEvaluations - 1) {
    ++stby_startup_ticks;
    write_text(element, "RESET");
    return 88888.0;
  }
  if (stby_synced == 0 || stby_alt_offset > kResyncOffsetFeet) {
    stby_sync();
    stby_synced = 1;
  }
  const double altitude = record_double(as_string(element)->variables[0]) * kFeetPerMetre + stby_alt_offset;
  write_text(element, "%05d", static_cast<int>(clamp_value(trunc_int(altitude), kDrumLowest, kDrumHighest)));
  return altitude;
}

double CORVANE_CALL stby_baro_text(Element* element) {
  const double shown = stby_baro_unit == 0 ? stby_baro_hpa : stby_baro_inhg * 100.0;
  char text[8];
  // A setting the window cannot hold (taken from the simulator at
  // synchronisation) shows dashes rather than a cut number.
  if (format_fitted(text, 4, 0, shown)) {
    write_text(element, "%s", text);
  } else {
    write_text(element, "----");
  }
  return shown;
}

double CORVANE_CALL stby_baro_unit_icon(Element* /*element*/) { return static_cast<double>(stby_baro_unit); }

uint32_t CORVANE_CALL stby_baro_inc(uint32_t /*x*/, uint32_t /*y*/) {
  if (stby_baro_unit == 0) {
    if (stby_baro_hpa < kHpaHighest) {
      stby_baro_hpa += 1.0;
      stby_alt_offset += kFeetPerHpaStep;
    }
  } else if (stby_baro_inhg < kInhgHighest) {
    stby_baro_inhg += kInhgStep;
    stby_alt_offset += kFeetPerInhgStep;
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL stby_baro_dec(uint32_t /*x*/, uint32_t /*y*/) {
  if (stby_baro_unit == 0) {
    if (stby_baro_hpa > kHpaLowest) {
      stby_baro_hpa -= 1.0;
      stby_alt_offset -= kFeetPerHpaStep;
    }
  } else if (stby_baro_inhg > kInhgLowest) {
    stby_baro_inhg -= kInhgStep;
    stby_alt_offset -= kFeetPerInhgStep;
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL stby_unit_toggle(uint32_t /*x*/, uint32_t /*y*/) {
  stby_baro_unit = 1 - stby_baro_unit;
  if (stby_baro_unit == 0) {
    stby_baro_hpa = stby_baro_inhg * kHpaPerInhg;
  } else {
    stby_baro_inhg = stby_baro_hpa / kHpaPerInhg;
  }
  play_sound(SOUND_CLICK);
  return 1;
}

uint32_t CORVANE_CALL stby_sync_knob(uint32_t /*x*/, uint32_t /*y*/) {
  stby_sync();
  play_sound(SOUND_BUTTON);
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(0xAB07),
    child_area(4, 53, 6, 11, kCursorDecrease, kMouseLeftRepeat, entry<stby_baro_dec>),
    child_area(10, 53, 6, 11, kCursorIncrease, kMouseLeftRepeat, entry<stby_baro_inc>),
    child_area(51, 53, 18, 16, kCursorClick, kMouseLeftClick, entry<stby_unit_toggle>),
    child_area(0, 0, 18, 18, kCursorClick, kMouseLeftClick, entry<stby_sync_knob>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_stdby_altimeter =
    CORVANE_GAUGE_HEADER("Stdby Altimeter", element_list, 69, mouse_areas, idle_gauge_callback);

}  // namespace corvane
