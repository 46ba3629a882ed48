// The menu bar as a new user sees it, the Help menu (F1 on the window's
// topic, search, using help, Run Info, About) and File > Print to PDF.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QPdfWriter>
#include <QTest>
#include <filesystem>

#include "frame/gui/frm_about.h"
#include "frame/gui/frm_help.h"
#include "frame/gui/frm_options.h"
#include "frame/gui/frm_run_info.h"
#include "frame/gui/help_topics.h"
#include "frame/gui/setup_tabs.h"
#include "frame/version.h"
#include "main_window_fixture.h"
#include "records/gui/chart_output.h"

namespace pumpdrill::testing {
namespace {

class HelpMenuTest : public MainWindowFixture {
 protected:
  void SetUp() override { OpenMainWindow(); }
  void TearDown() override {
    ProgramPrinter().setOutputFileName({});
    MainWindowFixture::TearDown();
  }
  // F1 pressed in the widget, as the user would.
  std::string PressF1(QWidget* in) {
    in->activateWindow();
    QApplication::setActiveWindow(in->window());
    ProcessEventsFor(10);
    QTest::keyClick(in, Qt::Key_F1);
    ProcessEventsFor(10);
    EXPECT_NE(w->findChild<TfrmHelp*>(), nullptr);
    TfrmHelp* help = w->frmHelp();
    EXPECT_TRUE(help->isVisible());
    return help->CurrentPage().toStdString();
  }
};

// Every item of the bar: caption, shown, enabled, as each menu shows it
// with no run active. Window issues update their rows.
TEST_F(HelpMenuTest, MenuBarMatchesItsTable) {
  struct Row {
    const char* name;
    const char* caption;
    bool visible;
    bool enabled;
  } rows[] = {
      {"mOpen", "&Open...", true, true},
      {"mSaveEvo", "&Save Evo", true, true},
      {"mSaveEvoAs", "Save Evo &As...", true, true},
      {"mDeleteEvo", "Delete Evo...", true, true},
      {"mAnswerKey", "Answer &Key...", true, true},
      {"mPrint", "&Print...", true, true},  // the panel is in front
      {"mPrintSetup", "P&rint Setup...", true, true},
      {"mExit", "E&xit", true, true},
      {"mSupplySetup", "Supply/Tank", true, true},
      {"mPumpSetup", "Pump / Engine", true, true},
      {"mDischargeSetup", "Discharges", true, true},
      {"mFoamSetup", "Foam", true, true},
      {"mPanelDesign", "Enable Design", true, true},
      {"mPanelOpen", "Open...", true, true},
      {"mPanelSave", "Save", true, true},
      {"mPanelSaveAs", "Save As...", true, true},
      {"mPanelDelete", "Delete...", true, true},
      {"mFrictionHoses", "Hoses", true, true},
      {"mFrictionValves", "Valves", true, false},
      {"mFrictionAppliances", "Appliances", true, false},
      {"mGraphSetup", "Graph", true, true},
      {"mBurnHouseSetup", "BurnHouse", true, true},
      {"mCheckSupplyLine", "Supply Line", true, false},  // Actions: only during a run
      {"mCheckDischargeLines", "Discharge Lines", true, false},
      {"mCheckAirtightCaps", "Airtight caps", false, false},
      {"mCheckAirtightConnections", "Airtight connections", false, false},
      {"mFillTank", "Tank", true, false},
      {"mReconnectSupplyLine", "Supply Line", true, false},
      {"mCleanStrainer", "Strainer", true, false},
      {"mRadioConfigure", "Configure", true, true},
      {"mRunInitialize", "Initialize", true, true},
      {"mRunStart", "Start/Restart", true, true},
      {"mRunPause", "Pause", true, true},
      {"mRunTerminate", "Terminate", true, true},
      {"mOptionsDesktop", "Desktop", true, true},
      {"mOptionsSound", "Sound", true, true},
      {"mStudentsLogin", "Login", true, true},
      {"mStudentsConfigure", "Configure/View", true, true},
      {"mStartRecording", "Start Recording", true, false},  // recording is on at start-up
      {"mStopRecording", "Stop Recording", true, true},
      {"mDataOpen", "Open...", true, true},
      {"mDataSaveAs", "Save as...", true, true},
      {"mDataDelete", "Delete...", true, true},
      {"mRunReport", "Run Report...", true, true},
      {"mPassword", "Password", false, false},
      {"mLockOutIncidents", "Lock out Incidents", false, false},
      {"mHelpContents", "&Online Help", true, true},
      {"mHelpSearch", "&Search for Help On...", true, true},
      {"mHelpHowTo", "&How to Use Help", true, true},
      {"mRunInfo", "Run Info", true, true},
      {"mAbout", "About", true, true},
      {"mOperator", "     Operator:  ", false, false},  // as the students window sets it
  };
  for (QAction* menu : w->menuBar()->actions())
    if (menu->menu()) emit menu->menu()->aboutToShow();
  for (const Row& r : rows) {
    auto* item = w->findChild<QAction*>(r.name);
    ASSERT_NE(item, nullptr) << r.name;
    EXPECT_EQ(item->text().toStdString(), r.caption) << r.name;
    EXPECT_EQ(item->isVisible(), r.visible) << r.name;
    EXPECT_EQ(item->isEnabled(), r.enabled) << r.name;
  }
  // The keys, shown beside their items.
  const std::pair<QAction*, const char*> keys[] = {
      {w->mOpen, "Ctrl+O"},     {w->mSaveEvo, "Ctrl+S"},  {w->mPrint, "Ctrl+P"},
      {w->mExit, "Ctrl+Q"},     {w->mRunStart, "F5"},     {w->mRunPause, "F6"},
      {w->mRunTerminate, "F7"}, {w->mHelpContents, "F1"},
  };
  for (const auto& [item, key] : keys) EXPECT_EQ(item->shortcut().toString().toStdString(), key);
}

TEST_F(HelpMenuTest, AtItsMinimumSizeTheMainWindowShowsEveryTabAndMenuWhole) {
  const QSize smallest = w->minimumSize();
  EXPECT_LE(smallest.width(), 640);
  w->resize(200, 150);  // refused below the minimum
  ProcessEventsFor(20);
  EXPECT_EQ(w->size(), smallest);
  const int panelLeft = w->PnlSimCtrls->mapTo(w.get(), QPoint(0, 0)).x();
  const QRect foam =
      w->TabSetSetup->tabRect(kTabFoam).translated(w->TabSetSetup->mapTo(w.get(), QPoint(0, 0)));
  EXPECT_LT(foam.right(), panelLeft);
  // The tabs and the run panel share their middle line.
  const QRect panel(w->PnlSimCtrls->mapTo(w.get(), QPoint(0, 0)), w->PnlSimCtrls->size());
  EXPECT_NEAR(foam.center().y(), panel.center().y(), 3);
  QAction* help = w->mnuHelp->menuAction();
  EXPECT_LE(w->menuBar()->actionGeometry(help).right(), w->menuBar()->width());
  EXPECT_FALSE(w->menuBar()->actionGeometry(help).isEmpty());
  Screenshot(*w, "main_window_minimum");
  w->showMaximized();
  ProcessEventsFor(30);
  Screenshot(*w, "main_window_maximised");
}

TEST_F(HelpMenuTest, F1OpensTheTopicOfTheWindowInFront) {
  EXPECT_EQ(PressF1(w->mdiArea()), "main_window.html");
  w->TabSetSetup->setCurrentIndex(kTabPump);
  ProcessEventsFor(20);
  ASSERT_NE(w->setupTabs().Window(), nullptr);
  EXPECT_EQ(PressF1(w->setupTabs().Window()), "pump_setup.html");
  w->TabSetSetup->setCurrentIndex(kTabDischarges);
  ProcessEventsFor(20);
  EXPECT_EQ(PressF1(w->setupTabs().Window()), "discharges.html");
  w->mOptionsDesktop->trigger();
  ProcessEventsFor(10);
  EXPECT_EQ(PressF1(w->frmOptions()->EditDepartmentName), "options.html");
  w->frmOptions()->close();
  // A context without a page of its own gives the contents.
  w->frmHelp()->ShowTopic(310);
  EXPECT_EQ(w->frmHelp()->CurrentPage().toStdString(), "index.html");
}

TEST_F(HelpMenuTest, SearchListsThePagesHoldingEveryWordAndHowToUseHelpHasItsPage) {
  const QStringList cavitation = SearchManual("cavitation lamp");
  EXPECT_TRUE(cavitation.contains("hydraulics.html"));
  EXPECT_FALSE(cavitation.contains("units.html"));
  EXPECT_TRUE(SearchManual("zzzunheardof").isEmpty());
  EXPECT_TRUE(SearchManual("  ").isEmpty());
  // Every page of the contents is compiled in, with a title.
  const QStringList pages = ManualPages();
  EXPECT_GE(pages.size(), 12);
  for (const QString& page : pages) EXPECT_NE(ManualPageTitle(page), page) << page.toStdString();

  w->mHelpSearch->trigger();
  TfrmHelp* help = w->frmHelp();
  ASSERT_TRUE(help->isVisible());
  QTest::keyClicks(help->EditSearch, "water hammer");
  QTest::keyClick(help->EditSearch, Qt::Key_Return);
  ASSERT_GE(help->ListFound->count(), 1);
  EXPECT_EQ(help->CurrentPage(), help->ListFound->item(0)->data(Qt::UserRole).toString());
  help->ShowPage("hydraulics.html");
  help->resize(860, 640);
  ProcessEventsFor(20);
  Screenshot(*help, "help_hydraulics");
  w->mHelpHowTo->trigger();
  EXPECT_EQ(help->CurrentPage().toStdString(), "using_help.html");
  QTest::mouseClick(help->BtnBack, Qt::LeftButton);
  EXPECT_EQ(help->CurrentPage().toStdString(), "hydraulics.html");
}

TEST_F(HelpMenuTest, RunInfoShowsTheLogAndSaysWhyWhenItCannot) {
  const std::string log = p.StartupLogPath();
  w->mRunInfo->trigger();
  ProcessEventsFor(10);
  auto* viewer = w->findChild<TfrmRunInfo*>();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->MemoLog->isReadOnly());
  EXPECT_NE(viewer->MemoLog->toPlainText().indexOf("main form create1"), -1);
  Screenshot(*viewer, "run_info");
  // Read again at each choice.
  p.log.WriteInitLog("Test", "added later", "OK");
  w->mRunInfo->trigger();
  EXPECT_NE(viewer->MemoLog->toPlainText().indexOf("added later"), -1);
  EXPECT_EQ(w->findChildren<TfrmRunInfo*>().size(), 1);

