// Start-up: directory resolution, the start-up log, one program at a time.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "frame/directories.h"
#include "frame/program.h"
#include "frame/single_instance.h"
#include "recording_host.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDir;

// Resolution changes the current directory; each test puts it back.
class DirectoryTest : public ::testing::Test {
 protected:
  void TearDown() override { fs::current_path(saved_); }
  std::string Dir(const fs::path& p) { return p.string() + "/"; }
  fs::path saved_ = fs::current_path();
  ScratchDir root;
  RecordingHost host;
};

TEST_F(DirectoryTest, ProgramInABinFolderUsesTheFolderAbove) {
  for (const char* bin : {"bin", "BIN", "Bin"}) {
    fs::path exe = root / "build" / bin;
    fs::create_directories(exe);
    Directories d = ResolveDirectories((exe / "pumpdrill").string(), host);
    EXPECT_EQ(d.ExeDirectory, Dir(exe)) << bin;
    EXPECT_EQ(d.MainDirectory, Dir(root / "build")) << bin;
    EXPECT_EQ(d.EvolutionsDirectory, Dir(root / "build" / "Evols"));
    EXPECT_EQ(d.IniDirectory, Dir(root / "build" / "Ini"));
    EXPECT_EQ(d.PanelsDirectory, Dir(root / "build" / "Panels"));
    EXPECT_EQ(d.HelpFile(), Dir(root / "build") + "Tw.hlp");
    fs::remove_all(root / "build");
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DirectoryTest, AnyPathContainingBinCountsLikeABinFolder) {
  fs::path exe = root / "Cabinet";
  fs::create_directories(exe);
  Directories d = ResolveDirectories((exe / "pumpdrill").string(), host);
  EXPECT_EQ(d.MainDirectory, Dir(root.path()));
  EXPECT_EQ(d.SoundsDirectory, Dir(root / "Snd"));
}

TEST_F(DirectoryTest, ProgramElsewhereUsesItsOwnFolder) {
  fs::path exe = root / "Pumpdrill";
  fs::create_directories(exe);
  Directories d = ResolveDirectories((exe / "pumpdrill").string(), host);
  EXPECT_EQ(d.MainDirectory, Dir(exe));
  EXPECT_EQ(d.RecordsDirectory, Dir(exe / "Recs"));
  EXPECT_EQ(fs::current_path(), exe);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DirectoryTest, AFolderThatCannotBeEnteredIsReportedAndStartUpGoesOn) {
  fs::path exe = root / "gone";  // never created
  Directories d = ResolveDirectories((exe / "pumpdrill").string(), host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Information);
  EXPECT_EQ(host.messages[0].text, "Error changing directory to--> " + exe.string());
  EXPECT_EQ(d.MainDirectory, Dir(exe));
}

TEST_F(DirectoryTest, MissingDataFoldersAreCreated) {
  Directories d = ResolveDirectoriesAt("/somewhere/pumpdrill", root.path().string(), host);
  EXPECT_EQ(d.MainDirectory, Dir(root.path()));
  fs::create_directories(root / "Ini");
  std::vector<std::string> created = CreateMissingDataFolders(d);
  EXPECT_EQ(created, (std::vector<std::string>{"Evols", "Snd", "Bmps", "Recs", "Panels"}));
  for (const std::string& name : DataFolderNames()) EXPECT_TRUE(fs::is_directory(root / name));
  EXPECT_TRUE(CreateMissingDataFolders(d).empty());
}

// The keys of the start-up log in file order, as "section/key".
std::vector<std::string> LogKeys(const fs::path& file) {
  std::istringstream in(testing::ReadText(file));
  std::vector<std::string> keys;
  std::string line, section;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    if (line.front() == '[') {
      section = line.substr(1, line.find(']') - 1);
    } else if (auto eq = line.find('='); eq != std::string::npos) {
      std::string key = line.substr(0, eq);
      while (!key.empty() && key.back() == ' ') key.pop_back();
      keys.push_back(section + "/" + key);
    }
  }
  return keys;
}

