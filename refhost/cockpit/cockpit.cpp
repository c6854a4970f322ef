#include "cockpit/cockpit.h"

#include <SDL.h>
#include <cairo.h>
#include <strings.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <limits>
#include <stdexcept>

#include "cockpit/audio.h"
#include "cockpit/keys.h"
#include "cockpit/script.h"
#include "corvane_testhost/platform_world.h"
#include "render.h"
#include "scenario/panel.h"
#include "scenario/record.h"
#include "sim/simulator.h"

namespace corvane::cockpit {

namespace {

using Clock = std::chrono::steady_clock;
using refhost::Step;

constexpr int kMenuHeight = 22;
constexpr double kTitleHeight = 18;  // a pop-up's title bar, panel units
constexpr double kTooltipDelay = 0.4;

double seconds_since(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

SDL_Rect rect(double x, double y, double w, double h) {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  return {x0, y0, static_cast<int>(std::ceil(x + w)) - x0, static_cast<int>(std::ceil(y + h)) - y0};
}

bool inside(const SDL_Rect& r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

// The child area's own help id, else the gauge's (its parent area's).
uint32_t help_id(const GaugeHeader* g, const MouseArea* area) {
  if (area->help_id != 0) {
    return area->help_id;
  }
  return g->mouse_areas != nullptr && g->mouse_areas[0].kind == kAreaParent ? g->mouse_areas[0].help_id : 0;
}

const char* cursor_name(uint32_t cursor) {
  switch (cursor) {
    case 1:
      return "increase";
    case 2:
      return "decrease";
    case 3:
      return "left";
    case 4:
      return "right";
    case 5:
      return "click";
    case 6:
      return "crosshair";
    case 7:
      return "grab";
    default:
      return "normal";
  }
}

// An arrow cursor (up, down, left or right), drawn: SDL has none of its own.
SDL_Cursor* arrow_cursor(int direction) {
  constexpr int kSize = 24;
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, kSize, kSize, 32, SDL_PIXELFORMAT_ARGB8888);
  if (s == nullptr) {
    return nullptr;
  }
  cairo_surface_t* cs = cairo_image_surface_create_for_data(static_cast<unsigned char*>(s->pixels), CAIRO_FORMAT_ARGB32,
                                                            kSize, kSize, s->pitch);
  cairo_t* cr = cairo_create(cs);
  cairo_translate(cr, kSize / 2.0, kSize / 2.0);
  cairo_rotate(cr, direction * 3.14159265358979 / 2);
  cairo_move_to(cr, 0, -10);
  cairo_line_to(cr, 8, 0);
  cairo_line_to(cr, 3, 0);
  cairo_line_to(cr, 3, 10);
  cairo_line_to(cr, -3, 10);
  cairo_line_to(cr, -3, 0);
  cairo_line_to(cr, -8, 0);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(cs);
  SDL_Cursor* cursor = SDL_CreateColorCursor(s, kSize / 2, kSize / 2);
  SDL_FreeSurface(s);
  return cursor;
}

// One gauge line of the panel.cfg, with its picture as last drawn.
struct GaugeView {
  size_t window = 0;
  const render::PanelGauge* cfg = nullptr;
  GaugeHeader* gauge = nullptr;  // nullptr: another module's, or unknown
  int width = 0;                 // the gauge's own pixels
  int height = 0;
  double scale = 1.0;  // panel units per gauge pixel
  std::vector<Element*> elements;
  cairo_surface_t* cache = nullptr;
  double cache_zoom = 0.0;
  uint64_t signature = 0;
};

struct WindowView {
  const render::PanelWindow* cfg = nullptr;
  double x = 0, y = 0, w = 0, h = 0;  // the content, panel units
  bool open = true;
};

struct Hit {
  enum class Kind { None, Menu, Title, Close, Window, Gauge } kind = Kind::None;
  size_t index = 0;  // menu item, window or gauge
  int x = 0;         // gauge pixels
  int y = 0;
};

struct MenuItem {
  std::string label;
  SDL_Rect rect{};
};

// Wall time, and the time this thread had the processor: on a busy machine
// the first includes waiting for it.
struct Stopwatch {
  Clock::time_point wall = Clock::now();
  double cpu = cpu_ms();
  static double cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
  }
  double wall_ms() const { return std::chrono::duration<double>(Clock::now() - wall).count() * 1e3; }
  double cpu_ms_since() const { return cpu_ms() - cpu; }
};

struct Timing {
  std::vector<double> cycle_ms;
  // A frame's cycles and redraw, wall and processor time.
  std::vector<double> frame_ms;
  std::vector<double> frame_cpu_ms;
  double first_frame_ms = -1;
};

double percentile(std::vector<double> v, double p) {
  if (v.empty()) {
    return 0.0;
  }
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5))];
}

double mean(const std::vector<double>& v) {
  double sum = 0;
  for (double x : v) {
    sum += x;
  }
  return v.empty() ? 0.0 : sum / static_cast<double>(v.size());
}

class Cockpit {
 public:
  Cockpit(const refhost::ModuleFile& module, const CockpitOptions& options);
  ~Cockpit();
  Cockpit(const Cockpit&) = delete;
  Cockpit& operator=(const Cockpit&) = delete;
  int run();

 private:
  void load();
  void layout();
  bool open_window();
  void resize_backbuffer();

  void handle(const SDL_Event& e);
  void drain_events();
  void key(const SDL_KeyboardEvent& e);
  void press(const SDL_MouseButtonEvent& e);
  void release();
  void hover(int x, int y);
  void zoom_at(double factor, int x, int y);
  void toggle_window(size_t index);
  void raise_window(size_t index);
  void apply(const Step& step);
  void after_input();
  void run_cycle();
  void push_script();
  void finish_session();

  Hit hit_test(int x, int y) const;
  double sx(double x) const { return (x - pan_x_) * zoom_; }
  double sy(double y) const { return (y - pan_y_) * zoom_ + kMenuHeight; }
  SDL_Rect gauge_rect(const GaugeView& g) const;
  SDL_Rect window_rect(const WindowView& w, bool with_title) const;

  bool refresh_cache(GaugeView& g);
  void damage(const SDL_Rect& r);
  void redraw();
  void paint(cairo_t* cr, const SDL_Rect& clip);
  void paint_menu(cairo_t* cr);
  void paint_tooltip(cairo_t* cr);
  void paint_help(cairo_t* cr);
  SDL_Rect tooltip_rect() const;
  std::string tooltip_text(int line) const;

