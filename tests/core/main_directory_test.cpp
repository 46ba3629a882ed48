// Which main directory a program uses, and what its first start puts there.
#include "frame/main_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "frame/program.h"
#include "recording_host.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::ScratchDir;
using testing::WriteText;

std::string Dir(const fs::path& p) { return p.string() + "/"; }

// An installed program below root/usr and a build tree below root/build.
class MainDirectoryTest : public ::testing::Test {
 protected:
  MainDirectoryTest() {
    fs::create_directories(root / "usr" / "bin");
    for (const char* folder : {"Evols", "Panels", "Snd"})
      fs::create_directories(root / "usr" / "share" / kPackageName / folder);
    fs::create_directories(root / "build" / "bin");
    fs::create_directories(root / "home");
  }
  ~MainDirectoryTest() override { fs::current_path(saved_); }

  std::string Installed() const { return (root / "usr" / "bin" / "pumpdrill").string(); }
  fs::path Shipped(const std::string& folder) const {
    return root / "usr" / "share" / kPackageName / folder;
  }
  StartupInfo Info() const {
    StartupInfo info;
    info.ProgramPath = Installed();
    info.Home = (root / "home").string();
    info.SystemConfig = (root / "etc.conf").string();
    return info;
  }

  fs::path saved_ = fs::current_path();
  ScratchDir root;
  RecordingHost host;
};

TEST_F(MainDirectoryTest, ChoiceByPlaceCommandLineSystemFileAndEnvironment) {
  struct Row {
    const char* name;
    bool installed;
    const char* commandLine;
    const char* xdg;                 // "" unset; relative values are not used
    std::optional<std::string> etc;  // the system file's text, none when absent
    MainDirectorySource source;
    std::string main;  // below root; "" for the program's place
    bool problem;      // the system file is reported
  };
  const std::string shared = (root / "class").string();
  const std::string xdg = (root / "xdg").string();
  const Row rows[] = {
      {"build tree", false, "", "", std::nullopt, MainDirectorySource::ProgramPlace, "", false},
      {"build tree ignores the system file", false, "", xdg.c_str(),
       "[Directories]\nMain Dir=" + shared + "\n", MainDirectorySource::ProgramPlace, "", false},
      {"--main-dir wins", true, "/tmp/elsewhere", xdg.c_str(),
       "[Directories]\nMain Dir=" + shared + "\n", MainDirectorySource::CommandLine, "", false},
      {"per user, XDG", true, "", xdg.c_str(), std::nullopt, MainDirectorySource::PerUser,
       "xdg/tidewarden-pumpdrill", false},
      {"per user, default", true, "", "", std::nullopt, MainDirectorySource::PerUser,
       "home/.local/share/tidewarden-pumpdrill", false},
      {"per user, relative XDG ignored", true, "", "rel/data", std::nullopt,
       MainDirectorySource::PerUser, "home/.local/share/tidewarden-pumpdrill", false},
      {"shared folder", true, "", xdg.c_str(), "[directories]\nmain dir = " + shared + "/ \n",
       MainDirectorySource::SharedFolder, "class", false},
      {"system file without the key", true, "", "", "[Directories]\nMain=x\n",
       MainDirectorySource::PerUser, "home/.local/share/tidewarden-pumpdrill", true},
      {"system file with an empty value", true, "", "", "[Directories]\nMain Dir=\n",
       MainDirectorySource::PerUser, "home/.local/share/tidewarden-pumpdrill", true},
      {"system file with a relative folder", true, "", "", "[Directories]\nMain Dir=class\n",
       MainDirectorySource::PerUser, "home/.local/share/tidewarden-pumpdrill", true},
      {"system file of garbage", true, "", "", std::string("\x01\xff\xfe=\n[[", 7),
       MainDirectorySource::PerUser, "home/.local/share/tidewarden-pumpdrill", true},
  };
  for (const Row& r : rows) {
    fs::remove_all(root / "etc.conf");
    if (r.etc) WriteText(root / "etc.conf", *r.etc);
    MainDirectoryQuestion q;
    q.ProgramPath = r.installed ? Installed() : (root / "build" / "bin" / "pumpdrill").string();
    q.CommandLine = r.commandLine;
    q.XdgDataHome = r.xdg;
    q.Home = (root / "home").string();
    q.SystemConfig = (root / "etc.conf").string();
    MainDirectoryAnswer a = ChooseMainDirectory(q);
    EXPECT_EQ(a.Source, r.source) << r.name;
    if (r.source == MainDirectorySource::CommandLine)
      EXPECT_EQ(a.MainDirectory, r.commandLine);
    else
      EXPECT_EQ(a.MainDirectory, r.main.empty() ? "" : Dir(root / r.main)) << r.name;
    EXPECT_EQ(a.InstalledData, r.installed ? Dir(Shipped("").parent_path()) : "") << r.name;
    EXPECT_EQ(!a.ConfigProblem.empty(), r.problem) << r.name << ": " << a.ConfigProblem;
    EXPECT_FALSE(a.Why.empty()) << r.name;
    EXPECT_TRUE(a.Error.empty()) << r.name;
  }
}

