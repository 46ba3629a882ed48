#include "sim/derived.h"

#include "sim/coefficients.h"
#include "sim/hydrant.h"
#include "sim/state.h"

namespace pumpdrill {

void RecomputeDerivedValues(State& s, Host& host) {
  CalcHydrantCoefficients(s);
  UpdateAllLineCoefficients(s, host);
}

}  // namespace pumpdrill
