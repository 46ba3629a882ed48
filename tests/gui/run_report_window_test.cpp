// The run report window of the main window: a run of a shipped exercise,
// worked as a trainee works it, terminated; the report is shown, filed as
// a PDF in the data folder, and prints as a PDF.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "frame/gui/frm_main.h"
#include "main_window_fixture.h"
#include "panel/controls/governor_set_point.h"
#include "records/gui/frm_answer_key.h"
#include "records/gui/frm_run_report.h"
#include "scripted_dialogs.h"
#include "setup/nozzle_operation.h"
#include "window_test_support.h"

namespace pumpdrill {
namespace {

namespace fs = std::filesystem;

bool IsPdf(const fs::path& path) {
  QFile f(QString::fromStdString(path.string()));
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = f.readAll();
  return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF") && bytes.size() > 1000;
}

// The data file's 'Save as...' dialog, answering with the names given.
class SaveAsDialogs : public DataFileDialogs {
 public:
  std::optional<std::string> ChooseSaveAs(QWidget*, const std::string&,
                                          const std::string&) override {
    if (choices.empty()) return std::nullopt;
    std::string c = choices.front();
    choices.erase(choices.begin());
    return c;
  }
  std::vector<std::string> ChooseDelete(QWidget*, const std::string&) override { return {}; }
  std::vector<std::string> choices;
};

class RunReportWindowTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow([this](TfrmMain& win) {
      auto owned = std::make_unique<testing::ScriptedEvolutionDialogs>();
      dialogs = owned.get();
      win.SetEvolutionDialogs(std::move(owned));
    });
    const fs::path evols = testing::BuildMainDirectory() / "Evols";
    fs::copy_file(evols / "TANK-ATTACK.EVO", p.Dirs().EvolutionsDirectory + "TANK-ATTACK.EVO");
    // The shipped key, scored over the 40 s this test runs.
    std::ofstream(p.Dirs().EvolutionsDirectory + "TANK-ATTACK.KEY")
        << "[Key]\nDuration=40\nIntakeFloor=0\n[Line "
           "3]\nNozzlePressure=100\nTolerance=10\n"
           "WaterBy=30\n[Line "
           "5]\nNozzlePressure=100\nTolerance=10\nWaterBy=30\n";
    dialogs->choices = {p.Dirs().EvolutionsDirectory + "TANK-ATTACK.EVO"};
    w->mOpen->trigger();
    host.messages.clear();
  }

  // The trainee's run: tank to pump, the governor or the throttle, both
  // crosslays opened after 2 s, 40 s in all, then the stop button.
  void Run(bool throttleHigh) {
    State& s = p.S();
    QTest::mouseClick(w->BtnStart, Qt::LeftButton);
    OpenValve(17);
    if (throttleHigh) {
      s.PumpControl.PressureControlMode = 2;
      s.Engine.RpmDemand = 2200;
    } else {
      s.PumpControl.PressureControlMode = 1;
      s.PumpControl.GovernorMode = 0;
      SetGovernorPressure(s, 158);
    }
    Ticks(134);
    for (int line : {3, 5}) {
      OpenValve(line);
      StoreNozzleOpening(s, line, 1);
    }
    Ticks(2533);
    QTest::mouseClick(w->BtnStop, Qt::LeftButton);
    testing::ProcessEventsFor(50);
  }

  testing::ScriptedEvolutionDialogs* dialogs = nullptr;
};

