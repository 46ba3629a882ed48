// The burn house's typed entries (the window's Save and the runner's
// --burn-house): one entry a line, in the window's order. Refused entries
// leave the house as it was; stored ones keep the fire's figures numbers.
#include <sstream>
#include <string>

#include "burn/burn_house_save.h"
#include "fuzz_run.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzRun r;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  BurnHouseEntries e = BurnHouseEntriesOf(r.s.BurnHouse, r.cfg.Units, false);
  std::string* fields[] = {&e.Length,   &e.Width,         &e.Height,
                           &e.VentArea, &e.VentHeight,    &e.AppEfficiency,
                           &e.FireLoad, &e.TotalFireLoad, &e.Description};
  std::string flags;
  std::getline(in, flags);
  e.TotalFireLoadChosen = !flags.empty() && flags[0] == 't';
  for (std::string* f : fields) {
    if (!std::getline(in, *f)) break;
  }
  SaveBurnHouse(r.s, r.cfg.Units, e, r.host);
  fuzz::TickAndCheck(r);
  return 0;
}
