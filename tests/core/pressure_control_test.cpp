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
  void Open(int i) {
    s.Discharges[i].ValveOpen = 1;
    s.Discharges[i].ValveShut = false;
  }
  // The tick's first two steps: the coupled solution, then the control.
  void SolveAndControl() {
    StoreLineSolution(s, SolveLines(s, s.PumpOutput.DischargePress));
    ApplyPressureControl(s, host);
  }
};

TEST_F(ReliefValveTest, ClosedInPumpIsHeldAtTheSettingWithoutTouchingTheEngine) {
  StoreLineSolution(s, SolveLines(s, 0));
  ASSERT_NEAR(s.PumpOutput.DischargePress, 200, 1e-9);
  ApplyPressureControl(s, host);
  EXPECT_DOUBLE_EQ(s.PumpOutput.DischargePress, 150);
  EXPECT_DOUBLE_EQ(s.PumpOutput.TotalFlow, 0);
  EXPECT_DOUBLE_EQ(s.Engine.Rpm, kRpmFor200);
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, kRpmFor200);
}

TEST_F(ReliefValveTest, OpenedLinesFlowAsAtExactlyTheSetting) {
  SolveAndControl();
  Open(3);
  Open(16);  // the tank fill is relieved with the discharges
  SolveAndControl();
  // R = 1010 ft per cfs^2 against 150 psi of head.
  const double expected = 448.8 * std::sqrt(150 * 144 / 62.4 / 1010);
  EXPECT_NEAR(s.Discharges[3].Flow, expected, 1e-9);
  EXPECT_NEAR(s.Discharges[16].Flow, expected, 1e-9);
  EXPECT_NEAR(s.PumpOutput.TotalFlow, 2 * expected, 1e-9);
  EXPECT_DOUBLE_EQ(s.PumpOutput.DischargePress, 150);

  // Set above the pump's pressure, the coupled solution stands.
  s.PumpControl.ReliefSetPress = 250;
  SolveAndControl();
  EXPECT_GT(s.PumpOutput.DischargePress, 180);
  EXPECT_GT(s.Discharges[3].Flow, expected);
}

TEST_F(ReliefValveTest, OutOfServiceOrAnotherDeviceDoesNotCap) {
  for (Byte mode : {Byte{0}, Byte{2}}) {
    s.PumpControl.ReliefMode = mode;
    SolveAndControl();
    EXPECT_NEAR(s.PumpOutput.DischargePress, 200, 1e-9) << int(mode);
  }
  s.PumpControl.ReliefMode = kReliefInService;
  s.PumpControl.PressureControlMode = kNoPressureControl;
  SolveAndControl();
  EXPECT_NEAR(s.PumpOutput.DischargePress, 200, 1e-9);
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
  // The pump's pressure follows engine speed at 0.138 x 2.27 psi per RPM:
  // the correction is worth 8 of the 10 psi.
  const double step = 0.8 * 10 / kPsiPerEngineRpm;
  EXPECT_NEAR(s.PumpControl.GovernorStep, step, 1e-9);
  EXPECT_NEAR(s.Engine.RpmDemand, 2000 - step, 1e-9);

  s.Pump.StageMode = 2;  // in volume each RPM gives half the pressure
  s.PumpOutput.DischargePress = 140;
  s.Engine.RpmDemand = 2000;
  Control();
  EXPECT_NEAR(s.Engine.RpmDemand, 2000 + 2 * step, 1e-9);
}

TEST_F(GovernorTest, DeadBandsPressureInclusiveSpeedExclusive) {
  for (double press : {150.39, 149.61}) {
    s.PumpOutput.DischargePress = press;
    Control();
    EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 2000) << press;
  }
  s.PumpOutput.DischargePress = 150.4;
  Control();
  EXPECT_LT(s.Engine.RpmDemand, 2000);

  for (Byte mode : {Byte{1}, Byte{2}}) {
    s.PumpControl.GovernorMode = mode;
    for (double rpm : {1500.4, 1499.6}) {
      s.Engine.RpmDemand = rpm;
      Control();
      EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, rpm) << int(mode);
    }
    s.Engine.RpmDemand = 1600;
    Control();
    EXPECT_NEAR(s.Engine.RpmDemand, 1520, 1e-9) << int(mode);
    Control();  // 80 % of what is left, tick by tick
    EXPECT_NEAR(s.Engine.RpmDemand, 1504, 1e-9) << int(mode);
  }
}

TEST_F(GovernorTest, DemandStaysBetweenIdleAndMaximum) {
  s.PumpOutput.DischargePress = 600;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 1050);
  s.PumpOutput.DischargePress = 0;
  for (int i = 0; i < 100; ++i) Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 4000);

  // Also when no correction is due.
  s.PumpOutput.DischargePress = 150;
  s.Engine.RpmDemand = 5000;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 4000);
  s.PumpControl.GovernorMode = 1;
  s.Engine.RpmDemand = 1500.2;
  s.Engine.MaxRpm = 1400;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 1400);
}

TEST_F(GovernorTest, NothingWithoutAGovernorModeOrAPressureLine) {
  s.Engine.RpmDemand = 5000;  // out of range: left alone when nothing acts
  s.PumpControl.GovernorMode = 3;
  Control();
  s.PumpControl.GovernorMode = kGovernorPressureMode;
  s.PumpControl.PressureControlMode = kNoPressureControl;
  Control();
  s.PumpControl.PressureControlMode = kReliefValve;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 5000);

  // A pump record without a shut-off slope must not send the demand to
  // infinity.
  s.PumpControl.PressureControlMode = kGovernor;
  s.Engine.RpmDemand = 2000;
  s.Pump.PressPerRpm = 0;
  Control();
  EXPECT_DOUBLE_EQ(s.Engine.RpmDemand, 2000);
}

}  // namespace
}  // namespace pumpdrill::testing
