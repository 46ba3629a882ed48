#include "records/student_commands.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "frame/configuration.h"
#include "frame/run_control.h"
#include "frame/text_values.h"
#include "records/data_file.h"
#include "records/run_recording.h"
#include "records/student_names.h"
#include "sim/state.h"

namespace pumpdrill {

namespace fs = std::filesystem;

namespace {

constexpr const char* kConfigureItem = "\"Data Records|Students|Configure\"";

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

std::string NoSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

// Whether the logged-in student belongs to the class (and is the student
// of folder, when one is given).
bool TouchesOperator(const StudentsContext& c, const std::string& cls,
                     const std::string& folder = {}) {
  const std::string& op = c.run.Recording.OperatorDirectory;
  return !op.empty() && StartsWith(op, cls + "/" + (folder.empty() ? "" : folder + "/"));
}

// The logged-in student's folders are not changed during a run.
bool MayChange(StudentsContext& c, const std::string& cls, const std::string& folder = {}) {
  if (!c.run.SimActive || !TouchesOperator(c, cls, folder)) return true;
  c.host.Message(MsgType::Information, Buttons::Ok, kStopRunFirst);
  return false;
}

void Tell(StudentsContext& c, MsgType type, const std::string& text) {
  c.host.Message(type, Buttons::Ok, text);
}

// A folder renamed from one path below the records folder to another: the
// operator's folder and the data file in use follow it.
void FollowRename(StudentsContext& c, const std::string& oldRelative,
                  const std::string& newRelative) {
  RunRecording& rec = c.run.Recording;
  if (StartsWith(rec.OperatorDirectory, oldRelative))
    rec.OperatorDirectory = newRelative + rec.OperatorDirectory.substr(oldRelative.size());
  const std::string oldFull = c.Records() + oldRelative;
  if (StartsWith(rec.DataFileName, oldFull))
    rec.DataFileName = c.Records() + newRelative + rec.DataFileName.substr(oldFull.size());
  c.host.ChartInfoChanged();
}

void WriteOptions(StudentsContext& c) {
  const ConfigReport r =
      WriteConfiguration(c.run.Dirs.IniDirectory + kConfigFileName, c.cfg, c.s.ShowOptions);
  if (!r.Ok) {
    std::string text = "The configuration could not be written.";
    for (const std::string& p : r.Problems) text += "\n" + p;
    Tell(c, MsgType::Error, text);
  }
}

// Asks the three names of a student under title; nothing on Cancel, an
// empty last name or names that cannot be stored (which are reported).
std::optional<StudentRec> AskStudentNames(StudentsContext& c, const std::string& title,
                                          const StudentRec& now) {
  const auto last = c.prompts.InputBox(title, "Enter last name", now.LastName);
  if (!last || Trimmed(*last).empty()) return std::nullopt;
  const auto first = c.prompts.InputBox(title, "Enter first name", now.FirstName);
  if (!first) return std::nullopt;
  const auto other = c.prompts.InputBox(title, "Enter other ID (optional)", now.OtherId);
  if (!other) return std::nullopt;
  StudentRec rec = now;
  rec.LastName = Trimmed(*last);
  rec.FirstName = Trimmed(*first);
  rec.OtherId = Trimmed(*other);
  const std::string problem = StudentNameProblem(rec.LastName, rec.FirstName, rec.OtherId);
  if (!problem.empty()) {
    Tell(c, MsgType::Information, problem);
    return std::nullopt;
  }
  return rec;
}

void LogOut(StudentsContext& c) { SwitchOperator(c, "", "", false); }

}  // namespace

bool CreateStudentFolder(StudentsContext& c, const std::string& cls, const StudentRec& rec,
                         std::string& folder, std::string& problem) {
  const int n = FirstFreeStudentNumber(c.ClassDirectory(cls));
  if (n < 0) {
    problem = "This class already has 1000 students.";
    return false;
  }
  folder = StudentFolderName(n);
  const std::string dir = c.StudentDirectory(cls, folder);
  std::error_code ec;
  if (!fs::create_directory(NoSlash(dir), ec) || !IsRealFolder(dir)) {
    problem = "The student folder " + dir + " could not be created.";
    return false;
  }
  StudentRec written = rec;
  if (!ReadWriteStudent(1, dir, written)) {
    fs::remove_all(NoSlash(dir), ec);
    problem = "The student file " + dir + kStudentFileName +
              " could not be written; the student was not added.";
    return false;
  }
  return true;
}

const std::string& StudentsContext::Records() const { return run.Dirs.RecordsDirectory; }
std::string StudentsContext::ClassDirectory(const std::string& cls) const {
  return Records() + cls + "/";
}
std::string StudentsContext::StudentDirectory(const std::string& cls,
                                              const std::string& folder) const {
  return ClassDirectory(cls) + folder + "/";
}

std::optional<std::string> AddClass(StudentsContext& c) {
  const auto typed =
      c.prompts.InputBox("Add Class or Group Name", "Enter the class name (one word)", "");
  if (!typed) return std::nullopt;
  const std::string name = Trimmed(*typed);
  if (name.empty()) return std::nullopt;
  if (const std::string problem = ClassNameProblem(name); !problem.empty()) {
    Tell(c, MsgType::Information, problem);
    return std::nullopt;
  }
  const std::string path = c.Records() + name;
  if (Exists(path)) {
    Tell(c, MsgType::Information, kNameExists);
    return std::nullopt;
  }
  std::error_code ec;
  fs::create_directory(path, ec);
  if (!IsRealFolder(path)) {
    Tell(c, MsgType::Error, "The class/group could not be created.");
    return std::nullopt;
  }
  return name;
}

std::optional<std::string> RenameClass(StudentsContext& c, const std::string& cls) {
  if (!MayChange(c, cls)) return std::nullopt;
  const auto typed = c.prompts.InputBox("Change Class Name", "Enter new class name", cls);
  if (!typed) return std::nullopt;
  const std::string name = Trimmed(*typed);
  if (name.empty() || name == cls) return std::nullopt;
  if (const std::string problem = ClassNameProblem(name); !problem.empty()) {
    Tell(c, MsgType::Information, problem);
    return std::nullopt;
  }
  switch (RenameNoReplace(c.Records() + cls, c.Records() + name)) {
    case RenameResult::Exists:
      Tell(c, MsgType::Information, kNameExists);
      return std::nullopt;
    case RenameResult::Failed:
      Tell(c, MsgType::Error, "Class directory could NOT be renamed.");
      return std::nullopt;
    case RenameResult::Done:
      break;
  }
  FollowRename(c, cls + "/", name + "/");
  if (c.cfg.Options.DefaultLoginClass == cls) {
    c.cfg.Options.DefaultLoginClass = name;
    WriteOptions(c);
  }
  return name;
}

bool DeleteClass(StudentsContext& c, const std::string& cls) {
  if (!MayChange(c, cls)) return false;
  if (c.host.Message(MsgType::Confirmation, Buttons::OkCancel, "Delete Class " + cls + " ?") !=
      Answer::Ok)
    return false;
  if (TouchesOperator(c, cls)) LogOut(c);
  const bool removed = RemoveFolderTree(c.Records() + cls);
  if (!removed) c.host.Message(MsgType::Confirmation, Buttons::Ok, "Class could not be deleted.");
  if (!Exists(c.Records() + cls) && c.cfg.Options.DefaultLoginClass == cls) {
    c.cfg.Options.DefaultLoginClass.clear();
    WriteOptions(c);
  }
  return removed;
}

std::optional<std::string> AddStudent(StudentsContext& c, const std::string& cls) {
  if (FirstFreeStudentNumber(c.ClassDirectory(cls)) < 0) {
    Tell(c, MsgType::Information, "This class already has 1000 students.");
    return std::nullopt;
  }
  const auto rec = AskStudentNames(c, "New Student", StudentRec{});
  if (!rec) return std::nullopt;
  std::string folder, problem;
  if (!CreateStudentFolder(c, cls, *rec, folder, problem)) {
    Tell(c, MsgType::Error, problem);
    return std::nullopt;
  }
  return folder;
}

bool RenameStudent(StudentsContext& c, const std::string& cls, const StudentEntry& student) {
  if (!MayChange(c, cls, student.Folder)) return false;
  const StudentRec now = student.Intact ? student.Rec : StudentRec{};
  auto rec = AskStudentNames(c, "Rename Student", now);
  if (!rec) return false;
  if (!student.Intact) rec->Ctrl.clear();
  const std::string dir = c.StudentDirectory(cls, student.Folder);
  if (!ReadWriteStudent(1, dir, *rec)) {
    Tell(c, MsgType::Error,
         "The student file " + dir + kStudentFileName + " could not be written.");
    return false;
  }
  if (TouchesOperator(c, cls, student.Folder))
    c.run.Recording.PlotSetup.OperatorName = rec->LastName + ", " + rec->FirstName;
  return true;
}

bool DeleteStudent(StudentsContext& c, const std::string& cls, const StudentEntry& student) {
  if (!MayChange(c, cls, student.Folder)) return false;
  const std::string name = student.Name();
  if (c.host.Message(MsgType::Confirmation, Buttons::OkCancel,
                     "Delete student " + name + " and all of the student's data files?") !=
      Answer::Ok)
    return false;
  if (TouchesOperator(c, cls, student.Folder)) LogOut(c);
  const std::string dir = c.StudentDirectory(cls, student.Folder);
  if (!RemoveFolderTree(dir)) {
    Tell(c, MsgType::Error,
         "Directory  \" " + NoSlash(dir) + " \"  could not be removed for:  " + name);
    return false;
  }
  return true;
}

bool IsRunInProgressFile(const RunContext& run, const std::string& path) {
  return run.SimActive && fs::path(path).lexically_normal() ==
                              fs::path(TemporaryDataFilePath(run)).lexically_normal();
}

std::optional<std::string> RenameDataFile(StudentsContext& c, const std::string& cls,
                                          const StudentEntry& student, const std::string& file) {
  const std::string dir = c.StudentDirectory(cls, student.Folder);
  if (IsRunInProgressFile(c.run, dir + file)) {
    Tell(c, MsgType::Information, kRunFileBusy);
    return std::nullopt;
  }
  const auto typed = c.prompts.InputBox("Change Data Filename ", "Enter new filename", file);
  if (!typed) return std::nullopt;
  const std::string name = Trimmed(*typed);
  if (name.empty() || name == file) return std::nullopt;
  if (const std::string problem = DataFileNameProblem(name); !problem.empty()) {
    Tell(c, MsgType::Information, problem);
    return std::nullopt;
  }
  switch (RenameNoReplace(dir + file, dir + name)) {
    case RenameResult::Exists:
      Tell(c, MsgType::Information, kNameExists);
      return std::nullopt;
    case RenameResult::Failed:
      Tell(c, MsgType::Information, "Filename was not changed.");
      return std::nullopt;
    case RenameResult::Done:
      break;
  }
  if (c.run.Recording.DataFileName == dir + file) {
    c.run.Recording.DataFileName = dir + name;
    c.host.ChartInfoChanged();
  }
  return name;
}

bool DeleteDataFile(StudentsContext& c, const std::string& cls, const StudentEntry& student,
                    const std::string& file) {
  const std::string path = c.StudentDirectory(cls, student.Folder) + file;
  if (IsRunInProgressFile(c.run, path)) {
    Tell(c, MsgType::Information, kRunFileBusy);
    return false;
  }
  return DeleteDataFiles({path}, c.run, c.host) == 1;
}

bool SaveDataFileComment(StudentsContext& c, const std::string& path, const std::string& comments) {
  TPlotSetupRec header{};
  {
    std::ifstream in(path, std::ios::binary);
    if (!in || !in.read(reinterpret_cast<char*>(&header), sizeof header)) {
      Tell(c, MsgType::Error,
           DataFileReadMessage(
               path, in ? "it is shorter than a data file's header" : "it cannot be opened"));
      return false;
    }
  }
  header.Comments = comments;
  RunRecording& rec = c.run.Recording;
  if (rec.DataFileName == path) {
    if (rec.ViewingStoredFile)
      rec.ViewedHeader.Comments = comments;
    else
      rec.PlotSetup.Comments = comments;
  }
  if (WriteDataFileHeader(path, header) != WriteStep::Done) {
    Tell(c, MsgType::Error,
         "The data record header could not be written to " + path +
             "; the file is as it was before.");
    return false;
  }
  return true;
}

void SetDefaultLoginClass(StudentsContext& c, const std::string& cls, bool on) {
  std::string& option = c.cfg.Options.DefaultLoginClass;
  if (on)
    option = cls;
  else if (option == cls)
    option.clear();
  else
    return;
  WriteOptions(c);
}

std::string LoginClass(const StudentsContext& c) {
  const std::vector<std::string> classes = ListClasses(c.Records());
  for (const std::string& cls : classes)
    if (cls == c.cfg.Options.DefaultLoginClass) return cls;
  return classes.empty() ? std::string() : classes.front();
}

std::vector<int> LoginCandidates(const std::vector<StudentEntry>& students,
                                 const std::string& typed, bool* exact) {
  const std::string wanted = LowerCase(Trimmed(typed));
  std::vector<int> equal, containing;
  for (int i : SortedByName(students)) {
    if (!students[i].Intact || wanted.empty()) continue;
    const std::string name = LowerCase(Trimmed(students[i].Name()));
    if (name == wanted) equal.push_back(i);
    if (name.find(wanted) != std::string::npos) containing.push_back(i);
  }
  if (exact) *exact = !equal.empty();
  return equal.empty() ? containing : equal;
}

std::string LoginOffer(const std::vector<StudentEntry>& students, int index) {
  const StudentEntry& e = students[index];
  int same = 0;
  for (const StudentEntry& other : students)
    if (other.Intact && EqualsIgnoringCase(Trimmed(other.Name()), Trimmed(e.Name()))) ++same;
  if (same < 2) return e.Name();
  return e.Name() + " (" + (e.Rec.OtherId.empty() ? e.Folder : e.Rec.OtherId) + ")";
}

bool OperatorLogin(StudentsContext& c) {
  if (c.run.SimActive) {
    Tell(c, MsgType::Information, "Stop the current simulation before logging in.");
    return false;
  }
  const std::string cls = LoginClass(c);
  const std::vector<StudentEntry> students =
      cls.empty() ? std::vector<StudentEntry>{} : ListStudents(c.ClassDirectory(cls));
  bool anyone = false;
  for (const StudentEntry& e : students) anyone = anyone || e.Intact;
  if (!anyone) {
    Tell(c, MsgType::Information,
         std::string("Login is used after a student list is created under menu item  ") +
             kConfigureItem);
    SwitchOperator(c, "", "");
    return false;
  }
  for (;;) {
    const auto typed =
        c.prompts.InputBox("Operator Login", "Enter your login name for class: " + cls, "");
    if (!typed || Trimmed(*typed).empty()) break;
    bool exact = false;
    const std::vector<int> candidates = LoginCandidates(students, *typed, &exact);
    int chosen = -1;
    if (exact && candidates.size() == 1) chosen = candidates.front();
    bool cancelled = false;
    for (std::size_t k = 0; chosen < 0 && !cancelled && k < candidates.size(); ++k) {
      const Answer a =
          c.prompts.YesNoCancel("Correct login? " + LoginOffer(students, candidates[k]));
      if (a == Answer::Yes) chosen = candidates[k];
      cancelled = a != Answer::Yes && a != Answer::No;
    }
    if (chosen >= 0) {
      const StudentEntry& e = students[chosen];
      SwitchOperator(c, cls + "/" + e.Folder + "/", e.Name());
      return true;
    }
    if (cancelled) break;
    // Nothing matched, or every offer was declined.
    if (!c.prompts.RetryIgnore(std::string("Your login name was not found. RETRY your login or "
                                           "select IGNORE to continue. See menu "
                                           "item  ") +
                               kConfigureItem + "  for valid login names for your class."))
      break;
  }
  SwitchOperator(c, "", "");
  return false;
}

std::string OperatorShownName(const RunContext& run) {
  return run.Recording.OperatorDirectory.empty() ? std::string()
                                                 : run.Recording.PlotSetup.OperatorName.str();
}

void SwitchOperator(StudentsContext& c, const std::string& folder, const std::string& name,
                    bool settle) {
  RunRecording& rec = c.run.Recording;
  if (folder == rec.OperatorDirectory) {
    rec.PlotSetup.OperatorName = name;
    return;
  }
  // The record of the run before belongs to the previous operator.
  if (settle) OfferToSaveTemporaryRecord(c.cfg, c.run, c.host);
  std::error_code ec;
  if (!c.Records().empty()) fs::remove(TemporaryDataFilePath(c.run), ec);
  rec.UnsavedSamples = false;
  rec.OperatorDirectory = folder;
  rec.PlotSetup.OperatorName = name;
  PrepareTemporaryDataFile(c.s, c.cfg, c.run, c.host);
}

}  // namespace pumpdrill
