// The burn house's part of the main tick: one model step every 0.5 s of
// simulated time.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// Steps the fire model up to SimClock.Time and marks BurnHouse.LastUpdateTime.
void BurnHouseStep(State& s, Host& host);

}  // namespace pumpdrill
