// Every shipped exercise, as the build made its Evolution, opened and run
// through the runner with the good operator of its briefing
// (exercises/NAME/operator.txt): the nozzle pressures the briefing works out
// are reached and held, and the pump never cavitates. The run report
// against the exercise's answer key (NAME.KEY beside the Evolution) scores
// the good operator at 90 or more, and careless ones low, for the right
// reasons.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "frame/ini_file.h"
#include "panel/panel_layout.h"
#include "runner_invoke.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::Cells;
using testing::InvokeRunner;
using testing::Lines;
using testing::ReadText;
using testing::ScratchDir;

struct NozzleTarget {
  int line;
  double psi;       // the nozzle pressure the briefing asks for
  double tolerance; // psi either side
};

struct ShippedExercise {
  const char *folder; // exercises/<folder>; its Evolution is the folder's name
                      // upper-cased
  double duration;    // s
  double holdFrom;    // s: from here on every sample is inside the band
  double
      intakeFloor; // psi the intake pressure stays at or above from holdFrom on
  std::vector<NozzleTarget> targets;
  // The pump's work from holdFrom on: its net pressure (discharge less
  // intake) within 2 psi of netPsi and its total flow at least minGpm; 0
  // leaves either unchecked.
  double netPsi = 0;
  double minGpm = 0;
  // Incidents: from..to in s, while the operator deals with one; nothing is
  // checked inside, and every check holds again after it.
  std::vector<std::pair<double, double>> incidents = {};
  // The captions of the incident window's calls, in the order they come.
  std::vector<std::string> calls = {};
  // A field at the end of the run: what the briefing works out is left.
  struct Left {
    const char *field;
    double value;
    double tolerance;
  };
  std::vector<Left> left = {};
  bool fromTank = false;  // the tank feeds the pump: a run with tank-to-pump shut is scored too
};

const ShippedExercise kShipped[] = {
    {"tank-attack", 120, 20, 0, {{3, 100, 5}, {5, 100, 5}}, 0, 295, {}, {}, {{"Tank.Volume", 161, 3}},
     true},
    {"hydrant-supply", 120, 20, 20, {{3, 100, 5}, {5, 100, 5}}},
    {"deck-gun", 60, 20, 20, {{4, 80, 5}}},
    {"standpipe", 60, 20, 20, {{1, 50, 5}}},
    {"drafting", 90, 40, -6, {{3, 100, 5}, {5, 100, 5}}},
    {"service-test", 1230, 30, -8, {{4, 131, 3}, {1, 85, 3}}, 150, 1500},
    {"service-test-200", 630, 30, -7, {{4, 184, 3}}, 200, 1040},
    {"service-test-250", 630, 30, -7, {{4, 183, 3}}, 250, 745},
    {"relay", 120, 20, 40, {{4, 80, 5}}, 0, 585},
    {"tender-shuttle",
     900,
     40,
     -2,
     {{3, 100, 5}, {5, 100, 5}},
     0,
     295,
     {},
     {},
     {{"DraftSource.Volume", 1295, 5}, {"Tender.NextArrival", 1110, 0.1}}},
    {"foam-attack",
     240,
     20,
     0,
     {{5, 100, 5}},
     0,
     145,
     {},
     {},
     {{"FoamSetup.FoamTankA", 12.3, 0.3}, {"Tank.Volume", 158, 3}},
     true},
    {"incident-drill",
     300,
     40,
     -6,
     {{3, 100, 5}, {5, 100, 5}},
     0,
     295,
     {{60, 66}, {180, 205}},
     {"Incident 01:01: Engine 1 back-up: kinked supply line",
      "Incident 03:01: Engine 1 nozzle team: water lost"}},
};

bool InIncident(const ShippedExercise &ex, double time) {
  for (const auto &[from, to] : ex.incidents) {
    if (time > from && time < to) return true;
  }
  return false;
}

void PrintTo(const ShippedExercise &ex, std::ostream *os) { *os << ex.folder; }

