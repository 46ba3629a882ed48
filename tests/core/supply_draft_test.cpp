// Drafting: the vacuum limit of the site, the primer and the prime of the
// intake and pump, the lift against the vacuum, the finite draft source
// with its tender, and the draft incidents.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/incidents.h"
#include "sim/priming.h"
#include "sim/tank.h"
#include "supply_test_support.h"

namespace pumpdrill {
namespace {

using supply_test::MakeDraft;
using supply_test::MakeState;

TEST(DraftAltitude, TheFactorTableGivesTheVacuumLimit) {
  State s = MakeState();
  const struct {
    double altitude, factor;
  } cases[] = {{300, 0.6},    {250.4, 0.5},  {250.6, 0.6}, {750, 0.6},  {751, 0.5},     {5001, 0.48},
               {8000, 0.48},  {8001, 0.46},  {20000, 0.46}, {20001, 0.5}, {-10000, 0.5}};
  for (const auto& c : cases) {
    s.Supply.Altitude = c.altitude;
    UpdateAltitude(s);
    EXPECT_NEAR(s.MinIntakePress, -14.7 + c.altitude / 1000 * c.factor, 1e-12) << c.altitude << " ft";
  }
}

struct Draft : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    MakeDraft(s);
    s.Discharges[kIntakeLine].ValveOpen = 1;
    s.SimClock.Time = 5;
  }
  // Updates the primer every 15 ms until the intake primes or `limit`
  // seconds pass; returns the seconds it took.
  double PrimeFor(double limit) {
    const double start = s.SimClock.Time;
    while (s.SimClock.Time - start < limit && !s.Supply.IntakePrimed) {
      s.SimClock.Time += 0.015;
      PrimerAction(s, kPrimerUpdate, host);
    }
    return s.SimClock.Time - start;
  }
  void Demand(double gpm) {
    s.PumpOutput.TotalFlow = gpm;
    UpdateSupply(s);
  }
  void At(double t) {
    s.SimClock.Time = t;
    ProcessIncidents(s, false, true, random, host);
  }
  State s;
  RecordingHost host;
  RandomSource random{1};
};

TEST_F(Draft, PrimingTimeIsTheSuctionsAirOverThePrimerRate) {
  PrimerAction(s, kPrimerEngage, host);
  EXPECT_NEAR(s.PumpControl.PrimeTimeNeeded, 16.0, 0.01) << "20 ft of 6 in at 0.2454 cu ft/s";
  EXPECT_NEAR(PrimeFor(30), 16.0, 0.03);
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0].cue, SND_PRIMER_PRIMED_LOOP);
  EXPECT_TRUE(host.cues[0].flag);

  State soft = s;
  soft.Supply.IntakePrimed = false;
  soft.Discharges[kIntakeLine].HoseKind = 0;
  PrimerAction(soft, kPrimerEngage, host);
  EXPECT_EQ(soft.PumpControl.PrimeTimeNeeded, 2.0);

  State stalled = soft;
  stalled.Discharges[kIntakeLine].HoseKind = 2;
  stalled.PumpControl.PrimerRate = 0;
  PrimerAction(stalled, kPrimerEngage, host);
  EXPECT_EQ(stalled.PumpControl.PrimeTimeNeeded, kNeverTime) << "a primer that moves no air never primes";
}

TEST_F(Draft, TheCountStartsAgainWhileThePrimerCannotDraw) {
  PrimerAction(s, kPrimerEngage, host);
  PrimeFor(10);
  s.Discharges[3].ValveOpen = 0.5;  // must be shut to prime
  PrimeFor(20);
  s.Discharges[3].ValveOpen = 0;
  s.PumpControl.PrimerOilPercent = 5;
  PrimeFor(20);
  s.PumpControl.PrimerOilPercent = 6;
  s.Discharges[kIntakeLine].ValveOpen = 0;
  PrimeFor(20);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  s.Discharges[kIntakeLine].ValveOpen = 0.1;
  EXPECT_NEAR(PrimeFor(30), 16.0, 0.03);

  // Released, the primer counts no more.
  s.Supply.IntakePrimed = false;
  PrimerAction(s, kPrimerEngage, host);
  PrimerAction(s, kPrimerRelease, host);
  EXPECT_EQ(s.PumpControl.PrimerState, 2);
  PrimeFor(30);
  EXPECT_FALSE(s.Supply.IntakePrimed);
}

