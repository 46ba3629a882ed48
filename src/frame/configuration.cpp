#include "frame/configuration.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "frame/ini_file.h"
#include "frame/text_values.h"
#include "sim/field_ranges.h"

namespace pumpdrill {

namespace {

constexpr std::size_t kMaxTextLength = 255;
// The end marker of a list: the value a missing key reads as.
constexpr const char* kListEnd = "-99";

std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

std::string Where(const char* section, const char* key) {
  return "[" + std::string(section) + "] " + Quoted(key);
}

// Reads keys with their defaults and notes every value it cannot use.
class KeyReader {
 public:
  KeyReader(const IniFile& ini, std::vector<std::string>& problems) : ini_(ini), problems_(problems) {}

  std::string Text(const char* section, const char* key, const std::string& def) {
    std::string v = ini_.Get(section, key, def);
    if (v.size() > kMaxTextLength) {
      problems_.push_back(Where(section, key) + " is longer than 255 characters; only the first 255 are used.");
      v.resize(kMaxTextLength);
    }
    return v;
  }

  bool Bool(const char* section, const char* key, bool def) {
    std::optional<std::string> v = ini_.Get(section, key);
    return v ? BooleanFromText(*v) : def;
  }

  Double Real(const char* section, const char* key, Double def) {
    std::optional<std::string> v = ini_.Get(section, key);
    if (!v) return def;
    std::optional<double> x = TryReadNumber(*v);
    if (x) return *x;
    Reject(section, key, *v, NumberText(def));
    return def;
  }

  // A whole number between lo and hi.
  std::int64_t Whole(const char* section, const char* key, std::int64_t def, std::int64_t lo, std::int64_t hi) {
    std::optional<std::string> v = ini_.Get(section, key);
    if (!v) return def;
    std::optional<std::int32_t> x = TryReadInteger(*v);
    if (x && *x >= lo && *x <= hi) return *x;
    Reject(section, key, *v, std::to_string(def));
    return def;
  }

  // A real that goes into a field of the state: one outside the field's
  // range is brought to its nearest end, and noted.
  Double StateReal(const char* section, const char* key, Double def, const char* recordType,
                   const char* member) {
    const Double v = Real(section, key, def);
    const FieldRange* range = ListedFieldRange(recordType, member);
    if (!range || (v >= range->Min && v <= range->Max)) return v;
    const Double to = v < range->Min ? range->Min : range->Max;
    std::string limits = RangeNumberText(range->Min) + " to " + RangeNumberText(range->Max);
    if (*range->Unit) limits += std::string(" ") + range->Unit;
    problems_.push_back(Where(section, key) + " = " + RangeNumberText(v) + " is outside " + limits +
                        "; " + RangeNumberText(to) + " is used.");
    return to;
  }

 private:
  void Reject(const char* section, const char* key, const std::string& value, const std::string& def) {
    problems_.push_back(Where(section, key) + " = " + Quoted(value) +
                        " is not a valid number; the default " + def + " is used.");
  }

