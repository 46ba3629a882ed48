#include "setup/pump_graph.h"

#include <algorithm>

#include "setup/pump_setup.h"
#include "sim/pump_curve.h"
#include "sim/state.h"

namespace pumpdrill {

PumpGraph PumpGraphPoints(const State& s) {
  const TPumpRec& p = s.Pump;
  PumpGraph g;
  int mode = SetupStageMode(p);
  g.IdlePress = IdlePressOfMode(p);
  g.HighPress = HighSpeedPress(p);
  g.Capacity = p.RatedFlow;
  g.Drawable = g.HighPress > 0 && g.Capacity > 0;
  double step = (p.RatedImpellerRpm - p.IdleImpellerRpm) / 5;
  for (int k = 0; k < 5; ++k) {
    PumpGraphCurve& c = g.Curves[k];
    c.PumpRpm = p.IdleImpellerRpm + (k + 1) * step;
    for (int i = 0; i <= 10; ++i) {
      double gpm = g.Capacity * i / 10;
      double psi = NetPumpPressure(p, mode, c.PumpRpm, gpm, p.PumpLossK[1]);
      c.Points[i] = {gpm, std::max(psi, 0.0)};
    }
  }
  return g;
}

std::array<TestPointSpeed, 3> AcceptanceTestSpeeds(const State& s) {
  const TPumpRec& p = s.Pump;
  int mode = SetupStageMode(p);
  double k = p.PumpLossK[1];
  double intercept = ShutoffLine(p, kStagePressure, 0);
  std::array<TestPointSpeed, 3> speeds{};
  for (size_t i = 0; i < speeds.size(); ++i) {
    TestPointSpeed& t = speeds[i];
    t.Gpm = kAcceptanceTestPoints[i].CapacityFraction * p.RatedFlow;
    t.NetPsi = kAcceptanceTestPoints[i].NetPsi;
    // The no-flow pressure of the pressure-mode line the point needs.
    double shutoff =
        mode == kStageVolume ? 2 * (t.NetPsi + k / 8 * t.Gpm * t.Gpm) : t.NetPsi + k * t.Gpm * t.Gpm;
    if (!(p.PressPerRpm > 0) || !(p.GearRatio > 0)) continue;
    double engineRpm = (shutoff - intercept) / p.PressPerRpm / p.GearRatio;
    t.EngineRpm = std::max(engineRpm, s.Engine.IdleRpm);
    t.Reachable = t.EngineRpm <= s.Engine.MaxRpm;
  }
  return speeds;
}

}  // namespace pumpdrill
