// Tank and hydrant together: the split of the demand between the tank line
// and the intake.
#include <gtest/gtest.h>

#include "sim/line_flow_between.h"
#include "sim/tank.h"
#include "supply_test_support.h"

namespace pumpdrill {
namespace {

using supply_test::MakeState;

// A full tank and a weak hydrant (20 psi through a coefficient of 50).
struct CombinedSupply : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    s.Discharges[kIntakeLine].ValveOpen = 1;
    s.Discharges[kTankToPumpLine].ValveOpen = 1;
    s.Supply.SupplyK = 50;
    s.Supply.StaticPress = 20;
    UpdateTank(s, true, host);
  }
  void Demand(double gpm) {
    s.PumpOutput.TotalFlow = gpm;
    UpdateSupply(s);
  }
  // What each line gives at intake pressure `at`.
  double Intake(double at) { return Flow(kIntakeLine, s.Supply.StaticPress, at); }
  double TankLine(double at) { return Flow(kTankToPumpLine, s.Tank.TankHeadPress, at); }
  double Flow(int line, double from, double at) {
    int error = 0;
    const TDischargeRec& d = s.Discharges[line];
    const double q = LineFlowBetween(s, line, from, at, d.PumpEndElev, d.NozzleElev, error);
    return error == 0 && q > 0 ? q : 0.0;
  }
  State s;
  RecordingHost host;
};

TEST_F(CombinedSupply, TheSplitMeetsTheDemandWithinOneGpmAtOneIntakePressure) {
  for (double gpm : {150.0, 600.0, 900.0, 1400.0}) {
    Demand(gpm);
    const double qe = s.Discharges[kIntakeLine].Flow;
    const double qt = s.Discharges[kTankToPumpLine].Flow;
    const double ip = s.Supply.IntakePress;
    EXPECT_NEAR(qe + qt, gpm, 1.0) << gpm;
    EXPECT_EQ(s.Supply.SupplyFlow, qe + qt);
    EXPECT_NEAR(qe, Intake(ip), 1.0) << gpm;
    EXPECT_NEAR(qt, TankLine(ip), 1.0) << gpm;
    if (gpm > 500) {
      EXPECT_GT(qt, 0) << gpm;
    }
  }
  Demand(150);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, 0) << "above the tank's head the hydrant gives it all";
  Demand(0);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
  EXPECT_NEAR(s.Supply.IntakePress, 20 + s.Tank.TankHeadPress, 1e-12);
}

TEST_F(CombinedSupply, ASoftIntakeThatCannotKeepUpLeavesTheTankAlone) {
  Demand(8000);
  EXPECT_EQ(s.Discharges[kIntakeLine].Flow, 0);
  EXPECT_NEAR(s.Supply.IntakePress, -14.51, 1e-12);
  EXPECT_NEAR(s.Supply.SupplyFlow, TankLine(-14.51), 1e-9);

  // The tank alone can give it under vacuum.
  s.Supply.StaticPress = 0.5;
  const double gpm = Intake(0.01) + TankLine(0.01) + 200;
  ASSERT_LT(gpm, TankLine(-14.51));
  Demand(gpm);
  EXPECT_EQ(s.Discharges[kIntakeLine].Flow, 0);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, gpm);
  const double q = gpm / 448.8;
  EXPECT_NEAR(s.Supply.IntakePress, s.Tank.TankHeadPress - kPsiPerFoot * (q * q - 1), 1e-9);
}

TEST_F(CombinedSupply, AHardIntakeBalancesBelowZeroOrGivesBothAtTheVacuumLimit) {
  s.Discharges[kIntakeLine].HoseKind = 1;
  const double atZero = Intake(0) + TankLine(0);
  Demand(atZero + 300);
  EXPECT_LT(s.Supply.IntakePress, 0);
  EXPECT_NEAR(s.Supply.SupplyFlow, atZero + 300, 1.0);
  Demand(9000);
  EXPECT_NEAR(s.Supply.IntakePress, -14.51, 1e-12);
  EXPECT_NEAR(s.Discharges[kIntakeLine].Flow, Intake(-14.51), 1e-9);
  EXPECT_NEAR(s.Discharges[kTankToPumpLine].Flow, TankLine(-14.51), 1e-9);
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
