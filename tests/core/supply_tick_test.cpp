// The supply inside the main tick, on the built-in apparatus: the tank
// feeding a discharge, priming at draft, and the run start that sets the
// incidents and the tender going.
#include <gtest/gtest.h>

#include <memory>

#include "default_state.h"
#include "frame/configuration.h"
#include "frame/run_control.h"
#include "frame/tick.h"
#include "recording_host.h"
#include "scratch_dir.h"
#include "sim/coefficients.h"
#include "sim/incidents.h"
#include "sim/priming.h"
#include "sim/supply.h"

namespace pumpdrill {
namespace {

class SupplyTick : public ::testing::Test {
 protected:
  void SetUp() override {
    run.Dirs.MainDirectory = dir.path().string();
    SetDataDirectories(run.Dirs);
  }
  void Start() {
    InitializeSimulation(s, cfg, run, host);
    SetRunState(s, cfg, run, host, kRunStart);
    start = host.now;
  }
  // Ticks every 15 ms until `seconds` of run time have passed.
  void RunFor(double seconds) {
    const double until = s.SimClock.Time + seconds;
    while (s.SimClock.Time < until) {
      ++ticks;
      host.now = start + ticks * 0.015;
      SimulationTick(s, cfg, run, host);
    }
  }
  void Open(int line, double opening = 1) {
    s.Discharges[line].ValveOpen = opening;
    s.Discharges[line].ValveShut = opening <= 0;
    UpdateValveK(s, line);
  }

  testing::ScratchDir dir;
  std::unique_ptr<State> state = testing::MakeDefaultState();
  State& s = *state;
  Configuration cfg;
  RunContext run;
  RecordingHost host;
  double start = 0;
  int ticks = 0;
};

TEST_F(SupplyTick, TheTankFeedsAnOpenLineAndEmptiesByItsFlow) {
  Start();
  Open(kTankToPumpLine);
  Open(1);
  s.Discharges[1].NozzleOpen = 1;
  UpdateNozzleK(s, 1);
  RunFor(0.3);
  const double flow = s.Discharges[1].Flow;
  ASSERT_GT(flow, 20) << "idle pressure through 150 ft of hose";
  EXPECT_FALSE(s.PumpStatus.Cavitating);
  EXPECT_NEAR(s.Supply.SupplyFlow, s.PumpOutput.TotalFlow, 1e-9);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, s.PumpOutput.TotalFlow);
  EXPECT_TRUE(s.PumpStatus.Primed);
  const double before = s.Tank.Volume;
  RunFor(30);
  EXPECT_NEAR(before - s.Tank.Volume, flow * 30 / 60, flow * 0.02);
}

TEST_F(SupplyTick, PrimingAtDraftRunsWithTheGauges) {
  s.Supply.SupplyType = kSupplyDraft;
  s.Supply.StaticPress = 0;
  TDischargeRec& intake = s.Discharges[kIntakeLine];
  intake.HoseKind = 2;
  intake.HoseDiam = 0.5;
  intake.HoseLength = 20;
  Start();
  Open(kIntakeLine);
  PrimerAction(s, kPrimerEngage, host);
  RunFor(15.8);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  RunFor(0.4);
  EXPECT_TRUE(s.Supply.IntakePrimed);
  EXPECT_TRUE(host.PlayedCue(SND_PRIMER_PRIMED_LOOP));
  RunFor(0.3);
  EXPECT_TRUE(s.Supply.SupplyAvailable);
  EXPECT_TRUE(s.PumpStatus.Primed);
  EXPECT_NEAR(s.Supply.IntakePress, 0, 1e-9) << "no lift, no flow";
}

TEST_F(SupplyTick, ARunStartSetsTheIncidentsAndTheTenderGoing) {
  s.Supply.SupplyType = kSupplyDraft;
  s.Supply.FiniteDraftSource = 2;
  s.DraftSource.StartFull = false;
  s.Tender.Use = true;
  s.Tender.FirstCallTime = 2;
  s.Tender.RoundTripTime = 3;
  s.Tender.TenderCapacity = 500;
  s.Incidents[kIncidentUncoupling].Done[1] = true;
  Start();
  EXPECT_FALSE(s.Incidents[kIncidentUncoupling].Done[1]);
  EXPECT_EQ(s.DraftSource.Volume, 0);
  RunFor(1.9);
  EXPECT_EQ(s.DraftSource.Volume, 0);
  RunFor(0.2);
  EXPECT_EQ(s.DraftSource.Volume, 500);
  RunFor(3);
  EXPECT_EQ(s.DraftSource.Volume, 1000);
  EXPECT_TRUE(host.PlayedCue(SND_PRIORITY_RADIO_CALL));
}

TEST_F(SupplyTick, InitialisationPutsTheSupplyAtRest) {
  s.Supply.IntakePrimed = true;
  s.PumpControl.PrimerState = 1;
  s.PumpControl.PrimeLossArmed = true;
  s.Discharges[kIntakeLine].NozzleOpen = 0;
  s.Tank.InitialVolume = 750;
  s.Supply.Altitude = 6000;
  InitializeSimulation(s, cfg, run, host);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  EXPECT_EQ(s.PumpControl.PrimerState, 2);
  EXPECT_FALSE(s.PumpControl.PrimeLossArmed);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
  EXPECT_FALSE(s.Discharges[kIntakeLine].NozzleShut);
  EXPECT_EQ(s.Tank.Volume, 750);
  EXPECT_NEAR(s.MinIntakePress, -14.7 + 6 * 0.48, 1e-12);
}

}  // namespace
}  // namespace pumpdrill
