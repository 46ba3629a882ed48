// The radio calls configuration dialog and the incident window.
#include "sound/gui/frm_rad_cnfg.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <memory>

#include "frame/gui/frm_main.h"
#include "frame/program.h"
#include "main_window_fixture.h"
#include "sound/call_text_file.h"
#include "sound/gui/frm_icc_dlg.h"
#include "sound/radio_call_file.h"
#include "sound/wav_reader.h"
#include "window_test_support.h"

namespace pumpdrill::testing {
namespace {

constexpr const char* kNoName =
    "You will have to name the evolution and save it before you can save a radio calls file.";

class FrmRadCnfgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartupInfo info;
    info.ProgramPath = std::string(PUMPDRILL_BIN_DIR) + "/pumpdrill";
    info.MainDirectory = dir.path().string();
    info.WaveDevices = 1;
    AllocateAndResolve(p, info, host);
    ReadSettingsAndStartLog(p, info);
    p.run.WaveDevices = 1;
    for (const char* f : {"FIRE1.wav", "call01.WAV", "recall.wav", "zebra.wav", "b.WAV"}) Touch(f);
    ASSERT_EQ(WriteCallTextFile(Snd("Alarm.wtx"), {"Second alarm", {"Engine 7 to command."}}),
              WriteStep::Done);
    ASSERT_EQ(WriteCallTextFile(Snd("FIRE1.WTX"), {"Fire attack", {"Attack line in service."}}),
              WriteStep::Done);
  }
  void TearDown() override {
    dialog.reset();
    std::filesystem::current_path(saved);
  }
  std::string Snd(const std::string& name) const { return p.Dirs().SoundsDirectory + name; }
  void Touch(const std::string& name) { std::ofstream(Snd(name)) << "RIFF"; }
  void Open() {
    dialog = std::make_unique<TfrmRadCnfg>(p, host);
    dialog->show();
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    ProcessEventsFor(10);
  }
  QStringList Items(QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
    return items;
  }
  void Include(const QString& name) {
    auto found = dialog->AvailableCallsListBox->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QListWidget* list = dialog->AvailableCallsListBox;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found[0]).center());
    QTest::mouseClick(dialog->IncludeBtn, Qt::LeftButton);
  }
  void TypeTime(const char* text) {
    dialog->MaskEditPlayTime->setFocus();
    dialog->MaskEditPlayTime->selectAll();
    QTest::keyClicks(dialog->MaskEditPlayTime, text);
    QTest::keyClick(dialog->MaskEditPlayTime, Qt::Key_Return);
  }
  int Count(const std::string& text) {
    int n = 0;
    for (const auto& m : host.messages) n += m.text == text;
    return n;
  }

  std::filesystem::path saved = std::filesystem::current_path();
  ScratchMainDir dir{false};
  TestWindowHost host;
  Program p;
  std::unique_ptr<TfrmRadCnfg> dialog;
};

TEST_F(FrmRadCnfgTest, OffersTheIncidentCallsInUpperCaseWavsFirst) {
  Open();
  EXPECT_EQ(dialog->windowTitle(), "Radio Calls Configuration (not saved)");
  EXPECT_EQ(Items(dialog->AvailableCallsListBox), QStringList({"B.WAV", "FIRE1.WAV", "ALARM.WTX"}));
  EXPECT_TRUE(dialog->CallsUsedListBox->count() == 0);
  EXPECT_FALSE(dialog->LblSoundOff->isVisible());
}

TEST_F(FrmRadCnfgTest, IncludedCallsComeAtFiftyNineFiftyNineSelectedAndTheNoNameMessageOnce) {
  Open();
  Include("FIRE1.WAV");
  Include("B.WAV");
  EXPECT_EQ(Items(dialog->CallsUsedListBox), QStringList({"59:59  FIRE1.WAV", "59:59  B.WAV"}));
  EXPECT_EQ(dialog->CallsUsedListBox->currentRow(), 1);
  EXPECT_EQ(dialog->MaskEditPlayTime->text(), "59:59");
  QTest::mouseClick(dialog->ExcludeBtn, Qt::LeftButton);
  EXPECT_EQ(Items(dialog->CallsUsedListBox), QStringList({"59:59  FIRE1.WAV"}));
  EXPECT_EQ(Count(kNoName), 1);
  // OK refuses calls for an Evolution without a name.
  QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
  EXPECT_EQ(Count(kNoName), 2);
  EXPECT_TRUE(dialog->isVisible());
}

