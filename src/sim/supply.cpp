#include "sim/supply.h"

#include <cmath>

#include "sim/constants.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

bool IsDraft(const State& s) { return s.Supply.SupplyType == kSupplyDraft; }

bool IntakeValveOpen(const State& s) { return s.Discharges[kIntakeLine].ValveOpen > 0; }

}  // namespace

void UpdateAltitude(State& s) {
  const double altitude = s.Supply.Altitude;
  const long a = std::lround(altitude);
  double f = 0.5;
  if (a >= -10000 && a <= 250) {
    f = 0.5;
  } else if (a >= 251 && a <= 750) {
    f = 0.6;
  } else if (a >= 751 && a <= 5000) {
    f = 0.5;
  } else if (a >= 5001 && a <= 8000) {
    f = 0.48;
  } else if (a >= 8001 && a <= 20000) {
    f = 0.46;
  }
  s.MinIntakePress = -14.7 + (altitude / 1000.0) * f;
}

void UpdateSupplyAvailable(State& s) {
  TSupplyRec& sup = s.Supply;
  const TDischargeRec& intake = s.Discharges[kIntakeLine];
  bool available = false;
  if (IsDraft(s)) {
    const bool sourceHasWater = sup.FiniteDraftSource == 0 || s.DraftSource.Volume > 0;
    available = (sup.IntakePrimed && IntakeValveOpen(s) && sourceHasWater) || sup.IntakePress > 0 ||
                s.Tank.TankHeadPress > 0;
  } else {
    // Without an external supply only the tank can feed the pump.
    const bool external = sup.SupplyType != kSupplyNone && sup.StaticPress > 0 && intake.NozzleOpen > 0 &&
                          intake.ValveOpen > 0;
    available = s.Tank.TankHeadPress > 0 || external;
  }
  sup.SupplyAvailable = available;
}

double LineLoss(State& s, int n, double flowGpm) {
  TDischargeRec& d = s.Discharges[n];
  if (flowGpm > 0) {
    const double q = flowGpm / kGpmPerCfs;
    d.ValveLoss = d.ValveK * q * q;
    d.HoseLoss = d.HoseK * q * q;
    d.ShutoffLoss = d.ShutoffK * q * q;
    d.ElevDiff = d.NozzleElev - d.PumpEndElev;
    return d.ValveLoss + d.HoseLoss + d.ShutoffLoss + d.ElevDiff;
  }
  d.ValveLoss = 0;
  d.HoseLoss = 0;
  d.ShutoffLoss = 0;
  // Standing water still presses on the intake: the elevation counts for the
  // intake line when water stands in it.
  bool keepElevation = false;
  if (n == kIntakeLine) {
    keepElevation = IsDraft(s) ? s.Supply.SupplyAvailable != 0
                               : (d.ValveOpen > 0 && s.Supply.StaticPress > 0);
  }
  d.ElevDiff = keepElevation ? d.NozzleElev - d.PumpEndElev : 0.0;
  return d.ElevDiff;
}

}  // namespace pumpdrill
