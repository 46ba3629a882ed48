// The runner's command-line options for a scripted run, and the run they
// ask for: script, timing, sampled columns and where the CSV goes.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/exercise_run.h"
#include "cli/runner_session.h"
#include "cli/script.h"

namespace pumpdrill {

// Exit statuses of the runner.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;   // a file cannot be read or written
inline constexpr int kExitUsageError = 2;  // a bad option or a script fault

struct ExerciseCommandLine {
  std::string scriptPath;  // empty: no script
  std::string csvPath;     // empty: standard output
  std::string columnsList;
  bool columnsGiven = false;
  double dt = kDefaultTickSeconds;
  double duration = -1;  // below 0: the last action's time + 10 s
  double sample = kDefaultSampleSeconds;
  bool quiet = false;
  bool samplesNowhere = false;  // the samples are not written (a report is printed instead)
};

enum class OptionUse { NotMine, Taken, Faulty };

// The value of option name at argv[i]: "--name value" or "--name=value".
// matched tells whether argv[i] is that option; false when its value is
// missing (reported on err).
bool OptionValue(int argc, char** argv, int& i, const char* name, std::string& value, bool& matched,
                 std::ostream& err);

// A number of seconds (above 0, or 0 and more when zeroAllowed) for option
// name; a faulty one is reported on err.
bool SecondsValue(const char* name, const std::string& text, bool zeroAllowed, double& value, std::ostream& err);

// The help lines of these options.
const char* ExerciseOptionsHelp();

// Reads the option at argv[i] when it is one of the run's (--script,
// --duration, --dt, --sample, --columns, --csv, --quiet, each also as
// --name=value), moving i past its value. A faulty value is reported on err.
OptionUse ReadExerciseOption(int argc, char** argv, int& i, ExerciseCommandLine& cl, std::ostream& err);

// What a run needs before anything starts: the script read and checked,
// the columns found. Returns kExitOk, or the exit status with the reason on
// err (a script that cannot be read: 1; a fault in it or the columns: 2).
struct PreparedExercise {
  Script script;
  ExerciseOptions options;
};
int PrepareExercise(const ExerciseCommandLine& cl, PreparedExercise& prepared, std::ostream& err);

// Runs a prepared exercise in a started session and writes its CSV to the
// file asked for (replacing it whole, only when all of it was written) or
// to out. Returns the exit status.
int RunPreparedExercise(RunnerSession& rs, const ExerciseCommandLine& cl, const PreparedExercise& prepared,
                        std::ostream& out, std::ostream& err);

}  // namespace pumpdrill
