// The runner's command line end to end: options, script faults, the CSV and
// its timing, messages on standard error, exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/exercise_run.h"
#include "cli/runner_session.h"
#include "runner_invoke.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;
using testing::Cells;
using testing::InvokeRunner;
using testing::Lines;
using testing::RunnerOutput;

class RunnerRun : public ::testing::Test {
 protected:
  // The runner with this test's main directory.
  RunnerOutput Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--main-dir", (dir / "main").string()});
    return InvokeRunner(args);
  }
  std::string ScriptFile(const std::string& text) {
    fs::path p = dir / ("script" + std::to_string(++scripts) + ".txt");
    testing::WriteText(p, text);
    return p.string();
  }
  void SetUp() override { fs::create_directories(dir / "main"); }

  testing::ScratchDir dir;
  int scripts = 0;
};

// The first cell of each data row: the times at which rows were written.
std::vector<std::string> RowTimes(const std::string& csv) {
  std::vector<std::string> times;
  std::vector<std::string> lines = Lines(csv);
  for (std::size_t i = 1; i < lines.size(); ++i) times.push_back(Cells(lines[i]).at(0));
  return times;
}

TEST_F(RunnerRun, DefaultColumnsARowEachSecondAndALastRowAtTheEnd) {
  RunnerOutput r = Run({"--duration", "2.5"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_FALSE(lines.empty());
  std::vector<std::string> header = Cells(lines[0]);
  ASSERT_EQ(header.size(), 9u + 3u * 8u);  // the built-in apparatus has 8 lines
  EXPECT_EQ(header[0], "SimClock.Time");
  EXPECT_EQ(header[7], "PumpStatus.Cavitating");
  EXPECT_EQ(header.back(), "Discharges[8].NozzlePress");
  // Ticks 0, 67 (1.005 s), 134 (2.01 s) and 167, the first at or past 2.5 s.
  EXPECT_EQ(RowTimes(r.out), (std::vector<std::string>{"0", "1.0049999999999999", "2.0099999999999998", "2.5049999999999999"}));
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> cells = Cells(lines[i]);
    EXPECT_EQ(cells.size(), header.size());
    EXPECT_TRUE(cells[7] == "0" || cells[7] == "1") << cells[7];
  }
  // The lines in use after the actions at time 0.
  r = Run({"--duration", "1", "--script", ScriptFile("0 set DischargeList.LineCount 3\n")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Cells(Lines(r.out).at(0)).size(), 9u + 3u * 3u);
}

TEST_F(RunnerRun, TheRunLastsTenSecondsPastTheLastActionUnlessToldOrTerminated) {
  RunnerOutput r = Run({"--script", ScriptFile("3 throttle 1200\n"), "--columns", "SimClock.Time,Engine.Rpm"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(RowTimes(r.out).back(), "13.004999999999999");  // tick 867, the first at or past 13 s
  EXPECT_EQ(Lines(r.out).back(), "13.004999999999999,1200");

  // A terminate ends the run before the tick of its time; later actions
  // are reported as not applied.
  r = Run({"--script", ScriptFile("0 throttle 1300\n4.5 terminate\n9 throttle 2000\n"), "--sample", "2", "--columns",
           "SimClock.Time,Engine.Rpm"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(RowTimes(r.out), (std::vector<std::string>{"0", "2.0099999999999998", "4.0049999999999999",
                                                       "4.4849999999999994"}));
  EXPECT_EQ(Lines(r.out).back(), "4.4849999999999994,1300");
  EXPECT_EQ(r.err, "pumpdrill-sim: warning: 1 action was timed after the end of the run and not applied\n");
}

TEST_F(RunnerRun, ActionsApplyAtTheFirstTickThatReachesTheirTime) {
  // 0.3 s is tick 20 whatever the rounding of 20 x 0.015; the row of that
  // tick already shows the new speed.
  RunnerOutput r = Run({"--script", ScriptFile("0.3 throttle 1400\n"), "--dt", "0.015", "--sample", "0.3", "--duration",
                        "0.6", "--columns", "Engine.Rpm"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(Lines(r.out), (std::vector<std::string>{"Engine.Rpm", "1050", "1400", "1400"}));
}

TEST_F(RunnerRun, TheTransferSwitchChangesThePumpOverAfterItsDelay) {
  // Thrown at 1 s: still in pressure at 3.9 s, in volume from 4 s on.
  RunnerOutput r = Run({"--script", ScriptFile("1 transfer switch volume\n"), "--sample", "0.3",
                        "--duration", "4.5", "--columns", "SimClock.Time,Pump.StageMode"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> cells = Cells(lines[i]);
    const double t = std::stod(cells.at(0));
    if (t < 3.9) {
      EXPECT_EQ(cells.at(1), "1") << t;
    } else if (t > 4.02) {
      EXPECT_EQ(cells.at(1), "2") << t;
    }
  }
  EXPECT_EQ(Cells(lines.back()).at(1), "2");
}

TEST_F(RunnerRun, SamplesGoToTheCsvFileWholeOrNotAtAll) {
  const std::string csv = (dir / "out.csv").string();
  RunnerOutput toFile = Run({"--duration", "3", "--csv", csv});
  ASSERT_EQ(toFile.status, 0) << toFile.err;
  EXPECT_EQ(toFile.out, "");
  RunnerOutput toOut = Run({"--duration", "3"});
  EXPECT_EQ(testing::ReadText(csv), toOut.out);

  // A folder that does not exist: exit 1, the reason named, nothing written.
  const std::string nowhere = (dir / "missing" / "out.csv").string();
  RunnerOutput bad = Run({"--duration", "1", "--csv", nowhere});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.err, "pumpdrill-sim: cannot create \"" + nowhere + "\"\n");
  EXPECT_FALSE(fs::exists(nowhere));
}

TEST_F(RunnerRun, ScriptFaultsStopTheRunBeforeItStartsAndNameTheLine) {
  const std::string path = ScriptFile("# warm up\n0 throttle 1200\n2 valve 3 open\n");
  fs::remove_all(dir / "main" / "Ini");
  RunnerOutput r = Run({"--script", path});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "pumpdrill-sim: " + path + ": line 3: opening 'open' is not a number\n");
  EXPECT_FALSE(fs::exists(dir / "main" / "Ini" / "Tw.INI"));  // nothing was started

  const std::string missing = (dir / "none.txt").string();
  r = Run({"--script", missing});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "pumpdrill-sim: cannot read the script \"" + missing + "\": no such file\n");
}

TEST_F(RunnerRun, BadOptionValuesAreUsageErrors) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--dt", "0"}, {"--dt=-0.01"}, {"--sample", "x"}, {"--duration", "-1"}, {"--duration"},
           // Intervals that would need endless rows or ticks, or jump.
           {"--sample", "1e-20"}, {"--sample", "1e-300"}, {"--dt", "1e300"}, {"--dt", "1e-12"},
           {"--sample", "inf"}, {"--dt", "nan"}, {"--duration", "1e300"},
           {"--columns", "Engine.Rpm,Engine.Speed"}, {"--columns="}}) {
    RunnerOutput r = Run(args);
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_EQ(r.out, "") << args[0];
    EXPECT_EQ(Lines(r.err).size(), 1u) << r.err;
  }
  EXPECT_EQ(Run({"--columns", "Engine.Rpm,Engine.Speed"}).err,
            "pumpdrill-sim: --columns: no field named 'Engine.Speed'\n");
  EXPECT_EQ(Run({"--dt", "0"}).err, "pumpdrill-sim: --dt needs a number of seconds above 0, not '0'\n");
}

TEST_F(RunnerRun, MessagesGoToStandardErrorWithTheirExactTextUnlessQuiet) {
  const std::string path = ScriptFile("1 check supply\n1 check discharge\n1 replace suction\n");
  RunnerOutput r = Run({"--script", path, "--duration", "2"});
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.err,
            "No supply line problem is visible. \n"
            "No discharge line problem is visible. \n"
            "There is no need to replace the hard suction.\n");
  r = Run({"--script", path, "--duration", "2", "--quiet"});
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
}

// The program working in the same main directory keeps the temporary
// Evolution of its last run: the runner's own goes elsewhere and is gone
// when it ends.
TEST_F(RunnerRun, TheProgramsTemporaryFilesAreLeftAlone) {
  fs::create_directories(dir / "main" / "Evols");
  const fs::path programs = dir / "main" / "Evols" / "tmp.xvo";
  testing::WriteText(programs, "the program's last run");
  RunnerOutput r = Run({"--duration", "1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(testing::ReadText(programs), "the program's last run");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "main" / "Evols"), fs::directory_iterator()), 1);
  EXPECT_TRUE(fs::is_empty(dir / "main" / "Recs"));
}

// A long run: every tick's time is its number times dt, also across the
// run-time question, which is answered No so that the run goes on.
TEST_F(RunnerRun, TickTimesAreProductsAndTheRunTimeQuestionKeepsTheRunGoing) {
  fs::create_directories(dir / "main" / "Ini");
  testing::WriteText(dir / "main" / "Ini" / "Tw.INI", "[Desktop]\nMax Sim Run Time Mins=1\n");
  std::ostringstream err;
  RunnerSession rs(0.015, err, false);
  ASSERT_TRUE(StartRunnerSession(rs, (dir / "bin" / "pumpdrill-sim").string(), (dir / "main").string(), err))
      << err.str();
  pumpdrill::Script script;
  std::string error;
  ASSERT_TRUE(ParseScript("100 throttle 1250\n", script, error));
  ExerciseOptions o;
  o.duration = 150;
  o.sampleInterval = 30;
  o.columns = {FindStateField("SimClock.Time")};
  std::string csv;
  ExerciseResult result = RunExercise(rs.S(), rs.Config(), rs.Run(), rs.clock, rs.host, script, o, csv);

  EXPECT_EQ(result.ticks, 10001);  // ticks 0 to 10000, the last at 150 s
  EXPECT_EQ(result.endTime, 10000 * 0.015);
  EXPECT_EQ(rs.S().SimClock.Time, 10000 * 0.015);
  EXPECT_DOUBLE_EQ(rs.S().Engine.Rpm, 1250);
  std::vector<std::string> times = RowTimes(csv);
  ASSERT_EQ(times.size(), 6u);  // 0, 30, 60, 90, 120, 150
  EXPECT_EQ(std::stod(times[3]), 6000 * 0.015);
  EXPECT_EQ(std::stod(times[4]), 8000 * 0.015);
  // Asked past 60 s and again 60 s after that answer.
  const std::string question =
      "Simulation time has exceeded the user-specified run time of 1 minutes. Do you wish to abort the "
      "simulation now? \n";
  EXPECT_EQ(err.str(), question + question);
  EXPECT_EQ(rs.Run().RunState, TRunState::Terminated);
}

TEST_F(RunnerRun, LongRunsHandOnTheirRowsAsTheyGo) {
  std::ostringstream err;
  RunnerSession rs(0.015, err, true);
  ASSERT_TRUE(StartRunnerSession(rs, (dir / "bin" / "pumpdrill-sim").string(), (dir / "main").string(), err))
      << err.str();
  ExerciseOptions o;
  o.duration = 120;
  o.sampleInterval = 0.015;  // a row every tick
  std::string csv, all;
  std::size_t largest = 0;
  int drains = 0;
  RunExercise(rs.S(), rs.Config(), rs.Run(), rs.clock, rs.host, Script{}, o, csv, [&](std::string& rows) {
    largest = std::max(largest, rows.size());
    ++drains;
    all += rows;
    rows.clear();
  });
  EXPECT_TRUE(csv.empty());
  EXPECT_GT(drains, 10);
  EXPECT_LT(largest, 2 * kCsvDrainBytes);  // never more than a drain's worth and a row
  EXPECT_EQ(Lines(all).size(), 1u + 8001u);  // header, ticks 0 to 8000
}

}  // namespace
}  // namespace pumpdrill
