// The engine in the running program: its speed and coolant temperature as
// the main tick advances them.
#include <gtest/gtest.h>

#include "default_state.h"
#include "frame/configuration.h"
#include "frame/run_control.h"
#include "frame/tick.h"
#include "recording_host.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

class EngineTick : public ::testing::Test {
 protected:
  void SetUp() override {
    run.Dirs.MainDirectory = dir.path().string();
    SetDataDirectories(run.Dirs);
    InitializeSimulation(s, cfg, run, host);
    SetRunState(s, cfg, run, host, kRunStart);
  }
  void TickAt(double seconds) {
    host.now = 1000.0 + seconds;
    SimulationTick(s, cfg, run, host);
  }

  testing::ScratchDir dir;
  std::unique_ptr<State> state = testing::MakeDefaultState();
  State& s = *state;
  Configuration cfg;
  RunContext run;
  RecordingHost host;
};

TEST_F(EngineTick, SpeedAtOnceAndCoolantEveryTwoSecondsWhenTheModelIsOn) {
  s.Engine.RpmDemand = 2100;  // twice idle: 2 F per step without cooling
  TickAt(0.015);
  EXPECT_EQ(s.Engine.Rpm, 2100);
  EXPECT_EQ(s.Pump.CoolantTemp, 105);  // model off
  s.Pump.EngineTempModel = 1;
  TickAt(0.030);
  EXPECT_EQ(s.Pump.CoolantTemp, 107);
  TickAt(1.5);
  EXPECT_EQ(s.Pump.CoolantTemp, 107);
  TickAt(2.0);
  EXPECT_EQ(s.Pump.CoolantTemp, 109);
}

}  // namespace
}  // namespace pumpdrill
