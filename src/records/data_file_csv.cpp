#include "records/data_file_csv.h"

#include <charconv>
#include <vector>

#include "frame/text_values.h"

namespace pumpdrill {

namespace {

struct Column {
  int entry;          // the plot entry that names it and reads its value
  const char* what;   // "pressure", "flow", ...
};

// Every quantity of a sample, in the order the sample holds them.
std::vector<Column> Columns() {
  std::vector<Column> c = {{kEntryTotalFlow, "flow"}, {kEntryPumpPress, "pressure"}, {kEntryEngineRpm, ""}};
  for (int n = 1; n <= kMaxDischarges; ++n) {
    c.push_back({EntryLineFlow(n), "flow"});
    c.push_back({EntryDischPress(n), "pressure"});
    c.push_back({EntryNozzlePress(n), "nozzle pressure"});
  }
  c.push_back({kEntryTankFillFlow, "flow"});
  c.push_back({kEntryTankFillPress, "pressure"});
  c.push_back({kEntryTankToPumpFlow, "flow"});
  c.push_back({kEntryTankToPumpPress, "pressure"});
  c.push_back({kEntrySupplyFlow, "flow"});
  c.push_back({kEntryIntakePress, "pressure"});
  return c;
}

void AppendNumber(std::string& out, double v) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

}  // namespace

std::string DataFileCsv(const DataFileContents& contents, const DisplayUnits& units) {
  const std::vector<Column> columns = Columns();
  const TPlotSetupRec& h = contents.Header;
  std::string out = "Time (s)";
  for (const Column& c : columns) {
    const TPlotEntryRec& e = h.Entries[c.entry];
    std::string unit = e.UnitType == kPlotFlow       ? units.Label[kUnitFlow]
                       : e.UnitType == kPlotPressure ? units.Label[kUnitPressure]
                                                     : std::string("RPM");
    std::string name = e.Name.str();
    if (*c.what) name += std::string(" ") + c.what;
    out += ',';
    AppendCsvField(out, name + " (" + unit + ")");
  }
  out += "\r\n";
  for (const TDataSampleRec& d : contents.Samples) {
    AppendNumber(out, d.Time);
    for (const Column& c : columns) {
      const Byte type = h.Entries[c.entry].UnitType;
      double v = EntryValue(d, c.entry);
      if (type == kPlotFlow) v = ToDisplay(units, kUnitFlow, v);
      if (type == kPlotPressure) v = ToDisplay(units, kUnitPressure, v);
      out += ',';
      AppendNumber(out, v);
    }
    out += "\r\n";
  }
  return out;
}

bool ExportDataFileCsv(const std::string& in, const std::string& out, const State& s, const DisplayUnits& units,
                       std::string& message) {
  DataFileContents contents;
  std::string reason;
  if (!ReadDataFile(in, s, contents, reason)) {
    message = DataFileReadMessage(in, reason);
    return false;
  }
  const std::string csv = DataFileCsv(contents, units);
  if (WriteFileReplacing(out, csv.data(), csv.size()) != WriteStep::Done) {
    message = "The CSV file " + out + " could not be written.";
    return false;
  }
  return true;
}

}  // namespace pumpdrill
