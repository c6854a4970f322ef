// Synthesises the seven cockpit sounds as short 16-bit mono PCM WAV files,
// under the names the module loads from the simulator's Sound folder.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
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

// Every sound is built from voices that rise and fall smoothly: a raised-
// cosine attack from silence and a raised-cosine release back to silence, so
// that no note starts or stops with a step (a step is a broadband click).
struct Envelope {
  double attack;   // seconds from silence to full level
  double release;  // seconds from the level at the end back to silence
  double decay;    // exponential decay rate while sounding (1/s), 0 to hold
};

double envelope_at(const Envelope& e, double t, double length) {
  double level = e.decay > 0 ? std::exp(-t * e.decay) : 1.0;
  if (t < e.attack) {
    level *= 0.5 - 0.5 * std::cos(kPi * t / e.attack);
  }
  const double to_end = length - t;
  if (to_end < e.release) {
    level *= 0.5 - 0.5 * std::cos(kPi * std::max(0.0, to_end) / e.release);
  }
  return level;
}

void ensure(Samples& s, size_t size) {
  if (s.size() < size) {
    s.resize(size, 0.0);
  }
}

// A pitched voice: partials at multiples `ratio` of the frequency with their
// amplitudes. `brass` > 0 makes the upper partials swell in after the
// fundamental and fade before it, as a lip-blown horn does; `scoop` starts the
// pitch that fraction flat and glides up over 25 ms; vibrato comes in late.
struct Partial {
  double ratio, amp, decay;
};
void add_voice(Samples& s, double start, double length, double freq, double amp, const Envelope& env,
               std::initializer_list<Partial> partials, double brass = 0.0, double scoop = 0.0, double vibrato = 0.0) {
  const size_t first = static_cast<size_t>(start * kRate);
  const size_t count = static_cast<size_t>(length * kRate);
  ensure(s, first + count);
  double phase = 0.0;
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double level = envelope_at(env, t, length);
    double f = freq * (1.0 - scoop * std::exp(-t / 0.008));
    if (t > 0.08) {
      f *= 1.0 + vibrato * std::sin(2 * kPi * 5.5 * (t - 0.08));
    }
    phase += 2 * kPi * f / kRate;
    double v = 0.0;
    int k = 0;
    for (const Partial& p : partials) {
      const double colour = brass > 0 ? std::pow(level, brass * k) : 1.0;
      v += p.amp * colour * std::exp(-t * p.decay) * std::sin(phase * p.ratio);
      ++k;
    }
    s[first + i] += amp * level * v;
  }
}

// A mechanical tick: the ring of a few stiff modes (a plate, a spring)
// with a breath of noise, a short attack and a fast decay, released to
// silence.
void add_tick(Samples& s, double start, double length, double amp, double decay, double resonance, uint32_t seed) {
  Noise noise;
  noise.state ^= seed * 0x9E3779B9u;
  const size_t first = static_cast<size_t>(start * kRate);
  const size_t count = static_cast<size_t>(length * kRate);
  ensure(s, first + count);
  const Envelope env{0.003, std::min(0.01, length / 3), decay};
  const double ratios[] = {1.0, 1.47, 2.09, 2.56};
  const double amps[] = {1.0, 0.6, 0.4, 0.25};
  double phases[4];
  for (double& p : phases) {
    p = kPi * (noise.next() + 1.0);
  }
  double low = 0.0;
  for (size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kRate;
    double v = 0.0;
    for (int k = 0; k < 4; ++k) {
      v += amps[k] * std::exp(-t * decay * k) * std::sin(2 * kPi * resonance * ratios[k] * t + phases[k]);
    }
    low += 0.3 * (noise.next() - low);
    s[first + i] += amp * envelope_at(env, t, length) * (0.45 * v + 0.25 * low);
  }
}

