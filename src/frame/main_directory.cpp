#include "frame/main_directory.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <system_error>

#include "frame/ini_file.h"
#include "frame/text_values.h"

namespace pumpdrill {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

bool IsDirectory(const fs::path& p) {
  std::error_code ec;
  return fs::is_directory(p, ec);
}

// The shared folder of the system's file, or "" with problem set when the
// file is there but of no use. No file at all is no problem.
std::string SharedFolder(const std::string& file, std::string& problem) {
  std::error_code ec;
  if (file.empty() || !fs::exists(file, ec)) return "";
  IniFile ini(file);
  if (!ini.Load()) {
    problem = ini.Error() + "; ignored";
    return "";
  }
  std::string value = ini.Get(kSystemConfigSection, kSystemConfigKey, "");
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!value.empty() && blank(value.back())) value.pop_back();
  while (!value.empty() && blank(value.front())) value.erase(value.begin());
  if (value.empty()) {
    problem =
        file + " has no \"" + kSystemConfigKey + "\" in [" + kSystemConfigSection + "]; ignored";
    return "";
  }
  if (value.front() != '/') {
    problem = file + ": \"" + kSystemConfigKey +
              "\" must be a full path starting with \"/\", not \"" + value + "\"; ignored";
    return "";
  }
  return WithSlash(fs::path(value).lexically_normal().string());
}

// The user's data folder: $XDG_DATA_HOME when it is a full path, else
// ~/.local/share.
std::string UserDataHome(const MainDirectoryQuestion& q) {
  if (!q.XdgDataHome.empty() && q.XdgDataHome.front() == '/') return q.XdgDataHome;
  if (!q.Home.empty()) return (fs::path(q.Home) / ".local" / "share").string();
  return "";
}

}  // namespace

std::string InstalledDataDirectory(const std::string& programPath) {
  if (programPath.empty()) return "";
  std::error_code ec;
  fs::path exe = fs::absolute(fs::path(programPath), ec);
  if (ec) return "";
  fs::path data = (exe.parent_path() / ".." / "share" / kPackageName).lexically_normal();
  return IsDirectory(data) ? WithSlash(data.string()) : "";
}

MainDirectoryAnswer ChooseMainDirectory(const MainDirectoryQuestion& q) {
  MainDirectoryAnswer a;
  a.InstalledData = InstalledDataDirectory(q.ProgramPath);
  if (!q.CommandLine.empty()) {
    a.Source = MainDirectorySource::CommandLine;
    a.MainDirectory = q.CommandLine;
    a.Why = "given with --main-dir";
    return a;
  }
  if (a.InstalledData.empty()) {
    a.Source = MainDirectorySource::ProgramPlace;
    a.Why = "found from the program's own place";
    return a;
  }
  std::string shared = SharedFolder(q.SystemConfig, a.ConfigProblem);
  if (!shared.empty()) {
    a.Source = MainDirectorySource::SharedFolder;
    a.MainDirectory = shared;
    a.Why = "shared folder named in " + q.SystemConfig;
    return a;
  }
  a.Source = MainDirectorySource::PerUser;
  std::string home = UserDataHome(q);
  if (home.empty()) {
    a.Error =
        "There is no folder for Pumpdrill's files: neither XDG_DATA_HOME "
        "nor HOME is set.";
    return a;
  }
  a.MainDirectory = WithSlash((fs::path(home) / kPackageName).lexically_normal().string());
  a.Why = !q.XdgDataHome.empty() && q.XdgDataHome.front() == '/'
              ? "the user's own, in $XDG_DATA_HOME"
              : "the user's own, in ~/.local/share";
  return a;
}

bool CreateMainDirectory(const std::string& dir, std::string& error) {
  std::error_code ec;
  if (IsDirectory(dir)) return true;
  fs::create_directories(dir, ec);
  if (!ec && IsDirectory(dir)) return true;
  if (!ec) ec = std::make_error_code(std::errc::not_a_directory);
  error = "Cannot create the main directory " + dir + ": " + ec.message() + ".";
  return false;
}

std::vector<std::string> SeedMainDirectory(const std::string& installedData, const Directories& d,
                                           std::vector<std::string>* failed) {
  std::vector<std::string> seeded;
  if (installedData.empty()) return seeded;
  for (const char* folder : {"Evols", "Panels", "Snd"}) {
    fs::path from = fs::path(installedData) / folder;
    fs::path to = fs::path(d.MainDirectory) / folder;
    if (!IsDirectory(from) || !IsDirectory(to)) continue;
    std::error_code ec;
    std::set<std::string> present;
    for (const fs::directory_entry& e : fs::directory_iterator(to, ec))
      present.insert(LowerCase(e.path().filename().string()));
    std::vector<fs::path> shipped;
    for (const fs::directory_entry& e : fs::directory_iterator(from, ec)) {
      std::error_code fileEc;
      if (e.is_regular_file(fileEc)) shipped.push_back(e.path());
    }
    std::sort(shipped.begin(), shipped.end());
    for (const fs::path& file : shipped) {
      std::error_code fileEc;
      const std::string name = file.filename().string();
      if (present.count(LowerCase(name))) continue;
      const fs::path part = to / (name + ".part");
      bool ok = fs::copy_file(file, part, fs::copy_options::overwrite_existing, fileEc);
      if (ok && !fileEc) {
        fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                        fileEc);
        fileEc.clear();
        fs::rename(part, to / name, fileEc);
      }
      if (!ok || fileEc) {
        std::error_code ignored;
        fs::remove(part, ignored);
        if (failed) failed->push_back(std::string(folder) + "/" + name);
        continue;
      }
      seeded.push_back(std::string(folder) + "/" + name);
    }
  }
  return seeded;
}

std::string WhyNotWritable(const std::string& dir) {
  if (::access(dir.c_str(), W_OK) == 0) return "";
  return std::strerror(errno);
}

std::vector<std::string> UnwritableDataFolders(const Directories& d, const WriteProbe& probe) {
  std::vector<std::string> unwritable;
  for (const std::string& name : DataFolderNames()) {
    std::string why = probe(d.MainDirectory + name);
    if (!why.empty()) unwritable.push_back(name + ": " + why);
  }
  return unwritable;
}

std::string ReadOnlyMessage(const std::string& mainDirectory,
                            const std::vector<std::string>& unwritable) {
  std::string folders;
  for (const std::string& f : unwritable) folders += (folders.empty() ? "" : "; ") + f;
  return "Pumpdrill cannot write to its main directory " + mainDirectory + " (" + folders +
         ").\n\nIt goes on read-only: Evolutions, panels and data files cannot "
         "be saved. Ask "
         "the administrator for write permission to the folder.";
}

}  // namespace pumpdrill
