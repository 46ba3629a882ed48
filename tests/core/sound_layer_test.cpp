#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cmath>
#include <map>

#include "recording_host.h"
#include "scratch_dir.h"
#include "sound/recording_sound_backend.h"
#include "sound/sound_layer.h"
#include "wav_bytes.h"

namespace pumpdrill::testing {
namespace {

// Program sounds of silence: the engine cues at 30000 samples/s.
class SoundLayerTest : public ::testing::Test {
 protected:
  SoundLayerTest() : layer(backend, options, host, host) {
    for (int cue = 0; cue < kProgramSoundCues; ++cue)
      sounds[kSoundCueNames[cue]] = PcmWav(cue <= SND_ENG_STOP ? 30000 : 22050);
    EXPECT_TRUE(layer.InitSound([this](const std::string& name) -> std::string_view {
      auto it = sounds.find(name);
      return it == sounds.end() ? std::string_view{} : std::string_view(it->second);
    }));
    backend.log.clear();
  }
  void Later(double seconds) {
    host.now += seconds;
    layer.Poll();
  }
  bool Playing(int cue) { return backend.IsPlaying(cue); }

  std::map<std::string, std::string> sounds;
  TOptions options;
  RecordingHost host;
  RecordingSoundBackend backend;
  SoundLayer layer;
};

TEST_F(SoundLayerTest, EngineLoopEveryTickOnlyChangesItsPitch) {
  layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 30000);
  EXPECT_DOUBLE_EQ(backend.voices[1].Pitch, 1.0);  // idle plays the loop as recorded
  for (int i = 0; i < 5; ++i) layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 30000);
  layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 45000);
  layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, -1);
  layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 999999);
  EXPECT_EQ(backend.voices[1].Starts, 1);
  EXPECT_EQ(backend.Count("pitch 1"), 3);  // 30000, 45000, and 200000 at most
  EXPECT_EQ(backend.Count("gain 1"), 1);
  EXPECT_DOUBLE_EQ(backend.voices[1].Pitch, 200000 / 30000.0);
  // The starter while the loop plays does nothing.
  layer.SoundCue(SND_ENG_START, 30000);
  EXPECT_EQ(backend.voices[0].Starts, 0);
}

TEST_F(SoundLayerTest, SplashStartsOneLoopAtTheLastFrequencyAfterTheStarter) {
  layer.SoundCue(SND_ENG_START, 30000);
  layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 35000);
  layer.SoundCue(SND_ENG_START, 30000);  // pending: nothing
  EXPECT_TRUE(Playing(0));
  EXPECT_FALSE(Playing(1));
  Later(0.79);
  EXPECT_FALSE(Playing(1));
  EXPECT_TRUE(layer.HasPending());
  Later(0.02);
  EXPECT_TRUE(Playing(1));
  EXPECT_FALSE(layer.HasPending());
  EXPECT_EQ(backend.voices[0].Starts, 1);
  EXPECT_EQ(backend.voices[1].Starts, 1);
  EXPECT_DOUBLE_EQ(backend.voices[1].Pitch, 35000 / 30000.0);
  layer.SoundCue(SND_ENG_STOP, -1);
  EXPECT_FALSE(Playing(1));
  EXPECT_TRUE(Playing(2));
}

TEST_F(SoundLayerTest, PrimerStartGivesTheWantedLoopLater) {
  layer.SoundCue(SND_PRIMER_START, -1, true);
  EXPECT_TRUE(Playing(3));
  Later(0.39);
  EXPECT_FALSE(Playing(5));
  Later(0.02);
  EXPECT_TRUE(Playing(5));
  EXPECT_FALSE(Playing(4));
  // A loop request while the wanted loop plays changes nothing; the other
  // one replaces it.
  layer.SoundCue(SND_PRIMER_PRIMED_LOOP, -1, true);
  EXPECT_EQ(backend.voices[5].Starts, 1);
  layer.SoundCue(SND_PRIMER_PRIMING_LOOP, -1, false);
  EXPECT_TRUE(Playing(4));
  EXPECT_FALSE(Playing(5));
  // The end stops the loops.
  layer.SoundCue(SND_PRIMER_PRIMED_END, -1, false);
  EXPECT_TRUE(Playing(7));
  EXPECT_FALSE(Playing(4));

  // A loop request while one is pending chooses it.
  layer.SoundCue(SND_PRIMER_START, -1, false);
  layer.SoundCue(SND_PRIMER_PRIMING_LOOP, -1, true);
  Later(0.5);
  EXPECT_TRUE(Playing(5));
  EXPECT_FALSE(Playing(4));
}

TEST_F(SoundLayerTest, StopsCancelPendingLoops) {
  struct Case {
    const char* name;
    int startCue, stopCue, stopParam;
  } cases[] = {
      {"engine group", SND_ENG_START, SND_ENG_LOOP_SET_THROTTLE, SoundCueStop},
      {"engine stop cue", SND_ENG_START, SND_ENG_STOP, -1},
      {"primer group", SND_PRIMER_START, SND_PRIMER_PRIMED_END, SoundCueStop},
      {"stop all, engine", SND_ENG_START, SND_ALL, SoundCueStopAll},
      {"stop all, primer", SND_PRIMER_START, SND_ALL, SoundCueStopAll},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    layer.SoundCue(c.startCue, 30000, true);
    layer.SoundCue(c.stopCue, c.stopParam);
    EXPECT_FALSE(layer.HasPending());
    Later(1.0);
    for (int loop : {1, 4, 5}) EXPECT_FALSE(Playing(loop)) << loop;
  }
}

