// What a gauge's needle shows: the value clamped to its face's scale, with
// the needle vibration of the display options, and where it points.
#pragma once

#include "panel/gauge_faces.h"

namespace pumpdrill {

// Needle vibration adds 5 to every other refresh. A value at either end of
// the scale, or at 0, is not shifted, and the shifted value never passes the
// maximum.
inline constexpr double kNeedleVibration = 5.0;

// The value a needle shows: a value within 0.01 of an end, or beyond it,
// shows that end; with vibration on and raised set, value + 5 (at most the
// maximum).
double NeedleValue(double minimum, double maximum, double value, bool vibration, bool raised);

// The face a gauge's needle is drawn on for its reading (the English black
// face of its kind: every face of a kind spans the same stored values);
// the tachometer for index 0.
const GaugeFace& NeedleFace(int gauge);

// The needle's angle on gauge for value, through the face's own scale.
double NeedleAngle(int gauge, double value, bool vibration, bool raised);

}  // namespace pumpdrill
