// The simulator keys a simmer expects, for the controls the reference
// simulator answers. Each press becomes a scenario step: a key event where the
// simulator has one for it, otherwise the variables the key moves; so that a
// recording replays it exactly.
#pragma once

#include <SDL.h>

#include <optional>
#include <vector>

#include "scenario/panel.h"

namespace corvane::cockpit {

struct KeyHelp {
  const char* keys;
  const char* what;
};

// Every key of the cockpit, the window's own (views, zoom, help) included.
const std::vector<KeyHelp>& key_help();

// What a key press (down) or release does to the aircraft, or nothing.
std::optional<refhost::Step> flight_key(const SDL_Keysym& key, bool down, bool repeat, refhost::Panel& panel);

}  // namespace corvane::cockpit
