// A panel flown by the reference host: the module's gauges in one test host,
// with the simulator answering their key events and FSSound loading the
// package's real sound files.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "corvane_testhost/test_host.h"
#include "scenario/scenario.h"
#include "sim/simulator.h"

namespace corvane::refhost {

inline constexpr int kCyclesPerSecond = 18;

class Panel {
 public:
  // sound_dir: the folder that holds "Sound\..." files (empty: every load succeeds).
  Panel(testhost::ModuleView module, std::string sound_dir);
  ~Panel();
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;

  void install(const std::vector<GaugeSetup>& gauges);  // empty: all 33
  void kill_all();
  // One panel cycle at 18 Hz: every gauge's update, elements and draw, then
  // the simulator moves on by 1/18 s.
  void cycle();

  testhost::TestHost& host() { return *host_; }
  Simulator& sim() { return *sim_; }
  const std::vector<GaugeHeader*>& gauges() const { return gauges_; }
  double time() const { return sim_->time(); }
  long cycles() const { return cycles_; }
  void set_approach_identifier(const std::string& text);

 private:
  std::unique_ptr<testhost::TestHost> host_;
  std::unique_ptr<Simulator> sim_;
  std::vector<GaugeHeader*> gauges_;
  std::string identifier_;
  long cycles_ = 0;
};

struct SoundPlay {
  double time;
  std::string path;
};

struct RunResult {
  double simulated_seconds = 0.0;
  long cycles = 0;
  double wall_seconds = 0.0;
  int expectations = 0;
  int met = 0;
  std::vector<std::string> failures;
  std::vector<SoundPlay> sounds;
  // With RunOptions::digest, everything the panel showed cycle after cycle
  // (texts, colours, hidden flags, values to a millionth): two runs that
  // agree showed the same.
  uint64_t digest = 0;
  bool ok() const { return failures.empty(); }
};

struct RunOptions {
  double tail_seconds = 1.0;  // flown after the last step, unless the scenario says
  bool digest = false;
  // Keep every step applied (the scenario's and the live ones) for a recording.
  bool keep_applied = false;
  // Called at steps that ask for frames, once for each.
  std::function<void(Panel&, const Frame&)> frame;
  std::function<void(const std::string&)> log;
};

// Plays a scenario one panel cycle at a time: fly() runs it to its end, the
// live cockpit runs it beside the user's own input, for as long as it likes.
class Player {
 public:
  Player(Panel& panel, const Scenario& scenario, RunOptions options);
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // Applies a step now, as if it had been due: input from outside the file.
  // A click whose hold is infinite stays pressed until release().
  void apply(const Step& step);
  // Ends the open holds now; their recorded seconds become what they lasted.
  void release();
  // Applies the steps due now, moves ramps and holds, runs one panel cycle,
  // then checks the due steps' expectations and takes their frames.
  void cycle();
  // The last step and the tail are flown.
  bool finished() const;
  // The simulation time the last cycle ran at.
  double last_cycle() const { return last_cycle_; }
  const RunResult& result() const { return result_; }
  // The result with the sounds played and the wall time.
  RunResult finish();
  // Every step applied so far, in order (with RunOptions::keep_applied).
  const std::vector<Step>& applied() const { return applied_; }

 private:
  struct State;
  void apply_step(const Step& step, bool live);
  Panel& panel_;
  const Scenario& scenario_;
  RunOptions options_;
  RunResult result_;
  std::unique_ptr<State> state_;
  std::vector<Step> applied_;
  double last_cycle_ = 0.0;
};

RunResult fly(Panel& panel, const Scenario& scenario, const RunOptions& options);

// A shared block's text from the offset to its first terminator, as the other
// module would read it; unprintable bytes as "?".
std::string block_field(const std::string& name, uint32_t offset);

// Every field of both shared blocks, one line each block, for printing.
std::string describe_blocks();

}  // namespace corvane::refhost
