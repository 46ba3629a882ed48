// The foam tank selector and the compressed-air controls of the panel: the
// CAFS on/off switch, the CAFS mode switch and the air valve of a line.
#pragma once

#include "panel/gui/foam_control_widget.h"

namespace pumpdrill {

// ImgFoamTankValve: a click steps A, B, flush and back to A (one tank: A
// and flush); Space does the same.
class FoamTankSwitch : public FoamControl {
 public:
  FoamTankSwitch(PanelSurface& surface, QWidget* parent, ControlSite& site);
  std::string Title() const override { return "Foam tank switch"; }
  std::string Description() const override;
  void Sync(bool force) override;

 protected:
  std::pair<SmallInt*, SmallInt*> PlaceFields(TFoamSetupRec& f) const override;
  void Paint(QPainter& p) override;
  bool Press(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;
};

// ImgCAFSOnOff: dragged up more than 12 px the air goes on, down it goes off;
// Up and Down do the same.
class CafsOnOffSwitch : public FoamControl {
 public:
  CafsOnOffSwitch(PanelSurface& surface, QWidget* parent, ControlSite& site);
  std::string Title() const override { return "Compressed air switch"; }
  std::string Description() const override;
  void Sync(bool force) override;

 protected:
  std::pair<SmallInt*, SmallInt*> PlaceFields(TFoamSetupRec& f) const override;
  void Paint(QPainter& p) override;
  bool Press(ControlPoint point) override;
  bool Move(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;
};

// ImgCAFSRunLoad: dragged left more than 12 px mode 0, right mode 1; Left and
// Right do the same.
class CafsModeSwitch : public FoamControl {
 public:
  CafsModeSwitch(PanelSurface& surface, QWidget* parent, ControlSite& site);
  std::string Title() const override { return "Compressed air mode"; }
  std::string Description() const override;
  void Sync(bool force) override;

 protected:
  std::pair<SmallInt*, SmallInt*> PlaceFields(TFoamSetupRec& f) const override;
  void Paint(QPainter& p) override;
  bool Press(ControlPoint point) override;
  bool Move(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;
};

// ImgCAFSAirValve01 to 15, tag 100 + n: the mouse moving up opens the
// valve 0.04 per pixel, down shuts it; Up and Down a tenth a press.
class CafsAirValveHandle : public FoamControl {
 public:
  CafsAirValveHandle(PanelSurface& surface, QWidget* parent, ControlSite& site, int line);
  int Line() const { return line_; }
  int Tag() const { return 100 + line_; }
  std::string Title() const override;
  std::string Description() const override;
  void Sync(bool force) override;

 protected:
  std::pair<SmallInt*, SmallInt*> PlaceFields(TFoamSetupRec& f) const override;
  void Paint(QPainter& p) override;
  bool Press(ControlPoint point) override;
  bool Move(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;

 private:
  int line_;
};

}  // namespace pumpdrill
