// Hydrant and relay supplies: the supply incidents that change the static
// pressure or the intake line (fluctuating and shifting supply, rupture and
// kink), and the engine and discharge incidents that run beside them.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/incidents.h"
#include "supply_test_support.h"

namespace pumpdrill {
namespace {

using supply_test::MakeState;
using supply_test::RecordingHost;

struct HydrantIncidents : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    s.Discharges[kIntakeLine].ValveOpen = 1;
  }
  void At(double t) {
    s.SimClock.Time = t;
    ProcessIncidents(s, false, true, random, host);
  }
  State s;
  RecordingHost host;
  RandomSource random{42};
};

TEST_F(HydrantIncidents, PeriodicFluctuationSwingsInsideItsWindowOnly) {
  TIncidentRec& r = s.Incidents[kIncidentFluctuatingSupply];
  r.Use = true;
  r.StartTime() = 60;
  r.StopTime = 120;
  r.Fraction = 0.1;
  At(59.9);
  EXPECT_EQ(s.Supply.StaticPress, 100);
  EXPECT_FALSE(r.Done[1]);
  s.Supply.IntakePrimed = true;
  At(60);
  EXPECT_TRUE(r.Done[1]);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  EXPECT_EQ(s.Supply.StaticPressNow, 100);
  EXPECT_NEAR(r.HighPress, 110, 1e-9);
  EXPECT_NEAR(r.LowPress, 90, 1e-9);
  EXPECT_EQ(r.NextChange, 60.5);
  At(60.4);
  EXPECT_EQ(s.Supply.StaticPress, 100) << "first change half a second after the start";
  At(65);  // a quarter period: the top of the swing
  EXPECT_NEAR(s.Supply.StaticPress, 110, 1e-3);
  At(75);  // three quarters: the bottom
  EXPECT_NEAR(s.Supply.StaticPress, 90, 1e-3);
  At(77.5);
  EXPECT_NEAR(s.Supply.StaticPress, 100 - 10 * std::sin(M_PI / 4), 1e-3);
  At(120.01);
  EXPECT_EQ(s.Supply.StaticPress, 100);
  s.Supply.StaticPress = 85;  // set again by the instructor after the fluctuation
  At(121);
  EXPECT_EQ(s.Supply.StaticPress, 85);
}

TEST_F(HydrantIncidents, SporadicFluctuationStaysInItsBandAndFollowsTheSeed) {
  TIncidentRec& r = s.Incidents[kIncidentFluctuatingSupply];
  r.Use = true;
  r.StartTime() = 10;
  r.StopTime = 600;
  r.FluctType = 2;
  r.Period = 5;
  r.Fraction = 0.2;
  At(10);
  EXPECT_EQ(r.NextChange, 15);
  std::vector<double> seen;
  for (double t = 10; t < 599; t += 0.25) {
    At(t);
    const double p = s.Supply.StaticPress;
    EXPECT_GE(p, 80);
    EXPECT_LE(p, 120);
    EXPECT_EQ(p, std::floor(p)) << "whole psi above the band's bottom";
    EXPECT_LE(r.NextChange, t + 10);
    if (seen.empty() || seen.back() != p) seen.push_back(p);
  }
  EXPECT_GT(seen.size(), 20u);

  // The same seed gives the same run.
  State again = MakeState();
  again.Incidents[kIncidentFluctuatingSupply] = s.Incidents[kIncidentFluctuatingSupply];
  again.Incidents[kIncidentFluctuatingSupply].Done[1] = false;
  RandomSource same{42};
  std::vector<double> replay;
  for (double t = 10; t < 599; t += 0.25) {
    again.SimClock.Time = t;
    ProcessIncidents(again, false, true, same, host);
    const double p = again.Supply.StaticPress;
    if (replay.empty() || replay.back() != p) replay.push_back(p);
  }
  EXPECT_EQ(seen, replay);
}

TEST_F(HydrantIncidents, AFluctuationThatNeverStartedDoesNotDropTheHydrant) {
  TIncidentRec& r = s.Incidents[kIncidentFluctuatingSupply];
  r.Use = true;
  r.StartTime() = 200;
  r.StopTime = 100;
  At(50);
  At(150);
  At(250);
  EXPECT_EQ(s.Supply.StaticPress, 100);
  EXPECT_FALSE(r.Done[1]);
}

