// The engine cooler switch: a click turns the cooler on or off
// (Pump.EngineCooler 1 on, 2 off), shown "ENG_COOLER_ON" or "ENG_COOLER_OFF".
#pragma once

#include "panel/controls/control_run.h"

namespace pumpdrill {

struct State;

inline constexpr int kEngineCoolerOn = 1;
inline constexpr int kEngineCoolerOff = 2;

void SetEngineCooler(State& s, bool on);
bool EngineCoolerOn(const State& s);
// Returns whether it acted.
bool EngineCoolerClick(State& s, const ControlRun& run);

}  // namespace pumpdrill