std::string Upper(std::string s) {
  for (char &c : s)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The exercise's own panel, laid into the main directory's Panels folder
// as the build lays it: the program opens the Evolution with it.
void LayPanel(const ShippedExercise &ex, const std::filesystem::path &mainDir) {
  const std::filesystem::path panel =
      std::filesystem::path(PUMPDRILL_EXERCISES_DIR) / (Upper(ex.folder) + ".PNL");
  ASSERT_TRUE(std::filesystem::exists(panel)) << panel;
  std::filesystem::create_directories(mainDir / "Panels");
  std::filesystem::copy_file(panel, mainDir / "Panels" / panel.filename(),
                             std::filesystem::copy_options::overwrite_existing);
}

// The line titles the exercise's setup gives, by line.
std::vector<std::pair<int, std::string>> SetupTitles(const ShippedExercise &ex) {
  const std::string marker = "set DischargeList.LineTitle[";
  std::vector<std::pair<int, std::string>> titles;
  for (const std::string &line : Lines(ReadText(std::filesystem::path(PUMPDRILL_SOURCE_DIR) /
                                                "exercises" / ex.folder / "setup.txt"))) {
    const std::size_t at = line.find(marker);
    if (at == std::string::npos || line[0] == '#') continue;
    const std::size_t close = line.find("] ", at);
    titles.emplace_back(std::stoi(line.substr(at + marker.size())), line.substr(close + 2));
  }
  return titles;
}

// The highest line the exercise's targets use: the panel shows lines 1 to
// it.
int HighestTargetLine(const ShippedExercise &ex) {
  int highest = 0;
  for (const NozzleTarget &t : ex.targets) highest = std::max(highest, t.line);
  return highest;
}

// The CSV's columns: time, cavitation, intake, discharge, flow, then the
// nozzle pressures of the targets.
constexpr std::size_t kFirstTarget = 5;

class ShippedExerciseTest : public ::testing::TestWithParam<ShippedExercise> {};

TEST_P(ShippedExerciseTest, GoodOperatorReachesTheBriefingsNozzlePressures) {
  const ShippedExercise &ex = GetParam();
  const std::filesystem::path evolution =
      std::filesystem::path(PUMPDRILL_EXERCISES_DIR) /
      (Upper(ex.folder) + ".EVO");
  const std::filesystem::path script =
      std::filesystem::path(PUMPDRILL_SOURCE_DIR) / "exercises" / ex.folder /
      "operator.txt";
  ASSERT_TRUE(std::filesystem::exists(evolution)) << evolution;
  ScratchDir dir;
  // The exercise's text-only calls, where the build lays them: the sounds
  // folder of the main directory.
  const std::filesystem::path made_calls = std::filesystem::path(PUMPDRILL_EXERCISES_DIR) / "calls";
  if (!ex.calls.empty()) {
    std::filesystem::create_directories(dir / "Snd");
    for (const auto &call : std::filesystem::directory_iterator(made_calls))
      std::filesystem::copy_file(call.path(), dir / "Snd" / call.path().filename());
  }
  std::string columns = "SimClock.Time,PumpStatus.Cavitating,Supply.IntakePress,"
                        "PumpOutput.DischargePress,PumpOutput.TotalFlow";
  for (const NozzleTarget &t : ex.targets)
    columns += ",Discharges[" + std::to_string(t.line) + "].NozzlePress";
  for (const ShippedExercise::Left &l : ex.left)
    columns += std::string(",") + l.field;
  LayPanel(ex, dir.path());
  std::vector<std::string> args = {
      "--main-dir", dir.path().string(), "--evolution", evolution.string(),
      "--script", script.string(), "--duration", std::to_string(ex.duration),
      "--csv", (dir / "run.csv").string(), "--columns", columns};
  // The incident window's calls come on standard error.
  if (ex.calls.empty()) args.push_back("--quiet");
  const auto r = InvokeRunner(args);
  ASSERT_EQ(r.status, 0) << r.err;
  std::size_t heard = 0;
  for (const std::string &call : ex.calls) {
    const std::size_t at = r.err.find(call, heard);
    EXPECT_NE(at, std::string::npos) << call << " in\n" << r.err;
    if (at != std::string::npos) heard = at;
  }

  const std::vector<std::string> rows = Lines(ReadText(dir / "run.csv"));
  ASSERT_GT(rows.size(), 2u);
  int held = 0;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const std::vector<std::string> cells = Cells(rows[i]);
    ASSERT_EQ(cells.size(), kFirstTarget + ex.targets.size() + ex.left.size()) << rows[i];
    const double time = std::stod(cells[0]);
    if (InIncident(ex, time))
      continue;
    EXPECT_EQ(std::stod(cells[1]), 0) << "cavitating at " << time << " s";
    if (time < ex.holdFrom)
      continue;
    ++held;
    const double intake = std::stod(cells[2]);
    EXPECT_GE(intake, ex.intakeFloor) << "intake pressure at " << time << " s";
    if (ex.netPsi > 0) {
      EXPECT_NEAR(std::stod(cells[3]) - intake, ex.netPsi, 2) << "net pressure at " << time << " s";
    }
    EXPECT_GE(std::stod(cells[4]), ex.minGpm) << "pump flow at " << time << " s";
    for (std::size_t k = 0; k < ex.targets.size(); ++k) {
      const NozzleTarget &t = ex.targets[k];
      EXPECT_NEAR(std::stod(cells[kFirstTarget + k]), t.psi, t.tolerance)
          << "line " << t.line << " at " << time << " s";
    }
  }
  const std::vector<std::string> last = Cells(rows.back());
  EXPECT_GE(std::stod(last[0]), ex.duration - 0.02);
  for (std::size_t k = 0; k < ex.left.size(); ++k) {
    EXPECT_NEAR(std::stod(last[kFirstTarget + ex.targets.size() + k]), ex.left[k].value,
                ex.left[k].tolerance)
        << ex.left[k].field << " at the end";
  }
  EXPECT_GT(held, 0);
}

