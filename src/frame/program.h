// Everything the running program owns for its whole life: the simulation
// state, the configuration, the run control and the start-up log. The
// windowed program and the tests each make one; nothing of it is global.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/configuration.h"
#include "frame/run_control.h"
#include "frame/single_instance.h"
#include "frame/startup_log.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// What the program entry knows before anything is set up.
struct StartupInfo {
  std::string ProgramPath;    // the program file's own path
  std::string MainDirectory;  // --main-dir: replaces the resolution from the program's path
  int WaveDevices = 0;        // wave output devices of the machine
  int ScreenWidth = 0;
  int ScreenHeight = 0;
};

struct Program {
  std::unique_ptr<State> state;
  Configuration config;
  RunContext run;
  StartupLog log;
  std::string DecimalSeparatorChar = ".";
  std::vector<std::string> CreatedFolders;  // data folders the start-up had to create
  ConfigReport ConfigRead;                  // how reading the configuration went

  State& S() { return *state; }
  const Directories& Dirs() const { return run.Dirs; }
  std::string ConfigPath() const { return run.Dirs.IniDirectory + kConfigFileName; }
  std::string StartupLogPath() const { return run.Dirs.IniDirectory + kStartupLogName; }
};

// The product name and version as the main window's caption shows them.
std::string MainCaption();
// The application title before the main window exists: name, version and
// revision.
std::string ApplicationTitle();

// Start-up, first part: the state records allocated, the decimal separator
// stored, the directories resolved (missing data folders are created).
void AllocateAndResolve(Program& p, const StartupInfo& info, Alerts& alerts);

// One program per installation: takes the lock in the Ini folder, or shows
// "Only one Pumpdrill can be running at one time." and returns false.
bool AcquireSingleInstance(const Program& p, SingleInstanceLock& lock, Alerts& alerts);

// Start-up, second part: the configuration read, the start-up log begun
// with its checkpoints, sound options switched off without a wave device.
void ReadSettingsAndStartLog(Program& p, const StartupInfo& info);

// The main window's internal defaults: the temporary Evolution of the last
// session deleted, the state filled with its defaults and 8 discharges, the
// run initialised, the radio calls loaded when sound is available.
void LoadInternalDefaults(Program& p, Host& host);

// With "USE DEFAULT EVOLUTION" on, opens the default Evolution of the
// Evolutions folder; a failed load switches the option off and writes the
// configuration, so that the next start does not try again.
void OpenDefaultEvolution(Program& p, Host& host);

}  // namespace pumpdrill
