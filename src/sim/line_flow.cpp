#include "sim/line_flow.h"

#include <cmath>

#include "sim/constants.h"
#include "sim/nozzle_flow.h"

namespace pumpdrill {

int DischargeLinesInUse(const State& s) {
  int n = s.DischargeList.LineCount;
  return n > 15 ? 15 : n;
}

bool IsSiameseSecondary(const State& s, int line) {
  return s.SiameseSecondary.Contains(line);
}

int SiamesePartner(const State& s, int line) {
  const TDischargeRec& d = s.Discharges[line];
  if (d.Layout != 1) return 0;
  int p = d.Partner[2];
  if (p < 1 || p > 19 || p == line) return 0;
  return p;
}

bool LineIsBurst(const State& s, int line) {
  if (s.Discharges[line].LineBurst) return true;
  const TIncidentRec& u = s.Incidents[9];
  const double t = s.SimClock.Time;
  return u.Use && u.Line == line && u.StartTime() < t && t < u.StopTime;
}

double LimitLineFlow(double q) {
  if (!(q >= kMinLineFlowCfs)) return 0.0;  // also a NaN
  return q > kMaxLineFlowCfs ? kMaxLineFlowCfs : q;
}

double ChainFlow(double head, double resistance) {
  if (head <= 0 || resistance <= 0) return 0.0;
  return LimitLineFlow(std::sqrt(head / resistance));
}

double ParallelK(double a, double b) {
  double sum = a + b;
  return sum > 0 ? a * b / sum : 0.0;
}

namespace {

// A siamese line's flow q divided over its two supply hoses: all through the
// one whose valve is open when the other's is shut, otherwise in inverse
// proportion to the two hoses' resistances (valve and supply hose each).
void SplitSiameseFlow(State& s, TDischargeRec& d, int partner, double q) {
  const TDischargeRec& p = s.Discharges[partner];
  if (d.ValveShut) {
    d.BranchFlow[1] = 0;
    d.BranchFlow[2] = q;
  } else if (p.ValveShut) {
    d.BranchFlow[1] = q;
    d.BranchFlow[2] = 0;
  } else {
    double ra = d.ValveK + d.BranchK[1];
    double rb = p.ValveK + d.BranchK[2];
    double sum = ra + rb;
    d.BranchFlow[1] = sum > 0 ? q * rb / sum : q / 2;
    d.BranchFlow[2] = sum > 0 ? q * ra / sum : q / 2;
  }
}

// Single line (and any layout a file may hold that is neither siamese nor
// wye): valve, hose, shut-off and nozzle in series.
double SingleChainFlow(const TDischargeRec& d, double pumpHead) {
  return ChainFlow(pumpHead - d.ElevDiff, d.ValveK + d.HoseK + d.ShutoffK + d.NozzleK);
}

// Wye: one valve and trunk hose, then two branches each with this line's
// shut-off and nozzle.
double WyeChainFlow(const TDischargeRec& d, double pumpHead) {
  double ra = d.BranchK[1] + d.ShutoffK + d.NozzleK;
  double rb = d.BranchK[2] + d.ShutoffK + d.NozzleK;
  return ChainFlow(pumpHead - d.ElevDiff, d.ValveK + (ParallelK(ra, rb) + d.HoseK));
}

// Siamese: two valves and supply hoses into one hose and this line's
// nozzle (Partner[1] is the line itself). Sets the branch flows.
double SiameseChainFlow(State& s, TDischargeRec& d, int partner, double pumpHead) {
  const TDischargeRec& p = s.Discharges[partner];
  const double head = pumpHead - d.ElevDiff;
  const double tail = d.HoseK + d.ShutoffK + d.NozzleK;
  double q;
  if (d.NozzleShut || (d.ValveShut && p.ValveShut)) {
    q = 0;
  } else if (d.ValveShut) {
    q = ChainFlow(head, p.ValveK + d.BranchK[2] + tail);
  } else if (p.ValveShut) {
    q = ChainFlow(head, d.ValveK + d.BranchK[1] + tail);
  } else {
    // Both supply hoses side by side feed the common hose, shut-off and
    // nozzle.
    double ra = d.ValveK + d.BranchK[1];
    double rb = p.ValveK + d.BranchK[2];
    q = ChainFlow(head, ParallelK(ra, rb) + tail);
  }
  SplitSiameseFlow(s, d, partner, q);
  return q;
}

// Writes the no-flow result of line i (and of its siamese partner).
void NoFlow(State& s, TDischargeRec& d, int i, int partner, LineSolution& out) {
  out.Flow[i] = 0;
  if (d.Layout == 1 || d.Layout == 2) d.BranchFlow[1] = d.BranchFlow[2] = 0;
  if (partner != 0) {
    out.Flow[partner] = 0;
    s.Discharges[partner].BranchFlow[1] = s.Discharges[partner].BranchFlow[2] = 0;
  }
}

// The flow of solved line i at pump pressure `press`, in cfs.
double SolveLine(State& s, int i, double press, LineSolution& out, bool& burstWithoutValve) {
  TDischargeRec& d = s.Discharges[i];
  d.ElevDiff = d.NozzleElev - s.PumpStatus.PumpElev;
  const bool burst = LineIsBurst(s, i);
  const int partner = SiamesePartner(s, i);
  // Only a partner that the solution skips takes its results from this line;
  // burst pairs are solved line by line.
  const int mirror = partner != 0 && IsSiameseSecondary(s, partner) ? partner : 0;

  bool noFlow;
  if (partner != 0) {
    const TDischargeRec& p = s.Discharges[partner];
    noFlow = (d.ValveShut && p.ValveShut) || (d.NozzleShut && p.NozzleShut && !burst);
  } else {
    noFlow = d.ValveShut || (d.NozzleShut && !burst);
  }
  if (noFlow) {
    NoFlow(s, d, i, mirror, out);
    return 0;
  }

  const double pumpHead = press * kFeetPerPsi;
  double q;
  if (burst) {
    // Open at the valve: only the valve limits the flow.
    if (d.ValveK <= 0) {
      burstWithoutValve = true;
      q = 0;
    } else {
      q = ChainFlow(pumpHead, d.ValveK);
    }
    if (partner != 0) {
      d.BranchFlow[1] = q;
      d.BranchFlow[2] = 0;
    }
  } else if (d.NozzleType == 2 || d.NozzleType == 3) {
    q = d.NozzleType == 2 ? AutomaticNozzleFlow(s, i, press) : GallonageNozzleFlow(s, i, press);
    if (partner != 0) SplitSiameseFlow(s, d, partner, q);
  } else if (partner != 0) {
    q = SiameseChainFlow(s, d, partner, pumpHead);
  } else if (d.Layout == 2) {
    q = WyeChainFlow(d, pumpHead);
  } else {
    q = SingleChainFlow(d, pumpHead);
  }
  // A wye line's branches each carry half of the line's flow; the branch
  // flow fields hold the line's whole flow, which the nozzle pressure halves.
  if (d.Layout == 2) d.BranchFlow[1] = d.BranchFlow[2] = q;

  out.Flow[i] = kGpmPerCfs * q;
  if (mirror != 0) {
    TDischargeRec& p = s.Discharges[mirror];
    out.Flow[mirror] = out.Flow[i];
    p.BranchFlow[1] = d.BranchFlow[2];
    p.BranchFlow[2] = d.BranchFlow[1];
  }
  return q;
}

}  // namespace

double SolveLineFlows(State& s, double press, LineSolution& out, bool& burstWithoutValve) {
  out.Flow = {};
  const int n = DischargeLinesInUse(s);
  double total = 0;
  for (int i = 1; i <= kTankFillLine; ++i) {
    if (i > n && i != kTankFillLine) continue;
    if (IsSiameseSecondary(s, i)) continue;
    total += SolveLine(s, i, press, out, burstWithoutValve);
  }
  return total > 0 ? total : 0.0;
}

}  // namespace pumpdrill
