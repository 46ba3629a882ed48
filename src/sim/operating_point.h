// The pump operating point: the pump discharge pressure and the flow of
// every line, solved together each tick, and the fixed-pressure variant the
// relief valve uses.
#pragma once

#include "sim/host.h"
#include "sim/line_flow.h"
#include "sim/state.h"

namespace pumpdrill {

// The warning shown when a burst line has no valve coefficient to limit it.
inline constexpr const char* kBurstLineWithoutValve = "Error E04";

// The coupled solution, starting from `press`, the pump pressure of the
// previous tick (psi). Exactly four passes: each solves the line flows at
// the current pressure and then takes the pump pressure for their total
// from the pump curve at the engine speed (no higher than the speed at the
// onset of cavitation while the pump cavitates). Returns the line flows of
// the last pass, the pressure after it and the total flow.
LineSolution SolveLines(State& s, double press);

// The line flows at the fixed pump pressure `press`, without the pump curve;
// returns `press` unchanged with the flows and their total. A burst line
// without a positive valve coefficient gets no flow and "Error E04" is shown
// once.
LineSolution SolveLinesAtPressure(State& s, double press, Host& host);

// Stores a solution: the flows of the discharges in use and of the tank fill
// line, the pump discharge pressure and the total flow.
void StoreLineSolution(State& s, const LineSolution& solution);

}  // namespace pumpdrill
