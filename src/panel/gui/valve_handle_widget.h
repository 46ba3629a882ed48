// A valve's handle on the panel, of whichever type the layout gives the
// valve: a push-pull handle sliding in its slot with the stick behind it, a
// T-handle or ball lever turning through a quarter turn, the electronic
// valve with its buttons and three lamps, or a hand wheel.
#pragma once

#include "panel/gui/control_widget.h"

namespace pumpdrill {

class ValveHandleWidget : public ControlWidget {
 public:
  ValveHandleWidget(PanelSurface& surface, QWidget* parent, const char* name, ControlSite& site,
                    int valve);

  int Valve() const { return valve_; }
  int HandleType() const;
  // The handle's size in layout pixels for its type.
  static QSize SizeFor(int type, const PanelPictures& pictures, const PanelControls& pc, int valve);

  std::string Title() const override;
  std::string ValueText() const override;
  void Sync(bool force) override;

 protected:
  void Paint(QPainter& p) override;
  bool Press(ControlPoint point) override;
  bool Move(ControlPoint point) override;
  bool Key(QKeyEvent* event) override;

 private:
  RotaryControl* Wheel() const;
  double Opening() const;
  void PaintPushPull(QPainter& p, int type);
  void PaintLever(QPainter& p, int type);
  void PaintElectronic(QPainter& p);
  void PaintWheel(QPainter& p);

  int valve_;
  double shownOpening_ = -1;
  int shownFrame_ = -1;
  int shownType_ = 0;
  int shownLamps_ = -1;
};

}  // namespace pumpdrill
