// The E/WD's text area: the start banner, then the message list or one of
// the two checklists in the left column, and the memo slots in the right.
#include "gauges/ecam/ecam_messages.h"
#include "gauges/ecam/ewd.h"
#include "host/services.h"
#include "module/elements.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"

namespace corvane {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGreen = 0x40FF40;
constexpr uint32_t kCyan = 0xFFFF00;
constexpr uint32_t kYellow = 0x00FFFF;
constexpr int kLines = 5;

struct BannerLine {
  const char* text;
  uint32_t colour;
};
const BannerLine banner[kLines] = {
    {"- AIRBUS GAUGE -", kYellow}, {"CORVANE PROJECT", kGreen}, {"VERSION 0.1 2026", kGreen}, {"", kGreen},
    {"SEE README", kGreen},
};

// A checklist item: cyan until done, then green. Some done texts carry a
// trailing blank, which shifts the centred text half a character left.
struct ChecklistItem {
  const char* pending;
  const char* done;
};
const ChecklistItem takeoff_items[kLines] = {
    {"TO CHECKLIST", "TO CHECKLIST"},        {"AUTOBRK......RTO", "AUTOBRK......RTO"},
    {"FLAPS........TO", "FLAPS........TO"},  {"LDG LIGHTS...ON", "LDG LIGHTS...ON "},
    {"SIGNS........ON", "SIGNS........ON "},
};
const ChecklistItem landing_items[kLines] = {
    {"LDG CHECKLIST", "LDG CHECKLIST"},   {"GEAR.......DOWN", "GEAR.......DOWN "},
    {"FLAPS......LDG", "FLAPS......LDG"}, {"SPOILERS...ARMED", "SPOILERS...ARMED "},
    {"LDG LIGHTS.ON", "LDG LIGHTS.ON "},
};

bool takeoff_item_done(int line) {
  switch (line) {
    case 1:
      return read_sim_int(SV_2E7) == 0;
    case 2: {
      const double flaps = read_sim(SV_149);
      return flap_thresholds[2] < flaps && flaps < flap_thresholds[4];
    }
    case 3:
      return read_sim(SV_E) != 0.0;
    default:
      return seat_belt_sign != 0 && no_smoking_sign != 0;
  }
}

bool landing_item_done(int line) {
  switch (line) {
    case 1:
      return gear_down_locked == 1;
    case 2:
      return read_sim(SV_149) >= flap_thresholds[4];
    case 3:
      return read_sim(SV_144) != 0.0;
    default:
      return read_sim(SV_E) != 0.0;
  }
}

void show_item(Element* element, const ChecklistItem& item, bool done) {
  write_text(element, "%s", done ? item.done : item.pending);
  set_text_colour(element, done ? kGreen : kCyan);
}

}  // namespace

double ewd_left_line(Element* element, int line) {
  if (line < 0 || line >= kLines) {
    return 0.0;
  }
  if (banner_done == 0) {
    write_text(element, "%s", banner[line].text);
    set_text_colour(element, banner[line].colour);
    return 0.0;
  }
  // Any red condition brings the message list back over a checklist.
  const int view = master_warning != 0 ? 0 : ecam_phase;
  if (view == 0) {
    write_text(element, "%s", ecam_messages[line]);
    set_text_colour(element, ecam_message_colour(ecam_message_level[line]));
  } else if (view == 1) {
    if (line == 0) {
      write_text(element, "%s", takeoff_items[0].pending);
      set_text_colour(element, kWhite);
    } else {
      show_item(element, takeoff_items[line], takeoff_item_done(line));
    }
  } else if (view == 2) {
    if (line == 0) {
      write_text(element, "%s", landing_items[0].pending);
      set_text_colour(element, kWhite);
    } else {
      show_item(element, landing_items[line], landing_item_done(line));
    }
  }
  return 0.0;
}

double ewd_memo_line(Element* element, int slot) {
  if (slot < 0 || slot >= kMemoSlotCount) {
    return 0.0;
  }
  write_text(element, "%s", ecam_memo_slots[slot]);
  if (slot < kMemoStampCount) {
    ecam_memo_expire(slot);
  }
  return 0.0;
}

}  // namespace corvane
