#include "sim/discharge_gauges.h"

#include "sim/constants.h"
#include "sim/line_flow.h"

namespace pumpdrill {

namespace {

// Gauge pressure of one line whose valve passes q cfs.
double GaugePressure(const State& s, const TDischargeRec& d, double q) {
  const double pump = s.PumpOutput.DischargePress;
  if (q > 0) {
    double p = pump - d.ValveK * q * q * kPsiPerFoot;
    return p > 0 ? p : 0.0;
  }
  if (d.ValveShut && d.Trapped) return d.TrappedPress;
  // An open valve against a shut nozzle shows the pump pressure.
  if (d.ValveOpen > 0 && d.NozzleOpen <= 0) return pump;
  return 0.0;
}

void UpdateGauge(State& s, int line) {
  if (IsSiameseSecondary(s, line)) return;  // written with its first line
  TDischargeRec& d = s.Discharges[line];
  const int partner = SiamesePartner(s, line);
  if (partner == 0) {
    d.DischPress = GaugePressure(s, d, d.Flow / kGpmPerCfs);
    return;
  }
  d.DischPress = GaugePressure(s, d, d.BranchFlow[1]);
  // A burst pair is solved line by line: each line writes only its own gauge.
  if (IsSiameseSecondary(s, partner)) {
    TDischargeRec& p = s.Discharges[partner];
    p.DischPress = GaugePressure(s, p, d.BranchFlow[2]);
  }
}

}  // namespace

void UpdateDischargeGauges(State& s) {
  for (int i = 1; i <= 15; ++i) UpdateGauge(s, i);
  UpdateGauge(s, kTankFillLine);
}

}  // namespace pumpdrill
