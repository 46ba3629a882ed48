// Coefficient recomputation and the pump curve. The line solution asks the
// pump curve for a pressure four times per 15 ms tick; the coefficients of
// every line are recomputed after each load and setup change.
#include <benchmark/benchmark.h>

#include <memory>

#include "sim/coefficients.h"
#include "sim/pump_curve.h"
#include "sim/state.h"

namespace {

using pumpdrill::State;

// Eighteen lines of 2-1/2 in hose with 1 in tips, one of them a siamese pair
// and one a wye, on the default pump.
std::unique_ptr<State> Apparatus() {
  auto s = std::make_unique<State>();
  s->DischargeList.LineCount = 15;
  for (int i = 1; i <= 18; ++i) {
    auto& d = s->Discharges[i];
    d.ValveDiam = 2.5 / 12;
    d.ValveOpen = 0.7;
    d.HoseLength = 50.0 * i;
    d.HoseDiam = 2.5 / 12;
    d.HoseC = 132;
    d.ShutoffDiam = 2.5 / 12;
    d.NozzleOpen = 1;
    d.NozzleType = static_cast<pumpdrill::Byte>(i % 2);
    d.TipDiam = 1.0 / 12;
    for (int k = 1; k <= 3; ++k) {
      d.BranchLength[k] = 100;
      d.BranchDiam[k] = 1.75 / 12;
    }
  }
  s->Discharges[2].Layout = 1;
  s->Discharges[2].Partner[1] = 2;
  s->Discharges[2].Partner[2] = 9;
  s->Discharges[4].Layout = 2;
  s->Pump.GearRatio = 2.27;
  s->Pump.IdleImpellerRpm = 1050 * 2.27;
  s->Pump.IdlePress = 20;
  s->Pump.PressPerRpm = 0.138;
  s->Pump.RatedFlow = 1500;
  pumpdrill::SetPumpLoss(*s, 1, 0.8);
  return s;
}

void BM_UpdateAllLineCoefficients(benchmark::State& state) {
  auto s = Apparatus();
  pumpdrill::NullHost host;
  for (auto _ : state) {
    pumpdrill::UpdateAllLineCoefficients(*s, host);
    benchmark::DoNotOptimize(s->Discharges[18].HoseK);
  }
}
BENCHMARK(BM_UpdateAllLineCoefficients);

void BM_PumpPressure(benchmark::State& state) {
  auto s = Apparatus();
  double gpm = 0;
  for (auto _ : state) {
    // Sweeps 0 to 2000 gpm so that every derating band is met.
    gpm = gpm >= 2000 ? 0 : gpm + 7;
    double q = gpm / 448.8;
    double p = pumpdrill::PumpPressure(*s, q, 1, 2.27, s->Pump.PumpLossK[1], 2600);
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(q);
  }
}
BENCHMARK(BM_PumpPressure);

}  // namespace
