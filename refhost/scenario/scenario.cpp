#include "scenario/scenario.h"

#include <toml++/toml.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "sim/simulator.h"

namespace corvane::refhost {

namespace {

class Reader {
 public:
  Reader(std::string file, const std::vector<std::string>& gauges) : file_(std::move(file)), gauges_(gauges) {}

  [[noreturn]] void fail(const toml::node* node, const std::string& problem) const {
    throw ScenarioError(file_, node != nullptr ? static_cast<int>(node->source().begin.line) : 0, problem);
  }

  static int line_of(const toml::node& node) { return static_cast<int>(node.source().begin.line); }

  double number(const toml::node& node, const std::string& what) const {
    if (const auto v = node.value<double>()) {
      return *v;
    }
    fail(&node, what + " must be a number");
  }

  std::string string(const toml::node& node, const std::string& what) const {
    if (const auto v = node.value<std::string>()) {
      return *v;
    }
    fail(&node, what + " must be a string");
  }

  uint32_t hex_or_int(const toml::node& node, const std::string& what) const {
    if (const auto v = node.value<int64_t>()) {
      if (*v < 0 || *v > 0xFFFFFFFFLL) {
        fail(&node, what + " is out of range");
      }
      return static_cast<uint32_t>(*v);
    }
    if (const auto s = node.value<std::string>()) {
      if (const auto t = parse_token(*s)) {
        return *t;
      }
    }
    fail(&node, what + " must be an integer or a \"0x...\" number");
  }

  uint32_t token(const toml::node& node, const std::string& key) const {
    if (const auto t = parse_token(key)) {
      return *t;
    }
    fail(&node, "unknown token name \"" + key + "\"");
  }

  std::string gauge(const toml::node& node) const {
    const std::string name = string(node, "gauge");
    if (std::find(gauges_.begin(), gauges_.end(), name) == gauges_.end()) {
      fail(&node, "unknown gauge \"" + name + "\"");
    }
    return name;
  }

  void only_keys(const toml::table& table, std::initializer_list<std::string_view> allowed) const {
    for (const auto& [key, value] : table) {
      if (std::find(allowed.begin(), allowed.end(), key.str()) == allowed.end()) {
        fail(&value, "unknown key \"" + std::string(key.str()) + "\"");
      }
    }
  }

  const toml::table& table(const toml::node& node, const std::string& what) const {
    if (const auto* t = node.as_table()) {
      return *t;
    }
    fail(&node, what + " must be a table");
  }

