#include "setup/pump_setup.h"

#include <algorithm>
#include <cmath>

#include "frame/number_entry.h"
#include "setup/incident_time.h"
#include "sim/constants.h"
#include "sim/field_ranges.h"
#include "sim/incidents.h"
#include "sim/pump_curve.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

// A gauge's setting, never negative; the gauge itself starts from it when
// given.
bool StoreGaugeSetting(Double& setting, Double* gauge, double value) {
  if (!(value >= 0) || !std::isfinite(value)) return false;
  setting = value;
  if (gauge) *gauge = value;
  return true;
}

}  // namespace

int SetupStageMode(const TPumpRec& p) { return p.StageMode == kStageVolume ? kStageVolume : kStagePressure; }

double IdlePressOfMode(const TPumpRec& p) {
  return SetupStageMode(p) == kStageVolume ? p.IdlePressVolume : p.IdlePress;
}

double HighSpeedPress(const TPumpRec& p) { return ShutoffLine(p, SetupStageMode(p), p.RatedImpellerRpm); }

double ReferenceEngineRpm(const TPumpRec& p) {
  return p.GearRatio > 0 ? p.RatedImpellerRpm / p.GearRatio : kReferenceEngineRpm;
}

bool SetGearRatio(State& s, double ratio) {
  if (!(ratio > 0) || !std::isfinite(ratio)) return false;
  TPumpRec& p = s.Pump;
  p.GearRatio = ratio;
  p.IdleImpellerRpm = s.Engine.IdleRpm * ratio;
  p.RatedImpellerRpm = kReferenceEngineRpm * ratio;
  return true;
}

IdleCommit SetEngineIdleRpm(State& s, double rpm) {
  TEngineRec& e = s.Engine;
  double idle = rpm;
  if (!(idle >= e.MinIdleRpm)) idle = e.MinIdleRpm;
  if (idle > e.MaxRpm) idle = e.MaxRpm;
  if (idle >= ReferenceEngineRpm(s.Pump)) return IdleCommit::AtOrAboveReference;
  e.IdleRpm = idle;
  if (e.Rpm < idle) e.Rpm = idle;
  s.Pump.IdleImpellerRpm = idle * s.Pump.GearRatio;
  return IdleCommit::Stored;
}

std::string IdleRefusedText(const TPumpRec& p) {
  return "Idle speed must be below " + FixedText(ReferenceEngineRpm(p), 0) + " rpm.  Value unchanged.";
}

bool SetHighSpeedPress(State& s, double psi) {
  TPumpRec& p = s.Pump;
  double idlePress = IdlePressOfMode(p);
  if (!(psi > idlePress) || !std::isfinite(psi)) return false;
  SetCurveSlope(s, SetupStageMode(p), psi, idlePress, p.RatedImpellerRpm, p.IdleImpellerRpm);
  return true;
}

bool SetLowSpeedPress(State& s, double psi) {
  if (!(psi >= 0) || !std::isfinite(psi)) return false;
  TPumpRec& p = s.Pump;
  int mode = SetupStageMode(p);
  SetModePair(mode, psi, p.IdlePress, p.IdlePressVolume);
  // The line moves through the new idle point with its slope kept.
  double high = ShutoffPressure(s, mode, p.RatedImpellerRpm);
  SetCurveSlope(s, mode, high, IdlePressOfMode(p), p.RatedImpellerRpm, p.IdleImpellerRpm);
  return true;
}

void SetTwoStage(State& s, bool twoStage) {
  s.Pump.TwoStage = twoStage ? 1 : 0;
  if (!twoStage) s.Pump.StageMode = kStagePressure;
}

void SetStageMode(State& s, int mode) {
  s.Pump.StageMode = static_cast<SmallInt>(mode == kStageVolume ? kStageVolume : kStagePressure);
}

void SetFlowEfficiency(State& s, double fraction) {
  if (!std::isfinite(fraction)) return;
  s.Pump.FlowEfficiency = std::clamp(fraction, 0.0, 1.0);
  SetPumpLoss(s, kStagePressure, s.Pump.FlowEfficiency);
  SetPumpLoss(s, kStageVolume, s.Pump.FlowEfficiency);
}

bool SetPrimerRate(State& s, double rate) {
  if (!(rate >= 0 && rate <= kMaxPrimerRate)) return false;
  s.PumpControl.PrimerRate = rate;
  return true;
}

bool SetOilPressSet(State& s, double psi, bool runActive) {
  return StoreGaugeSetting(s.Pump.OilPressSet, runActive ? nullptr : &s.Pump.OilPress, psi);
}

bool SetOilWarnPress(State& s, double psi) { return StoreGaugeSetting(s.Pump.OilWarnPress, nullptr, psi); }

bool SetCoolantTempSet(State& s, double degF, bool runActive) {
  return StoreGaugeSetting(s.Pump.CoolantTempSet, runActive ? nullptr : &s.Pump.CoolantTemp, degF);
}

bool SetCoolantWarnTemp(State& s, double degF) {
  return StoreGaugeSetting(s.Pump.CoolantWarnTemp, nullptr, degF);
}

PumpCommit CommitPumpSetting(State& s, PumpSetting setting, double value,
                             const DisplayUnits& units) {
  switch (setting) {
    case PumpSetting::Ratio:
      if (!(value > 0)) return {false, ErrorCodeText(kErrInvalidValue)};
      if (std::string range =
              RangeRefusal("TPumpRec", "GearRatio", value, {"Pump / engine ratio", ""});
          !range.empty())
        return {false, range};
      if (!SetGearRatio(s, value)) return {false, ErrorCodeText(kErrInvalidValue)};
      break;
    case PumpSetting::IdleRpm:
      if (SetEngineIdleRpm(s, value) != IdleCommit::Stored) return {false, IdleRefusedText(s.Pump)};
      break;
    case PumpSetting::HighPress:
      // The window's spinner starts above the idle pressure; the runner
      // can ask for less.
      if (!SetHighSpeedPress(s, value)) return {false, kHighPressRefusedText};
      break;
    case PumpSetting::LowPress:
      return {SetLowSpeedPress(s, value), ""};
    case PumpSetting::Stages:
      if (value != 1 && value != 2) return {false, ""};
      SetTwoStage(s, value == 2);
      break;
    case PumpSetting::Efficiency:
      if (!(value >= 0 && value <= 100)) return {false, ""};
      SetFlowEfficiency(s, value / 100);
      break;
    case PumpSetting::Capacity:
      if (!(value > 0) || !std::isfinite(value)) return {false, ""};
      if (std::string range = RangeRefusal("TPumpRec", "RatedFlow", value,
                                           ShownQuantity(units, kUnitFlow, "Capacity"));
          !range.empty())
        return {false, range};
      s.Pump.RatedFlow = value;
      break;
  }
  return {};
}

void SetOilLossUse(State& s, bool use) {
  TIncidentRec& r = s.Incidents[kIncidentOilLoss];
  r.Use = use;
  if (!use) r.StartTime() = kNeverTime;
}

void SetOilLossTime(State& s, double seconds) {
  s.Incidents[kIncidentOilLoss].StartTime() = IncidentTimeSet(seconds) ? seconds : kNeverTime;
}

void ClearUnsetOilLoss(State& s) {
  TIncidentRec& r = s.Incidents[kIncidentOilLoss];
  if (!IncidentTimeSet(r.StartTime())) r.Use = false;
}

}  // namespace pumpdrill
