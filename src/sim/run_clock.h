// The run clock's reset at the start of a run.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// Zeroes the simulation clock and its marks, the engine temperature step,
// the cavitation timers and the burn house's last step, and schedules the
// tender's first arrival.
void ResetRunClock(State& s);

}  // namespace pumpdrill
