// Scripted input for the cockpit: mouse and keyboard actions at simulation
// times, pushed into SDL's event queue as the real devices would, so that a
// headless run goes through the same input path as a person.
//
//   # seconds  action
//   2    key shift+2               press and release (modifiers ctrl+, shift+, alt+)
//   2.5  key up 1.5                held for 1.5 s
//   3    click "Fuel Hyd" 30 40    left click at gauge pixels
//   3.5  rclick FCU 10 10          right click
//   4    hold Autopilot2 100 20 1  left button held for 1 s
//   5    move Baro 50 50           the pointer moves there (hover)
#pragma once

#include <string>
#include <vector>

namespace corvane::cockpit {

struct ScriptAction {
  enum class Kind { Click, RightClick, Hold, Move, Key };
  double at = 0.0;
  Kind kind = Kind::Click;
  std::string gauge;
  int x = 0;
  int y = 0;
  double seconds = 0.0;  // hold, or a key held
  std::string key;       // "shift+2", "up"
  int line = 0;
};

// Throws std::runtime_error "file:line: problem"; times must not go back.
std::vector<ScriptAction> read_script(const std::string& path, const std::vector<std::string>& gauges);

}  // namespace corvane::cockpit
