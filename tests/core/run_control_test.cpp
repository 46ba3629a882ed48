// Starting, pausing, resuming and terminating runs; the run clock and the
// run-time limit.
#include <gtest/gtest.h>

#include <cmath>

#include "default_state.h"
#include "frame/configuration.h"
#include "frame/run_control.h"
#include "recording_host.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {


class RunControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    run.Dirs.MainDirectory = dir.path().string();
    SetDataDirectories(run.Dirs);
    CreateMissingDataFolders(run.Dirs);  // as the start-up does; a run start saves into Evols
    InitializeSimulation(s, cfg, run, host);
    host.Clear();
  }
  void Start() { SetRunState(s, cfg, run, host, kRunStart); }
  void Pause() { SetRunState(s, cfg, run, host, kRunPause); }
  void Terminate() { SetRunState(s, cfg, run, host, kRunTerminate); }
  // Moves the clock on and lets the run clock see it, as a tick does.
  void Advance(double seconds) {
    host.now += seconds;
    UpdateRunClock(s, run, host);
  }

  testing::ScratchDir dir;
  std::unique_ptr<State> state = testing::MakeDefaultState();
  State& s = *state;
  Configuration cfg;
  RunContext run;
  RecordingHost host;
};

TEST_F(RunControlTest, InitializationLeavesAnIdleRunAtZero) {
  EXPECT_EQ(run.RunState, TRunState::Idle);
  EXPECT_FALSE(run.SimActive);
  EXPECT_DOUBLE_EQ(run.RunLimit, 1800.0);
  EXPECT_DOUBLE_EQ(s.SimClock.Time, 0.0);
  for (bool pending : run.AutoNozzlePending) EXPECT_TRUE(pending);
  EXPECT_TRUE(run.InitializedOnce);
}

TEST_F(RunControlTest, StartFromIdleBeginsANewRun) {
  s.Engine.Rpm = 1234;
  s.PumpStatus.PressBeforeCavitation = 99;
  Start();
  EXPECT_EQ(run.RunState, TRunState::Running);
  EXPECT_TRUE(run.SimActive);
  EXPECT_TRUE(host.timerOn);
  EXPECT_EQ(host.buttons.back(), RunButton::Start);
  EXPECT_TRUE(host.PlayedCue(SND_START_SIM));
  EXPECT_FALSE(host.PlayedCue(SND_RESUME_SIM));
  EXPECT_DOUBLE_EQ(s.SimClock.ResumeStart, host.now);
  // A pump that cavitates on its first tick holds the present speed.
  EXPECT_DOUBLE_EQ(s.Engine.CavitationRpm, 1234);
  EXPECT_DOUBLE_EQ(s.PumpStatus.PressBeforeCavitation, 0);
  Advance(12.5);
  EXPECT_DOUBLE_EQ(s.SimClock.Time, 12.5);
  EXPECT_EQ(host.elapsed, "00:12");
}

TEST_F(RunControlTest, PausingDoesNotAdvanceTheClock) {
  Start();
  Advance(10);
  Pause();
  EXPECT_EQ(run.RunState, TRunState::Paused);
  EXPECT_TRUE(run.SimActive);
  EXPECT_FALSE(host.timerOn);
  EXPECT_EQ(host.buttons.back(), RunButton::Pause);
  EXPECT_DOUBLE_EQ(s.SimClock.RunAccumulated, 10);

  Advance(3600);  // an hour's pause, even if someone reads the clock meanwhile
  EXPECT_DOUBLE_EQ(s.SimClock.Time, 10);

  host.Clear();
  Start();  // resume
  EXPECT_EQ(run.RunState, TRunState::Running);
  EXPECT_TRUE(host.timerOn);
  EXPECT_TRUE(host.PlayedCue(SND_RESUME_SIM));
  EXPECT_FALSE(host.PlayedCue(SND_START_SIM));
  Advance(5);
  EXPECT_DOUBLE_EQ(s.SimClock.Time, 15);
}

TEST_F(RunControlTest, ARunOverMidnightKeepsCounting) {
  host.timeOfDay = 86399.5;  // half a second before midnight
  Start();
  Advance(1);
  host.timeOfDay = 0.5;  // the time of day starts again; the run clock does not
  Advance(1);
  EXPECT_DOUBLE_EQ(s.SimClock.Time, 2);
}

TEST_F(RunControlTest, TerminateFromRunningOrPaused) {
  Start();
  Advance(4);
  Terminate();
  EXPECT_EQ(run.RunState, TRunState::Terminated);
  EXPECT_FALSE(run.SimActive);
  EXPECT_FALSE(host.timerOn);
  EXPECT_EQ(host.buttons.back(), RunButton::Stop);
  EXPECT_TRUE(host.PlayedCue(SND_COMPLETED_SIM));

  InitializeSimulation(s, cfg, run, host);
  Start();
  Pause();
  Terminate();
  EXPECT_EQ(run.RunState, TRunState::Terminated);
  EXPECT_FALSE(run.SimActive);
}

TEST_F(RunControlTest, PauseOrTerminateWithoutARunSpringsTheButtonBack) {
  for (int mode : {kRunPause, kRunTerminate}) {
    host.Clear();
    SetRunState(s, cfg, run, host, mode);
    EXPECT_EQ(run.RunState, TRunState::Idle);
    ASSERT_FALSE(host.buttons.empty());
    EXPECT_EQ(host.buttons.back(), RunButton::None);
    EXPECT_FALSE(host.timerOn);
  }
  Start();
  Terminate();
  host.Clear();
  Pause();
  EXPECT_EQ(run.RunState, TRunState::Terminated);
  EXPECT_EQ(host.buttons.back(), RunButton::None);
}