TEST_F(MainDirectoryTest, AnUnreadableSystemFileIsIgnored) {
  fs::create_directories(root / "etc.conf");  // a folder cannot be read as a file
  MainDirectoryQuestion q;
  q.ProgramPath = Installed();
  q.Home = (root / "home").string();
  q.SystemConfig = (root / "etc.conf").string();
  MainDirectoryAnswer a = ChooseMainDirectory(q);
  EXPECT_EQ(a.Source, MainDirectorySource::PerUser);
  EXPECT_NE(a.ConfigProblem.find("etc.conf"), std::string::npos) << a.ConfigProblem;
}

TEST_F(MainDirectoryTest, FirstStartSeedsSecondChangesNothingAndUserFilesSurvive) {
  WriteText(Shipped("Evols") / "Hydrant.EVO", "shipped hydrant");
  WriteText(Shipped("Evols") / "Draft.EVO", "shipped draft");
  WriteText(Shipped("Panels") / "Basic.PNL", "[Panel]\n");
  WriteText(Shipped("Snd") / "call1.wav", "RIFF");
  StartupInfo info = Info();

  Program first;
  ASSERT_TRUE(AllocateAndResolve(first, info, host));
  const fs::path main = root / "home" / ".local" / "share" / kPackageName;
  EXPECT_EQ(first.Dirs().MainDirectory, Dir(main));
  EXPECT_EQ(first.Dirs().LibraryDirectory(), Dir(Shipped("").parent_path()));
  for (const std::string& folder : DataFolderNames()) EXPECT_TRUE(fs::is_directory(main / folder));
  EXPECT_EQ(first.SeededFiles, (std::vector<std::string>{"Evols/Draft.EVO", "Evols/Hydrant.EVO",
                                                         "Panels/Basic.PNL", "Snd/call1.wav"}))
      << "in the folder's order";
  EXPECT_EQ(ReadText(main / "Evols" / "Hydrant.EVO"), "shipped hydrant");
  EXPECT_TRUE(host.messages.empty());

  // The user edits one, renames another's case; a second start (or one after
  // a reinstall with new shipped texts) replaces neither.
  WriteText(main / "Evols" / "Hydrant.EVO", "my hydrant");
  fs::rename(main / "Evols" / "Draft.EVO", main / "Evols" / "DRAFT.EVO");
  WriteText(Shipped("Evols") / "Hydrant.EVO", "shipped hydrant, version 2");
  const auto stamp = fs::last_write_time(main / "Panels" / "Basic.PNL");
  Program second;
  ASSERT_TRUE(AllocateAndResolve(second, info, host));
  EXPECT_TRUE(second.SeededFiles.empty());
  EXPECT_TRUE(second.CreatedFolders.empty());
  EXPECT_EQ(ReadText(main / "Evols" / "Hydrant.EVO"), "my hydrant");
  EXPECT_FALSE(fs::exists(main / "Evols" / "Draft.EVO"));
  EXPECT_EQ(fs::last_write_time(main / "Panels" / "Basic.PNL"), stamp);
  for (const auto& e : fs::recursive_directory_iterator(main))
    EXPECT_NE(e.path().extension(), ".part") << e.path();
}

