#include "sim/priming.h"

#include <numbers>

#include "sim/constants.h"
#include "sim/state.h"
#include "sim/supply.h"

namespace pumpdrill {

namespace {

constexpr Byte kHardSuction = 2;
constexpr double kValveOpenThreshold = 0.0002;
constexpr double kSoftIntakePrimingTime = 2.0;
constexpr int kPrimerOilEmptyPercent = 5;

constexpr Byte kPrimerPriming = 1;
constexpr Byte kPrimerIdle = 2;

bool IntakeValveOpen(const State& s) { return s.Discharges[kIntakeLine].ValveOpen > 0; }

// The intake's prime: gained from the tank, kept or lost with the intake
// valve and the discharge valves.
void UpdateIntakePrime(State& s, bool valvesShut, bool supplyAvailableBefore) {
  TSupplyRec& sup = s.Supply;
  TPumpControlRec& pc = s.PumpControl;
  const double now = s.SimClock.Time;
  const bool intakeOpen = IntakeValveOpen(s);

  if (!sup.IntakePrimed) {
    // The tank fills the intake through the pump.
    if (intakeOpen && s.Discharges[kTankToPumpLine].ValveOpen > 0 && valvesShut && s.Tank.TankHeadPress > 0) {
      sup.IntakePrimed = true;
    }
    return;
  }
  if (!intakeOpen) {
    if (!valvesShut) {
      sup.IntakePrimed = false;
      pc.PrimeLossArmed = false;
    } else if (!pc.PrimeLossArmed) {
      // Shut in completely, the pump holds its prime for a while.
      pc.PrimeLossArmed = true;
      pc.PrimeLossAt = now + pc.PrimeHoldTime;
    } else if (now >= pc.PrimeLossAt) {
      sup.IntakePrimed = false;
      pc.PrimeLossArmed = false;
    }
    return;
  }
  if (!valvesShut && !supplyAvailableBefore) {
    sup.IntakePrimed = false;
    return;
  }
  pc.PrimeLossArmed = false;
}

}  // namespace

bool AllDischargeValvesShut(const State& s) {
  const int count = s.DischargeList.LineCount;
  for (int i = 1; i <= count && i <= 15; ++i) {
    if (s.Discharges[i].ValveOpen > kValveOpenThreshold) return false;
  }
  return !(s.Discharges[kTankFillLine].ValveOpen > kValveOpenThreshold);
}

double PrimingTimeNeeded(const State& s) {
  const TDischargeRec& intake = s.Discharges[kIntakeLine];
  if (intake.HoseKind != kHardSuction) return kSoftIntakePrimingTime;
  const double rate = s.PumpControl.PrimerRate;
  if (!(rate > 0)) return kNeverTime;
  const double radius = intake.HoseDiam / 2.0;
  return std::numbers::pi * radius * radius * intake.HoseLength / rate;
}

void PrimerAction(State& s, int action, Host& host) {
  TSupplyRec& sup = s.Supply;
  TPumpControlRec& pc = s.PumpControl;
  const double now = s.SimClock.Time;
  const bool primedBefore = sup.IntakePrimed != 0;
  const bool supplyAvailableBefore = sup.SupplyAvailable != 0;

  if (action == kPrimerEngage) {
    pc.PrimerState = kPrimerPriming;
    pc.PrimeStart = now;
    pc.PrimeTimeNeeded = sup.IntakePrimed ? 0.0 : PrimingTimeNeeded(s);
  } else if (action == kPrimerRelease) {
    pc.PrimerState = kPrimerIdle;
    return;
  }

  const bool valvesShut = AllDischargeValvesShut(s);
  UpdateIntakePrime(s, valvesShut, supplyAvailableBefore);

  if (pc.PrimerState == kPrimerPriming) {
    // The count starts again whenever the primer cannot draw: an open
    // discharge that must be shut, an empty oil reservoir, a shut intake.
    const bool restart = (!valvesShut && s.Pump.PrimeNeedsClosedValves != 0) ||
                         pc.PrimerOilPercent <= kPrimerOilEmptyPercent || !IntakeValveOpen(s);
    if (restart) pc.PrimeStart = now;
    if (now - pc.PrimeStart >= pc.PrimeTimeNeeded) sup.IntakePrimed = true;
  }

  const bool primedNow = sup.IntakePrimed != 0;
  if (primedNow != primedBefore) {
    host.SoundCue(primedNow ? SND_PRIMER_PRIMED_LOOP : SND_PRIMER_PRIMING_LOOP, -1, primedNow);
  }
}

void UpdatePrimedIndicator(State& s, bool running, Host& host) {
  if (s.ShowOptions.IndicatePrimed && s.Supply.SupplyType == kSupplyDraft) {
    host.PrimedIndicator(s.Supply.IntakePrimed && running ? PrimedShown::Primed : PrimedShown::NotPrimed);
  } else {
    host.PrimedIndicator(PrimedShown::Hidden);
  }
}

void UpdatePumpPrime(State& s) {
  TPumpStatusRec& ps = s.PumpStatus;
  if (s.Supply.SupplyAvailable) {
    ps.Primed = true;
    ps.WaterAtPump = true;
  } else if (!AllDischargeValvesShut(s) || !ps.PrimedBefore) {
    ps.Primed = false;
    ps.WaterAtPump = false;
  }
  ps.PrimedBefore = ps.Primed;
}

void PumpPressureWithoutWater(State& s) {
  TPumpStatusRec& ps = s.PumpStatus;
  const TSupplyRec& sup = s.Supply;
  TPumpOutputRec& out = s.PumpOutput;
  if (ps.Cavitating) return;
  if (sup.SupplyFlow <= 0 && out.TotalFlow > 0) return;  // the supply limit stops the pump

  const bool draft = sup.SupplyType == kSupplyDraft;
  if (!draft && sup.IntakePress <= 0 && sup.IntakePress < sup.IntakeFloor && !ps.Primed) {
    out.DischargePress = 0;
    ps.WaterAtPump = false;
  } else if (!draft && sup.IntakePress == 0 && out.TotalFlow == 0 && !ps.Primed) {
    out.DischargePress = 0;
    ps.WaterAtPump = false;
  } else if (draft && !sup.IntakePrimed && ps.Primed) {
    ps.WaterAtPump = true;  // the pump still holds water: the pressure stands
  } else if (draft && !sup.IntakePrimed && !ps.Primed) {
    out.DischargePress = 0;
    ps.WaterAtPump = false;
  } else if (draft && sup.IntakePress <= 0 && !sup.IntakePrimed) {
    out.DischargePress = 0;
  } else if (s.PumpControl.PrimeLossArmed && !ps.Primed) {
    out.DischargePress = 0;
    ps.WaterAtPump = false;
  }
}

}  // namespace pumpdrill
