#include "panel/gauge_scale.h"

#include <cmath>

namespace pumpdrill {

double GaugeAngle(const GaugeSweep& sweep, double minimum, double maximum, double value) {
  if (!(maximum > minimum) || !std::isfinite(minimum) || !std::isfinite(maximum))
    return sweep.AtMinimum;
  double shown = value;
  if (!(shown > minimum + 0.01)) shown = minimum;  // also a value that is no number
  if (shown >= maximum - 0.01) shown = maximum;
  const double share = (shown - minimum) / (maximum - minimum);
  return sweep.AtMinimum + share * (sweep.AtMaximum - sweep.AtMinimum);
}

}  // namespace pumpdrill
