#include "frame/directories.h"

#include <filesystem>
#include <system_error>

#include "frame/text_values.h"

namespace pumpdrill {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

std::string WithoutSlash(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

bool ChangeDirectory(const std::string& dir) {
  std::error_code ec;
  fs::current_path(dir, ec);
  return !ec;
}

// The directory part of the program's path, with its trailing "/". Reports
// a path without a directory part and uses the current directory instead.
std::string ExeDirectoryOf(const std::string& programPath, Alerts& alerts) {
  std::string dir = fs::path(programPath).parent_path().string();
  if (dir.empty()) {
    std::error_code ec;
    std::string cwd = fs::current_path(ec).string();
    alerts.Message(MsgType::Information, Buttons::Ok,
                   "Error extracting path:" + cwd + " from " + programPath);
    dir = cwd;
  }
  if (dir.size() < 255) dir = WithSlash(dir);
  return dir;
}

}  // namespace

const std::vector<std::string>& DataFolderNames() {
  static const std::vector<std::string> names = {"Evols", "Snd", "Bmps", "Recs", "Ini", "Panels"};
  return names;
}

void SetDataDirectories(Directories& d) {
  d.MainDirectory = WithSlash(d.MainDirectory);
  d.EvolutionsDirectory = d.MainDirectory + "Evols/";
  d.SoundsDirectory = d.MainDirectory + "Snd/";
  d.BitmapsDirectory = d.MainDirectory + "Bmps/";
  d.RecordsDirectory = d.MainDirectory + "Recs/";
  d.IniDirectory = d.MainDirectory + "Ini/";
  d.PanelsDirectory = d.MainDirectory + "Panels/";
}

Directories ResolveDirectories(const std::string& programPath, Alerts& alerts) {
  Directories d;
  d.ExeDirectory = ExeDirectoryOf(programPath, alerts);

  if (LowerCase(d.ExeDirectory).find("bin") != std::string::npos) {
    // The program lives in a bin folder: the installation is the folder above.
    std::error_code ec;
    fs::path above = fs::absolute(fs::path(d.ExeDirectory) / "..", ec).lexically_normal();
    d.MainDirectory = above.string();
    if (ec || !ChangeDirectory(d.MainDirectory)) {
      alerts.Message(MsgType::Information, Buttons::Ok,
                     "error extracting main application directory above \"" + d.ExeDirectory + "\"");
    }
    if (!ChangeDirectory(d.ExeDirectory)) {
      alerts.Message(MsgType::Information, Buttons::Ok,
                     "error changing back to directory \"" + d.ExeDirectory + "\"");
    }
  } else {
    d.MainDirectory = d.ExeDirectory;
    if (!ChangeDirectory(WithoutSlash(d.MainDirectory))) {
      alerts.Message(MsgType::Information, Buttons::Ok,
                     "Error changing directory to--> " + WithoutSlash(d.MainDirectory));
    }
  }
  SetDataDirectories(d);
  return d;
}

Directories ResolveDirectoriesAt(const std::string& programPath, const std::string& mainDirectory,
                                 Alerts& alerts) {
  Directories d;
  d.ExeDirectory = ExeDirectoryOf(programPath, alerts);
  std::error_code ec;
  d.MainDirectory = fs::absolute(fs::path(mainDirectory), ec).lexically_normal().string();
  if (ec) d.MainDirectory = mainDirectory;
  if (!ChangeDirectory(WithoutSlash(d.MainDirectory))) {
    alerts.Message(MsgType::Information, Buttons::Ok,
                   "Error changing directory to--> " + WithoutSlash(d.MainDirectory));
  }
  SetDataDirectories(d);
  return d;
}

std::vector<std::string> CreateMissingDataFolders(const Directories& d,
                                                  std::vector<std::string>* failed) {
  std::vector<std::string> created;
  for (const std::string& name : DataFolderNames()) {
    fs::path dir = fs::path(d.MainDirectory) / name;
    std::error_code ec;
    if (fs::is_directory(dir, ec)) continue;
    if (fs::create_directories(dir, ec) && !ec) {
      created.push_back(name);
    } else if (failed) {
      failed->push_back(name);
    }
  }
  return created;
}

}  // namespace pumpdrill
