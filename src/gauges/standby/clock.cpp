// "Clock": the digital window (time of day or a second simulator quantity),
// the chronometer's second hand on the simulator clock, and the buttons that
// cycle the chronometer, switch the window and adjust what it shows.
#include "gauges/standby/clock.h"

#include <cmath>

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

int clock_display_mode = 0;
uint32_t chrono_state = 0;
int chrono_start = 0;
double chrono_elapsed = 0.0;

namespace {

constexpr uint32_t kChronoReset = 0;
constexpr uint32_t kChronoRunning = 1;
constexpr uint32_t kChronoStopped = 2;

constexpr uint32_t kEventTimeDown = 0x10079;
constexpr uint32_t kEventTimeUp = 0x1007A;
constexpr uint32_t kEventQuantityDown = 0x100FE;
constexpr uint32_t kEventQuantityUp = 0x100FD;

double CORVANE_CALL clock_text(Element* element);
double CORVANE_CALL chrono_seconds(Element* element);
double CORVANE_CALL clock_mode_icon(Element* element);

IconElement mode_icon = make_icon(element_header(kKindIcon, 0x5400, {51, 53}, &gauge_clock, nullptr, nullptr, 0x3), 2,
                                  entry<clock_mode_icon>);
Element* mode_icon_list[] = {&mode_icon.header, nullptr};

// One turn of the hand per 60 seconds.
const NeedlePoint second_hand_table[] = {needle_point(34, 10, 0.0), needle_point(58, 34, 15.0)};

NeedleElement second_hand =
    make_needle(element_header(kKindNeedle, 0x2E00, {34, 34}, &gauge_clock, mode_icon_list, nullptr, 0x4002, {2, 1}),
                NeedleSpec{0x25C, second_hand_table, 2, 0, entry<chrono_seconds>});
Element* second_hand_list[] = {&second_hand.header, nullptr};

StringElement window = make_string(
    element_header(kKindString, kNoBitmap, {16, 28}, &gauge_clock, second_hand_list, kFailures14, 0x4002),
    StringSpec{{0x3, 0x4, 0x150}, 37, 13, 0xD2D2D2, 0x080808, 0x5A5A5A, "Quartz", 400, 0x25, 5, entry<clock_text>});
Element* window_list[] = {&window.header, nullptr};

StaticElement face = make_static(0x2D10, {6, 6}, &gauge_clock, window_list, nullptr, 0x4001);
Element* face_list[] = {&face.header, nullptr};

StaticElement background = make_static(0x2D00, {0, 0}, &gauge_clock, face_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

bool two_digits(int32_t value) { return value >= 0 && value <= 99; }

double CORVANE_CALL clock_text(Element* element) {
  const StringElement* s = as_string(element);
  if (clock_display_mode == 0) {
    const double raw_hours = record_double(s->variables[0]);
    const double raw_minutes = record_double(s->variables[1]);
    const int32_t hours = trunc_int(raw_hours);
    const int32_t minutes = trunc_int(raw_minutes);
    // A time the window cannot show in two digits each reads as no time.
    if (std::isfinite(raw_hours) && std::isfinite(raw_minutes) && two_digits(hours) && two_digits(minutes)) {
      write_text(element, "%02d:%02d", static_cast<int>(hours), static_cast<int>(minutes));
    } else {
      write_text(element, "--:--");
    }
  } else {
    char text[8];
    // Large quantities drop decimals rather than lose their leading digits.
    if (format_fitted(text, 5, 2, record_double(s->variables[2]))) {
      write_text(element, "%s", text);
    } else {
      write_text(element, "-----");
    }
  }
  return 0.0;
}

double CORVANE_CALL chrono_seconds(Element* element) {
  const double now = record_double(as_needle(element)->variable);
  if (chrono_state == kChronoRunning) {
    chrono_elapsed = now - chrono_start;
  }
  if (chrono_state == kChronoReset) {
    chrono_elapsed = 0.0;
  }
  return static_cast<double>(trunc_int(chrono_elapsed) % 60);
}

double CORVANE_CALL clock_mode_icon(Element* /*element*/) { return static_cast<double>(clock_display_mode); }

uint32_t CORVANE_CALL clock_adjust_down(uint32_t /*x*/, uint32_t /*y*/) {
  raise_event(clock_display_mode == 0 ? kEventTimeDown : kEventQuantityDown, 0);
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL clock_adjust_up(uint32_t /*x*/, uint32_t /*y*/) {
  raise_event(clock_display_mode == 0 ? kEventTimeUp : kEventQuantityUp, 0);
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL chrono_button(uint32_t /*x*/, uint32_t /*y*/) {
  ++chrono_state;
  if (chrono_state > kChronoStopped) {
    chrono_state = kChronoReset;
  }
  if (chrono_state == kChronoRunning) {
    chrono_start = trunc_int(read_sim(SV_25C));
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL clock_mode_button(uint32_t /*x*/, uint32_t /*y*/) {
  clock_display_mode = clock_display_mode == 0 ? 1 : 0;
  play_sound(SOUND_CLICK);
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(0xAB16),
    child_area(0, 51, 11, 18, kCursorDecrease, kMouseLeftClick, entry<clock_adjust_down>),
    child_area(11, 51, 11, 18, kCursorIncrease, kMouseLeftClick, entry<clock_adjust_up>),
    child_area(2, 2, 18, 16, kCursorClick, kMouseLeftClick, entry<chrono_button>),
    child_area(51, 53, 18, 16, kCursorClick, kMouseLeftClick, entry<clock_mode_button>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_clock = CORVANE_GAUGE_HEADER("Clock", element_list, 69, mouse_areas, idle_gauge_callback);

}  // namespace corvane
