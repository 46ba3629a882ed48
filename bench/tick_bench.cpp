// One whole simulation tick, as the program runs it every 15 ms and the
// headless runner runs it on simulated time: the built-in apparatus with
// its lines flowing, from a hydrant alone and from the tank and the
// hydrant together.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/runner_session.h"
#include "frame/tick.h"
#include "sim/coefficients.h"
#include "sim/valve_change.h"

namespace {

using namespace pumpdrill;

// A main directory for the run's settings, removed afterwards.
class TempMainDir {
 public:
  TempMainDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pumpdrill-bench-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (::mkdtemp(name.data())) path_ = name.data();
  }
  ~TempMainDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

void OpenValve(State& s, int line, Host& host) {
  s.Discharges[line].ValveOpen = 1;
  ValveChanged(s, false, line, 1, true, host);
}

// lines: discharges flowing; withTank: the tank feeds the pump as well;
// recording: samples go to the run's data file (every second of simulated
// time, a page written every minute).
void BM_SimulationTick(benchmark::State& state, int lines, bool withTank, bool recording) {
  TempMainDir dir;
  std::ostringstream err;
  RunnerSession rs(0.015, err, true);
  if (dir.path().empty() || !StartRunnerSession(rs, "", dir.path(), err)) {
    state.SkipWithError("no main directory for the run");
    return;
  }
  State& s = rs.S();
  s.DischargeList.LineCount = static_cast<Byte>(lines);
  rs.Config().Options.RecordDataOnStartup = recording;
  rs.clock.SetTick(0);
  SetRunState(s, rs.Config(), rs.Run(), rs.host, kRunStart);
  s.Engine.RpmDemand = s.Engine.Rpm = 1500;
  OpenValve(s, kIntakeLine, rs.host);
  if (withTank) OpenValve(s, kTankToPumpLine, rs.host);
  for (int n = 1; n <= lines; ++n) {
    s.Discharges[n].NozzleOpen = 1;
    UpdateNozzleK(s, n);
    OpenValve(s, n, rs.host);
  }
  long long tick = 0;
  // Settle first: the benchmark measures the steady flowing state.
  for (; tick < 200; ++tick) {
    rs.clock.SetTick(tick);
    SimulationTick(s, rs.Config(), rs.Run(), rs.host);
  }
  for (auto _ : state) {
    rs.clock.SetTick(tick++);
    SimulationTick(s, rs.Config(), rs.Run(), rs.host);
    benchmark::DoNotOptimize(s.PumpOutput.DischargePress);
  }
  state.counters["psi"] = s.PumpOutput.DischargePress;
  state.counters["gpm"] = s.PumpOutput.TotalFlow;
}
BENCHMARK_CAPTURE(BM_SimulationTick, hydrant_8_lines, 8, false, false);
BENCHMARK_CAPTURE(BM_SimulationTick, tank_and_hydrant_15_lines, 15, true, false);
BENCHMARK_CAPTURE(BM_SimulationTick, hydrant_8_lines_recording, 8, false, true);

}  // namespace
