#include "panel/gauge_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace pumpdrill {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct AngleCase {
  const char* what;
  GaugeSweep sweep;
  double minimum, maximum, value, angle;
};

TEST(GaugeScale, AnglesAtTheEndsAndBetween) {
  const AngleCase cases[] = {
      {"discharge at 0", kPressureSweep, 0, 600, 0, 5 * kPi / 4},
      {"discharge at 300", kPressureSweep, 0, 600, 300, kPi / 2},
      {"just under the maximum", kPressureSweep, 0, 600, 599.995, -kPi / 4},
      {"beyond the maximum", kPressureSweep, 0, 600, 900, -kPi / 4},
      {"intake just above the minimum", kPressureSweep, -15, 600, -14.995, 5 * kPi / 4},
      {"intake below the minimum", kPressureSweep, -15, 600, -40, 5 * kPi / 4},
      {"no number", kPressureSweep, 0, 600, kNaN, 5 * kPi / 4},
      {"scale without width", kPressureSweep, 600, 600, 100, 5 * kPi / 4},
      {"coolant at 100 F", kEngineSweep, 100, 250, 100, 0.8 * kPi},
      {"coolant at 175 F", kEngineSweep, 100, 250, 175, 0.5 * kPi},
      {"oil at 80 psi", kEngineSweep, 0, 80, 80, 0.2 * kPi},
  };
  for (const AngleCase& c : cases)
    EXPECT_NEAR(GaugeAngle(c.sweep, c.minimum, c.maximum, c.value), c.angle, 1e-12) << c.what;
}

TEST(GaugeScale, RisingValuesTurnTheNeedleClockwiseWithoutSteps) {
  double previous = GaugeAngle(kPressureSweep, 0, 600, 0);
  for (double psi = 0.5; psi <= 600; psi += 0.5) {
    const double angle = GaugeAngle(kPressureSweep, 0, 600, psi);
    EXPECT_LE(angle, previous) << psi;
    EXPECT_LT(previous - angle, 1.5 * kPi / 1200 + 1e-12) << psi;
    previous = angle;
  }
}

}  // namespace
}  // namespace pumpdrill
