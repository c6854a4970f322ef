// The seven cockpit sounds. "Autopilot2" loads and releases them; any gauge
// plays one with the play-or-reload step.
#pragma once

#include <cstdint>

namespace corvane {

struct SoundSlot {
  uint32_t loaded;
  uint32_t sound;
  const char* file;
};

enum SoundId : uint8_t {
  SOUND_CLICK,
  SOUND_BUTTON,
  SOUND_FLAP,
  SOUND_CAVALRY_CHARGE,
  SOUND_CLICKER,
  SOUND_SIGN,
  SOUND_CHIME,
  SOUND_COUNT
};

extern SoundSlot sound_slots[SOUND_COUNT];

void load_all_sounds();
void release_all_sounds();
void play_sound(SoundId id);

}  // namespace corvane
