// Run control: starting, pausing, resuming and terminating a run, the run
// clock, and the re-initialisation that puts the simulation back at the
// start of a run. The main window's run buttons and Run menu, the tick's
// run-time prompt and closing the program all come through here; the
// headless runner uses the same calls.
#pragma once

#include <string>
#include <vector>

#include "frame/directories.h"
#include "records/recording_state.h"
#include "sim/host.h"
#include "sim/random_source.h"
#include "sim/state.h"
#include "sim/types.h"
#include "sound/radio_call_state.h"

namespace pumpdrill {

struct Configuration;
class StartupLog;

enum class TRunState : Byte {
  Idle = 0,        // initialised, never started
  Running = 1,
  Paused = 2,
  Terminated = 3,
};

// Modes of SetRunState.
inline constexpr int kRunStart = 1;      // start, or continue after a pause
inline constexpr int kRunPause = 2;
inline constexpr int kRunTerminate = 3;

// The name of the temporary Evolution that holds the state at the start of
// the last run, in the Evolutions folder.
inline constexpr const char* kTempEvolutionName = "tmp.xvo";

// An elapsed-time limit that is never reached.
inline constexpr Double kNeverSeconds = 10000000.0;

// The run control's own state; one lives as long as the program.
struct RunContext {
  TRunState RunState = TRunState::Idle;
  bool SimActive = false;       // a run has been started and not yet terminated
  Double RunLimit = 0;          // SimClock.Time at which the run-time prompt is next shown
  std::string CurrentEvolution;              // full path; empty when none
  std::vector<std::string> EvolutionHistory;  // at most 10 names
  bool InitializedOnce = false;  // InitializeSimulation has completed since start-up
  bool PanelDesign = false;      // panel design mode
  // Discharges 1..15 whose nozzle the automatic nozzle step opens once
  // they are charged; set by every initialisation.
  Array1<bool, 15> AutoNozzlePending{};
  std::string ElapsedText;  // what the elapsed-time label shows
  RandomSource Random;      // the run's chance events (a sporadic supply)
  RadioCallState Radio;     // the random radio calls of the run
  int WaveDevices = 0;      // wave output devices found at start-up
  Directories Dirs;
  StartupLog* Log = nullptr;  // the start-up log, when there is one
  RunRecording Recording;     // the data record of the run and its data file

  std::string TempEvolutionPath() const { return Dirs.EvolutionsDirectory + kTempEvolutionName; }
};

// Seconds as minutes and seconds, "07:05" for 425 s; minutes above 99 keep
// all their digits.
std::string FormatMinSec(double seconds);

// The run-time limit of the options in seconds (never, for a limit of 0).
Double RunTimeLimitSeconds(const Configuration& cfg);

// First step of every tick: while a run is active, SimClock.Time is the run
// time accumulated before the last start or resume plus the time since.
// The elapsed-time label is rewritten only when its text changes.
void UpdateRunClock(State& s, RunContext& run, Host& host);

// Start or continue (1), pause (2) or terminate (3) a run. Nothing happens
// when mode is the present state.
void SetRunState(State& s, const Configuration& cfg, RunContext& run, Host& host, int mode);

// Puts the simulation and the windows back at the start of a run: clock,
// run limit, line and supply state, the automatic nozzle flags, the radio
// calls and the data-record header. Run after every Evolution load and by
// Run > Initialize.
void InitializeSimulation(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Run > Initialize: refused during a run; otherwise restores the state of
// the start of the last run from the temporary Evolution (when there is
// one) and initialises.
void ReinitializeSimulation(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Tick step 2: when SimClock.Time has passed RunLimit, pauses and asks
// whether to end the run. Returns false when the run was ended and the
// tick must stop here.
bool CheckRunTimeLimit(State& s, const Configuration& cfg, RunContext& run, Host& host);

// The engine sound's playback frequency for the present engine speed.
int EngineSoundFrequency(const State& s);

// Closing the main window: asks "Are you sure you want to exit?". On Yes
// terminates a run in progress, deals with the temporary data record and
// returns true (the window may close).
bool MainWindowCloseQuery(State& s, const Configuration& cfg, RunContext& run, Host& host);

}  // namespace pumpdrill
