// A small reader for 32-bit PE files (Corvane.gau): the bitmap resources with
// the size and depth of each, and the functions imported by ordinal from a DLL.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace corvane::pe {

struct BitmapResource {
  int width = 0;
  int height = 0;
  int bits = 0;
};

struct Image {
  std::map<uint32_t, BitmapResource> bitmaps;  // by resource id
  // DLL name (upper case) -> ordinals imported by ordinal, in table order.
  std::map<std::string, std::vector<uint32_t>> ordinal_imports;
  // DLL name (upper case) -> functions imported by name.
  std::map<std::string, std::vector<std::string>> named_imports;
};

// Parses the file's bytes; on failure returns false with a reason in `error`.
bool read_image(const std::vector<uint8_t>& bytes, Image& image, std::string& error);

}  // namespace corvane::pe
