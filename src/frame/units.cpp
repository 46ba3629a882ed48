#include "frame/units.h"

#include <utility>

namespace pumpdrill {

namespace {

// The program's metric constants, rounded as users know them from its
// screens and printouts: 25.5 mm per inch, not 25.4.
constexpr double kMmPerInch = 25.5;
constexpr double kLitresPerGallon = 3.79;
constexpr double kMetresPerFoot = 0.305;
constexpr double kBarPerPsi = 0.06894;
constexpr double kKpaPerPsi = 6.894;
// Stored entry factors for pressure, used as they stand.
constexpr double kPsiPerBar = 14.50536698578474;
constexpr double kPsiPerKpa = 0.1450536698578474;

void Set(DisplayUnits& u, int q, double display, double entry, const char* label) {
  u.DisplayFactor[q] = display;
  u.EntryFactor[q] = entry;
  u.Label[q] = label;
}

}  // namespace

void ApplyUnits(DisplayUnits& u, bool metric, bool useBars) {
  u.Metric = metric;
  u.Bars = useBars;
  if (!metric) {
    Set(u, kUnitDiameter, 1, 1, "inch");
    Set(u, kUnitDiameter2, 1, 1, "inch");
    Set(u, kUnitFlow, 1, 1, "gpm");
    Set(u, kUnitLength, 1, 1, "ft");
    Set(u, kUnitPressure, 1, 1, "psi");
    Set(u, kUnitVolume, 1, 1, "gal");
    u.TempLabel = "deg F";
    return;
  }
  Set(u, kUnitDiameter, kMmPerInch, 1 / kMmPerInch, "mm");
  Set(u, kUnitDiameter2, kMmPerInch, 1 / kMmPerInch, "mm");
  Set(u, kUnitFlow, kLitresPerGallon, 1 / kLitresPerGallon, "lpm");
  Set(u, kUnitLength, kMetresPerFoot, 1 / kMetresPerFoot, "m");
  if (useBars)
    Set(u, kUnitPressure, kBarPerPsi, kPsiPerBar, "bar");
  else
    Set(u, kUnitPressure, kKpaPerPsi, kPsiPerKpa, "KPa");
  Set(u, kUnitVolume, kLitresPerGallon, 1 / kLitresPerGallon, "L");
  u.TempLabel = "deg C";
}

double TempToDisplay(const DisplayUnits& u, double degF) {
  return u.Metric ? (degF - 32) * 5 / 9 : degF;
}

double TempFromEntry(const DisplayUnits& u, double entered) {
  return u.Metric ? entered * 9 / 5 + 32 : entered;
}

ShownField ShownQuantity(const DisplayUnits& u, int q, std::string caption) {
  return {std::move(caption), u.Label[q], u.DisplayFactor[q], 0};
}

ShownField ShownDiameter(const DisplayUnits& u, std::string caption) {
  return {std::move(caption), u.Label[kUnitDiameter], 12 * u.DisplayFactor[kUnitDiameter], 0};
}

ShownField ShownTemperature(const DisplayUnits& u, std::string caption) {
  if (!u.Metric) return {std::move(caption), "F", 1, 0};
  return {std::move(caption), u.TempLabel, 5.0 / 9, -32.0 * 5 / 9};
}

}  // namespace pumpdrill
