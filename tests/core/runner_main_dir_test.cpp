#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::ReadText;
using testing::ScratchDir;
using testing::WriteText;

int RunSim(std::vector<std::string> args, std::string& err) {
  std::vector<char*> argv;
  std::string prog = "pumpdrill-sim";
  argv.push_back(prog.data());
  for (auto& a : args) argv.push_back(a.data());
  std::ostringstream o, e;
  int rc = RunnerMain(static_cast<int>(argv.size()), argv.data(), o, e);
  err = e.str();
  return rc;
}

TEST(RunnerMainDir, ReadsAndCreatesTheSettingsFileOfTheMainDirectory) {
  ScratchDir dir;
  std::filesystem::create_directories(dir.path() / "Ini");
  std::string err;
  EXPECT_EQ(RunSim({"--main-dir", dir.path().string()}, err), 0);
  EXPECT_EQ(err, "");
  const std::string text = ReadText(dir.path() / "Ini" / "Tw.INI");
  EXPECT_NE(text.find("Max Sim Run Time Mins=30\n"), std::string::npos);
  EXPECT_NE(text.find("Sound: Use WAV=true\n"), std::string::npos);
  EXPECT_NE(text.find("[Hose Friction]\n"), std::string::npos);

  // A damaged value is a warning; the run goes on.
  WriteText(dir.path() / "Ini" / "Tw.INI", "[Desktop]\nRadio: Mean=x\n");
  EXPECT_EQ(RunSim({"--main-dir=" + dir.path().string()}, err), 0);
  EXPECT_NE(err.find("warning: [Desktop] \"Radio: Mean\""), std::string::npos);

  EXPECT_EQ(RunSim({"--main-dir", (dir.path() / "nowhere").string()}, err), 2);
  EXPECT_NE(err.find("does not exist"), std::string::npos);
  EXPECT_EQ(RunSim({"--main-dir"}, err), 2);
  EXPECT_NE(err.find("--main-dir needs a folder"), std::string::npos);
}

}  // namespace
}  // namespace pumpdrill