  const refhost::ModuleFile& module_;
  CockpitOptions options_;
  refhost::Scenario scenario_;
  std::vector<refhost::GaugeSetup> installed_;
  std::unique_ptr<refhost::Panel> panel_;
  std::unique_ptr<refhost::Player> player_;
  std::unique_ptr<Audio> audio_;
  render::BitmapStore bitmaps_;
  render::PanelConfig config_;
  std::vector<WindowView> windows_;
  std::vector<size_t> order_;  // open pop-ups, bottom to top
  std::vector<GaugeView> gauges_;
  std::vector<ScriptAction> script_;
  struct Pending {
    double at;
    SDL_Event event;
  };
  std::vector<Pending> pending_;  // releases of scripted presses
  size_t script_next_ = 0;
  std::ofstream events_log_;
  size_t events_logged_ = 0;
  size_t sounds_heard_ = 0;

  SDL_Window* window_ = nullptr;
  cairo_surface_t* back_ = nullptr;
  SDL_Surface* back_sdl_ = nullptr;
  std::vector<SDL_Rect> damage_;
  bool full_damage_ = true;
  std::vector<MenuItem> menu_;
  SDL_Cursor* cursors_[8] = {};

  double zoom_ = 1.0, pan_x_ = 0.0, pan_y_ = 0.0;
  bool night_ = false;
  bool help_ = false;
  bool paused_ = false;
  bool quit_ = false;
  bool holding_ = false;
  bool live_since_cycle_ = false;
  bool reported_end_ = false;
  int drag_window_ = -1;
  bool panning_ = false;
  double drag_x_ = 0, drag_y_ = 0;
  int pointer_x_ = -1, pointer_y_ = -1;
  int hover_gauge_ = -1;
  const MouseArea* hover_area_ = nullptr;
  int hover_gx_ = 0, hover_gy_ = 0;
  Clock::time_point hover_since_ = Clock::now();
  bool tooltip_shown_ = false;
  bool pointer_moved_ = false;
  SDL_Rect tooltip_drawn_{};
  Timing timing_;
  long frames_ = 0;
  Clock::time_point last_frame_ = Clock::now();
  double cycles_ms_since_frame_ = 0.0;
  double cycles_cpu_ms_since_frame_ = 0.0;
};

Cockpit::Cockpit(const refhost::ModuleFile& module, const CockpitOptions& options)
    : module_(module), options_(options), zoom_(options.zoom), night_(options.night) {}

Cockpit::~Cockpit() {
  player_.reset();
  panel_.reset();
  for (GaugeView& g : gauges_) {
    if (g.cache != nullptr) {
      cairo_surface_destroy(g.cache);
    }
  }
  for (SDL_Cursor* c : cursors_) {
    if (c != nullptr) {
      SDL_FreeCursor(c);
    }
  }
  if (back_sdl_ != nullptr) {
    SDL_FreeSurface(back_sdl_);
  }
  if (back_ != nullptr) {
    cairo_surface_destroy(back_);
  }
  audio_.reset();
  if (window_ != nullptr) {
    SDL_DestroyWindow(window_);
  }
  SDL_Quit();
}

void Cockpit::load() {
  std::string error;
  if (!render::read_panel_config(options_.panel_cfg, config_, error)) {
    throw std::runtime_error(options_.panel_cfg + ": " + error);
  }
  if (config_.windows.empty()) {
    throw std::runtime_error(options_.panel_cfg + ": no windows");
  }
  if (bitmaps_.load_folder(options_.bitmap_dir) == 0) {
    throw std::runtime_error("no bitmaps in " + options_.bitmap_dir);
  }
  const std::vector<std::string> names = module_.gauge_names();
  if (!options_.scenario.empty()) {
    scenario_ = refhost::load_scenario(options_.scenario, names);
  } else {
    scenario_.name = "Live session";
    scenario_.flight_model = true;
  }
  scenario_.flight_model = scenario_.flight_model || options_.flight_model;
  if (!options_.input.empty()) {
    script_ = read_script(options_.input, names);
  }

  panel_ = std::make_unique<refhost::Panel>(module_.view(), "");
  testhost::platform().sound.file_exists = [dir = options_.sound_dir](const std::string& path) {
    return !sound_file(dir, path).empty();
  };
  panel_->set_approach_identifier(scenario_.approach_identifier);
  // A scenario installs what it names (all gauges when it names none, as
  // `corvane fly` does); a panel alone installs its own gauges with their
  // parameters, once each.
  installed_ = scenario_.gauges;
  if (options_.scenario.empty()) {
    for (const render::PanelWindow& w : config_.windows) {
      for (const render::PanelGauge& g : w.gauges) {
        const bool ours = strcasecmp(g.module.c_str(), "corvane") == 0 && panel_->host().gauge(g.name) != nullptr;
        if (ours && std::none_of(installed_.begin(), installed_.end(),
                                 [&](const refhost::GaugeSetup& s) { return s.name == g.name; })) {
          installed_.push_back({g.name, g.parameters.empty() ? std::nullopt : std::optional(g.parameters)});
        }
      }
    }
  }
  panel_->install(installed_);
  refhost::RunOptions run;
  run.keep_applied = !options_.record.empty();
  run.log = [](const std::string& line) { std::cout << line << "\n"; };
  player_ = std::make_unique<refhost::Player>(*panel_, scenario_, run);

  for (size_t wi = 0; wi < config_.windows.size(); ++wi) {
    WindowView w;
    w.cfg = &config_.windows[wi];
    w.open = wi == 0 || w.cfg->visible;
    windows_.push_back(w);
    for (const render::PanelGauge& pg : w.cfg->gauges) {
      GaugeView g;
      g.window = wi;
      g.cfg = &pg;
      g.gauge = strcasecmp(pg.module.c_str(), "corvane") == 0 ? panel_->host().gauge(pg.name) : nullptr;
      if (g.gauge != nullptr && !render::gauge_size(g.gauge, bitmaps_, g.width, g.height)) {
        g.gauge = nullptr;
      }
      if (g.gauge != nullptr) {
        g.scale = pg.width > 0 ? static_cast<double>(pg.width) / g.width : 1.0;
        g.elements = testhost::TestHost::elements(g.gauge);
      } else {
        g.width = pg.width > 0 ? pg.width : 60;
        g.height = pg.height > 0 ? pg.height : 30;
      }
      gauges_.push_back(std::move(g));
    }
  }
  for (size_t wi = 1; wi < windows_.size(); ++wi) {
    if (windows_[wi].open) {
      order_.push_back(wi);
    }
  }
  layout();
  if (!options_.events.empty()) {
    events_log_.open(options_.events);
    if (!events_log_) {
      throw std::runtime_error(options_.events + ": cannot write");
    }
  }
}

