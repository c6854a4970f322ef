// "E/WD": the upper ECAM screen. This source holds the element chain, the
// engine display of the upper half, the flap table read at install and the
// FSUIPC exchange at every draw; the warning logic and the text area of the
// lower half live beside it (ecam_logic.cpp, ewd_text.cpp).
#include "gauges/ecam/ewd.h"

#include <cmath>
#include <cstring>

#include "host/fsuipc.h"
#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/numeric.h"
#include "module/text_format.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"

namespace corvane {

int32_t pushback_state = 0;
int32_t thrust_limit_percent = 92;
double idle_flash_time = 0.0;
int idle_flash_count = 0;
int banner_done = 0;
double banner_start_time = 0.0;
int flap_table_parsed = 0;
double last_fuel_flow_time[2] = {0.0, 0.0};

namespace {

constexpr uint32_t kGreen = 0x40FF40;
constexpr uint32_t kAmber = 0x3287FF;
constexpr uint32_t kRed = 0x1E1EFF;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kBlue = 0xD17812;
constexpr uint32_t kLightBlue = 0xFF961E;
constexpr uint32_t kHighlight = 0x5A5A5A;
constexpr const char* kFont = "Lucida Console";

constexpr int kMaxParameterChars = 500;
constexpr int kMaxFlapValues = 50;
constexpr uint32_t kFsuipcBufferSize = 1000;
uint8_t fsuipc_buffer[kFsuipcBufferSize];

bool engine_running(int engine) { return (engine == 0 ? engine1_running : engine2_running) != 0; }

double record_value(Element* element, int index) { return record_double(as_string(element)->variables[index]); }

// N1 and N2 readouts share one rule.
double engine_percent_text(Element* element, int engine) {
  const double value = record_value(element, 0);
  const bool running = engine_running(engine);
  set_text_colour(element, (value > 100.0 || !running) ? kAmber : kGreen);
  if (running) {
    write_text(element, "%03d", trunc_int(value));
  } else {
    write_text(element, "XXX");
  }
  return value;
}

double egt_text(Element* element, int engine) {
  const double celsius = (record_value(element, 0) - 459.67 - 32.0) * 0.5555555555555556;
  if (engine_running(engine)) {
    set_text_colour(element, kGreen);
    write_text(element, "%03d", trunc_int(celsius));
  } else {
    set_text_colour(element, kAmber);
    write_text(element, "XXX");
  }
  return celsius;
}

double fuel_flow_text(Element* element, int engine) {
  const double kg_per_hour = record_value(element, 0) * 0.4536;
  const double now = record_value(element, 1);
  const double dt = now - last_fuel_flow_time[engine];
  if (engine_running(engine)) {
    set_text_colour(element, kGreen);
    write_text(element, "%04d", trunc_int(kg_per_hour));
    fuel_used_kg[engine] += kg_per_hour * dt / 3600.0;
  } else {
    set_text_colour(element, kAmber);
    write_text(element, " XX ");
  }
  last_fuel_flow_time[engine] = now;
  return kg_per_hour;
}

double CORVANE_CALL engine1_n1_text(Element* e) { return engine_percent_text(e, 0); }
double CORVANE_CALL engine2_n1_text(Element* e) { return engine_percent_text(e, 1); }
double CORVANE_CALL engine1_n2_text(Element* e) { return engine_percent_text(e, 0); }
double CORVANE_CALL engine2_n2_text(Element* e) { return engine_percent_text(e, 1); }
double CORVANE_CALL engine1_egt_text(Element* e) { return egt_text(e, 0); }
double CORVANE_CALL engine2_egt_text(Element* e) { return egt_text(e, 1); }
double CORVANE_CALL engine1_fuel_flow_text(Element* e) { return fuel_flow_text(e, 0); }
double CORVANE_CALL engine2_fuel_flow_text(Element* e) { return fuel_flow_text(e, 1); }

double CORVANE_CALL fuel_on_board_text(Element* element) {
  const double kg = (record_value(element, 0) + record_value(element, 1) + record_value(element, 2)) * 3.04;
  fuel_on_board_kg = trunc_int(kg);
  uint32_t colour = kGreen;
  if (kg < 1000.0) {
    colour = kRed;
  } else if (kg < 3000.0) {
    colour = kAmber;
  }
  set_text_colour(element, colour);
  write_text(element, "%6d", fuel_on_board_kg);
  return kg;
}

// N1 and EGT needles show the simulator's value as it comes, while the engine runs.
double engine_needle(Element* element, int engine) {
  set_hidden(element, !engine_running(engine));
  return record_double(as_needle(element)->variable);
}

double CORVANE_CALL engine1_n1_needle(Element* e) { return engine_needle(e, 0); }
double CORVANE_CALL engine2_n1_needle(Element* e) { return engine_needle(e, 1); }
double CORVANE_CALL engine1_egt_needle(Element* e) { return engine_needle(e, 0); }
double CORVANE_CALL engine2_egt_needle(Element* e) { return engine_needle(e, 1); }

double thrust_lever_needle(Element* element, int engine) {
  const bool shown = engine_running(engine) && read_sim(SV_7B) != 0.0;
  set_hidden(element, !shown);
  return record_double(as_needle(element)->variable) * 100.0;
}

void run_banner_timer() {
  if (banner_done != 0) {
    return;
  }
  const double now = read_sim(SV_25C);
  if (banner_start_time == 0.0) {
    banner_start_time = now;
  }
  if (banner_start_time + 3.0 <= now) {
    banner_done = 1;
  }
}

double CORVANE_CALL engine1_lever_needle(Element* e) {
  run_banner_timer();
  return thrust_lever_needle(e, 0);
}
double CORVANE_CALL engine2_lever_needle(Element* e) { return thrust_lever_needle(e, 1); }

double CORVANE_CALL throttle_axis_needle(Element* element) {
  set_hidden(element, false);
  return static_cast<double>(throttle_axis_percent);
}

double CORVANE_CALL engine1_dial_n1(Element*) { return engine1_running != 0 ? 1.0 : 0.0; }
double CORVANE_CALL engine1_dial_egt(Element*) { return engine1_running != 0 ? 2.0 : 0.0; }
double CORVANE_CALL engine2_dial_n1(Element*) { return engine2_running != 0 ? 3.0 : 0.0; }
double CORVANE_CALL engine2_dial_egt(Element*) { return engine2_running != 0 ? 4.0 : 0.0; }

double CORVANE_CALL dial_label(Element* element) { return record_double(as_icon(element)->variable) > 0.1 ? 1.0 : 0.0; }

void set_detent(const char* text, int32_t limit) {
  format_text(thrust_detent_text, kDetentTextSize, "%s", text);
  thrust_limit_percent = limit;
}

void reset_idle_flash() {
  idle_flash_time = 0.0;
  idle_flash_count = 0;
}

double CORVANE_CALL detent_text(Element* element) {
  const double lever1 = record_value(element, 1);
  const double lever2 = record_value(element, 2);
  const double lever = lever1 > lever2 ? lever1 : lever2;
  if (engine1_running == 0 && engine2_running == 0) {
    set_text_colour(element, kAmber);
    write_text(element, " XX ");
    reset_idle_flash();
    return lever;
  }
  if (read_sim(SV_7B) != 0.0) {
    set_text_colour(element, kLightBlue);
    write_text(element, "CL ");
    reset_idle_flash();
    return lever;
  }
  set_text_colour(element, kWhite);
  if (lever >= 0.95) {
    write_text(element, "TOGA");
    set_detent("TOGA", 101);
    reset_idle_flash();
  } else if (lever >= 0.85) {
    write_text(element, "FLX");
    set_detent("FLEX", 95);
    reset_idle_flash();
  } else if (lever >= 0.05) {
    write_text(element, "CL");
    set_detent(" CL ", 92);
    reset_idle_flash();
  } else {
    set_detent("IDLE", 92);
    // Four short blinks on entering IDLE, then steady.
    const double now = read_sim(SV_25C);
    if (idle_flash_count < 5) {
      if (idle_flash_time + 0.5 <= now) {
        idle_flash_time = now;
        ++idle_flash_count;
      }
      write_text(element, "%s", now < idle_flash_time + 0.25 ? "IDLE" : "");
    } else {
      write_text(element, "IDLE");
      idle_flash_time = now;
    }
  }
  return lever;
}

double CORVANE_CALL thrust_limit_text(Element* element) {
  if (engine1_running == 0 && engine2_running == 0) {
    set_text_colour(element, kAmber);
    write_text(element, " XX ");
  } else {
    set_text_colour(element, kBlue);
    write_text(element, "%03d%%", thrust_limit_percent);
  }
  return static_cast<double>(thrust_limit_percent);
}

// The handle sits on its detents, so exact values are the rule.
double CORVANE_CALL flap_handle_icon(Element* element) {
  const double handle = record_double(as_icon(element)->variable);
  if (handle == 16384.0) {
    return 5.0;
  }
  if (handle == 13107.2) {
    return 4.0;
  }
  if (handle == 9830.4) {
    return 3.0;
  }
  if (handle == 6553.6) {
    return 2.0;
  }
  if (handle == 3276.8) {
    return 1.0;
  }
  return 0.0;
}

double CORVANE_CALL flap_position_icon(Element* element) {
  const double position = record_double(as_icon(element)->variable);
  for (int i = kFlapThresholdCount - 1; i >= 1; --i) {
    if (position >= flap_thresholds[i]) {
      return static_cast<double>(i);
    }
  }
  return 0.0;
}

double CORVANE_CALL left_line_0(Element* e) { return ewd_left_line(e, 0); }
double CORVANE_CALL left_line_1(Element* e) { return ewd_left_line(e, 1); }
double CORVANE_CALL left_line_2(Element* e) { return ewd_left_line(e, 2); }
double CORVANE_CALL left_line_3(Element* e) { return ewd_left_line(e, 3); }
double CORVANE_CALL left_line_4(Element* e) { return ewd_left_line(e, 4); }
double CORVANE_CALL memo_line_0(Element* e) { return ewd_memo_line(e, 0); }
double CORVANE_CALL memo_line_1(Element* e) { return ewd_memo_line(e, 1); }
double CORVANE_CALL memo_line_2(Element* e) { return ewd_memo_line(e, 2); }
double CORVANE_CALL memo_line_3(Element* e) { return ewd_memo_line(e, 3); }
double CORVANE_CALL memo_line_4(Element* e) { return ewd_memo_line(e, 4); }

// The element chain, built from its last link up to the background.
constexpr Element header(uint32_t kind, uint32_t bitmap, Place at, Element** child, uint32_t flags, Place offset = {}) {
  return element_header(kind, bitmap, at, &gauge_ewd, child, kFailures14, flags, offset);
}
constexpr StringSpec text_spec(uint32_t t1, uint32_t t2, uint32_t t3, int32_t w, int32_t h, uint32_t colour,
                               uint32_t chars, Entry<ElementCallback> callback) {
  return StringSpec{{t1, t2, t3}, w, h, colour, 0x000000, kHighlight, kFont, 400, 0x25, chars, callback};
}

const NeedlePoint engine1_n1_table[] = {needle_point(18, 42, 0.0), needle_point(18, 14, 50.0),
                                        needle_point(46, 14, 100.0)};
const NeedlePoint engine2_n1_table[] = {needle_point(80, 42, 0.0), needle_point(80, 14, 50.0),
                                        needle_point(107, 14, 100.0)};
const NeedlePoint engine1_egt_table[] = {needle_point(18, 88, 0.0), needle_point(18, 60, 800.0)};
const NeedlePoint engine2_egt_table[] = {needle_point(80, 88, 0.0), needle_point(80, 60, 800.0)};

IconElement e38 = make_icon(header(kKindIcon, 0x5540, {23, 24}, nullptr, 0x7), 2, entry<dial_label>, 0x281);
Element* l38[] = {&e38.header, nullptr};
IconElement e37 = make_icon(header(kKindIcon, 0x5540, {85, 24}, l38, 0x7), 2, entry<dial_label>, 0x294);
Element* l37[] = {&e37.header, nullptr};
StringElement e36 = make_string(header(kKindString, kNoBitmap, {22, 35}, l37, 0x6),
                                text_spec(0x270, 0, 0, 23, 11, kGreen, 3, entry<engine1_n1_text>));
Element* l36[] = {&e36.header, nullptr};
StringElement e35 = make_string(header(kKindString, kNoBitmap, {84, 35}, l36, 0x6),
                                text_spec(0x283, 0, 0, 23, 11, kGreen, 3, entry<engine2_n1_text>));
Element* l35[] = {&e35.header, nullptr};
StringElement e34 = make_string(header(kKindString, kNoBitmap, {23, 81}, l35, 0x6),
                                text_spec(0x237, 0, 0, 21, 11, kGreen, 3, entry<engine1_egt_text>));
Element* l34[] = {&e34.header, nullptr};
StringElement e33 = make_string(header(kKindString, kNoBitmap, {84, 81}, l34, 0x6),
                                text_spec(0x241, 0, 0, 21, 11, kGreen, 3, entry<engine2_egt_text>));
Element* l33[] = {&e33.header, nullptr};
NeedleElement e32 = make_needle(header(kKindNeedle, 0x5530, {32, 28}, l33, 0x7, {0, 1}),
                                NeedleSpec{0x270, engine1_n1_table, 3, 3, entry<engine1_n1_needle>});
Element* l32[] = {&e32.header, nullptr};
NeedleElement e31 = make_needle(header(kKindNeedle, 0x5530, {94, 28}, l32, 0x7, {0, 1}),
                                NeedleSpec{0x283, engine2_n1_table, 3, 3, entry<engine2_n1_needle>});
Element* l31[] = {&e31.header, nullptr};
NeedleElement e30 = make_needle(header(kKindNeedle, 0x5520, {32, 28}, l31, 0x7, {0, 2}),
                                NeedleSpec{0x22E, engine1_n1_table, 3, 0, entry<engine1_lever_needle>});
Element* l30[] = {&e30.header, nullptr};
NeedleElement e29 = make_needle(header(kKindNeedle, 0x5520, {94, 28}, l30, 0x7, {0, 2}),
                                NeedleSpec{0x238, engine2_n1_table, 3, 0, entry<engine2_lever_needle>});
Element* l29[] = {&e29.header, nullptr};
NeedleElement e28 = make_needle(header(kKindNeedle, 0x5510, {32, 28}, l29, 0x7, {0, 2}),
                                NeedleSpec{0, engine1_n1_table, 3, 0, entry<throttle_axis_needle>});
Element* l28[] = {&e28.header, nullptr};
NeedleElement e27 = make_needle(header(kKindNeedle, 0x5510, {94, 28}, l28, 0x7, {0, 2}),
                                NeedleSpec{0, engine2_n1_table, 3, 0, entry<throttle_axis_needle>});
Element* l27[] = {&e27.header, nullptr};
NeedleElement e26 = make_needle(header(kKindNeedle, 0x5530, {33, 74}, l27, 0x7, {0, 1}),
                                NeedleSpec{0x237, engine1_egt_table, 2, 6, entry<engine1_egt_needle>});
Element* l26[] = {&e26.header, nullptr};
NeedleElement e25 = make_needle(header(kKindNeedle, 0x5530, {94, 74}, l26, 0x7, {0, 1}),
                                NeedleSpec{0x241, engine2_egt_table, 2, 6, entry<engine2_egt_needle>});
Element* l25[] = {&e25.header, nullptr};
StringElement e24 = make_string(header(kKindString, kNoBitmap, {18, 95}, l25, 0x6),
                                text_spec(0x271, 0, 0, 23, 11, kGreen, 3, entry<engine1_n2_text>));
Element* l24[] = {&e24.header, nullptr};
StringElement e23 = make_string(header(kKindString, kNoBitmap, {85, 95}, l24, 0x6),
                                text_spec(0x284, 0, 0, 23, 11, kGreen, 3, entry<engine2_n2_text>));
Element* l23[] = {&e23.header, nullptr};
StringElement e22 = make_string(header(kKindString, kNoBitmap, {11, 113}, l23, 0x6),
                                text_spec(0x27E, 0x25C, 0, 30, 11, kGreen, 4, entry<engine1_fuel_flow_text>));
Element* l22[] = {&e22.header, nullptr};
StringElement e21 = make_string(header(kKindString, kNoBitmap, {85, 113}, l22, 0x6),
                                text_spec(0x291, 0x25C, 0, 30, 11, kGreen, 4, entry<engine2_fuel_flow_text>));
Element* l21[] = {&e21.header, nullptr};
StringElement e20 = make_string(header(kKindString, kNoBitmap, {162, 57}, l21, 0x6),
                                text_spec(0x12F, 0x130, 0x131, 39, 11, kGreen, 6, entry<fuel_on_board_text>));
Element* l20[] = {&e20.header, nullptr};
// Left column, line 0 at the top.
StringElement e19 = make_string(header(kKindString, kNoBitmap, {10, 138}, l20, 0x6),
                                text_spec(0, 0, 0, 120, 10, kGreen, 17, entry<left_line_0>));
Element* l19[] = {&e19.header, nullptr};
StringElement e18 = make_string(header(kKindString, kNoBitmap, {10, 148}, l19, 0x6),
                                text_spec(0, 0, 0, 120, 10, kGreen, 17, entry<left_line_1>));
Element* l18[] = {&e18.header, nullptr};
StringElement e17 = make_string(header(kKindString, kNoBitmap, {10, 158}, l18, 0x6),
                                text_spec(0, 0, 0, 120, 10, kGreen, 17, entry<left_line_2>));
Element* l17[] = {&e17.header, nullptr};
StringElement e16 = make_string(header(kKindString, kNoBitmap, {10, 168}, l17, 0x6),
                                text_spec(0, 0, 0, 120, 10, kGreen, 17, entry<left_line_3>));
Element* l16[] = {&e16.header, nullptr};
StringElement e15 = make_string(header(kKindString, kNoBitmap, {10, 178}, l16, 0x6),
                                text_spec(0, 0, 0, 120, 10, kGreen, 17, entry<left_line_4>));
Element* l15[] = {&e15.header, nullptr};
// Right column: the autopilot memos in yellow, the others in green.
StringElement e14 = make_string(header(kKindString, kNoBitmap, {138, 138}, l15, 0x6),
                                text_spec(0, 0, 0, 70, 10, kYellow, 10, entry<memo_line_0>));
Element* l14[] = {&e14.header, nullptr};
StringElement e13 = make_string(header(kKindString, kNoBitmap, {138, 148}, l14, 0x6),
                                text_spec(0, 0, 0, 70, 10, kYellow, 10, entry<memo_line_1>));
Element* l13[] = {&e13.header, nullptr};
StringElement e12 = make_string(header(kKindString, kNoBitmap, {138, 158}, l13, 0x6),
                                text_spec(0, 0, 0, 70, 10, kGreen, 10, entry<memo_line_2>));
Element* l12[] = {&e12.header, nullptr};
StringElement e11 = make_string(header(kKindString, kNoBitmap, {138, 168}, l12, 0x6),
                                text_spec(0, 0, 0, 70, 10, kGreen, 10, entry<memo_line_3>));
Element* l11[] = {&e11.header, nullptr};
StringElement e10 = make_string(header(kKindString, kNoBitmap, {138, 178}, l11, 0x6),
                                text_spec(0, 0, 0, 70, 10, kGreen, 10, entry<memo_line_4>));
Element* l10[] = {&e10.header, nullptr};
IconElement e09 = make_icon(header(kKindIcon, 0x5550, {144, 97}, l10, 0x7), 6, entry<flap_position_icon>, 0x149);
Element* l09[] = {&e09.header, nullptr};
IconElement e08 = make_icon(header(kKindIcon, 0x5560, {144, 97}, l09, 0x7), 6, entry<flap_handle_icon>, 0x148);
Element* l08[] = {&e08.header, nullptr};
StringElement e07 = make_string(header(kKindString, kNoBitmap, {137, 26}, l08, 0x6),
                                text_spec(0x1, 0x22E, 0x238, 28, 10, kWhite, 4, entry<detent_text>));
Element* l07[] = {&e07.header, nullptr};
StringElement e06 = make_string(header(kKindString, kNoBitmap, {172, 26}, l07, 0x6),
                                text_spec(0, 0, 0, 28, 10, kBlue, 4, entry<thrust_limit_text>));
Element* l06[] = {&e06.header, nullptr};
IconElement e05 = make_icon(header(kKindIcon, 0x5570, {12, 8}, l06, 0x7), 5, entry<engine1_dial_n1>);
Element* l05[] = {&e05.header, nullptr};
IconElement e04 = make_icon(header(kKindIcon, 0x5570, {12, 54}, l05, 0x7), 5, entry<engine1_dial_egt>);
Element* l04[] = {&e04.header, nullptr};
IconElement e03 = make_icon(header(kKindIcon, 0x5570, {74, 8}, l04, 0x7), 5, entry<engine2_dial_n1>);
Element* l03[] = {&e03.header, nullptr};
IconElement e02 = make_icon(header(kKindIcon, 0x5570, {74, 54}, l03, 0x7), 5, entry<engine2_dial_egt>);
Element* l02[] = {&e02.header, nullptr};
StaticElement e01 = make_static(0x5500, {0, 0}, &gauge_ewd, l02, kFailures14, 0x7);
Element* element_list[] = {&e01.header, nullptr};

MouseArea mouse_areas[] = {parent_area(0xAB1E), end_area()};

void fsuipc_exchange() {
  uint32_t result = 0;
  const bool opened = ipc_open(0, &result, fsuipc_buffer, kFsuipcBufferSize) != 0;
  bool last_ok = false;
  if (opened) {
    struct Wanted {
      uint32_t offset;
      uint32_t size;
      void* destination;
    };
    const Wanted wanted[] = {{0x332E, 2, &throttle_axis_percent},
                             {0x332A, 2, &roll_axis_input},
                             {0x3BFC, 4, &fsuipc_weight_word},
                             {0x31F0, 4, &pushback_state}};
    for (const Wanted& w : wanted) {
      last_ok = ipc_read(w.offset, w.size, w.destination, &result) != 0 && ipc_process(&result) != 0;
    }
  }
  ipc_close();
  if (opened && last_ok) {
    // The raw axis runs from -16193 (idle) to 16192 (full).
    const int32_t raw = throttle_axis_percent;
    throttle_axis_percent = static_cast<int16_t>(((raw + 16193) * 100) / 32385);
  }
}

void CORVANE_CALL ewd_gauge_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceInstall) {
    banner_done = 0;
    ecam_phase = 0;
    throttle_axis_percent = 0;
    parse_flap_positions(gauge != nullptr ? gauge->parameters : nullptr);
  } else if (service == kServiceDraw) {
    fsuipc_exchange();
  }
  ecam_logic_pass();
}

}  // namespace

