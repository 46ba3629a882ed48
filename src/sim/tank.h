// The booster tank: its geometry, depth, head at the pump, level lamps and
// the volume it gains through the tank fill line (16) and loses through the
// tank-to-pump line (17).
#pragma once

#include "sim/host.h"

namespace pumpdrill {

struct State;

// Tank geometry, water depth, head at the pump and level state. With reset
// set the tank also starts again at its initial volume (setup changes, run
// start); without it a change of level state asks the display to repaint
// the tank level.
void UpdateTank(State& s, bool reset, Host& host);

// The tank's new capacity or height during a run: the base area follows
// the new shape and the water in the tank stays, within the new capacity.
void ResizeTank(State& s, Host& host);

// Integrates the tank volume and a finite draft source over the time since
// the last call. A gap of more than 1.5 s (a pause, a stall) is skipped,
// not integrated.
void UpdateTankVolume(State& s);

}  // namespace pumpdrill
