#include "sim/foam_step.h"

namespace pumpdrill {

// No foam system draws concentrate yet.
void FoamConcentrateStep(State& s, Host& host) {
  (void)s;
  (void)host;
}

}  // namespace pumpdrill
