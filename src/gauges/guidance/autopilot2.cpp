// "Autopilot2": the glare-shield autopilot panel. It holds no autopilot logic:
// every selection goes to the simulator as a key event and every window, dot
// and light shows a simulator variable. Its own choices are which quantity the
// speed and heading windows show and the altitude knob's step. It also posts
// the disconnect memos to the E/WD and owns the module's cockpit sounds.
#include "gauges/guidance/autopilot2.h"

#include <cstdlib>

#include "gauges/ecam/ecam_messages.h"
#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/numeric.h"
#include "module/text_format.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {

int trk_fpa_mode = 0;
int mach_mode = 0;
int alt_step_select = 0;
int16_t spd_knob_frame = 0;
int16_t hdg_knob_frame = 0;
int16_t alt_knob_frame = 0;
int16_t vs_knob_frame = 0;
int ap_was_engaged = 0;
int athr_was_engaged = 0;
uint32_t alt_dot_count = 0;
double mach_resync_time = 0.0;

namespace {

constexpr uint32_t kEventAutopilot = 0x1002C;
constexpr uint32_t kEventAutothrust = 0x10144;
constexpr uint32_t kEventLoc = 0x100BB;
constexpr uint32_t kEventAppr = 0x100BC;
constexpr uint32_t kEventLevel = 0x100BF;
constexpr uint32_t kEventVsPush = 0x100BE;
constexpr uint32_t kEventAltPush = 0x10107;
constexpr uint32_t kEventVsUp = 0x10166;
constexpr uint32_t kEventVsDown = 0x10167;
constexpr uint32_t kEventGpsDrivesNav = 0x10347;
constexpr uint32_t kEventGpsButton = 0x10113;
constexpr uint32_t kEventHeadingUp = 0x10157;
constexpr uint32_t kEventHeadingDown = 0x10158;
constexpr uint32_t kEventCourseUp = 0x1007F;
constexpr uint32_t kEventCourseDown = 0x1007E;
constexpr uint32_t kEventHeadingHold = 0x10106;
constexpr uint32_t kEventCoursePush = 0x100C1;
constexpr uint32_t kEventSpeedUp = 0x10168;
constexpr uint32_t kEventSpeedDown = 0x10169;
constexpr uint32_t kEventMachUp = 0x1017C;
constexpr uint32_t kEventMachDown = 0x1017D;
constexpr uint32_t kEventSpeedHold = 0x10163;
constexpr uint32_t kEventMachHold = 0x1017B;
constexpr uint32_t kEventAltitudeSet = 0x1024C;

constexpr int kAutopilotMemoSlot = 0;
constexpr int kAutothrustMemoSlot = 1;
// The E/WD clears a memo ten seconds after its stamp; the simulator gets the
// Mach hold re-sent every two.
constexpr double kMachResyncSeconds = 2.0;
// The dot flashes while the aircraft closes on the selected altitude, between
// these distances in feet (both ends excluded).
constexpr int32_t kAltDotNear = 100;
constexpr int32_t kAltDotFar = 800;

constexpr uint32_t kWindowAmber = 0x3287FF;
constexpr uint32_t kWindowBackground = 0x14195F;
constexpr uint32_t kWindowHighlight = 0x5A5A5A;
constexpr uint32_t kLeftAligned = 0x24;

double CORVANE_CALL alt_step_ring(Element* element);
double CORVANE_CALL ap_light(Element* element);
double CORVANE_CALL gps_light(Element* element);
double CORVANE_CALL athr_light(Element* element);
double CORVANE_CALL heading_legend(Element* element);
double CORVANE_CALL plain_light(Element* element);
double CORVANE_CALL heading_hold_dot(Element* element);
double CORVANE_CALL course_hold_dot(Element* element);
double CORVANE_CALL speed_hold_dot(Element* element);
double CORVANE_CALL mach_hold_dot(Element* element);
double CORVANE_CALL altitude_dot(Element* element);
double CORVANE_CALL speed_legend(Element* element);
double CORVANE_CALL heading_window(Element* element);
double CORVANE_CALL speed_window(Element* element);
double CORVANE_CALL altitude_window(Element* element);
double CORVANE_CALL vertical_speed_window(Element* element);
double CORVANE_CALL altitude_legend(Element* element);
double CORVANE_CALL mode_legend(Element* element);
// A knob shows the frame its last turn left it at.
template <const int16_t& Frame>
double CORVANE_CALL knob_picture(Element* element) {
  apply_panel_lighting(element);
  return static_cast<double>(Frame);
}

constexpr IconElement icon(uint32_t bitmap, Place at, const FailureEntry* failures, uint32_t images,
                           Entry<ElementCallback> callback, uint32_t token = 0) {
  return make_icon(element_header(kKindIcon, bitmap, at, &gauge_autopilot2, nullptr, failures, 0x3), images, callback,
                   token);
}

constexpr StringElement window(Place at, uint32_t token1, uint32_t token2, int32_t box_width, uint32_t chars,
                               Entry<ElementCallback> callback) {
  return make_string(element_header(kKindString, kNoBitmap, at, &gauge_autopilot2, nullptr, kFailures14, 0x3),
                     StringSpec{{token1, token2, 0},
                                box_width,
                                16,
                                kWindowAmber,
                                kWindowBackground,
                                kWindowHighlight,
                                "Quartz",
                                700,
                                kLeftAligned,
                                chars,
                                callback});
}

IconElement step_ring_icon = icon(0x2C00, {248, 38}, nullptr, 2, entry<alt_step_ring>);
IconElement ap_icon = icon(0x2400, {154, 52}, nullptr, 2, entry<ap_light>, 0x67);
IconElement gps_icon = icon(0x2600, {197, 52}, nullptr, 2, entry<gps_light>, 0x350);
IconElement athr_icon = icon(0x2800, {175, 76}, nullptr, 2, entry<athr_light>, 0x7B);
IconElement heading_legend_icon = icon(0x2100, {78, 5}, kFailures14, 2, entry<heading_legend>);
IconElement loc_icon = icon(0x2500, {74, 76}, nullptr, 2, entry<plain_light>, 0x70);
IconElement appr_icon = icon(0x2700, {332, 76}, nullptr, 2, entry<plain_light>, 0x6F);
IconElement lvl_icon = icon(0x2900, {110, 76}, nullptr, 2, entry<plain_light>, 0x68);
IconElement heading_dot_icon = icon(0x2300, {112, 18}, kFailures14, 2, entry<heading_hold_dot>, 0x6A);
IconElement course_dot_icon = icon(0x2300, {112, 18}, kFailures14, 2, entry<course_hold_dot>, 0x69);
IconElement speed_dot_icon = icon(0x2300, {42, 18}, kFailures14, 2, entry<speed_hold_dot>, 0x73);
IconElement mach_dot_icon = icon(0x2300, {42, 18}, kFailures14, 2, entry<mach_hold_dot>, 0x75);
IconElement altitude_dot_icon = icon(0x2300, {284, 18}, kFailures14, 2, entry<altitude_dot>, 0x6C);
IconElement speed_legend_icon = icon(0x2200, {9, 5}, kFailures14, 2, entry<speed_legend>);
StringElement heading_string = window({80, 11}, 0x6B, 0x2D, 30, 3, entry<heading_window>);
StringElement speed_string = window({10, 11}, 0x74, 0x76, 30, 3, entry<speed_window>);
StringElement altitude_string = window({232, 11}, 0x6D, 0, 50, 5, entry<altitude_window>);
StringElement vertical_speed_string = window({314, 11}, 0x78, 0, 50, 5, entry<vertical_speed_window>);
IconElement altitude_legend_icon = icon(0x2A00, {256, 5}, kFailures14, 1, entry<altitude_legend>, 0x6C);
IconElement mode_legend_icon = icon(0x2B00, {169, 15}, kFailures14, 2, entry<mode_legend>);
IconElement heading_knob_icon = icon(0x2C10, {74, 43}, nullptr, 8, entry<knob_picture<hdg_knob_frame>>);
IconElement speed_knob_icon = icon(0x2C20, {21, 44}, nullptr, 2, entry<knob_picture<spd_knob_frame>>);
IconElement altitude_knob_icon = icon(0x2C30, {255, 45}, nullptr, 2, entry<knob_picture<alt_knob_frame>>);
IconElement vs_knob_icon = icon(0x2C20, {332, 39}, nullptr, 2, entry<knob_picture<vs_knob_frame>>);

Element* panel_children[] = {&step_ring_icon.header,
                             &ap_icon.header,
                             &gps_icon.header,
                             &athr_icon.header,
                             &heading_legend_icon.header,
                             &loc_icon.header,
                             &appr_icon.header,
                             &lvl_icon.header,
                             &heading_dot_icon.header,
                             &course_dot_icon.header,
                             &speed_dot_icon.header,
                             &mach_dot_icon.header,
                             &altitude_dot_icon.header,
                             &speed_legend_icon.header,
                             &heading_string.header,
                             &speed_string.header,
                             &altitude_string.header,
                             &vertical_speed_string.header,
                             &altitude_legend_icon.header,
                             &mode_legend_icon.header,
                             &heading_knob_icon.header,
                             &speed_knob_icon.header,
                             &altitude_knob_icon.header,
                             &vs_knob_icon.header,
                             nullptr};

StaticElement background = make_static(0x2000, {0, 0}, &gauge_autopilot2, panel_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

double icon_value(Element* element) { return record_double(as_icon(element)->variable); }

// The lit form follows the panel lights; returns the element's own variable.
double lit_icon_value(Element* element) {
  apply_panel_lighting(element);
  return icon_value(element);
}

// Shared by the AP and A/THR lights: a memo is written once, when the light's
// variable is first seen off after it was seen on, and cleared at once when it
// comes on again.
void track_disconnect(double engaged, bool arms, int* was_engaged, const char* memo, int slot) {
  if (engaged == 0.0) {
    if (*was_engaged != 0) {
      ecam_set_memo(memo, slot);
      ecam_memo_stamp[slot] = read_sim(SV_25C);
      *was_engaged = 0;
    }
  } else {
    if (arms) {
      *was_engaged = 1;
    }
    ecam_set_memo("", slot);
  }
}

double CORVANE_CALL alt_step_ring(Element* element) {
  apply_panel_lighting(element);
  return static_cast<double>(alt_step_select);
}

double CORVANE_CALL ap_light(Element* element) {
  const double engaged = lit_icon_value(element);
  // Only an autopilot seen engaged in the air arms the disconnect memo; the
  // on-ground flag is read only while it is engaged.
  const bool airborne = engaged != 0.0 && read_sim(SV_3C) == 0.0;
  track_disconnect(engaged, airborne, &ap_was_engaged, "A/P OFF", kAutopilotMemoSlot);
  return engaged;
}

double CORVANE_CALL athr_light(Element* element) {
  const double armed = lit_icon_value(element);
  track_disconnect(armed, true, &athr_was_engaged, "A/THR OFF", kAutothrustMemoSlot);
  return armed;
}

double CORVANE_CALL gps_light(Element* element) { return lit_icon_value(element) != 0.0 ? 1.0 : 0.0; }

double CORVANE_CALL plain_light(Element* element) { return lit_icon_value(element); }

double CORVANE_CALL heading_legend(Element* element) {
  apply_panel_lighting(element);
  return static_cast<double>(trk_fpa_mode);
}

double CORVANE_CALL heading_hold_dot(Element* element) {
  const double v = lit_icon_value(element);
  return trk_fpa_mode == 0 ? v : 0.0;
}

double CORVANE_CALL course_hold_dot(Element* element) {
  const double v = lit_icon_value(element);
  return trk_fpa_mode == 1 ? v : 0.0;
}

double CORVANE_CALL speed_hold_dot(Element* element) {
  const double v = lit_icon_value(element);
  return mach_mode == 0 ? v : 0.0;
}

double CORVANE_CALL mach_hold_dot(Element* element) {
  const double v = lit_icon_value(element);
  return mach_mode == 1 ? v : 0.0;
}

double CORVANE_CALL altitude_dot(Element* element) {
  const double held = lit_icon_value(element);
  if (held == 0.0) {
    return 0.0;
  }
  const double selected = read_sim(SV_6D);
  const double altitude = read_sim(SV_4A_PANEL);
  // 64-bit so that the absolute value of the most negative integer stays defined.
  const int64_t distance = std::llabs(static_cast<int64_t>(trunc_int(selected - altitude)));
  if (distance > kAltDotNear && distance < kAltDotFar) {
    ++alt_dot_count;
    if (alt_dot_count < 9) {
      return 1.0;
    }
    if (alt_dot_count < 18) {
      return 0.0;
    }
    alt_dot_count = 0;
    return held;
  }
  alt_dot_count = 0;
  return held;
}

double CORVANE_CALL speed_legend(Element* element) {
  apply_panel_lighting(element);
  return static_cast<double>(mach_mode);
}

double CORVANE_CALL altitude_legend(Element* element) {
  apply_panel_lighting(element);
  return 0.0;
}

double CORVANE_CALL mode_legend(Element* element) {
  apply_panel_lighting(element);
  return static_cast<double>(trk_fpa_mode);
}

double string_variable(Element* element, int index) { return record_double(as_string(element)->variables[index]); }

double CORVANE_CALL heading_window(Element* element) {
  apply_panel_lighting(element);
  const int32_t heading = trunc_int(string_variable(element, trk_fpa_mode == 0 ? 0 : 1));
  write_text(element, "%03d", heading);
  return static_cast<double>(heading);
}

double CORVANE_CALL speed_window(Element* element) {
  apply_panel_lighting(element);
  if (mach_mode == 0) {
    const int32_t speed = trunc_int(string_variable(element, 0));
    write_text(element, "%03d", speed);
    return static_cast<double>(speed);
  }
  // The window has room for the fraction only: the leading digit is dropped.
  const double mach = string_variable(element, 1);
  char scratch[32];
  format_text(scratch, sizeof scratch, "%3.2f", mach);
  write_text(element, "%s", scratch[0] != '\0' ? scratch + 1 : scratch);
  return mach;
}

double CORVANE_CALL altitude_window(Element* element) {
  apply_panel_lighting(element);
  const int32_t altitude = trunc_int(string_variable(element, 0));
  write_text(element, "%05d", altitude);
  return static_cast<double>(altitude);
}

double CORVANE_CALL vertical_speed_window(Element* element) {
  apply_panel_lighting(element);
  const int32_t vertical_speed = trunc_int(string_variable(element, 0));
  write_text(element, "%0+5d", vertical_speed);
  return static_cast<double>(vertical_speed);
}

int16_t step_frame(int16_t frame, int delta, int16_t frames) {
  int next = frame + delta;
  if (next >= frames) {
    next = 0;
  } else if (next < 0) {
    next = frames - 1;
  }
  return static_cast<int16_t>(next);
}

uint32_t CORVANE_CALL ap_button(uint32_t /*x*/, uint32_t /*y*/) {
  if (read_sim(SV_3C) == 0.0) {
    raise_event(kEventAutopilot, 0);
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL gps_button(uint32_t /*x*/, uint32_t /*y*/) {
  raise_event(kEventGpsDrivesNav, 0);
  if (read_sim(SV_350) == 0.0) {
    raise_event(kEventGpsButton, 0);
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL mode_push(uint32_t /*x*/, uint32_t /*y*/) {
  trk_fpa_mode = 1 - trk_fpa_mode;
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL spd_mach_push(uint32_t /*x*/, uint32_t /*y*/) {
  mach_mode = 1 - mach_mode;
  play_sound(SOUND_BUTTON);
  return 1;
}

// One detent of a knob: its event, the knob picture turned a frame, the click.
uint32_t turn_knob(uint32_t event, int16_t& frame, int direction, int16_t frames) {
  raise_event(event, 0);
  frame = step_frame(frame, direction, frames);
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL heading_right(uint32_t /*x*/, uint32_t /*y*/) {
  return turn_knob(trk_fpa_mode == 0 ? kEventHeadingUp : kEventCourseUp, hdg_knob_frame, 1, 8);
}

uint32_t CORVANE_CALL heading_left(uint32_t /*x*/, uint32_t /*y*/) {
  return turn_knob(trk_fpa_mode == 0 ? kEventHeadingDown : kEventCourseDown, hdg_knob_frame, -1, 8);
}

uint32_t CORVANE_CALL heading_push(uint32_t /*x*/, uint32_t /*y*/) {
  if (trk_fpa_mode == 0) {
    const double heading_hold = read_sim(SV_6A);
    const double gps_drives = read_sim(SV_350);
    raise_event(kEventHeadingHold, 0);
    // Taking heading hold while the GPS drives the navigation hands the
    // navigation back, as the GPS button would.
    if (heading_hold == 0.0 && gps_drives != 0.0) {
      raise_event(kEventGpsDrivesNav, 0);
    }
  } else {
    raise_event(kEventCoursePush, 0);
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL speed_right(uint32_t /*x*/, uint32_t /*y*/) {
  return turn_knob(mach_mode == 0 ? kEventSpeedUp : kEventMachUp, spd_knob_frame, 1, 2);
}

uint32_t CORVANE_CALL speed_left(uint32_t /*x*/, uint32_t /*y*/) {
  return turn_knob(mach_mode == 0 ? kEventSpeedDown : kEventMachDown, spd_knob_frame, -1, 2);
}

uint32_t CORVANE_CALL speed_push(uint32_t /*x*/, uint32_t /*y*/) {
  // A speed hold without autothrust means nothing: arm it first.
  if (read_sim(SV_7B) == 0.0) {
    raise_event(kEventAutothrust, 0);
  }
  raise_event(mach_mode == 0 ? kEventSpeedHold : kEventMachHold, 0);
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL vs_up(uint32_t /*x*/, uint32_t /*y*/) { return turn_knob(kEventVsUp, vs_knob_frame, 1, 2); }

uint32_t CORVANE_CALL vs_down(uint32_t /*x*/, uint32_t /*y*/) { return turn_knob(kEventVsDown, vs_knob_frame, -1, 2); }

// The simulator bounds the selected altitude itself; the panel sends whatever
// the step gives, below zero too.
void send_altitude(int direction) {
  const double step = alt_step_select == 0 ? 100.0 : 1000.0;
  const int32_t target = trunc_int(read_sim(SV_6D) + direction * step);
  raise_event(kEventAltitudeSet, static_cast<uint32_t>(target));
  alt_knob_frame = step_frame(alt_knob_frame, direction, 2);
  play_sound(SOUND_BUTTON);
}

uint32_t CORVANE_CALL altitude_right(uint32_t /*x*/, uint32_t /*y*/) {
  send_altitude(1);
  return 1;
}

uint32_t CORVANE_CALL altitude_left(uint32_t /*x*/, uint32_t /*y*/) {
  send_altitude(-1);
  return 1;
}

uint32_t CORVANE_CALL step_100(uint32_t /*x*/, uint32_t /*y*/) {
  if (alt_step_select != 0) {
    play_sound(SOUND_CLICK);
  }
  alt_step_select = 0;
  return 1;
}

uint32_t CORVANE_CALL step_1000(uint32_t /*x*/, uint32_t /*y*/) {
  if (alt_step_select != 1) {
    play_sound(SOUND_CLICK);
  }
  alt_step_select = 1;
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(),
    child_area(154, 52, 26, 21, kCursorClick, kMouseLeftClick, entry<ap_button>),
    child_area(175, 76, 26, 21, kCursorClick, kMouseLeftClick, {}, kEventAutothrust),
    child_area(74, 76, 26, 16, kCursorClick, kMouseLeftClick, {}, kEventLoc),
    child_area(332, 76, 26, 16, kCursorClick, kMouseLeftClick, {}, kEventAppr),
    child_area(110, 76, 26, 16, kCursorClick, kMouseLeftClick, {}, kEventLevel),
    child_area(338, 45, 13, 13, kCursorClick, kMouseLeftClick, {}, kEventVsPush),
    child_area(328, 53, 30, 14, kCursorDecrease, kMouseLeftRepeat, entry<vs_down>),
    child_area(328, 31, 30, 14, kCursorIncrease, kMouseLeftRepeat, entry<vs_up>),
    child_area(197, 52, 26, 21, kCursorClick, kMouseLeftClick, entry<gps_button>),
    child_area(182, 38, 13, 13, kCursorClick, kMouseLeftClick, entry<mode_push>),
    child_area(93, 40, 15, 33, kCursorIncrease, kMouseLeftRepeat, entry<heading_right>),
    child_area(66, 40, 15, 33, kCursorDecrease, kMouseLeftRepeat, entry<heading_left>),
    child_area(81, 50, 13, 13, kCursorClick, kMouseLeftClick, entry<heading_push>),
    child_area(2, 38, 13, 13, kCursorClick, kMouseLeftClick, entry<spd_mach_push>),
    child_area(40, 40, 12, 33, kCursorIncrease, kMouseLeftRepeat, entry<speed_right>),
    child_area(15, 40, 12, 33, kCursorDecrease, kMouseLeftRepeat, entry<speed_left>),
    child_area(27, 50, 13, 13, kCursorClick, kMouseLeftClick, entry<speed_push>),
    child_area(255, 45, 13, 13, kCursorClick, kMouseLeftClick, {}, kEventAltPush),
    child_area(240, 38, 15, 32, kCursorDecrease, kMouseLeftRepeat, entry<altitude_left>),
    child_area(268, 38, 15, 32, kCursorIncrease, kMouseLeftRepeat, entry<altitude_right>),
    child_area(240, 30, 19, 8, kCursorClick, kMouseLeftClick, entry<step_100>),
    child_area(268, 30, 16, 8, kCursorClick, kMouseLeftClick, entry<step_1000>),
    end_area(),
};

// The simulator drifts off the selected Mach while it holds it; re-sending
// speed hold then Mach hold every two seconds of clock pulls it back.
void mach_resync() {
  if (read_sim(SV_75) == 0.0) {
    return;
  }
  const double clock = sim_value(SV_25C);
  if (mach_resync_time == 0.0) {
    mach_resync_time = clock;
  }
  if (!(mach_resync_time + kMachResyncSeconds > clock)) {
    raise_event(kEventSpeedHold, 0);
    read_sim(SV_74);
    raise_event(kEventMachHold, 0);
    mach_resync_time = clock;
  }
}

// The whole module's sounds are loaded here at install and released at kill:
// every other gauge's sounds depend on this panel being shown.
void CORVANE_CALL autopilot2_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceInstall) {
    load_all_sounds();
  }
  if (service == kServiceKill) {
    release_all_sounds();
  }
  read_sim(SV_25C);
  if (service == kServiceUpdate) {
    apply_panel_lighting(gauge);
  }
  mach_resync();
}

}  // namespace

GaugeHeader gauge_autopilot2 = CORVANE_GAUGE_HEADER("Autopilot2", element_list, 379, mouse_areas, autopilot2_callback);

}  // namespace corvane
