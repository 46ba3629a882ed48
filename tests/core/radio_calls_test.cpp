// Radio calls during a run: random calls, the schedule, and how a call
// reaches the trainee.
#include "sound/radio_calls.h"

#include <algorithm>
#include <map>

#include "radio_fixture.h"
#include "sound/call_text_file.h"

namespace pumpdrill::testing {
namespace {

std::vector<std::string> Draws(RadioCallState& radio, int n, RandomSource& random) {
  std::vector<std::string> drawn;
  for (int i = 0; i < n; ++i) drawn.push_back(DrawRandomCall(radio, random));
  return drawn;
}

TEST_F(RadioTest, EveryRandomCallPlaysOnceBeforeAnyRepeats) {
  struct Case {
    std::vector<std::string> files;
  } cases[] = {{{"call01.WAV", "call02.WAV", "call03.WAV", "call04.WAV", "call05.WAV"}},
               // Numbers with gaps: every one is drawn, not only 1 to the count found.
               {{"call03.WAV", "CALL10.wav", "call20.WAV"}}};
  for (const Case& c : cases) {
    for (const auto& f : std::filesystem::directory_iterator(run.Dirs.SoundsDirectory))
      remove(f.path());
    for (const std::string& f : c.files) AddSound(f);
    RadioCallState radio;
    FindRandomCalls(radio, run.Dirs.SoundsDirectory);
    ASSERT_EQ(radio.RandomCalls.size(), c.files.size());
    RandomSource random(7);
    const int n = static_cast<int>(c.files.size());
    for (int round = 0; round < 3; ++round) {
      std::vector<std::string> drawn = Draws(radio, n, random);
      std::sort(drawn.begin(), drawn.end());
      std::vector<std::string> want = radio.RandomCalls;
      std::sort(want.begin(), want.end());
      EXPECT_EQ(drawn, want) << "round " << round;
    }
  }
}

TEST_F(RadioTest, RandomCallFilesOutsideOneToSixtyFourAreLeftOut) {
  for (const char* f :
       {"call00.WAV", "call65.WAV", "callxy.WAV", "call07.wav", "call7.WAV", "recall.WAV"})
    AddSound(f);
  RadioCallState radio;
  FindRandomCalls(radio, run.Dirs.SoundsDirectory);
  EXPECT_EQ(radio.RandomCalls, std::vector<std::string>{"call07.wav"});
}

TEST_F(RadioTest, NextRandomCallTimeFollowsMeanAndVariance) {
  struct Case {
    double mean, variance, low, high;
  } cases[] = {{13, 10, 8, 18}, {0.2, 0, 1, 1}, {20, -5, 20, 20}, {5, 3, 3.5, 6.5}};
  for (const Case& c : cases) {
    RandomSource random(11);
    double low = 1e9, high = -1e9;
    for (int i = 0; i < 2000; ++i) {
      const double t = NextRandomCallTime(100, c.mean, c.variance, random) - 100;
      low = std::min(low, t);
      high = std::max(high, t);
    }
    EXPECT_DOUBLE_EQ(low, c.low) << c.mean << " " << c.variance;
    EXPECT_DOUBLE_EQ(high, c.high) << c.mean << " " << c.variance;
  }
}

TEST_F(RadioTest, RandomCallsPlayOnlyWithRadioOnAndWaitForAnyRadioCall) {
  AddSound("call01.WAV");
  cfg.Options.RadioMean = 13;
  cfg.Options.RadioVariance = 0;
  ReloadRadioCalls(s, cfg, run, host);
  EXPECT_DOUBLE_EQ(run.Radio.NextRandomTime, 13);
  StepAt(12.9);
  EXPECT_FALSE(host.PlayedCue(SND_GENERAL_RADIO_CALL));
  host.playing = {SND_PRIORITY_RADIO_CALL};
  StepAt(13);
  EXPECT_FALSE(host.PlayedCue(SND_GENERAL_RADIO_CALL));
  host.playing.clear();
  StepAt(14);
  ASSERT_TRUE(host.PlayedCue(SND_GENERAL_RADIO_CALL));
  EXPECT_EQ(host.cues.back().file, Sound("call01.WAV").string());
  EXPECT_DOUBLE_EQ(run.Radio.NextRandomTime, 27);
  cfg.Options.RadioUse = false;
  host.Clear();
  StepAt(30);
  EXPECT_TRUE(host.cues.empty());
}

void Schedule(State& s, std::vector<std::pair<std::string, int>> calls) {
  std::vector<ScheduledCall> list;
  for (auto& [name, seconds] : calls) list.push_back({"", name, "", seconds, CallFault::None});
  LoadSchedule(s.RadioMessages, list);
}

TEST_F(RadioTest, ACallWithoutTimeIsDueAtFiftyNineFiftyNine) {
  AddSound("ENGINE1.WAV");
  EXPECT_EQ(ParseCallTime("59:59"), 3599);
  Schedule(s, {{"ENGINE1.WAV", kNoTimeSeconds}});
  cfg.Options.RadioUse = false;
  StepAt(3598.99);
  EXPECT_TRUE(host.cues.empty());
  StepAt(3599);
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0].cue, SND_PRIORITY_RADIO_CALL);
  EXPECT_EQ(s.RadioMessages.NextCall, 1);
  EXPECT_DOUBLE_EQ(s.RadioMessages.NextCallTime, kNoNextCallTime);
}

