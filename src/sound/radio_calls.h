// Radio calls during a run: random background calls, the Evolution's
// scheduled incident and command calls, and the choice for each priority
// call between hearing it and reading it in the incident window.
#pragma once

#include <string>
#include <vector>

#include "sim/host.h"
#include "sim/radio_messages.h"
#include "sim/random_source.h"
#include "sound/radio_call_file.h"
#include "sound/radio_call_state.h"

namespace pumpdrill {

// What decides how a priority call reaches the trainee.
struct RadioOutput {
  bool Sound = false;           // a wave device exists and "Sound: Use WAV" is on
  std::string SoundsDirectory;  // with its "/"
  std::string ElapsedText;      // the main window's run time
};

// Plays a priority call as cue 12, or, for a text-only ("WTX") call or
// without sound, shows the call's description and text. A missing file
// gives "Datei nicht gefunden: " + its path and nothing else.
void OfferPriorityCall(const std::string& fileName, const RadioOutput& out, Host& host);

// The random calls of the sounds folder: "call01.WAV" to "call64.WAV" in
// any letter case; every one is unplayed.
void FindRandomCalls(RadioCallState& radio, const std::string& soundsDirectory);
// The next random call time: now + mean + (-v/2 + a whole number from 0 to
// round(v + 1) - 1); a mean below 1 counts as 1, a negative variance as 0.
double NextRandomCallTime(double now, double mean, double variance, RandomSource& random);
// One of the calls not played in this round (a new round begins when all
// have played); empty when none was found.
std::string DrawRandomCall(RadioCallState& radio, RandomSource& random);

// The schedule from an ITX's calls that have no fault, sorted by time
// (calls of the same time keep their order), next index 0.
void LoadSchedule(TRadioMessagesRec& r, const std::vector<ScheduledCall>& calls);
// Back to the first call of the schedule.
void RewindSchedule(TRadioMessagesRec& r);

}  // namespace pumpdrill
