// "Warnings": the MASTER WARN and MASTER CAUT lights' own state.
#pragma once

namespace corvane {

extern unsigned int warning_blink_count;
extern unsigned int warning_ack_count;
extern int caution_chime_done;

}  // namespace corvane
