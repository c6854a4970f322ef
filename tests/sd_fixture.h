// Shared set-up for the system display tests: the selection state, the alert
// flags and the engine values put back to their load values, and a way to
// find an element by its picture and place.
#pragma once

#include <string>
#include <vector>

#include "gauges/ecam/sd.h"
#include "module/elements.h"
#include "module/records.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"
#include "shared/sounds.h"

namespace corvane::test {

inline void reset_sd_state() {
  sd_page = 0;
  sd_flight_state = 0;
  sd_prev_flight_state = 0;
  sd_all_cycling = 0;
  sd_manual_hold = 0;
  sd_cycle_time = 0.0;
  for (int* flag : {&elec_failure_alert, &vacuum_alert, &oil_pressure_alert, &hydraulics_alert, &engine_off_alert,
                    &fuel_tank_low_alert, &fob_low_alert}) {
    *flag = 0;
  }
  engine1_running = 0;
  engine2_running = 0;
  eng_start_state = 0;
  fuel_used_kg[0] = fuel_used_kg[1] = 0.0;
  fsuipc_weight_word = 0;
  fuel_on_board_kg = 0;
  master_warning = 0;
  master_warning_ack = 0;
  ecam_phase = 0;
}

class SdTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    reset_sd_state();
    sd_ = gauge("SD");
    keys_ = gauge("Page Keys");
    host().install(sd_);
  }

  // Finds the one element with this bitmap at this place (strings have none).
  Element* find(uint32_t bitmap, int x, int y, int nth = 0) {
    for (Element* e : testhost::TestHost::elements(sd_)) {
      if (e->bitmap_id == bitmap && e->x == x && e->y == y && nth-- == 0) {
        return e;
      }
    }
    ADD_FAILURE() << "no element " << std::hex << bitmap << " at " << std::dec << x << "," << y;
    return nullptr;
  }
  Element* text_at(int x, int y) { return find(kNoBitmap, x, y); }

  // Evaluates the elements only: the page stays the one the test chose.
  void cycle() { host().evaluate(sd_); }
  std::string text(int x, int y) { return host().text(text_at(x, y)); }
  uint32_t colour(int x, int y) { return reinterpret_cast<StringElement*>(text_at(x, y))->text_colour; }
  double value(Element* e, int slot = 0) { return host().values(e).value[slot]; }

  void parked() {
    host().set_var(0x3C, 1.0);
    host().set_var(0x227, 0.0);
    engine1_running = engine2_running = 0;
  }

  GaugeHeader* sd_ = nullptr;
  GaugeHeader* keys_ = nullptr;
};

}  // namespace corvane::test
