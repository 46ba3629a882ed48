// The runner's scripts: any text either is refused with its line named or
// gives actions that, applied to a run tick by tick, keep every real of
// the state a number.
#include <string>

#include "cli/script.h"
#include "fuzz_run.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Script script;
  std::string error;
  if (!ParseScript(std::string_view(reinterpret_cast<const char*>(data), size), script, error))
    return 0;
  fuzz::FuzzRun r;
  const std::size_t count = script.actions.size();
  // One action before each tick, in the script's order; times are ignored
  // so that a short run reaches every one.
  const int ticks = static_cast<int>(std::min<std::size_t>(count, 200)) + 10;
  fuzz::TickAndCheck(r, ticks, [&](int tick) {
    if (static_cast<std::size_t>(tick) < count)
      ApplyScriptAction(r.s, script.actions[static_cast<std::size_t>(tick)], r.run.SimActive,
                        r.host);
  });
  return 0;
}
