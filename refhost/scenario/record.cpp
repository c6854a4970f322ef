#include "scenario/record.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "corvane_testhost/platform_world.h"
#include "sim/simulator.h"

namespace corvane::refhost {

namespace {

// Round-trips every double; TOML's own words for the non-finite ones.
std::string number(double v) {
  if (std::isnan(v)) {
    return "nan";
  }
  if (std::isinf(v)) {
    return v > 0 ? "inf" : "-inf";
  }
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

std::string hex(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "\"0x%X\"", v);
  return text;
}

std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u == 0x7F) {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\u%04X", u);
      out += esc;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string token_key(uint32_t token) {
  for (const TokenSpec& spec : token_table()) {
    if (spec.token == token) {
      return spec.name;
    }
  }
  return hex(token);
}

// The fields of the two shared blocks that the other module's display reads.
constexpr std::pair<const char*, uint32_t> kBlockFields[] = {
    {"NDPassData", 0}, {"NDPassData", 10}, {"NDPassData", 20}, {"NDPassData", 30}, {"PassData", 0}};

void write_click(std::ostream& out, const Step::Click& c) {
  out << (c.hold > 0 ? "hold" : "click") << " = { gauge = " << quoted(c.gauge) << ", x = " << c.x << ", y = " << c.y;
  if (c.hold > 0) {
    out << ", seconds = " << number(c.hold);
  }
  if (c.button == testhost::kMouseRightClick) {
    out << ", button = \"right\"";
  }
  out << " }\n";
}

void write_expectation(std::ostream& out, const Expectation& e) {
  if (e.kind == Expectation::Kind::Var) {
    out << "  { var = " << quoted(token_key(e.token)) << ", eq = " << number(e.number) << " },\n";
  } else if (e.kind == Expectation::Kind::Block) {
    out << "  { block = " << quoted(e.block) << ", offset = " << e.token << ", text = " << quoted(e.text) << " },\n";
  }
}

void write_step(std::ostream& out, const Step& s) {
  out << "\n[[step]]\nat = " << number(s.at) << "\n";
  if (!s.note.empty()) {
    out << "note = " << quoted(s.note) << "\n";
  }
  auto table = [&](const char* key, const auto& items, auto item) {
    if (items.empty()) {
      return;
    }
    out << key << " = {";
    const char* sep = " ";
    for (const auto& i : items) {
      out << sep;
      item(i);
      sep = ", ";
    }
    out << " }\n";
  };
  table("set", s.sets, [&](const auto& p) { out << quoted(token_key(p.first)) << " = " << number(p.second); });
  table("ramp", s.ramps, [&](const Step::Ramp& r) {
    out << quoted(token_key(r.token)) << " = { to = " << number(r.to) << ", over = " << number(r.over) << " }";
  });
  table("fsuipc", s.fsuipc, [&](const auto& p) { out << p.first << " = " << number(p.second); });
  for (const Step::BlockWrite& w : s.block_writes) {
    out << "write_block = { name = " << quoted(w.name) << ", offset = " << w.offset << ", text = " << quoted(w.bytes)
        << " }\n";
  }
  if (!s.sends.empty()) {
    out << "send = [";
    const char* sep = "";
    for (const auto& [id, value] : s.sends) {
      out << sep << "{ event = " << hex(id) << ", value = " << value << " }";
      sep = ", ";
    }
    out << "]\n";
  }
  // A step holds at most one click and one hold: further ones go to steps of
  // their own at the same time, which keeps their order.
  bool click_used = false;
  bool hold_used = false;
  for (const Step::Click& c : s.clicks) {
    bool& used = c.hold > 0 ? hold_used : click_used;
    if (used) {
      out << "\n[[step]]\nat = " << number(s.at) << "\n";
      click_used = hold_used = false;
    }
    write_click(out, c);
    used = true;
  }
  if (!s.expects.empty()) {
    out << "expect = [\n";
    for (const Expectation& e : s.expects) {
      write_expectation(out, e);
    }
    out << "]\n";
  }
}

}  // namespace

Step final_state(Panel& panel, double last_cycle) {
  Step step;
  step.at = last_cycle;
  step.note = "End of the recorded session: the state it ended in";
  for (const TokenSpec& spec : token_table()) {
    const double v = panel.host().var(spec.token);
    // The approach identifier is the address of a text; NaN never equals itself.
    if (spec.token == 0x35D || std::isnan(v)) {
      continue;
    }
    Expectation e;
    e.kind = Expectation::Kind::Var;
    e.token = spec.token;
    e.number = v;
    step.expects.push_back(e);
  }
  for (const auto& [name, offset] : kBlockFields) {
    if (testhost::platform().shared_memory.find(name) == nullptr) {
      continue;
    }
    Expectation e;
    e.kind = Expectation::Kind::Block;
    e.block = name;
    e.token = offset;
    e.text = block_field(name, offset);
    step.expects.push_back(e);
  }
  return step;
}

std::string recording_text(const Recording& r) {
  std::ostringstream out;
  out << "# A session of the live cockpit (corvane cockpit --record): every action at the\n"
         "# simulation time it was applied, then the state the session ended in.\n"
         "# `corvane fly` replays it and fails where the replay ends otherwise.\n\n"
         "[scenario]\nname = "
      << quoted(r.name) << "\napproach_identifier = " << quoted(r.approach_identifier)
      << "\nflight_model = " << (r.flight_model ? "true" : "false") << "\ntail = 0\n";
  for (const GaugeSetup& g : r.gauges) {
    out << "\n[[gauge]]\nname = " << quoted(g.name) << "\n";
    if (g.parameters) {
      out << "parameters = " << quoted(*g.parameters) << "\n";
    }
  }
  for (const Step& s : r.steps) {
    write_step(out, s);
  }
  return out.str();
}

}  // namespace corvane::refhost