TEST_F(RunReportWindowTest, TerminateShowsTheReportFilesItAndPrintsAPdf) {
  Run(false);
  TfrmRunReport* report = w->frmRunReport();
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(report->isVisible());
  const std::string text = report->MemoReport->toPlainText().toStdString();
  EXPECT_NE(text.find("Score: 100.0 of 100"), std::string::npos) << text;
  // The actions, read off the controls as they were worked.
  EXPECT_NE(text.find("s  valve 17 1.00\n"), std::string::npos) << text;
  EXPECT_NE(text.find("s  governor pressure 158\n"), std::string::npos) << text;
  EXPECT_NE(text.find("s  valve 3 1.00\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Cavitating: 0.0 s; water hammers: 0"), std::string::npos) << text;
  // Filed with the data file, under a name of its own.
  ASSERT_FALSE(w->lastFiledReport().empty());
  EXPECT_EQ(fs::path(w->lastFiledReport()).parent_path(),
            fs::path(p.run.Recording.DataDirectory(p.Dirs().RecordsDirectory)).parent_path());
  EXPECT_TRUE(IsPdf(w->lastFiledReport()));
  testing::Screenshot(*report, "run_report_good");

  // Print: through the program's printer, here printing to a PDF file.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const fs::path printed = dir.path() / "printed.pdf";
  printer.setOutputFileName(QString::fromStdString(printed.string()));
  report->Printer = [&printer]() -> QPrinter& { return printer; };
  int asked = 0;
  report->AskPrint = [&asked](QPrinter&, QWidget*) { return ++asked > 0; };
  QTest::mouseClick(report->BtnPrint, Qt::LeftButton);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(IsPdf(printed));

  // Save as PDF: the chosen file; cancelled, nothing.
  const fs::path saved = dir.path() / "saved.pdf";
  report->ChoosePdf = [&saved](QWidget*, const QString&) -> std::optional<QString> {
    return QString::fromStdString(saved.string());
  };
  QTest::mouseClick(report->BtnSavePdf, Qt::LeftButton);
  EXPECT_TRUE(IsPdf(saved));
  EXPECT_FALSE(fs::exists(saved.string() + ".part"));
  for (const auto& m : host.messages) ADD_FAILURE() << m.text;

  // Data Records > 'Run Report...' shows it again.
  report->close();
  w->mRunReport->trigger();
  EXPECT_TRUE(w->frmRunReport()->isVisible());
}

TEST_F(RunReportWindowTest, ThrottleFarTooHighScoresLow) {
  Run(true);
  TfrmRunReport* report = w->frmRunReport();
  ASSERT_NE(report, nullptr);
  const std::string text = report->MemoReport->toPlainText().toStdString();
  const std::size_t at = text.find("\nScore: ");
  ASSERT_NE(at, std::string::npos) << text;
  EXPECT_LT(std::stod(text.substr(at + 8)), 50) << text;
  EXPECT_NE(text.find("The engine ran at its limit of 2200 RPM"), std::string::npos) << text;
  EXPECT_NE(text.find("s  throttle 2200\n"), std::string::npos) << text;
  testing::Screenshot(*report, "run_report_bad");
}

TEST_F(RunReportWindowTest, NoRunYetIsSaid) {
  w->mRunReport->trigger();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "There is no run to report on yet.");
  EXPECT_EQ(w->frmRunReport(), nullptr);
}

