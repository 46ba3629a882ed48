#include "frame/version.h"

namespace pumpdrill {

std::string BuildDateText() { return __DATE__; }

std::string VersionReport(const std::string& programName) {
  return programName + " " + kProgramVersion + "\n" + kProductName + ", Evolution file format " +
         kVersionText + " (revision " + kRevisionText + ")\n";
}

}  // namespace pumpdrill
