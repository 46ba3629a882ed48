#include "records/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>

namespace pumpdrill {

namespace {

// Far beyond the size limit any data file is allowed to reach.
constexpr std::size_t kMaxDataFileBytes = std::size_t{1} << 30;

bool Drawable(Double lo, Double hi) { return std::isfinite(lo) && std::isfinite(hi) && lo < hi; }

// What a viewer needs of a header read from a file: texts within their
// room, limits it can scale between, an interval and page it can use.
void MakeViewable(TPlotSetupRec& h, const TPlotSetupRec& defaults) {
  h.PlotTitle.ClampLength();
  h.OperatorName.ClampLength();
  h.RecordDate.ClampLength();
  h.RecordTime.ClampLength();
  h.EvolutionName.ClampLength();
  h.Comments.ClampLength();
  for (TPlotEntryRec& e : h.Entries) e.Name.ClampLength();
  if (!Drawable(h.PressMin, h.PressMax)) h.PressMin = defaults.PressMin, h.PressMax = defaults.PressMax;
  if (!Drawable(h.FlowMin, h.FlowMax)) h.FlowMin = defaults.FlowMin, h.FlowMax = defaults.FlowMax;
  if (!Drawable(h.RpmMin, h.RpmMax)) h.RpmMin = defaults.RpmMin, h.RpmMax = defaults.RpmMax;
  if (!(std::isfinite(h.SampleInterval) && h.SampleInterval > 0)) h.SampleInterval = defaults.SampleInterval;
  if (!(std::isfinite(h.PageLength) && h.PageLength > 0)) h.PageLength = defaults.PageLength;
}

bool WriteAll(int fd, const Byte* data, std::size_t size, std::string& reason) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      reason = n < 0 ? std::strerror(errno) : std::string("the disk took no more");
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::uintmax_t DataFileSampleCount(std::uintmax_t size) {
  return size < kDataHeaderBytes ? 0 : (size - kDataHeaderBytes) / kDataSampleBytes;
}

std::uintmax_t DataFileSize(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  return static_cast<std::uintmax_t>(st.st_size);
}

bool IsTemporaryDataFileName(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string();
  std::string temp = kTemporaryDataFileName;
  return std::equal(name.begin(), name.end(), temp.begin(), temp.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
}

bool ReadDataFile(const std::string& path, const State& s, DataFileContents& contents, std::string& reason) {
  std::vector<Byte> bytes;
  switch (ReadWholeFile(path, kMaxDataFileBytes, bytes)) {
    case ReadStep::Done: break;
    case ReadStep::Missing: reason = "there is no such file"; return false;
    case ReadStep::Open: reason = "the file cannot be opened"; return false;
    case ReadStep::Read: reason = "reading the file failed"; return false;
  }
  const TPlotSetupRec defaults = DefaultPlotSetup(s);
  DataFileContents read;
  read.Header = defaults;
  if (bytes.size() >= kDataHeaderBytes) {
    std::memcpy(&read.Header, bytes.data(), kDataHeaderBytes);
    const std::uintmax_t count = DataFileSampleCount(bytes.size());
    read.Samples.reserve(count);
    for (std::uintmax_t i = 0; i < count; ++i) {
      TDataSampleRec d;
      std::memcpy(&d, bytes.data() + kDataHeaderBytes + i * kDataSampleBytes, kDataSampleBytes);
      if (std::isfinite(d.Time)) read.Samples.push_back(d);
    }
  }
  MakeViewable(read.Header, defaults);
  contents = std::move(read);
  return true;
}

std::string DataFileReadMessage(const std::string& path, const std::string& reason) {
  return "The data file " + path + " could not be read: " + reason + ".";
}

WriteStep WriteDataFileHeader(const std::string& path, const TPlotSetupRec& header) {
  std::vector<Byte> bytes;
  switch (ReadWholeFile(path, kMaxDataFileBytes, bytes)) {
    case ReadStep::Done:
    case ReadStep::Missing: break;
    case ReadStep::Open:
    case ReadStep::Read: return WriteStep::Create;
  }
  if (bytes.size() < kDataHeaderBytes) bytes.resize(kDataHeaderBytes);
  std::memcpy(bytes.data(), &header, kDataHeaderBytes);
  return WriteFileReplacing(path, bytes.data(), bytes.size());
}

bool AppendDataSamples(const std::string& path, const TDataSampleRec* samples, std::size_t count,
                       std::string& reason) {
  if (count == 0) return true;
  int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  const off_t before = ::lseek(fd, 0, SEEK_END);
  if (before < 0) {
    reason = std::strerror(errno);
    ::close(fd);
    return false;
  }
  bool ok = WriteAll(fd, reinterpret_cast<const Byte*>(samples), count * kDataSampleBytes, reason);
  if (!ok) {
    // The samples that reached the disk whole stay; part of one goes again.
    struct stat st {};
    const std::uintmax_t now = ::fstat(fd, &st) == 0 ? static_cast<std::uintmax_t>(st.st_size)
                                                     : static_cast<std::uintmax_t>(before);
    const std::uintmax_t whole = now < kDataHeaderBytes ? static_cast<std::uintmax_t>(before)
                                                        : kDataHeaderBytes + DataFileSampleCount(now) * kDataSampleBytes;
    (void)::ftruncate(fd, static_cast<off_t>(whole));
  }
  if (::close(fd) != 0 && ok) {
    reason = std::strerror(errno);
    ok = false;
  }
  return ok;
}

}  // namespace pumpdrill
