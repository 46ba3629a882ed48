// Students imported from a CSV file of last name, first name and other ID.
#include <string>
#include <vector>

#include "frame/safe_file.h"
#include "frame/text_values.h"
#include "records/student_commands.h"
#include "records/student_names.h"

namespace pumpdrill {

namespace {

constexpr std::size_t kMaxImportBytes = 4 * 1024 * 1024;

// The rows of a CSV text: fields split at commas, quoted fields may hold
// commas, doubled quotes and line breaks.
std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1);
  std::string field;
  bool quoted = false;
  std::size_t i = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
  auto endField = [&] {
    rows.back().push_back(Trimmed(field));
    field.clear();
  };
  for (; i < text.size(); ++i) {
    const char ch = text[i];
    if (quoted) {
      if (ch != '"') {
        field += ch;
      } else if (i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (ch == '"') {
      quoted = true;
    } else if (ch == ',') {
      endField();
    } else if (ch == '\n' || ch == '\r') {
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endField();
      rows.emplace_back();
    } else {
      field += ch;
    }
  }
  endField();
  return rows;
}

bool IsHeaderRow(const std::vector<std::string>& row) {
  const std::string first = LowerCase(row[0]);
  return first == "last name" || first == "lastname" || first == "last" || first == "lname";
}

bool SameStudent(const StudentRec& a, const StudentRec& b) {
  return EqualsIgnoringCase(a.LastName, b.LastName) &&
         EqualsIgnoringCase(a.FirstName, b.FirstName) && EqualsIgnoringCase(a.OtherId, b.OtherId);
}

}  // namespace

int ImportStudents(StudentsContext& c, const std::string& cls, const std::string& csvPath) {
  std::vector<Byte> bytes;
  if (ReadWholeFile(csvPath, kMaxImportBytes, bytes) != ReadStep::Done) {
    c.host.Message(MsgType::Error, Buttons::Ok,
                   "The file " + csvPath + " could not be read; no students were added.");
    return 0;
  }
  std::vector<StudentRec> known;
  for (const StudentEntry& e : ListStudents(c.ClassDirectory(cls)))
    if (e.Intact) known.push_back(e.Rec);

  int added = 0, repeated = 0, nameless = 0, refused = 0, notAdded = 0;
  std::string stopped;
  const auto rows = CsvRows(std::string(bytes.begin(), bytes.end()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::vector<std::string>& row = rows[r];
    bool blank = true;
    for (const std::string& f : row) blank = blank && f.empty();
    if (blank || (r == 0 && IsHeaderRow(row))) continue;
    if (!stopped.empty()) {
      ++notAdded;
      continue;
    }
    StudentRec rec;
    rec.LastName = row[0];
    rec.FirstName = row.size() > 1 ? row[1] : "";
    rec.OtherId = row.size() > 2 ? row[2] : "";
    if (rec.LastName.empty()) {
      ++nameless;
      continue;
    }
    if (!StudentNameProblem(rec.LastName, rec.FirstName, rec.OtherId).empty()) {
      ++refused;
      continue;
    }
    bool seen = false;
    for (const StudentRec& k : known) seen = seen || SameStudent(k, rec);
    if (seen) {
      ++repeated;
      continue;
    }
    std::string folder, problem;
    if (!CreateStudentFolder(c, cls, rec, folder, problem)) {
      stopped = problem;
      ++notAdded;
      continue;
    }
    known.push_back(rec);
    ++added;
  }
  std::string summary = "Students added to class " + cls + ": " + std::to_string(added) + ".";
  if (repeated)
    summary += "\nRows skipped as already in the class: " + std::to_string(repeated) + ".";
  if (nameless) summary += "\nRows skipped without a last name: " + std::to_string(nameless) + ".";
  if (refused)
    summary += "\nRows skipped with names that cannot be stored: " + std::to_string(refused) + ".";
  if (!stopped.empty())
    summary += "\n" + stopped + " Rows not added: " + std::to_string(notAdded) + ".";
  c.host.Message(stopped.empty() ? MsgType::Information : MsgType::Warning, Buttons::Ok, summary);
  return added;
}

}  // namespace pumpdrill
