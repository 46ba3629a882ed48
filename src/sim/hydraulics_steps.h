// The line hydraulics' part of the main tick and of a run's initialisation.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

struct Configuration;

// The coupled flow solution at the present pump pressure: the flows of
// lines 1..LineCount and 16, PumpOutput.DischargePress and TotalFlow.
void FlowSolutionStep(State& s, const Configuration& cfg, Host& host);

// Nozzle pressures of lines 1..LineCount by their layout, never below 0.
void NozzlePressuresStep(State& s);

// When the supply gives no water: pump pressure and every line flow 0.
void SupplyLimitStep(State& s);

// The water-hammer reference: Flow of lines 1..LineCount into SnapshotFlow.
void TakeFlowSnapshot(State& s);

// DischPress of every line for the gauges.
void DischargeGaugesStep(State& s);

// Initialisation: every discharge line's flow, pressure and nozzle state
// reset and its hydraulic constants recomputed.
void ResetLinesForRun(State& s, const Configuration& cfg, Host& host);

}  // namespace pumpdrill
