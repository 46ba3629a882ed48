// The records of a data file: the plot setup (the chart's settings and the
// recording counters, which is also the file's header) and the sample the
// recording takes of the pump and every line. Both are stored byte for
// byte; unnamed bytes are kept as read and written with their defaults.
#pragma once

#include "sim/record_layout.h"
#include "sim/state.h"
#include "sim/types.h"

namespace pumpdrill {

// What a plotted quantity is measured in.
enum PlotUnitType : Byte { kPlotPressure = 0, kPlotFlow = 1, kPlotEngineSpeed = 2 };

// Line number of the engine speed entry.
inline constexpr SmallInt kEngineSpeedLine = -1;

PUMPDRILL_RECORDS_BEGIN

// One plottable quantity and how the chart draws it.
struct TPlotEntryRec {
  ShortStringN<20> Name{};   // 00 the line's title
  Pad<1> Pad15{};
  SmallInt Line{};           // 16 line number; -1 for the engine speed
  Boolean Plot{};            // 18 drawn on the chart
  Byte UnitType{};           // 19 PlotUnitType
  Pad<30> Unnamed1A{};       // 1A
  Byte Pattern{};            // 38 line pattern
  Pad<3> Pad39{};
  std::uint32_t Colour{};    // 3C 0x00BBGGRR
  Byte Symbol{};             // 40
  Pad<3> Pad41{};
  Integer Field44{};         // 44
  Integer Field48{};         // 48
  Pad<4> Pad4C{};
};

// How many entries the plot setup holds, and where each quantity's is.
inline constexpr int kPlotEntryCount = 54;
inline constexpr int kEntryIntakePress = 0;
inline constexpr int kEntrySupplyFlow = 1;
inline constexpr int kEntryPumpPress = 2;
inline constexpr int kEntryTotalFlow = 3;
inline constexpr int kEntryEngineRpm = 4;
inline constexpr int EntryDischPress(int line) { return 4 + line; }   // lines 1..15
inline constexpr int EntryNozzlePress(int line) { return 19 + line; }
inline constexpr int EntryLineFlow(int line) { return 34 + line; }
inline constexpr int kEntryTankFillPress = 50;
inline constexpr int kEntryTankFillFlow = 51;
inline constexpr int kEntryTankToPumpPress = 52;
inline constexpr int kEntryTankToPumpFlow = 53;

struct TPlotSetupRec {
  ShortStringN<32> PlotTitle{};      // 000
  ShortStringN<32> OperatorName{};   // 021
  ShortStringN<16> RecordDate{};     // 042
  ShortStringN<16> RecordTime{};     // 053 "hh:mm AM/PM"
  ShortStringN<32> EvolutionName{};  // 064
  ShortStringN<255> Comments{};      // 085
  Pad<3> Pad185{};
  Double PageLength{};               // 188 simulated seconds on one chart page
  SmallInt PageStart{};              // 190 s, stored clamped
  Pad<6> Pad192{};
  Double SampleInterval{};           // 198 s
  Double NextSampleTime{};           // 1A0 s; 1e7 while recording is off
  SmallInt SampleNumber{};           // 1A8 next sample's running number, stored clamped
  SmallInt PageCount{};              // 1AA slot of the next sample, 1 to 125
  SmallInt PageFlushed{};            // 1AC last slot already in the file
  SmallInt PageCounter1AE{};         // 1AE
  SmallInt PageCounter1B0{};         // 1B0
  Pad<30> Unnamed1B2{};              // 1B2
  Boolean Flag1D0{};                 // 1D0
  Pad<55> Unnamed1D1{};              // 1D1
  Double PressMin{}, PressMax{};     // 208 psi
  Double FlowMin{}, FlowMax{};       // 218 gpm
  Double RpmMin{}, RpmMax{};         // 228
  TPlotEntryRec Entries[kPlotEntryCount]{};  // 238
};

// One sample of the pump and every line.
struct TDataSampleLine {
  Double Flow{};         // gpm
  Double DischPress{};   // psi
  Double NozzlePress{};  // psi
};

struct TDataSampleRec {
  SmallInt Slot{};            // 000 slot in its page
  Pad<6> Pad002{};
  Double Time{};              // 008 SimClock.Time; -1 marks an unused slot
  Double TotalFlow{};         // 010 gpm
  Double PumpPress{};         // 018 psi
  Double EngineRpm{};         // 020
  TDataSampleLine Lines[kMaxDischarges]{};  // 028 line n at 010 + 24 n
  Double TankFillFlow{};      // 190
  Double TankFillPress{};     // 198
  Double TankToPumpFlow{};    // 1A0
  Double TankToPumpPress{};   // 1A8
  Double SupplyFlow{};        // 1B0
  Double IntakePress{};       // 1B8
};

PUMPDRILL_RECORDS_END

PUMPDRILL_PLAIN_RECORD(TPlotEntryRec, 80);
PUMPDRILL_FIELD_AT(TPlotEntryRec, Line, 0x16);
PUMPDRILL_FIELD_AT(TPlotEntryRec, Plot, 0x18);
PUMPDRILL_FIELD_AT(TPlotEntryRec, UnitType, 0x19);
PUMPDRILL_FIELD_AT(TPlotEntryRec, Pattern, 0x38);
PUMPDRILL_FIELD_AT(TPlotEntryRec, Colour, 0x3C);
PUMPDRILL_FIELD_AT(TPlotEntryRec, Symbol, 0x40);
PUMPDRILL_FIELD_AT(TPlotEntryRec, Field44, 0x44);
PUMPDRILL_FIELD_AT(TPlotEntryRec, Field48, 0x48);

PUMPDRILL_PLAIN_RECORD(TPlotSetupRec, 4888);
PUMPDRILL_FIELD_AT(TPlotSetupRec, OperatorName, 0x021);
PUMPDRILL_FIELD_AT(TPlotSetupRec, RecordDate, 0x042);
PUMPDRILL_FIELD_AT(TPlotSetupRec, RecordTime, 0x053);
PUMPDRILL_FIELD_AT(TPlotSetupRec, EvolutionName, 0x064);
PUMPDRILL_FIELD_AT(TPlotSetupRec, Comments, 0x085);
PUMPDRILL_FIELD_AT(TPlotSetupRec, PageLength, 0x188);
PUMPDRILL_FIELD_AT(TPlotSetupRec, PageStart, 0x190);
PUMPDRILL_FIELD_AT(TPlotSetupRec, SampleInterval, 0x198);
PUMPDRILL_FIELD_AT(TPlotSetupRec, NextSampleTime, 0x1A0);
PUMPDRILL_FIELD_AT(TPlotSetupRec, SampleNumber, 0x1A8);
PUMPDRILL_FIELD_AT(TPlotSetupRec, PageCount, 0x1AA);
PUMPDRILL_FIELD_AT(TPlotSetupRec, PageFlushed, 0x1AC);
PUMPDRILL_FIELD_AT(TPlotSetupRec, PageCounter1AE, 0x1AE);
PUMPDRILL_FIELD_AT(TPlotSetupRec, PageCounter1B0, 0x1B0);
PUMPDRILL_FIELD_AT(TPlotSetupRec, Flag1D0, 0x1D0);
PUMPDRILL_FIELD_AT(TPlotSetupRec, PressMin, 0x208);
PUMPDRILL_FIELD_AT(TPlotSetupRec, FlowMin, 0x218);
PUMPDRILL_FIELD_AT(TPlotSetupRec, RpmMin, 0x228);
PUMPDRILL_FIELD_AT(TPlotSetupRec, RpmMax, 0x230);
PUMPDRILL_FIELD_AT(TPlotSetupRec, Entries, 0x238);

PUMPDRILL_PLAIN_RECORD(TDataSampleLine, 24);
PUMPDRILL_PLAIN_RECORD(TDataSampleRec, 448);
PUMPDRILL_FIELD_AT(TDataSampleRec, Time, 0x008);
PUMPDRILL_FIELD_AT(TDataSampleRec, TotalFlow, 0x010);
PUMPDRILL_FIELD_AT(TDataSampleRec, PumpPress, 0x018);
PUMPDRILL_FIELD_AT(TDataSampleRec, EngineRpm, 0x020);
PUMPDRILL_FIELD_AT(TDataSampleRec, Lines, 0x028);
PUMPDRILL_FIELD_AT(TDataSampleRec, TankFillFlow, 0x190);
PUMPDRILL_FIELD_AT(TDataSampleRec, TankFillPress, 0x198);
PUMPDRILL_FIELD_AT(TDataSampleRec, TankToPumpFlow, 0x1A0);
PUMPDRILL_FIELD_AT(TDataSampleRec, TankToPumpPress, 0x1A8);
PUMPDRILL_FIELD_AT(TDataSampleRec, SupplyFlow, 0x1B0);
PUMPDRILL_FIELD_AT(TDataSampleRec, IntakePress, 0x1B8);

inline constexpr Double kUnusedSlotTime = -1.0;

// The plot setup of a new program: the chart's limits (engine speed from
// the engine's idle speed), a 1 s interval, a 60 s page, the master
// pressure and total flow drawn, every entry named after its line.
TPlotSetupRec DefaultPlotSetup(const State& s);

// Names every entry after its line's title (the engine speed "Engine Rpm").
void NameEntriesAfterLines(TPlotSetupRec& ps, const State& s);

// Clears an entry's plot flag, pattern, colour, symbol and two fields and
// names it after its line.
void ResetPlotEntry(TPlotEntryRec& e, const State& s);

// The sample of the present state at time, for page slot.
TDataSampleRec TakeSample(const State& s, Double time, int slot);

// The value an entry plots from a sample (its quantity by its place in the
// plot setup).
Double EntryValue(const TDataSampleRec& sample, int entry);

}  // namespace pumpdrill
