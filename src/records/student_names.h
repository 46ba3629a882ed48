// Names of classes, students and data files as the instructor types them:
// trimmed, and checked before anything touches the file system, so that no
// name can reach outside the records folder or make a file that cannot be
// listed again.
#pragma once

#include <string>
#include <string_view>

namespace pumpdrill {

inline constexpr std::size_t kMaxClassNameChars = 64;
inline constexpr std::size_t kMaxStudentNameChars = 64;
inline constexpr int kMaxStudents = 1000;

inline constexpr const char* kClassNameRule =
    "A class name is one word of at most 64 characters, without a leading dot, a double quote or "
    "any of "
    "/ \\ : * ? < > |.";
inline constexpr const char* kFileNameRule =
    "A file name has at most 64 characters, without a leading dot, a double quote or any of "
    "/ \\ : * ? < > |.";

// text without blanks, tabs and line breaks at either end.
std::string Trimmed(std::string_view text);

// The number of characters of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// "" when name (already trimmed) may be a class folder; else kClassNameRule.
std::string ClassNameProblem(std::string_view name);

// "" when name (already trimmed) may be a data file's new name; else why not:
// the character rule, the ".DTA" ending, or the temporary file's name.
std::string DataFileNameProblem(std::string_view name);

// "" when the names may be stored in a student's record; else why not.
std::string StudentNameProblem(std::string_view lastName, std::string_view firstName,
                               std::string_view otherId);

// "stu_000" to "stu_999".
std::string StudentFolderName(int number);

// Whether a folder name is a student's: "stu_" in any letter case, then anything.
bool IsStudentFolderName(std::string_view name);

// Whether a file name ends in ".DTA" in any letter case.
bool HasDataFileExtension(std::string_view name);

// Compares without regard to ASCII letter case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace pumpdrill
