// What the radio calls ask of the program around the simulation beyond
// Host: whether a radio cue is still sounding, the incident window, the
// tender's arrival call, and the round of random calls of the run. The
// program's hosts (windows, headless runner) offer it beside Host; the radio
// steps find it on the host they are given. A host without it hears the
// scheduled calls, shows no call text and has no random calls.
#pragma once

#include <string>
#include <vector>

#include "sim/host.h"
#include "sim/random_source.h"

namespace pumpdrill {

// A radio call shown as text in the incident window.
struct IncidentCall {
  std::string Caption;             // the call's description, or its base name
  std::vector<std::string> Lines;  // the exact text
  std::string Time;                // the run time the main window showed when it came
};

// The random background calls found in the sounds folder, those not yet
// played in this round, and when the next one is due.
struct RadioCallState {
  std::vector<std::string> RandomCalls;  // file names of "call01.WAV" to "call64.WAV" found
  std::vector<int> Unplayed;             // indexes into RandomCalls not played in this round
  double NextRandomTime = 0;             // SimClock.Time of the next random call
  std::string Reported;                  // the last radio call file message shown, not repeated
  // The radio's own chance: random calls do not move the run's other
  // chance events (a sporadic supply) from one run to the next.
  RandomSource Random{0x7ad10ca11ULL};
};

class RadioCallHost {
 public:
  virtual ~RadioCallHost() = default;
  // Whether the cue is sounding now (radio calls wait for one another).
  virtual bool CuePlaying(int cue) {
    (void)cue;
    return false;
  }
  // A call that is not heard (text only, or no sound): the incident window
  // shows it, without taking the keyboard from the panel.
  virtual void ShowIncidentCall(const IncidentCall& call) { (void)call; }
  // A priority call outside the schedule (the tender's arrival), heard or
  // read as a scheduled one would be. False when the host leaves it to
  // SoundCue.
  virtual bool PriorityRadioCall(const std::string& file) {
    (void)file;
    return false;
  }
  RadioCallState& Radio() { return radio_; }

 private:
  RadioCallState radio_;
};

// The radio side of a host, or nullptr.
inline RadioCallHost* RadioSideOf(Host& host) { return dynamic_cast<RadioCallHost*>(&host); }

}  // namespace pumpdrill
