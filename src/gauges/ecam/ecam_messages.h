// The two ways other gauges write into the engine/warning display's texts: the
// sorted message list of the left column and the memo slots of the right.
#pragma once

#include <cstdint>

namespace corvane {

enum MessageLevel : int { MESSAGE_MEMO = 0, MESSAGE_ADVISORY = 1, MESSAGE_CAUTION = 2, MESSAGE_WARNING = 3 };

// add = 1 posts the text at its level, add = 0 removes it.
void ecam_post_message(const char* text, int level, int add);
// Copies the text into memo slot 0..4; the slot's stamp is the writer's business.
void ecam_set_memo(const char* text, int slot);
// Slots 0..2 only: empties the slot 10 s of simulation time after its stamp.
void ecam_memo_expire(int slot);
// The text colour of a message level; unknown levels show as memos.
uint32_t ecam_message_colour(int level);

}  // namespace corvane
