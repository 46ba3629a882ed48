#include "sim/engine.h"

#include <algorithm>

#include "sim/state.h"

namespace pumpdrill {

namespace {

constexpr double kTempStepSeconds = 2.0;
constexpr double kWarmUpSeconds = 120.0;
constexpr double kCoolantCeiling = 400.0;  // F, without cooling
constexpr Byte kCoolerOn = 1;

// Moves value towards target: up by `up`, down by `down`, never past it.
double StepTowards(double value, double target, double up, double down) {
  if (value < target) return std::min(value + up, target);
  if (value > target) return std::max(value - down, target);
  return value;
}

}  // namespace

void UpdateEngineSpeed(State& s) {
  TEngineRec& e = s.Engine;
  double rpm = e.RpmDemand;
  if (rpm < e.IdleRpm) {
    rpm = e.IdleRpm;
  } else if (rpm > e.MaxRpm) {
    rpm = e.MaxRpm;
  }
  e.Rpm = rpm;
}

void UpdateEngineTemperature(State& s) {
  TPumpRec& p = s.Pump;
  double time = s.SimClock.Time;
  if (time < p.NextTempUpdate) return;
  p.NextTempUpdate += kTempStepSeconds;

  const TEngineRec& e = s.Engine;
  // The setup keeps idle at 500 RPM or more; a damaged record without an
  // idle speed has no speed ratio and the temperatures stay as they are.
  if (!(e.IdleRpm > 0)) return;
  double ratio = e.Rpm / e.IdleRpm;

  double warmUp = (time >= 0 && time < kWarmUpSeconds) ? time / kWarmUpSeconds : 1.0;
  bool coolingWater = s.Supply.SupplyFlow > 0 || (p.CoolFromTank && !s.Supply.TankEmpty);
  double cooling = coolingWater ? -20.0 : 0.0;
  double target = ratio * 30 - 30 + s.Supply.WaterTemp + 75 * warmUp + cooling;

  double up = ratio;
  double down = 1.0 / ratio;
  p.EngineHeat = StepTowards(p.EngineHeat, target, up, down);

  if (p.EngineCooler == kCoolerOn && coolingWater) {
    p.CoolantTemp = StepTowards(p.CoolantTemp, p.EngineHeat, up, down);
  } else if (p.CoolantTemp < kCoolantCeiling) {
    p.CoolantTemp = std::min(p.CoolantTemp + up, kCoolantCeiling);
  }
}

}  // namespace pumpdrill
