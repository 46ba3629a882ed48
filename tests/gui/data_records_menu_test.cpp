// The Data Records menu: recording and data-file items offered by the rules
// of a run, the data file's name and size shown, 'Save as...' refusing the
// temporary file's name and saving under the chosen one.
#include <gtest/gtest.h>

#include <QMenu>
#include <filesystem>

#include "frame/gui/frm_main.h"
#include "main_window_fixture.h"
#include "records/data_file.h"
#include "records/run_recording.h"

namespace pumpdrill {
namespace {

class ScriptedDataDialogs : public DataFileDialogs {
 public:
  std::optional<std::string> ChooseSaveAs(QWidget*, const std::string& folder, const std::string& fileName) override {
    offered.push_back("save " + folder + " " + fileName);
    if (choices.empty()) return std::nullopt;
    std::optional<std::string> c = choices.front();
    choices.erase(choices.begin());
    return c;
  }
  std::vector<std::string> ChooseDelete(QWidget*, const std::string& folder) override {
    offered.push_back("delete " + folder);
    return deleteChoice;
  }
  std::vector<std::optional<std::string>> choices;
  std::vector<std::string> deleteChoice;
  std::vector<std::string> offered;
};

class DataRecordsMenuTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow([this](TfrmMain& win) {
      auto owned = std::make_unique<ScriptedDataDialogs>();
      dialogs = owned.get();
      win.SetDataFileDialogs(std::move(owned));
    });
    host.messages.clear();
  }
  void RunFor(double seconds) {
    for (double t = 0; t <= seconds; t += 0.5) {
      host.now = start + t;
      w->Timer1Timer();
    }
  }
  std::string Recs() const { return p.Dirs().RecordsDirectory; }

  ScriptedDataDialogs* dialogs = nullptr;
  double start = 0;
};

TEST_F(DataRecordsMenuTest, ItemsFollowTheRecordingAndTheRun) {
  struct Expect {
    bool start, stop, saveAs, del;
  };
  auto check = [&](const char* when, Expect e) {
    SCOPED_TRACE(when);
    emit w->mnuDataRecords->aboutToShow();
    EXPECT_EQ(w->mStartRecording->isEnabled(), e.start);
    EXPECT_EQ(w->mStopRecording->isEnabled(), e.stop);
    EXPECT_EQ(w->mDataSaveAs->isEnabled(), e.saveAs);
    EXPECT_EQ(w->mDataDelete->isEnabled(), e.del);
    EXPECT_TRUE(w->mDataFile->isVisible());
    EXPECT_EQ(w->mDataFile->text().toStdString(), "Data File: tmp.dta");
  };
  check("idle, recording on startup", {false, true, true, true});
  start = host.now;
  w->mRunStart->trigger();
  RunFor(65);  // a page is written
  check("running", {false, true, false, false});
  EXPECT_EQ(w->mDataSize->text().toStdString(),
            "Size: " + std::to_string(std::filesystem::file_size(Recs() + "tmp.DTA") / 1024) + " kbytes");

  w->mnuDataRecords->popup(w->mapToGlobal(QPoint(300, 20)));
  testing::ProcessEventsFor(30);
  QImage shot = testing::Screenshot(*w->mnuDataRecords, "data_records_menu");
  EXPECT_GT(testing::ColourCount(shot), 2);
  w->mnuDataRecords->hide();

  w->mStopRecording->trigger();
  check("recording stopped", {true, false, false, false});
  w->mRunTerminate->trigger();
  check("terminated", {true, false, true, true});

  std::filesystem::remove(Recs() + "tmp.DTA");
  emit w->mnuDataRecords->aboutToShow();
  EXPECT_FALSE(w->mDataFile->isVisible());
  EXPECT_FALSE(w->mDataSize->isVisible());
}

TEST_F(DataRecordsMenuTest, SaveAsRefusesTheTemporaryNameAndOpensAgain) {
  start = host.now;
  w->mRunStart->trigger();
  RunFor(70);
  w->mRunTerminate->trigger();
  host.messages.clear();
  const std::string target = Recs() + "Engine Co 5.DTA";
  dialogs->choices = {Recs() + "TMP.DTA", target};
  w->mDataSaveAs->trigger();
  ASSERT_EQ(dialogs->offered.size(), 2u);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "tmp.DTA is the default temporary file.  This name is not permitted.");
  EXPECT_EQ(p.run.Recording.DataFileName, target);
  EXPECT_EQ(DataFileSampleCount(std::filesystem::file_size(target)),
            DataFileSampleCount(std::filesystem::file_size(Recs() + "tmp.DTA")));
  emit w->mnuDataRecords->aboutToShow();
  EXPECT_EQ(w->mDataFile->text().toStdString(), "Data File: engine co 5.dta");

  // Delete asks for each file by its path.
  dialogs->deleteChoice = {target};
  host.answers = {Answer::Yes};
  w->mDataDelete->trigger();
  EXPECT_EQ(host.messages.back().text, "Delete " + target);
  EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
}  // namespace pumpdrill
