#include "records/run_record.h"

#include <algorithm>

namespace pumpdrill {

namespace {

constexpr double kTimeTolerance = 1e-9;

std::string Text(const ShortString& s) { return s.str(); }

std::string Joined(const std::string& a, const std::string& b) {
  return a.empty() ? b : b.empty() ? a : a + " " + b;
}

}  // namespace

void DescribeRun(const State& s, RunRecord& record) {
  record.lineCount = std::clamp<int>(s.DischargeList.LineCount, 0, kReportLines);
  for (int line = 1; line <= kReportLines; ++line)
    record.lineTitles[line] = Text(s.DischargeList.LineTitle[line]);
  record.maxRpm = s.Engine.MaxRpm;
  record.tankCapacity = s.Tank.Capacity;
}

RunSample TakeRunSample(const State& s) {
  RunSample r;
  r.time = s.SimClock.Time;
  r.pumpPress = s.PumpOutput.DischargePress;
  r.intakePress = s.Supply.IntakePress;
  r.rpm = s.Engine.Rpm;
  r.tankVolume = s.Tank.Volume;
  r.cavitating = s.PumpStatus.Cavitating ? 1 : 0;
  for (int line = 1; line <= kReportLines; ++line) {
    const TDischargeRec& d = s.Discharges[line];
    r.flow[line] = d.Flow;
    r.nozzlePress[line] = d.NozzlePress;
    r.dischPress[line] = d.DischPress;
  }
  return r;
}

void RunRecorder::Begin(const State& s, const TPlotSetupRec& header) {
  record_ = RunRecord{};
  DescribeRun(s, record_);
  record_.evolution = header.EvolutionName.str();
  record_.operatorName = header.OperatorName.str();
  record_.date = Joined(header.RecordDate.str(), header.RecordTime.str());
  record_.cavitationRecorded = true;
  record_.waterHammersRecorded = true;
  record_.actionsRecorded = true;
  next_ = 0;
  lastTime_ = -1;
  if (watch_) controls_.Begin(s);
}

void RunRecorder::AfterTick(const State& s, double time) {
  if (!record_.samples.empty() && time + kTimeTolerance < next_ * interval_) return;
  RunSample r = TakeRunSample(s);
  r.time = time;
  record_.samples.push_back(r);
  if (watch_) controls_.Look(s, time, record_.actions);
  lastTime_ = time;
  while (next_ * interval_ <= time + kTimeTolerance) ++next_;
}

void RunRecorder::Finish(const State& s) {
  if (!record_.samples.empty() && s.SimClock.Time <= lastTime_ + kTimeTolerance) return;
  record_.samples.push_back(TakeRunSample(s));
}

RunRecord RunRecordFromDataFile(const DataFileContents& contents, const State& s) {
  RunRecord record;
  DescribeRun(s, record);
  record.evolution = contents.Header.EvolutionName.str();
  record.operatorName = contents.Header.OperatorName.str();
  record.date = Joined(contents.Header.RecordDate.str(), contents.Header.RecordTime.str());
  record.samples.reserve(contents.Samples.size());
  double volume = std::clamp(s.Tank.InitialVolume, 0.0, std::max(0.0, s.Tank.Capacity));
  double lastTime = 0;
  double lastNet = 0;  // gpm leaving the tank at the last sample
  for (const TDataSampleRec& d : contents.Samples) {
    RunSample r;
    r.time = d.Time;
    r.pumpPress = d.PumpPress;
    r.intakePress = d.IntakePress;
    r.rpm = d.EngineRpm;
    for (int line = 1; line <= kReportLines; ++line) {
      r.flow[line] = d.Lines[line - 1].Flow;
      r.nozzlePress[line] = d.Lines[line - 1].NozzlePress;
      r.dischPress[line] = d.Lines[line - 1].DischPress;
    }
    if (!record.samples.empty() && d.Time > lastTime)
      volume = std::clamp(volume - lastNet * (d.Time - lastTime) / 60.0, 0.0,
                          std::max(0.0, s.Tank.Capacity));
    r.tankVolume = volume;
    lastNet = d.TankToPumpFlow - d.TankFillFlow;
    lastTime = d.Time;
    record.samples.push_back(r);
  }
  return record;
}

}  // namespace pumpdrill