// Window sizes from size_mm (or what their gauges cover); the pop-ups placed
// over the main panel where their position puts them.
void Cockpit::layout() {
  for (WindowView& w : windows_) {
    w.w = w.cfg->width;
    w.h = w.cfg->height;
    if (w.w <= 0 || w.h <= 0) {
      for (const render::PanelGauge& g : w.cfg->gauges) {
        w.w = std::max(w.w, static_cast<double>(g.x + std::max(g.width, 50)));
        w.h = std::max(w.h, static_cast<double>(g.y + std::max(g.height, 50)));
      }
    }
  }
  const double main_w = windows_[0].w, main_h = windows_[0].h;
  for (size_t i = 1; i < windows_.size(); ++i) {
    WindowView& w = windows_[i];
    const int col = w.cfg->position % 3, row = w.cfg->position / 3;
    w.x = std::max(0.0, col == 0 ? 0.0 : col == 1 ? (main_w - w.w) / 2 : main_w - w.w);
    w.y = std::max(kTitleHeight, row == 0 ? kTitleHeight : row == 1 ? (main_h - w.h + kTitleHeight) / 2 : main_h - w.h);
  }
}

bool Cockpit::open_window() {
  // The picture is drawn in memory: SDL copies it to the screen directly
  // rather than through an OpenGL texture, which without a GPU (Xvfb, the
  // offscreen driver) means Mesa's software rasteriser on every frame.
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    std::cerr << "corvane: no video: " << SDL_GetError() << "\n";
    return false;
  }
  const int w = static_cast<int>(std::ceil(windows_[0].w * zoom_));
  const int h = static_cast<int>(std::ceil(windows_[0].h * zoom_)) + kMenuHeight;
  window_ =
      SDL_CreateWindow("Corvane cockpit", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, SDL_WINDOW_RESIZABLE);
  if (window_ == nullptr) {
    std::cerr << "corvane: no window: " << SDL_GetError() << "\n";
    return false;
  }
  audio_ = std::make_unique<Audio>(options_.sound_dir);
  cursors_[0] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
  cursors_[1] = arrow_cursor(0);
  cursors_[2] = arrow_cursor(2);
  cursors_[3] = arrow_cursor(3);
  cursors_[4] = arrow_cursor(1);
  cursors_[5] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
  cursors_[6] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_CROSSHAIR);
  cursors_[7] = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_SIZEALL);
  resize_backbuffer();
  return true;
}

void Cockpit::resize_backbuffer() {
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  if (back_ != nullptr && cairo_image_surface_get_width(back_) == w && cairo_image_surface_get_height(back_) == h) {
    return;
  }
  if (back_sdl_ != nullptr) {
    SDL_FreeSurface(back_sdl_);
  }
  if (back_ != nullptr) {
    cairo_surface_destroy(back_);
  }
  back_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(1, w), std::max(1, h));
  back_sdl_ = SDL_CreateRGBSurfaceWithFormatFrom(cairo_image_surface_get_data(back_), std::max(1, w), std::max(1, h),
                                                 32, cairo_image_surface_get_stride(back_), SDL_PIXELFORMAT_RGB888);
  SDL_SetSurfaceBlendMode(back_sdl_, SDL_BLENDMODE_NONE);
  // The menu bar's items, measured once for this size.
  cairo_t* cr = cairo_create(back_);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 12);
  menu_.clear();
  std::vector<std::string> labels;
  for (size_t i = 0; i < windows_.size(); ++i) {
    labels.push_back(windows_[i].cfg->title + (i < 9 ? "  \u21E7" + std::to_string(i + 1) : ""));
  }
  for (const char* label : {"Night  N", "Pause  P", "Help  F1"}) {
    labels.emplace_back(label);
  }
  int x = 4;
  for (const std::string& label : labels) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, label.c_str(), &ext);
    const int width = static_cast<int>(ext.x_advance) + 16;
    menu_.push_back({label, {x, 2, width, kMenuHeight - 4}});
    x += width + 4;
  }
  cairo_destroy(cr);
  full_damage_ = true;
}

SDL_Rect Cockpit::window_rect(const WindowView& w, bool with_title) const {
  const double top = with_title ? w.y - kTitleHeight : w.y;
  return rect(sx(w.x), sy(top), w.w * zoom_, (w.y + w.h - top) * zoom_);
}

SDL_Rect Cockpit::gauge_rect(const GaugeView& g) const {
  const WindowView& w = windows_[g.window];
  return rect(sx(w.x + g.cfg->x), sy(w.y + g.cfg->y), g.width * g.scale * zoom_, g.height * g.scale * zoom_);
}

Hit Cockpit::hit_test(int x, int y) const {
  Hit hit;
  if (y < kMenuHeight) {
    for (size_t i = 0; i < menu_.size(); ++i) {
      if (inside(menu_[i].rect, x, y)) {
        return {Hit::Kind::Menu, i, 0, 0};
      }
    }
    return hit;
  }
  std::vector<size_t> stack(order_.rbegin(), order_.rend());
  if (windows_[0].open) {
    stack.push_back(0);
  }
  for (size_t wi : stack) {
    const WindowView& w = windows_[wi];
    if (wi != 0 && inside(window_rect(w, true), x, y) && !inside(window_rect(w, false), x, y)) {
      const SDL_Rect close =
          rect(sx(w.x + w.w - kTitleHeight), sy(w.y - kTitleHeight), kTitleHeight * zoom_, kTitleHeight * zoom_);
      return {inside(close, x, y) ? Hit::Kind::Close : Hit::Kind::Title, wi, 0, 0};
    }
    if (!inside(window_rect(w, false), x, y)) {
      continue;
    }
    for (size_t gi = gauges_.size(); gi-- > 0;) {
      const GaugeView& g = gauges_[gi];
      if (g.window == wi && g.gauge != nullptr && inside(gauge_rect(g), x, y)) {
        const double px = ((x + 0.5) / zoom_ + pan_x_ - w.x - g.cfg->x) / g.scale;
        const double py = ((y + 0.5 - kMenuHeight) / zoom_ + pan_y_ - w.y - g.cfg->y) / g.scale;
        return {Hit::Kind::Gauge, gi, static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py))};
      }
    }
    return {Hit::Kind::Window, wi, 0, 0};
  }
  return hit;
}

