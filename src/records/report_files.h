// Where the program files a run's report: a PDF beside the run's data
// file, under a name no file has, so that no file is ever written over.
#pragma once

#include <string>

namespace pumpdrill {

// folder/stem.pdf, or folder/stem-2.pdf, -3, ... when that is taken.
std::string UnusedReportPath(const std::string& folder, const std::string& stem);

// Moves the filed report to a new name beside dataFile (its stem, .pdf),
// never over a file. Returns the report's new path; on failure the report
// stays where it was, its path is returned and error says why.
std::string MoveReportBesideDataFile(const std::string& report, const std::string& dataFile,
                                     std::string& error);

}  // namespace pumpdrill