TEST_F(HydrantIncidents, ShiftingSupplyTakesEachEventsPressureAndReturnsBetween) {
  TIncidentRec& r = s.Incidents[kIncidentShiftingSupply];
  r.Use = true;
  r.EventTime[1] = 30;
  r.RecoverTime[1] = 60;
  r.EventPress[1] = 40;
  r.EventTime[2] = 90;
  r.RecoverTime[2] = 120;
  r.EventPress[2] = 20;
  At(30);
  EXPECT_EQ(s.Supply.StaticPress, 100);
  At(31);
  EXPECT_EQ(s.Supply.StaticPress, 40);
  EXPECT_EQ(s.Supply.StaticPressNow, 100);
  At(61);
  EXPECT_EQ(s.Supply.StaticPress, 100);
  At(91);
  EXPECT_EQ(s.Supply.StaticPress, 20);
  EXPECT_TRUE(r.Done[1]);
  EXPECT_TRUE(r.Done[2]);
  At(121);
  EXPECT_EQ(s.Supply.StaticPress, 100);
}

TEST_F(HydrantIncidents, ShiftingSupplyWithOnlyALaterEventRemembersTheRealPressure) {
  TIncidentRec& r = s.Incidents[kIncidentShiftingSupply];
  r.Use = true;
  r.EventTime[2] = 30;
  r.RecoverTime[2] = 60;
  r.EventPress[2] = 35;
  s.Supply.StaticPressNow = 0;
  At(10);
  EXPECT_EQ(s.Supply.StaticPress, 100);
  At(31);
  EXPECT_EQ(s.Supply.StaticPress, 35);
  At(61);
  EXPECT_EQ(s.Supply.StaticPress, 100);
}

TEST_F(HydrantIncidents, RuptureShutsTheIntakeInsideItsWindow) {
  TIncidentRec& r = s.Incidents[kIncidentLineRupture];
  r.Use = true;
  r.StartTime() = 100;
  r.StopTime = 200;
  At(100);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
  At(100.1);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 0);
  EXPECT_TRUE(s.Discharges[kIntakeLine].NozzleShut);
  At(200);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
  EXPECT_FALSE(s.Discharges[kIntakeLine].NozzleShut);
}

TEST_F(HydrantIncidents, KinkFromTheStartUntilStraightened) {
  TIncidentRec& r = s.Incidents[kIncidentKink];
  r.Use = true;
  r.StartTime() = 0;
  s.Discharges[kIntakeLine].ShutoffDiam = 5.0 / 12;
  At(0.015);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 0.05);
  const double kinkedK = s.Discharges[kIntakeLine].ShutoffK;
  r.StopTime = 20;
  At(20.015);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
  EXPECT_GT(kinkedK, 100 * s.Discharges[kIntakeLine].ShutoffK) << "the kink's loss is gone";
}

TEST_F(HydrantIncidents, ARuptureIsNotUndoneByAnEndedKink) {
  TIncidentRec& kink = s.Incidents[kIncidentKink];
  kink.Use = true;
  kink.StartTime() = 0;
  kink.StopTime = 50;
  TIncidentRec& rupture = s.Incidents[kIncidentLineRupture];
  rupture.Use = true;
  rupture.StartTime() = 40;
  rupture.StopTime = 100;
  At(30);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 0.05);
  At(45);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 0) << "both: the rupture lets nothing through";
  At(60);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 0) << "the kink is over, the rupture is not";
  At(101);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
}

TEST_F(HydrantIncidents, OilLossDropsTheGaugeEveryTickUntilEmptyThenEnds) {
  TIncidentRec& r = s.Incidents[kIncidentOilLoss];
  r.Use = true;
  r.EventTime[1] = 10;
  r.EventTime[2] = 11;
  s.Pump.OilPress = 1.0;
  At(10);
  EXPECT_EQ(s.Pump.OilPress, 1.0);
  At(10.5);
  EXPECT_NEAR(s.Pump.OilPress, 0.65, 1e-12);
  EXPECT_TRUE(r.Done[1]);
  At(11.5);
  EXPECT_NEAR(s.Pump.OilPress, 0.30, 1e-12) << "one loss per tick with two events passed";
  EXPECT_TRUE(r.Done[2]);
  At(12);
  EXPECT_EQ(s.Pump.OilPress, 0);
  EXPECT_EQ(r.StopTime, 12);
  s.Pump.OilPress = 40;
  At(13);
  EXPECT_EQ(s.Pump.OilPress, 40);
}

