#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"
#include "cli/runner_session.h"
#include "frame/main_directory.h"
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

// An installed runner whose per-user main directory cannot be made says so
// on one line, also when it keeps the program's messages back, and stops.
TEST(RunnerMainDir, AnInstalledRunnerThatCannotMakeItsMainDirectoryStops) {
  namespace fs = std::filesystem;
  ScratchDir dir;
  fs::create_directories(dir / "usr" / "bin");
  fs::create_directories(dir.path() / "usr" / "share" / kPackageName);
  WriteText(dir / "data", "a file where the folder should be");
  const char* saved = std::getenv("XDG_DATA_HOME");
  const std::string savedText = saved ? saved : "";
  ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  for (bool quiet : {false, true}) {
    std::ostringstream err;
    RunnerSession rs(0.015, err, quiet);
    EXPECT_FALSE(StartRunnerSession(rs, (dir / "usr" / "bin" / "pumpdrill-sim").string(), "", err));
    const std::string text = err.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_NE(text.find((dir / "data" / kPackageName).string()), std::string::npos) << text;
    EXPECT_NE(text.find("Not a directory"), std::string::npos) << text;
  }
  if (saved) {
    ::setenv("XDG_DATA_HOME", savedText.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_HOME");
  }
}

}  // namespace
}  // namespace pumpdrill
