#include "burn/burn_house.h"

namespace pumpdrill {

void InitBurnHouse(State& s) {
  // The computation is filled in with the fire model.
  (void)s;
}

void ResetBurnHouse(State& s) {
  TBurnHouseRec& b = s.BurnHouse;
  b.BurnedFraction = 0.1;
  b.NetHeat = 0;
  b.BurnRate = b.BaseBurnRate;
  b.Temp = b.AmbientTemp;
  b.EnergyReleased = 0;
  InitBurnHouse(s);
}

}  // namespace pumpdrill
