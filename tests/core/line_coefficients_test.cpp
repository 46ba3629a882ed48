#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "default_state.h"
#include "sim/coefficients.h"
#include "sim/hydrant.h"
#include "sim/loss_coefficients.h"
#include "sim/state.h"

namespace pumpdrill {
namespace {

double Pow4(double x) { return x * x * x * x; }

// A line of `feet` of 2-1/2 in hose at C 132 through a 2-1/2 in valve with
// a 1 in smooth bore, valve and nozzle open.
void MakeLine(State& s, int line, double feet) {
  TDischargeRec& d = s.Discharges[line];
  d.ValveDiam = 2.5 / 12;
  d.ValveOpen = 1;
  d.HoseLength = feet;
  d.HoseDiam = 2.5 / 12;
  d.HoseC = 132;
  d.ShutoffDiam = 2.5 / 12;
  d.NozzleOpen = 1;
  d.NozzleType = 0;
  d.TipDiam = 1.0 / 12;
  for (int k = 1; k <= 3; ++k) {
    d.BranchLength[k] = feet;
    d.BranchDiam[k] = d.HoseDiam;
    d.BranchK[k] = -1;
  }
}

std::unique_ptr<State> EightLines() {
  auto s = std::make_unique<State>();
  s->DischargeList.LineCount = 8;
  for (int i = 1; i <= 18; ++i) MakeLine(*s, i, 100 + 10 * i);
  return s;
}

TEST(LineCoefficients, ValveFromBoreAndOpening) {
  auto s = EightLines();
  s->Discharges[2].ValveOpen = 0.4;
  UpdateValveK(*s, 2);
  EXPECT_DOUBLE_EQ(s->Discharges[2].ValveDiam4, Pow4(2.5 / 12));
  EXPECT_DOUBLE_EQ(s->Discharges[2].ValveK, ValveLossK(Pow4(2.5 / 12), 0.4));
}

TEST(LineCoefficients, NozzleShutoffTipAndShutFlag) {
  auto s = EightLines();
  TDischargeRec& d = s->Discharges[3];
  d.NozzleOpen = 0;
  d.NozzleType = 1;
  d.NozzleCd = 0;
  UpdateNozzleK(*s, 3);
  EXPECT_DOUBLE_EQ(d.ShutoffDiam4, Pow4(2.5 / 12));
  EXPECT_DOUBLE_EQ(d.ShutoffK, ValveLossK(Pow4(2.5 / 12), 0));
  Double cd = 0;
  EXPECT_DOUBLE_EQ(d.NozzleK, NozzleLossK(1, Pow4(1.0 / 12), cd));
  EXPECT_EQ(d.NozzleCd, 0.313);
  EXPECT_TRUE(d.NozzleShut);
  d.NozzleOpen = 0.5;
  UpdateNozzleK(*s, 3);
  EXPECT_FALSE(d.NozzleShut);
}

TEST(LineCoefficients, TipBoreOutsideItsRangeBecomesSixInches) {
  auto s = EightLines();
  TDischargeRec& d = s->Discharges[1];
  for (double bad : {0.0, 0.049, 10.01, -1.0, std::nan("")}) {
    d.TipDiam = bad;
    UpdateNozzleK(*s, 1);
    EXPECT_EQ(d.TipDiam, 0.5) << bad;
  }
  for (double good : {0.05, 1.0 / 12, 10.0}) {
    d.TipDiam = good;
    UpdateNozzleK(*s, 1);
    EXPECT_EQ(d.TipDiam, good);
  }
}

TEST(LineCoefficients, SingleLineHoseAndNoPartners) {
  auto s = EightLines();
  NullHost host;
  TDischargeRec& d = s->Discharges[2];
  d.Partner[1] = 2;
  d.Partner[2] = 5;
  UpdateLineCoefficients(*s, 2, host);
  EXPECT_DOUBLE_EQ(d.HoseK, HoseFrictionK(120, 132, 2.5 / 12, host));
  EXPECT_EQ(d.Partner[1], 0);
  EXPECT_EQ(d.Partner[2], 0);
  EXPECT_EQ(d.BranchK[1], -1);  // a single line has no branches
}

TEST(LineCoefficients, WyeBranchesWithoutPartner) {
  auto s = EightLines();
  NullHost host;
  TDischargeRec& d = s->Discharges[4];
  d.Layout = 2;
  d.BranchLength[1] = 150;
  d.BranchDiam[1] = 1.75 / 12;
  d.BranchLength[2] = 200;
  d.BranchDiam[2] = 1.5 / 12;
  UpdateLineCoefficients(*s, 4, host);
  EXPECT_DOUBLE_EQ(d.BranchK[1], HoseFrictionK(150, 132, 1.75 / 12, host));
  EXPECT_DOUBLE_EQ(d.BranchK[2], HoseFrictionK(200, 132, 1.5 / 12, host));
  EXPECT_EQ(s->SiameseSecondary.bits, 0);
}

// Line 2 and line 5 feeding a siamese into line 2's hose and nozzle.
void MakeSiamese(State& s, int first, int second) {
  TDischargeRec& d = s.Discharges[first];
  d.Layout = 1;
  d.Partner[1] = static_cast<SmallInt>(first);
  d.Partner[2] = static_cast<SmallInt>(second);
  d.HoseC = 140;
  d.BranchLength[1] = 100;
  d.BranchDiam[1] = 2.5 / 12;
  d.BranchLength[2] = 300;
  d.BranchDiam[2] = 3.0 / 12;
}

TEST(LineCoefficients, SiameseMirrorsOntoItsPartner) {
  auto s = EightLines();
  NullHost host;
  MakeSiamese(*s, 2, 5);
  UpdateLineCoefficients(*s, 2, host);
  const TDischargeRec& d = s->Discharges[2];
  const TDischargeRec& m = s->Discharges[5];
  EXPECT_DOUBLE_EQ(d.BranchK[1], HoseFrictionK(100, 140, 2.5 / 12, host));
  EXPECT_DOUBLE_EQ(d.BranchK[2], HoseFrictionK(300, 140, 3.0 / 12, host));
  EXPECT_EQ(m.Layout, 1);
  EXPECT_EQ(m.Partner[1], 5);
  EXPECT_EQ(m.Partner[2], 2);
  EXPECT_EQ(m.HoseK, d.HoseK);
  EXPECT_EQ(m.HoseC, 140);
  EXPECT_EQ(m.BranchLength[1], 300);
  EXPECT_EQ(m.BranchLength[2], 100);
  EXPECT_EQ(m.BranchDiam[1], 3.0 / 12);
  EXPECT_EQ(m.BranchK[1], d.BranchK[2]);
  EXPECT_EQ(m.BranchK[2], d.BranchK[1]);
  EXPECT_TRUE(s->SiameseSecondary.Contains(5));
  EXPECT_FALSE(s->SiameseSecondary.Contains(2));
  // The partner's own hose length stays its own.
  EXPECT_EQ(m.HoseLength, 150);

  // A burst first line frees its partner, which carries the burst too.
  s->Discharges[2].LineBurst = 1;
  UpdateLineCoefficients(*s, 2, host);
  EXPECT_FALSE(s->SiameseSecondary.Contains(5));
  EXPECT_TRUE(s->Discharges[5].LineBurst);
}

TEST(LineCoefficients, SiameseWithoutAValidPartnerMirrorsNothing) {
  auto s = EightLines();
  NullHost host;
  for (int bad : {0, 3, 16, 19, -2, 300}) {
    MakeSiamese(*s, 3, bad);
    UpdateLineCoefficients(*s, 3, host);
    EXPECT_EQ(s->SiameseSecondary.bits, 0) << bad;
    EXPECT_DOUBLE_EQ(s->Discharges[3].BranchK[2], HoseFrictionK(300, 140, 3.0 / 12, host));
  }
}

TEST(LineCoefficients, AllLinesKeepASiamesePairWhole) {
  auto s = EightLines();
  NullHost host;
  MakeSiamese(*s, 6, 3);  // the higher line is the first of the pair
  UpdateLineCoefficients(*s, 6, host);
  ASSERT_TRUE(s->SiameseSecondary.Contains(3));
  // The second line's own valve and nozzle change; its hose data must stay
  // the mirror of line 6 however often every line is recomputed.
  s->Discharges[3].ValveOpen = 0.5;
  s->Discharges[3].NozzleOpen = 0;
  UpdateAllLineCoefficients(*s, host);
  UpdateAllLineCoefficients(*s, host);
  EXPECT_TRUE(s->SiameseSecondary.Contains(3));
  EXPECT_FALSE(s->SiameseSecondary.Contains(6));
  EXPECT_EQ(s->Discharges[3].Partner[2], 6);
  EXPECT_EQ(s->Discharges[3].BranchLength[1], 300);
  EXPECT_DOUBLE_EQ(s->Discharges[3].ValveK, ValveLossK(Pow4(2.5 / 12), 0.5));
  EXPECT_TRUE(s->Discharges[3].NozzleShut);
  EXPECT_EQ(s->Discharges[6].Partner[2], 3);
}

TEST(LineCoefficients, AllLinesDropMarksThatNoLongerFormAPair) {
  auto s = EightLines();
  NullHost host;
  // Marks left over from another exercise: line 4 is now a single line,
  // and 0 and 15 are no pair at all.
  s->SiameseSecondary.Add(4);
  s->SiameseSecondary.Add(0);
  s->SiameseSecondary.Add(15);
  UpdateAllLineCoefficients(*s, host);
  EXPECT_EQ(s->SiameseSecondary.bits, 0);
  EXPECT_DOUBLE_EQ(s->Discharges[4].HoseK, HoseFrictionK(140, 132, 2.5 / 12, host));

  // A loaded pair with neither line marked: the lower line becomes the first.
  MakeSiamese(*s, 7, 2);
  TDischargeRec& m = s->Discharges[2];
  m.Layout = 1;
  m.Partner[1] = 2;
  m.Partner[2] = 7;
  UpdateAllLineCoefficients(*s, host);
  EXPECT_TRUE(s->SiameseSecondary.Contains(7));
  EXPECT_FALSE(s->SiameseSecondary.Contains(2));
  // Both marked: the pair would never flow; the lower becomes the first.
  s->SiameseSecondary.Add(2);
  UpdateAllLineCoefficients(*s, host);
  EXPECT_FALSE(s->SiameseSecondary.Contains(2));
  EXPECT_TRUE(s->SiameseSecondary.Contains(7));
}

TEST(LineCoefficients, LinesInUseLeaveTheOthersAlone) {
  auto s = EightLines();
  NullHost host;
  s->DischargeList.LineCount = 3;
  UpdateLinesInUseCoefficients(*s, host);
  for (int i : {1, 2, 3, 16, 17, 18}) EXPECT_GT(s->Discharges[i].HoseK, 0) << i;
  for (int i : {4, 8, 15}) EXPECT_EQ(s->Discharges[i].HoseK, 0) << i;
  EXPECT_EQ(s->Discharges[19].HoseK, 0);
}

TEST(Hydrant, CoefficientsFromRatingAndStaticPressure) {
  State s{};
  s.Supply.RatedSupplyFlow = 3000;
  s.Supply.StaticPress = 100;
  CalcHydrantCoefficients(s);
  double a = 3000 * 0.0022281639928698753 / 3;
  double b = 100.0 / 10 * 2.3076923076923075;
  double d = std::pow(0.00356 * a * a / b, 0.25);
  EXPECT_DOUBLE_EQ(s.Supply.SupplyEquivDiam, d);
  double t = 0.936 + 0.000001;
  EXPECT_DOUBLE_EQ(s.Supply.SupplyK, 8 * (1 / (t * t) - 1) / (317.80072484482 * Pow4(d)));
  // A stronger hydrant has a wider equivalent bore and loses less.
  State t2 = s;
  t2.Supply.RatedSupplyFlow = 1000;
  CalcHydrantCoefficients(t2);
  EXPECT_LT(t2.Supply.SupplyEquivDiam, d);
  EXPECT_GT(t2.Supply.SupplyK, s.Supply.SupplyK);
}

TEST(Hydrant, NoStaticPressureKeepsThePreviousCoefficients) {
  State s{};
  s.Supply.RatedSupplyFlow = 3000;
  s.Supply.StaticPress = 80;
  CalcHydrantCoefficients(s);
  double d = s.Supply.SupplyEquivDiam, k = s.Supply.SupplyK;
  for (double p : {0.0, -10.0}) {
    s.Supply.StaticPress = p;
    CalcHydrantCoefficients(s);
    EXPECT_EQ(s.Supply.SupplyEquivDiam, d);
    EXPECT_EQ(s.Supply.SupplyK, k);
    EXPECT_TRUE(std::isfinite(s.Supply.SupplyK));
  }
}

// The default apparatus comes with every coefficient computed, as a load
// recomputes them: nothing is left at zero for the solution to divide by.
TEST(DefaultCoefficients, EveryLineAndThePumpAndHydrant) {
  auto s = testing::MakeDefaultState();
  NullHost host;
  for (int i = 1; i <= 18; ++i) {
    const TDischargeRec& d = s->Discharges[i];
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(d.ValveK, ValveLossK(Pow4(d.ValveDiam), d.ValveOpen));
    EXPECT_DOUBLE_EQ(d.ShutoffK, ValveLossK(Pow4(d.ShutoffDiam), d.NozzleOpen));
    EXPECT_DOUBLE_EQ(d.HoseK, HoseFrictionK(d.HoseLength, d.HoseC, d.HoseDiam, host));
    EXPECT_GT(d.HoseK, 0);
    EXPECT_EQ(d.NozzleShut, d.NozzleOpen <= 0);
    if (d.NozzleType == 4) {
      EXPECT_EQ(d.NozzleK, 0);
    } else {
      EXPECT_GT(d.NozzleK, 0);
    }
  }
  EXPECT_EQ(s->Discharges[19].HoseK, 0);
  // 150 ft of 2-1/2 in at C 132 on line 1.
  EXPECT_EQ(s->Discharges[1].HoseC, 132);
  // 1-1/2 in hose on line 6 takes the C of "1-1/2".
  EXPECT_EQ(s->Discharges[6].HoseC, 125);
  EXPECT_NEAR(s->Pump.PumpLossK[1], 0.00003, 1e-15);
  EXPECT_NEAR(s->Pump.PumpLossK[2], 0.00003, 1e-15);
  EXPECT_GT(s->Supply.SupplyEquivDiam, 0);
  EXPECT_GT(s->Supply.SupplyK, 0);
  EXPECT_EQ(s->SiameseSecondary.bits, 0);
}

}  // namespace
}  // namespace pumpdrill
