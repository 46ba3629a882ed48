// The foam system fitted to the panel: its settings travel with the panel
// file, and the simulation keeps the concentrate it draws in the same
// record, with the foam controls' positions. Not stored in Evolution
// files; the layout is kept at its fixed size.
#pragma once

#include "sim/line_set.h"
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
  Double EDU_INLET_PSI{};     // 038 eductor rated inlet pressure, psi
  Double EDU_RATED_GPM{};     // 040 eductor flow rating, gpm
  Double EDU_PSI_LOSS{};      // 048 eductor pressure drop at rated flow, psi
  Byte NR_TANKS{};            // 050 number of foam tanks, 1 or 2
  Boolean USE_CAFS{};         // 051 compressed-air foam fitted
  Byte CTRL_MFG{};            // 052 control manufacturer code
  Byte TK_SW_TYPE{};          // 053 tank switch: 0 manual, 1 electronic / toggle
  Boolean TK_SW_SEL{};        // 054 the tank switch is placed on the panel
  Byte PROP_TYPE{};           // 055 proportioner: 0 manual, 1 electronic
  Byte PCT_RANGE{};           // 056 foam percent range code (the key %_RANGE)
  Boolean CAFS_ON_OFF_SEL{};  // 057 the compressed-air on/off switch is placed
  Boolean CAFS_MODE_SEL{};    // 058 the compressed-air mode switch is placed
  Pad<1> Pad059{};
  SmallInt TK_SW_TOP{};                    // 05A positions in layout pixels
  SmallInt TK_SW_LEFT{};                   // 05C
  SmallInt PROP_TOP{};                     // 05E
  SmallInt PROP_LEFT{};                    // 060
  SmallInt CAFS_ON_OFF_TOP{};              // 062
  SmallInt CAFS_ON_OFF_LEFT{};             // 064
  SmallInt CAFS_MODE_TOP{};                // 066
  SmallInt CAFS_MODE_LEFT{};               // 068
  LineSet FOAM_LINES{};                    // 06A lines 1 to 15 that can flow foam
  LineSet CAFS_AIR_V_SEL{};                // 06C lines 1 to 15 with a compressed-air valve
  Array1<SmallInt, 15> CAFS_AIR_V_TOP{};   // 06E air valve of line n
  Array1<SmallInt, 15> CAFS_AIR_V_LEFT{};  // 08C
  // The controls as the trainee left them; reset at each initialisation.
  Byte PropLever{};                        // 0AA proportioner: 0 lever down / off, 1 up / on
  Boolean CafsAirOn{};                     // 0AB compressed air on
  Byte CafsMode{};                         // 0AC compressed-air mode: 0 left, 1 right
  Pad<3> Pad0AD{};
  Array1<Double, 15> CafsAirValve{};       // 0B0 air valve opening of line n, 0 shut to 1 open
  Double FoamPercentSet{};                 // 128 proportioner setting, percent
  Pad<208> Reserved130{};                  // 130
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TFoamSetupRec, 512);
PUMPDRILL_FIELD_AT(TFoamSetupRec, PropDisplayMode, 0x004);
PUMPDRILL_FIELD_AT(TFoamSetupRec, TANK_CAP, 0x008);
PUMPDRILL_FIELD_AT(TFoamSetupRec, FoamUsed, 0x030);
PUMPDRILL_FIELD_AT(TFoamSetupRec, EDU_INLET_PSI, 0x038);
PUMPDRILL_FIELD_AT(TFoamSetupRec, NR_TANKS, 0x050);
PUMPDRILL_FIELD_AT(TFoamSetupRec, CAFS_MODE_SEL, 0x058);
PUMPDRILL_FIELD_AT(TFoamSetupRec, TK_SW_TOP, 0x05A);
PUMPDRILL_FIELD_AT(TFoamSetupRec, CAFS_MODE_LEFT, 0x068);
PUMPDRILL_FIELD_AT(TFoamSetupRec, FOAM_LINES, 0x06A);
PUMPDRILL_FIELD_AT(TFoamSetupRec, CAFS_AIR_V_SEL, 0x06C);
PUMPDRILL_FIELD_AT(TFoamSetupRec, CAFS_AIR_V_TOP, 0x06E);
PUMPDRILL_FIELD_AT(TFoamSetupRec, CAFS_AIR_V_LEFT, 0x08C);
PUMPDRILL_FIELD_AT(TFoamSetupRec, PropLever, 0x0AA);
PUMPDRILL_FIELD_AT(TFoamSetupRec, CafsAirOn, 0x0AB);
PUMPDRILL_FIELD_AT(TFoamSetupRec, CafsMode, 0x0AC);
PUMPDRILL_FIELD_AT(TFoamSetupRec, CafsAirValve, 0x0B0);
PUMPDRILL_FIELD_AT(TFoamSetupRec, FoamPercentSet, 0x128);
PUMPDRILL_FIELD_AT(TFoamSetupRec, Reserved130, 0x130);

}  // namespace pumpdrill
