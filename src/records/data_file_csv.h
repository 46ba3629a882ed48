// A data file as CSV that any spreadsheet opens: UTF-8, commas, "."
// decimals, a header row naming each column with its unit in the units in
// effect, one row a sample, every quantity, shortest round-trip numbers.
#pragma once

#include <string>

#include "frame/units.h"
#include "records/data_file.h"

namespace pumpdrill {

// The CSV text of a data file's contents.
std::string DataFileCsv(const DataFileContents& contents, const DisplayUnits& units);

// Reads the data file in and writes its CSV to out, replacing out only
// once it is whole. Returns false with the message to show.
bool ExportDataFileCsv(const std::string& in, const std::string& out, const State& s, const DisplayUnits& units,
                       std::string& message);

}  // namespace pumpdrill