TEST_F(Draft, TheTankPrimesTheIntakeThroughAClosedInPump) {
  s.Discharges[kTankToPumpLine].ValveOpen = 1;
  UpdateTank(s, true, host);
  s.Discharges[2].ValveOpen = 1;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_FALSE(s.Supply.IntakePrimed) << "water escapes through the open discharge";
  s.Discharges[2].ValveOpen = 0;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_TRUE(s.Supply.IntakePrimed);
}

TEST_F(Draft, AClosedInPumpHoldsItsPrimeForThreeHundredSeconds) {
  s.Supply.IntakePrimed = true;
  s.Discharges[kIntakeLine].ValveOpen = 0;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_EQ(s.PumpControl.PrimeLossAt, 305);
  s.SimClock.Time = 304.9;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_TRUE(s.Supply.IntakePrimed);
  s.SimClock.Time = 305;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0].cue, SND_PRIMER_PRIMING_LOOP);

  // Opening a discharge with the intake shut loses the prime at once;
  // flowing while no supply reaches the pump loses it too.
  s.Supply.IntakePrimed = true;
  s.Discharges[1].ValveOpen = 0.3;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  s.Supply.IntakePrimed = true;
  s.Discharges[kIntakeLine].ValveOpen = 1;
  s.Supply.SupplyAvailable = false;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_FALSE(s.Supply.IntakePrimed);
}

TEST_F(Draft, PumpPrimeAndPressureWithoutWater) {
  s.Supply.SupplyAvailable = true;
  UpdatePumpPrime(s);
  s.Supply.SupplyAvailable = false;
  UpdatePumpPrime(s);
  EXPECT_TRUE(s.PumpStatus.Primed) << "every discharge shut: the prime stays";
  s.PumpOutput.DischargePress = 120;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 120) << "the pump still holds water";
  EXPECT_TRUE(s.PumpStatus.WaterAtPump);

  s.Discharges[4].ValveOpen = 1;
  UpdatePumpPrime(s);
  EXPECT_FALSE(s.PumpStatus.Primed);
  s.PumpStatus.Cavitating = true;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 120) << "cavitating: the held pressure";
  s.PumpStatus.Cavitating = false;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 0);
  EXPECT_FALSE(s.PumpStatus.WaterAtPump);
}

TEST_F(Draft, PrimedIndicatorShownAtDraftWhenTheOptionIsOn) {
  UpdatePrimedIndicator(s, true, host);
  s.ShowOptions.IndicatePrimed = true;
  UpdatePrimedIndicator(s, true, host);
  s.Supply.IntakePrimed = true;
  UpdatePrimedIndicator(s, true, host);
  UpdatePrimedIndicator(s, false, host);
  s.Supply.SupplyType = kSupplyHydrant;
  UpdatePrimedIndicator(s, true, host);
  EXPECT_EQ(host.primed, (std::vector<PrimedShown>{PrimedShown::Hidden, PrimedShown::NotPrimed, PrimedShown::Primed,
                                                   PrimedShown::NotPrimed, PrimedShown::Hidden}));
}

