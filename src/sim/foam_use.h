// Foam concentrate drawn by a direct-injection foam system: integrated each
// tick from the flow of the foam-capable lines and the proportioner
// setting, out of the tank the tank switch selects.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// Longest gap (simulated seconds) across which concentrate use is still
// integrated; after a longer gap the mark is only moved on.
inline constexpr double kFoamMaxStep = 1.5;

// One integration step since SimClock.LastFoamUpdate: draws concentrate
// from the selected tank (never below empty), keeps FoamLow, and asks for a
// proportioner display refresh when the proportioner is on the panel and in
// its first display mode.
void UpdateFoamUse(State &s, Host &host);

// The water the direct injection meters, gpm: the flows of the lines of
// FOAM_LINES up to the line count.
double FoamLinesFlow(const State &s);

// Starts a run's foam use: both tanks full, nothing drawn or pumped yet,
// the low flag off, every foam control at rest.
void ResetFoamUse(State &s);

} // namespace pumpdrill
