// "XPNDR": the transponder panel. A code is typed on the keypad digit by digit
// and goes to the simulator in one event with the fourth digit. The OFF/STBY/
// XPDR selector is the panel's own: it blanks the display in OFF and allows
// IDENT in XPDR, and the simulator is never told about it.
#include "gauges/radio/xpndr.h"

#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {

uint32_t xpndr_mode = 0;
int xpndr_entry_active = 0;
uint32_t xpndr_entry_count = 0;
char xpndr_entry_digits[4] = {0, 0, 0, 0};
int xpndr_ident_on = 0;
uint32_t xpndr_ident_ticks = 0;

namespace {

constexpr uint32_t kModeOff = 0;
constexpr uint32_t kModeXpdr = 2;
constexpr uint32_t kCodeDigits = 4;
constexpr uint32_t kEventSetCode = 0x100B3;
// IDENT shows for this many evaluations after the press.
constexpr uint32_t kIdentEvaluations = 18;

void xpndr_send_code() {
  uint32_t code = 0;
  for (char c : xpndr_entry_digits) {
    code = (code << 4) | (static_cast<uint32_t>(c - '0') & 0xFU);
  }
  raise_event(kEventSetCode, code);
  xpndr_entry_active = 0;
}

void xpndr_key(char digit) {
  play_sound(SOUND_BUTTON);
  if (xpndr_mode == kModeOff) {
    return;
  }
  // A full buffer waits for the clear key: the code already went out.
  if (xpndr_entry_count >= kCodeDigits) {
    return;
  }
  xpndr_entry_digits[xpndr_entry_count] = digit;
  ++xpndr_entry_count;
  if (xpndr_entry_count == kCodeDigits) {
    xpndr_send_code();
  }
}

double CORVANE_CALL xpndr_code_text(Element* element) {
  if (xpndr_mode == kModeOff) {
    set_hidden(element, true);
    return 0.0;
  }
  set_hidden(element, false);
  apply_panel_lighting(element);
  if (xpndr_entry_active == 1) {
    char shown[kCodeDigits + 1] = {' ', ' ', ' ', ' ', '\0'};
    const uint32_t typed = xpndr_entry_count < kCodeDigits ? xpndr_entry_count : kCodeDigits;
    for (uint32_t i = 0; i < typed; ++i) {
      shown[i] = xpndr_entry_digits[i];
    }
    write_text(element, "%s", shown);
  } else {
    // The BCD digits print as the code itself in hexadecimal.
    write_text(element, "%04x", static_cast<unsigned>(record_int(as_string(element)->variables[0])));
  }
  return 0.0;
}

double CORVANE_CALL xpndr_mode_icon(Element* /*element*/) { return static_cast<double>(xpndr_mode); }

double CORVANE_CALL xpndr_ident_light(Element* element) {
  if (xpndr_ident_on == 1) {
    ++xpndr_ident_ticks;
    if (xpndr_ident_ticks > kIdentEvaluations) {
      xpndr_ident_on = 0;
      xpndr_ident_ticks = 0;
    }
  }
  // IDENT lights whatever the panel lighting.
  if (panel_lights_on != 0 || xpndr_ident_on == 1) {
    element->image_flags |= kFlagBright;
  } else {
    element->image_flags &= ~kFlagBright;
  }
  return static_cast<double>(xpndr_ident_on);
}

uint32_t CORVANE_CALL xpndr_ident_click(uint32_t /*x*/, uint32_t /*y*/) {
  if (xpndr_mode == kModeXpdr) {
    xpndr_ident_on = 1;
    xpndr_ident_ticks = 0;
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL xpndr_mode_down(uint32_t /*x*/, uint32_t /*y*/) {
  if (xpndr_mode > kModeOff) {
    --xpndr_mode;
    play_sound(SOUND_CLICK);
  }
  return 1;
}

uint32_t CORVANE_CALL xpndr_mode_up(uint32_t /*x*/, uint32_t /*y*/) {
  if (xpndr_mode < kModeXpdr) {
    ++xpndr_mode;
    play_sound(SOUND_CLICK);
  }
  return 1;
}

template <char Digit>
uint32_t CORVANE_CALL xpndr_digit_click(uint32_t /*x*/, uint32_t /*y*/) {
  xpndr_key(Digit);
  return 1;
}

uint32_t CORVANE_CALL xpndr_clear_click(uint32_t /*x*/, uint32_t /*y*/) {
  play_sound(SOUND_BUTTON);
  if (xpndr_mode != kModeOff) {
    xpndr_entry_active = 1;
    xpndr_entry_count = 0;
  }
  return 1;
}

StringElement code_display = make_string(
    element_header(kKindString, kNoBitmap, {83, 4}, &gauge_xpndr, nullptr, kFailures14, 0x3),
    StringSpec{{0x26, 0, 0}, 72, 14, 0x3287FF, 0x080808, 0x5A5A5A, "Quartz", 400, 0x25, 4, entry<xpndr_code_text>});
IconElement mode_selector = make_icon(element_header(kKindIcon, 0x3101, {35, 27}, &gauge_xpndr, nullptr, nullptr, 0x3),
                                      3, entry<xpndr_mode_icon>, 0, 3);
IconElement ident_light = make_icon(element_header(kKindIcon, 0x4F10, {181, 32}, &gauge_xpndr, nullptr, nullptr, 0x3),
                                    2, entry<xpndr_ident_light>);

Element* panel_elements[] = {&code_display.header, &mode_selector.header, &ident_light.header, nullptr};

StaticElement background = make_static(0x4F00, {0, 0}, &gauge_xpndr, panel_elements, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

MouseArea mouse_areas[] = {
    parent_area(0xA70A),
    child_area(175, 43, 21, 21, kCursorClick, kMouseLeftClick, entry<xpndr_ident_click>),
    child_area(20, 23, 25, 31, kCursorDecrease, kMouseLeftClick, entry<xpndr_mode_down>),
    child_area(45, 23, 25, 31, kCursorIncrease, kMouseLeftClick, entry<xpndr_mode_up>),
    child_area(89, 32, 16, 16, kCursorClick, kMouseLeftClick, entry<xpndr_digit_click<'1'>>),
    child_area(111, 32, 16, 16, kCursorClick, kMouseLeftClick, entry<xpndr_digit_click<'2'>>),
    child_area(133, 32, 16, 16, kCursorClick, kMouseLeftClick, entry<xpndr_digit_click<'3'>>),
    child_area(89, 52, 16, 16, kCursorClick, kMouseLeftClick, entry<xpndr_digit_click<'4'>>),
    child_area(111, 52, 16, 16, kCursorClick, kMouseLeftClick, entry<xpndr_digit_click<'5'>>),
    child_area(133, 52, 16, 16, kCursorClick, kMouseLeftClick, entry<xpndr_digit_click<'6'>>),
    child_area(89, 72, 16, 16, kCursorClick, kMouseLeftClick, entry<xpndr_digit_click<'7'>>),
    child_area(111, 72, 16, 16, kCursorClick, kMouseLeftClick, entry<xpndr_digit_click<'0'>>),
    child_area(133, 72, 16, 16, kCursorClick, kMouseLeftClick, entry<xpndr_clear_click>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_xpndr = CORVANE_GAUGE_HEADER("XPNDR", element_list, 222, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
