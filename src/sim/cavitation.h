// Cavitation: the pump asks for more water than the supply delivers. While
// it lasts the pump holds the speed and pressure of its onset.
#pragma once

#include "sim/host.h"

namespace pumpdrill {

struct State;

// The cavitation test of one tick, run after the supply. Returns whether the
// pump cavitates now; the caller stores it in PumpStatus.Cavitating. Keeps
// the bookkeeping: the onset time and duration while cavitating, and while
// not, the engine speed and discharge pressure that the cavitation period
// will hold. Shows and hides the panel's cavitation indicator.
bool CheckCavitation(State& s, Host& host);

// At a run start: the pump holds the present engine speed and no pressure,
// so that a pump that cavitates on its first tick is not held at the pump
// curve of a stopped engine.
void ResetCavitationForRun(State& s);

}  // namespace pumpdrill
