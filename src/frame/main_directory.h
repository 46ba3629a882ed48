// Which folder is the main directory, and why. A program run from a build
// tree or an unpacked folder keeps everything below the folder found from
// its own place (see directories.h). An installed program (its read-only
// files in PREFIX/share/tidewarden-pumpdrill beside PREFIX/bin) keeps each
// user's files in $XDG_DATA_HOME/tidewarden-pumpdrill (by default
// ~/.local/share/tidewarden-pumpdrill), or, for a classroom, in the one
// shared folder the administrator names in /etc/tidewarden-pumpdrill.conf.
// --main-dir wins over all of these.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "frame/directories.h"

namespace pumpdrill {

inline constexpr const char* kPackageName = "tidewarden-pumpdrill";
inline constexpr const char* kSystemConfigPath = "/etc/tidewarden-pumpdrill.conf";
inline constexpr const char* kSystemConfigSection = "Directories";
inline constexpr const char* kSystemConfigKey = "Main Dir";

enum class MainDirectorySource {
  CommandLine,   // --main-dir
  ProgramPlace,  // found from the program's own place
  SharedFolder,  // named in the system's configuration file
  PerUser,       // the user's data folder
};

struct MainDirectoryQuestion {
  std::string ProgramPath;
  std::string CommandLine;  // --main-dir, empty when not given
  std::string XdgDataHome;  // the environment's XDG_DATA_HOME (may be empty)
  std::string Home;         // the user's home folder
  std::string SystemConfig = kSystemConfigPath;
};

struct MainDirectoryAnswer {
  MainDirectorySource Source = MainDirectorySource::ProgramPlace;
  std::string MainDirectory;  // empty for ProgramPlace: resolved from the
                              // program's place
  std::string InstalledData;  // PREFIX/share/tidewarden-pumpdrill/ of an
                              // installed program
  std::string Why;            // for the start-up log
  std::string ConfigProblem;  // what was wrong with the system's file (it is
                              // then ignored)
  std::string Error;          // no main directory can be named at all
};

// The installation's folder of read-only files for a program at
// programPath, or "" when the program is not installed.
std::string InstalledDataDirectory(const std::string& programPath);

// Decides; reads nothing but the system's configuration file, and that only
// for an installed program started without --main-dir.
MainDirectoryAnswer ChooseMainDirectory(const MainDirectoryQuestion& q);

// Creates the main directory with its parents. Returns false with the
// folder and the system's reason in error.
bool CreateMainDirectory(const std::string& dir, std::string& error);

// Copies the installation's Evolutions, panels and sounds into the main
// directory's folders where no file of the same name (in any letter case)
// is there yet: a user's file is never replaced. Each file is copied under
// a temporary name and renamed, so that a failed copy leaves nothing.
// Returns the files copied, as "Folder/name"; failures go to failed.
std::vector<std::string> SeedMainDirectory(const std::string& installedData, const Directories& d,
                                           std::vector<std::string>* failed = nullptr);

// Why a folder cannot be written, or "" when it can.
using WriteProbe = std::function<std::string(const std::string& dir)>;
std::string WhyNotWritable(const std::string& dir);

// The data folders that cannot be written, each as "Name: reason".
std::vector<std::string> UnwritableDataFolders(const Directories& d,
                                               const WriteProbe& probe = WhyNotWritable);

// The one message shown when the program goes on read-only.
std::string ReadOnlyMessage(const std::string& mainDirectory,
                            const std::vector<std::string>& unwritable);

}  // namespace pumpdrill
