// The values derived from the stored inputs: recomputed whenever the state
// is replaced whole (an Evolution load), so that no coefficient of the
// previous state survives.
#pragma once

namespace pumpdrill {

struct State;
class Host;

// The hydrant coefficients and every line's valve, nozzle and hose
// coefficients (second lines of siamese pairs take theirs from the first).
void RecomputeDerivedValues(State& s, Host& host);

}  // namespace pumpdrill
