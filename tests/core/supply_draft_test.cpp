// Drafting: the vacuum limit of the site, the primer and the prime of the
// intake and pump, the finite draft source with its tender, and the draft
// incidents (loss of prime, collapsing hard suction).
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
using supply_test::RecordingHost;

TEST(DraftAltitude, TheFactorTableGivesTheVacuumLimit) {
  State s = MakeState();
  const struct {
    double altitude;
    double factor;
  } cases[] = {{300, 0.6},   {250, 0.5},    {250.4, 0.5},  {250.6, 0.6}, {750, 0.6},    {751, 0.5},
               {5000, 0.5},  {5001, 0.48},  {8000, 0.48},  {8001, 0.46}, {20000, 0.46}, {20001, 0.5},
               {-10000, 0.5}, {-10001, 0.5}, {0, 0.5}};
  for (const auto& c : cases) {
    s.Supply.Altitude = c.altitude;
    UpdateAltitude(s);
    EXPECT_NEAR(s.MinIntakePress, -14.7 + c.altitude / 1000 * c.factor, 1e-12) << c.altitude << " ft";
  }
  s.Supply.Altitude = 300;
  UpdateAltitude(s);
  EXPECT_NEAR(s.MinIntakePress, -14.52, 1e-12);
}

// Steps the primer's update in 15 ms ticks until the intake primes or
// `limit` seconds pass; returns the seconds it took (or the limit).
double PrimeFor(State& s, RecordingHost& host, double limit) {
  const double start = s.SimClock.Time;
  while (s.SimClock.Time - start < limit) {
    s.SimClock.Time += 0.015;
    PrimerAction(s, kPrimerUpdate, host);
    if (s.Supply.IntakePrimed) break;
  }
  return s.SimClock.Time - start;
}

struct Priming : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    MakeDraft(s);
    s.Discharges[kIntakeLine].ValveOpen = 1;
    s.SimClock.Time = 5;
  }
  State s;
  RecordingHost host;
};

TEST_F(Priming, TwentyFeetOfSixInchHardSuctionTakesSixteenSeconds) {
  PrimerAction(s, kPrimerEngage, host);
  EXPECT_EQ(s.PumpControl.PrimerState, 1);
  EXPECT_EQ(s.PumpControl.PrimeStart, 5);
  EXPECT_NEAR(s.PumpControl.PrimeTimeNeeded, 16.0, 0.01);
  const double took = PrimeFor(s, host, 30);
  EXPECT_TRUE(s.Supply.IntakePrimed);
  EXPECT_NEAR(took, 16.0, 0.03);
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0].cue, SND_PRIMER_PRIMED_LOOP);
  EXPECT_TRUE(host.cues[0].flag);
}

TEST_F(Priming, ASoftIntakePrimesInTwoSeconds) {
  s.Discharges[kIntakeLine].HoseKind = 0;
  PrimerAction(s, kPrimerEngage, host);
  EXPECT_EQ(s.PumpControl.PrimeTimeNeeded, 2.0);
  EXPECT_NEAR(PrimeFor(s, host, 30), 2.0, 0.02);
}

TEST_F(Priming, APrimerThatMovesNoAirNeverPrimes) {
  s.PumpControl.PrimerRate = 0;
  PrimerAction(s, kPrimerEngage, host);
  EXPECT_EQ(s.PumpControl.PrimeTimeNeeded, kNeverTime);
  PrimeFor(s, host, 60);
  EXPECT_FALSE(s.Supply.IntakePrimed);
}

TEST_F(Priming, TheCountStartsAgainWhileThePrimerCannotDraw) {
  PrimerAction(s, kPrimerEngage, host);
  PrimeFor(s, host, 10);
  // A discharge opens: the count restarts while it is open.
  s.Discharges[3].ValveOpen = 0.5;
  PrimeFor(s, host, 20);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  s.Discharges[3].ValveOpen = 0;
  EXPECT_NEAR(PrimeFor(s, host, 30), 16.0, 0.03);
}

TEST_F(Priming, OpenDischargesDoNotMatterWhenThePumpSetupAllowsThem) {
  s.Pump.PrimeNeedsClosedValves = false;
  s.Discharges[3].ValveOpen = 0.5;
  PrimerAction(s, kPrimerEngage, host);
  EXPECT_NEAR(PrimeFor(s, host, 30), 16.0, 0.03);
}

