// Nozzle pressures of the discharge lines from their flows, by layout.
#pragma once

#include "sim/state.h"

namespace pumpdrill {

// NozzlePress and HoseLoss of every discharge line 1 to LineCount, never
// below 0. Second lines of siamese pairs are left as they are. A single line
// works from its own gauge pressure (DischPress); siamese and wye lines from
// the pump pressure less the trunk hose and the loss of the branch feeding
// the nozzle. A siamese or wye line without flow shows its trapped pressure,
// or 0.
void UpdateNozzlePressures(State& s);

// HoseLoss and NozzlePress of a single line from its current Flow.
void UpdateSingleLineNozzlePressure(TDischargeRec& d);

}  // namespace pumpdrill
