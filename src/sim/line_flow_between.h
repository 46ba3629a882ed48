// The flow a line passes without its nozzle between two pressures: used for
// the automatic and selectable-gallonage nozzles and by the supply for the
// intake and tank-to-pump lines.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// Error code of LineFlowBetween when the line has no positive driving head.
inline constexpr int kNoDrivingHead = 5;
// The flow LineFlowBetween reports for a single or siamese line it cannot
// solve.
inline constexpr double kNoFlowBetween = -999.0;

// Flow in gpm through line `line` when pressure p1 (psi) stands at its pump
// end at elevation z1 (ft) and p2 at its far end at elevation z2. The chain
// is the valve, hose and shut-off (no nozzle); the intake line 18 adds the
// hydrant's coefficient unless the supply is a draft. errorCode is 0, or
// kNoDrivingHead when there is no positive head over resistance: the result
// is then kNoFlowBetween for single and siamese lines and 0 for a wye.
double LineFlowBetween(State& s, int line, double p1, double p2, double z1, double z2,
                       int& errorCode);

}  // namespace pumpdrill
