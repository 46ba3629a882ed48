#include "sim/pump_curve.h"

#include <cmath>

#include "sim/constants.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

double Intercept(const TPumpRec& p) { return p.IdlePress - p.PressPerRpm * p.IdleImpellerRpm; }

}  // namespace

double ShutoffLine(const TPumpRec& p, int mode, double impellerRpm) {
  double shutoff = p.PressPerRpm * impellerRpm + Intercept(p);
  if (mode == kStageVolume) shutoff /= 2;
  return shutoff;
}

double ShutoffPressure(State& s, int mode, double impellerRpm) {
  s.Pump.PressIntercept = Intercept(s.Pump);
  return ShutoffLine(s.Pump, mode, impellerRpm);
}

double NetPumpPressure(const TPumpRec& p, int mode, double impellerRpm, double gpm, double lossK) {
  double shutoff = ShutoffLine(p, kStagePressure, impellerRpm);
  double press;
  if (mode == kStageVolume) {
    press = shutoff / 2 - (lossK / 8) * gpm * gpm;
  } else {
    press = shutoff - lossK * gpm * gpm;
  }
  return press * PumpDerating(gpm, p.RatedFlow);
}

void SetCurveSlope(State& s, int mode, double pressHigh, double pressLow, double rpmHigh,
                   double rpmLow) {
  // Two points at one speed define no line; an infinite slope would make
  // every later pump pressure meaningless.
  if (rpmHigh == rpmLow) return;
  double slope = (pressHigh - pressLow) / (rpmHigh - rpmLow);
  SetModePair(mode, slope, s.Pump.PressPerRpm, s.Pump.PressPerRpmVolume);
}

void SetModePair(int mode, double value, double& pressureMode, double& volumeMode) {
  if (mode == kStageVolume) {
    volumeMode = value;
    pressureMode = 2 * value;
  } else {
    pressureMode = value;
    volumeMode = value / 2;
  }
}

void SetPumpLoss(State& s, int mode, double efficiency) {
  if (mode != kStagePressure && mode != kStageVolume) return;
  s.Pump.PumpLossK[mode] = 0.00015 - 0.00015 * efficiency;
}

double PumpDerating(double gpm, double ratedFlow) {
  if (!(gpm > ratedFlow)) return 1.0;
  double e = std::round(gpm / ratedFlow * 100) - 100;  // percent above rating
  if (e >= 1 && e <= 4) return 0.9;
  if (e >= 5 && e <= 9) return 0.8;
  if (e >= 10 && e <= 14) return 0.7;
  if (e >= 15 && e <= 19) return 0.6;
  if (e >= 20 && e <= 23) return 0.5;
  if (e >= 24 && e <= 27) return 0.4;
  if (e >= 28 && e <= 30) return 0.3;
  if (e >= 31 && e <= 33) return 0.2;
  if (e >= 34 && e <= 10000) return 0.1;
  return 1.0;  // 0 percent, or beyond any meaning (no rated flow)
}

double PumpPressure(State& s, double& totalCfs, int mode, double gearRatio, double lossK,
                    double engineRpm) {
  s.Pump.PressIntercept = Intercept(s.Pump);
  double press = NetPumpPressure(s.Pump, mode, gearRatio * engineRpm, kGpmPerCfs * totalCfs, lossK);
  press += s.Supply.IntakePress;
  if (press < 0) {
    press = 0;
    totalCfs = 0;
  }
  return press;
}

double PumpCurveRpm(const State& s) {
  if (s.PumpStatus.Cavitating && s.Engine.Rpm > s.Engine.CavitationRpm) {
    return s.Engine.CavitationRpm;
  }
  return s.Engine.Rpm;
}

}  // namespace pumpdrill
