#include "records/student_names.h"

#include <cstdio>

#include "frame/text_values.h"
#include "records/data_file.h"

namespace pumpdrill {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The characters no class or file name may hold, and the dot names.
bool BreaksFileRule(std::string_view name, bool blanksAllowed) {
  if (name.empty() || name.front() == '.') return true;
  if (Utf8Length(name) > kMaxClassNameChars) return true;
  for (char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) return true;
    if (!blanksAllowed && c == ' ') return true;
    if (std::string_view("/\\:*?\"<>|").find(ch) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace

std::string Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  return n;
}

std::string ClassNameProblem(std::string_view name) {
  return BreaksFileRule(name, false) ? kClassNameRule : "";
}

std::string DataFileNameProblem(std::string_view name) {
  if (!HasDataFileExtension(name)) return "Filename must end in \".DTA\"";
  if (BreaksFileRule(name, true)) return kFileNameRule;
  if (IsTemporaryDataFileName(std::string(name)))
    return "tmp.DTA is the default temporary file.  This name is not permitted.";
  return "";
}

std::string StudentNameProblem(std::string_view lastName, std::string_view firstName,
                               std::string_view otherId) {
  if (lastName.empty()) return "A student needs a last name.";
  if (lastName == "-1") return "\"-1\" cannot be stored as a last name.";
  for (std::string_view part : {lastName, firstName, otherId})
    if (Utf8Length(part) > kMaxStudentNameChars)
      return "Names and other IDs have at most 64 characters.";
  return "";
}

std::string StudentFolderName(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "stu_%03d", number);
  return text;
}

bool IsStudentFolderName(std::string_view name) {
  return name.size() >= 4 && EqualsIgnoringCase(name.substr(0, 4), "stu_");
}

bool HasDataFileExtension(std::string_view name) {
  return name.size() >= 4 && EqualsIgnoringCase(name.substr(name.size() - 4), ".DTA");
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return LowerCase(a) == LowerCase(b);
}

}  // namespace pumpdrill
