#include "pixel_font.h"

#include <map>
#include <string>
#include <vector>

namespace corvane::art {
namespace {

// A glyph: its rows top to bottom, '#' for a lit pixel; the row length is the
// advance less the one-pixel gap.
struct GlyphRow {
  const char* ch;
  const char* rows;  // space separated
};

// clang-format off
constexpr GlyphRow kSmall[] = {
  {"A", ".#. #.# ### #.# #.#"}, {"B", "##. #.# ##. #.# ##."}, {"C", ".## #.. #.. #.. .##"},
  {"D", "##. #.# #.# #.# ##."}, {"E", "### #.. ##. #.. ###"}, {"F", "### #.. ##. #.. #.."},
  {"G", ".## #.. #.# #.# .##"}, {"H", "#.# #.# ### #.# #.#"}, {"I", "### .#. .#. .#. ###"},
  {"J", "..# ..# ..# #.# .#."}, {"K", "#.# #.# ##. #.# #.#"}, {"L", "#.. #.. #.. #.. ###"},
  {"M", "#...# ##.## #.#.# #...# #...#"}, {"N", "#..# ##.# #.## #..# #..#"}, {"O", ".#. #.# #.# #.# .#."},
  {"P", "##. #.# ##. #.. #.."}, {"Q", ".#. #.# #.# ##. .##"}, {"R", "##. #.# ##. #.# #.#"},
  {"S", ".## #.. .#. ..# ##."}, {"T", "### .#. .#. .#. .#."}, {"U", "#.# #.# #.# #.# ###"},
  {"V", "#.# #.# #.# #.# .#."}, {"W", "#...# #...# #.#.# ##.## #...#"}, {"X", "#.# #.# .#. #.# #.#"},
  {"Y", "#.# #.# .#. .#. .#."}, {"Z", "### ..# .#. #.. ###"},
  {"0", "### #.# #.# #.# ###"}, {"1", ".#. ##. .#. .#. ###"}, {"2", "##. ..# .#. #.. ###"},
  {"3", "##. ..# .#. ..# ##."}, {"4", "#.# #.# ### ..# ..#"}, {"5", "### #.. ##. ..# ##."},
  {"6", ".## #.. ### #.# ###"}, {"7", "### ..# .#. .#. .#."}, {"8", "### #.# ### #.# ###"},
  {"9", "### #.# ### ..# ##."},
  {"/", "..# ..# .#. #.. #.."}, {"-", "... ... ### ... ..."}, {".", ". . . . #"}, {",", ". . . # #"},
  {":", ". # . # ."}, {"&", ".#.. #.#. .#.. #.## .##."}, {"+", "... .#. ### .#. ..."},
  {"(", ".# #. #. #. .#"}, {")", "#. .# .# .# #."}, {"%", "#.# ..# .#. #.. #.#"},
  {"\xc2\xb0", ".#. #.# .#. ... ..."}, {"'", "# # . . ."}, {" ", ".. .. .. .. .."},
};

constexpr GlyphRow kLarge[] = {
  {"A", ".###. #...# #...# ##### #...# #...# #...#"}, {"B", "####. #...# #...# ####. #...# #...# ####."},
  {"C", ".###. #...# #.... #.... #.... #...# .###."}, {"D", "####. #...# #...# #...# #...# #...# ####."},
  {"E", "##### #.... #.... ####. #.... #.... #####"}, {"F", "##### #.... #.... ####. #.... #.... #...."},
  {"G", ".###. #...# #.... #.### #...# #...# .####"}, {"H", "#...# #...# #...# ##### #...# #...# #...#"},
  {"I", "### .#. .#. .#. .#. .#. ###"},               {"J", "..### ...#. ...#. ...#. ...#. #..#. .##.."},
  {"K", "#...# #..#. #.#.. ##... #.#.. #..#. #...#"}, {"L", "#.... #.... #.... #.... #.... #.... #####"},
  {"M", "#...# ##.## #.#.# #.#.# #...# #...# #...#"}, {"N", "#...# #...# ##..# #.#.# #..## #...# #...#"},
  {"O", ".###. #...# #...# #...# #...# #...# .###."}, {"P", "####. #...# #...# ####. #.... #.... #...."},
  {"Q", ".###. #...# #...# #...# #.#.# #..#. .##.#"}, {"R", "####. #...# #...# ####. #.#.. #..#. #...#"},
  {"S", ".#### #.... #.... .###. ....# ....# ####."}, {"T", "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#.."},
  {"U", "#...# #...# #...# #...# #...# #...# .###."}, {"V", "#...# #...# #...# #...# #...# .#.#. ..#.."},
  {"W", "#...# #...# #...# #.#.# #.#.# #.#.# .#.#."}, {"X", "#...# #...# .#.#. ..#.. .#.#. #...# #...#"},
  {"Y", "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#.."}, {"Z", "##### ....# ...#. ..#.. .#... #.... #####"},
  {"0", ".##. #..# #..# #..# #..# #..# .##."},         {"1", ".#. ##. .#. .#. .#. .#. ###"},
  {"2", ".###. #...# ....# ...#. ..#.. .#... #####"}, {"3", "####. ....# ....# .###. ....# ....# ####."},
  {"4", "...#. ..##. .#.#. #..#. ##### ...#. ...#."}, {"5", "##### #.... ####. ....# ....# #...# .###."},
  {"6", "..##. .#... #.... ####. #...# #...# .###."}, {"7", "##### ....# ...#. ..#.. .#... .#... .#..."},
  {"8", ".###. #...# #...# .###. #...# #...# .###."}, {"9", ".###. #...# #...# .#### ....# ...#. .##.."},
  {"a", "..... ..... .###. ....# .#### #...# .####"}, {"g", "..... ..... .#### #...# .#### ....# .###."},
  {"h", "#.... #.... #.##. ##..# #...# #...# #...#"}, {"i", ".#. ... ##. .#. .#. .#. ###"},
  {"n", "..... ..... #.##. ##..# #...# #...# #...#"},
  {"/", "....# ....# ...#. ..#.. .#... #.... #...."}, {"-", "... ... ... ### ... ... ..."},
  {".", ". . . . . . #"}, {",", ". . . . . # #"}, {":", ". . # . . # ."},
  {"&", ".##.. #..#. #.#.. .#... #.#.# #..#. .##.#"}, {"+", "..... ..#.. ..#.. ##### ..#.. ..#.. ....."},
  {"(", ".# #. #. #. #. #. .#"}, {")", "#. .# .# .# .# .# #."},
  {"%", "##..# ##..# ...#. ..#.. .#... #..## #..##"}, {"\xc2\xb0", ".#. #.# .#. ... ... ... ..."},
  {"'", "# # . . . . ."}, {"=", "... ... ### ... ### ... ..."}, {" ", "... ... ... ... ... ... ..."},
  {"\xe2\x87\x84", "....#.. ####### ....#.. ....... ..#.... ####### ..#...."},
};
// clang-format on

struct Glyph {
  int width = 0;
  std::vector<std::string> rows;
};

using Font = std::map<std::string, Glyph>;

Font build(const GlyphRow* table, size_t count) {
  Font font;
  for (size_t i = 0; i < count; ++i) {
    Glyph g;
    std::string rows(table[i].rows);
    size_t start = 0;
    while (start < rows.size()) {
      size_t end = rows.find(' ', start);
      if (end == std::string::npos) {
        end = rows.size();
      }
      g.rows.push_back(rows.substr(start, end - start));
      start = end + 1;
    }
    g.width = static_cast<int>(g.rows.front().size());
    font[table[i].ch] = g;
  }
  return font;
}

const Font& font_of(PixelFont f) {
  static const Font small = build(kSmall, std::size(kSmall));
  static const Font large = build(kLarge, std::size(kLarge));
  return f == PixelFont::kSmall ? small : large;
}

// The glyphs of a text, lower case falling back to capitals; nullptr for a
// character the font lacks.
std::vector<const Glyph*> glyphs(PixelFont f, std::string_view text) {
  const Font& font = font_of(f);
  std::vector<const Glyph*> out;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const size_t len = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::string ch(text.substr(i, len));
    auto it = font.find(ch);
    if (it == font.end() && len == 1 && ch[0] >= 'a' && ch[0] <= 'z') {
      it = font.find(std::string(1, static_cast<char>(ch[0] - 'a' + 'A')));
    }
    out.push_back(it == font.end() ? nullptr : &it->second);
    i += len;
  }
  return out;
}

}  // namespace

int pixel_font_height(PixelFont font) { return font == PixelFont::kSmall ? 5 : 7; }

int pixel_text_width(PixelFont font, std::string_view text) {
  int width = 0;
  for (const Glyph* g : glyphs(font, text)) {
    if (g == nullptr) {
      return -1;
    }
    width += g->width + 1;
  }
  return width > 0 ? width - 1 : 0;
}

void draw_pixel_text(cairo_t* cr, PixelFont font, std::string_view text, int x, int y) {
  cairo_save(cr);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  for (const Glyph* g : glyphs(font, text)) {
    if (g == nullptr) {
      continue;
    }
    for (size_t row = 0; row < g->rows.size(); ++row) {
      for (size_t col = 0; col < g->rows[row].size(); ++col) {
        if (g->rows[row][col] == '#') {
          cairo_rectangle(cr, x + static_cast<double>(col), y + static_cast<double>(row), 1, 1);
        }
      }
    }
    x += g->width + 1;
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace corvane::art
