#include "sound/call_text_file.h"

#include <algorithm>
#include <cctype>

namespace pumpdrill {

namespace {

constexpr std::size_t kRecordChars = kCallTextRecordBytes - 1;

void AppendRecord(std::string& out, std::string_view chars) {
  std::string record(kCallTextRecordBytes, '\0');
  record[0] = static_cast<char>(chars.size());
  std::copy(chars.begin(), chars.end(), record.begin() + 1);
  out += record;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

std::string Utf8ToLatin1(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto u = static_cast<unsigned char>(text[i]);
    if (u < 0x80) {
      out += text[i++];
      continue;
    }
    int extra = u >= 0xF0 ? 3 : u >= 0xE0 ? 2 : u >= 0xC0 ? 1 : 0;
    unsigned code = u & (0x3F >> extra);
    std::size_t j = i + 1;
    for (int k = 0;
         k < extra && j < text.size() && (static_cast<unsigned char>(text[j]) & 0xC0) == 0x80;
         ++k, ++j)
      code = (code << 6) | (static_cast<unsigned char>(text[j]) & 0x3F);
    out += (extra > 0 && code <= 0xFF) ? static_cast<char>(code) : '?';
    i = std::max(j, i + 1);
  }
  return out;
}

int ReadCallText(const std::string& bytes, CallText& text) {
  text = CallText{};
  int records = 0;
  bool continues = false;  // the last record was full: the line goes on
  for (std::size_t at = 0; at < bytes.size(); at += kCallTextRecordBytes, ++records) {
    const std::size_t room = std::min(kRecordChars, bytes.size() - at - 1);
    const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(bytes[at]), room);
    const std::string chars = Latin1ToUtf8(std::string_view(bytes).substr(at + 1, length));
    if (records == 0) {
      text.Description = chars;
      continue;
    }
    if (continues) {
      text.Lines.back() += chars;
    } else {
      text.Lines.push_back(chars);
    }
    continues = length == kRecordChars;
  }
  return records;
}

std::string CallTextBytes(const CallText& text) {
  std::string out;
  AppendRecord(out, Utf8ToLatin1(text.Description).substr(0, kRecordChars));
  for (const std::string& line : text.Lines) {
    const std::string chars = Utf8ToLatin1(line);
    std::size_t at = 0;
    do {
      AppendRecord(out, std::string_view(chars).substr(at, kRecordChars));
      at += kRecordChars;
    } while (at <= chars.size());
  }
  return out;
}

bool ReadCallTextFile(const std::string& path, CallText& text, std::string& error) {
  text = CallText{};
  std::vector<Byte> bytes;
  switch (ReadWholeFile(path, kMaxCallTextBytes, bytes)) {
    case ReadStep::Done:
      ReadCallText(std::string(bytes.begin(), bytes.end()), text);
      return true;
    case ReadStep::Missing:
      return true;
    case ReadStep::Open:
    case ReadStep::Read:
      break;
  }
  error = "The call text " + path + " could not be read.";
  return false;
}

WriteStep WriteCallTextFile(const std::string& path, const CallText& text) {
  const std::string bytes = CallTextBytes(text);
  return WriteFileReplacing(path, bytes.data(), bytes.size());
}

std::string BaseName(const std::string& fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string UpperExtension(const std::string& fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  const std::size_t dot = fileName.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = fileName.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ext;
}

}  // namespace pumpdrill
