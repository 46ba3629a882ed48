#include "sim/tank.h"

#include <algorithm>

#include "sim/constants.h"
#include "sim/state.h"
#include "sim/supply.h"

namespace pumpdrill {

namespace {

// Longest step between two tank updates that is still integrated.
constexpr double kLongestTankStep = 1.5;


Byte LevelStateFor(const TTankRec& t) {
  // An empty or unset capacity reads as an empty tank.
  const double f = t.Capacity > 0 ? t.Volume / t.Capacity : 0.0;
  if (f >= t.Level4Fraction) return 4;
  if (f >= t.Level3Fraction) return 3;
  if (f >= t.Level2Fraction) return 2;
  if (f >= t.Level1Fraction) return 1;
  return 0;
}

}  // namespace

void UpdateTank(State& s, bool reset, Host& host) {
  TTankRec& t = s.Tank;
  if (reset) {
    // A tank without height or capacity keeps its last base area rather
    // than dividing by zero.
    if (t.Height > 0 && t.Capacity > 0) t.BaseArea = (t.Capacity / kGallonsPerCubicFoot) / t.Height;
    t.Volume = t.InitialVolume;
  }
  t.WaterDepth = t.BaseArea > 0 ? (t.Volume / kGallonsPerCubicFoot) / t.BaseArea : 0.0;

  const TDischargeRec& outlet = s.Discharges[kTankToPumpLine];
  if (outlet.ValveOpen > 0 && t.Volume > 0) {
    t.TankHeadPress = ((outlet.PumpEndElev - outlet.NozzleElev) + t.WaterDepth) * kPsiPerFoot;
  } else {
    t.TankHeadPress = 0;
  }

  const Byte level = LevelStateFor(t);
  const bool changed = level != t.LevelState;
  t.LevelState = level;
  if (changed && !reset) host.TankLevelChanged();
}

void ResizeTank(State& s, Host& host) {
  TTankRec& t = s.Tank;
  if (t.Height > 0 && t.Capacity > 0) t.BaseArea = (t.Capacity / kGallonsPerCubicFoot) / t.Height;
  t.Volume = std::clamp<double>(t.Volume, 0.0, std::max<double>(t.Capacity, 0.0));
  UpdateTank(s, false, host);
}

void UpdateTankVolume(State& s) {
  TSimClockRec& clock = s.SimClock;
  const double dt = clock.Time - clock.LastTankUpdate;
  if (dt <= 0) return;
  if (dt > kLongestTankStep) {
    clock.LastTankUpdate = clock.Time;
    return;
  }
  const double minutes = dt / 60.0;
  TTankRec& t = s.Tank;
  t.Volume += minutes * s.Discharges[kTankFillLine].Flow - minutes * s.Discharges[kTankToPumpLine].Flow;
  t.Volume = std::clamp(t.Volume, 0.0, std::max(t.Capacity, 0.0));

  if (s.Supply.SupplyType == kSupplyDraft && s.Supply.FiniteDraftSource != 0) {
    TDraftSourceRec& source = s.DraftSource;
    source.Volume = std::max(0.0, source.Volume - minutes * s.Discharges[kIntakeLine].Flow);
  }
  clock.LastTankUpdate = clock.Time;
}

}  // namespace pumpdrill
