#include <gtest/gtest.h>

#include <algorithm>
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
  EXPECT_TRUE(l.report.Ok);
  EXPECT_TRUE(l.report.Created);
  EXPECT_TRUE(l.report.Problems.empty());
  EXPECT_EQ(ReadText(ini), kFreshFile);

  const TOptions& o = l.config.Options;
  EXPECT_EQ(o.DeptName, "KVL Hose Co. No. 1");
  EXPECT_EQ(o.EngVolPercent, 85);
  EXPECT_EQ(o.MaxSimRunTimeSecs, 1800);
  EXPECT_EQ(o.MaxDatafileKBytes, 3000);
  EXPECT_DOUBLE_EQ(o.RadioMean, 13);
  EXPECT_DOUBLE_EQ(o.RadioVariance, 10);
  EXPECT_TRUE(o.AskToSaveDataRecord && o.ShowAllHints && o.UseWavSound && o.EngineSound && o.RadioUse &&
              o.AutoNozzleOperation && o.RecordDataOnStartup && o.PlotPrintoutFit);
  EXPECT_FALSE(o.UseDefaultEvolution || o.MetricUnits || o.UseBars || o.PlotStayOnTop);
  EXPECT_TRUE(l.show.WaterHammerCheck);
  EXPECT_DOUBLE_EQ(l.show.WaterHammerLimit, 400);
  EXPECT_FALSE(l.show.ShowDigitalPressure || l.show.IndicateCavitation || l.show.NeedleVibration);

  // A second start reads the file and leaves it as it is.
  WriteText(ini, ReadText(ini) + "; kept\n");
  Loaded again = Read(ini);
  EXPECT_FALSE(again.report.Created);
  EXPECT_EQ(again.config.Options.MaxSimRunTimeSecs, 1800);
  EXPECT_EQ(ReadText(ini), std::string(kFreshFile) + "; kept\n");
}

TEST(ConfigurationFile, StartUpReadsTheFileAndTheHoseListsOfTheMainDirectory) {
  ScratchDir dir;
  std::filesystem::create_directories(dir.path() / "Ini");
  Configuration config;
  config.HoseFriction = {"1"};
  TShowOptionsRec show;
  ConfigReport r = ReadStartupConfiguration(dir.path(), config, show, 1);
  EXPECT_TRUE(r.Ok);
  EXPECT_TRUE(r.Created);
  EXPECT_TRUE(r.Problems.empty());
  EXPECT_EQ(config.HoseFriction, DefaultHoseFriction());
  const std::string text = ReadText(dir.path() / "Ini" / "Tw.INI");
  EXPECT_EQ(text.rfind(kFreshFile, 0), 0u);  // the settings come first
  for (const char* section : {"[Hose Diam: English Display]\n0=3/4\n", "[Hose Diam: Metric Display]\n0=20\n",
                              "[Hose Friction]\n0=125\n"})
    EXPECT_TRUE(Contains(text, section)) << section;

  // Without an Ini folder: defaults everywhere and one problem.
  ScratchDir bare;
  Configuration c2;
  c2.HoseDiamMetric.clear();
  ConfigReport r2 = ReadStartupConfiguration(bare.path(), c2, show, 1);
  EXPECT_FALSE(r2.Ok);
  EXPECT_EQ(r2.Problems.size(), 1u);
  EXPECT_EQ(c2.HoseDiamMetric, DefaultHoseDiamMetric());
  EXPECT_FALSE(std::filesystem::exists(bare.path() / "Ini"));
}

TEST(ConfigurationFile, BooleanAndUnitsTexts) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  struct Case {
    const char* text;
    bool expected;
  };
  const Case cases[] = {{"1", true},      {"true", true},   {"True", true},  {"TRUE", true},
                        {"YES", true},    {"Yes", true},    {"yes", true},   {"on", false},
                        {"0", false},     {"false", false}, {"tRUE", false}, {"y", false},
                        {"", false},      {" yes", true},   {"2", false}};
  for (const Case& c : cases) {
    // Blanks around a value are not part of it.
    WriteText(ini, std::string("[Desktop]\nSound: Use WAV=") + c.text + "\nPlot Stay on Top=" + c.text + "\n");
    Loaded l = Read(ini);
    EXPECT_EQ(l.config.Options.UseWavSound, c.expected) << "'" << c.text << "'";
    EXPECT_EQ(l.config.Options.PlotStayOnTop, c.expected) << "'" << c.text << "'";
  }
  for (auto [text, metric] : {std::pair{"METRIC", true}, {"metric", false}, {"ENGLISH", false}, {"1", false}}) {
    WriteText(ini, std::string("[Desktop]\nUnits=") + text + "\n");
    EXPECT_EQ(Read(ini).config.Options.MetricUnits, metric) << text;
  }
}

