#include "panel/gui/panel_switch_widgets.h"

#include <QKeyEvent>
#include <QPainter>

#include "panel/controls/engine_cooler.h"
#include "panel/controls/keyboard_actions.h"
#include "panel/controls/primer_control.h"
#include "panel/gauge_faces.h"
#include "panel/gui/panel_picture_names.h"
#include "panel/gui/panel_pictures.h"
#include "sim/pump_curve.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

bool Plain(QKeyEvent* e) {
  return !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

PrimerHandle::PrimerHandle(PanelSurface& surface, QWidget* parent, const char* name,
                           ControlSite& site)
    : PictureControl(surface, parent, name, site, QAccessible::Button) {
  setAccessibleDescription("P or Space pulls or lets go the primer");
  SetPicture("PRIMER_OFF");
}

std::string PrimerHandle::ValueText() const {
  return PrimerHandlePulled(site_.ControlState()) ? "priming" : "at rest";
}

void PrimerHandle::Sync(bool force) {
  SetPicture(PrimerHandlePulled(site_.ControlState()) ? "PRIMER_ON" : "PRIMER_OFF");
  if (force) update();
}

bool PrimerHandle::Click() {
  return PrimerClick(site_.ControlState(), site_.Run(), site_.SoundOn(), site_.ControlHost());
}

bool PrimerHandle::Press(ControlPoint) { return Click(); }

bool PrimerHandle::Key(QKeyEvent* event) {
  if (!Plain(event) || (event->key() != Qt::Key_Space && event->key() != Qt::Key_P)) return false;
  Click();
  return true;
}

EngineCoolerSwitch::EngineCoolerSwitch(PanelSurface& surface, QWidget* parent, const char* name,
                                       ControlSite& site)
    : PictureControl(surface, parent, name, site, QAccessible::CheckBox) {
  setAccessibleDescription("Space switches the engine cooler on or off");
  SetPicture("ENG_COOLER_OFF");
}

std::string EngineCoolerSwitch::ValueText() const {
  return EngineCoolerOn(site_.ControlState()) ? "on" : "off";
}

void EngineCoolerSwitch::Sync(bool force) {
  SetPicture(EngineCoolerOn(site_.ControlState()) ? "ENG_COOLER_ON" : "ENG_COOLER_OFF");
  if (force) update();
}

bool EngineCoolerSwitch::Press(ControlPoint) {
  return EngineCoolerClick(site_.ControlState(), site_.Run());
}

bool EngineCoolerSwitch::Key(QKeyEvent* event) {
  if (!Plain(event) || event->key() != Qt::Key_Space) return false;
  EngineCoolerClick(site_.ControlState(), site_.Run());
  return true;
}

TransferValveSwitch::TransferValveSwitch(PanelSurface& surface, QWidget* parent, const char* name,
                                         ControlSite& site, std::string plate)
    : ControlWidget(surface, parent, name, site, QAccessible::Slider), plate_(std::move(plate)) {
  setAccessibleDescription("Up asks for pressure, Down for volume");
}

std::string TransferValveSwitch::ValueText() const {
  const State& s = site_.ControlState();
  std::string v = s.Pump.StageMode == kStageVolume ? "volume" : "pressure";
  const int pending = site_.Controls().Transfer.PendingMode;
  if (pending != 0)
    v += pending == kStageVolume ? ", changing to volume" : ", changing to pressure";
  return v;
}

const char* TransferValveSwitch::TogglePicture() const {
  switch (site_.Controls().Transfer.Shown) {
    case TransferToggle::Up:
      return "TOGGLE_UP";
    case TransferToggle::Down:
      return "TOGGLE_DN";
    case TransferToggle::Mid:
      break;
  }
  return "TOGGLE_MID";
}

void TransferValveSwitch::Sync(bool force) {
  const TransferLamps l = TransferLampsFor(site_.ControlState(), site_.Run().SimActive);
  const std::string shown = std::string(TogglePicture()) +
                            (l.Pressure == TransferLamp::Green ? "P" : "-") +
                            (l.Volume == TransferLamp::Green ? "V" : "-");
  if (force || shown != shown_) {
    shown_ = shown;
    update();
  }
}

void TransferValveSwitch::Paint(QPainter& p) {
  PanelPictures& pictures = surface_.Pictures();
  DrawPictureAt(p, plate_, QRectF(0, 0, Place.Width, Place.Height));
  const TransferLamps l = TransferLampsFor(site_.ControlState(), site_.Run().SimActive);
  const TransferLamp lamps[2] = {l.Pressure, l.Volume};
  for (int i = 0; i < 2; ++i) {
    const std::string name = lamps[i] == TransferLamp::Green ? "GRN_LIGHT_PIC" : "DARK_LIGHT_PIC";
    const QPointF at(kTransferLampAt[i].X, kTransferLampAt[i].Y);
    if (pictures.Has(name)) DrawPictureAt(p, name, QRectF(at, pictures.LogicalSize(name)));
  }
  const std::string toggle = TogglePicture();
  if (pictures.Has(toggle))
    DrawPictureAt(
        p, toggle,
        QRectF(QPointF(kTransferToggleAt.X, kTransferToggleAt.Y), pictures.LogicalSize(toggle)));
}

bool TransferValveSwitch::Press(ControlPoint point) {
  TransferPress(site_.Controls().Transfer, site_.Run(), point);
  return false;
}

bool TransferValveSwitch::Move(ControlPoint point) {
  return TransferMove(site_.Controls().Transfer, site_.ControlState(), site_.Run(), point);
}

bool TransferValveSwitch::Key(QKeyEvent* event) {
  if (!Plain(event)) return false;
  const int direction = event->key() == Qt::Key_Up ? 1 : event->key() == Qt::Key_Down ? -1 : 0;
  if (direction == 0) return false;
  KeyTransfer(site_.Controls(), site_.ControlState(), site_.Run(), direction);
  return true;
}

FlowmeterSelector::FlowmeterSelector(PanelSurface& surface, QWidget* parent, const char* name,
                                     ControlSite& site, std::string picture)
    : ControlWidget(surface, parent, name, site, QAccessible::Dial), picture_(std::move(picture)) {
  setAccessibleDescription("Left and Right turn the selector");
}

std::string FlowmeterSelector::ValueText() const {
  const int position = site_.Controls().Flowmeter.Position;
  if (position == kFlowmeterTotal) return "total flow";
  if (position == kFlowmeterScan) return "scanning the lines";
  return "line " + std::to_string(position);
}

void FlowmeterSelector::Sync(bool force) {
  const int position = site_.Controls().Flowmeter.Position;
  if (force || position != shown_) {
    shown_ = position;
    update();
  }
}

void FlowmeterSelector::Paint(QPainter& p) {
  DrawPictureAt(p, picture_, QRectF(0, 0, Place.Width, Place.Height));
  const std::string knob = FrameName(kFlowmeterKnobBase, site_.Controls().Flowmeter.Position);
  PanelPictures& pictures = surface_.Pictures();
  if (!pictures.Has(knob)) return;
  const QSizeF s = pictures.LogicalSize(knob);
  DrawPictureAt(
      p, knob,
      QRectF(QPointF(kFlowmeterDialHub.X - s.width() / 2, kFlowmeterDialHub.Y - s.height() / 2),
             s));
}

bool FlowmeterSelector::Press(ControlPoint point) {
  return FlowmeterPress(site_.Controls().Flowmeter, site_.Run(), point);
}

bool FlowmeterSelector::Move(ControlPoint point) {
  return FlowmeterMove(site_.Controls().Flowmeter, site_.Run(), point);
}

bool FlowmeterSelector::Key(QKeyEvent* event) {
  if (!Plain(event)) return false;
  const int direction = event->key() == Qt::Key_Right ? 1 : event->key() == Qt::Key_Left ? -1 : 0;
  if (direction == 0) return false;
  KeyFlowmeter(site_.Controls(), site_.Run(), direction);
  return true;
}

}  // namespace pumpdrill