void Cockpit::damage(const SDL_Rect& r) {
  if (r.w > 0 && r.h > 0) {
    damage_.push_back(r);
  }
}

void Cockpit::apply(const Step& step) {
  player_->apply(step);
  live_since_cycle_ = true;
  after_input();
}

// Sounds the module played are heard; key events go to the log.
void Cockpit::after_input() {
  const auto& calls = testhost::platform().sound.calls();
  for (; sounds_heard_ < calls.size(); ++sounds_heard_) {
    const testhost::SoundCall& call = calls[sounds_heard_];
    if (call.kind == testhost::SoundCall::Kind::Play && call.result != 0 && audio_ != nullptr) {
      audio_->play(call.path);
    }
  }
  const auto& events = panel_->host().events();
  if (events_log_.is_open()) {
    for (; events_logged_ < events.size(); ++events_logged_) {
      const testhost::KeyEvent& e = events[events_logged_];
      const refhost::EventSpec* spec = refhost::find_event(e.id);
      char line[128];
      std::snprintf(line, sizeof line, "%.3f 0x%05X %s %u\n", panel_->time(), e.id, spec != nullptr ? spec->name : "?",
                    e.value);
      events_log_ << line;
    }
  }
}

void Cockpit::run_cycle() {
  const Stopwatch watch;
  player_->cycle();
  live_since_cycle_ = false;
  after_input();
  const double ms = watch.wall_ms();
  timing_.cycle_ms.push_back(ms);
  cycles_ms_since_frame_ += ms;
  cycles_cpu_ms_since_frame_ += watch.cpu_ms_since();
  if (!reported_end_ && !options_.scenario.empty() && player_->finished()) {
    reported_end_ = true;
    const refhost::RunResult& r = player_->result();
    std::cout << "scenario played: " << r.met << " of " << r.expectations << " expectations met\n";
    for (const std::string& f : r.failures) {
      std::cout << "FAILED " << f << "\n";
    }
  }
}

void Cockpit::press(const SDL_MouseButtonEvent& e) {
  if (e.button == SDL_BUTTON_MIDDLE) {
    panning_ = true;  // the middle button drags the view
    drag_x_ = e.x / zoom_ + pan_x_;
    drag_y_ = e.y / zoom_ + pan_y_;
    return;
  }
  const Hit hit = hit_test(e.x, e.y);
  if (hit.kind == Hit::Kind::Menu) {
    if (hit.index < windows_.size()) {
      toggle_window(hit.index);
    } else if (hit.index == windows_.size()) {
      night_ = !night_;
      full_damage_ = true;
    } else if (hit.index == windows_.size() + 1) {
      paused_ = !paused_;
    } else {
      help_ = !help_;
      full_damage_ = true;
    }
    return;
  }
  if (help_) {
    help_ = false;  // a click outside the menu bar closes the help first
    full_damage_ = true;
    return;
  }
  if (hit.kind == Hit::Kind::Close) {
    toggle_window(hit.index);
    return;
  }
  if (hit.kind == Hit::Kind::Title || hit.kind == Hit::Kind::Window) {
    raise_window(hit.index);
    if (hit.kind == Hit::Kind::Title) {
      drag_window_ = static_cast<int>(hit.index);
      drag_x_ = e.x / zoom_ - windows_[hit.index].x;
      drag_y_ = e.y / zoom_ - windows_[hit.index].y;
    }
    return;
  }
  if (hit.kind != Hit::Kind::Gauge) {
    return;
  }
  const GaugeView& g = gauges_[hit.index];
  raise_window(g.window);
  const uint32_t button = e.button == SDL_BUTTON_RIGHT ? testhost::kMouseRightClick : kMouseLeftClick;
  const MouseArea* area = panel_->host().area_at(g.gauge, hit.x, hit.y, button);
  if (area == nullptr) {
    return;  // the simulator passes a click only to an area that takes its button
  }
  const bool repeats = (area->event_flags & testhost::kMouseRepeat) != 0;
  Step step;
  step.note = std::string(button == testhost::kMouseRightClick ? "right click on " : "click on ") + g.gauge->name;
  step.clicks.push_back({g.gauge->name, hit.x, hit.y, repeats ? std::numeric_limits<double>::infinity() : 0.0, button});
  apply(step);
  holding_ = repeats;
}

void Cockpit::release() {
  drag_window_ = -1;
  panning_ = false;
  if (holding_) {
    holding_ = false;
    player_->release();
    live_since_cycle_ = true;
  }
}

void Cockpit::raise_window(size_t index) {
  if (index == 0 || (!order_.empty() && order_.back() == index)) {
    return;
  }
  std::erase(order_, index);
  order_.push_back(index);
  full_damage_ = true;
}

void Cockpit::toggle_window(size_t index) {
  if (index >= windows_.size()) {
    return;
  }
  WindowView& w = windows_[index];
  w.open = !w.open;
  std::erase(order_, index);
  if (w.open && index != 0) {
    order_.push_back(index);
  }
  full_damage_ = true;
}

void Cockpit::zoom_at(double factor, int x, int y) {
  const double zoom = std::clamp(zoom_ * factor, 0.25, 4.0);
  const double scene_x = x / zoom_ + pan_x_, scene_y = (y - kMenuHeight) / zoom_ + pan_y_;
  zoom_ = zoom;
  pan_x_ = scene_x - x / zoom_;
  pan_y_ = scene_y - (y - kMenuHeight) / zoom_;
  full_damage_ = true;
}

void Cockpit::hover(int x, int y) {
  pointer_x_ = x;
  pointer_y_ = y;
  const Hit hit = hit_test(x, y);
  const GaugeView* g = hit.kind == Hit::Kind::Gauge ? &gauges_[hit.index] : nullptr;
  const MouseArea* area =
      g != nullptr ? panel_->host().area_at(g->gauge, hit.x, hit.y, testhost::kMouseButtons) : nullptr;
  const int gauge = area != nullptr ? static_cast<int>(hit.index) : -1;
  if (gauge != hover_gauge_ || area != hover_area_) {
    hover_since_ = Clock::now();
    SDL_Cursor* cursor = area != nullptr && area->cursor < 8 ? cursors_[area->cursor] : cursors_[0];
    if (cursor != nullptr) {
      SDL_SetCursor(cursor);
    }
  }
  pointer_moved_ = true;
  hover_gauge_ = gauge;
  hover_area_ = area;
  hover_gx_ = hit.x;
  hover_gy_ = hit.y;
}

