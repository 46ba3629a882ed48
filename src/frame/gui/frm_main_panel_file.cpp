// The Setup > Panel file commands: the main window chooses the files, the
// core saves, loads and deletes them, and the panel window shows the result.
#include <QMenu>

#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "panel/file/panel_file_commands.h"
#include "panel/gui/frm_panel.h"

namespace pumpdrill {

void TfrmMain::ConnectPanelMenu() {
  if (!panelDialogs_) panelDialogs_ = std::make_unique<PanelDialogs>();
  connect(mPanelOpen, &QAction::triggered, this, &TfrmMain::mPanelOpenClick);
  connect(mPanelSave, &QAction::triggered, this, &TfrmMain::mPanelSaveClick);
  connect(mPanelSaveAs, &QAction::triggered, this, [this] { mPanelSaveAsClick(); });
  connect(mPanelDelete, &QAction::triggered, this, &TfrmMain::mPanelDeleteClick);
  connect(mnuSetupPanel, &QMenu::aboutToShow, this, &TfrmMain::PanelMenuShow);
  mPanelDesign->setCheckable(true);
  connect(mPanelDesign, &QAction::triggered, this, &TfrmMain::mPanelDesignClick);
  PanelMenuShow();
}

void TfrmMain::SetPanelDialogs(std::unique_ptr<PanelDialogs> dialogs) {
  panelDialogs_ = std::move(dialogs);
}

void TfrmMain::PanelMenuShow() {
  // A panel is not changed under a run.
  mPanelOpen->setEnabled(!p_.run.SimActive);
  for (QAction* item : {mPanelSave, mPanelSaveAs, mPanelDelete}) item->setEnabled(true);
  mPanelDesign->setEnabled(!p_.run.SimActive);
  mPanelDesign->setChecked(p_.run.PanelDesign);
}

void TfrmMain::mPanelOpenClick() {
  TfrmPanel* panel = frmPanel();
  if (!panel || p_.run.SimActive) return;
  if (!OfferPanelLayoutSave()) return;
  std::optional<std::string> chosen =
      panelDialogs_->ChooseOpen(this, p_.Dirs().PanelsDirectory, PanelDialogPreset(p_.S()));
  if (!chosen) return;
  PanelFileTarget t = panel->FileTarget();
  const PanelFileOutcome out = OpenChosenPanel(t, *chosen, host_);
  if (!out.Done) return;
  panel->ApplyFileOutcome(out);
  panel->RebuildPanel();
  panel->MarkLayoutSaved();
}

void TfrmMain::mPanelSaveClick() {
  TfrmPanel* panel = frmPanel();
  if (!panel) return;
  if (PanelNeedsName(p_.S())) {
    mPanelSaveAsClick();
    return;
  }
  panel->TransferPanelConfiguration(p_.S().PumpControl.PanelFileName.str(), kPanelFileSave);
}

bool TfrmMain::mPanelSaveAsClick() {
  TfrmPanel* panel = frmPanel();
  if (!panel) return false;
  std::optional<std::string> chosen =
      panelDialogs_->ChooseSaveAs(this, p_.Dirs().PanelsDirectory, PanelDialogPreset(p_.S()));
  if (!chosen) return false;
  PanelFileTarget t = panel->FileTarget();
  const bool done = SaveChosenPanelAs(t, *chosen, host_).Done;
  if (done) panel->MarkLayoutSaved();
  return done;
}

void TfrmMain::mPanelDeleteClick() {
  DeletePanelFiles(panelDialogs_->ChooseDelete(this, p_.Dirs().PanelsDirectory), host_);
}

void TfrmMain::AttachPanelFile() {
  TfrmPanel* panel = frmPanel();
  if (!panel) return;
  // The Evolution brought its own panel's name: a changed layout is saved
  // under the name it had, or kept when the user cancels.
  if (panel->LayoutChanged()) {
    const std::string evolutionPanel = CurrentPanelFileName(p_.S());
    p_.S().PumpControl.PanelFileName = panel->LayoutFileName;
    const bool goOn = OfferPanelLayoutSave();
    p_.S().PumpControl.PanelFileName = evolutionPanel;
    if (!goOn) return;
  }
  if (panel->TransferPanelConfiguration(CurrentPanelFileName(p_.S()), kPanelFileLoad))
    panel->RebuildPanel();
}

}  // namespace pumpdrill
