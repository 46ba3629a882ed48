// The panel's working controls: built when the window is created from the
// pictures' sizes, shown from the state at every refresh and tick, worked
// by the mouse and the keys through the controls' own arithmetic.
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "panel/controls/keyboard_actions.h"
#include "panel/gui/frm_panel.h"
#include "panel/gui/panel_picture_names.h"
#include "sim/pressure_control.h"

namespace pumpdrill {

namespace {

// The picture whose size gives each kind's size.
const std::pair<int, const char*> kKindPictures[] = {
    {kRotaryWaterousRelief, kReliefKnobBackPicture},
    {kRotaryHaleRelief, "HAND_WHEEL00"},
    {kRotaryPierceThrottle, kThrottleBackPicture},
    {kRotaryHaleThrottle, "MAN_THROT00"},
    {kRotaryElectronicThrottle, kElectronicThrottlePicture},
    {kRotaryElectronic2Governor, kGovernor2Picture},
    {kRotaryClass1Governor, kClass1GovernorPicture},
};

}  // namespace

template <typename W>
W* TfrmPanel::AddControl(W* widget, PanelPlace place) {
  widget->Place = place;
  background_->AddItem(widget);
  controlWidgets_.push_back(widget);
  return widget;
}

template FlowmeterSelector* TfrmPanel::AddControl(FlowmeterSelector*, PanelPlace);
template PrimerHandle* TfrmPanel::AddControl(PrimerHandle*, PanelPlace);
template TransferValveSwitch* TfrmPanel::AddControl(TransferValveSwitch*, PanelPlace);
template EngineCoolerSwitch* TfrmPanel::AddControl(EngineCoolerSwitch*, PanelPlace);
template RotaryControlWidget* TfrmPanel::AddControl(RotaryControlWidget*, PanelPlace);
template ValveHandleWidget* TfrmPanel::AddControl(ValveHandleWidget*, PanelPlace);
template FoamTankSwitch* TfrmPanel::AddControl(FoamTankSwitch*, PanelPlace);
template FoamProportioner* TfrmPanel::AddControl(FoamProportioner*, PanelPlace);
template CafsOnOffSwitch* TfrmPanel::AddControl(CafsOnOffSwitch*, PanelPlace);
template CafsModeSwitch* TfrmPanel::AddControl(CafsModeSwitch*, PanelPlace);
template CafsAirValveHandle* TfrmPanel::AddControl(CafsAirValveHandle*, PanelPlace);

bool TfrmPanel::SoundOn() const { return p_.run.WaveDevices > 0 && p_.config.Options.UseWavSound; }

void TfrmPanel::FillPictureSizes() {
  auto sizeOf = [&](const std::string& name, int kind) {
    if (!pictures_.Has(name)) return;
    const QSizeF s = pictures_.LogicalSize(name);
    Controls_.PictureSize[kind] = {static_cast<int>(std::lround(s.width())),
                                   static_cast<int>(std::lround(s.height()))};
  };
  for (const auto& [kind, name] : kKindPictures) sizeOf(name, kind);
  for (int k = kRotaryFirstWheel; k <= kRotaryLastWheel; ++k) sizeOf("HAND_WHEEL00", k);
}

void TfrmPanel::PlaceStartingControls() {
  pumpdrill::PlaceStartingControls(Controls_, layout_, p_.S(), host_);
}

void TfrmPanel::CreateControls() {
  FillPictureSizes();
  PlaceStartingControls();
  for (int v = kFirstHandleValve; v <= kLastHandleValve; ++v)
    SetValveHandleType(v, kHandleShortOpenBottom);
  // Tab goes through the handles in line order, then the pump's controls.
  std::vector<QWidget*> order;
  for (int v = 1; v <= kValveCount; ++v) order.push_back(valveHandles_[v]);
  for (QWidget* w : std::initializer_list<QWidget*>{Throttle, PressureControl, ImgPrimer,
                                                    ImgTransferValve, ImgEngCooler, ImgFlowMeter})
    order.push_back(w);
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  Throttle->Place = layout_.Item(PanelItem::Throttle);
  background_->PlaceItem(Throttle);
  PressureControl->Place = layout_.Item(PanelItem::PressureControl);
  background_->PlaceItem(PressureControl);
  CreateFoamControls();
  PlaceFoamControls();
}

void TfrmPanel::FitValveHandle(int valve) {
  ValvePlace& vp = layout_.Valves[valve];
  const QSize size = ValveHandleWidget::SizeFor(vp.HandleType, pictures_, Controls_, valve);
  vp.Handle.Width = size.width();
  vp.Handle.Height = size.height();
  valveHandles_[valve]->Place = vp.Handle;
  background_->PlaceItem(valveHandles_[valve]);
}

void TfrmPanel::SetValveHandleType(int valve, int type) {
  if (valve < kFirstHandleValve || valve > kLastHandleValve) return;
  pumpdrill::SetValveHandleType(Controls_, layout_, p_.S(), valve, type, host_);
  FitValveHandle(valve);
  ShowLine(valve, true);
  valveHandles_[valve]->Sync(true);
  valveHandles_[valve]->Announce();
}

void TfrmPanel::AskControlPictures() {
  // The pictures of the controls on the panel that the library did not
  // have when the window was made: asked for once, with the message when
  // still missing.
  std::vector<std::string> wanted;
  const auto present = PresentRotaryKinds(Controls_);
  for (const auto& [kind, name] : kKindPictures) {
    const auto& optional = OptionalControlPictureNames();
    if (present[kind] && std::find(optional.begin(), optional.end(), name) != optional.end())
      wanted.emplace_back(name);
  }
  for (int v = kFirstHandleValve; v <= kLastHandleValve; ++v) {
    const int type = layout_.Valves[v].HandleType;
    if (type == kHandleBall) wanted.emplace_back(kBallHandlePicture);
    if (type == kHandleElectronic) wanted.emplace_back(kElectronicValvePicture);
  }
  std::vector<std::string> ask;
  for (const std::string& name : wanted)
    if (!pictures_.Has(name) && askedPictures_.insert(name).second) ask.push_back(name);
  if (!ask.empty()) pictures_.Load(ask, host_, false);
}

void TfrmPanel::SyncControls(bool force) {
  if (closing_) return;
  if (force) AskControlPictures();
  for (ControlWidget* w : controlWidgets_) {
    w->Sync(force);
    w->Announce();
  }
}

void TfrmPanel::ReleaseAllControls() {
  if (closing_) return;
  ReleaseControls(Controls_);
  SyncControls(false);
}

void TfrmPanel::RefreshChangedPumpControls() {
  if (closing_) return;
  // A governor or the pressure control moved the throttle, or a setting
  // changed elsewhere: the knobs and displays follow.
  for (ControlWidget* w :
       {static_cast<ControlWidget*>(Throttle), static_cast<ControlWidget*>(PressureControl)}) {
    w->Sync(false);
    w->Announce();
  }
}

void TfrmPanel::RefreshFlaggedPanelWidget() {
  if (closing_) return;
  const ControlsTickResult r = ControlsTick(Controls_, p_.S(), Run(), host_);
  std::vector<ControlWidget*> changed;
  const int line = Controls_.ElectronicValve.Line;
  if (r.ValveChanged && line >= kFirstHandleValve && line <= kLastHandleValve)
    changed.push_back(valveHandles_[line]);
  if (r.ThrottleChanged) changed.push_back(Throttle);
  if (r.GovernorChanged) changed.push_back(PressureControl);
  if (r.TransferChanged) changed.push_back(ImgTransferValve);
  for (ControlWidget* w : changed) {
    w->Sync(false);
    w->Announce();
  }
  RefreshFoamControls();
}

void TfrmPanel::RefreshChangedLineWidgets() {
  if (closing_) return;
  for (int v = kFirstHandleValve; v <= kLastHandleValve; ++v) {
    valveHandles_[v]->Sync(false);
    valveHandles_[v]->Announce();
  }
  PressureControl->Sync(false);
}

bool TfrmPanel::PanelKey(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                                           Qt::AltModifier | Qt::MetaModifier);
  const int key = event->key();
  if (mods == Qt::NoModifier && key >= Qt::Key_1 && key <= Qt::Key_9) {
    ValveHandleWidget* handle = valveHandles_[key - Qt::Key_0];
    if (handle->isVisible()) handle->setFocus(Qt::ShortcutFocusReason);
    return true;
  }
  if (mods == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
    KeyThrottle(Controls_, p_.S(), Run(), key == Qt::Key_Up ? 1 : -1, host_);
    Throttle->Sync(false);
    Throttle->Announce();
    return true;
  }
  if (mods == Qt::NoModifier && key == Qt::Key_P) {
    ImgPrimer->Click();
    ImgPrimer->Sync(false);
    ImgPrimer->Announce();
    return true;
  }
  return false;
}

}  // namespace pumpdrill
