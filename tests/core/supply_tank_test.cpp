// The booster tank: geometry, head, level lamps and the volume drawn and
// filled through lines 17 and 16.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/tank.h"
#include "supply_test_support.h"

namespace pumpdrill {
namespace {

using supply_test::MakeState;
using supply_test::RecordingHost;

TEST(TankGeometry, ResetStartsAtTheInitialVolumeWithDepthAndHead) {
  State s = MakeState();
  RecordingHost host;
  s.Tank.InitialVolume = 750;
  s.Tank.Volume = 10;
  s.Discharges[kTankToPumpLine].ValveOpen = 1;
  UpdateTank(s, true, host);
  EXPECT_NEAR(s.Tank.BaseArea, (1500 / 7.48) / 4, 1e-9);
  EXPECT_EQ(s.Tank.Volume, 750);
  EXPECT_NEAR(s.Tank.WaterDepth, 2.0, 1e-9);
  // (pump end 3 ft - tank outlet 2 ft) + 2 ft of water.
  EXPECT_NEAR(s.Tank.TankHeadPress, 3.0 * kPsiPerFoot, 1e-9);
  EXPECT_EQ(s.Tank.LevelState, 2);
  EXPECT_EQ(host.tankRepaints, 0) << "a reset does not repaint";
}

TEST(TankGeometry, NoHeadWithTheTankValveShutOrTheTankEmpty) {
  State s = MakeState();
  RecordingHost host;
  UpdateTank(s, true, host);
  EXPECT_EQ(s.Tank.TankHeadPress, 0);
  s.Discharges[kTankToPumpLine].ValveOpen = 0.5;
  s.Tank.Volume = 0;
  UpdateTank(s, false, host);
  EXPECT_EQ(s.Tank.TankHeadPress, 0);
}

TEST(TankGeometry, ATankWithoutHeightKeepsItsAreaAndGivesNoNonsense) {
  State s = MakeState();
  RecordingHost host;
  UpdateTank(s, true, host);
  const double area = s.Tank.BaseArea;
  s.Tank.Height = 0;
  UpdateTank(s, true, host);
  EXPECT_EQ(s.Tank.BaseArea, area);
  s.Tank.BaseArea = 0;
  s.Tank.Capacity = 0;
  UpdateTank(s, false, host);
  EXPECT_EQ(s.Tank.WaterDepth, 0);
  EXPECT_EQ(s.Tank.LevelState, 0);
}

TEST(TankLevel, StatesFollowTheThresholdsAndRepaintOnlyOnChange) {
  State s = MakeState();
  RecordingHost host;
  UpdateTank(s, true, host);
  EXPECT_EQ(s.Tank.LevelState, 4);
  const struct {
    double volume;
    int state;
  } cases[] = {{1141, 4}, {1139, 3}, {766, 3}, {764, 2}, {391, 2}, {389, 1}, {76, 1}, {74, 0}, {0, 0}};
  int changes = 0;
  int last = 4;
  for (const auto& c : cases) {
    s.Tank.Volume = c.volume;
    UpdateTank(s, false, host);
    EXPECT_EQ(s.Tank.LevelState, c.state) << c.volume << " gal";
    if (c.state != last) ++changes;
    last = c.state;
  }
  EXPECT_EQ(host.tankRepaints, changes);
}

// Runs the tank integration in 15 ms ticks for `seconds`.
void RunTicks(State& s, double seconds) {
  const int ticks = static_cast<int>(seconds / 0.015 + 0.5);
  const double start = s.SimClock.Time;
  for (int i = 1; i <= ticks; ++i) {
    s.SimClock.Time = start + i * 0.015;
    UpdateTankVolume(s);
  }
}

TEST(TankVolume, FiveHundredGpmForAMinuteRemovesFiveHundredGallons) {
  State s = MakeState();
  s.Discharges[kTankToPumpLine].Flow = 500;
  RunTicks(s, 60);
  EXPECT_NEAR(s.Tank.Volume, 1000, 1e-6);
}

TEST(TankVolume, APauseOfMoreThanOneAndAHalfSecondsRemovesNothing) {
  State s = MakeState();
  s.Discharges[kTankToPumpLine].Flow = 500;
  s.SimClock.Time = 10;
  s.SimClock.LastTankUpdate = 8.4;
  UpdateTankVolume(s);
  EXPECT_EQ(s.Tank.Volume, 1500);
  EXPECT_EQ(s.SimClock.LastTankUpdate, 10);
  s.SimClock.Time = 11.5;  // exactly 1.5 s later: integrated
  UpdateTankVolume(s);
  EXPECT_NEAR(s.Tank.Volume, 1500 - 12.5, 1e-9);
  s.SimClock.Time = 11.0;  // the clock ran back: nothing
  UpdateTankVolume(s);
  EXPECT_NEAR(s.Tank.Volume, 1500 - 12.5, 1e-9);
  EXPECT_EQ(s.SimClock.LastTankUpdate, 11.5);
}

TEST(TankVolume, StaysBetweenEmptyAndCapacity) {
  State s = MakeState();
  s.Tank.Volume = 1495;
  s.Discharges[kTankFillLine].Flow = 300;
  RunTicks(s, 5);
  EXPECT_EQ(s.Tank.Volume, 1500);
  s.Discharges[kTankFillLine].Flow = 0;
  s.Tank.Volume = 3;
  s.Discharges[kTankToPumpLine].Flow = 600;
  RunTicks(s, 5);
  EXPECT_EQ(s.Tank.Volume, 0);
}

TEST(TankVolume, FillAndDrawTogether) {
  State s = MakeState();
  s.Tank.Volume = 1000;
  s.Discharges[kTankFillLine].Flow = 100;
  s.Discharges[kTankToPumpLine].Flow = 400;
  RunTicks(s, 30);
  EXPECT_NEAR(s.Tank.Volume, 850, 1e-6);
}

}  // namespace
}  // namespace pumpdrill

