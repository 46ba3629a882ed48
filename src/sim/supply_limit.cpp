#include "sim/supply_limit.h"

#include "sim/line_flow.h"
#include "sim/nozzle_pressure.h"

namespace pumpdrill {

namespace {

// Applies f to every solved line: the discharges in use and the tank fill
// line.
template <typename F>
void ForEachSolvedLine(State& s, F f) {
  const int n = DischargeLinesInUse(s);
  for (int i = 1; i <= n; ++i) f(s.Discharges[i]);
  f(s.Discharges[kTankFillLine]);
}

void ScaleToSupply(State& s) {
  const double total = s.PumpOutput.TotalFlow;
  const double ratio = total > 0 ? s.Supply.SupplyFlow / total : 0.0;
  s.PumpStatus.CavitationRatio = ratio;
  s.PumpOutput.TotalFlow = s.Supply.SupplyFlow;
  ForEachSolvedLine(s, [ratio](TDischargeRec& d) {
    d.Flow *= ratio;
    if (d.Layout == 1 || d.Layout == 2) {
      d.BranchFlow[1] *= ratio;
      d.BranchFlow[2] *= ratio;
    }
    if (d.Layout == 0 && !d.Trapped) UpdateSingleLineNozzlePressure(d);
  });
  if (s.PumpOutput.TotalFlow > 0) {
    s.PumpOutput.DischargePress = s.PumpStatus.PressBeforeCavitation;
  } else if (!s.PumpStatus.Primed) {
    s.PumpOutput.DischargePress = 0;
  }
}

void StopAllFlow(State& s) {
  s.PumpOutput.DischargePress = 0;
  s.PumpOutput.TotalFlow = 0;
  ForEachSolvedLine(s, [](TDischargeRec& d) {
    d.Flow = 0;
    d.HoseLoss = 0;
    if (d.Layout == 1 || d.Layout == 2) d.BranchFlow[1] = d.BranchFlow[2] = 0;
    if (d.Layout == 0 && !d.Trapped) d.NozzlePress = 0;
  });
}

}  // namespace

void ApplySupplyLimit(State& s) {
  if (s.PumpStatus.Cavitating) {
    ScaleToSupply(s);
  } else if (s.Supply.SupplyFlow <= 0 && s.PumpOutput.TotalFlow > 0) {
    StopAllFlow(s);
  }
}

}  // namespace pumpdrill
