// The operator's pump panel ("Panel Operation"): a child window of the main
// window, shown maximised. It stands the panel's items on a brushed steel
// background at the layout's places times one zoom, and on each refresh
// shows the simulation's gauges, readouts and lamps, repainting only what
// changed.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QScrollArea>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "frame/program.h"
#include "panel/controls/panel_controls.h"
#include "panel/design/design_commands.h"
#include "panel/design/design_history.h"
#include "panel/file/panel_file.h"
#include "panel/gui/control_widget.h"
#include "panel/gui/foam_proportioner_widget.h"
#include "panel/gui/foam_switch_widgets.h"
#include "panel/gui/gauge_dial.h"
#include "panel/gui/panel_background.h"
#include "panel/gui/panel_item.h"
#include "panel/gui/panel_pictures.h"
#include "panel/gui/panel_switch_widgets.h"
#include "panel/gui/rotary_control_widget.h"
#include "panel/gui/valve_handle_widget.h"
#include "panel/panel_layout.h"
#include "panel/panel_readings.h"
#include "sim/host.h"

namespace pumpdrill {

class PanelDialogs;
class PanelPopMenus;

class TfrmPanel : public QWidget, public ControlSite {
  Q_OBJECT

 public:
  TfrmPanel(Program& program, Host& host, QWidget* parent = nullptr);
  ~TfrmPanel() override;

  // Runs RebuildPanel's steps.
  void RebuildPanel();
  // Shows the simulation state; force redraws every item (after an
  // initialisation, at a run's start and end).
  void RefreshPanel(bool force = false);
  // Reloads gauge's face when forced or when the units system changed, then
  // redraws its needle.
  void DrawGaugeFace(int gauge, bool force);
  // Every pressure needle; at 0 while no run is active.
  void DrawGauges(bool runActive);
  // Shows or hides line n's gauge, readouts, title and valve handle; lines
  // above LineCount stay hidden.
  void ShowLine(int line, bool visible);

  // Display requests of the simulation.
  void CavitationIndicator(bool shown);
  void PrimedIndicator(PrimedShown shown);
  void TankLevelChanged();
  void RunTerminated();

  // Zoom: fit the window (Ctrl+0), or a zoom of the user's (Ctrl++, Ctrl+−).
  // Below 50 % the panel scrolls.
  void ZoomToFit();
  void ZoomBy(double factor);
  void SetZoom(double zoom);  // a zoom of the user's, exactly
  double Zoom() const { return background_->Zoom(); }
  bool Fitting() const { return fit_; }

  PanelLayout& Layout() override { return layout_; }
  const PanelLayout& Layout() const { return layout_; }
  // Places every item again after the layout changed (panel file, design).
  void ApplyLayout();
  bool Built() const { return built_; }
  PanelBackground* Background() const { return background_; }
  PanelPictures& Pictures() { return pictures_; }
  FlowmeterState& Flowmeter() { return flowmeter_; }

  // The working controls (frm_panel_controls.cpp): what they hold beside
  // the layout, a valve's handle replaced (its title stays), every control
  // showing the state (force: repainted), and the tick's refreshes.
  PanelControls& Controls() override { return Controls_; }
  void SetValveHandleType(int valve, int type);
  void SyncControls(bool force);
  void RefreshChangedPumpControls();
  void RefreshFlaggedPanelWidget();
  void RefreshChangedLineWidgets();
  const std::vector<ControlWidget*>& ControlWidgets() const { return controlWidgets_; }

  // The foam and compressed-air items (frm_panel_foam.cpp): shown, placed
  // and drawn from the foam setup after a panel load, a design command or
  // a foam setup change; redrawn on the tick when what they show changed.
  void PlaceFoamControls();
  void RefreshFoamControls();
  void RefreshProportionerDisplay();
  // The air valve of line n while line n has one, else nullptr.
  CafsAirValveHandle* AirValve(int line) const;

  // What the controls ask of the panel.
  State& ControlState() override { return p_.S(); }
  ControlRun Run() const override { return {p_.run.SimActive, p_.run.PanelDesign}; }
  Host& ControlHost() override { return host_; }
  bool SoundOn() const override;
  const DisplayUnits& Units() const override { return p_.config.Units; }
  bool PanelKey(QKeyEvent* event) override;
  void ReleaseAllControls() override;

