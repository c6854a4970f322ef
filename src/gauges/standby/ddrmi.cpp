// "DDRMI": compass card turning with heading, two bearing pointers each
// selectable between a VOR and the ADF, and the two DME distances.
#include "gauges/standby/ddrmi.h"

#include <cmath>

#include "host/services.h"
#include "module/elements.h"
#include "module/fitted_number.h"
#include "module/gauge_callbacks.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/variables.h"
#include "shared/sounds.h"

namespace corvane {

int ddrmi_ptr1_adf = 0;
int ddrmi_ptr2_adf = 1;

namespace {

// The pointer pictures point to the right at a needle angle of 0.
constexpr double kPictureAngle = 90.0;

double CORVANE_CALL ddrmi_pointer1(Element* element);
double CORVANE_CALL ddrmi_pointer2(Element* element);
double CORVANE_CALL ddrmi_compass_card(Element* element);
double CORVANE_CALL ddrmi_dme_text(Element* element);
double CORVANE_CALL ddrmi_ptr1_knob(Element* element);
double CORVANE_CALL ddrmi_ptr2_knob(Element* element);

NeedleElement pointer1 =
    make_needle(element_header(kKindNeedle, 0x3C00, {49, 72}, &gauge_ddrmi, nullptr, nullptr, 0x4003, {30, 5}),
                NeedleSpec{0, nullptr, 0, 6, entry<ddrmi_pointer1>});
Element* pointer1_list[] = {&pointer1.header, nullptr};

NeedleElement pointer2 =
    make_needle(element_header(kKindNeedle, 0x3D00, {49, 72}, &gauge_ddrmi, pointer1_list, nullptr, 0x4003, {30, 4}),
                NeedleSpec{0, nullptr, 0, 6, entry<ddrmi_pointer2>});
Element* pointer2_list[] = {&pointer2.header, nullptr};

StaticElement card_mask = make_static(0x3B10, {13, 36}, &gauge_ddrmi, pointer2_list, nullptr, 0x4001);
Element* card_mask_list[] = {&card_mask.header, nullptr};

NeedleElement compass_card =
    make_needle(element_header(kKindNeedle, 0x3B20, {49, 72}, &gauge_ddrmi, card_mask_list, nullptr, 0x4003, {36, 36}),
                NeedleSpec{0x51, nullptr, 0, 6, entry<ddrmi_compass_card>});
Element* compass_card_list[] = {&compass_card.header, nullptr};

IconElement left_knob =
    make_icon(element_header(kKindIcon, 0x3E00, {7, 94}, &gauge_ddrmi, compass_card_list, nullptr, 0x3), 2,
              entry<ddrmi_ptr1_knob>);
Element* left_knob_list[] = {&left_knob.header, nullptr};

IconElement right_knob = make_icon(
    element_header(kKindIcon, 0x3F00, {72, 94}, &gauge_ddrmi, left_knob_list, nullptr, 0x3), 2, entry<ddrmi_ptr2_knob>);
Element* right_knob_list[] = {&right_knob.header, nullptr};

StringElement dme1 = make_string(
    element_header(kKindString, kNoBitmap, {11, 22}, &gauge_ddrmi, right_knob_list, nullptr, 0x4002),
    StringSpec{{0x1F, 0, 0}, 36, 13, 0xFFFFFF, 0x080808, 0x5A5A5A, "Quartz", 400, 0x25, 5, entry<ddrmi_dme_text>});
Element* dme1_list[] = {&dme1.header, nullptr};

StringElement dme2 = make_string(
    element_header(kKindString, kNoBitmap, {52, 22}, &gauge_ddrmi, dme1_list, nullptr, 0x4002),
    StringSpec{{0x23, 0, 0}, 36, 13, 0xFFFFFF, 0x080808, 0x5A5A5A, "Quartz", 400, 0x25, 5, entry<ddrmi_dme_text>});
Element* dme2_list[] = {&dme2.header, nullptr};

StaticElement bezel = make_static(0x3B05, {9, 23}, &gauge_ddrmi, dme2_list, nullptr, 0x4001);
Element* bezel_list[] = {&bezel.header, nullptr};

StaticElement background = make_static(0x3B00, {0, 0}, &gauge_ddrmi, bezel_list, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

double CORVANE_CALL ddrmi_pointer1(Element* /*element*/) {
  return read_sim(ddrmi_ptr1_adf == 0 ? SV_226 : SV_27) - kPictureAngle;
}

double CORVANE_CALL ddrmi_pointer2(Element* /*element*/) {
  return read_sim(ddrmi_ptr2_adf == 0 ? SV_3B : SV_27) - kPictureAngle;
}

double CORVANE_CALL ddrmi_compass_card(Element* element) { return -record_double(as_needle(element)->variable); }

double CORVANE_CALL ddrmi_dme_text(Element* element) {
  const double distance = record_double(as_string(element)->variables[0]);
  char text[8];
  // Beyond 999.9 NM the tenths give way to whole miles; a distance the
  // window cannot hold at all reads as no DME, like an undefined one.
  if (!(distance >= 0.0) || !format_fitted(text, 5, 1, distance)) {
    write_text(element, " --.-");
  } else {
    write_text(element, "%s", text);
  }
  return distance;
}

double CORVANE_CALL ddrmi_ptr1_knob(Element* /*element*/) { return static_cast<double>(ddrmi_ptr1_adf); }
double CORVANE_CALL ddrmi_ptr2_knob(Element* /*element*/) { return static_cast<double>(ddrmi_ptr2_adf); }

uint32_t CORVANE_CALL ddrmi_left_knob_click(uint32_t /*x*/, uint32_t /*y*/) {
  ddrmi_ptr1_adf = 1 - ddrmi_ptr1_adf;
  play_sound(SOUND_CLICK);
  return 1;
}

uint32_t CORVANE_CALL ddrmi_right_knob_click(uint32_t /*x*/, uint32_t /*y*/) {
  ddrmi_ptr2_adf = 1 - ddrmi_ptr2_adf;
  play_sound(SOUND_CLICK);
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(0xAB5A),
    child_area(0, 90, 33, 33, kCursorClick, kMouseLeftClick, entry<ddrmi_left_knob_click>),
    child_area(66, 90, 33, 33, kCursorClick, kMouseLeftClick, entry<ddrmi_right_knob_click>),
    end_area(),
};

}  // namespace

GaugeHeader gauge_ddrmi = CORVANE_GAUGE_HEADER("DDRMI", element_list, 99, mouse_areas, idle_gauge_callback);

}  // namespace corvane
