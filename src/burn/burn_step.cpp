#include "burn/burn_step.h"

#include "burn/burn_house.h"

namespace pumpdrill {

void BurnHouseStep(State& s, Host& host) {
  (void)host;
  StepBurnHouse(s);
}

}  // namespace pumpdrill