TEST_F(Priming, NoPrimeWithoutPrimerOilOrWithTheIntakeShut) {
  s.PumpControl.PrimerOilPercent = 5;
  PrimerAction(s, kPrimerEngage, host);
  PrimeFor(s, host, 40);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  s.PumpControl.PrimerOilPercent = 6;
  s.Discharges[kIntakeLine].ValveOpen = 0;
  PrimeFor(s, host, 40);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  s.Discharges[kIntakeLine].ValveOpen = 0.1;
  EXPECT_NEAR(PrimeFor(s, host, 40), 16.0, 0.03);
}

TEST_F(Priming, ReleasingThePrimerStopsTheCountAndChangesNothingElse) {
  PrimerAction(s, kPrimerEngage, host);
  PrimeFor(s, host, 10);
  const State before = s;
  PrimerAction(s, kPrimerRelease, host);
  EXPECT_EQ(s.PumpControl.PrimerState, 2);
  EXPECT_EQ(s.PumpControl.PrimeStart, before.PumpControl.PrimeStart);
  PrimeFor(s, host, 30);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  EXPECT_TRUE(host.cues.empty());
}

TEST_F(Priming, EngagingAPrimedPumpNeedsNoTime) {
  s.Supply.IntakePrimed = true;
  s.Supply.SupplyAvailable = true;
  PrimerAction(s, kPrimerEngage, host);
  EXPECT_EQ(s.PumpControl.PrimeTimeNeeded, 0);
  EXPECT_TRUE(s.Supply.IntakePrimed);
}

TEST_F(Priming, TheTankPrimesTheIntakeThroughAClosedInPump) {
  s.Discharges[kTankToPumpLine].ValveOpen = 1;
  UpdateTank(s, true, host);
  ASSERT_GT(s.Tank.TankHeadPress, 0);
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_TRUE(s.Supply.IntakePrimed);
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0].cue, SND_PRIMER_PRIMED_LOOP);

  State open = MakeState();
  MakeDraft(open);
  open.Discharges[kIntakeLine].ValveOpen = 1;
  open.Discharges[kTankToPumpLine].ValveOpen = 1;
  open.Discharges[2].ValveOpen = 1;
  UpdateTank(open, true, host);
  PrimerAction(open, kPrimerUpdate, host);
  EXPECT_FALSE(open.Supply.IntakePrimed) << "water escapes through the open discharge";
}

struct PrimeHold : Priming {
  void SetUp() override {
    Priming::SetUp();
    s.Supply.IntakePrimed = true;
    s.Supply.SupplyAvailable = true;
    s.Discharges[kIntakeLine].ValveOpen = 0;
  }
};

TEST_F(PrimeHold, AClosedInPumpHoldsItsPrimeForThreeHundredSeconds) {
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_TRUE(s.PumpControl.PrimeLossArmed);
  EXPECT_EQ(s.PumpControl.PrimeLossAt, 305);
  s.SimClock.Time = 304.9;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_TRUE(s.Supply.IntakePrimed);
  EXPECT_EQ(s.PumpControl.PrimeLossAt, 305) << "the hold timer is not restarted";
  s.SimClock.Time = 305;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0].cue, SND_PRIMER_PRIMING_LOOP);
  EXPECT_FALSE(host.cues[0].flag);
}

TEST_F(PrimeHold, ReopeningTheIntakeEndsTheHold) {
  PrimerAction(s, kPrimerUpdate, host);
  s.Discharges[kIntakeLine].ValveOpen = 1;
  s.SimClock.Time = 100;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_FALSE(s.PumpControl.PrimeLossArmed);
  s.SimClock.Time = 400;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_TRUE(s.Supply.IntakePrimed);
}

TEST_F(PrimeHold, OpeningADischargeWithTheIntakeShutLosesThePrimeAtOnce) {
  s.Discharges[1].ValveOpen = 0.3;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_FALSE(s.Supply.IntakePrimed);
}

TEST_F(PrimeHold, FlowingWithoutSupplyLosesThePrime) {
  s.Discharges[kIntakeLine].ValveOpen = 1;
  s.Discharges[16].ValveOpen = 1;
  s.Supply.SupplyAvailable = false;
  PrimerAction(s, kPrimerUpdate, host);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  // Discharges above the line count do not take part.
  State t = MakeState();
  MakeDraft(t);
  t.Supply.IntakePrimed = true;
  t.Discharges[kIntakeLine].ValveOpen = 1;
  t.Discharges[12].ValveOpen = 1;
  PrimerAction(t, kPrimerUpdate, host);
  EXPECT_TRUE(t.Supply.IntakePrimed);
}

