#include "frame/evolution_file.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "frame/evolution_blocks.h"
#include "frame/evolution_earlier.h"
#include "frame/evolution_header.h"
#include "frame/safe_file.h"
#include "frame/text_values.h"
#include "sim/derived.h"
#include "sim/finite_state.h"
#include "sim/registry.h"

namespace pumpdrill {

namespace {

bool Fail(Host& host, const std::string& text) {
  host.Message(MsgType::Confirmation, Buttons::Ok, text);
  return false;
}

}  // namespace

bool SaveEvolution(State& s, const std::string& path, Host& host) {
  if (path.empty()) return Fail(host, "Error saving evolution file " + path + " .");

  std::vector<Byte> file(kEvolutionFileSize, 0);
  const EvolutionHeader header = ProgramEvolutionHeader();
  std::memcpy(file.data(), &header, sizeof header);
  file[kEvolutionCountOffset] = s.DischargeList.LineCount;
  std::size_t at = kEvolutionRecordsOffset;
  for (const StoredBlock& b : EvolutionBlocks(s)) {
    std::memcpy(file.data() + at, b.data, b.size);
    at += b.size;
  }

  switch (WriteFileReplacing(path, file.data(), file.size())) {
    case WriteStep::Done: return true;
    case WriteStep::Create: return Fail(host, "Attempting to Rewrite temp Evolution file " + path);
    case WriteStep::Write: return Fail(host, "Attempting to blockwrite temp Evolution file " + path);
    case WriteStep::Replace: break;
  }
  return Fail(host, "Error saving evolution file " + path + " .");
}

namespace {

// The first `count` characters of a header text.
std::string Leading(const ShortString& text, std::size_t count) {
  std::string t = text.str();
  return t.substr(0, count);
}

// A header number, or 0 when the text is not one (a file of neither layout
// then fails the length check).
double HeaderNumber(const std::string& text) {
  return TryReadNumber(text).value_or(0.0);
}

// Whether a file of the earlier layout's length holds what such a file
// holds: number texts for version and revision, a discharge count and a
// next radio call within their ranges.
bool PlausibleEarlierFile(const EvolutionHeader& header, const std::vector<Byte>& file,
                          const std::vector<StoredBlock>& blocks) {
  if (!TryReadNumber(header.ProgramVersionText.str())) return false;
  if (!TryReadNumber(Leading(header.RevisionText, 3))) return false;
  if (file[kEvolutionCountOffset] > kMaxDischarges) return false;
  std::size_t at = kEvolutionRecordsOffset;
  for (const StoredBlock& b : blocks) {
    if (b.kind == StoredRecordKind::RadioMessages) return file[at] < kRadioCallCount;
    at += EarlierRecordSize(b.kind);
  }
  return true;
}

void CopyImage(const std::vector<Byte>& image, const std::vector<StoredBlock>& blocks) {
  const Byte* from = image.data();
  for (const StoredBlock& b : blocks) {
    std::memcpy(b.data, from, b.size);
    from += b.size;
  }
}

void UpperCaseCallFiles(TRadioMessagesRec& radio) {
  for (ShortString& name : radio.CallFile) {
    for (int i = 0; i < name.length; ++i)
      name.chars[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(name.chars[i])));
  }
}

}  // namespace

