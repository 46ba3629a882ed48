// What the burn-house window shows, worked out from the record and the
// display units: every text of the structure's setup and the two meters of
// a run. The window only puts these on its controls.
#pragma once

#include <string>

#include "frame/units.h"
#include "sim/burn_house_rec.h"

namespace pumpdrill {

// The texts of the setup fields and their unit labels.
struct BurnWindowTexts {
  std::string LblStructDims;      // "Dimensions  (ft)"
  std::string EditLen, EditWd, EditHt;
  std::string LblVentArea, EditVentArea;
  std::string LblVentHt, EditVentHeight;
  std::string EditAppEfficiency;  // per cent
  std::string LblFireLoad, EditFireLoad;
  std::string LabelTotFireLoad, EditTotFireLoad;
  std::string LblFireSeverity;    // hours
  std::string EditDescription;
  std::string LabelTempUnits;     // "temp deg F"
};

BurnWindowTexts BurnWindowTextsOf(const TBurnHouseRec& b, const DisplayUnits& u);

// The two vertical meters, 0 to 100, and their captions.
struct BurnMeters {
  std::string TempCaption;    // the whole-number temperature in display units
  std::string BurnedCaption;  // "10 %"
  int TempPosition = 0;       // the temperature as a share of the maximum
  int BurnedPosition = 0;     // full once all the fuel has burned
  bool FireOut = false;       // the fire no longer burns
};

BurnMeters BurnMetersOf(const TBurnHouseRec& b, const DisplayUnits& u);

// Unit conversions of the fire loads between the record and the screen.
inline constexpr double kKgPerLb = 0.45454545454545453;
inline constexpr double kLbPerKg = 2.2;
inline constexpr double kKgM2PerLbFt2 = 4.886272018763284;
inline constexpr double kLbFt2PerKgM2 = 0.204655;

}  // namespace pumpdrill
