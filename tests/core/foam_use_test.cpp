#include <gtest/gtest.h>

#include <memory>

#include "sim/foam_system.h"
#include "sim/foam_use.h"

namespace pumpdrill {
namespace {

class CountingHost : public NullHost {
public:
  void RefreshProportionerDisplay() override { ++refreshes; }
  int refreshes = 0;
};

// A direct-injection system with two full 20 gal tanks on tank A, the
// proportioner on at 1 %, 500 gpm flowing on line 1 (a foam line) and the
// clock at 10 s.
std::unique_ptr<State> FoamState() {
  auto s = std::make_unique<State>();
  TFoamSetupRec &f = s->FoamSetup;
  f.SYS_TYPE = kFoamDirectInjection;
  f.TANK_CAP = 20;
  f.PCT_RANGE = kFoamRangeTenthToSix;
  f.FoamPercentSet = 1.0;
  ResetFoamUse(*s);
  SetProportionerOn(f, true);
  f.FOAM_LINES.Add(1);
  s->DischargeList.LineCount = 3;
  s->Discharges[1].Flow = 500;
  s->PumpOutput.TotalFlow = 500;
  s->SimClock.Time = 10;
  s->SimClock.LastFoamUpdate = 10;
  return s;
}

// The foam step every 15 ms of simulated time for `seconds`.
void RunFor(State &s, Host &host, double seconds) {
  const double end = s.SimClock.Time + seconds;
  while (s.SimClock.Time < end - 1e-9) {
    s.SimClock.Time += 0.015;
    UpdateFoamUse(s, host);
  }
}

TEST(FoamUse, OnePercentAtFiveHundredGpmForAMinuteDrawsFiveGallons) {
  for (Byte tank : {kFoamTankA, kFoamTankB}) {
    auto s = FoamState();
    NullHost host;
    TFoamSetupRec &f = s->FoamSetup;
    f.FoamTankSelect = tank;
    RunFor(*s, host, 60);
    EXPECT_NEAR(f.FoamUsed, 5.0, 1e-6);
    EXPECT_NEAR(f.FoamWaterTotal, 500.0, 1e-6);
    EXPECT_NEAR(tank == kFoamTankA ? f.FoamTankA : f.FoamTankB, 15.0, 1e-6);
    EXPECT_DOUBLE_EQ(tank == kFoamTankA ? f.FoamTankB : f.FoamTankA, 20.0);
  }
}

// Only the foam lines' water is dosed: the pump's total flow includes plain
// water lines, lines beyond the line count take no part, and a lever down
// draws nothing.
TEST(FoamUse, DirectInjectionDosesTheFoamLinesOnly) {
  struct Case {
    const char *what;
    double line1, line2, line4;
    bool lever;
    double gallons; // drawn in 60 s
  } cases[] = {
      {"foam line alone", 500, 0, 0, true, 5.0},
      {"plain 500 beside foam 150", 150, 500, 0, true, 1.5},
      {"line beyond the count", 150, 0, 400, true, 1.5},
      {"lever down", 500, 0, 0, false, 0.0},
  };
  for (const Case &c : cases) {
    auto s = FoamState();
    NullHost host;
    s->FoamSetup.FOAM_LINES.Add(4); // a foam line, but only 3 lines are in use
    s->Discharges[1].Flow = c.line1;
    s->Discharges[2].Flow = c.line2;
    s->Discharges[4].Flow = c.line4;
    s->PumpOutput.TotalFlow = c.line1 + c.line2 + c.line4;
    SetProportionerOn(s->FoamSetup, c.lever);
    RunFor(*s, host, 60);
    EXPECT_NEAR(s->FoamSetup.FoamUsed, c.gallons, 1e-6) << c.what;
    EXPECT_NEAR(s->FoamSetup.FoamWaterTotal, c.line1, 1e-6) << c.what;
  }
}

TEST(FoamUse, EmptyTankDrawsNothingAndALowTankEmptiesExactly) {
  auto s = FoamState();
  NullHost host;
  TFoamSetupRec &f = s->FoamSetup;
  f.FoamTankA = 0;
  RunFor(*s, host, 10);
  EXPECT_DOUBLE_EQ(f.FoamUsed, 0);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 0);

  f.FoamTankA = 0.05; // against a one-second demand of 0.083 gal
  s->SimClock.Time += 1.0;
  UpdateFoamUse(*s, host);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 0);
  EXPECT_DOUBLE_EQ(f.FoamUsed, 0.05);
}

TEST(FoamUse, LowFlagBelowATenthOfTheTankAndOffAtFlush) {
  auto s = FoamState();
  NullHost host;
  TFoamSetupRec &f = s->FoamSetup;
  f.FoamTankA = 2.05;
  s->SimClock.Time += 0.015;
  UpdateFoamUse(*s, host);
  EXPECT_FALSE(f.FoamLow); // 2.049 gal left of 20
  s->SimClock.Time += 1.0;
  UpdateFoamUse(*s, host);
  EXPECT_LT(f.FoamTankA, 2.0);
  EXPECT_TRUE(f.FoamLow);

  f.FoamTankSelect = kFoamFlush;
  const double left = f.FoamTankA;
  s->SimClock.Time += 1.0;
  UpdateFoamUse(*s, host);
  EXPECT_FALSE(f.FoamLow);
  EXPECT_DOUBLE_EQ(f.FoamTankA, left);
}

TEST(FoamUse, OnlyDirectInjectionDrawsConcentrate) {
  for (Byte type : {kFoamNone, kFoamBalancedPressure, kFoamInLineEductor}) {
    auto s = FoamState();
    NullHost host;
    s->FoamSetup.SYS_TYPE = type;
    RunFor(*s, host, 60);
    EXPECT_DOUBLE_EQ(s->FoamSetup.FoamUsed, 0) << int(type);
    EXPECT_DOUBLE_EQ(s->FoamSetup.FoamTankA, 20) << int(type);
  }
}

TEST(FoamUse, GapsOverOneAndAHalfSecondsAreSkipped) {
  auto s = FoamState();
  CountingHost host;
  s->FoamSetup.PROP_SEL = true;
  s->SimClock.Time = 11.6; // after a 1.6 s gap only the mark moves on
  UpdateFoamUse(*s, host);
  EXPECT_DOUBLE_EQ(s->FoamSetup.FoamUsed, 0);
  EXPECT_DOUBLE_EQ(s->SimClock.LastFoamUpdate, 11.6);
  EXPECT_EQ(host.refreshes, 0);

  s->SimClock.Time = 13.1; // exactly 1.5 s is integrated
  UpdateFoamUse(*s, host);
  EXPECT_NEAR(s->FoamSetup.FoamUsed, 0.01 * 500 * 1.5 / 60, 1e-12);
  EXPECT_EQ(host.refreshes, 1);
}

TEST(FoamUse, ProportionerDisplayRefreshedOnlyWhenPlacedAndInItsFirstMode) {
  auto s = FoamState();
  CountingHost host;
  RunFor(*s, host, 0.15);
  EXPECT_EQ(host.refreshes, 0); // not on the panel
  s->FoamSetup.PROP_SEL = true;
  RunFor(*s, host, 0.15);
  EXPECT_EQ(host.refreshes, 10);
  s->FoamSetup.PropDisplayMode = 2;
  RunFor(*s, host, 0.15);
  EXPECT_EQ(host.refreshes, 10);
}

} // namespace
} // namespace pumpdrill