TEST(ConfigurationFile, WithoutAWaveDeviceTheSoundOptionsAreOffAndWrittenFalse) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  const std::string file =
      "[Desktop]\nSound: Use WAV=1\nSound: Use MIDI=1\nSound: Use Engine Snd=1\nRadio: Use=1\n";
  WriteText(ini, file);

  Loaded withDevice = Read(ini, 1);
  EXPECT_TRUE(withDevice.config.Options.UseWavSound);
  EXPECT_TRUE(withDevice.config.Options.EngineSound);
  EXPECT_TRUE(withDevice.config.Options.RadioUse);

  Loaded none = Read(ini, 0);
  EXPECT_FALSE(none.config.Options.UseWavSound);
  EXPECT_FALSE(none.config.Options.EngineSound);
  EXPECT_FALSE(none.config.Options.RadioUse);
  EXPECT_EQ(ReadText(ini), file);  // reading alone changes nothing

  ASSERT_TRUE(WriteConfiguration(ini, none.config, none.show).Ok);
  const std::string written = ReadText(ini);
  for (const char* key : {"Sound: Use WAV", "Sound: Use MIDI", "Sound: Use Engine Snd", "Radio: Use"})
    EXPECT_TRUE(Contains(written, std::string(key) + "=false\n")) << key;

  // WAV sound switched off in the file takes engine sound and radio with it.
  WriteText(ini, "[Desktop]\nSound: Use WAV=0\nSound: Use MIDI=1\nRadio: Use=1\n");
  Loaded wavOff = Read(ini, 1);
  EXPECT_FALSE(wavOff.config.Options.EngineSound);
  EXPECT_FALSE(wavOff.config.Options.RadioUse);

  // The engine sound is read from its first key only.
  WriteText(ini, "[Desktop]\nSound: Use MIDI=0\nSound: Use Engine Snd=1\n");
  EXPECT_FALSE(Read(ini, 1).config.Options.EngineSound);
}

TEST(ConfigurationFile, NumbersRoundTripAndRunTimeIsMinutesInTheFile) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  WriteText(ini,
            "[Desktop]\nMax Sim Run Time Mins=45\nRadio: Mean=12,5\nRadio: Variance= 7.25 \n"
            "Sound: Eng Vol Percent=-3\nDeptName=Station 9\n[Panel]\nThreshold: WATER HAMMER=350.5\n");
  Loaded l = Read(ini);
  EXPECT_TRUE(l.report.Problems.empty());
  EXPECT_EQ(l.config.Options.MaxSimRunTimeSecs, 2700);
  EXPECT_DOUBLE_EQ(l.config.Options.RadioMean, 12.5);  // written on a machine with a decimal comma
  EXPECT_DOUBLE_EQ(l.config.Options.RadioVariance, 7.25);
  EXPECT_EQ(l.config.Options.EngVolPercent, -3);
  EXPECT_DOUBLE_EQ(l.show.WaterHammerLimit, 350.5);

  l.config.Options.MaxSimRunTimeSecs = 2759;  // written back as whole minutes
  l.config.Options.DefaultEvolutionName = "Pumper 2.EVO";
  l.show.IndicatePrimed = 1;
  ASSERT_TRUE(WriteConfiguration(ini, l.config, l.show).Ok);
  const std::string text = ReadText(ini);
  EXPECT_TRUE(Contains(text, "Max Sim Run Time Mins=45\n"));
  EXPECT_TRUE(Contains(text, "Radio: Mean=12.5\n"));
  EXPECT_TRUE(Contains(text, "Threshold: WATER HAMMER=350.5\n"));

  Loaded back = Read(ini);
  EXPECT_EQ(back.config.Options.MaxSimRunTimeSecs, 2700);
  EXPECT_EQ(back.config.Options.DefaultEvolutionName, "Pumper 2.EVO");
  EXPECT_EQ(back.config.Options.DeptName, "Station 9");
  EXPECT_TRUE(back.show.IndicatePrimed);
}

