#include <gtest/gtest.h>

#include <cmath>

#include "hydraulics_fixture.h"
#include "sim/operating_point.h"
#include "sim/pressure_control.h"

namespace pumpdrill::testing {
namespace {

// The fixture's pump (0.138 psi per impeller RPM, gear ratio 2.27, 20 psi
// at 1050 RPM idle) at the engine speed whose shut-off pressure is 200 psi.
constexpr double kPsiPerEngineRpm = 0.138 * 2.27;
constexpr double kRpmFor200 = 1050 + (200 - 20) / kPsiPerEngineRpm;

class ReliefValveTest : public HydraulicsTest {
 protected:
  void SetUp() override {
    HydraulicsTest::SetUp();
    s.Engine.Rpm = kRpmFor200;
    s.Engine.RpmDemand = kRpmFor200;
    s.PumpControl.PressureControlMode = kReliefValve;
    s.PumpControl.ReliefMode = kReliefInService;
    s.PumpControl.ReliefSetPress = 150;
    for (int i = 1; i <= 16; ++i) {
      Chain(i, 2, 200, 8, 800);
      ShutValve(i);
    }
  }

  // The tick's first two steps: the coupled solution, then the control.
  void SolveAndControl() {
    StoreLineSolution(s, SolveLines(s, s.PumpOutput.DischargePress));
    ApplyPressureControl(s, host);
  }
};

TEST_F(ReliefValveTest, ClosedInPumpIsHeldAtTheSetting) {
  StoreLineSolution(s, SolveLines(s, 0));
  ASSERT_NEAR(s.PumpOutput.DischargePress, 200, 1e-9);
  ApplyPressureControl(s, host);
  EXPECT_DOUBLE_EQ(s.PumpOutput.DischargePress, 150);
  EXPECT_DOUBLE_EQ(s.PumpOutput.TotalFlow, 0);
  // The relief valve dumps pressure; the engine keeps its speed.
  EXPECT_DOUBLE_EQ(s.Engine.Rpm, kRpmFor200);
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, kRpmFor200);
}

TEST_F(ReliefValveTest, OpenedLineFlowsAsAtExactlyTheSetting) {
  SolveAndControl();
  s.Discharges[3].ValveOpen = 1;
  s.Discharges[3].ValveShut = false;
  SolveAndControl();
  // R = 1010 ft per cfs^2 against 150 psi of head.
  const double expected = 448.8 * std::sqrt(150 * 144 / 62.4 / 1010);
  EXPECT_NEAR(s.Discharges[3].Flow, expected, 1e-9);
  EXPECT_NEAR(s.PumpOutput.TotalFlow, expected, 1e-9);
  EXPECT_DOUBLE_EQ(s.PumpOutput.DischargePress, 150);
  EXPECT_DOUBLE_EQ(s.Discharges[1].Flow, 0);
  EXPECT_TRUE(host.messages.empty());

  // The tank fill line is solved and relieved with the discharges.
  s.Discharges[16].ValveOpen = 1;
  s.Discharges[16].ValveShut = false;
  SolveAndControl();
  EXPECT_NEAR(s.Discharges[16].Flow, expected, 1e-9);
  EXPECT_NEAR(s.PumpOutput.TotalFlow, 2 * expected, 1e-9);
  EXPECT_DOUBLE_EQ(s.PumpOutput.DischargePress, 150);
}

TEST_F(ReliefValveTest, OutOfServiceOrAnotherDeviceDoesNotCap) {
  for (Byte mode : {Byte{0}, Byte{2}, Byte{3}}) {
    s.PumpControl.ReliefMode = mode;
    SolveAndControl();
    EXPECT_NEAR(s.PumpOutput.DischargePress, 200, 1e-9) << int(mode);
  }
  s.PumpControl.ReliefMode = kReliefInService;
  s.PumpControl.PressureControlMode = kNoPressureControl;
  SolveAndControl();
  EXPECT_NEAR(s.PumpOutput.DischargePress, 200, 1e-9);
}

TEST_F(ReliefValveTest, AtOrBelowTheSettingNothingChanges) {
  s.Discharges[3].ValveOpen = 1;
  s.Discharges[3].ValveShut = false;
  s.PumpControl.ReliefSetPress = 250;
  StoreLineSolution(s, SolveLines(s, 0));
  const double press = s.PumpOutput.DischargePress;
  const double flow = s.Discharges[3].Flow;
  ApplyPressureControl(s, host);
  EXPECT_DOUBLE_EQ(s.PumpOutput.DischargePress, press);
  EXPECT_DOUBLE_EQ(s.Discharges[3].Flow, flow);

  // Exactly at the setting is not above it: the coupled flows stay.
  s.PumpControl.ReliefSetPress = press;
  s.Discharges[3].Flow = 123;  // a marker the relief solution would replace
  ApplyPressureControl(s, host);
  EXPECT_DOUBLE_EQ(s.Discharges[3].Flow, 123);
}

TEST_F(ReliefValveTest, BurstLineWithoutValveCoefficientIsReported) {
  s.Discharges[2].ValveOpen = 1;
  s.Discharges[2].ValveShut = false;
  s.Discharges[2].LineBurst = true;
  s.Discharges[2].ValveK = 0;
  s.PumpOutput.DischargePress = 200;
  ApplyReliefValve(s, host);
  EXPECT_DOUBLE_EQ(s.Discharges[2].Flow, 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "Error E04");
}

class GovernorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.Pump.PressPerRpm = 0.138;
    s.Pump.GearRatio = 2.27;
    s.Pump.StageMode = 1;
    s.Engine.IdleRpm = 1050;
    s.Engine.MaxRpm = 4000;
    s.Engine.RpmDemand = 2000;
    s.PumpControl.PressureControlMode = kGovernor;
    s.PumpControl.GovernorMode = kGovernorPressureMode;
    s.PumpControl.GovernorSetPress = 150;
    s.PumpControl.GovernorSetRpm = 1500;
    s.PumpControl.GovernorPressBand = 0.4;
    s.PumpControl.GovernorRpmBand = 0.4;
    s.PumpOutput.DischargePress = 160;
  }
  void Control() { ApplyPressureControl(s, host); }

  State s{};
  NullHost host;
};