TEST_F(FrmRadCnfgTest, ATimeEditKeepsTheListInOrderAndTheSelectionOnTheCall) {
  p.run.CurrentEvolution = p.Dirs().EvolutionsDirectory + "Drill.EVO";
  Open();
  Include("FIRE1.WAV");
  TypeTime("0200");
  Include("B.WAV");
  Include("ALARM.WTX");
  dialog->CallsUsedListBox->setCurrentRow(1);  // B.WAV at 59:59
  TypeTime("0030");
  EXPECT_EQ(Items(dialog->CallsUsedListBox),
            QStringList({"00:30  B.WAV", "02:00  FIRE1.WAV", "59:59  ALARM.WTX"}));
  EXPECT_EQ(dialog->CallsUsedListBox->currentItem()->text(), "00:30  B.WAV");
  EXPECT_EQ(dialog->EditDescription->text(), "");
  // More than 59 seconds: the old time stays.
  TypeTime("0175");
  EXPECT_EQ(Count("Enter the time as minutes and seconds (mm:ss)."), 1);
  EXPECT_EQ(dialog->MaskEditPlayTime->text(), "00:30");
  EXPECT_EQ(dialog->CallsUsedListBox->item(0)->text(), "00:30  B.WAV");

  QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  RadioCallFile file;
  ASSERT_EQ(ReadRadioCallFile(p.Dirs().EvolutionsDirectory + "Drill.ITX", file), ItxRead::Done);
  ASSERT_EQ(file.Calls.size(), 3u);
  EXPECT_EQ(file.Calls[0].Name, "B.WAV");
  EXPECT_EQ(file.Calls[2].TimeText, "59:59");
  EXPECT_EQ(p.S().RadioMessages.CallFile[1].str(), "FIRE1.WAV");
  EXPECT_EQ(p.S().RadioMessages.CallTime[1], 120);
  EXPECT_EQ(p.S().RadioMessages.NextCallTime, 30);
}

