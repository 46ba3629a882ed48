// The strip chart's arithmetic: tick steps, value to pixel, the pages of a
// stored record, and what the plot setup stores and refuses.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "frame/units.h"
#include "records/chart_browser.h"
#include "records/chart_pages.h"
#include "records/chart_scale.h"
#include "records/data_file.h"
#include "records/plot_setup_edit.h"
#include "records/run_recording.h"
#include "running_fixture.h"

namespace pumpdrill {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ChartScale, AxisTickStepFollowsTheRangeInDisplayUnits) {
  DisplayUnits bar;
  ApplyUnits(bar, true, true);
  const double psiToBar = bar.DisplayFactor[kUnitPressure];
  struct Case {
    double min, max;
    int step;
  } cases[] = {
      {0, 600, 200},  {0, 250, 50},    {0, 50, 10},     {0, 50.4, 10},    {0, 50.6, 50},  {0, 251, 100},
      {0, 1000, 200}, {0, 1750, 500},  {0, 3000, 500},  {0, 3001, 1000},  {600, 0, 1000},
      {0, 600 * psiToBar, 10},  // 0-600 psi shown in bar: 41 bar
  };
  for (const Case& c : cases) EXPECT_EQ(AxisTickStep(c.max - c.min), c.step) << c.min << ".." << c.max;
  EXPECT_EQ(AxisTickStep(kNaN), 1000);
}

TEST(ChartScale, TimeTicksAreTheFirstStepGivingAtMostTwelve) {
  struct Case {
    double page;
    int step;
  } cases[] = {{5, 1}, {12, 1}, {13, 2}, {60, 5}, {61, 10}, {120, 10}, {180, 15}, {360, 30}, {720, 60},
               {721, 120}, {3600, 300}, {0, 1}, {kNaN, 1}};
  for (const Case& c : cases) EXPECT_EQ(TimeTickStep(c.page), c.step) << c.page;
}

TEST(ChartScale, TicksAreTheMultiplesWithinTheLimits) {
  EXPECT_EQ(AxisTicks(0, 600, 200), (std::vector<double>{0, 200, 400, 600}));
  EXPECT_EQ(AxisTicks(650, 2650, 500), (std::vector<double>{1000, 1500, 2000, 2500}));
  EXPECT_EQ(AxisTicks(0, 41.364, 10), (std::vector<double>{0, 10, 20, 30, 40}));
  EXPECT_TRUE(AxisTicks(5, 5, 10).empty());
  EXPECT_TRUE(AxisTicks(0, 100, 0).empty());
}

TEST(ChartScale, ValuesMapLinearlyOntoTheAxisAndNeverDivideByZero) {
  const AxisMap up{0, 600, 400, 100};  // a vertical axis drawn upwards
  struct Case {
    double value, pixel;
  } cases[] = {{0, 400}, {600, 100}, {300, 250}, {-60, 430}, {1e300, 100 - 4 * 300}};
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(up.Pixel(c.value), c.pixel) << c.value;
  EXPECT_DOUBLE_EQ(up.Pixel(kNaN), 400);
  for (const AxisMap bad : {AxisMap{100, 100, 0, 50}, AxisMap{200, 100, 0, 50}, AxisMap{kNaN, 100, 0, 50}}) {
    EXPECT_FALSE(bad.Drawable());
    EXPECT_TRUE(std::isfinite(bad.Pixel(150)));
  }
}

TEST(PlotSetupEdit, IntervalPageTimeAndEstimate) {
  struct Case {
    double entered, interval, page, mbytes;
  } cases[] = {
      {1, 1, 5, 0.2625}, {2, 2, 5, 0.13125}, {0.1, 0.25, 5, 1.05}, {60, 60, 60, 0.004375}, {kNaN, 0.25, 5, 1.05},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(StoredSampleInterval(c.entered), c.interval) << c.entered;
    EXPECT_DOUBLE_EQ(StoredPageLength(c.entered), c.page) << c.entered;
    EXPECT_NEAR(RecordingMBytesPer10Minutes(c.entered), c.mbytes, 1e-12) << c.entered;
  }
  EXPECT_EQ(RecordingEstimateText(2), "0.13125  MBytes");
  EXPECT_EQ(RecordingEstimateText(1), "0.2625  MBytes");
}

