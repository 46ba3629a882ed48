#include <gtest/gtest.h>

#include <fstream>

#include "scratch_dir.h"
#include "sound/sound_options_view.h"

namespace pumpdrill::testing {
namespace {

// Which controls the sound options enable, by machine and choice.
TEST(SoundOptionsView, EnablingRules) {
  struct Case {
    const char* name;
    SoundOptionsInput in;
    bool useEnabled, useChecked, engEnabled, engChecked, rndChecked;
    bool testEngine, testPrimer, testRandom, volume, noCard, outputMissing;
  } cases[] = {
      {"no sound card", {false, true, true, true, true, false}, false, false, false, false, false,
       false, false, false, false, true, false},
      {"sound output failed", {true, false, true, true, true, false}, false, false, false, false, false,
       false, false, false, false, false, true},
      {"sound off", {true, true, false, true, true, false}, true, false, false, false, false, false,
       false, false, false, false, false},
      {"all on, no run", {true, true, true, true, true, false}, true, true, true, true, true, true, true,
       true, true, false, false},
      {"all on, a run", {true, true, true, true, true, true}, true, true, true, true, true, false, false,
       false, true, false, false},
      {"engine off", {true, true, true, false, true, false}, true, true, true, false, true, false, true,
       true, false, false, false},
      {"random calls off", {true, true, true, true, false, false}, true, true, true, true, false, true,
       true, false, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SoundOptionsView v = ShowSoundOptions(c.in);
    EXPECT_EQ(v.CardInstalled, c.in.SoundCard);
    EXPECT_EQ(v.ShowNoCard, c.noCard);
    EXPECT_EQ(v.ShowOutputMissing, c.outputMissing);
    EXPECT_EQ(v.UseSound.Enabled, c.useEnabled);
    EXPECT_EQ(v.UseSound.Checked, c.useChecked);
    EXPECT_EQ(v.EngineSound.Enabled, c.engEnabled);
    EXPECT_EQ(v.EngineSound.Checked, c.engChecked);
    EXPECT_EQ(v.RandomCalls.Enabled, c.engEnabled);
    EXPECT_EQ(v.RandomCalls.Checked, c.rndChecked);
    // The primer box only shows that the primer sounds with the others.
    EXPECT_FALSE(v.Primer.Enabled);
    EXPECT_EQ(v.Primer.Checked, c.useChecked);
    EXPECT_EQ(v.TestEngine, c.testEngine);
    EXPECT_EQ(v.TestPrimer, c.testPrimer);
    EXPECT_EQ(v.TestRandomCall, c.testRandom);
    EXPECT_EQ(v.Volume, c.volume);
  }
}

TEST(SoundOptionsView, RandomCallFilesWithoutRegardToCase) {
  ScratchDir dir;
  for (const char* name : {"CALL02.WAV", "call01.wav", "call1.wav", "call003.wav", "ictender.wav", "recall.wav"})
    std::ofstream(dir.path() / name) << "x";
  std::filesystem::create_directory(dir.path() / "call04.wav");  // a folder, not a call
  EXPECT_EQ(FindRandomCallFiles(dir.path().string() + "/"),
            (std::vector<std::string>{"CALL02.WAV", "call01.wav"}));
  EXPECT_TRUE(FindRandomCallFiles((dir.path() / "missing").string() + "/").empty());
}

}  // namespace
}  // namespace pumpdrill::testing
