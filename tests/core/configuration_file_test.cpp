#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_fault_support.h"
#include "frame/configuration.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::ReadText;
using testing::ScratchDir;
using testing::WriteText;

struct Loaded {
  Configuration config;
  TShowOptionsRec show;
  ConfigReport report;
};

Loaded Read(const std::filesystem::path& ini, int waveDevices = 1) {
  Loaded l;
  l.report = ReadConfiguration(ini, l.config, l.show, waveDevices);
  return l;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const char* const kFreshFile =
    "[Desktop]\n"
    "DeptName=KVL Hose Co. No. 1\n"
    "ASK TO SAVE DATA RECORD=true\n"
    "USE DEFAULT EVOLUTION=false\n"
    "DEFAULT EVOLUTION NAME=\n"
    "DEFAULT LOGIN CLASS=\n"
    "Show All Hints=true\n"
    "Use Bars=false\n"
    "Units=ENGLISH\n"
    "Sound: Use WAV=true\n"
    "Sound: Eng Vol Percent=85\n"
    "Sound: Use MIDI=true\n"
    "Sound: Use Engine Snd=true\n"
    "Radio: Use=true\n"
    "Radio: Mean=13\n"
    "Radio: Variance=10\n"
    "Auto-Nozzle Operation=true\n"
    "Record Data on Startup=true\n"
    "Plot Stay on Top=false\n"
    "Make Plot Printout Fit=true\n"
    "Max Datafile KByte Size=3000\n"
    "Max Sim Run Time Mins=30\n"
    "\n\n"
    "[Panel]\n"
    "Show Digital: PRESSURE=false\n"
    "Show Digital: FLOW=false\n"
    "Show Digital: RPM=false\n"
    "Show Digital: TANK VOL=false\n"
    "Show: NEEDLE VIBRATION=false\n"
    "Indicate: CAVITATION=false\n"
    "Indicate: PRIMED=false\n"
    "Indicate: WATER HAMMER=true\n"
    "Threshold: WATER HAMMER=400\n";

TEST(ConfigurationFile, FreshStartCreatesTheFileWithEveryDefault) {
  ScratchDir dir;
  std::filesystem::create_directories(dir.path() / "Ini");
  const auto ini = ConfigFilePath(dir.path());
  EXPECT_EQ(ini, dir.path() / "Ini" / "Tw.INI");
  Loaded l = Read(ini);
  EXPECT_TRUE(l.report.Ok && l.report.Created && l.report.Problems.empty());
  EXPECT_EQ(ReadText(ini), kFreshFile);
  EXPECT_EQ(l.config.Options.MaxSimRunTimeSecs, 1800);
  EXPECT_EQ(l.config.Options.DeptName, "KVL Hose Co. No. 1");

  // A second start reads the file and leaves it as it is.
  WriteText(ini, ReadText(ini) + "; kept\n");
  Loaded again = Read(ini);
  EXPECT_FALSE(again.report.Created);
  EXPECT_EQ(again.config.Options.MaxSimRunTimeSecs, 1800);
  EXPECT_EQ(ReadText(ini), std::string(kFreshFile) + "; kept\n");

  // The start-up read adds the hose lists; without an Ini folder it runs on
  // defaults and reports the one problem.
  Configuration config;
  config.HoseFriction = {"1"};
  TShowOptionsRec show;
  EXPECT_TRUE(ReadStartupConfiguration(dir.path(), config, show, 1).Ok);
  EXPECT_EQ(config.HoseFriction, DefaultHoseFriction());
  EXPECT_TRUE(Contains(ReadText(ini), "[Hose Friction]\n0=125\n"));
  ScratchDir bare;
  config.HoseDiamMetric.clear();
  ConfigReport r = ReadStartupConfiguration(bare.path(), config, show, 1);
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.Problems.size(), 1u);
  EXPECT_EQ(config.HoseDiamMetric, DefaultHoseDiamMetric());
  EXPECT_FALSE(std::filesystem::exists(bare.path() / "Ini"));
}

TEST(ConfigurationFile, BooleanAndUnitsTexts) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  for (const char* yes : {"1", "true", "True", "TRUE", "YES", "Yes", "yes", " yes"}) {
    WriteText(ini, std::string("[Desktop]\nPlot Stay on Top=") + yes + "\n");
    EXPECT_TRUE(Read(ini).config.Options.PlotStayOnTop) << yes;
  }
  for (const char* no : {"on", "0", "false", "tRUE", "y", "", "2"}) {
    WriteText(ini, std::string("[Desktop]\nShow All Hints=") + no + "\n");
    EXPECT_FALSE(Read(ini).config.Options.ShowAllHints) << no;
  }
  for (auto [text, metric] : {std::pair{"METRIC", true}, {"metric", false}, {"ENGLISH", false}}) {
    WriteText(ini, std::string("[Desktop]\nUnits=") + text + "\n");
    EXPECT_EQ(Read(ini).config.Options.MetricUnits, metric) << text;
  }
}

