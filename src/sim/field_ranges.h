// The plausible range of each stored number of the simulation state, in
// the units the state keeps it in (feet, psi, gpm, RPM, seconds, gallons,
// degrees Fahrenheit, fractions). A typed value outside is refused; a file
// value outside is brought to the nearest end with a note. The ranges are
// wide: they hold every value the setup windows accept and every value a
// run computes, and keep out only what no pump, hose or building has.
#pragma once

#include <string>
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

// A number as range messages give it: whole numbers below 1e15 in full
// ("1000000000"), others as short as they read back ("0.1", "1e-06").
std::string RangeNumberText(double v);

// How a window shows a member: the caption of its field, the unit it
// shows, and shown = stored × Factor + Offset.
struct ShownField {
  std::string Caption;  // "Hose length"
  std::string Unit;     // "m"; "" for a plain number
  double Factor = 1;
  double Offset = 0;
};

// What a setup window says when a typed value (given in the stored unit)
// lies outside the member's range, in the units the window shows: "Hose
// length 7000 m is outside its range, 0 to 6100 m.  Value unchanged."; ""
// when it lies inside.
std::string RangeRefusal(std::string_view recordType, std::string_view member, double stored,
                         const ShownField& shown);

}  // namespace pumpdrill
