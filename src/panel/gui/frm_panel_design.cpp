// Panel design mode in the panel window: every left press on an item
// starts a move instead of working the control (right clicks go on to the
// items' own menus), the panel's pop-up menu and the design commands, and
// undo and redo of design actions.
#include <QChildEvent>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <algorithm>
#include <map>

#include "panel/design/design_menu.h"
#include "panel/gui/frm_panel.h"
#include "panel/gui/panel_dialogs.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

const char* kAddConnectorMenu = "mnuAddConnector";
const char* kRemoveConnectorMenu = "mnuRemoveConnector";
const char* kConnectorLine = "connectorLine";

// The sub-menu of menu at path ("A/B"), made when missing.
QMenu* SubmenuAt(QMenu* menu, const std::string& path) {
  QMenu* at = menu;
  std::size_t from = 0;
  while (from < path.size()) {
    const std::size_t slash = path.find('/', from);
    const std::string name = path.substr(from, slash == std::string::npos ? slash : slash - from);
    QMenu* found = nullptr;
    for (QAction* a : at->actions())
      if (a->menu() && a->text() == QString::fromStdString(name)) found = a->menu();
    if (!found) found = at->addMenu(QString::fromStdString(name));
    at = found;
    if (slash == std::string::npos) break;
    from = slash + 1;
  }
  return at;
}

void ForEachAction(QMenu* menu, const std::function<void(QAction*)>& f) {
  for (QAction* a : menu->actions()) {
    if (a->menu())
      ForEachAction(a->menu(), f);
    else
      f(a);
  }
}

}  // namespace

void TfrmPanel::CreateDesign() {
  BindStoredPlaces();
  AskText = [this](const std::string& caption, const std::string& prompt,
                   const std::string& preset) -> std::optional<std::string> {
    return Dialogs().InputQuery(this, caption, prompt, preset);
  };
  actUndoDesign = new QAction("Undo", this);
  actUndoDesign->setObjectName("actUndoDesign");
  actUndoDesign->setShortcut(QKeySequence("Ctrl+Z"));
  actRedoDesign = new QAction("Redo", this);
  actRedoDesign->setObjectName("actRedoDesign");
  actRedoDesign->setShortcut(QKeySequence("Ctrl+Shift+Z"));
  for (QAction* a : {actUndoDesign, actRedoDesign}) {
    a->setShortcutContext(Qt::WindowShortcut);
    a->setEnabled(false);
    addAction(a);
  }
  connect(actUndoDesign, &QAction::triggered, this, [this] { UndoDesign(); });
  connect(actRedoDesign, &QAction::triggered, this, [this] { RedoDesign(); });
  PopMenuPanel = new QMenu(this);
  PopMenuPanel->setObjectName("PopMenuPanel");
  FillDesignMenu(PopMenuPanel, true);
  connect(PopMenuPanel, &QMenu::aboutToShow, this, [this] { UpdateDesignMenu(PopMenuPanel); });
  // Every item on the background, also those made later, passes its mouse
  // through the design filter first.
  background_->installEventFilter(this);
  for (QObject* child : background_->children())
    if (child->isWidgetType()) child->installEventFilter(this);
}

void TfrmPanel::BindStoredPlaces() {
  using I = PanelItem;
  for (int item = 0; item < kPanelItemCount; ++item)
    if (PanelItemWidget* w = ItemWidget(static_cast<PanelItem>(item)))
      w->Stored = &layout_.Items[item];
  LblCavitating->Stored = &layout_.Item(I::IdBox);
  for (int g = 1; g < kGaugeSlots; ++g) {
    if (!IsPressureGauge(g)) continue;
    GaugeParts& parts = layout_.Gauges[g];
    gauges_[g]->Stored = &parts.Gauge;
    gaugeTitles_[g]->Stored = &parts.Title;
    pressReadouts_[g]->Stored = &parts.PressReadout;
    flowReadouts_[g]->Stored = &parts.FlowReadout;
  }
  for (int v = 1; v <= kValveCount; ++v) {
    valveHandles_[v]->Stored = &layout_.Valves[v].Handle;
    valveTitles_[v]->Stored = &layout_.Valves[v].Title;
  }
  for (auto& [n, plate] : plates_) plate.second->Stored = &layout_.Plates[n].Place;
}

