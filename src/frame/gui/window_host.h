// The windowed program's Host: messages as modal message boxes, the display
// requests forwarded to the main window (which passes them on to the window
// concerned), time from the system.
#pragma once

#include <QPointer>

#include "sim/host.h"

class QWidget;

namespace pumpdrill {

class TfrmMain;
class SoundSystem;
class TfrmIccDlg;

class WindowHost : public Host {
 public:
  Answer Message(MsgType type, Buttons buttons, const std::string& text) override;
  // A message box that does not wait: the run goes on while it is shown.
  void Notify(MsgType type, const std::string& text) override;
  // Cues go to the program's sound; without one the program is silent.
  void SoundCue(int cue, int param, bool flag, const std::string& file) override;

  void ShowRunButtons(RunButton down) override;
  void EnableTimer(bool on) override;
  void ShowElapsedTime(const std::string& text) override;
  void UpdateEvolutionLabel() override;
  void SelectPanelTab() override;
  void WaitProcessingMessages(double seconds) override;
  bool CanChooseDataSaveName() override { return true; }
  std::optional<std::string> ChooseDataSaveName(const std::string& folder, const std::string& proposed) override;
  std::string ShortDateText() override;  // the user's short date format
  // The strip chart's notifications, passed on to it (window_host_chart.cpp).
  void ChartAddPoint() override;
  void ChartRepaint() override;
  void ChartInfoChanged() override;
  void ChartFinished() override;
  // The burn-house window's refreshes, passed on to it while it is shown.
  void StartBurnHouseWindow() override;
  void RestartBurnHouseWindow() override;
  // The nozzle operation window, when it is shown (frm_main_nozzle.cpp).
  void RefreshNozzleWindow() override;
  void RefreshFoamSetup() override;
  // The panel window's refreshes (window_host_panel.cpp).
  void RefreshGauges() override;
  void RebuildPanelItems() override;
  // An opened Evolution's panel file, and the panel's Save As before Save
  // Evo As (window_host_panel.cpp).
  void AttachEvolutionPanel() override;
  void LeavePanelDesign() override;
  bool SavePanelAs() override;
  void RefreshPanelAfterInit() override;
  void RefreshPanelForRun() override;
  void RefreshPanelDisplays() override;
  void RefreshChangedPumpControls() override;
  void RefreshFlaggedPanelWidget() override;
  void RefreshChangedLineWidgets() override;
  void CavitationIndicator(bool shown) override;
  void PrimedIndicator(PrimedShown shown) override;
  void TankLevelChanged() override;
  void RunTerminated() override;
  // The foam items: placed again after a foam setup change, the
  // proportioner's display redrawn when the concentrate drawn changed.
  void FoamSetupChanged() override;
  void RefreshProportionerDisplay() override;
  // The students window closes at every initialisation (frm_main_students.cpp).
  void CloseStudentsWindow() override;
  // Radio calls (window_host_radio.cpp): heard, or read in the incident
  // window, which the main window creates hidden at start-up.
  bool CuePlaying(int cue) override;
  void PriorityRadioCall(const std::string& file) override;
  void ShowIncidentCall(const IncidentCall& call) override;
  void CreateIncidentWindow(QWidget* mainWindow);
  TfrmIccDlg* IncidentWindow() const;

  void SetMainWindow(TfrmMain* main);
  TfrmMain* MainWindow() const;
  void SetSound(SoundSystem* sound) { sound_ = sound; }
  SoundSystem* Sound() const { return sound_; }

  // Tests set this to skip the pauses after an initialisation.
  bool SkipWaits = false;

 private:
  QPointer<TfrmMain> main_;
  SoundSystem* sound_ = nullptr;
  QPointer<TfrmIccDlg> incident_;
};

// Shows a modal message box of the type with the buttons and returns the
// button pressed (Escape or closing the box counts as the last button).
Answer ShowMessageBox(QWidget* parent, MsgType type, Buttons buttons, const std::string& text);

}  // namespace pumpdrill
