// The hydrant's loss coefficient and equivalent bore.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// Derives Supply.SupplyK and Supply.SupplyEquivDiam from the static and
// residual pressures and the rated flow.
void CalcHydrantCoefficients(State& s, Host& host);

}  // namespace pumpdrill
