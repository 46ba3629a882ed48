// The main window: drawn with its caption, menus, tab set and run panel;
// the run buttons as a group; the elapsed time; closing.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <filesystem>

#include "frame/gui/frm_main.h"
#include "frame/program.h"
#include "setup/gui/frm_frict.h"
#include "main_window_fixture.h"

namespace pumpdrill {
namespace {

using testing::ScratchMainDir;
using testing::TestWindowHost;

class MainWindowTest : public testing::MainWindowFixture {
 protected:
  explicit MainWindowTest(bool withLibraries = true) : MainWindowFixture(withLibraries) {}
  void SetUp() override { OpenMainWindow(); }
};

TEST_F(MainWindowTest, IsDrawnWithItsCaptionSizeAndRunPanel) {
  // The panel, maximised in the area, adds its caption as MDI windows do.
  EXPECT_EQ(w->windowTitle().toStdString(), "Tidewarden Pumpdrill   v 2.0 - [Panel Operation]");
  const QSize size = MainWindowSize(QGuiApplication::primaryScreen()->availableGeometry().size());
  EXPECT_EQ(w->size(), size);
  EXPECT_NE(w->mdiArea(), nullptr);
  EXPECT_TRUE(host.messages.empty());
  QImage shot = testing::Screenshot(*w, "main_window");
  EXPECT_EQ(shot.size(), size);
  EXPECT_GT(testing::ColourCount(shot), 20);

  // The tab set along the bottom with the run panel on it, at the right.
  ASSERT_EQ(w->TabSetSetup->count(), 5);
  const char* tabs[] = {"Supply/Tank", "Panel", "Pump/Engine", "Discharges", "Foam"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(w->TabSetSetup->tabText(i).toStdString(), tabs[i]);
  EXPECT_EQ(w->TabSetSetup->currentIndex(), kTabPanel);
  QPoint tabs0 = w->TabSetSetup->mapTo(w.get(), QPoint(0, 0));
  QPoint panel0 = w->PnlSimCtrls->mapTo(w.get(), QPoint(0, 0));
  EXPECT_GT(tabs0.y(), 400);
  // Every tab stays clear of the run panel.
  EXPECT_LT(tabs0.x() + w->TabSetSetup->tabRect(kTabFoam).right(), panel0.x());
  EXPECT_NEAR(panel0.x() + w->PnlSimCtrls->width(), size.width(), 4);
  EXPECT_TRUE(w->PnlSimCtrls->isVisible());
  EXPECT_EQ(w->LblSimClockTime->text().toStdString(), "00:00");
  EXPECT_EQ(w->LblEvolutionFName->text().toStdString(), "default");
  EXPECT_EQ(w->BtnStart->toolTip().toStdString(), "start/cont. simulation");
  EXPECT_EQ(w->BtnPause->toolTip().toStdString(), "pause simulation");
  EXPECT_EQ(w->BtnStop->toolTip().toStdString(), "terminate simulation");
  EXPECT_FALSE(w->BtnStart->icon().isNull());  // glyphs from the image library
  EXPECT_TRUE(w->BtnGraph->isEnabled());  // the strip chart
}

TEST_F(MainWindowTest, MenuBarHasEveryMenuInOrder) {
  std::vector<std::string> titles;
  for (QAction* a : w->menuBar()->actions())
    if (a->isVisible()) titles.push_back(a->text().toStdString());
  EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Setup", " &Actions ", " Ra&dio ", "&Run",
                                               "&Options", "Data Records", "&Help"}));
  EXPECT_FALSE(w->mnuPanelDesign->menuAction()->isVisible());
  EXPECT_FALSE(w->mOperator->isVisible());
  EXPECT_EQ(w->mSaveEvoAs->text().toStdString(), "Save Evo &As...");
  EXPECT_EQ(w->mPumpSetup->text().toStdString(), "Pump / Engine");
  EXPECT_EQ(w->mFillPrimerOil->text().toStdString(), "Primer Oil Reservoir");
  // What works now is enabled; what waits for its window is not.
  EXPECT_TRUE(w->mRunInitialize->isEnabled());
  EXPECT_TRUE(w->mRunStart->isEnabled());
  EXPECT_TRUE(w->mExit->isEnabled());
  EXPECT_TRUE(w->mOpen->isEnabled());
  EXPECT_TRUE(w->mPrint->isEnabled());  // the panel is in front
  EXPECT_FALSE(w->mFillTank->isEnabled());
  EXPECT_FALSE(w->mPassword->isVisible());
  EXPECT_FALSE(w->mReconnectSupplyLine->isEnabled());
}

