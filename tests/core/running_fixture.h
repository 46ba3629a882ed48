// A run in progress on the built-in apparatus: initialised and started in a
// scratch main directory, with a recording host whose clock the test moves.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "default_state.h"
#include "frame/configuration.h"
#include "frame/run_control.h"
#include "frame/tick.h"
#include "recording_host.h"
#include "scratch_dir.h"

namespace pumpdrill::testing {

class RunningTest : public ::testing::Test {
 protected:
  // The recording host's clock when the run starts.
  static constexpr double kRunStartClock = 1000.0;

  void SetUp() override {
    run.Dirs.MainDirectory = dir.path().string();
    SetDataDirectories(run.Dirs);
    CreateMissingDataFolders(run.Dirs);
    InitializeSimulation(s, cfg, run, host);
    SetRunState(s, cfg, run, host, kRunStart);
  }

  // One tick with the clock `seconds` after the start of the run.
  void TickAt(double seconds) {
    host.now = kRunStartClock + seconds;
    SimulationTick(s, cfg, run, host);
  }

  ScratchDir dir;
  std::unique_ptr<State> state = MakeDefaultState();
  State& s = *state;
  Configuration cfg;
  RunContext run;
  RecordingHost host;
};

}  // namespace pumpdrill::testing