TEST_F(HydrantIncidents, UncouplingMarksItsLineInsideItsWindow) {
  TIncidentRec& r = s.Incidents[kIncidentUncoupling];
  r.Use = true;
  r.Line = 3;
  r.StartTime() = 50;
  r.StopTime = 80;
  At(50);
  EXPECT_FALSE(r.Done[1]);
  At(50.5);
  EXPECT_TRUE(r.Done[1]);
}

TEST_F(HydrantIncidents, IncidentsNotInUseDoNothing) {
  for (int n : {2, 3, 4, 5, 6, 8, 9}) {
    TIncidentRec& r = s.Incidents[n];
    r.StartTime() = 1;
    r.EventPress[1] = 10;
    r.RecoverTime[1] = 100;
  }
  s.Supply.IntakePress = -20;
  const State before = s;
  At(50);
  EXPECT_EQ(s.Supply.StaticPress, before.Supply.StaticPress);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
  EXPECT_EQ(s.Pump.OilPress, before.Pump.OilPress);
  for (int n = 1; n <= kIncidentCount; ++n) EXPECT_FALSE(s.Incidents[n].Done[1]) << n;
}

}  // namespace
}  // namespace pumpdrill

namespace pumpdrill {
namespace {

using supply_test::MakeState;

// A hydrant feeding the pump alone (the tank valve shut) through a soft
// intake with valve, hose and shut-off coefficients summing to 1 ft/cfs^2
// and a hydrant coefficient of 0.5; the hydrant stands at ground level, the
// pump 3 ft above it.
struct HydrantSupply : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    TDischargeRec& intake = s.Discharges[kIntakeLine];
    intake.ValveOpen = 1;
    intake.PumpEndElev = 0;
    intake.NozzleElev = 3;
    s.Supply.SupplyK = 0.5;
  }
  void Demand(double gpm) {
    s.PumpOutput.TotalFlow = gpm;
    UpdateSupply(s);
  }
  State s;
};

TEST_F(HydrantSupply, NoFlowGivesTheStaticPressureLessTheElevation) {
  Demand(0);
  EXPECT_NEAR(s.Supply.IntakePress, 100 - 0.43333 * 3, 1e-4);
  EXPECT_EQ(s.Discharges[kIntakeLine].ElevDiff, 3);
  EXPECT_TRUE(s.Supply.SupplyAvailable);
  EXPECT_FALSE(s.Supply.ExternalUnavailable);
  EXPECT_TRUE(s.Supply.TankEmpty);
  EXPECT_TRUE(s.Supply.SupplyAdequate);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
}

TEST_F(HydrantSupply, FlowLosesHeadInTheHydrantAndTheIntake) {
  Demand(448.8);  // 1 cfs
  EXPECT_NEAR(s.Supply.ResidualPress, 100 - 0.5 * kPsiPerFoot, 1e-9);
  EXPECT_NEAR(s.Supply.IntakePress, 100 - 0.5 * kPsiPerFoot - (1.0 + 3) * kPsiPerFoot, 1e-9);
  EXPECT_NEAR(s.Discharges[kIntakeLine].ValveLoss, 0.2, 1e-12);
  EXPECT_NEAR(s.Discharges[kIntakeLine].HoseLoss, 0.6, 1e-12);
  EXPECT_NEAR(s.Discharges[kIntakeLine].ShutoffLoss, 0.2, 1e-12);
  EXPECT_EQ(s.Discharges[kIntakeLine].Flow, 448.8);
  EXPECT_EQ(s.Supply.SupplyFlow, 448.8);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].Flow, 0);
}

TEST_F(HydrantSupply, ASoftIntakeNeverReadsBelowZero) {
  for (double gpm : {6000.0, 9000.0, 20000.0}) {
    Demand(gpm);
    EXPECT_EQ(s.Supply.IntakePress, 0) << gpm;
    EXPECT_EQ(s.Supply.IntakeFloor, 0);
    EXPECT_EQ(s.Supply.SupplyFlow, 0) << "the soft hose collapses";
    EXPECT_FALSE(s.Supply.SupplyAdequate);
  }
}