PanelItemWidget* TfrmPanel::ItemWidget(PanelItem item) const {
  using I = PanelItem;
  switch (item) {
    case I::RpmMeter:
      return ImgRpmMeter;
    case I::LblRpmGauge:
      return LblRpmGauge;
    case I::FlowMeter:
      return ImgFlowMeter;
    case I::LblFlowmeter:
      return LblFlowmeter;
    case I::EngTempGauge:
      return gauges_[kEngTempGauge];
    case I::TempLt:
      return ImgTempLt;
    case I::OilPressGauge:
      return gauges_[kOilPressGauge];
    case I::OilPressureLt:
      return ImgOilPressureLt;
    case I::PumpOilGauge:
      return gauges_[kPumpOilGauge];
    case I::PumpOilLt:
      return ImgPumpOilLt;
    case I::ChkXmissionLt:
      return ImgChkXmissionLt;
    case I::ChkEngineLt:
      return ImgChkEngineLt;
    case I::StopEngineLt:
      return ImgStopEngineLt;
    case I::TankLts:
      return ImgTankLts;
    case I::LblGallonsLeft:
      return LblGallonsLeft;
    case I::RValveLts:
      return ImgRValveLts;
    case I::PrimerBack:
      return ImgPrimerBack;
    case I::Primer:
      return ImgPrimer;
    case I::LblPrimedIndicator:
      return LblPrimedIndicator;
    case I::TransferValve:
      return ImgTransferValve;
    case I::EngCooler:
      return ImgEngCooler;
    case I::IdBox:
      return Pnl_ID;
    case I::UpperBar:
      return PnlUpper;
    case I::LowerBar:
      return PnlLower;
    case I::Throttle:
      return Throttle;
    case I::PressureControl:
      return PressureControl;
    case I::Count:
      break;
  }
  return nullptr;
}

PanelItemWidget* TfrmPanel::MoveLead(PanelItemWidget* pressed) const {
  // The identification box moves by either of its labels, the primer by
  // its handle or its backing.
  if (pressed == LblCavitating) return Pnl_ID;
  if (pressed == ImgPrimer) return ImgPrimerBack;
  return pressed;
}

std::vector<PanelItemWidget*> TfrmPanel::Companions(PanelItemWidget* lead) const {
  std::vector<PanelItemWidget*> out;
  for (int g = 1; g < kGaugeSlots; ++g)
    if (IsPressureGauge(g) && lead == gauges_[g])
      return {gaugeTitles_[g], pressReadouts_[g], flowReadouts_[g]};
  for (int item = 0; item < kPanelItemCount; ++item)
    if (ItemWidget(static_cast<PanelItem>(item)) == lead)
      for (PanelItem c : ItemCompanions(static_cast<PanelItem>(item))) out.push_back(ItemWidget(c));
  if (lead == Pnl_ID) out.push_back(LblCavitating);
  for (int v = kFirstHandleValve; v <= kLastHandleValve; ++v)
    if (lead == valveHandles_[v] && layout_.Valves[v].HandleType == kHandleElectronic)
      out.push_back(valveTitles_[v]);
  return out;
}

void TfrmPanel::SetPanelDesign(bool on) {
  if (on && p_.run.SimActive) return;
  if (on && !p_.run.PanelDesign) {
    history_.Clear();
    ReleaseAllControls();
  }
  p_.run.PanelDesign = on;
  move_ = {};
  for (int line = 1; line <= kLineCount; ++line) ShowLine(line, true);
  UpdateUndoActions();
  if (!on && PopMenuPanel->isVisible()) PopMenuPanel->close();
}

void TfrmPanel::BeginDesignAction() {
  history_.Record(p_.S(), layout_, Controls_);
  UpdateUndoActions();
}

bool TfrmPanel::DesignAction(const std::function<bool()>& action) {
  DesignSnapshot before = TakeDesignSnapshot(p_.S(), layout_, Controls_);
  if (!action()) return false;  // nothing done, nothing to undo
  history_.Record(std::move(before));
  UpdateUndoActions();
  return true;
}

bool TfrmPanel::UndoDesign() {
  if (!PanelDesign() || !history_.Undo(p_.S(), layout_, Controls_)) return false;
  ShowRestoredDesign();
  UpdateUndoActions();
  return true;
}

bool TfrmPanel::RedoDesign() {
  if (!PanelDesign() || !history_.Redo(p_.S(), layout_, Controls_)) return false;
  ShowRestoredDesign();
  UpdateUndoActions();
  return true;
}

void TfrmPanel::ShowRestoredDesign() {
  move_ = {};
  ApplyPlates();
  RebuildPanel();
  for (int g = 1; g < kGaugeSlots; ++g)
    if (gauges_[g]) DrawGaugeFace(g, true);
  host_.FoamSetupChanged();
}

