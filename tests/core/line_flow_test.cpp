// Line flows at a fixed pump pressure: every layout, burst lines, the flow
// limits and the two nozzles that set their own flow. At 100 psi the pump
// drives every line with H = 100 x 144 / 62.4 = 230.769 ft.
#include <gtest/gtest.h>

#include <cmath>

#include "hydraulics_fixture.h"
#include "sim/line_flow_between.h"
#include "sim/operating_point.h"

namespace pumpdrill::testing {
namespace {

using LineFlowTest = HydraulicsTest;

TEST_F(LineFlowTest, ShutValveOrShutNozzleCarriesNoFlow) {
  Chain(1, 2, 200, 8, 800);
  Chain(2, 2, 200, 8, 800);
  ShutValve(1);
  ShutNozzle(2);
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  EXPECT_EQ(r.Flow[1], 0);
  EXPECT_EQ(r.Flow[2], 0);
  EXPECT_EQ(r.TotalFlow, 0);
  EXPECT_EQ(r.Press, 100);
}

TEST_F(LineFlowTest, SingleLineFlowsAsHeadOverResistanceWithElevation) {
  // R = 2 + 200 + 8 + 800 = 1010; the nozzle 23.0769 ft (10 psi) above the
  // pump: H = 230.769 - 23.077 = 207.692 ft, q = sqrt(207.692 / 1010)
  // = 0.453469 cfs = 203.517 gpm.
  Chain(1, 2, 200, 8, 800).NozzleElev = 3 + 23.076923076923077;
  Chain(16, 1, 0, 1, 0);
  ShutValve(16);
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  EXPECT_NEAR(s.Discharges[1].ElevDiff, 23.076923, 1e-6);
  EXPECT_NEAR(r.Flow[1], 448.8 * std::sqrt(207.692307692 / 1010), 1e-6);
  EXPECT_NEAR(r.TotalFlow, r.Flow[1], 1e-9);
}

TEST_F(LineFlowTest, OnlyLinesInUseAndTheTankFillAreSolved) {
  for (int i = 1; i <= 18; ++i) Chain(i, 2, 200, 8, 800);
  s.DischargeList.LineCount = 3;
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  const double q = 448.8 * std::sqrt(230.769230769 / 1010);
  for (int i = 1; i <= 3; ++i) EXPECT_NEAR(r.Flow[i], q, 1e-6) << i;
  for (int i = 4; i <= 15; ++i) EXPECT_EQ(r.Flow[i], 0) << i;
  EXPECT_NEAR(r.Flow[16], q, 1e-6);
  EXPECT_EQ(r.Flow[17], 0);
  EXPECT_EQ(r.Flow[18], 0);
  EXPECT_NEAR(r.TotalFlow, 4 * q, 1e-6);
}

TEST_F(LineFlowTest, BurstLineFlowsThroughItsValveAloneWhateverItsNozzle) {
  // H = 230.769 ft, R = ValveK = 2: q = 10.741723 cfs = 4820.885 gpm; the
  // elevation and the rest of the chain play no part.
  Chain(1, 2, 200, 8, 800).LineBurst = true;
  s.Discharges[1].NozzleElev = 50;
  ShutNozzle(1);
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  EXPECT_NEAR(r.Flow[1], 4820.885332, 1e-5);
  // A shut valve still stops it.
  ShutValve(1);
  EXPECT_EQ(SolveLinesAtPressure(s, 100, host).Flow[1], 0);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LineFlowTest, UncoupledLineIsBurstOnlyStrictlyInsideItsTimeWindow) {
  Chain(3, 2, 200, 8, 800);
  ShutNozzle(3);
  TIncidentRec& u = s.Incidents[9];
  u.Use = true;
  u.Line = 3;
  u.StartTime() = 10;
  u.StopTime = 20;
  const double burst = 4820.885332;
  for (double t : {9.0, 10.0, 20.0, 25.0}) {
    s.SimClock.Time = t;
    EXPECT_EQ(SolveLinesAtPressure(s, 100, host).Flow[3], 0) << t;
  }
  for (double t : {10.001, 15.0, 19.999}) {
    s.SimClock.Time = t;
    EXPECT_NEAR(SolveLinesAtPressure(s, 100, host).Flow[3], burst, 1e-5) << t;
  }
  // Another line, or the incident not in use: no effect.
  s.SimClock.Time = 15;
  u.Line = 4;
  EXPECT_EQ(SolveLinesAtPressure(s, 100, host).Flow[3], 0);
  u.Line = 3;
  u.Use = false;
  EXPECT_EQ(SolveLinesAtPressure(s, 100, host).Flow[3], 0);
}

TEST_F(LineFlowTest, BurstLineWithoutValveCoefficientWarnsOncePerSolution) {
  Chain(1, 0, 200, 8, 800).LineBurst = true;
  Chain(2, 0, 200, 8, 800).LineBurst = true;
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  EXPECT_EQ(r.Flow[1], 0);
  EXPECT_EQ(r.Flow[2], 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "Error E04");
  // The coupled solution gives the same lines no flow without a word.
  SolveLines(s, 100);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(LineFlowTest, FlowBelowTwoThousandthsCfsReadsZeroAndHugeFlowIsCut) {
  // q = sqrt(H / R) = 0.0019 cfs (0.85 gpm) is no flow; 0.0021 cfs counts.
  const double h = kFeetPer100Psi;
  Chain(1, h / (0.0019 * 0.0019), 0, 0, 0);
  Chain(2, h / (0.0021 * 0.0021), 0, 0, 0);
  Chain(3, h / (2e5 * 2e5), 0, 0, 0);
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  EXPECT_EQ(r.Flow[1], 0);
  EXPECT_NEAR(r.Flow[2], 0.0021 * 448.8, 1e-9);
  EXPECT_NEAR(r.Flow[3], 100000 * 448.8, 1e-3);
}

TEST_F(LineFlowTest, NegativeHeadGivesNoFlow) {
  // The nozzle 300 ft up: 230.769 ft of pump head cannot lift the water.
  Chain(1, 2, 200, 8, 800).NozzleElev = 303;
  EXPECT_EQ(SolveLinesAtPressure(s, 100, host).Flow[1], 0);
  EXPECT_EQ(SolveLinesAtPressure(s, -5, host).TotalFlow, 0);
}

// Siamese pair 2 (first) + 3 (second): valves 2 each, supply hoses 300 and
// 600, common hose 100, shut-off 4, nozzle 150.
class SiameseFlowTest : public HydraulicsTest {
 protected:
  void SetUp() override {
    HydraulicsTest::SetUp();
    Chain(2, 2, 100, 4, 150);
    Chain(3, 2, 100, 4, 150);
    Siamese(2, 3);
    s.Discharges[2].BranchK[1] = 300;
    s.Discharges[2].BranchK[2] = 600;
    s.Discharges[3].BranchK[1] = 600;
    s.Discharges[3].BranchK[2] = 300;
  }
};

TEST_F(SiameseFlowTest, BothValvesOpenShareTheFlowAndMirrorIntoThePartner) {
  // Ra = 2 + 300 = 302, Rb = 2 + 600 = 602; Ra Rb / (Ra + Rb) = 201.1106;
  // R = 201.1106 + 100 + 4 + 150 = 455.1106 (shut-off and nozzle included);
  // q = sqrt(230.769 / 455.1106) = 0.712083 cfs = 319.583 gpm;
  // branch 1 = q 602/904 = 0.474197, branch 2 = q 302/904 = 0.237886 cfs.
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  EXPECT_NEAR(r.Flow[2], 319.582739, 1e-5);
  EXPECT_NEAR(r.Flow[3], 319.582739, 1e-5);
  EXPECT_NEAR(r.TotalFlow, 319.582739, 1e-5);  // counted once
  EXPECT_NEAR(s.Discharges[2].BranchFlow[1], 0.474196700, 1e-8);
  EXPECT_NEAR(s.Discharges[2].BranchFlow[2], 0.237886052, 1e-8);
  EXPECT_NEAR(s.Discharges[3].BranchFlow[1], 0.237886052, 1e-8);
  EXPECT_NEAR(s.Discharges[3].BranchFlow[2], 0.474196700, 1e-8);
}

TEST_F(SiameseFlowTest, OneValveShutFeedsEverythingThroughTheOther) {
  // Own valve shut: R = 2 + 600 + 254 = 856, q = 0.519221 cfs = 233.026 gpm.
  ShutValve(2);
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  EXPECT_NEAR(r.Flow[2], 233.026288, 1e-5);
  EXPECT_EQ(s.Discharges[2].BranchFlow[1], 0);
  EXPECT_NEAR(s.Discharges[2].BranchFlow[2], 0.519220784, 1e-8);
  EXPECT_NEAR(s.Discharges[3].BranchFlow[1], 0.519220784, 1e-8);
  // Partner's valve shut: R = 2 + 300 + 254 = 556, q = 0.644246 cfs.
  s.Discharges[2].ValveShut = false;
  ShutValve(3);
  r = SolveLinesAtPressure(s, 100, host);
  EXPECT_NEAR(r.Flow[2], 289.137488, 1e-5);
  EXPECT_NEAR(r.Flow[3], 289.137488, 1e-5);
  EXPECT_NEAR(s.Discharges[2].BranchFlow[1], 0.644245740, 1e-8);
  EXPECT_EQ(s.Discharges[2].BranchFlow[2], 0);
}

TEST_F(SiameseFlowTest, NoFlowCasesClearBothLinesAndBranches) {
  SolveLinesAtPressure(s, 100, host);  // leaves branch flows behind
  ShutValve(2);
  ShutValve(3);
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  EXPECT_EQ(r.Flow[2], 0);
  EXPECT_EQ(r.Flow[3], 0);
  for (int i : {2, 3}) {
    EXPECT_EQ(s.Discharges[i].BranchFlow[1], 0);
    EXPECT_EQ(s.Discharges[i].BranchFlow[2], 0);
  }
  // The pair's nozzle is the first line's: shut, nothing flows.
  s.Discharges[2].ValveShut = s.Discharges[3].ValveShut = false;
  ShutNozzle(2);
  EXPECT_EQ(SolveLinesAtPressure(s, 100, host).Flow[2], 0);
}

TEST_F(LineFlowTest, WyeLineSolvesTrunkAndBranchesAndStoresItsFlowAsBranchFlows) {
  // Valve 2, trunk 200, branches 1200 each with shut-off 8 and nozzle 800:
  // Ra = Rb = 2008, Ra Rb / (Ra + Rb) = 1004, R = 2 + 1004 + 200 = 1206.
  // Nozzles 10 ft up: q = sqrt((230.769 - 10) / 1206) = 0.427854 cfs.
  TDischargeRec& d = Chain(4, 2, 200, 8, 800);
  d.Layout = 2;
  d.BranchK[1] = d.BranchK[2] = 1200;
  d.NozzleElev = 13;
  LineSolution r = SolveLinesAtPressure(s, 100, host);
  EXPECT_NEAR(r.Flow[4], 192.020885, 1e-5);
  EXPECT_NEAR(d.BranchFlow[1], 0.427854021, 1e-8);
  EXPECT_NEAR(d.BranchFlow[2], 0.427854021, 1e-8);
}

// The automatic nozzle on a line of valve 2, hose 200, shut-off 8 (R without
// nozzle 210), range 95 to 200 gpm.
class AutomaticNozzleTest : public HydraulicsTest {
 protected:
  void SetUp() override {
    HydraulicsTest::SetUp();
    TDischargeRec& d = Chain(1, 2, 200, 8, 0);
    d.NozzleType = 2;
    d.AutoGpmMin = 95;
    d.AutoGpmMax = 200;
  }
};

TEST_F(AutomaticNozzleTest, HoldsTheTargetFlowWithinItsRange) {
  // 150 psi: against 100 psi at the tip the line passes
  // 448.8 sqrt(2.3077 x 50 / 210) = 332.67 gpm, above the range: 200 gpm.
  // NozzleK = 230.769 / (200/448.8)^2 = 1162.0468;
  // q = sqrt(346.154 / 1372.0468) = 0.502285 cfs = 225.425 gpm.
  LineSolution r = SolveLinesAtPressure(s, 150, host);
  EXPECT_NEAR(s.Discharges[1].NozzleK, 1162.046769, 1e-5);
  EXPECT_NEAR(r.Flow[1], 225.425463, 1e-5);
}

TEST_F(AutomaticNozzleTest, LowOrUnsolvableTargetTakesTheRangeMinimum) {
  // 101 psi: 47.05 gpm against 100 psi, below the range: 95 gpm;
  // NozzleK = 5150.3458, q = sqrt(233.077 / 5360.3458) = 93.585 gpm.
  EXPECT_NEAR(SolveLinesAtPressure(s, 101, host).Flow[1], 93.584965, 1e-5);
  // 90 psi: no head against 100 psi (error -999): also 95 gpm.
  EXPECT_NEAR(SolveLinesAtPressure(s, 90, host).Flow[1], 88.341883, 1e-5);
  EXPECT_NEAR(s.Discharges[1].NozzleK, 5150.345792, 1e-5);
}

TEST_F(AutomaticNozzleTest, NoHeadOrZeroTargetGivesNoFlowAndKeepsTheTip) {
  TDischargeRec& d = s.Discharges[1];
  d.NozzleK = 777;
  d.NozzleElev = 500;
  EXPECT_EQ(SolveLinesAtPressure(s, 150, host).Flow[1], 0);
  d.NozzleElev = 3;
  d.AutoGpmMin = d.AutoGpmMax = 0;
  EXPECT_EQ(SolveLinesAtPressure(s, 150, host).Flow[1], 0);
  EXPECT_EQ(d.NozzleK, 777);
}

// A selectable-gallonage nozzle set to 125 gpm (rated 100 psi) on the same
// line: qs = 125/448.8 = 0.278520 cfs, whose hose and shut-off loss is
// 208 qs^2 = 16.1353 ft. Its band of nozzle head, 219.231 ft (95 psi) to
// 242.308 ft (105 psi), lies between pump pressures 101.99 and 111.99 psi.
class GallonageNozzleTest : public HydraulicsTest {
 protected:
  void SetUp() override {
    HydraulicsTest::SetUp();
    TDischargeRec& d = Chain(1, 2, 200, 8, 0);
    d.NozzleType = 3;
    d.NozzleRatedPress = 100;
    d.GpmSetting[1] = 95;
    d.GpmSetting[2] = 125;
    d.GpmIndex = 2;
  }
};

TEST_F(GallonageNozzleTest, HoldsItsSetFlowInsideItsBand) {
  for (double p : {102.0, 105.0, 108.0, 111.9})
    EXPECT_NEAR(SolveLinesAtPressure(s, p, host).Flow[1], 125.0, 1e-9) << p;
  s.Discharges[1].GpmIndex = 1;
  EXPECT_NEAR(SolveLinesAtPressure(s, 105, host).Flow[1], 95.0, 1e-9);
}

TEST_F(GallonageNozzleTest, AboveItsBandTheFlowFollowsTheLine) {
  // 150 psi: H = 346.154, Hn = 330.019;
  // Hn' = (230.769 + 330.019 + 11.538)/2 = 286.163 ft;
  // q = sqrt((346.154 - 286.163) / 210) = 0.534481 cfs = 239.875 gpm.
  EXPECT_NEAR(SolveLinesAtPressure(s, 150, host).Flow[1], 239.875175, 1e-5);
}

TEST_F(GallonageNozzleTest, BelowItsBandAtLeastTheRatedOrificeFlows) {
  // 80 psi: H = 184.615, Hn = 168.480; Hn' = (230.769 + 168.480 - 11.538)/2
  // = 193.855 ft exceeds H: the line itself gives nothing. The orifice for
  // 125 gpm at 100 psi, Kn = 230.769 / qs^2 = 2974.8397, passes
  // sqrt(184.615 / 3184.8397) = 0.240763 cfs = 108.055 gpm.
  EXPECT_NEAR(SolveLinesAtPressure(s, 80, host).Flow[1], 108.054536, 1e-5);
  // 98 psi: the line gives 105.16 gpm, the orifice 119.59 gpm: the larger.
  EXPECT_NEAR(SolveLinesAtPressure(s, 98, host).Flow[1], 119.594456, 1e-5);
}

TEST_F(GallonageNozzleTest, NoSettingGivesNoFlow) {
  s.Discharges[1].GpmIndex = 3;  // a setting of 0 gpm
  EXPECT_EQ(SolveLinesAtPressure(s, 105, host).Flow[1], 0);
  s.Discharges[1].GpmIndex = 0;  // no valid entry
  EXPECT_EQ(SolveLinesAtPressure(s, 80, host).Flow[1], 0);
}

TEST_F(LineFlowTest, LineFlowBetweenByLayoutAndItsErrorValue) {
  // Single: R = 2 + 200 + 8 (no nozzle); 50 psi and 10 ft down:
  // H = 115.385 + 10, Q = 448.8 sqrt(125.385 / 210) = 346.79 gpm.
  Chain(1, 2, 200, 8, 800);
  int err = -1;
  EXPECT_NEAR(LineFlowBetween(s, 1, 150, 100, 13, 3, err),
              448.8 * std::sqrt((115.384615385 + 10) / 210), 1e-6);
  EXPECT_EQ(err, 0);
  EXPECT_EQ(LineFlowBetween(s, 1, 100, 150, 3, 3, err), -999);
  EXPECT_EQ(err, 5);
  // Wye: R = 2 + (1208 x 1208 / 2416)/2 + 200 = 504; no head gives 0.
  TDischargeRec& w = Chain(4, 2, 200, 8, 800);
  w.Layout = 2;
  w.BranchK[1] = w.BranchK[2] = 1200;
  EXPECT_NEAR(LineFlowBetween(s, 4, 150, 100, 3, 3, err),
              448.8 * std::sqrt(115.384615385 / 504), 1e-6);
  EXPECT_EQ(LineFlowBetween(s, 4, 100, 100, 3, 3, err), 0);
  EXPECT_EQ(err, 5);
}

TEST_F(SiameseFlowTest, LineFlowBetweenOfASiamesePair) {
  // R = (302 x 602 / 904)/2 + 100 + 4 = 204.5553.
  int err = -1;
  EXPECT_NEAR(LineFlowBetween(s, 2, 150, 100, 3, 3, err),
              448.8 * std::sqrt(115.384615385 / (181804.0 / 904 / 2 + 104)), 1e-6);
  EXPECT_EQ(LineFlowBetween(s, 2, 100, 100, 3, 3, err), -999);
  EXPECT_EQ(err, 5);
}

TEST_F(LineFlowTest, IntakeLineIncludesShutoffAndHydrantExceptAtDraft) {
  // A collapsed intake (shut-off nearly shut) must limit the flow: R =
  // valve 1 + hose 20 + shut-off 500 + hydrant 30.
  Chain(18, 1, 20, 500, 0);
  s.Supply.SupplyK = 30;
  int err = -1;
  const double h = 2.3076923076923075 * 50;
  EXPECT_NEAR(LineFlowBetween(s, 18, 50, 0, 3, 3, err), 448.8 * std::sqrt(h / 551), 1e-6);
  s.Supply.SupplyType = 1;  // draft
  EXPECT_NEAR(LineFlowBetween(s, 18, 50, 0, 3, 3, err), 448.8 * std::sqrt(h / 521), 1e-6);
}

}  // namespace
}  // namespace pumpdrill::testing