  struct Case {
    std::function<void()> arrange;
    bool editorStarts;
    const char* reason;
  } cases[] = {
      {[] {}, false, "error executing application"},
      {[&] { std::filesystem::remove(log); }, true, "File not found"},
      {[&] { std::filesystem::remove_all(p.Dirs().IniDirectory); }, true, "Path not found"},
  };
  for (const Case& c : cases) {
    host.messages.clear();
    c.arrange();
    viewer->OpenInEditor = [&](const std::string&) { return c.editorStarts; };
    QTest::mouseClick(viewer->BtnOpenInEditor, Qt::LeftButton);
    ASSERT_EQ(host.messages.size(), 1u) << c.reason;
    EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(host.messages[0].text, "Error executing " + log + " :" + c.reason);
  }
  // The menu item says the same when the log is gone.
  host.messages.clear();
  w->mRunInfo->trigger();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Error executing " + log + " :Path not found");
}

TEST_F(HelpMenuTest, AboutNamesVersionQtLibrariesAndMainDirectory) {
  TfrmAboutB2 about(p.Dirs().MainDirectory, w.get());
  about.show();
  ProcessEventsFor(10);
  EXPECT_TRUE(about.isModal());
  const QString text = about.LblVersion->text();
  EXPECT_TRUE(text.contains(QString("Version ") + kProgramVersion)) << text.toStdString();
  EXPECT_TRUE(text.contains("Evolution file format 2.0")) << text.toStdString();
  EXPECT_TRUE(text.contains(qVersion()));
  EXPECT_TRUE(about.LblLibraries->text().contains("OpenAL Soft"));
  EXPECT_TRUE(
      about.LblMainDirectory->text().contains(QString::fromStdString(p.Dirs().MainDirectory)));
  Screenshot(about, "about");
}

TEST_F(HelpMenuTest, PrintWritesTheActiveWindowToAPdfFile) {
  const std::filesystem::path pdf = dir.path() / "printed.pdf";
  int asked = 0;
  w->AskPrint = [&](QPrinter& printer, QWidget*) {
    ++asked;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    return true;
  };
  w->TabSetSetup->setCurrentIndex(kTabPump);
  ProcessEventsFor(20);
  ASSERT_TRUE(w->mPrint->isEnabled());
  w->mPrint->trigger();
  EXPECT_EQ(asked, 1);
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_GT(std::filesystem::file_size(pdf), 5000u);
  EXPECT_EQ(ReadTextFile(pdf).substr(0, 5), "%PDF-");
  EXPECT_TRUE(host.messages.empty());

  // The chart prints by its own drawing.
  std::filesystem::remove(pdf);
  w->ShowGraph(true);
  ProcessEventsFor(10);
  w->mPrint->trigger();
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(std::filesystem::exists(pdf));

  // Cancelled: nothing printed.
  std::filesystem::remove(pdf);
  w->AskPrint = [](QPrinter&, QWidget*) { return false; };
  w->mPrint->trigger();
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace pumpdrill::testing
