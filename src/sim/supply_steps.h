// The water supply's part of the main tick and of a run's initialisation:
// tank, intake, cavitation, priming and the scheduled supply incidents.
#pragma once

#include "sim/host.h"
#include "sim/random_source.h"
#include "sim/state.h"

namespace pumpdrill {

struct SimSettings;

// Tank level, supply, the cavitation test and the prime: UpdateTank,
// UpdateSupply, CheckCavitation (stored in PumpStatus.Cavitating), the
// pump's prime and the pump pressure without water. The supply limit
// follows as the next step of the tick.
void SupplyStep(State& s, const SimSettings& sim, Host& host);

// The primed indicator at draft; `running` is whether the run is Running.
void PrimedIndicatorStep(State& s, bool running, Host& host);

// Tank and draft-source volumes over the time since their last update.
void TankVolumeStep(State& s, Host& host);

// At draft, the primer's and the prime's update (with the gauges, every
// 0.15 s of simulated time).
void DraftPrimeUpdateStep(State& s, Host& host);

// The supply and engine incidents due at SimClock.Time; the sporadic supply
// fluctuation draws from `random`. The tick runs it while a run is active.
void IncidentsStep(State& s, bool simActive, RandomSource& random, Host& host);

// A new run starts (before it is marked active): the tender's schedule, the
// finite draft source and the incidents' done flags start afresh.
void StartIncidentsForRun(State& s, RandomSource& random, Host& host);

// Initialisation: the intake and priming state cleared, the primer at rest,
// the intake line whole again, the vacuum limit, the tank at its initial
// volume and the hydrant's coefficients recomputed.
void ResetSupplyForRun(State& s, const SimSettings& sim, Host& host);

}  // namespace pumpdrill