TEST(ConfigurationFile, ValuesThatAreNotNumbersKeepTheirDefaultsAndAreListed) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  WriteText(ini,
            "[Desktop]\nRadio: Mean=abc\nMax Sim Run Time Mins=ten\nSound: Eng Vol Percent=99999\n"
            "Max Datafile KByte Size=2.5\nRadio: Variance=nan\nUnits=METRIC\n"
            "[Panel]\nThreshold: WATER HAMMER=4OO\nIndicate: PRIMED=1\n");
  Loaded l = Read(ini);
  EXPECT_TRUE(l.report.Ok);
  const TOptions d;
  EXPECT_EQ(l.config.Options.RadioMean, d.RadioMean);
  EXPECT_EQ(l.config.Options.RadioVariance, d.RadioVariance);
  EXPECT_EQ(l.config.Options.MaxSimRunTimeSecs, 1800);
  EXPECT_EQ(l.config.Options.EngVolPercent, 85);
  EXPECT_EQ(l.config.Options.MaxDatafileKBytes, 3000);
  EXPECT_EQ(l.show.WaterHammerLimit, 400);
  // The rest of the file is read as usual.
  EXPECT_TRUE(l.config.Options.MetricUnits);
  EXPECT_TRUE(l.show.IndicatePrimed);

  ASSERT_EQ(l.report.Problems.size(), 6u);
  EXPECT_TRUE(Contains(l.report.Problems[0], "[Desktop] \"Sound: Eng Vol Percent\" = \"99999\""));
  EXPECT_TRUE(Contains(l.report.Problems[1], "\"Radio: Mean\" = \"abc\" is not a valid number; the default 13"));
  EXPECT_TRUE(Contains(l.report.Problems.back(), "[Panel] \"Threshold: WATER HAMMER\""));

  // Minutes whose seconds do not fit the record are refused too.
  WriteText(ini, "[Desktop]\nMax Sim Run Time Mins=40000000\n");
  Loaded big = Read(ini);
  EXPECT_EQ(big.config.Options.MaxSimRunTimeSecs, 1800);
  EXPECT_EQ(big.report.Problems.size(), 1u);

  // Overlong texts are cut to the record's 255 characters.
  WriteText(ini, "[Desktop]\nDeptName=" + std::string(300, 'x') + "\n");
  Loaded longName = Read(ini);
  EXPECT_EQ(longName.config.Options.DeptName, std::string(255, 'x'));
  EXPECT_EQ(longName.report.Problems.size(), 1u);
}

TEST(ConfigurationFile, AHandEditedFileKeepsEverythingAfterAWrite) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  WriteText(ini,
            "; Settings of the training room PC\n"
            "\n"
            "[Students]\n"
            "Last=Jones\n"
            "\n"
            "[desktop]\n"
            "; our department\n"
            "deptname=Engine 4\n"
            "UNITS=METRIC\n"
            "Printer=Room 2\n"
            "Printer=Room 3\n"
            "\n"
            "[Radio Calls]\n"
            "File=calls.itx\n"
            "\n"
            "; end of file\n");
  Loaded l = Read(ini);
  EXPECT_EQ(l.config.Options.DeptName, "Engine 4");
  EXPECT_TRUE(l.config.Options.MetricUnits);

  l.config.Options.DeptName = "Engine 5";
  ASSERT_TRUE(WriteConfiguration(ini, l.config, l.show).Ok);
  const std::string text = ReadText(ini);

  // Every line that was there is there, in its order; only the value of a
  // changed key differs, with the key spelled as before.
  std::vector<std::string> expectedInOrder = {"; Settings of the training room PC",
                                              "[Students]",
                                              "Last=Jones",
                                              "[desktop]",
                                              "; our department",
                                              "deptname=Engine 5",
                                              "UNITS=METRIC",
                                              "Printer=Room 2",
                                              "Printer=Room 3",
                                              "ASK TO SAVE DATA RECORD=true",
                                              "Max Sim Run Time Mins=30",
                                              "[Radio Calls]",
                                              "File=calls.itx",
                                              "[Panel]",
                                              "Threshold: WATER HAMMER=400",
                                              "; end of file"};
  std::size_t at = 0;
  for (const std::string& line : expectedInOrder) {
    std::size_t found = text.find(line + "\n", at);
    ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line << "\n" << text;
    at = found + line.size();
  }
  EXPECT_FALSE(Contains(text, "DeptName="));
  EXPECT_FALSE(Contains(text, "[Desktop]"));

  // Written again, the file does not change any more.
  ASSERT_TRUE(WriteConfiguration(ini, l.config, l.show).Ok);
  EXPECT_EQ(ReadText(ini), text);
  EXPECT_EQ(Read(ini).config.Options.DeptName, "Engine 5");
}

