// The reference host's simulator: the state behind every token the module
// reads, what each key event the module (or a mouse area) sends does to it,
// and the slow systems that move by themselves (gear, flaps, engines, clock).
// Flight is modelled only on request (flight_model, see flight_model.cpp):
// scenarios fly the aircraft by setting and ramping variables.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane_testhost/test_host.h"

namespace corvane::refhost {

struct TokenSpec {
  uint32_t token;
  const char* name;
  const char* units;
  bool integer;      // filled as a 32-bit integer in the low word
  double cold_dark;  // at the gate, engines off, batteries off
};

const std::vector<TokenSpec>& token_table();
// By name ("altitude") or number ("0x4A"); nullptr when unknown.
const TokenSpec* find_token(std::string_view name);
std::optional<uint32_t> parse_token(std::string_view name);

class Simulator;

struct EventSpec {
  uint32_t id;
  const char* name;
  void (*apply)(Simulator& sim, uint32_t value);
};

const std::vector<EventSpec>& event_table();
const EventSpec* find_event(uint32_t id);

// Values FSUIPC serves besides the host's variables.
struct FsuipcValues {
  int16_t throttle_axis = 0;   // 0x332E
  int16_t roll_axis = 0;       // 0x332A
  int32_t zfw_lb_x256 = 0;     // 0x3BFC
  int32_t pushback_state = 3;  // 0x31F0, 3 = no pushback
};

class Simulator {
 public:
  static constexpr double kStartClock = 10 * 3600.0;

  explicit Simulator(testhost::TestHost& host);

  void cold_and_dark();
  // Key events from the module land here (wired to the host's on_event).
  void apply(uint32_t id, uint32_t value);
  void advance(double seconds);

  double get(uint32_t token) const { return host_.var(token); }
  void set(uint32_t token, double value) { host_.set_var(token, value); }
  double time() const { return get(0x25C) - kStartClock; }
  testhost::TestHost& host() { return host_; }

  FsuipcValues fsuipc;
  // Events that no table entry knows, by id.
  std::map<uint32_t, int> unknown_events;
  // Pieces of simulator state that are not variables the module reads.
  bool logo_lights = false;
  bool starter_held[2] = {false, false};
  double starter_seconds[2] = {0.0, 0.0};
  int flap_steps = 5;  // the simulator's own detents: 0 .. 16384 in five steps
  double course = 0.0;
  double clock_quantity_adjust = 0.0;
  // The aircraft flies from its controls and autopilot (flight_model.cpp);
  // off, attitude, height and speed move only when someone sets them.
  bool flight_model = false;

  // Pushes the FSUIPC values into the stand-in's offset space.
  void publish_fsuipc();

 private:
  void move_gear(double seconds);
  void move_flaps(double seconds);
  void run_engine(int index, double seconds);
  void move_aircraft(double seconds);

  testhost::TestHost& host_;
};

// Helpers for frequencies in binary-coded decimal.
uint32_t to_bcd(uint32_t decimal);
uint32_t from_bcd(uint32_t bcd);

}  // namespace corvane::refhost