TEST(ConfigurationFile, WithoutAWaveDeviceTheSoundOptionsAreOffAndWrittenFalse) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  const std::string file = "[Desktop]\nSound: Use WAV=yes\nSound: Use MIDI=1\nRadio: Use=1\n";
  WriteText(ini, file);
  const TOptions with = Read(ini, 1).config.Options;
  EXPECT_TRUE(with.UseWavSound && with.EngineSound && with.RadioUse);

  Loaded none = Read(ini, 0);
  EXPECT_FALSE(none.config.Options.UseWavSound || none.config.Options.EngineSound || none.config.Options.RadioUse);
  EXPECT_EQ(ReadText(ini), file);  // reading alone changes nothing
  ASSERT_TRUE(WriteConfiguration(ini, none.config, none.show).Ok);
  for (const char* key : {"Sound: Use WAV", "Sound: Use MIDI", "Sound: Use Engine Snd", "Radio: Use"})
    EXPECT_TRUE(Contains(ReadText(ini), std::string(key) + "=false\n")) << key;

  // WAV sound off takes engine sound and radio with it; the engine sound is
  // read from its first key only.
  WriteText(ini, "[Desktop]\nSound: Use WAV=0\nSound: Use MIDI=1\nRadio: Use=1\n");
  EXPECT_FALSE(Read(ini, 1).config.Options.EngineSound || Read(ini, 1).config.Options.RadioUse);
  WriteText(ini, "[Desktop]\nSound: Use MIDI=0\nSound: Use Engine Snd=1\n");
  EXPECT_FALSE(Read(ini, 1).config.Options.EngineSound);
}

TEST(ConfigurationFile, NumbersRoundTripAndBadOnesKeepTheirDefaults) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  WriteText(ini, "[Desktop]\nMax Sim Run Time Mins=45\nRadio: Mean=12,5\nSound: Eng Vol Percent=-3\n"
                 "[Panel]\nThreshold: WATER HAMMER=350.5\n");
  Loaded l = Read(ini);
  EXPECT_TRUE(l.report.Problems.empty());
  EXPECT_EQ(l.config.Options.MaxSimRunTimeSecs, 2700);
  EXPECT_DOUBLE_EQ(l.config.Options.RadioMean, 12.5);  // written where the decimal separator is a comma
  EXPECT_EQ(l.config.Options.EngVolPercent, -3);
  EXPECT_DOUBLE_EQ(l.show.WaterHammerLimit, 350.5);
  l.config.Options.MaxSimRunTimeSecs = 2759;  // written back as whole minutes
  ASSERT_TRUE(WriteConfiguration(ini, l.config, l.show).Ok);
  const std::string text = ReadText(ini);
  EXPECT_TRUE(Contains(text, "Max Sim Run Time Mins=45\n"));
  EXPECT_TRUE(Contains(text, "Radio: Mean=12.5\n"));
  EXPECT_TRUE(Contains(text, "Threshold: WATER HAMMER=350.5\n"));

  WriteText(ini, "[Desktop]\nRadio: Mean=abc\nMax Sim Run Time Mins=40000000\nSound: Eng Vol Percent=99999\n"
                 "Max Datafile KByte Size=2.5\nRadio: Variance=nan\nUnits=METRIC\nDeptName=" +
                     std::string(300, 'x') + "\n[Panel]\nThreshold: WATER HAMMER=4OO\nIndicate: PRIMED=1\n");
  Loaded bad = Read(ini);
  EXPECT_TRUE(bad.report.Ok);
  const TOptions d;
  EXPECT_EQ(bad.config.Options.RadioMean, d.RadioMean);
  EXPECT_EQ(bad.config.Options.RadioVariance, d.RadioVariance);
  EXPECT_EQ(bad.config.Options.MaxSimRunTimeSecs, 1800);  // seconds would not fit
  EXPECT_EQ(bad.config.Options.EngVolPercent, 85);
  EXPECT_EQ(bad.config.Options.MaxDatafileKBytes, 3000);
  EXPECT_EQ(bad.show.WaterHammerLimit, 400);
  EXPECT_EQ(bad.config.Options.DeptName, std::string(255, 'x'));
  EXPECT_TRUE(bad.config.Options.MetricUnits && bad.show.IndicatePrimed);  // the rest reads as usual
  ASSERT_EQ(bad.report.Problems.size(), 7u);
  EXPECT_TRUE(Contains(bad.report.Problems[0], "[Desktop] \"DeptName\" is longer than 255 characters"));
  EXPECT_TRUE(Contains(bad.report.Problems[2],
                       "[Desktop] \"Radio: Mean\" = \"abc\" is not a valid number; the default 13 is used."));
  EXPECT_TRUE(Contains(bad.report.Problems.back(), "[Panel] \"Threshold: WATER HAMMER\""));

  // A number that goes into the simulation is held to its field's range.
  struct Case {
    const char* text;
    double limit;
    const char* problem;  // "" when none
  };
  const Case cases[] = {
      {"1e300", 10000,
       "[Panel] \"Threshold: WATER HAMMER\" = 1e+300 is outside 0 to 10000 psi; 10000 is used."},
      {"-5", 0, "[Panel] \"Threshold: WATER HAMMER\" = -5 is outside 0 to 10000 psi; 0 is used."},
      {"2500", 2500, ""},
  };
  for (const Case& c : cases) {
    WriteText(ini, std::string("[Panel]\nThreshold: WATER HAMMER=") + c.text + "\n");
    Loaded far = Read(ini);
    EXPECT_EQ(far.show.WaterHammerLimit, c.limit) << c.text;
    const std::vector<std::string> expected =
        *c.problem ? std::vector<std::string>{c.problem} : std::vector<std::string>{};
    EXPECT_EQ(far.report.Problems, expected) << c.text;
  }
}

