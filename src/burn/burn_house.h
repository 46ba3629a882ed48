// The burn house's fire model.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// Recomputes every derived field of the burn house from its inputs.
void InitBurnHouse(State& s);

// Puts the fire back to its start: 10 % burned, at ambient temperature,
// burning at the base rate; then InitBurnHouse.
void ResetBurnHouse(State& s);

}  // namespace pumpdrill
