// The relief valve, the governor, the foam concentrate and the burn house
// as the running tick drives them on the built-in apparatus.
#include <gtest/gtest.h>

#include <cmath>

#include "burn/burn_house.h"
#include "running_fixture.h"
#include "sim/coefficients.h"
#include "sim/foam_system.h"
#include "sim/foam_use.h"
#include "sim/operating_point.h"
#include "sim/pressure_control.h"
#include "sim/valve_change.h"

namespace pumpdrill {
namespace {

class ControlInTickTest : public testing::RunningTest {
 protected:
  void SetUp() override {
    cfg.Options.EngineSound = false;
    RunningTest::SetUp();
    OpenValve(kIntakeLine);  // the pump takes its water from the hydrant
    host.Clear();
  }

  // Runs the tick every 15 ms of simulated time for `seconds`.
  void RunFor(double seconds) {
    const int ticks = static_cast<int>(std::lround(seconds / 0.015));
    for (int k = 0; k < ticks; ++k) {
      ++tick;
      TickAt(tick * 0.015);
    }
  }

  // Opens the valve of `line` fully, as the panel does.
  void OpenValve(int line) {
    s.Discharges[line].ValveOpen = 1;
    ValveChanged(s, false, line, 1, true, host);
  }

  // Opens discharge `line` fully, valve and nozzle.
  void OpenLine(int line) {
    OpenValve(line);
    s.Discharges[line].NozzleOpen = 1;
    UpdateNozzleK(s, line);
  }

  void Throttle(double rpm) {
    s.Engine.RpmDemand = rpm;
    s.Engine.Rpm = rpm;
  }

  int tick = 0;
};

TEST_F(ControlInTickTest, ReliefValveHoldsTheSettingBeforeNozzlePressuresAreWorkedOut) {
  s.PumpControl.PressureControlMode = kReliefValve;
  s.PumpControl.ReliefMode = kReliefInService;
  s.PumpControl.ReliefSetPress = 150;
  Throttle(2200);
  RunFor(0.3);
  EXPECT_DOUBLE_EQ(s.PumpOutput.DischargePress, 150);
  EXPECT_DOUBLE_EQ(s.Engine.Rpm, 2200);

  OpenLine(2);
  RunFor(0.3);
  EXPECT_DOUBLE_EQ(s.PumpOutput.DischargePress, 150);
  // The line flows as at exactly 150 psi, and its nozzle pressure follows
  // from that flow.
  const double flow = s.Discharges[2].Flow;
  ASSERT_GT(flow, 100);
  NullHost quiet;
  EXPECT_NEAR(SolveLinesAtPressure(s, 150, quiet).Flow[2], flow, 1e-9);
  const TDischargeRec& d = s.Discharges[2];
  const double q = flow / 448.8;
  EXPECT_NEAR(d.NozzlePress, d.DischPress - (d.HoseK * q * q + d.ElevDiff) * 0.43333333333333335,
              1e-6);
  EXPECT_LT(d.NozzlePress, 150);

  // Out of service the pump shows what the engine gives.
  s.PumpControl.ReliefMode = 2;
  RunFor(0.3);
  EXPECT_GT(s.PumpOutput.DischargePress, 200);
}

TEST_F(ControlInTickTest, GovernorSettlesOnItsPressureWithoutSwinging) {
  s.PumpControl.PressureControlMode = kGovernor;
  s.PumpControl.GovernorMode = kGovernorPressureMode;
  s.PumpControl.GovernorSetPress = 150;
  for (SmallInt stage : {SmallInt{1}, SmallInt{2}}) {
    s.Pump.StageMode = stage;
    for (int line : {1, 2, 3, 5}) OpenLine(line);
    RunFor(2.0);
    EXPECT_NEAR(s.PumpOutput.DischargePress, 150, 0.5) << stage;
    // Settled: a further second moves the speed by no more than a few RPM.
    const double rpm = s.Engine.Rpm;
    double lowest = rpm;
    double highest = rpm;
    for (int k = 0; k < 66; ++k) {
      RunFor(0.015);
      lowest = std::min(lowest, s.Engine.Rpm);
      highest = std::max(highest, s.Engine.Rpm);
    }
    EXPECT_LT(highest - lowest, 5.0) << stage;
    EXPECT_GT(s.Engine.Rpm, s.Engine.IdleRpm) << stage;
  }
}

TEST_F(ControlInTickTest, FoamIsDrawnWhileWaterFlows) {
  TFoamSetupRec& f = s.FoamSetup;
  f.SYS_TYPE = kFoamDirectInjection;
  f.TANK_CAP = 30;
  f.FoamTankSelect = kFoamTankB;
  f.PropLever = 1;
  f.PCT_RANGE = kFoamRangeTenthToOne;
  f.FoamPercentSet = 1.0;
  f.FOAM_LINES.Add(2);
  f.FoamTankA = 3;
  // A new initialisation fills the tanks and puts the controls at rest.
  InitializeSimulation(s, cfg, run, host);
  EXPECT_EQ(f.FoamTankSelect, kFoamTankA);
  EXPECT_EQ(f.PropLever, 0);
  SetProportionerOn(f, true);
  SetRunState(s, cfg, run, host, kRunStart);
  tick = 0;
  EXPECT_DOUBLE_EQ(f.FoamTankA, 30);
  Throttle(1500);
  OpenLine(2);
  double water = 0;
  for (int k = 0; k < 400; ++k) {
    RunFor(0.015);
    water += s.Discharges[2].Flow * 0.015 / 60;
  }
  ASSERT_GT(water, 10);
  EXPECT_NEAR(f.FoamWaterTotal, water, 1e-6 * water);
  EXPECT_NEAR(f.FoamUsed, 0.01 * water, 1e-8);
  EXPECT_NEAR(f.FoamTankA, 30 - f.FoamUsed, 1e-9);
}

TEST_F(ControlInTickTest, BurnHouseCoolsUnderTheStreamsWithNoWindowOpen) {
  const double maxTemp = s.BurnHouse.MaxTemp;
  ASSERT_NEAR(s.BurnHouse.Temp, maxTemp, 1e-9);
  RunFor(1.0);
  EXPECT_DOUBLE_EQ(s.BurnHouse.Temp, maxTemp);  // no water: fully involved
  EXPECT_GT(s.BurnHouse.BurnedFraction, 0.1);

  Throttle(1800);
  OpenLine(2);
  OpenLine(3);
  RunFor(3.0);
  EXPECT_LT(s.BurnHouse.Temp, maxTemp - 10);
  EXPECT_GE(s.BurnHouse.LastUpdateTime, s.SimClock.Time - 0.5);

  // A new initialisation restarts the fire.
  SetRunState(s, cfg, run, host, kRunTerminate);
  InitializeSimulation(s, cfg, run, host);
  EXPECT_DOUBLE_EQ(s.BurnHouse.Temp, maxTemp);
  EXPECT_DOUBLE_EQ(s.BurnHouse.BurnedFraction, 0.1);
  EXPECT_DOUBLE_EQ(s.BurnHouse.LastUpdateTime, 0);
}

}  // namespace
}  // namespace pumpdrill
