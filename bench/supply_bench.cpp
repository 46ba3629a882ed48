// The supply solution runs every 15 ms tick. Its dearest case is the tank
// and the hydrant feeding together, where the intake pressure that splits
// the demand is searched trial by trial. Measured on the built-in apparatus
// with the tank valve and the intake open, at several demands.
#include <benchmark/benchmark.h>

#include <memory>

#include "../tests/core/default_state.h"
#include "sim/coefficients.h"
#include "sim/supply.h"
#include "sim/tank.h"

namespace {

using namespace pumpdrill;

void BM_CombinedSupply(benchmark::State& state) {
  auto s = testing::MakeDefaultState();
  NullHost host;
  s->Discharges[kTankToPumpLine].ValveOpen = 1;
  s->Discharges[kIntakeLine].ValveOpen = 1;
  UpdateValveK(*s, kTankToPumpLine);
  UpdateValveK(*s, kIntakeLine);
  s->Supply.StaticPress = 5;
  UpdateTank(*s, true, host);
  s->PumpOutput.TotalFlow = static_cast<double>(state.range(0));
  for (auto _ : state) {
    UpdateSupply(*s);
    benchmark::DoNotOptimize(s->Supply.IntakePress);
  }
  state.counters["gpm"] = s->Supply.SupplyFlow;
  state.counters["psi"] = s->Supply.IntakePress;
}
BENCHMARK(BM_CombinedSupply)->ArgName("demand")->Arg(250)->Arg(750)->Arg(1500);

}  // namespace
