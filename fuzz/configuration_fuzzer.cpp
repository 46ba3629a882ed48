// The configuration file "Tw.INI": whatever it holds, the configuration
// read from it (options, units, hose lists) drives a run of numbers.
#include "frame/configuration.h"
#include "fuzz_run.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzRun r;
  const std::string path = fuzz::WriteInput(data, size, "Tw.INI");
  ReadConfiguration(path, r.cfg, r.s.ShowOptions, 1);
  ReadHoseLists(path, r.cfg);
  ApplyUnits(r.cfg, r.cfg.Options.MetricUnits);
  fuzz::TickAndCheck(r);
  return 0;
}
