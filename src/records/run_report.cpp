#include "records/run_report.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "records/report_numbers.h"

namespace pumpdrill {

namespace {

constexpr double kTankEmptyGal = 0.5;
// Water stands at the nozzle above this pressure.
constexpr double kWaterPsi = 0.5;
constexpr double kBandSlack = 1e-9;
// Shares that show as 100 % cost nothing.
constexpr double kShareSlack = 0.005;

std::string Fixed(double v, int decimals = 1) { return ReportFixed(v, decimals); }

// "100 +/- 10 psi" in the report's units.
std::string Band(const DisplayUnits& u, const LineTarget& t) {
  return ReportFixed(ToDisplay(u, kUnitPressure, t.nozzlePress), ReportPressureDecimals(u, 0)) +
         " +/- " + ReportPressure(u, t.tolerance, 0);
}

std::string LineName(const LineMeasure& m) {
  std::string name = "Line " + std::to_string(m.line);
  if (!m.title.empty()) name += " (" + m.title + ")";
  return name;
}

struct Accumulated {
  double minIntakeFlowing = kUnknown, minIntakeAll = kUnknown;
  double cavitationSeconds = 0, firstCavitation = kUnknown;
  double maxHosePress = 0;
};

void MeasureLine(const RunSample& r, double dt, LineMeasure& m) {
  const double np = r.nozzlePress[m.line];
  if (!(r.flow[m.line] > kFlowingGpm) || !(np > kWaterPsi)) return;
  if (std::isnan(m.firstWater)) m.firstWater = r.time;
  m.flowingSeconds += dt;
  m.maxNozzlePress = std::max(m.maxNozzlePress, np);
  m.maxFlow = std::max(m.maxFlow, r.flow[m.line]);
  if (!m.hasTarget) return;
  const double dev = np - m.target.nozzlePress;
  if (std::fabs(dev) <= m.target.tolerance + kBandSlack) m.inBandSeconds += dt;
  if (std::isnan(m.worstDeviation) || std::fabs(dev) > std::fabs(m.worstDeviation))
    m.worstDeviation = dev;
}

void Measure(const RunRecord& record, RunReport& rep, Accumulated& acc) {
  const std::vector<RunSample>& samples = record.samples;
  const double tankLow = kTankLowFraction * record.tankCapacity;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const RunSample& r = samples[i];
    if (r.time > rep.scoredUntil + kBandSlack) break;
    const double until =
        i + 1 < samples.size() ? std::min(samples[i + 1].time, rep.scoredUntil) : r.time;
    const double dt = std::max(0.0, until - r.time);
    bool flowing = false;
    for (int line = 1; line <= kReportLines; ++line)
      flowing = flowing || r.flow[line] > kFlowingGpm;
    for (LineMeasure& m : rep.lines) MeasureLine(r, dt, m);
    if (std::isnan(acc.minIntakeAll) || r.intakePress < acc.minIntakeAll)
      acc.minIntakeAll = r.intakePress;
    if (flowing) {
      if (std::isnan(acc.minIntakeFlowing) || r.intakePress < acc.minIntakeFlowing)
        acc.minIntakeFlowing = r.intakePress;
      if (rep.intakeFloor != 0 && r.intakePress < rep.intakeFloor) rep.belowFloorSeconds += dt;
    }
    if (r.cavitating == 1) {
      acc.cavitationSeconds += dt;
      if (std::isnan(acc.firstCavitation)) acc.firstCavitation = r.time;
    }
    if (record.tankCapacity > 0 && !std::isnan(r.tankVolume)) {
      if (r.tankVolume < tankLow) {
        if (std::isnan(rep.tankLowAt)) rep.tankLowAt = r.time;
        rep.tankLowSeconds += dt;
      }
      if (r.tankVolume <= kTankEmptyGal) {
        if (std::isnan(rep.tankEmptyAt)) rep.tankEmptyAt = r.time;
        rep.tankEmptySeconds += dt;
      }
    }
    rep.maxRpm = std::max(rep.maxRpm, r.rpm);
    if (rep.rpmLimit > 0 && r.rpm >= rep.rpmLimit - kEngineLimitMargin)
      rep.engineAtLimitSeconds += dt;
    rep.maxPumpPress = std::max(rep.maxPumpPress, r.pumpPress);
    bool over = false;
    for (int line = 1; line <= kReportLines; ++line) {
      acc.maxHosePress = std::max(acc.maxHosePress, r.dischPress[line]);
      if (r.dischPress[line] > rep.hoseTest) {
        if (rep.hoseOverTestLine == 0) rep.hoseOverTestLine = line;
        over = true;
      }
    }
    if (over) rep.hoseOverTestSeconds += dt;
  }
  rep.minIntake = std::isnan(acc.minIntakeFlowing) ? acc.minIntakeAll : acc.minIntakeFlowing;
  if (record.cavitationRecorded) rep.cavitationSeconds = acc.cavitationSeconds;
  if (record.waterHammersRecorded) {
    rep.waterHammers = static_cast<int>(
        std::count_if(record.waterHammers.begin(), record.waterHammers.end(),
                      [&](double t) { return t <= rep.scoredUntil + kBandSlack; }));
  }
  for (LineMeasure& m : rep.lines) {
    if (m.hasTarget && m.flowingSeconds > 0) m.inBandShare = m.inBandSeconds / m.flowingSeconds;
  }
}

void ScorePressures(RunReport& rep) {
  std::size_t targets = 0;
  for (const LineMeasure& m : rep.lines) targets += m.hasTarget ? 1 : 0;
  rep.pressurePoints = kPressurePoints;
  if (targets == 0) {
    rep.notes.push_back("The answer key names no line: the pressure points are given in full.");
    return;
  }
  const double each = kPressurePoints / static_cast<double>(targets);
  for (const LineMeasure& m : rep.lines) {
    if (!m.hasTarget) continue;
    const std::string name = LineName(m);
    if (std::isnan(m.firstWater) || m.firstWater > m.target.waterBy + kBandSlack) {
      const double lost = each * kWaterOnTimeShare;
      rep.pressurePoints -= lost;
      rep.deductions.push_back(
          {lost,
           name + ": no water by " + Fixed(m.target.waterBy, 0) + " s" +
               (std::isnan(m.firstWater) ? std::string(" (none in the scored time)")
                                         : " (first water at " + Fixed(m.firstWater) + " s)")});
    }
    const double share = std::isnan(m.inBandShare) ? 0.0 : m.inBandShare;
    if (share < 1 - kShareSlack) {
      const double lost = each * (1 - kWaterOnTimeShare) * (1 - share);
      rep.pressurePoints -= lost;
      const std::string band = Band(rep.units, m.target);
      if (std::isnan(m.inBandShare)) {
        rep.deductions.push_back({lost, name + ": never flowed, so never within " + band});
      } else {
        rep.deductions.push_back(
            {lost, name + ": nozzle pressure within " + band + " for " + Fixed(100 * share, 0) +
                       " % of its flowing time (worst " +
                       ReportSignedPressure(rep.units, m.worstDeviation) + ")"});
      }
    }
  }
}

struct SafetyItem {
  bool enabled, measurable, happened;
  std::string notRecorded;  // why it cannot be scored
  std::string what;         // the deduction's text
};

void ScoreSafety(const RunRecord& record, const AnswerKey& key, const Accumulated& acc,
                 RunReport& rep) {
  std::vector<SafetyItem> items;
  items.push_back({key.never[kNeverCavitation], record.cavitationRecorded,
                   acc.cavitationSeconds > 0, "Cavitation is not recorded in a data file",
                   "the pump cavitated for " + Fixed(acc.cavitationSeconds) + " s (from " +
                       Fixed(acc.firstCavitation) + " s)"});
  std::string hammers = std::to_string(std::max(rep.waterHammers, 0)) + " water hammer" +
                        (rep.waterHammers == 1 ? "" : "s");
  if (rep.waterHammers > 0)
    hammers += " (the first at " + Fixed(record.waterHammers.front()) + " s)";
  items.push_back({key.never[kNeverWaterHammer], record.waterHammersRecorded, rep.waterHammers > 0,
                   "Water hammers are not recorded in a data file", hammers});
  const bool tankKnown = record.tankCapacity > 0 &&
                         std::any_of(record.samples.begin(), record.samples.end(),
                                     [](const RunSample& r) { return !std::isnan(r.tankVolume); });
  items.push_back({key.never[kNeverTankEmpty], tankKnown, !std::isnan(rep.tankEmptyAt),
                   "The tank's volume is not known",
                   "the tank ran empty at " + Fixed(rep.tankEmptyAt) + " s"});
  items.push_back({key.never[kNeverEngineOverLimit], rep.rpmLimit > 0, rep.engineAtLimitSeconds > 0,
                   "The engine's limit is not known",
                   "the engine ran at its limit of " + Fixed(rep.rpmLimit, 0) + " RPM for " +
                       Fixed(rep.engineAtLimitSeconds) + " s"});
  items.push_back({key.never[kNeverHoseOverTest], true, rep.hoseOverTestSeconds > 0, "",
                   "line " + std::to_string(rep.hoseOverTestLine) +
                       "'s discharge pressure rose above the hose test pressure of " +
                       ReportPressure(rep.units, rep.hoseTest, 0) + " (for " +
                       Fixed(rep.hoseOverTestSeconds) + " s, highest " +
                       ReportPressure(rep.units, acc.maxHosePress, 0) + ")"});
  items.push_back({key.intakeFloor != 0, true, rep.belowFloorSeconds > 0, "",
                   "the intake pressure fell below the floor of " +
                       ReportPressure(rep.units, key.intakeFloor, 0) + " for " +
                       Fixed(rep.belowFloorSeconds) + " s (lowest " +
                       ReportPressure(rep.units, rep.minIntake) + ")"});
  int counted = 0;
  for (const SafetyItem& item : items) {
    if (item.enabled && !item.measurable) rep.notes.push_back(item.notRecorded + ": not scored.");
    counted += item.enabled && item.measurable ? 1 : 0;
  }
  rep.safetyPoints = kSafetyPoints;
  if (counted == 0) return;
  const double each = kSafetyPoints / counted;
  for (const SafetyItem& item : items) {
    if (!item.enabled || !item.measurable || !item.happened) continue;
    rep.safetyPoints -= each;
    std::string text = item.what;
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    rep.deductions.push_back({each, text});
  }
}

}  // namespace

