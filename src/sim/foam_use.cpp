#include "sim/foam_use.h"

#include <algorithm>

#include "sim/foam_system.h"

namespace pumpdrill {

namespace {

// Draws up to `demand` from `tank`; returns what was drawn.
double DrawFromTank(double &tank, double demand) {
  if (tank <= 0)
    return 0;
  const double drawn = tank - demand < 0 ? tank : demand;
  tank -= drawn;
  if (tank < 0)
    tank = 0;
  return drawn;
}

} // namespace

double FoamLinesFlow(const State &s) {
  const TFoamSetupRec &f = s.FoamSetup;
  double flow = 0;
  const int lines = std::min<int>(s.DischargeList.LineCount, kMaxDischarges);
  for (int n = 1; n <= lines; ++n)
    if (f.FOAM_LINES.Contains(n) && s.Discharges[n].Flow > 0)
      flow += s.Discharges[n].Flow;
  return flow;
}

void UpdateFoamUse(State &s, Host &host) {
  TFoamSetupRec &f = s.FoamSetup;
  if (f.SYS_TYPE == kFoamNone)
    return;
  const double now = s.SimClock.Time;
  const double dt = now - s.SimClock.LastFoamUpdate;
  if (dt <= 0)
    return;

  if (dt <= kFoamMaxStep) {
    double demand = 0;
    // Balanced-pressure and eductor systems draw their concentrate outside
    // this model; direct injection meters it into the foam lines' water
    // only, never into the plain-water lines beside them.
    if (f.SYS_TYPE == kFoamDirectInjection) {
      UpdateFoamFraction(f);
      const double water = dt / 60.0 * FoamLinesFlow(s);
      f.FoamWaterTotal += water;
      demand = f.FoamFraction * water;
      if (demand < 0)
        demand = 0;
    }

    double drawn = 0;
    const double lowLevel = 0.1 * f.TANK_CAP;
    switch (f.FoamTankSelect) {
    case kFoamTankA:
      drawn = DrawFromTank(f.FoamTankA, demand);
      f.FoamLow = lowLevel > f.FoamTankA;
      break;
    case kFoamTankB:
      drawn = DrawFromTank(f.FoamTankB, demand);
      f.FoamLow = lowLevel > f.FoamTankB;
      break;
    default: // flush
      f.FoamLow = false;
      break;
    }
    f.FoamUsed += drawn;

    if (f.PROP_SEL && f.PropDisplayMode == 0)
      host.RefreshProportionerDisplay();
  }

  s.SimClock.LastFoamUpdate = now;
}

void ResetFoamUse(State &s) {
  TFoamSetupRec &f = s.FoamSetup;
  f.FoamTankA = f.TANK_CAP;
  f.FoamTankB = f.TANK_CAP;
  f.FoamUsed = 0;
  f.FoamWaterTotal = 0;
  f.FoamLow = false;
  ResetFoamControls(f);
}

} // namespace pumpdrill
