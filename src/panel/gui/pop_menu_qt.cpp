#include "panel/gui/pop_menu_qt.h"

namespace pumpdrill {

void FillPopMenu(QMenu& menu, const PopMenuEntry& description,
                 const std::function<void(int command)>& chosen) {
  for (const PopMenuEntry& e : description.Items) {
    if (e.Separator) {
      menu.addSeparator();
      continue;
    }
    const QString caption = QString::fromStdString(e.Caption);
    QAction* action = nullptr;
    if (!e.Items.empty()) {
      QMenu* sub = menu.addMenu(caption);
      FillPopMenu(*sub, e, chosen);
      action = sub->menuAction();
    } else {
      action = menu.addAction(caption);
      if (e.Command != kNoMenuCommand) {
        const int command = e.Command;
        QObject::connect(action, &QAction::triggered, &menu,
                         [chosen, command] { chosen(command); });
      }
    }
    action->setEnabled(e.Enabled);
    action->setCheckable(e.Checked);
    action->setChecked(e.Checked);
  }
}

}  // namespace pumpdrill
