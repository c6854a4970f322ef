// Shared set-up for the system display tests: the selection state, the alert
// flags and the engine values put back to their load values, and a way to
// find an element by its picture and place.
#pragma once

#include <string>
#include <vector>

#include "gauges/ecam/sd.h"
#include "module_fixture.h"
#include "shared/cockpit_state.h"

namespace corvane::test {

// The selection state, the alert flags and the engine values as at load.
inline void reset_sd_state() { reset_gauge_state(); }

class SdTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
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
  void cycle(std::initializer_list<std::pair<uint32_t, double>> vars = {}) {
    set_vars(vars);
    host().evaluate(sd_);
  }
  std::string text(int x, int y) { return host().text(text_at(x, y)); }
  uint32_t colour(int x, int y) { return as_string(text_at(x, y))->text_colour; }
  double value(Element* e, int slot = 0) { return host().values(e).value[slot]; }

  GaugeHeader* sd_ = nullptr;
  GaugeHeader* keys_ = nullptr;
};

}  // namespace corvane::test
