// The simulation's own copy of the configured hose lists, and the one
// change of them the simulation's windows make.
#include <cmath>
#include <optional>

#include "frame/configuration.h"
#include "frame/number_entry.h"
#include "frame/text_values.h"
#include "sim/coefficients.h"

namespace pumpdrill {

HoseFrictionTable MakeHoseFrictionTable(const std::vector<std::string>& diameters, double toInches,
                                        const std::vector<std::string>& friction) {
  HoseFrictionTable table;
  table.reserve(diameters.size());
  for (std::size_t i = 0; i < diameters.size(); ++i) {
    EntryValue d = TextToDiameter(diameters[i]);
    if (d.ErrorCode != kErrNone) return {};
    HoseFrictionEntry e;
    e.Inches = d.Value * toInches;
    if (i < friction.size()) {
      std::optional<double> c = TryReadNumber(friction[i]);
      if (c && *c > 0) e.C = *c;
    }
    table.push_back(e);
  }
  return table;
}

void RefreshSimSettings(Configuration& config) {
  const bool metric = config.Units.Metric;
  // Millimetre entries are compared in inches.
  const double toInches = metric ? config.Units.EntryFactor[kUnitDiameter] : 1.0;
  config.Sim.HoseFriction =
      MakeHoseFrictionTable(metric ? config.HoseDiamMetric : config.HoseDiamEnglish, toInches, config.HoseFriction);
}

bool StoreHoseFriction(Configuration& config, double inches, double c) {
  RefreshSimSettings(config);
  const HoseFrictionTable& table = config.Sim.HoseFriction;
  int i = HoseFrictionIndex(table, inches);
  if (i < 0) return false;
  auto& list = config.HoseFriction;
  while (static_cast<int>(list.size()) <= i) {
    list.push_back(NumberText(BuiltInHoseC(table[list.size()].Inches)));
  }
  list[i] = NumberText(std::round(c));
  RefreshSimSettings(config);
  return true;
}

}  // namespace pumpdrill
