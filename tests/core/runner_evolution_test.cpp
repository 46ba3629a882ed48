// The runner opens an Evolution before its run and saves one after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "frame/configuration.h"
#include "frame/evolution_file.h"
#include "runner_invoke.h"
#include "scratch_dir.h"
#include "sim/defaults.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;
using testing::InvokeRunner;
using testing::Lines;
using testing::RunnerOutput;

class RunnerEvolution : public ::testing::Test {
 protected:
  RunnerOutput Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--main-dir", mainDir.path().string()});
    return InvokeRunner(args);
  }
  std::string File(const std::string& name) { return (files / name).string(); }
  bool Printed(const RunnerOutput& r, const std::string& line) {
    const auto lines = Lines(r.out);
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  testing::ScratchDir mainDir, files;
};

TEST_F(RunnerEvolution, OpensBeforeAndSavesAfter) {
  auto s = std::make_unique<State>();
  NullHost quiet;
  SetDefaultState(*s, Configuration{}.Sim, quiet);
  s->Pump.GearRatio = 2.5;
  s->Discharges[3].HoseLength = 450;
  s->RadioMessages.CallFile[0] = "engine1.wav";
  ASSERT_TRUE(SaveEvolution(*s, File("DRILL.EVO"), quiet));

  RunnerOutput r = Run({"--evolution", File("DRILL.EVO"), "--print-state", "--save-evolution", File("COPY.EVO")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(Printed(r, "Pump.GearRatio = 2.5"));
  EXPECT_TRUE(Printed(r, "Discharges[3].HoseLength = 450"));
  EXPECT_TRUE(Printed(r, "SimClock.Time = 0"));  // initialised after the load
  EXPECT_EQ(fs::file_size(File("COPY.EVO")), 47625u);

  // A run from the copy ends later than it started; the saved state shows it.
  r = Run({"--evolution=" + File("COPY.EVO"), "--duration", "2", "--save-evolution=" + File("AFTER.EVO"),
           "--columns", "SimClock.Time"});
  EXPECT_EQ(r.status, 0) << r.err;
  auto after = std::make_unique<State>();
  Configuration cfg;
  ASSERT_TRUE(LoadEvolution(*after, File("AFTER.EVO"), cfg, quiet));
  EXPECT_EQ(after->Pump.GearRatio, 2.5);
  EXPECT_GE(after->SimClock.Time, 2.0);
  EXPECT_EQ(after->RadioMessages.CallFile[0].str(), "ENGINE1.WAV");
}

TEST_F(RunnerEvolution, TheEvolutionsPanelFileBringsItsLines) {
  auto s = std::make_unique<State>();
  NullHost quiet;
  SetDefaultState(*s, Configuration{}.Sim, quiet);
  s->PumpControl.PanelFileName = "TWELVE.PNL";
  ASSERT_EQ(s->DischargeList.LineCount, 8);
  ASSERT_TRUE(SaveEvolution(*s, File("DRILL.EVO"), quiet));
  const fs::path panels = mainDir.path() / "Panels";
  fs::create_directories(panels);
  std::ofstream(panels / "twelve.pnl") << "[DISCHARGE LINES]\nNR_DISCHARGES=12\n"
                                          "[VALVE HANDLE12]\nCAPTION=Deck Gun\n";

  std::ofstream(File("open.txt")) << "0 valve 17 1\n0 valve 1 1\n0 nozzle 1 1\n0 valve 12 1\n"
                                     "0 nozzle 12 1\n0.5 throttle 1500\n";
  RunnerOutput r = Run({"--evolution", File("DRILL.EVO"), "--script", File("open.txt"),
                        "--duration", "3", "--save-evolution", File("AFTER.EVO"), "--quiet"});
  ASSERT_EQ(r.status, 0) << r.err;
  auto after = std::make_unique<State>();
  Configuration cfg;
  ASSERT_TRUE(LoadEvolution(*after, File("AFTER.EVO"), cfg, quiet));
  EXPECT_GT(after->Discharges[1].Flow, 10);
  EXPECT_GT(after->Discharges[12].Flow, 10);  // solved as a line of the apparatus
  r = Run({"--evolution", File("DRILL.EVO"), "--print-state"});
  EXPECT_TRUE(Printed(r, "DischargeList.LineCount = 12")) << r.out.substr(0, 2000);
  EXPECT_TRUE(Printed(r, "DischargeList.LineTitle[12] = Deck Gun"));
}

TEST_F(RunnerEvolution, FailuresReportTheMessageAndExitWithOne) {
  RunnerOutput r = Run({"--evolution", File("NONE.EVO"), "--print-state"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Cannot find Evolution file " + File("NONE.EVO") + "\n");
  EXPECT_EQ(r.out, "");

  const std::string nowhere = File("no folder/X.EVO");
  r = Run({"--print-state", "--save-evolution", nowhere});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Attempting to Rewrite temp Evolution file " + nowhere + "\n");

  r = Run({"--evolution"});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("--evolution needs a file"), std::string::npos);
  r = Run({"--save-evolution="});
  EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace pumpdrill
