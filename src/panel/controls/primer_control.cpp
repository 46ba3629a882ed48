#include "panel/controls/primer_control.h"

#include "sim/priming.h"
#include "sim/state.h"

namespace pumpdrill {

void EngagePrimer(State& s, bool sound, Host& host) {
  PrimerAction(s, kPrimerEngage, host);
  if (sound) host.SoundCue(SND_PRIMER_START, -1, s.Supply.IntakePrimed != 0);
}

void ReleasePrimer(State& s, bool sound, Host& host) {
  PrimerAction(s, kPrimerRelease, host);
  if (sound) {
    const bool primed = s.Supply.IntakePrimed != 0;
    host.SoundCue(primed ? SND_PRIMER_PRIMED_END : SND_PRIMER_NOT_PRIMED_END, -1, primed);
  }
}

bool PrimerClick(State& s, const ControlRun& run, bool sound, Host& host) {
  if (!run.Acts()) return false;
  if (s.PumpControl.PrimerState == kPrimerStatePriming) {
    ReleasePrimer(s, sound, host);
  } else {
    EngagePrimer(s, sound, host);
  }
  return true;
}

bool PrimerHandlePulled(const State& s) { return s.PumpControl.PrimerState == kPrimerStatePriming; }

}  // namespace pumpdrill