// Writes the sound scaled so that its loudest sample is `peak` of full scale:
// each sound's loudness is set here, and nothing clips.
bool write_wav(const std::string& path, const Samples& s, double peak) {
  double loudest = 0.0;
  for (double v : s) {
    loudest = std::max(loudest, std::abs(v));
  }
  const double gain = loudest > 0.0 ? peak / loudest : 0.0;
  std::vector<int16_t> pcm(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    pcm[i] = static_cast<int16_t>(std::lround(s[i] * gain * 32767.0));
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
  // A toggle's snap: a bright tick, then the lever settling.
  Samples s = silence(0.09);
  add_tick(s, 0.0, 0.035, 1.0, 120, 3200, 1);
  add_tick(s, 0.038, 0.03, 0.5, 160, 2100, 2);
  return s;
}

Samples button_press() {
  // A pushbutton's press and release: a duller tock and a lighter tick.
  Samples s = silence(0.13);
  add_tick(s, 0.0, 0.05, 0.9, 80, 1300, 3);
  add_voice(s, 0.0, 0.05, 420, 0.18, {0.003, 0.015, 60}, {{1, 1, 0}});
  add_tick(s, 0.075, 0.04, 0.5, 110, 1900, 4);
  return s;
}

Samples flap_lever() {
  // The lever lifted out of its gate, moved, and dropped into the next: a
  // low clunk, a short slide, a heavier clunk.
  Samples s = silence(0.36);
  add_tick(s, 0.0, 0.08, 0.7, 45, 600, 5);
  add_tick(s, 0.05, 0.12, 0.18, 12, 2400, 6);
  add_tick(s, 0.18, 0.16, 1.0, 35, 380, 7);
  add_voice(s, 0.18, 0.16, 95, 0.35, {0.002, 0.04, 25}, {{1, 1, 0}, {2, 0.3, 10}});
  return s;
}

Samples cavalry_charge() {
  // The autopilot-disconnect warning: a bugle's rising charge, G C E G, then
  // E G held, in a brassy voice whose upper partials swell in with each note.
  // Notes overlap slightly, each with its own attack and release, so that the
  // figure is legato and free of clicks. The gauges repeat it while the
  // warning stands.
  Samples s = silence(1.1);
  const double notes[] = {392.0, 523.25, 659.25, 783.99, 659.25, 783.99};
  const double starts[] = {0.0, 0.13, 0.26, 0.39, 0.62, 0.75};
  const double lengths[] = {0.15, 0.15, 0.15, 0.24, 0.15, 0.34};
  for (int i = 0; i < 6; ++i) {
    add_voice(s, starts[i], lengths[i], notes[i], 0.2, {0.012, 0.03, 0.8},
              {{1, 1.0, 0}, {2, 0.8, 0}, {3, 0.6, 0}, {4, 0.45, 0}, {5, 0.3, 0}, {6, 0.2, 0}, {7, 0.12, 0}}, 0.35, 0.02,
              i == 5 ? 0.004 : 0.0);
  }
  return s;
}

Samples clicker() {
  // The triple click: three crisp electronic clicks.
  Samples s = silence(0.3);
  for (int i = 0; i < 3; ++i) {
    add_tick(s, i * 0.09, 0.03, 0.9, 150, 2800, static_cast<uint32_t>(8 + i));
    add_voice(s, i * 0.09, 0.03, 2000, 0.2, {0.003, 0.01, 120}, {{1, 1, 0}});
  }
  return s;
}

Samples sign_chime() {
  // The passenger-sign chime: one soft, low "bong" with a gentle bell's
  // partials, dying away.
  Samples s = silence(1.2);
  add_voice(s, 0.0, 1.2, 523.25, 0.5, {0.006, 0.25, 2.6},
            {{1, 1.0, 0}, {2.0, 0.3, 1.5}, {3.0, 0.12, 3}, {4.16, 0.05, 5}});
  return s;
}

Samples single_chime() {
  // The master-caution single chime: a struck, brighter "ding".
  Samples s = silence(0.9);
  add_voice(s, 0.0, 0.9, 880.0, 0.45, {0.003, 0.2, 3.5}, {{1, 1.0, 0}, {2.0, 0.35, 2}, {2.76, 0.2, 4}, {5.4, 0.06, 8}});
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
    double peak;  // the alerts loudest, the mechanical sounds below them
  };
  const Sound sounds[] = {
      {"Brisvalen_CLICK.wav", switch_click(), 0.5},  {"Button_Press.wav", button_press(), 0.45},
      {"Brisvalen_set_flap.wav", flap_lever(), 0.6}, {"Brisvalen_Cavalry_Charge.wav", cavalry_charge(), 0.85},
      {"Brisvalen_Clicker.wav", clicker(), 0.6},     {"Brisvalen_SIGN.wav", sign_chime(), 0.6},
      {"Brisvalen_CHIME.wav", single_chime(), 0.7},
  };
  int failures = 0;
  for (const Sound& sound : sounds) {
    if (!write_wav(dir + "/" + sound.file, sound.samples, sound.peak)) {
      std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), sound.file);
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
