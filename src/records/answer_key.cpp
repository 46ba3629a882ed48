#include "records/answer_key.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <string_view>

#include "frame/ini_file.h"
#include "frame/text_values.h"

namespace pumpdrill {

const std::array<const char*, kNeverCount> kNeverKeys = {"Cavitation", "WaterHammer", "TankEmpty",
                                                         "EngineOverLimit", "HoseOverTest"};

namespace {

constexpr const char* kKeySection = "Key";
constexpr const char* kNeverSection = "Never";
constexpr int kMaxLines = 15;
// Beyond these no run is scored: a mistake in the key.
constexpr double kMaxSeconds = 7 * 24 * 3600.0;
constexpr double kMaxPsi = 10000.0;

// The number of a value written by hand; an INI comment after it (";")
// is not part of it.
std::optional<double> Number(const IniFile& ini, std::string_view section, std::string_view key) {
  std::optional<std::string> text = ini.Get(section, key);
  if (!text) return std::nullopt;
  std::string value = *text;
  if (std::size_t c = value.find(';'); c != std::string::npos) value.resize(c);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
  std::size_t start = value.find_first_not_of(" \t");
  if (start == std::string::npos) return std::nullopt;
  return TryReadNumber(value.substr(start));
}

bool InRange(double v, double lo, double hi) { return v >= lo && v <= hi; }

// "Line 3" -> 3; 0 when the section is not a line's.
int LineOfSection(const std::string& section) {
  const std::string lower = LowerCase(section);
  if (lower.rfind("line ", 0) != 0) return 0;
  const std::string digits = section.substr(5);
  if (digits.empty() || digits.size() > 3) return -1;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

std::string Text(double v) { return NumberText(v); }

}  // namespace

bool ReadAnswerKey(const std::string& path, int lineCount, AnswerKey& key,
                   std::vector<std::string>& messages) {
  key = AnswerKey{};
  IniFile ini(path);
  const std::string named = "The answer key \"" + path + "\"";
  if (!ini.Load()) {
    messages.push_back(named + " could not be read: " + ini.Error() +
                       ". The report shows the measures without targets.");
    return false;
  }
  if (!ini.Existed()) {
    messages.push_back(named + " does not exist. The report shows the measures without targets.");
    return false;
  }
  const std::optional<double> duration = Number(ini, kKeySection, "Duration");
  const std::optional<double> floor = Number(ini, kKeySection, "IntakeFloor");
  if (!ini.HasSection(kKeySection) || !duration || !InRange(*duration, 1, kMaxSeconds) ||
      (ini.Get(kKeySection, "IntakeFloor") && !floor) ||
      (floor && !InRange(*floor, -15, kMaxPsi))) {
    messages.push_back(named +
                       " is damaged: its [Key] section needs a Duration of 1 s or more and an "
                       "IntakeFloor in psi. The report shows the measures without targets.");
    return false;
  }
  key.duration = *duration;
  key.intakeFloor = floor.value_or(0);
  if (ini.Get(kKeySection, "HoseTest")) {
    std::optional<double> test = Number(ini, kKeySection, "HoseTest");
    if (test && InRange(*test, 1, kMaxPsi))
      key.hoseTest = *test;
    else
      messages.push_back(named + ": HoseTest is not a pressure; " + Text(kDefaultHoseTestPress) +
                         " psi is used.");
  }
  for (int k = 0; k < kNeverCount; ++k) {
    std::optional<std::string> v = ini.Get(kNeverSection, kNeverKeys[k]);
    if (!v) continue;
    std::string flag = *v;
    if (std::size_t c = flag.find(';'); c != std::string::npos) flag.resize(c);
    while (!flag.empty() && (flag.back() == ' ' || flag.back() == '\t')) flag.pop_back();
    key.never[k] = BooleanFromText(flag);
  }
  // Line sections in line order, whatever their order in the file.
  std::vector<std::string> sections = ini.Sections();
  for (int line = 1; line <= kMaxLines; ++line) {
    for (const std::string& section : sections) {
      if (LineOfSection(section) != line) continue;
      if (line > lineCount) {
        messages.push_back(named + ": [" + section +
                           "] names a line that does not exist (the "
                           "Evolution has " +
                           std::to_string(lineCount) + "); skipped.");
        break;
      }
      LineTarget t;
      t.line = line;
      const std::optional<double> p = Number(ini, section, "NozzlePressure");
      const std::optional<double> tol = Number(ini, section, "Tolerance");
      const std::optional<double> by = Number(ini, section, "WaterBy");
      if (!p || !InRange(*p, 1, kMaxPsi) || (tol && !InRange(*tol, 0.1, kMaxPsi)) ||
          (by && !InRange(*by, 0, kMaxSeconds))) {
        messages.push_back(named + ": [" + section +
                           "] needs a NozzlePressure in psi, a Tolerance and a WaterBy in "
                           "seconds; skipped.");
        break;
      }
      t.nozzlePress = *p;
      if (tol) t.tolerance = *tol;
      if (by) t.waterBy = *by;
      key.lines.push_back(t);
      break;
    }
  }
  for (const std::string& section : sections) {
    const int line = LineOfSection(section);
    if (line < 0 || line > kMaxLines || (line == 0 && LowerCase(section).rfind("line", 0) == 0))
      messages.push_back(named + ": [" + section + "] names a line that does not exist; skipped.");
  }
  key.loaded = true;
  return true;
}

bool WriteAnswerKey(const std::string& path, const AnswerKey& key, std::string& error) {
  IniFile ini(path);
  if (!ini.Load()) {
    error = ini.Error();
    return false;
  }
  ini.Set(kKeySection, "Duration", Text(key.duration));
  ini.Set(kKeySection, "IntakeFloor", Text(key.intakeFloor));
  ini.Set(kKeySection, "HoseTest", Text(key.hoseTest));
  for (int k = 0; k < kNeverCount; ++k)
    ini.Set(kNeverSection, kNeverKeys[k], key.never[k] ? "1" : "0");
  for (int line = 1; line <= kMaxLines; ++line) {
    const std::string section = "Line " + std::to_string(line);
    const LineTarget* target = nullptr;
    for (const LineTarget& t : key.lines)
      if (t.line == line) target = &t;
    if (!target) {
      if (ini.HasSection(section)) ini.RemoveSection(section);
      continue;
    }
    ini.Set(section, "NozzlePressure", Text(target->nozzlePress));
    ini.Set(section, "Tolerance", Text(target->tolerance));
    ini.Set(section, "WaterBy", Text(target->waterBy));
  }
  if (!ini.Save()) {
    error = ini.Error();
    return false;
  }
  return true;
}

std::string AnswerKeyPathFor(const std::string& evolutionPath) {
  std::filesystem::path p(evolutionPath);
  p.replace_extension(kAnswerKeyExtension);
  return p.string();
}

}  // namespace pumpdrill