TEST_F(RadioTest, TwoCallsDueTogetherAreBothHeard) {
  AddSound("A.WAV");
  AddSound("B.WAV");
  cfg.Options.RadioUse = false;
  Schedule(s, {{"B.WAV", 10}, {"A.WAV", 10}});
  StepAt(10);
  host.playing = {SND_PRIORITY_RADIO_CALL};
  StepAt(10.015);
  StepAt(12);
  ASSERT_EQ(host.cues.size(), 1u);  // the second waits while the first sounds
  host.playing.clear();
  StepAt(13);
  ASSERT_EQ(host.cues.size(), 2u);
  EXPECT_EQ(host.cues[0].file, Sound("B.WAV").string());
  EXPECT_EQ(host.cues[1].file, Sound("A.WAV").string());
}

TEST_F(RadioTest, ACallThatIsNotHeardIsShownInTheIncidentWindow) {
  struct Case {
    const char* call;
    bool wavSound;
    const char* caption;
    bool cue;
  } cases[] = {
      {"ALARM.WTX", true, "Second alarm", false},  // text only
      {"FIRE1.WAV", false, "Fire attack", false},  // WAV sound off
      {"ROOF.WAV", false, "ROOF", false},          // no text: the base name
      {"FIRE1.WAV", true, "", true},               // heard
  };
  AddSound("FIRE1.WAV");
  AddSound("ROOF.WAV");
  ASSERT_EQ(WriteCallTextFile(Sound("alarm.wtx"),
                              {"Second alarm", {"Engine 7 to command,", "second alarm."}}),
            WriteStep::Done);
  ASSERT_EQ(WriteCallTextFile(Sound("FIRE1.WTX"), {"Fire attack", {"Attack line in service."}}),
            WriteStep::Done);
  for (const Case& c : cases) {
    host.Clear();
    host.shown.clear();
    cfg.Options.UseWavSound = c.wavSound;
    run.ElapsedText = "02:05";
    Schedule(s, {{c.call, 0}});
    StepAt(1);
    EXPECT_EQ(host.PlayedCue(SND_PRIORITY_RADIO_CALL), c.cue) << c.call;
    ASSERT_EQ(host.shown.size(), c.cue ? 0u : 1u) << c.call;
    if (!c.cue) {
      EXPECT_EQ(host.shown[0].Caption, c.caption);
      EXPECT_EQ(host.shown[0].Time, "02:05");
    }
  }
  EXPECT_EQ(host.shown.size(), 0u);
}

TEST_F(RadioTest, NoWaveDeviceShowsTheTendersCallAsText) {
  run.WaveDevices = 0;
  OfferPriorityCall("ictender.wav", RadioOutputOf(cfg, run), host);
  ASSERT_EQ(host.shown.size(), 1u);
  EXPECT_EQ(host.shown[0].Caption, "ictender");
  EXPECT_TRUE(host.cues.empty());
}

TEST_F(RadioTest, AMissingCallFileIsReportedAndTheScheduleGoesOn) {
  AddSound("B.WAV");
  cfg.Options.RadioUse = false;
  Schedule(s, {{"GONE.WAV", 5}, {"LOST.WTX", 6}, {"B.WAV", 7}});
  StepAt(8);
  StepAt(8);
  StepAt(8);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "Datei nicht gefunden: " + Sound("GONE.WAV").string());
  EXPECT_EQ(host.messages[1].text, "Datei nicht gefunden: " + Sound("LOST.WTX").string());
  EXPECT_EQ(s.RadioMessages.NextCall, 3);
  ASSERT_EQ(host.cues.size(), 1u);
  EXPECT_EQ(host.cues[0].file, Sound("B.WAV").string());
}

}  // namespace
}  // namespace pumpdrill::testing
