// The pump cannot deliver more than its supply gives: after the cavitation
// test the solved flows are cut back to the supply's flow.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// While the pump cavitates: CavitationRatio := SupplyFlow / TotalFlow (0
// without demand), TotalFlow := SupplyFlow, every solved line's flow (and
// its branch flows) scaled by the ratio, single untrapped lines given their
// hose loss and nozzle pressure at the reduced flow; the discharge pressure
// is held at its value before cavitation while water flows, and falls to 0
// without flow when the pump is not primed. Without cavitation, a supply
// that gives no water while lines demand some leaves no pressure and no
// flow anywhere.
void ApplySupplyLimit(State& s);

}  // namespace pumpdrill
