#include "setup/hose_setup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "default_state.h"
#include "frame/configuration.h"
#include "recording_host.h"
#include "setup/hose_descriptions.h"
#include "setup/line_summary.h"
#include "sim/coefficients.h"
#include "sim/operating_point.h"
#include "sim/state.h"
#include "sim/valve_change.h"
#include "units_configuration.h"

namespace pumpdrill {
namespace {

Configuration Units(bool metric, bool bars = false) {
  return testing::UnitsConfiguration(metric, bars);
}

TEST(HoseDescriptions, BothUnits) {
  auto s = testing::MakeDefaultState();
  EXPECT_EQ(HoseDescription(Units(false).Units, 150, 2.5 / 12), "150 ft  of  2-1/2  inch");
  EXPECT_EQ(HoseDescription(Units(true).Units, 150, 2.5 / 12), "46 m  of  63.75  mm");
  EXPECT_EQ(LayoutText(kSiameseLayout), "siamese");
  EXPECT_EQ(LayoutPictureName(*s, 2, kWyeLayout), "HOSE_WYE");
  EXPECT_EQ(LayoutPictureName(*s, kIntakeLine, kSingleLength), "HOSE_SINGLE");
  s->Supply.SupplyType = 1;  // draft
  EXPECT_EQ(LayoutPictureName(*s, kIntakeLine, kSingleLength), "HOSE_DRAFT");
  EXPECT_EQ(LayoutPictureName(*s, 2, kSingleLength), "HOSE_SINGLE");
}

TEST(HoseSetup, EntriesGoToTheSidesOfTheLayout) {
  auto s = testing::MakeDefaultState();
  Configuration cfg = Units(false);
  HoseSetup h(*s, cfg, 3);
  std::string error;
  ASSERT_TRUE(h.Commit(HoseField::DiamLeft, "2-1/2", error));
  EXPECT_DOUBLE_EQ(h.Copy().HoseDiam, 2.5 / 12);
  h.SetLayout(kWyeLayout);
  ASSERT_TRUE(h.Commit(HoseField::LengthRight, "50", error));
  ASSERT_TRUE(h.Commit(HoseField::DiamRight, "1-1/2", error));
  EXPECT_EQ(h.Copy().BranchLength[1], 50);
  EXPECT_EQ(h.Copy().BranchLength[2], 50);
  EXPECT_DOUBLE_EQ(h.Copy().BranchDiam[2], 1.5 / 12);
  EXPECT_EQ(h.SideDescription(false), "50 ft  of  1-1/2  inch");
  h.SetLayout(kSiameseLayout);
  ASSERT_TRUE(h.Commit(HoseField::LengthLeft, "300", error));
  EXPECT_EQ(h.Copy().BranchLength[1], 300);
  EXPECT_EQ(h.Copy().BranchLength[2], 300);
  EXPECT_EQ(h.FieldText(HoseField::LengthRight), "350");  // the hose after the siamese
}

TEST(HoseSetup, BadTextsKeepTheValue) {
  struct Case {
    bool metric;
    HoseField field;
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {false, HoseField::LengthLeft, "1O0", "Invalid character in number"},
      {false, HoseField::LengthLeft, "0", "Invalid value entered."},
      {false, HoseField::LengthLeft, "-5", "Invalid value entered."},
      {false, HoseField::LengthLeft, "", "No value entered."},
      {false, HoseField::DiamLeft, "2-1/2x", "Invalid character in number"},
      {false, HoseField::DiamLeft, "0", "Invalid value entered."},
      {false, HoseField::DiamLeft, " ", "No value entered."},
      {false, HoseField::OutletElev, "1.2.3", "Invalid value entered."},
      {false, HoseField::InletElev, "", "No value entered."},
      // Beyond any hose: refused with the range, in the units shown.
      {false, HoseField::LengthLeft, "25000",
       "Hose length 25000 ft is outside its range, 0 to 20000 ft.  Value unchanged."},
      {false, HoseField::DiamLeft, "30",
       "Hose diameter 30 inch is outside its range, 0 to 24 inch.  Value unchanged."},
      {false, HoseField::OutletElev, "-6000",
       "Outlet elevation -6000 ft is outside its range, -5000 to 5000 ft.  Value unchanged."},
      {true, HoseField::LengthRight, "7000",
       "Hose length 7000 m is outside its range, 0 to 6100 m.  Value unchanged."},
      {true, HoseField::DiamRight, "700",
       "Hose diameter 700 mm is outside its range, 0 to 612 mm.  Value unchanged."},
      {true, HoseField::InletElev, "1600.5",
       "Inlet elevation 1600.5 m is outside its range, -1525 to 1525 m.  Value unchanged."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto s = testing::MakeDefaultState();
    s->Discharges[2].Layout = kWyeLayout;
    Configuration cfg = Units(c.metric);
    HoseSetup h(*s, cfg, 2);
    const TDischargeRec before = h.Copy();
    std::string error;
    EXPECT_FALSE(h.Commit(c.field, c.text, error));
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(std::memcmp(&before, &h.Copy(), sizeof before), 0);
  }
}

TEST(HoseSetup, ElevationWithinTheHoseLength) {
  auto s = testing::MakeDefaultState();
  Configuration cfg = Units(false);
  s->Discharges[5].HoseLength = 100;
  struct Case {
    const char* outlet;
    bool ok;
  };
  for (const Case& c : {Case{"120", false}, {"100", true}, {"-100", true}, {"-120", false}}) {
    auto t = std::make_unique<State>(*s);
    RecordingHost host;
    HoseSetup h(*t, cfg, 5);
    std::string error;
    ASSERT_TRUE(h.Commit(HoseField::InletElev, "0", error));
    ASSERT_TRUE(h.Commit(HoseField::OutletElev, c.outlet, error));
    EXPECT_EQ(h.Ok(*t, host), c.ok) << c.outlet;
    if (!c.ok) {
      EXPECT_EQ(
          host.Texts(),
          "Difference in hose inlet-to-outlet elevation cannot be greater than hose length.\n");
      EXPECT_EQ(std::memcmp(s.get(), t.get(), sizeof(State)), 0);
    }
  }
}

// Line 3 a siamese fed by its own valve and line 7's.
void MakeSiamese(State& s, const Configuration& cfg) {
  s.Discharges[7].LineBurst = true;  // not in use
  HoseSetup h(s, cfg, 3);
  h.SetLayout(kSiameseLayout);
  h.SetPartner(2, 7);
  RecordingHost host;
  ASSERT_TRUE(h.Ok(s, host));
}

TEST(HoseSetup, SiameseTakesAFreeLineAndWyeReleasesIt) {
  auto s = testing::MakeDefaultState();
  Configuration cfg = Units(false);
  MakeSiamese(*s, cfg);
  EXPECT_TRUE(s->SiameseSecondary.Contains(7));
  EXPECT_FALSE(s->Discharges[7].LineBurst);
  EXPECT_EQ(s->Discharges[7].Partner[2], 3);
  HoseSetup h(*s, cfg, 3);
  // The first inlet offers only this line; the second the free lines and
  // the partner, by line number whatever their titles.
  ASSERT_EQ(h.InletChoices(1).size(), 2u);
  EXPECT_EQ(h.InletChoices(1)[1].Line, 3);
  EXPECT_EQ(h.InletChoices(2)[h.InletItem(2)].Line, 7);
  h.SetLayout(kWyeLayout);
  RecordingHost host;
  ASSERT_TRUE(h.Ok(*s, host));
  EXPECT_FALSE(s->SiameseSecondary.Contains(7));
  EXPECT_TRUE(s->Discharges[7].LineBurst);
  EXPECT_EQ(s->Discharges[7].Layout, kSingleLength);
}

TEST(HoseSetup, NewSecondPartnerReleasesTheFormerOne) {
  auto s = testing::MakeDefaultState();
  Configuration cfg = Units(false);
  MakeSiamese(*s, cfg);
  s->Discharges[6].LineBurst = true;
  HoseSetup h(*s, cfg, 3);
  h.SetPartner(2, 6);
  RecordingHost host;
  ASSERT_TRUE(h.Ok(*s, host));
  EXPECT_TRUE(s->SiameseSecondary.Contains(6));
  EXPECT_FALSE(s->SiameseSecondary.Contains(7));
  EXPECT_TRUE(s->Discharges[7].LineBurst);
}

TEST(HoseSetup, SiameseMessages) {
  auto s = testing::MakeDefaultState();
  Configuration cfg = Units(false);
  s->Discharges[7].LineBurst = true;
  struct Case {
    int p1, p2;
    const char* text;
  };
  for (const Case& c :
       {Case{3, 0, "Both siamese intakes must be connected"},
        {0, 7, "Both siamese intakes must be connected"},
        {3, 3, "Siamese intakes cannot be connected to the same discharge valve"}}) {
    HoseSetup h(*s, cfg, 3);
    h.SetLayout(kSiameseLayout);
    h.SetPartner(1, c.p1);
    h.SetPartner(2, c.p2);
    RecordingHost host;
    EXPECT_FALSE(h.Ok(*s, host));
    // A partner that the box does not offer counts as disconnected.
    std::string want =
        c.p1 == c.p2 ? "Both siamese intakes must be connected\n" : std::string(c.text) + "\n";
    EXPECT_EQ(host.Texts(), want);
  }
}

TEST(HoseSetup, OkKeepsTheRunAndTakesTheNewHoseC) {
  auto s = testing::MakeDefaultState();
  Configuration cfg = Units(false);
  RecordingHost host;
  TDischargeRec& d = s->Discharges[2];
  d.ValveOpen = 0.5;
  d.NozzleOpen = 1;
  d.Trapped = true;
  d.Flow = 180;
  HoseSetup h(*s, cfg, 2);
  std::string error;
  ASSERT_TRUE(h.Commit(HoseField::DiamLeft, "1-3/4", error));
  h.SetConnected(false);
  h.SetTitle("attack");
  ASSERT_TRUE(h.Ok(*s, host));
  EXPECT_EQ(d.ValveOpen, 0.5);
  EXPECT_EQ(d.NozzleOpen, 1);
  EXPECT_TRUE(d.Trapped);
  EXPECT_EQ(d.Flow, 180);
  EXPECT_EQ(d.HoseC, 139);
  EXPECT_DOUBLE_EQ(d.HoseDiamSet, 1.75 / 12);
  EXPECT_TRUE(d.LineBurst);
  EXPECT_EQ(s->DischargeList.LineTitle[2].str(), "attack");
  EXPECT_EQ(host.steps, std::vector<std::string>{});
}

// Opens the line's valve and nozzle and solves at the summary's pressure.
double FlowAtSummaryPressure(State& s, int line, double psi) {
  NullHost host;
  ValveChanged(s, true, line, 1.0, false, host);
  s.Discharges[line].ValveOpen = 1;
  ValveChanged(s, true, line, 1.0, false, host);
  s.Discharges[line].NozzleOpen = 1;
  UpdateNozzleK(s, line);
  int partner = s.Discharges[line].Layout == kSiameseLayout ? s.Discharges[line].Partner[2] : 0;
  if (partner) {
    s.Discharges[partner].ValveOpen = 1;
    ValveChanged(s, true, partner, 1.0, false, host);
  }
  return SolveLinesAtPressure(s, psi, host).Flow[line];
}

TEST(LineSummary, DefaultLineTwo) {
  auto s = testing::MakeDefaultState();
  Configuration cfg = Units(false);
  // 1 in smooth bore at 50 psi: K = 8 (1/0.703^2 - 1) / (317.8 (1/12)^4)
  // = 534.2, q = sqrt(115.38 / 534.2) = 0.4647 cfs = 208.6 gpm; 250 ft of
  // 2-1/2 in at C 132: K = 290.6, 62.8 ft = 27.2 psi; the open valve and
  // shut-off lose 0.35 psi.
  EXPECT_EQ(LineSummaryText(SummarizeLine(*s, 2), cfg.Units),
            "at 209 gpm: friction 27.2 psi, pump 77.5 psi");
  EXPECT_EQ(SummarizeLine(*s, kTankFillLine), std::nullopt);
}

TEST(LineSummary, SolvingAtThePressureShownGivesTheFlow) {
  Configuration cfg = Units(false);
  RecordingHost host;
  struct Case {
    int line;
    int layout;  // -1 as it is
    int row;     // nozzle: -1 as it is
  };
  for (const Case& c : {Case{2, -1, -1},
                        {5, kWyeLayout, -1},
                        {3, kSiameseLayout, -1},
                        {4, -1, -1},
                        {6, -1, 2},
                        {1, -1, 1}}) {
    auto s = testing::MakeDefaultState();
    s->Discharges[7].LineBurst = true;
    TDischargeRec& d = s->Discharges[c.line];
    if (c.layout >= 0) {
      HoseSetup h(*s, cfg, c.line);
      h.SetLayout(c.layout);
      if (c.layout == kSiameseLayout) h.SetPartner(2, 7);
      ASSERT_TRUE(h.Ok(*s, host));
    }
    if (c.row == 1) {  // automatic 70-200 gpm
      d.NozzleType = 2;
      d.AutoGpmMin = 70;
      d.AutoGpmMax = 200;
    } else if (c.row == 2) {  // gallonage at 125 gpm
      d.NozzleType = 3;
      d.GpmSetting[1] = 95;
      d.GpmSetting[2] = 125;
      d.GpmIndex = 2;
    }
    d.NozzleElev = d.PumpEndElev + 20;
    auto summary = SummarizeLine(*s, c.line);
    ASSERT_TRUE(summary) << c.line;
    double q = FlowAtSummaryPressure(*s, c.line, summary->PumpPsi);
    EXPECT_NEAR(q, summary->Gpm, 0.005 * summary->Gpm) << c.line;
  }
}

}  // namespace
}  // namespace pumpdrill
