// Data recording over a run: the temporary data file, its header, the
// samples taken by the tick and the chart they feed.
#pragma once

#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

struct Configuration;
struct RunContext;

// A new run starts: back to the temporary data file (when a stored one is
// viewed), the header stamped with the start time, a fresh "tmp.DTA".
void PrepareRunRecording(State& s, const Configuration& cfg, RunContext& run, Host& host);

// The run is terminated: the sample ring flushed to the data file, the
// recording closed and the graph finished.
void EndRunRecording(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Initialisation: a fresh temporary data file.
void PrepareTemporaryDataFile(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Initialisation: the header's empty texts (plot title, Evolution name,
// date and time of day) filled in.
void FillDataRecordHeader(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Tick step: a sample when one is due, the ring flushed when it is due,
// the data-file size check. Returns false when the tick must end here.
bool DataRecordingStep(State& s, const Configuration& cfg, RunContext& run, Host& host);

// Closing the program: offers to save the temporary data record, then
// deletes the temporary data file.
void CloseTemporaryDataRecord(State& s, const Configuration& cfg, RunContext& run, Host& host);

}  // namespace pumpdrill
