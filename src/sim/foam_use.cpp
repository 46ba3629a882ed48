#include "sim/foam_use.h"

namespace pumpdrill {

namespace {

// Draws up to `demand` from `tank`; returns what was drawn.
double DrawFromTank(double& tank, double demand) {
  if (tank <= 0) return 0;
  const double drawn = tank - demand < 0 ? tank : demand;
  tank -= drawn;
  if (tank < 0) tank = 0;
  return drawn;
}

}  // namespace

void UpdateFoamUse(State& s, Host& host) {
  TFoamSetupRec& f = s.FoamSetup;
  if (f.SYS_TYPE == kFoamNone) return;
  const double now = s.SimClock.Time;
  const double dt = now - s.SimClock.LastFoamUpdate;
  if (dt <= 0) return;

  if (dt <= kFoamMaxStep) {
    double demand = 0;
    // Balanced-pressure and eductor systems draw their concentrate outside
    // this model; only direct injection meters it from the pump's flow.
    if (f.SYS_TYPE == kFoamDirectInjection) {
      const double water = dt / 60.0 * s.PumpOutput.TotalFlow;
      f.FoamWaterTotal += water;
      demand = f.FoamFraction * water;
      if (demand < 0) demand = 0;
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
      default:  // flush
        f.FoamLow = false;
        break;
    }
    f.FoamUsed += drawn;

    if (f.PROP_SEL && f.PropDisplayMode == 0) host.RefreshProportionerDisplay();
  }

  s.SimClock.LastFoamUpdate = now;
}

void ResetFoamUse(State& s) {
  TFoamSetupRec& f = s.FoamSetup;
  f.FoamTankA = f.TANK_CAP;
  f.FoamTankB = f.TANK_CAP;
  f.FoamUsed = 0;
  f.FoamWaterTotal = 0;
  f.FoamLow = false;
}

}  // namespace pumpdrill
