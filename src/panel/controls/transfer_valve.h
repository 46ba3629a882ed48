// The pressure/volume transfer valve: a spring-return toggle with a lamp
// for each mode. Thrown up it asks for pressure (series, Pump.StageMode 1),
// down for volume (parallel, 2); the pump changes over 3 s of simulated
// time after the throw, also when the toggle was let go before, and the
// toggle then returns to the middle. The toggle is drawn at (24, 34), the
// lamps at (3, 21) for pressure and (3, 44) for volume.
#pragma once

#include "panel/controls/control_run.h"

namespace pumpdrill {

struct State;

inline constexpr double kTransferDelaySeconds = 3.0;

enum class TransferToggle { Mid, Up, Down };

// The toggle's position for a vertical movement dy from the press point:
// up beyond 4 px, down from 5 px (any farther counts as down).
TransferToggle TransferToggleFor(double dy);

struct TransferSwitch {
  bool Held = false;
  double PressY = 0;
  TransferToggle Shown = TransferToggle::Mid;
  int PendingMode = 0;  // 0: no transfer under way
  double PendingSince = 0;
};

void TransferPress(TransferSwitch& t, const ControlRun& run, ControlPoint p);
// Returns whether the toggle's picture changed.
bool TransferMove(TransferSwitch& t, const State& s, const ControlRun& run, ControlPoint p);
// Returns whether the toggle's picture changed (a finished transfer has
// already put it back in the middle).
bool TransferRelease(TransferSwitch& t);
// Throws the toggle to `toggle` as a move would: a transfer to a mode the
// pump is not in starts now.
bool ThrowTransferToggle(TransferSwitch& t, const State& s, TransferToggle toggle);
// Each tick: a transfer whose delay has passed completes. Returns whether
// the pump's mode changed (lamps and toggle are then to be redrawn).
bool TransferTick(TransferSwitch& t, State& s, const ControlRun& run);

enum class TransferLamp { Dark, Green };
struct TransferLamps {
  TransferLamp Pressure = TransferLamp::Dark;  // upper
  TransferLamp Volume = TransferLamp::Dark;    // lower
};
TransferLamps TransferLampsFor(const State& s, bool simActive);

}  // namespace pumpdrill
