// The program's name and version texts, shown in the main window's caption
// and written into the header of every Evolution file.
#pragma once

#include <string>

namespace pumpdrill {

inline constexpr const char* kProductName = "Tidewarden Pumpdrill";
// Major version of the Evolution file layout this program writes.
inline constexpr const char* kVersionText = "2.0";
// Revision: its first three characters read as a number (at least 4.0 for
// the current file layout).
inline constexpr const char* kRevisionText = "4.0." PUMPDRILL_VERSION;
std::string BuildDateText();

}  // namespace pumpdrill