TEST_F(MainWindowTest, RunButtonsShowAtMostOneDownAndSpringBack) {
  auto down = [&] {
    return std::vector<bool>{w->BtnStart->isChecked(), w->BtnPause->isChecked(),
                             w->BtnStop->isChecked()};
  };
  w->BtnPause->click();  // nothing to pause: springs back up
  EXPECT_EQ(down(), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(p.run.RunState, TRunState::Idle);

  w->BtnStart->click();
  EXPECT_EQ(down(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(p.run.RunState, TRunState::Running);
  EXPECT_TRUE(w->Timer1.isActive());

  host.now += 65;
  w->Timer1Timer();
  EXPECT_EQ(w->LblSimClockTime->text().toStdString(), "01:05");

  w->BtnPause->click();
  EXPECT_EQ(down(), (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(w->Timer1.isActive());
  host.now += 100;  // paused: the clock stands
  w->BtnStart->click();
  host.now += 1;
  w->Timer1Timer();
  EXPECT_EQ(w->LblSimClockTime->text().toStdString(), "01:06");

  w->BtnStop->click();
  EXPECT_EQ(down(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(p.run.RunState, TRunState::Terminated);

  host.answers = {Answer::Cancel};
  w->BtnStart->click();
  EXPECT_EQ(down(), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(p.run.RunState, TRunState::Terminated);

  host.answers = {Answer::Ok};
  w->mRunStart->trigger();
  EXPECT_EQ(down(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(p.run.RunState, TRunState::Running);
  EXPECT_EQ(w->LblSimClockTime->text().toStdString(), "00:00");
  w->mRunTerminate->trigger();
}

TEST_F(MainWindowTest, ClosingAsksFirst) {
  host.answers = {Answer::No};
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Are you sure you want to exit?");
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);
  host.answers = {Answer::Yes};
  EXPECT_TRUE(w->close());
}

TEST_F(MainWindowTest, StartupLogHasTheWindowCheckpoints) {
  std::string log = testing::ReadTextFile(dir.path() / "Ini" / "LASTINIT.TXT");
  auto at = [&](const char* key) { return log.find(key); };
  EXPECT_LT(at("main form create1"), at("main form create2"));
  EXPECT_LT(at("main form create2"), at("main form show1"));
  EXPECT_NE(at("main form show1"), std::string::npos);
}

TEST_F(MainWindowTest, FrictionAdjustHosesOpensTheModalCalculator) {
  EXPECT_TRUE(w->mFrictionHoses->isEnabled());
  EXPECT_FALSE(w->mFrictionValves->isEnabled());
  EXPECT_FALSE(w->mFrictionAppliances->isEnabled());
  QString title;
  bool modal = false;
  QString c;
  QTimer::singleShot(0, [&] {
    auto* frict = qobject_cast<TfrmFrict*>(QApplication::activeModalWidget());
    ASSERT_NE(frict, nullptr);
    title = frict->windowTitle();
    modal = frict->isModal();
    c = frict->LblCHz->text();
    frict->BtnClose->click();
  });
  w->mFrictionHoses->trigger();  // returns when the dialog has closed
  EXPECT_EQ(title.toStdString(), "Hose Friction Loss Adjustment");
  EXPECT_TRUE(modal);
  EXPECT_EQ(c.toStdString(), "132");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(host.messages.empty());
}

class MainWindowWithoutLibraries : public MainWindowTest {
 protected:
  MainWindowWithoutLibraries() : MainWindowTest(false) {}
};

TEST_F(MainWindowWithoutLibraries, StartsAndSaysSoOnce) {
  // Each library once: the run buttons' and the panel's.
  ASSERT_EQ(host.messages.size(), 4u);
  EXPECT_EQ(host.messages[0].text, "Cannot find " + dir.str() + "misc04.dll");
  EXPECT_EQ(host.messages[1].text, "Cannot open " + dir.str() + "misc04.dll");
  EXPECT_EQ(host.messages[2].text, "Error 2: loading " + dir.str() + "panel04.dll");
  EXPECT_EQ(host.messages[3].text, "Cannot open " + dir.str() + "panel04.dll");
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(w->BtnStart->icon().isNull());
  EXPECT_EQ(w->BtnStart->text().toStdString(), ">");
}

}  // namespace
}  // namespace pumpdrill
