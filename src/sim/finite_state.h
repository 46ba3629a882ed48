// Whether every real number of the simulation state is a number: a NaN or
// an infinity that reaches the state spreads through the next tick into
// gauges, charts and data files, so readers refuse them and the tests and
// fuzzers check for them.
#pragma once

#include "sim/registry.h"
#include "sim/state.h"

namespace pumpdrill {

// No stored real of the simulation comes near this (the longest times are
// 1e7 s, a shut valve's coefficient below 1e20); a larger one is a damaged
// value whose squares and fourth powers would overflow in the tick.
inline constexpr double kLargestPlausibleReal = 1e30;

// The first Double field of s (in registry order) that holds NaN or an
// infinity, or nullptr when all are finite.
const FieldInfo* FirstNonFiniteField(const State& s);

// The first Double field of s that is not finite or lies beyond
// kLargestPlausibleReal either way, or nullptr.
const FieldInfo* FirstImplausibleField(const State& s);

}  // namespace pumpdrill
