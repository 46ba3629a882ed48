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
  bool fromTank = false;  // the tank feeds the pump: a run with tank-to-pump shut is scored too
};

const ShippedExercise kShipped[] = {
    {"tank-attack", 120, 20, 0, {{3, 100, 5}, {5, 100, 5}}, true},
    {"hydrant-supply", 120, 20, 20, {{3, 100, 5}, {5, 100, 5}}},
    {"deck-gun", 60, 20, 20, {{4, 80, 5}}},
    {"standpipe", 60, 20, 20, {{1, 50, 5}}},
    {"drafting", 90, 40, -6, {{3, 100, 5}, {5, 100, 5}}},
    {"service-test", 1230, 30, -8, {{4, 131, 3}, {1, 85, 3}}},
};

void PrintTo(const ShippedExercise &ex, std::ostream *os) { *os << ex.folder; }

std::string Upper(std::string s) {
  for (char &c : s)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

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
  std::string columns =
      "SimClock.Time,PumpStatus.Cavitating,Supply.IntakePress";
  for (const NozzleTarget &t : ex.targets)
    columns += ",Discharges[" + std::to_string(t.line) + "].NozzlePress";
  const auto r = InvokeRunner(
      {"--main-dir", dir.path().string(), "--evolution", evolution.string(),
       "--script", script.string(), "--duration", std::to_string(ex.duration),
       "--csv", (dir / "run.csv").string(), "--columns", columns, "--quiet"});
  ASSERT_EQ(r.status, 0) << r.err;

  const std::vector<std::string> rows = Lines(ReadText(dir / "run.csv"));
  ASSERT_GT(rows.size(), 2u);
  int held = 0;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const std::vector<std::string> cells = Cells(rows[i]);
    ASSERT_EQ(cells.size(), 3 + ex.targets.size()) << rows[i];
    const double time = std::stod(cells[0]);
    EXPECT_EQ(std::stod(cells[1]), 0) << "cavitating at " << time << " s";
    if (time < ex.holdFrom)
      continue;
    ++held;
    EXPECT_GE(std::stod(cells[2]), ex.intakeFloor)
        << "intake pressure at " << time << " s";
    for (std::size_t k = 0; k < ex.targets.size(); ++k) {
      const NozzleTarget &t = ex.targets[k];
      EXPECT_NEAR(std::stod(cells[3 + k]), t.psi, t.tolerance)
          << "line " << t.line << " at " << time << " s";
    }
  }
  EXPECT_GE(std::stod(Cells(rows.back())[0]), ex.duration - 0.02);
  EXPECT_GT(held, 0);
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

  // The throttle wide open: every nozzle far above its band, the engine at
  // its limit.
  const Scored high = ReportOf(ex, Careless(good, true, false));
  EXPECT_LT(high.score, 50) << high.text;
  EXPECT_NE(high.text.find("The engine ran at its limit of 2200 RPM"), std::string::npos)
      << high.text;
  for (const NozzleTarget& t : ex.targets) {
    EXPECT_NE(high.text.find("Line " + std::to_string(t.line) + " ("), std::string::npos)
        << high.text;
  }
  EXPECT_NE(high.text.find("% of its flowing time (worst +"), std::string::npos) << high.text;

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
       "[Line 12] names a line that does not exist (the Evolution has 8); skipped.", true},
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

} // namespace
} // namespace pumpdrill
