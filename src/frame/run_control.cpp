#include "frame/run_control.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "frame/configuration.h"
#include "frame/startup_log.h"
#include "frame/temp_evolution.h"
#include "burn/burn_house.h"
#include "records/run_recording.h"
#include "sim/cavitation.h"
#include "sim/foam_use.h"
#include "sim/hydraulics_steps.h"
#include "sim/run_clock.h"
#include "sim/supply_steps.h"
#include "sound/radio_steps.h"

namespace pumpdrill {

namespace {

constexpr const char* kRestartQuestion =
    "Settings will be reinitialized to the beginning of the last simulation run, then a new "
    "simulation will be started.  Continue?";

void LogInit(RunContext& run, const char* section, const char* key, const char* value) {
  if (run.Log) run.Log->WriteInitLog(section, key, value);
}

// Start or continue.
void StartRun(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  if (run.RunState == TRunState::Terminated) {
    host.ShowRunButtons(RunButton::None);
    if (host.Message(MsgType::Confirmation, Buttons::OkCancel, kRestartQuestion) != Answer::Ok)
      return;  // the run stays terminated
    ReinitializeSimulation(s, cfg, run, host);
    host.ShowRunButtons(RunButton::Start);
  }
  bool resume = run.SimActive;
  if (!resume) {
    // A new run starts from a zero clock; the pump holds the present engine
    // speed and no pressure should it cavitate on its first tick.
    ResetRunClock(s);
    ResetCavitationForRun(s);
    StartIncidentsForRun(s, run.Random, host);
  }
  s.SimClock.ResumeStart = host.MonotonicSeconds();
  if (cfg.Options.EngineSound) host.SoundCue(SND_ENG_LOOP_SET_THROTTLE, EngineSoundFrequency(s));
  host.EnableTimer(true);
  host.ShowRunButtons(RunButton::Start);

  if (resume) {
    host.SoundCue(SND_ENG_LOOP_SET_THROTTLE, EngineSoundFrequency(s));
    if (s.PumpControl.PrimerState == 1)
      host.SoundCue(SND_PRIMER_PRIMING_LOOP, -1, s.Supply.IntakePrimed != 0);
    host.SoundCue(SND_RESUME_SIM, -1);
  } else {
    PrepareRunRecording(s, cfg, run, host);
    run.SimActive = true;
    run.PanelDesign = false;
    host.LeavePanelDesign();
    host.StartBurnHouseWindow();
    SaveTemporaryEvolution(s, cfg, run, host);
    host.SoundCue(SND_START_SIM, -1);
  }
  host.RefreshPanelForRun();
  run.RunState = TRunState::Running;
}

void PauseRun(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  if (!run.SimActive) {
    host.ShowRunButtons(RunButton::None);
    return;
  }
  host.ShowRunButtons(RunButton::Pause);
  host.EnableTimer(false);
  s.SimClock.RunAccumulated = s.SimClock.ClockNow - s.SimClock.ResumeStart + s.SimClock.RunAccumulated;
  if (run.WaveDevices > 0 && cfg.Options.UseWavSound) {
    host.SoundCue(SND_RESUME_SIM, -1);
    host.SoundCue(SND_ALL, SoundCueStopAll);
  }
  run.RunState = TRunState::Paused;
}

void TerminateRun(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  if (!run.SimActive) {
    host.ShowRunButtons(RunButton::None);
    return;
  }
  host.ShowRunButtons(RunButton::Stop);
  EndRunRecording(s, cfg, run, host);
  run.SimActive = false;
  host.EnableTimer(false);
  host.RunTerminated();
  if (cfg.Options.UseWavSound) {
    host.SoundCue(SND_COMPLETED_SIM, -1);
    host.SoundCue(SND_ALL, SoundCueStopAll);
  }
  run.RunState = TRunState::Terminated;
}

}  // namespace

namespace {

// The longest time the minute:second text shows: 999999999:59.
constexpr double kLongestMinSecSeconds = 999999999.0 * 60.0 + 59.0;

}  // namespace

// Times beyond the longest text (and +Inf) show as it; negative times and
// NaN as "00:00".
std::string FormatMinSec(double seconds) {
  if (!(seconds > 0)) seconds = 0;
  // Beyond a clock's reach the text stands still at its largest value.
  if (seconds > kLongestMinSecSeconds) seconds = kLongestMinSecSeconds;
  // Whole seconds are split exactly (425 s is 07:05, not 07:04 as a
  // fraction of a minute times 60 would round it).
  long long minutes = static_cast<long long>(seconds / 60.0);
  long long secs = static_cast<long long>(seconds - static_cast<double>(minutes) * 60.0);
  if (secs > 59) secs = 59;
  if (secs < 0) secs = 0;
  char text[40];
  std::snprintf(text, sizeof text, "%02lld:%02lld", minutes, secs);
  return text;
}

Double RunTimeLimitSeconds(const Configuration& cfg) {
  Double limit = cfg.Options.MaxSimRunTimeSecs;
  return limit > 0 ? limit : kNeverSeconds;
}

void UpdateRunClock(State& s, RunContext& run, Host& host) {
  // Only a running run's clock moves: a paused one stands still whoever
  // asks.
  if (!run.SimActive || run.RunState != TRunState::Running) return;
  TSimClockRec& c = s.SimClock;
  c.ClockNow = host.MonotonicSeconds();
  c.Time = c.ClockNow - c.ResumeStart + c.RunAccumulated;
  std::string text = FormatMinSec(c.Time);
  if (text != run.ElapsedText) {
    run.ElapsedText = text;
    host.ShowElapsedTime(text);
  }
}

void SetRunState(State& s, const Configuration& cfg, RunContext& run, Host& host, int mode) {
  if (mode == static_cast<int>(run.RunState)) return;
  TRunState before = run.RunState;
  switch (mode) {
    case kRunStart:
      StartRun(s, cfg, run, host);
      break;
    case kRunPause:
      PauseRun(s, cfg, run, host);
      break;
    case kRunTerminate:
      TerminateRun(s, cfg, run, host);
      break;
    default:
      return;
  }
  if (run.RunState != before) host.RefreshFoamSetup();
}

void InitializeSimulation(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  // 1. Clock, run limit and run flags.
  ResetRunClock(s);
  run.RunLimit = RunTimeLimitSeconds(cfg);
  run.RunState = TRunState::Idle;
  run.PanelDesign = false;
  // 2.
  host.CloseStudentsWindow();
  // 3.
  ResetBurnHouse(s);
  host.RestartBurnHouseWindow();
  ResetFoamUse(s);  // the foam tanks start each run full
  // 4.
  PrepareTemporaryDataFile(s, cfg, run, host);
  host.UpdateEvolutionLabel();
  // 5. Supply, priming and every line back at rest.
  ResetSupplyForRun(s, cfg.Sim, host);
  ResetLinesForRun(s, cfg.Sim, host);
  // 6.
  for (bool& pending : run.AutoNozzlePending) pending = true;
  // 7.
  LogInit(run, "Program Initialization", "Temp Evol File0", "Creating");
  LogInit(run, "Program Initialization", "Temp Evol File", "Created");
  host.RebuildPanelItems();
  // 8.
  if (run.InitializedOnce) {
    host.ShowRunButtons(RunButton::None);
    UpdateRunClock(s, run, host);
    run.ElapsedText = "00:00";
    host.ShowElapsedTime(run.ElapsedText);
    host.RefreshNozzleWindow();
    host.RefreshPanelAfterInit();
  }
  // 9, 10.
  ReloadRadioCalls(s, cfg, run, host);
  FillDataRecordHeader(s, cfg, run, host);
  // 11.
  if (run.InitializedOnce) host.SoundCue(SND_ALL, SoundCueStopAll);
  // 12.
  host.WaitProcessingMessages(2.0);
  run.InitializedOnce = true;
}

void ReinitializeSimulation(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  if (run.SimActive) {
    host.Message(MsgType::Information, Buttons::Ok, "Stop simulation before reinitializing.");
    return;
  }
  host.SelectPanelTab();
  std::error_code ec;
  if (std::filesystem::exists(run.TempEvolutionPath(), ec))
    LoadTemporaryEvolution(s, cfg, run, host);
  InitializeSimulation(s, cfg, run, host);
}

bool CheckRunTimeLimit(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  if (!(s.SimClock.Time > run.RunLimit)) return true;
  SetRunState(s, cfg, run, host, kRunPause);
  long minutes = std::lround(cfg.Options.MaxSimRunTimeSecs / 60.0);
  Answer a = host.Message(MsgType::Confirmation, Buttons::YesNo,
                          "Simulation time has exceeded the user-specified run time of " +
                              std::to_string(minutes) +
                              " minutes. Do you wish to abort the simulation now? ");
  if (a == Answer::Yes) {
    SetRunState(s, cfg, run, host, kRunTerminate);
    return false;
  }
  run.RunLimit = RunTimeLimitSeconds(cfg) + s.SimClock.Time;
  SetRunState(s, cfg, run, host, kRunStart);
  return true;
}

int EngineSoundFrequency(const State& s) {
  const TEngineRec& e = s.Engine;
  double span = 0.7 * e.SoundRefRpm - e.IdleRpm;
  if (!(span > 0)) return 30000;
  return static_cast<int>(std::lround((e.Rpm - e.IdleRpm) * (55000.0 - 30000.0) / span + 30000.0));
}

bool MainWindowCloseQuery(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  if (host.Message(MsgType::Confirmation, Buttons::YesNo, "Are you sure you want to exit?") !=
      Answer::Yes)
    return false;
  SetRunState(s, cfg, run, host, kRunTerminate);
  CloseTemporaryDataRecord(s, cfg, run, host);
  return true;
}

}  // namespace pumpdrill
