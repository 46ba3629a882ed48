// Line flows of the two nozzles that set their own flow: the automatic
// (constant-pressure) nozzle and the selectable-gallonage nozzle.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// Automatic nozzle on line `line` at pump pressure `press` (psi): the tip
// opens to hold 100 psi at the flow the line could pass against 100 psi,
// kept within AutoGpmMin..AutoGpmMax. Sets the line's NozzleK and returns
// the flow in cfs (no flow limits on this path). No positive driving head or
// a flow target of 0 gives no flow and leaves NozzleK alone.
double AutomaticNozzleFlow(State& s, int line, double press);

// Selectable-gallonage nozzle on line `line` at pump pressure `press`:
// holds its set flow while the head left at the nozzle lies between 95 psi
// and 5 psi above its rated pressure; above and below that band the flow
// follows the line. Below the band it passes at least what an orifice sized
// for the set flow at the rated pressure passes. Returns cfs; a set flow of
// 0 (or no valid setting) gives no flow.
double GallonageNozzleFlow(State& s, int line, double press);

}  // namespace pumpdrill
