// What the radio calls configuration dialog computes: the calls it offers,
// how a scheduled call reads in its list, the text-only call names it
// accepts and the question before a call's files are deleted.
#pragma once

#include <string>
#include <vector>

#include "sound/radio_call_file.h"

namespace pumpdrill {

// The incident and command calls of the sounds folder, in upper case: the
// WAV files whose names do not hold "call" and do not begin with "z",
// sorted, then the text-only calls (WTX files without a WAV of their name).
std::vector<std::string> AvailableCalls(const std::string& soundsDirectory);

// "mm:ss  NAME", with "  (missing)" for a call whose file is not there.
std::string CallListItem(const ScheduledCall& call, bool missing);

// Calls in time order; calls of the same time keep their order.
void SortCallsByTime(std::vector<ScheduledCall>& calls);

// A text-only call's name: letters, digits, blanks, "-" and "_", not empty.
bool ValidTextOnlyName(const std::string& name);
inline constexpr const char* kTextOnlyNameMessage =
    "Use letters, digits, blanks, - and _ for the call name.";

// "Delete " + the WAV's name when it exists + " and " when both exist + the
// WTX's name when it exists + " ?".
std::string DeleteCallQuestion(const std::string& wavName, const std::string& wtxName);

// A file of that name in the folder, in any letter case.
bool SoundFileExists(const std::string& soundsDirectory, const std::string& name);

}  // namespace pumpdrill
