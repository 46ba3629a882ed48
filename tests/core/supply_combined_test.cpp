// Tank and hydrant together: the split of the demand between the tank line
// and the intake.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/line_flow_between.h"
#include "sim/tank.h"
#include "supply_test_support.h"

namespace pumpdrill {
namespace {

using supply_test::MakeState;
using supply_test::RecordingHost;

struct CombinedSupply : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    s.Discharges[kIntakeLine].ValveOpen = 1;
    s.Discharges[kTankToPumpLine].ValveOpen = 1;
    // A weak hydrant: 20 psi through a hydrant coefficient of 50.
    s.Supply.SupplyK = 50;
    s.Supply.StaticPress = 20;
    UpdateTank(s, true, host);
  }
  void Demand(double gpm) {
    s.PumpOutput.TotalFlow = gpm;
    UpdateSupply(s);
  }
  double Flow(int line, double from, double at) {
    int error = 0;
    const TDischargeRec& d = s.Discharges[line];
    double q = LineFlowBetween(s, line, from, at, d.PumpEndElev, d.NozzleElev, error);
    return error == 0 && q > 0 ? q : 0.0;
  }
  // The intake pressure at which both give exactly `gpm`, by bisection.
  double BalancePressure(double gpm, double lo, double hi) {
    for (int i = 0; i < 200; ++i) {
      const double mid = (lo + hi) / 2;
      const double sum = Flow(kIntakeLine, s.Supply.StaticPress, mid) + Flow(kTankToPumpLine, s.Tank.TankHeadPress, mid);
      (sum > gpm ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
  }
  State s;
  RecordingHost host;
};

TEST_F(CombinedSupply, TheSplitMeetsTheDemandWithinOneGpm) {
  for (double gpm : {600.0, 900.0, 1200.0, 1400.0}) {
    Demand(gpm);
    const double qe = s.Discharges[kIntakeLine].Flow;
    const double qt = s.Discharges[kTankToPumpLine].Flow;
    EXPECT_NEAR(qe + qt, gpm, 1.0) << gpm;
    EXPECT_NEAR(s.Supply.SupplyFlow, qe + qt, 1e-9);
    EXPECT_GT(qe, 0) << gpm;
    EXPECT_GT(qt, 0) << gpm;
    // Each line gives its share at the intake pressure found.
    const double ip = s.Supply.IntakePress;
    EXPECT_NEAR(qe, Flow(kIntakeLine, s.Supply.StaticPress, ip), 1.0) << gpm;
    EXPECT_NEAR(qt, Flow(kTankToPumpLine, s.Tank.TankHeadPress, ip), 1.0) << gpm;
    // And that pressure is the balance within the flow tolerance.
    const double exact = BalancePressure(gpm, 0.01, s.Supply.StaticPress + s.Tank.TankHeadPress);
    const double sumAtFound = Flow(kIntakeLine, s.Supply.StaticPress, ip) + Flow(kTankToPumpLine, s.Tank.TankHeadPress, ip);
    EXPECT_NEAR(sumAtFound, gpm, 1.0) << "exact balance at " << exact << " psi, found " << ip;
  }
}

TEST_F(CombinedSupply, ASmallDemandComesFromTheHydrantAlone) {
  // The intake pressure stays above the tank's head: the tank gives nothing.
  Demand(150);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, 0);
  EXPECT_NEAR(s.Discharges[kIntakeLine].Flow, 150, 1.0);
  EXPECT_GT(s.Supply.IntakePress, s.Tank.TankHeadPress);
}

TEST_F(CombinedSupply, NoDemandLeavesBothLinesStill) {
  Demand(0);
  EXPECT_EQ(s.Discharges[kIntakeLine].Flow, 0);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, 0);
  EXPECT_NEAR(s.Supply.IntakePress, 20 + s.Tank.TankHeadPress, 1e-12);
}

TEST_F(CombinedSupply, ASoftIntakeThatCannotKeepUpLeavesTheTankAlone) {
  Demand(8000);
  EXPECT_EQ(s.Discharges[kIntakeLine].Flow, 0);
  EXPECT_NEAR(s.Supply.IntakePress, -14.52 + 0.01, 1e-12);
  EXPECT_NEAR(s.Discharges[kTankToPumpLine].Flow, Flow(kTankToPumpLine, s.Tank.TankHeadPress, -14.51), 1e-9);
  EXPECT_EQ(s.Supply.SupplyFlow, s.Discharges[kTankToPumpLine].Flow);
}

TEST_F(CombinedSupply, ASoftIntakeDroppedWhileTheTankAloneSuffices) {
  // Little from the hydrant, a tank that can give the demand under vacuum.
  s.Supply.StaticPress = 0.5;
  const double atSoftFloor = Flow(kIntakeLine, 0.5, 0.01) + Flow(kTankToPumpLine, s.Tank.TankHeadPress, 0.01);
  const double gpm = atSoftFloor + 200;
  ASSERT_LT(gpm, Flow(kTankToPumpLine, s.Tank.TankHeadPress, -14.51));
  Demand(gpm);
  EXPECT_EQ(s.Discharges[kIntakeLine].Flow, 0);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, gpm);
  const double q = gpm / 448.8;
  EXPECT_NEAR(s.Supply.IntakePress, s.Tank.TankHeadPress - kPsiPerFoot * (q * q - 1), 1e-9);
}

TEST_F(CombinedSupply, AHardIntakeThatCannotKeepUpGivesBothAtTheVacuumLimit) {
  s.Discharges[kIntakeLine].HoseKind = 1;
  Demand(9000);
  const double p0 = -14.52 + 0.01;
  EXPECT_NEAR(s.Supply.IntakePress, p0, 1e-12);
  EXPECT_NEAR(s.Discharges[kIntakeLine].Flow, Flow(kIntakeLine, 20, p0), 1e-9);
  EXPECT_NEAR(s.Discharges[kTankToPumpLine].Flow, Flow(kTankToPumpLine, s.Tank.TankHeadPress, p0), 1e-9);
  EXPECT_LT(s.Supply.SupplyFlow, 9000);
}

TEST_F(CombinedSupply, AHardIntakeBalancesBelowZero) {
  s.Discharges[kIntakeLine].HoseKind = 1;
  const double atZero = Flow(kIntakeLine, 20, 0) + Flow(kTankToPumpLine, s.Tank.TankHeadPress, 0);
  Demand(atZero + 300);
  EXPECT_LT(s.Supply.IntakePress, 0);
  EXPECT_NEAR(s.Supply.SupplyFlow, atZero + 300, 1.0);
}

TEST_F(CombinedSupply, ASearchThatCannotSettleKeepsThePreviousSplit) {
  // An intake with next to no resistance: its flow changes by thousands of
  // gpm over the smallest step of head a double can hold.
  TDischargeRec& intake = s.Discharges[kIntakeLine];
  intake.ValveK = 1e-14;
  intake.HoseK = 0;
  intake.ShutoffK = 0;
  s.Supply.SupplyK = 0;
  intake.Flow = 123;
  s.Discharges[kTankToPumpLine].Flow = 45;
  s.Supply.IntakePress = 6.5;
  s.PumpOutput.TotalFlow = 1000;
  BalanceSupplies(s, 0.01);
  EXPECT_EQ(intake.Flow, 123);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, 45);
  EXPECT_EQ(s.Supply.IntakePress, 6.5);
}

}  // namespace
}  // namespace pumpdrill
