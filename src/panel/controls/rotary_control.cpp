#include "panel/controls/rotary_control.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "panel/controls/relief_setting.h"
#include "panel/controls/throttle_effect.h"
#include "panel/controls/valve_opening.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {
constexpr double kPositionPerPixel = 0.01;
constexpr double kMaxPosition = 100.0;
// The Pierce throttle's spindle is not at the middle of its picture.
constexpr ControlPoint kPierceCentre{27, 55};
// Presses below this line on the Waterous knob grab its on/off switch, and
// a move of this many pixels sideways throws it.
constexpr double kWaterousSwitchTop = 55;
constexpr double kSwitchThrow = 4;
}  // namespace

bool IsBuildableRotaryKind(int kind) {
  return IsReliefKind(kind) || IsThrottleKind(kind) || kind == kRotaryElectronic2Governor ||
         kind == kRotaryClass1Governor || IsWheelKind(kind);
}

RotaryKindInfo RotaryKindOf(int kind) {
  switch (kind) {
    case kRotaryWaterousRelief:
      return {10, 18, 40};
    case kRotaryHaleRelief:
      return {18, 20, 40};
    case kRotaryPierceThrottle:
    case kRotaryHaleThrottle:
      return {4, 15, 10};
    default:
      if (IsWheelKind(kind)) return {18, 20, 10};
      return {};
  }
}

double RotaryPositionFromState(const State& s, const RotaryControl& rc) {
  if (IsReliefKind(rc.Kind)) return ReliefPositionForPressure(s.PumpControl);
  if (IsRotaryThrottleKind(rc.Kind)) return ThrottlePositionForDemand(s);
  if (IsWheelKind(rc.Kind) && rc.Valve >= 1 && rc.Valve <= kIntakeLine) {
    const double open = s.Discharges[rc.Valve].ValveOpen;
    return std::isfinite(open) ? std::clamp(open * 100.0, 0.0, kMaxPosition) : 0.0;
  }
  return 0.0;
}

double RotaryAngle(const RotaryControl& rc) {
  if (rc.Position <= 0) return 0.0;
  return rc.Position / 100.0 * RotaryKindOf(rc.Kind).Turns * 360.0;
}

RotaryControl MakeRotaryControl(const State& s, int kind, int left, int top, int width, int height,
                                int valve, bool wheelCcw) {
  RotaryControl rc;
  rc.Kind = kind;
  rc.Left = left;
  rc.Top = top;
  rc.Width = width;
  rc.Height = height;
  rc.Centre =
      kind == kRotaryPierceThrottle ? kPierceCentre : ControlPoint{width / 2.0, height / 2.0};
  rc.Ccw = IsReliefKind(kind) ? false : IsWheelKind(kind) ? wheelCcw : true;
  rc.Valve = IsWheelKind(kind) ? valve : 0;
  rc.Position = RotaryPositionFromState(s, rc);
  rc.Angle = RotaryAngle(rc);
  return rc;
}

int RotaryFrame(const RotaryControl& rc, Host& host) {
  const RotaryKindInfo k = RotaryKindOf(rc.Kind);
  if (k.Frames <= 0) return -1;
  const double cycle = k.Frames * k.DegreesPerFrame;
  const double within = std::fmod(rc.Angle, cycle);
  int frame = std::isfinite(within) ? static_cast<int>(std::floor(within / k.DegreesPerFrame)) : -1;
  if (frame >= 0 && !rc.Ccw) frame = (k.Frames - frame) % k.Frames;
  if (frame < 0 || frame >= k.Frames) {
    host.Message(MsgType::Warning, Buttons::Ok,
                 "Rotary valve picture # " + std::to_string(frame) + ": out of bounds.");
    return -1;
  }
  return frame;
}

void SetRotaryPosition(RotaryControl& rc, State& s, double position, bool simActive, Host& host) {
  rc.Position = std::isfinite(position) ? std::clamp(position, 0.0, kMaxPosition) : 0.0;
  rc.Angle = RotaryAngle(rc);
  if (IsReliefKind(rc.Kind)) {
    s.PumpControl.ReliefSetPress = ReliefPressureForPosition(s.PumpControl, rc.Position);
  } else if (IsRotaryThrottleKind(rc.Kind)) {
    ApplyThrottleDemand(s, ThrottleDemandForPosition(s, rc.Position));
  } else if (IsWheelKind(rc.Kind)) {
    SetValveOpening(s, rc.Valve, rc.Position / 100.0, simActive, host);
  }
}

void RotaryPress(RotaryControl& rc, const ControlRun& run, ControlPoint p) {
  if (!run.Acts() || RotaryKindOf(rc.Kind).Frames <= 0) return;
  rc.Last = p;
  rc.Dragging = true;
  rc.SwitchGrabbed = rc.Kind == kRotaryWaterousRelief && p.y > kWaterousSwitchTop;
  rc.SwitchPressX = p.x;
}

RotaryMoveResult RotaryMove(RotaryControl& rc, State& s, const ControlRun& run, ControlPoint p,
                            Host& host) {
  RotaryMoveResult r;
  if (!rc.Dragging || !run.Acts()) return r;
  if (rc.SwitchGrabbed) {
    const double dx = p.x - rc.SwitchPressX;
    if (dx <= -kSwitchThrow) r.SwitchChanged = SetReliefSwitch(s, true);
    if (dx >= kSwitchThrow) r.SwitchChanged = SetReliefSwitch(s, false);
    return r;
  }
  // Both terms are positive for counter-clockwise motion on the screen.
  double d1 = p.y > rc.Centre.y ? p.x - rc.Last.x : rc.Last.x - p.x;
  double d2 = p.x > rc.Centre.x ? rc.Last.y - p.y : p.y - rc.Last.y;
  if (!rc.Ccw) {
    d1 = -d1;
    d2 = -d2;
  }
  rc.Last = p;
  const double next = std::clamp(rc.Position + kPositionPerPixel * (d1 + d2), 0.0, kMaxPosition);
  if (next == rc.Position) return r;
  SetRotaryPosition(rc, s, next, run.SimActive, host);
  r.Moved = true;
  return r;
}

}  // namespace pumpdrill
