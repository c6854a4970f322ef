#include "scenario/panel.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <sstream>

#include "corvane_testhost/platform_world.h"

namespace corvane::refhost {

namespace {

std::string file_path(const std::string& dir, const std::string& path) {
  std::string p = path;
  for (char& c : p) {
    if (c == '\\') {
      c = '/';
    }
  }
  return dir + "/" + p;
}

}  // namespace

Panel::Panel(testhost::ModuleView module, std::string sound_dir) {
  testhost::reset_platform();
  host_ = std::make_unique<testhost::TestHost>(module);
  sim_ = std::make_unique<Simulator>(*host_);
  if (!sound_dir.empty()) {
    testhost::platform().sound.file_exists = [sound_dir](const std::string& path) {
      return std::filesystem::is_regular_file(file_path(sound_dir, path));
    };
  }
  testhost::platform().sound.clock = [this]() { return sim_->time(); };
  set_approach_identifier("ILS");
}

Panel::~Panel() { kill_all(); }

void Panel::set_approach_identifier(const std::string& text) {
  identifier_ = text;
  host_->set_text_var(0x35D, identifier_.c_str());
}

void Panel::install(const std::vector<GaugeSetup>& gauges) {
  std::map<std::string, std::optional<std::string>> wanted;
  for (const GaugeSetup& g : gauges) {
    wanted[g.name] = g.parameters;
  }
  for (GaugeHeader* g : host_->gauges()) {
    const auto it = wanted.find(g->name);
    if (!gauges.empty() && it == wanted.end()) {
      continue;
    }
    const char* parameters = it != wanted.end() && it->second ? it->second->c_str() : nullptr;
    host_->install(g, parameters);
    gauges_.push_back(g);
  }
}

void Panel::kill_all() {
  for (GaugeHeader* g : gauges_) {
    host_->kill(g);
  }
  gauges_.clear();
}

void Panel::cycle() {
  for (GaugeHeader* g : gauges_) {
    host_->cycle(g);
  }
  sim_->advance(1.0 / kCyclesPerSecond);
  ++cycles_;
}

namespace {

struct ActiveRamp {
  uint32_t token;
  double from;
  double to;
  double start;
  double over;
};

struct ActiveHold {
  GaugeHeader* gauge;
  int x;
  int y;
  uint32_t button;
  double start;
  double until;
  // Where the hold sits among the applied steps, to record how long it lasted.
  size_t applied_step;
  size_t click;
};

// What the E/WD shows, read from its text elements as a pilot reads the
// screen: the memo column (ten-character slots at x 138) and the message
// lines of the left column (seventeen characters at x 10, from y 138 down).
std::vector<std::string> ewd_texts(testhost::TestHost& host, int x, uint32_t chars) {
  std::vector<std::string> texts;
  GaugeHeader* ewd = host.gauge("E/WD");
  if (ewd == nullptr) {
    return texts;
  }
  for (Element* e : testhost::TestHost::elements(ewd)) {
    if (e->kind == kKindString && e->x == x && e->y >= 138 &&
        reinterpret_cast<const StringElement*>(e)->char_count == chars && (e->image_flags & kFlagHidden) == 0) {
      texts.push_back(host.text(e));
    }
  }
  return texts;
}

bool ewd_shows(testhost::TestHost& host, int x, uint32_t chars, const std::string& text) {
  const std::vector<std::string> texts = ewd_texts(host, x, chars);
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool shows_memo(testhost::TestHost& host, const std::string& text) { return ewd_shows(host, 138, 10, text); }
bool shows_message(testhost::TestHost& host, const std::string& text) { return ewd_shows(host, 10, 17, text); }

// The SD's page is the one whose page picture is not hidden.
constexpr uint32_t kPagePictures[] = {0x60A0, 0x6090, 0x6170, 0x60B0, 0x60C0, 0x6140, 0x6020, 0x6160};

int shown_page(testhost::TestHost& host) {
  GaugeHeader* sd = host.gauge("SD");
  if (sd == nullptr) {
    return 0;
  }
  for (Element* e : testhost::TestHost::elements(sd)) {
    for (int page = 1; page <= 8; ++page) {
      if (e->kind == kKindIcon && e->bitmap_id == kPagePictures[page - 1] && (e->image_flags & kFlagHidden) == 0) {
        return page;
      }
    }
  }
  return 0;
}

}  // namespace

// Both shared blocks are rows of ten-byte fields, each read up to its terminator.
constexpr size_t kFieldSize = 10;

std::string block_field(const std::string& name, uint32_t offset) {
  const auto* block = testhost::platform().shared_memory.find(name);
  if (block == nullptr) {
    return "(no block)";
  }
  const uint8_t* data = testhost::platform().shared_memory.block(name);
  std::string text;
  const size_t end = std::min(block->data.size(), static_cast<size_t>(offset) + kFieldSize);
  for (size_t i = offset; i < end && data[i] != 0; ++i) {
    text += std::isprint(data[i]) != 0 ? static_cast<char>(data[i]) : '?';
  }
  return text;
}

std::string describe_blocks() {
  std::string out;
  const std::pair<const char*, size_t> blocks[] = {{"NDPassData", 4}, {"PassData", 1}};
  for (const auto& [name, fields] : blocks) {
    out += name;
    out += ":";
    for (size_t f = 0; f < fields; ++f) {
      out += " \"" + block_field(name, static_cast<uint32_t>(f * kFieldSize)) + "\"";
    }
    out += "\n";
  }
  return out;
}

namespace {

std::string check(Panel& panel, const Expectation& e, size_t events_from, size_t sounds_from) {
  testhost::TestHost& host = panel.host();
  std::ostringstream seen;
  Element* element = nullptr;
  if (e.element >= 0) {
    element = host.element(host.gauge(e.gauge), static_cast<size_t>(e.element));
    if (element == nullptr) {
      return "the gauge has no element " + std::to_string(e.element);
    }
  }
  switch (e.kind) {
    case Expectation::Kind::Text:
      if (element->kind != kKindString) {
        return "element is not a string";
      }
      if (host.text(element) == e.text) {
        return {};
      }
      return "reads \"" + host.text(element) + "\"";
    case Expectation::Kind::Colour: {
      const uint32_t colour = reinterpret_cast<StringElement*>(element)->text_colour;
      if (element->kind == kKindString && colour == e.number_u32) {
        return {};
      }
      seen << "colour is 0x" << std::hex << colour;
      return seen.str();
    }
    case Expectation::Kind::Hidden: {
      const bool hidden = (element->image_flags & kFlagHidden) != 0;
      return hidden == e.flag ? std::string() : std::string(hidden ? "is hidden" : "is shown");
    }
    case Expectation::Kind::Icon:
    case Expectation::Kind::Value: {
      const double v = host.values(element).value[e.slot];
      if (std::fabs(v - e.number) <= e.tolerance) {
        return {};
      }
      seen << "value is " << v;
      return seen.str();
    }
    case Expectation::Kind::Event:
    case Expectation::Kind::NoEvent: {
      bool found = false;
      const auto& events = host.events();
      for (size_t i = events_from; i < events.size(); ++i) {
        if (events[i].id == e.number_u32 && (!e.event_value || *e.event_value == events[i].value)) {
          found = true;
        }
      }
      if (found == (e.kind == Expectation::Kind::Event)) {
        return {};
      }
      return found ? "it was sent" : "it was not sent";
    }
    case Expectation::Kind::Sound:
    case Expectation::Kind::NoSound: {
      const auto played = testhost::platform().sound.played();
      bool found = false;
      for (size_t i = sounds_from; i < played.size() && !found; ++i) {
        found = played[i] == e.text;
      }
      if (found == (e.kind == Expectation::Kind::Sound)) {
        return {};
      }
      return found ? "it played" : "it did not play";
    }
    case Expectation::Kind::Memo:
      return shows_memo(host, e.text) ? std::string() : "it is not in any memo slot";
    case Expectation::Kind::NoMemo:
      return shows_memo(host, e.text) ? "it is shown" : std::string();
    case Expectation::Kind::Message:
      return shows_message(host, e.text) ? std::string() : "it is not shown";
    case Expectation::Kind::NoMessage:
      return shows_message(host, e.text) ? "it is shown" : std::string();
    case Expectation::Kind::Page: {
      const int page = shown_page(host);
      if (page == static_cast<int>(e.number)) {
        return {};
      }
      return std::string("it shows ") + (page == 0 ? "no page" : sd_page_name(page));
    }
    case Expectation::Kind::Block: {
      const std::string field = block_field(e.block, e.token);
      if (field == e.text) {
        return {};
      }
      return "it reads \"" + field + "\"";
    }
    case Expectation::Kind::Var: {
      const double v = host.var(e.token);
      if (std::fabs(v - e.number) <= e.tolerance) {
        return {};
      }
      seen << "it is " << v;
      return seen.str();
    }
  }
  return "unknown expectation";
}

// FNV-1a over what every installed gauge shows after a cycle.
uint64_t digest_panel(Panel& panel, uint64_t digest) {
  const auto mix = [&digest](const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (size_t i = 0; i < size; ++i) {
      digest = (digest ^ bytes[i]) * 0x100000001B3ULL;
    }
  };
  testhost::TestHost& host = panel.host();
  for (GaugeHeader* g : panel.gauges()) {
    for (Element* e : testhost::TestHost::elements(g)) {
      const uint32_t hidden = e->image_flags & kFlagHidden;
      mix(&hidden, sizeof hidden);
      if (e->kind == kKindString) {
        const std::string text = host.text(e);
        mix(text.data(), text.size() + 1);
        mix(&reinterpret_cast<const StringElement*>(e)->text_colour, sizeof(uint32_t));
        continue;
      }
      // To a millionth: the last bits of a sine may differ between C runtimes.
      for (double v : host.values(e).value) {
        const double rounded = std::isfinite(v) ? std::round(std::clamp(v, -1e12, 1e12) * 1e6) + 0.0 : 0.0;
        mix(&rounded, sizeof rounded);
      }
    }
  }
  return digest;
}

}  // namespace

struct Player::State {
  double end = 0.0;
  std::vector<ActiveRamp> ramps;
  std::vector<ActiveHold> holds;
  std::vector<const Step*> due;
  size_t next = 0;
  size_t events_from = 0;
  size_t sounds_from = 0;
  std::chrono::steady_clock::time_point wall_start = std::chrono::steady_clock::now();
};

Player::Player(Panel& panel, const Scenario& scenario, RunOptions options)
    : panel_(panel), scenario_(scenario), options_(std::move(options)), state_(std::make_unique<State>()) {
  result_.digest = 0xCBF29CE484222325ULL;
  state_->end = (scenario.steps.empty() ? 0.0 : scenario.steps.back().at) +
                (scenario.tail ? *scenario.tail : options_.tail_seconds);
  panel.sim().flight_model = scenario.flight_model;
}

Player::~Player() = default;

void Player::apply(const Step& step) { apply_step(step, true); }

void Player::apply_step(const Step& step, bool live) {
  State& st = *state_;
  const double now = panel_.time();
  if (options_.keep_applied) {
    applied_.push_back(step);
    applied_.back().at = now;
    applied_.back().expects.clear();
    applied_.back().renders.clear();
  }
  if (!step.note.empty() && !live && options_.log) {
    options_.log("t=" + std::to_string(now) + " " + step.note);
  }
  for (const auto& [token, value] : step.sets) {
    panel_.host().set_var(token, value);
  }
  for (const Step::Ramp& r : step.ramps) {
    std::erase_if(st.ramps, [&](const ActiveRamp& a) { return a.token == r.token; });
    st.ramps.push_back({r.token, panel_.host().var(r.token), r.to, now, r.over});
  }
  for (const auto& [name, value] : step.fsuipc) {
    FsuipcValues& f = panel_.sim().fsuipc;
    if (name == "throttle_axis") {
      f.throttle_axis = static_cast<int16_t>(value);
    } else if (name == "roll_axis") {
      f.roll_axis = static_cast<int16_t>(value);
    } else if (name == "zfw") {
      f.zfw_lb_x256 = static_cast<int32_t>(value * 256.0);
    } else if (name == "pushback") {
      f.pushback_state = static_cast<int32_t>(value);
    }
  }
  for (const Step::BlockWrite& w : step.block_writes) {
    const auto* block = testhost::platform().shared_memory.find(w.name);
    uint8_t* data = testhost::platform().shared_memory.block(w.name);
    if (data == nullptr) {
      result_.failures.push_back(scenario_.file + ":" + std::to_string(step.line) + ": no shared block \"" + w.name +
                                 "\" to write");
      continue;
    }
    for (size_t i = 0; i < w.bytes.size() && w.offset + i < block->data.size(); ++i) {
      data[w.offset + i] = static_cast<uint8_t>(w.bytes[i]);
    }
  }
  for (const auto& [id, value] : step.sends) {
    panel_.host().raise(id, value);
  }
  for (size_t i = 0; i < step.clicks.size(); ++i) {
    const Step::Click& c = step.clicks[i];
    GaugeHeader* g = panel_.host().gauge(c.gauge);
    panel_.host().click(g, c.x, c.y, c.button);
    const MouseArea* area = panel_.host().area_at(g, c.x, c.y, c.button);
    if (c.hold > 0 && area != nullptr && (area->event_flags & testhost::kMouseRepeat) != 0) {
      st.holds.push_back({g, c.x, c.y, c.button, now, now + c.hold, applied_.size() - 1, i});
    } else if (options_.keep_applied) {
      applied_.back().clicks[i].hold = 0.0;  // a click, however long the button stayed down
    }
  }
}

void Player::release() {
  const double now = panel_.time();
  for (ActiveHold& h : state_->holds) {
    if (std::isinf(h.until)) {
      h.until = now;
      if (options_.keep_applied) {
        applied_[h.applied_step].clicks[h.click].hold = now - h.start;
      }
    }
  }
}

void Player::cycle() {
  State& st = *state_;
  const double now = panel_.time();
  last_cycle_ = now;
  st.due.clear();
  while (st.next < scenario_.steps.size() && scenario_.steps[st.next].at <= now + 1e-9) {
    const Step& step = scenario_.steps[st.next++];
    st.due.push_back(&step);
    apply_step(step, false);
  }
  for (const ActiveRamp& r : st.ramps) {
    const double f = std::min(1.0, (now - r.start) / r.over);
    panel_.host().set_var(r.token, r.from + (r.to - r.from) * f);
  }
  std::erase_if(st.ramps, [&](const ActiveRamp& r) { return now - r.start >= r.over; });
  // A held button repeats once a cycle, with the repeat flag.
  for (const ActiveHold& h : st.holds) {
    if (now > h.until - 1e-9) {
      continue;
    }
    panel_.host().click(h.gauge, h.x, h.y, h.button | testhost::kMouseRepeat);
  }
  std::erase_if(st.holds, [&](const ActiveHold& h) { return now > h.until - 1e-9; });

  panel_.sim().publish_fsuipc();
  panel_.cycle();
  if (options_.digest) {
    result_.digest = digest_panel(panel_, result_.digest);
  }

  for (const Step* step : st.due) {
    for (const Expectation& e : step->expects) {
      ++result_.expectations;
      const std::string problem = check(panel_, e, st.events_from, st.sounds_from);
      if (problem.empty()) {
        ++result_.met;
      } else {
        result_.failures.push_back(scenario_.file + ":" + std::to_string(e.line) + ": at " + std::to_string(step->at) +
                                   " s expected " + e.describe() + ", but " + problem);
      }
    }
    if (options_.frame) {
      for (const Frame& f : step->renders) {
        options_.frame(panel_, f);
      }
    }
  }
  if (!st.due.empty()) {
    st.events_from = panel_.host().events().size();
    st.sounds_from = testhost::platform().sound.played().size();
  }
}

bool Player::finished() const {
  const double t = panel_.time();
  return t > state_->end + 1e-9 ||
         (state_->next >= scenario_.steps.size() && t + 1.0 / kCyclesPerSecond > state_->end + 1e-9);
}

RunResult Player::finish() {
  RunResult result = result_;
  for (const auto& call : testhost::platform().sound.calls()) {
    if (call.kind == testhost::SoundCall::Kind::Play && call.result != 0) {
      result.sounds.push_back({call.time, call.path});
    }
  }
  result.simulated_seconds = panel_.time();
  result.cycles = panel_.cycles();
  result.wall_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - state_->wall_start).count();
  return result;
}

RunResult fly(Panel& panel, const Scenario& scenario, const RunOptions& options) {
  Player player(panel, scenario, options);
  do {
    player.cycle();
  } while (!player.finished());
  return player.finish();
}

}  // namespace corvane::refhost
