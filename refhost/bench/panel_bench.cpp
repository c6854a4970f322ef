// How fast the module runs a panel: one cycle of all 33 gauges, what the x87
// guard at every entry point costs in one, and the default flight flown
// without drawing.
#include <benchmark/benchmark.h>

#include "corvane_testhost/module_scope.h"
#include "corvane_testhost/test_host.h"
#include "module/entry.h"
#include "module/module_file.h"
#include "scenario/panel.h"
#include "scenario/scenario.h"

namespace corvane::refhost {
namespace {

// The module is loaded once, as the simulator loads it.
const ModuleFile& module_file() {
  static const std::unique_ptr<ModuleFile> module = ModuleFile::open(default_module_path());
  return *module;
}

void BM_PanelCycleAllGauges(benchmark::State& state) {
  Panel panel(module_file().view(), "");
  panel.install({});
  const long entries_before = testhost::module_code_entries;
  for (auto _ : state) {
    panel.cycle();
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["entries_per_cycle"] =
      static_cast<double>(testhost::module_code_entries - entries_before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PanelCycleAllGauges);

// The work the 32-bit builds add at every call into the module, for a host at
// the Windows default and for a Direct3D one, measured with the same
// instructions whatever this build's arithmetic; times entries_per_cycle
// above it is the guard's share of a panel cycle.
void BM_X87EntryGuard(benchmark::State& state) {
  const uint16_t own = x87_control_word();
  set_x87_control_word(static_cast<uint16_t>(state.range(0)));
  for (auto _ : state) {
    x87_leave(x87_enter());
  }
  set_x87_control_word(own);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_X87EntryGuard)->Arg(0x027F)->Arg(0x007F);

void BM_DefaultFlight(benchmark::State& state) {
  const Scenario scenario = load_scenario(CORVANE_DEFAULT_SCENARIO, module_file().gauge_names());
  double simulated = 0.0;
  for (auto _ : state) {
    Panel panel(module_file().view(), "");
    panel.install(scenario.gauges);
    const RunResult result = fly(panel, scenario, {});
    simulated += result.simulated_seconds;
    benchmark::DoNotOptimize(result.met);
  }
  state.counters["sim_s_per_wall_s"] = benchmark::Counter(simulated, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DefaultFlight)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace corvane::refhost

BENCHMARK_MAIN();
