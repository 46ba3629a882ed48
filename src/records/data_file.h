// Data files (".DTA"): a plot setup record as the header, then whole
// samples in time order. One reader serves every use and never writes; the
// writers replace a file only once the new one is whole, and an append that
// fails is cut back to the last whole sample.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/safe_file.h"
#include "records/plot_setup.h"

namespace pumpdrill {

inline constexpr std::size_t kDataHeaderBytes = sizeof(TPlotSetupRec);
inline constexpr std::size_t kDataSampleBytes = sizeof(TDataSampleRec);
inline constexpr const char* kTemporaryDataFileName = "tmp.DTA";
inline constexpr const char* kDataFileExtension = "DTA";

// The samples a file of size bytes holds; none when it is shorter than the
// header. Stray bytes after the last whole sample do not count.
std::uintmax_t DataFileSampleCount(std::uintmax_t size);

// The size of path in bytes, 0 when there is no such file.
std::uintmax_t DataFileSize(const std::string& path);

// True when the file name of path is "tmp.DTA" in any letter case.
bool IsTemporaryDataFileName(const std::string& path);

struct DataFileContents {
  TPlotSetupRec Header{};
  std::vector<TDataSampleRec> Samples;  // whole samples with a finite time, in file order
};

// Reads path whole into contents. A file shorter than the header reads as
// the default header with no samples; short texts longer than their room
// are cut; limits, interval and page length that cannot be drawn take
// their defaults; samples whose time is not finite are skipped. Returns
// false, with the reason and contents untouched, when the file is missing,
// cannot be opened or read.
bool ReadDataFile(const std::string& path, const State& s, DataFileContents& contents, std::string& reason);

// "The data file <path> could not be read: <reason>."
std::string DataFileReadMessage(const std::string& path, const std::string& reason);

// Replaces the header of path (creating the file with the header alone
// when there is none), keeping every byte after it. The file is rewritten
// through a temporary file, so a failure leaves the old file whole.
WriteStep WriteDataFileHeader(const std::string& path, const TPlotSetupRec& header);

// Appends count samples to path. When the disk refuses part of them the
// file is cut back to its last whole sample; returns false with the reason.
bool AppendDataSamples(const std::string& path, const TDataSampleRec* samples, std::size_t count,
                       std::string& reason);

}  // namespace pumpdrill
