#include "cli/sampler.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "frame/text_values.h"

namespace pumpdrill {

namespace {

// Above this many due rows the counter would wrap.
constexpr double kMaxDue = 1e18;

std::string_view Trim(std::string_view w) {
  auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!w.empty() && blank(w.front())) w.remove_prefix(1);
  while (!w.empty() && blank(w.back())) w.remove_suffix(1);
  return w;
}

}  // namespace

bool ParseColumns(std::string_view list, Columns& columns, std::string& error) {
  columns.clear();
  std::size_t pos = 0;
  while (true) {
    std::size_t comma = list.find(',', pos);
    std::string_view name = Trim(list.substr(pos, comma == std::string_view::npos ? list.npos : comma - pos));
    if (name.empty()) {
      error = "empty column name in '" + std::string(list) + "'";
      columns.clear();
      return false;
    }
    const FieldInfo* f = FindStateField(name);
    if (!f) {
      error = "no field named '" + std::string(name) + "'";
      columns.clear();
      return false;
    }
    columns.push_back(f);
    if (comma == std::string_view::npos) return true;
    pos = comma + 1;
  }
}

Columns DefaultColumns(const State& s) {
  Columns columns;
  for (const char* name : {"SimClock.Time", "Engine.Rpm", "PumpOutput.DischargePress", "PumpOutput.TotalFlow",
                           "Supply.IntakePress", "Supply.SupplyFlow", "Tank.Volume", "PumpStatus.Cavitating",
                           "Supply.IntakePrimed"}) {
    columns.push_back(FindStateField(name));
  }
  const int lines = std::clamp(static_cast<int>(s.DischargeList.LineCount), 0, kMaxDischarges);
  for (int n = 1; n <= lines; ++n) {
    const std::string line = "Discharges[" + std::to_string(n) + "].";
    for (const char* field : {"Flow", "DischPress", "NozzlePress"}) columns.push_back(FindStateField(line + field));
  }
  return columns;
}

void Sampler::WriteHeader(std::string& out) const {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (i) out += ',';
    AppendCsvField(out, columns_[i]->name);
  }
  out += '\n';
}

void Sampler::AfterTick(const State& s, double time, std::string& out) {
  lastTickWritten_ = false;
  if (time < static_cast<double>(next_) * interval_ - kTimeTolerance) return;
  WriteRow(s, out);
  lastTickWritten_ = true;
  // One row however many multiples this tick passed; the next is due at
  // the first multiple after it.
  const double passed = std::floor((time + kTimeTolerance) / interval_);
  // The runner refuses intervals that need more rows than a long long
  // counts; a sampler given one anyway stops sampling instead of wrapping.
  if (!(passed < kMaxDue)) {
    next_ = std::numeric_limits<long long>::max();
    return;
  }
  if (passed > static_cast<double>(next_)) next_ = static_cast<long long>(passed);
  while (static_cast<double>(next_) * interval_ - kTimeTolerance <= time) ++next_;
}

void Sampler::Finish(const State& s, std::string& out) {
  if (!lastTickWritten_) WriteRow(s, out);
  lastTickWritten_ = true;
}

void Sampler::WriteRow(const State& s, std::string& out) {
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (i) out += ',';
    const FieldInfo& f = *columns_[i];
    if (f.type == FieldType::ShortString)
      AppendCsvField(out, GetFieldText(s, f));
    else
      out += GetFieldText(s, f);
  }
  out += '\n';
  ++rows_;
}

}  // namespace pumpdrill
