// The standby altimeter keeps its own barometric setting and its own
// correction to the true altitude, independent of the primary altimeters.
#pragma once

namespace corvane {

extern double stby_baro_hpa;
extern double stby_baro_inhg;
extern double stby_alt_offset;  // feet added to the true altitude
extern int stby_baro_unit;      // 0 hPa, 1 inHg
extern int stby_startup_ticks;  // drum evaluations since loading, up to 109
extern int stby_synced;

}  // namespace corvane