void Cockpit::key(const SDL_KeyboardEvent& e) {
  const bool down = e.type == SDL_KEYDOWN;
  const SDL_Keysym& k = e.keysym;
  const bool ctrl = (k.mod & KMOD_CTRL) != 0, shift = (k.mod & KMOD_SHIFT) != 0;
  if (down) {
    if (shift && !ctrl && k.sym >= SDLK_1 && k.sym <= SDLK_9) {
      if (e.repeat == 0) {
        toggle_window(static_cast<size_t>(k.sym - SDLK_1));
      }
      return;
    }
    const bool plain = !ctrl && !shift && e.repeat == 0;
    if ((k.sym == SDLK_F1 && !ctrl && e.repeat == 0) || (k.sym == SDLK_ESCAPE && help_)) {
      help_ = !help_;
      full_damage_ = true;
      return;
    }
    if (k.sym == SDLK_n && plain) {
      night_ = !night_;
      full_damage_ = true;
      return;
    }
    if (k.sym == SDLK_p && plain) {
      paused_ = !paused_;
      return;
    }
    if (k.sym == SDLK_q && ctrl) {
      quit_ = true;
      return;
    }
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    if (k.sym == SDLK_EQUALS || k.sym == SDLK_KP_PLUS) {
      zoom_at(1.25, w / 2, h / 2);
      return;
    }
    if (k.sym == SDLK_MINUS || k.sym == SDLK_KP_MINUS) {
      zoom_at(0.8, w / 2, h / 2);
      return;
    }
    if (k.sym == SDLK_BACKSPACE) {
      zoom_ = 1.0;
      pan_x_ = pan_y_ = 0.0;
      full_damage_ = true;
      return;
    }
  }
  if (const std::optional<Step> step = flight_key(k, down, e.repeat != 0, *panel_)) {
    apply(*step);
  }
}

void Cockpit::handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT:
      quit_ = true;
      break;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        resize_backbuffer();
      } else if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
        full_damage_ = true;
      }
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      key(e.key);
      break;
    case SDL_MOUSEBUTTONDOWN:
      hover(e.button.x, e.button.y);
      press(e.button);
      break;
    case SDL_MOUSEBUTTONUP:
      release();
      break;
    case SDL_MOUSEMOTION:
      if (panning_) {
        pan_x_ = drag_x_ - e.motion.x / zoom_;
        pan_y_ = drag_y_ - e.motion.y / zoom_;
        full_damage_ = true;
      } else if (drag_window_ > 0) {
        windows_[static_cast<size_t>(drag_window_)].x = e.motion.x / zoom_ - drag_x_;
        windows_[static_cast<size_t>(drag_window_)].y = std::max(kTitleHeight, e.motion.y / zoom_ - drag_y_);
        full_damage_ = true;
      }
      hover(e.motion.x, e.motion.y);
      break;
    case SDL_MOUSEWHEEL:
      zoom_at(e.wheel.y > 0 ? 1.1 : 1 / 1.1, e.wheel.mouseX, e.wheel.mouseY);
      break;
    default:
      break;
  }
}

void Cockpit::drain_events() {
  SDL_Event e;
  while (SDL_PollEvent(&e) != 0) {
    handle(e);
  }
}

