#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"
#include "scratch_dir.h"
#include "sim/registry.h"

namespace pumpdrill {
namespace {

std::vector<std::string> PrintedLines(std::vector<std::string> args = {"--print-state"}) {
  // Without a main directory of its own the runner would use the one of
  // the test program.
  testing::ScratchDir mainDir;
  if (std::find(args.begin(), args.end(), "--main-dir") == args.end())
    args.insert(args.begin(), {"--main-dir", mainDir.path().string()});
  std::vector<char*> argv;
  std::string prog = "pumpdrill-sim";
  argv.push_back(prog.data());
  for (auto& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  EXPECT_EQ(RunnerMain(static_cast<int>(argv.size()), argv.data(), out, err), 0);
  EXPECT_EQ(err.str(), "");
  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

TEST(PrintState, EveryFieldOfTheDefaultStateOneALineInRecordOrder) {
  const std::vector<std::string> lines = PrintedLines();
  const auto& fields = StateFields();
  ASSERT_EQ(lines.size(), fields.size());
  for (std::size_t i = 0; i < lines.size(); ++i)
    ASSERT_EQ(lines[i].rfind(fields[i].name + " = ", 0), 0u) << lines[i];

  auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("Discharges[1].Name = "));
  EXPECT_TRUE(has("Discharges[3].HoseLength = 350"));
  EXPECT_TRUE(has("Discharges[8].MasterKind = 2"));
  EXPECT_TRUE(has("DischargeList.LineCount = 8"));
  EXPECT_TRUE(has("DischargeList.LineTitle[4] = Deck Gun"));
  EXPECT_TRUE(has("DischargeList.LineTitle[12] = 12 Disch."));
  EXPECT_TRUE(has("Pump.GearRatio = 2.27"));
  EXPECT_TRUE(has("Supply.SupplyName = Hydrant"));
  EXPECT_TRUE(has("SimClock.Time = 0"));
  EXPECT_TRUE(has("MinIntakePress = -14.52"));  // the vacuum limit at 300 ft
  EXPECT_TRUE(has("Incidents[8].EventTime[1] = 10000000"));
  EXPECT_TRUE(has("BurnHouse.Description = old warehouse"));
}

// The display options come from the settings of the main directory.
TEST(PrintState, ShowsTheDisplayOptionsOfTheSettings) {
  testing::ScratchDir dir;
  std::filesystem::create_directories(dir.path() / "Ini");
  testing::WriteText(dir.path() / "Ini" / "Tw.INI",
                     "[Panel]\nThreshold: WATER HAMMER=250\nIndicate: PRIMED=true\n");
  const std::vector<std::string> lines =
      PrintedLines({"--main-dir", dir.path().string(), "--print-state"});
  auto has = [&](const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  EXPECT_TRUE(has("ShowOptions.WaterHammerLimit = 250"));
  EXPECT_TRUE(has("ShowOptions.IndicatePrimed = 1"));
  EXPECT_TRUE(has("Pump.GearRatio = 2.27"));
}

// What is printed can be read back into a state that prints the same.
TEST(PrintState, ReadsBackIntoTheSameState) {
  const std::vector<std::string> lines = PrintedLines();
  auto s = std::make_unique<State>();
  std::string message;
  for (const std::string& l : lines) {
    const std::size_t eq = l.find(" = ");
    ASSERT_NE(eq, std::string::npos) << l;
    ASSERT_TRUE(SetStateField(*s, l.substr(0, eq), l.substr(eq + 3), message)) << message;
  }
  std::size_t i = 0;
  for (const FieldInfo& f : StateFields())
    EXPECT_EQ(f.name + " = " + GetFieldText(*s, f), lines[i++]);
}

}  // namespace
}  // namespace pumpdrill
