// corvane cockpit: the panel live in an SDL window. The module runs at 18
// panel cycles a simulated second against the reference simulator, whose
// clock keeps real time (or a multiple of it); the mouse clicks its areas,
// the keyboard flies, its sounds are heard, and a scenario may play along.
#pragma once

#include <chrono>
#include <string>

#include "module/module_file.h"

namespace corvane::cockpit {

struct CockpitOptions {
  std::string panel_cfg;
  std::string bitmap_dir;
  std::string sound_dir;
  std::string scenario;     // empty: none; the flight model is on
  double speed = 1.0;       // simulated seconds per wall second
  double quit_after = 0.0;  // simulated seconds; 0: until the window closes
  std::string screenshot;   // PNG of the last frame
  std::string record;       // the session as a scenario file
  std::string input;        // scripted input, played as SDL events
  std::string events;       // every key event, one a line
  bool night = false;
  bool flight_model = false;  // with a scenario: fly from the controls too
  double zoom = 1.0;
  std::chrono::steady_clock::time_point started = std::chrono::steady_clock::now();
};

// Returns the process's exit code: 0, 1 when a scenario's expectation
// failed, 2 for bad input (files, scripts, no window).
int run_cockpit(const refhost::ModuleFile& module, const CockpitOptions& options);

}  // namespace corvane::cockpit
