// Every bitmap of the module: its resource id, size, bit depth and how it is
// drawn. The generator writes them as BMP files; the resource script and the
// check of the built Corvane.gau both read this one table.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::art {

enum class Family : uint8_t {
  kPanel,       // painted panel (b = 1 the glareshield's), legends "TEXT@x,y[,size]|..."
  kScreen,      // display background, near-black, legends in the text's colour
  kKey,         // push-button with legend; a = lit, b = light colour
  kOverheadPb,  // 16x16 two-part push-button; a = state bits, text "UPPER/LOWER"
  kLight,       // annunciator; a = lit, b = colour
  kKnob,        // round knob; a = pointer angle in degrees clockwise from up
  kSelector,    // rotary selector with its pointer; a = angle
  kToggle,      // toggle switch; a = 1 up
  kNeedle,      // pointer on transparent black pointing right from (a, b)
  kDialFace,    // round instrument bezel or face, text names the kind
  kTape,        // moving strips, a = which
  kTransparent,
  kSymbol,   // a marker drawn at the middle of a strip; a = shape
  kSphere,   // attitude textures; a = 0 PFD, 1 standby
  kLegend,   // legend image: text on transparent or panel
  kLever,    // lever handle pictures; a = variant
  kEwdDial,  // E/WD dial faces; a = image index
  kFlapIndicator,
};

enum Colour : int { kWhite, kGreen, kAmber, kRed, kBlue, kCyan, kYellow, kGrey };

struct Picture {
  uint16_t id;
  int16_t width;
  int16_t height;
  uint8_t bits;
  Family family;
  int a;
  int b;
  const char* text;
};

const std::vector<Picture>& pictures();

// Where a legend was drawn on a picture: its pixels' box and its text.
struct LegendBox {
  int x, y, w, h;
  std::string text;
};

// Draws one picture into a surface of its size; the legends drawn are
// appended to `legends` when given.
void draw_picture(cairo_t* cr, const Picture& picture, std::vector<LegendBox>* legends = nullptr);

// True when the picture's dark pixels are the transparent colour (needles, knobs, marks).
bool uses_transparency(const Picture& picture);

}  // namespace corvane::art
