#include "bmp_writer.h"

#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "style.h"

namespace corvane::art {
namespace {

// Colours the cockpit uses exactly, so that paint, legends and lights keep
// their hue after quantisation, and the blends between them that antialiased
// edges produce.
std::vector<Rgb> make_palette() {
  namespace st = style;
  std::vector<Rgb> p;
  auto add = [&](st::Rgb c) {
    const Rgb e{c.r, c.g, c.b};
    for (const Rgb& q : p) {
      if (q.r == e.r && q.g == e.g && q.b == e.b) {
        return;
      }
    }
    if (p.size() < 256) {
      p.push_back(e);
    }
  };
  auto ramp = [&](st::Rgb a, st::Rgb b, int steps) {
    for (int i = 1; i < steps; ++i) {
      auto mix = [&](uint8_t x, uint8_t y) { return static_cast<uint8_t>(x + (y - x) * i / steps); };
      add({mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)});
    }
  };
  p.push_back({0, 0, 0});
  for (st::Rgb c : {st::kPaint,
                    st::kPaintLight,
                    st::kPaintShadow,
                    st::kGlareshield,
                    st::kGlareLight,
                    st::kGlareShadow,
                    st::kSeam,
                    st::kLegend,
                    st::kScrew,
                    st::kButton,
                    st::kButtonLight,
                    st::kButtonShadow,
                    st::kCaptionOff,
                    st::kKnob,
                    st::kKnobRim,
                    st::kKnobHighlight,
                    st::kLever,
                    st::kLeverShadow,
                    st::kGuard,
                    st::kGuardLight,
                    st::kWindow,
                    st::kBezel,
                    st::kFace,
                    st::kGreen,
                    st::kAmber,
                    st::kRed,
                    st::kBlue,
                    st::kCyan,
                    st::kYellow,
                    st::kWhite,
                    st::kGrey,
                    st::kScreen,
                    st::kTape,
                    st::kSky,
                    st::kGround,
                    st::Rgb{20, 25, 95},
                    st::Rgb{230, 230, 230}}) {
    add(c);
  }
  for (st::Rgb c : {st::kAmber, st::kBlue, st::kGreen, st::kRed, st::kWhite}) {
    add(st::unlit(c));
  }
  for (st::Rgb base : {st::kPaint, st::kGlareshield, st::kButton}) {
    ramp(base, st::kLegend, 6);
  }
  for (st::Rgb c : {st::kGreen, st::kAmber, st::kRed, st::kCyan, st::kWhite, st::kBlue, st::kYellow}) {
    ramp(st::kScreen, c, 5);
  }
  ramp(st::kKnob, st::kKnobHighlight, 5);
  ramp(st::kPaint, st::kPaintShadow, 3);
  ramp(st::kPaint, st::kButton, 3);
  // A coarse colour cube for everything else, then greys.
  for (int r = 0; r < 5; ++r) {
    for (int g = 0; g < 5; ++g) {
      for (int b = 0; b < 5; ++b) {
        auto level = [](int i) { return static_cast<uint8_t>(i * 255 / 4); };
        if (r + g + b > 0) {
          add({level(r), level(g), level(b)});
        }
      }
    }
  }
  for (int level = 4; p.size() < 256 && level < 256; level += 7) {
    add({static_cast<uint8_t>(level), static_cast<uint8_t>(level), static_cast<uint8_t>(level)});
  }
  while (p.size() < 256) {
    p.push_back({255, 255, 255});
  }
  return p;
}

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

void headers(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t palette_bytes, uint32_t image_bytes) {
  const uint32_t offset = 14 + 40 + palette_bytes;
  out.push_back('B');
  out.push_back('M');
  put32(out, offset + image_bytes);
  put32(out, 0);
  put32(out, offset);
  put32(out, 40);
  put32(out, static_cast<uint32_t>(width));
  put32(out, static_cast<uint32_t>(height));  // positive: rows bottom-up
  put16(out, 1);
  put16(out, static_cast<uint32_t>(bits));
  put32(out, 0);  // BI_RGB
  put32(out, image_bytes);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, bits == 8 ? 256 : 0);
  put32(out, 0);
}

bool save(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    return false;
  }
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

Rgb unpack(uint32_t px) {
  return {static_cast<uint8_t>(px >> 16), static_cast<uint8_t>(px >> 8), static_cast<uint8_t>(px)};
}

uint32_t get32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }

}  // namespace

const std::vector<Rgb>& palette() {
  static const std::vector<Rgb> p = make_palette();
  return p;
}

uint8_t nearest_index(Rgb c) {
  if (c.r == 0 && c.g == 0 && c.b == 0) {
    return 0;
  }
  const auto& p = palette();
  int best = 1;
  long best_d = -1;
  for (size_t i = 1; i < p.size(); ++i) {
    const long dr = c.r - p[i].r;
    const long dg = c.g - p[i].g;
    const long db = c.b - p[i].b;
    // Green weighs most for the eye.
    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (best_d < 0 || d < best_d) {
      best_d = d;
      best = static_cast<int>(i);
    }
  }
  return static_cast<uint8_t>(best);
}

bool write_bmp8(const std::string& path, int width, int height, const uint32_t* pixels, int stride_words,
                bool transparent_dark) {
  const uint32_t row = (static_cast<uint32_t>(width) + 3u) & ~3u;
  std::vector<uint8_t> out;
  headers(out, width, height, 8, 1024, row * static_cast<uint32_t>(height));
  for (const Rgb& c : palette()) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  std::unordered_map<uint32_t, uint8_t> cache;
  for (int y = height - 1; y >= 0; --y) {
    const uint32_t* src = pixels + static_cast<size_t>(y) * static_cast<size_t>(stride_words);
    for (int x = 0; x < width; ++x) {
      const uint32_t px = src[x] & 0xFFFFFF;
      const Rgb c = unpack(px);
      if (transparent_dark && c.r < 14 && c.g < 14 && c.b < 14) {
        out.push_back(0);
        continue;
      }
      auto it = cache.find(px);
      if (it == cache.end()) {
        it = cache.emplace(px, nearest_index(c)).first;
      }
      out.push_back(it->second);
    }
    for (uint32_t pad = static_cast<uint32_t>(width); pad < row; ++pad) {
      out.push_back(0);
    }
  }
  return save(path, out);
}

bool write_bmp24(const std::string& path, int width, int height, const uint32_t* pixels, int stride_words) {
  const uint32_t row = (static_cast<uint32_t>(width) * 3u + 3u) & ~3u;
  std::vector<uint8_t> out;
  headers(out, width, height, 24, 0, row * static_cast<uint32_t>(height));
  for (int y = height - 1; y >= 0; --y) {
    const uint32_t* src = pixels + static_cast<size_t>(y) * static_cast<size_t>(stride_words);
    for (int x = 0; x < width; ++x) {
      const Rgb c = unpack(src[x]);
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
    }
    for (uint32_t pad = static_cast<uint32_t>(width) * 3u; pad < row; ++pad) {
      out.push_back(0);
    }
  }
  return save(path, out);
}

bool parse_dib_header(const uint8_t* dib, size_t size, BmpInfo& info) {
  if (size < 40 || get32(dib) < 40) {
    return false;
  }
  info.width = static_cast<int>(get32(dib + 4));
  const int h = static_cast<int>(get32(dib + 8));
  info.height = h < 0 ? -h : h;
  info.bits = dib[14] | (dib[15] << 8);
  return true;
}

}  // namespace corvane::art
