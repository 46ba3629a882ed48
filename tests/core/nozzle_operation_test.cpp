// The nozzle operation window's arithmetic and stores, the rows of the
// discharge lines window and the hose uncoupling incident it sets.
#include "setup/nozzle_operation.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/exercise_run.h"
#include "cli/runner_session.h"
#include "default_state.h"
#include "scratch_dir.h"
#include "frame/run_control.h"
#include "setup/discharge_rows.h"
#include "setup/hose_uncoupling.h"
#include "sim/coefficients.h"
#include "sim/constants.h"
#include "sim/incidents.h"

namespace pumpdrill {
namespace {

using testing::MakeDefaultState;

TEST(NozzleBail, DragFromThePressOffset) {
  struct Case {
    double open;
    int pressY, mouseY;
    double expected;
  } cases[] = {
      {0.0, 100, 60, 1.0},     // a shut nozzle, 40 px up: fully open
      {0.0, 100, 20, 1.0},     // further up changes nothing
      {0.0, 100, 80, 0.5},     // 20 px: half open
      {0.0, 100, 94, 0.15},    // 6 px: 15 %, not half (the offset is taken once)
      {1.0, 50, 90, 0.0},      // an open nozzle, 40 px down: shut
      {0.5, 50, 40, 0.75},     // half open, 10 px up
      {0.5, 50, 51, 0.475},
  };
  for (const Case& c : cases) {
    int offset = DraggedOffset(BailOffset(c.open), c.pressY, c.mouseY);
    EXPECT_DOUBLE_EQ(OpeningAtOffset(offset), c.expected) << c.open << " " << c.mouseY - c.pressY;
  }
  // An opening a drag stored gives back the offset it came from.
  for (int y = -kBailTravel; y <= kBailTravel; ++y) EXPECT_EQ(BailOffset(OpeningAtOffset(y)), y);
}

TEST(NozzleBail, EndOfTheLeverFromThePivot) {
  struct Case {
    int y, x, top;
  } cases[] = {{0, 29, 4}, {20, 49, 12}, {-20, 9, 12}, {30, 49, 12}};
  for (const Case& c : cases) {
    BailEnd e = BailEndAt(c.y);
    EXPECT_EQ(e.x, c.x) << c.y;
    EXPECT_EQ(e.y, c.top) << c.y;
  }
}

class NozzleStore : public ::testing::Test {
 protected:
  void SetUp() override {
    s.DischargeList.LineCount = 8;
    for (bool& pending : run.AutoNozzlePending) pending = true;
  }
  std::unique_ptr<State> state = MakeDefaultState();
  State& s = *state;
  RunContext run;
};

TEST_F(NozzleStore, HandOperationStoresAndFreesTheLineFromTheAutomaticStep) {
  struct Case {
    int line;
    double opening;
    bool stored;
    double open;
  } cases[] = {
      {1, 0.5, true, 0.5},  {2, 1.7, true, 1.0},   {3, -0.2, true, 0.0},
      {4, 0.2, false, 1.0},  // the deck gun is a master stream
      {9, 0.5, false, 0.0},  // no line 9 in use
  };
  for (const Case& c : cases) {
    for (bool& pending : run.AutoNozzlePending) pending = true;
    EXPECT_EQ(OperateNozzle(s, run, c.line, c.opening), c.stored) << c.line;
    EXPECT_DOUBLE_EQ(s.Discharges[c.line].NozzleOpen, c.open) << c.line;
    EXPECT_EQ(run.AutoNozzlePending[c.line], !c.stored) << c.line;
    if (c.stored) {
      EXPECT_EQ(static_cast<bool>(s.Discharges[c.line].NozzleShut), c.open <= 0) << c.line;
    }
  }
  s.Discharges[5].NozzleOperable = false;
  EXPECT_FALSE(OperateNozzle(s, run, 5, 1.0));
}

TEST_F(NozzleStore, OpeningSetsTheCoefficientsTheLineSolutionUses) {
  ASSERT_TRUE(OperateNozzle(s, run, 1, 1.0));
  TDischargeRec byHand = s.Discharges[1];
  s.Discharges[1].NozzleOpen = 1.0;
  UpdateNozzleK(s, 1);
  EXPECT_EQ(byHand.ShutoffK, s.Discharges[1].ShutoffK);
  EXPECT_EQ(byHand.NozzleK, s.Discharges[1].NozzleK);
  EXPECT_FALSE(byHand.NozzleShut);
}

TEST_F(NozzleStore, ElevationWithinTheHoseReach) {
  DisplayUnits english, metric;
  ApplyUnits(metric, true, false);
  TDischargeRec& d = s.Discharges[1];  // 150 ft of hose
  const double pumpEnd = d.PumpEndElev;
  struct Case {
    const char* text;
    const DisplayUnits* units;
    bool stored;
    double feet;
  } cases[] = {
      {"12.5", &english, true, 12.5},
      {"500", &english, true, pumpEnd + 150},
      {"-500", &english, true, pumpEnd - 150},
      {"3", &metric, true, 3 / 0.305},
      {"abc", &english, false, 3 / 0.305},  // refused: the elevation stays
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(StoreNozzleElevationText(s, 1, *c.units, c.text, error), c.stored) << c.text;
    EXPECT_NEAR(d.NozzleElev, c.feet, 1e-9) << c.text;
    EXPECT_EQ(error.empty(), c.stored) << c.text;
  }
  d.NozzleElev = 10;
  StepNozzleElevation(s, 1, english, 1);
  EXPECT_DOUBLE_EQ(d.NozzleElev, 11);
  StepNozzleElevation(s, 1, metric, -1);
  EXPECT_DOUBLE_EQ(d.NozzleElev, 11 - 1 / 0.305);
}

TEST_F(NozzleStore, InformationTexts) {
  DisplayUnits metric;
  ApplyUnits(metric, true, true);
  EXPECT_EQ(NozzlePressCaption(metric), "pressure (bar)");
  EXPECT_EQ(NozzleElevCaption(DisplayUnits{}), "elevation (ft)");
  EXPECT_EQ(NozzleOpenText(NozzleOpenPercent(0.504)), "Open: 50  %");
}

TEST_F(NozzleStore, RowsOfTheDischargeLines) {
  NullHost host;
  // Line 2 made a siamese fed also by line 3; line 5 disconnected.
  TDischargeRec& two = s.Discharges[2];
  two.Layout = 1;
  two.Partner[1] = 2;
  two.Partner[2] = 3;
  two.BranchLength[1] = two.BranchLength[2] = 100;
  two.BranchDiam[1] = two.BranchDiam[2] = 2.5 / 12;
  UpdateLineCoefficients(s, 2, host);
  s.Discharges[5].LineBurst = true;
  s.Discharges[6].LineBurst = 7;  // a damaged record
  std::vector<DischargeRow> rows = LayOutDischargeRows(s, 0);
  ASSERT_EQ(rows.size(), 8u);
  struct Expect {
    RowKind kind;
    int height;
  } expect[] = {{RowKind::Connected, 55},  {RowKind::Connected, 55},    {RowKind::Absorbed, 1},
                {RowKind::Connected, 55},  {RowKind::Disconnected, 20}, {RowKind::Undefined, 20},
                {RowKind::Connected, 55},  {RowKind::Connected, 55}};
  int top = 0;
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(rows[i].Kind, expect[i].kind) << i + 1;
    EXPECT_EQ(rows[i].Height, expect[i].height) << i + 1;
    EXPECT_EQ(rows[i].Top, top) << i + 1;
    top += rows[i].Height + 10;
  }
  EXPECT_EQ(DischargeRowsExtent(rows), rows[7].Top + 110);
  EXPECT_EQ(HoseBoxTexts(s, 5, RowKind::Disconnected, DisplayUnits{}).Title, "No. 1 Crosslay:  NOT IN USE");
  HoseBoxText siamese = HoseBoxTexts(s, 2, RowKind::Connected, DisplayUnits{});
  EXPECT_EQ(siamese.LayoutLine, "(siamese)");
  EXPECT_EQ(siamese.PartnerTitle, "No. 2 Crosslay");
  EXPECT_EQ(siamese.FirstHose, "100 ft  of  2-1/2  inch");
  EXPECT_EQ(NozzleBoxTexts(s, 2, RowKind::Connected, DisplayUnits{}).TypeLine, "type: straight");
  EXPECT_EQ(ConnectionStatusMessage(6), "Connection Status not defined, line: 6");
}

TEST_F(NozzleStore, UncouplingMovesToTheCheckedLine) {
  TIncidentRec& u = s.Incidents[kIncidentUncoupling];
  SetUncoupling(s, 5, true);
  EXPECT_TRUE(ShowUncoupling(s, 5).Checked);
  EXPECT_FALSE(ShowUncoupling(s, 3).Checked);
  EXPECT_TRUE(ShowUncoupling(s, 3).InUse);
  SetUncoupling(s, 3, true);
  EXPECT_EQ(u.Line, 3);
  struct Case {
    const char* text;
    double seconds;
    const char* shown;
  } cases[] = {{"02:30", 150, "02:30"}, {"00:00", kNeverTime, ""}, {" 1:05", 65, "01:05"}};
  for (const Case& c : cases) {
    StoreUncouplingTime(s, 3, c.text);
    EXPECT_EQ(u.StartTime(), c.seconds) << c.text;
    EXPECT_EQ(ShowUncoupling(s, 3).TimeText, c.shown) << c.text;
    EXPECT_TRUE(ShowUncoupling(s, 3).InUse);
  }
  SetUncoupling(s, 3, false);
  EXPECT_FALSE(u.Use);
  EXPECT_EQ(u.Line, 0);
}

TEST(RunnerNozzle, ANozzleWorkedByHandIsLeftAloneByTheAutomaticStep) {
  testing::ScratchDir dir;
  std::ostringstream err;
  RunnerSession rs(0.015, err, true);
  ASSERT_TRUE(StartRunnerSession(rs, (dir.path() / "bin" / "pumpdrill-sim").string(), dir.path().string(), err))
      << err.str();
  ASSERT_TRUE(rs.Config().Options.AutoNozzleOperation);
  Script script;
  std::string error;
  ASSERT_TRUE(ParseScript("0 valve 18 1\n0 throttle 1500\n0 nozzle 1 0.3\n0 valve 1 1\n0 valve 2 1\n",
                          script, error))
      << error;
  ExerciseOptions o;
  o.duration = 1;
  std::string csv;
  RunExercise(rs.S(), rs.Config(), rs.Run(), rs.clock, rs.host, script, o, csv);
  EXPECT_DOUBLE_EQ(rs.S().Discharges[1].NozzleOpen, 0.3);
  EXPECT_DOUBLE_EQ(rs.S().Discharges[2].NozzleOpen, 1.0);
}

}  // namespace
}  // namespace pumpdrill
