// Two hand-drawn pixel fonts for legends smaller than a vector glyph can
// render cleanly at 1:1: every stroke is one whole pixel, so a legend is as
// sharp on the simulator's panel as in the file.
#pragma once

#include <cairo.h>

#include <string_view>

namespace corvane::art {

enum class PixelFont {
  kSmall,  // capitals 5 px high: engraved legends on crowded panels
  kLarge,  // capitals 7 px high, a few lower-case letters: titles and display labels
};

int pixel_font_height(PixelFont font);

// Width in pixels of a UTF-8 text, or -1 when a character has no glyph.
int pixel_text_width(PixelFont font, std::string_view text);

// Draws the text with its top-left pixel at (x, y) in the current source.
void draw_pixel_text(cairo_t* cr, PixelFont font, std::string_view text, int x, int y);

}  // namespace corvane::art
