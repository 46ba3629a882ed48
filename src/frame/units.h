// Display units. Every simulated value is held in English units (inches,
// gpm, feet, psi, US gallons, deg F); metric display and entry are
// conversions at the screen:
//   shown value  = stored value × DisplayFactor[q]
//   stored value = entered value × EntryFactor[q]
#pragma once

#include <string>

#include "sim/field_ranges.h"
#include "sim/types.h"

namespace pumpdrill {

// The quantities, numbered as the factor and label arrays are.
enum UnitQuantity : int {
  kUnitDiameter = 1,
  kUnitDiameter2 = 2,  // a second diameter quantity, converted alike
  kUnitFlow = 3,
  kUnitLength = 4,
  kUnitPressure = 5,
  kUnitVolume = 6,
};

struct DisplayUnits {
  bool Metric = false;
  bool Bars = false;  // metric pressure in bar rather than kPa
  Array1<Double, 6> DisplayFactor{{1, 1, 1, 1, 1, 1}};
  Array1<Double, 6> EntryFactor{{1, 1, 1, 1, 1, 1}};
  Array1<std::string, 6> Label{{"inch", "inch", "gpm", "ft", "psi", "gal"}};
  std::string TempLabel = "deg F";
};

// Sets the factors and labels for English or metric units; useBars picks
// bar or kPa for metric pressures. In English units every factor is 1.
void ApplyUnits(DisplayUnits& units, bool metric, bool useBars);

// Conversions of one value of quantity q (kUnitDiameter..kUnitVolume).
inline double ToDisplay(const DisplayUnits& u, int q, double stored) {
  return stored * u.DisplayFactor[q];
}
inline double FromEntry(const DisplayUnits& u, int q, double entered) {
  return entered * u.EntryFactor[q];
}

// Decimals of a pressure shown or entered: two in bar, none in psi or kPa.
inline int PressureDecimals(const DisplayUnits& u) { return u.Metric && u.Bars ? 2 : 0; }

// Temperatures: deg F stored, deg C shown in metric units.
double TempToDisplay(const DisplayUnits& u, double degF);
double TempFromEntry(const DisplayUnits& u, double entered);

// How a window shows a stored value of quantity q under a caption, for
// range messages; diameters are stored in feet and shown in inches or mm.
ShownField ShownQuantity(const DisplayUnits& u, int q, std::string caption);
ShownField ShownDiameter(const DisplayUnits& u, std::string caption);
ShownField ShownTemperature(const DisplayUnits& u, std::string caption);

}  // namespace pumpdrill
