// The burning structure: the instructor's inputs in English units (feet,
// square feet, pounds, degrees Fahrenheit) and the fire model's state.
#pragma once

#include "sim/record_layout.h"
#include "sim/types.h"

namespace pumpdrill {

PUMPDRILL_RECORDS_BEGIN

struct TBurnHouseRec {
  Boolean StayOnTop{};              // 000 the window stays above the others
  Pad<7> Pad001{};
  Double AmbientTemp{};             // 008 floor of Temp
  Double Temp{};                    // 010 gas temperature
  Double MaxTemp{};                 // 018 ventilation-limited maximum
  Double TotalFireLoad{};           // 020 fuel mass, lb
  Double BurnedFraction{};          // 028 share of the fuel energy released
  Double Length{};                  // 030
  Double Width{};                   // 038
  Double Height{};                  // 040
  Double Volume{};                  // 048 enclosure volume, cubic metres
  Double VentArea{};                // 050 equivalent vent area, square feet
  Double VentHeight{};              // 058 equivalent vent height
  Double SurfaceArea{};             // 060 enclosure surface figure
  Double AppEfficiency{};           // 068 efficiency of water application, a fraction
  Double FireLoad{};                // 070 lb per square foot of floor
  Double FireSeverity{};            // 078 approximate burn time, hours
  Double Spare080{};                // 080
  ShortString Description{};        // 088
  Double EnergyReleased{};          // 188
  Double Spare190{};                // 190
  Double NetHeat{};                 // 198 running sum of the net heat
  Double Spare1A0{};                // 1A0
  Double Spare1A8{};                // 1A8
  Double Spare1B0{};                // 1B0
  Double LastUpdateTime{};          // 1B8 SimClock.Time of the last model step
  Double BurnRate{};                // 1C0 kg/s, 0 once the fire is out
  Double BaseBurnRate{};            // 1C8 ventilation-controlled rate, kg/s
  Double HeatFactor{};              // 1D0 energy per kilogram of fuel
  Double CombustionEfficiency{};    // 1D8
  Double VentLossFraction{};        // 1E0 share of the heat lost through the vent
  Double TotalEnergy{};             // 1E8 energy of the whole fire load
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TBurnHouseRec, 496);
PUMPDRILL_FIELD_AT(TBurnHouseRec, AmbientTemp, 0x008);
PUMPDRILL_FIELD_AT(TBurnHouseRec, Temp, 0x010);
PUMPDRILL_FIELD_AT(TBurnHouseRec, MaxTemp, 0x018);
PUMPDRILL_FIELD_AT(TBurnHouseRec, TotalFireLoad, 0x020);
PUMPDRILL_FIELD_AT(TBurnHouseRec, BurnedFraction, 0x028);
PUMPDRILL_FIELD_AT(TBurnHouseRec, Length, 0x030);
PUMPDRILL_FIELD_AT(TBurnHouseRec, Width, 0x038);
PUMPDRILL_FIELD_AT(TBurnHouseRec, Height, 0x040);
PUMPDRILL_FIELD_AT(TBurnHouseRec, Volume, 0x048);
PUMPDRILL_FIELD_AT(TBurnHouseRec, VentArea, 0x050);
PUMPDRILL_FIELD_AT(TBurnHouseRec, VentHeight, 0x058);
PUMPDRILL_FIELD_AT(TBurnHouseRec, SurfaceArea, 0x060);
PUMPDRILL_FIELD_AT(TBurnHouseRec, AppEfficiency, 0x068);
PUMPDRILL_FIELD_AT(TBurnHouseRec, FireLoad, 0x070);
PUMPDRILL_FIELD_AT(TBurnHouseRec, FireSeverity, 0x078);
PUMPDRILL_FIELD_AT(TBurnHouseRec, Spare080, 0x080);
PUMPDRILL_FIELD_AT(TBurnHouseRec, Description, 0x088);
PUMPDRILL_FIELD_AT(TBurnHouseRec, EnergyReleased, 0x188);
PUMPDRILL_FIELD_AT(TBurnHouseRec, Spare190, 0x190);
PUMPDRILL_FIELD_AT(TBurnHouseRec, NetHeat, 0x198);
PUMPDRILL_FIELD_AT(TBurnHouseRec, Spare1A0, 0x1A0);
PUMPDRILL_FIELD_AT(TBurnHouseRec, LastUpdateTime, 0x1B8);
PUMPDRILL_FIELD_AT(TBurnHouseRec, BurnRate, 0x1C0);
PUMPDRILL_FIELD_AT(TBurnHouseRec, BaseBurnRate, 0x1C8);
PUMPDRILL_FIELD_AT(TBurnHouseRec, HeatFactor, 0x1D0);
PUMPDRILL_FIELD_AT(TBurnHouseRec, CombustionEfficiency, 0x1D8);
PUMPDRILL_FIELD_AT(TBurnHouseRec, VentLossFraction, 0x1E0);
PUMPDRILL_FIELD_AT(TBurnHouseRec, TotalEnergy, 0x1E8);

}  // namespace pumpdrill
