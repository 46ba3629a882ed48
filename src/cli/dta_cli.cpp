#include "cli/dta_cli.h"

#include <algorithm>
#include <ostream>

#include "frame/file_copy.h"
#include "records/data_file.h"
#include "records/data_file_csv.h"

namespace pumpdrill {

namespace {

// The plot setup's smallest sample interval.
constexpr double kMinSampleInterval = 0.25;

}  // namespace

const char* DtaOptionsHelp() {
  return "  --dta FILE        record the run as the program does (recording on) and\n"
         "                    write its data file to FILE\n"
         "  --dta-interval S  seconds between the data file's samples (at least 0.25;\n"
         "                    default: the plot setup's, 1)\n"
         "  --dta-to-csv IN   write the data file IN as CSV (to --csv FILE or standard\n"
         "                    output) in the units of the settings, and exit\n";
}

OptionUse ReadDtaOption(int argc, char** argv, int& i, DtaCommandLine& cl, std::ostream& err) {
  std::string value;
  bool matched = false;
  for (auto [name, target] : {std::pair{"--dta", &cl.dtaPath}, std::pair{"--dta-to-csv", &cl.toCsvPath}}) {
    if (!OptionValue(argc, argv, i, name, value, matched, err)) return OptionUse::Faulty;
    if (matched) {
      *target = value;
      return OptionUse::Taken;
    }
  }
  if (!OptionValue(argc, argv, i, "--dta-interval", value, matched, err)) return OptionUse::Faulty;
  if (!matched) return OptionUse::NotMine;
  return SecondsValue("--dta-interval", value, false, cl.interval, err) ? OptionUse::Taken : OptionUse::Faulty;
}

void PrepareDtaRecording(RunnerSession& rs, const DtaCommandLine& cl) {
  if (cl.dtaPath.empty()) return;
  // Only this run's copy of the settings; nothing is written back.
  rs.Config().Options.RecordDataOnStartup = true;
  if (cl.interval > 0) rs.Run().Recording.PlotSetup.SampleInterval = std::max(cl.interval, kMinSampleInterval);
}

int FinishDtaRecording(RunnerSession& rs, const DtaCommandLine& cl, std::ostream& err) {
  if (cl.dtaPath.empty()) return kExitOk;
  try {
    CopyFileChecked(rs.Run().Recording.DataFileName, cl.dtaPath);
  } catch (const FileCopyError& e) {
    err << "pumpdrill-sim: " << e.what() << "\n";
    return kExitFileError;
  }
  return kExitOk;
}

int ConvertDtaToCsv(RunnerSession& rs, const DtaCommandLine& cl, const std::string& csvPath, std::ostream& out,
                    std::ostream& err) {
  DataFileContents contents;
  std::string reason;
  if (!ReadDataFile(cl.toCsvPath, rs.S(), contents, reason)) {
    err << "pumpdrill-sim: " << DataFileReadMessage(cl.toCsvPath, reason) << "\n";
    return kExitFileError;
  }
  const std::string csv = DataFileCsv(contents, rs.Config().Units);
  if (csvPath.empty()) {
    out << csv;
    out.flush();
    return out ? kExitOk : kExitFileError;
  }
  if (WriteFileReplacing(csvPath, csv.data(), csv.size()) != WriteStep::Done) {
    err << "pumpdrill-sim: cannot write \"" << csvPath << "\"\n";
    return kExitFileError;
  }
  return kExitOk;
}

}  // namespace pumpdrill
