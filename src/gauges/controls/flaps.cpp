// "Flaps": the flap lever, one simulator flap step per click. With six flap
// positions the lever picture shows the aircraft's detents, which the
// simulator's evenly spaced positions do not match.
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
namespace {

constexpr uint32_t kEventFlapsDown = 0x100DE;
constexpr uint32_t kEventFlapsUp = 0x100DF;
constexpr double kFlapsFull = 16384.0;
constexpr int kDetentedPositionCount = 6;

double CORVANE_CALL flap_lever_y(Element* element);

SliderElement lever = make_slider(element_header(kKindSlider, 0x4B00, {31, 20}, &gauge_flaps, nullptr, nullptr, 0x3),
                                  SliderSpec{0, 0.0, 0x148, 0.003479, {}, entry<flap_lever_y>});
Element* background_children[] = {&lever.header, nullptr};

StaticElement background = make_static(0x4A00, {0, 0}, &gauge_flaps, background_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

double CORVANE_CALL flap_lever_y(Element* element) {
  const double value = record_double(as_slider(element)->y_variable);
  // Without a step count there is no spacing to map from.
  if (flap_position_count != kDetentedPositionCount || flap_step_count <= 0) {
    return value;
  }
  // Exact equality is meant. Each position is computed in one rounding, k x 16384 / steps,
  // so that it is the double nearest the true multiple of the step (9830.4 with five
  // steps, where 3 x 3276.8 in doubles would land one unit off).
  const double steps = static_cast<double>(flap_step_count);
  const auto position = [steps](double k) { return k * kFlapsFull / steps; };
  if (value == position(1.0) || value == position(2.0)) {
    return 4096.0;
  }
  if (value == position(3.0)) {
    return 8192.0;
  }
  if (value == position(4.0)) {
    return 12288.0;
  }
  return value;
}

uint32_t CORVANE_CALL flaps_down(uint32_t /*x*/, uint32_t /*y*/) {
  if (read_sim(SV_148) < kFlapsFull) {
    raise_event(kEventFlapsDown, 0);
    play_sound(SOUND_FLAP);
  }
  return 1;
}

uint32_t CORVANE_CALL flaps_up(uint32_t /*x*/, uint32_t /*y*/) {
  if (read_sim(SV_148) > 0.0) {
    raise_event(kEventFlapsUp, 0);
    play_sound(SOUND_FLAP);
  }
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(0xAB24),
    child_area(20, 0, 52, 40, kCursorDecrease, kMouseLeftClick, entry<flaps_up>),
    child_area(20, 72, 52, 30, kCursorIncrease, kMouseLeftClick, entry<flaps_down>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_flaps = CORVANE_GAUGE_HEADER("Flaps", element_list, 89, mouse_areas, lighting_gauge_callback);

}  // namespace corvane
