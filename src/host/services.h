// The module's road to the host: key events and variable refreshes through the
// service table that the host writes into ImportTable.
#pragma once

#include <cstdint>

#include "module/records.h"
#include "module/variables.h"

namespace corvane {

HostServices* host_services();

// Both do nothing while the host has not handed its table over.
void raise_event(uint32_t event_id, uint32_t value);
void read_variable(VariableRecord* record);

// Refresh one of the module's simulator variables through the host, then read it.
double read_sim(SimVar var);
int32_t read_sim_int(SimVar var);

}  // namespace corvane
