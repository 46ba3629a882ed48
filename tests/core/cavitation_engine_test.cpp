#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "sim/cavitation.h"
#include "sim/engine.h"
#include "sim/pump_curve.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

class IndicatorHost : public NullHost {
 public:
  void CavitationIndicator(bool shown) override { shownLog.push_back(shown); }
  std::vector<bool> shownLog;
};

// A pump fed by a hydrant, one line open, delivering `supply` of `demand` gpm.
std::unique_ptr<State> Feeding(double supply, double demand) {
  auto s = std::make_unique<State>();
  s->DischargeList.LineCount = 8;
  s->Supply.SupplyAvailable = 1;
  s->Supply.SupplyFlow = supply;
  s->PumpOutput.TotalFlow = demand;
  s->PumpOutput.DischargePress = 150;
  s->Discharges[3].ValveOpen = 1;
  s->Discharges[3].NozzleOpen = 1;
  s->Engine.IdleRpm = 1050;
  s->Engine.MaxRpm = 4000;
  s->Engine.Rpm = 2200;
  s->ShowOptions.IndicateCavitation = 1;
  return s;
}

// One tick of the cavitation step: test, then store the result.
bool Tick(State& s, Host& host, double time) {
  s.SimClock.Time = time;
  s.PumpStatus.Cavitating = CheckCavitation(s, host);
  return s.PumpStatus.Cavitating;
}

TEST(Cavitation, ShortByExactlyOneGallonIsNotCavitation) {
  NullHost host;
  EXPECT_FALSE(Tick(*Feeding(499, 500), host, 1));
  EXPECT_TRUE(Tick(*Feeding(498.9, 500), host, 1));
  EXPECT_FALSE(Tick(*Feeding(600, 500), host, 1));
}

TEST(Cavitation, NoSupplyWhileALineIsOpen) {
  NullHost host;
  auto s = Feeding(0, 0);
  EXPECT_TRUE(Tick(*s, host, 1));
  // Shut nozzle (below the 0.0002 threshold): nothing is open.
  s = Feeding(0, 0);
  s->Discharges[3].NozzleOpen = 0.0001;
  EXPECT_FALSE(Tick(*s, host, 1));
  // A line beyond the line count does not count; the tank fill line does.
  s = Feeding(0, 0);
  s->Discharges[3].ValveOpen = 0;
  s->Discharges[12].ValveOpen = 1;
  s->Discharges[12].NozzleOpen = 1;
  EXPECT_FALSE(Tick(*s, host, 1));
  s->Discharges[16].ValveOpen = 1;
  s->Discharges[16].NozzleOpen = 1;
  EXPECT_TRUE(Tick(*s, host, 1));
}

TEST(Cavitation, NeverWithoutAnAvailableSupply) {
  NullHost host;
  auto s = Feeding(0, 500);
  s->Supply.SupplyAvailable = 0;
  EXPECT_FALSE(Tick(*s, host, 1));
}

TEST(Cavitation, BookkeepingHoldsTheOnsetSpeedAndPressure) {
  IndicatorHost host;
  auto s = Feeding(800, 700);
  EXPECT_FALSE(Tick(*s, host, 1.0));
  EXPECT_EQ(s->Engine.CavitationRpm, 2200);
  EXPECT_EQ(s->PumpStatus.PressBeforeCavitation, 150);
  EXPECT_EQ(host.shownLog, std::vector<bool>{false});

  // The supply falls short: cavitation starts and the indicator shows once.
  s->Supply.SupplyFlow = 400;
  s->Engine.Rpm = 2600;
  s->PumpOutput.DischargePress = 90;
  EXPECT_TRUE(Tick(*s, host, 2.0));
  EXPECT_EQ(s->PumpStatus.CavitationStart, 2.0);
  EXPECT_EQ(s->PumpStatus.CavitationTime, 0.0);
  EXPECT_TRUE(Tick(*s, host, 3.5));
  EXPECT_EQ(s->PumpStatus.CavitationStart, 2.0);
  EXPECT_EQ(s->PumpStatus.CavitationTime, 1.5);
  EXPECT_EQ(host.shownLog, (std::vector<bool>{false, true}));
  // Speed and pressure of the last tick without cavitation are kept.
  EXPECT_EQ(s->Engine.CavitationRpm, 2200);
  EXPECT_EQ(s->PumpStatus.PressBeforeCavitation, 150);

  // It ends: the indicator is hidden and the marks follow again.
  s->Supply.SupplyFlow = 2600;
  EXPECT_FALSE(Tick(*s, host, 4.0));
  EXPECT_EQ(host.shownLog.back(), false);
  EXPECT_EQ(s->Engine.CavitationRpm, 2600);
  EXPECT_EQ(s->PumpStatus.PressBeforeCavitation, 90);
}

