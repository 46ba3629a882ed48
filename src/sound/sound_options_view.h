// What the sound options dialog shows for a given machine and choice: which
// controls are enabled and checked. The dialog applies it on opening and
// after every click on one of its check boxes.
#pragma once

#include <string>
#include <vector>

namespace pumpdrill {

struct SoundOptionsInput {
  bool SoundCard = false;  // a wave output device exists
  bool OutputOk = false;   // the sound layer started (or was not tried)
  bool UseSound = false, EngineSound = false, RandomCalls = false;  // the boxes' states
  bool Running = false;    // a run is in progress
};

struct ControlState {
  bool Enabled = false, Checked = false;
};

struct SoundOptionsView {
  bool CardInstalled = false;      // RadioSndCardInstalled, else RadioSndCardNotInstalled
  bool ShowNoCard = false;         // LblSndCardNotInstalled
  bool ShowOutputMissing = false;  // lblDirectSndNotAvailable
  ControlState UseSound, EngineSound, RandomCalls, Primer;
  bool TestEngine = false, TestPrimer = false, TestRandomCall = false, Volume = false;
};

SoundOptionsView ShowSoundOptions(const SoundOptionsInput& in);

// The random radio calls of the sounds folder: files named "call" and two
// characters and ".WAV", without regard to letter case, sorted.
std::vector<std::string> FindRandomCallFiles(const std::string& soundsDirectory);

}  // namespace pumpdrill
