// Where a gauge's needle points. One mapping from value to angle serves the
// needles on the panel and the graduations drawn on the faces by the image
// tool, so a needle always reads what its face says.
//
// Angles are in radians, counter-clockwise from the positive x axis, with
// the y axis pointing up; a rising value turns the needle clockwise.
#pragma once

#include <numbers>

namespace pumpdrill {

struct GaugeSweep {
  double AtMinimum;
  double AtMaximum;
};

// Pressure gauges (discharge, intake, master discharge): 270 degrees.
inline constexpr GaugeSweep kPressureSweep{5.0 * std::numbers::pi / 4.0, -std::numbers::pi / 4.0};
// Engine temperature, oil pressure and primer oil gauges: 108 degrees.
inline constexpr GaugeSweep kEngineSweep{0.8 * std::numbers::pi, 0.2 * std::numbers::pi};

// The scales the faces are graduated for, in stored (English) units.
inline constexpr double kFacePressureMaxPsi = 600.0;
inline constexpr double kFaceCompoundMinPsi = -15.0;
inline constexpr double kFaceTempMinF = 100.0;
inline constexpr double kFaceTempMaxF = 250.0;
inline constexpr double kFaceOilMaxPsi = 80.0;
inline constexpr double kFaceTachMaxRpm = 4000.0;

// The angle of value on a scale from minimum to maximum. A value within
// 0.01 of an end, or beyond it, shows that end; a value that is no number
// shows the minimum. A scale without width points at the minimum.
double GaugeAngle(const GaugeSweep& sweep, double minimum, double maximum, double value);

}  // namespace pumpdrill
