// The runner's samples: chosen fields of the state written as CSV rows, a
// header row of their names, then a row after the run's first tick, after
// the first tick that reaches each multiple of the sample interval, and a
// last row at the end of the run.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/registry.h"
#include "sim/state.h"

namespace pumpdrill {

// Times within this of a due time count as having reached it, so that
// 0.015 s ticks meet whole seconds.
inline constexpr double kTimeTolerance = 1e-9;

using Columns = std::vector<const FieldInfo*>;

// The columns of a comma-separated list of field names (blanks around a
// name are ignored). On an empty or unknown name returns false with error
// naming it.
bool ParseColumns(std::string_view list, Columns& columns, std::string& error);

// SimClock.Time, engine speed, discharge pressure, total flow, intake
// pressure, supply flow, tank volume, cavitation, intake prime, then flow,
// gauge pressure and nozzle pressure of each discharge line in use.
Columns DefaultColumns(const State& s);

class Sampler {
 public:
  Sampler(Columns columns, double interval) : columns_(std::move(columns)), interval_(interval) {}

  // The header row: the field names.
  void WriteHeader(std::string& out) const;

  // After each tick, with that tick's time: a row when it is due.
  void AfterTick(const State& s, double time, std::string& out);

  // The end of the run: the last row, unless the last tick wrote it.
  void Finish(const State& s, std::string& out);

  long long RowsWritten() const { return rows_; }

 private:
  void WriteRow(const State& s, std::string& out);

  Columns columns_;
  double interval_;
  long long next_ = 0;  // the next sample is due at next_ * interval_
  long long rows_ = 0;
  bool lastTickWritten_ = false;
};

}  // namespace pumpdrill
