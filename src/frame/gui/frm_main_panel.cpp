// The panel window in the main window, and the main window's size on the
// screen.
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "frame/gui/frm_main.h"
#include "frame/gui/setup_tabs.h"
#include "frame/gui/window_host.h"
#include "panel/gui/frm_panel.h"
#include "panel/gui/panel_dialogs.h"

namespace pumpdrill {

TfrmPanel* TfrmMain::frmPanel() const { return frmPanel_; }

void TfrmMain::CreatePanelWindow() {
  if (frmPanel_) return;
  frmPanel_ = new TfrmPanel(p_, host_);
  frmPanel_->SaveMissingPanelFile = [panel = frmPanel_.data()] { panel->SaveLayoutWhenMissing(); };
  frmPanel_->AskDialogs = [this]() -> PanelDialogs& {
    if (!panelDialogs_) panelDialogs_ = std::make_unique<PanelDialogs>();
    return *panelDialogs_;
  };
  panelWindow_ = mdiArea_->addSubWindow(frmPanel_, Qt::SubWindow | Qt::WindowTitleHint |
                                                       Qt::WindowSystemMenuHint |
                                                       Qt::WindowMinMaxButtonsHint);
  panelWindow_->setObjectName("PanelWindow");
  panelWindow_->setWindowTitle(frmPanel_->windowTitle());
  panelWindow_->showMaximized();
  // The 'Panel' tab brings the panel to the front.
  setupTabs_->PanelTabChosen = [this] {
    if (!panelWindow_) return;
    panelWindow_->show();
    mdiArea_->setActiveSubWindow(panelWindow_);
  };
}

QSize MainWindowSize(QSize available) {
  // The largest 4:3 size in 85 % of the screen, never below 640 × 480.
  const double w = available.width() * 0.85, h = available.height() * 0.85;
  const double scale = std::min(w / 640.0, h / 480.0);
  if (scale <= 1.0) return {640, 480};
  return {static_cast<int>(640 * scale), static_cast<int>(480 * scale)};
}

void TfrmMain::PlaceMainWindow() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) {
    resize(640, 480);
    return;
  }
  const QRect area = screen->availableGeometry();
  resize(MainWindowSize(area.size()));
  move(area.center() - rect().center());
}

}  // namespace pumpdrill
