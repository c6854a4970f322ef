// corvane: the reference host's command line. Lists the module's gauges,
// prints element trees, flies scenarios and (where built with the renderer)
// draws gauges and panels.
#include <strings.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "corvane_testhost/test_host.h"
#include "module/module_file.h"
#include "scenario/panel.h"
#include "scenario/scenario.h"
#include "sim/simulator.h"

#if defined(CORVANE_HAVE_RENDER)
#include "render.h"
#endif
#if defined(CORVANE_HAVE_COCKPIT)
#include "cockpit/cockpit.h"
#endif

namespace fs = std::filesystem;
using namespace corvane;
using namespace corvane::refhost;

namespace {

int count_areas(const GaugeHeader* g) {
  int n = 0;
  for (const MouseArea* a = g->mouse_areas; a != nullptr && a->kind != kAreaEnd; ++a) {
    n += a->kind == kAreaChild ? 1 : 0;
  }
  return n;
}

const char* kind_name(uint32_t kind) {
  static const char* const kNames[] = {"static", "needle", "string", "slider", "icon", "moving", "sprite"};
  return kind < 7 ? kNames[kind] : "?";
}

void apply_sets(Panel& panel, const std::vector<std::string>& sets) {
  for (const std::string& s : sets) {
    const auto eq = s.find('=');
    if (eq == std::string::npos) {
      throw std::runtime_error("--set wants name=value, got \"" + s + "\"");
    }
    const auto token = parse_token(s.substr(0, eq));
    if (!token) {
      throw std::runtime_error("unknown token name \"" + s.substr(0, eq) + "\"");
    }
    panel.host().set_var(*token, std::stod(s.substr(eq + 1)));
  }
}

void print_tree(Panel& panel, GaugeHeader* g) {
  testhost::TestHost& host = panel.host();
  std::function<void(Element*, int, int&)> walk = [&](Element* e, int depth, int& index) {
    std::printf("%3d %*s%-7s", index++, depth * 2, "", kind_name(e->kind));
    if (e->bitmap_id != kNoBitmap) {
      std::printf(" bitmap 0x%04X", e->bitmap_id);
    }
    std::printf(" at (%d,%d) flags 0x%08X", e->x, e->y, e->image_flags);
    const testhost::ElementValues& v = host.values(e);
    if (e->kind == kKindString) {
      std::printf(" text \"%s\" colour 0x%06X", host.text(e).c_str(), reinterpret_cast<StringElement*>(e)->text_colour);
    } else if (e->kind == kKindSlider || e->kind == kKindMoving) {
      std::printf(" x %g y %g", v.value[0], v.value[1]);
    } else if (e->kind == kKindSprite) {
      std::printf(" slots %g %g %g", v.value[0], v.value[1], v.value[2]);
    } else if (e->kind != kKindStatic) {
      std::printf(" value %g", v.value[0]);
    }
    std::printf("%s\n", (e->image_flags & kFlagHidden) != 0 ? " hidden" : "");
    if (e->children != nullptr) {
      for (Element** c = e->children; *c != nullptr; ++c) {
        walk(*c, depth + 1, index);
      }
    }
  };
  int index = 0;
  for (Element** root = g->elements; *root != nullptr; ++root) {
    walk(*root, 0, index);
  }
  // The clickable areas, so that scenario writers know where to click.
  if (g->mouse_areas != nullptr) {
    int area = 0;
    for (const MouseArea* a = g->mouse_areas; a->kind != kAreaEnd && area < 256; ++a) {
      if (a->kind != kAreaChild) {
        continue;
      }
      std::printf("area %2d (%d,%d) %dx%d", area++, a->x, a->y, a->width, a->height);
      if (a->handler != nullptr) {
        std::printf(" handler");
      }
      if (a->event_id != 0) {
        std::printf(" event 0x%X", a->event_id);
      }
      std::printf(" flags 0x%X\n", a->event_flags);
    }
  }
}

#if defined(CORVANE_HAVE_RENDER)
// Frames show the package's panel: every window of its panel.cfg in one picture.
struct FrameRenderer {
  render::BitmapStore bitmaps;
  render::PanelConfig panel;
  bool ready = false;