namespace pumpdrill {
namespace {

using supply_test::MakeState;
using supply_test::RecordingHost;

// The booster tank alone: full (4 ft of water), outlet 1 ft below the pump
// end, tank line coefficients summing to 1 ft/cfs^2.
struct TankSupply : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    s.Discharges[kTankToPumpLine].ValveOpen = 1;
    UpdateTank(s, true, host);
  }
  void Demand(double gpm) {
    s.PumpOutput.TotalFlow = gpm;
    UpdateSupply(s);
  }
  State s;
  RecordingHost host;
};

TEST_F(TankSupply, TheTankFeedsTheDemandAtItsHead) {
  ASSERT_NEAR(s.Tank.TankHeadPress, 5 * kPsiPerFoot, 1e-12);
  Demand(0);
  EXPECT_NEAR(s.Supply.IntakePress, 5 * kPsiPerFoot, 1e-12);
  Demand(448.8);
  // The line loses 1 ft at 1 cfs and gains the 1 ft its outlet lies below
  // the pump end.
  EXPECT_NEAR(s.Supply.IntakePress, 5 * kPsiPerFoot, 1e-12);
  EXPECT_TRUE(s.Supply.SupplyAdequate);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, 448.8);
  EXPECT_EQ(s.Discharges[kIntakeLine].Flow, 0);
  EXPECT_EQ(s.Supply.SupplyFlow, 448.8);
  EXPECT_TRUE(s.Supply.ExternalUnavailable);
  EXPECT_FALSE(s.Supply.TankEmpty);
  EXPECT_EQ(s.Supply.IntakeFloor, -14.52);
}

TEST_F(TankSupply, AnOverdrawnTankGivesWhatItCanAtTheVacuumLimit) {
  Demand(5000);
  EXPECT_EQ(s.Supply.IntakePress, -14.52);
  const double head = kFeetPerPsi * (5 * kPsiPerFoot + 14.52) + (3 - 2);
  EXPECT_NEAR(s.Supply.SupplyFlow, 448.8 * std::sqrt(head), 1e-6);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, s.Supply.SupplyFlow);
  EXPECT_FALSE(s.Supply.SupplyAdequate);
}

TEST_F(TankSupply, AnEmptyTankGivesNothing) {
  s.Tank.Volume = 0;
  UpdateTank(s, false, host);
  Demand(300);
  EXPECT_TRUE(s.Supply.TankEmpty);
  EXPECT_FALSE(s.Supply.SupplyAvailable);
  EXPECT_EQ(s.Supply.IntakePress, 0);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, 0);
}

TEST_F(TankSupply, DrainingTheTankRunsItDry) {
  // 500 gpm from a tank holding 100 gal: empty after 12 s, then nothing.
  s.Tank.Volume = 100;
  for (int i = 1; i <= 1000; ++i) {
    s.SimClock.Time = i * 0.015;
    UpdateTank(s, false, host);
    Demand(500);
    UpdateTankVolume(s);
  }
  EXPECT_EQ(s.Tank.Volume, 0);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
  EXPECT_EQ(s.Tank.LevelState, 0);
}

}  // namespace
}  // namespace pumpdrill
