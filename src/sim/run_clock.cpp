#include "sim/run_clock.h"

namespace pumpdrill {

void ResetRunClock(State& s) {
  s.SimClock = TSimClockRec{};
  s.Pump.NextTempUpdate = 0;
  s.PumpStatus.CavitationStart = 0;
  s.PumpStatus.CavitationTime = 0;
  s.Tender.NextArrival = s.Tender.FirstCallTime;
  s.BurnHouse.LastUpdateTime = 0;
}

}  // namespace pumpdrill
