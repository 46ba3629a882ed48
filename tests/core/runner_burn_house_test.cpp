// The runner sets up the burn house before its run as the window's Save does.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runner_invoke.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::InvokeRunner;
using testing::Lines;

TEST(RunnerBurnHouse, SavesTheEntriesOrRefusesThem) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::vector<std::string> printed;  // lines of --print-state
    const char* error;                 // in the runner's errors
  } cases[] = {
      {{"--burn-house", "length=60", "--burn-house=width=30", "--burn-house", "total-fire-load=9000",
        "--burn-house", "description=row house, end unit", "--burn-house", "stay-on-top=0"},
       0,
       {"BurnHouse.Length = 60", "BurnHouse.Width = 30", "BurnHouse.TotalFireLoad = 9000", "BurnHouse.FireLoad = 5",
        "BurnHouse.StayOnTop = 0", "BurnHouse.Description = row house, end unit"},
       nullptr},
      {{"--burn-house", "vent-height=40"}, 0, {"BurnHouse.VentHeight = 15"},
       "Vent height must be less than structure height. This value not saved."},
      {{"--burn-house", "length=60", "--burn-house", "width=wide"}, 2, {},
       "Enter a number greater than 0 for width."},
      {{"--burn-house", "floors=2"}, 2, {}, "--burn-house needs KEY=VALUE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args[1]);
    testing::ScratchDir dir;
    std::vector<std::string> args = {"--main-dir", dir.path().string(), "--print-state"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const testing::RunnerOutput r = InvokeRunner(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    for (const std::string& line : c.printed)
      EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    if (c.error)
      EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
    else
      EXPECT_EQ(r.err.find("Enter"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace pumpdrill
