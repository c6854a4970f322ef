// "Audio": the audio control panel's timed lights, shared with the tests.
#pragma once

namespace corvane {

extern int audio_voice_lit;
extern int audio_voice_ticks;
extern int audio_reset_lit;
extern int audio_reset_ticks;

}  // namespace corvane
