#include "burn/burn_window_values.h"

#include <algorithm>
#include <cmath>

#include "frame/number_entry.h"

namespace pumpdrill {

namespace {

int Percent(double fraction) {
  if (!std::isfinite(fraction)) return 0;
  return static_cast<int>(std::clamp(std::round(100 * fraction), 0.0, 100.0));
}

}  // namespace

BurnWindowTexts BurnWindowTextsOf(const TBurnHouseRec& b, const DisplayUnits& u) {
  const double f = u.DisplayFactor[kUnitLength];
  BurnWindowTexts t;
  t.LblStructDims = "Dimensions  (" + u.Label[kUnitLength] + ")";
  t.EditLen = FixedText(b.Length * f, 1);
  t.EditWd = FixedText(b.Width * f, 1);
  t.EditHt = FixedText(b.Height * f, 1);
  t.EditVentArea = FixedText(b.VentArea * f * f, 1);
  t.EditVentHeight = FixedText(b.VentHeight * f, 1);
  t.EditAppEfficiency = FixedText(b.AppEfficiency * 100, 1);
  t.LblFireSeverity = FixedText(b.FireSeverity, 1);
  t.EditDescription = b.Description.str();
  t.LabelTempUnits = "temp " + u.TempLabel;
  if (u.Metric) {
    t.LblFireLoad = "fire load (kg/sq. m)";
    t.EditFireLoad = FixedText(b.FireLoad * kKgM2PerLbFt2, 1);
    t.LabelTotFireLoad = "total enclosure fire load (kg)";
    t.EditTotFireLoad = FixedText(b.TotalFireLoad * kKgPerLb, 0);
    t.LblVentArea = "area  (sq. m)";
    t.LblVentHt = "height  (m)";
  } else {
    t.LblFireLoad = "fire load (lb/sq. ft)";
    t.EditFireLoad = FixedText(b.FireLoad, 1);
    t.LabelTotFireLoad = "total enclosure fire load (lb)";
    t.EditTotFireLoad = FixedText(b.TotalFireLoad, 0);
    t.LblVentArea = "area  (sq. ft)";
    t.LblVentHt = "height  (ft)";
  }
  return t;
}

BurnMeters BurnMetersOf(const TBurnHouseRec& b, const DisplayUnits& u) {
  BurnMeters m;
  const double shown = TempToDisplay(u, b.Temp);
  m.TempCaption = std::isfinite(shown) ? FixedText(std::round(shown), 0) : "0";
  m.BurnedCaption = FixedText(std::isfinite(b.BurnedFraction) ? std::round(100 * b.BurnedFraction) : 0, 0) + " %";
  // The bar follows the energy released; the caption the share the fire
  // model last stored, so both agree after every step.
  m.BurnedPosition = Percent(b.TotalEnergy > 0 ? b.EnergyReleased / b.TotalEnergy : b.BurnedFraction);
  m.TempPosition = b.MaxTemp > 0 ? Percent(b.Temp / b.MaxTemp) : 0;
  m.FireOut = b.BurnRate <= 0;
  return m;
}

}  // namespace pumpdrill
