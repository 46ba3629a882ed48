// The foam system fitted to the panel: its settings travel with the panel
// file, and the simulation keeps the concentrate it draws in the same
// record. Not stored in Evolution files; the layout is kept at its fixed
// size, and the panel's remaining foam items take their place in the
// reserved bytes.
#pragma once

#include "sim/record_layout.h"
#include "sim/types.h"

namespace pumpdrill {

// Foam system types (SYS_TYPE).
enum FoamSystemType : Byte {
  kFoamNone = 0,
  kFoamBalancedPressure = 1,
  kFoamDirectInjection = 2,
  kFoamInLineEductor = 3,
};

// Foam tank switch positions (FoamTankSelect).
enum FoamTankPosition : Byte {
  kFoamTankA = 0,
  kFoamTankB = 1,
  kFoamFlush = 2,  // no concentrate drawn
};

PUMPDRILL_RECORDS_BEGIN

struct TFoamSetupRec {
  Byte SYS_TYPE{};            // 000 FoamSystemType
  Byte FoamTankSelect{};      // 001 FoamTankPosition
  Boolean FoamLow{};          // 002 the selected tank holds less than a tenth of TANK_CAP
  Boolean PROP_SEL{};         // 003 the proportioner is placed on the panel
  Byte PropDisplayMode{};     // 004 what the proportioner's display shows; 0 is its first mode
  Pad<3> Pad005{};
  Double TANK_CAP{};          // 008 capacity of one foam tank, gal
  Double FoamTankA{};         // 010 concentrate left in tank A, gal
  Double FoamTankB{};         // 018 concentrate left in tank B, gal
  Double FoamFraction{};      // 020 concentrate per gallon of water
  Double FoamWaterTotal{};    // 028 water pumped this run while the system was active, gal
  Double FoamUsed{};          // 030 concentrate drawn this run, gal
  Pad<456> Reserved038{};     // 038 the panel's further foam items
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TFoamSetupRec, 512);
PUMPDRILL_FIELD_AT(TFoamSetupRec, PropDisplayMode, 0x004);
PUMPDRILL_FIELD_AT(TFoamSetupRec, TANK_CAP, 0x008);
PUMPDRILL_FIELD_AT(TFoamSetupRec, FoamUsed, 0x030);
PUMPDRILL_FIELD_AT(TFoamSetupRec, Reserved038, 0x038);

}  // namespace pumpdrill
