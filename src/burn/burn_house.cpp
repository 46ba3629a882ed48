#include "burn/burn_house.h"

namespace pumpdrill {

namespace {

constexpr double kWaterHeatPerGpmSecond = 164.23;
constexpr double kAirDensity = 1.18;  // kg per cubic metre
constexpr double kAirSpecificHeat = 1.0;
constexpr double kExtinctionTempF = 300.0;

}  // namespace

void StepBurnHouse(State& s) {
  TBurnHouseRec& b = s.BurnHouse;
  const double now = s.SimClock.Time;
  const double dt = now - b.LastUpdateTime;
  if (dt <= 0) return;
  b.LastUpdateTime = now;

  const double released = b.BurnRate * b.HeatFactor * b.CombustionEfficiency * dt;
  const double ventLoss = released * b.VentLossFraction;

  // Water pumped into the booster tank never reaches the fire.
  double water = s.PumpOutput.TotalFlow;
  const double tankFill = s.Discharges[kTankFillLine].Flow;
  if (tankFill > 0) water -= tankFill;
  if (water < 0) water = 0;
  const double waterHeat = kWaterHeatPerGpmSecond * water * dt;

  const double net = released - (ventLoss + waterHeat);
  b.NetHeat += net;
  b.EnergyReleased += released;
  if (b.TotalEnergy > 0) b.BurnedFraction = b.EnergyReleased / b.TotalEnergy;

  const double heatCapacity = kAirDensity * b.Volume * kAirSpecificHeat;
  const double deltaK = heatCapacity > 0 ? net / heatCapacity : 0.0;
  b.Temp = KelvinToFahrenheit(FahrenheitToKelvin(b.Temp) + deltaK);

  if (b.Temp > b.MaxTemp) {
    b.Temp = b.MaxTemp;
  } else if (b.Temp <= kExtinctionTempF || b.Temp <= b.AmbientTemp) {
    // Once out, the fire stays out until the next reset or save: nothing
    // here restores the burning rate.
    b.BurnRate = 0;
    if (b.Temp <= b.AmbientTemp) b.Temp = b.AmbientTemp;
  }
}

}  // namespace pumpdrill
