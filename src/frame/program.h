// Everything the running program owns for its whole life: the simulation
// state, the configuration, the run control and the start-up log. The
// windowed program and the tests each make one; nothing of it is global.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/configuration.h"
#include "frame/main_directory.h"
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
  std::string XdgDataHome;    // the environment's XDG_DATA_HOME
  std::string Home;           // the user's home folder
  std::string SystemConfig = kSystemConfigPath;
  int WaveDevices = 0;  // wave output devices of the machine
  int ScreenWidth = 0;
  int ScreenHeight = 0;
};

// Fills the user's folders of info from the environment (XDG_DATA_HOME,
// HOME, or the user's entry in the system's user list).
void TakeUserFolders(StartupInfo& info);

struct Program {
  std::unique_ptr<State> state;
  Configuration config;
  RunContext run;
  StartupLog log;
  std::string DecimalSeparatorChar = ".";
  std::vector<std::string> CreatedFolders;   // data folders the start-up had to create
  MainDirectoryAnswer Where;                 // which main directory, and why
  std::vector<std::string> SeededFiles;      // shipped files copied into it at this start
  std::vector<std::string> ReadOnlyFolders;  // data folders that cannot be written ("Name: reason")
  std::string StartError;                    // why the start could not go on
  ConfigReport ConfigRead;                   // how reading the configuration went

  State& S() { return *state; }
  const Directories& Dirs() const { return run.Dirs; }
  // The main directory cannot be written: nothing can be saved.
  bool ReadOnly() const { return !ReadOnlyFolders.empty(); }
  std::string ConfigPath() const { return run.Dirs.IniDirectory + kConfigFileName; }
  std::string StartupLogPath() const { return run.Dirs.IniDirectory + kStartupLogName; }
};

// The product name and version as the main window's caption shows them.
std::string MainCaption();
// The application title before the main window exists: name, version and
// revision.
std::string ApplicationTitle();

// Start-up, first part: the state records allocated, the decimal separator
// stored, the main directory chosen and the directories resolved (missing
// data folders are created, an installed program's shipped files seeded).
// A main directory that cannot be written is reported once and the program
// goes on read-only. Returns false, after one message naming the folder and
// the reason, when the main directory cannot be created: the program must
// end.
bool AllocateAndResolve(Program& p, const StartupInfo& info, Alerts& alerts,
                        const WriteProbe& probe = WhyNotWritable);

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
