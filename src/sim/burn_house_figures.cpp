#include "sim/burn_house_figures.h"

#include <algorithm>
#include <cmath>

namespace pumpdrill {

namespace {

constexpr double kFtToM = 0.305;
constexpr double kFt2ToM2 = 0.093025;
constexpr double kFt3ToM3 = 0.028372625;
constexpr double kLbToKg = 0.45454545454545453;  // 1 / 2.2
// The base of the model's exponentials is this stored constant, not e.
constexpr double kBase = 2.71828;
constexpr double kOpeningCoef = 0.036;
constexpr double kLoadCoef = 0.05;
constexpr double kTempCoefK = 6000.0;
constexpr double kBurnRateCoef = 0.08771929824561403;  // 1 / 11.4, kg/s per m^2.5

double BasePower(double exponent) { return std::exp(exponent * std::log(kBase)); }

}  // namespace

double FahrenheitToKelvin(double f) { return (f + 459.67) * 5.0 / 9.0; }
double KelvinToFahrenheit(double k) { return k * 1.8 - 459.67; }

void InitBurnHouse(State& s) {
  TBurnHouseRec& b = s.BurnHouse;

  // A fire load below 0 is no fuel (its exponentials would overflow).
  const double fuel = std::max(0.0, b.TotalFireLoad);
  const double floorArea = b.Length * b.Width;
  b.FireLoad = floorArea > 0 ? fuel / floorArea : 0.0;

  // The surface figure leaves out the vent.
  b.SurfaceArea = (2 * b.Width * b.Height + 2 * b.Length * b.Height + 2 * b.Length * b.Width -
                   b.VentArea) *
                  kFt2ToM2;
  b.Volume = b.Length * b.Width * b.Height * kFt3ToM3;

  // Fire severity and maximum temperature from the opening factor of the
  // enclosure (A1: the bounding surface, Av: the vent, M: the fuel mass).
  const double a1 = (b.SurfaceArea - b.VentArea) * kFt2ToM2;
  const double av = b.VentArea * kFt2ToM2;
  const double mass = fuel * kLbToKg;
  const double hs = b.Height * kFtToM;
  const bool openingValid = a1 > 0 && av > 0 && hs > 0;

  b.FireSeverity = openingValid ? 60.0 * mass / std::sqrt(a1 * av) * (1.0 / 3600.0) : 0.0;

  double rise = 0.0;
  if (openingValid) {
    const double omega = a1 / (av * std::sqrt(hs));
    const double f1 = (1.0 - BasePower(-kOpeningCoef * omega)) / std::sqrt(omega);
    const double psi = mass / std::sqrt(av * a1);
    const double f2 = 1.0 - BasePower(-kLoadCoef * psi);
    rise = kTempCoefK * f1 * f2;
  }
  b.MaxTemp = KelvinToFahrenheit(FahrenheitToKelvin(b.AmbientTemp) + rise);

  // The fire starts fully involved.
  b.Temp = b.MaxTemp;

  const double ventHeightM = b.VentHeight * kFtToM;
  b.BaseBurnRate = ventHeightM > 0 ? kBurnRateCoef * (b.VentArea * kFt2ToM2) * std::sqrt(ventHeightM)
                                   : 0.0;
  b.BurnRate = b.BaseBurnRate;

  b.VentLossFraction = b.SurfaceArea > 0 ? b.VentArea / b.SurfaceArea : 0.0;
  b.TotalEnergy = b.HeatFactor * b.CombustionEfficiency * fuel * kLbToKg;
  b.EnergyReleased = b.TotalEnergy * b.BurnedFraction;
}

void ResetBurnHouse(State& s) {
  TBurnHouseRec& b = s.BurnHouse;
  b.BurnedFraction = 0.1;
  b.NetHeat = 0;
  b.BurnRate = b.BaseBurnRate;
  b.Temp = b.AmbientTemp;
  b.EnergyReleased = 0;
  InitBurnHouse(s);
}

}  // namespace pumpdrill
