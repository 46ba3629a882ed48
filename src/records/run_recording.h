// Data recording over a run: the temporary data file, its header, the
// samples taken by the tick and the chart they feed.
#pragma once

#include <string>
#include <vector>

#include "records/data_file.h"
#include "records/recording_state.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

struct Configuration;
struct RunContext;

// A new run starts: back to the temporary data file (when a stored one is
// viewed), a fresh "tmp.DTA" whose header carries the run's date and start
// time.
void PrepareRunRecording(State& s, const Configuration& cfg, RunContext& run, Host& host);

// The run is terminated: the page flushed to the data file, the header
// written and the graph finished.
void EndRunRecording(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Initialisation: a fresh temporary data file.
void PrepareTemporaryDataFile(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Initialisation: the header's texts filled in (plot title and Evolution
// name after the current Evolution, date and time of day when empty) and
// the entries named after the lines.
void FillDataRecordHeader(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Tick step: a sample when one is due, the page turned when it is due,
// the data-file size check. Returns false when the tick must end here.
bool DataRecordingStep(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Closing the program: offers to save the temporary data record, then
// deletes the temporary data file.
void CloseTemporaryDataRecord(State& s, const Configuration& cfg, RunContext& run, Host& host);

// The temporary data file of the run: data folder and "tmp.DTA".
std::string TemporaryDataFilePath(const RunContext& run);

// Time of day as "hh:mm AM/PM".
std::string FormatRecordTime(double secondsOfDay);

// Data Records > Start Recording: recording on, a sample at the next tick.
void StartRecording(RunContext& run);

// Data Records > Stop Recording: the page flushed and the header written
// while recording is on; then recording off.
void StopRecording(State& s, const Configuration& cfg, RunContext& run, Host& host);

// When "ASK TO SAVE DATA RECORD" is on and the temporary file holds
// samples saved nowhere else, asks whether to save them, and saves them
// under the name the host chooses. A cancelled or failed save asks again;
// only No (or a host that cannot choose names) lets them go.
void OfferToSaveTemporaryRecord(const Configuration& cfg, RunContext& run, Host& host);

// Data Records > Save as... once a name is chosen. "tmp.DTA" is refused
// (false, refused set). Otherwise the data file in use is copied whole to
// target (unless it is target) and the header written into it; target
// becomes the data file in use. Failures are reported; false.
bool SaveDataFileAs(RunContext& run, Host& host, const std::string& target, bool* refused = nullptr);

// The name 'Save as...' proposes: the data file's own name in lower case,
// or for the temporary file the Evolution, the date and the start time.
std::string ProposedDataFileName(const RunContext& run);

// Data Records > Open... once a file is chosen: the file read whole into
// contents becomes the data file in use, viewed (its own header is what
// is written back into it); a file without samples is said to hold no
// points. A file that cannot be read is reported and nothing changes.
bool OpenDataFileForViewing(const std::string& path, const State& s, RunContext& run, Host& host,
                            DataFileContents& contents);

// Data Records > Delete... once files are chosen: "Delete <path>" for each,
// deleted on Yes. Returns how many were deleted.
int DeleteDataFiles(const std::vector<std::string>& paths, RunContext& run, Host& host);

// What the Data Records menu's information items show. Refreshes the data
// file's size; shown is false when no data file exists.
struct DataFileMenuInfo {
  bool shown = false;
  std::string fileText;  // "Data File: " + file name in lower case
  std::string sizeText;  // "Size: " + kbytes + " kbytes"
};
DataFileMenuInfo DataRecordsMenuInfo(RunContext& run);

}  // namespace pumpdrill
