#include "panel/gui/foam_switch_widgets.h"

#include <QKeyEvent>
#include <QPainter>
#include <cstdio>

#include "panel/controls/foam_controls.h"
#include "panel/foam_faces.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {

std::string AirValveName(int line) {
  char name[24];
  std::snprintf(name, sizeof name, "ImgCAFSAirValve%02d", line);
  return name;
}

// +1 for Up (or Right), -1 for Down (or Left), 0 for other keys or with
// modifiers.
int Direction(QKeyEvent* e, bool horizontal) {
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  const int more = horizontal ? Qt::Key_Right : Qt::Key_Up;
  const int less = horizontal ? Qt::Key_Left : Qt::Key_Down;
  return e->key() == more ? 1 : e->key() == less ? -1 : 0;
}

}  // namespace

FoamTankSwitch::FoamTankSwitch(PanelSurface& surface, QWidget* parent, ControlSite& site)
    : FoamControl(surface, parent, "ImgFoamTankValve", site, QAccessible::Dial, kFoamTankSwWidth,
                  kFoamTankSwHeight) {}

std::string FoamTankSwitch::Description() const {
  return FoamTankSwitchDescription(Foam(), site_.Units());
}

std::pair<SmallInt*, SmallInt*> FoamTankSwitch::PlaceFields(TFoamSetupRec& f) const {
  return {&f.TK_SW_LEFT, &f.TK_SW_TOP};
}

void FoamTankSwitch::Sync(bool force) {
  if (Idle(force)) return;
  Show(std::string(FoamTankSwitchPicture(Foam())), force);
}

void FoamTankSwitch::Paint(QPainter& p) {
  DrawPictureAt(p, std::string(FoamTankSwitchPicture(Foam())),
                QRectF(0, 0, Place.Width, Place.Height));
}

bool FoamTankSwitch::Press(ControlPoint) { return FoamTankSwitchClick(Foam(), site_.Run()); }

bool FoamTankSwitch::Key(QKeyEvent* event) {
  if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) return false;
  FoamTankSwitchClick(Foam(), site_.Run());
  return true;
}

CafsOnOffSwitch::CafsOnOffSwitch(PanelSurface& surface, QWidget* parent, ControlSite& site)
    : FoamControl(surface, parent, "ImgCAFSOnOff", site, QAccessible::CheckBox, kCafsOnOffWidth,
                  kCafsOnOffHeight) {}

std::string CafsOnOffSwitch::Description() const { return CafsOnOffDescription(Foam()); }

std::pair<SmallInt*, SmallInt*> CafsOnOffSwitch::PlaceFields(TFoamSetupRec& f) const {
  return {&f.CAFS_ON_OFF_LEFT, &f.CAFS_ON_OFF_TOP};
}

void CafsOnOffSwitch::Sync(bool force) {
  if (Idle(force)) return;
  Show(std::string(CafsOnOffLeverPicture(Foam())), force);
}

void CafsOnOffSwitch::Paint(QPainter& p) {
  DrawPictureAt(p, std::string(kCafsOnOffSw), QRectF(0, 0, Place.Width, Place.Height));
  DrawCentred(p, std::string(CafsOnOffLeverPicture(Foam())), kCafsOnOffLeverAt.X,
              kCafsOnOffLeverAt.Y);
}

bool CafsOnOffSwitch::Press(ControlPoint point) {
  CafsOnOffPress(site_.Controls().Foam, site_.Run(), point);
  return false;
}

bool CafsOnOffSwitch::Move(ControlPoint point) {
  return FoamDragMove(site_.Controls().Foam, Foam(), site_.Run(), point);
}

bool CafsOnOffSwitch::Key(QKeyEvent* event) {
  const int direction = Direction(event, false);
  if (direction == 0) return false;
  FoamKey(Foam(), site_.Run(), FoamGrip::CafsOnOff, 0, direction);
  return true;
}

CafsModeSwitch::CafsModeSwitch(PanelSurface& surface, QWidget* parent, ControlSite& site)
    : FoamControl(surface, parent, "ImgCAFSRunLoad", site, QAccessible::Dial, kCafsModeWidth,
                  kCafsModeHeight) {}

std::string CafsModeSwitch::Description() const { return CafsModeDescription(Foam()); }

std::pair<SmallInt*, SmallInt*> CafsModeSwitch::PlaceFields(TFoamSetupRec& f) const {
  return {&f.CAFS_MODE_LEFT, &f.CAFS_MODE_TOP};
}

void CafsModeSwitch::Sync(bool force) {
  if (Idle(force)) return;
  Show(std::string(CafsModeDialPicture(Foam())), force);
}

void CafsModeSwitch::Paint(QPainter& p) {
  DrawPictureAt(p, std::string(kCafsRunUnloadPlate), QRectF(0, 0, Place.Width, Place.Height));
  DrawCentred(p, std::string(CafsModeDialPicture(Foam())), kCafsDialAt.X, kCafsDialAt.Y);
}

bool CafsModeSwitch::Press(ControlPoint point) {
  CafsModePress(site_.Controls().Foam, site_.Run(), point);
  return false;
}

bool CafsModeSwitch::Move(ControlPoint point) {
  return FoamDragMove(site_.Controls().Foam, Foam(), site_.Run(), point);
}

bool CafsModeSwitch::Key(QKeyEvent* event) {
  const int direction = Direction(event, true);
  if (direction == 0) return false;
  FoamKey(Foam(), site_.Run(), FoamGrip::CafsMode, 0, direction);
  return true;
}

CafsAirValveHandle::CafsAirValveHandle(PanelSurface& surface, QWidget* parent, ControlSite& site,
                                       int line)
    : FoamControl(surface, parent, AirValveName(line).c_str(), site, QAccessible::Slider,
                  kCafsAirValveWidth, kCafsAirValveHeight),
      line_(line) {}

std::string CafsAirValveHandle::Title() const {
  return "Line " + std::to_string(line_) + " air valve";
}

std::string CafsAirValveHandle::Description() const {
  return CafsAirValveDescription(Foam(), line_);
}

std::pair<SmallInt*, SmallInt*> CafsAirValveHandle::PlaceFields(TFoamSetupRec& f) const {
  return {&f.CAFS_AIR_V_LEFT[line_], &f.CAFS_AIR_V_TOP[line_]};
}

void CafsAirValveHandle::Sync(bool force) {
  if (Idle(force)) return;
  Show(std::string(CafsAirValvePicture(Foam().CafsAirValve[line_])), force);
}

void CafsAirValveHandle::Paint(QPainter& p) {
  DrawPictureAt(p, std::string(CafsAirValvePicture(Foam().CafsAirValve[line_])),
                QRectF(0, 0, Place.Width, Place.Height));
}

bool CafsAirValveHandle::Press(ControlPoint point) {
  AirValvePress(site_.Controls().Foam, Foam(), site_.Run(), line_, point);
  return false;
}

bool CafsAirValveHandle::Move(ControlPoint point) {
  return FoamDragMove(site_.Controls().Foam, Foam(), site_.Run(), point);
}

bool CafsAirValveHandle::Key(QKeyEvent* event) {
  const int direction = Direction(event, false);
  if (direction == 0) return false;
  FoamKey(Foam(), site_.Run(), FoamGrip::AirValve, line_, direction);
  return true;
}

}  // namespace pumpdrill
