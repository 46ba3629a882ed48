// The line hydraulics as the tick and a run's initialisation call them.
#include <gtest/gtest.h>

#include "default_state.h"
#include "hydraulics_fixture.h"
#include "sim/hydraulics_steps.h"

namespace pumpdrill::testing {
namespace {

using HydraulicsStepsTest = HydraulicsTest;

TEST_F(HydraulicsStepsTest, TickStepsSolveFromThePreviousPressureAndShowThePressures) {
  // The single line of the end-to-end case: from 150 psi the solution gives
  // 159.857970 psi and 192.269733 gpm; gauge 159.698908 psi, nozzle
  // 64.261312 psi once the gauge has been read.
  Chain(1, 2, 1200, 8, 800);
  s.PumpOutput.DischargePress = 150;
  s.Supply.SupplyFlow = 1000;
  FlowSolutionStep(s, TestConfiguration().Sim, host);
  SupplyLimitStep(s);
  DischargeGaugesStep(s);
  NozzlePressuresStep(s);
  EXPECT_NEAR(s.PumpOutput.DischargePress, 159.857970, 1e-5);
  EXPECT_NEAR(s.PumpOutput.TotalFlow, 192.269733, 1e-5);
  EXPECT_NEAR(s.Discharges[1].Flow, 192.269733, 1e-5);
  EXPECT_NEAR(s.Discharges[1].DischPress, 159.698908, 1e-5);
  EXPECT_NEAR(s.Discharges[1].NozzlePress, 64.261312, 1e-5);
  // Without water from the supply nothing flows.
  s.Supply.SupplyFlow = 0;
  FlowSolutionStep(s, TestConfiguration().Sim, host);
  SupplyLimitStep(s);
  EXPECT_EQ(s.Discharges[1].Flow, 0);
  EXPECT_EQ(s.PumpOutput.DischargePress, 0);
}

TEST(HydraulicsResetTest, InitialisationPutsEveryLineAtRest) {
  auto s = MakeDefaultState();
  NullHost host;
  for (int i = 1; i <= 18; ++i) {
    TDischargeRec& d = s->Discharges[i];
    d.Flow = d.SnapshotFlow = d.DischPress = d.NozzlePress = d.HoseLoss = 50;
    d.BranchFlow[1] = d.BranchFlow[2] = 0.5;
    d.Trapped = true;
    d.TrappedPress = 90;
    d.ValveK = -1;
  }
  s->Discharges[3].ValveOpen = 0.4;
  s->Discharges[3].ValveShut = true;
  s->Discharges[5].ValveShut = false;  // ValveOpen 0
  s->Discharges[4].NozzleOpen = 0;     // a master stream stands open
  s->PumpOutput.DischargePress = 120;
  s->PumpOutput.TotalFlow = 500;
  ResetLinesForRun(*s, TestConfiguration().Sim, host);
  for (int i = 1; i <= 18; ++i) {
    const TDischargeRec& d = s->Discharges[i];
    EXPECT_EQ(d.Flow + d.SnapshotFlow + d.DischPress + d.NozzlePress + d.HoseLoss, 0) << i;
    EXPECT_EQ(d.BranchFlow[1] + d.BranchFlow[2], 0) << i;
    EXPECT_FALSE(d.Trapped) << i;
    EXPECT_EQ(d.TrappedPress, 0) << i;
    EXPECT_GT(d.ValveK, 0) << i;  // recomputed
  }
  EXPECT_FALSE(s->Discharges[3].ValveShut);
  EXPECT_TRUE(s->Discharges[5].ValveShut);
  EXPECT_EQ(s->Discharges[4].NozzleOpen, 1);
  EXPECT_FALSE(s->Discharges[4].NozzleShut);
  EXPECT_EQ(s->PumpOutput.DischargePress, 0);
  EXPECT_EQ(s->PumpOutput.TotalFlow, 0);
}

}  // namespace
}  // namespace pumpdrill::testing
