// What the recording of a run keeps: the plot setup (the data file's
// header), the page of samples the chart shows, and the data file in use.
// One lives with the run control for the program's whole life.
#pragma once

#include <cstdint>
#include <string>

#include "records/plot_setup.h"

namespace pumpdrill {

// Slots of a chart page.
inline constexpr int kPageSlots = 125;
// The next sample time while recording is off: never.
inline constexpr Double kNoSampleTime = 10000000.0;

struct RunRecording {
  TPlotSetupRec PlotSetup{};
  Array1<TDataSampleRec, kPageSlots> Page{};  // slot 1..125; Time -1 when unused
  TDataSampleRec Spare{};                     // the last point of a page carried to the next
  bool RecordingOn = false;
  std::string DataFileName;   // path of the data file in use
  Integer DataFileKBytes = 0;  // its size, file size div 1024
  std::int64_t SamplesTotal = 0;  // samples taken into this file

  // PageStart and SampleNumber as they count; the header holds them
  // clamped to its SmallInts.
  std::int64_t PageStart = 0;
  std::int64_t SampleNumber = 1;

  // The logged-in student's folder below the records folder ("" when no
  // one is logged in), with its trailing "/".
  std::string OperatorDirectory;
  bool PlotTitleTyped = false;    // typed in the plot setup: no longer follows the Evolution
  bool ViewingStoredFile = false;  // the chart shows a file opened from Data Records
  TPlotSetupRec ViewedHeader{};    // that file's own header, written back as it was read
  bool UnsavedSamples = false;    // the temporary file holds samples not saved elsewhere
  bool SizeQuestionOpen = false;  // the size-limit question is on screen
  bool Initialized = false;       // PlotSetup holds its defaults

  // The data folder: records folder and operator folder.
  std::string DataDirectory(const std::string& recordsDirectory) const {
    return recordsDirectory + OperatorDirectory;
  }
};

// The header as stored: the counters that count beyond a SmallInt clamped;
// for a file opened for viewing, its own header.
TPlotSetupRec StoredHeader(const RunRecording& rec);

}  // namespace pumpdrill
