// The class and student folders below the records folder: a class is a
// folder, a student a folder "stu_000" to "stu_999" inside it holding
// "ctrl.txt" (the student's names) and the student's data files.
#pragma once

#include <string>
#include <vector>

namespace pumpdrill {

inline constexpr const char* kStudentFileName = "ctrl.txt";
inline constexpr const char* kStudentSection = "OPERATOR_ID";
inline constexpr const char* kNameExists = "A file or folder of that name already exists.";

// A student's record as "ctrl.txt" holds it.
struct StudentRec {
  std::string LastName;   // "LNAME"
  std::string FirstName;  // "FNAME"
  std::string OtherId;    // "OTHER_ID"
  std::string Ctrl;       // "CTRL"
};

// Mode 0 reads folder's "ctrl.txt" into rec (every key "-1" when absent)
// and returns false when the file is missing, unreadable or its last name
// reads "-1". Mode 1 writes the four keys (through a temporary file, keeping
// anything else the file holds) and returns whether that worked.
bool ReadWriteStudent(int mode, const std::string& folder, StudentRec& rec);

// One student of a class: its folder and what its "ctrl.txt" holds.
struct StudentEntry {
  std::string Folder;  // "stu_004"
  StudentRec Rec;
  bool Intact = false;  // "ctrl.txt" read and named the student
  // "Last, First", or the folder's name for a student whose file is damaged.
  std::string Name() const;
};

// Class folders of the records folder in name order (links and names
// beginning with a dot are no classes).
std::vector<std::string> ListClasses(const std::string& recordsDirectory);

// The students of a class folder in folder-name order. For each student
// whose "ctrl.txt" is missing or damaged a line is added to damaged.
std::vector<StudentEntry> ListStudents(const std::string& classDirectory,
                                       std::vector<std::string>* damaged = nullptr);

// The indexes of students in name order (letter case ignored; folder order
// among equal names).
std::vector<int> SortedByName(const std::vector<StudentEntry>& students);

// The data files (".DTA" in any letter case) of a student folder in name order.
std::vector<std::string> ListDataFiles(const std::string& studentDirectory);

// The lowest student number whose folder does not exist in the class
// (in any letter case); -1 when all 1000 are taken.
int FirstFreeStudentNumber(const std::string& classDirectory);

enum class RenameResult { Done, Exists, Failed };
// Renames from to to, never replacing anything at to.
RenameResult RenameNoReplace(const std::string& from, const std::string& to);

// Removes the folder with everything in it. A link met on the way is
// removed itself; what it points to is left alone. False when anything is
// left.
bool RemoveFolderTree(const std::string& folder);

// Whether path is a folder itself and not a link to one.
bool IsRealFolder(const std::string& path);

}  // namespace pumpdrill