TEST_F(Draft, AHardSuctionLiftsDownToTheVacuumLimitOfTheSite) {
  // A 10 ft lift; the suction's coefficients sum to 1 ft/cfs^2.
  s.Discharges[kIntakeLine].PumpEndElev = -7;
  s.Discharges[kIntakeLine].NozzleElev = 3;
  s.Supply.IntakePrimed = true;
  Demand(448.8);
  EXPECT_NEAR(s.Supply.IntakePress, -11 * kPsiPerFoot, 1e-12);
  EXPECT_EQ(s.Supply.SupplyFlow, 448.8);
  Demand(3000);
  EXPECT_EQ(s.Supply.IntakePress, -14.52);
  EXPECT_NEAR(s.Supply.SupplyFlow, 448.8 * std::sqrt(kFeetPerPsi * 14.52 - 10), 1e-6);

  s.Supply.IntakePrimed = false;
  Demand(200);
  EXPECT_TRUE(s.Supply.ExternalUnavailable);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
}

TEST_F(Draft, AFiniteSourceEmptiesAndATenderRefillsItWithoutOverfilling) {
  s.Supply.FiniteDraftSource = 2;
  s.DraftSource.Volume = 5;
  s.Discharges[kIntakeLine].Flow = 600;
  s.SimClock.LastTankUpdate = 5;
  s.SimClock.Time = 6;
  UpdateTankVolume(s);
  EXPECT_EQ(s.DraftSource.Volume, 0);
  s.Supply.IntakePrimed = true;
  s.Supply.IntakePress = 0;
  Demand(200);
  EXPECT_FALSE(s.Supply.SupplyAvailable) << "an empty pool gives nothing";

  s.Tender.Use = true;
  s.Tender.NextArrival = 300;  // its first call, as a run start sets it
  s.DraftSource.Volume = 1000;
  At(299.99);
  EXPECT_EQ(s.DraftSource.Volume, 1000);
  At(300);
  EXPECT_EQ(s.DraftSource.Volume, 2200);
  EXPECT_EQ(s.Tender.NextArrival, 600);
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0].cue, SND_PRIORITY_RADIO_CALL);
  EXPECT_EQ(host.cues[0].file, "ictender.wav");
  s.Tender.RoundTripTime = 0;
  for (double t = 600; t < 602; t += 0.015) At(t);
  EXPECT_EQ(host.cues.size(), 2u) << "a tender without a round trip comes once";

  ResetDraftSource(s, true);
  EXPECT_EQ(s.DraftSource.Volume, 0) << "starts empty";
  s.DraftSource.StartFull = true;
  ResetDraftSource(s, false);
  EXPECT_EQ(s.DraftSource.Volume, 2200);
}

TEST_F(Draft, LossOfPrimeEventsDropThePrimeOnceEachWhileInUse) {
  TIncidentRec& r = s.Incidents[kIncidentLossOfPrime];
  r.EventTime[1] = 60;
  r.EventTime[2] = 120;
  s.Supply.IntakePrimed = true;
  At(61);
  EXPECT_TRUE(s.Supply.IntakePrimed) << "not in use";
  r.Use = true;
  At(60);
  EXPECT_TRUE(s.Supply.IntakePrimed);
  At(61);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  s.Supply.IntakePrimed = true;
  At(90);
  EXPECT_TRUE(s.Supply.IntakePrimed);
  At(121);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  EXPECT_TRUE(r.Done[1] && r.Done[2] && !r.Done[3]);
}

TEST_F(Draft, AHardSuctionCollapsesOnceAtItsPressureUntilReplaced) {
  TIncidentRec& r = s.Incidents[kIncidentHardSuctionCollapse];
  r.Use = true;
  s.Supply.IntakePress = -4.9;
  At(30);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
  s.Supply.IntakePress = -5;
  At(30);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 0.1);
  EXPECT_EQ(r.StartTime(), 30);
  s.Supply.IntakePress = 0;
  At(40);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 0.1) << "stays collapsed";
  r.StopTime = 40;  // replaced
  At(40.015);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
  s.Supply.IntakePress = -9;
  At(41);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1) << "collapses only once";
}

}  // namespace
}  // namespace pumpdrill
