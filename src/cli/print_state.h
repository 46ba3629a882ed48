// Printing the simulation state as text, one field a line.
#pragma once

#include <iosfwd>

#include "sim/state.h"

namespace pumpdrill {

// Writes every field of the registry as "Name = value", in record order.
void PrintState(const State& s, std::ostream& out);

}  // namespace pumpdrill
