// The burn house's fire model: one fully involved enclosure with a single
// equivalent vent, stepped during a run from the figures its inputs give.
#pragma once

#include "sim/burn_house_figures.h"
#include "sim/state.h"

namespace pumpdrill {

// One model step over the simulated time since the last step (the tick
// runs it every half second): the fire's heat less the vent loss and the
// water applied (the pump's total flow less the tank fill) moves the gas
// temperature.
void StepBurnHouse(State& s);

}  // namespace pumpdrill
