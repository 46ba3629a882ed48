// The throttle's and the pressure control's places on the panel: each shows
// whichever control of its place stands on the panel (Pierce, Hale or
// electronic throttle; Waterous or Hale relief valve, Electronic 2 or
// Class1 governor) from its pictures, with the knob's frame for the turn,
// the Waterous switch, the toggles and the displays.
#pragma once

#include "panel/gui/control_widget.h"

namespace pumpdrill {

class RotaryControlWidget : public ControlWidget {
 public:
  enum class Which { Throttle, PressureControl };
  RotaryControlWidget(PanelSurface& surface, QWidget* parent, const char* name, ControlSite& site,
                      Which which);

  // The control standing at this place, or nullptr.
  RotaryControl* Control() const;
  int Kind() const;
  // The display text shown (electronic throttle, governors), or empty.
  std::string DisplayText() const;

  std::string Title() const override;
  std::string ValueText() const override;
  void Sync(bool force) override;

 protected:
  void Paint(QPainter& p) override;
  bool Press(ControlPoint point) override;
  bool Move(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;

 private:
  void PaintTurning(QPainter& p, const RotaryControl& rc);
  void PaintElectronicThrottle(QPainter& p, const RotaryControl& rc);
  void PaintClass1(QPainter& p, const RotaryControl& rc);
  void PaintGovernor2(QPainter& p, const RotaryControl& rc);
  // Brings a turning control's position to the state when the state was
  // changed elsewhere (a governor moving the throttle, a key, a file).
  void FollowState(RotaryControl& rc);

  Which which_;
  std::string shown_;  // what the picture shows, to repaint only on change
  int frame_ = -1;
  int firstDisplayKind_ = 0;  // the Class1 governor's first display done for this placing
};

}  // namespace pumpdrill
