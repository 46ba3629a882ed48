// The water supply, the booster tank, the finite draft source and the
// tender that refills it. Pressures in psi, flows in gpm, volumes in US
// gallons, lengths in feet, times in seconds.
#pragma once

#include "sim/record_layout.h"
#include "sim/types.h"

namespace pumpdrill {

PUMPDRILL_RECORDS_BEGIN

struct TSupplyRec {
  ShortString Text1{};              // 000
  ShortString Text2{};              // 100
  ShortString SupplyName{};         // 200 "Hydrant", "Draft" or "Relay"
  Byte SupplyType{};                // 300 0 hydrant, 1 draft, 2 relay, 3 none
  Boolean IntakePrimed{};           // 301 draft: the intake line is primed
  Boolean SupplyAvailable{};        // 302 water reaches the pump
  Byte FiniteDraftSource{};         // 303 0 lake or river, 1 pool, 2 dump tank
  Pad<4> Pad304{};
  Double IntakePress{};             // 308 pressure at the intake (vacuum below 0)
  Double SupplyFlow{};              // 310 flow the supply delivers
  Double WaterTemp{};               // 318 degrees Fahrenheit
  Double StaticPressNow{};          // 320 static pressure after supply incidents
  Double StaticPress{};             // 328 static (no-flow) supply pressure
  Double ResidualPress{};           // 330 supply pressure under flow
  Double SupplyK{};                 // 338 hydrant loss coefficient, psi per cfs squared
  Double SupplyEquivDiam{};         // 340 equivalent bore of the hydrant
  Double RatedSupplyFlow{};         // 348 hydrant rated flow
  Boolean TankEmpty{};              // 350 the tank cannot feed the pump
  Boolean ExternalUnavailable{};    // 351 the external supply cannot feed the pump
  Pad<6> Pad352{};
  Double IntakeFloor{};             // 358 lowest intake pressure of this tick
  Boolean SupplyAdequate{};         // 360 the supply meets the demand
  Pad<7> Pad361{};
  Double Altitude{};                // 368 site altitude above sea level, ft
};

// The booster tank.
struct TTankRec {
  ShortString Text1{};              // 000
  ShortString Text2{};              // 100
  ShortString Text3{};              // 200
  Double Capacity{};                // 300 gal
  Double Spare308{};                // 308
  Double Spare310{};                // 310
  Double TankHeadPress{};           // 318 head of the tank water at the pump, psi
  Double InitialVolume{};           // 320
  Double Volume{};                  // 328 water in the tank
  Double Height{};                  // 330 bottom to top, ft
  Double Spare338{};                // 338
  Double BaseArea{};                // 340 ft squared
  Double Spare348{};                // 348
  Pad<16> Pad350{};
  Byte LevelState{};                // 360 0 below a quarter .. 4 full
  Byte LevelStateShown{};           // 361 level last drawn by the tank lamps
  Pad<6> Pad362{};
  Double Level1Fraction{};          // 368 thresholds of LevelState
  Double Level2Fraction{};          // 370
  Double Level3Fraction{};          // 378
  Double Level4Fraction{};          // 380
  Pad<16> Pad388{};
  Double WaterDepth{};              // 398 ft
};

// The finite draft source: swimming pool or dump tank.
struct TDraftSourceRec {
  Double Capacity{};                // 00 gal
  Double Spare08{};                 // 08
  Double Volume{};                  // 10 gal
  Boolean StartFull{};              // 18
  Pad<7> Pad19{};
  Double Spare20{};                 // 20
};

// The tender that refills the dump tank.
struct TTenderRec {
  Boolean Use{};                    // 00
  Pad<7> Pad01{};
  Double FirstCallTime{};           // 08
  Double RoundTripTime{};           // 10
  Double NextArrival{};             // 18
  Boolean Spare20{};                // 20
  Pad<7> Pad21{};
  Double Spare28{};                 // 28
  Double TenderCapacity{};          // 30 water one arrival adds, gal
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TSupplyRec, 880);
PUMPDRILL_FIELD_AT(TSupplyRec, SupplyName, 0x200);
PUMPDRILL_FIELD_AT(TSupplyRec, SupplyType, 0x300);
PUMPDRILL_FIELD_AT(TSupplyRec, IntakePrimed, 0x301);
PUMPDRILL_FIELD_AT(TSupplyRec, SupplyAvailable, 0x302);
PUMPDRILL_FIELD_AT(TSupplyRec, FiniteDraftSource, 0x303);
PUMPDRILL_FIELD_AT(TSupplyRec, IntakePress, 0x308);
PUMPDRILL_FIELD_AT(TSupplyRec, SupplyFlow, 0x310);
PUMPDRILL_FIELD_AT(TSupplyRec, WaterTemp, 0x318);
PUMPDRILL_FIELD_AT(TSupplyRec, StaticPressNow, 0x320);
PUMPDRILL_FIELD_AT(TSupplyRec, StaticPress, 0x328);
PUMPDRILL_FIELD_AT(TSupplyRec, ResidualPress, 0x330);
PUMPDRILL_FIELD_AT(TSupplyRec, SupplyK, 0x338);
PUMPDRILL_FIELD_AT(TSupplyRec, SupplyEquivDiam, 0x340);
PUMPDRILL_FIELD_AT(TSupplyRec, RatedSupplyFlow, 0x348);
PUMPDRILL_FIELD_AT(TSupplyRec, TankEmpty, 0x350);
PUMPDRILL_FIELD_AT(TSupplyRec, ExternalUnavailable, 0x351);
PUMPDRILL_FIELD_AT(TSupplyRec, IntakeFloor, 0x358);
PUMPDRILL_FIELD_AT(TSupplyRec, SupplyAdequate, 0x360);
PUMPDRILL_FIELD_AT(TSupplyRec, Altitude, 0x368);

PUMPDRILL_PLAIN_RECORD(TTankRec, 928);
PUMPDRILL_FIELD_AT(TTankRec, Capacity, 0x300);
PUMPDRILL_FIELD_AT(TTankRec, Spare308, 0x308);
PUMPDRILL_FIELD_AT(TTankRec, Spare310, 0x310);
PUMPDRILL_FIELD_AT(TTankRec, TankHeadPress, 0x318);
PUMPDRILL_FIELD_AT(TTankRec, InitialVolume, 0x320);
PUMPDRILL_FIELD_AT(TTankRec, Volume, 0x328);
PUMPDRILL_FIELD_AT(TTankRec, Height, 0x330);
PUMPDRILL_FIELD_AT(TTankRec, Spare338, 0x338);
PUMPDRILL_FIELD_AT(TTankRec, BaseArea, 0x340);
PUMPDRILL_FIELD_AT(TTankRec, Spare348, 0x348);
PUMPDRILL_FIELD_AT(TTankRec, LevelState, 0x360);
PUMPDRILL_FIELD_AT(TTankRec, LevelStateShown, 0x361);
PUMPDRILL_FIELD_AT(TTankRec, Level1Fraction, 0x368);
PUMPDRILL_FIELD_AT(TTankRec, Level2Fraction, 0x370);
PUMPDRILL_FIELD_AT(TTankRec, Level3Fraction, 0x378);
PUMPDRILL_FIELD_AT(TTankRec, Level4Fraction, 0x380);
PUMPDRILL_FIELD_AT(TTankRec, WaterDepth, 0x398);

PUMPDRILL_PLAIN_RECORD(TDraftSourceRec, 40);
PUMPDRILL_FIELD_AT(TDraftSourceRec, Spare08, 0x08);
PUMPDRILL_FIELD_AT(TDraftSourceRec, Volume, 0x10);
PUMPDRILL_FIELD_AT(TDraftSourceRec, StartFull, 0x18);
PUMPDRILL_FIELD_AT(TDraftSourceRec, Spare20, 0x20);

PUMPDRILL_PLAIN_RECORD(TTenderRec, 56);
PUMPDRILL_FIELD_AT(TTenderRec, FirstCallTime, 0x08);
PUMPDRILL_FIELD_AT(TTenderRec, RoundTripTime, 0x10);
PUMPDRILL_FIELD_AT(TTenderRec, NextArrival, 0x18);
PUMPDRILL_FIELD_AT(TTenderRec, Spare20, 0x20);
PUMPDRILL_FIELD_AT(TTenderRec, Spare28, 0x28);
PUMPDRILL_FIELD_AT(TTenderRec, TenderCapacity, 0x30);

}  // namespace pumpdrill
