// The run control's refreshes of the burn-house window.
#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"

namespace pumpdrill {

void WindowHost::StartBurnHouseWindow() {
  if (main_) main_->StartBurnHouseWindow();
}

void WindowHost::RestartBurnHouseWindow() {
  if (main_) main_->RestartBurnHouseWindow();
}

}  // namespace pumpdrill
