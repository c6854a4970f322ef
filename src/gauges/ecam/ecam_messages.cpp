#include "gauges/ecam/ecam_messages.h"

#include <cstring>

#include "host/services.h"
#include "module/variables.h"
#include "shared/cockpit_state.h"

namespace corvane {

namespace {

// Texts longer than a line are cut to what the line holds, so the same long
// text always compares equal to its stored copy.
void copy_text(char* to, const char* from, int size) {
  int i = 0;
  for (; i < size - 1 && from[i] != '\0'; ++i) {
    to[i] = from[i];
  }
  for (; i < size; ++i) {
    to[i] = '\0';
  }
}

void clear_line(int line) {
  std::memset(ecam_messages[line], 0, kMessageTextSize);
  ecam_message_used[line] = 0;
  ecam_message_level[line] = 0;
}

void move_line(int to, int from) {
  std::memcpy(ecam_messages[to], ecam_messages[from], kMessageTextSize);
  ecam_message_used[to] = ecam_message_used[from];
  ecam_message_level[to] = ecam_message_level[from];
}

}  // namespace

void ecam_post_message(const char* text, int level, int add) {
  if (text == nullptr) {
    return;
  }
  char line_text[kMessageTextSize];
  copy_text(line_text, text, kMessageTextSize);
  if (add == 1) {
    for (const char* line : ecam_messages) {
      if (std::memcmp(line, line_text, kMessageTextSize) == 0) {
        return;
      }
    }
    for (int k = 0; k < kMessageLines; ++k) {
      if (ecam_message_used[k] == 0) {
        std::memcpy(ecam_messages[k], line_text, kMessageTextSize);
        ecam_message_used[k] = 1;
        ecam_message_level[k] = level;
        return;
      }
      if (ecam_message_level[k] < level) {
        for (int j = kMessageLines - 1; j > k; --j) {
          move_line(j, j - 1);
        }
        std::memcpy(ecam_messages[k], line_text, kMessageTextSize);
        ecam_message_used[k] = 1;
        ecam_message_level[k] = level;
        return;
      }
    }
    return;
  }
  if (add != 0) {
    return;
  }
  for (int i = 0; i < kMessageLines; ++i) {
    if (std::memcmp(ecam_messages[i], line_text, kMessageTextSize) == 0) {
      clear_line(i);
      for (int j = i; j < kMessageLines - 1; ++j) {
        move_line(j, j + 1);
      }
      clear_line(kMessageLines - 1);
      return;
    }
  }
}

void ecam_set_memo(const char* text, int slot) {
  if (text == nullptr || slot < 0 || slot >= kMemoSlotCount) {
    return;
  }
  copy_text(ecam_memo_slots[slot], text, kMemoTextSize);
}

void ecam_memo_expire(int slot) {
  if (slot < 0 || slot >= kMemoStampCount || ecam_memo_stamp[slot] == 0.0) {
    return;
  }
  const double now = read_sim(SV_25C);
  if (ecam_memo_stamp[slot] + 10.0 <= now) {
    ecam_set_memo("", slot);
    ecam_memo_stamp[slot] = 0.0;
  }
}

uint32_t ecam_message_colour(int level) {
  switch (level) {
    case MESSAGE_ADVISORY:
      return 0x00FFFF;
    case MESSAGE_CAUTION:
      return 0x3287FF;
    case MESSAGE_WARNING:
      return 0x1E1EFF;
    default:
      return 0x40FF40;
  }
}

}  // namespace corvane