RunReport ComputeRunReport(const RunRecord& record, const AnswerKey& key,
                           const DisplayUnits& units) {
  RunReport rep;
  rep.units = units;
  rep.tankCapacity = record.tankCapacity;
  rep.evolution = record.evolution;
  rep.operatorName = record.operatorName;
  rep.date = record.date;
  rep.scored = key.loaded;
  rep.sampleCount = record.samples.size();
  rep.runEnd = record.samples.empty() ? 0.0 : record.samples.back().time;
  rep.scoredUntil = key.loaded ? key.duration : rep.runEnd;
  rep.intakeFloor = key.loaded ? key.intakeFloor : 0.0;
  rep.hoseTest = key.loaded ? key.hoseTest : kDefaultHoseTestPress;
  rep.rpmLimit = record.maxRpm;
  rep.actionsRecorded = record.actionsRecorded;
  for (const RunAction& a : record.actions)
    if (a.time <= rep.scoredUntil + kBandSlack) rep.actions.push_back(a);
  if (!record.actionsRecorded)
    rep.notes.push_back("A data file holds no operator actions: none are listed.");

  // Every line that has a target, and every line that flowed.
  for (int line = 1; line <= kReportLines; ++line) {
    LineMeasure m;
    m.line = line;
    m.title = record.lineTitles[line];
    if (key.loaded) {
      for (const LineTarget& t : key.lines) {
        if (t.line != line) continue;
        m.hasTarget = true;
        m.target = t;
      }
    }
    rep.lines.push_back(m);
  }
  Accumulated acc;
  Measure(record, rep, acc);
  rep.lines.erase(
      std::remove_if(rep.lines.begin(), rep.lines.end(),
                     [](const LineMeasure& m) { return !m.hasTarget && std::isnan(m.firstWater); }),
      rep.lines.end());
  if (!key.loaded) return rep;
  if (record.samples.empty() || rep.runEnd + kBandSlack < key.duration)
    rep.notes.push_back("The run ended at " + Fixed(rep.runEnd) + " s, before the " +
                        Fixed(key.duration, 0) + " s the key scores.");
  ScorePressures(rep);
  ScoreSafety(record, key, acc, rep);
  rep.pressurePoints = std::max(0.0, rep.pressurePoints);
  rep.safetyPoints = std::max(0.0, rep.safetyPoints);
  rep.score = std::clamp(rep.pressurePoints + rep.safetyPoints, 0.0, 100.0);
  return rep;
}

}  // namespace pumpdrill
