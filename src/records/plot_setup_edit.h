// What the plot setup window checks and stores: the parameter grid's cells
// and the entries they stand for, the sample interval and its file-size
// estimate, the page time, and the limit pairs.
#pragma once

#include <optional>
#include <string>

#include "records/plot_setup.h"

namespace pumpdrill {

// The columns of the parameter grid, after its header column.
enum PlotGridColumn : int { kGridFlow = 1, kGridPressure = 2, kGridNozzlePress = 3 };

// Rows after the header row: intake, master, tank fill, tank to pump, then
// lines 1 to lineCount.
int PlotGridRows(int lineCount);
// The line a grid row shows (18, 19, 16, 17, then 1 to lineCount); 0 for
// a row outside the grid.
int PlotGridRowLine(int row, int lineCount);
// The entry a cell stands for; nothing for the empty "Nz Press" cells of
// the first four rows and for cells outside the grid.
std::optional<int> PlotGridCellEntry(int row, int column, int lineCount);

inline constexpr const char* kPlotCellOn = "PLOT";
inline constexpr const char* kPlotCellOff = "   *   ";

// The least sample interval and page time stored.
inline constexpr double kMinSampleInterval = 0.25;
inline constexpr double kMinPageLength = 5.0;
// One 448-byte sample, in MBytes.
inline constexpr double kSampleMBytes = 0.0004375;

// The interval and the page time as they are stored from what was entered.
double StoredSampleInterval(double entered);
double StoredPageLength(double entered);

// MBytes one run fills in 10 minutes at the interval entered (at least the
// least interval), and the text shown for it ("0.2625  MBytes").
double RecordingMBytesPer10Minutes(double enteredInterval);
std::string RecordingEstimateText(double enteredInterval);

inline constexpr const char* kLimitsNotIncreasing = "The maximum must be greater than the minimum.";
inline constexpr const char* kUnitsNotCompatible = "Parameter selected and unit type not compatible.";

// A limit pair is taken only when both are numbers and the maximum is above
// the minimum.
bool PlotLimitsAcceptable(double min, double max);

// A number typed into one of the window's fields; nothing for an empty
// text, a text that is no number, and a value that is not finite.
std::optional<double> PlotSetupNumber(const std::string& text);
// A value as the window shows it: at most two decimals, no trailing zeros.
std::string PlotSetupNumberText(double value);

// What the window's OK takes into target from edited: each entry's plot
// flag, colour, pattern and symbol, the three limit pairs, the interval,
// the page time, the title and the comments. The recording's counters and
// the other texts of target stay as they are (the run goes on meanwhile).
void ApplyPlotSetupEdits(TPlotSetupRec& target, const TPlotSetupRec& edited);

// The pair of limits an entry is drawn against, by its unit type.
struct PlotLimits {
  double Min = 0;
  double Max = 1;
};
PlotLimits EntryLimits(const TPlotSetupRec& ps, int entry);

// The legend's text of an entry: its line's name and the quantity
// ("Master pressure", "Line 3 nozzle pressure", "Engine Rpm").
std::string PlotEntryCaption(const TPlotSetupRec& ps, int entry);

}  // namespace pumpdrill
