// The line solution on the built-in apparatus, checked against what a pump
// operator knows.
#include <gtest/gtest.h>

#include <cmath>

#include "default_state.h"
#include "sim/coefficients.h"
#include "sim/discharge_gauges.h"
#include "sim/nozzle_pressure.h"
#include "sim/operating_point.h"
#include "sim/valve_change.h"

namespace pumpdrill::testing {
namespace {

TEST(DefaultApparatusFlowTest, AllValvesShutLeavesTheIdleShutoffPressure) {
  auto s = MakeDefaultState();
  s->Supply.IntakePress = 45;
  LineSolution r = SolveLines(*s, 0);
  EXPECT_EQ(r.TotalFlow, 0);
  EXPECT_NEAR(r.Press, s->Pump.IdlePress + 45, 1e-9);  // 20 psi at idle
}

TEST(DefaultApparatusFlowTest, SmoothBoreTipFlowsWhatTheFireGroundFormulaGives) {
  // Line 2: 250 ft of 2-1/2 in hose with a 1 in smooth-bore tip. Opened at
  // 1500 RPM, the tip pressure and flow must agree with the operator's rule
  // Q = 29.7 d^2 sqrt(NP) (d in inches) within 2 %.
  auto s = MakeDefaultState();
  NullHost host;
  s->Engine.Rpm = 1500;
  TDischargeRec& d = s->Discharges[2];
  d.ValveOpen = 1;
  ValveChanged(*s, false, 2, 1, true, host);
  d.NozzleOpen = 1;
  UpdateNozzleK(*s, 2);
  for (int tick = 0; tick < 3; ++tick) {
    StoreLineSolution(*s, SolveLines(*s, s->PumpOutput.DischargePress));
    UpdateDischargeGauges(*s);
    UpdateNozzlePressures(*s);
  }
  ASSERT_GT(d.NozzlePress, 50);
  EXPECT_NEAR(d.Flow / (29.7 * std::sqrt(d.NozzlePress)), 1.0, 0.02);
  EXPECT_NEAR(s->PumpOutput.TotalFlow, d.Flow, 1e-9);
  EXPECT_LT(d.NozzlePress, d.DischPress);
  EXPECT_LT(d.DischPress, s->PumpOutput.DischargePress);
}

}  // namespace
}  // namespace pumpdrill::testing
