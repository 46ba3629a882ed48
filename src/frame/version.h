// The program's name and version texts. The program's own version comes from
// the project's VERSION in CMake and is the one --version, the About box and
// the package show; the Evolution file layout has a version of its own,
// shown in the main window's caption and written into the header of every
// Evolution file.
#pragma once

#include <string>

namespace pumpdrill {

inline constexpr const char* kProductName = "Tidewarden Pumpdrill";
// The program's version (major.minor.patch).
inline constexpr const char* kProgramVersion = PUMPDRILL_VERSION;
// Major version of the Evolution file layout this program writes.
inline constexpr const char* kVersionText = "2.0";
// Revision: its first three characters read as a number (at least 4.0 for
// the current file layout).
inline constexpr const char* kRevisionText = "4.0." PUMPDRILL_VERSION;
std::string BuildDateText();

// What --version prints, the same for every program of the project: the
// program's name and version, then the product and its file format.
std::string VersionReport(const std::string& programName);

}  // namespace pumpdrill
