// The plausible range of each stored number of the simulation state, in
// the units the state keeps it in (feet, psi, gpm, RPM, seconds, gallons,
// degrees Fahrenheit, fractions). A typed value outside is refused; a file
// value outside is brought to the nearest end with a note. The ranges are
// wide: they hold every value the setup windows accept and every value a
// run computes, and keep out only what no pump, hose or building has.
#pragma once

#include <string_view>

namespace pumpdrill {

struct FieldRange {
  double Min;
  double Max;
  const char* Unit;  // the stored unit, "" for counts, codes and fractions
};

// The range of a member of a record type ("TDischargeRec", "HoseLength"),
// for every item of an array member; nullptr for a member without one of
// its own (computed values, spares, texts and flags).
const FieldRange* ListedFieldRange(std::string_view recordType, std::string_view member);

}  // namespace pumpdrill
