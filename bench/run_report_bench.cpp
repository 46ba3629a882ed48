// The run report over a 30-minute run sampled every quarter second (7 200
// samples, eight lines flowing), scored against a key of eight lines.
#include <benchmark/benchmark.h>

#include <cmath>

#include "records/run_report.h"

namespace {

using namespace pumpdrill;

RunRecord ThirtyMinuteRun() {
  RunRecord r;
  r.lineCount = 8;
  r.maxRpm = 2200;
  r.tankCapacity = 750;
  r.cavitationRecorded = r.waterHammersRecorded = r.actionsRecorded = true;
  const int samples = static_cast<int>(30 * 60 / kReportSampleSeconds);
  r.samples.reserve(samples);
  for (int i = 0; i < samples; ++i) {
    RunSample s;
    s.time = i * kReportSampleSeconds;
    s.pumpPress = 150 + 10 * std::sin(i * 0.01);
    s.intakePress = 30 + 15 * std::sin(i * 0.003);
    s.rpm = 1600 + 600 * std::sin(i * 0.002);
    s.tankVolume = 750 - i * 0.1;
    s.cavitating = i % 500 < 3 ? 1 : 0;
    for (int line = 1; line <= 8; ++line) {
      s.flow[line] = i > 40 ? 150 : 0;
      s.nozzlePress[line] = 100 + 12 * std::sin(i * 0.02 + line);
      s.dischPress[line] = s.pumpPress;
    }
    r.samples.push_back(s);
  }
  for (int k = 0; k < 50; ++k) r.actions.push_back({k * 30.0, "valve 3 1"});
  return r;
}

void BM_RunReport30Minutes(benchmark::State& state) {
  const RunRecord record = ThirtyMinuteRun();
  AnswerKey key;
  key.loaded = true;
  key.duration = 1800;
  key.intakeFloor = 20;
  for (int line = 1; line <= 8; ++line) key.lines.push_back({line, 100, 10, 60});
  for (auto _ : state) {
    RunReport report = ComputeRunReport(record, key);
    benchmark::DoNotOptimize(report.score);
    std::string text = RunReportText(report);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_RunReport30Minutes)->Unit(benchmark::kMillisecond);

}  // namespace
