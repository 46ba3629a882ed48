// Gauge and nozzle pressures, valve operation with trapped pressure, water
// hammer, and the cut-back of the flows to what the supply gives.
#include <gtest/gtest.h>

#include "hydraulics_fixture.h"
#include "sim/discharge_gauges.h"
#include "sim/nozzle_pressure.h"
#include "sim/operating_point.h"
#include "sim/supply_limit.h"
#include "sim/valve_change.h"
#include "sim/water_hammer.h"

namespace pumpdrill::testing {
namespace {

using LinePressureTest = HydraulicsTest;

TEST_F(LinePressureTest, GaugeReadsPumpPressureLessValveLossOrHoldsWithoutFlow) {
  s.PumpOutput.DischargePress = 150;
  // Flowing: 150 - 2 x (448.8/448.8)^2 x 0.433333 = 149.133333.
  Chain(1, 2, 0, 0, 0).Flow = 448.8;
  // Open valve against a shut nozzle: the pump pressure.
  ShutNozzle(2);
  // Shut valve, not trapped: 0; shut and trapped: the trapped pressure.
  ShutValve(3);
  ShutValve(4);
  s.Discharges[4].Trapped = true;
  s.Discharges[4].TrappedPress = 95;
  // Valve loss beyond the pump pressure: 0, not negative.
  Chain(5, 1000, 0, 0, 0).Flow = 448.8;
  UpdateDischargeGauges(s);
  EXPECT_NEAR(s.Discharges[1].DischPress, 149.133333, 1e-6);
  EXPECT_EQ(s.Discharges[2].DischPress, 150);
  EXPECT_EQ(s.Discharges[3].DischPress, 0);
  EXPECT_EQ(s.Discharges[4].DischPress, 95);
  EXPECT_EQ(s.Discharges[5].DischPress, 0);
}

TEST_F(LinePressureTest, ShutNozzleWithOpenValveFlowsNothingAndShowsPumpPressure) {
  Chain(1, 2, 200, 8, 800);
  ShutNozzle(1);
  StoreLineSolution(s, SolveLines(s, 0));
  UpdateDischargeGauges(s);
  UpdateNozzlePressures(s);
  EXPECT_EQ(s.Discharges[1].Flow, 0);
  EXPECT_NEAR(s.PumpOutput.DischargePress, kShutoffAt1500, 1e-9);
  EXPECT_NEAR(s.Discharges[1].DischPress, kShutoffAt1500, 1e-9);
  EXPECT_NEAR(s.Discharges[1].NozzlePress, kShutoffAt1500, 1e-9);
}

TEST_F(LinePressureTest, ClosingAgainstAShutNozzleTrapsThePressureUntilReopened) {
  TDischargeRec& d = s.Discharges[1];
  d.ValveDiam = 2.5 / 12;
  Chain(1, 0, 200, 8, 800);
  ValveChanged(s, true, 1, 1, true, host);
  EXPECT_GT(d.ValveK, 1.8);  // 2.5 in valve fully open: about 1.89
  ShutNozzle(1);
  s.PumpOutput.DischargePress = 150;
  UpdateDischargeGauges(s);
  ASSERT_EQ(d.DischPress, 150);

  d.ValveOpen = 0;
  ValveChanged(s, false, 1, 0, true, host);
  EXPECT_TRUE(d.ValveShut);
  EXPECT_TRUE(d.Trapped);
  EXPECT_EQ(d.TrappedPress, 150);

  // The pump pressure falls; the shut line keeps its pressure, at the gauge
  // and at the nozzle, and moving the shut handle again changes nothing.
  s.PumpOutput.DischargePress = 80;
  StoreLineSolution(s, SolveLines(s, 80));
  UpdateDischargeGauges(s);
  UpdateNozzlePressures(s);
  EXPECT_EQ(d.DischPress, 150);
  EXPECT_EQ(d.NozzlePress, 150);
  ValveChanged(s, false, 1, 0, true, host);
  EXPECT_TRUE(d.Trapped);

  // Reopening releases it: the gauge shows the pump pressure again.
  d.ValveOpen = 0.5;
  ValveChanged(s, false, 1, 0.5, true, host);
  EXPECT_FALSE(d.ValveShut);
  EXPECT_FALSE(d.Trapped);
  s.PumpOutput.DischargePress = 80;
  UpdateDischargeGauges(s);
  EXPECT_EQ(d.DischPress, 80);
  EXPECT_TRUE(host.cues.empty());
}

TEST_F(LinePressureTest, ResetSetsUpTheValveWithoutTrapping) {
  TDischargeRec& d = s.Discharges[2];
  d.ValveDiam = 2.5 / 12;
  d.Trapped = true;
  d.TrappedPress = 120;
  d.ValveOpen = 0;
  ValveChanged(s, true, 2, 0, true, host);
  EXPECT_TRUE(d.ValveShut);
  EXPECT_FALSE(d.Trapped);
  EXPECT_EQ(d.TrappedPress, 0);
  EXPECT_GT(d.ValveK, 1e9);  // shut: enormous but finite
}

TEST_F(LinePressureTest, TrappedSiameseAndWyeNozzlesHoldTheirPressure) {
  Chain(2, 2, 100, 4, 150);
  Chain(3, 2, 100, 4, 150);
  Siamese(2, 3);
  TDischargeRec& w = Chain(4, 2, 200, 8, 800);
  w.Layout = 2;
  for (int i : {2, 4}) {
    s.Discharges[i].Trapped = true;
    s.Discharges[i].TrappedPress = 130;
    s.Discharges[i].NozzlePress = 55;
  }
  s.Discharges[5].Layout = 2;  // untrapped wye without flow
  s.Discharges[5].NozzlePress = 55;
  UpdateNozzlePressures(s);
  EXPECT_EQ(s.Discharges[2].NozzlePress, 130);
  EXPECT_EQ(s.Discharges[4].NozzlePress, 130);
  EXPECT_EQ(s.Discharges[5].NozzlePress, 0);
}

// Water hammer on a 200 ft line of 2.5 in hose that carried 250 gpm at the
// last flow sample (t = 10 s): critical time 2 x 200 / 2000 = 0.2 s;
// v = (250/448.8) / (3.14159 x 0.1041667^2) = 16.341056 ft/s;
// surge = 0.433 x 2000 x 16.341056 / 32.2 = 439.483 psi > 400 psi.
class WaterHammerTest : public HydraulicsTest {
 protected:
  void SetUp() override {
    HydraulicsTest::SetUp();
    TDischargeRec& d = Chain(5, 2, 200, 8, 800);
    d.ValveDiam = 2.5 / 12;
    d.HoseLength = 200;
    d.HoseDiam = 2.5 / 12;
    d.SnapshotFlow = 250;
    d.Flow = 250;
    s.SimClock.LastFlowSnapshot = 10;
  }
  void Close() {
    s.Discharges[5].ValveOpen = 0;
    ValveChanged(s, false, 5, 0, running, host);
  }
  bool running = true;
};

TEST_F(WaterHammerTest, ClosureWithinTheCriticalTimeIsAHammer) {
  s.SimClock.Time = 10.2;
  WaterHammer w = WaterHammerCheck(s, 5);
  EXPECT_TRUE(w.IsHammer);
  EXPECT_NEAR(w.Surge, 439.483061, 1e-5);
  s.ShowOptions.WaterHammerLimit = 450;
  EXPECT_FALSE(WaterHammerCheck(s, 5).IsHammer);
}

TEST_F(WaterHammerTest, LaterOrEarlierClosureIsNot) {
  for (double t : {10.2001, 10.5, 9.9}) {
    s.SimClock.Time = t;
    WaterHammer w = WaterHammerCheck(s, 5);
    EXPECT_FALSE(w.IsHammer) << t;
    EXPECT_EQ(w.Surge, 0) << t;
  }
}

TEST_F(WaterHammerTest, ClosingTheValvePlaysTheHammerOnceDuringARun) {
  s.SimClock.Time = 10.1;
  Close();
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0], SND_WATER_HAMMER);
  EXPECT_FALSE(s.Discharges[5].Trapped);
  Close();  // already shut: no second closure
  EXPECT_EQ(host.cues.size(), 1u);
}

