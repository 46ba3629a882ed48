// The water supply of the pump: what reaches the intake each tick, from the
// external supply through the intake line (18), from the booster tank
// through the tank-to-pump line (17), or from both; the intake pressure
// that the pump curve adds on top; and the vacuum limit of the site.
#pragma once

#include "sim/types.h"

namespace pumpdrill {

struct State;

// Supply types (Supply.SupplyType).
enum SupplyTypeNo : Byte { kSupplyHydrant = 0, kSupplyDraft = 1, kSupplyRelay = 2, kSupplyNone = 3 };

// The lowest intake pressure the site's altitude allows (MinIntakePress).
void UpdateAltitude(State& s);

// Whether water reaches the pump at all (Supply.SupplyAvailable).
void UpdateSupplyAvailable(State& s);

// The head in feet lost in supply line n (17 or 18) at flow Q (gpm): valve,
// hose and shut-off losses and the elevation the line works against. The
// parts are stored in the line.
double LineLoss(State& s, int n, double flowGpm);

// The per-tick supply solution: intake pressure, the flows of lines 17 and
// 18, SupplyFlow and the supply's state flags.
void UpdateSupply(State& s);

// Tank and external supply together: the split of the demand.
void SolveCombinedSupply(State& s);

// The intake pressure at which tank and intake together give the demand,
// searched between `floorPress` and the sum of the two supply pressures.
// A search that does not settle within 600 trial heads keeps the previous
// split and intake pressure.
void BalanceSupplies(State& s, double floorPress);

}  // namespace pumpdrill
