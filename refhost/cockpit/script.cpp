#include "cockpit/script.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace corvane::cockpit {

namespace {

// Words separated by blanks; "double quotes" keep a gauge name with spaces.
std::vector<std::string> words(const std::string& line) {
  std::vector<std::string> out;
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
    } else if (line[i] == '"') {
      const size_t end = line.find('"', i + 1);
      out.push_back(line.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1));
      i = end == std::string::npos ? line.size() : end + 1;
    } else {
      const size_t end = line.find_first_of(" \t", i);
      out.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
      i = end == std::string::npos ? line.size() : end;
    }
  }
  return out;
}

double number(const std::string& text, const std::string& where) {
  size_t used = 0;
  double v = 0.0;
  try {
    v = std::stod(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || !(v >= 0.0)) {
    throw std::runtime_error(where + "\"" + text + "\" is not a number of 0 or more");
  }
  return v;
}

}  // namespace

std::vector<ScriptAction> read_script(const std::string& path, const std::vector<std::string>& gauges) {
  std::ifstream in(path);
  if (!in) {
    throw std::runtime_error(path + ": cannot read the file");
  }
  std::vector<ScriptAction> actions;
  std::string line;
  int line_no = 0;
  double previous = 0.0;
  while (std::getline(in, line)) {
    ++line_no;
    line = line.substr(0, line.find('#'));
    const std::vector<std::string> w = words(line);
    if (w.empty()) {
      continue;
    }
    const std::string where = path + ":" + std::to_string(line_no) + ": ";
    if (w.size() < 2) {
      throw std::runtime_error(where + "a line is a time and an action");
    }
    ScriptAction a;
    a.line = line_no;
    a.at = number(w[0], where);
    if (a.at < previous) {
      throw std::runtime_error(where + "time goes backwards");
    }
    previous = a.at;
    const std::string& verb = w[1];
    if (verb == "key") {
      if (w.size() != 3 && w.size() != 4) {
        throw std::runtime_error(where + "key wants a key name and, to hold it, seconds");
      }
      a.kind = ScriptAction::Kind::Key;
      a.key = w[2];
      a.seconds = w.size() == 4 ? number(w[3], where) : 0.0;
    } else if (verb == "click" || verb == "rclick" || verb == "hold" || verb == "move") {
      const size_t want = verb == "hold" ? 6 : 5;
      if (w.size() != want) {
        throw std::runtime_error(where + verb + " wants a gauge, x and y" + (verb == "hold" ? " and seconds" : ""));
      }
      a.kind = verb == "click"    ? ScriptAction::Kind::Click
               : verb == "rclick" ? ScriptAction::Kind::RightClick
               : verb == "hold"   ? ScriptAction::Kind::Hold
                                  : ScriptAction::Kind::Move;
      a.gauge = w[2];
      if (std::find(gauges.begin(), gauges.end(), a.gauge) == gauges.end()) {
        throw std::runtime_error(where + "unknown gauge \"" + a.gauge + "\"");
      }
      a.x = static_cast<int>(number(w[3], where));
      a.y = static_cast<int>(number(w[4], where));
      a.seconds = verb == "hold" ? number(w[5], where) : 0.0;
    } else {
      throw std::runtime_error(where + "unknown action \"" + verb + "\" (key, click, rclick, hold, move)");
    }
    actions.push_back(a);
  }
  return actions;
}

}  // namespace corvane::cockpit
