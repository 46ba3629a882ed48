// The temporary Evolution "tmp.xvo" in the Evolutions folder: the whole
// state as it stood when the last run started, so that a terminated run can
// be restarted from the same settings.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

struct Configuration;
struct RunContext;

// Saves the state as the temporary Evolution (a new run starts).
bool SaveTemporaryEvolution(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Loads the temporary Evolution into the state (re-initialisation).
bool LoadTemporaryEvolution(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Deletes the temporary Evolution (start-up: the last session's runs are
// not restarted).
void DeleteTemporaryEvolution(RunContext& run);

}  // namespace pumpdrill
