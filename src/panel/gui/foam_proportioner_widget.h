// ProportionerImg: the manual proportioner (lever at (20, 38) and the
// setting in its window) or the electronic one (four keys and a display),
// both with the foam tank low lamp at (97, 38). Keys: Space switches it on
// or off, Up and Down set the percentage, M changes the electronic display.
#pragma once

#include "panel/gui/foam_control_widget.h"

namespace pumpdrill {

class FoamProportioner : public FoamControl {
 public:
  FoamProportioner(PanelSurface& surface, QWidget* parent, ControlSite& site);
  std::string Title() const override { return "Foam proportioner"; }
  std::string Description() const override;
  void Sync(bool force) override;
  bool Electronic() const;
  bool LampLit() const;
  // The electronic display's text as shown (empty while blank).
  std::string DisplayText() const;

 protected:
  std::pair<SmallInt*, SmallInt*> PlaceFields(TFoamSetupRec& f) const override;
  void Paint(QPainter& p) override;
  bool Press(ControlPoint point) override;
  bool Move(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;

 private:
  void PaintManual(QPainter& p);
  void PaintElectronic(QPainter& p);
};

}  // namespace pumpdrill
