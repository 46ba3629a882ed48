#include "panel/gauge_needle.h"

#include <algorithm>
#include <cmath>

namespace pumpdrill {

double NeedleValue(double minimum, double maximum, double value, bool vibration, bool raised) {
  if (!(maximum > minimum)) return minimum;
  if (!(value > minimum + 0.01)) return minimum;  // also a value that is no number
  if (value >= maximum - 0.01) return maximum;
  if (!vibration || !raised || std::fabs(value) <= 0.01) return value;
  return std::min(value + kNeedleVibration, maximum);
}

const GaugeFace& NeedleFace(int gauge) {
  const std::string_view name = gauge == 0 ? std::string_view("PANEL_TACHOMETER")
                                           : GaugeFaceName(gauge, 1, false);
  const GaugeFace* face = FindGaugeFace(name);
  return face ? *face : *FindGaugeFace("GAUGE_SMALL_E");
}

double NeedleAngle(int gauge, double value, bool vibration, bool raised) {
  const GaugeFace& f = NeedleFace(gauge);
  return FaceNeedleAngle(f, NeedleValue(f.Minimum, f.Maximum, value, vibration, raised));
}

}  // namespace pumpdrill
