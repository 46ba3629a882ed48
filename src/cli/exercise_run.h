// A scripted exercise run on simulated time: the run started as the start
// button starts one, the script's actions applied as their times come, the
// program's own tick, and the samples written as CSV.
#pragma once

#include <cstddef>
#include <functional>

#include <string>

#include "cli/runner_host.h"
#include "cli/sampler.h"
#include "cli/script.h"
#include "frame/configuration.h"
#include "frame/run_control.h"
#include "records/run_record.h"
#include "sim/state.h"

namespace pumpdrill {

inline constexpr double kDefaultTickSeconds = 0.015;
inline constexpr double kDefaultSampleSeconds = 1.0;
// Without a duration the run goes on this long after the last action.
inline constexpr double kRunAfterLastAction = 10.0;

struct ExerciseOptions {
  double duration = -1;  // seconds; below 0: the last action's time + 10 s
  double sampleInterval = kDefaultSampleSeconds;
  Columns columns;  // empty: the default set of the state at the start
  RunRecorder* recorder = nullptr;  // when set, takes the run report's samples and actions
};

struct ExerciseResult {
  long long ticks = 0;         // ticks run
  double endTime = 0;          // SimClock.Time when the run ended
  bool terminated = false;     // the script ended the run
  int actionsApplied = 0;
  int actionsAfterEnd = 0;     // actions timed after the end, never applied
};

// The length of the run: the duration asked for, or the last action's
// time and 10 s more.
double ExerciseDuration(const Script& script, const ExerciseOptions& o);

// Runs an exercise from a state that has been initialised (defaults or an
// Evolution loaded) and is Idle. The clock must be the host's clock; its
// tick length is the run's dt.
//
// The run starts at simulated time 0 (SetRunState(1)). Then, for tick
// n = 0, 1, ...: the clock is at n x dt; every action whose time that
// reaches (within 1e-9 s) is applied in order; the tick runs; a sample row
// is written when due. The run ends after the first tick that reaches the
// duration, at a terminate action (before that tick) or when the run is
// no longer active; it is then terminated (SetRunState(3)) and the last row
// written. The CSV (header, rows) is appended to csv; the default columns
// are those of the lines in use once the actions at time 0 are applied.
ExerciseResult RunExercise(State& s, const Configuration& cfg, RunContext& run, SimulatedClock& clock,
                           RunnerHost& host, const Script& script, const ExerciseOptions& o, std::string& csv);

// The same run, handing the CSV to drain whenever csv holds more than
// kCsvDrainBytes and once at the end, so that a long run does not keep its
// rows in memory; drain takes what it wants from csv (and clears it).
inline constexpr std::size_t kCsvDrainBytes = 1u << 16;
ExerciseResult RunExercise(State& s, const Configuration& cfg, RunContext& run, SimulatedClock& clock,
                           RunnerHost& host, const Script& script, const ExerciseOptions& o, std::string& csv,
                           const std::function<void(std::string&)>& drain);

}  // namespace pumpdrill