TEST(ConfigurationFile, AnUnreadableOrUnwritableFileIsReportedAndNothingIsLost) {
  ScratchDir dir;
  // A folder where the file should be cannot be read or replaced.
  const auto blocked = dir / "Tw.INI";
  std::filesystem::create_directories(blocked / "inside");
  Loaded l = Read(blocked);
  EXPECT_FALSE(l.report.Ok);
  EXPECT_FALSE(l.report.Created);
  ASSERT_EQ(l.report.Problems.size(), 1u);
  EXPECT_TRUE(Contains(l.report.Problems[0], blocked.string()));
  EXPECT_TRUE(Contains(l.report.Problems[0], "default settings"));
  EXPECT_EQ(l.config.Options.MaxSimRunTimeSecs, 1800);
  EXPECT_FALSE(WriteConfiguration(blocked, l.config, l.show).Ok);
  EXPECT_TRUE(std::filesystem::is_directory(blocked / "inside"));

  // A missing Ini folder: defaults, and the failed creation is reported.
  const auto missing = dir / "Ini" / "Tw.INI";
  Loaded m = Read(missing);
  EXPECT_FALSE(m.report.Ok);
  EXPECT_FALSE(m.report.Created);
  ASSERT_EQ(m.report.Problems.size(), 1u);
  EXPECT_TRUE(Contains(m.report.Problems[0], missing.string()));
  EXPECT_EQ(m.config.Options.DeptName, "KVL Hose Co. No. 1");
  EXPECT_FALSE(std::filesystem::exists(dir / "Ini"));

  // A failed write leaves the old file whole and no temporary file behind.
  const auto ok = dir / "ok.INI";
  WriteText(ok, "[Desktop]\nDeptName=Old\n");
  Loaded good = Read(ok);
  std::filesystem::remove(ok);
  std::filesystem::create_directory(ok);
  EXPECT_FALSE(WriteConfiguration(ok, good.config, good.show).Ok);
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Tw.INI", "ok.INI"}));
}

TEST(ConfigurationFile, AForbiddenFileOrAFullDiskLeavesTheFileAsItWas) {
  ScratchDir dir;
  const auto ini = dir / "Tw.INI";
  const std::string original = "[Desktop]\nDeptName=Engine 4\n";
  WriteText(ini, original);
  std::filesystem::permissions(ini, std::filesystem::perms::none);
  {
    UnprivilegedUser nobody;
    Loaded l = Read(ini);
    EXPECT_FALSE(l.report.Ok);
    EXPECT_EQ(l.config.Options.DeptName, "KVL Hose Co. No. 1");
    ASSERT_EQ(l.report.Problems.size(), 1u);
    EXPECT_TRUE(Contains(l.report.Problems[0], "Cannot read \"" + ini.string() + "\""));
    EXPECT_FALSE(WriteConfiguration(ini, l.config, l.show).Ok);
  }
  std::filesystem::permissions(ini, std::filesystem::perms(0644));
  EXPECT_EQ(ReadText(ini), original);

  Loaded l = Read(ini);
  l.config.Options.DeptName = std::string(200, 'x');
  {
    DiskFullAfter limit(100);
    ConfigReport r = WriteConfiguration(ini, l.config, l.show);
    EXPECT_FALSE(r.Ok);
    ASSERT_EQ(r.Problems.size(), 1u);
    EXPECT_TRUE(Contains(r.Problems[0], "not saved"));
  }
  EXPECT_EQ(ReadText(ini), original);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace pumpdrill
