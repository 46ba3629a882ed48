#include "records/chart_scale.h"

#include <algorithm>
#include <cmath>

namespace pumpdrill {

int AxisTickStep(double range) {
  if (!std::isfinite(range)) return 1000;
  const double r = std::round(range);
  if (r < 0) return 1000;
  if (r < 51) return 10;
  if (r <= 250) return 50;
  if (r <= 500) return 100;
  if (r <= 1000) return 200;
  if (r <= 3000) return 500;
  return 1000;
}

int TimeTickStep(double pageLength) {
  constexpr int kSteps[] = {1, 2, 5, 10, 15, 30, 60};
  constexpr int kMaxTicks = 12;
  if (!(pageLength > 0) || !std::isfinite(pageLength)) return 1;
  for (int step : kSteps)
    if (pageLength / step <= kMaxTicks) return step;
  // Beyond 12 minutes: the same steps counted in minutes.
  for (int step : kSteps)
    if (pageLength / (60.0 * step) <= kMaxTicks) return 60 * step;
  return 3600 * static_cast<int>(std::ceil(pageLength / (3600.0 * kMaxTicks)));
}

std::vector<double> AxisTicks(double min, double max, double step) {
  std::vector<double> ticks;
  if (!(step > 0) || !(min < max) || !std::isfinite(min) || !std::isfinite(max)) return ticks;
  // A tolerance of a millionth of a step keeps limits that are multiples.
  const double eps = step * 1e-6;
  const double first = std::ceil((min - eps) / step);
  const double last = std::floor((max + eps) / step);
  if (last - first > 10000) return ticks;
  for (double k = first; k <= last; ++k) ticks.push_back(k * step);
  return ticks;
}

namespace {

// How far beyond its ends, in axis lengths, a value is still placed: far
// enough to leave the plot, near enough for any painter.
constexpr double kBeyond = 4.0;

}  // namespace

bool AxisMap::Drawable() const { return std::isfinite(min) && std::isfinite(max) && min < max; }

double AxisMap::Pixel(double value) const {
  if (!Drawable() || !std::isfinite(value)) return low;
  const double t = std::clamp((value - min) / (max - min), -kBeyond, 1 + kBeyond);
  return low + t * (high - low);
}

}  // namespace pumpdrill
