// Evolution files, of the current and the earlier layout: a load either
// fails and leaves the state exactly as it was, or leaves a state whose
// reals are numbers and stay numbers through a run.
#include <cstdlib>
#include <cstring>

#include "frame/evolution_file.h"
#include "fuzz_run.h"

using namespace pumpdrill;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzRun r;
  const std::string path = fuzz::WriteInput(data, size, "FUZZ.EVO");
  auto before = std::make_unique<State>(r.s);
  if (!LoadEvolution(r.s, path, r.cfg, r.host)) {
    if (std::memcmp(before.get(), &r.s, sizeof(State)) != 0) {
      std::fprintf(stderr, "a failed Evolution load changed the state\n");
      std::abort();
    }
    return 0;
  }
  fuzz::TickAndCheck(r);
  return 0;
}
