#include "records/report_files.h"

#include <filesystem>

namespace pumpdrill {

namespace fs = std::filesystem;

std::string UnusedReportPath(const std::string& folder, const std::string& stem) {
  std::error_code ec;
  for (int n = 1;; ++n) {
    const fs::path p = fs::path(folder) / (stem + (n > 1 ? "-" + std::to_string(n) : "") + ".pdf");
    if (!fs::exists(p, ec) && !ec) return p.string();
  }
}

std::string MoveReportBesideDataFile(const std::string& report, const std::string& dataFile,
                                     std::string& error) {
  error.clear();
  std::error_code ec;
  if (report.empty() || !fs::is_regular_file(report, ec)) {
    error = "the report \"" + report + "\" is not there";
    return report;
  }
  const fs::path data(dataFile);
  const std::string target = UnusedReportPath(data.parent_path().string(), data.stem().string());
  // A link to the new name, then the old one removed: a rename would
  // replace a file that appeared under the new name in the meantime.
  fs::create_hard_link(report, target, ec);
  if (ec) {
    // A folder on another disk: a copy that refuses to overwrite.
    ec.clear();
    if (!fs::copy_file(report, target, fs::copy_options::none, ec) || ec) {
      error = ec.message();
      return report;
    }
  }
  fs::remove(report, ec);
  return target;
}

}  // namespace pumpdrill
