// "Landing Gear": the three gear legs' down-and-locked and in-transit lights and
// the autobrake panel. The autobrake keeps its own idea of which button is
// armed, steps the simulator's selector there one key event at a time, posts
// its memo into slot 2 of the E/WD and disarms itself after take-off (RTO) and
// at the end of a landing roll.
#include "gauges/controls/landing_gear.h"

#include "gauges/ecam/ecam_messages.h"
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

int32_t autobrake_lo_armed = 0;
int32_t autobrake_med_armed = 0;
int32_t autobrake_max_armed = 0;
int32_t autobrake_armed_airborne = 0;

namespace {

constexpr uint32_t kEventAutobrakeUp = 0x102FA;
constexpr uint32_t kEventAutobrakeDown = 0x102FB;

constexpr int32_t kSelectorRto = 0;
constexpr int32_t kSelectorOff = 1;
constexpr int32_t kSelectorLow = 2;
constexpr int32_t kSelectorMed = 3;
constexpr int32_t kSelectorMax = 5;

constexpr int kAutobrakeMemoSlot = 2;
constexpr double kGearDownLocked = 16383.0;
// Ground speed below which the landing roll counts as finished.
constexpr double kRollEndSpeed = 5.0;
constexpr double kDecelMinSpeed = 1.0;
constexpr double kDecelMinBrake = 4000.0;

double CORVANE_CALL gear_down_light(Element* element);
double CORVANE_CALL gear_transit_light(Element* element);
double CORVANE_CALL lo_on_light(Element* element);
double CORVANE_CALL med_on_light(Element* element);
double CORVANE_CALL max_on_light(Element* element);
double CORVANE_CALL lo_decel_light(Element* element);
double CORVANE_CALL med_decel_light(Element* element);
double CORVANE_CALL max_decel_light(Element* element);

constexpr IconElement light(uint32_t bitmap, Place at, Entry<ElementCallback> callback, uint32_t token = 0) {
  return make_icon(element_header(kKindIcon, bitmap, at, &gauge_landing_gear, nullptr, kFailures14, 0x7), 2, callback,
                   token);
}

IconElement left_down = light(0x1060, {13, 29}, entry<gear_down_light>, 0x14D);
IconElement nose_down = light(0x1060, {30, 29}, entry<gear_down_light>, 0x14C);
IconElement right_down = light(0x1060, {47, 29}, entry<gear_down_light>, 0x14E);
IconElement left_transit = light(0x1070, {12, 23}, entry<gear_transit_light>, 0x14D);
IconElement nose_transit = light(0x1070, {29, 23}, entry<gear_transit_light>, 0x14C);
IconElement right_transit = light(0x1070, {46, 23}, entry<gear_transit_light>, 0x14E);
IconElement lo_on = light(0x1080, {9, 65}, entry<lo_on_light>);
IconElement med_on = light(0x1080, {26, 65}, entry<med_on_light>);
IconElement max_on = light(0x1080, {47, 65}, entry<max_on_light>);
IconElement lo_decel = light(0x1090, {9, 59}, entry<lo_decel_light>);
IconElement med_decel = light(0x1090, {26, 59}, entry<med_decel_light>);
IconElement max_decel = light(0x1090, {47, 59}, entry<max_decel_light>);

Element* background_children[] = {&left_down.header,
                                  &nose_down.header,
                                  &right_down.header,
                                  &left_transit.header,
                                  &nose_transit.header,
                                  &right_transit.header,
                                  &lo_on.header,
                                  &med_on.header,
                                  &max_on.header,
                                  &lo_decel.header,
                                  &med_decel.header,
                                  &max_decel.header,
                                  nullptr};

StaticElement background = make_static(0x1050, {0, 0}, &gauge_landing_gear, background_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

void post_autobrake_memo(const char* text) { ecam_set_memo(text, kAutobrakeMemoSlot); }

// The disarm memo expires ten seconds of simulator clock later; arming memos stay.
void stamp_expiring_memo() { ecam_memo_stamp[kAutobrakeMemoSlot] = read_sim(SV_25C); }
void stamp_lasting_memo() { ecam_memo_stamp[kAutobrakeMemoSlot] = 0.0; }

// LO and MED differ only in their flag, selector position and memo.
uint32_t low_or_med_button(int32_t& armed, int32_t& other, int32_t target, const char* memo) {
  if (armed == 1) {
    set_autobrake(kSelectorOff);
    armed = 0;
    post_autobrake_memo("AUTOBK OFF");
    stamp_expiring_memo();
  } else {
    set_autobrake(target);
    armed = 1;
    other = 0;
    autobrake_max_armed = 0;
    post_autobrake_memo(memo);
    stamp_lasting_memo();
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

uint32_t CORVANE_CALL lo_button(uint32_t /*x*/, uint32_t /*y*/) {
  return low_or_med_button(autobrake_lo_armed, autobrake_med_armed, kSelectorLow, "AUTOBK LOW");
}

uint32_t CORVANE_CALL med_button(uint32_t /*x*/, uint32_t /*y*/) {
  return low_or_med_button(autobrake_med_armed, autobrake_lo_armed, kSelectorMed, "AUTOBK MED");
}

uint32_t CORVANE_CALL max_button(uint32_t /*x*/, uint32_t /*y*/) {
  if (autobrake_max_armed == 1) {
    set_autobrake(kSelectorOff);
    autobrake_max_armed = 0;
    post_autobrake_memo("AUTOBK OFF");
    stamp_expiring_memo();
  } else {
    if (read_sim(SV_3C) == 0.0) {
      set_autobrake(kSelectorMax);
      post_autobrake_memo("AUTOBK MAX");
    } else {
      set_autobrake(kSelectorRto);
      post_autobrake_memo("AUTOBK RTO");
    }
    stamp_lasting_memo();
    autobrake_lo_armed = 0;
    autobrake_med_armed = 0;
    autobrake_max_armed = 1;
  }
  play_sound(SOUND_BUTTON);
  return 1;
}

double icon_value(Element* element) { return record_double(as_icon(element)->variable); }

double CORVANE_CALL gear_down_light(Element* element) { return icon_value(element) >= kGearDownLocked ? 1.0 : 0.0; }

double CORVANE_CALL gear_transit_light(Element* element) {
  const double position = icon_value(element);
  return position != 0.0 && position != kGearDownLocked ? 1.0 : 0.0;
}

double CORVANE_CALL lo_on_light(Element* /*element*/) { return static_cast<double>(autobrake_lo_armed); }
double CORVANE_CALL med_on_light(Element* /*element*/) { return static_cast<double>(autobrake_med_armed); }

double CORVANE_CALL max_on_light(Element* /*element*/) {
  const double on_ground = read_sim(SV_3C);
  const int32_t selector = read_sim_int(SV_2E7);
  // Airborne with the selector still at RTO: the take-off is over.
  if (on_ground == 0.0 && selector == kSelectorRto) {
    max_button(0, 0);
  }
  return static_cast<double>(autobrake_max_armed);
}

double decel_light(const int32_t& armed, MouseHandler button) {
  read_sim(SV_3C);
  const double ground_speed = read_sim(SV_340);
  if (armed == 0) {
    return 0.0;
  }
  // The landing roll is over: disarm through the button, memo and sound included.
  if (ground_speed < kRollEndSpeed && autobrake_armed_airborne == 1) {
    button(0, 0);
  }
  if (!(read_sim(SV_140) > kDecelMinBrake)) {
    return 0.0;
  }
  return ground_speed > kDecelMinSpeed ? 1.0 : 0.0;
}

double CORVANE_CALL lo_decel_light(Element* /*element*/) { return decel_light(autobrake_lo_armed, lo_button); }
double CORVANE_CALL med_decel_light(Element* /*element*/) { return decel_light(autobrake_med_armed, med_button); }
double CORVANE_CALL max_decel_light(Element* /*element*/) { return decel_light(autobrake_max_armed, max_button); }

MouseArea mouse_areas[] = {
    parent_area(0xAB7C),
    child_area(7, 57, 16, 16, kCursorClick, kMouseLeftClick, entry<lo_button>),
    child_area(24, 57, 16, 16, kCursorClick, kMouseLeftClick, entry<med_button>),
    child_area(45, 57, 16, 16, kCursorClick, kMouseLeftClick, entry<max_button>),
    end_area(),
};

}  // namespace

void set_autobrake(int32_t target) {
  // The selector has six positions; a value outside them (a corrupt variable)
  // is taken as its nearest end, so a click never floods the host with events.
  int64_t current = read_sim_int(SV_2E7);
  current = current < 0 ? 0 : (current > kSelectorMax ? kSelectorMax : current);
  for (int64_t step = current; step < target; ++step) {
    raise_event(kEventAutobrakeUp, 0);
  }
  for (int64_t step = current; step > target; --step) {
    raise_event(kEventAutobrakeDown, 0);
  }
  if (target == kSelectorOff) {
    autobrake_armed_airborne = 0;
  } else if (read_sim(SV_3C) == 0.0) {
    autobrake_armed_airborne = 1;
  }
}

GaugeHeader gauge_landing_gear =
    CORVANE_GAUGE_HEADER("Landing Gear", element_list, 71, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
