#include "records/run_recording.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <system_error>

#include "frame/configuration.h"
#include "frame/file_copy.h"
#include "frame/run_control.h"
#include "frame/text_values.h"
#include "records/data_file.h"

namespace pumpdrill {

namespace fs = std::filesystem;

namespace {

constexpr const char* kSwitchedOff = "Data recording has been switched off.";

SmallInt ClampToSmallInt(std::int64_t v) {
  return static_cast<SmallInt>(std::clamp<std::int64_t>(v, std::numeric_limits<SmallInt>::min(),
                                                        std::numeric_limits<SmallInt>::max()));
}

void EnsurePlotSetup(RunRecording& rec, const State& s) {
  if (rec.Initialized) return;
  rec.PlotSetup = DefaultPlotSetup(s);
  rec.Initialized = true;
}

void ResetRecording(RunRecording& rec, const Configuration& cfg) {
  TPlotSetupRec& ps = rec.PlotSetup;
  rec.RecordingOn = cfg.Options.RecordDataOnStartup;
  rec.SampleNumber = 1;
  rec.PageStart = 0;
  ps.PageCount = 1;
  ps.PageFlushed = 0;
  ps.PageCounter1AE = 1;
  ps.PageCounter1B0 = 1;
  ps.NextSampleTime = 0;
  ps.RecordTime = "";
  ps.Comments = "";
  for (TDataSampleRec& slot : rec.Page) slot.Time = kUnusedSlotTime;
  rec.SamplesTotal = 0;
  rec.DataFileKBytes = 0;
  rec.UnsavedSamples = false;
}

void SwitchOff(RunRecording& rec) {
  rec.RecordingOn = false;
  rec.PlotSetup.NextSampleTime = kNoSampleTime;
}

// Returns the data file's size in bytes.
std::uintmax_t RefreshFileCounts(RunRecording& rec) {
  const std::uintmax_t size = DataFileSize(rec.DataFileName);
  rec.DataFileKBytes = static_cast<Integer>(std::min<std::uintmax_t>(size / 1024, 0x7FFFFFFF));
  return size;
}

// Writes the header into the data file in use; a failure is reported.
bool WriteHeader(RunRecording& rec, Host& host) {
  if (rec.DataFileName.empty()) return false;
  if (WriteDataFileHeader(rec.DataFileName, StoredHeader(rec)) == WriteStep::Done) return true;
  host.Message(MsgType::Error, Buttons::Ok,
               "The data record header could not be written to " + rec.DataFileName +
                   "; the file is as it was before.");
  return false;
}

// Appends the page's slots after PageFlushed up to last to the data file.
bool FlushSlots(RunRecording& rec, int last, Host& host) {
  TPlotSetupRec& ps = rec.PlotSetup;
  last = std::min(last, kPageSlots);
  if (last <= ps.PageFlushed) return true;
  if (rec.DataFileName.empty()) return true;  // no records folder: the page is kept in memory only
  const int first = std::max<int>(ps.PageFlushed + 1, 1);
  std::string reason;
  if (!AppendDataSamples(rec.DataFileName, &rec.Page[first], static_cast<std::size_t>(last - first + 1),
                         reason)) {
    const std::uintmax_t kept = DataFileSampleCount(DataFileSize(rec.DataFileName));
    SwitchOff(rec);
    host.Message(MsgType::Error, Buttons::Ok,
                 "Samples could not be added to the data file " + rec.DataFileName + ": " + reason +
                     ". The file keeps its first " + std::to_string(kept) + " samples. " + kSwitchedOff);
    return false;
  }
  ps.PageFlushed = static_cast<SmallInt>(last);
  if (IsTemporaryDataFileName(rec.DataFileName)) rec.UnsavedSamples = true;
  return true;
}

void StampNow(RunRecording& rec, Host& host) {
  rec.PlotSetup.RecordDate = host.ShortDateText();
  rec.PlotSetup.RecordTime = FormatRecordTime(host.TimeOfDaySeconds());
}

// Deletes the temporary file (asking first when askToSave) and begins a
// new one; stampStart puts today's date and the time into its header.
void StartTemporaryDataFile(State& s, const Configuration& cfg, RunContext& run, Host& host, bool askToSave,
                            bool stampStart) {
  RunRecording& rec = run.Recording;
  EnsurePlotSetup(rec, s);
  if (askToSave) OfferToSaveTemporaryRecord(cfg, run, host);
  const std::string path = TemporaryDataFilePath(run);
  std::error_code ec;
  if (!run.Dirs.RecordsDirectory.empty()) fs::remove(path, ec);
  ResetRecording(rec, cfg);
  rec.ViewingStoredFile = false;
  if (stampStart) StampNow(rec, host);
  // Without a records folder nothing is written; the chart still shows the page.
  rec.DataFileName = run.Dirs.RecordsDirectory.empty() ? std::string() : path;
  if (!rec.DataFileName.empty()) {
    fs::create_directories(fs::path(path).parent_path(), ec);
    if (!WriteHeader(rec, host)) SwitchOff(rec);
    RefreshFileCounts(rec);
  }
  host.ChartRepaint();
  host.ChartInfoChanged();
}

// The page is full or past its time: its unwritten samples go to the file
// and the newest sample begins the next page.
void TurnPage(RunRecording& rec, Host& host) {
  TPlotSetupRec& ps = rec.PlotSetup;
  const int current = std::clamp<int>(ps.PageCount, 1, kPageSlots);
  if (rec.RecordingOn) FlushSlots(rec, current - 1, host);
  rec.Spare = rec.Page[current];
  for (TDataSampleRec& slot : rec.Page) slot.Time = kUnusedSlotTime;
  ps.PageCount = 1;
  ps.PageFlushed = 0;
  rec.Spare.Slot = 1;
  rec.Page[1] = rec.Spare;
  rec.PageStart = static_cast<std::int64_t>(std::floor(rec.Spare.Time));
  const std::uintmax_t size = RefreshFileCounts(rec);
  rec.SamplesTotal = static_cast<std::int64_t>(DataFileSampleCount(size)) + 1;
}

// After a page turn: the size limit of the options. Returns false when the
// file was deleted and a new one begun (the tick ends).
bool CheckSizeLimit(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  RunRecording& rec = run.Recording;
  const Integer limit = cfg.Options.MaxDatafileKBytes;
  // While the question is on screen the ticks go on; it is asked once.
  if (!(limit < rec.DataFileKBytes) || rec.SizeQuestionOpen) return true;
  rec.SizeQuestionOpen = true;
  const Answer a = host.Message(MsgType::Confirmation, Buttons::YesNo,
                                "Data file has exceeded " + std::to_string(limit) +
                                    " kbytes. Do you want to delete the data file? (Click YES to delete, NO "
                                    "to save it.)");
  rec.SizeQuestionOpen = false;
  if (a == Answer::Yes) {
    const bool on = rec.RecordingOn;
    std::error_code ec;
    fs::remove(rec.DataFileName, ec);
    StartTemporaryDataFile(s, cfg, run, host, false, true);
    if (on) rec.RecordingOn = true;  // the operator was recording: the new file goes on
    return false;
  }
  SwitchOff(rec);
  host.Message(MsgType::Information, Buttons::Ok, kSwitchedOff);
  return true;
}

// Characters a file name cannot hold become "-".
std::string SafeFileName(std::string name) {
  for (char& c : name)
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) c = '-';
  return name;
}

}  // namespace

