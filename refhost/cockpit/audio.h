// The cockpit's FSSound: the package's own WAV files through SDL audio,
// mixed by adding voices. Without an audio device it stays silent.
#pragma once

#include <SDL.h>

#include <map>
#include <string>
#include <vector>

namespace corvane::cockpit {

// The file a module path such as "Sound\Button_Press.wav" names under the
// sound folder: the path itself, or its file name alone; empty when neither exists.
std::string sound_file(const std::string& folder, const std::string& module_path);

class Audio {
 public:
  explicit Audio(std::string folder);
  ~Audio();
  Audio(const Audio&) = delete;
  Audio& operator=(const Audio&) = delete;

  bool open() const { return device_ != 0; }
  const char* driver() const;
  // Starts one playing of the file, over whatever else is playing.
  void play(const std::string& module_path);
  int plays() const { return plays_; }
  // Sound files read and converted for the device so far.
  int files() const;

 private:
  static void fill(void* self, Uint8* stream, int bytes);
  const std::vector<int16_t>* clip(const std::string& module_path);

  struct Voice {
    const std::vector<int16_t>* clip;
    size_t at;
  };
  std::string folder_;
  SDL_AudioDeviceID device_ = 0;
  SDL_AudioSpec spec_{};
  std::map<std::string, std::vector<int16_t>> clips_;
  std::vector<Voice> voices_;  // the audio thread's, under SDL_LockAudioDevice
  int plays_ = 0;
};

}  // namespace corvane::cockpit
