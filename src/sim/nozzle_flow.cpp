#include "sim/nozzle_flow.h"

#include <cmath>

#include "sim/constants.h"
#include "sim/line_flow.h"
#include "sim/line_flow_between.h"
#include "sim/loss_coefficients.h"

namespace pumpdrill {

namespace {

// The automatic nozzle holds this pressure at its tip.
constexpr double kAutoNozzlePress = 100.0;

// The selectable-gallonage nozzle holds its set flow from this head at the
// nozzle (95 psi) up to 5 psi above its rated pressure.
constexpr double kGallonageBandLow = 219.23076923076923;  // ft, 95 psi
constexpr double kFivePsiHead = 11.538461538461538;       // ft
constexpr double kHundredPsiHead = 230.76923076923077;    // ft

// The head the pump gives a line whose nozzle stands at its own elevation:
// the pump pressure in feet plus the pump's height over the nozzle.
double NozzleDrivingHead(const State& s, const TDischargeRec& d, double press) {
  return (s.PumpStatus.PumpElev - d.NozzleElev) + press * kFeetPerPsi;
}

// Flow (cfs) the line passes from head h at the pump to head hn at the
// nozzle, valve, hose and shut-off only; 0 when it cannot be solved.
double FlowBetweenHeads(State& s, int line, double h, double hn) {
  const TDischargeRec& d = s.Discharges[line];
  int err = 0;
  double gpm = LineFlowBetween(s, line, kPsiPerFoot * h, kPsiPerFoot * hn, d.PumpEndElev,
                               d.NozzleElev, err);
  return gpm / kGpmPerCfs;
}

}  // namespace

double AutomaticNozzleFlow(State& s, int line, double press) {
  TDischargeRec& d = s.Discharges[line];
  int err = 0;
  // The flow the line could pass with 100 psi left at the tip, within the
  // nozzle's range (an unsolvable line asks for the least).
  double target = LineFlowBetween(s, line, press, kAutoNozzlePress, s.PumpStatus.PumpElev,
                                  d.NozzleElev, err);
  if (target > d.AutoGpmMax) target = d.AutoGpmMax;
  if (target < d.AutoGpmMin) target = d.AutoGpmMin;

  const double head = NozzleDrivingHead(s, d, press);
  if (head <= 0 || target <= 0) return 0.0;
  AutoNozzleK(d.NozzleK, target, kAutoNozzlePress);
  const double r = d.ValveK + d.HoseK + d.ShutoffK + d.NozzleK;
  if (r <= 0) return 0.0;
  return std::sqrt(head / r);
}

double GallonageNozzleFlow(State& s, int line, double press) {
  const TDischargeRec& d = s.Discharges[line];
  const int index = d.GpmIndex;
  const double qs = (index >= 1 && index <= 5 ? d.GpmSetting[index] : 0) / kGpmPerCfs;
  if (qs <= 0) return 0.0;

  const double h = NozzleDrivingHead(s, d, press);
  // Head left at the nozzle when the line carries the set flow.
  const double hn = h - (d.HoseK + d.ShutoffK) * qs * qs;
  const double ratedHead = kFeetPerPsi * d.NozzleRatedPress;

  double q;
  if (hn < kGallonageBandLow) {
    double target = (ratedHead + hn - kFivePsiHead) / 2;
    q = FlowBetweenHeads(s, line, h, target < 0 ? 0 : target);
    if (q < 0) q = 0;
    // Never less than the orifice that passes the set flow at the rated
    // pressure, so the flow rises with the pump pressure up to the band.
    if (h > 0) {
      double orifice = ratedHead / (qs * qs);
      double qo = ChainFlow(h, d.ValveK + d.HoseK + d.ShutoffK + orifice);
      if (qo > q) q = qo;
    }
  } else if (hn > ratedHead + kFivePsiHead) {
    double target = (kHundredPsiHead + hn + kFivePsiHead) / 2;
    q = FlowBetweenHeads(s, line, h, target < 0 ? 0 : target);
  } else {
    q = qs;
  }
  return q < 0 ? 0.0 : q;
}

}  // namespace pumpdrill
