#include <gtest/gtest.h>

#include <memory>

#include "sim/foam_use.h"

namespace pumpdrill {
namespace {

class CountingHost : public NullHost {
 public:
  void RefreshProportionerDisplay() override { ++refreshes; }
  int refreshes = 0;
};

// A direct-injection system with two full 20 gal tanks on tank A, 1 %
// concentrate, the pump at 500 gpm and the clock at 10 s.
std::unique_ptr<State> FoamState() {
  auto s = std::make_unique<State>();
  TFoamSetupRec& f = s->FoamSetup;
  f.SYS_TYPE = kFoamDirectInjection;
  f.TANK_CAP = 20;
  ResetFoamUse(*s);
  f.FoamTankSelect = kFoamTankA;
  f.FoamFraction = 0.01;
  s->PumpOutput.TotalFlow = 500;
  s->SimClock.Time = 10;
  s->SimClock.LastFoamUpdate = 10;
  return s;
}

// Runs the foam step every 15 ms of simulated time for `seconds`.
void RunFor(State& s, Host& host, double seconds) {
  const double end = s.SimClock.Time + seconds;
  while (s.SimClock.Time < end - 1e-9) {
    s.SimClock.Time += 0.015;
    UpdateFoamUse(s, host);
  }
}

TEST(FoamUse, OnePercentAtFiveHundredGpmForAMinuteDrawsFiveGallons) {
  auto s = FoamState();
  CountingHost host;
  s->FoamSetup.TANK_CAP = 100;
  ResetFoamUse(*s);
  RunFor(*s, host, 60);
  const TFoamSetupRec& f = s->FoamSetup;
  EXPECT_NEAR(f.FoamUsed, 5.0, 1e-6);
  EXPECT_NEAR(f.FoamTankA, 95.0, 1e-6);
  EXPECT_DOUBLE_EQ(f.FoamTankB, 100.0);
  EXPECT_NEAR(f.FoamWaterTotal, 500.0, 1e-6);
  EXPECT_DOUBLE_EQ(s->SimClock.LastFoamUpdate, s->SimClock.Time);
  EXPECT_EQ(host.refreshes, 0);  // no proportioner on the panel
}

TEST(FoamUse, TankBSelectedDrawsFromTankB) {
  auto s = FoamState();
  NullHost host;
  s->FoamSetup.FoamTankSelect = kFoamTankB;
  RunFor(*s, host, 60);
  EXPECT_NEAR(s->FoamSetup.FoamTankB, 15.0, 1e-6);
  EXPECT_DOUBLE_EQ(s->FoamSetup.FoamTankA, 20.0);
}

TEST(FoamUse, EmptyTankDrawsNothingAndALowTankEmptiesExactly) {
  auto s = FoamState();
  NullHost host;
  TFoamSetupRec& f = s->FoamSetup;
  f.FoamTankA = 0;
  RunFor(*s, host, 10);
  EXPECT_DOUBLE_EQ(f.FoamUsed, 0);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 0);
  EXPECT_TRUE(f.FoamLow);

