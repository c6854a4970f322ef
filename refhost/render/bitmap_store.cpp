// BMP files into Cairo surfaces. Pure black is the simulator's transparent
// colour, so it becomes alpha 0 here.
#include <dirent.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "render.h"

namespace corvane::render {
namespace {

uint32_t u16(const std::vector<uint8_t>& b, size_t at) { return b[at] | (b[at + 1] << 8); }
uint32_t u32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

cairo_surface_t* decode(const std::vector<uint8_t>& b) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
    return nullptr;
  }
  const uint32_t data = u32(b, 10);
  const uint32_t header = u32(b, 14);
  const auto width = static_cast<int32_t>(u32(b, 18));
  const auto raw_height = static_cast<int32_t>(u32(b, 22));
  const uint32_t bits = u16(b, 28);
  const uint32_t compression = u32(b, 30);
  if (width <= 0 || raw_height == 0 || compression != 0 || (bits != 8 && bits != 24) || width > 16384 ||
      raw_height > 16384 || raw_height < -16384) {
    return nullptr;
  }
  const bool bottom_up = raw_height > 0;
  const int height = bottom_up ? raw_height : -raw_height;
  uint32_t colours = bits == 8 ? u32(b, 46) : 0;
  if (bits == 8 && colours == 0) {
    colours = 256;
  }
  const size_t palette_at = 14 + header;
  const size_t row = ((static_cast<size_t>(width) * bits / 8) + 3) & ~static_cast<size_t>(3);
  if (colours > 256 || palette_at + colours * 4 > b.size() || data + row * static_cast<size_t>(height) > b.size()) {
    return nullptr;
  }
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_surface_flush(surface);
  unsigned char* out = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    const size_t src = data + row * static_cast<size_t>(bottom_up ? height - 1 - y : y);
    auto* dst = reinterpret_cast<uint32_t*>(out + static_cast<size_t>(y) * static_cast<size_t>(stride));
    for (int x = 0; x < width; ++x) {
      uint32_t r = 0, g = 0, bl = 0;
      if (bits == 8) {
        const uint32_t index = b[src + static_cast<size_t>(x)];
        if (index < colours) {
          const size_t p = palette_at + index * 4;
          bl = b[p];
          g = b[p + 1];
          r = b[p + 2];
        }
      } else {
        const size_t p = src + static_cast<size_t>(x) * 3;
        bl = b[p];
        g = b[p + 1];
        r = b[p + 2];
      }
      dst[x] = (r | g | bl) == 0 ? 0u : (0xFF000000u | (r << 16) | (g << 8) | bl);
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

}  // namespace

BitmapStore::~BitmapStore() {
  for (auto& [id, surface] : bitmaps_) {
    cairo_surface_destroy(surface);
  }
  for (auto& [image, mask] : paint_masks_) {
    cairo_surface_destroy(mask);
  }
}

namespace {

// How much a lit panel darkens a pixel at night: the blue-grey paint goes
// dark, while legends, light bars, lamps and the displays' neutral greys and
// blacks keep their light (the panel's integral lighting shines through the
// legends, not the paint).
cairo_surface_t* make_paint_mask(cairo_surface_t* image, double darkening) {
  const int w = cairo_image_surface_get_width(image), h = cairo_image_surface_get_height(image);
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  cairo_surface_flush(image);
  const unsigned char* src = cairo_image_surface_get_data(image);
  unsigned char* dst = cairo_image_surface_get_data(mask);
  const int src_stride = cairo_image_surface_get_stride(image), dst_stride = cairo_image_surface_get_stride(mask);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t px;
      std::memcpy(&px, src + y * src_stride + x * 4, 4);
      const int a = static_cast<int>(px >> 24), r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
      const int brightest = std::max(r, std::max(g, b));
      const double tint = std::clamp((b - r - 4) / 8.0, 0.0, 1.0);
      const double dull = std::clamp((200 - brightest) / 30.0, 0.0, 1.0);
      dst[y * dst_stride + x] = static_cast<unsigned char>(std::lround(a * darkening * tint * dull));
    }
  }
  cairo_surface_mark_dirty(mask);
  return mask;
}

}  // namespace

void BitmapStore::add(uint32_t id, cairo_surface_t* surface) {
  auto it = bitmaps_.find(id);
  if (it != bitmaps_.end()) {
    if (auto m = paint_masks_.find(it->second); m != paint_masks_.end()) {
      cairo_surface_destroy(m->second);
      paint_masks_.erase(m);
    }
    cairo_surface_destroy(it->second);
    it->second = surface;
  } else {
    bitmaps_[id] = surface;
  }
  paint_masks_[surface] = make_paint_mask(surface, kNightPaintDarkening);
}

cairo_surface_t* BitmapStore::paint_mask(cairo_surface_t* image) const {
  const auto it = paint_masks_.find(image);
  return it == paint_masks_.end() ? nullptr : it->second;
}

cairo_surface_t* BitmapStore::find(uint32_t id) const {
  const auto it = bitmaps_.find(id);
  return it == bitmaps_.end() ? nullptr : it->second;
}

bool BitmapStore::load_file(uint32_t id, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return false;
  }
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  cairo_surface_t* surface = decode(bytes);
  if (surface == nullptr) {
    return false;
  }
  add(id, surface);
  return true;
}

int BitmapStore::load_folder(const std::string& folder) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) {
    return 0;
  }
  int loaded = 0;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() != 8 || name.substr(4) != ".bmp" || !std::isxdigit(static_cast<unsigned char>(name[0]))) {
      continue;
    }
    const std::string hex = name.substr(0, 4);
    char* end = nullptr;
    const unsigned long id = std::strtoul(hex.c_str(), &end, 16);
    if (end == nullptr || *end != '\0') {
      continue;
    }
    if (load_file(static_cast<uint32_t>(id), folder + "/" + name)) {
      ++loaded;
    }
  }
  closedir(dir);
  return loaded;
}

}  // namespace corvane::render