// The answer key the build laid beside the Evolution asks for what the good
// operator reaches: the same duration, each target line with a band that
// holds the briefing's pressure, the intake floor no higher than the run's.
TEST_P(ShippedExerciseTest, AnswerKeyBesideTheEvolutionAsksForTheBriefingsTargets) {
  const ShippedExercise &ex = GetParam();
  const std::filesystem::path key =
      std::filesystem::path(PUMPDRILL_EXERCISES_DIR) / (Upper(ex.folder) + ".KEY");
  ASSERT_TRUE(std::filesystem::exists(key)) << key;
  IniFile ini(key.string());
  ASSERT_TRUE(ini.Load()) << key;
  EXPECT_DOUBLE_EQ(std::stod(ini.Get("Key", "Duration", "0")), ex.duration);
  // 0 is no floor; any other floor (below 0 a vacuum one at draft) is one
  // the good operator's intake stays above.
  const double floor = std::stod(ini.Get("Key", "IntakeFloor", "0"));
  if (floor != 0) {
    EXPECT_LE(floor, ex.intakeFloor);
  }
  // Every entry is given; a cavitating pump, a water hammer and an empty
  // tank cost points in every exercise.
  for (const char *never : {"Cavitation", "WaterHammer", "TankEmpty", "EngineOverLimit", "HoseOverTest"}) {
    const std::string entry = ini.Get("Never", never, "");
    EXPECT_TRUE(entry.rfind('0', 0) == 0 || entry.rfind('1', 0) == 0) << never << "=" << entry;
  }
  for (const char *never : {"Cavitation", "WaterHammer", "TankEmpty"})
    EXPECT_EQ(ini.Get("Never", never, "").substr(0, 1), "1") << never;
  for (const NozzleTarget &t : ex.targets) {
    const std::string line = "Line " + std::to_string(t.line);
    ASSERT_TRUE(ini.HasSection(line)) << line;
    const double psi = std::stod(ini.Get(line, "NozzlePressure", "0"));
    const double tolerance = std::stod(ini.Get(line, "Tolerance", "0"));
    EXPECT_LE(std::abs(psi - t.psi) + t.tolerance, tolerance) << line;
    EXPECT_GT(std::stod(ini.Get(line, "WaterBy", "0")), 0) << line;
    EXPECT_LE(std::stod(ini.Get(line, "WaterBy", "0")), ex.holdFrom + 40) << line;
  }
}