  // 0.05 gal left against a one-second demand of 0.0833 gal.
  f.FoamTankA = 0.05;
  s->SimClock.Time += 1.0;
  UpdateFoamUse(*s, host);
  EXPECT_DOUBLE_EQ(f.FoamTankA, 0);
  EXPECT_DOUBLE_EQ(f.FoamUsed, 0.05);
}

TEST(FoamUse, LowFlagBelowATenthOfTheTank) {
  auto s = FoamState();
  NullHost host;
  TFoamSetupRec& f = s->FoamSetup;
  f.FoamTankA = 2.05;
  s->SimClock.Time += 0.015;
  UpdateFoamUse(*s, host);
  EXPECT_FALSE(f.FoamLow);  // 2.049 gal left
  s->SimClock.Time += 1.0;  // draws 0.083 gal more
  UpdateFoamUse(*s, host);
  EXPECT_LT(f.FoamTankA, 2.0);
  EXPECT_TRUE(f.FoamLow);

  // Flush draws nothing and clears the flag.
  f.FoamTankSelect = kFoamFlush;
  const double left = f.FoamTankA;
  s->SimClock.Time += 1.0;
  UpdateFoamUse(*s, host);
  EXPECT_FALSE(f.FoamLow);
  EXPECT_DOUBLE_EQ(f.FoamTankA, left);
  EXPECT_NEAR(f.FoamUsed, 2.05 - left, 1e-12);
}

TEST(FoamUse, OnlyDirectInjectionDrawsConcentrate) {
  for (Byte type : {kFoamBalancedPressure, kFoamInLineEductor}) {
    auto s = FoamState();
    NullHost host;
    s->FoamSetup.SYS_TYPE = type;
    RunFor(*s, host, 60);
    EXPECT_DOUBLE_EQ(s->FoamSetup.FoamUsed, 0) << int(type);
    EXPECT_DOUBLE_EQ(s->FoamSetup.FoamTankA, 20) << int(type);
    EXPECT_DOUBLE_EQ(s->FoamSetup.FoamWaterTotal, 0) << int(type);
    EXPECT_DOUBLE_EQ(s->SimClock.LastFoamUpdate, s->SimClock.Time) << int(type);
  }
}

TEST(FoamUse, NoSystemLeavesEvenTheClockMark) {
  auto s = FoamState();
  NullHost host;
  s->FoamSetup.SYS_TYPE = kFoamNone;
  s->SimClock.Time = 11;
  UpdateFoamUse(*s, host);
  EXPECT_DOUBLE_EQ(s->SimClock.LastFoamUpdate, 10);
  EXPECT_DOUBLE_EQ(s->FoamSetup.FoamTankA, 20);
}

TEST(FoamUse, GapsOverOneAndAHalfSecondsAreNotIntegrated) {
  auto s = FoamState();
  CountingHost host;
  s->FoamSetup.PROP_SEL = true;
  s->SimClock.Time = 11.6;  // a 1.6 s gap, as after a pause or a long dialog
  UpdateFoamUse(*s, host);
  EXPECT_DOUBLE_EQ(s->FoamSetup.FoamUsed, 0);
  EXPECT_DOUBLE_EQ(s->SimClock.LastFoamUpdate, 11.6);
  EXPECT_EQ(host.refreshes, 0);

  s->SimClock.Time = 13.1;  // exactly 1.5 s is still integrated
  UpdateFoamUse(*s, host);
  EXPECT_NEAR(s->FoamSetup.FoamUsed, 0.01 * 500 * 1.5 / 60, 1e-12);
  EXPECT_EQ(host.refreshes, 1);

  // A clock that has not moved does nothing.
  UpdateFoamUse(*s, host);
  EXPECT_EQ(host.refreshes, 1);
}

TEST(FoamUse, ProportionerDisplayRefreshedOnlyInItsFirstMode) {
  auto s = FoamState();
  CountingHost host;
  s->FoamSetup.PROP_SEL = true;
  s->FoamSetup.PropDisplayMode = 0;
  RunFor(*s, host, 0.15);
  EXPECT_EQ(host.refreshes, 10);
  s->FoamSetup.PropDisplayMode = 2;
  RunFor(*s, host, 0.15);
  EXPECT_EQ(host.refreshes, 10);
}

TEST(FoamUse, ResetFillsBothTanksForANewRun) {
  auto s = FoamState();
  NullHost host;
  RunFor(*s, host, 60);
  s->FoamSetup.FoamLow = true;
  ResetFoamUse(*s);
  const TFoamSetupRec& f = s->FoamSetup;
  EXPECT_DOUBLE_EQ(f.FoamTankA, 20);
  EXPECT_DOUBLE_EQ(f.FoamTankB, 20);
  EXPECT_DOUBLE_EQ(f.FoamUsed, 0);
  EXPECT_DOUBLE_EQ(f.FoamWaterTotal, 0);
  EXPECT_FALSE(f.FoamLow);
}

}  // namespace
}  // namespace pumpdrill
