#include "sim/hydrant.h"

#include <cmath>

#include "sim/constants.h"
#include "sim/loss_coefficients.h"
#include "sim/state.h"

namespace pumpdrill {

void CalcHydrantCoefficients(State& s) {
  TSupplyRec& sup = s.Supply;
  double static_press = sup.StaticPress;
  // No static pressure gives no bore to speak of (a division by zero); the
  // previous coefficients stand until the pressure is set.
  if (!(static_press > 0)) return;
  double a = sup.RatedSupplyFlow * kCfsPerGpm / 3;  // a third of the rated flow, cfs
  double b = static_press / 10 * kFeetPerPsi;       // a tenth of the static pressure, ft
  double d = std::pow(0.00356 * a * a / b, 0.25);
  sup.SupplyEquivDiam = d;
  double d4 = d * d * d * d;
  sup.SupplyK = ValveLossK(d4, 1.0);
}

}  // namespace pumpdrill
