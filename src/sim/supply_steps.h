// The water supply's part of the main tick and of a run's initialisation:
// tank, intake, cavitation, priming and the scheduled supply incidents.
#pragma once

#include "sim/host.h"
#include "sim/random_source.h"
#include "sim/state.h"

namespace pumpdrill {

struct Configuration;

// Tank level, supply, the cavitation test and the prime.
void SupplyStep(State& s, const Configuration& cfg, Host& host);

// Tank and draft-source volumes over the time since their last update.
void TankVolumeStep(State& s, Host& host);

// At draft, the primer's and the prime's update (with the gauges, every
// 0.15 s of simulated time).
void DraftPrimeUpdateStep(State& s, Host& host);

// The supply and engine incidents due at SimClock.Time; chance events draw
// from random.
void IncidentsStep(State& s, bool simActive, RandomSource& random, Host& host);

// Initialisation: the intake and priming state cleared, the primer at rest,
// the pump and supply constants recomputed.
void ResetSupplyForRun(State& s, const Configuration& cfg, Host& host);

}  // namespace pumpdrill
