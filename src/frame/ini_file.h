// An INI text file (sections in square brackets, lines of key=value), as
// the program keeps its settings, panel layouts, radio calls and student
// records. Section and key names are compared without regard to case.
//
// The file is read whole, changed in memory and written back whole. What
// a person wrote by hand survives a write: sections, keys and their order,
// keys and sections the program does not know, comments, and the spelling
// of names. Changed keys keep their place; new keys go to the end of their
// section and new sections to the end of the file. Blank lines and spaces
// around "=" are normalised; a line that is neither a section, a key, nor a
// comment is dropped unless it follows the last key of the file.
//
// When a key occurs twice in a section, reading gives the first value, and
// setting the key leaves one line in the place of the first.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pumpdrill {

class IniFile {
 public:
  explicit IniFile(std::filesystem::path path);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  // Reads the file. A missing file reads as empty and is not a failure.
  // Returns false, with Error() telling why, when the file exists but
  // cannot be read; the contents are then empty.
  bool Load();
  // Whether the file existed at the last Load.
  bool Existed() const;

  // The first value of key in section, or nothing when either is absent.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  std::string Get(std::string_view section, std::string_view key, std::string_view fallback) const;
  // The keys of a section in file order (empty when the section is absent).
  std::vector<std::string> Keys(std::string_view section) const;
  bool HasSection(std::string_view section) const;
  // The sections in file order.
  std::vector<std::string> Sections() const;

  // Sets key in section, creating either as needed. Line breaks in value
  // become blanks, so a value can never add a line to the file.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  // Removes every key of section; the section keeps its place in the file.
  void ClearSection(std::string_view section);
  // Removes a section with its keys.
  void RemoveSection(std::string_view section);

  // Writes the contents back through a temporary file renamed over the old
  // one, so a failed write leaves the old file untouched. Refuses to write
  // when the last Load failed, so an unreadable file is never overwritten.
  bool Save();
  // The file's contents as Save would write them.
  std::string Text() const;

  // Why the last Load or Save failed: the path and the system's reason.
  const std::string& Error() const;
  const std::filesystem::path& Path() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace pumpdrill
