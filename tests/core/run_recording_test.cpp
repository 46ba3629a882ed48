// Recording a run: every sample reaches the data file once and in order,
// pages turn when they should, the size limit asks once, unsaved samples
// are offered for saving, and Save as keeps what the run recorded.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <optional>

#include "file_fault_support.h"
#include "records/data_file.h"
#include "records/run_recording.h"
#include "running_fixture.h"

namespace pumpdrill {
namespace {

constexpr const char* kSizeQuestionStart = "Data file has exceeded ";

// A host with a save dialog whose choices the test lists.
class SavingHost : public RecordingHost {
 public:
  bool CanChooseDataSaveName() override { return true; }
  std::optional<std::string> ChooseDataSaveName(const std::string& folder, const std::string& proposed) override {
    proposals.push_back(proposed);
    if (names.empty()) return std::nullopt;
    std::optional<std::string> n = names.front();
    names.pop_front();
    if (n && n->find('/') == std::string::npos) n = folder + *n;
    return n;
  }
  std::deque<std::optional<std::string>> names;
  std::vector<std::string> proposals;
};

class RunRecordingTest : public testing::RunningTest {
 protected:
  RunRecording& rec() { return run.Recording; }
  std::string TempPath() { return TemporaryDataFilePath(run); }
  // A new run whose time 0 is the clock TickAt counts from.
  void StartRun() {
    host.now = kRunStartClock;
    SetRunState(s, cfg, run, host, kRunStart);
  }

