// What every panel control asks before it acts on the mouse or the keys:
// controls work the pump only while a run is active and the panel is not
// being designed (in design mode the same mouse actions move the items).
#pragma once

namespace pumpdrill {

struct ControlRun {
  bool SimActive = false;
  bool DesignMode = false;

  bool Acts() const { return SimActive && !DesignMode; }
};

// A point on a control's picture in its own logical pixels (the panel's
// zoom already divided out), x to the right, y down.
struct ControlPoint {
  double x = 0;
  double y = 0;
};

}  // namespace pumpdrill