TEST(PlotSetupEdit, LimitPairsMustIncrease) {
  EXPECT_TRUE(PlotLimitsAcceptable(0, 600));
  EXPECT_TRUE(PlotLimitsAcceptable(-10, -5));
  for (auto [min, max] : {std::pair{600.0, 600.0}, {700.0, 600.0}, {kNaN, 600.0}, {0.0, INFINITY}})
    EXPECT_FALSE(PlotLimitsAcceptable(min, max)) << min << ".." << max;
}

TEST(PlotSetupEdit, GridCellsStandForTheirEntries) {
  struct Case {
    int row, column;
    std::optional<int> entry;
  } cases[] = {
      {1, kGridPressure, kEntryIntakePress},   {1, kGridFlow, kEntrySupplyFlow},
      {2, kGridPressure, kEntryPumpPress},     {2, kGridFlow, kEntryTotalFlow},
      {3, kGridPressure, kEntryTankFillPress}, {3, kGridFlow, kEntryTankFillFlow},
      {4, kGridPressure, kEntryTankToPumpPress}, {4, kGridFlow, kEntryTankToPumpFlow},
      {1, kGridNozzlePress, std::nullopt},     {4, kGridNozzlePress, std::nullopt},
      {5, kGridPressure, EntryDischPress(1)},  {5, kGridNozzlePress, EntryNozzlePress(1)},
      {7, kGridFlow, EntryLineFlow(3)},        {8, kGridFlow, std::nullopt},  // three lines
      {0, kGridFlow, std::nullopt},            {5, 0, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(PlotGridCellEntry(c.row, c.column, 3), c.entry) << c.row << "," << c.column;
  EXPECT_EQ(PlotGridRows(3), 7);
  EXPECT_EQ(PlotGridRowLine(1, 3), kIntakeLine);
  EXPECT_EQ(PlotGridRowLine(2, 3), kMasterLine);
  EXPECT_EQ(PlotGridRowLine(5, 3), 1);
  EXPECT_EQ(PlotGridRows(40), 4 + kMaxDischarges);
}

TEST(PlotSetupEdit, EachEntryIsDrawnAgainstItsUnitsLimits) {
  auto s = testing::MakeDefaultState();
  TPlotSetupRec ps = DefaultPlotSetup(*s);
  ps.RpmMin = 700, ps.RpmMax = 3700;
  EXPECT_EQ(EntryLimits(ps, kEntryPumpPress).Max, 600);
  EXPECT_EQ(EntryLimits(ps, EntryNozzlePress(2)).Max, 600);
  EXPECT_EQ(EntryLimits(ps, EntryLineFlow(2)).Max, 1750);
  EXPECT_EQ(EntryLimits(ps, kEntryEngineRpm).Min, 700);
  EXPECT_EQ(PlotEntryCaption(ps, kEntryEngineRpm), "Engine Rpm");
}

std::vector<TDataSampleRec> SamplesAt(std::initializer_list<double> times) {
  std::vector<TDataSampleRec> samples;
  for (double t : times) {
    TDataSampleRec d{};
    d.Time = t;
    samples.push_back(d);
  }
  return samples;
}

TEST(ChartPages, AStoredRecordIsCutByThePageRule) {
  // A 1 s interval, a 60 s page: the sample past 60 s begins the next page.
  std::vector<double> times;
  for (int t = 0; t <= 130; ++t) times.push_back(t + 0.015);
  std::vector<TDataSampleRec> samples;
  for (double t : times) samples.push_back(SamplesAt({t})[0]);
  const std::vector<ChartPage> pages = CutIntoPages(samples, 60);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].Start, 0);
  EXPECT_EQ(pages[0].Count, 60u);  // 0.015 .. 59.015; 60.015 is past 0 + 60
  EXPECT_EQ(pages[1].Start, 60);
  EXPECT_EQ(pages[1].First, 60u);
  EXPECT_EQ(pages[2].Start, 120);

  // A short interval fills the 125 slots first.
  std::vector<TDataSampleRec> dense;
  for (int i = 0; i < 300; ++i) dense.push_back(SamplesAt({i * 0.25})[0]);
  const std::vector<ChartPage> full = CutIntoPages(dense, 60);
  ASSERT_GE(full.size(), 2u);
  EXPECT_EQ(full[0].Count, 124u);
  EXPECT_EQ(full[1].Start, 31);  // 124 x 0.25 s

  // Recording begun late: no empty first page.
  const std::vector<ChartPage> late = CutIntoPages(SamplesAt({100, 101}), 60);
  ASSERT_EQ(late.size(), 1u);
  EXPECT_EQ(late[0].Start, 100);
  EXPECT_TRUE(CutIntoPages({}, 60).empty());
}

