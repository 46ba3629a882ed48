#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "sim/pump_curve.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

// The pump of the default apparatus: ratio 2.27, idle 1050 RPM, 20 psi at
// idle and no flow, 0.138 psi per impeller RPM, rated 1500 gpm, 80 % flow
// efficiency.
std::unique_ptr<State> DefaultPump() {
  auto s = std::make_unique<State>();
  s->Pump.GearRatio = 2.27;
  s->Pump.IdleImpellerRpm = 1050 * 2.27;
  s->Pump.IdlePress = 20;
  s->Pump.PressPerRpm = 0.138;
  s->Pump.PressPerRpmVolume = 0.069;
  s->Pump.RatedFlow = 1500;
  s->Pump.StageMode = 1;
  s->Engine.IdleRpm = 1050;
  s->Engine.Rpm = 1050;
  s->Supply.IntakePress = 0;
  SetPumpLoss(*s, 1, 0.8);
  return s;
}

double Pressure(State& s, double gpm, double rpm, int mode = 1) {
  double q = gpm / 448.8;
  return PumpPressure(s, q, mode, s.Pump.GearRatio, s.Pump.PumpLossK[1], rpm);
}

TEST(PumpCurve, ShutoffLinePassesThroughIdle) {
  auto s = DefaultPump();
  EXPECT_DOUBLE_EQ(ShutoffPressure(*s, 1, 1050 * 2.27), 20);
  EXPECT_DOUBLE_EQ(s->Pump.PressIntercept, 20 - 0.138 * 1050 * 2.27);
  EXPECT_DOUBLE_EQ(ShutoffPressure(*s, 1, 1500 * 2.27), 20 + 0.138 * 450 * 2.27);
  // The volume setting gives half.
  EXPECT_DOUBLE_EQ(ShutoffPressure(*s, 2, 1500 * 2.27), (20 + 0.138 * 450 * 2.27) / 2);
}

TEST(PumpCurve, IdleWithoutFlowOrIntakeGivesIdlePressure) {
  auto s = DefaultPump();
  EXPECT_DOUBLE_EQ(Pressure(*s, 0, 1050), 20);
  s->Supply.IntakePress = 35;
  EXPECT_DOUBLE_EQ(Pressure(*s, 0, 1050), 55);
}

TEST(PumpCurve, CurveSlopeFromTwoPoints) {
  auto s = DefaultPump();
  SetCurveSlope(*s, 1, 300, 20, 3000, 2000);
  EXPECT_DOUBLE_EQ(s->Pump.PressPerRpm, 0.28);
  EXPECT_DOUBLE_EQ(s->Pump.PressPerRpmVolume, 0.14);
  SetCurveSlope(*s, 2, 150, 10, 3000, 2000);
  EXPECT_DOUBLE_EQ(s->Pump.PressPerRpmVolume, 0.14);
  EXPECT_DOUBLE_EQ(s->Pump.PressPerRpm, 0.28);
  // Two points at one speed define no slope: the line is kept.
  SetCurveSlope(*s, 1, 300, 20, 2000, 2000);
  EXPECT_DOUBLE_EQ(s->Pump.PressPerRpm, 0.28);
  EXPECT_TRUE(std::isfinite(s->Pump.PressPerRpmVolume));
}

TEST(PumpCurve, LossFromFlowEfficiency) {
  auto s = DefaultPump();
  EXPECT_NEAR(s->Pump.PumpLossK[1], 0.00003, 1e-15);
  // 67.5 psi lost at 1500 gpm.
  EXPECT_NEAR(s->Pump.PumpLossK[1] * 1500 * 1500, 67.5, 1e-9);
  SetPumpLoss(*s, 2, 0.0);
  EXPECT_DOUBLE_EQ(s->Pump.PumpLossK[2], 0.00015);
  SetPumpLoss(*s, 2, 1.0);
  EXPECT_DOUBLE_EQ(s->Pump.PumpLossK[2], 0.0);
}

TEST(PumpCurve, InternalLossByStageMode) {
  auto s = DefaultPump();
  double rpm = 2000;
  double shutoff = ShutoffPressure(*s, 1, 2.27 * rpm);
  double k = s->Pump.PumpLossK[1];
  EXPECT_NEAR(Pressure(*s, 1000, rpm), shutoff - k * 1000 * 1000, 1e-9);
  EXPECT_NEAR(Pressure(*s, 1000, rpm, 2), shutoff / 2 - k / 8 * 1000 * 1000, 1e-9);
}