TPlotSetupRec StoredHeader(const RunRecording& rec) {
  if (rec.ViewingStoredFile) return rec.ViewedHeader;
  TPlotSetupRec h = rec.PlotSetup;
  h.PageStart = ClampToSmallInt(rec.PageStart);
  h.SampleNumber = ClampToSmallInt(rec.SampleNumber);
  return h;
}

std::string TemporaryDataFilePath(const RunContext& run) {
  return run.Recording.DataDirectory(run.Dirs.RecordsDirectory) + kTemporaryDataFileName;
}

std::string FormatRecordTime(double secondsOfDay) {
  if (!std::isfinite(secondsOfDay)) secondsOfDay = 0;
  const long total = static_cast<long>(std::floor(secondsOfDay / 60.0));
  const long minutesOfDay = ((total % 1440) + 1440) % 1440;
  const int hour = static_cast<int>(minutesOfDay / 60);
  const int minute = static_cast<int>(minutesOfDay % 60);
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d %s", hour12, minute, hour < 12 ? "AM" : "PM");
  return text;
}

void PrepareRunRecording(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  // Reset first, then stamp, then write: the reset clears the time.
  StartTemporaryDataFile(s, cfg, run, host, true, true);
}

void EndRunRecording(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  RunRecording& rec = run.Recording;
  if (rec.RecordingOn && FlushSlots(rec, rec.PlotSetup.PageCount - 1, host)) WriteHeader(rec, host);
  RefreshFileCounts(rec);
  host.ChartInfoChanged();
  host.ChartFinished();
}