// The Evolution opened as the program opens it, with the panel it names:
// the panel is the exercise's own, it keeps the exercise's line titles and
// shows the lines up to the highest one the exercise uses.
TEST_P(ShippedExerciseTest, OpensWithItsOwnPanelKeepingItsLineTitles) {
  const ShippedExercise &ex = GetParam();
  const std::string name = Upper(ex.folder);
  ScratchDir dir;
  LayPanel(ex, dir.path());
  const auto r = InvokeRunner(
      {"--main-dir", dir.path().string(), "--evolution",
       (std::filesystem::path(PUMPDRILL_EXERCISES_DIR) / (name + ".EVO")).string(), "--print-state"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "") << "the panel opens without a message";
  EXPECT_NE(r.out.find("PumpControl.PanelFileName = " + name + ".PNL\n"), std::string::npos);
  EXPECT_NE(r.out.find("DischargeList.LineCount = " + std::to_string(HighestTargetLine(ex)) + "\n"),
            std::string::npos);
  for (const auto &[line, title] : SetupTitles(ex)) {
    EXPECT_NE(r.out.find("DischargeList.LineTitle[" + std::to_string(line) + "] = " + title + "\n"),
              std::string::npos)
        << title;
  }
  // The throttle and the pressure control stand where a new panel window
  // puts them, below the big gauges.
  IniFile panel((dir / "Panels" / (name + ".PNL")).string());
  ASSERT_TRUE(panel.Load());
  const PanelLayout layout = DefaultPanelLayout();
  for (const auto &[section, item] : {std::pair{"RPM CTRL", PanelItem::Throttle},
                                      std::pair{"RELIEF VALVE ADJUSTM", PanelItem::PressureControl}}) {
    EXPECT_EQ(panel.Get(section, "LEFT", ""), std::to_string(layout.Item(item).Left)) << section;
    EXPECT_EQ(panel.Get(section, "TOP", ""), std::to_string(layout.Item(item).Top)) << section;
  }
}

// The operator's script changed as a careless operator works: every line
// that matches `drop` (its command and first argument) is left out, and the
// pressure control is replaced by the throttle wide open.
std::string Careless(const std::string& script, bool throttleHigh, bool tankShut) {
  std::istringstream in(script);
  std::string out, line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string time, command, first;
    words >> time >> command >> first;
    if (tankShut && command == "valve" && first == "17") continue;
    if (throttleHigh && command == "control") line = time + " control none";
    if (throttleHigh && command == "governor") line = time + " throttle 2200";
    out += line + "\n";
  }
  return out;
}

struct Scored {
  double score = -1;
  std::string text;
};