TEST(PumpCurve, DeratingBeyondRatedCapacity) {
  auto s = DefaultPump();
  double rpm = 3500;
  double k = s->Pump.PumpLossK[1];
  double shutoff = ShutoffPressure(*s, 1, 2.27 * rpm);
  auto undrated = [&](double gpm) { return shutoff - k * gpm * gpm; };
  EXPECT_NEAR(Pressure(*s, 1500, rpm), undrated(1500), 1e-9);        // at rating
  EXPECT_NEAR(Pressure(*s, 1545, rpm), 0.9 * undrated(1545), 1e-9);  // 3 % above
  EXPECT_NEAR(Pressure(*s, 1800, rpm), 0.5 * undrated(1800), 1e-9);  // 20 % above
  // Half a percent above rounds to 0 percent: not derated.
  EXPECT_NEAR(Pressure(*s, 1507, rpm), undrated(1507), 1e-9);
}

TEST(PumpCurve, DeratingTableBands) {
  struct Band {
    int percent;
    double factor;
  };
  for (Band b : {Band{0, 1}, Band{1, 0.9}, Band{4, 0.9}, Band{5, 0.8}, Band{9, 0.8},
                 Band{10, 0.7}, Band{14, 0.7}, Band{15, 0.6}, Band{19, 0.6}, Band{20, 0.5},
                 Band{23, 0.5}, Band{24, 0.4}, Band{27, 0.4}, Band{28, 0.3}, Band{30, 0.3},
                 Band{31, 0.2}, Band{33, 0.2}, Band{34, 0.1}, Band{10000, 0.1},
                 Band{10001, 1}}) {
    EXPECT_DOUBLE_EQ(PumpDerating(1000.0 * (100 + b.percent) / 100, 1000), b.factor)
        << b.percent;
  }
  EXPECT_DOUBLE_EQ(PumpDerating(900, 1000), 1.0);
  // A pump without a rating is not derated (and does not divide by zero).
  EXPECT_DOUBLE_EQ(PumpDerating(900, 0), 1.0);
}

TEST(PumpCurve, IntakePressureAddedAfterDerating) {
  auto s = DefaultPump();
  double rpm = 3500;
  double base = Pressure(*s, 1800, rpm);
  s->Supply.IntakePress = 50;
  EXPECT_NEAR(Pressure(*s, 1800, rpm), base + 50, 1e-9);
}

TEST(PumpCurve, NegativePressureGivesNoPressureAndNoFlow) {
  auto s = DefaultPump();
  double q = 2500 / 448.8;  // far beyond what idle speed can push
  double p = PumpPressure(*s, q, 1, 2.27, s->Pump.PumpLossK[1], 1050);
  EXPECT_EQ(p, 0.0);
  EXPECT_EQ(q, 0.0);
  // A vacuum at the intake with no flow is negative too.
  s->Supply.IntakePress = -25;
  q = 0;
  EXPECT_EQ(PumpPressure(*s, q, 1, 2.27, s->Pump.PumpLossK[1], 1050), 0.0);
  // A positive result leaves the flow alone.
  s->Supply.IntakePress = 0;
  q = 500 / 448.8;
  EXPECT_GT(PumpPressure(*s, q, 1, 2.27, s->Pump.PumpLossK[1], 2500), 0.0);
  EXPECT_DOUBLE_EQ(q, 500 / 448.8);
}

TEST(PumpCurve, CavitatingPumpUsesTheSpeedOfItsOnset) {
  auto s = DefaultPump();
  s->Engine.Rpm = 2500;
  s->Engine.CavitationRpm = 1800;
  EXPECT_EQ(PumpCurveRpm(*s), 2500);
  s->PumpStatus.Cavitating = 1;
  EXPECT_EQ(PumpCurveRpm(*s), 1800);
  // Throttling down below the onset speed does lower the curve.
  s->Engine.Rpm = 1500;
  EXPECT_EQ(PumpCurveRpm(*s), 1500);
}

}  // namespace
}  // namespace pumpdrill
