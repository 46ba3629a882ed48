// Options > 'Desktop': the options window, one at a time. Its OK tells the
// windows that show units, the department name or the panel flags.
#include "frame/gui/frm_main.h"
#include "frame/gui/frm_options.h"
#include "frame/gui/setup_tabs.h"
#include "frame/gui/window_host.h"
#include "records/gui/frm_graph.h"

namespace pumpdrill {

void TfrmMain::ConnectOptionsMenu() {
  mOptionsDesktop->setEnabled(true);
  connect(mOptionsDesktop, &QAction::triggered, this, &TfrmMain::mOptionsDesktopClick);
}

TfrmOptions* TfrmMain::frmOptions() const { return frmOptions_; }

void TfrmMain::mOptionsDesktopClick() {
  if (!frmOptions_) {
    frmOptions_ = new TfrmOptions(p_, host_, this);
    connect(frmOptions_, &TfrmOptions::Applied, this, [this] {
      // The open setup window is made again in the new units; the panel
      // redraws its displays; the chart keeps to its stay-on-top setting.
      setupTabs_->ReopenWindow();
      host_.RefreshPanelDisplays();
      if (p_.config.Options.PlotStayOnTop && graphWindow_ && graphWindow_->isVisible())
        graphWindow_->raise();
    });
  }
  frmOptions_->show();
  frmOptions_->raise();
  frmOptions_->activateWindow();
}

}  // namespace pumpdrill