class ChartPagesOfARun : public testing::RunningTest {};

// What the recording wrote pages as the chart drew it live.
TEST_F(ChartPagesOfARun, TheStoredRecordPagesAsItWasDrawnLive) {
  run.Recording.PlotSetup.SampleInterval = 0.25;
  std::vector<std::int64_t> liveStarts{run.Recording.PageStart};
  for (double t = 0; t <= 200; t += 0.05) {
    TickAt(t);
    if (run.Recording.PageStart != liveStarts.back()) liveStarts.push_back(run.Recording.PageStart);
  }
  SetRunState(s, cfg, run, host, kRunTerminate);
  DataFileContents contents;
  std::string reason;
  ASSERT_TRUE(ReadDataFile(run.Recording.DataFileName, s, contents, reason)) << reason;
  const std::vector<ChartPage> pages = CutIntoPages(contents.Samples, contents.Header.PageLength);
  ASSERT_EQ(pages.size(), liveStarts.size());
  for (std::size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(pages[i].Start, liveStarts[i]) << i;
  const std::vector<TDataSampleRec> live = LivePageSamples(run.Recording);
  ASSERT_FALSE(live.empty());
  EXPECT_GE(pages.size(), 5u);
  EXPECT_EQ(live.front().Time, contents.Samples[pages.back().First].Time);
}

}  // namespace
}  // namespace pumpdrill