  explicit FrameRenderer(const std::string& panel_cfg) {
    std::string error;
    ready = bitmaps.load_folder(CORVANE_BITMAP_DIR) > 0 && render::read_panel_config(panel_cfg, panel, error);
    if (!ready) {
      std::cerr << "corvane: frames not drawn (" << (error.empty() ? "no bitmaps" : error) << ")\n";
    }
  }
  void draw(Panel& p, const Frame& frame, const std::string& path) const {
    if (!ready) {
      return;
    }
    const render::RenderOptions options{frame.night, frame.scale};
    cairo_surface_t* surface = frame.gauges.empty() ? render::draw_panel(p.host(), panel, bitmaps, options)
                                                    : draw_gauges(p, frame.gauges, options);
    if (surface != nullptr) {
      render::write_png(surface, path);
      cairo_surface_destroy(surface);
    }
  }

  // The gauges side by side at their own size times the scale, on the
  // panel's colour, so that one picture shows a group such as the glareshield.
  cairo_surface_t* draw_gauges(Panel& p, const std::vector<std::string>& names,
                               const render::RenderOptions& options) const {
    constexpr int kGap = 8;
    struct Placed {
      const GaugeHeader* gauge;
      int width;
      int height;
    };
    std::vector<Placed> placed;
    int width = kGap;
    int height = 0;
    for (const std::string& name : names) {
      const GaugeHeader* g = p.host().gauge(name);
      int w = 0;
      int h = 0;
      if (g == nullptr || !render::gauge_size(g, bitmaps, w, h)) {
        continue;
      }
      placed.push_back({g, w, h});
      width += static_cast<int>(w * options.scale) + kGap;
      height = std::max(height, static_cast<int>(h * options.scale) + 2 * kGap);
    }
    if (placed.empty()) {
      return nullptr;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 51 / 255.0, 59 / 255.0, 69 / 255.0);
    cairo_paint(cr);
    double x = kGap;
    for (const Placed& g : placed) {
      cairo_save(cr);
      cairo_translate(cr, x, kGap);
      cairo_scale(cr, options.scale, options.scale);
      render::draw_gauge(cr, p.host(), g.gauge, bitmaps, options);
      cairo_restore(cr);
      x += g.width * options.scale + kGap;
    }
    cairo_destroy(cr);
    return surface;
  }
};
#endif

std::string digest_text(uint64_t digest) {
  char text[20];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
  return text;
}

struct FlyOptions {
  std::string out_dir = "out";
  std::string sound_dir;
  bool quiet = false;
  std::string panel_cfg = CORVANE_PANEL_CFG;
  std::vector<std::string> trees;
  std::string control_word = "0x027F";
  std::string locale;
};

// The x87 control word a host enters the module with: the Windows default
// (53-bit), Direct3D's 24-bit single precision, or 64-bit extended.
uint16_t parse_control_word(const std::string& text) {
  static const char* const kWords[] = {"0x027F", "0x007F", "0x037F"};
  for (const char* word : kWords) {
    if (strcasecmp(text.c_str(), word) == 0) {
      return static_cast<uint16_t>(std::stoul(word, nullptr, 16));
    }
  }
  throw std::runtime_error("--fpu takes 0x027F, 0x007F or 0x037F, not \"" + text + "\"");
}

int fly_command(const ModuleFile& module, const std::string& file, const FlyOptions& fly_options) {
  const std::string& out_dir = fly_options.out_dir;
  const bool quiet = fly_options.quiet;
  const Scenario scenario = load_scenario(file, module.gauge_names());
  testhost::TestHost::set_control_word(parse_control_word(fly_options.control_word));
  if (!fly_options.locale.empty()) {
    // Set after the scenario is read: what changes is the module's world only.
    if (std::setlocale(LC_ALL, fly_options.locale.c_str()) == nullptr) {
      throw std::runtime_error("--locale: no locale \"" + fly_options.locale + "\" on this system");
    }
    set_module_runtime_decimal_point(std::localeconv()->decimal_point);
  }
  Panel panel(module.view(), fly_options.sound_dir);
  panel.set_approach_identifier(scenario.approach_identifier);
  panel.install(scenario.gauges);
  fs::create_directories(out_dir);
  std::ofstream log(fs::path(out_dir) / "log.txt");
  RunOptions options;
  options.digest = true;
  options.log = [&](const std::string& line) {
    log << line << "\n";
    if (!quiet) {
      std::cout << line << "\n";
    }
  };
#if defined(CORVANE_HAVE_RENDER)
  const FrameRenderer frames(fly_options.panel_cfg);
  fs::create_directories(fs::path(out_dir) / "frames");
  options.frame = [&](Panel& p, const Frame& frame) {
    frames.draw(p, frame, (fs::path(out_dir) / "frames" / (frame.name + ".png")).string());
  };
#endif
  const RunResult result = fly(panel, scenario, options);
  for (const std::string& name : fly_options.trees) {
    if (GaugeHeader* g = panel.host().gauge(name)) {
      std::printf("== %s at %.2f s\n", name.c_str(), panel.time());
      print_tree(panel, g);
    } else {
      std::cerr << "corvane: unknown gauge \"" << name << "\"\n";
    }
  }
  std::ofstream sounds(fs::path(out_dir) / "sounds.txt");
  for (const SoundPlay& s : result.sounds) {
    sounds << s.time << " " << s.path << "\n";
  }
  std::ostringstream summary;
  summary << "scenario: " << (scenario.name.empty() ? file : scenario.name) << "\n"
          << "module: " << module.path() << "\n"
          << "x87 control word at entry: " << fly_options.control_word << "\n"
          << "process locale: " << (fly_options.locale.empty() ? "C" : fly_options.locale) << "\n"
          << "simulated time: " << result.simulated_seconds << " s\n"
          << "cycles: " << result.cycles << "\n"
          << "wall time: " << result.wall_seconds << " s\n"
          << "simulated seconds per wall second: "
          << (result.wall_seconds > 0 ? result.simulated_seconds / result.wall_seconds : 0.0) << "\n"
          << "expectations met: " << result.met << " of " << result.expectations << "\n"
          << "sounds played: " << result.sounds.size() << "\n"
          << "panel digest: " << digest_text(result.digest) << "\n"
          << "shared blocks, as the other module's display reads them:\n"
          << describe_blocks();
  for (const std::string& f : result.failures) {
    summary << "FAILED " << f << "\n";
  }
  for (const std::string& v : panel.host().violations()) {
    summary << "VIOLATION " << v << "\n";
  }
  std::ofstream(fs::path(out_dir) / "summary.txt") << summary.str();
  std::cout << summary.str();
  return result.ok() && panel.host().violations().empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(CORVANE_HAVE_COCKPIT)
  const auto started = std::chrono::steady_clock::now();  // the cockpit measures its start from here
#endif
  CLI::App app{"corvane: the reference host for the Corvane gauge module"};
  app.require_subcommand(1);

  std::string module_path = default_module_path();
  const auto module_option = [&](CLI::App* command) {
    command->add_option("--module", module_path,
                        "Module file to load: a libcorvane.so, or Corvane.gau in the 32-bit build (default: this "
                        "build's libcorvane.so)");
  };
  auto* list = app.add_subcommand("list", "List the module's gauges");
  module_option(list);
  auto* tokens = app.add_subcommand("tokens", "List the simulator variables the host keeps");
  auto* events = app.add_subcommand("events", "List the key events the host's simulator answers");

  auto* tree = app.add_subcommand("tree", "Print a gauge's element tree with each element's value, text and flags");
  std::string tree_gauge;
  std::vector<std::string> tree_sets;
  int tree_cycles = 1;
  tree->add_option("gauge", tree_gauge, "Gauge name, e.g. \"Baro\"")->required();
  module_option(tree);
  tree->add_option("--set", tree_sets, "Simulator variable name=value (by name or 0x token), repeatable");
  tree->add_option("--cycles", tree_cycles, "Panel cycles to run first")->check(CLI::Range(1, 100000));

  auto* fly_cmd = app.add_subcommand("fly", "Fly a scenario file; exits non-zero when an expectation fails");
  std::string scenario_file;
  FlyOptions fly_options;
  fly_cmd->add_option("scenario", scenario_file, "Scenario file (TOML)")->required();
  module_option(fly_cmd);
  fly_cmd->add_option("--out", fly_options.out_dir, "Folder for the summary, log and frames");
  fly_cmd->add_option("--sounds", fly_options.sound_dir, "Folder holding Sound\\*.wav; loads of missing files fail");
  fly_cmd->add_flag("--quiet", fly_options.quiet, "Print only the summary");
  fly_cmd->add_option("--tree", fly_options.trees, "Print this gauge's element tree at the end, repeatable");
  fly_cmd->add_option("--panel", fly_options.panel_cfg,
                      "panel.cfg whose windows make the frames of steps with render = \"name\"");
  fly_cmd->add_option("--fpu", fly_options.control_word,
                      "x87 control word the host enters the module with: 0x027F (Windows), 0x007F (Direct3D's "
                      "24-bit), 0x037F (extended)");
  fly_cmd->add_option("--locale", fly_options.locale,
                      "Process locale while flying, e.g. de_DE.UTF-8 (a comma decimal point), also what a loaded "
                      "Corvane.gau's C runtime reports");

#if defined(CORVANE_HAVE_RENDER)
  auto* render_cmd = app.add_subcommand("render", "Draw a gauge, or the panel of a panel.cfg, to PNG");
  std::string render_gauge_name;
  std::string render_panel;
  std::string render_out = "out/render.png";
  std::vector<std::string> render_sets;
  int render_cycles = 3;
  bool render_night = false;
  double render_scale = 1.0;
  render_cmd->add_option("gauge", render_gauge_name, "Gauge name (or use --panel)");
  module_option(render_cmd);
  render_cmd->add_option("--panel", render_panel, "A panel.cfg: draws all its windows in one picture");
  render_cmd->add_option("-o,--out", render_out, "PNG file to write");
  render_cmd->add_option("--set", render_sets, "Simulator variable name=value, repeatable");
  render_cmd->add_option("--cycles", render_cycles, "Panel cycles to run before drawing")->check(CLI::Range(1, 100000));
  render_cmd->add_flag("--night", render_night, "Night mode: unlit elements dimmed");
  render_cmd->add_option("--scale", render_scale, "Scale factor")->check(CLI::Range(0.1, 8.0));
#endif

#if defined(CORVANE_HAVE_COCKPIT)
  auto* cockpit_cmd = app.add_subcommand(
      "cockpit", "The panel live in a window: real time, mouse, keyboard, sounds (F1 in the window lists the keys)");
  cockpit::CockpitOptions cockpit_options;
  cockpit_options.panel_cfg = CORVANE_PANEL_CFG;
  cockpit_options.bitmap_dir = CORVANE_BITMAP_DIR;
  cockpit_options.sound_dir = CORVANE_SOUND_DIR;
  module_option(cockpit_cmd);
  cockpit_cmd->add_option("--panel", cockpit_options.panel_cfg, "panel.cfg whose windows to show");
  cockpit_cmd->add_option("--sounds", cockpit_options.sound_dir, "Folder of the package's sounds (Sound\\*.wav)");
  cockpit_cmd->add_option("--scenario", cockpit_options.scenario, "Scenario file to play live");
  cockpit_cmd->add_option("--speed", cockpit_options.speed, "Simulated seconds per wall second")
      ->check(CLI::Range(0.1, 1000.0));
  cockpit_cmd->add_option("--quit-after", cockpit_options.quit_after, "Quit after so many simulated seconds")
      ->check(CLI::Range(0.0, 1e7));
  cockpit_cmd->add_option("--screenshot", cockpit_options.screenshot, "Write the window's last frame to this PNG");
  cockpit_cmd->add_option("--record", cockpit_options.record,
                          "Write the session as a scenario file that `corvane fly` replays and checks");
  cockpit_cmd->add_option("--input", cockpit_options.input,
                          "Scripted mouse and key input, played through the window's event queue");
  cockpit_cmd->add_option("--events", cockpit_options.events, "Log every key event sent, one a line");
  cockpit_cmd->add_flag("--night", cockpit_options.night, "Start at night");
  cockpit_cmd->add_flag("--flight-model", cockpit_options.flight_model,
                        "Fly from the controls while a scenario plays (always on without one)");
  cockpit_cmd->add_option("--zoom", cockpit_options.zoom, "Start at this zoom")->check(CLI::Range(0.25, 4.0));
#endif

  CLI11_PARSE(app, argc, argv);
  try {
    std::unique_ptr<ModuleFile> module;
    if (!*tokens && !*events) {
      module = ModuleFile::open(module_path);
    }
    if (*list) {
      testhost::TestHost host(module->view());
      for (GaugeHeader* g : host.gauges()) {
        std::printf("%-18s %4u mm  %3zu elements  %2d areas\n", g->name, g->width_mm,
                    testhost::TestHost::elements(g).size(), count_areas(g));
      }
    } else if (*tokens) {
      for (const TokenSpec& t : token_table()) {
        std::printf("0x%03X %-26s %-8s %-34s %g\n", t.token, t.name, t.integer ? "integer" : "double", t.units,
                    t.cold_dark);
      }
    } else if (*events) {
      for (const EventSpec& e : event_table()) {
        std::printf("0x%05X %s\n", e.id, e.name);
      }
    } else if (*tree) {
      Panel panel(module->view(), "");
      GaugeHeader* g = panel.host().gauge(tree_gauge);
      if (g == nullptr) {
        std::cerr << "corvane: unknown gauge \"" << tree_gauge << "\"; `corvane list` names them\n";
        return 2;
      }
      panel.install({{tree_gauge, std::nullopt}});
      apply_sets(panel, tree_sets);
      for (int i = 0; i < tree_cycles; ++i) {
        panel.cycle();
        apply_sets(panel, tree_sets);
      }
      print_tree(panel, g);
    } else if (*fly_cmd) {
      return fly_command(*module, scenario_file, fly_options);
    }
#if defined(CORVANE_HAVE_COCKPIT)
    else if (*cockpit_cmd) {
      cockpit_options.started = started;
      return cockpit::run_cockpit(*module, cockpit_options);
    }
#endif
#if defined(CORVANE_HAVE_RENDER)
    else if (*render_cmd) {
      render::BitmapStore bitmaps;
      if (bitmaps.load_folder(CORVANE_BITMAP_DIR) == 0) {
        std::cerr << "corvane: no bitmaps in " << CORVANE_BITMAP_DIR << "\n";
        return 2;
      }
      Panel panel(module->view(), "");
      const render::RenderOptions options{render_night, render_scale};
      cairo_surface_t* surface = nullptr;
      if (!render_panel.empty()) {
        render::PanelConfig config;
        std::string error;
        if (!render::read_panel_config(render_panel, config, error)) {
          std::cerr << "corvane: " << render_panel << ": " << error << "\n";
          return 2;
        }
        render::install_panel(panel.host(), config);
        apply_sets(panel, render_sets);
        surface = render::render_panel(panel.host(), config, bitmaps, options, render_cycles);
      } else {
        GaugeHeader* g = panel.host().gauge(render_gauge_name);
        if (g == nullptr) {
          std::cerr << "corvane: unknown gauge \"" << render_gauge_name << "\"; `corvane list` names them\n";
          return 2;
        }
        panel.install({{render_gauge_name, std::nullopt}});
        for (int i = 0; i < render_cycles; ++i) {
          apply_sets(panel, render_sets);
          panel.cycle();
        }
        surface = render::render_gauge(panel.host(), g, bitmaps, options);
      }
      if (surface == nullptr || !render::write_png(surface, render_out)) {
        std::cerr << "corvane: could not draw " << render_out << "\n";
        if (surface != nullptr) {
          cairo_surface_destroy(surface);
        }
        return 1;
      }
      cairo_surface_destroy(surface);
      std::cout << "wrote " << render_out << "\n";
    }
#endif
  } catch (const ScenarioError& e) {
    std::cerr << "corvane: " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "corvane: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
