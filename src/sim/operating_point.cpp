#include "sim/operating_point.h"

#include <cmath>

#include "sim/constants.h"
#include "sim/pump_curve.h"

namespace pumpdrill {

namespace {

// The pump solution makes four passes of line flows and pump curve; there
// is no convergence test.
constexpr int kPasses = 4;

// Halvings of the pressure interval when the passes cannot settle: the
// interval of a few hundred psi is halved until it is no wider than the
// settling tolerance below (about 30 halvings), never more than this.
constexpr int kBisections = 40;

// The passes count as settling when each moves the pressure by at most half
// as much as the one before (the swing then dies out within a few ticks),
// or by no more than this many psi.
constexpr double kSettlingRatio = 0.5;
constexpr double kSettledPsi = 1e-6;

// The pump pressure for a total line flow of q cfs (q becomes 0 when the
// pump cannot give any pressure).
double PumpPressureFor(State& s, double& q, double rpm) {
  return PumpPressure(s, q, s.Pump.StageMode, s.Pump.GearRatio, s.Pump.PumpLossK[1], rpm);
}

// The operating point itself: the pressure P at which the pump gives P for
// the flow the lines take at P. The pump's pressure falls as the flow rises
// and the lines take more as the pressure rises, so pump pressure less P
// falls steadily from the no-flow pressure down; it is halved in on.
LineSolution OperatingPointByHalving(State& s, double rpm) {
  LineSolution out;
  bool burstWithoutValve = false;
  double noFlow = 0;
  double lo = 0;
  double hi = PumpPressureFor(s, noFlow, rpm);
  for (int i = 0; i < kBisections && hi - lo > kSettledPsi; ++i) {
    const double mid = (lo + hi) / 2;
    double q = SolveLineFlows(s, mid, out, burstWithoutValve);
    if (PumpPressureFor(s, q, rpm) > mid) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  const double p = (lo + hi) / 2;
  out.TotalFlow = kGpmPerCfs * SolveLineFlows(s, p, out, burstWithoutValve);
  out.Press = p;
  return out;
}

}  // namespace

LineSolution SolveLines(State& s, double press) {
  LineSolution out;
  const double rpm = PumpCurveRpm(s);
  double p = press;
  double totalQ = 0;
  double change = 0;
  double lastChange = 0;
  bool burstWithoutValve = false;  // the coupled solution shows no message
  for (int pass = 1; pass <= kPasses; ++pass) {
    totalQ = SolveLineFlows(s, p, out, burstWithoutValve);
    const double before = p;
    p = PumpPressureFor(s, totalQ, rpm);
    lastChange = change;
    change = p - before;
  }
  // Beyond the pump's capacity the pressure can swing between two values
  // from pass to pass without ever settling (for instance between 0 and the
  // shut-off pressure, leaving every open line without flow), tick after
  // tick. When the last pass did not settle, the operating point is found
  // directly instead.
  const bool settling = std::fabs(change) <= kSettledPsi ||
                        std::fabs(change) <= kSettlingRatio * std::fabs(lastChange);
  if (!settling) return OperatingPointByHalving(s, rpm);
  out.Press = p;
  out.TotalFlow = kGpmPerCfs * totalQ;
  return out;
}

LineSolution SolveLinesAtPressure(State& s, double press, Host& host) {
  LineSolution out;
  bool burstWithoutValve = false;
  double totalQ = SolveLineFlows(s, press, out, burstWithoutValve);
  out.Press = press;
  out.TotalFlow = kGpmPerCfs * totalQ;
  if (burstWithoutValve) host.Message(MsgType::Warning, Buttons::Ok, kBurstLineWithoutValve);
  return out;
}

void StoreLineSolution(State& s, const LineSolution& solution) {
  const int n = DischargeLinesInUse(s);
  for (int i = 1; i <= n; ++i) s.Discharges[i].Flow = solution.Flow[i];
  s.Discharges[kTankFillLine].Flow = solution.Flow[kTankFillLine];
  s.PumpOutput.DischargePress = solution.Press;
  s.PumpOutput.TotalFlow = solution.TotalFlow;
}

}  // namespace pumpdrill
