#include "sound/radio_call_file.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>

#include "frame/safe_file.h"
#include "frame/text_values.h"
#include "frame/version.h"
#include "sound/call_text_file.h"

namespace pumpdrill {

namespace {

std::string Trim(std::string_view text, std::string_view blanks = " \t\r") {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

// Sections by lower-cased name, each with its keys by lower-cased name;
// the first of a repeated section or key counts.
using Sections = std::map<std::string, std::map<std::string, std::string>>;

Sections ParseIni(const std::string& bytes) {
  Sections sections;
  std::map<std::string, std::string>* current = nullptr;
  std::map<std::string, bool> seen;
  std::size_t at = 0;
  while (at <= bytes.size()) {
    std::size_t end = bytes.find('\n', at);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = Trim(std::string_view(bytes).substr(at, end - at));
    at = end + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name = LowerCase(Trim(line.substr(1, line.size() - 2)));
      current = seen[name] ? nullptr : &sections[name];
      seen[name] = true;
      continue;
    }
    const std::size_t eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    current->emplace(LowerCase(Trim(line.substr(0, eq))), Trim(line.substr(eq + 1)));
  }
  return sections;
}

std::string SectionNumber(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%.2d", n);
  return text;
}

}  // namespace

int ParseCallTime(const std::string& text) {
  const std::string t = Trim(text, " \t\r_");
  const std::size_t colon = t.find(':');
  if (colon == std::string::npos) return -1;
  const std::string minutes = Trim(t.substr(0, colon), " _");
  const std::string seconds = Trim(t.substr(colon + 1), " _");
  if (!AllDigits(minutes) || minutes.size() > 2 || !AllDigits(seconds) || seconds.size() != 2)
    return -1;
  const int m = std::stoi(minutes), s = std::stoi(seconds);
  if (s > 59) return -1;
  return m * 60 + s;
}

std::string CallTimeText(int seconds) {
  if (seconds < 0) seconds = 0;
  char text[32];
  std::snprintf(text, sizeof text, "%.2d:%.2d", seconds / 60, seconds % 60);
  return text;
}

int ReadRadioCalls(const std::string& bytes, RadioCallFile& file) {
  file = RadioCallFile{};
  if (bytes.size() > kMaxRadioCallFileBytes || bytes.find('\0') != std::string::npos) return -1;
  const Sections sections = ParseIni(bytes);
  for (const auto& [name, keys] : sections) {
    if (name.rfind(LowerCase(kRadioCallSectionPrefix), 0) != 0) continue;
    if (auto rel = keys.find("rel"); rel != keys.end()) file.Release = rel->second;
    break;
  }
  for (int n = 1; n < 1000; ++n) {
    auto section = sections.find(SectionNumber(n));
    if (section == sections.end()) break;
    auto name = section->second.find("name");
    if (name == section->second.end() || name->second.empty()) break;
    ScheduledCall call;
    call.Section = SectionNumber(n);
    call.Name = name->second;
    auto time = section->second.find("time");
    call.TimeText = time == section->second.end() ? "" : time->second;
    const int seconds = call.TimeText.empty() ? kNoTimeSeconds : ParseCallTime(call.TimeText);
    if (n > kMaxScheduledCalls) {
      call.Fault = CallFault::TooMany;
    } else if (call.Name.find('/') != std::string::npos ||
               call.Name.find("..") != std::string::npos ||
               call.Name.find('\\') != std::string::npos) {
      call.Fault = CallFault::BadName;
    } else if (seconds < 0) {
      call.Fault = CallFault::BadTime;
    }
    call.Seconds = seconds < 0 ? kNoTimeSeconds : seconds;
    file.Calls.push_back(call);
  }
  return static_cast<int>(file.Calls.size());
}

std::string RadioCallsText(const std::string& baseName, const std::vector<ScheduledCall>& calls) {
  std::string text =
      "[" + std::string(kRadioCallSectionPrefix) + baseName + "]\nrel=" + kVersionText + "\n";
  int n = 0;
  for (const ScheduledCall& call : calls) {
    if (++n > kMaxScheduledCalls) break;
    text += "\n[" + SectionNumber(n) + "]\nNAME=" + call.Name +
            "\nTIME=" + CallTimeText(call.Seconds) + "\n";
  }
  return text;
}

ItxRead ReadRadioCallFile(const std::string& path, RadioCallFile& file) {
  file = RadioCallFile{};
  std::vector<Byte> bytes;
  switch (ReadWholeFile(path, kMaxRadioCallFileBytes, bytes)) {
    case ReadStep::Missing:
      return ItxRead::Missing;
    case ReadStep::Open:
    case ReadStep::Read:
      return ItxRead::Unreadable;
    case ReadStep::Done:
      break;
  }
  return ReadRadioCalls(std::string(bytes.begin(), bytes.end()), file) < 0 ? ItxRead::Unreadable
                                                                           : ItxRead::Done;
}

std::string WriteRadioCallFile(const std::string& path, const std::string& baseName,
                               const std::vector<ScheduledCall>& calls) {
  std::vector<Byte> old;
  const ReadStep read = ReadWholeFile(path, kMaxRadioCallFileBytes * 4, old);
  if (read == ReadStep::Open || read == ReadStep::Read)
    return "The radio call file " + path + " could not be read, so it was not replaced.";
  if (read == ReadStep::Done &&
      WriteFileReplacing(path + ".bak", old.data(), old.size()) != WriteStep::Done)
    return "The copy " + path + ".bak of the old radio call file could not be written; " + path +
           " was not replaced.";
  const std::string text = RadioCallsText(baseName, calls);
  switch (WriteFileReplacing(path, text.data(), text.size())) {
    case WriteStep::Done:
      return "";
    case WriteStep::Create:
      return "The radio call file " + path + " could not be created.";
    case WriteStep::Write:
      return "The radio call file " + path + " could not be written.";
    case WriteStep::Replace:
      return "The radio call file " + path + " could not be replaced.";
  }
  return "";
}

std::string UnreadableRadioCallFileMessage(const std::string& path) {
  return "The radio call file " + path + " could not be read. Its calls are not scheduled.";
}

std::string FaultyCallsMessage(const std::string& path, const std::vector<ScheduledCall>& calls) {
  std::string list;
  for (const ScheduledCall& call : calls) {
    switch (call.Fault) {
      case CallFault::None:
        continue;
      case CallFault::BadTime:
        list += "\n" + call.Section + " " + call.Name + ": the time \"" + call.TimeText +
                "\" is not minutes and seconds (mm:ss).";
        break;
      case CallFault::BadName:
        list += "\n" + call.Section + " " + call.Name +
                ": a call file name may not hold \"/\" or \"..\".";
        break;
      case CallFault::TooMany:
        list +=
            "\n" + call.Section + " " + call.Name + ": at most 63 radio calls can be scheduled.";
        break;
    }
  }
  if (list.empty()) return "";
  return "These radio calls of " + path + " are not scheduled:" + list;
}

std::string RadioCallFilePath(const std::string& evolutionsDirectory,
                              const std::string& evolutionPath) {
  const std::string base = evolutionPath.empty() ? "DEFAULT" : BaseName(evolutionPath);
  return evolutionsDirectory + base + ".ITX";
}

}  // namespace pumpdrill
