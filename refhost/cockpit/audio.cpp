#include "cockpit/audio.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace corvane::cockpit {

std::string sound_file(const std::string& folder, const std::string& module_path) {
  std::string path = module_path;
  std::replace(path.begin(), path.end(), '\\', '/');
  const std::filesystem::path base(folder);
  for (const std::filesystem::path& candidate : {base / path, base / std::filesystem::path(path).filename()}) {
    if (std::filesystem::is_regular_file(candidate)) {
      return candidate.string();
    }
  }
  return {};
}

Audio::Audio(std::string folder) : folder_(std::move(folder)) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    return;
  }
  // The package's sounds are 16-bit mono at 22050 Hz: ask for that and let
  // SDL convert when the device wants something else.
  SDL_AudioSpec want{};
  want.freq = 22050;
  want.format = AUDIO_S16SYS;
  want.channels = 1;
  want.samples = 512;
  want.callback = &Audio::fill;
  want.userdata = this;
  device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, 0);
  if (device_ != 0) {
    SDL_PauseAudioDevice(device_, 0);
  }
}

Audio::~Audio() {
  if (device_ != 0) {
    SDL_CloseAudioDevice(device_);
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

const char* Audio::driver() const {
  const char* name = SDL_GetCurrentAudioDriver();
  return name != nullptr ? name : "none";
}

const std::vector<int16_t>* Audio::clip(const std::string& module_path) {
  const auto found = clips_.find(module_path);
  if (found != clips_.end()) {
    return &found->second;
  }
  std::vector<int16_t>& samples = clips_[module_path];  // an empty clip for files that do not load
  const std::string file = sound_file(folder_, module_path);
  SDL_AudioSpec wav{};
  Uint8* data = nullptr;
  Uint32 bytes = 0;
  if (file.empty() || SDL_LoadWAV(file.c_str(), &wav, &data, &bytes) == nullptr) {
    return &samples;
  }
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, wav.format, wav.channels, wav.freq, AUDIO_S16SYS, spec_.channels, spec_.freq) >= 0) {
    std::vector<Uint8> buffer(static_cast<size_t>(bytes) * static_cast<size_t>(std::max(1, cvt.len_mult)));
    std::memcpy(buffer.data(), data, bytes);
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(bytes);
    if (SDL_ConvertAudio(&cvt) == 0) {
      samples.resize(static_cast<size_t>(cvt.len_cvt) / sizeof(int16_t));
      std::memcpy(samples.data(), buffer.data(), samples.size() * sizeof(int16_t));
    }
  }
  SDL_FreeWAV(data);
  return &samples;
}

int Audio::files() const {
  return static_cast<int>(std::count_if(clips_.begin(), clips_.end(), [](const auto& c) { return !c.second.empty(); }));
}

void Audio::play(const std::string& module_path) {
  ++plays_;
  if (device_ == 0) {
    return;
  }
  const std::vector<int16_t>* samples = clip(module_path);
  if (samples->empty()) {
    return;
  }
  SDL_LockAudioDevice(device_);
  voices_.push_back({samples, 0});
  SDL_UnlockAudioDevice(device_);
}

void Audio::fill(void* self, Uint8* stream, int bytes) {
  auto& audio = *static_cast<Audio*>(self);
  auto* out = reinterpret_cast<int16_t*>(stream);
  const size_t count = static_cast<size_t>(bytes) / sizeof(int16_t);
  for (size_t i = 0; i < count; ++i) {
    int mix = 0;
    for (Voice& v : audio.voices_) {
      if (v.at < v.clip->size()) {
        mix += (*v.clip)[v.at++];
      }
    }
    out[i] = static_cast<int16_t>(std::clamp(mix, -32768, 32767));
  }
  std::erase_if(audio.voices_, [](const Voice& v) { return v.at >= v.clip->size(); });
}

}  // namespace corvane::cockpit
