// How a line's hoses are described to the user: "150 ft  of  2-1/2  inch",
// the arrangement's text and picture, and the length a line's nozzle may
// stand above or below its pump end.
#pragma once

#include <string>

#include "frame/units.h"
#include "sim/discharge_rec.h"

namespace pumpdrill {

struct State;

// Layouts of TDischargeRec::Layout.
enum HoseLayout : int { kSingleLength = 0, kSiameseLayout = 1, kWyeLayout = 2 };

// A hose of `length` ft and `diam` ft: its length in display units without
// decimals, the length unit, "  of  ", its diameter as a fraction (inches)
// or in mm, two blanks and the diameter unit.
std::string HoseDescription(const DisplayUnits& units, double length, double diam);

// The hose at the left (water comes from the pump there) or the right of a
// line's arrangement: a siamese's supply hose at the left and its common
// hose at the right, a wye's trunk at the left and its branch at the right;
// a single length is the left side.
std::string SideHoseDescription(const DisplayUnits& units, const TDischargeRec& d, bool left);

// "single hose", "siamese" or "wye".
std::string LayoutText(int layout);
// "HOSE_SINGLE" ("HOSE_DRAFT" for the intake line at draft),
// "HOSE_SIAMESE" or "HOSE_WYE".
std::string LayoutPictureName(const State& s, int line, int layout);

// The hose length between the pump end and the nozzle: the trunk, and for
// a siamese or wye also the first branch. The nozzle's height above or
// below the pump end may not exceed it.
double HoseReach(const TDischargeRec& d);
// A nozzle elevation (ft) kept within `reach` of the pump end's elevation.
double ElevationWithinReach(double pumpEndElev, double reach, double feet);

}  // namespace pumpdrill
