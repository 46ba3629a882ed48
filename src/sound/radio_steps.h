// Radio calls: the calls of an Evolution that fall due during a run, and
// the random background calls.
#pragma once

#include "sim/host.h"
#include "sim/state.h"
#include "sound/radio_calls.h"

namespace pumpdrill {

struct Configuration;
struct RunContext;

// Tick step: the scheduled call at the next index once its time has come
// and no other priority call is sounding; with "Radio: Use" on, a random
// call once its time has come and no radio call is sounding.
void RadioCallsStep(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Every initialisation: the random calls found again and the next one's
// time drawn; the Evolution's ITX, when there is one, read into the
// schedule sorted by time; the schedule back at its first call.
void ReloadRadioCalls(State& s, const Configuration& cfg, RunContext& run, Host& host);

// How priority calls reach the trainee now.
RadioOutput RadioOutputOf(const Configuration& cfg, const RunContext& run);

}  // namespace pumpdrill
