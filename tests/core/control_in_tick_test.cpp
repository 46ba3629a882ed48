// The relief valve, the governor, the foam concentrate and the burn house
// as the running tick drives them on the built-in apparatus.
#include <gtest/gtest.h>

#include <cmath>

#include "burn/burn_house.h"
#include "running_fixture.h"
#include "sim/coefficients.h"
#include "sim/foam_use.h"
#include "sim/pressure_control.h"
#include "sim/valve_change.h"

namespace pumpdrill {
namespace {

class ControlInTickTest : public testing::RunningTest {
 protected:
  void SetUp() override {
    cfg.Options.EngineSound = false;
    RunningTest::SetUp();
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

  // Opens discharge `line` fully, valve and nozzle, as the panel does.
  void OpenLine(int line) {
    s.Discharges[line].ValveOpen = 1;
    ValveChanged(s, false, line, 1, true, host);
    s.Discharges[line].NozzleOpen = 1;
    UpdateNozzleK(s, line);
  }

  void Throttle(double rpm) {
    s.Engine.RpmDemand = rpm;
    s.Engine.Rpm = rpm;
  }

  int tick = 0;
};

TEST_F(ControlInTickTest, GovernorHoldsItsSpeedInSpeedMode) {
  s.PumpControl.PressureControlMode = kGovernor;
  s.PumpControl.GovernorMode = 1;
  s.PumpControl.GovernorSetRpm = 1800;
  Throttle(2500);
  RunFor(0.3);
  EXPECT_NEAR(s.Engine.RpmDemand, 1800, 0.5);
}

TEST_F(ControlInTickTest, FoamTanksStartEachRunFull) {
  TFoamSetupRec& f = s.FoamSetup;
  f.SYS_TYPE = kFoamDirectInjection;
  f.TANK_CAP = 30;
  f.FoamTankA = 3;
  f.FoamTankB = 0;
  f.FoamUsed = 27;
  SetRunState(s, cfg, run, host, kRunTerminate);
  InitializeSimulation(s, cfg, run, host);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 30);
  EXPECT_DOUBLE_EQ(f.FoamTankB, 30);
  EXPECT_DOUBLE_EQ(f.FoamUsed, 0);
}

TEST_F(ControlInTickTest, BurnHouseStepsWithNoWindowOpenAndRestartsWithTheRun) {
  const double maxTemp = s.BurnHouse.MaxTemp;
  ASSERT_NEAR(s.BurnHouse.Temp, maxTemp, 1e-9);
  RunFor(1.0);
  EXPECT_DOUBLE_EQ(s.BurnHouse.Temp, maxTemp);  // no water: fully involved
  EXPECT_GT(s.BurnHouse.BurnedFraction, 0.1);
  EXPECT_GE(s.BurnHouse.LastUpdateTime, s.SimClock.Time - 0.5);

  SetRunState(s, cfg, run, host, kRunTerminate);
  InitializeSimulation(s, cfg, run, host);
  EXPECT_DOUBLE_EQ(s.BurnHouse.Temp, maxTemp);
  EXPECT_DOUBLE_EQ(s.BurnHouse.BurnedFraction, 0.1);
  EXPECT_DOUBLE_EQ(s.BurnHouse.LastUpdateTime, 0);
}

}  // namespace
}  // namespace pumpdrill
