// "FD": the glare-shield FD and LS push buttons. The choice is `fd_mode`, which
// the PFD follows; it is also published as text in the shared block "PassData"
// for another module's display, and read back from it at every update so that
// a choice made there lights these buttons too.
#include "gauges/guidance/fd.h"

#include "gauges/guidance/pass_fields.h"
#include "host/shared_memory.h"
#include "module/elements.h"
#include "module/gauge_table.h"
#include "module/linkage.h"
#include "module/text_format.h"
#include "shared/cockpit_state.h"
#include "shared/panel_lighting.h"
#include "shared/sounds.h"

namespace corvane {

char fd_mode_text[kFdFieldSize + 1] = "FDMode=0";
HANDLE fd_block_handle = nullptr;
uint8_t* fd_block_view = nullptr;

namespace {

constexpr char kBlockName[] = "PassData";
constexpr uint32_t kFdModeValueAt = 7;  // just after "FDMode="
constexpr int kModeNone = 0;
constexpr int kModeDirector = 1;
constexpr int kModeLanding = 2;

double CORVANE_CALL fd_light(Element* element);
double CORVANE_CALL ls_light(Element* element);

IconElement fd_icon =
    make_icon(element_header(kKindIcon, 0x4100, {0, 0}, &gauge_fd, nullptr, kFailures14, 0x3), 2, entry<fd_light>);
IconElement ls_icon =
    make_icon(element_header(kKindIcon, 0x4200, {32, 0}, &gauge_fd, nullptr, kFailures14, 0x3), 2, entry<ls_light>);
Element* panel_children[] = {&fd_icon.header, &ls_icon.header, nullptr};
StaticElement background = make_static(0x4000, {0, 0}, &gauge_fd, panel_children, nullptr, 0x1);
Element* element_list[] = {&background.header, nullptr};

double CORVANE_CALL fd_light(Element* element) {
  apply_panel_lighting(element);
  return fd_mode == kModeDirector ? 1.0 : 0.0;
}

double CORVANE_CALL ls_light(Element* element) {
  apply_panel_lighting(element);
  return fd_mode == kModeLanding ? 1.0 : 0.0;
}

void publish(int mode) {
  fd_mode = mode;
  format_text(fd_mode_text, sizeof fd_mode_text, "FDMode=%d", fd_mode);
  if (fd_block_view != nullptr) {
    pass_field_write(fd_block_view, fd_mode_text, kFdFieldSize);
  }
  play_sound(SOUND_BUTTON);
}

// The two selections exclude each other; pressing the lit one clears it.
uint32_t CORVANE_CALL fd_button(uint32_t /*x*/, uint32_t /*y*/) {
  publish(fd_mode == kModeDirector ? kModeNone : kModeDirector);
  return 1;
}

uint32_t CORVANE_CALL ls_button(uint32_t /*x*/, uint32_t /*y*/) {
  publish(fd_mode == kModeLanding ? kModeNone : kModeLanding);
  return 1;
}

MouseArea mouse_areas[] = {
    parent_area(0xAD90),
    child_area(0, 0, 26, 16, kCursorClick, kMouseLeftClick, entry<fd_button>),
    child_area(32, 0, 26, 16, kCursorClick, kMouseLeftClick, entry<ls_button>),
    end_area(),
};

void CORVANE_CALL fd_callback(GaugeHeader* /*gauge*/, uint32_t service, uint32_t /*extra*/) {
  if (service == kServiceInstall) {
    SharedBlock block{fd_block_handle, fd_block_view};
    shared_block_open(&block, kBlockName, kFdBlockSize);
    fd_block_handle = block.mapping;
    fd_block_view = block.view;
    if (fd_block_view != nullptr) {
      pass_field_write(fd_block_view, fd_mode_text, kFdFieldSize);
    }
  } else if (service == kServiceUpdate) {
    if (fd_block_view != nullptr) {
      pass_field_read(fd_mode_text, fd_block_view, kFdFieldSize);
      fd_mode = pass_field_decimal(fd_mode_text, kFdModeValueAt, kFdFieldSize);
    }
  } else if (service == kServiceKill) {
    SharedBlock block{fd_block_handle, fd_block_view};
    shared_block_close(&block);
    fd_block_handle = nullptr;
    fd_block_view = nullptr;
  }
}

}  // namespace

GaugeHeader gauge_fd = CORVANE_GAUGE_HEADER("FD", element_list, 53, mouse_areas, fd_callback);

}  // namespace corvane
