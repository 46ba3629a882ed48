// A main directory the user may not write: one message at the start, and the
// Save and Delete commands stay disabled, with their tip, whatever the menus do.
#include <gtest/gtest.h>

#include <QMenu>

#include "main_window_fixture.h"

namespace pumpdrill {
namespace {

using testing::MainWindowFixture;
using testing::ProcessEventsFor;
using testing::Screenshot;

class ReadOnlyMainDirTest : public MainWindowFixture {
 protected:
  void Open(bool writable) {
    StartupInfo info;
    info.ProgramPath = std::string(PUMPDRILL_BIN_DIR) + "/pumpdrill";
    info.MainDirectory = dir.path().string();
    auto probe = [writable](const std::string& folder) {
      return writable || folder.find("Evols") == std::string::npos
                 ? std::string()
                 : std::string("Permission denied");
    };
    ASSERT_TRUE(AllocateAndResolve(p, info, host, probe));
    ReadSettingsAndStartLog(p, info);
    w = std::make_unique<TfrmMain>(p, host, false);
    w->show();
    ProcessEventsFor(20);
  }
  std::vector<QAction*> SaveCommands() const {
    return {w->mSaveEvo,     w->mSaveEvoAs,   w->mDeleteEvo,  w->mPanelSave,
            w->mPanelSaveAs, w->mPanelDelete, w->mDataSaveAs, w->mDataDelete};
  }
};

TEST_F(ReadOnlyMainDirTest, SaveCommandsStayDisabledWithATipSayingWhy) {
  Open(false);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("Evols: Permission denied"), std::string::npos);
  EXPECT_NE(host.messages[0].text.find("read-only"), std::string::npos);
  // The menus' own enable rules run when they open and when a run starts and
  // ends; none of them brings a Save command back.
  for (QMenu* menu : {w->mnuFile, w->mnuSetupPanel, w->mnuDataRecords}) {
    emit menu->aboutToShow();
    emit menu->aboutToHide();
  }
  w->mRunStart->trigger();
  w->mRunTerminate->trigger();
  ProcessEventsFor(20);
  for (QAction* save : SaveCommands()) {
    EXPECT_FALSE(save->isEnabled()) << save->objectName().toStdString();
    EXPECT_TRUE(save->toolTip().contains("cannot be written")) << save->objectName().toStdString();
    EXPECT_TRUE(save->toolTip().contains(QString::fromStdString(p.Dirs().MainDirectory)));
  }
  EXPECT_TRUE(w->mOpen->isEnabled());
  EXPECT_EQ(host.messages.size(), 1u) << "reported once";
  w->mnuFile->popup(w->mapToGlobal(QPoint(0, 0)));
  ProcessEventsFor(50);
  Screenshot(*w->mnuFile, "file_menu_read_only");
  w->mnuFile->hide();
}

TEST_F(ReadOnlyMainDirTest, AWritableMainDirectoryKeepsTheSaveCommands) {
  Open(true);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(w->mSaveEvo->isEnabled());
  EXPECT_TRUE(w->mSaveEvoAs->isEnabled());
  EXPECT_FALSE(w->mSaveEvo->toolTip().contains("cannot be written"));
}

}  // namespace
}  // namespace pumpdrill
