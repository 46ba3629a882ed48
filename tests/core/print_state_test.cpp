#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"
#include "sim/registry.h"

namespace pumpdrill {
namespace {

std::vector<std::string> PrintedLines() {
  std::string prog = "pumpdrill-sim", opt = "--print-state";
  char* argv[] = {prog.data(), opt.data()};
  std::ostringstream out, err;
  EXPECT_EQ(RunnerMain(2, argv, out, err), 0);
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
    for (const auto& l : lines)
      if (l == line) return true;
    return false;
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
