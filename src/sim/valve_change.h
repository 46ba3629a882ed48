// Operating a line's discharge valve: its loss coefficient, the pressure a
// shut line keeps, and the water hammer of a fast closure.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// Called after the caller has stored the new ValveOpen of line `line`.
// With `reset` (a line set up or restored rather than operated) the valve
// coefficient is recomputed, the trapped pressure dropped and ValveShut set
// from `opening`. Otherwise the valve coefficient is recomputed and:
// - closing against a shut nozzle traps the line's gauge pressure;
// - closing a flowing line is tested for water hammer (sound cue 11 once,
//   when the option is on and a run is active, `simActive`);
// - a line stays trapped only while its valve stays shut.
void ValveChanged(State& s, bool reset, int line, double opening, bool simActive, Host& host);

}  // namespace pumpdrill
