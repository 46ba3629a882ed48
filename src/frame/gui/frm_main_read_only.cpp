// A main directory the user may not write: the Save and Delete commands
// stay disabled for the whole session, each with a tip that says why.
#include <QMenu>

#include "frame/gui/frm_main.h"

namespace pumpdrill {

void TfrmMain::ApplyReadOnlyMainDirectory() {
  if (!p_.ReadOnly()) return;
  const QString tip =
      QString("Saving and deleting are off: the main directory %1 cannot be written")
          .arg(QString::fromStdString(p_.Dirs().MainDirectory));
  for (QAction* save : {mSaveEvo, mSaveEvoAs, mDeleteEvo, mPanelSave, mPanelSaveAs, mPanelDelete,
                        mDataSaveAs, mDataDelete}) {
    save->setEnabled(false);
    save->setToolTip(tip);
    save->setStatusTip(tip);
    for (QObject* owner : save->associatedObjects())
      if (auto* menu = qobject_cast<QMenu*>(owner)) menu->setToolTipsVisible(true);
    // The menus enable their commands as the run state changes; these stay off.
    connect(save, &QAction::enabledChanged, save, [save](bool enabled) {
      if (enabled) save->setEnabled(false);
    });
  }
}

}  // namespace pumpdrill
