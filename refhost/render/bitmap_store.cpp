// BMP files into Cairo surfaces. Pure black is the simulator's transparent
// colour, so it becomes alpha 0 here.
#include <dirent.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
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
}

void BitmapStore::add(uint32_t id, cairo_surface_t* surface) {
  auto it = bitmaps_.find(id);
  if (it != bitmaps_.end()) {
    cairo_surface_destroy(it->second);
    it->second = surface;
  } else {
    bitmaps_[id] = surface;
  }
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
