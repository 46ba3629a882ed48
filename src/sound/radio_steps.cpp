#include "sound/radio_steps.h"

namespace pumpdrill {

// No radio calls are scheduled yet.
void RadioCallsStep(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
}

void ReloadRadioCalls(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
}

}  // namespace pumpdrill