TEST_F(GovernorTest, PressureModeTakesEightyPercentOfTheErrorInEngineRpm) {
  Control();
  const double step = 0.8 * 10 / kPsiPerEngineRpm;  // about 25.5 RPM
  EXPECT_NEAR(s.PumpControl.GovernorStep, step, 1e-9);
  EXPECT_NEAR(s.Engine.RpmDemand, 2000 - step, 1e-9);
  // The pump's pressure follows engine speed at 0.31326 psi per RPM, so the
  // correction removes 8 of the 10 psi.
  EXPECT_NEAR((2000 - s.Engine.RpmDemand) * kPsiPerEngineRpm, 8.0, 1e-9);

  // Below the set point the demand rises.
  s.PumpOutput.DischargePress = 140;
  s.Engine.RpmDemand = 2000;
  Control();
  EXPECT_NEAR(s.Engine.RpmDemand, 2000 + step, 1e-9);
}

TEST_F(GovernorTest, VolumeModeDoublesTheStep) {
  s.Pump.StageMode = 2;
  Control();
  EXPECT_NEAR(s.Engine.RpmDemand, 2000 - 2 * 0.8 * 10 / kPsiPerEngineRpm, 1e-9);
}

TEST_F(GovernorTest, PressureDeadBandIncludesItsEdge) {
  s.PumpControl.GovernorStep = -7;
  s.PumpOutput.DischargePress = 150.39;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 2000);
  EXPECT_DOUBLE_EQ(s.PumpControl.GovernorStep, -7);  // the last correction stays

  s.PumpOutput.DischargePress = 149.61;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 2000);

  s.PumpOutput.DischargePress = 150.4;  // exactly the band: corrected
  Control();
  EXPECT_LT(s.Engine.RpmDemand, 2000);
}

TEST_F(GovernorTest, SpeedModeCorrectsOnlyBeyondTheBand) {
  for (Byte mode : {Byte{1}, Byte{2}}) {
    s.PumpControl.GovernorMode = mode;
    s.Engine.RpmDemand = 1500.4;  // exactly the band: no correction
    Control();
    EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 1500.4) << int(mode);
    s.Engine.RpmDemand = 1499.6;
    Control();
    EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 1499.6) << int(mode);

    s.Engine.RpmDemand = 1600;
    Control();
    EXPECT_NEAR(s.PumpControl.GovernorStep, 80, 1e-9) << int(mode);
    EXPECT_NEAR(s.Engine.RpmDemand, 1520, 1e-9) << int(mode);
    // The set point is approached geometrically, 80 % per tick.
    Control();
    EXPECT_NEAR(s.Engine.RpmDemand, 1504, 1e-9) << int(mode);
  }
}

TEST_F(GovernorTest, DemandStaysBetweenIdleAndMaximum) {
  // A large pressure surplus would drive the demand below idle.
  s.PumpOutput.DischargePress = 600;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 1050);
  // A pump that cannot make pressure drives it up to the maximum, no further.
  s.PumpOutput.DischargePress = 0;
  for (int i = 0; i < 100; ++i) Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 4000);

  // The limits apply even when no correction is due.
  s.PumpOutput.DischargePress = 150;
  s.Engine.RpmDemand = 5000;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 4000);

  s.PumpControl.GovernorMode = 1;
  s.PumpControl.GovernorSetRpm = 800;  // a set point below idle
  s.Engine.RpmDemand = 1050;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 1050);
  s.PumpControl.GovernorSetRpm = 1500;
  s.Engine.RpmDemand = 1500.2;  // within the band, but checked against limits
  s.Engine.MaxRpm = 1400;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 1400);
}

TEST_F(GovernorTest, NothingWithoutAGovernorOrInAnUnknownMode) {
  s.Engine.RpmDemand = 5000;  // out of range: left alone when nothing acts
  s.PumpControl.GovernorMode = 3;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 5000);

  s.PumpControl.GovernorMode = kGovernorPressureMode;
  s.PumpControl.PressureControlMode = kNoPressureControl;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 5000);

  // The relief valve never touches the engine.
  s.PumpControl.PressureControlMode = kReliefValve;
  s.PumpControl.ReliefMode = 2;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 5000);
}

TEST_F(GovernorTest, NoPressureLineNoCorrection) {
  // A pump record with no shut-off slope (a damaged file) must not send the
  // demand to infinity.
  s.Pump.PressPerRpm = 0;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 2000);
}

}  // namespace
}  // namespace pumpdrill::testing
