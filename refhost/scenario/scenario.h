// Scenario files: a timeline of steps at simulation times that set and ramp
// variables, click gauges, and state what the panel must show by then.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace corvane::refhost {

// A problem in a scenario file, with where it is.
class ScenarioError : public std::runtime_error {
 public:
  ScenarioError(const std::string& file, int line, const std::string& problem)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + problem), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

struct Expectation {
  enum class Kind {
    Text,
    Colour,
    Hidden,
    Icon,
    Value,
    Event,
    NoEvent,
    Sound,
    NoSound,
    Memo,
    NoMemo,
    Message,
    NoMessage,
    Var,
    Page,
    Block
  };
  Kind kind = Kind::Text;
  int line = 0;
  std::string gauge;
  int element = -1;
  std::string text;         // Text, Sound, Memo, Message, Block (the field's text)
  std::string block;        // Block: the shared block's name
  uint32_t number_u32 = 0;  // Colour, Event id
  std::optional<uint32_t> event_value;
  bool flag = false;    // Hidden
  double number = 0.0;  // Icon, Value, Var, Page (the page's number)
  double tolerance = 0.0;
  int slot = 0;        // Value: which of the element's values (1 is a slider's or moving image's y)
  uint32_t token = 0;  // Var; Block: the field's offset
  std::string describe() const;
};

// A picture taken at a step: the package's whole panel, or only some gauges
// side by side.
struct Frame {
  std::string name;
  std::vector<std::string> gauges;  // empty: the whole panel
  double scale = 1.0;
  bool night = false;
};

struct Step {
  double at = 0.0;
  int line = 0;
  std::string note;
  std::vector<std::pair<uint32_t, double>> sets;
  struct Ramp {
    uint32_t token;
    double to;
    double over;
  };
  std::vector<Ramp> ramps;
  std::vector<std::pair<std::string, double>> fsuipc;  // name, value
  struct Click {
    std::string gauge;
    int x;
    int y;
    double hold;                   // seconds a repeating area stays pressed
    uint32_t button = 0x20000000;  // the simulator's mouse flag: left, or 0x80000000 right
  };
  std::vector<Click> clicks;
  struct BlockWrite {
    std::string name;
    uint32_t offset;
    std::string bytes;
  };
  std::vector<BlockWrite> block_writes;
  // Key events sent as if another control of the cockpit had sent them.
  std::vector<std::pair<uint32_t, uint32_t>> sends;
  std::vector<Expectation> expects;
  std::vector<Frame> renders;
};

struct GaugeSetup {
  std::string name;
  std::optional<std::string> parameters;
};

struct Scenario {
  std::string file;
  std::string name;
  std::string description;
  std::vector<GaugeSetup> gauges;  // empty: every gauge of the module
  std::string approach_identifier = "ILS";
  // The reference simulator flies the aircraft from its controls and autopilot
  // (off: the steps alone move it).
  bool flight_model = false;
  std::optional<double> tail;  // seconds flown after the last step; none: the runner's default
  std::vector<Step> steps;
};

// The system display's pages by their key legends: 1 ENG to 8 CRUISE; 0 for
// an unknown name.
int sd_page_number(const std::string& name);
const char* sd_page_name(int page);

// Throws ScenarioError for malformed TOML, unknown tokens, gauges or keys,
// and times that go backwards. known_gauges lists the module's gauge names.
Scenario load_scenario(const std::string& path, const std::vector<std::string>& known_gauges);
Scenario parse_scenario(const std::string& text, const std::string& file, const std::vector<std::string>& known_gauges);

}  // namespace corvane::refhost
