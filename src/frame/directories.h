// The program's directories. Everything the program stores lies below its
// main directory: Evolutions, sounds, bitmaps, data records, settings and
// panel layouts each have a folder of their own. Every directory string ends
// with a "/".
#pragma once

#include <string>
#include <vector>

#include "sim/host.h"

namespace pumpdrill {

struct Directories {
  std::string ExeDirectory;         // where the program file lies
  std::string MainDirectory;        // the installation's root
  std::string EvolutionsDirectory;  // "Evols/"
  std::string SoundsDirectory;      // "Snd/"
  std::string BitmapsDirectory;     // "Bmps/"
  std::string RecordsDirectory;     // "Recs/"
  std::string IniDirectory;         // "Ini/"
  std::string PanelsDirectory;      // "Panels/"
  // An installed program's folder of read-only files (the image libraries),
  // empty when the program is not installed.
  std::string InstalledData;

  // Where the image libraries lie: the installation's folder, or the main
  // directory.
  std::string LibraryDirectory() const { return InstalledData.empty() ? MainDirectory : InstalledData; }

  std::string HelpFile() const { return MainDirectory + "Tw.hlp"; }
};

// The data folders below the main directory, in the order they are listed.
const std::vector<std::string>& DataFolderNames();

// Forms the folder strings from MainDirectory (which gets its "/").
void SetDataDirectories(Directories& d);

// Resolves the directories from the program's own path: a program kept in a
// directory whose path contains "bin" (in any letter case, anywhere in the
// path) takes the directory above as its main directory, any other program
// its own directory. Failures are reported through alerts and resolution
// goes on with what it has.
Directories ResolveDirectories(const std::string& programPath, Alerts& alerts);

// The same, with the main directory given on the command line.
Directories ResolveDirectoriesAt(const std::string& programPath, const std::string& mainDirectory,
                                 Alerts& alerts);

// Creates the data folders that are missing (every later save needs them).
// Returns the names of the folders created; names that could not be created
// are added to failed.
std::vector<std::string> CreateMissingDataFolders(const Directories& d,
                                                  std::vector<std::string>* failed = nullptr);

}  // namespace pumpdrill
