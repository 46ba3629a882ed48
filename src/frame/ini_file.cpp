#include "frame/ini_file.h"

#ifndef SI_NO_CONVERSION
#define SI_NO_CONVERSION 1
#endif
#ifndef SI_IMPLEMENTATION
#define SI_IMPLEMENTATION 1
#endif
#include <SimpleIni.h>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "frame/safe_file.h"

namespace pumpdrill {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// No settings file comes near this size; a larger one is not read.
constexpr std::size_t kMaxFileBytes = 16u << 20;

bool IsBlankChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlankChar(s.front())) s.remove_prefix(1);
  return s;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    std::size_t nl = text.find('\n');
    std::string_view line = text.substr(0, nl);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    if (nl == std::string_view::npos) break;
    text.remove_prefix(nl + 1);
  }
  return lines;
}

// Whether the INI reader takes a line as a section header or a key.
bool IsEntryLine(std::string_view line) {
  std::string_view s = TrimLeft(line);
  if (s.empty() || s.front() == ';' || s.front() == '#') return false;
  if (s.front() == '[') return s.find(']') != std::string_view::npos;
  return s.front() != '=' && s.find('=') != std::string_view::npos;
}

std::string JoinLines(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t i = from; i < to; ++i) {
    out += lines[i];
    out += '\n';
  }
  return out;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// A file reached through symbolic links is replaced where they lead, so
// the links stay.
std::filesystem::path ResolveLinks(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  std::filesystem::path real = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : real;
}

std::string WhyNotCreated(const std::filesystem::path& target) {
  std::error_code ec;
  std::filesystem::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  if (!std::filesystem::is_directory(dir, ec)) return "the folder \"" + dir.string() + "\" does not exist";
  if (std::filesystem::is_directory(target, ec)) return "it is a folder, not a file";
  if (std::filesystem::exists(target, ec) && ::access(target.c_str(), W_OK) != 0)
    return "the file is write-protected";
  return "the folder \"" + dir.string() + "\" may not be written";
}

}  // namespace

struct IniFile::Impl {
  std::filesystem::path path;
  // Case-insensitive names, repeated keys kept, no multi-line values.
  CSimpleIniA ini{false, true, false};
  bool hadMark = false;
  // A file with no section or key at all is kept whole as head; otherwise
  // tail holds what follows the last key, which the INI reader would drop.
  std::string head;
  std::string tail;
  bool existed = false;
  bool loadFailed = false;
  std::string error;

  void Clear() {
    ini.Reset();
    hadMark = false;
    head.clear();
    tail.clear();
  }
};

IniFile::IniFile(std::filesystem::path path) : impl_(std::make_unique<Impl>()) {
  impl_->path = std::move(path);
  impl_->ini.SetSpaces(false);
}

IniFile::~IniFile() = default;

bool IniFile::Load() {
  Impl& m = *impl_;
  m.Clear();
  m.existed = false;
  m.loadFailed = false;
  m.error.clear();

  const std::string where = "\"" + m.path.string() + "\"";
  std::error_code ec;
  std::filesystem::file_status st = std::filesystem::status(m.path, ec);
  if (st.type() == std::filesystem::file_type::not_found) return true;
  m.existed = true;
  if (ec) {
    m.loadFailed = true;
    m.error = "Cannot read " + where + ": " + ec.message();
    return false;
  }
  if (std::filesystem::is_directory(st)) {
    m.loadFailed = true;
    m.error = "Cannot read " + where + ": it is a folder, not a file";
    return false;
  }

  std::vector<Byte> bytes;
  ReadStep step = ReadWholeFile(m.path.string(), kMaxFileBytes, bytes);
  if (step == ReadStep::Open || step == ReadStep::Read) {
    int err = errno;
    m.loadFailed = true;
    m.error = "Cannot read " + where + ": " +
              (step == ReadStep::Open ? std::string(std::strerror(err)) : "a read failed or the file is too large");
    return false;
  }
  const std::string raw(bytes.begin(), bytes.end());
  std::string_view text = raw;
  if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    m.hadMark = true;
    text.remove_prefix(kUtf8Mark.size());
  }
  std::vector<std::string> lines = SplitLines(text);
  std::size_t lastEntry = lines.size();
  for (std::size_t i = lines.size(); i-- > 0;) {
    if (IsEntryLine(lines[i])) {
      lastEntry = i;
      break;
    }
  }
  std::size_t end = lines.size();
  while (end > 0 && TrimLeft(lines[end - 1]).empty()) --end;
  if (lastEntry == lines.size()) {
    m.head = JoinLines(lines, 0, end);
    return true;
  }
  m.tail = JoinLines(lines, lastEntry + 1, end);
  if (m.ini.LoadData(text.data(), text.size()) < 0) {
    m.Clear();
    m.loadFailed = true;
    m.error = "Cannot read " + where + ": not enough memory";
    return false;
  }
  return true;
}

