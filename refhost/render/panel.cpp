// panel.cfg reading and whole-panel drawing.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "render.h"

namespace corvane::render {
namespace {

std::string trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) {
    ++b;
  }
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) {
    --e;
  }
  return s.substr(b, e - b);
}

std::string lower(std::string s) {
  for (char& c : s) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return s;
}

bool parse_int(const std::string& text, int& value) {
  const std::string t = trim(text);
  if (t.empty()) {
    return false;
  }
  char* end = nullptr;
  const long v = std::strtol(t.c_str(), &end, 10);
  if (end == nullptr || *end != '\0' || v < -100000 || v > 100000) {
    return false;
  }
  value = static_cast<int>(v);
  return true;
}

std::vector<std::string> split(const std::string& s, char sep, size_t max_fields) {
  std::vector<std::string> out;
  size_t start = 0;
  while (out.size() + 1 < max_fields) {
    const size_t at = s.find(sep, start);
    if (at == std::string::npos) {
      break;
    }
    out.push_back(s.substr(start, at - start));
    start = at + 1;
  }
  out.push_back(s.substr(start));
  return out;
}

bool parse_gauge(const std::string& value, PanelGauge& g, std::string& why) {
  // name, x, y[, w[, h[, parameters]]]: the parameters may hold anything but
  // are the last field.
  const std::vector<std::string> f = split(value, ',', 6);
  const std::string id = trim(f[0]);
  const size_t bang = id.find('!');
  if (bang == std::string::npos) {
    why = "gauge without a module name";
    return false;
  }
  g.module = trim(id.substr(0, bang));
  g.name = trim(id.substr(bang + 1));
  if (f.size() < 3 || !parse_int(f[1], g.x) || !parse_int(f[2], g.y)) {
    why = "gauge without a position";
    return false;
  }
  if (f.size() > 3 && !trim(f[3]).empty() && (!parse_int(f[3], g.width) || g.width < 0)) {
    why = "bad gauge width";
    return false;
  }
  if (f.size() > 4 && !trim(f[4]).empty() && (!parse_int(f[4], g.height) || g.height < 0)) {
    why = "bad gauge height";
    return false;
  }
  if (f.size() > 5) {
    g.parameters = trim(f[5]);
  }
  return true;
}

struct Placed {
  const PanelWindow* window;
  double x, y, w, h;
};

constexpr double kTitle = 16;
constexpr double kGap = 12;

}  // namespace

bool parse_panel_config(const std::string& text, PanelConfig& config, std::string& error) {
  config.windows.clear();
  std::map<std::string, std::string> titles;
  std::string section;
  PanelWindow* window = nullptr;
  std::istringstream in(text);
  std::string raw;
  int line_no = 0;
  while (std::getline(in, raw)) {
    ++line_no;
    std::string line = raw;
    if (const size_t c = line.find("//"); c != std::string::npos) {
      line = line.substr(0, c);
    }
    line = trim(line);
    if (line.empty() || line[0] == ';') {
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']') {
        error = "line " + std::to_string(line_no) + ": unclosed section";
        return false;
      }
      section = trim(line.substr(1, line.size() - 2));
      window = nullptr;
      const std::string key = lower(section);
      if (key.rfind("window", 0) == 0 && key != "window titles") {
        config.windows.push_back(PanelWindow{});
        window = &config.windows.back();
        window->section = section;
      }
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) {
      error = "line " + std::to_string(line_no) + ": expected key=value";
      return false;
    }
    const std::string key = lower(trim(line.substr(0, eq)));
    const std::string value = trim(line.substr(eq + 1));
    if (lower(section) == "window titles") {
      titles[key] = value;
      continue;
    }
    if (window == nullptr) {
      continue;  // other sections ([VIEWS], [Default View], ...) are the simulator's
    }
    if (key == "size_mm") {
      const auto f = split(value, ',', 2);
      if (f.size() != 2 || !parse_int(f[0], window->width) || !parse_int(f[1], window->height) || window->width <= 0 ||
          window->height <= 0) {
        error = "line " + std::to_string(line_no) + ": bad size_mm";
        return false;
      }
    } else if (key == "position") {
      if (!parse_int(value, window->position) || window->position < 0 || window->position > 8) {
        error = "line " + std::to_string(line_no) + ": position must be 0 to 8";
        return false;
      }
    } else if (key == "visible") {
      int visible = 1;
      if (!parse_int(value, visible)) {
        error = "line " + std::to_string(line_no) + ": visible must be 0 or 1";
        return false;
      }
      window->visible = visible != 0;
    } else if (key == "background_color") {
      const auto f = split(value, ',', 3);
      for (size_t i = 0; i < 3; ++i) {
        if (f.size() != 3 || !parse_int(f[i], window->background[i]) || window->background[i] < 0 ||
            window->background[i] > 255) {
          error = "line " + std::to_string(line_no) + ": background_color must be r,g,b";
          return false;
        }
      }
    } else if (key.rfind("gauge", 0) == 0) {
      PanelGauge g;
      std::string why;
      if (!parse_gauge(value, g, why)) {
        error = "line " + std::to_string(line_no) + ": " + why;
        return false;
      }
      window->gauges.push_back(g);
    }
  }
  for (PanelWindow& w : config.windows) {
    const auto t = titles.find(lower(w.section));
    w.title = t != titles.end() ? t->second : w.section;
  }
  return true;
}

