#include "setup/hose_descriptions.h"

#include <algorithm>

#include "frame/number_entry.h"
#include "sim/state.h"
#include "sim/supply.h"

namespace pumpdrill {

std::string HoseDescription(const DisplayUnits& units, double length, double diam) {
  std::string len = FixedText(ToDisplay(units, kUnitLength, length), 0);
  std::string d = DiameterToText(ToDisplay(units, kUnitDiameter, diam * 12), units.Metric).Text;
  return len + " " + units.Label[kUnitLength] + "  of  " + d + "  " + units.Label[kUnitDiameter];
}

std::string SideHoseDescription(const DisplayUnits& units, const TDischargeRec& d, bool left) {
  bool trunk = d.Layout == kSiameseLayout ? !left : left || d.Layout == kSingleLength;
  return trunk ? HoseDescription(units, d.HoseLength, d.HoseDiam)
               : HoseDescription(units, d.BranchLength[1], d.BranchDiam[1]);
}

std::string LayoutText(int layout) {
  switch (layout) {
    case kSiameseLayout:
      return "siamese";
    case kWyeLayout:
      return "wye";
    default:
      return "single hose";
  }
}

std::string LayoutPictureName(const State& s, int line, int layout) {
  switch (layout) {
    case kSiameseLayout:
      return "HOSE_SIAMESE";
    case kWyeLayout:
      return "HOSE_WYE";
    default:
      return line == kIntakeLine && s.Supply.SupplyType == kSupplyDraft ? "HOSE_DRAFT"
                                                                        : "HOSE_SINGLE";
  }
}

double HoseReach(const TDischargeRec& d) {
  if (d.Layout == kSiameseLayout || d.Layout == kWyeLayout) return d.HoseLength + d.BranchLength[1];
  return d.HoseLength;
}

double ElevationWithinReach(double pumpEndElev, double reach, double feet) {
  return std::clamp(feet, pumpEndElev - reach, pumpEndElev + reach);
}

}  // namespace pumpdrill