void parse_flap_positions(const char* parameters) {
  if (flap_table_parsed != 0) {
    return;
  }
  flap_table_parsed = 1;

  float values[kMaxFlapValues] = {};
  int count = 0;
  if (parameters != nullptr) {
    char text[kMaxParameterChars + 1] = {};
    int length = 0;
    while (length < kMaxParameterChars && parameters[length] != '\0') {
      text[length] = parameters[length];
      ++length;
    }
    // Pieces between the "-" separators; empty pieces and pieces that do not
    // read as a number are passed over, values beyond the 50th are ignored.
    int start = 0;
    for (int i = 0; i <= length && count < kMaxFlapValues; ++i) {
      if (i == length || text[i] == '-') {
        text[i] = '\0';
        float value = 0.0F;
        if (i > start && parse_float(text + start, &value) && std::isfinite(value)) {
          values[count] = value;
          ++count;
        }
        start = i + 1;
      }
    }
  }
  float scale = 0.0F;
  if (count > 0) {
    scale = 16384.0F / values[count - 1];
  }
  // A list that gives nothing usable (empty, or ending in 0 or a value that
  // makes the scale meaningless) falls back to the six default positions.
  if (count == 0 || !std::isfinite(scale)) {
    count = 6;
    for (int i = 0; i < count; ++i) {
      values[i] = static_cast<float>(i);
    }
    scale = 16384.0F / values[count - 1];
  }
  flap_position_count = count;
  flap_step_count = count - 1;
  for (int i = 0; i < kFlapThresholdCount; ++i) {
    const float r = static_cast<float>(i * flap_step_count) / 5.0F;
    const float hundredths_product = r * 100.0F;
    const int hundredths = trunc_int(static_cast<double>(hundredths_product)) % 100;
    int k = hundredths < 50 ? trunc_int(static_cast<double>(r)) : trunc_int(static_cast<double>(r + 1.0F));
    if (k > flap_step_count) {
      k = flap_step_count;
    }
    const float scaled = values[k] * scale;
    flap_thresholds[i] = static_cast<double>(scaled) - (i > 0 ? 5.0 : 0.0);
  }
}

GaugeHeader gauge_ewd = CORVANE_GAUGE_HEADER("E/WD", element_list, 225, mouse_areas, ewd_gauge_callback);

}  // namespace corvane
