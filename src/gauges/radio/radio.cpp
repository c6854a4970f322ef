// "Radio": the radio management panel. One panel tunes COM1, COM2, NAV1, NAV2
// or the ADF. COM and NAV frequencies live in the simulator, which the panel
// steps with its tuning events; the ADF has no standby in the simulator, so the
// panel keeps it, tunes it itself and hands it over whole on transfer.
#include "gauges/radio/radio.h"

#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/text_format.h"
#include "module/variables.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {

int radio_mode = 0;
uint32_t adf_standby_freq = 2000;
int radio_sel_nav1 = 0;
int radio_sel_nav2 = 0;
int radio_sel_adf = 0;

namespace {

constexpr int kModeCom1 = 0;
constexpr int kModeNav1 = 2;
constexpr int kModeNav2 = 3;
constexpr int kModeAdf = 4;

struct ReceiverTuning {
  uint32_t outer_decrement;
  uint32_t outer_increment;
  uint32_t inner_decrement;
  uint32_t inner_increment;
  uint32_t transfer;
  SimVar active;
  SimVar standby;
};

// COM2's inner increment really is 0x10388: 0x10387 is a different event.
constexpr ReceiverTuning kTuning[4] = {
    {0x10064, 0x10065, 0x10066, 0x10067, 0x10344, SV_17, SV_269},
    {0x10384, 0x10385, 0x10386, 0x10388, 0x1038C, SV_366, SV_367},
    {0x10068, 0x10069, 0x1006A, 0x1006B, 0x10390, SV_18, SV_368},
    {0x1006C, 0x1006D, 0x1006E, 0x1006F, 0x10394, SV_1B, SV_369},
};

constexpr uint32_t kEventAdfSetBelow1000 = 0x1024A;
constexpr uint32_t kEventAdfSet1000Up = 0x1024B;
constexpr uint32_t kEventSelNav1 = 0x10137;
constexpr uint32_t kEventSelNav2 = 0x10138;
constexpr uint32_t kEventSelAdf = 0x1013B;
constexpr uint32_t kEventPanelSwitch = 0x102F5;

// ADF standby band in tenths of kHz: 100.0 up to 1699.9 kHz, wrapping.
constexpr int64_t kAdfLowest = 1000;
constexpr int64_t kAdfBeyond = 17000;
constexpr int64_t kAdfWrap = 16000;
constexpr int64_t kAdfOuterStep = 100;
constexpr int64_t kAdfInnerStep = 5;

constexpr uint32_t kAmber = 0x3287FF;

const ReceiverTuning* tuning_for_mode() {
  return radio_mode >= 0 && radio_mode < kModeAdf ? &kTuning[radio_mode] : nullptr;
}

uint32_t digit(uint32_t bcd, int shift) { return (bcd >> shift) & 0xFU; }

void step_adf_standby(int64_t delta) {
  // Signed arithmetic: a standby taken from the simulator may sit below the band.
  int64_t next = static_cast<int64_t>(adf_standby_freq) + delta;
  if (delta < 0 && next < kAdfLowest) {
    next += kAdfWrap;
  } else if (delta > 0 && next >= kAdfBeyond) {
    next -= kAdfWrap;
  }
  adf_standby_freq = static_cast<uint32_t>(next);
}

// One knob half: the mode's tuning event, or an ADF standby step.
void turn_knob(uint32_t ReceiverTuning::*event, int64_t adf_step) {
  if (const ReceiverTuning* tuning = tuning_for_mode()) {
    raise_event(tuning->*event, 0);
  } else if (radio_mode == kModeAdf) {
    step_adf_standby(adf_step);
  }
  play_sound(SOUND_BUTTON);
}

void radio_transfer() {
  if (const ReceiverTuning* tuning = tuning_for_mode()) {
    raise_event(tuning->transfer, 0);
  } else if (radio_mode == kModeAdf) {
    const uint32_t bcd = adf_to_bcd(adf_standby_freq);
    const bool thousand_or_more = adf_standby_freq >= 10000;
    const auto main_digits = static_cast<uint32_t>(read_sim_int(SV_10));
    const auto extension = static_cast<uint32_t>(read_sim_int(SV_12));
    adf_standby_freq = adf_from_bcd(main_digits, extension);
    raise_event(thousand_or_more ? kEventAdfSet1000Up : kEventAdfSetBelow1000, bcd);
  }
  play_sound(SOUND_BUTTON);
}

void radio_sel_toggle() {
  int* flag = nullptr;
  uint32_t event = 0;
  if (radio_mode == kModeNav1) {
    flag = &radio_sel_nav1;
    event = kEventSelNav1;
  } else if (radio_mode == kModeNav2) {
    flag = &radio_sel_nav2;
    event = kEventSelNav2;
  } else if (radio_mode == kModeAdf) {
    flag = &radio_sel_adf;
    event = kEventSelAdf;
  }
  if (flag != nullptr) {
    *flag = *flag == 0 ? 1 : 0;
    raise_event(event, static_cast<uint32_t>(*flag));
  }
  play_sound(SOUND_BUTTON);
}

// Both displays: the left shows the active frequency, the right the standby.
void write_frequency(Element* element, bool standby) {
  char base[48] = "";
  const ReceiverTuning* tuning = tuning_for_mode();
  if (tuning != nullptr) {
    const auto bcd = static_cast<uint32_t>(read_sim_int(standby ? tuning->standby : tuning->active));
    format_text(base, sizeof base, "1%d%d.%d%d", static_cast<int>(digit(bcd, 12)), static_cast<int>(digit(bcd, 8)),
                static_cast<int>(digit(bcd, 4)), static_cast<int>(digit(bcd, 0)));
    // The simulator keeps two decimals of a 25 kHz channel: x2 stands for x25
    // and x7 for x75, so the third decimal is put back.
    const bool quarter = base[5] == '2' || base[5] == '7';
    write_text(element, quarter ? "%s5" : "%s0", base);
  } else if (radio_mode == kModeAdf && !standby) {
    const auto main_digits = static_cast<uint32_t>(read_sim_int(SV_10));
    const auto extension = static_cast<uint32_t>(read_sim_int(SV_12));
    format_text(base, sizeof base, "%d%d%d%d.%d", static_cast<int>(digit(extension, 8)),
                static_cast<int>(digit(main_digits, 8)), static_cast<int>(digit(main_digits, 4)),
                static_cast<int>(digit(main_digits, 0)), static_cast<int>(digit(extension, 0)));
    write_text(element, "%s0", base);
  } else if (radio_mode == kModeAdf) {
    write_text(element, "%07.2f", adf_standby_freq / 10.0);
  } else {
    write_text(element, "%s", "");
  }
}

double CORVANE_CALL radio_active_text(Element* element) {
  apply_panel_lighting(element);
  write_frequency(element, false);
  return 0.0;
}

double CORVANE_CALL radio_standby_text(Element* element) {
  apply_panel_lighting(element);
  write_frequency(element, true);
  return 0.0;
}

template <int Mode>
double CORVANE_CALL radio_mode_light(Element* element) {
  apply_panel_lighting(element);
  return radio_mode == Mode ? 1.0 : 0.0;
}

double CORVANE_CALL radio_sel_light(Element* element) {
  apply_panel_lighting(element);
  switch (radio_mode) {
    case kModeNav1:
      return radio_sel_nav1 != 0 ? 1.0 : 0.0;
    case kModeNav2:
      return radio_sel_nav2 != 0 ? 1.0 : 0.0;
    case kModeAdf:
      return radio_sel_adf != 0 ? 1.0 : 0.0;
    default:
      return 0.0;
  }
}

double CORVANE_CALL radio_switch_icon(Element* element) {
  apply_panel_lighting(element);
  return static_cast<double>(record_int(as_icon(element)->variable));
}

uint32_t CORVANE_CALL radio_transfer_click(uint32_t /*x*/, uint32_t /*y*/) {
  radio_transfer();
  return 1;
}

template <int Mode>
uint32_t CORVANE_CALL radio_mode_click(uint32_t /*x*/, uint32_t /*y*/) {
  radio_mode = Mode;
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL radio_outer_decrement(uint32_t /*x*/, uint32_t /*y*/) {
  turn_knob(&ReceiverTuning::outer_decrement, -kAdfOuterStep);
  return 1;
}

uint32_t CORVANE_CALL radio_outer_increment(uint32_t /*x*/, uint32_t /*y*/) {
  turn_knob(&ReceiverTuning::outer_increment, kAdfOuterStep);
  return 1;
}

uint32_t CORVANE_CALL radio_inner_decrement(uint32_t /*x*/, uint32_t /*y*/) {
  turn_knob(&ReceiverTuning::inner_decrement, -kAdfInnerStep);
  return 1;
}

uint32_t CORVANE_CALL radio_inner_increment(uint32_t /*x*/, uint32_t /*y*/) {
  turn_knob(&ReceiverTuning::inner_increment, kAdfInnerStep);
  return 1;
}

uint32_t CORVANE_CALL radio_sel_click(uint32_t /*x*/, uint32_t /*y*/) {
  radio_sel_toggle();
  return 1;
}

uint32_t CORVANE_CALL radio_switch_click(uint32_t /*x*/, uint32_t /*y*/) {
  raise_event(kEventPanelSwitch, 0);
  play_sound(SOUND_CLICK);
  return 1;
}

constexpr StringSpec display_spec(Entry<ElementCallback> callback) {
  return StringSpec{{0, 0, 0}, 72, 14, kAmber, 0x080808, 0x5A5A5A, "Quartz", 400, 0x25, 7, callback};
}

constexpr Element icon_header(uint32_t bitmap, Place at, const FailureEntry* failures) {
  return element_header(kKindIcon, bitmap, at, &gauge_radio, nullptr, failures, 0x3);
}

StringElement active_display =
    make_string(element_header(kKindString, kNoBitmap, {19, 11}, &gauge_radio, nullptr, kFailures14, 0x3),
                display_spec(entry<radio_active_text>));
StringElement standby_display =
    make_string(element_header(kKindString, kNoBitmap, {131, 11}, &gauge_radio, nullptr, kFailures14, 0x3),
                display_spec(entry<radio_standby_text>));
IconElement com1_light = make_icon(icon_header(0x1E00, {11, 52}, kFailures14), 2, entry<radio_mode_light<0>>);
IconElement com2_light = make_icon(icon_header(0x1F20, {73, 52}, kFailures14), 2, entry<radio_mode_light<1>>);
IconElement nav1_light = make_icon(icon_header(0x1B00, {11, 34}, nullptr), 2, entry<radio_mode_light<2>>);
IconElement nav2_light = make_icon(icon_header(0x1C00, {42, 34}, nullptr), 2, entry<radio_mode_light<3>>);
IconElement adf_light = make_icon(icon_header(0x1D00, {73, 34}, kFailures14), 2, entry<radio_mode_light<4>>);
IconElement sel_light = make_icon(icon_header(0x1F10, {48, 53}, kFailures14), 2, entry<radio_sel_light>);
IconElement panel_switch = make_icon(icon_header(0x1F00, {192, 79}, nullptr), 2, entry<radio_switch_icon>, 0x2E4);

Element* panel_elements[] = {
    &active_display.header, &standby_display.header, &com1_light.header, &com2_light.header,   &nav1_light.header,
    &nav2_light.header,     &adf_light.header,       &sel_light.header,  &panel_switch.header, nullptr};

StaticElement background = make_static(0x1A00, {0, 0}, &gauge_radio, panel_elements, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

MouseArea mouse_areas[] = {
    parent_area(0xA127),
    child_area(97, 9, 28, 20, kCursorClick, kMouseLeftClick, entry<radio_transfer_click>),
    child_area(11, 52, 26, 16, kCursorClick, kMouseLeftClick, entry<radio_mode_click<kModeCom1>>),
    child_area(73, 52, 26, 16, kCursorClick, kMouseLeftClick, entry<radio_mode_click<1>>),
    child_area(11, 34, 26, 16, kCursorClick, kMouseLeftClick, entry<radio_mode_click<kModeNav1>>),
    child_area(42, 34, 26, 16, kCursorClick, kMouseLeftClick, entry<radio_mode_click<kModeNav2>>),
    child_area(73, 34, 26, 16, kCursorClick, kMouseLeftClick, entry<radio_mode_click<kModeAdf>>),
    child_area(150, 38, 20, 13, kCursorDecrease, kMouseLeftRepeat, entry<radio_outer_decrement>),
    child_area(170, 38, 20, 13, kCursorIncrease, kMouseLeftRepeat, entry<radio_outer_increment>),
    child_area(150, 51, 20, 14, kCursorDecrease, kMouseLeftRepeat, entry<radio_inner_decrement>),
    child_area(170, 51, 20, 14, kCursorIncrease, kMouseLeftRepeat, entry<radio_inner_increment>),
    child_area(48, 53, 15, 15, kCursorClick, kMouseLeftClick, entry<radio_sel_click>),
    child_area(192, 79, 11, 21, kCursorClick, kMouseLeftClick, entry<radio_switch_click>),
    end_area(),
};

}  // namespace

uint32_t adf_to_bcd(uint32_t tenths_khz) {
  char digits[16] = "";
  format_text(digits, sizeof digits, "%05d", static_cast<int>(tenths_khz));
  uint32_t bcd = 0;
  for (int i = 1; i <= 4; ++i) {
    const char c = digits[i];
    bcd = (bcd << 4) | (c >= '0' && c <= '9' ? static_cast<uint32_t>(c - '0') : 0U);
  }
  return bcd;
}

uint32_t adf_from_bcd(uint32_t main_digits, uint32_t extension) {
  return digit(extension, 8) * 10000 + digit(main_digits, 8) * 1000 + digit(main_digits, 4) * 100 +
         digit(main_digits, 0) * 10 + digit(extension, 0);
}

GaugeHeader gauge_radio = CORVANE_GAUGE_HEADER("Radio", element_list, 222, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
