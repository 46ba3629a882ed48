// The arithmetic of the strip chart: the step between an axis's ticks, the
// ticks themselves, and the linear mapping of a value onto the pixels
// between an axis's two ends.
#pragma once

#include <vector>

namespace pumpdrill {

// The step between the ticks of a pressure, flow or engine-speed axis
// whose range, in the units it is shown in, is range (rounded first).
int AxisTickStep(double range);

// The step between the ticks of the time axis for a page of pageLength
// seconds: 1, 2, 5, 10, 15, 30 or 60 s, the first giving at most 12 ticks;
// longer pages step by whole minutes in the same way.
int TimeTickStep(double pageLength);

// The multiples of step from min to max (both included when they fall on
// a multiple). Empty when step is not positive or min is not below max.
std::vector<double> AxisTicks(double min, double max, double step);

// A linear axis: value min lies at pixel low, max at pixel high (high may
// be below low, as for a vertical axis drawn upwards).
struct AxisMap {
  double min = 0;
  double max = 1;
  double low = 0;
  double high = 1;

  bool Drawable() const;
  // The pixel of value; values beyond the limits lie beyond the ends. An
  // axis that cannot be drawn puts every value at low.
  double Pixel(double value) const;
};

}  // namespace pumpdrill
