#include "sim/coefficients.h"

namespace pumpdrill {

void UpdateValveK(State& s, int line) {
  // The computation is filled in with the loss coefficients.
  (void)s;
  (void)line;
}

void UpdateNozzleK(State& s, int line) {
  // The computation is filled in with the loss coefficients.
  (void)s;
  (void)line;
}

void UpdateLineCoefficients(State& s, const Configuration& cfg, int line, Host& host) {
  // The computation is filled in with the loss coefficients.
  (void)s;
  (void)cfg;
  (void)line;
  (void)host;
}

double DefaultHoseC(const Configuration& cfg, double diamFt) {
  // The computation is filled in with the loss coefficients.
  (void)cfg;
  (void)diamFt;
  return 0;
}

}  // namespace pumpdrill