TEST(PrimedIndicator, ShownAtDraftWhenTheOptionIsOn) {
  State s = MakeState();
  RecordingHost host;
  UpdatePrimedIndicator(s, true, host);
  s.ShowOptions.IndicatePrimed = true;
  UpdatePrimedIndicator(s, true, host);  // a hydrant: hidden
  MakeDraft(s);
  UpdatePrimedIndicator(s, true, host);
  s.Supply.IntakePrimed = true;
  UpdatePrimedIndicator(s, true, host);
  UpdatePrimedIndicator(s, false, host);
  const std::vector<PrimedShown> want = {PrimedShown::Hidden, PrimedShown::Hidden, PrimedShown::NotPrimed,
                                         PrimedShown::Primed, PrimedShown::NotPrimed};
  EXPECT_EQ(host.primed, want);
}

TEST(PumpPrime, WaterAtThePumpAndAClosedInPumpKeepingItsPrime) {
  State s = MakeState();
  s.Supply.SupplyAvailable = true;
  UpdatePumpPrime(s);
  EXPECT_TRUE(s.PumpStatus.Primed);
  EXPECT_TRUE(s.PumpStatus.WaterAtPump);
  EXPECT_TRUE(s.PumpStatus.PrimedBefore);
  s.Supply.SupplyAvailable = false;
  UpdatePumpPrime(s);
  EXPECT_TRUE(s.PumpStatus.Primed) << "every discharge shut: the prime stays";
  s.Discharges[4].ValveOpen = 1;
  UpdatePumpPrime(s);
  EXPECT_FALSE(s.PumpStatus.Primed);
  EXPECT_FALSE(s.PumpStatus.WaterAtPump);
  EXPECT_FALSE(s.PumpStatus.PrimedBefore);
}

TEST(PumpWithoutWater, DraftCasesInTheirOrder) {
  State s = MakeState();
  MakeDraft(s);
  s.PumpOutput.DischargePress = 120;
  s.PumpStatus.Primed = true;
  PumpPressureWithoutWater(s);  // not primed at the intake, pump primed: stands
  EXPECT_EQ(s.PumpOutput.DischargePress, 120);
  EXPECT_TRUE(s.PumpStatus.WaterAtPump);

  s.PumpStatus.Primed = false;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 0);
  EXPECT_FALSE(s.PumpStatus.WaterAtPump);

  // Cavitating, or stopped by the supply limit: left alone.
  s.PumpOutput.DischargePress = 80;
  s.PumpStatus.Cavitating = true;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 80);
  s.PumpStatus.Cavitating = false;
  s.PumpOutput.TotalFlow = 200;
  s.Supply.SupplyFlow = 0;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 80);
}

TEST(PumpWithoutWater, AHoldingPumpThatLostItsWaterHasNoPressure) {
  State s = MakeState();
  MakeDraft(s);
  s.Supply.IntakePrimed = true;
  s.Supply.IntakePress = 3;
  s.PumpControl.PrimeLossArmed = true;
  s.PumpOutput.DischargePress = 90;
  s.PumpStatus.Primed = true;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 90);
  s.PumpStatus.Primed = false;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 0);
}

TEST(PumpWithoutWater, HydrantCases) {
  State s = MakeState();
  s.PumpOutput.DischargePress = 50;
  s.Supply.IntakePress = 0;
  s.PumpOutput.TotalFlow = 0;
  s.PumpStatus.Primed = true;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 50);
  s.PumpStatus.Primed = false;
  PumpPressureWithoutWater(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 0);
  EXPECT_FALSE(s.PumpStatus.WaterAtPump);
}

TEST(DraftSource, FiniteSourceEmptiesWithTheIntakeFlowAndUnlimitedDoesNot) {
  State s = MakeState();
  MakeDraft(s);
  s.DraftSource.Volume = 1000;
  s.Discharges[kIntakeLine].Flow = 600;
  s.SimClock.Time = 1.0;
  s.SimClock.LastTankUpdate = 0;
  UpdateTankVolume(s);
  EXPECT_EQ(s.DraftSource.Volume, 1000) << "lake or river";
  s.Supply.FiniteDraftSource = 2;
  s.SimClock.Time = 2.0;
  UpdateTankVolume(s);
  EXPECT_NEAR(s.DraftSource.Volume, 990, 1e-9);
  s.DraftSource.Volume = 5;
  s.SimClock.Time = 3.0;
  UpdateTankVolume(s);
  EXPECT_EQ(s.DraftSource.Volume, 0);
}

