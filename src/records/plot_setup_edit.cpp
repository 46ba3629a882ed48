#include "records/plot_setup_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "frame/text_values.h"

namespace pumpdrill {

namespace {

constexpr int kFixedRows = 4;
constexpr int kFixedRowLines[kFixedRows] = {kIntakeLine, kMasterLine, kTankFillLine, kTankToPumpLine};

struct FixedRowEntries {
  int flow;
  int pressure;
};
constexpr FixedRowEntries kFixedRowEntries[kFixedRows] = {
    {kEntrySupplyFlow, kEntryIntakePress},
    {kEntryTotalFlow, kEntryPumpPress},
    {kEntryTankFillFlow, kEntryTankFillPress},
    {kEntryTankToPumpFlow, kEntryTankToPumpPress},
};

int ClampedLineCount(int lineCount) { return std::clamp(lineCount, 0, kMaxDischarges); }

}  // namespace

int PlotGridRows(int lineCount) { return kFixedRows + ClampedLineCount(lineCount); }

int PlotGridRowLine(int row, int lineCount) {
  if (row < 1 || row > PlotGridRows(lineCount)) return 0;
  if (row <= kFixedRows) return kFixedRowLines[row - 1];
  return row - kFixedRows;
}

std::optional<int> PlotGridCellEntry(int row, int column, int lineCount) {
  if (row < 1 || row > PlotGridRows(lineCount)) return std::nullopt;
  if (row <= kFixedRows) {
    const FixedRowEntries& e = kFixedRowEntries[row - 1];
    if (column == kGridFlow) return e.flow;
    if (column == kGridPressure) return e.pressure;
    return std::nullopt;
  }
  const int line = row - kFixedRows;
  switch (column) {
    case kGridFlow: return EntryLineFlow(line);
    case kGridPressure: return EntryDischPress(line);
    case kGridNozzlePress: return EntryNozzlePress(line);
    default: return std::nullopt;
  }
}

double StoredSampleInterval(double entered) {
  if (!std::isfinite(entered)) return kMinSampleInterval;
  return std::max(entered, kMinSampleInterval);
}

double StoredPageLength(double entered) {
  if (!std::isfinite(entered)) return kMinPageLength;
  return std::max(entered, kMinPageLength);
}

double RecordingMBytesPer10Minutes(double enteredInterval) {
  return 10 * 60 / StoredSampleInterval(enteredInterval) * kSampleMBytes;
}

std::string RecordingEstimateText(double enteredInterval) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5g", RecordingMBytesPer10Minutes(enteredInterval));
  return std::string(text) + "  MBytes";
}

bool PlotLimitsAcceptable(double min, double max) {
  return std::isfinite(min) && std::isfinite(max) && min < max;
}

std::optional<double> PlotSetupNumber(const std::string& text) { return TryReadNumber(text); }

std::string PlotSetupNumberText(double value) {
  const double rounded = std::round(value * 100) / 100;
  return NumberText(rounded == 0 ? 0.0 : rounded);
}

void ApplyPlotSetupEdits(TPlotSetupRec& target, const TPlotSetupRec& edited) {
  for (int i = 0; i < kPlotEntryCount; ++i) {
    TPlotEntryRec& t = target.Entries[i];
    const TPlotEntryRec& e = edited.Entries[i];
    t.Plot = e.Plot;
    t.Colour = e.Colour;
    t.Pattern = e.Pattern;
    t.Symbol = e.Symbol;
  }
  target.PressMin = edited.PressMin, target.PressMax = edited.PressMax;
  target.FlowMin = edited.FlowMin, target.FlowMax = edited.FlowMax;
  target.RpmMin = edited.RpmMin, target.RpmMax = edited.RpmMax;
  target.SampleInterval = edited.SampleInterval;
  target.PageLength = edited.PageLength;
  target.PlotTitle = edited.PlotTitle;
  target.Comments = edited.Comments;
}

PlotLimits EntryLimits(const TPlotSetupRec& ps, int entry) {
  if (entry < 0 || entry >= kPlotEntryCount) return {ps.PressMin, ps.PressMax};
  switch (ps.Entries[entry].UnitType) {
    case kPlotFlow: return {ps.FlowMin, ps.FlowMax};
    case kPlotEngineSpeed: return {ps.RpmMin, ps.RpmMax};
    default: return {ps.PressMin, ps.PressMax};
  }
}

std::string PlotEntryCaption(const TPlotSetupRec& ps, int entry) {
  if (entry < 0 || entry >= kPlotEntryCount) return {};
  const std::string name = ps.Entries[entry].Name.str();
  if (entry == kEntryEngineRpm) return name.empty() ? std::string("Engine Rpm") : name;
  const char* what = ps.Entries[entry].UnitType == kPlotFlow ? "flow" : "pressure";
  if (entry >= EntryNozzlePress(1) && entry <= EntryNozzlePress(kMaxDischarges)) what = "nozzle pressure";
  return name.empty() ? std::string(what) : name + " " + what;
}

}  // namespace pumpdrill
