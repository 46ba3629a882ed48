#include "sim/line_flow_between.h"

#include <cmath>

#include "sim/constants.h"
#include "sim/line_flow.h"

namespace pumpdrill {

namespace {

constexpr int kDraftSupply = 1;

// Valve, hose and shut-off of the line, without the nozzle.
double ChainWithoutNozzle(const State& s, int line) {
  const TDischargeRec& d = s.Discharges[line];
  if (d.Layout == 2) {
    double ra = d.BranchK[1] + d.ShutoffK;
    double rb = d.BranchK[2] + d.ShutoffK;
    return d.ValveK + (ParallelK(ra, rb) / 2 + d.HoseK);
  }
  const int partner = SiamesePartner(s, line);
  if (partner != 0) {
    double ra = d.ValveK + d.BranchK[1];
    double rb = s.Discharges[partner].ValveK + d.BranchK[2];
    return ParallelK(ra, rb) / 2 + d.HoseK + d.ShutoffK;
  }
  double r = d.ValveK + d.HoseK + d.ShutoffK;
  // The intake also loses head in the hydrant, except at draft.
  if (line == kIntakeLine && s.Supply.SupplyType != kDraftSupply) r += s.Supply.SupplyK;
  return r;
}

}  // namespace

double LineFlowBetween(State& s, int line, double p1, double p2, double z1, double z2,
                       int& errorCode) {
  const double h = kFeetPerPsi * (p1 - p2) + (z1 - z2);
  const double r = ChainWithoutNozzle(s, line);
  // A negative head over a negative resistance is no flow either.
  if (h > 0 && r > 0) {
    errorCode = 0;
    return kGpmPerCfs * std::sqrt(h / r);
  }
  errorCode = kNoDrivingHead;
  return s.Discharges[line].Layout == 2 ? 0.0 : kNoFlowBetween;
}

}  // namespace pumpdrill