TEST(DraftSource, ResetStartsFullOrEmpty) {
  State s = MakeState();
  s.DraftSource.Volume = 700;
  ResetDraftSource(s, false);
  EXPECT_EQ(s.DraftSource.Volume, 0);
  s.DraftSource.StartFull = true;
  ResetDraftSource(s, false);
  EXPECT_EQ(s.DraftSource.Volume, 2200);
  s.DraftSource.Volume = 700;
  ResetDraftSource(s, true);
  EXPECT_EQ(s.DraftSource.Volume, 700) << "during a run a full start only limits";
  s.DraftSource.Capacity = 500;
  ResetDraftSource(s, true);
  EXPECT_EQ(s.DraftSource.Volume, 500);
}

TEST(Tender, ArrivesOnScheduleAndNeverOverfillsTheDumpTank) {
  State s = MakeState();
  MakeDraft(s);
  RecordingHost host;
  RandomSource random(1);
  s.Supply.FiniteDraftSource = 2;
  s.Tender.Use = true;
  s.DraftSource.Volume = 1000;
  s.SimClock.Time = 299.99;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_EQ(s.DraftSource.Volume, 1000);
  s.SimClock.Time = 300;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_EQ(s.DraftSource.Volume, 2200);
  EXPECT_EQ(s.Tender.NextArrival, 600);
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0].cue, SND_PRIORITY_RADIO_CALL);
  EXPECT_EQ(host.cues[0].file, "ictender.wav");
  s.SimClock.Time = 600.5;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_EQ(s.DraftSource.Volume, 2200);
  EXPECT_EQ(host.cues.size(), 2u);
}

TEST(Tender, ATenderWithoutARoundTripComesOnce) {
  State s = MakeState();
  RecordingHost host;
  RandomSource random(1);
  s.Tender.Use = true;
  s.Tender.RoundTripTime = 0;
  for (double t = 300; t < 302; t += 0.015) {
    s.SimClock.Time = t;
    ProcessIncidents(s, false, true, random, host);
  }
  EXPECT_EQ(host.cues.size(), 1u);
}

TEST(Tender, RunStartResetsTheScheduleTheSourceAndEveryDoneFlag) {
  State s = MakeState();
  RecordingHost host;
  RandomSource random(1);
  s.Tender.NextArrival = 1234;
  s.Tender.FirstCallTime = 120;
  s.DraftSource.StartFull = true;
  s.DraftSource.Volume = 3;
  s.Incidents[2].Done[1] = true;
  s.Incidents[9].Done[3] = true;
  s.Supply.StaticPress = 77;
  ProcessIncidents(s, true, false, random, host);
  EXPECT_EQ(s.Tender.NextArrival, 120);
  EXPECT_EQ(s.DraftSource.Volume, 2200);
  EXPECT_FALSE(s.Incidents[2].Done[1]);
  EXPECT_FALSE(s.Incidents[9].Done[3]);
  EXPECT_EQ(s.Supply.StaticPress, 77) << "nothing else";
}

TEST(LossOfPrime, EachEventDropsThePrimeOnceWhileInUse) {
  State s = MakeState();
  MakeDraft(s);
  RecordingHost host;
  RandomSource random(1);
  TIncidentRec& r = s.Incidents[kIncidentLossOfPrime];
  r.EventTime[1] = 60;
  r.EventTime[2] = 120;
  s.Supply.IntakePrimed = true;
  s.SimClock.Time = 61;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_TRUE(s.Supply.IntakePrimed) << "not in use";
  r.Use = true;
  s.SimClock.Time = 60;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_TRUE(s.Supply.IntakePrimed) << "only after the event time";
  s.SimClock.Time = 61;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  EXPECT_TRUE(r.Done[1]);
  s.Supply.IntakePrimed = true;  // primed again
  s.SimClock.Time = 90;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_TRUE(s.Supply.IntakePrimed);
  s.SimClock.Time = 121;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_FALSE(s.Supply.IntakePrimed);
  EXPECT_TRUE(r.Done[2]);
  EXPECT_FALSE(r.Done[3]);
}

