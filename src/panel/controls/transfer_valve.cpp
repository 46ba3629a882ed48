#include "panel/controls/transfer_valve.h"

#include "sim/pump_curve.h"
#include "sim/state.h"

namespace pumpdrill {

namespace {
constexpr double kTransferThrow = 4;
constexpr double kTimeSlack = 1e-9;

int ModeOf(TransferToggle toggle) {
  if (toggle == TransferToggle::Up) return kStagePressure;
  if (toggle == TransferToggle::Down) return kStageVolume;
  return 0;
}
}  // namespace

TransferToggle TransferToggleFor(double dy) {
  if (dy < -kTransferThrow) return TransferToggle::Up;
  if (dy > kTransferThrow) return TransferToggle::Down;
  return TransferToggle::Mid;
}

void TransferPress(TransferSwitch& t, const ControlRun& run, ControlPoint p) {
  if (!run.Acts()) return;
  t.Held = true;
  t.PressY = p.y;
}

bool ThrowTransferToggle(TransferSwitch& t, const State& s, TransferToggle toggle) {
  const int mode = ModeOf(toggle);
  if (mode != 0 && mode != s.Pump.StageMode && mode != t.PendingMode) {
    t.PendingMode = mode;
    t.PendingSince = s.SimClock.Time;
  } else if (mode != 0 && mode == s.Pump.StageMode) {
    // Thrown back to the mode the pump is in: no change-over.
    t.PendingMode = 0;
  }
  if (toggle == t.Shown) return false;
  t.Shown = toggle;
  return true;
}

bool TransferMove(TransferSwitch& t, const State& s, const ControlRun& run, ControlPoint p) {
  if (!t.Held || !run.Acts()) return false;
  return ThrowTransferToggle(t, s, TransferToggleFor(p.y - t.PressY));
}

bool TransferRelease(TransferSwitch& t) {
  t.Held = false;
  if (t.Shown == TransferToggle::Mid) return false;
  t.Shown = TransferToggle::Mid;
  return true;
}

bool TransferTick(TransferSwitch& t, State& s, const ControlRun& run) {
  if (t.PendingMode == 0 || !run.SimActive) return false;
  if (s.SimClock.Time + kTimeSlack < t.PendingSince + kTransferDelaySeconds) return false;
  s.Pump.StageMode = static_cast<SmallInt>(t.PendingMode);
  t.PendingMode = 0;
  t.Shown = TransferToggle::Mid;
  return true;
}

TransferLamps TransferLampsFor(const State& s, bool simActive) {
  TransferLamps l;
  if (!simActive) return l;
  if (s.Pump.StageMode == kStagePressure) l.Pressure = TransferLamp::Green;
  if (s.Pump.StageMode == kStageVolume) l.Volume = TransferLamp::Green;
  return l;
}

}  // namespace pumpdrill
