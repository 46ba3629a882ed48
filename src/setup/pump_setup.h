// What the pump and engine setup writes into the state: the gear ratio, the
// engine idle speed, the no-flow pressure line, the stages, the flow
// efficiency, the primer, the oil and coolant gauges and the lose-oil-
// pressure incident. Each commit keeps the derived pump values in step.
#pragma once

#include <string>

#include "frame/units.h"

namespace pumpdrill {

struct State;
struct TPumpRec;

// The engine speed at which the pump turns at its reference high speed
// (Pump.RatedImpellerRpm = 1500 × gear ratio).
inline constexpr double kReferenceEngineRpm = 1500;

// The items of the gear-ratio box, with "." as the decimal separator.
inline constexpr const char* kGearRatioItems[] = {"1.14", "1.27", "1.41", "1.58", "1.69", "1.88",
                                                  "2.03", "2.27", "2.45", "2.46", "2.73"};
// The capacity choices, gpm and lpm.
inline constexpr int kCapacityItemsEnglish[] = {500, 750, 1000, 1250, 1500, 1750, 2000};
inline constexpr int kCapacityItemsMetric[] = {2000, 3000, 4000, 5000, 6000, 7000, 8000};

// Limits of the entries.
inline constexpr double kMaxPrimerRate = 10000;  // cu ft / s
inline constexpr double kMaxLowSpeedPress = 1000;
inline constexpr double kMaxHighSpeedPress = 32000;

// The stage mode the setup edits: Pump.StageMode, 1 for anything but 2.
int SetupStageMode(const TPumpRec& p);
// The no-flow pressure at engine idle of the mode being edited.
double IdlePressOfMode(const TPumpRec& p);
// The no-flow pressure at the reference high speed in the mode being edited.
double HighSpeedPress(const TPumpRec& p);
// The engine speed of the reference high speed: RatedImpellerRpm ÷ GearRatio.
double ReferenceEngineRpm(const TPumpRec& p);

// A ratio not above 0 (or not a number) is refused and false returned.
// Otherwise the ratio is stored, and the idle and reference impeller speeds
// follow it (the reference high speed stays at 1500 engine rpm).
bool SetGearRatio(State& s, double ratio);

enum class IdleCommit { Stored, AtOrAboveReference };
// The idle speed, kept between Engine.MinIdleRpm and Engine.MaxRpm; an
// engine turning slower is raised to it. A speed at or above the reference
// high speed is refused: the no-flow line would be undefined or inverted.
IdleCommit SetEngineIdleRpm(State& s, double rpm);
// "Idle speed must be below 1500 rpm.  Value unchanged." for the pump's
// reference speed.
std::string IdleRefusedText(const TPumpRec& p);

// The no-flow pressure at the reference high speed in the current mode: the
// line through it and the idle point. A pressure not above the idle
// pressure is refused (false): the pump curve would be flat or falling.
bool SetHighSpeedPress(State& s, double psi);
// The no-flow pressure at idle in the current mode; the other mode's
// follows (volume is half of pressure), and the line shifts with its slope
// kept. A negative pressure is refused (false).
bool SetLowSpeedPress(State& s, double psi);

// Single stage (false) runs in pressure mode; two stages keep their mode.
void SetTwoStage(State& s, bool twoStage);
void SetStageMode(State& s, int mode);

// The flow efficiency (a fraction, kept within 0..1) and the loss of both
// modes, since the solution reads the pressure mode's loss in either mode.
void SetFlowEfficiency(State& s, double fraction);

// The primer rate, cu ft / s: 0 to 10000 inclusive is stored, anything else
// refused (false).
bool SetPrimerRate(State& s, double rate);

// The oil and coolant settings, in psi and deg F. Negative values are
// ignored (false). Outside a run the gauge starts from the new setting.
bool SetOilPressSet(State& s, double psi, bool runActive);
bool SetOilWarnPress(State& s, double psi);
bool SetCoolantTempSet(State& s, double degF, bool runActive);
bool SetCoolantWarnTemp(State& s, double degF);

// One setting of the pump setup as the window commits it, for the window
// and the runner alike: Stored is false when the value was refused, and
// Message then holds what the user is told ("" where no control of the
// window nor the runner's script can give the value at all).
enum class PumpSetting { Ratio, IdleRpm, HighPress, LowPress, Stages, Efficiency, Capacity };
struct PumpCommit {
  bool Stored = true;
  std::string Message;
};
inline constexpr const char* kHighPressRefusedText =
    "The pressure at high speed must be above the pressure at idle.  Value unchanged.";
// value: the ratio, rpm, psi, number of stages (1 or 2), percent or gpm;
// a refusal gives the value in the units the window shows.
PumpCommit CommitPumpSetting(State& s, PumpSetting setting, double value,
                             const DisplayUnits& units = {});

// The lose-oil-pressure incident (record 6). Switching it off unsets its
// time; a time that is not set leaves the incident off.
void SetOilLossUse(State& s, bool use);
void SetOilLossTime(State& s, double seconds);
void ClearUnsetOilLoss(State& s);

}  // namespace pumpdrill