TEST(Cavitation, IndicatorOnlyWhenTheOptionIsSet) {
  IndicatorHost host;
  auto s = Feeding(100, 700);
  s->ShowOptions.IndicateCavitation = 0;
  EXPECT_TRUE(Tick(*s, host, 1));
  EXPECT_TRUE(host.shownLog.empty());
}

TEST(Cavitation, MoreThrottleWhileCavitatingDoesNotRaiseThePumpPressure) {
  NullHost host;
  auto s = Feeding(800, 700);
  s->Pump.GearRatio = 2.27;
  s->Pump.IdleImpellerRpm = 1050 * 2.27;
  s->Pump.IdlePress = 20;
  s->Pump.PressPerRpm = 0.138;
  s->Pump.RatedFlow = 1500;
  SetPumpLoss(*s, 1, 0.8);
  auto pressure = [&] {
    double q = 700 / 448.8;
    return PumpPressure(*s, q, 1, 2.27, s->Pump.PumpLossK[1], PumpCurveRpm(*s));
  };
  Tick(*s, host, 1);  // not cavitating at 2200 RPM
  s->Supply.SupplyFlow = 300;
  ASSERT_TRUE(Tick(*s, host, 2));
  double held = pressure();
  s->Engine.RpmDemand = 3500;
  UpdateEngineSpeed(*s);
  EXPECT_EQ(s->Engine.Rpm, 3500);
  EXPECT_DOUBLE_EQ(pressure(), held);
  // Once the supply recovers, the throttle counts again.
  s->Supply.SupplyFlow = 900;
  Tick(*s, host, 3);
  EXPECT_GT(pressure(), held + 100);
}

TEST(Cavitation, RunStartHoldsThePresentSpeed) {
  auto s = Feeding(0, 500);
  s->Engine.CavitationRpm = 0;
  s->PumpStatus.PressBeforeCavitation = 210;
  ResetCavitationForRun(*s);
  EXPECT_EQ(s->Engine.CavitationRpm, 2200);
  EXPECT_EQ(s->PumpStatus.PressBeforeCavitation, 0);
}

TEST(EngineSpeed, FollowsDemandWithinLimits) {
  State s{};
  s.Engine.IdleRpm = 1050;
  s.Engine.MaxRpm = 4000;
  for (auto [demand, rpm] : {std::pair{2000.0, 2000.0}, {500.0, 1050.0}, {4500.0, 4000.0},
                             {1050.0, 1050.0}, {4000.0, 4000.0}}) {
    s.Engine.RpmDemand = demand;
    UpdateEngineSpeed(s);
    EXPECT_EQ(s.Engine.Rpm, rpm) << demand;
  }
}

// An engine at twice idle speed with the temperature model on.
std::unique_ptr<State> WarmEngine() {
  auto s = std::make_unique<State>();
  s->Engine.IdleRpm = 1000;
  s->Engine.Rpm = 2000;
  s->Supply.WaterTemp = 50;
  s->Pump.EngineHeat = 50;
  s->Pump.CoolantTemp = 105;
  s->Pump.EngineCooler = 2;
  s->Pump.NextTempUpdate = 0;
  return s;
}