TEST_F(WaterHammerTest, NoSoundWhenTheCheckIsOffOrNoRunOrTooSlow) {
  s.SimClock.Time = 10.1;
  s.ShowOptions.WaterHammerCheck = false;
  Close();
  s.ShowOptions.WaterHammerCheck = true;
  running = false;
  s.Discharges[5].ValveOpen = 1;
  ValveChanged(s, false, 5, 1, running, host);
  Close();
  running = true;
  s.Discharges[5].ValveOpen = 1;
  ValveChanged(s, false, 5, 1, running, host);
  s.SimClock.Time = 10.3;
  Close();
  EXPECT_TRUE(host.cues.empty());
}

TEST_F(LinePressureTest, CavitatingPumpDeliversOnlyWhatTheSupplyGives) {
  // 400 gpm asked, 300 given: every solved line at 3/4 of its flow.
  s.PumpStatus.Cavitating = true;
  s.PumpStatus.PressBeforeCavitation = 140;
  s.PumpOutput.DischargePress = 170;
  s.PumpOutput.TotalFlow = 400;
  s.Supply.SupplyFlow = 300;
  TDischargeRec& a = Chain(1, 2, 1200, 8, 800);
  a.Flow = 200;
  a.DischPress = 150;
  TDischargeRec& b = Chain(2, 2, 1200, 8, 800);
  b.Flow = 100;
  b.Trapped = true;
  b.NozzlePress = 77;
  s.Discharges[16].Flow = 100;
  ApplySupplyLimit(s);
  EXPECT_EQ(s.PumpStatus.CavitationRatio, 0.75);
  EXPECT_EQ(s.PumpOutput.TotalFlow, 300);
  EXPECT_EQ(s.PumpOutput.DischargePress, 140);
  EXPECT_EQ(a.Flow, 150);
  EXPECT_EQ(b.Flow, 75);
  EXPECT_EQ(s.Discharges[16].Flow, 75);
  // 150 gpm = 0.334225 cfs: hose loss 1200 x 0.111706 = 134.047 ft;
  // nozzle 150 - 134.047 x 0.433333 = 91.913 psi.
  const double q = 150 / 448.8;
  EXPECT_NEAR(a.HoseLoss, 1200 * q * q, 1e-9);
  EXPECT_NEAR(a.NozzlePress, 150 - 1200 * q * q * 0.43333333333333335, 1e-9);
  EXPECT_EQ(b.NozzlePress, 77);  // trapped lines keep theirs
}