bool read_panel_config(const std::string& path, PanelConfig& config, std::string& error) {
  std::ifstream file(path);
  if (!file) {
    error = "cannot read " + path;
    return false;
  }
  std::stringstream text;
  text << file.rdbuf();
  return parse_panel_config(text.str(), config, error);
}

std::vector<GaugeHeader*> install_panel(testhost::TestHost& host, const PanelConfig& config) {
  std::vector<GaugeHeader*> installed;
  std::set<GaugeHeader*> seen;
  for (const PanelWindow& w : config.windows) {
    for (const PanelGauge& g : w.gauges) {
      if (lower(g.module) != "corvane") {
        continue;
      }
      GaugeHeader* gauge = host.gauge(g.name);
      if (gauge != nullptr && seen.insert(gauge).second) {
        host.install(gauge, g.parameters.empty() ? nullptr : g.parameters.c_str());
        installed.push_back(gauge);
      }
    }
  }
  return installed;
}

cairo_surface_t* render_panel(testhost::TestHost& host, const PanelConfig& config, const BitmapStore& store,
                              const RenderOptions& options, int cycles) {
  const std::vector<GaugeHeader*> installed = install_panel(host, config);
  for (int c = 0; c < cycles; ++c) {
    for (GaugeHeader* gauge : installed) {
      host.cycle(gauge);
    }
  }
  return draw_panel(host, config, store, options);
}

cairo_surface_t* draw_panel(const testhost::TestHost& host, const PanelConfig& config, const BitmapStore& store,
                            const RenderOptions& options) {
  // Window sizes, then the layout: the first window alone on top, the others
  // in rows below, no wider than the first (or 1200).
  std::vector<Placed> placed;
  double row_limit = 1200;
  for (const PanelWindow& w : config.windows) {
    double ww = w.width, wh = w.height;
    if (ww <= 0 || wh <= 0) {
      for (const PanelGauge& g : w.gauges) {
        ww = std::max(ww, static_cast<double>(g.x + std::max(g.width, 50)));
        wh = std::max(wh, static_cast<double>(g.y + std::max(g.height, 50)));
      }
    }
    placed.push_back(Placed{&w, 0, 0, std::max(ww, 1.0), std::max(wh, 1.0)});
  }
  if (!placed.empty()) {
    row_limit = std::max(row_limit, placed[0].w);
  }
  double x = 0, y = 0, row_height = 0, total_w = 0;
  for (size_t i = 0; i < placed.size(); ++i) {
    Placed& p = placed[i];
    if (i == 1 || (i > 1 && x + p.w > row_limit)) {
      x = 0;
      y += row_height + kGap;
      row_height = 0;
    }
    p.x = x;
    p.y = y;
    x += p.w + kGap;
    row_height = std::max(row_height, p.h + kTitle);
    total_w = std::max(total_w, p.x + p.w);
  }
  const double total_h = y + row_height;
  const double scale = options.scale > 0 && std::isfinite(options.scale) ? options.scale : 1.0;
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(1, static_cast<int>(std::ceil(total_w * scale))),
                                 std::max(1, static_cast<int>(std::ceil(total_h * scale))));
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, scale, scale);
  cairo_set_source_rgb(cr, 0.08, 0.09, 0.1);
  cairo_paint(cr);
  for (const Placed& p : placed) {
    cairo_save(cr);
    cairo_translate(cr, p.x, p.y);
    cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 11);
    cairo_move_to(cr, 2, 12);
    cairo_show_text(cr, p.window->title.c_str());
    cairo_translate(cr, 0, kTitle);
    cairo_rectangle(cr, 0, 0, p.w, p.h);
    cairo_clip(cr);
    // The cockpit's blue-grey behind the gauges.
    cairo_set_source_rgb(cr, options.night ? 0.07 : 0.2, options.night ? 0.08 : 0.23, options.night ? 0.09 : 0.27);
    cairo_paint(cr);
    for (const PanelGauge& g : p.window->gauges) {
      GaugeHeader* gauge = lower(g.module) == "corvane" ? host.gauge(g.name) : nullptr;
      int gw = 0, gh = 0;
      if (gauge == nullptr || !gauge_size(gauge, store, gw, gh)) {
        const double ow = g.width > 0 ? g.width : 60, oh = g.height > 0 ? g.height : 30;
        cairo_set_source_rgb(cr, 0.8, 0.3, 0.3);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, g.x + 0.5, g.y + 0.5, ow - 1, oh - 1);
        cairo_stroke(cr);
        cairo_move_to(cr, g.x + 3, g.y + 12);
        cairo_show_text(cr, g.name.c_str());
        continue;
      }
      const double s = g.width > 0 ? static_cast<double>(g.width) / gw : 1.0;
      cairo_save(cr);
      cairo_translate(cr, g.x, g.y);
      cairo_scale(cr, s, s);
      cairo_rectangle(cr, 0, 0, gw, gh);
      cairo_clip(cr);
      draw_gauge(cr, host, gauge, store, options);
      cairo_restore(cr);
    }
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

}  // namespace corvane::render
