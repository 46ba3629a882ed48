// What the headless runner gives the simulation in place of windows: a
// clock of simulated time, message boxes written to standard error, and
// answers to the questions that keep the run going and keep its data.
#pragma once

#include <iosfwd>
#include <string>

#include "records/run_record.h"
#include "sim/host.h"

namespace pumpdrill {

struct Program;

// Simulated time: tick n happens at n x dt. The time is a product, not a
// running sum, so that a long run carries no summed rounding.
class SimulatedClock {
 public:
  explicit SimulatedClock(double dt) : dt_(dt) {}
  void SetTick(long long n) { tick_ = n; }
  long long Tick() const { return tick_; }
  double Dt() const { return dt_; }
  double Now() const { return static_cast<double>(tick_) * dt_; }

 private:
  double dt_;
  long long tick_ = 0;
};

class RunnerHost : public Host {
 public:
  // Messages go to err, each text exactly as the program shows it, on a
  // line of its own; quiet keeps them back.
  RunnerHost(const SimulatedClock& clock, std::ostream& err, bool quiet);

  // Questions asked by the tick (the run-time limit, the data-file size)
  // are answered No: the run goes on and its data is kept. Every other
  // question (the operator's actions) is answered with its first button,
  // Yes or OK.
  Answer Message(MsgType type, Buttons buttons, const std::string& text) override;

  // The run clock reads simulated time.
  double MonotonicSeconds() override { return clock_.Now(); }
  // The time of day the runner started, moved on by the simulated time.
  double TimeOfDaySeconds() override;

  // Radio calls are told on err as they come: a heard call by its file, a
  // call read in the incident window by its caption and text.
  void SoundCue(int cue, int param, bool flag, const std::string& file) override;
  void ShowIncidentCall(const IncidentCall& call) override;
  // The tender's arrival call is decided as a scheduled one is; the runner
  // counts as having sound as long as its settings say so.
  void PriorityRadioCall(const std::string& file) override;
  void SetProgram(Program* program) { program_ = program; }
  // A run report's recorder notes each water hammer the run sounds.
  void SetRecorder(RunRecorder* recorder) { recorder_ = recorder; }

  // An Evolution opened by the runner brings its panel file's effects on
  // the apparatus (line count, titles, throttle and pressure control, foam
  // settings), as the program's panel does.
  void AttachEvolutionPanel() override;

  // Set while the tick runs.
  void SetInTick(bool inTick) { inTick_ = inTick; }
  int MessagesShown() const { return shown_; }
  bool Quiet() const { return quiet_; }

 private:
  const SimulatedClock& clock_;
  std::ostream& err_;
  bool quiet_;
  bool inTick_ = false;
  int shown_ = 0;
  double startOfDay_;
  Program* program_ = nullptr;
  RunRecorder* recorder_ = nullptr;
};

}  // namespace pumpdrill