bool IniFile::Existed() const { return impl_->existed; }

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const char* v = impl_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
  if (!v) return std::nullopt;
  return std::string(v);
}

std::string IniFile::Get(std::string_view section, std::string_view key, std::string_view fallback) const {
  std::optional<std::string> v = Get(section, key);
  return v ? *v : std::string(fallback);
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  CSimpleIniA::TNamesDepend names;
  impl_->ini.GetAllKeys(std::string(section).c_str(), names);
  names.sort(CSimpleIniA::Entry::LoadOrder());
  std::vector<std::string> keys;
  for (const auto& e : names) keys.emplace_back(e.pItem);
  return keys;
}

bool IniFile::HasSection(std::string_view section) const {
  return impl_->ini.GetSection(std::string(section).c_str()) != nullptr;
}

std::vector<std::string> IniFile::Sections() const {
  CSimpleIniA::TNamesDepend names;
  impl_->ini.GetAllSections(names);
  names.sort(CSimpleIniA::Entry::LoadOrder());
  std::vector<std::string> sections;
  for (const auto& e : names) sections.emplace_back(e.pItem);
  return sections;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  // A key already in the file keeps its spelling.
  std::string name(key);
  for (const std::string& k : Keys(section)) {
    if (SameName(k, key)) {
      name = k;
      break;
    }
  }
  // A value is one line: a line break in it would start a line of its own.
  std::string text(value);
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  impl_->ini.SetValue(std::string(section).c_str(), name.c_str(), text.c_str(), nullptr, true);
}

void IniFile::ClearSection(std::string_view section) {
  std::string s(section);
  for (const std::string& k : Keys(section)) impl_->ini.Delete(s.c_str(), k.c_str(), false);
}

void IniFile::RemoveSection(std::string_view section) {
  impl_->ini.Delete(std::string(section).c_str(), nullptr, true);
}

std::string IniFile::Text() const {
  const Impl& m = *impl_;
  std::string body;
  m.ini.Save(body, false);
  std::string out;
  if (m.hadMark) out += kUtf8Mark;
  out += m.head;
  if (!m.head.empty() && !body.empty()) out += '\n';
  out += body;
  out += m.tail;
  return out;
}

bool IniFile::Save() {
  Impl& m = *impl_;
  const std::string where = "\"" + m.path.string() + "\"";
  if (m.loadFailed) {
    m.error = "Not writing " + where + ": the file could not be read, and writing would lose its contents";
    return false;
  }
  const std::filesystem::path target = ResolveLinks(m.path);
  const std::string data = Text();
  switch (WriteFileReplacing(target.string(), data.data(), data.size())) {
    case WriteStep::Done:
      m.error.clear();
      return true;
    case WriteStep::Create:
      m.error = "Cannot create " + where + ": " + WhyNotCreated(target);
      break;
    case WriteStep::Write:
      m.error = "Cannot write " + where + ": writing failed (is the disk full?)";
      break;
    case WriteStep::Replace:
      m.error = "Cannot replace " + where + " by its new contents";
      break;
  }
  return false;
}

const std::string& IniFile::Error() const { return impl_->error; }

const std::filesystem::path& IniFile::Path() const { return impl_->path; }

}  // namespace pumpdrill
