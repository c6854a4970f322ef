// Renders one gauge, or every window of a panel.cfg, to a PNG for a set of
// simulator variables, by day or by night.
//
//   render_gauge --gauge PFD -o pfd.png 0x3D=250 0x4A=12000
//   render_gauge --panel dist/Corvane/panel.cfg --night -o panel.png
//
// Options: --bitmaps DIR (default: the build's bitmaps), --scale S,
// --cycles N (panel cycles before drawing, default 3), --step SECONDS (the
// simulation clock, token 0x25C, moves on by this much before each cycle, so
// that timed displays such as the PFD self-test run their course),
// --param TEXT (the gauge's parameter text), --night, --window N (only the
// panel's Nth window, counted from 0), --click GAUGE:X,Y (a click on the
// gauge after it is installed, before the cycles; repeatable). Variables are TOKEN=VALUE, the token in
// hexadecimal with 0x or decimal.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "corvane_testhost/test_host.h"
#include "render.h"

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: render_gauge (--gauge NAME | --panel panel.cfg) -o OUT.png [--night] [--scale S] [--cycles N]\n"
               "                    [--step SECONDS] [--window N] [--click GAUGE:X,Y]...\n"
               "                    [--param TEXT] [--bitmaps DIR] [TOKEN=VALUE ...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string gauge_name, panel_path, out, param, bitmaps = CORVANE_BITMAP_DIR;
  corvane::render::RenderOptions options;
  int cycles = 3;
  int window = -1;
  std::vector<std::string> clicks;
  double step = 0.0;
  std::vector<std::pair<uint32_t, double>> vars;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto next = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    const char* v = nullptr;
    if (a == "--night") {
      options.night = true;
    } else if ((a == "--gauge" || a == "-g") && (v = next())) {
      gauge_name = v;
    } else if (a == "--panel" && (v = next())) {
      panel_path = v;
    } else if (a == "-o" && (v = next())) {
      out = v;
    } else if (a == "--scale" && (v = next())) {
      options.scale = std::atof(v);
    } else if (a == "--cycles" && (v = next())) {
      cycles = std::atoi(v);
    } else if (a == "--click" && (v = next())) {
      clicks.emplace_back(v);
    } else if (a == "--window" && (v = next())) {
      window = std::atoi(v);
    } else if (a == "--step" && (v = next())) {
      step = std::atof(v);
    } else if (a == "--param" && (v = next())) {
      param = v;
    } else if (a == "--bitmaps" && (v = next())) {
      bitmaps = v;
    } else if (const size_t eq = a.find('='); eq != std::string::npos && a[0] != '-') {
      vars.emplace_back(static_cast<uint32_t>(std::strtoul(a.substr(0, eq).c_str(), nullptr, 0)),
                        std::atof(a.c_str() + eq + 1));
    } else {
      return usage();
    }
  }
  if (out.empty() || gauge_name.empty() == panel_path.empty()) {
    return usage();
  }
  corvane::render::BitmapStore store;
  if (store.load_folder(bitmaps) == 0) {
    std::fprintf(stderr, "no bitmaps in %s\n", bitmaps.c_str());
    return 1;
  }
  corvane::testhost::TestHost host(corvane::testhost::linked_module());
  for (const auto& [token, value] : vars) {
    host.set_var(token, value);
  }
  cairo_surface_t* surface = nullptr;
  if (!panel_path.empty()) {
    corvane::render::PanelConfig config;
    std::string error;
    if (!corvane::render::read_panel_config(panel_path, config, error)) {
      std::fprintf(stderr, "%s: %s\n", panel_path.c_str(), error.c_str());
      return 1;
    }
    const auto gauges = corvane::render::install_panel(host, config);
    for (const std::string& c : clicks) {
      const size_t colon = c.rfind(':');
      int x = 0, y = 0;
      corvane::GaugeHeader* target = colon == std::string::npos ? nullptr : host.gauge(c.substr(0, colon));
      if (target == nullptr || std::sscanf(c.c_str() + colon + 1, "%d,%d", &x, &y) != 2 || !host.click(target, x, y)) {
        std::fprintf(stderr, "nothing to click at %s\n", c.c_str());
        return 1;
      }
      host.cycle(target);
    }
    for (int c = 0; c < cycles; ++c) {
      host.set_var(0x25C, host.var(0x25C) + step);
      for (corvane::GaugeHeader* gauge : gauges) {
        host.cycle(gauge);
      }
    }
    if (window >= 0) {
      if (static_cast<size_t>(window) >= config.windows.size()) {
        std::fprintf(stderr, "%s has no window %d\n", panel_path.c_str(), window);
        return 1;
      }
      config.windows = {config.windows[static_cast<size_t>(window)]};
    }
    surface = corvane::render::draw_panel(host, config, store, options);
  } else {
    corvane::GaugeHeader* gauge = host.gauge(gauge_name);
    if (gauge == nullptr) {
      std::fprintf(stderr, "no gauge named \"%s\"\n", gauge_name.c_str());
      return 1;
    }
    host.install(gauge, param.empty() ? nullptr : param.c_str());
    for (int c = 0; c < cycles; ++c) {
      host.set_var(0x25C, host.var(0x25C) + step);
      host.cycle(gauge);
    }
    surface = corvane::render::render_gauge(host, gauge, store, options);
  }
  const bool ok = corvane::render::write_png(surface, out);
  if (surface != nullptr) {
    cairo_surface_destroy(surface);
  }
  if (!ok) {
    std::fprintf(stderr, "cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}
