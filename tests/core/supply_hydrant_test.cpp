// Hydrant and relay supplies: the intake pressure under flow, and the
// incidents that change the static pressure or the intake line, with the
// engine and discharge incidents that run beside them.
#include <gtest/gtest.h>

#include <cmath>

#include "default_state.h"
#include "sim/coefficients.h"
#include "sim/incidents.h"
#include "supply_test_support.h"

namespace pumpdrill {
namespace {

using supply_test::MakeState;

// A hydrant at ground level feeding a pump 3 ft above it through a soft
// intake whose coefficients sum to 1 ft/cfs^2, with a hydrant coefficient
// of 0.5; the tank valve shut.
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
  void At(double t) {
    s.SimClock.Time = t;
    ProcessIncidents(s, false, true, random, host);
  }
  double Opening() const { return s.Discharges[kIntakeLine].NozzleOpen; }
  State s;
  RecordingHost host;
  RandomSource random{42};
};

TEST_F(HydrantSupply, IntakePressureIsTheStaticLessHydrantLineAndElevation) {
  Demand(0);
  EXPECT_NEAR(s.Supply.IntakePress, 100 - 0.43333 * 3, 1e-4);
  EXPECT_TRUE(s.Supply.SupplyAdequate);
  Demand(448.8);  // 1 cfs
  EXPECT_NEAR(s.Supply.ResidualPress, 100 - 0.5 * kPsiPerFoot, 1e-9);
  EXPECT_NEAR(s.Supply.IntakePress, 100 - (0.5 + 1.0 + 3) * kPsiPerFoot, 1e-9);
  EXPECT_EQ(s.Supply.SupplyFlow, 448.8);
  EXPECT_EQ(s.Discharges[kIntakeLine].Flow, 448.8);
}

TEST_F(HydrantSupply, ASoftIntakeNeverReadsBelowZeroAHardOneGoesToTheVacuumLimit) {
  for (double gpm : {6000.0, 20000.0}) {
    Demand(gpm);
    EXPECT_EQ(s.Supply.IntakePress, 0) << gpm;
    EXPECT_EQ(s.Supply.SupplyFlow, 0) << "the soft hose collapses";
  }
  s.Discharges[kIntakeLine].HoseKind = 1;
  Demand(9000);
  EXPECT_EQ(s.Supply.IntakePress, -14.52);
  EXPECT_NEAR(s.Supply.SupplyFlow, 448.8 * std::sqrt((kFeetPerPsi * 114.52 - 3) / 1.5), 1e-6);
}

TEST_F(HydrantSupply, NoExternalWaterThroughAShutOrBrokenIntakeOrWithoutPressure) {
  auto unavailable = [&](auto change) {
    State saved = s;
    change();
    Demand(100);
    const bool none = s.Supply.ExternalUnavailable && s.Supply.SupplyFlow == 0;
    s = saved;
    return none;
  };
  EXPECT_TRUE(unavailable([&] { s.Discharges[kIntakeLine].ValveOpen = 0; }));
  EXPECT_TRUE(unavailable([&] { s.Discharges[kIntakeLine].NozzleOpen = 0; }));
  EXPECT_TRUE(unavailable([&] { s.Supply.StaticPress = 0; }));
  EXPECT_TRUE(unavailable([&] { s.Supply.SupplyType = kSupplyNone; }));
  EXPECT_FALSE(unavailable([&] { s.Supply.SupplyType = kSupplyRelay; }));
}

TEST(DefaultHydrant, TheBuiltInIntakeReadsTheHydrantAndLosesHeadWithFlow) {
  auto s = testing::MakeDefaultState();
  s->Discharges[kIntakeLine].ValveOpen = 1;
  UpdateValveK(*s, kIntakeLine);
  s->PumpOutput.TotalFlow = 0;
  UpdateSupply(*s);
  EXPECT_NEAR(s->Supply.IntakePress, 100 - 0.43333 * s->Discharges[kIntakeLine].ElevDiff, 1e-3);
  double last = s->Supply.IntakePress;
  for (double gpm : {500.0, 1000.0, 1500.0}) {
    s->PumpOutput.TotalFlow = gpm;
    UpdateSupply(*s);
    EXPECT_LT(s->Supply.IntakePress, last) << gpm;
    EXPECT_GT(s->Supply.IntakePress, 20) << gpm << " gpm from a 3000 gpm hydrant through 5 in hose";
    last = s->Supply.IntakePress;
  }
}

TEST_F(HydrantSupply, APeriodicFluctuationSwingsInsideItsWindowOnly) {
  TIncidentRec& r = s.Incidents[kIncidentFluctuatingSupply];
  r.Use = true;
  r.StartTime() = 60;
  r.StopTime = 120;
  r.Fraction = 0.1;
  At(59.9);
  EXPECT_FALSE(r.Done[1]);
  At(60);
  EXPECT_NEAR(r.HighPress, 110, 1e-9);
  EXPECT_NEAR(r.LowPress, 90, 1e-9);
  At(60.4);
  EXPECT_EQ(s.Supply.StaticPress, 100) << "first change half a second after the start";
  At(65);
  EXPECT_NEAR(s.Supply.StaticPress, 110, 1e-3);
  At(75);
  EXPECT_NEAR(s.Supply.StaticPress, 90, 1e-3);
  At(120.01);
  EXPECT_EQ(s.Supply.StaticPress, 100);
  s.Supply.StaticPress = 85;  // set again by the instructor afterwards
  At(121);
  EXPECT_EQ(s.Supply.StaticPress, 85);

  // A fluctuation that never started does not drop the hydrant.
  r.StartTime() = 200;  // after its stop time
  r.Done[1] = false;
  s.Supply.StaticPress = 100;
  At(150);
  At(250);
  EXPECT_EQ(s.Supply.StaticPress, 100);
}

TEST_F(HydrantSupply, ASporadicFluctuationStaysInItsBandAndFollowsTheSeed) {
  TIncidentRec& r = s.Incidents[kIncidentFluctuatingSupply];
  r.Use = true;
  r.StartTime() = 10;
  r.StopTime = 600;
  r.FluctType = 2;
  r.Period = 5;
  r.Fraction = 0.2;
  const State start = s;
  auto play = [&](std::uint64_t seed) {
    s = start;
    random.Seed(seed);
    std::vector<double> changes;
    for (double t = 10; t < 599; t += 0.25) {
      At(t);
      const double p = s.Supply.StaticPress;
      EXPECT_TRUE(p >= 80 && p <= 120 && p == std::floor(p)) << p;
      EXPECT_LE(r.NextChange, t + 10);
      if (changes.empty() || changes.back() != p) changes.push_back(p);
    }
    return changes;
  };
  const std::vector<double> first = play(7);
  EXPECT_GT(first.size(), 20u);
  EXPECT_EQ(play(7), first);
  EXPECT_NE(play(8), first);
}

TEST_F(HydrantSupply, AShiftingSupplyTakesEachEventsPressureAndReturnsBetween) {
  TIncidentRec& r = s.Incidents[kIncidentShiftingSupply];
  r.Use = true;
  r.EventTime[2] = 30;
  r.RecoverTime[2] = 60;
  r.EventPress[2] = 40;
  r.EventTime[3] = 90;
  r.RecoverTime[3] = 120;
  r.EventPress[3] = 20;
  s.Supply.StaticPressNow = 0;  // whichever event comes first remembers the pressure
  const std::pair<double, double> expected[] = {{30, 100}, {31, 40}, {61, 100}, {91, 20}};
  for (auto [t, press] : expected) {
    At(t);
    EXPECT_EQ(s.Supply.StaticPress, press) << t;
  }
}

TEST_F(HydrantSupply, RuptureAndKinkNarrowTheIntakeInsideTheirWindows) {
  TIncidentRec& kink = s.Incidents[kIncidentKink];
  kink.Use = true;
  kink.StartTime() = 0;
  kink.StopTime = 50;
  TIncidentRec& rupture = s.Incidents[kIncidentLineRupture];
  rupture.Use = true;
  rupture.StartTime() = 40;
  rupture.StopTime = 100;
  s.Discharges[kIntakeLine].ShutoffDiam = 5.0 / 12;
  At(30);
  EXPECT_EQ(Opening(), 0.05);
  const double kinkedK = s.Discharges[kIntakeLine].ShutoffK;
  At(45);
  EXPECT_EQ(Opening(), 0) << "both: nothing passes";
  EXPECT_TRUE(s.Discharges[kIntakeLine].NozzleShut);
  At(60);
  EXPECT_EQ(Opening(), 0) << "the kink is over, the rupture is not";
  At(100);
  EXPECT_EQ(Opening(), 1);
  EXPECT_GT(kinkedK, 100 * s.Discharges[kIntakeLine].ShutoffK);
}

TEST_F(HydrantSupply, OilLossDropsTheGaugeEachTickUntilEmptyThenEnds) {
  TIncidentRec& r = s.Incidents[kIncidentOilLoss];
  r.Use = true;
  r.EventTime[1] = 10;
  r.EventTime[2] = 11;
  s.Pump.OilPress = 1.0;
  At(10);
  EXPECT_EQ(s.Pump.OilPress, 1.0);
  At(10.5);
  At(11.5);
  EXPECT_NEAR(s.Pump.OilPress, 0.30, 1e-12) << "one loss per tick, however many events have passed";
  At(12);
  EXPECT_EQ(s.Pump.OilPress, 0);
  EXPECT_EQ(r.StopTime, 12);
  s.Pump.OilPress = 40;
  At(13);
  EXPECT_EQ(s.Pump.OilPress, 40);
}

TEST_F(HydrantSupply, UncouplingAndIncidentsOutOfUse) {
  TIncidentRec& r = s.Incidents[kIncidentUncoupling];
  r.Line = 3;
  r.StartTime() = 50;
  r.StopTime = 80;
  for (int n : {2, 3, 4, 5, 6, 8}) {
    s.Incidents[n].StartTime() = 1;
    s.Incidents[n].EventPress[1] = 10;
    s.Incidents[n].RecoverTime[1] = 100;
  }
  s.Supply.IntakePress = -20;
  At(60);
  EXPECT_EQ(s.Supply.StaticPress, 100);
  EXPECT_EQ(Opening(), 1);
  EXPECT_EQ(s.Pump.OilPress, 40);
  for (int n = 1; n <= kIncidentCount; ++n) EXPECT_FALSE(s.Incidents[n].Done[1]) << n;
  r.Use = true;
  At(50);
  EXPECT_FALSE(r.Done[1]);
  At(50.5);
  EXPECT_TRUE(r.Done[1]);
}

}  // namespace
}  // namespace pumpdrill