TEST_F(FrmRadCnfgTest, TheCallsTextIsWrittenWhenTheFieldIsLeftAndShownAgain) {
  Open();
  Include("ALARM.WTX");
  EXPECT_EQ(dialog->EditDescription->text(), "Second alarm");
  EXPECT_EQ(dialog->MemoExactText->toPlainText(), "Engine 7 to command.");
  dialog->MemoExactText->setFocus();
  QTest::keyClick(dialog->MemoExactText, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClick(dialog->MemoExactText, Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(dialog->MemoExactText, "Stage at the hydrant.");
  QTest::keyClick(dialog->MemoExactText, Qt::Key_Return);  // commits
  CallText text;
  std::string error;
  ASSERT_TRUE(ReadCallTextFile(Snd("Alarm.wtx"), text, error));
  EXPECT_EQ(text.Lines,
            (std::vector<std::string>{"Engine 7 to command.", "Stage at the hydrant."}));
  Screenshot(*dialog, "frmRadCnfg");
}

TEST_F(FrmRadCnfgTest, CreateTextOnlyChecksTheName) {
  Open();
  struct Case {
    const char* name;
    const char* message;
  } cases[] = {{"", "Use letters, digits, blanks, - and _ for the call name."},
               {"../up", "Use letters, digits, blanks, - and _ for the call name."},
               {"alarm", "This filename already exists. Choose another."},
               {"Roof report-2", nullptr}};
  for (const Case& c : cases) {
    host.messages.clear();
    dialog->AskTextOnlyName = [&] { return std::optional<std::string>(c.name); };
    QTest::mouseClick(dialog->BtnCreateSndTxtFile, Qt::LeftButton);
    if (c.message) {
      ASSERT_EQ(host.messages.size(), 1u) << c.name;
      EXPECT_EQ(host.messages[0].text, c.message);
    } else {
      EXPECT_TRUE(host.messages.empty());
    }
  }
  EXPECT_TRUE(std::filesystem::exists(Snd("Roof report-2.WTX")));
  EXPECT_EQ(dialog->AvailableCallsListBox->currentItem()->text(), "ROOF REPORT-2.WTX");
}

TEST_F(FrmRadCnfgTest, DeleteNamesTheFilesThatExist) {
  p.run.CurrentEvolution = p.Dirs().EvolutionsDirectory + "Drill.EVO";
  Open();
  struct Case {
    const char* item;
    std::string question;
    std::vector<std::string> gone;
  } cases[] = {{"B.WAV", "Delete B.WAV ?", {"b.WAV"}},
               {"ALARM.WTX", "Delete ALARM.WTX ?", {"Alarm.wtx"}},
               {"FIRE1.WAV", "Delete FIRE1.WAV and FIRE1.WTX ?", {"FIRE1.wav", "FIRE1.WTX"}}};
  QTest::mouseClick(dialog->BtnDeleteSelectedFile, Qt::LeftButton);
  EXPECT_EQ(Count("A file in the list must be selected before it can be deleted."), 1);
  for (const Case& c : cases) {
    host.messages.clear();
    host.answers = {Answer::Cancel};
    Include(c.item);
    QListWidget* used = dialog->CallsUsedListBox;
    QTest::mouseClick(used->viewport(), Qt::LeftButton, {},
                      used->visualItemRect(used->currentItem()).center());
    QTest::mouseClick(dialog->BtnDeleteSelectedFile, Qt::LeftButton);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().text, c.question);
    EXPECT_EQ(host.messages.back().buttons, Buttons::OkCancel);
    for (const std::string& f : c.gone) EXPECT_TRUE(std::filesystem::exists(Snd(f))) << f;
    QTest::mouseClick(dialog->BtnDeleteSelectedFile, Qt::LeftButton);  // OK this time
    for (const std::string& f : c.gone) EXPECT_FALSE(std::filesystem::exists(Snd(f))) << f;
    EXPECT_TRUE(dialog->CallsUsedListBox->findItems(c.item, Qt::MatchContains).isEmpty());
    EXPECT_TRUE(dialog->AvailableCallsListBox->findItems(c.item, Qt::MatchExactly).isEmpty());
  }
}

TEST_F(FrmRadCnfgTest, OkWithoutCallsLeavesTheHeaderAloneAndKeepsTheOldFile) {
  p.run.CurrentEvolution = p.Dirs().EvolutionsDirectory + "Drill.EVO";
  const std::string itx = p.Dirs().EvolutionsDirectory + "Drill.ITX";
  std::ofstream(itx) << "[01]\nNAME=B.WAV\nTIME=00:10\n[02]\nNAME=GONE.WAV\nTIME=7:75\n";
  Open();
  EXPECT_EQ(dialog->windowTitle(), "Radio Calls Configuration (disk file:  Drill.ITX)");
  EXPECT_EQ(Items(dialog->CallsUsedListBox),
            QStringList({"00:10  B.WAV", "59:59  GONE.WAV  (missing)"}));
  dialog->CallsUsedListBox->setCurrentRow(0);
  QTest::mouseClick(dialog->ExcludeBtn, Qt::LeftButton);
  QTest::mouseClick(dialog->ExcludeBtn, Qt::LeftButton);
  QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
  EXPECT_EQ(ReadTextFile(itx),
            "[Incident and Command Radio Files for Evolution: Drill]\nrel=2.0\n");
  EXPECT_EQ(ReadTextFile(itx + ".bak"),
            "[01]\nNAME=B.WAV\nTIME=00:10\n[02]\nNAME=GONE.WAV\nTIME=7:75\n");
  EXPECT_EQ(p.S().RadioMessages.NextCallTime, 999999.0);
}

TEST_F(FrmRadCnfgTest, WithSoundOffTheLabelSaysSoAndPlayIsUnavailable) {
  p.config.Options.UseWavSound = false;
  Open();
  EXPECT_TRUE(dialog->LblSoundOff->isVisible());
  EXPECT_EQ(dialog->LblSoundOff->text(),
            " WAV sound is switched off.  Use   Options|Sound   to change. ");
  EXPECT_FALSE(dialog->BtnPlayWave->isEnabled());
  Include("ALARM.WTX");
  EXPECT_EQ(dialog->BtnMakeWav->isEnabled(),
            !QStandardPaths::findExecutable("espeak-ng").isEmpty());
  Screenshot(*dialog, "frmRadCnfg_sound_off");
}

TEST_F(FrmRadCnfgTest, MakeWavFromTextSpeaksTheTextOnlyCall) {
  if (QStandardPaths::findExecutable("espeak-ng").isEmpty())
    GTEST_SKIP() << "espeak-ng is not installed";
  Open();
  Include("FIRE1.WAV");
  EXPECT_FALSE(dialog->BtnMakeWav->isEnabled());  // a recorded call already
  Include("ALARM.WTX");
  ASSERT_TRUE(dialog->BtnMakeWav->isEnabled());
  QTest::mouseClick(dialog->BtnMakeWav, Qt::LeftButton);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text, "The call is now the recorded call ALARM.WAV.");
  WavSound sound;
  std::string error;
  ASSERT_TRUE(ReadWavFile(Snd("ALARM.WAV"), sound, error)) << error;
  EXPECT_GT(sound.Frames(), static_cast<std::size_t>(sound.SampleRate / 2));
  EXPECT_EQ(dialog->CallsUsedListBox->currentItem()->text(), "59:59  ALARM.WAV");
  EXPECT_EQ(dialog->EditDescription->text(), "Second alarm");  // the text stays with the call
}

