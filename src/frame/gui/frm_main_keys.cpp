// The main window's keys: shown in the menus beside their items.
#include "frame/gui/frm_main.h"

namespace pumpdrill {

void TfrmMain::AssignMenuKeys() {
  const std::pair<QAction*, QKeySequence> keys[] = {
      {mOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},  {mSaveEvo, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {mPrint, QKeySequence(Qt::CTRL | Qt::Key_P)}, {mExit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
      {mRunStart, QKeySequence(Qt::Key_F5)},        {mRunPause, QKeySequence(Qt::Key_F6)},
      {mRunTerminate, QKeySequence(Qt::Key_F7)},
  };
  for (const auto& [item, key] : keys) {
    item->setShortcut(key);
    // The keys work while any window of the program is in front.
    item->setShortcutContext(Qt::ApplicationShortcut);
  }
}

}  // namespace pumpdrill
