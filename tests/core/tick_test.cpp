// The main tick: the order of its steps, the steps that only run during a
// run, the throttled steps and the automatic nozzle opening.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "default_state.h"
#include "frame/configuration.h"
#include "frame/run_control.h"
#include "frame/tick.h"
#include "recording_host.h"
#include "scratch_dir.h"
#include "sim/hydraulics_steps.h"

namespace pumpdrill {
namespace {

// Records, for each step, the simulated times at which it ran.
class TimedHost : public RecordingHost {
 public:
  const State* s = nullptr;
  std::map<std::string, std::vector<double>> times;
  void TickStep(const char* step) override {
    RecordingHost::TickStep(step);
    times[step].push_back(s->SimClock.Time);
  }
};

class TickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.s = &s;
    run.Dirs.MainDirectory = dir.path().string();
    SetDataDirectories(run.Dirs);
    CreateMissingDataFolders(run.Dirs);
    InitializeSimulation(s, cfg, run, host);
    SetRunState(s, cfg, run, host, kRunStart);
    host.Clear();
    host.times.clear();
  }
  // One tick at start + k * 15 ms.
  void TickAt(int k) {
    host.now = start + k * 0.015;
    SimulationTick(s, cfg, run, host);
  }

  testing::ScratchDir dir;
  std::unique_ptr<State> state = testing::MakeDefaultState();
  State& s = *state;
  Configuration cfg;
  RunContext run;
  TimedHost host;
  const double start = 1000.0;  // the recording host's clock when the run started
};

TEST_F(TickTest, StepsRunInTheirOrder) {
  s.Pump.EngineTempModel = 1;
  host.now = start + 0.6;  // every throttled step is due
  SimulationTick(s, cfg, run, host);
  const std::vector<std::string> expected = {
      "UpdateRunClock", "RunTimeLimit", "FlowSolution", "PressureControl", "NozzlePressures",
      "Supply", "SupplyLimit", "RefreshChangedPumpControls", "EngineSpeed",
      "ShowPrimedIndicator", "TankVolume", "FoamConcentrate", "EngineTemperature",
      "RefreshFlaggedPanelWidget", "FlowSnapshot", "RefreshChangedLineWidgets",
      "DraftPrimeUpdate", "DischargeGauges", "RefreshGauges", "display:Gauges",
      "RefreshNozzleWindow", "display:NozzleWindow", "Incidents", "BurnHouse", "RadioCalls",
      "AutoNozzle", "DataRecording", "EngineSound"};
  EXPECT_EQ(host.steps, expected);
}

TEST_F(TickTest, OptionalStepsFollowTheirSettings) {
  s.Pump.EngineTempModel = 0;
  cfg.Options.EngineSound = false;
  TickAt(1);
  EXPECT_EQ(host.Count("EngineTemperature"), 0);
  EXPECT_EQ(host.Count("EngineSound"), 0);
  EXPECT_TRUE(host.cues.empty());
}

TEST_F(TickTest, WithoutAnActiveRunOnlyTheSimulationSteps) {
  run.SimActive = false;
  TickAt(1);
  ASSERT_FALSE(host.steps.empty());
  EXPECT_EQ(host.steps.back(), "EngineSpeed");
  EXPECT_EQ(host.Count("DischargeGauges"), 0);
}

TEST_F(TickTest, ThrottledStepsRunAtTheirIntervalsOfSimulatedTime) {
  for (int k = 1; k <= 200; ++k) TickAt(k);  // 3 s
  EXPECT_EQ(host.times["FlowSolution"].size(), 200u);
  const std::pair<const char*, double> throttled[] = {
      {"DischargeGauges", kGaugeInterval},
      {"DraftPrimeUpdate", kGaugeInterval},
      {"FlowSnapshot", kFlowSnapshotInterval},
      {"BurnHouse", kBurnHouseInterval}};
  for (const auto& [step, interval] : throttled) {
    const std::vector<double>& t = host.times[step];
    ASSERT_FALSE(t.empty()) << step;
    // Each runs at the first tick at least one interval after the last.
    EXPECT_GE(t[0], interval - 1e-9) << step;
    EXPECT_LE(t[0], interval + 0.015 + 1e-9) << step;
    for (std::size_t i = 1; i < t.size(); ++i) {
      EXPECT_GE(t[i] - t[i - 1], interval - 1e-9) << step << " run " << i;
      EXPECT_LE(t[i] - t[i - 1], interval + 0.015 + 1e-9) << step << " run " << i;
    }
    EXPECT_GE(static_cast<double>(t.size()), std::floor(3.0 / (interval + 0.015))) << step;
    EXPECT_LE(static_cast<double>(t.size()), 3.0 / interval + 1e-9) << step;
  }
  EXPECT_NEAR(s.SimClock.LastGaugeUpdate, host.times["DischargeGauges"].back(), 1e-12);
  EXPECT_NEAR(s.BurnHouse.LastUpdateTime, host.times["BurnHouse"].back(), 1e-12);
}