TEST(ConfigurationFile, AHandEditedFileKeepsEverythingAfterAWrite) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  WriteText(ini,
            "; Settings of the training room PC\n\n[Students]\nLast=Jones\n\n[desktop]\n; our department\n"
            "deptname=Engine 4\nUNITS=METRIC\nPrinter=Room 2\nPrinter=Room 3\n\n[Radio Calls]\n"
            "File=calls.itx\n\n; end of file\n");
  Loaded l = Read(ini);
  EXPECT_EQ(l.config.Options.DeptName, "Engine 4");
  EXPECT_TRUE(l.config.Options.MetricUnits);
  l.config.Options.DeptName = "Engine 5";
  ASSERT_TRUE(WriteConfiguration(ini, l.config, l.show).Ok);
  const std::string text = ReadText(ini);

  // Every line is still there, in its order, with the key spelled as it was;
  // new keys follow in their sections.
  std::size_t at = 0;
  for (const char* line : {"; Settings of the training room PC", "[Students]", "Last=Jones", "[desktop]",
                           "; our department", "deptname=Engine 5", "UNITS=METRIC", "Printer=Room 2",
                           "Printer=Room 3", "ASK TO SAVE DATA RECORD=true", "Max Sim Run Time Mins=30",
                           "[Radio Calls]", "File=calls.itx", "[Panel]", "Threshold: WATER HAMMER=400",
                           "; end of file"}) {
    std::size_t found = text.find(std::string(line) + "\n", at);
    ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line << "\n" << text;
    at = found;
  }
  EXPECT_FALSE(Contains(text, "DeptName=") || Contains(text, "[Desktop]"));
  // Written again, the file does not change any more.
  ASSERT_TRUE(WriteConfiguration(ini, l.config, l.show).Ok);
  EXPECT_EQ(ReadText(ini), text);
}

TEST(ConfigurationFile, AFileThatCannotBeReadOrWrittenIsReportedAndKept) {
  ScratchDir dir;
  // A folder where the file should be.
  const auto folder = dir / "Tw.INI";
  std::filesystem::create_directories(folder / "inside");
  Loaded l = Read(folder);
  EXPECT_FALSE(l.report.Ok || l.report.Created);
  ASSERT_EQ(l.report.Problems.size(), 1u);
  EXPECT_TRUE(Contains(l.report.Problems[0], folder.string()));
  EXPECT_TRUE(Contains(l.report.Problems[0], "default settings"));
  EXPECT_FALSE(WriteConfiguration(folder, l.config, l.show).Ok);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "inside"));

  // A file the user may not read: defaults, and it is never overwritten.
  const auto ini = dir / "other.INI";
  const std::string original = "[Desktop]\nDeptName=Engine 4\n";
  WriteText(ini, original);
  std::filesystem::permissions(ini, std::filesystem::perms::none);
  {
    UnprivilegedUser nobody;
    Loaded denied = Read(ini);
    EXPECT_FALSE(denied.report.Ok);
    EXPECT_EQ(denied.config.Options.DeptName, "KVL Hose Co. No. 1");
    ASSERT_EQ(denied.report.Problems.size(), 1u);
    EXPECT_TRUE(Contains(denied.report.Problems[0], "Cannot read \"" + ini.string() + "\""));
    EXPECT_FALSE(WriteConfiguration(ini, denied.config, denied.show).Ok);
  }
  std::filesystem::permissions(ini, std::filesystem::perms(0644));
  EXPECT_EQ(ReadText(ini), original);

  // A full disk: the old file stays whole, with no temporary file beside it.
  Loaded full = Read(ini);
  {
    DiskFullAfter limit(100);
    ConfigReport r = WriteConfiguration(ini, full.config, full.show);
    EXPECT_FALSE(r.Ok);
    ASSERT_EQ(r.Problems.size(), 1u);
    EXPECT_TRUE(Contains(r.Problems[0], "not saved"));
  }
  EXPECT_EQ(ReadText(ini), original);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

}  // namespace
}  // namespace pumpdrill