// File > 'Answer Key...': the key of the current Evolution shown, edited
// and written back, the comments of the hand-written key kept.
TEST_F(RunReportWindowTest, AnswerKeyEditorWritesTheKey) {
  const std::string path = p.Dirs().EvolutionsDirectory + "TANK-ATTACK.KEY";
  { std::ofstream(path, std::ios::app) << "; kept by the editor\n"; }
  TfrmAnswerKey* editor = w->mAnswerKeyClick();
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(editor->isModal());
  EXPECT_DOUBLE_EQ(editor->EditDuration->value(), 40);
  EXPECT_EQ(editor->GridLines->rowCount(), p.S().DischargeList.LineCount);
  testing::Screenshot(*editor, "answer_key_editor");
  // Line 3 no longer scored, line 1 scored at 50 psi; a minute scored.
  auto* scored3 = qobject_cast<QCheckBox*>(editor->GridLines->cellWidget(2, 0));
  auto* scored1 = qobject_cast<QCheckBox*>(editor->GridLines->cellWidget(0, 0));
  ASSERT_TRUE(scored3 && scored1);
  EXPECT_TRUE(scored3->isChecked());
  // Clicked on their boxes, at the left of each.
  auto tick = [](QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  };
  tick(scored3);
  tick(scored1);
  auto* press1 = qobject_cast<QDoubleSpinBox*>(editor->GridLines->cellWidget(0, 1));
  press1->selectAll();
  QTest::keyClicks(press1, "50");
  editor->EditDuration->selectAll();
  QTest::keyClicks(editor->EditDuration, "60");
  tick(editor->ChkNever[kNeverCavitation]);
  QTest::mouseClick(editor->BtnOk, Qt::LeftButton);
  testing::ProcessEventsFor(20);

  AnswerKey key;
  std::vector<std::string> messages;
  ASSERT_TRUE(ReadAnswerKey(path, 8, key, messages));
  EXPECT_DOUBLE_EQ(key.duration, 60);
  EXPECT_FALSE(key.never[kNeverCavitation]);
  ASSERT_EQ(key.lines.size(), 2u);
  EXPECT_EQ(key.lines[0].line, 1);
  EXPECT_DOUBLE_EQ(key.lines[0].nozzlePress, 50);
  EXPECT_EQ(key.lines[1].line, 5);
  EXPECT_NE(testing::ReadTextFile(path).find("; kept by the editor"), std::string::npos);
  for (const auto& m : host.messages) ADD_FAILURE() << m.text;
}

// A program set to metric units: the report and its filed PDF show kPa,
// lpm and litres; the key editor shows kPa and writes psi, a figure left
// alone exactly as it was.
TEST_F(RunReportWindowTest, MetricProgramReportsAndEditsInKpa) {
  p.config.Options.MetricUnits = true;
  ApplyUnits(p.config, true);
  Run(false);
  TfrmRunReport* report = w->frmRunReport();
  ASSERT_NE(report, nullptr);
  const std::string text = report->MemoReport->toPlainText().toStdString();
  EXPECT_NE(report->Text().find("689 +/- 69 KPa"),
            std::string::npos);  // what the PDF is made of
  EXPECT_NE(text.find("Score: 100.0 of 100"), std::string::npos) << text;
  for (const char* t :
       {"target 689 +/- 69 KPa", "lpm, in band 100 %", "hose test pressure (2068 KPa)", " L): "})
    EXPECT_NE(text.find(t), std::string::npos) << t << "\n" << text;
  EXPECT_EQ(text.find("psi"), std::string::npos) << text;
  EXPECT_TRUE(IsPdf(w->lastFiledReport()));
  testing::Screenshot(*report, "run_report_metric");

  const std::string path = p.Dirs().EvolutionsDirectory + "TANK-ATTACK.KEY";
  TfrmAnswerKey* editor = w->mAnswerKeyClick();
  ASSERT_NE(editor, nullptr);
  auto cell = [editor](int row, int column) {
    return qobject_cast<QDoubleSpinBox*>(editor->GridLines->cellWidget(row, column));
  };
  EXPECT_EQ(cell(4, 1)->suffix(), " KPa");
  EXPECT_DOUBLE_EQ(cell(4, 1)->value(), 689);             // 100 psi
  EXPECT_DOUBLE_EQ(editor->EditHoseTest->value(), 2068);  // 300 psi
  // Line 1 scored at 345 kPa, typed.
  auto* scored1 = qobject_cast<QCheckBox*>(editor->GridLines->cellWidget(0, 0));
  QTest::mouseClick(scored1, Qt::LeftButton, {}, QPoint(8, scored1->height() / 2));
  cell(0, 1)->selectAll();
  QTest::keyClicks(cell(0, 1), "345");
  testing::Screenshot(*editor, "answer_key_editor_metric");
  QTest::mouseClick(editor->BtnOk, Qt::LeftButton);
  testing::ProcessEventsFor(20);

  AnswerKey key;
  std::vector<std::string> messages;
  ASSERT_TRUE(ReadAnswerKey(path, 8, key, messages));
  ASSERT_EQ(key.lines.size(), 3u);
  EXPECT_EQ(key.lines[0].line, 1);
  EXPECT_NEAR(key.lines[0].nozzlePress, 345 / 6.894, 0.01);
  EXPECT_DOUBLE_EQ(key.lines[1].nozzlePress,
                   100);  // left alone: not 689 kPa back to 99.94 psi
  EXPECT_DOUBLE_EQ(key.lines[2].tolerance, 10);
  EXPECT_DOUBLE_EQ(key.hoseTest, 300);
  EXPECT_NE(testing::ReadTextFile(path).find("NozzlePressure=100\n"), std::string::npos);
  for (const auto& m : host.messages) ADD_FAILURE() << m.text;
}

