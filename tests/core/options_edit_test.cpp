// The options window's arithmetic: spinner values and their stored
// meaning, the threshold in every pressure unit, what OK writes into the
// records, and where the default Evolution may lie.
#include "frame/options_edit.h"

#include <gtest/gtest.h>

#include <fstream>

#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::ScratchDir;

DisplayUnits Units(bool metric, bool bars) {
  DisplayUnits u;
  ApplyUnits(u, metric, bars);
  return u;
}

TEST(OptionsEditTest, SpinnersShowStoredValuesWithinTheirRanges) {
  struct Case {
    long long kBytes;
    int mBytes;
    long long seconds;
    int minutes;
  } cases[] = {
      {3000, 3, 1800, 30}, {3500, 3, 1830, 30}, {500, 1, 0, 0}, {90000, 50, 60LL * 20000, 9999},
      {-5, 1, -60, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DatafileMBytesShown(c.kBytes), c.mBytes) << c.kBytes;
    EXPECT_EQ(RunTimeMinutesShown(c.seconds), c.minutes) << c.seconds;
  }
  EXPECT_EQ(DatafileKBytesEntered(7), 7000);
  EXPECT_EQ(DatafileKBytesEntered(0), 1000);
  EXPECT_EQ(RunTimeSecondsEntered(0), 0);  // no limit
  EXPECT_EQ(RunTimeSecondsEntered(12000), 60LL * 9999);
}

TEST(OptionsEditTest, ThresholdUsesThePressureUnitOfTheDisplay) {
  struct Case {
    bool metric, bars;
    double shownFor400;
    const char* label;
  } cases[] = {
      {false, false, 400, "threshold (lb)"},
      {true, true, 27.576, "threshold (bar)"},
      {true, false, 2757.6, "threshold (KPa)"},
  };
  for (const Case& c : cases) {
    const DisplayUnits u = Units(c.metric, c.bars);
    EXPECT_NEAR(WaterHammerShown(u, 400), c.shownFor400, 1e-9) << c.label;
    EXPECT_EQ(WaterHammerLabel(u), c.label);
    // Typed back in the same unit, the value is the psi it shows.
    EXPECT_NEAR(WaterHammerEntered(u, WaterHammerShown(u, 650)), 650, 1e-9) << c.label;
    // The range is 100 to 1000 psi in any unit.
    EXPECT_NEAR(WaterHammerEntered(u, WaterHammerShown(u, 20)), 100, 1e-9) << c.label;
    EXPECT_NEAR(WaterHammerEntered(u, WaterHammerShown(u, 5000)), 1000, 1e-9) << c.label;
  }
  EXPECT_EQ(WaterHammerDecimals(Units(true, true)), 2);
  EXPECT_EQ(WaterHammerDecimals(Units(true, false)), 0);
}

TEST(OptionsEditTest, FillingChangesNoRecordAndApplyWritesOnlyItsFields) {
  Configuration config;
  TShowOptionsRec show;
  config.Options.DefaultEvolutionName = "";
  config.Options.MaxDatafileKBytes = 3500;
  const TOptions before = config.Options;
  OptionsEdit e = FillOptionsEdit(config.Options, show);
  EXPECT_EQ(config.Options.DefaultEvolutionName, "");  // not "none"
  EXPECT_EQ(e.MaxDatafileKBytes, 3500);

  // A sound setting changed while the window was open stays.
  config.Options.EngVolPercent = 12;
  config.Options.UseWavSound = !before.UseWavSound;
  e.MetricUnits = true;
  e.UseBars = true;
  e.UseDefaultEvolution = true;  // but no file named: off
  e.DeptName = std::string(300, 'x');
  e.PanelFlags = {true, false, true, false, true, false, true, false};
  e.WaterHammerPsi = 650;
  ApplyOptionsEdit(e, config, show);
  EXPECT_EQ(config.Options.EngVolPercent, 12);
  EXPECT_EQ(config.Options.UseWavSound, !before.UseWavSound);
  EXPECT_FALSE(config.Options.UseDefaultEvolution);
  EXPECT_EQ(config.Options.DeptName.size(), 255u);
  EXPECT_EQ(config.Options.MaxDatafileKBytes, 3500);
  EXPECT_TRUE(config.Units.Metric);
  EXPECT_TRUE(config.Units.Bars);
  EXPECT_DOUBLE_EQ(show.WaterHammerLimit, 650);
  const Boolean flags[] = {show.ShowDigitalPressure, show.ShowDigitalFlow, show.ShowDigitalRpm,
                           show.ShowDigitalTankVol,  show.NeedleVibration, show.IndicateCavitation,
                           show.IndicatePrimed,      show.WaterHammerCheck};
  for (int i = 0; i < kPanelFlagCount; ++i) EXPECT_EQ(flags[i] != 0, e.PanelFlags[i]) << i;
}

TEST(OptionsEditTest, DefaultEvolutionMustLieInTheEvolutionsFolder) {
  ScratchDir dir;
  std::filesystem::create_directories(dir / "Evols");
  const std::string evols = (dir / "Evols").string() + "/";
  struct Case {
    std::string chosen;
    std::string stored;
  } cases[] = {
      {evols + "Draft Drill.EVO", "Draft Drill.EVO"},  // its own case
      {evols + "sub/../Hydrant.evo", "Hydrant.evo"},
      {(dir / "Elsewhere.EVO").string(), ""},
      {evols + "sub/Deeper.EVO", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(DefaultEvolutionFileName(c.chosen, evols), c.stored) << c.chosen;
}

TEST(OptionsEditTest, DefaultEvolutionIsFoundByItsOneCaseInsensitiveMatch) {
  ScratchDir dir;
  const std::string evols = dir.path().string() + "/";
  for (const char* name : {"Draft Drill.EVO", "Twin.EVO", "TWIN.evo"})
    std::ofstream(dir / name) << "x";
  struct Case {
    const char* name;
    const char* found;  // nullptr: none
  } cases[] = {
      {"Draft Drill.EVO", "Draft Drill.EVO"},
      {"draft drill.evo", "Draft Drill.EVO"},  // stored in lower case by earlier versions
      {"twin.evo", nullptr},                   // two matches: neither is guessed
      {"Twin.EVO", "Twin.EVO"},                // the exact name wins
      {"missing.evo", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FindDefaultEvolution(evols, c.name),
              c.found ? (dir / c.found).string() : std::string())
        << c.name;
}

}  // namespace
}  // namespace pumpdrill