void TfrmPanel::RunDesignCommand(int code) {
  if (!PanelDesign()) return;
  if (!DesignCommandEnabled(p_.S(), code) &&
      !DesignCommandChecked(p_.S(), layout_, Controls_, code))
    return;
  DesignOutcome out;
  const bool changed = DesignAction([&] {
    out = pumpdrill::RunDesignCommand({p_.S(), layout_, Controls_, host_}, code);
    return out.Changed;
  });
  if (changed) ShowDesignChange(out);
}

void TfrmPanel::ShowDesignChange(const DesignOutcome& out) {
  if (out.Line) {
    valveTitles_[out.Line]->SetText(p_.S().DischargeList.LineTitle[out.Line].str());
    gaugeTitles_[out.Line]->SetText(p_.S().DischargeList.LineTitle[out.Line].str());
  }
  ApplyLayout();
  if (out.Shown) {
    if (PanelItemWidget* w = ItemWidget(*out.Shown)) {
      w->raise();
      for (PanelItemWidget* c : Companions(w)) c->raise();
    }
  }
  if (out.Line) {
    for (PanelItemWidget* w : std::initializer_list<PanelItemWidget*>{
             gauges_[out.Line], gaugeTitles_[out.Line], pressReadouts_[out.Line],
             flowReadouts_[out.Line], valveHandles_[out.Line], valveTitles_[out.Line]})
      w->raise();
    DrawGaugeFace(out.Line, true);
  }
  if (out.FoamChanged) host_.FoamSetupChanged();
  RefreshPanel(true);
}

void TfrmPanel::AddConnectorPlate(int line) {
  if (!PanelDesign()) return;
  if (!DesignAction([&] { return AddConnector(p_.S(), layout_, line); })) return;
  ApplyPlates();
  if (PicturePlate* plate = Plate(line)) {
    plate->Stored = &layout_.Plates[line].Place;
    plate->raise();
  }
}

void TfrmPanel::RemoveConnectorPlate(int line) {
  if (!PanelDesign()) return;
  if (!DesignAction([&] { return RemoveConnector(layout_, line); })) return;
  ApplyPlates();
}

void TfrmPanel::FillDesignMenu(QMenu* menu, bool panelMenu) {
  for (const DesignMenuEntry& e : DesignMenuEntries()) {
    if (panelMenu && !e.PanelMenu) continue;
    QMenu* at = SubmenuAt(menu, e.Submenu);
    QAction* a = at->addAction(QString::fromUtf8(e.Caption));
    a->setData(e.Code);
    a->setVisible(e.Shown);
    a->setCheckable(e.Code != kDesignAddDischarge && e.Code != kDesignRemoveDischarge);
    const int code = e.Code;
    connect(a, &QAction::triggered, this, [this, code] { RunDesignCommand(code); });
  }
  QMenu* connectors = SubmenuAt(menu, kConnectorSubmenu);
  connectors->addMenu(kAddConnectorCaption)->setObjectName(kAddConnectorMenu);
  connectors->addMenu(kRemoveConnectorCaption)->setObjectName(kRemoveConnectorMenu);
  menu->addSeparator();
  menu->addAction(actUndoDesign);
  menu->addAction(actRedoDesign);
}

void TfrmPanel::UpdateDesignMenu(QMenu* menu) {
  const State& s = p_.S();
  ForEachAction(menu, [&](QAction* a) {
    bool ok = false;
    const int code = a->data().toInt(&ok);
    if (!ok || code <= 0 || a->property(kConnectorLine).isValid()) return;
    a->setEnabled(DesignCommandEnabled(s, code) ||
                  DesignCommandChecked(s, layout_, Controls_, code));
    if (a->isCheckable()) a->setChecked(DesignCommandChecked(s, layout_, Controls_, code));
  });
  for (bool adding : {true, false}) {
    QMenu* sub = menu->findChild<QMenu*>(adding ? kAddConnectorMenu : kRemoveConnectorMenu);
    if (!sub) continue;
    sub->clear();
    for (int line : ConnectorLines(s)) {
      if (layout_.Plates[line].Present == adding) continue;
      QAction* a = sub->addAction(QString::fromStdString(s.DischargeList.LineTitle[line].str()));
      a->setProperty(kConnectorLine, line);
      connect(a, &QAction::triggered, this, [this, line, adding] {
        if (adding)
          AddConnectorPlate(line);
        else
          RemoveConnectorPlate(line);
      });
    }
    sub->setEnabled(!sub->isEmpty());
  }
  UpdateUndoActions();
}

