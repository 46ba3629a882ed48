// The radio calls an Evolution schedules, kept beside it in the Evolutions
// folder as an INI text with its base name and the extension "ITX" (or
// "DEFAULT.ITX" while the Evolution has no name): a header section
// "Incident and Command Radio Files for Evolution: " + base name with the
// key "rel", then one section per call, "01", "02", ..., with "NAME" (the
// call's file in the sounds folder) and "TIME" ("mm:ss" of run time).
#pragma once

#include <string>
#include <vector>

namespace pumpdrill {

inline constexpr const char* kRadioCallSectionPrefix =
    "Incident and Command Radio Files for Evolution: ";
inline constexpr int kMaxScheduledCalls = 63;
inline constexpr int kNoTimeSeconds = 59 * 60 + 59;  // "59:59": a call never given a time
inline constexpr std::size_t kMaxRadioCallFileBytes = 1024u * 1024u;

enum class CallFault {
  None,
  BadTime,  // TIME is not minutes and seconds (seconds below 60)
  BadName,  // NAME holds a folder ("/") or a step up ("..")
  TooMany,  // beyond the 63 calls a schedule holds
};

struct ScheduledCall {
  std::string Section;   // "01", "02", ...
  std::string Name;      // file name in the sounds folder
  std::string TimeText;  // as written
  int Seconds = kNoTimeSeconds;
  CallFault Fault = CallFault::None;
};

struct RadioCallFile {
  std::string Release;               // "rel" of the header
  std::vector<ScheduledCall> Calls;  // in file order, faulty ones included
};

// "mm:ss" with minutes 0 to 99 and seconds 0 to 59 (blanks and the mask's
// "_" around the digits are ignored); -1 for anything else.
int ParseCallTime(const std::string& text);
// Seconds as "mm:ss".
std::string CallTimeText(int seconds);

// Decodes the text of an ITX file. Returns the number of calls read, or -1
// when the bytes are no INI text (they hold a NUL byte or are too long).
int ReadRadioCalls(const std::string& bytes, RadioCallFile& file);

// The text of an ITX file for the Evolution's base name: the header alone
// when there are no calls.
std::string RadioCallsText(const std::string& baseName, const std::vector<ScheduledCall>& calls);

enum class ItxRead { Missing, Unreadable, Done };
ItxRead ReadRadioCallFile(const std::string& path, RadioCallFile& file);

// Writes the ITX file anew through a temporary file; an old file is first
// copied to path + ".bak". Returns an empty text, or the message telling
// which step failed.
std::string WriteRadioCallFile(const std::string& path, const std::string& baseName,
                               const std::vector<ScheduledCall>& calls);

// The message for an ITX that cannot be read.
std::string UnreadableRadioCallFileMessage(const std::string& path);
// The one message that lists the faulty calls of a file ("" when none).
std::string FaultyCallsMessage(const std::string& path, const std::vector<ScheduledCall>& calls);

// The ITX of an Evolution: Evolutions folder + base name (or "DEFAULT") + ".ITX".
std::string RadioCallFilePath(const std::string& evolutionsDirectory,
                              const std::string& evolutionPath);

}  // namespace pumpdrill
