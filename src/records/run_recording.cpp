#include "records/run_recording.h"

namespace pumpdrill {

// Nothing is recorded yet: the data file and the chart come later.
void PrepareRunRecording(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
}

void EndRunRecording(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
}

void PrepareTemporaryDataFile(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
}

void FillDataRecordHeader(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
}

bool DataRecordingStep(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
  return true;
}

void CloseTemporaryDataRecord(State& s, const Configuration& cfg, RunContext& run, Host& host) {
  (void)s;
  (void)cfg;
  (void)run;
  (void)host;
}

}  // namespace pumpdrill
