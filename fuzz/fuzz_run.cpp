#include "fuzz_run.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "frame/directories.h"
#include "frame/tick.h"
#include "sim/defaults.h"
#include "sim/finite_state.h"
#include "sim/registry.h"

namespace pumpdrill::fuzz {

const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    std::filesystem::path p =
        std::filesystem::temp_directory_path() / ("pumpdrill-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(p);
    return p;
  }();
  return folder;
}

std::string WriteInput(const std::uint8_t* data, std::size_t size, const std::string& name) {
  const std::filesystem::path p = ScratchFolder() / name;
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return p.string();
}

FuzzRun::FuzzRun() : state(std::make_unique<State>()), s(*state) {
  SetDefaultState(s, cfg.Sim, host);
  run.Dirs.MainDirectory = (ScratchFolder() / "main").string() + "/";
  SetDataDirectories(run.Dirs);
  static const bool made = [this] {
    CreateMissingDataFolders(run.Dirs);
    return true;
  }();
  (void)made;
}

void CheckFinite(const State& s, std::string_view when) {
  if (const FieldInfo* f = FirstNonFiniteField(s)) {
    std::fprintf(stderr, "non-finite state %.*s: %s = %s\n", static_cast<int>(when.size()),
                 when.data(), f->name.c_str(), GetFieldText(s, *f).c_str());
    std::abort();
  }
}

void TickAndCheck(FuzzRun& r, int ticks, const std::function<void(int)>& before) {
  CheckFinite(r.s, "after reading");
  InitializeSimulation(r.s, r.cfg, r.run, r.host);
  SetRunState(r.s, r.cfg, r.run, r.host, kRunStart);
  for (int i = 0; i < ticks && r.run.SimActive; ++i) {
    if (before) before(i);
    r.host.now += 0.015;
    SimulationTick(r.s, r.cfg, r.run, r.host);
  }
  CheckFinite(r.s, "after the ticks");
  SetRunState(r.s, r.cfg, r.run, r.host, kRunTerminate);
}

void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace pumpdrill::fuzz
