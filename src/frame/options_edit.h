// The settings the options window edits, as the window holds them between
// opening and OK: filled once from the live records, applied to them only
// on OK. Values whose controls were never changed keep the stored value
// exactly (a spinner showing whole megabytes must not round 3500 kB).
#pragma once

#include <array>
#include <string>

#include "frame/configuration.h"
#include "sim/show_options.h"

namespace pumpdrill {

// Ranges of the window's spinners.
inline constexpr int kMinDatafileMBytes = 1;
inline constexpr int kMaxDatafileMBytes = 50;
inline constexpr int kMaxRunTimeMinutes = 9999;  // 0: no limit
inline constexpr double kMinWaterHammerPsi = 100;
inline constexpr double kMaxWaterHammerPsi = 1000;

// The eight panel display flags in the order of the window's check boxes:
// pressure, flow, rpm, tank gallons, vibration, cavitation, primed, water
// hammer.
inline constexpr int kPanelFlagCount = 8;

struct OptionsEdit {
  std::string DeptName;
  bool AskToSaveDataRecord = false;
  bool UseDefaultEvolution = false;
  std::string DefaultEvolutionName;  // empty: none
  bool ShowAllHints = false;
  bool MetricUnits = false;
  bool UseBars = false;
  bool AutoNozzleOperation = false;
  bool RecordDataOnStartup = false;
  bool PlotStayOnTop = false;
  bool PlotPrintoutFit = false;
  // Stored units; the window shows megabytes, minutes and its threshold
  // unit, and replaces these only when the user changes the control.
  long long MaxDatafileKBytes = 0;
  long long MaxSimRunTimeSecs = 0;
  double WaterHammerPsi = 0;
  std::array<bool, kPanelFlagCount> PanelFlags{};
};

// What the window shows when it opens. Changes no record.
OptionsEdit FillOptionsEdit(const TOptions& o, const TShowOptionsRec& show);

// Spinner values and their stored meaning.
int DatafileMBytesShown(long long kBytes);  // kB ÷ 1000, kept within 1..50
long long DatafileKBytesEntered(int mBytes);
int RunTimeMinutesShown(long long seconds);  // within 0..9999
long long RunTimeSecondsEntered(int minutes);
// The water-hammer threshold in the unit units show pressures in: psi, bar
// or kPa (the pressure factors; 400 psi is 27.58 bar), and back.
double WaterHammerShown(const DisplayUnits& units, double psi);
double WaterHammerEntered(const DisplayUnits& units, double shown);
// "threshold (lb)", "threshold (bar)" or "threshold (KPa)".
std::string WaterHammerLabel(const DisplayUnits& units);
// The spinner's decimals and its range in the shown unit.
int WaterHammerDecimals(const DisplayUnits& units);

// OK: writes the edit's fields, and only those, into the live records and
// applies the units (a setting the window does not show stays as it is).
// A default Evolution is used only when one is named.
void ApplyOptionsEdit(const OptionsEdit& edit, Configuration& config, TShowOptionsRec& show);

// The default Evolution's file name as it is stored: the chosen file's
// name in its own case, when the file lies directly in the Evolutions
// folder; empty otherwise.
std::string DefaultEvolutionFileName(const std::string& chosenPath,
                                     const std::string& evolutionsDirectory);

// The file to open as the default Evolution: name in the folder, or, when
// that is missing, the one file of the folder whose name matches it
// without regard to case (names stored in lower case by earlier versions).
// Empty when there is none or more than one match.
std::string FindDefaultEvolution(const std::string& evolutionsDirectory, const std::string& name);

}  // namespace pumpdrill
