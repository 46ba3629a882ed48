// The main window's nozzle operation window: a frameless child over the
// area of child windows, so that it stays in front of them and places
// itself alike on every window system.
#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "setup/gui/frm_nzroll.h"

namespace pumpdrill {

TfrmNzroll* TfrmMain::frmNzroll() const { return frmNzroll_.data(); }

void TfrmMain::BtnNozzleClick() {
  if (frmNzroll_) {
    frmNzroll_->close();
    frmNzroll_ = nullptr;
  }
  frmNzroll_ = new TfrmNzroll(p_.S(), p_.config, p_.run, host_, miscLibrary(), mdiArea_);
  frmNzroll_->show();
  frmNzroll_->setFocus();
}

void TfrmMain::RefreshNozzleWindow() {
  if (frmNzroll_ && frmNzroll_->isVisible()) frmNzroll_->Refresh();
}

void WindowHost::RefreshNozzleWindow() {
  if (main_) main_->RefreshNozzleWindow();
}

}  // namespace pumpdrill
