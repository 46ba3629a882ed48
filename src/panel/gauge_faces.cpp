#include "panel/gauge_faces.h"

#include <cmath>

namespace pumpdrill {

FacePoint FacePointAt(const GaugeFace& f, double angle, double r) {
  return {f.Centre.X + r * std::cos(angle), f.Centre.Y - r * std::sin(angle)};
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
