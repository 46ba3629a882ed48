// The centrifugal pump: a straight shut-off pressure line over impeller
// speed, a quadratic internal loss over flow, a derating beyond rated
// capacity, and the intake pressure added on top.
#pragma once

namespace pumpdrill {

struct State;
struct TPumpRec;

// Stage modes of Pump.StageMode.
inline constexpr int kStagePressure = 1;  // stages in series (single-stage pumps too)
inline constexpr int kStageVolume = 2;    // stages in parallel

// The pump's net pressure rise at zero flow (psi) at impeller speed n, for
// mode 1 (pressure) or 2 (volume, half). Recomputes Pump.PressIntercept so
// that the line passes through (IdleImpellerRpm, IdlePress).
double ShutoffPressure(State& s, int mode, double impellerRpm);

// The same line read without storing anything: the net pressure rise at
// zero flow of pump p at impeller speed n in `mode`.
double ShutoffLine(const TPumpRec& p, int mode, double impellerRpm);

// The pump's net pressure rise (psi) at impeller speed n and a flow of
// `gpm` in `mode`, with the loss coefficient k (psi per gpm^2) and the
// derating beyond rated capacity; no intake pressure, and not clamped.
double NetPumpPressure(const TPumpRec& p, int mode, double impellerRpm, double gpm, double lossK);

// Stores a value given for `mode` into the pair of values of both modes:
// the volume mode's is half the pressure mode's.
void SetModePair(int mode, double value, double& pressureMode, double& volumeMode);

// Sets the slope of the shut-off line from two points (pressure and impeller
// speed at a high and a low speed) entered for `mode`; the slope of the
// other mode follows (the volume mode's is half the pressure mode's). Two
// points at the same speed leave the slopes as they are.
void SetCurveSlope(State& s, int mode, double pressHigh, double pressLow, double rpmHigh,
                   double rpmLow);

// Pump.PumpLossK[mode] from the flow efficiency e (0..1): 0.00015 (1 - e)
// psi per gpm^2.
void SetPumpLoss(State& s, int mode, double efficiency);

// The percent-above-rating derating factor for a flow of `gpm`.
double PumpDerating(double gpm, double ratedFlow);

// Pump discharge pressure (psi) for a total flow q (cfs) in stage mode
// `mode`, gear ratio, loss coefficient k (psi per gpm^2) and engine speed.
// The intake pressure is added. A negative result is reported as 0 psi and
// sets the total flow q to 0.
double PumpPressure(State& s, double& totalCfs, int mode, double gearRatio, double lossK,
                    double engineRpm);

// The engine speed the pump curve is given: Engine.Rpm, or the speed at the
// onset of cavitation while the pump cavitates and the engine runs faster,
// so that a cavitating pump gains no pressure from more throttle.
double PumpCurveRpm(const State& s);

}  // namespace pumpdrill
