// Radio calls: the calls of an Evolution that fall due during a run.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

struct Configuration;
struct RunContext;

// Plays the radio calls due at SimClock.Time.
void RadioCallsStep(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Reads the radio-call configuration again (initialisation of a run, and at
// start-up when sound is available).
void ReloadRadioCalls(State& s, const Configuration& cfg, RunContext& run, Host& host);

}  // namespace pumpdrill
