// The master flowmeter's selector dial: the angle of the mouse around the
// dial's centre (88, 39), taken clockwise on the screen from the right,
// picks one of ten 36-degree sectors. Positions 1 to 8 run clockwise from
// the lower left over the top and show that line's flow, 9 (lower right)
// the total flow, 10 (bottom) scans the lines.
#pragma once

#include "panel/controls/control_run.h"

namespace pumpdrill {

inline constexpr int kFlowmeterTotal = 9;
inline constexpr int kFlowmeterScan = 10;
inline constexpr ControlPoint kFlowmeterDialCentre{88, 39};

// Degrees 0 (inclusive) to 360 (exclusive), clockwise on the screen from +x.
double FlowmeterAngle(ControlPoint p);
int FlowmeterPositionForAngle(double degrees);
inline int FlowmeterPositionAt(ControlPoint p) {
  return FlowmeterPositionForAngle(FlowmeterAngle(p));
}

struct FlowmeterDial {
  int Position = kFlowmeterTotal;
  bool Dragging = false;
};

// Press and drag: the position under the mouse. Return whether the
// position changed (the dial is then to be redrawn).
bool FlowmeterPress(FlowmeterDial& d, const ControlRun& run, ControlPoint p);
bool FlowmeterMove(FlowmeterDial& d, const ControlRun& run, ControlPoint p);
inline void FlowmeterRelease(FlowmeterDial& d) { d.Dragging = false; }

// The neighbouring position round the dial, clockwise (+1) or
// counter-clockwise (-1): 1, 2, ... 8, 9, 10, 1.
int FlowmeterNeighbour(int position, int direction);

}  // namespace pumpdrill
