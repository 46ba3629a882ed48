// The pump operating point: four passes of line flows and pump curve, and a
// whole solution worked by hand for each hose layout.
#include <gtest/gtest.h>

#include "hydraulics_fixture.h"
#include "sim/discharge_gauges.h"
#include "sim/nozzle_pressure.h"
#include "sim/operating_point.h"

namespace pumpdrill::testing {
namespace {

using OperatingPointTest = HydraulicsTest;

TEST_F(OperatingPointTest, EveryValveShutGivesShutoffPlusIntakePressure) {
  for (int i = 1; i <= 16; ++i) {
    Chain(i, 2, 200, 8, 800);
    ShutValve(i);
  }
  s.Supply.IntakePress = 50;
  LineSolution r = SolveLines(s, 0);
  EXPECT_EQ(r.TotalFlow, 0);
  EXPECT_NEAR(r.Press, kShutoffAt1500 + 50, 1e-9);
}

TEST_F(OperatingPointTest, MakesExactlyFourPasses) {
  // One line of R = 40 from 0 psi (pump loss 0.00003 psi/gpm^2):
  //  pass 1: P = 0,        q = 0                  -> P = 160.967
  //  pass 2: q = sqrt(160.967 x 2.30769 / 40) = 3.047385, Q = 1367.667
  //          -> P = 160.967 - 0.00003 x 1367.667^2 = 104.851645
  //  pass 3: q = 2.459499, Q = 1103.823  -> P = 124.414245
  //  pass 4: q = 2.679131, Q = 1202.394  -> P = 117.594448
  // (a fifth pass would give 119.97 psi): the result is P after pass 4 with
  // the flows of pass 4.
  Chain(1, 40, 0, 0, 0);
  LineSolution r = SolveLines(s, 0);
  EXPECT_NEAR(r.Press, 117.594448, 1e-5);
  EXPECT_NEAR(r.Flow[1], 1202.394161, 1e-5);
  EXPECT_NEAR(r.TotalFlow, 1202.394161, 1e-5);
}

TEST_F(OperatingPointTest, BeyondCapacityThePressureSettlesWhereThePumpCanDeliver) {
  // One wide-open line of R = 2. From the shut-off pressure the passes would
  // swing for ever: at 160.967 psi the line takes 6117 gpm, derated to no
  // pressure; at 0 psi it takes nothing, back to 160.967 psi; every tick
  // would end with no flow at all.
  // The line takes Q = 448.8 sqrt(2.307692 P / 2) gpm. The pump gives
  // (160.967 - 0.00003 Q^2) x factor, whose factor falls from 0.4 to 0.3
  // where Q rounds to 28 % above rating, Q = 1.275 x 1500 = 1912.5 gpm
  // (P = (1912.5/448.8)^2 x 2 / 2.307692 = 15.7380 psi):
  //   just below, 0.4 x (160.967 - 109.73) = 20.49 psi > 15.738;
  //   just above, 0.3 x (160.967 - 109.73) = 15.37 psi < 15.738.
  // The operating point lies at that step: 15.738 psi and 1912.5 gpm.
  Chain(1, 2, 0, 0, 0);
  for (double from : {kShutoffAt1500, 0.0, 15.738}) {
    LineSolution r = SolveLines(s, from);
    EXPECT_NEAR(r.Press, 15.738, 1e-3) << from;
    EXPECT_NEAR(r.TotalFlow, 1912.5, 1e-2) << from;
    EXPECT_NEAR(r.Flow[1], r.TotalFlow, 1e-9) << from;
  }
}

TEST_F(OperatingPointTest, CavitatingPumpIsHeldAtItsOnsetSpeed) {
  for (int i = 1; i <= 16; ++i) ShutValve(i);
  s.Engine.Rpm = 2000;  // S(2000) = 0.138 x 4540 - 308.923 = 317.597 psi
  s.Engine.CavitationRpm = 1500;
  EXPECT_NEAR(SolveLines(s, 0).Press, 317.597, 1e-9);
  s.PumpStatus.Cavitating = true;
  EXPECT_NEAR(SolveLines(s, 0).Press, kShutoffAt1500, 1e-9);
  // A slower engine than at the onset drives the pump at its own speed.
  s.Engine.Rpm = 1050;
  EXPECT_NEAR(SolveLines(s, 0).Press, 20, 1e-9);
}

TEST_F(OperatingPointTest, StoredSolutionFillsLinesInUseAndTheTankFill) {
  for (int i = 1; i <= 19; ++i) s.Discharges[i].Flow = -1;
  LineSolution r;
  for (int i = 1; i <= 19; ++i) r.Flow[i] = 10 * i;
  r.Press = 123;
  r.TotalFlow = 456;
  StoreLineSolution(s, r);
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(s.Discharges[i].Flow, 10 * i);
  for (int i = 9; i <= 15; ++i) EXPECT_EQ(s.Discharges[i].Flow, -1);
  EXPECT_EQ(s.Discharges[16].Flow, 160);
  EXPECT_EQ(s.Discharges[17].Flow, -1);
  EXPECT_EQ(s.PumpOutput.DischargePress, 123);
  EXPECT_EQ(s.PumpOutput.TotalFlow, 456);
}

// One tick's worth of the solution as the program runs it: solve from the
// previous pump pressure (150 psi), store, then gauge and nozzle pressures.
class EndToEndTest : public HydraulicsTest {
 protected:
  void Solve() {
    StoreLineSolution(s, SolveLines(s, 150));
    UpdateDischargeGauges(s);
    UpdateNozzlePressures(s);
  }
};

TEST_F(EndToEndTest, SingleLine) {
  // Valve 2, hose 1200, shut-off 8, nozzle 800: R = 2010, no elevation.
  // Pump S = 160.967 psi, loss 0.00003 psi/gpm^2.
  //  pass 1: H = 150 x 2.307692 = 346.1538, q = sqrt(346.1538/2010)
  //          = 0.414989 cfs, Q = 186.2470 gpm -> P = 160.967 - 1.0407
  //          = 159.926361
  //  pass 2: H = 369.0608, q = 0.428500, Q = 192.3109 -> P = 159.857496
  //  pass 3: H = 368.9019, q = 0.428408, Q = 192.2694 -> P = 159.857974
  //  pass 4: H = 368.9030, q = 0.42840850, Q = 192.269733 -> P = 159.857970
  // Gauge: 159.857970 - 2 x 0.4284085^2 x 0.433333 = 159.698908 psi.
  // Nozzle: 159.698908 - 1200 x 0.4284085^2 x 0.433333 = 64.261312 psi.
  Chain(1, 2, 1200, 8, 800);
  Solve();
  const TDischargeRec& d = s.Discharges[1];
  EXPECT_NEAR(s.PumpOutput.DischargePress, 159.857970, 1e-5);
  EXPECT_NEAR(s.PumpOutput.TotalFlow, 192.269733, 1e-5);
  EXPECT_NEAR(d.Flow, 192.269733, 1e-5);
  EXPECT_NEAR(d.DischPress, 159.698908, 1e-5);
  EXPECT_NEAR(d.HoseLoss, 1200 * 0.4284085 * 0.4284085, 1e-4);
  EXPECT_NEAR(d.NozzlePress, 64.261312, 1e-5);
}

TEST_F(EndToEndTest, SiamesePair) {
  // Lines 2 + 3 into line 2's nozzle: valves 2 each, supply hoses 300 (line
  // 2) and 600 (line 3), common hose 100, shut-off 4, nozzle 150.
  // Ra = 302, Rb = 602, R = 302 x 602 / 904 + 100 + 4 + 150 = 455.110619.
  //  pass 1: H = 346.1538, q = 0.872120, Q = 391.4073 -> P = 156.371009
  //  pass 2: H = 360.8562, q = 0.890448, Q = 399.6331 -> P = 156.175802
  //  pass 3: H = 360.4057, q = 0.889892, Q = 399.3836 -> P = 156.181783
  //  pass 4: H = 360.4195, q = 0.88990911, Q = 399.391211 -> P = 156.181600
  // Branches: q 602/904 = 0.592616 cfs (line 2), q 302/904 = 0.297293 (line 3).
  // Gauges: line 2: 156.181600 - 2 x 0.592616^2 x 0.433333 = 155.877231;
  //         line 3: 156.181600 - 2 x 0.297293^2 x 0.433333 = 156.105001.
  // Nozzle: 156.181600 - (100 q^2 + 300 x 0.592616^2) x 0.433333 = 76.209020.
  Chain(2, 2, 100, 4, 150);
  Chain(3, 2, 100, 4, 150);
  Siamese(2, 3);
  s.Discharges[2].BranchK[1] = s.Discharges[3].BranchK[2] = 300;
  s.Discharges[2].BranchK[2] = s.Discharges[3].BranchK[1] = 600;
  s.Discharges[3].NozzlePress = -7;  // the second line's is left alone
  Solve();
  EXPECT_NEAR(s.PumpOutput.DischargePress, 156.181600, 1e-5);
  EXPECT_NEAR(s.PumpOutput.TotalFlow, 399.391211, 1e-5);
  EXPECT_NEAR(s.Discharges[2].Flow, 399.391211, 1e-5);
  EXPECT_NEAR(s.Discharges[3].Flow, 399.391211, 1e-5);
  EXPECT_NEAR(s.Discharges[2].BranchFlow[1], 0.592616468, 1e-8);
  EXPECT_NEAR(s.Discharges[3].BranchFlow[1], 0.297292647, 1e-8);
  EXPECT_NEAR(s.Discharges[2].DischPress, 155.877231, 1e-5);
  EXPECT_NEAR(s.Discharges[3].DischPress, 156.105001, 1e-5);
  EXPECT_NEAR(s.Discharges[2].NozzlePress, 76.209020, 1e-5);
  EXPECT_EQ(s.Discharges[3].NozzlePress, -7);
}

TEST_F(EndToEndTest, WyeLine) {
  // Line 4: valve 2, trunk 200, branches 1200 each ending in shut-off 8 and
  // nozzle 800, nozzles 10 ft above the pump.
  // Ra = Rb = 2008, R = 2 + 2008/2 + 200 = 1206.
  //  pass 1: H = 346.1538 - 10 = 336.1538, q = 0.527953, Q = 236.9454
  //          -> P = 159.282707
  //  pass 2: H = 357.5755, q = 0.544515, Q = 244.3785 -> P = 159.175374
  //  pass 3: H = 357.3278, q = 0.544327, Q = 244.2939 -> P = 159.176615
  //  pass 4: H = 357.3307, q = 0.54432901, Q = 244.294860 -> P = 159.176601
  // Branch flow fields hold q (each branch carries q/2).
  // Gauge: 159.176601 - 2 q^2 x 0.433333 = 158.919812.
  // Nozzle: 159.176601 - (200 q^2 + (q^2/4) 1200 + 10) x 0.433333
  //       = 90.646219 (the nozzles' own pressure at q/2 each).
  TDischargeRec& d = Chain(4, 2, 200, 8, 800);
  d.Layout = 2;
  d.BranchK[1] = d.BranchK[2] = 1200;
  d.NozzleElev = 13;
  Solve();
  EXPECT_NEAR(s.PumpOutput.DischargePress, 159.176601, 1e-5);
  EXPECT_NEAR(d.Flow, 244.294860, 1e-5);
  EXPECT_NEAR(d.BranchFlow[1], 0.54432901, 1e-8);
  EXPECT_NEAR(d.BranchFlow[2], 0.54432901, 1e-8);
  EXPECT_NEAR(d.DischPress, 158.919812, 1e-5);
  EXPECT_NEAR(d.NozzlePress, 90.646219, 1e-5);
}

}  // namespace
}  // namespace pumpdrill::testing
