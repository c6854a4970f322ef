// "Warnings": the glareshield MASTER WARN and MASTER CAUT lights. They turn
// the E/WD's master flags into light and sound: the warning flashes with the
// cavalry charge until the crew acknowledges it, the caution lights steadily
// with one chime. The gauge's parameter text carries the stall threshold.
#include "gauges/ecam/warnings.h"

#include <cmath>

#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/text_format.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane {

unsigned int warning_blink_count = 0;
unsigned int warning_ack_count = 0;
int caution_chime_done = 0;

namespace {

constexpr double kDefaultStallThreshold = 25000.0;
// An acknowledgement lapses after this many refreshes.
constexpr unsigned int kAckRefreshes = 360;
constexpr unsigned int kBlinkCycle = 18;
constexpr unsigned int kBlinkLit = 9;

double CORVANE_CALL master_warning_light(Element* /*element*/) {
  if (master_warning == 0) {
    master_warning_ack = 0;
    warning_blink_count = 0;
    return 0.0;
  }
  if (master_warning_ack == 1) {
    warning_blink_count = 0;
    ++warning_ack_count;
    if (warning_ack_count > kAckRefreshes) {
      warning_ack_count = 0;
      master_warning_ack = 0;
    }
    return 1.0;
  }
  warning_ack_count = 0;
  if (warning_blink_count == 0) {
    play_sound(SOUND_CAVALRY_CHARGE);
  }
  ++warning_blink_count;
  if (warning_blink_count >= kBlinkCycle) {
    warning_blink_count = 0;
  }
  return warning_blink_count < kBlinkLit ? 1.0 : 0.0;
}

double CORVANE_CALL master_caution_light(Element* /*element*/) {
  if (master_caution == 0) {
    caution_chime_done = 0;
    return 0.0;
  }
  if (caution_chime_done == 0) {
    play_sound(SOUND_CHIME);
    caution_chime_done = 1;
  }
  return static_cast<double>(master_caution);
}

IconElement caution_icon =
    make_icon(element_header(kKindIcon, 0x4E00, {0, 36}, &gauge_warnings, nullptr, kFailures14, 0x1), 2,
              entry<master_caution_light>);
IconElement warning_icon =
    make_icon(element_header(kKindIcon, 0x4D00, {0, 0}, &gauge_warnings, nullptr, kFailures14, 0x1), 2,
              entry<master_warning_light>);
Element* background_children[] = {&warning_icon.header, &caution_icon.header, nullptr};
StaticElement background = make_static(0x4C00, {0, 0}, &gauge_warnings, background_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(), end_area()};

void CORVANE_CALL warnings_gauge_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service != kServiceInstall) {
    return;
  }
  stall_threshold = kDefaultStallThreshold;
  if (gauge != nullptr && gauge->parameters != nullptr) {
    float threshold = 0.0F;
    // A text that does not begin with a number leaves the default in place;
    // so do "nan" (nothing would ever compare below it: STALL WARNING would
    // be lost) and "inf" or a number beyond a float's range (always below).
    if (parse_float(gauge->parameters, &threshold) && std::isfinite(threshold)) {
      stall_threshold = static_cast<double>(threshold);
    }
  }
}

}  // namespace

GaugeHeader gauge_warnings = CORVANE_GAUGE_HEADER("Warnings", element_list, 31, mouse_areas, warnings_gauge_callback);

}  // namespace corvane
