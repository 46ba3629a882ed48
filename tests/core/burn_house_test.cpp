#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "burn/burn_house.h"
#include "default_state.h"

namespace pumpdrill {
namespace {

// The built-in state: its burn house is a 100 x 40 x 30 ft warehouse with
// a 56.25 sq ft vent at 15 ft and 20000 lb of fuel, reset and initialised.
std::unique_ptr<State> DefaultHouse() { return testing::MakeDefaultState(); }

// Advances the clock by dt and runs one model step.
void StepAfter(State& s, double dt) {
  s.SimClock.Time += dt;
  StepBurnHouse(s);
}

TEST(BurnHouse, BuiltInStructureBurnsNearItsVentilationLimit) {
  auto s = DefaultHouse();
  const TBurnHouseRec& b = s->BurnHouse;
  EXPECT_DOUBLE_EQ(b.FireLoad, 5.0);
  EXPECT_NEAR(b.SurfaceArea, 1520.4, 0.05);
  EXPECT_NEAR(b.Volume, 3404.7, 0.05);
  EXPECT_NEAR(b.MaxTemp, 1040.8, 0.05);
  EXPECT_NEAR(b.FireSeverity, 5.68, 0.005);
  EXPECT_NEAR(b.BaseBurnRate, 0.982, 0.0005);
  EXPECT_DOUBLE_EQ(b.BurnRate, b.BaseBurnRate);
  EXPECT_DOUBLE_EQ(b.Temp, b.MaxTemp);  // fully involved from the start
  EXPECT_DOUBLE_EQ(b.BurnedFraction, 0.1);
  EXPECT_DOUBLE_EQ(b.EnergyReleased, 0.1 * b.TotalEnergy);
}

TEST(BurnHouse, HundredGpmForHalfASecondCoolsByAboutTwoKelvin) {
  auto s = DefaultHouse();
  TBurnHouseRec& b = s->BurnHouse;
  const double before = b.Temp;
  s->PumpOutput.TotalFlow = 100;
  StepAfter(*s, 0.5);
  EXPECT_NEAR(FahrenheitToKelvin(b.Temp) - FahrenheitToKelvin(before), -2.044, 0.001);
  EXPECT_NEAR(b.Temp - before, -3.68, 0.01);
  EXPECT_DOUBLE_EQ(b.LastUpdateTime, 0.5);
  // The fuel burned during the step counts, whatever the water.
  const double released = b.BaseBurnRate * 0.8 * 0.5;
  EXPECT_DOUBLE_EQ(b.EnergyReleased, 0.1 * b.TotalEnergy + released);
  EXPECT_DOUBLE_EQ(b.BurnedFraction, b.EnergyReleased / b.TotalEnergy);
  EXPECT_NEAR(b.NetHeat, released * (1 - b.VentLossFraction) - 164.23 * 100 * 0.5, 1e-9);
}

TEST(BurnHouse, OnlyWaterOnTheFireCools) {
  auto s = DefaultHouse();
  StepAfter(*s, 0.5);  // no water: the rise is held at the maximum
  EXPECT_DOUBLE_EQ(s->BurnHouse.Temp, s->BurnHouse.MaxTemp);

  s->PumpOutput.TotalFlow = 300;
  s->Discharges[16].Flow = 300;  // all of it into the tank
  StepAfter(*s, 0.5);
  EXPECT_DOUBLE_EQ(s->BurnHouse.Temp, s->BurnHouse.MaxTemp);
  s->Discharges[16].Flow = 500;  // a tank fill above the total is no water
  StepAfter(*s, 0.5);
  EXPECT_DOUBLE_EQ(s->BurnHouse.Temp, s->BurnHouse.MaxTemp);

  // 400 gpm of which 300 into the tank cools as 100 gpm does.
  auto t = DefaultHouse();
  t->PumpOutput.TotalFlow = 400;
  t->Discharges[16].Flow = 300;
  StepAfter(*t, 0.5);
  auto u = DefaultHouse();
  u->PumpOutput.TotalFlow = 100;
  StepAfter(*u, 0.5);
  EXPECT_DOUBLE_EQ(t->BurnHouse.Temp, u->BurnHouse.Temp);
}

TEST(BurnHouse, NoStepUnlessTheClockHasMovedOn) {
  auto s = DefaultHouse();
  s->PumpOutput.TotalFlow = 1000;
  s->BurnHouse.LastUpdateTime = 3;
  s->SimClock.Time = 3;
  const TBurnHouseRec before = s->BurnHouse;
  StepBurnHouse(*s);
  s->SimClock.Time = 2;
  StepBurnHouse(*s);
  EXPECT_EQ(std::memcmp(&before, &s->BurnHouse, sizeof before), 0);
}

TEST(BurnHouse, CooledBelowExtinctionTheFireStaysOutUntilReset) {
  auto s = DefaultHouse();
  TBurnHouseRec& b = s->BurnHouse;
  s->PumpOutput.TotalFlow = 1000;
  for (int i = 0; i < 1000 && b.Temp > 300; ++i) StepAfter(*s, 0.5);
  ASSERT_LE(b.Temp, 300);
  EXPECT_GT(b.Temp, b.AmbientTemp);
  EXPECT_DOUBLE_EQ(b.BurnRate, 0);

  // With the water off the fire does not rekindle.
  s->PumpOutput.TotalFlow = 0;
  const double outTemp = b.Temp;
  const double fraction = b.BurnedFraction;
  for (int i = 0; i < 20; ++i) StepAfter(*s, 0.5);
  EXPECT_DOUBLE_EQ(b.Temp, outTemp);
  EXPECT_DOUBLE_EQ(b.BurnedFraction, fraction);

  ResetBurnHouse(*s);
  EXPECT_DOUBLE_EQ(b.BurnRate, b.BaseBurnRate);
  EXPECT_DOUBLE_EQ(b.Temp, b.MaxTemp);
  EXPECT_DOUBLE_EQ(b.BurnedFraction, 0.1);
  EXPECT_DOUBLE_EQ(b.NetHeat, 0);
}

TEST(BurnHouse, NeverColderThanItsSurroundings) {
  auto s = DefaultHouse();
  s->PumpOutput.TotalFlow = 2000;
  for (int i = 0; i < 400; ++i) StepAfter(*s, 0.5);
  EXPECT_DOUBLE_EQ(s->BurnHouse.Temp, s->BurnHouse.AmbientTemp);
}

TEST(BurnHouse, LongFireBurnsPastItsWholeLoad) {
  auto s = DefaultHouse();
  TBurnHouseRec& b = s->BurnHouse;
  StepAfter(*s, 0.9 * b.TotalEnergy / (b.BaseBurnRate * 0.8) + 60);
  EXPECT_GT(b.BurnedFraction, 1.0);  // not clamped
}

TEST(BurnHouse, DegenerateStructureGivesFiniteValues) {
  // A damaged file may hold a zero-sized structure or a fire load below 0
  // (whose exponentials overflowed): no infinities or NaN may reach the
  // meters or the files; the house does not heat.
  const struct {
    const char* what;
    void (*shape)(TBurnHouseRec&);
  } kCases[] = {
      {"zero-sized", [](TBurnHouseRec&) {}},
      {"negative load",
       [](TBurnHouseRec& b) {
         b.Length = 100, b.Width = 40, b.Height = 30, b.VentArea = 56.25, b.VentHeight = 15;
         b.TotalFireLoad = -1.3e9;
       }},
  };
  for (const auto& c : kCases) {
    auto s = std::make_unique<State>();
    TBurnHouseRec& b = s->BurnHouse;
    b.AmbientTemp = 60;
    c.shape(b);
    ResetBurnHouse(*s);
    EXPECT_NEAR(b.MaxTemp, 60, 1e-9) << c.what;
    EXPECT_DOUBLE_EQ(b.FireSeverity, 0) << c.what;
    s->PumpOutput.TotalFlow = 100;
    StepAfter(*s, 0.5);
    EXPECT_NEAR(b.Temp, 60, 1e-9) << c.what;
    EXPECT_TRUE(std::isfinite(b.BurnedFraction)) << c.what;
    EXPECT_TRUE(std::isfinite(b.EnergyReleased)) << c.what;
  }
}

}  // namespace
}  // namespace pumpdrill
