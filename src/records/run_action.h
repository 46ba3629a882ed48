// One action of the operator during a run, at its time.
#pragma once

#include <string>

namespace pumpdrill {

struct RunAction {
  double time = 0;   // s
  std::string text;  // in the runner's script syntax
};

}  // namespace pumpdrill