TEST_F(TickTest, FlowSnapshotCopiesTheLinesInUse) {
  s.DischargeList.LineCount = 3;
  for (int n = 1; n <= 4; ++n) s.Discharges[n].Flow = 100.0 * n;
  // The tick runs it every 0.3 s (above), after the line solution has
  // written the flows.
  TakeFlowSnapshot(s);
  EXPECT_DOUBLE_EQ(s.Discharges[1].SnapshotFlow, 100);
  EXPECT_DOUBLE_EQ(s.Discharges[3].SnapshotFlow, 300);
  EXPECT_DOUBLE_EQ(s.Discharges[4].SnapshotFlow, 0);
}

TEST_F(TickTest, RunTimePromptWithYesEndsTheTick) {
  cfg.Options.MaxSimRunTimeSecs = 60;
  run.RunLimit = 60;
  host.answers = {Answer::Yes};
  host.now = start + 61;
  SimulationTick(s, cfg, run, host);
  EXPECT_EQ(host.Count("Message"), 1);
  EXPECT_EQ(host.Count("FlowSolution"), 0);
  EXPECT_EQ(run.RunState, TRunState::Terminated);
}

TEST_F(TickTest, AutomaticNozzleOpensAChargedLineOncePerInitialization) {
  s.DischargeList.LineCount = 8;
  TDischargeRec& line1 = s.Discharges[1];
  line1.NozzleOpen = 0;
  line1.ValveOpen = 1;
  s.PumpOutput.DischargePress = 0;  // no pressure: not charged, still pending
  AutoNozzleStep(s, cfg, run, host);
  EXPECT_DOUBLE_EQ(line1.NozzleOpen, 0);
  EXPECT_TRUE(run.AutoNozzlePending[1]);

  s.PumpOutput.DischargePress = 120;
  AutoNozzleStep(s, cfg, run, host);
  EXPECT_DOUBLE_EQ(line1.NozzleOpen, 1);
  EXPECT_FALSE(line1.NozzleShut);
  EXPECT_FALSE(run.AutoNozzlePending[1]);
  EXPECT_EQ(host.Count("display:NozzleWindow"), 1);

  line1.NozzleOpen = 0;  // the trainee shuts it: it stays shut
  AutoNozzleStep(s, cfg, run, host);
  EXPECT_DOUBLE_EQ(line1.NozzleOpen, 0);

  InitializeSimulation(s, cfg, run, host);
  EXPECT_TRUE(run.AutoNozzlePending[1]);
}

TEST_F(TickTest, AutomaticNozzleLeavesMastersShutValvesAndTheOptionOff) {
  s.DischargeList.LineCount = 8;
  s.PumpOutput.DischargePress = 120;
  s.Discharges[2].ValveOpen = 0;  // valve shut
  s.Discharges[2].NozzleOpen = 0;
  s.Discharges[4].ValveOpen = 1;  // master stream
  s.Discharges[4].IsMaster = 1;
  s.Discharges[4].NozzleOpen = 0.5;
  s.Discharges[5].ValveOpen = 1;  // cannot be worked from the nozzle roll
  s.Discharges[5].NozzleOperable = 0;
  s.Discharges[5].NozzleOpen = 0;
  AutoNozzleStep(s, cfg, run, host);
  EXPECT_DOUBLE_EQ(s.Discharges[2].NozzleOpen, 0);
  EXPECT_TRUE(run.AutoNozzlePending[2]);
  EXPECT_DOUBLE_EQ(s.Discharges[4].NozzleOpen, 0.5);
  EXPECT_FALSE(run.AutoNozzlePending[4]);
  EXPECT_DOUBLE_EQ(s.Discharges[5].NozzleOpen, 0);

  cfg.Options.AutoNozzleOperation = false;
  s.Discharges[2].ValveOpen = 1;
  AutoNozzleStep(s, cfg, run, host);
  EXPECT_DOUBLE_EQ(s.Discharges[2].NozzleOpen, 0);
  EXPECT_TRUE(run.AutoNozzlePending[2]);
}

}  // namespace
}  // namespace pumpdrill