bool LoadEvolution(State& s, const std::string& path, Configuration& config, Host& host) {
  const std::string readFailure = "Attempting to blockread Evolution file " + path;
  const std::size_t largest = std::max(kEvolutionFileSize, EarlierEvolutionFileSize());
  std::vector<Byte> file;
  switch (ReadWholeFile(path, largest, file)) {
    case ReadStep::Done: break;
    case ReadStep::Missing: return Fail(host, "Cannot find Evolution file " + path);
    case ReadStep::Open: return Fail(host, "Attempting to initialize read of Evolution file " + path);
    case ReadStep::Read: return Fail(host, readFailure);
  }
  if (file.size() < kEvolutionRecordsOffset) return Fail(host, readFailure);

  EvolutionHeader header;
  std::memcpy(&header, file.data(), sizeof header);
  const double version = HeaderNumber(header.ProgramVersionText.str());
  const std::string revision = Leading(header.RevisionText, 3);
  const bool current = version > 1.0 || HeaderNumber(revision) >= 4.0;

  // Every stored record as it will be after the load, built apart from s so
  // that nothing changes unless the whole file is good.
  std::vector<StoredBlock> blocks = EvolutionBlocks(s);
  std::vector<Byte> image;
  image.reserve(kEvolutionFileSize - kEvolutionRecordsOffset);
  if (current) {
    if (file.size() != kEvolutionFileSize) return Fail(host, readFailure);
    image.assign(file.begin() + kEvolutionRecordsOffset, file.end());
  } else {
    if (file.size() != EarlierEvolutionFileSize()) return Fail(host, readFailure);
    // A file of the earlier length is not yet one of that layout: its
    // header must carry number texts and its counts must be in range (a
    // file of zero bytes has neither).
    if (!PlausibleEarlierFile(header, file, blocks)) return Fail(host, readFailure);
    host.Message(MsgType::Plain, Buttons::Ok,
                 "You are loading an earlier, incompatible version (" + revision + ") file: " + path + " .  " +
                     "Save this evolution after it is loaded, " +
                     "and it will be saved in the proper, current file format. ");
    // Fields the earlier layout does not have keep their present values.
    for (const StoredBlock& b : blocks) image.insert(image.end(), b.data, b.data + b.size);
    const Byte* from = file.data() + kEvolutionRecordsOffset;
    Byte* to = image.data();
    for (const StoredBlock& b : blocks) {
      ConvertEarlierRecord(b.kind, from, to);
      from += EarlierRecordSize(b.kind);
      to += b.size;
    }
  }

  // The records are tried on a copy first: a file whose reals are not all
  // numbers is damaged, and the state stays as it was.
  auto trial = std::make_unique<State>(s);
  CopyImage(image, EvolutionBlocks(*trial));
  if (const FieldInfo* bad = FirstImplausibleField(*trial)) {
    const double v = GetFieldNumber(*trial, *bad);
    const char* what = std::isfinite(v) ? ", beyond any plausible value)" : ", not a number)";
    return Fail(host, readFailure + "\n(" + bad->name + " holds " + GetFieldText(*trial, *bad) + what);
  }
  // The discharge count byte is read but not applied: the count comes with
  // the panel file.
  CopyImage(image, blocks);
  // Numbers outside what any apparatus has (a gear ratio of 0, a hose of
  // 1e20 ft) are brought to the nearest end of their range, and said so.
  const std::vector<std::string> clamped = ClampToFieldRanges(s);
  if (!clamped.empty()) {
    std::string text = "Evolution file " + path +
                       ": these values were outside their range and were set to its nearest end:";
    for (const std::string& line : clamped) text += "\n" + line;
    host.Notify(MsgType::Warning, text);
  }
  UpperCaseCallFiles(s.RadioMessages);
  ApplyUnits(config, config.Options.MetricUnits);
  // The second lines of siamese pairs are not stored: each pair is rebuilt
  // from its first line, the same way whatever was loaded before.
  s.SiameseSecondary.Clear();
  RecomputeDerivedValues(s, host);
  return true;
}

bool DeleteEvolution(const std::string& path) {
  if (path.empty()) return true;
  return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool EvolutionFile(State& s, int mode, const std::string& path, Configuration& config, Host& host) {
  switch (mode) {
    case kEvolutionSave: return SaveEvolution(s, path, host);
    case kEvolutionLoad: return LoadEvolution(s, path, config, host);
    case kEvolutionDelete: return DeleteEvolution(path);
    default: return Fail(host, "Evol file save: no save/retrieve/delete requested.");
  }
}

}  // namespace pumpdrill
