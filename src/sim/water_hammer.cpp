#include "sim/water_hammer.h"

#include "sim/constants.h"

namespace pumpdrill {

namespace {

constexpr double kPi = 3.14159;
constexpr double kGravity = 32.2;        // ft/s^2
constexpr double kSurgePsiPerFoot = 0.433;
// A sample older than this says nothing about the closure.
constexpr double kMaxSampleAge = 20.0;

}  // namespace

WaterHammer WaterHammerCheck(State& s, int line) {
  const TDischargeRec& d = s.Discharges[line];
  WaterHammer result;
  const double critical = 2 * d.HoseLength / kHoseWaveSpeed;
  const double dt = s.SimClock.Time - s.SimClock.LastFlowSnapshot;
  if (dt > kMaxSampleAge || dt < 0 || dt > critical) return result;
  const double radius = d.HoseDiam / 2;
  const double area = kPi * radius * radius;
  if (area <= 0) return result;
  const double velocity = (d.SnapshotFlow / kGpmPerCfs) / area;
  result.Surge = kSurgePsiPerFoot * kHoseWaveSpeed * velocity / kGravity;
  result.IsHammer = result.Surge > s.ShowOptions.WaterHammerLimit;
  return result;
}

}  // namespace pumpdrill
