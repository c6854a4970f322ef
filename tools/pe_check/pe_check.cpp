// Checks a built Corvane.gau against the bitmap manifest written by the
// generator: every bitmap id present with its width, height and bit depth, no
// stray bitmap, and FSSound.dll imported by ordinal 1, 7 and 14 only.
// Exit code 77 (skipped) when the module has not been built.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "pe_image.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s Corvane.gau bitmaps.txt\n", argv[0]);
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  if (!file) {
    std::printf("%s not built: skipped\n", argv[1]);
    return 77;
  }
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  corvane::pe::Image image;
  std::string error;
  if (!corvane::pe::read_image(bytes, image, error)) {
    std::printf("%s: %s\n", argv[1], error.c_str());
    return 1;
  }
  std::ifstream manifest(argv[2]);
  if (!manifest) {
    std::printf("cannot read %s\n", argv[2]);
    return 1;
  }
  int faults = 0;
  size_t expected = 0;
  std::string id_text;
  int width = 0, height = 0, bits = 0;
  while (manifest >> id_text >> width >> height >> bits) {
    ++expected;
    const auto id = static_cast<uint32_t>(std::stoul(id_text, nullptr, 16));
    const auto it = image.bitmaps.find(id);
    if (it == image.bitmaps.end()) {
      std::printf("bitmap 0x%04X missing\n", id);
      ++faults;
    } else if (it->second.width != width || it->second.height != height || it->second.bits != bits) {
      std::printf("bitmap 0x%04X is %dx%d, %d bits; expected %dx%d, %d bits\n", id, it->second.width, it->second.height,
                  it->second.bits, width, height, bits);
      ++faults;
    }
  }
  if (expected == 0) {
    std::printf("empty manifest %s\n", argv[2]);
    return 1;
  }
  if (image.bitmaps.size() != expected) {
    std::printf("%zu bitmaps in the module, %zu expected\n", image.bitmaps.size(), expected);
    ++faults;
  }
  std::vector<uint32_t> ordinals = image.ordinal_imports["FSSOUND.DLL"];
  std::sort(ordinals.begin(), ordinals.end());
  if (ordinals != std::vector<uint32_t>{1, 7, 14} || !image.named_imports["FSSOUND.DLL"].empty()) {
    std::printf("FSSound.dll is not imported by ordinals 1, 7 and 14 alone\n");
    ++faults;
  }
  if (faults != 0) {
    return 1;
  }
  std::printf("%s: %zu bitmaps with their sizes and depths, FSSound.dll by ordinal 1, 7, 14\n", argv[1], expected);
  return 0;
}
