#include "panel/gauge_faces.h"

#include <algorithm>
#include <cmath>

namespace pumpdrill {

FacePoint FacePointAt(const GaugeFace& f, double angle, double r) {
  return {f.Centre.X + r * std::cos(angle), f.Centre.Y - r * std::sin(angle)};
}

std::vector<double> NumeralValues(const FaceGraduation& g) {
  std::vector<double> values;
  if (g.NumeralStep <= 0) return values;
  const double first =
      g.NumeralOrigin +
      std::ceil((g.First - g.NumeralOrigin) / g.NumeralStep - 1e-6) * g.NumeralStep;
  for (int k = 0;; ++k) {
    const double m = first + k * g.NumeralStep;
    if (m > g.Last + 1e-6) break;
    values.push_back(std::abs(m) < 1e-9 ? 0.0 : m);
  }
  return values;
}

FacePoint NumeralCentre(const GaugeFace& f, int ring, double m, double textWidth) {
  const FaceGraduation& g = f.Rings[ring];
  double a = FaceNeedleAngle(f, StoredValue(g, m));
  if (g.Factor < 0) return FacePointAt(f, a + 0.16, g.TickRadius - g.MajorLength * 0.3);
  // Keep the numeral's box clear of the ticks: the nearer edge of the box
  // towards the ticks is half its extent along the direction.
  const double extent =
      std::abs(std::cos(a)) * textWidth / 2 + std::abs(std::sin(a)) * g.NumeralHeight / 2;
  const double clear =
      g.Inward ? g.TickRadius - g.MajorLength - 1.6 - extent : g.TickRadius - 1.4 - extent;
  return FacePointAt(f, a, std::min(g.NumeralRadius, clear));
}

NeedleTriangle FaceNeedle(const GaugeFace& f, double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  auto at = [&](double x, double y) {
    return FacePoint{f.Centre.X + x * c - y * s, f.Centre.Y - (x * s + y * c)};
  };
  return {at(f.NeedleLength, 0), at(-f.NeedleTail, f.NeedleHalfWidth),
          at(-f.NeedleTail, -f.NeedleHalfWidth)};
}

}  // namespace pumpdrill
