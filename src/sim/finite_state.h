// Whether every real number of the simulation state is a number: a NaN or
// an infinity that reaches the state spreads through the next tick into
// gauges, charts and data files, so readers refuse them and the tests and
// fuzzers check for them.
#pragma once

#include "sim/registry.h"
#include "sim/state.h"

namespace pumpdrill {

// The first Double field of s (in registry order) that holds NaN or an
// infinity, or nullptr when all are finite.
const FieldInfo* FirstNonFiniteField(const State& s);

}  // namespace pumpdrill
