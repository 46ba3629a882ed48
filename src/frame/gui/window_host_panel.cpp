// The panel window's display requests, passed on to it.
#include "frame/gui/frm_main.h"
#include "frame/gui/window_host.h"
#include "panel/gui/frm_panel.h"

namespace pumpdrill {

namespace {

TfrmPanel* Panel(TfrmMain* main) { return main ? main->frmPanel() : nullptr; }

}  // namespace

void WindowHost::RefreshGauges() {
  if (TfrmPanel* panel = Panel(main_)) panel->RefreshPanel();
}

void WindowHost::RebuildPanelItems() {
  if (TfrmPanel* panel = Panel(main_)) panel->RebuildPanel();
}

void WindowHost::AttachEvolutionPanel() {
  if (main_) main_->AttachPanelFile();
}

void WindowHost::LeavePanelDesign() {
  if (main_) main_->SetPanelDesign(false);
}

bool WindowHost::SavePanelAs() { return main_ && main_->mPanelSaveAsClick(); }

void WindowHost::RefreshPanelAfterInit() {
  if (TfrmPanel* panel = Panel(main_)) panel->RefreshPanel(true);
}

void WindowHost::RefreshPanelForRun() {
  if (TfrmPanel* panel = Panel(main_)) panel->RefreshPanel(true);
}

void WindowHost::RefreshPanelDisplays() {
  if (TfrmPanel* panel = Panel(main_)) panel->RefreshPanel(true);
}

void WindowHost::RefreshChangedPumpControls() {
  if (TfrmPanel* panel = Panel(main_)) panel->RefreshChangedPumpControls();
}

void WindowHost::RefreshFlaggedPanelWidget() {
  if (TfrmPanel* panel = Panel(main_)) panel->RefreshFlaggedPanelWidget();
}

void WindowHost::RefreshChangedLineWidgets() {
  if (TfrmPanel* panel = Panel(main_)) panel->RefreshChangedLineWidgets();
}

void WindowHost::CavitationIndicator(bool shown) {
  if (TfrmPanel* panel = Panel(main_)) panel->CavitationIndicator(shown);
}

void WindowHost::PrimedIndicator(PrimedShown shown) {
  if (TfrmPanel* panel = Panel(main_)) panel->PrimedIndicator(shown);
}

void WindowHost::TankLevelChanged() {
  if (TfrmPanel* panel = Panel(main_)) panel->TankLevelChanged();
}

void WindowHost::RunTerminated() {
  if (TfrmPanel* panel = Panel(main_)) panel->RunTerminated();
}

void WindowHost::FoamSetupChanged() {
  if (TfrmPanel* panel = Panel(main_)) panel->PlaceFoamControls();
}

void WindowHost::RefreshProportionerDisplay() {
  if (TfrmPanel* panel = Panel(main_)) panel->RefreshProportionerDisplay();
}

}  // namespace pumpdrill
