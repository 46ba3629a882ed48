#include "frame/temp_evolution.h"

#include "frame/configuration.h"
#include "frame/evolution_file.h"
#include "frame/run_control.h"

namespace pumpdrill {

bool SaveTemporaryEvolution(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)cfg;
  return SaveEvolution(s, run.TempEvolutionPath(), host);
}

bool LoadTemporaryEvolution(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  // The display units of the settings already follow their units option
  // (they are applied whenever the option changes), so the load may apply
  // them to a copy.
  Configuration applied = cfg;
  return LoadEvolution(s, run.TempEvolutionPath(), applied, host);
}

void DeleteTemporaryEvolution(RunContext& run) { DeleteEvolution(run.TempEvolutionPath()); }

}  // namespace pumpdrill
