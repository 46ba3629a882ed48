// The coupled line solution runs every 15 ms tick: four passes over the
// lines in use with the pump curve. Measured on the built-in apparatus with
// its first 8 and with all 15 discharges open, at idle and at 1500 RPM,
// where the open lines ask for more than the pump's capacity and the
// operating point is searched directly.
#include <benchmark/benchmark.h>

#include <memory>

#include "../tests/core/default_state.h"
#include "sim/coefficients.h"
#include "sim/operating_point.h"

namespace {

using namespace pumpdrill;

std::unique_ptr<State> ApparatusWithOpenLines(int lines, double rpm) {
  auto s = testing::MakeDefaultState();
  s->DischargeList.LineCount = static_cast<Byte>(lines);
  s->Engine.Rpm = rpm;
  for (int i = 1; i <= lines; ++i) {
    TDischargeRec& d = s->Discharges[i];
    d.ValveOpen = 1;
    d.ValveShut = false;
    d.NozzleOpen = 1;
    UpdateValveK(*s, i);
    UpdateNozzleK(*s, i);
  }
  s->PumpOutput.DischargePress = 150;
  return s;
}

void BM_SolveLines(benchmark::State& state) {
  auto s = ApparatusWithOpenLines(static_cast<int>(state.range(0)),
                                  static_cast<double>(state.range(1)));
  double press = s->PumpOutput.DischargePress;
  for (auto _ : state) {
    LineSolution r = SolveLines(*s, press);
    benchmark::DoNotOptimize(r);
  }
  LineSolution r = SolveLines(*s, press);
  state.counters["gpm"] = r.TotalFlow;
  state.counters["psi"] = r.Press;
}
BENCHMARK(BM_SolveLines)
    ->ArgNames({"lines", "rpm"})
    ->Args({8, 1050})
    ->Args({15, 1050})
    ->Args({8, 1500})
    ->Args({15, 1500});

}  // namespace
