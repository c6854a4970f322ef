// "Audio": the audio control panel. Six reception knobs light while their
// receiver is heard and send the simulator's audio selection events; the two
// COM knobs work on the transmit selection and the both-receivers setting
// together so that one COM always stays selected. VOICE and RESET send a fixed
// set of events and light for a short while.
#include "gauges/radio/audio.h"

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

int audio_voice_lit = 0;
int audio_voice_ticks = 0;
int audio_reset_lit = 0;
int audio_reset_ticks = 0;

namespace {

constexpr uint32_t kEventSelectCom1 = 0x1039F;
constexpr uint32_t kEventSelectCom2 = 0x103A0;
constexpr uint32_t kEventBothComHeard = 0x103A2;
constexpr uint32_t kEventNav1Audio = 0x10132;
constexpr uint32_t kEventNav2Audio = 0x10133;
constexpr uint32_t kEventAdfAudio = 0x10136;
constexpr uint32_t kEventMarkerAudio = 0x103AD;
constexpr uint32_t kEventAudioA = 0x10128;
constexpr uint32_t kEventAudioB = 0x10129;
constexpr uint32_t kEventAudioC = 0x1012C;
constexpr uint32_t kEventAudioFinal = 0x103AE;
// The lights count down from here, so they stay on for one evaluation less.
constexpr int kLightTicks = 18;

// The lit bit alone: these lights are not pushed to a redraw.
void set_lit(Element* element, bool lit) {
  if (lit) {
    element->image_flags |= kFlagBright;
  } else {
    element->image_flags &= ~kFlagBright;
  }
}

double com_knob(Element* element, SimVar selected) {
  const bool heard = read_sim(selected) != 0.0 || read_sim(SV_36C) != 0.0;
  set_lit(element, panel_lights_on != 0 || heard);
  return heard ? 1.0 : 0.0;
}

double CORVANE_CALL audio_com1_knob(Element* element) { return com_knob(element, SV_36A); }
double CORVANE_CALL audio_com2_knob(Element* element) { return com_knob(element, SV_36B); }

// NAV1, NAV2, ADF and MKRS: the element's own token is the image index.
double CORVANE_CALL audio_receiver_knob(Element* element) {
  const double value = record_double(as_icon(element)->variable);
  set_lit(element, panel_lights_on != 0 || value != 0.0);
  return value;
}

double timed_light(Element* element, int& lit, int& ticks) {
  if (lit != 0) {
    --ticks;
    if (ticks <= 0) {
      lit = 0;
    }
  }
  set_lit(element, panel_lights_on != 0 || lit != 0);
  return static_cast<double>(lit);
}

double CORVANE_CALL audio_voice_light(Element* element) {
  return timed_light(element, audio_voice_lit, audio_voice_ticks);
}
double CORVANE_CALL audio_reset_light(Element* element) {
  return timed_light(element, audio_reset_lit, audio_reset_ticks);
}

// The knob's own COM is "mine", the other one "theirs".
void com_click(SimVar mine, SimVar theirs, uint32_t select_mine, uint32_t select_theirs) {
  const bool mine_selected = read_sim(mine) != 0.0;
  const bool theirs_selected = read_sim(theirs) != 0.0;
  const bool both_heard = read_sim(SV_36C) != 0.0;
  if (both_heard) {
    raise_event(select_theirs, 0);
    raise_event(kEventBothComHeard, 0);
  } else if (theirs_selected) {
    raise_event(kEventBothComHeard, 1);
  } else if (mine_selected) {
    raise_event(select_mine, 0);
  }
  play_sound(SOUND_BUTTON);
}

uint32_t CORVANE_CALL audio_com1_click(uint32_t /*x*/, uint32_t /*y*/) {
  com_click(SV_36A, SV_36B, kEventSelectCom1, kEventSelectCom2);
  return 1;
}

uint32_t CORVANE_CALL audio_com2_click(uint32_t /*x*/, uint32_t /*y*/) {
  com_click(SV_36B, SV_36A, kEventSelectCom2, kEventSelectCom1);
  return 1;
}

template <uint32_t Event>
uint32_t CORVANE_CALL audio_toggle_click(uint32_t /*x*/, uint32_t /*y*/) {
  raise_event(Event, 0);
  play_sound(SOUND_BUTTON);
  return 1;
}

void send_common_audio_events() {
  raise_event(kEventAudioA, 0);
  raise_event(kEventAudioB, 0);
  raise_event(kEventAudioC, 0);
}

uint32_t CORVANE_CALL audio_voice_click(uint32_t /*x*/, uint32_t /*y*/) {
  audio_voice_ticks = kLightTicks;
  audio_voice_lit = 1;
  raise_event(kEventBothComHeard, 1);
  send_common_audio_events();
  raise_event(kEventAudioFinal, 0);
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL audio_reset_click(uint32_t /*x*/, uint32_t /*y*/) {
  audio_reset_ticks = kLightTicks;
  audio_reset_lit = 1;
  const bool both_heard = read_sim(SV_36C) != 0.0;
  raise_event(kEventSelectCom1, 0);
  if (both_heard) {
    raise_event(kEventBothComHeard, 0);
  }
  send_common_audio_events();
  raise_event(kEventAudioFinal, 1);
  play_sound(SOUND_BUTTON);
  return 1;
}

constexpr Element icon_header(uint32_t bitmap, Place at) {
  return element_header(kKindIcon, bitmap, at, &gauge_audio, nullptr, kFailures14, 0x3);
}

IconElement com1_knob = make_icon(icon_header(0x4F70, {18, 80}), 2, entry<audio_com1_knob>);
IconElement com2_knob = make_icon(icon_header(0x4F80, {48, 80}), 2, entry<audio_com2_knob>);
IconElement nav1_knob = make_icon(icon_header(0x4F90, {78, 80}), 2, entry<audio_receiver_knob>, 0x36D);
IconElement nav2_knob = make_icon(icon_header(0x4FA0, {108, 80}), 2, entry<audio_receiver_knob>, 0x36E);
IconElement adf_knob = make_icon(icon_header(0x4FA0, {138, 80}), 2, entry<audio_receiver_knob>, 0x370);
IconElement markers_knob = make_icon(icon_header(0x4FA0, {168, 80}), 2, entry<audio_receiver_knob>, 0x371);
IconElement voice_light = make_icon(icon_header(0x4F50, {59, 50}), 2, entry<audio_voice_light>);
IconElement reset_light = make_icon(icon_header(0x4F60, {88, 50}), 2, entry<audio_reset_light>);

Element* panel_elements[] = {&com1_knob.header,   &com2_knob.header,   &nav1_knob.header,
                             &nav2_knob.header,   &adf_knob.header,    &markers_knob.header,
                             &voice_light.header, &reset_light.header, nullptr};

StaticElement background = make_static(0x4FD0, {0, 0}, &gauge_audio, panel_elements, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

MouseArea mouse_areas[] = {
    parent_area(0xA70A),
    child_area(18, 80, 19, 19, kCursorClick, kMouseLeftClick, entry<audio_com1_click>),
    child_area(48, 80, 19, 19, kCursorClick, kMouseLeftClick, entry<audio_com2_click>),
    child_area(78, 80, 19, 19, kCursorClick, kMouseLeftClick, entry<audio_toggle_click<kEventNav1Audio>>),
    child_area(108, 80, 19, 19, kCursorClick, kMouseLeftClick, entry<audio_toggle_click<kEventNav2Audio>>),
    child_area(138, 80, 19, 19, kCursorClick, kMouseLeftClick, entry<audio_toggle_click<kEventAdfAudio>>),
    child_area(168, 80, 19, 19, kCursorClick, kMouseLeftClick, entry<audio_toggle_click<kEventMarkerAudio>>),
    child_area(59, 50, 26, 16, kCursorClick, kMouseLeftClick, entry<audio_voice_click>),
    child_area(88, 50, 26, 16, kCursorClick, kMouseLeftClick, entry<audio_reset_click>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_audio = CORVANE_GAUGE_HEADER("Audio", element_list, 222, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
