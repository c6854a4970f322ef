// Windows BMP files for the module's resources. No library writes palettised
// BMPs, so the few lines of the format live here: a fixed 256-colour palette
// whose entry 0 is pure black (the simulator's transparent colour), and
// straight 24-bit files for the two images that need more colours.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::art {

struct Rgb {
  uint8_t r, g, b;
};

// The palette every 8-bit picture shares. Entry 0 is the only pure black.
const std::vector<Rgb>& palette();

// Index of the palette entry nearest to a colour; pure black only for pure black.
uint8_t nearest_index(Rgb colour);

// Pixels are rows of 0x00RRGGBB words (Cairo's RGB24/ARGB32 layout), top row first.
// Writes an 8-bit palettised file; with `transparent_dark`, pixels darker than a
// faint grey become entry 0 so that antialiased edges around needles and knobs
// fade into the transparent colour instead of leaving a near-black fringe.
bool write_bmp8(const std::string& path, int width, int height, const uint32_t* pixels, int stride_words,
                bool transparent_dark);
bool write_bmp24(const std::string& path, int width, int height, const uint32_t* pixels, int stride_words);

// The bytes of a BMP file as written above (for tests and the resource check).
struct BmpInfo {
  int width = 0;
  int height = 0;
  int bits = 0;
};
// Reads the BITMAPINFOHEADER that starts at `dib` (no file header), as found in a resource.
bool parse_dib_header(const uint8_t* dib, size_t size, BmpInfo& info);

}  // namespace corvane::art
