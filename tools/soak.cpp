// Soak: the whole panel for many cycles at 18 Hz with the clock running and
// every counting light of the module kept busy (MASTER WARN's flash and
// acknowledgement, the Baro's flashing, IDLE's blinks, ALL cycling, the
// chronometer, IDENT, the rudder trim knob, the altitude dot), every click
// area pressed in turn. After every cycle: no text past its bounds, no "nan"
// or "inf" shown, every evaluated value a number.
//
//   corvane_soak --cycles N   (exit status 0 when no check failed)
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "corvane_testhost/platform_world.h"
#include "corvane_testhost/test_host.h"
#include "module/records.h"
#include "shared/cockpit_state.h"

using corvane::Element;
using corvane::GaugeHeader;
using corvane::MouseArea;
using corvane::testhost::TestHost;

namespace {

constexpr double kCycleSeconds = 1.0 / 18.0;

struct Click {
  GaugeHeader* gauge;
  int x;
  int y;
};

// The centre of every child area of every gauge: pressed one after another.
std::vector<Click> all_clicks(const std::vector<GaugeHeader*>& gauges) {
  std::vector<Click> out;
  for (GaugeHeader* g : gauges) {
    if (g->mouse_areas == nullptr) {
      continue;
    }
    for (const MouseArea* a = g->mouse_areas; a->kind != corvane::kAreaEnd; ++a) {
      if (a->kind == corvane::kAreaChild) {
        out.push_back({g, a->x + a->width / 2, a->y + a->height / 2});
      }
    }
  }
  return out;
}

bool shows_non_number(const std::string& text) {
  std::string lower;
  for (char c : text) {
    lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// Sets the flight for cycle n: slow periodic swings through the values where
// the counters start, run and stop, all of them finite.
void fly(TestHost& host, long n, double clock) {
  host.set_var(0x25C, clock);
  const double day = std::fmod(clock, 86400.0);
  host.set_var(0x3, std::floor(day / 3600.0));
  host.set_var(0x4, std::floor(std::fmod(day, 3600.0) / 60.0));
  // Engines running, levers alternating between idle (IDLE blinks) and climb.
  host.set_var(0x270, 20.0);
  host.set_var(0x283, 20.0);
  const double lever = (n / 400) % 2 == 0 ? 0.0 : 0.5;
  host.set_var(0x22E, lever);
  host.set_var(0x238, lever);
  host.set_var(0x7B, 0.0);
  // Altitude swinging through 18000 ft (the Baro flashes above it), the
  // selected altitude a little above it (the altitude dot blinks).
  const double altitude = 18000.0 + 3000.0 * std::sin(static_cast<double>(n) / 2000.0);
  host.set_var(0x4A, altitude);
  host.set_var(0x49, altitude / 3.2808);
  host.set_var(0x6D, altitude + 500.0);
  host.set_var(0x4B, 1013.0);
  host.set_var(0x4C, 29.92);
  host.set_var(0x3D, 180.0 + 80.0 * std::sin(static_cast<double>(n) / 700.0));
  host.set_var(0x340, 150.0);
  // The simulator's stall warning on and off: MASTER WARN flashes, and the
  // crew acknowledges it now and then.
  host.set_var(0x43, (n / 1500) % 3 == 0 ? 1.0 : 0.0);
  if (n % 500 == 250) {
    corvane::master_warning_ack = 1;
  }
  host.set_var(0x15D, (n / 900) % 2 == 0 ? 30000.0 : 20000.0);
  host.set_var(0x148, static_cast<double>((n / 300) % 5) * 3276.8);
  host.set_var(0x149, static_cast<double>((n / 300) % 5) * 3276.8);
}

int fail(long n, const std::string& what) {
  std::fprintf(stderr, "cycle %ld: %s\n", n, what.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  long cycles = 100000;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--cycles") == 0 && i + 1 < argc) {
      cycles = std::strtol(argv[++i], nullptr, 10);
    } else {
      std::fprintf(stderr, "usage: %s [--cycles N]\n", argv[0]);
      return 2;
    }
  }
  TestHost host(corvane::testhost::linked_module());
  const std::vector<GaugeHeader*> gauges = host.gauges();
  for (GaugeHeader* g : gauges) {
    const std::string name = g->name;
    host.install(g, name == "E/WD"       ? "0-1-2-3-4-5"
                    : name == "Warnings" ? "25000"
                    : name == "Throttle" ? "1.0"
                                         : nullptr);
  }
  std::vector<std::vector<Element*>> trees;
  for (GaugeHeader* g : gauges) {
    trees.push_back(TestHost::elements(g));
  }
  const std::vector<Click> clicks = all_clicks(gauges);
  size_t next_click = 0;
  long events = 0;
  int failures = 0;
  for (long n = 0; n < cycles && failures < 10; ++n) {
    fly(host, n, static_cast<double>(n) * kCycleSeconds);
    // A press every 9 cycles: each area comes round every few hundred cycles.
    if (n % 9 == 4 && !clicks.empty()) {
      const Click& c = clicks[next_click++ % clicks.size()];
      host.click(c.gauge, c.x, c.y);
    }
    for (GaugeHeader* g : gauges) {
      host.cycle(g);
    }
    events += static_cast<long>(host.events().size());
    host.clear_events();
    host.check_all_texts();
    if (!host.violations().empty()) {
      failures += fail(n, host.violations().front());
      break;
    }
    // Texts and values of every element, every 7th cycle (the checks cost
    // more than the cycle itself); a fault that lasts shows up there too.
    if (n % 7 != 0) {
      continue;
    }
    for (size_t g = 0; g < gauges.size(); ++g) {
      for (const Element* e : trees[g]) {
        const std::string text = host.text(e);
        if (shows_non_number(text)) {
          failures += fail(n, std::string(gauges[g]->name) + " shows \"" + text + "\"");
        }
        for (double v : host.values(e).value) {
          if (!std::isfinite(v)) {
            failures += fail(n, std::string(gauges[g]->name) + " element value " + std::to_string(v));
          }
        }
      }
    }
  }
  for (GaugeHeader* g : gauges) {
    host.kill(g);
  }
  // What the panel did, so that a run that stalled shows as one.
  std::printf("%ld cycles, %zu clicks, %ld key events, %zu sounds played, %d failures\n", cycles, next_click, events,
              corvane::testhost::platform().sound.played().size(), failures);
  return failures == 0 ? 0 : 1;
}
