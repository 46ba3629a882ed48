// The splash window and pictures taken from the image libraries.
#include <gtest/gtest.h>

#include <QPointer>

#include "frame/gui/frm_splash.h"
#include "frame/gui/program_entry.h"
#include "frame/program.h"
#include "frame/single_instance.h"
#include "frame/startup_log.h"
#include "panel/gui/named_bitmap.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

using testing::ScratchMainDir;
using testing::TestWindowHost;

class CueRecorder : public SoundCues {
 public:
  std::vector<int> cues;
  void SoundCue(int cue, int, bool, const std::string&) override { cues.push_back(cue); }
};

TEST(Splash, TruckDrivesInStopsAndTheWindowClosesByItself) {
  ScratchMainDir dir;
  std::filesystem::create_directories(dir.path() / "Ini");
  StartupLog log;
  log.Restart((dir.path() / "Ini" / "LASTINIT.TXT").string());
  CueRecorder sound;
  QPointer<TfrmSplash> splash = new TfrmSplash(dir.str(), log, sound);
  splash->SetTimeScale(0.25);
  bool stopped = false;
  QObject::connect(splash, &TfrmSplash::truckStopped, [&] {
    stopped = true;
    QImage shot = testing::Screenshot(*splash, "splash");
    EXPECT_GT(testing::ColourCount(shot), 50);
  });
  splash->Start();
  EXPECT_TRUE(splash->isVisible());
  testing::ProcessEventsFor(100);
  testing::Screenshot(*splash, "splash_driving");
  for (int i = 0; i < 300 && splash; ++i) testing::ProcessEventsFor(10);
  EXPECT_TRUE(stopped);
  EXPECT_TRUE(splash.isNull());  // closed and released itself

  std::string text = testing::ReadTextFile(dir.path() / "Ini" / "LASTINIT.TXT");
  std::size_t last = 0;
  for (const char* key : {"splash create", "splash show", "splash trk stop", "splash eng stop",
                          "splash closing", "splash release1", "splash release2"}) {
    std::size_t at = text.find(key);
    ASSERT_NE(at, std::string::npos) << key;
    EXPECT_GT(at, last) << key;
    last = at;
  }
  EXPECT_EQ(sound.cues, (std::vector<int>{SND_ENG_START, SND_ENG_LOOP_SET_THROTTLE, SND_RESUME_SIM,
                                          SND_ENG_STOP}));
}

TEST(Pictures, NamedBitmapsComeFromTheLibraryAndAMissingNameIsReported) {
  TestWindowHost host;
  ImageLibraryHandle panel;
  ASSERT_TRUE(OpenPanelImageLibrary(testing::BuildMainDirectory().string() + "/", panel, host));
  QPixmap lamp, small, none;
  // Panel pictures are stored at four times their size and come back at it.
  EXPECT_TRUE(LoadNamedBitmap(panel, "GRN_LIGHT_PIC", lamp, host));
  EXPECT_EQ(lamp.deviceIndependentSize().toSize(), QSize(15, 15));
  EXPECT_EQ(lamp.devicePixelRatio(), 4.0);
  EXPECT_TRUE(LoadNamedBitmap(panel, "sm_red_light_pic", small, host));
  EXPECT_EQ(small.deviceIndependentSize().toSize(), QSize(9, 9));
  EXPECT_TRUE(host.messages.empty());

  EXPECT_FALSE(LoadNamedBitmap(panel, "GAUGE_BIG_MASK_X", none, host));
  EXPECT_TRUE(none.isNull());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Plain);
  EXPECT_EQ(host.messages[0].text, "Error: bitmap GAUGE_BIG_MASK_X not found!");

  // Without a library every lookup reports its picture.
  ImageLibraryHandle closed;
  EXPECT_FALSE(LoadNamedBitmap(closed, "SUPPLY_DRAFT", none, host));
  EXPECT_EQ(host.messages.back().text, "Error: bitmap SUPPLY_DRAFT not found!");
}

TEST(Pictures, EveryImageOfTheLibrariesDecodes) {
  TestWindowHost host;
  for (const char* name : {"panel04.dll", "misc04.dll"}) {
    ImageLibraryHandle lib;
    ASSERT_TRUE(OpenImageLibrary((testing::BuildMainDirectory() / name).string(), lib, host));
    EXPECT_GT(lib->Size(), 0u);
    for (const std::string& image : lib->Names()) {
      QPixmap picture;
      EXPECT_TRUE(LoadNamedBitmap(lib, image, picture, host)) << image;
    }
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST(SingleInstance, ASecondStartIsToldAndCreatesNoWindow) {
  ScratchMainDir dir;
  std::filesystem::create_directories(dir.path() / "Ini");
  Program first, second;
  first.run.Dirs.MainDirectory = second.run.Dirs.MainDirectory = dir.str();
  SetDataDirectories(first.run.Dirs);
  SetDataDirectories(second.run.Dirs);
  TestWindowHost host;
  SingleInstanceLock a, b;
  EXPECT_TRUE(AcquireSingleInstance(first, a, host));
  EXPECT_FALSE(AcquireSingleInstance(second, b, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Information);
  EXPECT_EQ(host.messages[0].text, "Only one Pumpdrill can be running at one time.");
}

CommandLine Parse(std::vector<std::string> args) {
  args.insert(args.begin(), "pumpdrill");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, SplashAndMainDirectoryOptions) {
  CommandLine plain = Parse({});
  EXPECT_TRUE(plain.ShowSplash);
  EXPECT_TRUE(plain.MainDirectory.empty());
  CommandLine c = Parse({"--no-splash", "--main-dir", "/srv/pumpdrill"});
  EXPECT_FALSE(c.ShowSplash);
  EXPECT_EQ(c.MainDirectory, "/srv/pumpdrill");
  EXPECT_TRUE(c.Error.empty());
  EXPECT_EQ(Parse({"--main-dir=/x"}).MainDirectory, "/x");
  EXPECT_FALSE(Parse({"--main-dir"}).Error.empty());
  EXPECT_FALSE(Parse({"--bogus"}).Error.empty());
}

}  // namespace
}  // namespace pumpdrill
