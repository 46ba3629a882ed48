// The text of a radio call, kept beside its sound in a file with the call's
// base name and the extension "WTX": records of 256 bytes, each a length
// byte and up to 255 characters in Latin-1. The first record is the call's
// description (the incident window's caption), each further one a line of
// its exact text. A line longer than 255 characters goes on over the next
// records: a full record continues in the next one, and a line whose length
// is a whole number of records ends with an empty record.
#pragma once

#include <string>
#include <vector>

#include "frame/safe_file.h"

namespace pumpdrill {

inline constexpr std::size_t kCallTextRecordBytes = 256;
inline constexpr std::size_t kMaxCallTextBytes = 4u * 1024u * 1024u;

// Texts as the program holds them: UTF-8.
struct CallText {
  std::string Description;
  std::vector<std::string> Lines;
};

// Decodes the bytes of a WTX file; a last record cut short is read as far
// as it goes and a length byte beyond its record is held to it. Returns the
// number of records read.
int ReadCallText(const std::string& bytes, CallText& text);
// The bytes of a WTX file (characters beyond Latin-1 become "?").
std::string CallTextBytes(const CallText& text);

// Reads a WTX file. A missing file gives empty texts and true; a file that
// cannot be read gives empty texts, false and error.
bool ReadCallTextFile(const std::string& path, CallText& text, std::string& error);
// Writes a WTX file through a temporary file renamed when complete.
WriteStep WriteCallTextFile(const std::string& path, const CallText& text);

// Latin-1 and UTF-8.
std::string Latin1ToUtf8(std::string_view text);
std::string Utf8ToLatin1(std::string_view text);

// The file's name without its extension ("FIRE1" of "FIRE1.WAV").
std::string BaseName(const std::string& fileName);
// The extension in upper case with its dot (".WAV"), or "".
std::string UpperExtension(const std::string& fileName);

}  // namespace pumpdrill
