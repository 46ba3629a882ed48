// The runner's data-file options: a run recorded as the program records
// it and written to a data file, and a data file turned into CSV.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/exercise_cli.h"
#include "cli/runner_session.h"

namespace pumpdrill {

struct DtaCommandLine {
  std::string dtaPath;    // --dta FILE: where the run's data file goes
  double interval = -1;   // --dta-interval S; below 0: the plot setup's own
  std::string toCsvPath;  // --dta-to-csv IN.DTA: convert instead of running
};

// The help lines of these options.
const char* DtaOptionsHelp();

// Reads the option at argv[i] when it is one of these.
OptionUse ReadDtaOption(int argc, char** argv, int& i, DtaCommandLine& cl, std::ostream& err);

// Before the run: recording on whatever "Record Data on Startup" says, at
// the interval asked for.
void PrepareDtaRecording(RunnerSession& rs, const DtaCommandLine& cl);

// After the run (terminated as the stop button terminates it): the run's
// data file written whole to --dta. Returns the exit status.
int FinishDtaRecording(RunnerSession& rs, const DtaCommandLine& cl, std::ostream& err);

// --dta-to-csv: the data file's CSV in the units of the settings, to
// csvPath (replaced whole) or to out. Returns the exit status.
int ConvertDtaToCsv(RunnerSession& rs, const DtaCommandLine& cl, const std::string& csvPath, std::ostream& out,
                    std::ostream& err);

}  // namespace pumpdrill
