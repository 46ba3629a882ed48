#include "frame/program.h"

#include <pwd.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "frame/evolution_commands.h"
#include "frame/options_edit.h"
#include "frame/temp_evolution.h"
#include "frame/version.h"
#include "sim/defaults.h"
#include "sim/host.h"
#include "sound/radio_steps.h"

namespace pumpdrill {

namespace fs = std::filesystem;

namespace {

std::string NowText() { return LocalTimeText("%Y-%m-%d %H:%M:%S"); }

std::string Join(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

}  // namespace

void TakeUserFolders(StartupInfo& info) {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  info.XdgDataHome = xdg ? xdg : "";
  const char* home = std::getenv("HOME");
  if (home && *home) {
    info.Home = home;
  } else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) {
    info.Home = pw->pw_dir;
  }
}

std::string MainCaption() { return std::string(kProductName) + "   v " + kVersionText; }

std::string ApplicationTitle() {
  return std::string(kProductName) + " v " + kVersionText + " (" + kRevisionText + ")";
}

bool AllocateAndResolve(Program& p, const StartupInfo& info, Alerts& alerts,
                        const WriteProbe& probe) {
  p.state = std::make_unique<State>();
  const std::lconv* lc = std::localeconv();
  p.DecimalSeparatorChar = (lc && lc->decimal_point && *lc->decimal_point)
                               ? std::string(1, lc->decimal_point[0])
                               : std::string(".");
  p.run.WaveDevices = info.WaveDevices;
  MainDirectoryQuestion q;
  q.ProgramPath = info.ProgramPath;
  q.CommandLine = info.MainDirectory;
  q.XdgDataHome = info.XdgDataHome;
  q.Home = info.Home;
  q.SystemConfig = info.SystemConfig;
  p.Where = ChooseMainDirectory(q);
  const bool ownFolder = p.Where.Source == MainDirectorySource::SharedFolder ||
                         p.Where.Source == MainDirectorySource::PerUser;
  std::string error = p.Where.Error;
  if (ownFolder && error.empty()) CreateMainDirectory(p.Where.MainDirectory, error);
  if (!error.empty()) {
    p.StartError = error;
    alerts.Message(MsgType::Error, Buttons::Ok, error);
    return false;
  }
  p.run.Dirs = p.Where.Source == MainDirectorySource::ProgramPlace
                   ? ResolveDirectories(info.ProgramPath, alerts)
                   : ResolveDirectoriesAt(info.ProgramPath, p.Where.MainDirectory, alerts);
  p.run.Dirs.InstalledData = p.Where.InstalledData;
  // A missing data folder would make every later save fail: create it.
  p.CreatedFolders = CreateMissingDataFolders(p.run.Dirs);
  p.SeededFiles = SeedMainDirectory(p.Where.InstalledData, p.run.Dirs);
  p.ReadOnlyFolders = UnwritableDataFolders(p.run.Dirs, probe);
  if (p.ReadOnly())
    alerts.Message(MsgType::Information, Buttons::Ok,
                   ReadOnlyMessage(p.run.Dirs.MainDirectory, p.ReadOnlyFolders));
  return true;
}

bool AcquireSingleInstance(const Program& p, SingleInstanceLock& lock, Alerts& alerts) {
  if (lock.Acquire(p.Dirs().IniDirectory + kInstanceLockName)) return true;
  alerts.Message(MsgType::Information, Buttons::Ok, kSingleInstanceMessage);
  return false;
}

void ReadSettingsAndStartLog(Program& p, const StartupInfo& info) {
  p.ConfigRead = ReadConfiguration(p.ConfigPath(), p.config, p.S().ShowOptions, info.WaveDevices);

  StartupLog& log = p.log;
  p.run.Log = &log;
  log.Restart(p.StartupLogPath());
  const char* init = "Program Initialization";
  log.WriteInitLog(init, "This file created", NowText());
  log.WriteInitLog(init, "global started", "OK");
  std::error_code ec;
  log.WriteInitLog("Directories", "Exe Dir", p.run.Dirs.ExeDirectory);
  log.WriteInitLog("Directories", "Main Dir", p.run.Dirs.MainDirectory);
  log.WriteInitLog("Directories", "Main Dir Why", p.Where.Why);
  log.WriteInitLog("Directories", "Library Dir", p.run.Dirs.LibraryDirectory());
  log.WriteInitLog("Directories", "Curr Dir", fs::current_path(ec).string());
  if (!p.CreatedFolders.empty()) log.WriteInitLog("Directories", "Created", Join(p.CreatedFolders));
  if (!p.SeededFiles.empty()) log.WriteInitLog("Directories", "Seeded", Join(p.SeededFiles));
  if (!p.Where.ConfigProblem.empty())
    log.WriteInitLog("Directories", "System Config", p.Where.ConfigProblem);
  if (p.ReadOnly()) log.WriteInitLog("Directories", "Read Only", Join(p.ReadOnlyFolders));
  log.WriteInitLog("Sound", "pre wav check", "OK");
  log.WriteInitLog("Sound", "WAV sound:",
                   std::string(info.WaveDevices > 0 ? "Sound Card Installed: "
                                                    : "Sound Card NOT Installed: ") +
                       std::to_string(info.WaveDevices) + " wave device.");
  log.WriteInitLog("Sound", "post wav check", "OK");
  fs::space_info space = fs::space(fs::current_path(ec), ec);
  log.WriteInitLog("System", "free disk space", ec ? "unknown" : std::to_string(space.available));
  log.WriteInitLog("Video", "Nr Colors", "not determined yet");
  log.WriteInitLog("Video", "Resolution",
                   std::to_string(info.ScreenWidth) + "x" + std::to_string(info.ScreenHeight));
  if (!p.ConfigRead.Ok || !p.ConfigRead.Problems.empty())
    log.WriteInitLog("Configuration", kConfigFileName, Join(p.ConfigRead.Problems));
  log.WriteInitLog(init, "global completed", "OK");

  if (info.WaveDevices == 0) {
    p.config.Options.UseWavSound = false;
    p.config.Options.EngineSound = false;
  }
}

void LoadInternalDefaults(Program& p, Host& host) {
  DeleteTemporaryEvolution(p.run);
  p.log.WriteInitLog("Program Initialization", "Internal file0", "Loading");
  SetDefaultState(p.S(), p.config.Sim, host);
  p.S().DischargeList.LineCount = 8;
  p.log.WriteInitLog("Program Initialization", "Internal file", "Loaded");
  InitializeSimulation(p.S(), p.config, p.run, host);
  if (p.run.WaveDevices > 0 && p.config.Options.EngineSound)
    ReloadRadioCalls(p.S(), p.config, p.run, host);
}

void OpenDefaultEvolution(Program& p, Host& host) {
  if (!p.config.Options.UseDefaultEvolution) return;
  // A name whose case differs from the file's (earlier versions stored it
  // in lower case) still finds its one match.
  std::string path = FindDefaultEvolution(p.Dirs().EvolutionsDirectory, p.config.Options.DefaultEvolutionName);
  if (path.empty()) path = p.Dirs().EvolutionsDirectory + p.config.Options.DefaultEvolutionName;
  if (OpenEvolution(p.S(), path, p.config, p.run, host)) return;
  p.config.Options.UseDefaultEvolution = false;
  WriteConfiguration(p.ConfigPath(), p.config, p.S().ShowOptions);
}

}  // namespace pumpdrill
