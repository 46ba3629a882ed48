// One hose line of the pump (lines 1 to 19): valve, hose layout, shut-off
// and nozzle, with the coefficients and results of the line solution.
// Flows in gpm unless marked cfs; loss coefficients (K) in feet of head per
// cfs squared; lengths, heights and diameters in feet.
#pragma once

#include "sim/record_layout.h"
#include "sim/types.h"

namespace pumpdrill {

PUMPDRILL_RECORDS_BEGIN

struct TDischargeRec {
  ShortString Name{};              // 000 spare text
  ShortString Descr{};             // 100 spare text
  Double ValveDiam{};              // 200 discharge valve bore
  Double ValveK{};                 // 208 valve loss coefficient
  Double ValveDiam4{};             // 210 ValveDiam to the fourth power
  Double DischPress{};             // 218 discharge gauge pressure, psi
  Double ValveOpen{};              // 220 0 shut .. 1 full open
  Boolean ValveShut{};             // 228 ValveOpen <= 0
  Pad<7> Pad229{};
  Double ValveLoss{};              // 230 head loss across the valve, ft
  Boolean LineBurst{};             // 238 open at the valve: only the valve limits flow
  Byte Layout{};                   // 239 0 single, 1 siamese, 2 wye
  Pad<6> Pad23A{};
  Double HoseLength{};             // 240 (trunk) hose length
  Double HoseC{};                  // 248 Hazen-Williams C
  Double HoseDiam{};               // 250 hose inside diameter
  Double HoseDiamSet{};            // 258 diameter chosen in the hose setup
  Double Spare260{};               // 260
  Byte HoseKind{};                 // 268 0 hose, 1 hard pipe, 2 hard suction
  Pad<7> Pad269{};
  Double HoseLoss{};               // 270 trunk friction loss, ft
  Boolean Trapped{};               // 278 valve and nozzle shut under pressure
  Pad<7> Pad279{};
  Double TrappedPress{};           // 280 pressure held in the shut line, psi
  Double HoseK{};                  // 288 trunk hose loss coefficient
  Array1<SmallInt, 3> Partner{};   // 290 siamese: [1] this line, [2] the other
  Pad<2> Pad296{};
  Array1<Double, 3> BranchDiam{};  // 298 siamese supply hoses or wye branches
  Array1<Double, 3> BranchLength{};  // 2B0
  Array1<Double, 3> BranchK{};     // 2C8
  Array1<Double, 3> BranchFlow{};  // 2E0 siamese supply hose flows, cfs
  Double ShutoffDiam{};            // 2F8 nozzle shut-off bore
  Double ShutoffDiam4{};           // 300
  Double ShutoffK{};               // 308
  Double NozzlePress{};            // 310 nozzle pressure, psi
  Double ShutoffLoss{};            // 318 head loss across the shut-off, ft
  Double NozzleOpen{};             // 320 0 shut .. 1 open
  Boolean NozzleShut{};            // 328 NozzleOpen <= 0
  Boolean NozzleOperable{};        // 329 can be opened from the nozzle roll
  Pad<6> Pad32A{};
  Double NozzleK{};                // 330 tip loss coefficient
  Double TipDiam{};                // 338 tip bore
  Double NozzleRatedPress{};       // 340 nozzle design pressure, psi
  Byte NozzleType{};               // 348 0 smooth bore, 1 fog, 2 automatic, 3 gallonage, 4 none
  Byte MasterKind{};               // 349 0 deck gun, 1 portable monitor, 2 elevated
  Boolean IsMaster{};              // 34A master stream device
  ShortString NozzleName{};        // 34B nozzle description
  Pad<5> Pad44B{};
  Double NozzleCd{};               // 450 discharge coefficient of the tip
  Array1<SmallInt, 5> GpmSetting{};  // 458 selectable flows, gpm
  SmallInt GpmIndex{};             // 462 selected GpmSetting
  SmallInt AutoGpmMin{};           // 464 automatic nozzle flow range, gpm
  SmallInt AutoGpmMax{};           // 466
  Double Flow{};                   // 468 line flow, gpm
  Double SnapshotFlow{};           // 470 Flow at the last water-hammer snapshot
  Double Spare478{};               // 478
  Double PumpEndElev{};            // 480 elevation of the pump end
  Double NozzleElev{};             // 488 elevation of the nozzle (or source)
  Double ElevDiff{};               // 490 elevation head the line works against
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TDischargeRec, 1176);
PUMPDRILL_FIELD_AT(TDischargeRec, Descr, 0x100);
PUMPDRILL_FIELD_AT(TDischargeRec, ValveDiam, 0x200);
PUMPDRILL_FIELD_AT(TDischargeRec, ValveK, 0x208);
PUMPDRILL_FIELD_AT(TDischargeRec, ValveDiam4, 0x210);
PUMPDRILL_FIELD_AT(TDischargeRec, DischPress, 0x218);
PUMPDRILL_FIELD_AT(TDischargeRec, ValveOpen, 0x220);
PUMPDRILL_FIELD_AT(TDischargeRec, ValveShut, 0x228);
PUMPDRILL_FIELD_AT(TDischargeRec, ValveLoss, 0x230);
PUMPDRILL_FIELD_AT(TDischargeRec, LineBurst, 0x238);
PUMPDRILL_FIELD_AT(TDischargeRec, Layout, 0x239);
PUMPDRILL_FIELD_AT(TDischargeRec, HoseLength, 0x240);
PUMPDRILL_FIELD_AT(TDischargeRec, HoseC, 0x248);
PUMPDRILL_FIELD_AT(TDischargeRec, HoseDiam, 0x250);
PUMPDRILL_FIELD_AT(TDischargeRec, HoseDiamSet, 0x258);
PUMPDRILL_FIELD_AT(TDischargeRec, Spare260, 0x260);
PUMPDRILL_FIELD_AT(TDischargeRec, HoseKind, 0x268);
PUMPDRILL_FIELD_AT(TDischargeRec, HoseLoss, 0x270);
PUMPDRILL_FIELD_AT(TDischargeRec, Trapped, 0x278);
PUMPDRILL_FIELD_AT(TDischargeRec, TrappedPress, 0x280);
PUMPDRILL_FIELD_AT(TDischargeRec, HoseK, 0x288);
PUMPDRILL_FIELD_AT(TDischargeRec, Partner, 0x290);
PUMPDRILL_FIELD_AT(TDischargeRec, BranchDiam, 0x298);
PUMPDRILL_FIELD_AT(TDischargeRec, BranchLength, 0x2B0);
PUMPDRILL_FIELD_AT(TDischargeRec, BranchK, 0x2C8);
PUMPDRILL_FIELD_AT(TDischargeRec, BranchFlow, 0x2E0);
PUMPDRILL_FIELD_AT(TDischargeRec, ShutoffDiam, 0x2F8);
PUMPDRILL_FIELD_AT(TDischargeRec, ShutoffDiam4, 0x300);
PUMPDRILL_FIELD_AT(TDischargeRec, ShutoffK, 0x308);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzlePress, 0x310);
PUMPDRILL_FIELD_AT(TDischargeRec, ShutoffLoss, 0x318);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzleOpen, 0x320);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzleShut, 0x328);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzleOperable, 0x329);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzleK, 0x330);
PUMPDRILL_FIELD_AT(TDischargeRec, TipDiam, 0x338);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzleRatedPress, 0x340);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzleType, 0x348);
PUMPDRILL_FIELD_AT(TDischargeRec, MasterKind, 0x349);
PUMPDRILL_FIELD_AT(TDischargeRec, IsMaster, 0x34A);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzleName, 0x34B);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzleCd, 0x450);
PUMPDRILL_FIELD_AT(TDischargeRec, GpmSetting, 0x458);
PUMPDRILL_FIELD_AT(TDischargeRec, GpmIndex, 0x462);
PUMPDRILL_FIELD_AT(TDischargeRec, AutoGpmMin, 0x464);
PUMPDRILL_FIELD_AT(TDischargeRec, AutoGpmMax, 0x466);
PUMPDRILL_FIELD_AT(TDischargeRec, Flow, 0x468);
PUMPDRILL_FIELD_AT(TDischargeRec, SnapshotFlow, 0x470);
PUMPDRILL_FIELD_AT(TDischargeRec, Spare478, 0x478);
PUMPDRILL_FIELD_AT(TDischargeRec, PumpEndElev, 0x480);
PUMPDRILL_FIELD_AT(TDischargeRec, NozzleElev, 0x488);
PUMPDRILL_FIELD_AT(TDischargeRec, ElevDiff, 0x490);

}  // namespace pumpdrill