void PrepareTemporaryDataFile(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  StartTemporaryDataFile(s, cfg, run, host, true, false);
}

void FillDataRecordHeader(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)cfg;
  RunRecording& rec = run.Recording;
  EnsurePlotSetup(rec, s);
  TPlotSetupRec& ps = rec.PlotSetup;
  const bool loaded = !run.CurrentEvolution.empty();
  // Both follow the Evolution at every initialisation, so a new Evolution's
  // runs carry its name.
  ps.EvolutionName = loaded ? FileNameOf(run.CurrentEvolution) : std::string("default");
  if (!rec.PlotTitleTyped)
    ps.PlotTitle = loaded ? fs::path(run.CurrentEvolution).stem().string() : std::string("Performance Plot");
  if (ps.RecordDate.empty()) ps.RecordDate = host.ShortDateText();
  if (ps.RecordTime.empty()) ps.RecordTime = FormatRecordTime(host.TimeOfDaySeconds());
  NameEntriesAfterLines(ps, s);
  if (IsExistingFile(rec.DataFileName)) WriteHeader(rec, host);
  host.ChartInfoChanged();
}

bool DataRecordingStep(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  RunRecording& rec = run.Recording;
  TPlotSetupRec& ps = rec.PlotSetup;
  if (!rec.RecordingOn) ps.NextSampleTime = kNoSampleTime;
  const Double now = s.SimClock.Time;
  if (run.RunState != TRunState::Running || !(now >= ps.NextSampleTime)) return true;

  const int slot = std::clamp<int>(ps.PageCount, 1, kPageSlots);
  rec.Page[slot] = TakeSample(s, now, slot);
  ++rec.SamplesTotal;
  host.ChartInfoChanged();
  const Double interval = ps.SampleInterval > 0 ? ps.SampleInterval : 1.0;
  ps.NextSampleTime = now + interval;

  if (static_cast<Double>(rec.PageStart) + ps.PageLength < now || slot >= kPageSlots) {
    TurnPage(rec, host);
    if (!CheckSizeLimit(s, cfg, run, host)) return false;
    host.ChartRepaint();
  } else {
    host.ChartAddPoint();
  }
  ++rec.SampleNumber;
  ++ps.PageCount;
  return true;
}

void CloseTemporaryDataRecord(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  OfferToSaveTemporaryRecord(cfg, run, host);
  std::error_code ec;
  if (!run.Dirs.RecordsDirectory.empty()) fs::remove(TemporaryDataFilePath(run), ec);
  run.Recording.UnsavedSamples = false;
}

void StartRecording(RunContext& run) {
  run.Recording.RecordingOn = true;
  run.Recording.PlotSetup.NextSampleTime = 0;
}

void StopRecording(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  RunRecording& rec = run.Recording;
  if (rec.RecordingOn && FlushSlots(rec, rec.PlotSetup.PageCount - 1, host)) WriteHeader(rec, host);
  SwitchOff(rec);
  RefreshFileCounts(rec);
  host.ChartInfoChanged();
}

void OfferToSaveTemporaryRecord(const Configuration& cfg, RunContext& run, Host& host) {
  RunRecording& rec = run.Recording;
  const std::string temp = TemporaryDataFilePath(run);
  if (!cfg.Options.AskToSaveDataRecord || !rec.UnsavedSamples || !IsExistingFile(temp)) return;
  if (!host.CanChooseDataSaveName()) return;
  const std::string who = rec.PlotSetup.OperatorName.str();
  const std::string question = "Do you want to save last temporary data record " +
                               (who.empty() ? std::string("?") : "for  " + who + " ?");
  const std::string folder = rec.DataDirectory(run.Dirs.RecordsDirectory);
  while (host.Message(MsgType::Confirmation, Buttons::YesNo, question) == Answer::Yes) {
    // The record being saved is the temporary one, whatever file was in use.
    rec.DataFileName = temp;
    bool refused = true;
    while (refused) {
      std::optional<std::string> name = host.ChooseDataSaveName(folder, ProposedDataFileName(run));
      if (!name) break;
      if (SaveDataFileAs(run, host, *name, &refused)) return;
    }
  }
}

