#include "panel/controls/lever_handle.h"

#include <algorithm>

#include "panel/controls/valve_opening.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {
constexpr double kPixelsPerTravel = 200.0;
constexpr double kLeverTurn = 90.0;
}  // namespace

void LeverPress(LeverDrag& d, const ControlRun& run, int line, ControlPoint p) {
  if (!run.Acts()) return;
  d.Dragging = true;
  d.Line = line;
  d.Last = p;
}

bool LeverMove(LeverDrag& d, State& s, const ControlRun& run, ControlPoint p, Host& host) {
  if (!d.Dragging || !run.Acts() || d.Line < 1 || d.Line > kIntakeLine) return false;
  const double delta = ((p.x - d.Last.x) + (p.y - d.Last.y)) / kPixelsPerTravel;
  d.Last = p;
  SetValveOpening(s, d.Line, s.Discharges[d.Line].ValveOpen + delta, run.SimActive, host);
  return true;
}

double LeverAngle(double opening) { return std::clamp(opening, 0.0, 1.0) * kLeverTurn; }

}  // namespace pumpdrill
