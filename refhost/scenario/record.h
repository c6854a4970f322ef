// A session written back as a scenario file: what was applied, at the times
// it was applied, and the state it ended in as the last step's expectations,
// so that `corvane fly` replays the session and checks that it ends the same.
#pragma once

#include <string>
#include <vector>

#include "scenario/panel.h"
#include "scenario/scenario.h"

namespace corvane::refhost {

struct Recording {
  std::string name;
  std::string approach_identifier = "ILS";
  bool flight_model = false;
  std::vector<GaugeSetup> gauges;  // as installed
  std::vector<Step> steps;         // Player::applied()
};

// The last step: at the time of the last cycle, every simulator variable and
// every field of the shared blocks as the panel holds them now.
Step final_state(Panel& panel, double last_cycle);

// TOML in the scenario syntax; flown with no tail, it ends where the session did.
std::string recording_text(const Recording& recording);

}  // namespace corvane::refhost
