// A default configuration and a state filled with the built-in defaults,
// shared by the core tests.
#pragma once

#include <memory>

#include "frame/configuration.h"
#include "sim/defaults.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill::testing {

inline const Configuration& TestConfiguration() {
  static const Configuration cfg{};
  return cfg;
}

inline std::unique_ptr<State> MakeDefaultState() {
  auto s = std::make_unique<State>();
  NullHost host;
  SetDefaultState(*s, TestConfiguration().Sim, host);
  return s;
}

}  // namespace pumpdrill::testing