  // Hooks for the panel's controls and file: the controls refresh their
  // displays at step 5 of the refresh; the first rebuild saves a missing
  // panel file.
  std::function<void()> RefreshControlDisplays;
  std::function<void()> SaveMissingPanelFile;
  // The dialogs the panel's questions go through (the main window's, which
  // tests script); without them the panel's own.
  std::function<PanelDialogs&()> AskDialogs;
  PanelDialogs& Dialogs();
  // The item menus of a right click (valve, gauge, temperature and oil).
  PanelPopMenus* PopMenus() const { return popMenus_; }

  // Items by name (the window's member names).
  GaugeDial* Gauge(int gauge) const { return gauges_[gauge]; }
  GaugeDial* ImgRpmMeter = nullptr;
  Readout* PressReadout(int gauge) const { return pressReadouts_[gauge]; }
  Readout* FlowReadout(int gauge) const { return flowReadouts_[gauge]; }
  TitlePlate* GaugeTitle(int gauge) const { return gaugeTitles_[gauge]; }
  TitlePlate* ValveTitle(int valve) const { return valveTitles_[valve]; }
  ValveHandleWidget* ValveHandle(int valve) const { return valveHandles_[valve]; }
  Readout *LblRpmGauge = nullptr, *LblGallonsLeft = nullptr, *LblFlowmeter = nullptr;
  FlowmeterSelector* ImgFlowMeter = nullptr;
  PicturePlate *ImgTempLt = nullptr, *ImgOilPressureLt = nullptr, *ImgPumpOilLt = nullptr;
  PicturePlate *ImgChkXmissionLt = nullptr, *ImgChkEngineLt = nullptr, *ImgStopEngineLt = nullptr;
  LampBank *ImgTankLts = nullptr, *ImgRValveLts = nullptr;
  PicturePlate* ImgPrimerBack = nullptr;
  PrimerHandle* ImgPrimer = nullptr;
  TransferValveSwitch* ImgTransferValve = nullptr;
  EngineCoolerSwitch* ImgEngCooler = nullptr;
  PicturePlate *PnlUpper = nullptr, *PnlLower = nullptr;
  TitlePlate *Pnl_ID = nullptr, *LblCavitating = nullptr, *LblPrimedIndicator = nullptr;
  RotaryControlWidget *Throttle = nullptr, *PressureControl = nullptr;
  FoamTankSwitch* ImgFoamTankValve = nullptr;
  FoamProportioner* ProportionerImg = nullptr;
  CafsOnOffSwitch* ImgCAFSOnOff = nullptr;
  CafsModeSwitch* ImgCAFSRunLoad = nullptr;
  QCheckBox* FocusCtrl = nullptr;

  // The panel configuration file (frm_panel_file.cpp). Mode 1 saves the
  // panel as fileName, 2 loads it and places every item again; true when
  // the file was written, or read and applied.
  bool TransferPanelConfiguration(const std::string& fileName, int mode);
  // Carries out what a load decided: the main window's place, scrolling,
  // every item, plate and gauge face placed again.
  void ApplyFileOutcome(const PanelFileOutcome& out);
  // What a save or load works on: the state, layout and controls, the
  // Panels folder, the main window and the screen.
  PanelFileTarget FileTarget();
  // One key of the panel file (IOToPanelFile mode 1 reads, 2 writes).
  std::string ReadFromPanelFile(const std::string& section, const std::string& key,
                                const std::string& fallback);
  void WriteToPanelFile(const std::string& section, const std::string& key,
                        const std::string& value);
  std::string IOToPanelFile(int mode, const std::string& section, const std::string& key,
                            const std::string& value);
  // The first rebuild's check: the layout is saved when the file named by
  // PanelFileName is missing.
  void SaveLayoutWhenMissing();
  // Shows the layout's hose connection plates.
  void ApplyPlates();

  // Hose connection plates (1 to 19) placed by the panel file.
  void SetPlate(int plate, int type, PanelPlace place);
  void RemovePlate(int plate);
  PicturePlate* Plate(int plate) const;

