// "SD Bottom": the permanent strip under the system display: air
// temperatures, the time and the two weights. It has no callback of its own;
// its texts are computed as they are evaluated, whatever page the SD shows,
// and the strip is always lit.
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/numeric.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"

namespace corvane {
namespace {

constexpr double kKgPerPound = 0.4536;

double token_value(Element* element) { return record_double(as_string(element)->variables[0]); }

// Temperatures keep their sign and two digits: -99 to +99 fit three characters.
double CORVANE_CALL total_air_temperature(Element* element) {
  const double value = token_value(element) * 256.0;
  write_text(element, "%0+3d", clamp_int(trunc_int(value), -99, 99));
  return value;
}

double CORVANE_CALL static_air_temperature(Element* element) {
  const double value = token_value(element);
  write_text(element, "%0+3d", clamp_int(trunc_int(value), -99, 99));
  return value;
}

double CORVANE_CALL two_digits(Element* element) {
  const double value = token_value(element);
  write_text(element, "%02d", clamp_int(trunc_int(value), -9, 99));
  return value;
}

// The weight word is pounds times 256.
double CORVANE_CALL zero_fuel_weight(Element* element) {
  const double kg = static_cast<double>(fsuipc_weight_word) / 256.0 * kKgPerPound;
  write_text(element, "%6d", clamp_int(trunc_int(kg), -99999, 999999));
  return kg;
}

// Drops the fraction of the pounds before converting, so it may read 1 kg
// less than zero-fuel weight plus fuel on board.
double CORVANE_CALL gross_weight(Element* element) {
  const uint32_t pounds = static_cast<uint32_t>(fsuipc_weight_word) >> 8;
  const int64_t kg = int64_t{trunc_int(static_cast<double>(pounds) * kKgPerPound)} + fuel_on_board_kg;
  write_text(element, "%6d", clamp_int(kg, -99999, 999999));
  return static_cast<double>(kg);
}

constexpr StringElement strip_text(Place at, int width, int height, uint32_t chars, uint32_t token,
                                   Entry<ElementCallback> callback) {
  return make_string(
      element_header(kKindString, kNoBitmap, at, &gauge_sd_bottom, nullptr, kFailures14, 0x7),
      StringSpec{
          {token, 0, 0}, width, height, 0x00FF00, 0x000000, 0x5A5A5A, "Lucida Console", 400, 0x24, chars, callback});
}

StringElement tat = strip_text({28, 4}, 21, 10, 3, 0x15E, entry<total_air_temperature>);
StringElement sat = strip_text({28, 17}, 21, 10, 3, 0x320, entry<static_air_temperature>);
StringElement hours = strip_text({72, 11}, 22, 15, 2, 0x6, entry<two_digits>);
StringElement minutes = strip_text({109, 15}, 14, 10, 2, 0x7, entry<two_digits>);
StringElement zfw = strip_text({156, 4}, 42, 10, 6, 0, entry<zero_fuel_weight>);
StringElement gw = strip_text({156, 17}, 42, 10, 6, 0, entry<gross_weight>);
Element* background_children[] = {&tat.header, &sat.header, &hours.header, &minutes.header,
                                  &zfw.header, &gw.header,  nullptr};

StaticElement background = make_static(0x6400, {0, 0}, &gauge_sd_bottom, background_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};
MouseArea mouse_areas[] = {parent_area(), end_area()};

}  // namespace

GaugeHeader gauge_sd_bottom = CORVANE_GAUGE_HEADER("SD Bottom", element_list, 198, mouse_areas, nullptr);

}  // namespace corvane
