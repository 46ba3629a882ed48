// The run report: what a run's samples show against the exercise's answer
// key, and a score from 0 to 100 (nozzle pressures on target 70 points,
// safety 30), every deduction explained in a line an instructor can read
// out to the trainee. Without a key the report holds the measures only.
#pragma once

#include <string>
#include <vector>

#include "frame/units.h"
#include "records/answer_key.h"
#include "records/run_record.h"

namespace pumpdrill {

inline constexpr double kPressurePoints = 70.0;
inline constexpr double kSafetyPoints = 30.0;
// Of a line's pressure points: water on time, the rest its share in band.
inline constexpr double kWaterOnTimeShare = 0.25;
// A line carries water above this flow, gpm.
inline constexpr double kFlowingGpm = 1.0;
// The engine counts as at its limit this close to its highest RPM.
inline constexpr double kEngineLimitMargin = 1.0;

struct LineMeasure {
  int line = 0;
  std::string title;
  bool hasTarget = false;
  LineTarget target;
  double firstWater = kUnknown;  // s; unknown: no water in the scored time
  double flowingSeconds = 0;
  double inBandSeconds = 0;
  double inBandShare = kUnknown;     // of the flowing time; unknown without target or flow
  double worstDeviation = kUnknown;  // psi, signed: nozzle pressure minus target
  double maxNozzlePress = 0;
  double maxFlow = 0;  // gpm while flowing
};

struct Deduction {
  double points = 0;
  std::string text;
};

struct RunReport {
  DisplayUnits units;  // of the report's texts; its figures stay in psi, gpm and gal
  std::string evolution, operatorName, date;
  std::string keyPath;
  bool scored = false;     // an answer key was read
  double scoredUntil = 0;  // s: the end of the scored time
  double runEnd = 0;       // s: the last sample's time
  std::size_t sampleCount = 0;
  std::vector<LineMeasure> lines;  // targeted lines and lines that flowed
  double intakeFloor = 0;
  double minIntake = kUnknown;                          // psi while water flows (else over the run)
  double belowFloorSeconds = 0;                         // while water flows
  double cavitationSeconds = kUnknown;                  // unknown: not recorded
  int waterHammers = -1;                                // -1: not recorded
  double tankLowAt = kUnknown, tankEmptyAt = kUnknown;  // s; unknown: never
  double tankLowSeconds = 0, tankEmptySeconds = 0;
  double tankCapacity = 0;  // gal; 0 unknown
  double maxRpm = 0, rpmLimit = 0, engineAtLimitSeconds = 0;
  double maxPumpPress = 0;
  double hoseTest = kDefaultHoseTestPress;
  double hoseOverTestSeconds = 0;
  int hoseOverTestLine = 0;  // the first line above it; 0 none
  bool actionsRecorded = false;
  std::vector<RunAction> actions;
  double pressurePoints = 0, safetyPoints = 0, score = 0;
  std::vector<Deduction> deductions;
  std::vector<std::string> notes;  // about the key and what the record lacks
};

// Computes the report of record against key (key.loaded false: measures
// only, over the whole run). Each sample stands until the next one; the
// scored time is 0 to the key's duration. The texts (deductions, and
// RunReportText) show pressures, flows and volumes in units.
RunReport ComputeRunReport(const RunRecord& record, const AnswerKey& key,
                           const DisplayUnits& units = DisplayUnits{});

// The report as text: the header, the score and its deductions, then the
// measures and the actions, one item a line.
std::string RunReportText(const RunReport& report);

// The CSV header and the one row (always psi, whatever the report's units) of a
// report, line break included: names, score, points, measures, then per
// line 1..15 its water time, band share and worst deviation (empty where there
// is none).
std::string RunReportCsvHeader();
std::string RunReportCsvRow(const RunReport& report);

}  // namespace pumpdrill
