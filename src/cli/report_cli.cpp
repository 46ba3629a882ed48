#include "cli/report_cli.h"

#include <cstring>
#include <ostream>

#include "records/answer_key.h"
#include "records/data_file.h"
#include "records/run_report.h"

namespace pumpdrill {

const char* ReportOptionsHelp() {
  return "  --report KEY      after the run, print its report against the answer key\n"
         "                    KEY (NAME.KEY); a missing or damaged key gives the\n"
         "                    measures without a score. The samples are then written\n"
         "                    only with --csv\n"
         "  --report-csv      print the report as one CSV row instead\n"
         "  --report-csv-header\n"
         "                    print the CSV header row before it\n"
         "  --report-from DTA the report of the data file DTA's run instead of a run\n";
}

OptionUse ReadReportOption(int argc, char** argv, int& i, ReportCommandLine& cl,
                           std::ostream& err) {
  if (std::strcmp(argv[i], "--report-csv") == 0) {
    cl.csv = true;
    return OptionUse::Taken;
  }
  if (std::strcmp(argv[i], "--report-csv-header") == 0) {
    cl.csv = cl.csvHeader = true;
    return OptionUse::Taken;
  }
  std::string value;
  bool matched = false;
  for (auto [name, target] :
       {std::pair{"--report", &cl.keyPath}, std::pair{"--report-from", &cl.dtaPath}}) {
    if (!OptionValue(argc, argv, i, name, value, matched, err)) return OptionUse::Faulty;
    if (matched) {
      *target = value;
      return OptionUse::Taken;
    }
  }
  return OptionUse::NotMine;
}

int PrintRunReport(RunnerSession& rs, const ReportCommandLine& cl, const RunRecord& record,
                   std::ostream& out, std::ostream& err) {
  AnswerKey key;
  std::vector<std::string> messages;
  if (!cl.keyPath.empty())
    ReadAnswerKey(cl.keyPath, rs.S().DischargeList.LineCount, key, messages);
  else
    messages.push_back("No answer key was given (--report KEY): the measures only.");
  for (const std::string& m : messages) err << "pumpdrill-sim: warning: " << m << "\n";
  RunReport report = ComputeRunReport(record, key);
  report.keyPath = cl.keyPath;
  for (const std::string& m : messages) report.notes.insert(report.notes.begin(), m);
  if (cl.csv) {
    if (cl.csvHeader) out << RunReportCsvHeader();
    out << RunReportCsvRow(report);
  } else {
    out << RunReportText(report);
  }
  out.flush();
  if (!out) {
    err << "pumpdrill-sim: cannot write the report to standard output\n";
    return kExitFileError;
  }
  return kExitOk;
}

int PrintDataFileReport(RunnerSession& rs, const ReportCommandLine& cl, std::ostream& out,
                        std::ostream& err) {
  DataFileContents contents;
  std::string reason;
  if (!ReadDataFile(cl.dtaPath, rs.S(), contents, reason)) {
    err << "pumpdrill-sim: " << DataFileReadMessage(cl.dtaPath, reason) << "\n";
    return kExitFileError;
  }
  return PrintRunReport(rs, cl, RunRecordFromDataFile(contents, rs.S()), out, err);
}

}  // namespace pumpdrill
