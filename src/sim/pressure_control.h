// The pump's pressure control device, one at a time
// (PumpControl.PressureControlMode): a relief valve that caps the discharge
// pressure at its setting, or a governor that moves the engine speed demand
// to hold a discharge pressure or an engine speed. It acts each tick right
// after the line solution and before the nozzle pressures.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// PressureControlMode values.
enum PressureControlDevice : Byte {
  kReliefValve = 0,
  kGovernor = 1,
  kNoPressureControl = 2,
};

// ReliefMode: the relief valve is in service only at this value.
inline constexpr Byte kReliefInService = 1;

// GovernorMode: pressure mode; 1 and 2 hold an engine speed.
inline constexpr Byte kGovernorPressureMode = 0;

// Share of the governor's error corrected per tick.
inline constexpr double kGovernorGain = 0.8;

// The tick's pressure control step: the relief valve or the governor,
// whichever the panel carries; nothing without a device.
void ApplyPressureControl(State& s, Host& host);

// Relief valve in service and discharge pressure above its setting: the
// lines are solved again at the setting and their flows, the discharge
// pressure and the total flow replaced. The engine speed is left alone.
void ApplyReliefValve(State& s, Host& host);

// Governor in pressure mode: 0.8 of the pressure error, converted to engine
// RPM through the pump's pressure per impeller RPM and the gear ratio
// (doubled when the pump runs in volume), comes off the speed demand when
// the error reaches the dead band. In speed mode 0.8 of the speed error
// comes off when it exceeds the dead band. The demand is then held between
// idle and maximum.
void ApplyGovernor(State& s);

// Engine.RpmDemand held between Engine.IdleRpm and Engine.MaxRpm.
void LimitRpmDemand(State& s);

}  // namespace pumpdrill
