// "Spoilers": the speed brake lever. Clicks above step the handle back towards
// retracted and then arm the ground spoilers; clicks below disarm, then extend
// in steps. Armed ground spoilers are extended on touchdown by the gauge itself.
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
namespace {

constexpr uint32_t kEventSpoilerHandleSet = 0x100FA;
constexpr uint32_t kEventSpoilersArm = 0x10212;
constexpr uint32_t kEventSpoilersDisarm = 0x10213;
constexpr uint32_t kEventSpoilersExtend = 0x10210;

constexpr double kHandleFull = 16383.0;
// The first detent below retracted; the rest are one step apart.
constexpr int32_t kHandleFirstStep = 8283;
constexpr double kHandleStep = 2700.0;
// Scaled by the slider, this sits 10 pixels above retracted: the ARM detent.
constexpr double kArmLeverValue = -3900.15600624025;
// Ground speed above which a touchdown counts for the ground spoilers.
constexpr double kExtensionMinSpeed = 30.86;

double CORVANE_CALL spoiler_lever_y(Element* element);

SliderElement lever = make_slider(element_header(kKindSlider, 0x3A00, {32, 10}, &gauge_spoilers, nullptr, nullptr, 0x3),
                                  SliderSpec{0, 0.0, 0x145, 0.002564, {}, entry<spoiler_lever_y>});
Element* background_children[] = {&lever.header, nullptr};

StaticElement background = make_static(0x3900, {0, 0}, &gauge_spoilers, background_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

double CORVANE_CALL spoiler_lever_y(Element* element) {
  if (read_sim(SV_144) != 0.0) {
    return kArmLeverValue;
  }
  return record_double(as_slider(element)->y_variable);
}

void set_handle(int32_t position) { raise_event(kEventSpoilerHandleSet, static_cast<uint32_t>(position)); }

uint32_t CORVANE_CALL speed_brake_down(uint32_t /*x*/, uint32_t /*y*/) {
  if (read_sim(SV_144) == 1.0) {
    raise_event(kEventSpoilersDisarm, 0);
    play_sound(SOUND_FLAP);
    return 1;
  }
  const double position = read_sim(SV_145);
  if (position >= kHandleFull) {
    return 1;
  }
  // Not clamped: from the detents the last step lands exactly on full.
  set_handle(position == 0.0 ? kHandleFirstStep : trunc_int(position + kHandleStep));
  play_sound(SOUND_FLAP);
  return 1;
}

uint32_t CORVANE_CALL speed_brake_up(uint32_t /*x*/, uint32_t /*y*/) {
  const double armed = read_sim(SV_144);
  const double position = read_sim(SV_145);
  if (position > 0.0 && armed == 0.0) {
    // Only the first detent snaps back to retracted; other values step by 2700 unclamped.
    set_handle(position == static_cast<double>(kHandleFirstStep) ? 0 : trunc_int(position - kHandleStep));
  } else {
    raise_event(kEventSpoilersArm, 0);
  }
  play_sound(SOUND_FLAP);
  return 1;
}

void CORVANE_CALL spoilers_gauge_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceUpdate) {
    apply_panel_lighting(gauge);
  }
  // Whatever the stage, and again on every call for as long as the touchdown holds.
  const double on_ground = read_sim(SV_3C);
  const double armed = read_sim(SV_144);
  const double ground_speed = read_sim(SV_340);
  if (on_ground == 1.0 && armed == 1.0 && ground_speed > kExtensionMinSpeed && takeoff_flag == 0) {
    raise_event(kEventSpoilersExtend, 0);
  }
}

MouseArea mouse_areas[] = {
    parent_area(0xAB62),
    child_area(20, 0, 52, 40, kCursorDecrease, kMouseLeftClick, entry<speed_brake_up>),
    child_area(20, 72, 52, 30, kCursorIncrease, kMouseLeftClick, entry<speed_brake_down>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_spoilers = CORVANE_GAUGE_HEADER("Spoilers", element_list, 89, mouse_areas, spoilers_gauge_callback);

}  // namespace corvane