  const IniFile& ini_;
  std::vector<std::string>& problems_;
};

void ReadKeys(const IniFile& ini, TOptions& o, TShowOptionsRec& show, int waveDeviceCount,
              std::vector<std::string>& problems) {
  const TOptions d;
  const TShowOptionsRec ds;
  const char* D = kSectionDesktop;
  KeyReader r(ini, problems);

  o.DeptName = r.Text(D, "DeptName", d.DeptName);
  o.AskToSaveDataRecord = r.Bool(D, "ASK TO SAVE DATA RECORD", d.AskToSaveDataRecord);
  o.UseDefaultEvolution = r.Bool(D, "USE DEFAULT EVOLUTION", d.UseDefaultEvolution);
  o.DefaultEvolutionName = r.Text(D, "DEFAULT EVOLUTION NAME", d.DefaultEvolutionName);
  o.DefaultLoginClass = r.Text(D, "DEFAULT LOGIN CLASS", d.DefaultLoginClass);
  o.EngVolPercent = static_cast<SmallInt>(r.Whole(D, "Sound: Eng Vol Percent", d.EngVolPercent,
                                                  std::numeric_limits<SmallInt>::min(),
                                                  std::numeric_limits<SmallInt>::max()));
  o.ShowAllHints = r.Bool(D, "Show All Hints", d.ShowAllHints);
  {
    std::optional<std::string> units = ini.Get(D, "Units");
    o.MetricUnits = units ? *units == "METRIC" : d.MetricUnits;
  }
  o.UseBars = r.Bool(D, "Use Bars", d.UseBars);
  o.UseWavSound = r.Bool(D, "Sound: Use WAV", d.UseWavSound) && waveDeviceCount > 0;
  o.EngineSound = r.Bool(D, "Sound: Use MIDI", d.EngineSound);
  o.RadioUse = r.Bool(D, "Radio: Use", d.RadioUse);
  if (waveDeviceCount <= 0 || !o.UseWavSound) {
    o.EngineSound = false;
    o.RadioUse = false;
  }
  o.RadioMean = r.Real(D, "Radio: Mean", d.RadioMean);
  o.RadioVariance = r.Real(D, "Radio: Variance", d.RadioVariance);
  o.AutoNozzleOperation = r.Bool(D, "Auto-Nozzle Operation", d.AutoNozzleOperation);
  o.RecordDataOnStartup = r.Bool(D, "Record Data on Startup", d.RecordDataOnStartup);
  o.PlotStayOnTop = r.Bool(D, "Plot Stay on Top", d.PlotStayOnTop);
  o.PlotPrintoutFit = r.Bool(D, "Make Plot Printout Fit", d.PlotPrintoutFit);
  o.MaxDatafileKBytes = static_cast<Integer>(r.Whole(D, "Max Datafile KByte Size", d.MaxDatafileKBytes,
                                                     std::numeric_limits<Integer>::min(),
                                                     std::numeric_limits<Integer>::max()));
  // Minutes in the file, seconds in the record.
  o.MaxSimRunTimeSecs = static_cast<Integer>(
      60 * r.Whole(D, "Max Sim Run Time Mins", d.MaxSimRunTimeSecs / 60,
                   std::numeric_limits<Integer>::min() / 60, std::numeric_limits<Integer>::max() / 60));

  const char* P = kSectionPanel;
  show.ShowDigitalPressure = r.Bool(P, "Show Digital: PRESSURE", ds.ShowDigitalPressure);
  show.ShowDigitalFlow = r.Bool(P, "Show Digital: FLOW", ds.ShowDigitalFlow);
  show.ShowDigitalRpm = r.Bool(P, "Show Digital: RPM", ds.ShowDigitalRpm);
  show.IndicateCavitation = r.Bool(P, "Indicate: CAVITATION", ds.IndicateCavitation);
  show.IndicatePrimed = r.Bool(P, "Indicate: PRIMED", ds.IndicatePrimed);
  show.NeedleVibration = r.Bool(P, "Show: NEEDLE VIBRATION", ds.NeedleVibration);
  show.ShowDigitalTankVol = r.Bool(P, "Show Digital: TANK VOL", ds.ShowDigitalTankVol);
  show.WaterHammerCheck = r.Bool(P, "Indicate: WATER HAMMER", ds.WaterHammerCheck);
  show.WaterHammerLimit = r.StateReal(P, "Threshold: WATER HAMMER", ds.WaterHammerLimit,
                                      "TShowOptionsRec", "WaterHammerLimit");
}

void WriteKeys(IniFile& ini, const TOptions& o, const TShowOptionsRec& show) {
  const char* D = kSectionDesktop;
  ini.Set(D, "DeptName", o.DeptName);
  ini.Set(D, "ASK TO SAVE DATA RECORD", BooleanText(o.AskToSaveDataRecord));
  ini.Set(D, "USE DEFAULT EVOLUTION", BooleanText(o.UseDefaultEvolution));
  ini.Set(D, "DEFAULT EVOLUTION NAME", o.DefaultEvolutionName);
  ini.Set(D, "DEFAULT LOGIN CLASS", o.DefaultLoginClass);
  ini.Set(D, "Show All Hints", BooleanText(o.ShowAllHints));
  ini.Set(D, "Use Bars", BooleanText(o.UseBars));
  ini.Set(D, "Units", o.MetricUnits ? "METRIC" : "ENGLISH");
  ini.Set(D, "Sound: Use WAV", BooleanText(o.UseWavSound));
  ini.Set(D, "Sound: Eng Vol Percent", std::to_string(o.EngVolPercent));
  // The engine sound is read from the first key only; the second is kept
  // for older copies of the program.
  ini.Set(D, "Sound: Use MIDI", BooleanText(o.EngineSound));
  ini.Set(D, "Sound: Use Engine Snd", BooleanText(o.EngineSound));
  ini.Set(D, "Radio: Use", BooleanText(o.RadioUse));
  ini.Set(D, "Radio: Mean", NumberText(o.RadioMean));
  ini.Set(D, "Radio: Variance", NumberText(o.RadioVariance));
  ini.Set(D, "Auto-Nozzle Operation", BooleanText(o.AutoNozzleOperation));
  ini.Set(D, "Record Data on Startup", BooleanText(o.RecordDataOnStartup));
  ini.Set(D, "Plot Stay on Top", BooleanText(o.PlotStayOnTop));
  ini.Set(D, "Make Plot Printout Fit", BooleanText(o.PlotPrintoutFit));
  ini.Set(D, "Max Datafile KByte Size", std::to_string(o.MaxDatafileKBytes));
  ini.Set(D, "Max Sim Run Time Mins", std::to_string(o.MaxSimRunTimeSecs / 60));

  const char* P = kSectionPanel;
  ini.Set(P, "Show Digital: PRESSURE", BooleanText(show.ShowDigitalPressure));
  ini.Set(P, "Show Digital: FLOW", BooleanText(show.ShowDigitalFlow));
  ini.Set(P, "Show Digital: RPM", BooleanText(show.ShowDigitalRpm));
  ini.Set(P, "Show Digital: TANK VOL", BooleanText(show.ShowDigitalTankVol));
  ini.Set(P, "Show: NEEDLE VIBRATION", BooleanText(show.NeedleVibration));
  ini.Set(P, "Indicate: CAVITATION", BooleanText(show.IndicateCavitation));
  ini.Set(P, "Indicate: PRIMED", BooleanText(show.IndicatePrimed));
  ini.Set(P, "Indicate: WATER HAMMER", BooleanText(show.WaterHammerCheck));
  ini.Set(P, "Threshold: WATER HAMMER", NumberText(show.WaterHammerLimit));
}

void Fail(ConfigReport& report, std::string text) {
  report.Ok = false;
  report.Problems.push_back(std::move(text));
}

bool ReadList(const IniFile& ini, std::string_view section, std::vector<std::string>& list) {
  list.clear();
  for (int i = 0;; ++i) {
    std::string item = ini.Get(section, std::to_string(i), kListEnd);
    if (item == kListEnd) return i > 0;
    list.push_back(std::move(item));
  }
}

void WriteList(IniFile& ini, std::string_view section, const std::vector<std::string>& list) {
  ini.ClearSection(section);
  for (std::size_t i = 0; i < list.size(); ++i) ini.Set(section, std::to_string(i), list[i]);
}

}  // namespace

const std::vector<std::string>& DefaultHoseDiamEnglish() {
  static const std::vector<std::string> items{"3/4", "1",   "1-1/2", "1-3/4", "2",     "2-1/2", "2-3/4",
                                              "3",   "3-1/2", "4", "4-1/2", "5", "6"};
  return items;
}

const std::vector<std::string>& DefaultHoseDiamMetric() {
  static const std::vector<std::string> items{"20", "25", "38",  "45",  "50",  "65", "70",
                                              "77", "90", "100", "115", "125", "150"};
  return items;
}

const std::vector<std::string>& DefaultHoseFriction() {
  static const std::vector<std::string> items{"125", "125", "125", "139", "138", "132", "133",
                                              "134", "133", "133", "137", "137", "137"};
  return items;
}

std::filesystem::path ConfigFilePath(const std::filesystem::path& mainDirectory) {
  return mainDirectory / kIniFolderName / kConfigFileName;
}

ConfigReport ReadConfiguration(const std::filesystem::path& iniFile, Configuration& config,
                               TShowOptionsRec& show, int waveDeviceCount) {
  ConfigReport report;
  IniFile ini(iniFile);
  bool loaded = ini.Load();
  // Even an unreadable file leaves the records as a missing one does: on
  // their defaults.
  ReadKeys(ini, config.Options, show, waveDeviceCount, report.Problems);
  ApplyUnits(config, config.Options.MetricUnits);
  if (!loaded) {
    Fail(report, ini.Error() + ". The program runs on its default settings.");
    return report;
  }
  if (!ini.Existed()) {
    WriteKeys(ini, config.Options, show);
    if (ini.Save())
      report.Created = true;
    else
      Fail(report, ini.Error() + ". The program runs on its default settings.");
  }
  return report;
}

ConfigReport WriteConfiguration(const std::filesystem::path& iniFile, const Configuration& config,
                                const TShowOptionsRec& show) {
  ConfigReport report;
  IniFile ini(iniFile);
  if (ini.Load()) {
    WriteKeys(ini, config.Options, show);
    if (ini.Save()) return report;
  }
  Fail(report, ini.Error() + ". The settings are in effect until the program ends but are not saved.");
  return report;
}

void ApplyUnits(Configuration& config, bool metric) {
  ApplyUnits(config.Units, metric, config.Options.UseBars);
  RefreshSimSettings(config);
}

bool ReadIniList(const std::filesystem::path& iniFile, std::string_view section,
                 std::vector<std::string>& list) {
  IniFile ini(iniFile);
  ini.Load();
  return ReadList(ini, section, list);
}

ConfigReport WriteIniList(const std::filesystem::path& iniFile, std::string_view section,
                          const std::vector<std::string>& list) {
  ConfigReport report;
  IniFile ini(iniFile);
  if (ini.Load()) {
    WriteList(ini, section, list);
    if (ini.Save()) return report;
  }
  Fail(report, ini.Error() + ". The list " + Quoted(section) + " is not saved.");
  return report;
}

ConfigReport ReadListOrDefaults(const std::filesystem::path& iniFile, std::string_view section,
                                std::vector<std::string>& list,
                                const std::vector<std::string>& defaults) {
  ConfigReport report;
  IniFile ini(iniFile);
  if (!ini.Load()) {
    list = defaults;
    Fail(report, ini.Error() + ". The default list " + Quoted(section) + " is used.");
    return report;
  }
  if (ReadList(ini, section, list)) return report;
  list = defaults;
  WriteList(ini, section, list);
  if (!ini.Save()) Fail(report, ini.Error() + ". The default list " + Quoted(section) + " is used.");
  return report;
}

namespace {

void Merge(ConfigReport& into, ConfigReport from) {
  into.Ok = into.Ok && from.Ok;
  into.Created = into.Created || from.Created;
  for (std::string& p : from.Problems) into.Problems.push_back(std::move(p));
}

}  // namespace

ConfigReport ReadHoseLists(const std::filesystem::path& iniFile, Configuration& config) {
  ConfigReport report;
  auto add = [&report](ConfigReport r) { Merge(report, std::move(r)); };
  add(ReadListOrDefaults(iniFile, kSectionHoseDiamEnglish, config.HoseDiamEnglish, DefaultHoseDiamEnglish()));
  add(ReadListOrDefaults(iniFile, kSectionHoseDiamMetric, config.HoseDiamMetric, DefaultHoseDiamMetric()));
  add(ReadListOrDefaults(iniFile, kSectionHoseFriction, config.HoseFriction, DefaultHoseFriction()));
  RefreshSimSettings(config);
  return report;
}

ConfigReport ReadStartupConfiguration(const std::filesystem::path& mainDirectory, Configuration& config,
                                      TShowOptionsRec& show, int waveDeviceCount) {
  const std::filesystem::path ini = ConfigFilePath(mainDirectory);
  ConfigReport report = ReadConfiguration(ini, config, show, waveDeviceCount);
  if (report.Ok) {
    Merge(report, ReadHoseLists(ini, config));
  } else {
    // The file could not be read or created: the lists keep their defaults
    // and the one problem is reported once.
    config.HoseDiamEnglish = DefaultHoseDiamEnglish();
    config.HoseDiamMetric = DefaultHoseDiamMetric();
    config.HoseFriction = DefaultHoseFriction();
    RefreshSimSettings(config);
  }
  return report;
}

}  // namespace pumpdrill
