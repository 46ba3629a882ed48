#include "sim/supply_steps.h"

namespace pumpdrill {

// The supply model is not in yet: tank, intake and prime stay as they are.
void SupplyStep(State& s, const Configuration& cfg, Host& host) {
  (void)s;
  (void)cfg;
  (void)host;
}

void TankVolumeStep(State& s, Host& host) {
  (void)s;
  (void)host;
}

void DraftPrimeUpdateStep(State& s, Host& host) {
  (void)s;
  (void)host;
}

void IncidentsStep(State& s, bool simActive, RandomSource& random, Host& host) {
  (void)s;
  (void)simActive;
  (void)random;
  (void)host;
}

void ResetSupplyForRun(State& s, const Configuration& cfg, Host& host) {
  (void)s;
  (void)cfg;
  (void)host;
}

}  // namespace pumpdrill
