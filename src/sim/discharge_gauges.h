// The discharge gauge pressures (DischPress) of the pump's lines.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// DischPress of lines 1 to 15 and of the tank fill line: with flow, the pump
// pressure less the loss across the line's own valve (not below 0); without
// flow, the trapped pressure of a shut, trapped line, or the pump pressure
// behind an open valve and a shut nozzle, or 0. Both lines of a siamese pair
// are written from the pair's first line, each with its own supply hose's
// flow. The tick runs this every 0.15 s of simulated time.
void UpdateDischargeGauges(State& s);

}  // namespace pumpdrill
