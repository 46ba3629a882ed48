// Every named field of the simulation state, addressable by its name as
// the program's code writes it: "Pump.GearRatio", "Discharges[3].HoseLength",
// "Discharges[2].BranchDiam[1]", "Incidents[8].StartTime",
// "DischargeList.LineTitle[4]", "SimClock.Time", "BurnHouse.MaxTemp".
// The headless runner prints and sets fields through it, and samples them
// into its columns: resolve a name once with FindStateField, then read the
// field through the returned entry as often as needed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "sim/state.h"

namespace pumpdrill {

enum class FieldType { Double, SmallInt, Byte, Boolean, ShortString };

struct FieldInfo {
  std::string name;            // full name, e.g. "Discharges[3].HoseLength"
  std::string record;          // the record it belongs to, e.g. "Discharges[3]"
  std::size_t recordOffset;    // where that record starts within State
  std::size_t offset;          // where the field starts within its record
  FieldType type;
  // The plausible range in the stored unit (see field_ranges.h); a field
  // without one of its own has its type's range, a real 1e30 either way.
  double min = 0;
  double max = 0;
  const char* unit = "";

  std::size_t StateOffset() const { return recordOffset + offset; }
  std::size_t Size() const;
};

// All fields in record order (the order of State's members, each record's
// fields by offset, array items by index). Names are unique. Padding is not
// listed.
const std::vector<FieldInfo>& StateFields();

// The field of that exact name, or nullptr when there is none. Besides the
// listed names, "Incidents[n].StartTime" names "Incidents[n].EventTime[1]".
const FieldInfo* FindStateField(std::string_view name);

// The value as text: Doubles with 17 significant digits (as %.17g in the C
// locale, so that they read back exactly), integers in decimal, Booleans
// "0" or "1", strings as they are.
std::string GetFieldText(const State& s, const FieldInfo& f);

// The value as a number (Booleans 0 or 1); a string field gives NaN.
double GetFieldNumber(const State& s, const FieldInfo& f);

// "0 to 20000 ft": the field's range as messages give it.
std::string RangeText(const FieldInfo& f);
// Whether a finite value lies within the field's range.
bool InFieldRange(const FieldInfo& f, double v);

// Brings every number of s that lies outside its field's range to the
// nearest end and returns one line per field brought in, as
// "Pump.GearRatio: 0 is outside 0.1 to 10, set to 0.1". NaN is left alone
// (readers refuse it before).
std::vector<std::string> ClampToFieldRanges(State& s);

// Stores text into the field. Numbers are read the same way whatever the
// locale ("." is the decimal point); integers must be whole; numbers must
// lie in the field's range (RangeText); Booleans accept 0/1, true/false,
// yes/no; strings at most 255 characters. Surrounding blanks of a number
// are ignored. On a value that does not fit, returns false, leaves the
// state unchanged and sets `message` to a one-line text naming the field
// and the value.
bool SetFieldText(State& s, const FieldInfo& f, std::string_view text, std::string& message);

// The same by name; an unknown name is refused with a message naming it.
bool GetStateField(const State& s, std::string_view name, std::string& value,
                   std::string& message);
bool SetStateField(State& s, std::string_view name, std::string_view text, std::string& message);

// Checks that each record's listed fields and padding cover every one of
// its bytes exactly once. Returns an empty text when they do, otherwise a
// description of the first gap or overlap.
std::string CheckRegistryCoverage();

}  // namespace pumpdrill
