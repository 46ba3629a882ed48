#include "records/student_files.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <system_error>

#include "frame/ini_file.h"
#include "frame/text_values.h"
#include "records/student_names.h"

namespace pumpdrill {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNone = "-1";

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// The names of the entries of folder that are real folders (not links).
std::vector<std::string> SubfolderNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code sec;
    if (it->symlink_status(sec).type() == fs::file_type::directory)
      names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

bool ReadWriteStudent(int mode, const std::string& folder, StudentRec& rec) {
  IniFile ini(WithSlash(folder) + kStudentFileName);
  const bool loaded = ini.Load();
  if (mode == 0) {
    rec.LastName = ini.Get(kStudentSection, "LNAME", kNone);
    rec.FirstName = ini.Get(kStudentSection, "FNAME", kNone);
    rec.OtherId = ini.Get(kStudentSection, "OTHER_ID", kNone);
    rec.Ctrl = ini.Get(kStudentSection, "CTRL", kNone);
    return loaded && ini.Existed() && rec.LastName != kNone;
  }
  ini.Set(kStudentSection, "LNAME", rec.LastName);
  ini.Set(kStudentSection, "FNAME", rec.FirstName);
  ini.Set(kStudentSection, "OTHER_ID", rec.OtherId);
  ini.Set(kStudentSection, "CTRL", rec.Ctrl);
  return ini.Save();
}

std::string StudentEntry::Name() const {
  return Intact ? Rec.LastName + ", " + Rec.FirstName : Folder;
}

std::vector<std::string> ListClasses(const std::string& recordsDirectory) {
  std::vector<std::string> classes;
  for (std::string& name : SubfolderNames(recordsDirectory))
    if (name.front() != '.') classes.push_back(std::move(name));
  return classes;
}

std::vector<StudentEntry> ListStudents(const std::string& classDirectory,
                                       std::vector<std::string>* damaged) {
  std::vector<StudentEntry> students;
  for (const std::string& name : SubfolderNames(classDirectory)) {
    if (!IsStudentFolderName(name)) continue;
    StudentEntry e;
    e.Folder = name;
    const std::string folder = WithSlash(classDirectory) + name;
    e.Intact = ReadWriteStudent(0, folder, e.Rec);
    if (!e.Intact && damaged)
      damaged->push_back("Ctrl file, \" " + folder + "/" + kStudentFileName +
                         " \" not found or not intact for " + e.Name());
    students.push_back(std::move(e));
  }
  return students;
}

std::vector<int> SortedByName(const std::vector<StudentEntry>& students) {
  std::vector<int> order(students.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return LowerCase(students[a].Name()) < LowerCase(students[b].Name());
  });
  return order;
}

std::vector<std::string> ListDataFiles(const std::string& studentDirectory) {
  std::vector<std::string> files;
  std::error_code ec;
  for (fs::directory_iterator it(studentDirectory, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code sec;
    const std::string name = it->path().filename().string();
    if (it->symlink_status(sec).type() == fs::file_type::regular && HasDataFileExtension(name))
      files.push_back(name);
  }
  std::sort(files.begin(), files.end());
  return files;
}

int FirstFreeStudentNumber(const std::string& classDirectory) {
  std::set<std::string> taken;
  std::error_code ec;
  for (fs::directory_iterator it(classDirectory, ec), end; !ec && it != end; it.increment(ec))
    taken.insert(LowerCase(it->path().filename().string()));
  for (int n = 0; n < kMaxStudents; ++n)
    if (!taken.count(StudentFolderName(n))) return n;
  return -1;
}

RenameResult RenameNoReplace(const std::string& from, const std::string& to) {
  struct stat st;
  if (::lstat(from.c_str(), &st) != 0) return RenameResult::Failed;
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
    return RenameResult::Done;
  if (errno == EEXIST) return RenameResult::Exists;
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return RenameResult::Failed;
  // A file system without the flag: look before renaming.
  if (::lstat(to.c_str(), &st) == 0 || errno != ENOENT) return RenameResult::Exists;
  return ::rename(from.c_str(), to.c_str()) == 0 ? RenameResult::Done : RenameResult::Failed;
}

bool RemoveFolderTree(const std::string& folderPath) {
  std::string folder = folderPath;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (!IsRealFolder(folder)) return false;
  std::error_code ec;
  // remove_all removes a link it meets, never what the link points to.
  fs::remove_all(folder, ec);
  return !ec && !fs::exists(fs::symlink_status(folder, ec));
}

bool IsRealFolder(const std::string& folderPath) {
  // "link/" would name the folder the link points to.
  std::string path = folderPath;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  std::error_code ec;
  return fs::symlink_status(path, ec).type() == fs::file_type::directory;
}

}  // namespace pumpdrill