TEST_F(MainDirectoryTest, StartupLogSaysWhichMainDirectoryAndWhy) {
  WriteText(root / "etc.conf", "[Directories]\nMain Dir=class\n");
  WriteText(Shipped("Evols") / "Hydrant.EVO", "shipped");
  Program p;
  StartupInfo info = Info();
  ASSERT_TRUE(AllocateAndResolve(p, info, host));
  ReadSettingsAndStartLog(p, info);
  const std::string log = ReadText(p.StartupLogPath());
  EXPECT_NE(log.find("Main Dir=" + p.Dirs().MainDirectory), std::string::npos) << log;
  EXPECT_NE(log.find("Main Dir Why=the user's own, in ~/.local/share"), std::string::npos) << log;
  EXPECT_NE(log.find("Library Dir=" + Dir(Shipped("").parent_path())), std::string::npos) << log;
  EXPECT_NE(log.find("Seeded=Evols/Hydrant.EVO"), std::string::npos) << log;
  EXPECT_NE(log.find("System Config=" + (root / "etc.conf").string()), std::string::npos) << log;
}

TEST_F(MainDirectoryTest, AMainDirectoryThatCannotBeCreatedEndsTheStartWithOneMessage) {
  WriteText(root / "home" / ".local", "a file where the folder should be");
  const fs::path cwd = fs::current_path();
  Program p;
  EXPECT_FALSE(AllocateAndResolve(p, Info(), host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Error);
  const std::string& text = host.messages[0].text;
  EXPECT_NE(text.find((root / "home" / ".local" / "share" / kPackageName).string()),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("Not a directory"), std::string::npos) << text;
  EXPECT_EQ(fs::current_path(), cwd);
  EXPECT_EQ(std::distance(fs::directory_iterator(root / "home"), fs::directory_iterator()), 1);

  StartupInfo noHome = Info();
  noHome.Home.clear();
  Program q;
  EXPECT_FALSE(AllocateAndResolve(q, noHome, host));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_NE(host.messages[1].text.find("HOME"), std::string::npos);
}

TEST_F(MainDirectoryTest, AFolderThatCannotBeWrittenIsReportedOnceAndMakesTheProgramReadOnly) {
  WriteText(root / "etc.conf", "[Directories]\nMain Dir=" + (root / "class").string() + "\n");
  auto probe = [](const std::string& dir) {
    return fs::path(dir).filename() == "Evols" || fs::path(dir).filename() == "Recs"
               ? std::string("Permission denied")
               : std::string();
  };
  Program p;
  ASSERT_TRUE(AllocateAndResolve(p, Info(), host, probe));
  EXPECT_EQ(p.Dirs().MainDirectory, Dir(root / "class"));
  EXPECT_TRUE(p.ReadOnly());
  EXPECT_EQ(p.ReadOnlyFolders,
            (std::vector<std::string>{"Evols: Permission denied", "Recs: Permission denied"}));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, ReadOnlyMessage(Dir(root / "class"), p.ReadOnlyFolders));
  EXPECT_NE(host.messages[0].text.find(Dir(root / "class")), std::string::npos);

  Program writable;
  ASSERT_TRUE(AllocateAndResolve(writable, Info(), host));
  EXPECT_FALSE(writable.ReadOnly());
  EXPECT_EQ(host.messages.size(), 1u);
}

}  // namespace
}  // namespace pumpdrill