  Expectation expectation(const toml::node& node) const {
    const toml::table& t = table(node, "an expectation");
    only_keys(t, {"gauge", "element", "text", "colour", "hidden", "icon", "value", "tolerance", "event", "eq", "absent",
                  "sound", "memo", "message", "var", "page", "block", "offset", "slot"});
    Expectation e;
    e.line = line_of(node);
    const bool absent = t["absent"].value_or(false);
    auto need_element = [&]() {
      if (!t.contains("gauge") || !t.contains("element")) {
        fail(&node, "this expectation needs \"gauge\" and \"element\"");
      }
      e.gauge = gauge(*t.get("gauge"));
      const double index = number(*t.get("element"), "element");
      if (index < 0 || index != static_cast<int>(index)) {
        fail(t.get("element"), "element must be a whole number from 0");
      }
      e.element = static_cast<int>(index);
    };
    if (const auto* n = t.get("tolerance")) {
      e.tolerance = number(*n, "tolerance");
    }
    if (const auto* n = t.get("slot")) {
      const double slot = number(*n, "slot");
      if (slot != 0 && slot != 1 && slot != 2) {
        fail(n, "slot must be 0, 1 or 2");
      }
      e.slot = static_cast<int>(slot);
    }
    if (t.contains("text") && !t.contains("block")) {
      const auto* n = t.get("text");
      need_element();
      e.kind = Expectation::Kind::Text;
      e.text = string(*n, "text");
    } else if (const auto* n2 = t.get("colour")) {
      need_element();
      e.kind = Expectation::Kind::Colour;
      e.number_u32 = hex_or_int(*n2, "colour");
    } else if (const auto* n3 = t.get("hidden")) {
      need_element();
      e.kind = Expectation::Kind::Hidden;
      if (!n3->is_boolean()) {
        fail(n3, "hidden must be true or false");
      }
      e.flag = n3->value_or(false);
    } else if (const auto* n4 = t.get("icon")) {
      need_element();
      e.kind = Expectation::Kind::Icon;
      e.number = number(*n4, "icon");
    } else if (const auto* n5 = t.get("value")) {
      need_element();
      e.kind = Expectation::Kind::Value;
      e.number = number(*n5, "value");
    } else if (const auto* n6 = t.get("event")) {
      e.kind = absent ? Expectation::Kind::NoEvent : Expectation::Kind::Event;
      e.number_u32 = hex_or_int(*n6, "event");
      if (const auto* v = t.get("eq")) {
        e.event_value = hex_or_int(*v, "eq");
      }
    } else if (const auto* n7 = t.get("sound")) {
      e.kind = absent ? Expectation::Kind::NoSound : Expectation::Kind::Sound;
      e.text = string(*n7, "sound");
    } else if (const auto* n8 = t.get("memo")) {
      e.kind = absent ? Expectation::Kind::NoMemo : Expectation::Kind::Memo;
      e.text = string(*n8, "memo");
    } else if (const auto* n9 = t.get("message")) {
      e.kind = absent ? Expectation::Kind::NoMessage : Expectation::Kind::Message;
      e.text = string(*n9, "message");
    } else if (const auto* n10 = t.get("var")) {
      e.kind = Expectation::Kind::Var;
      e.token = token(*n10, string(*n10, "var"));
      if (!t.contains("eq")) {
        fail(&node, "a var expectation needs \"eq\"");
      }
      e.number = number(*t.get("eq"), "eq");
    } else if (const auto* n11 = t.get("page")) {
      e.kind = Expectation::Kind::Page;
      e.text = string(*n11, "page");
      const int page = sd_page_number(e.text);
      if (page == 0) {
        fail(n11, "unknown SD page \"" + e.text + "\" (ENG, ELEC, HYD, FUEL, DOOR, WHEEL, F/CTL, CRUISE)");
      }
      e.number = page;
    } else if (const auto* n12 = t.get("block")) {
      e.kind = Expectation::Kind::Block;
      e.block = string(*n12, "block");
      if (e.block != "NDPassData" && e.block != "PassData") {
        fail(n12, "unknown shared block \"" + e.block + "\" (NDPassData, PassData)");
      }
      if (!t.contains("text")) {
        fail(&node, "a block expectation needs \"text\"");
      }
      e.text = string(*t.get("text"), "text");
      e.token = static_cast<uint32_t>(t["offset"].value_or(int64_t{0}));
    } else {
      fail(&node,
           "an expectation needs one of text, colour, hidden, icon, value, event, sound, memo, message, var, page, "
           "block");
    }
    return e;
  }

  // "name" for the whole panel, or { name, gauges = [...], scale, night }.
  Frame frame(const toml::node& node) const {
    Frame f;
    if (node.is_string()) {
      f.name = string(node, "render");
    } else {
      const toml::table& t = table(node, "render");
      only_keys(t, {"name", "gauges", "scale", "night"});
      if (!t.contains("name")) {
        fail(&node, "a render needs a name");
      }
      f.name = string(*t.get("name"), "name");
      if (const auto* g = t.get("gauges")) {
        const auto* array = g->as_array();
        if (array == nullptr) {
          fail(g, "gauges must be an array of gauge names");
        }
        for (const toml::node& item : *array) {
          f.gauges.push_back(gauge(item));
        }
      }
      if (const auto* sc = t.get("scale")) {
        f.scale = number(*sc, "scale");
        if (!(f.scale >= 0.1 && f.scale <= 8.0)) {
          fail(sc, "scale must be between 0.1 and 8");
        }
      }
      f.night = t["night"].value_or(false);
    }
    if (f.name.empty() || f.name.find_first_of("/\\") != std::string::npos) {
      fail(&node, "a frame name must be a plain file name");
    }
    return f;
  }