void TfrmPanel::UpdateUndoActions() {
  actUndoDesign->setEnabled(PanelDesign() && history_.CanUndo());
  actRedoDesign->setEnabled(PanelDesign() && history_.CanRedo());
}

void TfrmPanel::AskGovernorPresets() {
  State& s = p_.S();
  const PresetRange rpm = PresetRpmRange(s);
  const PresetRange press = PresetPressureRange(s, Units());
  auto ask = [&](const std::string& prompt, double shown, const PresetRange& range,
                 const std::function<void(double)>& store) {
    std::string preset = PresetText(shown, range.Decimals);
    while (true) {
      std::optional<std::string> answer = AskText("Enter new value", prompt, preset);
      if (!answer) return;
      if (std::optional<double> v = CheckPreset(*answer, range, host_)) {
        BeginDesignAction();
        store(*v);
        return;
      }
      preset = *answer;
    }
  };
  ask("Preset RPM", s.PumpControl.GovernorRpmInit, rpm,
      [&](double v) { s.PumpControl.GovernorRpmInit = v; });
  ask("Preset " + Units().Label[kUnitPressure], ShownPressurePreset(s, Units()), press,
      [&](double v) { StorePressurePreset(s, Units(), v); });
}

void TfrmPanel::StartMove(PanelItemWidget* item, QPoint global) {
  move_ = {};
  move_.Item = item;
  move_.Start = global;
  move_.Left = item->Place.Left;
  move_.Top = item->Place.Top;
  move_.Bar = item == PnlUpper || item == PnlLower;
  item->raise();
  for (PanelItemWidget* c : Companions(item)) {
    move_.Companions.push_back(
        {c, QPoint(c->Place.Left - item->Place.Left, c->Place.Top - item->Place.Top)});
    c->raise();
  }
}

void TfrmPanel::ContinueMove(QPoint global) {
  PanelItemWidget* item = move_.Item;
  const double zoom = background_->Zoom();
  const QPoint d = global - move_.Start;
  PanelPlace to = item->Place;
  to.Left = move_.Bar ? 0 : move_.Left + static_cast<int>(std::lround(d.x() / zoom));
  to.Top = move_.Top + static_cast<int>(std::lround(d.y() / zoom));
  KeepOnPanel(to, layout_);
  if (move_.Bar) to.Left = 0;
  if (to.Left == item->Place.Left && to.Top == item->Place.Top) return;
  if (!move_.Recorded) {
    BeginDesignAction();
    move_.Recorded = true;
  }
  item->MovedTo(to.Left, to.Top);
  background_->PlaceItem(item);
  for (auto& [c, offset] : move_.Companions) {
    PanelPlace cp = c->Place;
    cp.Left = to.Left + offset.x();
    cp.Top = to.Top + offset.y();
    KeepOnPanel(cp, layout_);
    c->MovedTo(cp.Left, cp.Top);
    background_->PlaceItem(c);
  }
  FollowLayoutPlaces(Controls_, layout_);
}

bool TfrmPanel::DesignEvent(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ChildAdded && watched == background_) {
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (child->isWidgetType()) child->installEventFilter(this);
    return false;
  }
  if (!PanelDesign()) return false;
  if (event->type() == QEvent::ContextMenu && watched == background_) {
    auto* e = static_cast<QContextMenuEvent*>(event);
    if (dynamic_cast<PanelItemWidget*>(background_->childAt(e->pos()))) return false;
    PopMenuPanel->popup(e->globalPos());
    return true;
  }
  auto* item = dynamic_cast<PanelItemWidget*>(watched);
  if (!item || watched == background_) return false;
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
    return false;
  auto* e = static_cast<QMouseEvent*>(event);
  if (type == QEvent::MouseMove) {
    if (!move_.Item || !(e->buttons() & Qt::LeftButton)) return move_.Item != nullptr;
    ContinueMove(e->globalPosition().toPoint());
    return true;
  }
  if (e->button() != Qt::LeftButton) return false;  // right clicks reach the items' menus
  if (type == QEvent::MouseButtonRelease) {
    move_ = {};
    return true;
  }
  if (type == QEvent::MouseButtonDblClick) return true;
  if (item == PressureControl && PressureControl->Kind() == kRotaryClass1Governor) {
    const QPointF at = e->position() / background_->Zoom();
    if (InPresetButton(static_cast<int>(at.x()), static_cast<int>(at.y()))) {
      AskGovernorPresets();
      return true;
    }
  }
  StartMove(MoveLead(item), e->globalPosition().toPoint());
  return true;
}

}  // namespace pumpdrill