TEST_F(SoundLayerTest, PauseAndTerminateLeaveTheirCuesPlayingToTheEnd) {
  for (int endCue : {SND_RESUME_SIM, SND_COMPLETED_SIM}) {
    layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 40000);
    layer.SoundCue(SND_PRIMER_PRIMING_LOOP, -1);
    layer.SoundCue(SND_WATER_HAMMER, -1);
    layer.SoundCue(endCue, -1);
    layer.SoundCue(SND_ALL, SoundCueStopAll);
    EXPECT_TRUE(Playing(endCue));
    for (int cue : {1, 4, 11}) EXPECT_FALSE(Playing(cue)) << cue;
    backend.Finish(endCue);
  }
}

TEST_F(SoundLayerTest, NothingPlaysWithSoundOffEngineSoundOffOrMuted) {
  options.EngineSound = false;
  layer.SoundCue(SND_ENG_START, 30000);
  layer.SoundCue(SND_ENG_LOOP_SET_THROTTLE, 30000);
  layer.SoundCue(SND_ENG_STOP, -1);
  layer.SoundCue(SND_START_SIM, -1);  // not an engine cue
  EXPECT_EQ(backend.log, (std::vector<std::string>{"gain 8", "play 8"}));
  backend.log.clear();
  options.EngineSound = true;
  options.UseWavSound = false;
  for (int cue = 0; cue < kSoundCues; ++cue) layer.SoundCue(cue, -1, false, "x.wav");
  layer.SoundCue(SND_ALL, SoundCueStopAll);
  EXPECT_TRUE(backend.log.empty());
  options.UseWavSound = true;
  layer.SetMuted(true);  // stops what still plays
  backend.log.clear();
  for (int cue = 0; cue < kSoundCues; ++cue) layer.SoundCue(cue, -1, false, "x.wav");
  EXPECT_TRUE(backend.log.empty());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SoundLayerTest, EngineVolumeInHundredthsOfADecibel) {
  const std::pair<int, int> volumes[] = {{6, -9400}, {100, 0}, {0, -10000}, {85, -1500}, {150, 0}, {-3, -10000}};
  for (auto [percent, value] : volumes) EXPECT_EQ(EngineVolumeHundredthsDb(percent), value) << percent;
  EXPECT_NEAR(GainOfHundredthsDb(-2000), 0.1, 1e-12);
  layer.SetEngineVolume(6);
  layer.SoundCue(SND_ENG_STOP, -1);
  layer.SoundCue(SND_WATER_HAMMER, -1);
  EXPECT_NEAR(backend.voices[2].Gain, std::pow(10.0, -9400 / 2000.0), 1e-12);
  EXPECT_DOUBLE_EQ(backend.voices[11].Gain, 1.0);
}

TEST_F(SoundLayerTest, RadioCallsFromTheSoundsFolderWithoutRegardToCase) {
  ScratchDir dir;
  std::ofstream(dir.path() / "ictender.wav", std::ios::binary) << PcmWav(11025);
  layer.SetSoundsDirectory((dir.path().string() + "/"));
  layer.SoundCue(SND_PRIORITY_RADIO_CALL, -1, false, "ICTENDER.WAV");
  EXPECT_TRUE(Playing(12));
  EXPECT_EQ(backend.voices[12].Sound.SampleRate, 11025);
  layer.SoundCue(SND_ALL, SoundCueStopAll);
  EXPECT_FALSE(backend.voices[12].Loaded);
  options.RadioUse = false;
  layer.SoundCue(SND_GENERAL_RADIO_CALL, -1, false, "ictender.wav");
  EXPECT_FALSE(Playing(13));
  options.RadioUse = true;
  layer.SoundCue(SND_GENERAL_RADIO_CALL, -1, false, "missing.wav");
  EXPECT_FALSE(Playing(13));
  EXPECT_EQ(host.Texts(), "Datei nicht gefunden: " + (dir.path().string() + "/") + "missing.wav\n");
}

TEST(SoundLayerInit, FailuresShowOneMessageAndDisableTheLayer) {
  struct Case {
    const char* name;
    std::string openError;
    bool withSounds;
    const char* message;
  } cases[] = {
      {"no device", "ALC_INVALID_DEVICE", true, "Open sound device: ALC_INVALID_DEVICE\n"},
      {"a program sound missing", "", false, "SND_ENG_START: CreateSoundBuffer: the file is empty\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TOptions options;
    RecordingHost host;
    RecordingSoundBackend backend;
    backend.openError = c.openError;
    SoundLayer layer(backend, options, host, host);
    const std::string wav = PcmWav(22050);
    EXPECT_FALSE(layer.InitSound([&](const std::string&) {
      return c.withSounds ? std::string_view(wav) : std::string_view{};
    }));
    EXPECT_FALSE(layer.Enabled());
    EXPECT_EQ(host.Texts(), c.message);
    layer.SoundCue(SND_START_SIM, -1);
    EXPECT_FALSE(backend.IsPlaying(SND_START_SIM));
  }
}

}  // namespace
}  // namespace pumpdrill::testing
