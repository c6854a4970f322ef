// "Rudder Trim": the trim window (L/R and tenths of a degree, "CTRD" when
// centred), the spring-loaded trim switch that steps the trim while held and
// RESET, which steps the trim back to centre one event per update.
#include "gauges/controls/rudder_trim.h"

#include <cstdint>

#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/numeric.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {

int rudder_trim_knob_pos = 1;
uint32_t rudder_trim_knob_ticks = 0;
int rudder_trim_resetting = 0;

int32_t rudder_trim_tenths(double radians) { return trunc_int(radians / 6.28 * 3600.0); }

namespace {

constexpr uint32_t kEventTrimLeft = 0x102E6;
constexpr uint32_t kEventTrimRight = 0x102E7;

constexpr int kKnobLeft = 0;
constexpr int kKnobCentre = 1;
constexpr int kKnobRight = 2;
// The switch springs back on the evaluation after this many.
constexpr uint32_t kKnobHoldTicks = 18;
// The window has four characters: beyond 99.9 degrees it stays at the largest it can show.
constexpr int64_t kLargestShownTenths = 999;

double CORVANE_CALL rudder_trim_text(Element* element);
double CORVANE_CALL rudder_trim_knob(Element* element);

StringElement trim_window = make_string(
    element_header(kKindString, kNoBitmap, {3, 3}, &gauge_rudder_trim, nullptr, kFailures14, 0x3),
    StringSpec{{0x313, 0, 0}, 57, 14, 0x3287FF, 0x080808, 0x5A5A5A, "Quartz", 400, 0x25, 4, entry<rudder_trim_text>});
IconElement trim_switch =
    make_icon(element_header(kKindIcon, 0x3101, {10, 27}, &gauge_rudder_trim, nullptr, nullptr, 0x3), 3,
              entry<rudder_trim_knob>, 0, 3);
Element* background_children[] = {&trim_window.header, &trim_switch.header, nullptr};

StaticElement background = make_static(0x2F10, {0, 0}, &gauge_rudder_trim, background_children, nullptr, 0x3);
Element* element_list[] = {&background.header, nullptr};

double CORVANE_CALL rudder_trim_text(Element* element) {
  // Only the lit bit: the window is redrawn on its own schedule.
  if (panel_lights_on != 0) {
    element->image_flags |= kFlagBright;
  } else {
    element->image_flags &= ~kFlagBright;
  }
  const double radians = record_double(as_string(element)->variables[0]);
  const int64_t tenths = rudder_trim_tenths(radians);
  if (tenths > 0) {
    write_text(element, "R%03d", static_cast<int>(tenths < kLargestShownTenths ? tenths : kLargestShownTenths));
  } else if (tenths < 0) {
    write_text(element, "L%03d", static_cast<int>(-tenths < kLargestShownTenths ? -tenths : kLargestShownTenths));
  } else {
    write_text(element, "CTRD");
  }
  return radians;
}

double CORVANE_CALL rudder_trim_knob(Element* /*element*/) {
  if (rudder_trim_knob_pos != kKnobCentre) {
    ++rudder_trim_knob_ticks;
    if (rudder_trim_knob_ticks > kKnobHoldTicks) {
      rudder_trim_knob_pos = kKnobCentre;
    }
  }
  return static_cast<double>(rudder_trim_knob_pos);
}

void turn_switch(int position, uint32_t event) {
  rudder_trim_knob_pos = position;
  rudder_trim_knob_ticks = 0;
  rudder_trim_resetting = 0;
  raise_event(event, 0);
  play_sound(SOUND_CLICK);
}

uint32_t CORVANE_CALL trim_left(uint32_t /*x*/, uint32_t /*y*/) {
  turn_switch(kKnobLeft, kEventTrimLeft);
  return 1;
}

uint32_t CORVANE_CALL trim_right(uint32_t /*x*/, uint32_t /*y*/) {
  turn_switch(kKnobRight, kEventTrimRight);
  return 1;
}

uint32_t CORVANE_CALL trim_reset(uint32_t /*x*/, uint32_t /*y*/) {
  rudder_trim_resetting = 1;
  play_sound(SOUND_BUTTON);
  return 1;
}

void CORVANE_CALL rudder_trim_gauge_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service != kServiceUpdate) {
    return;
  }
  apply_panel_lighting(gauge);
  if (rudder_trim_resetting == 1) {
    const int32_t tenths = rudder_trim_tenths(read_sim(SV_313));
    if (tenths < 0) {
      raise_event(kEventTrimRight, 0);
    } else if (tenths > 0) {
      raise_event(kEventTrimLeft, 0);
    } else {
      rudder_trim_resetting = 0;
    }
  }
}

MouseArea mouse_areas[] = {
    parent_area(0xAB78),
    child_area(0, 19, 21, 37, kCursorDecrease, kMouseLeftRepeat, entry<trim_left>),
    child_area(21, 19, 21, 37, kCursorIncrease, kMouseLeftRepeat, entry<trim_right>),
    child_area(45, 37, 15, 15, kCursorClick, kMouseLeftClick, entry<trim_reset>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_rudder_trim =
    CORVANE_GAUGE_HEADER("Rudder Trim", element_list, 63, mouse_areas, rudder_trim_gauge_callback);

}  // namespace corvane
