#include "host/services.h"

#include "module/linkage.h"

namespace corvane {

HostServices* host_services() { return ImportTable.entries[0].services; }

void raise_event(uint32_t event_id, uint32_t value) {
  HostServices* services = host_services();
  if (services != nullptr && services->raise_event != nullptr) {
    services->raise_event(event_id, value);
  }
}

void read_variable(VariableRecord* record) {
  HostServices* services = host_services();
  if (services != nullptr && services->read_variable != nullptr) {
    services->read_variable(record);
  }
}

double read_sim(SimVar var) {
  read_variable(&sim_vars[var]);
  return record_double(sim_vars[var]);
}

int32_t read_sim_int(SimVar var) {
  read_variable(&sim_vars[var]);
  return record_int(sim_vars[var]);
}

}  // namespace corvane