class IncidentWindowTest : public MainWindowFixture {};

TEST_F(IncidentWindowTest, ATextCallShowsOverThePanelWithoutTakingTheKeyboard) {
  OpenMainWindow();
  ASSERT_NE(host.IncidentWindow(), nullptr);
  EXPECT_FALSE(host.IncidentWindow()->isVisible());
  EXPECT_EQ(host.IncidentWindow()->windowTitle(), "Incident");
  QWidget* focused = QApplication::focusWidget();
  host.ShowIncidentCall({"Command: second line",
                         {"Harbor Command to pump operator,", "stretch a second line to the rear."},
                         "04:12"});
  ProcessEventsFor(20);
  TfrmIccDlg* icc = host.IncidentWindow();
  EXPECT_TRUE(icc->isVisible());
  EXPECT_EQ(icc->windowTitle(), "Command: second line");
  EXPECT_EQ(icc->LblCurrSimTime->text(), "04:12");
  EXPECT_EQ(icc->Memo1->toPlainText(),
            "Harbor Command to pump operator,\nstretch a second line to the rear.");
  EXPECT_TRUE(icc->Memo1->isReadOnly());
  EXPECT_EQ(QApplication::focusWidget(), focused);

  QImage shot = w->grab().toImage();
  {
    QPainter painter(&shot);
    const QPoint at = icc->frameGeometry().topLeft() - w->geometry().topLeft();
    painter.drawImage(QPoint(std::max(0, at.x()), std::max(0, at.y())), icc->grab().toImage());
  }
  const std::string scale = qEnvironmentVariable("QT_SCALE_FACTOR") == "2" ? "_2x" : "";
  std::filesystem::path shots = BuildMainDirectory() / "tests" / "screenshots";
  std::filesystem::create_directories(shots);
  shot.save(QString::fromStdString((shots / ("frmIccDlg_over_panel" + scale + ".png")).string()));

  QTest::mouseClick(icc->OKBtn, Qt::LeftButton);
  EXPECT_FALSE(icc->isVisible());
}

}  // namespace
}  // namespace pumpdrill::testing
