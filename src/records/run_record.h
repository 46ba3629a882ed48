// What a run report is computed from: the run's samples, its water hammers
// and the operator's actions, taken from the live run or from a data file.
#pragma once

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "records/control_watch.h"
#include "records/data_file.h"
#include "records/run_action.h"
#include "sim/state.h"

namespace pumpdrill {

inline constexpr int kReportLines = 15;
// The smallest interval of the plot setup: the live run is sampled at it.
inline constexpr double kReportSampleSeconds = 0.25;
// The tank counts as low below this share of its capacity.
inline constexpr double kTankLowFraction = 0.25;
inline constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

struct RunSample {
  double time = 0;         // s
  double pumpPress = 0;    // psi
  double intakePress = 0;  // psi
  double rpm = 0;
  double tankVolume = kUnknown;                        // gal
  signed char cavitating = -1;                         // -1 not recorded, 0, 1
  std::array<double, kReportLines + 1> flow{};         // gpm, by line 1..15
  std::array<double, kReportLines + 1> nozzlePress{};  // psi
  std::array<double, kReportLines + 1> dischPress{};   // psi
};

struct RunRecord {
  std::string evolution;  // the Evolution's name
  std::string operatorName;
  std::string date;  // date and time of day of the run
  int lineCount = 0;
  std::array<std::string, kReportLines + 1> lineTitles{};
  double maxRpm = 0;        // the engine's limit
  double tankCapacity = 0;  // gal
  bool cavitationRecorded = false;
  bool waterHammersRecorded = false;
  bool actionsRecorded = false;
  std::vector<RunSample> samples;    // in time order
  std::vector<double> waterHammers;  // s
  std::vector<RunAction> actions;    // in time order
};

// The run's fixed facts (names, lines, limits) from the state.
void DescribeRun(const State& s, RunRecord& record);

// One sample of the state as it is now.
RunSample TakeRunSample(const State& s);

// Takes the samples of a live run: one at the first tick and one at each
// multiple of the interval, with the water hammers and actions noted.
class RunRecorder {
 public:
  explicit RunRecorder(double interval = kReportSampleSeconds) : interval_(interval) {}
  // When set (the program, where the operator works the panel), the
  // operator's actions are read from the state at every sample.
  void WatchControls(bool on) { watch_ = on; }
  // Before the run: the record is begun from the state and the data
  // record's header (names, date).
  void Begin(const State& s, const TPlotSetupRec& header);
  // After each tick, at its time.
  void AfterTick(const State& s, double time);
  void NoteWaterHammer(double time) { record_.waterHammers.push_back(time); }
  void NoteAction(double time, std::string text) {
    record_.actions.push_back({time, std::move(text)});
  }
  // At the end of the run: the last state sampled, unless it was.
  void Finish(const State& s);
  const RunRecord& Record() const { return record_; }

 private:
  double interval_;
  long long next_ = 0;
  double lastTime_ = -1;
  bool watch_ = false;
  ControlWatch controls_;
  RunRecord record_;
};

// The record of a data file: its samples, the header's names; the state
// (the Evolution the file belongs to) gives line titles, the engine's limit
// and the tank. A data file holds no cavitation, water hammers or actions;
// the tank's volume is reckoned from the tank-to-pump and tank-fill flows,
// starting from the state's initial volume.
RunRecord RunRecordFromDataFile(const DataFileContents& contents, const State& s);

}  // namespace pumpdrill
