// The one way a panel control changes a valve's opening: the opening is
// kept between shut and open, stored in the line and the simulation told of
// the operated valve, whatever kind of handle moved it.
#pragma once

#include "sim/host.h"

namespace pumpdrill {

struct State;

// Stores `opening` (limited to 0..1) as ValveOpen of line `line` (1..18)
// and runs the valve change of an operated valve. Returns the stored
// opening. A line outside 1..18 is left alone (the result is 0).
double SetValveOpening(State& s, int line, double opening, bool simActive, Host& host);

}  // namespace pumpdrill