namespace pumpdrill {
namespace {

TEST(PlotSetupEdit, OkTakesTheEditsAndLeavesTheRecordingCounters) {
  auto s = testing::MakeDefaultState();
  TPlotSetupRec target = DefaultPlotSetup(*s);
  target.PageCount = 77, target.SampleNumber = 300, target.OperatorName = "Kim";
  TPlotSetupRec edited = DefaultPlotSetup(*s);
  edited.PageCount = 1, edited.OperatorName = "";
  edited.Entries[kEntryEngineRpm].Plot = 1;
  edited.Entries[kEntryEngineRpm].Colour = 0x0000FF;
  edited.PressMax = 400, edited.FlowMin = 100, edited.RpmMax = 2500;
  edited.SampleInterval = 0.5, edited.PageLength = 120;
  edited.PlotTitle = "Relay drill", edited.Comments = "second try";
  ApplyPlotSetupEdits(target, edited);
  EXPECT_EQ(target.PageCount, 77);
  EXPECT_EQ(target.SampleNumber, 300);
  EXPECT_EQ(target.OperatorName.str(), "Kim");
  EXPECT_TRUE(target.Entries[kEntryEngineRpm].Plot);
  EXPECT_EQ(target.Entries[kEntryEngineRpm].Colour, 0x0000FFu);
  EXPECT_EQ(target.PressMax, 400);
  EXPECT_EQ(target.FlowMin, 100);
  EXPECT_EQ(target.RpmMax, 2500);
  EXPECT_EQ(target.SampleInterval, 0.5);
  EXPECT_EQ(target.PageLength, 120);
  EXPECT_EQ(target.PlotTitle.str(), "Relay drill");
  EXPECT_EQ(target.Comments.str(), "second try");
}

// A stored record opened for viewing keeps its own header: what is written
// into it later is what it held, not the run's settings.
TEST_F(ChartPagesOfARun, AViewedRecordKeepsItsOwnHeaderAndPages) {
  for (double t = 0; t <= 130; t += 0.1) TickAt(t);
  SetRunState(s, cfg, run, host, kRunTerminate);
  const std::string stored = (dir.path() / "drill.DTA").string();
  std::filesystem::copy_file(run.Recording.DataFileName, stored);
  TPlotSetupRec header = StoredHeader(run.Recording);
  header.OperatorName = "Kim";
  ASSERT_EQ(WriteDataFileHeader(stored, header), WriteStep::Done);

  DataFileContents contents;
  ASSERT_TRUE(OpenDataFileForViewing(stored, s, run, host, contents));
  EXPECT_EQ(run.Recording.DataFileName, stored);
  EXPECT_EQ(run.Recording.SamplesTotal, static_cast<std::int64_t>(contents.Samples.size()));
  EXPECT_EQ(StoredHeader(run.Recording).OperatorName.str(), "Kim");
  run.Recording.PlotSetup.PressMax = 999;  // the run's settings change meanwhile
  StopRecording(s, cfg, run, host);
  DataFileContents again;
  std::string reason;
  ASSERT_TRUE(ReadDataFile(stored, s, again, reason));
  EXPECT_EQ(again.Header.OperatorName.str(), "Kim");
  EXPECT_EQ(again.Header.PressMax, 600);
  EXPECT_EQ(again.Samples.size(), contents.Samples.size());

  ChartBrowser browser;
  browser.ViewStored(contents);
  EXPECT_EQ(browser.PageTotal(), 3);
  EXPECT_EQ(browser.PageStart(run.Recording), 0);
  browser.Go(5);
  EXPECT_EQ(browser.Current(), 2);
  EXPECT_EQ(browser.PageStart(run.Recording), 120);
  EXPECT_EQ(browser.Setup(run.Recording).OperatorName.str(), "Kim");

  // A file that cannot be read changes nothing.
  EXPECT_FALSE(OpenDataFileForViewing((dir.path() / "missing.DTA").string(), s, run, host, contents));
  EXPECT_EQ(run.Recording.DataFileName, stored);
}

// In a run the pages before the one in memory come from the data file.
TEST_F(ChartPagesOfARun, InARunThePagesAreTheFilesAndTheOneInMemory) {
  ChartBrowser browser;
  for (double t = 0; t <= 70; t += 0.1) TickAt(t);
  browser.FollowRun(run.Recording, s);
  EXPECT_EQ(browser.PageTotal(), 2);
  EXPECT_TRUE(browser.ShowingLivePage());
  browser.Go(0);  // scrolled back: stays there at the next turn
  for (double t = 70.1; t <= 130; t += 0.1) TickAt(t);
  browser.FollowRun(run.Recording, s);
  EXPECT_EQ(browser.PageTotal(), 3);
  EXPECT_EQ(browser.Current(), 0);
  browser.Go(2);
  for (double t = 130.1; t <= 190; t += 0.1) TickAt(t);
  browser.FollowRun(run.Recording, s);
  EXPECT_EQ(browser.Current(), 3);  // at the end it follows the run
  EXPECT_EQ(std::floor(browser.PageSamples(run.Recording).front().Time), browser.PageStart(run.Recording));
}

}  // namespace
}  // namespace pumpdrill
