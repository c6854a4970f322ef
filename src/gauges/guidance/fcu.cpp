// "FCU": the captain's EFIS control panel. The navigation display it drives
// belongs to another module, so the selections travel as plain text through
// the shared block "NDPassData": written when the pilot changes something here,
// read back at every update so that a change made on the display's side moves
// this panel's knobs and lights too.
#include "gauges/guidance/fcu.h"

#include <cstring>

#include "gauges/guidance/pass_fields.h"
#include "host/shared_memory.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/text_format.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {

char nd_mode_text[kNdFieldSize + 1] = "NDMode=1";
char map_mode_text[kNdFieldSize + 1] = "MapMode=0";
char item_text[kNdFieldSize + 1] = "Item=0x1E";
char range_text[kNdFieldSize + 1] = "Range=320";

uint32_t efis_mode_pos = 1;
uint32_t efis_range_pos = 5;
uint32_t efis_items = 0x1E;
int nd_mode = 1;
int nd_map_mode = 0;
int nd_range = 320;

HANDLE nd_block_handle = nullptr;
NdPassBlock* nd_block_view = nullptr;

namespace {

constexpr char kBlockName[] = "NDPassData";
constexpr uint32_t kKnobPositions = 6;
// Where each field's value starts: just after "NDMode=", "MapMode=", "Item=",
// "Range=".
constexpr uint32_t kNdModeValueAt = 7;
constexpr uint32_t kMapModeValueAt = 8;
constexpr uint32_t kItemValueAt = 5;
constexpr uint32_t kRangeValueAt = 6;

struct ModePosition {
  int nd_mode;
  int map_mode;
};
// LS, PLN, MAP on the rose side; ARC, PLAN, ENG on the arc side.
constexpr ModePosition kModePositions[kKnobPositions] = {{0, 0}, {0, 2}, {0, 1}, {1, 1}, {1, 2}, {1, 0}};
constexpr int kRanges[kKnobPositions] = {10, 20, 40, 80, 160, 320};

double CORVANE_CALL mode_knob(Element* element);
double CORVANE_CALL range_knob(Element* element);
double CORVANE_CALL item_light(Element* element);

// Item lights find their bit from their position: one button every 27 pixels.
constexpr int32_t kItemFirstX = 7;
constexpr int32_t kItemSpacing = 27;

constexpr IconElement knob(Place at, Entry<ElementCallback> callback) {
  return make_icon(element_header(kKindIcon, 0x3100, at, &gauge_fcu, nullptr, nullptr, 0x3), 6, callback, 0, 3);
}
constexpr IconElement item_button(uint32_t bitmap, int index) {
  return make_icon(
      element_header(kKindIcon, bitmap, {kItemFirstX + index * kItemSpacing, 7}, &gauge_fcu, nullptr, kFailures14, 0x3),
      2, entry<item_light>);
}

IconElement mode_knob_icon = knob({29, 50}, entry<mode_knob>);
IconElement range_knob_icon = knob({102, 50}, entry<range_knob>);
IconElement cstr_icon = item_button(0x3200, 0);
IconElement wpt_icon = item_button(0x3300, 1);
IconElement vord_icon = item_button(0x3400, 2);
IconElement ndb_icon = item_button(0x3500, 3);
IconElement arpt_icon = item_button(0x3600, 4);

Element* panel_children[] = {&mode_knob_icon.header, &range_knob_icon.header, &cstr_icon.header, &wpt_icon.header,
                             &vord_icon.header,      &ndb_icon.header,        &arpt_icon.header, nullptr};
StaticElement background = make_static(0x3000, {0, 0}, &gauge_fcu, panel_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

double CORVANE_CALL mode_knob(Element* /*element*/) { return static_cast<double>(efis_mode_pos) - 1.0; }

double CORVANE_CALL range_knob(Element* /*element*/) { return static_cast<double>(efis_range_pos) - 1.0; }

double CORVANE_CALL item_light(Element* element) {
  apply_panel_lighting(element);
  const int bit = (element->x - kItemFirstX) / kItemSpacing;
  return (efis_items >> bit & 1U) != 0 ? 1.0 : 0.0;
}

uint8_t* field_at(char* field) { return reinterpret_cast<uint8_t*>(field); }

using NdField = char (NdPassBlock::*)[kNdFieldSize];

// Writing happens only while the block is open; the panel's own text is kept
// either way.
void write_field(NdField field, const char* text) {
  if (nd_block_view != nullptr) {
    pass_field_write(field_at(nd_block_view->*field), text, kNdFieldSize);
  }
}

void read_block() {
  pass_field_read(nd_mode_text, field_at(nd_block_view->nd_mode), kNdFieldSize);
  pass_field_read(map_mode_text, field_at(nd_block_view->map_mode), kNdFieldSize);
  pass_field_read(item_text, field_at(nd_block_view->item), kNdFieldSize);
  pass_field_read(range_text, field_at(nd_block_view->range), kNdFieldSize);

  nd_mode = pass_field_decimal(nd_mode_text, kNdModeValueAt, kNdFieldSize);
  nd_map_mode = pass_field_decimal(map_mode_text, kMapModeValueAt, kNdFieldSize);
  // Any display family but rose counts as arc.
  for (uint32_t i = 0; i < kKnobPositions; ++i) {
    if ((kModePositions[i].nd_mode == 0) == (nd_mode == 0) && kModePositions[i].map_mode == nd_map_mode) {
      efis_mode_pos = i + 1;
    }
  }
  efis_items = pass_field_hex(item_text, kItemValueAt, kNdFieldSize);
  nd_range = pass_field_decimal(range_text, kRangeValueAt, kNdFieldSize);
  for (uint32_t i = 0; i < kKnobPositions; ++i) {
    if (kRanges[i] == nd_range) {
      efis_range_pos = i + 1;
    }
  }
}

void publish_mode() {
  const bool known = efis_mode_pos >= 1 && efis_mode_pos <= kKnobPositions;
  nd_mode = known ? kModePositions[efis_mode_pos - 1].nd_mode : 0;
  nd_map_mode = known ? kModePositions[efis_mode_pos - 1].map_mode : 0;
  format_text(map_mode_text, sizeof map_mode_text, "MapMode=%d", nd_map_mode);
  format_text(nd_mode_text, sizeof nd_mode_text, "NDMode=%d", nd_mode);
  write_field(&NdPassBlock::map_mode, map_mode_text);
  write_field(&NdPassBlock::nd_mode, nd_mode_text);
  play_sound(SOUND_CLICK);
}

void publish_range() {
  const bool known = efis_range_pos >= 1 && efis_range_pos <= kKnobPositions;
  nd_range = known ? kRanges[efis_range_pos - 1] : kRanges[0];
  format_text(range_text, sizeof range_text, "Range=%03d", nd_range);
  write_field(&NdPassBlock::range, range_text);
  play_sound(SOUND_CLICK);
}

// Knobs stop at both ends: there a click does nothing at all, not even a sound.
uint32_t CORVANE_CALL mode_anticlockwise(uint32_t /*x*/, uint32_t /*y*/) {
  if (efis_mode_pos > 1) {
    --efis_mode_pos;
    publish_mode();
  }
  return 1;
}

uint32_t CORVANE_CALL mode_clockwise(uint32_t /*x*/, uint32_t /*y*/) {
  if (efis_mode_pos < kKnobPositions) {
    ++efis_mode_pos;
    publish_mode();
  }
  return 1;
}

uint32_t CORVANE_CALL range_anticlockwise(uint32_t /*x*/, uint32_t /*y*/) {
  if (efis_range_pos > 1) {
    --efis_range_pos;
    publish_range();
  }
  return 1;
}

uint32_t CORVANE_CALL range_clockwise(uint32_t /*x*/, uint32_t /*y*/) {
  if (efis_range_pos < kKnobPositions) {
    ++efis_range_pos;
    publish_range();
  }
  return 1;
}

uint32_t toggle_item(uint32_t bit) {
  efis_items ^= bit;
  // The field holds two hex digits; bits beyond them have no button here.
  format_text(item_text, sizeof item_text, "Item=0x%02X", efis_items & 0xFFU);
  write_field(&NdPassBlock::item, item_text);
  play_sound(SOUND_BUTTON);
  return 0;
}

uint32_t CORVANE_CALL toggle_cstr(uint32_t /*x*/, uint32_t /*y*/) { return toggle_item(0x01); }
uint32_t CORVANE_CALL toggle_wpt(uint32_t /*x*/, uint32_t /*y*/) { return toggle_item(0x02); }
uint32_t CORVANE_CALL toggle_vord(uint32_t /*x*/, uint32_t /*y*/) { return toggle_item(0x04); }
uint32_t CORVANE_CALL toggle_ndb(uint32_t /*x*/, uint32_t /*y*/) { return toggle_item(0x08); }
uint32_t CORVANE_CALL toggle_arpt(uint32_t /*x*/, uint32_t /*y*/) { return toggle_item(0x10); }

MouseArea mouse_areas[] = {
    parent_area(),
    child_area(7, 28, 33, 54, kCursorDecrease, kMouseLeftClick, entry<mode_anticlockwise>),
    child_area(40, 28, 33, 54, kCursorIncrease, kMouseLeftClick, entry<mode_clockwise>),
    child_area(80, 28, 33, 54, kCursorDecrease, kMouseLeftClick, entry<range_anticlockwise>),
    child_area(113, 28, 33, 54, kCursorIncrease, kMouseLeftClick, entry<range_clockwise>),
    child_area(7, 7, 26, 16, kCursorClick, kMouseLeftClick, entry<toggle_cstr>),
    child_area(34, 7, 26, 16, kCursorClick, kMouseLeftClick, entry<toggle_wpt>),
    child_area(61, 7, 26, 16, kCursorClick, kMouseLeftClick, entry<toggle_vord>),
    child_area(88, 7, 26, 16, kCursorClick, kMouseLeftClick, entry<toggle_ndb>),
    child_area(115, 7, 26, 16, kCursorClick, kMouseLeftClick, entry<toggle_arpt>),
    end_area(),
};

void open_block() {
  SharedBlock block{nd_block_handle, reinterpret_cast<uint8_t*>(nd_block_view)};
  shared_block_open(&block, kBlockName, kNdBlockSize);
  nd_block_handle = block.mapping;
  nd_block_view = reinterpret_cast<NdPassBlock*>(block.view);
}

void close_block() {
  SharedBlock block{nd_block_handle, reinterpret_cast<uint8_t*>(nd_block_view)};
  shared_block_close(&block);
  nd_block_handle = nullptr;
  nd_block_view = nullptr;
}

void CORVANE_CALL fcu_callback(GaugeHeader* gauge, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceInstall) {
    open_block();
    write_field(&NdPassBlock::nd_mode, nd_mode_text);
    write_field(&NdPassBlock::map_mode, map_mode_text);
    write_field(&NdPassBlock::item, item_text);
    write_field(&NdPassBlock::range, range_text);
  } else if (service == kServiceUpdate) {
    if (nd_block_view != nullptr) {
      read_block();
    }
    apply_panel_lighting(gauge);
  } else if (service == kServiceKill) {
    close_block();
  }
}

}  // namespace

GaugeHeader gauge_fcu = CORVANE_GAUGE_HEADER("FCU", element_list, 142, mouse_areas, fcu_callback);

}  // namespace corvane
