// Foam concentrate use over the time since its last update.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

void FoamConcentrateStep(State& s, Host& host);

}  // namespace pumpdrill
