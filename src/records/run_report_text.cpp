// The run report written out: as text for the screen, the printer and the
// runner, and as one CSV row for a spreadsheet of a class's runs.
#include <charconv>
#include <cmath>

#include "frame/text_values.h"
#include "records/report_numbers.h"
#include "records/run_report.h"

namespace pumpdrill {

namespace {

std::string Fixed(double v, int decimals = 1) { return ReportFixed(v, decimals); }

std::string Seconds(double v) { return std::isnan(v) ? "never" : Fixed(v) + " s"; }

}  // namespace

std::string RunReportText(const RunReport& r) {
  const DisplayUnits& u = r.units;
  std::string out = "Run report";
  if (!r.evolution.empty()) out += ": " + r.evolution;
  out += "\n";
  if (!r.operatorName.empty()) out += "Operator: " + r.operatorName + "\n";
  if (!r.date.empty()) out += "Run of " + r.date + "\n";
  out += r.scored ? "Answer key: " + r.keyPath + "\n" : "No answer key: measures only.\n";
  out += "Scored time: 0 to " + Fixed(r.scoredUntil) + " s; the run ended at " + Fixed(r.runEnd) +
         " s (" + std::to_string(r.sampleCount) + " samples).\n";
  for (const std::string& n : r.notes) out += "Note: " + n + "\n";

  // The score first: what the trainee asks about.
  if (r.scored) {
    out += "\nScore: " + Fixed(r.score) + " of 100 (pressures on target " +
           Fixed(r.pressurePoints) + " of 70, safety " + Fixed(r.safetyPoints) + " of 30)\n";
    if (r.deductions.empty()) out += "  No deductions.\n";
    for (const Deduction& d : r.deductions) out += "  -" + Fixed(d.points) + "  " + d.text + "\n";
  }

  out += "\nLines\n";
  if (r.lines.empty()) out += "  No line carried water.\n";
  for (const LineMeasure& m : r.lines) {
    out += "  Line " + std::to_string(m.line);
    if (!m.title.empty()) out += " (" + m.title + ")";
    if (m.hasTarget)
      out += ": target " +
             ReportFixed(ToDisplay(u, kUnitPressure, m.target.nozzlePress),
                         ReportPressureDecimals(u, 0)) +
             " +/- " + ReportPressure(u, m.target.tolerance, 0) + ", water by " +
             Fixed(m.target.waterBy, 0) + " s";
    out += "\n    ";
    if (std::isnan(m.firstWater)) {
      out += "no water\n";
      continue;
    }
    out += "water at " + Fixed(m.firstWater) + " s, flowing " + Fixed(m.flowingSeconds) +
           " s, highest flow " + ReportFlow(u, m.maxFlow);
    if (!std::isnan(m.inBandShare))
      out += ", in band " + Fixed(100 * m.inBandShare, 0) + " %, worst deviation " +
             ReportSignedPressure(u, m.worstDeviation);
    else
      out += ", highest nozzle pressure " + ReportPressure(u, m.maxNozzlePress);
    out += "\n";
  }

  out += "\nSupply\n  Lowest intake pressure " +
         (std::isnan(r.minIntake) ? "- " + u.Label[kUnitPressure] : ReportPressure(u, r.minIntake));
  if (r.intakeFloor != 0)
    out += "; below the floor of " + ReportPressure(u, r.intakeFloor, 0) + " for " +
           Fixed(r.belowFloorSeconds) + " s";
  out += "\n  Tank low (below a quarter";
  if (r.tankCapacity > 0) out += " of " + ReportVolume(u, r.tankCapacity);
  out += "): " + Seconds(r.tankLowAt);
  if (!std::isnan(r.tankLowAt)) out += ", for " + Fixed(r.tankLowSeconds) + " s";
  out += "; tank empty: " + Seconds(r.tankEmptyAt);
  if (!std::isnan(r.tankEmptyAt)) out += ", for " + Fixed(r.tankEmptySeconds) + " s";

  out += "\n\nPump and engine\n  Cavitating: " +
         (std::isnan(r.cavitationSeconds) ? std::string("not recorded")
                                          : Fixed(r.cavitationSeconds) + " s") +
         "; water hammers: " +
         (r.waterHammers < 0 ? std::string("not recorded") : std::to_string(r.waterHammers)) + "\n";
  out += "  Highest engine speed " + Fixed(r.maxRpm, 0) + " RPM (limit " + Fixed(r.rpmLimit, 0) +
         "), at the limit for " + Fixed(r.engineAtLimitSeconds) + " s\n";
  out += "  Highest pump pressure " + ReportPressure(u, r.maxPumpPress) +
         "; above the hose test pressure (" + ReportPressure(u, r.hoseTest, 0) + ") for " +
         Fixed(r.hoseOverTestSeconds) + " s\n";

  out += "\nOperator actions\n";
  if (!r.actionsRecorded)
    out += "  Not recorded.\n";
  else if (r.actions.empty())
    out += "  None.\n";
  for (const RunAction& a : r.actions) out += "  " + Fixed(a.time) + " s  " + a.text + "\n";

  return out;
}

std::string RunReportCsvHeader() {
  std::string h =
      "evolution,operator,date,score,pressure points,safety "
      "points,scored s,min intake psi,"
      "below floor s,cavitation s,water hammers,tank low at s,tank "
      "empty at s,engine at limit s,"
      "highest pump psi,hose over test s";
  for (int line = 1; line <= kReportLines; ++line) {
    const std::string n = "line " + std::to_string(line);
    h += "," + n + " water at s," + n + " in band %," + n + " worst deviation psi";
  }
  return h + "\n";
}

std::string RunReportCsvRow(const RunReport& r) {
  std::string row;
  AppendCsvField(row, r.evolution);
  row += ',';
  AppendCsvField(row, r.operatorName);
  row += ',';
  AppendCsvField(row, r.date);
  auto add = [&row](const std::string& v) { row += "," + v; };
  add(r.scored ? Fixed(r.score) : "");
  add(r.scored ? Fixed(r.pressurePoints) : "");
  add(r.scored ? Fixed(r.safetyPoints) : "");
  add(Fixed(r.scoredUntil));
  add(Fixed(r.minIntake));
  add(Fixed(r.belowFloorSeconds));
  add(Fixed(r.cavitationSeconds));
  add(r.waterHammers < 0 ? "" : std::to_string(r.waterHammers));
  add(Fixed(r.tankLowAt));
  add(Fixed(r.tankEmptyAt));
  add(Fixed(r.engineAtLimitSeconds));
  add(Fixed(r.maxPumpPress));
  add(Fixed(r.hoseOverTestSeconds));
  for (int line = 1; line <= kReportLines; ++line) {
    const LineMeasure* m = nullptr;
    for (const LineMeasure& x : r.lines)
      if (x.line == line) m = &x;
    add(m ? Fixed(m->firstWater) : "");
    add(m ? Fixed(100 * m->inBandShare, 0) : "");
    add(m ? Fixed(m->worstDeviation) : "");
  }
  return row + "\n";
}

}  // namespace pumpdrill
