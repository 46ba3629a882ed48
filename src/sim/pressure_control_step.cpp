#include "sim/pressure_control_step.h"

namespace pumpdrill {

// Neither relief valve nor governor acts yet.
void PressureControlStep(State& s, const Configuration& cfg, Host& host) {
  (void)s;
  (void)cfg;
  (void)host;
}

}  // namespace pumpdrill