  Step step(const toml::node& node, double previous) const {
    const toml::table& t = table(node, "a step");
    only_keys(t, {"at", "note", "set", "ramp", "fsuipc", "click", "hold", "write_block", "send", "expect", "render"});
    Step s;
    s.line = line_of(node);
    if (!t.contains("at")) {
      fail(&node, "a step needs \"at\" (seconds of simulation time)");
    }
    s.at = number(*t.get("at"), "at");
    if (s.at < previous) {
      fail(t.get("at"), "time goes backwards: " + std::to_string(s.at) + " s after " + std::to_string(previous) + " s");
    }
    s.note = t["note"].value_or(std::string());
    if (const auto* set = t.get("set")) {
      for (const auto& [key, value] : table(*set, "set")) {
        s.sets.emplace_back(token(value, std::string(key.str())), number(value, std::string(key.str())));
      }
    }
    if (const auto* ramp = t.get("ramp")) {
      for (const auto& [key, value] : table(*ramp, "ramp")) {
        const toml::table& r = table(value, "a ramp");
        only_keys(r, {"to", "over"});
        if (!r.contains("to") || !r.contains("over")) {
          fail(&value, "a ramp needs \"to\" and \"over\"");
        }
        const double over = number(*r.get("over"), "over");
        if (!(over > 0)) {
          fail(r.get("over"), "over must be more than 0 seconds");
        }
        s.ramps.push_back({token(value, std::string(key.str())), number(*r.get("to"), "to"), over});
      }
    }
    if (const auto* f = t.get("fsuipc")) {
      const toml::table& ft = table(*f, "fsuipc");
      only_keys(ft, {"throttle_axis", "roll_axis", "zfw", "pushback"});
      for (const auto& [key, value] : ft) {
        s.fsuipc.emplace_back(std::string(key.str()), number(value, std::string(key.str())));
      }
    }
    for (const char* kind : {"click", "hold"}) {
      const auto* c = t.get(kind);
      if (c == nullptr) {
        continue;
      }
      const toml::table& ct = table(*c, kind);
      only_keys(ct, {"gauge", "x", "y", "seconds", "button"});
      if (!ct.contains("gauge") || !ct.contains("x") || !ct.contains("y")) {
        fail(c, std::string(kind) + " needs gauge, x and y");
      }
      const double hold = std::string(kind) == "hold" ? ct["seconds"].value_or(1.0) : 0.0;
      s.clicks.push_back({gauge(*ct.get("gauge")), static_cast<int>(number(*ct.get("x"), "x")),
                          static_cast<int>(number(*ct.get("y"), "y")), hold});
      if (const auto* b = ct.get("button")) {
        const std::string button = string(*b, "button");
        if (button != "left" && button != "right") {
          fail(b, "button must be \"left\" or \"right\"");
        }
        s.clicks.back().button = button == "right" ? 0x80000000U : 0x20000000U;
      }
    }
    if (const auto* w = t.get("write_block")) {
      const toml::table& wt = table(*w, "write_block");
      only_keys(wt, {"name", "offset", "text"});
      if (!wt.contains("name") || !wt.contains("text")) {
        fail(w, "write_block needs name and text");
      }
      s.block_writes.push_back({string(*wt.get("name"), "name"),
                                static_cast<uint32_t>(wt["offset"].value_or(int64_t{0})),
                                string(*wt.get("text"), "text")});
    }
    if (const auto* send = t.get("send")) {
      auto one = [&](const toml::node& item) {
        const toml::table& st = table(item, "send");
        only_keys(st, {"event", "value"});
        if (!st.contains("event")) {
          fail(&item, "send needs an event");
        }
        const uint32_t value = st.contains("value") ? hex_or_int(*st.get("value"), "value") : 0;
        s.sends.emplace_back(hex_or_int(*st.get("event"), "event"), value);
      };
      if (const auto* array = send->as_array()) {
        for (const toml::node& item : *array) {
          one(item);
        }
      } else {
        one(*send);
      }
    }
    if (const auto* e = t.get("expect")) {
      if (const auto* array = e->as_array()) {
        for (const toml::node& item : *array) {
          s.expects.push_back(expectation(item));
        }
      } else {
        s.expects.push_back(expectation(*e));
      }
    }
    if (const auto* r = t.get("render")) {
      if (const auto* array = r->as_array()) {
        for (const toml::node& item : *array) {
          s.renders.push_back(frame(item));
        }
      } else {
        s.renders.push_back(frame(*r));
      }
    }
    return s;
  }

