// The flow of every pump line for a given pump discharge pressure: the core
// shared by the coupled operating-point search and the fixed-pressure
// solution of the relief valve.
//
// Every line is a chain of resistances between the pump and the nozzle, each
// a coefficient K in feet of head per cfs^2; a line's flow is the square
// root of its driving head over the sum of its coefficients. The solved
// lines are the discharges 1 to LineCount and the tank fill line 16; lines
// 17 and 18 belong to the supply.
#pragma once

#include "sim/state.h"
#include "sim/types.h"

namespace pumpdrill {

// Flows below this many cfs (about 0.9 gpm) count as none; flows above the
// upper limit are cut to it.
inline constexpr double kMinLineFlowCfs = 0.002;
inline constexpr double kMaxLineFlowCfs = 100000.0;

// The result of one solution: a flow per line (gpm; lines the solution does
// not reach hold 0), the pump discharge pressure (psi) and the total flow
// (gpm).
struct LineSolution {
  Array1<Double, 19> Flow{};
  Double Press = 0;
  Double TotalFlow = 0;
};

// The number of discharge lines in use (DischargeList.LineCount, kept
// within 0..15 whatever a file holds).
int DischargeLinesInUse(const State& s);

// True when line `line` is the second line of a siamese pair: the solution
// skips it and writes its results from the pair's first line.
bool IsSiameseSecondary(const State& s, int line);

// The partner of a siamese line (Partner[2]) when the line is siamese and
// the partner number is a valid line; 0 otherwise.
int SiamesePartner(const State& s, int line);

// True when the line flows through its valve alone: LineBurst, or the
// discharge-line uncoupling incident is active for it (strictly inside its
// time window).
bool LineIsBurst(const State& s, int line);

// A flow q (cfs) held to the line flow limits: below kMinLineFlowCfs gives
// 0, above kMaxLineFlowCfs gives kMaxLineFlowCfs.
double LimitLineFlow(double q);

// q = sqrt(H / R) with the flow limits; no flow when H or R is not positive.
double ChainFlow(double head, double resistance);

// Two resistances side by side as the line model combines them:
// a b / (a + b); 0 when the sum is not positive.
double ParallelK(double a, double b);

// Solves every solved line at pump pressure `press` (psi), in ascending line
// order: writes each line's flow (gpm) into out.Flow, updates ElevDiff,
// BranchFlow and (automatic nozzles) NozzleK of the line records, and
// returns the total flow in cfs (never negative). out.Press and
// out.TotalFlow are left to the caller. burstWithoutValve is set when a
// burst line had no positive valve coefficient (that line is given no flow).
double SolveLineFlows(State& s, double press, LineSolution& out, bool& burstWithoutValve);

}  // namespace pumpdrill