Scored ReportOf(const ShippedExercise& ex, const std::string& script) {
  const std::string name = Upper(ex.folder);
  const std::filesystem::path evols(PUMPDRILL_EXERCISES_DIR);
  ScratchDir dir;
  LayPanel(ex, dir.path());
  std::ofstream(dir / "operator.txt") << script;
  const auto r = InvokeRunner({"--main-dir", dir.path().string(), "--evolution",
                               (evols / (name + ".EVO")).string(), "--script",
                               (dir / "operator.txt").string(), "--duration",
                               std::to_string(ex.duration), "--report",
                               (evols / (name + ".KEY")).string(), "--quiet"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "") << "the key reads without a message";
  Scored s;
  s.text = r.out;
  const std::size_t at = r.out.find("\nScore: ");
  if (at != std::string::npos) s.score = std::stod(r.out.substr(at + 8));
  return s;
}

TEST_P(ShippedExerciseTest, ReportScoresTheGoodOperatorHighAndCarelessOnesLow) {
  const ShippedExercise& ex = GetParam();
  const std::string good = ReadText(std::filesystem::path(PUMPDRILL_SOURCE_DIR) / "exercises" /
                                    ex.folder / "operator.txt");
  const Scored best = ReportOf(ex, good);
  EXPECT_GE(best.score, 90) << best.text;
  EXPECT_NE(best.text.find("Operator actions\n  0.0 s  valve "), std::string::npos) << best.text;
  // The report names each target line by the exercise's title for it.
  for (const auto &[line, title] : SetupTitles(ex)) {
    if (line > HighestTargetLine(ex)) continue;
    EXPECT_NE(best.text.find("Line " + std::to_string(line) + " (" + title + ")"),
              std::string::npos)
        << title << "\n" << best.text;
  }

  // The throttle wide open: the engine at its limit, every nozzle far above
  // its band (or dry, where the pump cavitates on what its supply gives).
  const Scored high = ReportOf(ex, Careless(good, true, false));
  EXPECT_LT(high.score, 50) << high.text;
  EXPECT_NE(high.text.find("Highest engine speed 2200 RPM (limit 2200), at the limit for"),
            std::string::npos)
      << high.text;
  for (const NozzleTarget& t : ex.targets) {
    EXPECT_NE(high.text.find("Line " + std::to_string(t.line) + " ("), std::string::npos)
        << high.text;
  }
  const bool aboveBand = high.text.find("% of its flowing time (worst +") != std::string::npos;
  const bool neverFlowed = high.text.find("never flowed") != std::string::npos;
  EXPECT_TRUE(aboveBand || neverFlowed) << high.text;

  if (!ex.fromTank) return;
  // Tank-to-pump left shut: no water anywhere.
  const Scored dry = ReportOf(ex, Careless(good, false, true));
  EXPECT_LT(dry.score, 50) << dry.text;
  for (const NozzleTarget& t : ex.targets) {
    EXPECT_NE(dry.text.find("Line " + std::to_string(t.line) + " (") , std::string::npos);
  }
  EXPECT_NE(dry.text.find("no water by"), std::string::npos) << dry.text;
  EXPECT_NE(dry.text.find("never flowed"), std::string::npos) << dry.text;
}

INSTANTIATE_TEST_SUITE_P(Exercises, ShippedExerciseTest,
                         ::testing::ValuesIn(kShipped), [](const auto &info) {
                           std::string n;
                           for (char c : std::string(info.param.folder))
                             n += std::isalnum(c) ? c : '_';
                           return n;
                         });

// The report of a data file's run, and of keys that are missing or
// damaged: the measures stay, the score goes, a message names the key.
TEST(ExerciseReport, FromADataFileAndWithBadKeys) {
  const std::filesystem::path evols(PUMPDRILL_EXERCISES_DIR);
  const std::string evolution = (evols / "HYDRANT-SUPPLY.EVO").string();
  const std::string script = (std::filesystem::path(PUMPDRILL_SOURCE_DIR) / "exercises" /
                              "hydrant-supply" / "operator.txt")
                                 .string();
  ScratchDir dir;
  const auto recorded = InvokeRunner({"--main-dir", dir.path().string(), "--evolution", evolution,
                                      "--script", script, "--duration", "120", "--dta",
                                      (dir / "RUN.DTA").string(), "--dta-interval", "0.25",
                                      "--quiet"});
  ASSERT_EQ(recorded.status, 0) << recorded.err;
  std::ofstream(dir / "DAMAGED.KEY") << "[Key]\nDuration=soon\n";
  std::ofstream(dir / "EXTRA.KEY") << "[Key]\nDuration=120\nIntakeFloor=20\n[Line 3]\n"
                                      "NozzlePressure=100\n[Line 12]\nNozzlePressure=100\n";
  struct Case {
    std::string key;
    std::vector<std::string> extra;
    std::vector<std::string> wanted;  // in the output
    std::string message;              // in the warnings
    bool scored;
  };
  const std::string dta = (dir / "RUN.DTA").string();
  const Case kCases[] = {
      {(evols / "HYDRANT-SUPPLY.KEY").string(),
       {"--report-from", dta},
       {"Note: Cavitation is not recorded in a data file: not scored.",
        "Note: A data file holds no operator actions", "Operator actions\n  Not recorded.",
        "Cavitating: not recorded", "in band 100 %", "Score: 100.0 of 100"},
       "", true},
      {(dir / "NONE.KEY").string(),
       {"--report-from", dta},
       {"No answer key: measures only.", "water at 2."},
       "NONE.KEY\" does not exist", false},
      {(dir / "DAMAGED.KEY").string(),
       {"--script", script, "--duration", "120"},
       {"No answer key: measures only.", "  2.0 s  valve 3 1\n"},
       "DAMAGED.KEY\" is damaged", false},
      {(dir / "EXTRA.KEY").string(),
       {"--script", script, "--duration", "120"},
       {"Line 3 ", "Line 5 ", "Score: 100.0 of 100"},
       "[Line 12] names a line that does not exist (the Evolution has 5); skipped.", true},
  };
  for (const Case& c : kCases) {
    std::vector<std::string> args = {"--main-dir", dir.path().string(), "--evolution", evolution,
                                     "--report", c.key};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const auto r = InvokeRunner(args);
    ASSERT_EQ(r.status, 0) << c.key << r.err;
    for (const std::string& w : c.wanted) EXPECT_NE(r.out.find(w), std::string::npos) << w << "\n" << r.out;
    if (c.message.empty()) {
      EXPECT_EQ(r.err, "") << c.key;
    } else {
      EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_EQ(r.out.find("Score:") != std::string::npos, c.scored) << c.key;
  }
  // One CSV row, with its header when asked: the same number of fields.
  const auto csv = InvokeRunner({"--main-dir", dir.path().string(), "--evolution", evolution,
                                 "--report", (evols / "HYDRANT-SUPPLY.KEY").string(),
                                 "--report-from", dta, "--report-csv-header"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  const std::vector<std::string> rows = Lines(csv.out);
  ASSERT_EQ(rows.size(), 2u) << csv.out;
  EXPECT_EQ(std::count(rows[0].begin(), rows[0].end(), ','),
            std::count(rows[1].begin(), rows[1].end(), ','));
  EXPECT_EQ(Cells(rows[0])[3], "score");
  EXPECT_EQ(Cells(rows[1])[3], "100.0");
  const auto unreadable = InvokeRunner({"--main-dir", dir.path().string(), "--report-from",
                                        (dir / "NONE.DTA").string()});
  EXPECT_EQ(unreadable.status, 1);
  EXPECT_NE(unreadable.err.find("could not be read"), std::string::npos) << unreadable.err;
}

// A flowing crosslay's valve shut at once: the water hammer the run sounds
// is counted and costs its share of the safety points; the nozzle shut
// first, none.
TEST(ExerciseReport, AWaterHammerIsCountedAndDeducted) {
  const std::filesystem::path evols(PUMPDRILL_EXERCISES_DIR);
  struct Case {
    const char* shut;  // the closing of line 3
    const char* wanted;
  };
  const Case kCases[] = {
      {"30.1 valve 3 0\n", "  -5.0  1 water hammer (the first at 30.1 s)\n"},
      {"30 nozzle 3 0\n31 valve 3 0\n", "water hammers: 0\n"},
  };
  for (const Case& c : kCases) {
    ScratchDir dir;
    std::ofstream(dir / "op.txt") << "0 valve 18 1\n0 control governor\n0 governor pressure 158\n"
                                     "2 valve 3 1\n2 nozzle 3 1\n"
                                  << c.shut;
    const auto r = InvokeRunner({"--main-dir", dir.path().string(), "--evolution",
                                 (evols / "HYDRANT-SUPPLY.EVO").string(), "--script",
                                 (dir / "op.txt").string(), "--duration", "60", "--report",
                                 (evols / "HYDRANT-SUPPLY.KEY").string(), "--quiet"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(c.wanted), std::string::npos) << c.shut << r.out;
  }
}

// A setup holds only what an instructor sets before a run; anything else
// stops the runner before it starts, naming the line.
struct SetupRefusal {
  const char *text;
  int status;
  const char *message;
};

TEST(ExerciseSetup, RefusesWhatIsNoSetupLine) {
  const SetupRefusal kRefusals[] = {
      {"0 set Engine.MaxRpm 2200\n0 throttle 1500\n", 2,
       "line 2: a setup holds only set, supply and pump lines"},
      {"5 set Engine.MaxRpm 2200\n", 2, "line 1: a setup line is at time 0"},
      {"0 set Engine.NoSuchField 1\n", 2, "line 1: no field named"},
      {"0 terminate\n", 2, "line 1: a setup holds only"},
  };
  for (const SetupRefusal &c : kRefusals) {
    ScratchDir dir;
    std::ofstream(dir / "setup.txt") << c.text;
    const auto r = InvokeRunner({"--main-dir", dir.path().string(), "--setup",
                                 (dir / "setup.txt").string(), "--print-state",
                                 "--save-evolution", (dir / "X.EVO").string()});
    EXPECT_EQ(r.status, c.status) << c.text;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "X.EVO")) << c.text;
  }
  ScratchDir dir;
  const auto missing =
      InvokeRunner({"--main-dir", dir.path().string(), "--setup",
                    (dir / "none.txt").string(), "--print-state"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("cannot read the setup"), std::string::npos)
      << missing.err;
}

// Several setups apply in order: the later line wins.
TEST(ExerciseSetup, AppliesSetupsInOrderAndSavesWithoutARun) {
  ScratchDir dir;
  std::ofstream(dir / "a.txt")
      << "0 set Engine.MaxRpm 2200\n0 supply capacity 750\n";
  std::ofstream(dir / "b.txt") << "0 set Engine.MaxRpm 2100\n";
  const auto r = InvokeRunner({"--main-dir", dir.path().string(), "--setup",
                               (dir / "a.txt").string(), "--setup",
                               (dir / "b.txt").string(), "--print-state",
                               "--save-evolution", (dir / "X.EVO").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto opened =
      InvokeRunner({"--main-dir", dir.path().string(), "--evolution",
                    (dir / "X.EVO").string(), "--print-state"});
  ASSERT_EQ(opened.status, 0) << opened.err;
  for (const char *line : {"Engine.MaxRpm = 2100\n", "Tank.Capacity = 750\n",
                           "Tank.Volume = 750\n", "SimClock.Time = 0\n"})
    EXPECT_NE(opened.out.find(line), std::string::npos) << line;
}

// What lives in the panel file (the foam system) is saved with the panel the
// setup names; the Evolution opened elsewhere attaches it again. A panel
// that cannot be written stops the runner before any Evolution is saved.
TEST(ExerciseSetup, SavesThePanelTheEvolutionAttaches) {
  ScratchDir made;
  std::ofstream(made / "panel.txt")
      << "0 set FoamSetup.SYS_TYPE 2\n0 set FoamSetup.TANK_CAP 30\n0 set FoamSetup.PCT_RANGE 1\n";
  const auto r = InvokeRunner({"--main-dir", made.path().string(), "--setup",
                               (made / "panel.txt").string(), "--save-panel",
                               (made / "OWN.PNL").string(), "--print-state", "--save-evolution",
                               (made / "X.EVO").string()});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("PumpControl.PanelFileName = OWN.PNL\n"), std::string::npos);
  EXPECT_NE(ReadText(made / "OWN.PNL").find("SYS_TYPE=2"), std::string::npos);

  ScratchDir dir;
  std::filesystem::create_directories(dir / "Panels");
  std::filesystem::copy_file(made / "OWN.PNL", dir / "Panels" / "OWN.PNL");
  const auto opened = InvokeRunner({"--main-dir", dir.path().string(), "--evolution",
                                    (made / "X.EVO").string(), "--print-state"});
  ASSERT_EQ(opened.status, 0) << opened.err;
  for (const char *line : {"FoamSetup.SYS_TYPE = 2\n", "FoamSetup.TANK_CAP = 30\n",
                           "FoamSetup.FoamTankA = 30\n", "FoamSetup.PCT_RANGE = 1\n"})
    EXPECT_NE(opened.out.find(line), std::string::npos) << line;

  const auto refused = InvokeRunner(
      {"--main-dir", made.path().string(), "--setup", (made / "panel.txt").string(),
       "--save-panel", (made / "no-such-folder" / "OWN.PNL").string(), "--print-state",
       "--save-evolution", (made / "Y.EVO").string()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("cannot save the panel"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(made / "Y.EVO"));
}

} // namespace
} // namespace pumpdrill