TEST(HardSuctionCollapse, CollapsesOnceAtItsPressureUntilReplaced) {
  State s = MakeState();
  MakeDraft(s);
  RecordingHost host;
  RandomSource random(1);
  TIncidentRec& r = s.Incidents[kIncidentHardSuctionCollapse];
  r.Use = true;
  s.SimClock.Time = 30;
  s.Supply.IntakePress = -4.9;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
  s.Supply.IntakePress = -5;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 0.1);
  EXPECT_EQ(r.StartTime(), 30);
  EXPECT_TRUE(r.Done[1]);
  s.Supply.IntakePress = 0;
  s.SimClock.Time = 40;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 0.1) << "stays collapsed";
  r.StopTime = 40;  // replaced
  s.SimClock.Time = 40.015;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1);
  s.Supply.IntakePress = -9;
  ProcessIncidents(s, false, true, random, host);
  EXPECT_EQ(s.Discharges[kIntakeLine].NozzleOpen, 1) << "collapses only once";
}

}  // namespace
}  // namespace pumpdrill

namespace pumpdrill {
namespace {

using supply_test::MakeDraft;
using supply_test::MakeState;

// Drafting with a 10 ft lift: the water 7 ft below ground, the pump 3 ft
// above it; the suction's coefficients sum to 1 ft/cfs^2.
struct DraftSupply : ::testing::Test {
  void SetUp() override {
    s = MakeState();
    MakeDraft(s);
    TDischargeRec& intake = s.Discharges[kIntakeLine];
    intake.ValveOpen = 1;
    intake.PumpEndElev = -7;
    intake.NozzleElev = 3;
    s.Supply.SupplyK = 0.5;  // not used at draft
    s.Supply.IntakePrimed = true;
  }
  void Demand(double gpm) {
    s.PumpOutput.TotalFlow = gpm;
    UpdateSupply(s);
  }
  State s;
};

TEST_F(DraftSupply, APrimedDraftLiftsAgainstTheVacuum) {
  Demand(0);
  EXPECT_NEAR(s.Supply.IntakePress, -10 * kPsiPerFoot, 1e-12);
  EXPECT_TRUE(s.Supply.SupplyAvailable);
  Demand(448.8);
  EXPECT_NEAR(s.Supply.IntakePress, -11 * kPsiPerFoot, 1e-12);
  EXPECT_EQ(s.Supply.ResidualPress, 0);
  EXPECT_EQ(s.Supply.SupplyFlow, 448.8);
}

TEST_F(DraftSupply, AHardSuctionGoesDownToTheVacuumLimitOfTheSite) {
  Demand(3000);
  EXPECT_EQ(s.Supply.IntakePress, -14.52);
  const double head = kFeetPerPsi * 14.52 - 10;
  EXPECT_NEAR(s.Supply.SupplyFlow, 448.8 * std::sqrt(head), 1e-6);
  s.Supply.Altitude = 6000;
  UpdateAltitude(s);
  Demand(3000);
  EXPECT_NEAR(s.Supply.IntakePress, -14.7 + 6 * 0.48, 1e-12);
  EXPECT_LT(s.Supply.SupplyFlow, 448.8 * std::sqrt(head)) << "less lift up in the mountains";
}

TEST_F(DraftSupply, ALiftBeyondTheVacuumGivesNoWater) {
  s.Discharges[kIntakeLine].PumpEndElev = -40;
  Demand(500);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
  EXPECT_EQ(s.Supply.IntakePress, 0);
}

TEST_F(DraftSupply, NoWaterWithoutPrimeOrFromAnEmptyPool) {
  s.Supply.IntakePrimed = false;
  Demand(200);
  EXPECT_FALSE(s.Supply.SupplyAvailable);
  EXPECT_TRUE(s.Supply.ExternalUnavailable);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
  s.Supply.IntakePrimed = true;
  s.Supply.IntakePress = 0;
  s.Supply.FiniteDraftSource = 1;
  s.DraftSource.Volume = 0;
  Demand(200);
  EXPECT_FALSE(s.Supply.SupplyAvailable);
  EXPECT_EQ(s.Supply.SupplyFlow, 0);
  s.DraftSource.Volume = 10;
  Demand(200);
  EXPECT_TRUE(s.Supply.SupplyAvailable);
  EXPECT_EQ(s.Supply.SupplyFlow, 200);
}

TEST_F(DraftSupply, ACollapsedHardSuctionPassesLittle) {
  s.Discharges[kIntakeLine].ShutoffK = 400;  // the shut-off of a line opened to a tenth
  Demand(1000);
  EXPECT_EQ(s.Supply.IntakePress, -14.52);
  EXPECT_LT(s.Supply.SupplyFlow, 150);
}

}  // namespace
}  // namespace pumpdrill
