#include "cli/runner_session.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <system_error>
#include <vector>

#include "frame/configuration.h"

namespace pumpdrill {

namespace fs = std::filesystem;

RunnerSession::RunnerSession(double dt, std::ostream& err, bool quiet) : clock(dt), host(clock, err, quiet) {
  host.SetProgram(&program);
}

RunnerSession::~RunnerSession() {
  if (ScratchDirectory.empty()) return;
  std::error_code ec;
  fs::remove_all(ScratchDirectory, ec);
}

namespace {

// A new, empty folder below the system's temporary folder.
bool MakeScratchDirectory(std::string& path, std::ostream& err) {
  std::error_code ec;
  fs::path base = fs::temp_directory_path(ec);
  if (ec) base = "/tmp";
  std::string pattern = (base / "pumpdrill-sim-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!::mkdtemp(name.data())) {
    err << "pumpdrill-sim: cannot make a folder for temporary files in " << base.string() << "\n";
    return false;
  }
  path = std::string(name.data()) + "/";
  return true;
}

}  // namespace

bool StartRunnerSession(RunnerSession& rs, const std::string& programPath, const std::string& mainDir,
                        std::ostream& err) {
  Program& p = rs.program;
  StartupInfo info;
  info.ProgramPath = programPath;
  info.MainDirectory = mainDir;
  TakeUserFolders(info);
  info.WaveDevices = kRunnerWaveDevices;
  // The program works in its main directory; the runner goes back to where
  // it was started, so that the files named on its command line are found.
  std::error_code ec;
  fs::path startedIn = fs::current_path(ec);
  const bool resolved = AllocateAndResolve(p, info, rs.host);
  if (!startedIn.empty()) fs::current_path(startedIn, ec);
  if (!resolved) {
    // The one message, even when the program's messages are kept back.
    if (rs.host.Quiet()) err << "pumpdrill-sim: " << p.StartError << "\n";
    return false;
  }

  p.ConfigRead = ReadStartupConfiguration(p.run.Dirs.MainDirectory, p.config, p.S().ShowOptions, kRunnerWaveDevices);
  for (const std::string& problem : p.ConfigRead.Problems) err << "pumpdrill-sim: warning: " << problem << "\n";

  if (!MakeScratchDirectory(rs.ScratchDirectory, err)) return false;
  p.run.Dirs.EvolutionsDirectory = rs.ScratchDirectory;
  p.run.Dirs.RecordsDirectory = rs.ScratchDirectory;

  rs.clock.SetTick(0);
  LoadInternalDefaults(p, rs.host);
  return true;
}

}  // namespace pumpdrill
