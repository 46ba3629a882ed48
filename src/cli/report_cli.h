// The runner's run report options: the report of the scripted run (or of a
// data file) against an exercise's answer key, as text or one CSV row.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/exercise_cli.h"
#include "cli/runner_session.h"
#include "records/run_record.h"

namespace pumpdrill {

struct ReportCommandLine {
  std::string keyPath;     // --report FILE.KEY
  bool csv = false;        // --report-csv: one CSV row instead of the text
  bool csvHeader = false;  // --report-csv-header: the header row before it
  std::string dtaPath;     // --report-from FILE.DTA: a data file's run, no run of our own
  bool Asked() const { return !keyPath.empty() || csv || csvHeader || !dtaPath.empty(); }
};

const char* ReportOptionsHelp();

OptionUse ReadReportOption(int argc, char** argv, int& i, ReportCommandLine& cl, std::ostream& err);

// The report of record, to out. The key's messages go to err as warnings.
// Returns the exit status.
int PrintRunReport(RunnerSession& rs, const ReportCommandLine& cl, const RunRecord& record,
                   std::ostream& out, std::ostream& err);

// --report-from: the report of a data file's run. Returns the exit status.
int PrintDataFileReport(RunnerSession& rs, const ReportCommandLine& cl, std::ostream& out,
                        std::ostream& err);

}  // namespace pumpdrill
