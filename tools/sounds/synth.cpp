// Synthesises the seven cockpit sounds as short 16-bit mono PCM WAV files,
// under the names the module loads from the simulator's Sound folder.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

// A small fixed-seed noise source, so that every build writes the same files.
struct Noise {
  uint32_t state = 0x2545F491u;
  double next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return static_cast<double>(state) / 4294967295.0 * 2.0 - 1.0;
  }
};

Samples silence(double seconds) { return Samples(static_cast<size_t>(seconds * kRate), 0.0); }

void add_tone(Samples& s, double start, double seconds, double freq, double amp, double decay) {
  const size_t first = static_cast<size_t>(start * kRate);
  const size_t count = static_cast<size_t>(seconds * kRate);
  if (s.size() < first + count) {
    s.resize(first + count, 0.0);
  }
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double attack = std::min(1.0, t / 0.004);
    s[first + i] += amp * attack * std::exp(-t * decay) * std::sin(2 * kPi * freq * t);
  }
}

void add_click(Samples& s, double start, double seconds, double amp, double decay, double tone) {
  Noise noise;
  const size_t first = static_cast<size_t>(start * kRate);
  const size_t count = static_cast<size_t>(seconds * kRate);
  if (s.size() < first + count) {
    s.resize(first + count, 0.0);
  }
  double low = 0.0;
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    low += 0.35 * (noise.next() - low);
    s[first + i] += amp * std::exp(-t * decay) * (0.6 * low + 0.4 * std::sin(2 * kPi * tone * t));
  }
}

bool write_wav(const std::string& path, const Samples& s) {
  std::vector<int16_t> pcm(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const double v = std::max(-1.0, std::min(1.0, s[i]));
    pcm[i] = static_cast<int16_t>(std::lround(v * 32000.0));
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    return false;
  }
  auto u32 = [&](uint32_t v) {
    const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                          static_cast<uint8_t>(v >> 24)};
    std::fwrite(b, 1, 4, f);
  };
  auto u16 = [&](uint16_t v) {
    const uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    std::fwrite(b, 1, 2, f);
  };
  const uint32_t data_bytes = static_cast<uint32_t>(pcm.size() * 2);
  std::fwrite("RIFF", 1, 4, f);
  u32(36 + data_bytes);
  std::fwrite("WAVEfmt ", 1, 8, f);
  u32(16);
  u16(1);  // PCM
  u16(1);  // mono
  u32(kRate);
  u32(kRate * 2);
  u16(2);
  u16(16);
  std::fwrite("data", 1, 4, f);
  u32(data_bytes);
  const bool ok = std::fwrite(pcm.data(), 2, pcm.size(), f) == pcm.size();
  return std::fclose(f) == 0 && ok;
}

Samples switch_click() {
  Samples s = silence(0.08);
  add_click(s, 0.0, 0.03, 0.9, 180, 2400);
  add_click(s, 0.035, 0.03, 0.5, 220, 1800);
  return s;
}

Samples button_press() {
  Samples s = silence(0.12);
  add_click(s, 0.0, 0.05, 0.7, 90, 900);
  add_click(s, 0.07, 0.04, 0.4, 120, 700);
  return s;
}

Samples flap_lever() {
  // A detent clunk, then the lever's slide into the gate.
  Samples s = silence(0.35);
  add_click(s, 0.0, 0.12, 0.5, 25, 180);
  add_click(s, 0.16, 0.15, 0.9, 40, 120);
  add_tone(s, 0.16, 0.15, 90, 0.3, 30);
  return s;
}

Samples cavalry_charge() {
  // The autopilot-disconnect warning: a rising bugle-like triad, played
  // repeatedly by the gauges while the warning stands.
  Samples s = silence(1.1);
  const double notes[] = {392.0, 523.25, 659.25, 783.99, 659.25, 783.99};
  const double starts[] = {0.0, 0.13, 0.26, 0.39, 0.62, 0.75};
  const double lengths[] = {0.12, 0.12, 0.12, 0.2, 0.12, 0.33};
  for (int i = 0; i < 6; ++i) {
    add_tone(s, starts[i], lengths[i], notes[i], 0.35, 4);
    add_tone(s, starts[i], lengths[i], notes[i] * 2, 0.12, 6);
    add_tone(s, starts[i], lengths[i], notes[i] * 3, 0.06, 8);
  }
  return s;
}

Samples clicker() {
  // Three quick mechanical clicks.
  Samples s = silence(0.3);
  for (int i = 0; i < 3; ++i) {
    add_click(s, i * 0.09, 0.03, 0.8, 200, 3000);
  }
  return s;
}

Samples sign_chime() {
  // The passenger sign chime: one soft low "bong".
  Samples s = silence(1.2);
  add_tone(s, 0.0, 1.2, 523.25, 0.45, 3.0);
  add_tone(s, 0.0, 1.2, 1046.5, 0.12, 4.5);
  return s;
}

Samples single_chime() {
  Samples s = silence(0.9);
  add_tone(s, 0.0, 0.9, 880.0, 0.45, 4.0);
  add_tone(s, 0.0, 0.9, 1760.0, 0.1, 6.0);
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  struct Sound {
    const char* file;
    Samples samples;
  };
  const Sound sounds[] = {
      {"Brisvalen_CLICK.wav", switch_click()},  {"Button_Press.wav", button_press()},
      {"Brisvalen_set_flap.wav", flap_lever()}, {"Brisvalen_Cavalry_Charge.wav", cavalry_charge()},
      {"Brisvalen_Clicker.wav", clicker()},     {"Brisvalen_SIGN.wav", sign_chime()},
      {"Brisvalen_CHIME.wav", single_chime()},
  };
  int failures = 0;
  for (const Sound& sound : sounds) {
    if (!write_wav(dir + "/" + sound.file, sound.samples)) {
      std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), sound.file);
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
