// The line hydraulics' part of the main tick and of a run's initialisation.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

struct SimSettings;

// The coupled flow solution at the present pump pressure: the flows of
// lines 1..LineCount and 16, PumpOutput.DischargePress and TotalFlow.
void FlowSolutionStep(State& s, const SimSettings& sim, Host& host);

// Nozzle pressures of lines 1..LineCount by their layout, never below 0.
void NozzlePressuresStep(State& s);

// After the cavitation test: a cavitating pump delivers only what the supply
// gives (every line's flow cut back in proportion, the pressure held at its
// value before cavitation); a supply that gives no water leaves no pressure
// and no flow.
void SupplyLimitStep(State& s);

// The water-hammer reference: Flow of lines 1..LineCount into SnapshotFlow.
void TakeFlowSnapshot(State& s);

// DischPress of every line for the gauges.
void DischargeGaugesStep(State& s);

// Initialisation: every line's flow, pressures, branch flows and trapped
// pressure back to 0, ValveShut following the valve opening, the nozzle
// operability rule applied, the pump's discharge pressure and total flow 0,
// and every line coefficient recomputed.
void ResetLinesForRun(State& s, const SimSettings& sim, Host& host);

}  // namespace pumpdrill
