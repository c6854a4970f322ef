// How fast the module runs a panel: one cycle of all 33 gauges, and the
// default flight flown without drawing.
#include <benchmark/benchmark.h>

#include "corvane_testhost/test_host.h"
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
  for (auto _ : state) {
    panel.cycle();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PanelCycleAllGauges);

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