TEST_F(RunControlTest, TheSameModeAgainDoesNothing) {
  Start();
  host.Clear();
  Start();
  EXPECT_TRUE(host.buttons.empty());
  EXPECT_TRUE(host.cues.empty());
  EXPECT_EQ(run.RunState, TRunState::Running);
}

TEST_F(RunControlTest, StartAfterTerminateAsksAndCancelKeepsTheRunEnded) {
  Start();
  Advance(30);
  Terminate();
  host.Clear();
  host.answers = {Answer::Cancel};
  Start();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
  EXPECT_EQ(host.messages[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(host.messages[0].text,
            "Settings will be reinitialized to the beginning of the last simulation run, then a new "
            "simulation will be started.  Continue?");
  EXPECT_EQ(run.RunState, TRunState::Terminated);
  EXPECT_FALSE(run.SimActive);
  EXPECT_EQ(host.buttons.back(), RunButton::None);
  EXPECT_DOUBLE_EQ(s.SimClock.Time, 30);
}

TEST_F(RunControlTest, StartAfterTerminateWithOkStartsAFreshRun) {
  Start();
  Advance(30);
  Terminate();
  host.Clear();
  host.answers = {Answer::Ok};
  Start();
  EXPECT_EQ(run.RunState, TRunState::Running);
  EXPECT_TRUE(run.SimActive);
  EXPECT_DOUBLE_EQ(host.waited, 2.0);  // it was initialised again
  EXPECT_EQ(host.Count("display:PanelTab"), 1);
  EXPECT_TRUE(host.PlayedCue(SND_START_SIM));
  EXPECT_EQ(host.buttons.back(), RunButton::Start);
  Advance(1);
  EXPECT_DOUBLE_EQ(s.SimClock.Time, 1);
  EXPECT_EQ(host.elapsed, "00:01");
}

TEST_F(RunControlTest, ReinitializingIsRefusedDuringARun) {
  Start();
  Advance(3);
  ReinitializeSimulation(s, cfg, run, host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Information);
  EXPECT_EQ(host.messages[0].text, "Stop simulation before reinitializing.");
  EXPECT_EQ(run.RunState, TRunState::Running);
  EXPECT_DOUBLE_EQ(s.SimClock.Time, 3);
}

TEST_F(RunControlTest, RunTimeLimitAsksOnceThePassedLimitAndNoMovesIt) {
  Start();
  Advance(1800);
  EXPECT_TRUE(CheckRunTimeLimit(s, cfg, run, host));  // not beyond yet
  EXPECT_TRUE(host.messages.empty());

  Advance(0.015);
  host.answers = {Answer::No};
  EXPECT_TRUE(CheckRunTimeLimit(s, cfg, run, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);
  EXPECT_EQ(host.messages[0].text,
            "Simulation time has exceeded the user-specified run time of 30 minutes. Do you wish to "
            "abort the simulation now? ");
  EXPECT_EQ(run.RunState, TRunState::Running);
  EXPECT_NEAR(run.RunLimit, 1800 + 1800.015, 1e-9);
  // The question paused the run: the time it stood open does not count.
  EXPECT_TRUE(host.PlayedCue(SND_RESUME_SIM));
}

TEST_F(RunControlTest, RunTimeLimitYesEndsTheRun) {
  cfg.Options.MaxSimRunTimeSecs = 5 * 60;
  InitializeSimulation(s, cfg, run, host);
  Start();
  Advance(301);
  host.answers = {Answer::Yes};
  EXPECT_FALSE(CheckRunTimeLimit(s, cfg, run, host));
  EXPECT_NE(host.messages.at(0).text.find("run time of 5 minutes."), std::string::npos);
  EXPECT_EQ(run.RunState, TRunState::Terminated);
  EXPECT_FALSE(run.SimActive);
}

TEST_F(RunControlTest, ClosingAsksFirstAndEndsARun) {
  Start();
  host.answers = {Answer::No};
  EXPECT_FALSE(MainWindowCloseQuery(s, cfg, run, host));
  EXPECT_EQ(host.messages.at(0).text, "Are you sure you want to exit?");
  EXPECT_EQ(run.RunState, TRunState::Running);
  host.answers = {Answer::Yes};
  EXPECT_TRUE(MainWindowCloseQuery(s, cfg, run, host));
  EXPECT_EQ(run.RunState, TRunState::Terminated);
}

TEST(RunClock, MinutesAndSeconds) {
  const struct {
    double seconds;
    const char* text;
  } kCases[] = {
      {0, "00:00"},
      {425, "07:05"},
      {59.99, "00:59"},
      {5999.5, "99:59"},
      {6000, "100:00"},
      {-5, "00:00"},
      {std::nan(""), "00:00"},
      // Times beyond any clock stay at the longest text.
      {1e300, "999999999:59"},
      {HUGE_VAL, "999999999:59"},
  };
  for (const auto& c : kCases) EXPECT_EQ(FormatMinSec(c.seconds), c.text) << c.seconds;
}

TEST(EngineSound, PitchFollowsEngineSpeed) {
  State s{};
  s.Engine.IdleRpm = 1050;
  s.Engine.SoundRefRpm = 4000;
  s.Engine.Rpm = 1050;
  EXPECT_EQ(EngineSoundFrequency(s), 30000);
  s.Engine.Rpm = 2800;
  EXPECT_EQ(EngineSoundFrequency(s), 55000);
  s.Engine.Rpm = 1925;
  EXPECT_EQ(EngineSoundFrequency(s), 42500);
  s.Engine.IdleRpm = 2800;  // no span: the lowest pitch, no division by zero
  EXPECT_EQ(EngineSoundFrequency(s), 30000);
}

}  // namespace
}  // namespace pumpdrill