// Scripted actions due at this cycle's time go into SDL's queue one by one,
// each handled before the next is placed, so that a key that opens a window
// comes before a click into it.
void Cockpit::push_script() {
  const double now = panel_->time();
  const Uint32 id = SDL_GetWindowID(window_);
  auto push = [&](SDL_Event e) {
    SDL_PushEvent(&e);
    drain_events();
  };
  for (;;) {
    std::stable_sort(pending_.begin(), pending_.end(), [](const Pending& a, const Pending& b) { return a.at < b.at; });
    const bool pending_due = !pending_.empty() && pending_.front().at <= now + 1e-9;
    const bool script_due = script_next_ < script_.size() && script_[script_next_].at <= now + 1e-9;
    if (pending_due && (!script_due || pending_.front().at <= script_[script_next_].at)) {
      const SDL_Event e = pending_.front().event;
      pending_.erase(pending_.begin());
      push(e);
      continue;
    }
    if (!script_due) {
      return;
    }
    const ScriptAction& a = script_[script_next_++];
    const std::string where = options_.input + ":" + std::to_string(a.line) + ": ";
    SDL_Event e{};
    if (a.kind == ScriptAction::Kind::Key) {
      std::string name = a.key;
      Uint16 mod = 0;
      for (const auto& [prefix, bit] :
           {std::pair<std::string, Uint16>{"ctrl+", KMOD_LCTRL}, {"shift+", KMOD_LSHIFT}, {"alt+", KMOD_LALT}}) {
        if (name.size() > prefix.size() && SDL_strncasecmp(name.c_str(), prefix.c_str(), prefix.size()) == 0) {
          mod = static_cast<Uint16>(mod | bit);
          name = name.substr(prefix.size());
        }
      }
      const SDL_Keycode sym = SDL_GetKeyFromName(name.c_str());
      if (sym == SDLK_UNKNOWN) {
        throw std::runtime_error(where + "unknown key \"" + a.key + "\"");
      }
      e.type = SDL_KEYDOWN;
      e.key.windowID = id;
      e.key.state = SDL_PRESSED;
      e.key.keysym.sym = sym;
      e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
      e.key.keysym.mod = mod;
      SDL_Event up = e;
      up.type = SDL_KEYUP;
      up.key.state = SDL_RELEASED;
      pending_.push_back({a.at + a.seconds, up});
      push(e);
      continue;
    }
    // Gauge pixels to window pixels, through the window as it now lies.
    const auto g = std::find_if(gauges_.begin(), gauges_.end(), [&](const GaugeView& v) {
      return v.gauge != nullptr && a.gauge == v.gauge->name && windows_[v.window].open;
    });
    if (g == gauges_.end()) {
      throw std::runtime_error(where + "\"" + a.gauge + "\" is in no open window");
    }
    const WindowView& w = windows_[g->window];
    const int x = static_cast<int>(std::floor(sx(w.x + g->cfg->x + (a.x + 0.5) * g->scale)));
    const int y = static_cast<int>(std::floor(sy(w.y + g->cfg->y + (a.y + 0.5) * g->scale)));
    const Hit hit = hit_test(x, y);
    if (hit.kind != Hit::Kind::Gauge || &gauges_[hit.index] != &*g) {
      throw std::runtime_error(where + "(" + std::to_string(a.x) + "," + std::to_string(a.y) + ") of \"" + a.gauge +
                               "\" is covered or outside the window");
    }
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = id;
    e.motion.x = x;
    e.motion.y = y;
    push(e);
    if (a.kind == ScriptAction::Kind::Move) {
      continue;
    }
    e = SDL_Event{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.windowID = id;
    e.button.button = a.kind == ScriptAction::Kind::RightClick ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.clicks = 1;
    e.button.x = x;
    e.button.y = y;
    SDL_Event up = e;
    up.type = SDL_MOUSEBUTTONUP;
    up.button.state = SDL_RELEASED;
    pending_.push_back({a.at + a.seconds, up});
    push(e);
  }
}

// A gauge's picture is drawn again only when what it shows has changed.
bool Cockpit::refresh_cache(GaugeView& g) {
  if (g.gauge == nullptr) {
    return false;
  }
  const testhost::TestHost& host = panel_->host();
  uint64_t sig = 0xCBF29CE484222325ULL;
  const auto mix = [&sig](const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i) {
      sig = (sig ^ bytes[i]) * 0x100000001B3ULL;
    }
  };
  mix(&night_, sizeof night_);
  for (const Element* e : g.elements) {
    mix(&e->image_flags, sizeof e->image_flags);
    const testhost::ElementValues& v = host.values(e);
    mix(v.value, sizeof v.value);
    if (e->kind == kKindString) {
      const std::string text = host.text(e);
      mix(text.data(), text.size());
      mix(&reinterpret_cast<const StringElement*>(e)->text_colour, sizeof(uint32_t));
    }
  }
  if (g.cache != nullptr && sig == g.signature && g.cache_zoom == zoom_) {
    return false;
  }
  const double scale = g.scale * zoom_;
  const int w = std::max(1, static_cast<int>(std::ceil(g.width * scale)));
  const int h = std::max(1, static_cast<int>(std::ceil(g.height * scale)));
  if (g.cache == nullptr || cairo_image_surface_get_width(g.cache) != w ||
      cairo_image_surface_get_height(g.cache) != h) {
    if (g.cache != nullptr) {
      cairo_surface_destroy(g.cache);
    }
    g.cache = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  }
  cairo_t* cr = cairo_create(g.cache);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_scale(cr, scale, scale);
  cairo_rectangle(cr, 0, 0, g.width, g.height);
  cairo_clip(cr);
  render::draw_gauge(cr, host, g.gauge, bitmaps_, render::RenderOptions{night_, 1.0});
  cairo_destroy(cr);
  g.signature = sig;
  g.cache_zoom = zoom_;
  return true;
}

void Cockpit::paint(cairo_t* cr, const SDL_Rect& clip) {
  cairo_save(cr);
  cairo_rectangle(cr, clip.x, clip.y, clip.w, clip.h);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
  cairo_paint(cr);
  std::vector<size_t> stack;
  if (windows_[0].open) {
    stack.push_back(0);
  }
  stack.insert(stack.end(), order_.begin(), order_.end());
  const double dim = night_ ? 0.35 : 1.0;
  for (size_t wi : stack) {
    const WindowView& w = windows_[wi];
    SDL_Rect r;
    const SDL_Rect whole = window_rect(w, wi != 0);
    if (!SDL_IntersectRect(&whole, &clip, &r)) {
      continue;
    }
    if (wi != 0) {
      const SDL_Rect title = rect(sx(w.x), sy(w.y - kTitleHeight), w.w * zoom_, kTitleHeight * zoom_);
      cairo_rectangle(cr, title.x, title.y, title.w, title.h);
      cairo_set_source_rgb(cr, 0.17, 0.19, 0.22);
      cairo_fill(cr);
      cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
      cairo_set_font_size(cr, 11 * zoom_);
      cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
      cairo_move_to(cr, title.x + 6 * zoom_, title.y + 13 * zoom_);
      cairo_show_text(cr, w.cfg->title.c_str());
      cairo_move_to(cr, title.x + title.w - 13 * zoom_, title.y + 13 * zoom_);
      cairo_show_text(cr, "\u00D7");
    }
    const SDL_Rect content = window_rect(w, false);
    cairo_save(cr);
    cairo_rectangle(cr, content.x, content.y, content.w, content.h);
    cairo_clip(cr);
    const int* bg = w.cfg->background;
    if (bg[0] >= 0) {
      cairo_set_source_rgb(cr, bg[0] / 255.0 * dim, bg[1] / 255.0 * dim, bg[2] / 255.0 * dim);
    } else {
      cairo_set_source_rgb(cr, 0.2 * dim, 0.23 * dim, 0.27 * dim);
    }
    cairo_paint(cr);
    for (const GaugeView& g : gauges_) {
      SDL_Rect gr = gauge_rect(g);
      if (g.window != wi || !SDL_HasIntersection(&gr, &clip)) {
        continue;
      }
      if (g.cache != nullptr) {
        cairo_set_source_surface(cr, g.cache, gr.x, gr.y);
        cairo_paint(cr);
      } else {
        cairo_set_source_rgb(cr, 0.8, 0.3, 0.3);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, gr.x + 0.5, gr.y + 0.5, gr.w - 1, gr.h - 1);
        cairo_stroke(cr);
        cairo_move_to(cr, gr.x + 3, gr.y + 12);
        cairo_show_text(cr, g.cfg->name.c_str());
      }
    }
    cairo_restore(cr);
  }
  if (clip.y < kMenuHeight) {
    paint_menu(cr);
  }
  if (tooltip_shown_) {
    paint_tooltip(cr);
  }
  if (help_) {
    paint_help(cr);
  }
  cairo_restore(cr);
}

