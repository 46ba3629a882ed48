// T-handle and ball valve levers (types 10 and 11): dragging right or down
// opens, left or up closes, by (dx + dy) / 200 of the full travel per move.
// The lever turns through 90 degrees from shut to open.
#pragma once

#include "panel/controls/control_run.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;

struct LeverDrag {
  bool Dragging = false;
  ControlPoint Last;
  int Line = 0;
};

void LeverPress(LeverDrag& d, const ControlRun& run, int line, ControlPoint p);
// Adds the move's share to the line's opening (kept 0..1), tells the
// simulation and takes p as the new reference. Returns whether it acted.
bool LeverMove(LeverDrag& d, State& s, const ControlRun& run, ControlPoint p, Host& host);
inline void LeverRelease(LeverDrag& d) { d.Dragging = false; }

// The lever's turn for an opening, degrees from its shut position.
double LeverAngle(double opening);

}  // namespace pumpdrill
