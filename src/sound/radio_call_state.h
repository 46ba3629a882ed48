// The random background calls of a run: those found in the sounds folder,
// those not yet played in this round, and when the next one is due.
#pragma once

#include <string>
#include <vector>

#include "sim/random_source.h"

namespace pumpdrill {

struct RadioCallState {
  std::vector<std::string> RandomCalls;  // file names of "call01.WAV" to "call64.WAV" found
  std::vector<int> Unplayed;             // indexes into RandomCalls not played in this round
  double NextRandomTime = 0;             // SimClock.Time of the next random call
  std::string Reported;                  // the last radio call file message shown, not repeated
  // The radio's own chance: random calls do not move the run's other
  // chance events (a sporadic supply) from one run to the next.
  RandomSource Random{0x7ad10ca11ULL};
};

}  // namespace pumpdrill
