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
  EXPECT_NEAR(FahrenheitToKelvin(b.MaxTemp) - FahrenheitToKelvin(60), 544.9, 0.05);
  EXPECT_NEAR(b.FireSeverity, 5.68, 0.005);
  EXPECT_NEAR(b.BaseBurnRate, 0.982, 0.0005);
  EXPECT_DOUBLE_EQ(b.BurnRate, b.BaseBurnRate);
  EXPECT_DOUBLE_EQ(b.Temp, b.MaxTemp);  // fully involved from the start
  EXPECT_DOUBLE_EQ(b.BurnedFraction, 0.1);
  EXPECT_NEAR(b.TotalEnergy, 0.8 * 20000 / 2.2, 1e-9);
  EXPECT_DOUBLE_EQ(b.EnergyReleased, 0.1 * b.TotalEnergy);
  EXPECT_DOUBLE_EQ(b.VentLossFraction, 56.25 / b.SurfaceArea);
  EXPECT_DOUBLE_EQ(b.NetHeat, 0);
}

TEST(BurnHouse, ExponentialsUseTheStoredBaseNotE) {
  // A structure whose opening factor makes the difference between the
  // stored base 2.71828 and e visible in the last digits.
  auto s = DefaultHouse();
  TBurnHouseRec& b = s->BurnHouse;
  const double a1 = (b.SurfaceArea - b.VentArea) * 0.093025;
  const double av = b.VentArea * 0.093025;
  const double m = b.TotalFireLoad * 0.45454545454545453;
  const double omega = a1 / (av * std::sqrt(30 * 0.305));
  auto pw = [](double x) { return std::exp(x * std::log(2.71828)); };
  const double f1 = (1 - pw(-0.036 * omega)) / std::sqrt(omega);
  const double f2 = 1 - pw(-0.05 * m / std::sqrt(av * a1));
  const double expected = (FahrenheitToKelvin(60) + 6000 * f1 * f2) * 1.8 - 459.67;
  EXPECT_DOUBLE_EQ(b.MaxTemp, expected);
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

TEST(BurnHouse, WithoutWaterTheTemperatureStaysAtItsMaximum) {
  auto s = DefaultHouse();
  StepAfter(*s, 0.5);
  EXPECT_DOUBLE_EQ(s->BurnHouse.Temp, s->BurnHouse.MaxTemp);
  EXPECT_GT(s->BurnHouse.BurnedFraction, 0.1);
}

TEST(BurnHouse, WaterIntoTheTankDoesNotReachTheFire) {
  auto s = DefaultHouse();
  s->PumpOutput.TotalFlow = 300;
  s->Discharges[16].Flow = 300;
  StepAfter(*s, 0.5);
  EXPECT_DOUBLE_EQ(s->BurnHouse.Temp, s->BurnHouse.MaxTemp);

  // A tank fill larger than the total counts as no water at all.
  s->Discharges[16].Flow = 500;
  StepAfter(*s, 0.5);
  EXPECT_DOUBLE_EQ(s->BurnHouse.Temp, s->BurnHouse.MaxTemp);

  // Only the rest of the flow cools.
  auto t = DefaultHouse();
  t->PumpOutput.TotalFlow = 400;
  t->Discharges[16].Flow = 300;
  StepAfter(*t, 0.5);
  auto u = DefaultHouse();
  u->PumpOutput.TotalFlow = 100;
  StepAfter(*u, 0.5);
  EXPECT_DOUBLE_EQ(t->BurnHouse.Temp, u->BurnHouse.Temp);
}

TEST(BurnHouse, NoStepWhenTheClockHasNotMoved) {
  auto s = DefaultHouse();
  s->PumpOutput.TotalFlow = 1000;
  s->BurnHouse.LastUpdateTime = 3;
  s->SimClock.Time = 3;
  const TBurnHouseRec before = s->BurnHouse;
  StepBurnHouse(*s);
  EXPECT_EQ(std::memcmp(&before, &s->BurnHouse, sizeof before), 0);
  s->SimClock.Time = 2;  // a clock behind the last step changes nothing either
  StepBurnHouse(*s);
  EXPECT_EQ(std::memcmp(&before, &s->BurnHouse, sizeof before), 0);
}

TEST(BurnHouse, CooledBelowExtinctionTheFireStaysOut) {
  auto s = DefaultHouse();
  TBurnHouseRec& b = s->BurnHouse;
  s->PumpOutput.TotalFlow = 1000;
  int steps = 0;
  while (b.Temp > 300 && steps < 1000) {
    StepAfter(*s, 0.5);
    ++steps;
  }
  ASSERT_LE(b.Temp, 300);
  EXPECT_GT(b.Temp, b.AmbientTemp);
  EXPECT_DOUBLE_EQ(b.BurnRate, 0);
  const double fraction = b.BurnedFraction;

  // With the water off the fire does not rekindle: no heat, no burning.
  s->PumpOutput.TotalFlow = 0;
  const double outTemp = b.Temp;
  for (int i = 0; i < 20; ++i) StepAfter(*s, 0.5);
  EXPECT_DOUBLE_EQ(b.Temp, outTemp);
  EXPECT_DOUBLE_EQ(b.BurnRate, 0);
  EXPECT_DOUBLE_EQ(b.BurnedFraction, fraction);

  // A reset lights it again.
  ResetBurnHouse(*s);
  EXPECT_DOUBLE_EQ(b.BurnRate, b.BaseBurnRate);
  EXPECT_DOUBLE_EQ(b.Temp, b.MaxTemp);
}

TEST(BurnHouse, NeverColderThanItsSurroundings) {
  auto s = DefaultHouse();
  TBurnHouseRec& b = s->BurnHouse;
  s->PumpOutput.TotalFlow = 2000;
  for (int i = 0; i < 400; ++i) StepAfter(*s, 0.5);
  EXPECT_DOUBLE_EQ(b.Temp, b.AmbientTemp);
  EXPECT_DOUBLE_EQ(b.BurnRate, 0);
}

TEST(BurnHouse, LongFireBurnsPastItsWholeLoad) {
  // The burned share is not clamped: a fire left alone long enough passes 1.
  auto s = DefaultHouse();
  TBurnHouseRec& b = s->BurnHouse;
  const double secondsToBurnAll = 0.9 * b.TotalEnergy / (b.BaseBurnRate * 0.8);
  StepAfter(*s, secondsToBurnAll + 60);
  EXPECT_GT(b.BurnedFraction, 1.0);
}

TEST(BurnHouse, ResetKeepsInputsAndRestartsTheFire) {
  auto s = DefaultHouse();
  TBurnHouseRec& b = s->BurnHouse;
  s->PumpOutput.TotalFlow = 500;
  for (int i = 0; i < 10; ++i) StepAfter(*s, 0.5);
  ResetBurnHouse(*s);
  EXPECT_DOUBLE_EQ(b.BurnedFraction, 0.1);
  EXPECT_DOUBLE_EQ(b.NetHeat, 0);
  EXPECT_DOUBLE_EQ(b.EnergyReleased, 0.1 * b.TotalEnergy);
  EXPECT_DOUBLE_EQ(b.Length, 100);
  EXPECT_NEAR(b.MaxTemp, 1040.8, 0.05);
}

TEST(BurnHouse, InitialisationKeepsTheBurnedShare) {
  // Saving the structure re-initialises it with the share burned so far.
  auto s = DefaultHouse();
  TBurnHouseRec& b = s->BurnHouse;
  b.BurnedFraction = 0.4;
  b.TotalFireLoad = 40000;
  InitBurnHouse(*s);
  EXPECT_DOUBLE_EQ(b.FireLoad, 10.0);
  EXPECT_DOUBLE_EQ(b.EnergyReleased, 0.4 * b.TotalEnergy);
  EXPECT_NEAR(b.FireSeverity, 2 * 5.6755, 0.001);
}

TEST(BurnHouse, DegenerateStructureGivesFiniteValues) {
  // A damaged file may hold a zero-sized structure: the model must not
  // produce infinities or NaN that the meters and files would carry on.
  auto s = std::make_unique<State>();
  TBurnHouseRec& b = s->BurnHouse;
  b.AmbientTemp = 60;
  ResetBurnHouse(*s);
  EXPECT_NEAR(b.MaxTemp, 60, 1e-9);
  EXPECT_DOUBLE_EQ(b.FireLoad, 0);
  EXPECT_DOUBLE_EQ(b.FireSeverity, 0);
  EXPECT_DOUBLE_EQ(b.VentLossFraction, 0);
  s->PumpOutput.TotalFlow = 100;
  StepAfter(*s, 0.5);
  EXPECT_TRUE(std::isfinite(b.Temp));
  EXPECT_TRUE(std::isfinite(b.BurnedFraction));
  EXPECT_NEAR(b.Temp, 60, 1e-9);
}

}  // namespace
}  // namespace pumpdrill
