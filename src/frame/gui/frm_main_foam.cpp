// The foam setup window as the run reaches it.
#include "frame/gui/frm_main.h"
#include "frame/gui/setup_tabs.h"
#include "frame/gui/window_host.h"
#include "setup/gui/frm_foam.h"

namespace pumpdrill {

void TfrmMain::RefreshFoamSetup() {
  if (auto *foam = qobject_cast<TfrmFoam *>(setupTabs().Window()))
    foam->FormActivate();
}

void WindowHost::RefreshFoamSetup() {
  if (main_)
    main_->RefreshFoamSetup();
}

} // namespace pumpdrill
