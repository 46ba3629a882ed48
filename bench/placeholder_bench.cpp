#include <benchmark/benchmark.h>

#include "sim/types.h"

static void BM_ShortStringAssign(benchmark::State& state) {
  pumpdrill::ShortString s;
  for (auto _ : state) {
    s.assign("No. 2 Crosslay");
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_ShortStringAssign);
