// The Help menu: the manual's window on the active window's topic (also
// F1), its search and its page on using help; Run Info; About.
#include <QApplication>
#include <QScrollArea>

#include "frame/gui/frm_about.h"
#include "frame/gui/frm_help.h"
#include "frame/gui/frm_main.h"
#include "frame/gui/frm_run_info.h"
#include "frame/gui/help_topics.h"
#include "frame/gui/setup_tabs.h"
#include "frame/gui/window_host.h"

namespace pumpdrill {

namespace {

int ContextOf(const QWidget* w) {
  for (; w; w = w->parentWidget()) {
    bool ok = false;
    const int context = w->property(kHelpContextProperty).toInt(&ok);
    if (ok && context > 0) return context;
  }
  return 0;
}

}  // namespace

void TfrmMain::ConnectHelpMenu() {
  for (QAction* item : {mHelpContents, mHelpSearch, mHelpHowTo, mRunInfo, mAbout})
    item->setEnabled(true);
  // F1 works in every window of the program that is not modal.
  mHelpContents->setShortcutContext(Qt::ApplicationShortcut);
  connect(mHelpContents, &QAction::triggered, this, &TfrmMain::mHelpContentsClick);
  connect(mHelpSearch, &QAction::triggered, this, &TfrmMain::mHelpSearchClick);
  connect(mHelpHowTo, &QAction::triggered, this, &TfrmMain::mHelpHowToClick);
  connect(mRunInfo, &QAction::triggered, this, &TfrmMain::mRunInfoClick);
  connect(mAbout, &QAction::triggered, this, &TfrmMain::mAboutClick);
}

int TfrmMain::ActiveHelpContext() const {
  // The control with the focus, or a window around it, names its topic.
  if (int context = ContextOf(QApplication::focusWidget())) return context;
  QWidget* window = QApplication::activeWindow();
  if (window && window != this) return ContextOf(window);
  // In the main window: the active child window's topic, else the main
  // window's own.
  if (QMdiSubWindow* active = mdiArea_->activeSubWindow()) {
    if (active == graphWindow_) return kHelpChart;
    QWidget* form = active->widget();
    if (auto* scroll = qobject_cast<QScrollArea*>(form); scroll && scroll->widget())
      form = scroll->widget();
    if (int context = ContextOf(form)) return context;
  }
  return kHelpMainWindow;
}

TfrmHelp* TfrmMain::frmHelp() {
  if (!frmHelp_) frmHelp_ = new TfrmHelp(this);
  return frmHelp_;
}

void TfrmMain::mHelpContentsClick() {
  const int context = ActiveHelpContext();
  TfrmHelp* help = frmHelp();
  if (QApplication::activeWindow() != help) help->ShowTopic(context);
  help->show();
  help->raise();
  help->activateWindow();
}

void TfrmMain::mHelpSearchClick() {
  TfrmHelp* help = frmHelp();
  help->show();
  help->raise();
  help->activateWindow();
  help->StartSearch();
}

void TfrmMain::mHelpHowToClick() {
  TfrmHelp* help = frmHelp();
  help->ShowPage(kUsingHelpPage);
  help->show();
  help->raise();
  help->activateWindow();
}

void TfrmMain::mRunInfoClick() {
  // One viewer; each choice of the item reads the log again.
  auto* viewer = findChild<TfrmRunInfo*>("frmRunInfo", Qt::FindDirectChildrenOnly);
  if (!viewer) viewer = new TfrmRunInfo(p_.StartupLogPath(), host_, this);
  viewer->setProperty(kHelpContextProperty, kHelpRunInfo);
  if (!viewer->Reload()) {
    viewer->close();
    return;
  }
  viewer->show();
  viewer->raise();
  viewer->activateWindow();
}

void TfrmMain::mAboutClick() {
  TfrmAboutB2 about(p_.Dirs().MainDirectory, this);
  about.setProperty(kHelpContextProperty, kHelpAbout);
  about.exec();
}

}  // namespace pumpdrill
