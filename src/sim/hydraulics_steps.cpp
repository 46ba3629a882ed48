#include "sim/hydraulics_steps.h"

#include <algorithm>

namespace pumpdrill {

namespace {

int LinesInUse(const State& s) {
  return std::clamp(static_cast<int>(s.DischargeList.LineCount), 0, kMaxDischarges);
}

}  // namespace

// The line solution is not in yet: lines keep the flows they have.
void FlowSolutionStep(State& s, const Configuration& cfg, Host& host) {
  (void)s;
  (void)cfg;
  (void)host;
}

void NozzlePressuresStep(State& s) { (void)s; }

void SupplyLimitStep(State& s) { (void)s; }

void TakeFlowSnapshot(State& s) {
  for (int n = 1; n <= LinesInUse(s); ++n) s.Discharges[n].SnapshotFlow = s.Discharges[n].Flow;
}

void DischargeGaugesStep(State& s) { (void)s; }

void ResetLinesForRun(State& s, const Configuration& cfg, Host& host) {
  (void)s;
  (void)cfg;
  (void)host;
}

}  // namespace pumpdrill