TEST_F(LinePressureTest, CavitatingWithoutSupplyDropsAnUnprimedPump) {
  s.PumpStatus.Cavitating = true;
  s.PumpStatus.PressBeforeCavitation = 140;
  s.PumpOutput.DischargePress = 170;
  s.PumpOutput.TotalFlow = 400;
  s.Supply.SupplyFlow = 0;
  ApplySupplyLimit(s);
  EXPECT_EQ(s.PumpStatus.CavitationRatio, 0);
  EXPECT_EQ(s.PumpOutput.DischargePress, 170);  // still primed
  s.PumpStatus.Primed = false;
  ApplySupplyLimit(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 0);
}

TEST_F(LinePressureTest, NoWaterFromTheSupplyStopsEveryLine) {
  s.PumpOutput.DischargePress = 170;
  s.PumpOutput.TotalFlow = 300;
  s.Supply.SupplyFlow = 0;
  TDischargeRec& a = Chain(1, 2, 1200, 8, 800);
  a.Flow = 300;
  a.HoseLoss = 50;
  a.NozzlePress = 60;
  ApplySupplyLimit(s);
  EXPECT_EQ(s.PumpOutput.DischargePress, 0);
  EXPECT_EQ(s.PumpOutput.TotalFlow, 0);
  EXPECT_EQ(a.Flow, 0);
  EXPECT_EQ(a.HoseLoss, 0);
  EXPECT_EQ(a.NozzlePress, 0);
  // With water, nothing changes.
  a.Flow = 300;
  s.PumpOutput.TotalFlow = 300;
  s.PumpOutput.DischargePress = 170;
  s.Supply.SupplyFlow = 300;
  ApplySupplyLimit(s);
  EXPECT_EQ(a.Flow, 300);
  EXPECT_EQ(s.PumpOutput.DischargePress, 170);
}

}  // namespace
}  // namespace pumpdrill::testing
