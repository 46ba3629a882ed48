// The commands of the students window and the operator login: classes,
// students and their data files added, renamed and deleted, comments kept
// on data files, and the login that decides into which student's folder
// the data files of the next runs go. The window only asks and shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/student_files.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;
struct Configuration;
struct RunContext;

// The questions of these commands that the host's message boxes do not
// have: input boxes and the login's confirmations.
class StudentPrompts {
 public:
  virtual ~StudentPrompts() = default;
  // An input box: what was typed, or nothing on Cancel.
  virtual std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                              const std::string& value) = 0;
  // A confirmation with Yes, No and Cancel.
  virtual Answer YesNoCancel(const std::string& text) = 0;
  // A confirmation with Retry and Ignore: true for Retry.
  virtual bool RetryIgnore(const std::string& text) = 0;
};

inline constexpr const char* kStopRunFirst =
    "Stop the current simulation before changing the logged-in student's records.";
inline constexpr const char* kRunFileBusy =
    "The data file of the run in progress cannot be changed or viewed here.";

struct StudentsContext {
  State& s;
  Configuration& cfg;
  RunContext& run;
  Host& host;
  StudentPrompts& prompts;

  const std::string& Records() const;
  std::string ClassDirectory(const std::string& cls) const;  // with its "/"
  std::string StudentDirectory(const std::string& cls, const std::string& folder) const;
};

// Classes. Each returns the class to select afterwards when it changed anything.
std::optional<std::string> AddClass(StudentsContext& c);
std::optional<std::string> RenameClass(StudentsContext& c, const std::string& cls);
bool DeleteClass(StudentsContext& c, const std::string& cls);

// Students of a class. Add returns the new student's folder.
std::optional<std::string> AddStudent(StudentsContext& c, const std::string& cls);
bool RenameStudent(StudentsContext& c, const std::string& cls, const StudentEntry& student);
bool DeleteStudent(StudentsContext& c, const std::string& cls, const StudentEntry& student);

// A new student of the class with its "ctrl.txt", in the lowest free
// folder. False with the reason when it could not be made; nothing of it
// is then left.
bool CreateStudentFolder(StudentsContext& c, const std::string& cls, const StudentRec& rec,
                         std::string& folder, std::string& problem);

// Data files of a student: file is the file name in the student's folder.
// Rename returns the new name.
std::optional<std::string> RenameDataFile(StudentsContext& c, const std::string& cls,
                                          const StudentEntry& student, const std::string& file);
bool DeleteDataFile(StudentsContext& c, const std::string& cls, const StudentEntry& student,
                    const std::string& file);
// Whether path is the temporary file of the run in progress (which is
// neither renamed, deleted nor viewed from the students window).
bool IsRunInProgressFile(const RunContext& run, const std::string& path);
// Writes comments (at most 255 bytes of it) into the header of the data
// file at path. A file that cannot be read whole is reported and left as
// it is.
bool SaveDataFileComment(StudentsContext& c, const std::string& path, const std::string& comments);

// The option "DEFAULT LOGIN CLASS": set to cls, or cleared when it names
// cls; the configuration is written.
void SetDefaultLoginClass(StudentsContext& c, const std::string& cls, bool on);
// The class a login uses: the default class when it exists, else the first
// by name ("" without classes).
std::string LoginClass(const StudentsContext& c);

// The students a typed login name may mean, in the order they are offered:
// with exact is set when they match it exactly (letter case and outer
// blanks ignored), else every student whose name contains it. Students
// whose file is damaged have no name to match.
std::vector<int> LoginCandidates(const std::vector<StudentEntry>& students,
                                 const std::string& typed, bool* exact);
// What "Correct login? " names: the student's name, with the other ID
// where another student of the class has the same name.
std::string LoginOffer(const std::vector<StudentEntry>& students, int index);

// Data Records > Students > Login. True when a student logged in; a
// cancelled or failed login leaves no one logged in (a login refused
// during a run changes nothing).
bool OperatorLogin(StudentsContext& c);

// The logged-in student's name ("" when no one is logged in).
std::string OperatorShownName(const RunContext& run);

// Makes folder (below the records folder, "" for no one) the operator's
// and name the operator's name. The temporary data record of the previous
// operator is settled first (settle: with the recording's save question)
// and a fresh temporary data file begun in the new folder.
void SwitchOperator(StudentsContext& c, const std::string& folder, const std::string& name,
                    bool settle = true);

// Data Records > Students > Import Students...: rows of last name, first
// name, other ID added to the class as Add does. Returns how many were added.
int ImportStudents(StudentsContext& c, const std::string& cls, const std::string& csvPath);

}  // namespace pumpdrill
