#include "cli/runner.h"

#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "cli/print_state.h"
#include "frame/configuration.h"
#include "frame/version.h"
#include "sim/defaults.h"
#include "sim/host.h"
#include "sim/state.h"
#include "sim/supply.h"

namespace pumpdrill {

namespace {

void PrintHelp(std::ostream& out) {
  out << "Usage: pumpdrill-sim [options]\n"
         "Runs the pump simulation without windows.\n\n"
         "  --help            show this help and exit\n"
         "  --version         show the version and exit\n"
         "  --main-dir DIR    read the settings from DIR/Ini/Tw.INI as the program\n"
         "                    does at start-up (creating it when missing)\n"
         "  --print-state     print every field of the starting state as\n"
         "                    'Name = value', one a line, and exit\n";
}

// The runner plays no sound, but it reads the settings file the windowed
// program shares; it counts as having a wave device so that it never
// switches the sound options off in that file.
constexpr int kRunnerWaveDevices = 1;

// Reads the configuration of a main directory; its problems are warnings.
void ReadRunnerConfiguration(const std::filesystem::path& mainDir, Configuration& cfg, TShowOptionsRec& show,
                             std::ostream& err) {
  ConfigReport report = ReadStartupConfiguration(mainDir, cfg, show, kRunnerWaveDevices);
  for (const std::string& problem : report.Problems) err << "pumpdrill-sim: warning: " << problem << "\n";
}

// The state the program starts with, before any Evolution is opened: the
// display options of the settings, the built-in defaults and the vacuum
// limit of their site altitude.
std::unique_ptr<State> StartingState(const Configuration& cfg, const TShowOptionsRec& show) {
  auto s = std::make_unique<State>();
  s->ShowOptions = show;
  NullHost host;
  SetDefaultState(*s, cfg, host);
  UpdateAltitude(*s);
  return s;
}

}  // namespace

int RunnerMain(int argc, char** argv) { return RunnerMain(argc, argv, std::cout, std::cerr); }

int RunnerMain(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::optional<std::filesystem::path> mainDir;
  bool printState = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--main-dir" || arg.rfind("--main-dir=", 0) == 0) {
      if (arg == "--main-dir" && i + 1 >= argc) {
        err << "pumpdrill-sim: --main-dir needs a folder (try --help)\n";
        return 2;
      }
      mainDir = arg == "--main-dir" ? std::string(argv[++i]) : arg.substr(std::strlen("--main-dir="));
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      PrintHelp(out);
      return 0;
    }
    if (arg == "--version") {
      out << kProductName << " " << kVersionText << " (revision " << kRevisionText << ")\n";
      return 0;
    }
    if (arg == "--print-state") {
      printState = true;
      continue;
    }
    err << "pumpdrill-sim: unknown option '" << arg << "' (try --help)\n";
    return 2;
  }

  Configuration cfg;
  TShowOptionsRec show;
  if (mainDir) {
    std::error_code ec;
    if (!std::filesystem::is_directory(*mainDir, ec)) {
      err << "pumpdrill-sim: the main directory \"" << mainDir->string() << "\" does not exist\n";
      return 2;
    }
    ReadRunnerConfiguration(*mainDir, cfg, show, err);
  }
  if (printState) PrintState(*StartingState(cfg, show), out);
  return 0;
}

}  // namespace pumpdrill
