#include "panel/controls/flowmeter_selector.h"

#include <cmath>
#include <numbers>

namespace pumpdrill {

namespace {
constexpr int kPositions = 10;
// The position of each 36-degree sector, from 0 degrees clockwise.
constexpr int kSectorPosition[kPositions] = {8, 9, 10, 1, 2, 3, 4, 5, 6, 7};
}  // namespace

double FlowmeterAngle(ControlPoint p) {
  // Screen y grows downwards, so atan2 of the screen offsets turns clockwise.
  double deg = std::atan2(p.y - kFlowmeterDialCentre.y, p.x - kFlowmeterDialCentre.x) * 180.0 /
               std::numbers::pi;
  if (deg < 0) deg += 360.0;
  if (deg >= 360.0) deg -= 360.0;
  return deg;
}

int FlowmeterPositionForAngle(double degrees) {
  if (!std::isfinite(degrees)) return kFlowmeterTotal;
  degrees = std::fmod(degrees, 360.0);
  if (degrees < 0) degrees += 360.0;
  int sector = static_cast<int>(std::floor(degrees / 36.0));
  if (sector < 0 || sector >= kPositions) sector = 0;
  return kSectorPosition[sector];
}

bool FlowmeterPress(FlowmeterDial& d, const ControlRun& run, ControlPoint p) {
  if (!run.Acts()) return false;
  d.Dragging = true;
  return FlowmeterMove(d, run, p);
}

bool FlowmeterMove(FlowmeterDial& d, const ControlRun& run, ControlPoint p) {
  if (!d.Dragging || !run.Acts()) return false;
  const int pos = FlowmeterPositionAt(p);
  if (pos == d.Position) return false;
  d.Position = pos;
  return true;
}

int FlowmeterNeighbour(int position, int direction) {
  if (position < 1 || position > kPositions) return kFlowmeterTotal;
  return (position - 1 + (direction >= 0 ? 1 : kPositions - 1)) % kPositions + 1;
}

}  // namespace pumpdrill
