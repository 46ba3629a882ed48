// The foam system's settings as the setup page and the panel change them:
// the proportioner's percent range and setting, the concentrate fraction it
// injects, the tank count and capacity, and the controls at rest.
#pragma once

#include "sim/foam_setup.h"

namespace pumpdrill {

struct State;

// Foam percent range codes (%_RANGE).
enum FoamPercentRange : Byte {
  kFoamRangeTenthToOne = 0, // 0.1 % to 1.0 %
  kFoamRangeTenthToSix = 1, // 0.1 % to 6.0 %
  kFoamRangeOneToSix = 2,   // 1.0 % to 6.0 %
};
inline constexpr int kFoamRangeCount = 3;

// Proportioner styles (PROP_TYPE).
enum ProportionerStyle : Byte {
  kProportionerManual = 0,
  kProportionerElectronic = 1,
};

inline constexpr double kFoamPercentStep = 0.1;

struct PercentLimits {
  double Least = 0;
  double Most = 0;
};
// The limits of a range code; a code out of 0 to 2 counts as 0.
PercentLimits FoamPercentLimits(int rangeCode);

// The setting within the record's range, on a 0.1 % step; a setting below
// the range (as an unset 0) takes the range's lower end.
double FoamPercentWithinRange(const TFoamSetupRec &f, double percent);

// Whether the proportioner injects: the manual lever up, the electronic one
// switched on.
bool ProportionerInjects(const TFoamSetupRec &f);

// Sets FoamPercentSet (kept within the range) and FoamFraction from it.
void SetFoamPercent(TFoamSetupRec &f, double percent);
// FoamFraction from the setting and the proportioner's state.
void UpdateFoamFraction(TFoamSetupRec &f);
// The lever up or down (the electronic proportioner on or off).
void SetProportionerOn(TFoamSetupRec &f, bool on);

// A new range keeps the setting within it.
void SetFoamPercentRange(TFoamSetupRec &f, int rangeCode);

// One tank or two; with one tank a switch at B moves to A.
void SetFoamTankCount(TFoamSetupRec &f, int tanks);

// A new capacity of one tank, gal. While no run is active both tanks are
// filled to it; during a run they keep what they hold, at most the new
// capacity.
void SetFoamTankCapacity(TFoamSetupRec &f, double gallons, bool simActive);

// Every control at rest: lever down and electronic off, switch at A,
// display mode 0, air off, mode 0, every air valve shut. The setting is
// kept, within the range.
void ResetFoamControls(TFoamSetupRec &f);

} // namespace pumpdrill
