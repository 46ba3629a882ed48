#include "sim/foam_system.h"

#include <algorithm>
#include <cmath>

namespace pumpdrill {

PercentLimits FoamPercentLimits(int rangeCode) {
  switch (rangeCode) {
  case kFoamRangeTenthToSix:
    return {0.1, 6.0};
  case kFoamRangeOneToSix:
    return {1.0, 6.0};
  default:
    return {0.1, 1.0};
  }
}

double FoamPercentWithinRange(const TFoamSetupRec &f, double percent) {
  const PercentLimits r = FoamPercentLimits(f.PCT_RANGE);
  if (!std::isfinite(percent))
    percent = r.Least;
  // Tenths as whole numbers, so that 0.1 steps add up without drifting.
  const double tenths = std::round(percent / kFoamPercentStep);
  const double least = std::round(r.Least / kFoamPercentStep);
  const double most = std::round(r.Most / kFoamPercentStep);
  return std::clamp(tenths, least, most) / 10.0;
}

bool ProportionerInjects(const TFoamSetupRec &f) { return f.PropLever != 0; }

void UpdateFoamFraction(TFoamSetupRec &f) {
  f.FoamFraction = ProportionerInjects(f) ? f.FoamPercentSet / 100.0 : 0.0;
}

void SetFoamPercent(TFoamSetupRec &f, double percent) {
  f.FoamPercentSet = FoamPercentWithinRange(f, percent);
  UpdateFoamFraction(f);
}

void SetProportionerOn(TFoamSetupRec &f, bool on) {
  f.PropLever = on ? 1 : 0;
  UpdateFoamFraction(f);
}

void SetFoamPercentRange(TFoamSetupRec &f, int rangeCode) {
  f.PCT_RANGE = static_cast<Byte>(
      rangeCode >= 0 && rangeCode < kFoamRangeCount ? rangeCode : 0);
  SetFoamPercent(f, f.FoamPercentSet);
}

void SetFoamTankCount(TFoamSetupRec &f, int tanks) {
  f.NR_TANKS = static_cast<Byte>(tanks == 2 ? 2 : 1);
  if (f.NR_TANKS == 1 && f.FoamTankSelect == kFoamTankB)
    f.FoamTankSelect = kFoamTankA;
}

void SetFoamTankCapacity(TFoamSetupRec &f, double gallons, bool simActive) {
  f.TANK_CAP = std::max(0.0, gallons);
  if (simActive) { // a smaller tank cannot hold more than it holds
    f.FoamTankA = std::min(f.FoamTankA, f.TANK_CAP);
    f.FoamTankB = std::min(f.FoamTankB, f.TANK_CAP);
    return;
  }
  f.FoamTankA = f.TANK_CAP;
  f.FoamTankB = f.TANK_CAP;
}

void ResetFoamControls(TFoamSetupRec &f) {
  f.PropLever = 0;
  f.FoamTankSelect = kFoamTankA;
  f.PropDisplayMode = 0;
  f.CafsAirOn = false;
  f.CafsMode = 0;
  for (Double &v : f.CafsAirValve)
    v = 0;
  SetFoamPercent(f, f.FoamPercentSet);
}

} // namespace pumpdrill
