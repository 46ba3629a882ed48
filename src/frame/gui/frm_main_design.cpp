// Setup > Panel > 'Enable Design' and the "Panel Design" menu: the mode is
// refused during a run, and a changed layout is offered for saving before
// it would be lost.
#include <QMenu>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "panel/file/panel_file_commands.h"
#include "panel/gui/frm_panel.h"

namespace pumpdrill {

void TfrmMain::ConnectPanelDesignMenu() {
  TfrmPanel* panel = frmPanel();
  if (!panel) return;
  panel->FillDesignMenu(mnuPanelDesign, false);
  connect(mnuPanelDesign, &QMenu::aboutToShow, this, [this] {
    if (TfrmPanel* p = frmPanel()) p->UpdateDesignMenu(mnuPanelDesign);
  });
}

void TfrmMain::mPanelDesignClick() {
  if (p_.run.SimActive) {
    host_.Message(MsgType::Information, Buttons::Ok,
                  "Panel design not allowed when simulation is running.");
    SetPanelDesign(false);
    return;
  }
  SetPanelDesign(!p_.run.PanelDesign);
}

void TfrmMain::SetPanelDesign(bool on) {
  if (on && p_.run.SimActive) on = false;
  if (TfrmPanel* panel = frmPanel())
    panel->SetPanelDesign(on);
  else
    p_.run.PanelDesign = on;
  mPanelDesign->setChecked(p_.run.PanelDesign);
  mnuPanelDesign->menuAction()->setVisible(p_.run.PanelDesign);
}

bool TfrmMain::OfferPanelLayoutSave() {
  TfrmPanel* panel = frmPanel();
  if (!panel || !panel->LayoutChanged()) return true;
  const Answer a = host_.Message(MsgType::Confirmation, Buttons::YesNoCancel,
                                 "The panel layout has changed. Save it first?");
  if (a == Answer::Cancel) return false;
  if (a != Answer::Yes) return true;
  // Yes saves as Save does; a Save As given up stops the command.
  if (PanelNeedsName(p_.S())) return mPanelSaveAsClick();
  return panel->TransferPanelConfiguration(p_.S().PumpControl.PanelFileName.str(), kPanelFileSave);
}

}  // namespace pumpdrill
