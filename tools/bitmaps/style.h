// The cockpit's one visual language. Every picture takes its colours, type
// sizes, strokes and relief from here, so that the panels read as one
// aircraft: blue-grey paint with white engraved legends, a darker
// glareshield, integrated pushbuttons with their two caption halves, knobs
// with a highlight and a pointer, black screens in the display colours.
#pragma once

#include <cstdint>

namespace corvane::art::style {

struct Rgb {
  uint8_t r, g, b;
};

// Paint and relief.
inline constexpr Rgb kPaint{84, 101, 120};           // the blue-grey of the panels
inline constexpr Rgb kPaintLight{122, 140, 160};     // bevel edge facing the light (top, left)
inline constexpr Rgb kPaintShadow{52, 63, 76};       // bevel edge away from it, recesses
inline constexpr Rgb kGlareshield{44, 50, 58};       // the glareshield and its panels
inline constexpr Rgb kGlareLight{78, 88, 100};       // its bevel edge
inline constexpr Rgb kGlareShadow{26, 30, 35};       // its recesses
inline constexpr Rgb kSeam{36, 43, 52};              // the line between two panels
inline constexpr Rgb kLegend{240, 240, 236};         // engraved legends, lit or not
inline constexpr Rgb kScrew{150, 162, 176};          // panel fasteners
inline constexpr Rgb kButton{34, 37, 42};            // pushbutton and key faces
inline constexpr Rgb kButtonLight{96, 104, 114};     // their bevel edge
inline constexpr Rgb kButtonShadow{16, 18, 21};      // and its shadow side
inline constexpr Rgb kCaptionOff{66, 70, 76};        // an unlit caption's frosted glass
inline constexpr Rgb kKnob{30, 32, 36};              // knob bodies
inline constexpr Rgb kKnobRim{70, 75, 82};           // their skirt
inline constexpr Rgb kKnobHighlight{150, 156, 164};  // the light's reflection on a knob
inline constexpr Rgb kLever{218, 220, 222};          // lever handles and toggle tips
inline constexpr Rgb kLeverShadow{120, 124, 130};
inline constexpr Rgb kGuard{168, 38, 34};  // red switch guards and fire handles
inline constexpr Rgb kGuardLight{220, 80, 70};
inline constexpr Rgb kWindow{12, 12, 14};  // seven-segment and display windows
inline constexpr Rgb kBezel{24, 26, 30};   // standby instrument bezels
inline constexpr Rgb kFace{14, 14, 16};    // round instrument faces

// Display and light colours (as the gauges draw them).
inline constexpr Rgb kGreen{64, 255, 64};
inline constexpr Rgb kAmber{255, 135, 50};
inline constexpr Rgb kRed{255, 30, 30};
inline constexpr Rgb kBlue{60, 160, 255};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kWhite{240, 240, 236};
inline constexpr Rgb kGrey{150, 150, 150};  // scale lines and boxes on the displays
inline constexpr Rgb kScreen{8, 8, 8};      // the displays' black (pure black is transparent)
inline constexpr Rgb kTape{58, 60, 62};     // the PFD's scale backgrounds (neutral: lit at night)
inline constexpr Rgb kSky{40, 120, 220};
inline constexpr Rgb kGround{140, 85, 40};

// A light's colour when its lamp is off: the glass keeps a hint of its tint.
inline constexpr Rgb unlit(Rgb c) {
  return {static_cast<uint8_t>(kCaptionOff.r + (c.r - kCaptionOff.r) / 8),
          static_cast<uint8_t>(kCaptionOff.g + (c.g - kCaptionOff.g) / 8),
          static_cast<uint8_t>(kCaptionOff.b + (c.b - kCaptionOff.b) / 8)};
}

// Type: the pixel fonts below a clean vector glyph, DejaVu Sans Bold above.
enum class Type : uint8_t {
  kSmall,  // 5 px capitals (pixel font): legends on crowded panels
  kLarge,  // 7 px capitals (pixel font): section titles, display labels
  kTitle,  // 10 px vector, hinted: panel names on the large overhead panels
};
inline constexpr double kTitlePixels = 10.0;

// Strokes, in pixels, drawn on pixel centres.
inline constexpr double kHairline = 1.0;  // scale ticks, synoptic lines, frames
inline constexpr double kStroke = 2.0;    // pointers, bars, flow lines
inline constexpr double kHeavyStroke = 3.0;

// Relief: a one-pixel light edge top and left, a dark edge bottom and right;
// raised parts cast a one-pixel shadow down and right.
struct Bevel {
  Rgb light, shadow;
  int width;
};
inline constexpr Bevel kPanelBevel{kPaintLight, kPaintShadow, 1};
inline constexpr Bevel kGlareBevel{kGlareLight, kGlareShadow, 1};
inline constexpr Bevel kButtonBevel{kButtonLight, kButtonShadow, 1};
inline constexpr Bevel kRecess{kPaintShadow, kPaintLight, 1};  // a window sunk into the panel
struct Shadow {
  int dx, dy;
  Rgb colour;
};
inline constexpr Shadow kDropShadow{1, 1, kPaintShadow};

// Margins: legends keep this many pixels from the picture's edge.
inline constexpr int kEdgeMargin = 1;

}  // namespace corvane::art::style
