#include "setup/gui/setup_dialog_keys.h"

#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>

namespace pumpdrill {

bool KeepsKeyInField(const QDialog& dialog, const QKeyEvent& event) {
  int key = event.key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) return false;
  QWidget* focus = dialog.focusWidget();
  return qobject_cast<QLineEdit*>(focus) || qobject_cast<QComboBox*>(focus);
}

}  // namespace pumpdrill
