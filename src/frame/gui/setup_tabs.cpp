#include "frame/gui/setup_tabs.h"

#include <QAction>
#include <QScrollArea>

#include "frame/gui/frm_main.h"

namespace pumpdrill {

SetupTabs::SetupTabs(TfrmMain& main, QTabBar* tabs, QMdiArea* area, int panelTab)
    : QObject(&main), main_(main), tabs_(tabs), area_(area), panelTab_(panelTab), current_(panelTab) {
  // Tabs whose windows are not in the program stay disabled.
  for (int tab = 0; tab < tabs_->count(); ++tab) tabs_->setTabEnabled(tab, tab == panelTab_);
}

void SetupTabs::Register(int tab, int helpContext, Factory make, QAction* menuItem) {
  if (tab < 0 || tab >= static_cast<int>(entries_.size()) || tab == panelTab_) return;
  entries_[tab] = {std::move(make), helpContext};
  tabs_->setTabEnabled(tab, true);
  if (menuItem) menuItem->setEnabled(true);
}

bool SetupTabs::HasWindow(int tab) const {
  return tab >= 0 && tab < static_cast<int>(entries_.size()) && static_cast<bool>(entries_[tab].make);
}

QWidget* SetupTabs::Window() const { return sub_ ? form_.data() : nullptr; }

void SetupTabs::Change(int index) {
  if (index == current_ && (index == panelTab_ || sub_)) return;
  CloseWindow();
  current_ = index;
  if (index == panelTab_ || !HasWindow(index)) {
    if (PanelTabChosen) PanelTabChosen();
    return;
  }
  OpenWindow(index);
}

void SetupTabs::ReopenWindow() {
  if (!sub_ || !HasWindow(current_)) return;
  CloseWindow();
  OpenWindow(current_);
}

void SetupTabs::CloseWindow() {
  if (!sub_) return;
  QMdiSubWindow* sub = sub_;
  sub_ = nullptr;  // closed by the tab set, not by the user
  sub->close();
}

void SetupTabs::OpenWindow(int tab) {
  const Entry& entry = entries_[tab];
  QWidget* form = entry.make(main_);
  form->setProperty(kHelpContextProperty, entry.helpContext);
  // In a main window smaller than the form, the form scrolls rather than
  // squeezing its captions.
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(form);
  QMdiSubWindow* sub = area_->addSubWindow(scroll);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowTitle(form->windowTitle());
  sub_ = sub;
  form_ = form;
  // Each activation refreshes the window from the state.
  connect(sub, &QMdiSubWindow::aboutToActivate, form,
          [form] { QMetaObject::invokeMethod(form, "FormActivate"); });
  // A window that the user closes gives the tab set back to 'Panel' once
  // it is gone.
  connect(
      sub, &QObject::destroyed, this,
      [this, tab] {
        if (!sub_ && current_ == tab) tabs_->setCurrentIndex(panelTab_);
      },
      Qt::QueuedConnection);
  // A maximised child stays maximised.
  connect(sub, &QMdiSubWindow::windowStateChanged, sub, [sub](Qt::WindowStates, Qt::WindowStates now) {
    if (!(now & Qt::WindowMaximized)) sub->showMaximized();
  });
  sub->showMaximized();
  area_->setActiveSubWindow(sub);
  if (QWidget* focus = form->focusWidget()) focus->setProperty(kHelpContextProperty, entry.helpContext);
}

}  // namespace pumpdrill
