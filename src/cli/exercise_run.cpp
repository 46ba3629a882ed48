#include "cli/exercise_run.h"

#include <optional>

#include "frame/tick.h"
#include "panel/controls/transfer_valve.h"
#include "sim/pump_curve.h"
#include "setup/nozzle_operation.h"

namespace pumpdrill {

namespace {

// A pause and resume within one tick (the run-time question answered No)
// leave the run clock's start and accumulated time both at that tick's
// time. Both are set back to 0, which changes no elapsed time, so that
// SimClock.Time stays the clock's own n x dt instead of a difference of
// sums.
void KeepRunClockExact(State& s) {
  TSimClockRec& c = s.SimClock;
  if (c.ResumeStart != 0 && c.ResumeStart == c.RunAccumulated) {
    c.ResumeStart = 0;
    c.RunAccumulated = 0;
  }
}

}  // namespace

double ExerciseDuration(const Script& script, const ExerciseOptions& o) {
  return o.duration >= 0 ? o.duration : script.LastTime() + kRunAfterLastAction;
}

ExerciseResult RunExercise(State& s, const Configuration& cfg, RunContext& run, SimulatedClock& clock,
                           RunnerHost& host, const Script& script, const ExerciseOptions& o, std::string& csv) {
  return RunExercise(s, cfg, run, clock, host, script, o, csv, nullptr);
}

ExerciseResult RunExercise(State& s, const Configuration& cfg, RunContext& run, SimulatedClock& clock,
                           RunnerHost& host, const Script& script, const ExerciseOptions& o, std::string& csv,
                           const std::function<void(std::string&)>& drain) {
  ExerciseResult result;
  const double duration = ExerciseDuration(script, o);

  clock.SetTick(0);
  SetRunState(s, cfg, run, host, kRunStart);
  if (o.recorder) o.recorder->Begin(s, run.Recording.PlotSetup);

  // The columns are chosen once the actions at time 0 have set the state
  // up (a script may change the number of lines before the first tick).
  std::optional<Sampler> sampler;
  auto startSampling = [&] {
    if (sampler) return;
    sampler.emplace(o.columns.empty() ? DefaultColumns(s) : o.columns, o.sampleInterval);
    sampler->WriteHeader(csv);
  };

  // The panel's transfer switch: a throw changes the pump over after the
  // transfer delay, as on the panel.
  TransferSwitch transfer;

  const std::vector<ScriptAction>& actions = script.actions;
  std::size_t next = 0;
  for (long long n = 0;; ++n) {
    clock.SetTick(n);
    const double t = clock.Now();
    while (next < actions.size() && t >= actions[next].time - kTimeTolerance) {
      const ScriptAction& a = actions[next++];
      ++result.actionsApplied;
      if (o.recorder) o.recorder->NoteAction(t, a.sourceText);
      if (a.command == ScriptCommand::Terminate) {
        result.terminated = true;
        break;
      }
      if (a.command == ScriptCommand::TransferSwitch) {
        ThrowTransferToggle(transfer, s, a.code == kStageVolume ? TransferToggle::Down : TransferToggle::Up);
        TransferRelease(transfer);
      }
      ApplyScriptAction(s, a, run.SimActive, host, cfg.Sim.HoseFriction);
      // A nozzle worked by hand is left alone by the automatic nozzle step.
      if (a.command == ScriptCommand::Nozzle) ClearAutoNozzlePending(run, a.index);
    }
    startSampling();
    if (result.terminated) break;

    host.SetInTick(true);
    SimulationTick(s, cfg, run, host);
    TransferTick(transfer, s, ControlRun{run.SimActive, false});
    host.SetInTick(false);
    KeepRunClockExact(s);
    ++result.ticks;
    sampler->AfterTick(s, t, csv);
    if (o.recorder) o.recorder->AfterTick(s, s.SimClock.Time);
    if (drain && csv.size() > kCsvDrainBytes) drain(csv);
    if (!run.SimActive || t >= duration - kTimeTolerance) break;
  }

  result.actionsAfterEnd = static_cast<int>(actions.size() - next);
  SetRunState(s, cfg, run, host, kRunTerminate);
  result.endTime = s.SimClock.Time;
  sampler->Finish(s, csv);
  if (o.recorder) o.recorder->Finish(s);
  if (drain) drain(csv);
  return result;
}

}  // namespace pumpdrill
