#include "frame/temp_evolution.h"

#include <cstdio>

#include "frame/run_control.h"

namespace pumpdrill {

// The Evolution file format is not in yet: nothing is saved or restored.
bool SaveTemporaryEvolution(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
  return true;
}

bool LoadTemporaryEvolution(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
  return true;
}

void DeleteTemporaryEvolution(RunContext& run) {
  std::string path = run.TempEvolutionPath();
  std::remove(path.c_str());
}

}  // namespace pumpdrill
