#include "panel/controls/governor_set_point.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sim/pressure_control.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {
constexpr Byte kGovernorRpmMode = 1;
constexpr Byte kGovernorIdleMode = 2;

double Finite(double v) { return std::isfinite(v) ? v : 0.0; }
}  // namespace

double GovernorStepInterval(int taken) {
  if (taken <= 4) return 0.5;
  if (taken <= 8) return 0.3;
  if (taken <= 12) return 0.1;
  return 0.025;
}

void SetGovernorPressure(State& s, double psi) {
  s.PumpControl.GovernorSetPress =
      std::clamp(Finite(psi), 0.0, std::max(0.0, s.PumpStatus.GaugeMaxPress));
}

void SetGovernorRpm(State& s, double rpm) {
  const double lo = s.Engine.IdleRpm;
  const double hi = std::max(lo, double(s.Engine.MaxRpm));
  s.PumpControl.GovernorSetRpm = std::clamp(Finite(rpm), lo, hi);
}

void StepGovernorSetPoint(State& s, int direction) {
  TPumpControlRec& c = s.PumpControl;
  if (c.GovernorMode == kGovernorPressureMode) {
    SetGovernorPressure(s, c.GovernorSetPress + direction * kGovernorPressStep);
  } else if (c.GovernorMode == kGovernorRpmMode) {
    const double next =
        std::round((c.GovernorSetRpm + direction * kGovernorRpmStep) / kGovernorRpmStep) *
        kGovernorRpmStep;
    SetGovernorRpm(s, next);
  }
  LimitRpmDemand(s);
}

void GovernorToPressureMode(State& s) {
  s.PumpControl.GovernorMode = kGovernorPressureMode;
  SetGovernorPressure(s, s.PumpOutput.DischargePress);
}

void GovernorToRpmMode(State& s) {
  s.PumpControl.GovernorMode = kGovernorRpmMode;
  SetGovernorRpm(s, s.Engine.RpmDemand);
}

void GovernorToIdle(State& s) {
  s.PumpControl.GovernorSetRpm = s.Engine.IdleRpm;
  s.PumpControl.GovernorMode = kGovernorIdleMode;
  LimitRpmDemand(s);
}

std::string GovernorPressureText(const DisplayUnits& u, double psi) {
  char buf[32];
  const bool bar = u.Metric && u.Bars;
  std::snprintf(buf, sizeof buf, bar ? "%.1f" : "%.0f", Finite(ToDisplay(u, kUnitPressure, psi)));
  return buf;
}

}  // namespace pumpdrill