TEST_F(DirectoryTest, StartupLogRecordsEveryCheckpointInOrder) {
  fs::create_directories(root / "Ini");
  testing::WriteText(root / "Ini" / "LASTINIT.TXT", "[Old]\nstale=1\n");
  Program p;
  StartupInfo info;
  info.ProgramPath = "/opt/pumpdrill/bin/pumpdrill";
  info.MainDirectory = root.path().string();
  info.ScreenWidth = 1024;
  info.ScreenHeight = 768;
  AllocateAndResolve(p, info, host);
  ReadSettingsAndStartLog(p, info);
  LoadInternalDefaults(p, host);

  const std::vector<std::string> expected = {
      "Program Initialization/This file created", "Program Initialization/global started",
      "Program Initialization/global completed", "Program Initialization/Internal file0",
      "Program Initialization/Internal file", "Program Initialization/Temp Evol File0",
      "Program Initialization/Temp Evol File", "Directories/Exe Dir", "Directories/Main Dir",
      "Directories/Main Dir Why", "Directories/Library Dir", "Directories/Curr Dir", "Directories/Created", "Sound/pre wav check", "Sound/WAV sound:",
      "Sound/post wav check", "System/free disk space", "Video/Nr Colors", "Video/Resolution"};
  EXPECT_EQ(LogKeys(root / "Ini" / "LASTINIT.TXT"), expected);
  std::string text = testing::ReadText(root / "Ini" / "LASTINIT.TXT");
  EXPECT_NE(text.find("Sound Card NOT Installed: 0 wave device."), std::string::npos);
  EXPECT_NE(text.find("1024x768"), std::string::npos);
  EXPECT_NE(text.find("not determined yet"), std::string::npos);
  EXPECT_EQ(text.find("stale"), std::string::npos);

  // Without a wave device every sound option is off, and the state is ready.
  EXPECT_FALSE(p.config.Options.UseWavSound);
  EXPECT_FALSE(p.config.Options.EngineSound);
  EXPECT_EQ(p.S().DischargeList.LineCount, 8);
  EXPECT_TRUE(p.run.InitializedOnce);
  EXPECT_TRUE(fs::exists(root / "Ini" / "Tw.INI"));
}

TEST(Caption, NameAndVersion) { EXPECT_EQ(MainCaption(), "Tidewarden Pumpdrill   v 2.0"); }

TEST(SingleInstance, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
  ScratchDir dir;
  std::string path = (dir / "pumpdrill.lock").string();
  SingleInstanceLock first, second;
  EXPECT_TRUE(first.Acquire(path));
  EXPECT_FALSE(second.Acquire(path));
  EXPECT_TRUE(fs::exists(path));
  first.Release();
  EXPECT_FALSE(fs::exists(path)) << "a clean end leaves no lock file behind";
  EXPECT_TRUE(second.Acquire(path));
  EXPECT_TRUE(second.Held());
}

TEST(SingleInstance, TheLockFileGoesWithTheProgram) {
  ScratchDir dir;
  std::string path = (dir / "pumpdrill.lock").string();
  {
    SingleInstanceLock lock;
    ASSERT_TRUE(lock.Acquire(path));
    EXPECT_EQ(testing::ReadText(path), std::to_string(getpid()) + "\n");
  }
  EXPECT_FALSE(fs::exists(path));
}

TEST(SingleInstance, ALockLeftByACrashedProgramDoesNotBlock) {
  ScratchDir dir;
  std::string path = (dir / "pumpdrill.lock").string();
  testing::WriteText(path, "12345\n");  // the file of a program that died
  SingleInstanceLock lock;
  EXPECT_TRUE(lock.Acquire(path));

  // Another process holding the lock blocks; once it has died, it does not.
  lock.Release();
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  pid_t child = fork();
  if (child == 0) {
    SingleInstanceLock held;
    held.Acquire(path);
    char c = 1;
    ssize_t n = write(ready[1], &c, 1);
    (void)n;
    pause();
    _exit(0);
  }
  char c;
  ASSERT_EQ(read(ready[0], &c, 1), 1);
  EXPECT_FALSE(lock.Acquire(path));
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  EXPECT_TRUE(lock.Acquire(path));
  close(ready[0]);
  close(ready[1]);
}

}  // namespace
}  // namespace pumpdrill