  // Panel design mode (frm_panel_design.cpp). The mode itself is the run
  // context's PanelDesign flag; switching it on forgets the undo steps and
  // shows lines 1 to LineCount.
  void SetPanelDesign(bool on);
  bool PanelDesign() const { return p_.run.PanelDesign; }
  // Every design action calls this first: the undo step, and the layout
  // counts as changed since it was saved or loaded.
  void BeginDesignAction();
  // Runs an action that may change nothing (false): only a change becomes
  // an undo step and marks the layout changed.
  bool DesignAction(const std::function<bool()>& action);
  bool UndoDesign();
  bool RedoDesign();
  QAction *actUndoDesign = nullptr, *actRedoDesign = nullptr;
  DesignHistory& History() { return history_; }
  bool LayoutChanged() const { return history_.Changed(); }
  void MarkLayoutSaved() {
    history_.MarkSaved();
    LayoutFileName = p_.S().PumpControl.PanelFileName.str();
  }
  // The panel file the layout was last saved to or loaded from.
  std::string LayoutFileName;
  // A design menu code (the items' data), and the per-line connectors.
  void RunDesignCommand(int code);
  void AddConnectorPlate(int line);
  void RemoveConnectorPlate(int line);
  // Builds the design commands into a menu (the main window's "Panel
  // Design" menu, or PopMenuPanel with panelMenu set), and sets their
  // enabled and checked states and the connector sub-menus before it opens.
  void FillDesignMenu(QMenu* menu, bool panelMenu);
  void UpdateDesignMenu(QMenu* menu);
  QMenu* PopMenuPanel = nullptr;
  // The governor presets of the Class1 governor.
  void AskGovernorPresets();
  // Asks for a text (caption, prompt, preset); nothing when cancelled.
  // Tests answer in its place.
  std::function<std::optional<std::string>(const std::string&, const std::string&,
                                           const std::string&)>
      AskText;
  // The item a layout entry shows, and the items that follow an item moved.
  PanelItemWidget* ItemWidget(PanelItem item) const;
  std::vector<PanelItemWidget*> Companions(PanelItemWidget* lead) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateItems();
  void CreateControls();
  void CreateDesign();
  void BindStoredPlaces();
  bool DesignEvent(QObject* watched, QEvent* event);
  void StartMove(PanelItemWidget* item, QPoint global);
  void ContinueMove(QPoint global);
  void ShowDesignChange(const DesignOutcome& out);
  void ShowRestoredDesign();
  void UpdateUndoActions();
  PanelItemWidget* MoveLead(PanelItemWidget* pressed) const;
  void FillPictureSizes();
  void PlaceStartingControls();
  void FitValveHandle(int valve);
  void AskControlPictures();
  void CreateFoamControls();
  void ShowFoamControl(FoamControl* w, bool shown);
  void PlaceAirValves();
  void FreeAirValve(int line);
  template <typename W>
  W* AddControl(W* widget, PanelPlace place);
  void CreateGauge(int gauge);
  void PlaceFromLayout();
  void LoadCreationPictures();
  void LoadFacePictures(bool creationWording);
  void RefreshLampsAndTexts(const PanelReading& r, bool force);
  void ShowReadoutOptions();
  void Arrange();
  bool MetricUnits() const;

  Program& p_;
  Host& host_;
  PanelLayout layout_;
  PanelPictures pictures_;
  QScrollArea* scroll_ = nullptr;
  PanelBackground* background_ = nullptr;
  std::array<GaugeDial*, kGaugeSlots> gauges_{};
  std::array<Readout*, kGaugeSlots> pressReadouts_{}, flowReadouts_{};
  std::array<TitlePlate*, kGaugeSlots> gaugeTitles_{};
  std::array<TitlePlate*, kValveCount + 1> valveTitles_{};
  std::array<ValveHandleWidget*, kValveCount + 1> valveHandles_{};
  PanelControls Controls_;
  std::vector<ControlWidget*> controlWidgets_;
  PanelPopMenus* popMenus_ = nullptr;
  std::unique_ptr<PanelDialogs> ownDialogs_;
  std::array<CafsAirValveHandle*, kMaxDischarges + 1> airValves_{};  // line 1 the template
  std::set<std::string> askedPictures_;  // optional pictures asked for once
  bool closing_ = false;
  std::map<int, std::pair<int, PicturePlate*>> plates_;  // plate -> type, picture
  FlowmeterState flowmeter_;
  bool keyReported_ = false;  // a missing file was reported in this operation
  bool built_ = false;
  bool shownOnce_ = false;
  bool vibrationRaised_ = false;
  bool fit_ = true;
  double userZoom_ = 1.0;
  // A design move between its press and release.
  struct DesignMove {
    PanelItemWidget* Item = nullptr;
    QPoint Start;  // global mouse point at the press
    int Left = 0, Top = 0;
    bool Recorded = false;
    bool Bar = false;
    std::vector<std::pair<PanelItemWidget*, QPoint>> Companions;  // and offsets
  } move_;
  DesignHistory history_;
};

// Zoom steps of Ctrl++ and Ctrl+−, and the least zoom before scrolling.
inline constexpr double kZoomStep = 1.25;
inline constexpr double kLeastFitZoom = 0.5;

}  // namespace pumpdrill