bool SaveDataFileAs(RunContext& run, Host& host, const std::string& target, bool* refused) {
  RunRecording& rec = run.Recording;
  if (refused) *refused = false;
  if (IsTemporaryDataFileName(target)) {
    if (refused) *refused = true;
    host.Message(MsgType::Information, Buttons::Ok,
                 "tmp.DTA is the default temporary file.  This name is not permitted.");
    return false;
  }
  std::error_code ec;
  const bool same = IsExistingFile(target) && fs::equivalent(rec.DataFileName, target, ec);
  if (!same) {
    try {
      CopyFileChecked(rec.DataFileName, target);
    } catch (const FileCopyError& e) {
      host.Message(MsgType::Error, Buttons::Ok, e.what());
      return false;
    }
  }
  const std::string previous = rec.DataFileName;
  rec.DataFileName = target;
  if (!WriteHeader(rec, host)) {
    rec.DataFileName = previous;
    return false;
  }
  rec.UnsavedSamples = false;
  rec.ViewingStoredFile = false;
  RefreshFileCounts(rec);
  host.ChartInfoChanged();
  return true;
}

std::string ProposedDataFileName(const RunContext& run) {
  const RunRecording& rec = run.Recording;
  if (!IsTemporaryDataFileName(rec.DataFileName)) return LowerCase(FileNameOf(rec.DataFileName));
  const TPlotSetupRec& ps = rec.PlotSetup;
  std::string stem = fs::path(ps.EvolutionName.str()).stem().string();
  std::string name = stem + " " + ps.RecordDate.str() + " " + ps.RecordTime.str();
  return SafeFileName(name) + "." + kDataFileExtension;
}

bool OpenDataFileForViewing(const std::string& path, const State& s, RunContext& run, Host& host,
                            DataFileContents& contents) {
  DataFileContents read;
  std::string reason;
  if (!ReadDataFile(path, s, read, reason)) {
    host.Message(MsgType::Error, Buttons::Ok, DataFileReadMessage(path, reason));
    return false;
  }
  RunRecording& rec = run.Recording;
  rec.DataFileName = path;
  rec.ViewingStoredFile = true;
  rec.ViewedHeader = read.Header;
  rec.SamplesTotal = static_cast<std::int64_t>(read.Samples.size());
  RefreshFileCounts(rec);
  contents = std::move(read);
  if (contents.Samples.empty())
    host.Message(MsgType::Information, Buttons::Ok, "There are no points in this data file.");
  host.ChartInfoChanged();
  return true;
}

int DeleteDataFiles(const std::vector<std::string>& paths, RunContext& run, Host& host) {
  int deleted = 0;
  for (const std::string& path : paths) {
    if (host.Message(MsgType::Confirmation, Buttons::YesNo, "Delete " + path) != Answer::Yes) continue;
    std::error_code ec;
    if (fs::remove(path, ec)) {
      ++deleted;
    } else {
      host.Message(MsgType::Error, Buttons::Ok, "The file " + path + " could not be deleted.");
    }
  }
  RefreshFileCounts(run.Recording);
  host.ChartInfoChanged();
  return deleted;
}

DataFileMenuInfo DataRecordsMenuInfo(RunContext& run) {
  RunRecording& rec = run.Recording;
  DataFileMenuInfo info;
  if (!IsExistingFile(rec.DataFileName)) return info;
  RefreshFileCounts(rec);
  info.shown = true;
  info.fileText = "Data File: " + LowerCase(FileNameOf(rec.DataFileName));
  info.sizeText = "Size: " + std::to_string(rec.DataFileKBytes) + " kbytes";
  return info;
}

}  // namespace pumpdrill
