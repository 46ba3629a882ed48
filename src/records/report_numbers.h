// Numbers of the run report as its reader sees them: fixed decimals
// whatever the locale, and pressures, flows and volumes in the display
// units (the report's arithmetic is in psi, gpm and gallons).
#pragma once

#include <string>

#include "frame/units.h"

namespace pumpdrill {

// v with `decimals` places; "" for an unknown (NaN) value; never "-0".
std::string ReportFixed(double v, int decimals = 1);

// The decimals of a pressure shown in u that a psi figure with psiDecimals
// places needs: as many in psi and kPa, two more in bar.
int ReportPressureDecimals(const DisplayUnits& u, int psiDecimals);

// A stored psi value in u with its label: "100 psi", "689 KPa", "6.89 bar".
std::string ReportPressure(const DisplayUnits& u, double psi, int psiDecimals = 1);
// The same with its sign: "+3.2 psi", "-1.0 psi".
std::string ReportSignedPressure(const DisplayUnits& u, double psi, int psiDecimals = 1);
// A flow (gpm) or volume (gal) in u with its label: "150 gpm", "568 lpm", "2843
// L".
std::string ReportFlow(const DisplayUnits& u, double gpm);
std::string ReportVolume(const DisplayUnits& u, double gallons);

// The stored psi of a pressure entered as `shown` in u, where it was shown
// from `storedBefore`: a figure left as it was shown keeps its stored value
// exactly (no drift from rounding through kPa or bar); an edited one is
// converted.
double EnteredPressure(const DisplayUnits& u, double shown, double storedBefore, int decimals);
// storedBefore rounded as a window with `decimals` places shows it in u.
double ShownPressure(const DisplayUnits& u, double psi, int decimals);

}  // namespace pumpdrill