TEST(EngineTemperature, OneStepEveryTwoSeconds) {
  auto s = WarmEngine();
  s->SimClock.Time = 0;
  UpdateEngineTemperature(*s);
  EXPECT_EQ(s->Pump.NextTempUpdate, 2);
  EXPECT_EQ(s->Pump.CoolantTemp, 107);
  s->SimClock.Time = 1.9;
  UpdateEngineTemperature(*s);
  EXPECT_EQ(s->Pump.CoolantTemp, 107);
  s->SimClock.Time = 2.0;
  UpdateEngineTemperature(*s);
  EXPECT_EQ(s->Pump.CoolantTemp, 109);
  EXPECT_EQ(s->Pump.NextTempUpdate, 4);
}

TEST(EngineTemperature, WithoutCoolingWaterCoolantClimbsToFourHundred) {
  auto s = WarmEngine();
  s->Engine.Rpm = 3000;  // 3 F per step
  s->Pump.CoolantTemp = 390;
  double t = 0;
  std::vector<double> seen;
  for (int i = 0; i < 5; ++i, t += 2) {
    s->SimClock.Time = t;
    UpdateEngineTemperature(*s);
    seen.push_back(s->Pump.CoolantTemp);
  }
  EXPECT_EQ(seen, (std::vector<double>{393, 396, 399, 400, 400}));
}

TEST(EngineTemperature, CoolerOffClimbsEvenWithCoolingWater) {
  auto s = WarmEngine();
  s->Supply.SupplyFlow = 500;
  s->SimClock.Time = 200;
  UpdateEngineTemperature(*s);
  EXPECT_EQ(s->Pump.CoolantTemp, 107);
}

TEST(EngineTemperature, HeatMovesTowardsItsTarget) {
  auto s = WarmEngine();
  // Warmed up (t >= 120 s), no cooling water: target 2*30 - 30 + 50 + 75 = 155.
  s->SimClock.Time = 130;
  s->Pump.NextTempUpdate = 130;
  s->Pump.EngineHeat = 154;
  UpdateEngineTemperature(*s);
  EXPECT_EQ(s->Pump.EngineHeat, 155);  // rose by 2 but not past 155
  // Half-way through the warm-up (60 s) with cooling water: 60 - 30 + 50 +
  // 37.5 - 20 = 97.5; from 100 the heat falls by 1/2 per step.
  s->SimClock.Time = 60;
  s->Pump.NextTempUpdate = 60;
  s->Pump.EngineHeat = 100;
  s->Supply.SupplyFlow = 300;
  UpdateEngineTemperature(*s);
  EXPECT_EQ(s->Pump.EngineHeat, 99.5);
}

TEST(EngineTemperature, CoolerWithWaterFollowsTheEngineHeat) {
  auto s = WarmEngine();
  s->Pump.EngineCooler = 1;
  s->Pump.CoolFromTank = 1;
  s->Supply.TankEmpty = 0;  // tank water counts as cooling water
  s->SimClock.Time = 130;
  s->Pump.NextTempUpdate = 130;
  s->Pump.EngineHeat = 135;  // target 135: stays
  s->Pump.CoolantTemp = 140;
  UpdateEngineTemperature(*s);
  EXPECT_EQ(s->Pump.EngineHeat, 135);
  EXPECT_EQ(s->Pump.CoolantTemp, 139.5);  // falls by 1/2 towards 135
  s->Pump.CoolantTemp = 134;
  s->Pump.NextTempUpdate = 130;
  UpdateEngineTemperature(*s);
  EXPECT_EQ(s->Pump.CoolantTemp, 135);  // rises by 2 but not past the heat
  // An empty tank is no cooling water: the coolant climbs instead.
  s->Supply.TankEmpty = 1;
  s->Pump.NextTempUpdate = 130;
  UpdateEngineTemperature(*s);
  EXPECT_EQ(s->Pump.CoolantTemp, 137);
}

}  // namespace
}  // namespace pumpdrill
