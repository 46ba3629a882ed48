#include "sim/nozzle_pressure.h"

#include "sim/constants.h"
#include "sim/line_flow.h"

namespace pumpdrill {

namespace {

double NotBelowZero(double p) { return p > 0 ? p : 0.0; }

double TrappedOrNone(const TDischargeRec& d) { return d.Trapped ? d.TrappedPress : 0.0; }

// Siamese: the common hose carries the line's flow, the supply hose of the
// open side carries its branch flow.
double SiameseNozzlePressure(const State& s, const TDischargeRec& d, double q) {
  const double pump = s.PumpOutput.DischargePress;
  double branchLoss;
  if (d.BranchFlow[1] > 0) {
    branchLoss = d.BranchFlow[1] * d.BranchFlow[1] * d.BranchK[1];
  } else if (d.BranchFlow[2] > 0) {
    branchLoss = d.BranchFlow[2] * d.BranchFlow[2] * d.BranchK[2];
  } else {
    return TrappedOrNone(d);
  }
  return NotBelowZero(pump - (d.HoseK * q * q + branchLoss + d.ElevDiff) * kPsiPerFoot);
}

// Wye: the trunk carries the line's flow q, each branch half of it; the
// branch flow field holds q, so a branch loses (q^2 / 4) BranchK.
double WyeNozzlePressure(const State& s, const TDischargeRec& d, double q) {
  if (d.Flow <= 0) return TrappedOrNone(d);
  const double branch = d.BranchFlow[1] * d.BranchFlow[1] / 4 * d.BranchK[1];
  return NotBelowZero(s.PumpOutput.DischargePress -
                      (d.HoseK * q * q + branch + d.ElevDiff) * kPsiPerFoot);
}

}  // namespace

void UpdateSingleLineNozzlePressure(TDischargeRec& d) {
  const double q = d.Flow / kGpmPerCfs;
  d.HoseLoss = d.HoseK * q * q;
  d.NozzlePress = NotBelowZero(d.DischPress - (d.HoseLoss + d.ElevDiff) * kPsiPerFoot);
}

void UpdateNozzlePressures(State& s) {
  const int n = DischargeLinesInUse(s);
  for (int i = 1; i <= n; ++i) {
    TDischargeRec& d = s.Discharges[i];
    if (d.Layout == 1) {
      if (IsSiameseSecondary(s, i)) continue;
      const double q = d.Flow / kGpmPerCfs;
      d.HoseLoss = d.HoseK * q * q;
      d.NozzlePress = SiameseNozzlePressure(s, d, q);
    } else if (d.Layout == 2) {
      const double q = d.Flow / kGpmPerCfs;
      d.HoseLoss = d.HoseK * q * q;
      d.NozzlePress = WyeNozzlePressure(s, d, q);
    } else {
      UpdateSingleLineNozzlePressure(d);
    }
  }
}

}  // namespace pumpdrill
