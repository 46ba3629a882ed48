// The program's own cue sounds, cues 0 to 11, synthesised from nothing.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace pumpdrill::sounds {

struct CueSound {
  std::string Name;  // the cue's resource name
  int Rate;          // samples per second
  bool Loops;        // played looping: made of whole periods
  Samples Wave;
};

// The twelve cues in cue order; the engine cues at 30000 samples/s, so that
// idle (30000 Hz) plays them at their own pitch.
std::vector<CueSound> MakeCueSounds();

}  // namespace pumpdrill::sounds
