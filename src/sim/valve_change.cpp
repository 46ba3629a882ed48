#include "sim/valve_change.h"

#include "sim/coefficients.h"
#include "sim/water_hammer.h"

namespace pumpdrill {

void ValveChanged(State& s, bool reset, int line, double opening, bool simActive, Host& host) {
  TDischargeRec& d = s.Discharges[line];
  UpdateValveK(s, line);
  if (reset) {
    d.Trapped = false;
    d.TrappedPress = 0;
    d.ValveShut = opening <= 0;
    return;
  }
  const bool nowShut = d.ValveOpen <= 0;
  const bool wasShut = d.ValveShut;
  if (nowShut && !wasShut && d.NozzleShut) {
    // Valve and nozzle shut: the line keeps its pressure.
    d.Trapped = true;
    d.TrappedPress = d.DischPress > 0 ? d.DischPress : 0.0;
  } else if (nowShut && !wasShut) {
    if (s.ShowOptions.WaterHammerCheck && WaterHammerCheck(s, line).IsHammer && simActive) {
      host.SoundCue(SND_WATER_HAMMER, -1);
    }
    d.Trapped = false;
  } else if (!(nowShut && wasShut && d.Trapped)) {
    d.Trapped = false;
  }
  d.ValveShut = nowShut;
}

}  // namespace pumpdrill
