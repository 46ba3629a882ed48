// The pump, its position and cavitation state, the engine, the pressure
// control and primer, and the pump's output. Pressures in psi, speeds in
// RPM, temperatures in degrees Fahrenheit, times in seconds.
#pragma once

#include "sim/record_layout.h"
#include "sim/types.h"

namespace pumpdrill {

PUMPDRILL_RECORDS_BEGIN

// The pump and the engine's gauges.
struct TPumpRec {
  ShortString Name{};               // 000
  ShortString Model{};              // 100
  ShortString Descr{};              // 200
  Double GearRatio{};               // 300 impeller speed / engine speed
  Double OilPressSet{};             // 308 oil pressure entered in the pump setup
  Double OilPress{};                // 310 oil pressure shown by the gauge
  Double OilWarnPress{};            // 318 oil warning light level
  Double CoolantTempSet{};          // 320 coolant temperature entered in the setup
  Double CoolantTemp{};             // 328 coolant temperature shown by the gauge
  Double CoolantWarnTemp{};         // 330 coolant warning light level
  Double NextTempUpdate{};          // 338 time of the next engine temperature step
  Double EngineHeat{};              // 340 internal temperature the coolant follows
  Boolean CoolFromTank{};           // 348 tank water counts as cooling water
  Boolean EngineTempModel{};        // 349 run the engine temperature model
  Byte EngineCooler{};              // 34A cooler switch: 1 on, 2 off
  Pad<5> Pad34B{};
  Double RatedFlow{};               // 350 rated capacity, gpm
  Byte TwoStage{};                  // 358 0 single-stage, 1 two-stage
  Pad<1> Pad359{};
  SmallInt StageMode{};             // 35A 1 pressure (series), 2 volume (parallel)
  Pad<4> Pad35C{};
  Double IdleImpellerRpm{};         // 360
  Double RatedImpellerRpm{};        // 368
  Double IdlePress{};               // 370 net pressure at idle and no flow
  Double IdlePressVolume{};         // 378
  Double Spare380{};                // 380
  Double Spare388{};                // 388
  Double Spare390{};                // 390
  Double Spare398{};                // 398
  Double PressPerRpm{};             // 3A0 psi per impeller RPM
  Double PressPerRpmVolume{};       // 3A8
  Double PressIntercept{};          // 3B0 intercept of the shut-off pressure line
  Double PressInterceptSeries{};    // 3B8
  Array1<Double, 2> PumpLossK{};    // 3C0 internal loss, psi per gpm squared
  Double Spare3D0{};                // 3D0
  Double Spare3D8{};                // 3D8
  Double FlowEfficiency{};          // 3E0 flow efficiency, a fraction
  Double Spare3E8{};                // 3E8
  Double Spare3F0{};                // 3F0
  Double Spare3F8{};                // 3F8
  Double Spare400{};                // 400
  Double Spare408{};                // 408
  Boolean PrimeNeedsClosedValves{}; // 410 priming requires every discharge valve shut
  Pad<7> Pad411{};
};

// The pump's position and cavitation state.
struct TPumpStatusRec {
  Double TankBottomElev{};          // 00 elevation of the tank outlet, ft
  Double PumpElev{};                // 08 pump centre line: datum of all elevations
  Double GaugeMaxPress{};           // 10 full scale of discharge and master gauges
  Double CompoundMinPress{};        // 18 bottom of the intake gauge
  Boolean Cavitating{};             // 20
  Boolean WaterAtPump{};            // 21
  Pad<6> Pad22{};
  Double CavitationStart{};         // 28 SimClock.Time when cavitation began
  Double CavitationTime{};          // 30 seconds of uninterrupted cavitation
  Double CavitationRatio{};         // 38 supply flow / demanded flow
  Double PressBeforeCavitation{};   // 40 pump pressure held while cavitating
  Boolean Primed{};                 // 48 the pump holds water
  Boolean PrimedBefore{};           // 49 Primed of the previous tick
  Pad<6> Pad4A{};
};

struct TEngineRec {
  ShortString Text1{};              // 000
  ShortString Text2{};              // 100
  ShortString Text3{};              // 200
  Double Rpm{};                     // 300 engine speed this tick
  Double RpmDemand{};               // 308 speed asked by throttle or governor
  Double IdleRpm{};                 // 310 lower limit of Rpm
  Double MinIdleRpm{};              // 318 lowest idle the pump setup accepts
  Double MaxRpm{};                  // 320 upper limit of Rpm
  Double Spare328{};                // 328
  Double Spare330{};                // 330
  Double SoundRefRpm{};             // 338 0.7 of it gives the highest engine pitch
  Double CavitationRpm{};           // 340 Rpm when cavitation began
};

// Relief valve, governor and primer.
struct TPumpControlRec {
  ShortString Text1{};              // 000
  ShortString Text2{};              // 100
  ShortString PanelFileName{};      // 200 panel file of this state, no directory
  Byte Spare300{};                  // 300
  Pad<1> Pad301{};
  Byte Spare302{};                  // 302
  Byte ReliefMode{};                // 303 1 relief valve in service, else off
  Pad<4> Pad304{};
  Double ReliefSetPress{};          // 308
  Double ReliefMinPress{};          // 310
  Double ReliefMaxPress{};          // 318
  Pad<2> Pad320{};
  Byte PressureControlMode{};       // 322 0 relief valve, 1 governor, 2 none
  Pad<1> Pad323{};
  Byte GovernorMode{};              // 324 0 pressure, 1 or 2 RPM
  Pad<3> Pad325{};
  Double GovernorSetPress{};        // 328 pressure set point
  Double GovernorPressInit{};       // 330 pressure preset
  Pad<8> Pad338{};
  Double GovernorSetRpm{};          // 340 RPM set point
  Double GovernorRpmInit{};         // 348 RPM preset
  Double Spare350{};                // 350
  Double GovernorPressBand{};       // 358 dead band of the pressure mode
  Double GovernorRpmBand{};         // 360 dead band of the RPM mode
  Double GovernorStep{};            // 368 last RPM correction
  Byte Spare370{};                  // 370
  Byte Spare371{};                  // 371
  Byte Spare372{};                  // 372
  Pad<1> Pad373{};
  Byte PrimerState{};               // 374 1 priming, 2 idle
  Pad<3> Pad375{};
  Double PrimeStart{};              // 378 SimClock.Time the primer was engaged
  Double PrimeTimeNeeded{};         // 380 seconds of priming needed
  Double Spare388{};                // 388
  Double PrimerRate{};              // 390 air removed per second, cubic feet
  Boolean PrimeLossArmed{};         // 398 the loss-of-prime timer runs
  Pad<7> Pad399{};
  Double PrimeLossAt{};             // 3A0 time at which prime is lost
  Double PrimeHoldTime{};           // 3A8 seconds prime holds without flow
  SmallInt PrimerOilPercent{};      // 3B0 primer oil reservoir, percent full
  Pad<6> Pad3B2{};
};

// Results of the line solution.
struct TPumpOutputRec {
  ShortString Text1{};              // 000
  ShortString Text2{};              // 100
  ShortString Text3{};              // 200
  Double DischargePress{};          // 300 pump discharge pressure, psi
  Double TotalFlow{};               // 308 sum of all line flows, gpm
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TPumpRec, 1048);
PUMPDRILL_FIELD_AT(TPumpRec, Model, 0x100);
PUMPDRILL_FIELD_AT(TPumpRec, Descr, 0x200);
PUMPDRILL_FIELD_AT(TPumpRec, GearRatio, 0x300);
PUMPDRILL_FIELD_AT(TPumpRec, OilPressSet, 0x308);
PUMPDRILL_FIELD_AT(TPumpRec, OilPress, 0x310);
PUMPDRILL_FIELD_AT(TPumpRec, OilWarnPress, 0x318);
PUMPDRILL_FIELD_AT(TPumpRec, CoolantTempSet, 0x320);
PUMPDRILL_FIELD_AT(TPumpRec, CoolantTemp, 0x328);
PUMPDRILL_FIELD_AT(TPumpRec, CoolantWarnTemp, 0x330);
PUMPDRILL_FIELD_AT(TPumpRec, NextTempUpdate, 0x338);
PUMPDRILL_FIELD_AT(TPumpRec, EngineHeat, 0x340);
PUMPDRILL_FIELD_AT(TPumpRec, CoolFromTank, 0x348);
PUMPDRILL_FIELD_AT(TPumpRec, EngineTempModel, 0x349);
PUMPDRILL_FIELD_AT(TPumpRec, EngineCooler, 0x34A);
PUMPDRILL_FIELD_AT(TPumpRec, RatedFlow, 0x350);
PUMPDRILL_FIELD_AT(TPumpRec, TwoStage, 0x358);
PUMPDRILL_FIELD_AT(TPumpRec, StageMode, 0x35A);
PUMPDRILL_FIELD_AT(TPumpRec, IdleImpellerRpm, 0x360);
PUMPDRILL_FIELD_AT(TPumpRec, RatedImpellerRpm, 0x368);
PUMPDRILL_FIELD_AT(TPumpRec, IdlePress, 0x370);
PUMPDRILL_FIELD_AT(TPumpRec, IdlePressVolume, 0x378);
PUMPDRILL_FIELD_AT(TPumpRec, Spare380, 0x380);
PUMPDRILL_FIELD_AT(TPumpRec, Spare388, 0x388);
PUMPDRILL_FIELD_AT(TPumpRec, Spare390, 0x390);
PUMPDRILL_FIELD_AT(TPumpRec, Spare398, 0x398);
PUMPDRILL_FIELD_AT(TPumpRec, PressPerRpm, 0x3A0);
PUMPDRILL_FIELD_AT(TPumpRec, PressPerRpmVolume, 0x3A8);
PUMPDRILL_FIELD_AT(TPumpRec, PressIntercept, 0x3B0);
PUMPDRILL_FIELD_AT(TPumpRec, PressInterceptSeries, 0x3B8);
PUMPDRILL_FIELD_AT(TPumpRec, PumpLossK, 0x3C0);
PUMPDRILL_FIELD_AT(TPumpRec, Spare3D0, 0x3D0);
PUMPDRILL_FIELD_AT(TPumpRec, FlowEfficiency, 0x3E0);
PUMPDRILL_FIELD_AT(TPumpRec, Spare408, 0x408);
PUMPDRILL_FIELD_AT(TPumpRec, PrimeNeedsClosedValves, 0x410);

PUMPDRILL_PLAIN_RECORD(TPumpStatusRec, 80);
PUMPDRILL_FIELD_AT(TPumpStatusRec, PumpElev, 0x08);
PUMPDRILL_FIELD_AT(TPumpStatusRec, GaugeMaxPress, 0x10);
PUMPDRILL_FIELD_AT(TPumpStatusRec, CompoundMinPress, 0x18);
PUMPDRILL_FIELD_AT(TPumpStatusRec, Cavitating, 0x20);
PUMPDRILL_FIELD_AT(TPumpStatusRec, WaterAtPump, 0x21);
PUMPDRILL_FIELD_AT(TPumpStatusRec, CavitationStart, 0x28);
PUMPDRILL_FIELD_AT(TPumpStatusRec, CavitationTime, 0x30);
PUMPDRILL_FIELD_AT(TPumpStatusRec, CavitationRatio, 0x38);
PUMPDRILL_FIELD_AT(TPumpStatusRec, PressBeforeCavitation, 0x40);
PUMPDRILL_FIELD_AT(TPumpStatusRec, Primed, 0x48);
PUMPDRILL_FIELD_AT(TPumpStatusRec, PrimedBefore, 0x49);

PUMPDRILL_PLAIN_RECORD(TEngineRec, 840);
PUMPDRILL_FIELD_AT(TEngineRec, Rpm, 0x300);
PUMPDRILL_FIELD_AT(TEngineRec, RpmDemand, 0x308);
PUMPDRILL_FIELD_AT(TEngineRec, IdleRpm, 0x310);
PUMPDRILL_FIELD_AT(TEngineRec, MinIdleRpm, 0x318);
PUMPDRILL_FIELD_AT(TEngineRec, MaxRpm, 0x320);
PUMPDRILL_FIELD_AT(TEngineRec, Spare328, 0x328);
PUMPDRILL_FIELD_AT(TEngineRec, Spare330, 0x330);
PUMPDRILL_FIELD_AT(TEngineRec, SoundRefRpm, 0x338);
PUMPDRILL_FIELD_AT(TEngineRec, CavitationRpm, 0x340);

PUMPDRILL_PLAIN_RECORD(TPumpControlRec, 952);
PUMPDRILL_FIELD_AT(TPumpControlRec, PanelFileName, 0x200);
PUMPDRILL_FIELD_AT(TPumpControlRec, Spare300, 0x300);
PUMPDRILL_FIELD_AT(TPumpControlRec, Spare302, 0x302);
PUMPDRILL_FIELD_AT(TPumpControlRec, ReliefMode, 0x303);
PUMPDRILL_FIELD_AT(TPumpControlRec, ReliefSetPress, 0x308);
PUMPDRILL_FIELD_AT(TPumpControlRec, ReliefMinPress, 0x310);
PUMPDRILL_FIELD_AT(TPumpControlRec, ReliefMaxPress, 0x318);
PUMPDRILL_FIELD_AT(TPumpControlRec, PressureControlMode, 0x322);
PUMPDRILL_FIELD_AT(TPumpControlRec, GovernorMode, 0x324);
PUMPDRILL_FIELD_AT(TPumpControlRec, GovernorSetPress, 0x328);
PUMPDRILL_FIELD_AT(TPumpControlRec, GovernorPressInit, 0x330);
PUMPDRILL_FIELD_AT(TPumpControlRec, GovernorSetRpm, 0x340);
PUMPDRILL_FIELD_AT(TPumpControlRec, GovernorRpmInit, 0x348);
PUMPDRILL_FIELD_AT(TPumpControlRec, Spare350, 0x350);
PUMPDRILL_FIELD_AT(TPumpControlRec, GovernorPressBand, 0x358);
PUMPDRILL_FIELD_AT(TPumpControlRec, GovernorRpmBand, 0x360);
PUMPDRILL_FIELD_AT(TPumpControlRec, GovernorStep, 0x368);
PUMPDRILL_FIELD_AT(TPumpControlRec, Spare370, 0x370);
PUMPDRILL_FIELD_AT(TPumpControlRec, Spare371, 0x371);
PUMPDRILL_FIELD_AT(TPumpControlRec, Spare372, 0x372);
PUMPDRILL_FIELD_AT(TPumpControlRec, PrimerState, 0x374);
PUMPDRILL_FIELD_AT(TPumpControlRec, PrimeStart, 0x378);
PUMPDRILL_FIELD_AT(TPumpControlRec, PrimeTimeNeeded, 0x380);
PUMPDRILL_FIELD_AT(TPumpControlRec, Spare388, 0x388);
PUMPDRILL_FIELD_AT(TPumpControlRec, PrimerRate, 0x390);
PUMPDRILL_FIELD_AT(TPumpControlRec, PrimeLossArmed, 0x398);
PUMPDRILL_FIELD_AT(TPumpControlRec, PrimeLossAt, 0x3A0);
PUMPDRILL_FIELD_AT(TPumpControlRec, PrimeHoldTime, 0x3A8);
PUMPDRILL_FIELD_AT(TPumpControlRec, PrimerOilPercent, 0x3B0);

PUMPDRILL_PLAIN_RECORD(TPumpOutputRec, 784);
PUMPDRILL_FIELD_AT(TPumpOutputRec, DischargePress, 0x300);
PUMPDRILL_FIELD_AT(TPumpOutputRec, TotalFlow, 0x308);

}  // namespace pumpdrill
