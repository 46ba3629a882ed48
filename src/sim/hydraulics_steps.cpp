#include "sim/hydraulics_steps.h"

#include "sim/coefficients.h"
#include "sim/defaults.h"
#include "sim/discharge_gauges.h"
#include "sim/line_flow.h"
#include "sim/nozzle_pressure.h"
#include "sim/operating_point.h"
#include "sim/supply_limit.h"

namespace pumpdrill {

void FlowSolutionStep(State& s, const SimSettings& sim, Host& host) {
  (void)sim;
  (void)host;
  StoreLineSolution(s, SolveLines(s, s.PumpOutput.DischargePress));
}

void NozzlePressuresStep(State& s) { UpdateNozzlePressures(s); }

void SupplyLimitStep(State& s) { ApplySupplyLimit(s); }

void TakeFlowSnapshot(State& s) {
  const int n = DischargeLinesInUse(s);
  for (int i = 1; i <= n; ++i) s.Discharges[i].SnapshotFlow = s.Discharges[i].Flow;
}

void DischargeGaugesStep(State& s) { UpdateDischargeGauges(s); }

void ResetLinesForRun(State& s, const SimSettings& sim, Host& host) {
  (void)sim;
  for (int i = 1; i <= kMasterLine - 1; ++i) {
    TDischargeRec& d = s.Discharges[i];
    d.Flow = 0;
    d.SnapshotFlow = 0;
    d.DischPress = 0;
    d.NozzlePress = 0;
    d.HoseLoss = 0;
    d.BranchFlow[1] = d.BranchFlow[2] = d.BranchFlow[3] = 0;
    d.Trapped = false;
    d.TrappedPress = 0;
    d.ValveShut = d.ValveOpen <= 0;
    ApplyNozzleOperability(s, i);
  }
  s.PumpOutput.DischargePress = 0;
  s.PumpOutput.TotalFlow = 0;
  UpdateAllLineCoefficients(s, host);
}

}  // namespace pumpdrill
