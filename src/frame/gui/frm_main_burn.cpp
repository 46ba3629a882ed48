// The burn-house window in the main window: created hidden at start-up,
// shown by the burn-house button and Setup > 'BurnHouse', created again
// after it was closed, refreshed at a new run and at re-initialisation,
// and kept above the other windows while its record asks it.
#include <QMdiSubWindow>
#include <QTimer>

#include "burn/gui/frm_burn.h"
#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"

namespace pumpdrill {

TfrmBurn* TfrmMain::frmBurn() const { return frmBurn_; }

void TfrmMain::CreateBurnWindow() {
  if (frmBurn_) return;
  frmBurn_ = new TfrmBurn(p_, host_, miscLibrary_.get());
  burnWindow_ = mdiArea_->addSubWindow(frmBurn_, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                      Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  burnWindow_->setObjectName("BurnWindow");
  burnWindow_->setAttribute(Qt::WA_DeleteOnClose, true);  // closing releases it
  frmBurn_->RefreshBurnWindow();                          // fitted and styled in its frame
  burnWindow_->hide();
}

void TfrmMain::BtnBurnHouseClick() {
  CreateBurnWindow();
  // An Evolution opened while the window was hidden shows its own house.
  if (!burnWindow_->isVisible()) frmBurn_->RefreshBurnWindow();
  burnWindow_->show();
  burnWindow_->raise();
  mdiArea_->setActiveSubWindow(burnWindow_);
}

void TfrmMain::StartBurnHouseWindow() {
  if (frmBurn_ && frmBurn_->BurnWindowShown()) frmBurn_->RefreshBurnWindow();
}

void TfrmMain::RestartBurnHouseWindow() {
  if (frmBurn_ && frmBurn_->BurnWindowShown()) frmBurn_->RefreshBurnWindow();
}

// Connected once with the main window's menus and run panel.
void TfrmMain::ConnectBurnHouse() {
  BtnBurnHouse->setEnabled(true);
  mBurnHouseSetup->setEnabled(true);
  connect(BtnBurnHouse, &QToolButton::clicked, this, &TfrmMain::BtnBurnHouseClick);
  connect(mBurnHouseSetup, &QAction::triggered, this, &TfrmMain::BtnBurnHouseClick);
  // 'Stay On Top': the burn house stays above whichever window is activated.
  // It is raised once the activated window has finished coming to the front.
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
    if (!burnWindow_ || active == burnWindow_) return;
    QTimer::singleShot(0, this, [this] {
      if (burnWindow_ && burnWindow_->isVisible() && p_.S().BurnHouse.StayOnTop) burnWindow_->raise();
    });
  });
}

}  // namespace pumpdrill