  Scenario scenario(const toml::table& root) const {
    only_keys(root, {"scenario", "gauge", "step"});
    Scenario sc;
    sc.file = file_;
    if (const auto* head = root.get("scenario")) {
      const toml::table& h = table(*head, "[scenario]");
      only_keys(h, {"name", "description", "approach_identifier", "flight_model", "tail"});
      sc.name = h["name"].value_or(std::string());
      sc.description = h["description"].value_or(std::string());
      sc.approach_identifier = h["approach_identifier"].value_or(sc.approach_identifier);
      sc.flight_model = h["flight_model"].value_or(false);
      if (const auto* tail = h.get("tail")) {
        sc.tail = number(*tail, "tail");
        if (!(*sc.tail >= 0)) {
          fail(tail, "tail must be 0 or more seconds");
        }
      }
    }
    if (const auto* gauges = root.get("gauge")) {
      const auto* array = gauges->as_array();
      if (array == nullptr) {
        fail(gauges, "gauge must be an array of tables ([[gauge]])");
      }
      for (const toml::node& g : *array) {
        const toml::table& gt = table(g, "[[gauge]]");
        only_keys(gt, {"name", "parameters"});
        if (!gt.contains("name")) {
          fail(&g, "[[gauge]] needs a name");
        }
        GaugeSetup setup{gauge(*gt.get("name")), std::nullopt};
        if (const auto* p = gt.get("parameters")) {
          setup.parameters = string(*p, "parameters");
        }
        sc.gauges.push_back(setup);
      }
    }
    double previous = 0.0;
    if (const auto* steps = root.get("step")) {
      const auto* array = steps->as_array();
      if (array == nullptr) {
        fail(steps, "step must be an array of tables ([[step]])");
      }
      for (const toml::node& item : *array) {
        sc.steps.push_back(step(item, previous));
        previous = sc.steps.back().at;
      }
    }
    return sc;
  }

 private:
  std::string file_;
  const std::vector<std::string>& gauges_;
};

}  // namespace

std::string Expectation::describe() const {
  std::ostringstream out;
  auto where = [&]() { return "\"" + gauge + "\" element " + std::to_string(element); };
  switch (kind) {
    case Kind::Text:
      out << where() << " reads \"" << text << "\"";
      break;
    case Kind::Colour:
      out << where() << " has colour 0x" << std::hex << number_u32;
      break;
    case Kind::Hidden:
      out << where() << (flag ? " is hidden" : " is shown");
      break;
    case Kind::Icon:
      out << where() << " shows image " << number;
      break;
    case Kind::Value:
      out << where() << " has value " << number;
      break;
    case Kind::Event:
      out << "event 0x" << std::hex << number_u32 << std::dec;
      if (event_value) {
        out << " with value " << *event_value;
      }
      out << " was sent";
      break;
    case Kind::NoEvent:
      out << "event 0x" << std::hex << number_u32 << " was not sent";
      break;
    case Kind::Sound:
      out << "sound \"" << text << "\" played";
      break;
    case Kind::NoSound:
      out << "sound \"" << text << "\" not played";
      break;
    case Kind::Memo:
      out << "memo \"" << text << "\" shown";
      break;
    case Kind::NoMemo:
      out << "memo \"" << text << "\" not shown";
      break;
    case Kind::Message:
      out << "message \"" << text << "\" listed";
      break;
    case Kind::NoMessage:
      out << "message \"" << text << "\" not listed";
      break;
    case Kind::Var:
      out << "variable 0x" << std::hex << token << std::dec << " = " << number;
      break;
    case Kind::Page:
      out << "SD page " << text;
      break;
    case Kind::Block:
      out << block << " at " << token << " reading \"" << text << "\"";
      break;
  }
  return out.str();
}

namespace {
constexpr const char* kPageNames[] = {"ENG", "ELEC", "HYD", "FUEL", "DOOR", "WHEEL", "F/CTL", "CRUISE"};
}  // namespace

int sd_page_number(const std::string& name) {
  for (int i = 0; i < 8; ++i) {
    if (name == kPageNames[i]) {
      return i + 1;
    }
  }
  return 0;
}

const char* sd_page_name(int page) { return page >= 1 && page <= 8 ? kPageNames[page - 1] : "?"; }

Scenario parse_scenario(const std::string& text, const std::string& file, const std::vector<std::string>& gauges) {
  toml::table root;
  try {
    root = toml::parse(text, file);
  } catch (const toml::parse_error& error) {
    throw ScenarioError(file, static_cast<int>(error.source().begin.line),
                        "malformed TOML: " + std::string(error.description()));
  }
  return Reader(file, gauges).scenario(root);
}

Scenario load_scenario(const std::string& path, const std::vector<std::string>& gauges) {
  std::ifstream in(path);
  if (!in) {
    throw ScenarioError(path, 0, "cannot open the file");
  }
  std::stringstream buffer;
  buffer << in.rdbuf();
  return parse_scenario(buffer.str(), path, gauges);
}

}  // namespace corvane::refhost
