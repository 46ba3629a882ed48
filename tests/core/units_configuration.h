// A configuration in English or metric display units, for tests of the
// setup windows' texts.
#pragma once

#include "frame/configuration.h"

namespace pumpdrill::testing {

inline Configuration UnitsConfiguration(bool metric, bool bars = false) {
  Configuration cfg;
  cfg.Options.UseBars = bars;
  ApplyUnits(cfg, metric);
  return cfg;
}

}  // namespace pumpdrill::testing