  // Ticks every dt from `from` up to and including `to`.
  void RunFromTo(double from, double to, double dt) {
    for (long i = 0;; ++i) {
      const double t = from + i * dt;
      if (t > to + 1e-9) break;
      TickAt(t);
    }
  }
  std::vector<TDataSampleRec> FileSamples(const std::string& path) {
    DataFileContents c;
    std::string reason;
    EXPECT_TRUE(ReadDataFile(path, s, c, reason)) << reason;
    return c.Samples;
  }
  int Questions(const std::string& start) {
    int n = 0;
    for (const auto& m : host.messages) n += m.text.rfind(start, 0) == 0;
    return n;
  }
};

TEST_F(RunRecordingTest, EverySampleTakenIsInTheFileOnceInOrder) {
  for (double interval : {1.0, 0.25}) {
    SCOPED_TRACE(interval);
    InitializeSimulation(s, cfg, run, host);
    rec().PlotSetup.SampleInterval = interval;
    StartRun();
    RunFromTo(0, 70, 0.05);  // page turns on the way
    StopRecording(s, cfg, run, host);
    RunFromTo(70.05, 90, 0.05);
    StartRecording(run);
    RunFromTo(90.05, 150, 0.05);
    SetRunState(s, cfg, run, host, kRunTerminate);

    const std::vector<TDataSampleRec> samples = FileSamples(TempPath());
    EXPECT_EQ(static_cast<std::int64_t>(samples.size()), rec().SampleNumber - 1);
    ASSERT_GT(samples.size(), 100u);
    for (std::size_t i = 1; i < samples.size(); ++i) {
      const double gap = samples[i].Time - samples[i - 1].Time;
      const bool acrossStop = samples[i - 1].Time <= 70 && samples[i].Time > 90;
      EXPECT_GE(gap, interval - 1e-9) << i;
      if (!acrossStop) {
        EXPECT_LE(gap, interval + 0.05 + 1e-9) << i;
      }
    }
    EXPECT_TRUE(host.messages.empty()) << host.Texts();
  }
}

TEST_F(RunRecordingTest, APageTurnsPastItsTimeOrAtItsLastSlot) {
  struct Case {
    double interval;
    double turnAt;         // the sample that begins the new page
    std::size_t inFile;    // samples in the file after the turn
  };
  for (const Case& c : {Case{1.0, 61.0, 61}, Case{0.25, 31.0, 124}}) {
    SCOPED_TRACE(c.interval);
    InitializeSimulation(s, cfg, run, host);
    rec().PlotSetup.SampleInterval = c.interval;
    StartRun();
    RunFromTo(0, c.turnAt - c.interval, c.interval);
    EXPECT_EQ(FileSamples(TempPath()).size(), 0u);
    TickAt(c.turnAt);
    EXPECT_EQ(FileSamples(TempPath()).size(), c.inFile);
    EXPECT_EQ(rec().Page[1].Time, c.turnAt);
    EXPECT_EQ(rec().Page[2].Time, kUnusedSlotTime);
    EXPECT_EQ(rec().PlotSetup.PageCount, 2);
    EXPECT_EQ(rec().PageStart, static_cast<std::int64_t>(c.turnAt));
    SetRunState(s, cfg, run, host, kRunTerminate);
  }
}

TEST_F(RunRecordingTest, TheSizeLimitAsksOnceAndDeletesOrSwitchesOff) {
  for (Answer answer : {Answer::Yes, Answer::No}) {
    SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
    InitializeSimulation(s, cfg, run, host);
    StartRun();
    cfg.Options.MaxDatafileKBytes = 0;
    RunFromTo(0, 60, 1);
    host.Clear();
    host.answers = {answer};
    TickAt(61);
    ASSERT_EQ(Questions(kSizeQuestionStart), 1) << host.Texts();
    EXPECT_EQ(host.messages[0].text,
              "Data file has exceeded 0 kbytes. Do you want to delete the data file? (Click YES to delete, NO to "
              "save it.)");
    if (answer == Answer::Yes) {
      EXPECT_EQ(FileSamples(TempPath()).size(), 0u);
      EXPECT_TRUE(rec().RecordingOn);
      EXPECT_EQ(host.Count("EngineSound"), 0);  // the tick ended there
    } else {
      EXPECT_EQ(FileSamples(TempPath()).size(), 61u);
      EXPECT_FALSE(rec().RecordingOn);
      EXPECT_EQ(host.messages.back().text, "Data recording has been switched off.");
      TickAt(62);
      EXPECT_EQ(rec().PlotSetup.NextSampleTime, kNoSampleTime);
    }
    SetRunState(s, cfg, run, host, kRunTerminate);
    cfg.Options.MaxDatafileKBytes = 3000;
  }
}

// Ticks go on while the size question is on screen; it is not asked again.
class NestedTicksHost : public RecordingHost {
 public:
  Answer Message(MsgType type, Buttons buttons, const std::string& text) override {
    Answer a = RecordingHost::Message(type, buttons, text);
    if (text.rfind(kSizeQuestionStart, 0) == 0 && whileOpen) {
      auto ticks = std::move(whileOpen);
      ticks();
      return Answer::No;
    }
    return a;
  }
  std::function<void()> whileOpen;
};

TEST_F(RunRecordingTest, TheSizeQuestionIsNeverAskedTwiceAtATime) {
  NestedTicksHost nested;
  nested.now = kRunStartClock;
  InitializeSimulation(s, cfg, run, nested);
  SetRunState(s, cfg, run, nested, kRunStart);
  cfg.Options.MaxDatafileKBytes = 0;
  auto tick = [&](double t) {
    nested.now = kRunStartClock + t;
    SimulationTick(s, cfg, run, nested);
  };
  nested.whileOpen = [&] {
    for (double t = 62; t <= 300; t += 1) tick(t);  // several more page turns
  };
  for (double t = 0; t <= 61; t += 1) tick(t);
  int asked = 0;
  for (const auto& m : nested.messages) asked += m.text.rfind(kSizeQuestionStart, 0) == 0;
  EXPECT_EQ(asked, 1);
}

TEST_F(RunRecordingTest, UnsavedSamplesAreOfferedUntilSavedOrRefused) {
  struct Case {
    const char* what;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> names;
    int questions;
    bool saved;
  };
  const Case cases[] = {
      {"cancelled dialog asks again, then saved", {Answer::Yes, Answer::Yes}, {std::nullopt, "KEEP.DTA"}, 2, true},
      {"tmp.DTA refused, then saved", {Answer::Yes}, {"TMP.dta", "KEEP.DTA"}, 1, true},
      {"No discards", {Answer::Yes, Answer::No}, {std::nullopt}, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SavingHost saving;
    saving.now = kRunStartClock;
    InitializeSimulation(s, cfg, run, saving);
    SetRunState(s, cfg, run, saving, kRunStart);
    for (double t = 0; t <= 70; t += 1) {
      saving.now = kRunStartClock + t;
      SimulationTick(s, cfg, run, saving);
    }
    SetRunState(s, cfg, run, saving, kRunTerminate);
    const std::size_t recorded = FileSamples(TempPath()).size();
    ASSERT_GT(recorded, 60u);
    saving.Clear();
    saving.answers = c.answers;
    saving.names = c.names;
    InitializeSimulation(s, cfg, run, saving);
    int asked = 0;
    for (const auto& m : saving.messages) asked += m.text == "Do you want to save last temporary data record ?";
    EXPECT_EQ(asked, c.questions) << saving.Texts();
    const std::string keep = rec().DataDirectory(run.Dirs.RecordsDirectory) + "KEEP.DTA";
    EXPECT_EQ(std::filesystem::exists(keep), c.saved);
    if (c.saved) {
      EXPECT_EQ(FileSamples(keep).size(), recorded);
    }
    EXPECT_EQ(FileSamples(TempPath()).size(), 0u);  // a fresh temporary file
    EXPECT_EQ(rec().DataFileName, TempPath());
    std::filesystem::remove(keep);
  }
}

TEST_F(RunRecordingTest, SaveAsOntoAnExistingFileHoldsThisRunWhole) {
  RunFromTo(0, 70, 1);
  SetRunState(s, cfg, run, host, kRunTerminate);
  const std::vector<TDataSampleRec> recorded = FileSamples(TempPath());
  const std::string target = (dir / "Recs" / "Old Run.DTA").string();
  std::ofstream(target, std::ios::binary) << std::string(kDataHeaderBytes + 3 * kDataSampleBytes, 'x');

  EXPECT_FALSE(SaveDataFileAs(run, host, (dir / "Recs" / "Tmp.Dta").string()));
  EXPECT_EQ(host.messages.back().text, "tmp.DTA is the default temporary file.  This name is not permitted.");
  ASSERT_TRUE(SaveDataFileAs(run, host, target));
  EXPECT_EQ(rec().DataFileName, target);
  const std::vector<TDataSampleRec> saved = FileSamples(target);
  ASSERT_EQ(saved.size(), recorded.size());
  EXPECT_EQ(saved.back().Time, recorded.back().Time);
  DataFileContents c;
  std::string reason;
  ASSERT_TRUE(ReadDataFile(target, s, c, reason));
  EXPECT_EQ(c.Header.PlotTitle.str(), "Performance Plot");

  const DataFileMenuInfo info = DataRecordsMenuInfo(run);
  EXPECT_TRUE(info.shown);
  EXPECT_EQ(info.fileText, "Data File: old run.dta");
  EXPECT_EQ(info.sizeText, "Size: " + std::to_string(std::filesystem::file_size(target) / 1024) + " kbytes");
}

TEST_F(RunRecordingTest, ANewRunStampsItsStartAndStartsItsPagesAtZero) {
  RunFromTo(0, 130, 1);  // two page turns
  SetRunState(s, cfg, run, host, kRunTerminate);
  run.CurrentEvolution = (dir / "Evols" / "Hydrant Drill.EVO").string();
  InitializeSimulation(s, cfg, run, host);
  EXPECT_EQ(rec().PlotSetup.EvolutionName.str(), "Hydrant Drill.EVO");
  EXPECT_EQ(rec().PlotSetup.PlotTitle.str(), "Hydrant Drill");
  host.timeOfDay = 14 * 3600 + 5 * 60 + 30;
  StartRun();
  EXPECT_EQ(rec().PageStart, 0);

  DataFileContents c;
  std::string reason;
  ASSERT_TRUE(ReadDataFile(TempPath(), s, c, reason));
  EXPECT_EQ(c.Header.RecordTime.str(), "02:05 PM");
  EXPECT_FALSE(c.Header.RecordDate.empty());
  EXPECT_EQ(FormatRecordTime(0), "12:00 AM");
  EXPECT_EQ(FormatRecordTime(12 * 3600 + 59), "12:00 PM");

  SetRunState(s, cfg, run, host, kRunTerminate);
  run.CurrentEvolution = (dir / "Evols" / "Relay.EVO").string();
  rec().PlotTitleTyped = true;
  InitializeSimulation(s, cfg, run, host);
  EXPECT_EQ(rec().PlotSetup.EvolutionName.str(), "Relay.EVO");
  EXPECT_EQ(rec().PlotSetup.PlotTitle.str(), "Hydrant Drill");  // typed titles stay
}

TEST_F(RunRecordingTest, AFullDiskKeepsTheWholeSamplesAndSwitchesOff) {
  RunFromTo(0, 60, 1);
  {
    DiskFullAfter limit(kDataHeaderBytes + 10 * kDataSampleBytes + 200);
    TickAt(61);
  }
  EXPECT_FALSE(rec().RecordingOn);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_NE(host.messages.back().text.find("keeps its first 10 samples. Data recording has been switched off."),
            std::string::npos)
      << host.Texts();
  EXPECT_EQ(DataFileSize(TempPath()), kDataHeaderBytes + 10 * kDataSampleBytes);
}

}  // namespace
}  // namespace pumpdrill
