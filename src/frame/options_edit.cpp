#include "frame/options_edit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace pumpdrill {

namespace fs = std::filesystem;

namespace {

// The record's flags in the order of the window's check boxes.
std::array<Boolean TShowOptionsRec::*, kPanelFlagCount> PanelFlagFields() {
  return {&TShowOptionsRec::ShowDigitalPressure, &TShowOptionsRec::ShowDigitalFlow,
          &TShowOptionsRec::ShowDigitalRpm,      &TShowOptionsRec::ShowDigitalTankVol,
          &TShowOptionsRec::NeedleVibration,     &TShowOptionsRec::IndicateCavitation,
          &TShowOptionsRec::IndicatePrimed,      &TShowOptionsRec::WaterHammerCheck};
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// At most `bytes` bytes of UTF-8 text, never ending inside a character.
std::string CutText(const std::string& text, std::size_t bytes) {
  if (text.size() <= bytes) return text;
  std::size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

}  // namespace

OptionsEdit FillOptionsEdit(const TOptions& o, const TShowOptionsRec& show) {
  OptionsEdit e;
  e.DeptName = o.DeptName;
  e.AskToSaveDataRecord = o.AskToSaveDataRecord;
  e.UseDefaultEvolution = o.UseDefaultEvolution;
  e.DefaultEvolutionName = o.DefaultEvolutionName;
  e.ShowAllHints = o.ShowAllHints;
  e.MetricUnits = o.MetricUnits;
  e.UseBars = o.UseBars;
  e.AutoNozzleOperation = o.AutoNozzleOperation;
  e.RecordDataOnStartup = o.RecordDataOnStartup;
  e.PlotStayOnTop = o.PlotStayOnTop;
  e.PlotPrintoutFit = o.PlotPrintoutFit;
  e.MaxDatafileKBytes = o.MaxDatafileKBytes;
  e.MaxSimRunTimeSecs = o.MaxSimRunTimeSecs;
  e.WaterHammerPsi = show.WaterHammerLimit;
  const auto fields = PanelFlagFields();
  for (int i = 0; i < kPanelFlagCount; ++i) e.PanelFlags[i] = show.*fields[i] != 0;
  return e;
}

int DatafileMBytesShown(long long kBytes) {
  return static_cast<int>(
      std::clamp<long long>(kBytes / 1000, kMinDatafileMBytes, kMaxDatafileMBytes));
}

long long DatafileKBytesEntered(int mBytes) {
  return 1000LL * std::clamp(mBytes, kMinDatafileMBytes, kMaxDatafileMBytes);
}

int RunTimeMinutesShown(long long seconds) {
  return static_cast<int>(std::clamp<long long>(seconds / 60, 0, kMaxRunTimeMinutes));
}

long long RunTimeSecondsEntered(int minutes) {
  return 60LL * std::clamp(minutes, 0, kMaxRunTimeMinutes);
}

double WaterHammerShown(const DisplayUnits& units, double psi) {
  return ToDisplay(units, kUnitPressure, psi);
}

double WaterHammerEntered(const DisplayUnits& units, double shown) {
  return std::clamp(FromEntry(units, kUnitPressure, shown), kMinWaterHammerPsi, kMaxWaterHammerPsi);
}

std::string WaterHammerLabel(const DisplayUnits& units) {
  if (!units.Metric) return "threshold (lb)";
  return units.Bars ? "threshold (bar)" : "threshold (KPa)";
}

int WaterHammerDecimals(const DisplayUnits& units) { return PressureDecimals(units); }

void ApplyOptionsEdit(const OptionsEdit& e, Configuration& config, TShowOptionsRec& show) {
  TOptions& o = config.Options;
  o.DeptName = CutText(e.DeptName, 255);
  o.AskToSaveDataRecord = e.AskToSaveDataRecord;
  o.DefaultEvolutionName = e.DefaultEvolutionName;
  o.UseDefaultEvolution = e.UseDefaultEvolution && !e.DefaultEvolutionName.empty();
  o.MetricUnits = e.MetricUnits;
  o.UseBars = e.UseBars;
  ApplyUnits(config, o.MetricUnits);
  o.ShowAllHints = e.ShowAllHints;
  o.AutoNozzleOperation = e.AutoNozzleOperation;
  o.RecordDataOnStartup = e.RecordDataOnStartup;
  o.PlotStayOnTop = e.PlotStayOnTop;
  o.PlotPrintoutFit = e.PlotPrintoutFit;
  o.MaxDatafileKBytes = static_cast<Integer>(e.MaxDatafileKBytes);
  o.MaxSimRunTimeSecs = static_cast<Integer>(e.MaxSimRunTimeSecs);
  const auto fields = PanelFlagFields();
  for (int i = 0; i < kPanelFlagCount; ++i) show.*fields[i] = e.PanelFlags[i] ? 1 : 0;
  show.WaterHammerLimit = e.WaterHammerPsi;
}

std::string DefaultEvolutionFileName(const std::string& chosenPath,
                                     const std::string& evolutionsDirectory) {
  std::error_code ec;
  const fs::path chosen = fs::weakly_canonical(fs::path(chosenPath), ec);
  if (ec) return {};
  const fs::path folder = fs::weakly_canonical(fs::path(evolutionsDirectory), ec);
  if (ec) return {};
  fs::path parent = chosen.parent_path();
  fs::path want = folder;
  if (want.filename().empty()) want = want.parent_path();  // the trailing separator
  if (parent != want || chosen.filename().empty()) return {};
  return chosen.filename().string();
}

std::string FindDefaultEvolution(const std::string& evolutionsDirectory, const std::string& name) {
  if (name.empty()) return {};
  const fs::path folder(evolutionsDirectory);
  std::error_code ec;
  if (fs::is_regular_file(folder / name, ec)) return (folder / name).string();
  std::string found;
  int matches = 0;
  const std::string want = Lower(name);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    if (Lower(it->path().filename().string()) != want) continue;
    found = it->path().string();
    ++matches;
  }
  return matches == 1 ? found : std::string();
}

}  // namespace pumpdrill
