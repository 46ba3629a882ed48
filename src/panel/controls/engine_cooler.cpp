#include "panel/controls/engine_cooler.h"

#include "sim/state.h"

namespace pumpdrill {

void SetEngineCooler(State& s, bool on) {
  s.Pump.EngineCooler = static_cast<Byte>(on ? kEngineCoolerOn : kEngineCoolerOff);
}

bool EngineCoolerOn(const State& s) { return s.Pump.EngineCooler == kEngineCoolerOn; }

bool EngineCoolerClick(State& s, const ControlRun& run) {
  if (!run.Acts()) return false;
  SetEngineCooler(s, !EngineCoolerOn(s));
  return true;
}

}  // namespace pumpdrill