void Cockpit::paint_menu(cairo_t* cr) {
  const int width = cairo_image_surface_get_width(back_);
  cairo_rectangle(cr, 0, 0, width, kMenuHeight);
  cairo_set_source_rgb(cr, 0.13, 0.14, 0.16);
  cairo_fill(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 12);
  for (size_t i = 0; i < menu_.size(); ++i) {
    const bool on = i < windows_.size()        ? windows_[i].open
                    : i == windows_.size()     ? night_
                    : i == windows_.size() + 1 ? paused_
                                               : help_;
    const SDL_Rect& r = menu_[i].rect;
    if (on) {
      cairo_rectangle(cr, r.x, r.y, r.w, r.h);
      cairo_set_source_rgb(cr, 0.25, 0.36, 0.5);
      cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, on ? 1.0 : 0.7, on ? 1.0 : 0.7, on ? 1.0 : 0.7);
    cairo_move_to(cr, r.x + 8, r.y + 13);
    cairo_show_text(cr, menu_[i].label.c_str());
  }
  // The simulator's clock and how fast it runs.
  const double clock = panel_->host().var(0x25C);
  const int day = static_cast<int>(std::fmod(clock, 86400.0));
  char status[96];
  std::snprintf(status, sizeof status, "%02d:%02d:%02d  t %.1f s  \u00D7%g%s", day / 3600, day / 60 % 60, day % 60,
                panel_->time(), options_.speed, paused_ ? "  paused" : "");
  cairo_text_extents_t ext;
  cairo_text_extents(cr, status, &ext);
  cairo_set_source_rgb(cr, 0.6, 0.85, 0.6);
  cairo_move_to(cr, width - ext.x_advance - 8, 15);
  cairo_show_text(cr, status);
}

std::string Cockpit::tooltip_text(int line) const {
  const GaugeView& g = gauges_[static_cast<size_t>(hover_gauge_)];
  const MouseArea* a = hover_area_;
  char text[160];
  if (line == 0) {
    const uint32_t help = help_id(g.gauge, a);
    char id[16] = "none";
    if (help != 0) {
      std::snprintf(id, sizeof id, "0x%X", help);
    }
    std::snprintf(text, sizeof text, "%s  \u00B7  help id %s", g.gauge->name, id);
  } else {
    std::snprintf(text, sizeof text, "(%d, %d)  area (%d, %d) %d\u00D7%d, %s%s", hover_gx_, hover_gy_, a->x, a->y,
                  a->width, a->height, cursor_name(a->cursor),
                  (a->event_flags & testhost::kMouseRepeat) != 0 ? ", repeats" : "");
  }
  return text;
}

SDL_Rect Cockpit::tooltip_rect() const {
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  // As wide as its longer line.
  cairo_t* cr = cairo_create(back_);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  double longest = 0;
  for (int line = 0; line < 2 && hover_gauge_ >= 0; ++line) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, tooltip_text(line).c_str(), &ext);
    longest = std::max(longest, ext.x_advance);
  }
  cairo_destroy(cr);
  const int tw = static_cast<int>(longest) + 14, th = 38;
  return {std::clamp(pointer_x_ + 14, 0, std::max(0, w - tw)), std::clamp(pointer_y_ + 20, 0, std::max(0, h - th)), tw,
          th};
}

// A filled box with a one-pixel outline: the tooltip and the help overlay.
void outlined_box(cairo_t* cr, double x, double y, double w, double h, const std::array<double, 4>& fill,
                  const std::array<double, 3>& line) {
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source_rgba(cr, fill[0], fill[1], fill[2], fill[3]);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, line[0], line[1], line[2]);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void Cockpit::paint_tooltip(cairo_t* cr) {
  const SDL_Rect r = tooltip_rect();
  outlined_box(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, {1.0, 1.0, 0.88, 0.95}, {0.3, 0.3, 0.3});
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
  for (int line = 0; line < 2; ++line) {
    cairo_move_to(cr, r.x + 6, r.y + 15 + 16 * line);
    cairo_show_text(cr, tooltip_text(line).c_str());
  }
}

void Cockpit::paint_help(cairo_t* cr) {
  const std::vector<KeyHelp>& keys = key_help();
  const double w = 620, h = 44 + 18.0 * static_cast<double>(keys.size());
  const double x = std::max(10.0, (cairo_image_surface_get_width(back_) - w) / 2);
  const double y = kMenuHeight + 30;
  outlined_box(cr, x, y, w, h, {0.05, 0.06, 0.08, 0.9}, {0.5, 0.6, 0.7});
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 13);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, x + 14, y + 22);
  cairo_show_text(cr, "Keys   (F1 or Esc closes)");
  cairo_set_font_size(cr, 12);
  for (size_t i = 0; i < keys.size(); ++i) {
    const double ly = y + 44 + 18.0 * static_cast<double>(i);
    cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_source_rgb(cr, 0.55, 0.85, 1.0);
    cairo_move_to(cr, x + 14, ly);
    cairo_show_text(cr, keys[i].keys);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
    cairo_move_to(cr, x + 250, ly);
    cairo_show_text(cr, keys[i].what);
  }
}

void Cockpit::redraw() {
  const Stopwatch watch;
  last_frame_ = watch.wall;
  SDL_Surface* screen = SDL_GetWindowSurface(window_);
  if (screen == nullptr) {
    return;
  }
  int width = 0, height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  for (GaugeView& g : gauges_) {
    if (windows_[g.window].open && refresh_cache(g)) {
      damage(gauge_rect(g));
    }
  }
  damage({0, 0, width, kMenuHeight});
  const bool show_tooltip = hover_gauge_ >= 0 && drag_window_ < 0 && seconds_since(hover_since_) >= kTooltipDelay;
  const SDL_Rect tip = tooltip_rect();
  if (tooltip_shown_ != show_tooltip || (show_tooltip && (tip.x != tooltip_drawn_.x || tip.y != tooltip_drawn_.y))) {
    damage(tooltip_drawn_);
    damage(tip);
  } else if (show_tooltip) {
    damage(tip);  // the pointer's gauge pixel changes within the area
  }
  tooltip_shown_ = show_tooltip;
  tooltip_drawn_ = show_tooltip ? tip : SDL_Rect{};
  if (full_damage_) {
    damage_ = {{0, 0, width, height}};
  }
  cairo_t* cr = cairo_create(back_);
  const SDL_Rect screen_rect{0, 0, width, height};
  std::vector<SDL_Rect> shown;
  for (const SDL_Rect& d : damage_) {
    SDL_Rect r;
    if (SDL_IntersectRect(&d, &screen_rect, &r)) {
      paint(cr, r);
      shown.push_back(r);
    }
  }
  cairo_destroy(cr);
  cairo_surface_flush(back_);
  for (SDL_Rect& r : shown) {
    SDL_BlitSurface(back_sdl_, &r, screen, &r);
  }
  if (full_damage_ || shown.size() > 32) {
    SDL_UpdateWindowSurface(window_);
  } else if (!shown.empty()) {
    SDL_UpdateWindowSurfaceRects(window_, shown.data(), static_cast<int>(shown.size()));
  }
  damage_.clear();
  full_damage_ = false;
  ++frames_;
  timing_.frame_ms.push_back(watch.wall_ms() + cycles_ms_since_frame_);
  timing_.frame_cpu_ms.push_back(watch.cpu_ms_since() + cycles_cpu_ms_since_frame_);
  cycles_ms_since_frame_ = 0.0;
  cycles_cpu_ms_since_frame_ = 0.0;
  if (timing_.first_frame_ms < 0) {
    timing_.first_frame_ms = std::chrono::duration<double>(Clock::now() - options_.started).count() * 1000.0;
  }
}

