// The run report's measures and score on hand-made sample sequences, and
// the answer key's reader and writer.
#include "records/run_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/script.h"
#include "records/answer_key.h"
#include "records/control_watch.h"
#include "records/report_files.h"
#include "records/report_numbers.h"
#include "scratch_dir.h"
#include "sim/operator_actions.h"

namespace pumpdrill {
namespace {

using testing::ReadText;
using testing::ScratchDir;

// One sample every quarter second; line 1 carries `flow` gpm at `np` psi.
struct Step {
  double flow, np;
  double intake = 50;
  bool cavitating = false;
  double rpm = 1500;
  double tank = 500;
};

RunRecord Record(const std::vector<Step>& steps, double interval = 0.25) {
  RunRecord r;
  r.lineCount = 8;
  r.maxRpm = 2200;
  r.tankCapacity = 750;
  r.cavitationRecorded = r.waterHammersRecorded = r.actionsRecorded = true;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    RunSample s;
    s.time = static_cast<double>(i) * interval;
    s.flow[1] = steps[i].flow;
    s.nozzlePress[1] = steps[i].np;
    s.dischPress[1] = steps[i].np + 50;
    s.pumpPress = steps[i].np + 50;
    s.intakePress = steps[i].intake;
    s.cavitating = steps[i].cavitating ? 1 : 0;
    s.rpm = steps[i].rpm;
    s.tankVolume = steps[i].tank;
    r.samples.push_back(s);
  }
  return r;
}

AnswerKey Key(double duration, double waterBy = 1.0) {
  AnswerKey k;
  k.loaded = true;
  k.duration = duration;
  k.lines = {{1, 100, 10, waterBy}};
  return k;
}

std::string Fixed(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

const LineMeasure& Line1(const RunReport& r) {
  for (const LineMeasure& m : r.lines)
    if (m.line == 1) return m;
  static LineMeasure none;
  ADD_FAILURE() << "line 1 not in the report";
  return none;
}

// Band shares at the band's edges: 100 +/- 10 psi counts 90 and 110 inside,
// anything beyond outside; each sample stands for a quarter second.
struct BandCase {
  const char* name;
  std::vector<double> pressures;  // nozzle pressures, flowing, one a sample
  double share;
  double worst;
};

TEST(RunReportMeasures, BandSharesAtTheEdges) {
  const BandCase kCases[] = {
      {"edges inside", {90, 110, 100, 90, 0}, 1.0, -10},
      {"just beyond", {89.99, 110.01, 100, 100, 0}, 0.5, -10.01},
      {"all high", {150, 150, 150, 150, 0}, 0.0, 50},
      {"one low of four", {100, 100, 100, 60, 0}, 0.75, -40},
  };
  for (const BandCase& c : kCases) {
    std::vector<Step> steps;
    for (double p : c.pressures) steps.push_back({p > 0 ? 150.0 : 0.0, p});
    const RunReport r = ComputeRunReport(Record(steps), Key(10));
    const LineMeasure& m = Line1(r);
    EXPECT_NEAR(m.inBandShare, c.share, 1e-9) << c.name;
    EXPECT_NEAR(m.worstDeviation, c.worst, 1e-6) << c.name;
    EXPECT_NEAR(m.flowingSeconds, 1.0, 1e-9) << c.name;
  }
}

TEST(RunReportMeasures, TimeToWaterCavitationAndTank) {
  std::vector<Step> steps(12, Step{0, 0});
  for (int i = 5; i < 12; ++i) steps[i] = {150, 100};
  for (int i = 6; i < 9; ++i) steps[i].cavitating = true;
  for (int i = 8; i < 12; ++i) steps[i].tank = 100;  // below a quarter of 750
  steps[11].tank = 0;
  RunRecord record = Record(steps);
  record.waterHammers = {1.5, 9.0};
  const RunReport r = ComputeRunReport(record, Key(100, 1.0));
  EXPECT_DOUBLE_EQ(Line1(r).firstWater, 1.25);
  EXPECT_DOUBLE_EQ(r.cavitationSeconds, 0.75);
  EXPECT_DOUBLE_EQ(r.tankLowAt, 2.0);
  EXPECT_DOUBLE_EQ(r.tankLowSeconds,
                   0.75);  // the last sample stands for no time
  EXPECT_DOUBLE_EQ(r.tankEmptyAt, 2.75);
  EXPECT_EQ(r.waterHammers, 2);
  // Water at 1.25 s, due by 1 s: the quarter of the line's points for water
  // on time is lost; cavitation, a water hammer and the empty tank each cost
  // a fifth of the safety points (no intake floor).
  EXPECT_NEAR(r.pressurePoints, 70 * 0.75, 1e-9);
  EXPECT_NEAR(r.safetyPoints, 30 - 3 * 6, 1e-9);
  ASSERT_EQ(r.deductions.size(), 4u);
  EXPECT_NE(r.deductions[0].text.find("no water by 1 s (first water at 1.2 s)"), std::string::npos)
      << r.deductions[0].text;
  EXPECT_NE(r.deductions[1].text.find("cavitated for 0.8 s (from 1.5 s)"), std::string::npos)
      << r.deductions[1].text;
  EXPECT_NE(r.deductions[2].text.find("2 water hammers (the first at 1.5 s)"), std::string::npos);
  EXPECT_NE(r.deductions[3].text.find("tank ran empty at 2.8 s"), std::string::npos);
}

TEST(RunReportMeasures, ScoredTimeEndsAtTheKeysDuration) {
  // Out of band after 1 s: a key of 1 s does not see it.
  std::vector<Step> steps = {{150, 100}, {150, 100}, {150, 100},
                             {150, 100}, {150, 200}, {150, 200}};
  steps[5].cavitating = true;
  const RunReport r = ComputeRunReport(Record(steps), Key(1.0, 5));
  EXPECT_DOUBLE_EQ(Line1(r).inBandShare, 1.0);
  EXPECT_DOUBLE_EQ(r.cavitationSeconds, 0.0);
  EXPECT_DOUBLE_EQ(r.score, 100.0);
  EXPECT_TRUE(r.deductions.empty());
}

TEST(RunReportMeasures, ARunWithNoFlow) {
  const std::vector<Step> steps(20, Step{0, 0, -3});
  const RunReport measures = ComputeRunReport(Record(steps), AnswerKey{});
  EXPECT_FALSE(measures.scored);
  EXPECT_TRUE(measures.lines.empty());
  EXPECT_DOUBLE_EQ(measures.minIntake, -3);
  EXPECT_DOUBLE_EQ(measures.scoredUntil, 19 * 0.25);
  EXPECT_NE(RunReportText(measures).find("No line carried water."), std::string::npos);
  EXPECT_EQ(RunReportText(measures).find("Score:"), std::string::npos);

  AnswerKey key = Key(60, 30);
  key.intakeFloor = 20;  // counts only while water flows
  const RunReport scored = ComputeRunReport(Record(steps), key);
  EXPECT_DOUBLE_EQ(scored.pressurePoints, 0);
  EXPECT_DOUBLE_EQ(scored.safetyPoints, 30);
  EXPECT_DOUBLE_EQ(scored.score, 30);
  ASSERT_EQ(scored.deductions.size(), 2u);
  EXPECT_NE(scored.deductions[1].text.find("never flowed"), std::string::npos);
  EXPECT_NE(scored.notes.back().find("ended at 4.8 s, before the 60 s"), std::string::npos);
}

// Each safety item costs its share when it happens, and only when the key
// asks for it.
TEST(RunReportScore, SafetyItemsAndTheirShares) {
  struct Case {
    const char* name;
    double floor;
    bool engineCounts;
    Step step;
    double safety;
  };
  const Case kCases[] = {
      {"clean, with a floor", 20, true, {150, 100}, 30},
      {"below the floor", 20, true, {150, 100, 10}, 25},
      {"engine at its limit", 0, true, {150, 100, 50, false, 2200}, 24},
      {"engine not asked for", 0, false, {150, 100, 50, false, 2200}, 30},
      {"hose over its test", 0, true, {150, 260}, 24},
  };
  for (const Case& c : kCases) {
    AnswerKey key = Key(10);
    key.intakeFloor = c.floor;
    key.never[kNeverEngineOverLimit] = c.engineCounts;
    const RunReport r = ComputeRunReport(Record(std::vector<Step>(8, c.step)), key);
    EXPECT_NEAR(r.safetyPoints, c.safety, 1e-9) << c.name;
    EXPECT_GE(r.score, 0) << c.name;
    EXPECT_LE(r.score, 100) << c.name;
  }
}

// What a data file does not carry is said, not scored.
TEST(RunReportScore, DataFileRecordLeavesOutWhatItLacks) {
  DataFileContents contents;
  State* s = new State{};
  s->DischargeList.LineCount = 8;
  s->Engine.MaxRpm = 2200;
  s->Tank.Capacity = 750;
  s->Tank.InitialVolume = 750;
  for (int i = 0; i < 5; ++i) {
    TDataSampleRec d{};
    d.Time = i * 60.0;
    d.TankToPumpFlow = 300;  // 300 gal a minute out of the tank
    d.Lines[0].Flow = 150;
    d.Lines[0].NozzlePress = 100;
    contents.Samples.push_back(d);
  }
  const RunRecord record = RunRecordFromDataFile(contents, *s);
  delete s;
  ASSERT_EQ(record.samples.size(), 5u);
  EXPECT_DOUBLE_EQ(record.samples[1].tankVolume, 450);
  EXPECT_DOUBLE_EQ(record.samples[3].tankVolume, 0);
  const RunReport r = ComputeRunReport(record, Key(300, 10));
  EXPECT_DOUBLE_EQ(r.tankEmptyAt, 180);
  EXPECT_TRUE(std::isnan(r.cavitationSeconds));
  EXPECT_EQ(r.waterHammers, -1);
  std::string notes;
  for (const std::string& n : r.notes) notes += n + "\n";
  EXPECT_NE(notes.find("Cavitation is not recorded in a data file"), std::string::npos) << notes;
  EXPECT_NE(notes.find("holds no operator actions"), std::string::npos) << notes;
  // Three items scored (tank, engine, hose): the empty tank costs a third.
  EXPECT_NEAR(r.safetyPoints, 20, 1e-9);
}

TEST(RunReportText, CsvRowMatchesItsHeader) {
  const RunReport r = ComputeRunReport(Record(std::vector<Step>(8, Step{150, 100})), Key(10));
  auto fields = [](const std::string& line) {
    return static_cast<int>(std::count(line.begin(), line.end(), ',')) + 1;
  };
  EXPECT_EQ(fields(RunReportCsvHeader()), fields(RunReportCsvRow(r)));
  EXPECT_EQ(RunReportCsvRow(r).rfind(",,,100.0,70.0,30.0,10.0,", 0), 0u) << RunReportCsvRow(r);
}

// The report's texts in the display units: its figures are psi, gpm and
// gallons; the text converts each where it is written. The CSV stays psi.
struct UnitsCase {
  const char* name;
  bool metric, bars;
  std::vector<const char*> texts;  // each in the report's text
};

TEST(RunReportText, ShowsPressuresFlowsAndVolumesInTheDisplayUnits) {
  const UnitsCase kCases[] = {
      {"english",
       false,
       false,
       {"target 100 +/- 10 psi", "highest flow 140 gpm", "worst deviation +20.0 psi",
        "Lowest intake pressure 10.0 psi; below the floor of 20 psi", "a quarter of 700 gal",
        "Highest pump pressure 170.0 psi; above the hose test pressure (300 "
        "psi)",
        "within 100 +/- 10 psi for 0 %", "the floor of 20 psi for 2.0 s (lowest 10.0 psi)"}},
      {"kPa",
       true,
       false,
       {"target 689 +/- 69 KPa", "highest flow 531 lpm", "worst deviation +137.9 KPa",
        "Lowest intake pressure 68.9 KPa; below the floor of 138 KPa", "a quarter of 2653 L",
        "Highest pump pressure 1172.0 KPa; above the hose test pressure (2068 "
        "KPa)",
        "within 689 +/- 69 KPa for 0 %", "the floor of 138 KPa for 2.0 s (lowest 68.9 KPa)"}},
      {"bar",
       true,
       true,
       {"target 6.89 +/- 0.69 bar", "highest flow 531 lpm", "worst deviation +1.379 bar",
        "Lowest intake pressure 0.689 bar; below the floor of 1.38 bar", "a quarter of 2653 L",
        "Highest pump pressure 11.720 bar; above the hose test pressure (20.68 "
        "bar)",
        "within 6.89 +/- 0.69 bar for 0 %", "the floor of 1.38 bar for 2.0 s (lowest 0.689 bar)"}},
  };
  Step step{140, 120};
  step.intake = 10;
  RunRecord record = Record(std::vector<Step>(9, step));
  record.tankCapacity = 700;
  AnswerKey key = Key(2);
  key.intakeFloor = 20;
  for (const UnitsCase& c : kCases) {
    SCOPED_TRACE(c.name);
    DisplayUnits units;
    ApplyUnits(units, c.metric, c.bars);
    const RunReport r = ComputeRunReport(record, key, units);
    const std::string text = RunReportText(r);
    for (const char* t : c.texts) EXPECT_NE(text.find(t), std::string::npos) << t << "\n" << text;
    if (c.metric) {
      EXPECT_EQ(text.find("psi"), std::string::npos) << text;
    }
    // The arithmetic and the CSV do not change with the units.
    EXPECT_NEAR(Line1(r).worstDeviation, 20, 1e-9);
    EXPECT_NE(RunReportCsvRow(r).find(",10.0,2.0,"), std::string::npos) << RunReportCsvRow(r);
  }
}

// A pressure typed into the key editor: a figure left as shown keeps its
// psi exactly; a changed one is converted.
TEST(RunReportText, EnteredPressuresKeepWhatWasNotChanged) {
  struct Case {
    bool metric, bars;
    int decimals;
    double shown, before, psi;
  } const kCases[] = {
      {false, false, 0, 100, 100, 100},
      {false, false, 1, 12.5, 100, 12.5},
      {true, false, 0, 689, 100, 100},  // 689.4 shown as 689: unchanged
      {true, false, 0, 700, 100, 700 * 0.1450536698578474},
      {true, false, 1, -103.4, -15, -15},
      {true, true, 2, 6.89, 100, 100},
      {true, true, 2, 7.00, 100, 7 * 14.50536698578474},
      {true, false, 0, 345, NAN, 345 * 0.1450536698578474},  // never shown
  };
  for (const Case& c : kCases) {
    DisplayUnits u;
    ApplyUnits(u, c.metric, c.bars);
    EXPECT_NEAR(EnteredPressure(u, c.shown, c.before, c.decimals), c.psi, 1e-9)
        << c.metric << c.bars << " " << c.shown;
  }
}

// The answer key's reader: what it takes, what it reports and skips.
struct KeyCase {
  const char* name;
  const char* text;  // nullptr: no file
  bool loaded;
  std::vector<int> lines;
  const char* message;  // part of a message, or "" for none
};

TEST(AnswerKeyFile, ReadsReportsAndSkips) {
  const KeyCase kCases[] = {
      {"the format with comments",
       "; answer key\n[Key]\nDuration=600          ; seconds\nIntakeFloor=20   "
       "; psi\n"
       "[Never]               ; 1 = a deduction\nCavitation=0\nWaterHammer=1\n"
       "[Line 1]              ; one section per line\nNozzlePressure=100    ; "
       "psi\n"
       "Tolerance=10\nWaterBy=60\n[Line 3]\nNozzlePressure=50\n",
       true,
       {1, 3},
       ""},
      {"missing", nullptr, false, {}, "does not exist"},
      {"no duration",
       "[Key]\nIntakeFloor=20\n[Line 1]\nNozzlePressure=100\n",
       false,
       {},
       "is damaged"},
      {"duration not a number", "[Key]\nDuration=ten\n", false, {}, "is damaged"},
      {"line beyond the run's",
       "[Key]\nDuration=60\n[Line 9]\nNozzlePressure=100\n[Line 2]\n"
       "NozzlePressure=80\n",
       true,
       {2},
       "[Line 9] names a line that does not exist (the Evolution has 8)"},
      {"line 0 and line 16",
       "[Key]\nDuration=60\n[Line 0]\nNozzlePressure=1\n[Line 16]\n"
       "NozzlePressure=1\n",
       true,
       {},
       "[Line 16] names a line that does not exist"},
      {"a line's pressure unreadable",
       "[Key]\nDuration=60\n[Line 4]\nNozzlePressure=lots\n",
       true,
       {},
       "[Line 4] needs a NozzlePressure"},
  };
  for (const KeyCase& c : kCases) {
    ScratchDir dir;
    const std::string path = (dir / "EX.KEY").string();
    if (c.text) std::ofstream(path) << c.text;
    AnswerKey key;
    std::vector<std::string> messages;
    EXPECT_EQ(ReadAnswerKey(path, 8, key, messages), c.loaded) << c.name;
    EXPECT_EQ(key.loaded, c.loaded) << c.name;
    std::vector<int> lines;
    for (const LineTarget& t : key.lines) lines.push_back(t.line);
    EXPECT_EQ(lines, c.lines) << c.name;
    std::string all;
    for (const std::string& m : messages) all += m + "\n";
    if (*c.message == '\0') {
      EXPECT_TRUE(messages.empty()) << c.name << ": " << all;
    } else {
      EXPECT_NE(all.find(c.message), std::string::npos) << c.name << ": " << all;
      if (!c.loaded) {
        EXPECT_NE(all.find(path), std::string::npos) << c.name << ": names the file";
      }
    }
  }
}

TEST(AnswerKeyFile, ReadsTheFiguresAndWritesThemBack) {
  ScratchDir dir;
  const std::string path = (dir / "EX.KEY").string();
  std::ofstream(path) << "; the instructor's note\n[Key]\nDuration=600 ; s\nIntakeFloor=-10\n"
                         "[Never]\nCavitation=0\n[Line 1]\nNozzlePressure=100\nTolerance=5\n"
                         "WaterBy=45\n[Line 2]\nNozzlePressure=50\n";
  AnswerKey key;
  std::vector<std::string> messages;
  ASSERT_TRUE(ReadAnswerKey(path, 8, key, messages));
  EXPECT_DOUBLE_EQ(key.duration, 600);
  EXPECT_DOUBLE_EQ(key.intakeFloor, -10);
  EXPECT_FALSE(key.never[kNeverCavitation]);
  EXPECT_TRUE(key.never[kNeverWaterHammer]);
  ASSERT_EQ(key.lines.size(), 2u);
  EXPECT_DOUBLE_EQ(key.lines[0].tolerance, 5);
  EXPECT_DOUBLE_EQ(key.lines[0].waterBy, 45);
  EXPECT_DOUBLE_EQ(key.lines[1].tolerance, 10);  // the defaults
  EXPECT_DOUBLE_EQ(key.lines[1].waterBy, 60);

  key.lines.erase(key.lines.begin());  // line 1 no longer scored
  key.lines.push_back({7, 80, 8, 90});
  key.duration = 300;
  std::string error;
  ASSERT_TRUE(WriteAnswerKey(path, key, error)) << error;
  const std::string text = ReadText(path);
  EXPECT_NE(text.find("; the instructor's note"), std::string::npos) << text;
  EXPECT_EQ(text.find("[Line 1]"), std::string::npos) << text;
  AnswerKey back;
  ASSERT_TRUE(ReadAnswerKey(path, 8, back, messages));
  EXPECT_DOUBLE_EQ(back.duration, 300);
  ASSERT_EQ(back.lines.size(), 2u);
  EXPECT_EQ(back.lines[0].line, 2);
  EXPECT_EQ(back.lines[1].line, 7);
  EXPECT_DOUBLE_EQ(back.lines[1].nozzlePress, 80);
  EXPECT_FALSE(back.never[kNeverCavitation]);
  EXPECT_EQ(AnswerKeyPathFor("/x/Evols/DRILL.EVO"), "/x/Evols/DRILL.KEY");
}

// The panel's controls read as actions: each change once, a control moved
// for a while as one action where it came to rest.
TEST(ControlWatchTest, ChangesBecomeActions) {
  auto s = std::make_unique<State>();
  s->PumpControl.PressureControlMode = 2;
  s->Engine.RpmDemand = 800;
  ControlWatch watch;
  watch.Begin(*s);
  std::vector<RunAction> actions;
  struct Move {
    double time;
    std::function<void(State&)> change;
  };
  const Move kMoves[] = {
      {0.5, [](State& x) { x.Discharges[3].ValveOpen = 0.3; }},
      {1.0, [](State& x) { x.Discharges[3].ValveOpen = 0.7; }},  // still moving
      {1.25, [](State& x) { x.Discharges[3].ValveOpen = 1.0; }},
      {1.5, [](State&) {}},
      {4.0, [](State& x) { x.Engine.RpmDemand = 1504; }},
      {6.0,
       [](State& x) {
         x.PumpControl.PressureControlMode = 1;
         x.PumpControl.GovernorSetPress = 150;
       }},
      {9.0, [](State& x) { x.PumpControl.PrimerState = 1; }},
  };
  for (const Move& m : kMoves) {
    m.change(*s);
    watch.Look(*s, m.time, actions);
  }
  std::vector<std::string> texts;
  for (const RunAction& a : actions) texts.push_back(Fixed(a.time) + " " + a.text);
  const std::vector<std::string> wanted = {"1.2 valve 3 1.00", "4.0 throttle 1500",
                                           "6.0 control governor", "6.0 governor pressure 150",
                                           "9.0 primer on"};
  EXPECT_EQ(texts, wanted);
}

// The foam controls of a panel with a foam system are actions too; an
// Actions-menu command noted between two moves of one control parts them.
TEST(ControlWatchTest, FoamControlsAndMenuCommands) {
  auto s = std::make_unique<State>();
  s->PumpControl.PressureControlMode = 2;
  s->FoamSetup.SYS_TYPE = kFoamDirectInjection;
  s->FoamSetup.NR_TANKS = 2;
  s->FoamSetup.CAFS_AIR_V_SEL.bits = 1u << 3;
  ControlWatch watch;
  watch.Begin(*s);
  std::vector<RunAction> actions;
  struct Move {
    double time;
    std::function<void(State&)> change;
    const char* menu;  // an Actions-menu command noted after the look, or nullptr
  };
  const Move kMoves[] = {
      {1.0, [](State& x) { x.FoamSetup.PropLever = 1; }, nullptr},
      {2.0, [](State& x) { x.FoamSetup.FoamPercentSet = 3; }, nullptr},
      {3.0, [](State& x) { x.FoamSetup.FoamTankSelect = kFoamTankB; }, nullptr},
      {4.0, [](State& x) { x.FoamSetup.CafsAirOn = true; }, nullptr},
      {5.0, [](State& x) { x.FoamSetup.CafsAirValve[3] = 0.5; }, "fill tank"},
      {5.25, [](State& x) { x.FoamSetup.CafsAirValve[3] = 0.75; }, nullptr},
      {5.5, [](State& x) { x.FoamSetup.CafsAirValve[3] = 1.0; }, nullptr},
      {6.0, [](State& x) { x.FoamSetup.CafsAirValve[4] = 1.0; }, nullptr},  // no air valve
  };
  for (const Move& m : kMoves) {
    m.change(*s);
    watch.Look(*s, m.time, actions);
    if (m.menu) actions.push_back({m.time, m.menu});
  }
  std::vector<std::string> texts;
  for (const RunAction& a : actions) texts.push_back(Fixed(a.time) + " " + a.text);
  const std::vector<std::string> wanted = {"1.0 foam proportioner on", "2.0 foam percent 3.00",
                                           "3.0 foam tank b",          "4.0 foam air on",
                                           "5.0 foam airvalve 3 0.50", "5.0 fill tank",
                                           "5.5 foam airvalve 3 1.00"};
  EXPECT_EQ(texts, wanted);
  // Every action listed reads back as the runner's script.
  Script script;
  std::string error;
  for (const RunAction& a : actions)
    EXPECT_TRUE(ParseScript("0 " + a.text + "\n", script, error)) << a.text << ": " << error;
}

// Each Actions-menu command is listed under the runner's name for it,
// which the runner reads back as the same command.
TEST(ControlWatchTest, MenuCommandsAreListedUnderTheirScriptNames) {
  const OperatorAction kAll[] = {OperatorAction::CheckSupplyLine,
                                 OperatorAction::CheckDischargeLines,
                                 OperatorAction::FillTank,
                                 OperatorAction::FillDumpTank,
                                 OperatorAction::FillEngineOil,
                                 OperatorAction::FillPrimerOil,
                                 OperatorAction::ReplaceSupplyLine,
                                 OperatorAction::ReplaceHardSuction,
                                 OperatorAction::ReconnectDischargeLine};
  for (OperatorAction a : kAll) {
    const std::string command = OperatorActionCommand(a);
    Script script;
    std::string error;
    ASSERT_TRUE(ParseScript("0 " + command + "\n", script, error)) << command << ": " << error;
    ASSERT_EQ(script.actions.size(), 1u);
    EXPECT_EQ(script.actions[0].command, ScriptCommand::Operator) << command;
    EXPECT_EQ(script.actions[0].action, a) << command;
  }
}

// The filed report moved beside a data file saved under a name: the first
// free name, never over a file that is there.
TEST(ReportFiles, MovesBesideTheDataFileNeverOverAFile) {
  struct Case {
    const char* name;
    std::vector<const char*> there;  // files in the folder besides the report
    const char* wanted;
  } const kCases[] = {
      {"free", {}, "drill.pdf"},
      {"taken", {"drill.pdf"}, "drill-2.pdf"},
      {"taken twice", {"drill.pdf", "drill-2.pdf"}, "drill-3.pdf"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir;
    const std::string report = (dir.path() / "EVO-20260101-120000.pdf").string();
    std::ofstream(report) << "report";
    for (const char* f : c.there) std::ofstream(dir.path() / f) << "user " << f;
    std::string error;
    const std::string moved =
        MoveReportBesideDataFile(report, (dir.path() / "drill.DTA").string(), error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(moved, (dir.path() / c.wanted).string());
    EXPECT_EQ(ReadText(moved), "report");
    EXPECT_FALSE(std::filesystem::exists(report));
    for (const char* f : c.there)
      EXPECT_EQ(ReadText((dir.path() / f).string()), std::string("user ") + f);
  }
  // A report that is gone: said, nothing made.
  ScratchDir dir;
  std::string error;
  const std::string gone = (dir.path() / "gone.pdf").string();
  EXPECT_EQ(MoveReportBesideDataFile(gone, (dir.path() / "d.DTA").string(), error), gone);
  EXPECT_NE(error, "");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "d.pdf"));
}

}  // namespace
}  // namespace pumpdrill
