// The runner's data files: a run recorded with --dta holds the bytes the
// program's own recording writes (apart from its date and time), and
// --dta-to-csv turns a data file into CSV.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/exercise_run.h"
#include "cli/runner_session.h"
#include "records/data_file.h"
#include "runner_invoke.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;
using testing::InvokeRunner;
using testing::Lines;

class RunnerDta : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(main); }
  testing::RunnerOutput Run(std::vector<std::string> args) {
    args.insert(args.begin(), {"--main-dir", main.string(), "--quiet"});
    return InvokeRunner(args);
  }
  testing::ScratchDir dir;
  fs::path main = dir / "main";
  std::string dta = (dir / "run.DTA").string();
};

// Bytes of a data file with its date and time texts blanked.
std::vector<Byte> WithoutStamp(std::vector<Byte> bytes) {
  for (std::size_t i = 0x042; i < 0x064 && i < bytes.size(); ++i) bytes[i] = 0;
  return bytes;
}

TEST_F(RunnerDta, ARecordedRunHoldsTheProgramsOwnBytes) {
  auto r = Run({"--duration", "70", "--dt", "0.05", "--dta", dta});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(DataFileSampleCount(fs::file_size(dta)), 71u);  // 0 to 70 s, one a second

  // The same run through the program's own start, tick and terminate.
  std::ostringstream err;
  RunnerSession rs(0.05, err, true);
  ASSERT_TRUE(StartRunnerSession(rs, "", main.string(), err));
  rs.Config().Options.RecordDataOnStartup = true;
  ExerciseOptions o;
  o.duration = 70;
  std::string csv;
  RunExercise(rs.S(), rs.Config(), rs.Run(), rs.clock, rs.host, Script{}, o, csv);
  const std::vector<Byte> program = testing::ReadBytes(rs.Run().Recording.DataFileName);
  EXPECT_EQ(WithoutStamp(testing::ReadBytes(dta)), WithoutStamp(program));

  r = Run({"--duration", "10", "--dt", "0.05", "--dta", dta, "--dta-interval", "0.1"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(DataFileSampleCount(fs::file_size(dta)), 41u);  // at least 0.25 s apart
  EXPECT_EQ(Run({"--dta", dta, "--dta-interval", "0"}).status, 2);
}

TEST_F(RunnerDta, ADataFileBecomesCsv) {
  ASSERT_EQ(Run({"--duration", "5", "--dt", "0.25", "--dta", dta}).status, 0);
  const std::string csvPath = (dir / "run.csv").string();
  auto r = Run({"--dta-to-csv", dta, "--csv", csvPath});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(testing::ReadText(csvPath));
  ASSERT_EQ(lines.size(), 7u);  // header and 0..5 s
  EXPECT_EQ(lines[0].rfind("Time (s),Master Disch. flow (gpm),Master Disch. pressure (psi),Engine Rpm (RPM),", 0),
            0u);
  EXPECT_EQ(lines[2].rfind("1,", 0), 0u);

  r = Run({"--dta-to-csv", (dir / "none.DTA").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("The data file " + (dir / "none.DTA").string() + " could not be read: there is no such file."),
            std::string::npos);
}

}  // namespace
}  // namespace pumpdrill
