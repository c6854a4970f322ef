#include "shared/sounds.h"

#include "host/platform.h"

namespace corvane {

SoundSlot sound_slots[SOUND_COUNT] = {
    {0, 0, "Sound\\Brisvalen_CLICK.wav"},    {0, 0, "Sound\\Button_Press.wav"},
    {0, 0, "Sound\\Brisvalen_set_flap.wav"}, {0, 0, "Sound\\Brisvalen_Cavalry_Charge.wav"},
    {0, 0, "Sound\\Brisvalen_Clicker.wav"},  {0, 0, "Sound\\Brisvalen_SIGN.wav"},
    {0, 0, "Sound\\Brisvalen_CHIME.wav"},
};

void load_all_sounds() {
  for (SoundSlot& slot : sound_slots) {
    slot.loaded = static_cast<uint32_t>(fssound_load(&slot.sound, slot.file));
  }
}

void release_all_sounds() {
  for (SoundSlot& slot : sound_slots) {
    fssound_release(&slot.sound);
  }
}

void play_sound(SoundId id) {
  if (id >= SOUND_COUNT) {
    return;
  }
  SoundSlot& slot = sound_slots[id];
  if (slot.loaded == 0) {
    return;
  }
  if (fssound_play(slot.sound, 0) != 0) {
    return;
  }
  // A failed play usually means the library dropped the sound: reload once.
  slot.loaded = static_cast<uint32_t>(fssound_load(&slot.sound, slot.file));
  if (slot.loaded == 1) {
    fssound_play(slot.sound, 0);
  }
}

}  // namespace corvane
