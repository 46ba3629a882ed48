// The booster tank: geometry, head, level lamps, the volume drawn and
// filled through lines 17 and 16, and the tank feeding the pump alone.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/tank.h"
#include "supply_test_support.h"

namespace pumpdrill {
namespace {

using supply_test::MakeState;

struct Tank : ::testing::Test {
  void SetUp() override { s = MakeState(); }
  // Integrates the tank in 15 ms ticks for `seconds`.
  void RunTicks(double seconds) {
    const double start = s.SimClock.Time;
    for (int i = 1; i <= std::lround(seconds / 0.015); ++i) {
      s.SimClock.Time = start + i * 0.015;
      UpdateTankVolume(s);
    }
  }
  void Demand(double gpm) {
    s.PumpOutput.TotalFlow = gpm;
    UpdateSupply(s);
  }
  State s;
  RecordingHost host;
};

TEST_F(Tank, ResetStartsAtTheInitialVolumeWithDepthAndHead) {
  s.Tank.InitialVolume = 750;
  s.Discharges[kTankToPumpLine].ValveOpen = 1;
  UpdateTank(s, true, host);
  EXPECT_NEAR(s.Tank.BaseArea, (1500 / 7.48) / 4, 1e-9);
  EXPECT_NEAR(s.Tank.WaterDepth, 2.0, 1e-9);
  // (pump end 3 ft - tank outlet 2 ft) + 2 ft of water.
  EXPECT_NEAR(s.Tank.TankHeadPress, 3.0 * kPsiPerFoot, 1e-9);
  EXPECT_EQ(host.tankRepaints, 0) << "a reset does not repaint";
  s.Discharges[kTankToPumpLine].ValveOpen = 0;
  UpdateTank(s, false, host);
  EXPECT_EQ(s.Tank.TankHeadPress, 0) << "no head through a shut tank valve";
  s.Tank.Height = 0;
  UpdateTank(s, true, host);
  EXPECT_NEAR(s.Tank.BaseArea, (1500 / 7.48) / 4, 1e-9) << "a tank without height keeps its area";
}

TEST_F(Tank, LevelStatesFollowTheThresholdsAndRepaintOnlyOnChange) {
  UpdateTank(s, true, host);
  const std::pair<double, int> cases[] = {{1141, 4}, {1139, 3}, {766, 3}, {764, 2}, {391, 2},
                                          {389, 1},  {76, 1},   {74, 0},  {0, 0}};
  for (auto [volume, state] : cases) {
    s.Tank.Volume = volume;
    UpdateTank(s, false, host);
    EXPECT_EQ(s.Tank.LevelState, state) << volume << " gal";
  }
  EXPECT_EQ(host.tankRepaints, 4);
}

TEST_F(Tank, FiveHundredGpmForAMinuteRemovesFiveHundredGallons) {
  s.Discharges[kTankToPumpLine].Flow = 500;
  RunTicks(60);
  EXPECT_NEAR(s.Tank.Volume, 1000, 1e-6);
  s.Discharges[kTankFillLine].Flow = 100;
  RunTicks(30);
  EXPECT_NEAR(s.Tank.Volume, 800, 1e-6);
}

TEST_F(Tank, APauseOfMoreThanOneAndAHalfSecondsRemovesNothing) {
  s.Discharges[kTankToPumpLine].Flow = 500;
  s.SimClock.LastTankUpdate = 8.4;
  s.SimClock.Time = 10;
  UpdateTankVolume(s);
  EXPECT_EQ(s.Tank.Volume, 1500);
  s.SimClock.Time = 11.5;  // exactly 1.5 s later: integrated
  UpdateTankVolume(s);
  EXPECT_NEAR(s.Tank.Volume, 1500 - 12.5, 1e-9);
}

TEST_F(Tank, VolumeStaysBetweenEmptyAndCapacity) {
  s.Tank.Volume = 1495;
  s.Discharges[kTankFillLine].Flow = 300;
  RunTicks(5);
  EXPECT_EQ(s.Tank.Volume, 1500);
  s.Discharges[kTankFillLine].Flow = 0;
  s.Discharges[kTankToPumpLine].Flow = 600;
  s.Tank.Volume = 3;
  RunTicks(5);
  EXPECT_EQ(s.Tank.Volume, 0);
}

TEST_F(Tank, TheTankAloneFeedsTheDemandDownToTheVacuumLimit) {
  // Full: 4 ft of water; the tank line's coefficients sum to 1 ft/cfs^2.
  s.Discharges[kTankToPumpLine].ValveOpen = 1;
  UpdateTank(s, true, host);
  Demand(448.8);
  // The line loses 1 ft at 1 cfs and gains the 1 ft its outlet lies below
  // the pump end.
  EXPECT_NEAR(s.Supply.IntakePress, 5 * kPsiPerFoot, 1e-12);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, 448.8);
  EXPECT_EQ(s.Supply.SupplyFlow, 448.8);
  EXPECT_TRUE(s.Supply.ExternalUnavailable);
  Demand(5000);
  EXPECT_EQ(s.Supply.IntakePress, -14.52);
  EXPECT_NEAR(s.Supply.SupplyFlow, 448.8 * std::sqrt(kFeetPerPsi * (5 * kPsiPerFoot + 14.52) + 1), 1e-6);
  EXPECT_FALSE(s.Supply.SupplyAdequate);

  s.Tank.Volume = 0;
  UpdateTank(s, false, host);
  Demand(300);
  EXPECT_TRUE(s.Supply.TankEmpty);
  EXPECT_FALSE(s.Supply.SupplyAvailable);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
  EXPECT_EQ(s.Supply.IntakePress, 0);
}

}  // namespace
}  // namespace pumpdrill
