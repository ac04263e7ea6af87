// A small stock table of the simulated host for showing the report: two warehouses, a few items.
#pragma once

#include "hostsim/host_state.h"

namespace zarmak_sim {

void FillSampleStock(hostsim::HostState& host);

}  // namespace zarmak_sim