// The run's data file saved under a name: the filed report takes its name,
// beside it; a user's PDF of that name stays as it was.
TEST_F(RunReportWindowTest, FiledReportFollowsTheSavedDataFile) {
  auto owned = std::make_unique<SaveAsDialogs>();
  SaveAsDialogs* saveAs = owned.get();
  w->SetDataFileDialogs(std::move(owned));
  Run(false);
  const fs::path filed = w->lastFiledReport();
  ASSERT_TRUE(IsPdf(filed));
  const fs::path folder = filed.parent_path();
  { std::ofstream(folder / "drill1.pdf") << "the user's own file"; }

  saveAs->choices = {(folder / "drill1.DTA").string()};
  w->mDataSaveAs->trigger();
  ASSERT_EQ(p.run.Recording.DataFileName, (folder / "drill1.DTA").string());
  EXPECT_EQ(w->lastFiledReport(), (folder / "drill1-2.pdf").string());
  EXPECT_TRUE(IsPdf(folder / "drill1-2.pdf"));
  EXPECT_FALSE(fs::exists(filed));
  EXPECT_EQ(testing::ReadTextFile((folder / "drill1.pdf").string()), "the user's own file");

  // Saved again under another name: it follows again.
  saveAs->choices = {(folder / "drill2.DTA").string()};
  w->mDataSaveAs->trigger();
  EXPECT_EQ(w->lastFiledReport(), (folder / "drill2.pdf").string());
  EXPECT_TRUE(IsPdf(folder / "drill2.pdf"));
  EXPECT_FALSE(fs::exists(folder / "drill1-2.pdf"));
  for (const auto& m : host.messages) ADD_FAILURE() << m.text;
}

// An Actions-menu command during the run is listed at its time, between
// the panel's actions around it.
TEST_F(RunReportWindowTest, ActionsMenuCommandsAreListed) {
  QTest::mouseClick(w->BtnStart, Qt::LeftButton);
  OpenValve(17);
  Ticks(100);
  emit w->mnuActions->aboutToShow();  // the menu opened: its commands enabled
  w->mFillTank->trigger();
  Ticks(100);
  OpenValve(3);
  Ticks(100);
  QTest::mouseClick(w->BtnStop, Qt::LeftButton);
  testing::ProcessEventsFor(50);
  ASSERT_NE(w->frmRunReport(), nullptr);
  const std::string text = w->frmRunReport()->MemoReport->toPlainText().toStdString();
  const std::size_t valve17 = text.find("s  valve 17 1.00\n");
  const std::size_t fill = text.find("s  fill tank\n");
  const std::size_t valve3 = text.find("s  valve 3 1.00\n");
  ASSERT_NE(fill, std::string::npos) << text;
  EXPECT_LT(valve17, fill) << text;
  EXPECT_LT(fill, valve3) << text;
  // At its time: after the first 100 ticks (1.5 s) of the run.
  const std::size_t lineStart = text.rfind('\n', fill) + 1;
  EXPECT_NEAR(std::stod(text.substr(lineStart, fill - lineStart)), 1.5, 0.2) << text;
}

}  // namespace
}  // namespace pumpdrill
