// A first scenario: installs "Autopilot2" (for the sounds) and "Baro", turns
// the knob, selects inHg and Std, climbs through 18000 ft, and prints what the
// window shows with the events and sounds of each step.
#include <cmath>
#include <cstdio>
#include <string>

#include "corvane_testhost/platform_world.h"
#include "corvane_testhost/test_host.h"
#include "module/records.h"

using corvane::GaugeHeader;
using corvane::kFlagHidden;
using corvane::testhost::KeyEvent;
using corvane::testhost::TestHost;

namespace {

// The simulator's side of the altimeter setting: one hPa per knob step, the
// standard event carrying sixteenths of hPa, inHg kept consistent.
void simulate(TestHost& host, const KeyEvent& event) {
  double hpa = host.var(0x4B);
  if (event.id == 0x1015B) {
    hpa += 1.0;
  } else if (event.id == 0x1015C) {
    hpa -= 1.0;
  } else if (event.id == 0x101F8) {
    hpa = event.value / 16.0;
  } else {
    return;
  }
  host.set_var(0x4B, hpa);
  host.set_var(0x4C, std::round(hpa / 33.8639 * 100.0) / 100.0);
}

struct Step {
  const char* what;
  int click_x = -1;
  int click_y = -1;
  double altitude = -1.0;
  int cycles = 1;
};

}  // namespace

int main() {
  TestHost host(corvane::testhost::linked_module());
  host.on_event = simulate;
  host.set_var(0x4B, 1013.0);
  host.set_var(0x4C, 29.91);
  host.set_var(0x4A, 3000.0);
  GaugeHeader* autopilot = host.gauge("Autopilot2");
  GaugeHeader* baro = host.gauge("Baro");
  host.install(autopilot);
  host.install(baro);

  const Step steps[] = {
      {"start at 3000 ft", -1, -1, -1.0, 1},
      {"knob up", 50, 50, -1.0, 1},
      {"knob up", 50, 50, -1.0, 1},
      {"knob down", 5, 50, -1.0, 1},
      {"select inHg", 5, 30, -1.0, 1},
      {"climb to 17999 ft", -1, -1, 17999.0, 18},
      {"climb to 18500 ft (window blinks)", -1, -1, 18500.0, 10},
      {"press Std", 30, 50, -1.0, 1},
      {"knob up under Std (held)", 50, 50, -1.0, 1},
      {"select hPa", 40, 30, -1.0, 1},
      {"descend to 12000 ft (Std blinks)", -1, -1, 12000.0, 10},
      {"release Std", 30, 50, -1.0, 1},
  };
  size_t sounds_seen = 0;
  int failures = 0;
  for (const Step& step : steps) {
    host.clear_events();
    if (step.altitude >= 0.0) {
      host.set_var(0x4A, step.altitude);
    }
    if (step.click_x >= 0) {
      host.click(baro, step.click_x, step.click_y);
    }
    for (int i = 0; i < step.cycles; ++i) {
      host.cycle(baro);
    }
    corvane::Element* window = host.element(baro, 1);
    std::printf("%-36s window \"%s\"%s", step.what, host.text(window).c_str(),
                (window->image_flags & kFlagHidden) != 0 ? " (hidden)" : "");
    for (const KeyEvent& e : host.events()) {
      std::printf(" event 0x%X=%u", e.id, e.value);
    }
    const auto played = corvane::testhost::platform().sound.played();
    for (; sounds_seen < played.size(); ++sounds_seen) {
      std::printf(" sound %s", played[sounds_seen].c_str());
    }
    std::printf("\n");
  }
  host.kill(baro);
  host.kill(autopilot);
  for (const std::string& v : host.violations()) {
    std::printf("violation: %s\n", v.c_str());
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}
