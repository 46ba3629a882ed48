#include "sim/pressure_control.h"

#include <cmath>

#include "sim/operating_point.h"

namespace pumpdrill {

namespace {

constexpr SmallInt kVolumeStageMode = 2;

// Set points and readings are typed and shown as decimals (0.4 psi, a
// speed 0.4 RPM off): an error that equals the dead band on the panel must
// count as equal, whatever the last binary digit says.
constexpr double kBandTolerance = 1e-9;

void GovernPressure(State& s) {
  TPumpControlRec& c = s.PumpControl;
  const double err = s.PumpOutput.DischargePress - c.GovernorSetPress;
  if (std::fabs(err) < c.GovernorPressBand - kBandTolerance) return;
  // PressPerRpm is per impeller RPM; the correction is in engine RPM.
  const double pressPerEngineRpm = s.Pump.PressPerRpm * s.Pump.GearRatio;
  if (!(pressPerEngineRpm > 0)) return;  // no pressure line to steer by
  double step = kGovernorGain * err / pressPerEngineRpm;
  if (s.Pump.StageMode == kVolumeStageMode) step *= 2;
  c.GovernorStep = step;
  s.Engine.RpmDemand -= step;
}

void GovernSpeed(State& s) {
  TPumpControlRec& c = s.PumpControl;
  const double err = s.Engine.RpmDemand - c.GovernorSetRpm;
  if (!(std::fabs(err) > c.GovernorRpmBand + kBandTolerance)) return;
  c.GovernorStep = kGovernorGain * err;
  s.Engine.RpmDemand -= c.GovernorStep;
}

}  // namespace

void LimitRpmDemand(State& s) {
  TEngineRec& e = s.Engine;
  if (e.RpmDemand < e.IdleRpm) e.RpmDemand = e.IdleRpm;
  if (e.RpmDemand > e.MaxRpm) e.RpmDemand = e.MaxRpm;
}

void ApplyReliefValve(State& s, Host& host) {
  const TPumpControlRec& c = s.PumpControl;
  if (c.ReliefMode != kReliefInService) return;
  if (!(s.PumpOutput.DischargePress > c.ReliefSetPress)) return;
  StoreLineSolution(s, SolveLinesAtPressure(s, c.ReliefSetPress, host));
}

void ApplyGovernor(State& s) {
  switch (s.PumpControl.GovernorMode) {
    case kGovernorPressureMode:
      GovernPressure(s);
      break;
    case 1:
    case 2:
      GovernSpeed(s);
      break;
    default:
      return;  // not a governor mode: the demand is left as it is
  }
  LimitRpmDemand(s);
}

void ApplyPressureControl(State& s, Host& host) {
  switch (s.PumpControl.PressureControlMode) {
    case kReliefValve:
      ApplyReliefValve(s, host);
      break;
    case kGovernor:
      ApplyGovernor(s);
      break;
    default:
      break;
  }
}

}  // namespace pumpdrill
