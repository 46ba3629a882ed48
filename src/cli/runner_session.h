// One run of the headless runner: the program's state, settings and run
// control, the simulated clock and the host that stands in for windows.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/runner_host.h"
#include "frame/program.h"

namespace pumpdrill {

// The runner plays no sound, but it reads the settings file the windowed
// program shares; it counts as having a wave device so that it never
// switches the sound options off.
inline constexpr int kRunnerWaveDevices = 1;

class RunnerSession {
 public:
  RunnerSession(double dt, std::ostream& err, bool quiet);
  ~RunnerSession();
  RunnerSession(const RunnerSession&) = delete;
  RunnerSession& operator=(const RunnerSession&) = delete;

  State& S() { return program.S(); }
  Configuration& Config() { return program.config; }
  RunContext& Run() { return program.run; }

  Program program;
  SimulatedClock clock;
  RunnerHost host;
  // The folder of the runner's own temporary files; removed at the end.
  std::string ScratchDirectory;
};

// Start-up as the program's own: the directories resolved from the
// program's path, or the main directory given (mainDir not empty); the
// settings read from its Ini/Tw.INI (created when missing; problems are
// reported on err as warnings); the built-in defaults with 8 discharges;
// the run initialised. The runner's temporary Evolution and data file go
// to a scratch folder of its own, so that a run never replaces those of a
// program working in the same main directory. Returns false, with the
// reason on err, when that folder cannot be made.
bool StartRunnerSession(RunnerSession& rs, const std::string& programPath, const std::string& mainDir,
                        std::ostream& err);

}  // namespace pumpdrill