TEST_F(HydrantSupply, AHardIntakeIsDrawnDownToTheVacuumLimit) {
  s.Discharges[kIntakeLine].HoseKind = 1;
  Demand(9000);
  EXPECT_EQ(s.Supply.IntakePress, -14.52);
  const double head = kFeetPerPsi * (100 + 14.52) + (0 - 3);
  EXPECT_NEAR(s.Supply.SupplyFlow, 448.8 * std::sqrt(head / 1.5), 1e-6);
  EXPECT_EQ(s.Discharges[kIntakeLine].Flow, s.Supply.SupplyFlow);
}

TEST_F(HydrantSupply, NoExternalWaterThroughAShutOrBrokenIntake) {
  s.Discharges[kIntakeLine].ValveOpen = 0;
  Demand(100);
  EXPECT_TRUE(s.Supply.ExternalUnavailable);
  EXPECT_FALSE(s.Supply.SupplyAvailable);
  EXPECT_EQ(s.Supply.IntakePress, 0);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
  s.Discharges[kIntakeLine].ValveOpen = 1;
  s.Discharges[kIntakeLine].NozzleOpen = 0;  // ruptured
  Demand(100);
  EXPECT_TRUE(s.Supply.ExternalUnavailable);
  s.Discharges[kIntakeLine].NozzleOpen = 1;
  s.Supply.StaticPress = 0;
  Demand(100);
  EXPECT_TRUE(s.Supply.ExternalUnavailable);
  s.Supply.StaticPress = 100;
  s.Supply.SupplyType = kSupplyNone;
  Demand(100);
  EXPECT_TRUE(s.Supply.ExternalUnavailable);
  EXPECT_FALSE(s.Supply.SupplyAvailable);
}

TEST_F(HydrantSupply, ARelayFeedsLikeAHydrant) {
  s.Supply.SupplyType = kSupplyRelay;
  Demand(448.8);
  EXPECT_NEAR(s.Supply.IntakePress, 100 - 4.5 * kPsiPerFoot, 1e-9);
}

TEST_F(HydrantSupply, LineLossKeepsTheElevationOnlyWhereWaterStands) {
  EXPECT_EQ(LineLoss(s, kIntakeLine, 0), 3);
  s.Discharges[kIntakeLine].ValveOpen = 0;
  EXPECT_EQ(LineLoss(s, kIntakeLine, 0), 0);
  EXPECT_EQ(s.Discharges[kIntakeLine].ElevDiff, 0);
  s.Discharges[kTankToPumpLine].ValveOpen = 1;
  EXPECT_EQ(LineLoss(s, kTankToPumpLine, -5), 0);
  EXPECT_EQ(s.Discharges[kTankToPumpLine].ValveLoss, 0);
  EXPECT_NEAR(LineLoss(s, kTankToPumpLine, 2 * 448.8), 4.0 - 1.0, 1e-12);
}

}  // namespace
}  // namespace pumpdrill

#include "default_state.h"
#include "sim/coefficients.h"

namespace pumpdrill {
namespace {

// The built-in apparatus on its 100 psi hydrant with the intake opened.
TEST(DefaultHydrant, TheIntakeReadsTheHydrantAndLosesHeadWithFlow) {
  auto s = testing::MakeDefaultState();
  s->Discharges[kIntakeLine].ValveOpen = 1;
  UpdateValveK(*s, kIntakeLine);
  UpdateAltitude(*s);
  EXPECT_NEAR(s->MinIntakePress, -14.52, 1e-12);
  s->PumpOutput.TotalFlow = 0;
  UpdateSupply(*s);
  EXPECT_NEAR(s->Supply.IntakePress, 100 - 0.43333 * s->Discharges[kIntakeLine].ElevDiff, 1e-3);
  double last = s->Supply.IntakePress;
  for (double gpm : {500.0, 1000.0, 1500.0}) {
    s->PumpOutput.TotalFlow = gpm;
    UpdateSupply(*s);
    EXPECT_LT(s->Supply.IntakePress, last) << gpm;
    EXPECT_GT(s->Supply.IntakePress, 20) << gpm << " gpm from a 3000 gpm hydrant through 5 in hose";
    EXPECT_EQ(s->Supply.SupplyFlow, gpm);
    last = s->Supply.IntakePress;
  }
}

}  // namespace
}  // namespace pumpdrill
