// The reference host's renderer: draws a gauge from the module's own element
// records, as the test host last evaluated them, and whole panels from a
// panel.cfg, into Cairo surfaces and PNG files.
//
// Conventions the renderer fixes where the host's behaviour is its own:
// - Positions are pixels from the gauge's top-left corner, for every element
//   of the tree (chained gauges such as "PFD" and "Airspeed" rely on it).
// - Pure black pixels of a bitmap are transparent.
// - Needle: the bitmap turns about its pivot (the element's offset), placed at
//   the element's position. With a calibration table the value is
//   interpolated between neighbouring points (held at the end points) and the
//   needle points from its position toward that pixel; without one the value
//   is an angle in degrees, clockwise, 0 pointing the way the bitmap points
//   (to the right).
// - String: the host's text in the element's box with its font (Quartz as a
//   seven-segment face, Glass Gauge and Lucida Console monospaced), weight and
//   colours; format flag 0x1 centres the text, otherwise it is left-aligned,
//   and it is always vertically centred on a single line. A background of
//   0x000000 is left transparent.
// - Slider: the bitmap moved by value x scale on each axis.
// - Icon: the image at the first id plus the index (truncated, held within
//   the icon's image count).
// - Moving image: the strip is seen through a window the size of the image at
//   the next id, at the element's position; each value, held within its
//   range, maps linearly from the range's first bound (strip at the window's
//   top or left edge) to its second (strip moved by its length less the
//   window's) .
// - Sprite: the texture is seen through a window the size of the image at the
//   next id (the texture's own size when there is none), at the element's
//   position. The element's offset is the centre of rotation, in gauge pixels,
//   and the texture's own centre is placed there. Slot 1 (first) moves the
//   texture vertically: the texture row value x scale pixels above its centre
//   comes to the centre of rotation (a positive value lowers the horizon).
//   Slot 2 turns the texture clockwise by value x scale degrees. Slot 3 moves
//   it horizontally by value x scale pixels (no gauge uses it). The texture
//   scale fields scale the texture.
// - Image flags: a hidden element is not drawn, but its children are. In
//   night mode an element without the bright bit is dimmed; a lit one shows
//   the panel's integral lighting: its blue-grey paint goes dark, while its
//   legends, light bars, lamps and the displays' neutral greys keep their
//   light.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "corvane_testhost/test_host.h"
#include "module/records.h"

namespace corvane::render {

// Bitmaps by resource id, as ARGB surfaces with black made transparent.
class BitmapStore {
 public:
  BitmapStore() = default;
  ~BitmapStore();
  BitmapStore(const BitmapStore&) = delete;
  BitmapStore& operator=(const BitmapStore&) = delete;

  // Loads every XXXX.bmp (hexadecimal id) of a folder; returns how many loaded.
  int load_folder(const std::string& folder);
  // Reads one BMP file (8-bit palettised or 24-bit); false when unreadable.
  bool load_file(uint32_t id, const std::string& path);
  // Takes ownership of a surface (ARGB32) for the id.
  void add(uint32_t id, cairo_surface_t* surface);
  cairo_surface_t* find(uint32_t id) const;
  size_t size() const { return bitmaps_.size(); }
  // For a surface of the store: the alpha (A8) with which black darkens its
  // paint at night when the element is lit; nullptr for other surfaces.
  cairo_surface_t* paint_mask(cairo_surface_t* image) const;

 private:
  std::map<uint32_t, cairo_surface_t*> bitmaps_;
  std::map<cairo_surface_t*, cairo_surface_t*> paint_masks_;
};

// How dark a lit panel's paint is at night (the share of its light taken).
inline constexpr double kNightPaintDarkening = 0.8;

struct RenderOptions {
  bool night = false;
  double scale = 1.0;
};

// The gauge's size in pixels: the size of its root element's bitmap.
bool gauge_size(const GaugeHeader* gauge, const BitmapStore& store, int& width, int& height);

// Draws the gauge's tree in gauge pixels at the context's current transform.
void draw_gauge(cairo_t* cr, const testhost::TestHost& host, const GaugeHeader* gauge, const BitmapStore& store,
                const RenderOptions& options);

// A new surface of the gauge's size times the scale, with the gauge drawn on
// it; nullptr when the gauge's size is unknown. The caller destroys it.
cairo_surface_t* render_gauge(const testhost::TestHost& host, const GaugeHeader* gauge, const BitmapStore& store,
                              const RenderOptions& options);

bool write_png(cairo_surface_t* surface, const std::string& path);

// panel.cfg in the simulator's syntax.
struct PanelGauge {
  std::string module;  // before the "!"
  std::string name;    // the gauge's name string
  int x = 0;
  int y = 0;
  int width = 0;   // 0: the gauge's own width
  int height = 0;  // 0: kept in proportion
  std::string parameters;
};

struct PanelWindow {
  std::string section;  // "Window00"
  std::string title;    // from [Window Titles], or the section name
  int width = 0;        // size_mm
  int height = 0;
  int position = 0;                  // where a pop-up opens: 0 top left .. 8 bottom right, in rows of three
  bool visible = true;               // open when the panel loads
  int background[3] = {-1, -1, -1};  // background_color, r, g, b; -1: none given
  std::vector<PanelGauge> gauges;
};

struct PanelConfig {
  std::vector<PanelWindow> windows;
};

bool parse_panel_config(const std::string& text, PanelConfig& config, std::string& error);
bool read_panel_config(const std::string& path, PanelConfig& config, std::string& error);

// Installs every gauge of the panel that the module has, once each, with the
// parameters of its first line; returns them in panel order.
std::vector<GaugeHeader*> install_panel(testhost::TestHost& host, const PanelConfig& config);

// Draws all windows into one surface, as the gauges were last evaluated: the
// first window on top, the others in rows below, each with its title, each
// gauge scaled to its width. Gauges of another module, or unknown, are drawn
// as outlines with their names.
cairo_surface_t* draw_panel(const testhost::TestHost& host, const PanelConfig& config, const BitmapStore& store,
                            const RenderOptions& options);

// install_panel, `cycles` panel cycles of every gauge, draw_panel.
cairo_surface_t* render_panel(testhost::TestHost& host, const PanelConfig& config, const BitmapStore& store,
                              const RenderOptions& options, int cycles = 3);

}  // namespace corvane::render
