#include "sim/supply_steps.h"

#include "sim/cavitation.h"
#include "sim/coefficients.h"
#include "sim/hydrant.h"
#include "sim/incidents.h"
#include "sim/priming.h"
#include "sim/supply.h"
#include "sim/tank.h"

namespace pumpdrill {

void SupplyStep(State& s, const SimSettings& sim, Host& host) {
  (void)sim;
  UpdateTank(s, false, host);
  UpdateSupply(s);
  s.PumpStatus.Cavitating = CheckCavitation(s, host);
  UpdatePumpPrime(s);
  PumpPressureWithoutWater(s);
}

void PrimedIndicatorStep(State& s, bool running, Host& host) { UpdatePrimedIndicator(s, running, host); }

void TankVolumeStep(State& s, Host& host) {
  (void)host;
  UpdateTankVolume(s);
}

void DraftPrimeUpdateStep(State& s, Host& host) {
  if (s.Supply.SupplyType == kSupplyDraft) PrimerAction(s, kPrimerUpdate, host);
}

void IncidentsStep(State& s, bool simActive, RandomSource& random, Host& host) {
  ProcessIncidents(s, false, simActive, random, host);
}

void StartIncidentsForRun(State& s, RandomSource& random, Host& host) {
  ProcessIncidents(s, true, false, random, host);
}

void ResetSupplyForRun(State& s, const SimSettings& sim, Host& host) {
  (void)sim;
  TSupplyRec& sup = s.Supply;
  sup.IntakePrimed = false;
  sup.SupplyAvailable = false;
  sup.SupplyAdequate = false;
  sup.IntakePress = 0;
  sup.SupplyFlow = 0;
  sup.ResidualPress = sup.StaticPress;
  sup.StaticPressNow = sup.StaticPress;

  TPumpStatusRec& ps = s.PumpStatus;
  ps.Primed = false;
  ps.PrimedBefore = false;
  ps.WaterAtPump = false;

  TPumpControlRec& pc = s.PumpControl;
  pc.PrimerState = 2;
  pc.PrimeStart = 0;
  pc.PrimeTimeNeeded = 0;
  pc.PrimeLossArmed = false;
  pc.PrimeLossAt = 0;

  // The intake has no nozzle: only an incident narrows it, and a new run
  // starts with the line whole.
  s.Discharges[kIntakeLine].NozzleOpen = 1;
  UpdateNozzleK(s, kIntakeLine);
  s.Discharges[kTankToPumpLine].Flow = 0;
  s.Discharges[kIntakeLine].Flow = 0;

  UpdateAltitude(s);
  if (sup.SupplyType == kSupplyHydrant) CalcHydrantCoefficients(s);
  UpdateTank(s, true, host);
}

}  // namespace pumpdrill
