#include "records/plot_setup.h"

namespace pumpdrill {

namespace {

struct EntryKind {
  SmallInt line;
  Byte unit;
};

// The line and unit type of each entry, in their order.
EntryKind KindOf(int entry) {
  switch (entry) {
    case kEntryIntakePress: return {kIntakeLine, kPlotPressure};
    case kEntrySupplyFlow: return {kIntakeLine, kPlotFlow};
    case kEntryPumpPress: return {kMasterLine, kPlotPressure};
    case kEntryTotalFlow: return {kMasterLine, kPlotFlow};
    case kEntryEngineRpm: return {kEngineSpeedLine, kPlotEngineSpeed};
    case kEntryTankFillPress: return {kTankFillLine, kPlotPressure};
    case kEntryTankFillFlow: return {kTankFillLine, kPlotFlow};
    case kEntryTankToPumpPress: return {kTankToPumpLine, kPlotPressure};
    case kEntryTankToPumpFlow: return {kTankToPumpLine, kPlotFlow};
    default: break;
  }
  if (entry >= EntryDischPress(1) && entry <= EntryDischPress(kMaxDischarges))
    return {static_cast<SmallInt>(entry - EntryDischPress(0)), kPlotPressure};
  if (entry >= EntryNozzlePress(1) && entry <= EntryNozzlePress(kMaxDischarges))
    return {static_cast<SmallInt>(entry - EntryNozzlePress(0)), kPlotPressure};
  return {static_cast<SmallInt>(entry - EntryLineFlow(0)), kPlotFlow};
}

void NameAfterLine(TPlotEntryRec& e, const State& s) {
  if (e.Line == kEngineSpeedLine)
    e.Name = "Engine Rpm";
  else if (e.Line >= 1 && e.Line <= kLineCount)
    e.Name = s.DischargeList.LineTitle[e.Line].view();
}

}  // namespace

void ResetPlotEntry(TPlotEntryRec& e, const State& s) {
  e.Plot = 0;
  e.Pattern = 0;
  e.Colour = 0;
  e.Symbol = 0;
  e.Field44 = 0;
  e.Field48 = 0;
  NameAfterLine(e, s);
}

void NameEntriesAfterLines(TPlotSetupRec& ps, const State& s) {
  for (TPlotEntryRec& e : ps.Entries) NameAfterLine(e, s);
}

TPlotSetupRec DefaultPlotSetup(const State& s) {
  TPlotSetupRec ps{};
  ps.PageLength = 60;
  ps.PageStart = 0;
  ps.SampleInterval = 1;
  ps.NextSampleTime = 0;
  ps.SampleNumber = 1;
  ps.PageCount = 1;
  ps.PageFlushed = 0;
  ps.PageCounter1AE = 1;
  ps.PageCounter1B0 = 1;
  ps.Flag1D0 = 1;
  ps.PressMin = 0;
  ps.PressMax = 600;
  ps.FlowMin = 0;
  ps.FlowMax = 1750;
  ps.RpmMin = s.Engine.IdleRpm;
  ps.RpmMax = s.Engine.IdleRpm + 3000;
  for (int i = 0; i < kPlotEntryCount; ++i) {
    TPlotEntryRec& e = ps.Entries[i];
    const EntryKind kind = KindOf(i);
    e.Line = kind.line;
    e.UnitType = kind.unit;
    ResetPlotEntry(e, s);
  }
  ps.Entries[kEntryPumpPress].Plot = 1;
  ps.Entries[kEntryPumpPress].Colour = 0x800000;  // navy
  ps.Entries[kEntryTotalFlow].Plot = 1;
  ps.Entries[kEntryTotalFlow].Colour = 0x008000;  // green
  ps.Entries[kEntryTotalFlow].Pattern = 2;
  return ps;
}

TDataSampleRec TakeSample(const State& s, Double time, int slot) {
  TDataSampleRec d{};
  d.Slot = static_cast<SmallInt>(slot);
  d.Time = time;
  d.TotalFlow = s.PumpOutput.TotalFlow;
  d.PumpPress = s.PumpOutput.DischargePress;
  d.EngineRpm = s.Engine.Rpm;
  // Lines above LineCount are recorded like the others.
  for (int n = 1; n <= kMaxDischarges; ++n) {
    const TDischargeRec& line = s.Discharges[n];
    d.Lines[n - 1] = {line.Flow, line.DischPress, line.NozzlePress};
  }
  d.TankFillFlow = s.Discharges[kTankFillLine].Flow;
  d.TankFillPress = s.Discharges[kTankFillLine].DischPress;
  d.TankToPumpFlow = s.Discharges[kTankToPumpLine].Flow;
  d.TankToPumpPress = s.Discharges[kTankToPumpLine].DischPress;
  d.SupplyFlow = s.Supply.SupplyFlow;
  d.IntakePress = s.Supply.IntakePress;
  return d;
}

Double EntryValue(const TDataSampleRec& d, int entry) {
  switch (entry) {
    case kEntryIntakePress: return d.IntakePress;
    case kEntrySupplyFlow: return d.SupplyFlow;
    case kEntryPumpPress: return d.PumpPress;
    case kEntryTotalFlow: return d.TotalFlow;
    case kEntryEngineRpm: return d.EngineRpm;
    case kEntryTankFillPress: return d.TankFillPress;
    case kEntryTankFillFlow: return d.TankFillFlow;
    case kEntryTankToPumpPress: return d.TankToPumpPress;
    case kEntryTankToPumpFlow: return d.TankToPumpFlow;
    default: break;
  }
  if (entry < 0 || entry >= kPlotEntryCount) return 0;
  const EntryKind kind = KindOf(entry);
  const TDataSampleLine& line = d.Lines[kind.line - 1];
  if (entry <= EntryDischPress(kMaxDischarges)) return line.DischPress;
  if (entry <= EntryNozzlePress(kMaxDischarges)) return line.NozzlePress;
  return line.Flow;
}

}  // namespace pumpdrill