// Whatever was applied after the last cycle gets its cycle, so that the
// session ends in a state a replay reaches too.
void Cockpit::finish_session() {
  release();
  if (live_since_cycle_) {
    run_cycle();
  }
}

int Cockpit::run() {
  load();
  if (!open_window()) {
    return 2;
  }
  // The first frame comes after the first cycle, with the gauges evaluated.
  const auto wall_start = Clock::now();
  const double period = 1.0 / (refhost::kCyclesPerSecond * options_.speed);
  auto next = Clock::now();
  const auto tick = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(period));
  // At real time every cycle is shown; faster, at most 30 frames a second.
  const double frame_period = std::max(period, 1.0 / 30.0);
  bool ran_since_frame = false;
  while (!quit_) {
    const double wait = paused_ ? 0.05 : std::chrono::duration<double>(next - Clock::now()).count();
    SDL_Event e;
    if (wait > 0.0005 && SDL_WaitEventTimeout(&e, std::max(1, static_cast<int>(wait * 1000))) != 0) {
      handle(e);
    }
    drain_events();
    int ran = 0;
    while (!paused_ && !quit_ && Clock::now() >= next && ran < 16) {
      push_script();
      run_cycle();
      ran_since_frame = true;
      next += tick;
      ++ran;
      if (options_.quit_after > 0 && player_->last_cycle() >= options_.quit_after - 1e-9) {
        quit_ = true;
      }
    }
    if (paused_ || Clock::now() - next > std::chrono::milliseconds(250)) {
      next = Clock::now();  // behind (or paused): the simulation slows rather than rushing to catch up
    }
    const double since = seconds_since(last_frame_);
    const bool tooltip_due =
        hover_gauge_ >= 0 && !tooltip_shown_ && seconds_since(hover_since_) >= kTooltipDelay && drag_window_ < 0;
    const bool view_changed = full_damage_ || tooltip_due || (pointer_moved_ && (tooltip_shown_ || hover_gauge_ >= 0));
    if ((ran_since_frame && since >= frame_period * 0.9) || (view_changed && since >= 1 / 60.0)) {
      redraw();
      ran_since_frame = false;
      pointer_moved_ = false;
    }
  }
  finish_session();
  full_damage_ = true;
  redraw();
  const double wall = seconds_since(wall_start);

  int status = 0;
  if (!options_.screenshot.empty() && !render::write_png(back_, options_.screenshot)) {
    std::cerr << "corvane: could not write " << options_.screenshot << "\n";
    status = 2;
  }
  if (!options_.record.empty()) {
    refhost::Recording recording;
    recording.name = "Recorded session" + (options_.scenario.empty() ? std::string() : " over " + scenario_.name);
    recording.approach_identifier = scenario_.approach_identifier;
    recording.flight_model = scenario_.flight_model;
    recording.gauges = installed_;
    recording.steps = player_->applied();
    recording.steps.push_back(refhost::final_state(*panel_, player_->last_cycle()));
    std::ofstream file(options_.record);
    file << refhost::recording_text(recording);
    if (!file) {
      std::cerr << "corvane: could not write " << options_.record << "\n";
      status = 2;
    }
  }
  const refhost::RunResult result = player_->finish();
  std::printf("cockpit: %ld cycles, %.2f simulated s in %.2f s wall (x%.2f); video %s, audio %s\n", result.cycles,
              result.simulated_seconds, wall, wall > 0 ? result.simulated_seconds / wall : 0.0,
              SDL_GetCurrentVideoDriver(), audio_->open() ? audio_->driver() : "none");
  std::printf("frames: %ld, %.1f a second; one cycle %.3f ms mean, %.3f ms max\n", frames_,
              static_cast<double>(frames_) / wall, mean(timing_.cycle_ms), percentile(timing_.cycle_ms, 1.0));
  // The first frame draws every gauge from nothing; the others only what changed.
  const std::vector<double> wall_ms(timing_.frame_ms.begin() + (frames_ > 1 ? 1 : 0), timing_.frame_ms.end());
  const std::vector<double> cpu_ms(timing_.frame_cpu_ms.begin() + (frames_ > 1 ? 1 : 0), timing_.frame_cpu_ms.end());
  std::printf("cycles and redraw per frame, wall: %.2f ms mean, %.2f ms 95th percentile, %.2f ms max\n", mean(wall_ms),
              percentile(wall_ms, 0.95), percentile(wall_ms, 1.0));
  std::printf("cycles and redraw per frame, processor: %.2f ms mean, %.2f ms 95th percentile, %.2f ms max\n",
              mean(cpu_ms), percentile(cpu_ms, 0.95), percentile(cpu_ms, 1.0));
  std::printf("first frame %.0f ms after start (%.0f ms to draw); sounds played %d, from %d files\n",
              timing_.first_frame_ms, timing_.frame_ms.empty() ? 0.0 : timing_.frame_ms.front(), audio_->plays(),
              audio_->files());
  if (!options_.scenario.empty()) {
    std::printf("scenario: %d of %d expectations met\n", result.met, result.expectations);
    status = status != 0 ? status : result.ok() ? 0 : 1;
  }
  return status;
}

}  // namespace

int run_cockpit(const refhost::ModuleFile& module, const CockpitOptions& options) {
  Cockpit cockpit(module, options);
  return cockpit.run();
}

}  // namespace corvane::cockpit
