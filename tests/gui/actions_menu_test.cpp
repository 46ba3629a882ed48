// The Actions menu of the main window: its working items are offered while
// a run is active, and each performs the operator's action with its texts.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "frame/gui/frm_main.h"
#include "frame/program.h"
#include "sim/incidents.h"
#include "main_window_fixture.h"

namespace pumpdrill {
namespace {

using testing::ScratchMainDir;
using testing::TestWindowHost;

class ActionsMenuTest : public testing::MainWindowFixture {
 protected:
  void SetUp() override {
    OpenMainWindow();
    host.messages.clear();
  }
  std::vector<QAction*> WorkingItems() const {
    return {w->mCheckSupplyLine, w->mCheckDischargeLines, w->mFillTank,
            w->mFillDumpTank,    w->mFillEngineOil,       w->mFillPrimerOil,
            w->mReplaceSupplyLine, w->mReplaceHardSuction, w->mReconnectDischargeLine};
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& m : host.messages) t.push_back(m.text);
    return t;
  }

};

TEST_F(ActionsMenuTest, WorkingItemsAreOfferedOnlyDuringARun) {
  emit w->mnuActions->aboutToShow();
  for (QAction* a : WorkingItems()) EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
  w->mRunStart->trigger();
  emit w->mnuActions->aboutToShow();
  for (QAction* a : WorkingItems()) EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
  // Items without a command stay as they were made.
  EXPECT_FALSE(w->mReconnectSupplyLine->isEnabled());
  EXPECT_FALSE(w->mCleanStrainer->isEnabled());
  EXPECT_FALSE(w->mCheckAirtightCaps->isVisible());

  // A screenshot of the open menu with its Fill submenu.
  w->mnuActions->popup(w->mapToGlobal(QPoint(200, 20)));
  testing::ProcessEventsFor(30);
  w->mnuFill->popup(w->mnuActions->mapToGlobal(QPoint(w->mnuActions->width(), 20)));
  testing::ProcessEventsFor(30);
  QImage shot = testing::Screenshot(*w->mnuActions, "actions_menu");
  testing::Screenshot(*w->mnuFill, "actions_menu_fill");
  EXPECT_GT(testing::ColourCount(shot), 2);
  w->mnuFill->hide();
  w->mnuActions->hide();

  w->mRunTerminate->trigger();
  emit w->mnuActions->aboutToShow();
  for (QAction* a : WorkingItems()) EXPECT_FALSE(a->isEnabled());
}

TEST_F(ActionsMenuTest, CommandsAreSilentWithoutARun) {
  State& s = p.S();
  s.Tank.Volume = 10;
  for (QAction* a : WorkingItems()) {
    a->setEnabled(true);  // even an item left enabled does nothing
    a->trigger();
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(s.Tank.Volume, 10);
}

TEST_F(ActionsMenuTest, CommandsActDuringARun) {
  w->mRunStart->trigger();
  emit w->mnuActions->aboutToShow();  // the trainee opens the menu
  State& s = p.S();
  host.messages.clear();
  w->mCheckSupplyLine->trigger();
  w->mCheckDischargeLines->trigger();
  w->mReplaceHardSuction->trigger();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"No supply line problem is visible. ",
                                               "No discharge line problem is visible. ",
                                               "There is no need to replace the hard suction."}));
  s.Tank.Volume = 10;
  w->mFillTank->trigger();
  EXPECT_EQ(s.Tank.Volume, s.Tank.Capacity);

  TIncidentRec& uncoupled = s.Incidents[kIncidentUncoupling];
  uncoupled.Use = true;
  uncoupled.Line = 2;
  uncoupled.StartTime() = 0;
  host.messages.clear();
  host.answers = {Answer::Yes};
  w->mReconnectDischargeLine->trigger();
  EXPECT_EQ(Texts(), std::vector<std::string>{"Recouple No. 2 Disch.?"});
  EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
  EXPECT_EQ(host.messages[0].buttons, Buttons::YesCancel);
  EXPECT_EQ(uncoupled.StopTime, s.SimClock.Time);
}

}  // namespace
}  // namespace pumpdrill
