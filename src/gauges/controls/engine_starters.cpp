// "Engine Starters": the two engine master switches and the mode selector.
// Turning the selector to start runs the automatic sequence from the gauge
// callback: engine 1 is cranked until it runs, then engine 2, and the selector
// springs back to the centre. The starters are held by sending the
// starter-held event on every callback call while an engine is cranked.
#include "gauges/controls/engine_starters.h"

#include "host/services.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {

uint32_t eng_mode_selector = 1;

namespace {

constexpr uint32_t kEventEngine1MasterOn = 0x101BF;
constexpr uint32_t kEventEngine1MasterOff = 0x101C3;
constexpr uint32_t kEventEngine2MasterOn = 0x101C4;
constexpr uint32_t kEventEngine2MasterOff = 0x101C8;
constexpr uint32_t kEventEngine1StarterHeld = 0x102FC;
constexpr uint32_t kEventEngine2StarterHeld = 0x102FD;
constexpr uint32_t kEventEngine1Started = 0x10187;

constexpr uint32_t kSelectorCentre = 1;
constexpr uint32_t kSelectorStart = 2;

constexpr int kStartIdle = 0;
constexpr int kStartingEngine1 = 1;
constexpr int kStartingEngine2 = 2;

// An engine counts as started once its N1 reaches this, or its N2 exceeds the other.
constexpr double kStartedN1 = 60.0;
constexpr double kStartedN2 = 21.0;

double CORVANE_CALL mode_selector_picture(Element* /*element*/) { return static_cast<double>(eng_mode_selector); }

IconElement engine1_master =
    make_icon(element_header(kKindIcon, 0x4F30, {10, 0}, &gauge_engine_starters, nullptr, nullptr, 0x3), 2, {}, 0x230);
IconElement engine2_master =
    make_icon(element_header(kKindIcon, 0x4F40, {116, 0}, &gauge_engine_starters, nullptr, nullptr, 0x3), 2, {}, 0x23A);
IconElement mode_selector =
    make_icon(element_header(kKindIcon, 0x3101, {68, 19}, &gauge_engine_starters, nullptr, nullptr, 0x3), 3,
              entry<mode_selector_picture>, 0, 3);
Element* background_children[] = {&engine1_master.header, &engine2_master.header, &mode_selector.header, nullptr};

StaticElement background = make_static(0x4F20, {0, 0}, &gauge_engine_starters, background_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

uint32_t CORVANE_CALL selector_left(uint32_t /*x*/, uint32_t /*y*/) {
  if (eng_mode_selector > 0) {
    --eng_mode_selector;
    play_sound(SOUND_CLICK);
  }
  return 1;
}

uint32_t CORVANE_CALL selector_right(uint32_t /*x*/, uint32_t /*y*/) {
  if (eng_mode_selector < kSelectorStart) {
    ++eng_mode_selector;
    play_sound(SOUND_CLICK);
  }
  // Also when it did not move: a click against the stop restarts an idle sequence.
  if (eng_mode_selector == kSelectorStart && eng_start_state == kStartIdle) {
    eng_start_state = kStartingEngine1;
  }
  return 1;
}

uint32_t toggle_master(SimVar master, uint32_t off_event, uint32_t on_event) {
  raise_event(read_sim(master) > 0.0 ? off_event : on_event, 0);
  play_sound(SOUND_CLICK);
  return 1;
}

uint32_t CORVANE_CALL engine1_master_switch(uint32_t /*x*/, uint32_t /*y*/) {
  return toggle_master(SV_230, kEventEngine1MasterOff, kEventEngine1MasterOn);
}

uint32_t CORVANE_CALL engine2_master_switch(uint32_t /*x*/, uint32_t /*y*/) {
  return toggle_master(SV_23A, kEventEngine2MasterOff, kEventEngine2MasterOn);
}

// The masters are not consulted: the starters are held whatever their positions.
void run_start_sequence() {
  if (eng_start_state == kStartingEngine1) {
    const double n1 = read_sim(SV_270);
    const double n2 = read_sim(SV_271);
    if (n1 >= kStartedN1 || n2 > kStartedN2) {
      eng_start_state = kStartingEngine2;
      raise_event(kEventEngine1Started, 0);
    } else {
      raise_event(kEventEngine1StarterHeld, 0);
    }
  } else if (eng_start_state == kStartingEngine2) {
    const double n1 = read_sim(SV_283);
    const double n2 = read_sim(SV_284);
    if (n1 >= kStartedN1) {
      eng_start_state = kStartIdle;
      eng_mode_selector = kSelectorCentre;
      play_sound(SOUND_CHIME);
    } else if (n2 > kStartedN2) {
      eng_start_state = kStartIdle;
      eng_mode_selector = kSelectorCentre;
    } else {
      raise_event(kEventEngine2StarterHeld, 0);
    }
  }
}

void CORVANE_CALL engine_starters_gauge_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceUpdate) {
    apply_panel_lighting(gauge);
  }
  run_start_sequence();
}

MouseArea mouse_areas[] = {
    parent_area(0xAB65),
    child_area(54, 15, 25, 31, kCursorDecrease, kMouseLeftClick, entry<selector_left>),
    child_area(79, 15, 25, 31, kCursorIncrease, kMouseLeftClick, entry<selector_right>),
    child_area(10, 0, 32, 46, kCursorClick, kMouseLeftClick, entry<engine1_master_switch>),
    child_area(116, 0, 32, 46, kCursorClick, kMouseLeftClick, entry<engine2_master_switch>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_engine_starters =
    CORVANE_GAUGE_HEADER("Engine Starters", element_list, 158, mouse_areas, engine_starters_gauge_callback);

}  // namespace corvane
