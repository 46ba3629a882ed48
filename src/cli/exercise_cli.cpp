#include "cli/exercise_cli.h"

#include <cmath>
#include <cstring>
#include <ostream>
#include <vector>

#include "frame/replacing_file.h"
#include "frame/safe_file.h"

namespace pumpdrill {

namespace {

// A script is text an instructor writes; anything larger is not one.
constexpr std::size_t kMaxScriptBytes = 16u << 20;

// Runs longer than this many ticks are refused as a mistake in --dt or
// --duration (about 170 days of 15 ms ticks).
constexpr double kMaxTicks = 1e9;

// A tick longer than this is no step of a simulation but a jump.
constexpr double kMaxTickSeconds = 1;

// Runs that would sample more rows than this are refused as a mistake in
// --sample (a row every 15 ms tick for 170 days).
constexpr double kMaxRows = 1e9;

const char* const kProgram = "pumpdrill-sim: ";

}  // namespace

bool OptionValue(int argc, char** argv, int& i, const char* name, std::string& value, bool& matched,
                 std::ostream& err) {
  const std::string arg = argv[i];
  const std::size_t n = std::strlen(name);
  matched = false;
  if (arg == name) {
    matched = true;
    if (i + 1 >= argc) {
      err << kProgram << name << " needs a value (try --help)\n";
      return false;
    }
    value = argv[++i];
    return true;
  }
  if (arg.size() > n && arg.compare(0, n, name) == 0 && arg[n] == '=') {
    matched = true;
    value = arg.substr(n + 1);
    return true;
  }
  return true;
}

bool SecondsValue(const char* name, const std::string& text, bool zeroAllowed, double& value, std::ostream& err) {
  double v = 0;
  if (!ParseDecimal(text, v) || v < 0 || (!zeroAllowed && v == 0)) {
    err << kProgram << name << " needs a number of seconds " << (zeroAllowed ? "of 0 or more" : "above 0")
        << ", not '" << text << "'\n";
    return false;
  }
  value = v;
  return true;
}

const char* ExerciseOptionsHelp() {
  return "  --script FILE     timed actions, one a line: '<seconds> <command> [arguments]'\n"
         "  --duration S      seconds to run (default: the last action's time + 10)\n"
         "  --dt S            seconds of one tick (default 0.015)\n"
         "  --sample S        seconds between CSV rows (default 1)\n"
         "  --columns LIST    fields to sample, separated by commas (default: times,\n"
         "                    engine, pump, supply, tank and every line in use)\n"
         "  --csv FILE        write the samples to FILE instead of standard output\n"
         "  --quiet           do not copy the program's messages to standard error\n";
}

OptionUse ReadExerciseOption(int argc, char** argv, int& i, ExerciseCommandLine& cl, std::ostream& err) {
  if (std::strcmp(argv[i], "--quiet") == 0) {
    cl.quiet = true;
    return OptionUse::Taken;
  }
  std::string value;
  bool matched = false;
  auto take = [&](const char* name) {
    return OptionValue(argc, argv, i, name, value, matched, err);
  };
  if (!take("--script")) return OptionUse::Faulty;
  if (matched) {
    cl.scriptPath = value;
    return OptionUse::Taken;
  }
  if (!take("--csv")) return OptionUse::Faulty;
  if (matched) {
    cl.csvPath = value;
    return OptionUse::Taken;
  }
  if (!take("--columns")) return OptionUse::Faulty;
  if (matched) {
    cl.columnsList = value;
    cl.columnsGiven = true;
    return OptionUse::Taken;
  }
  struct Seconds {
    const char* name;
    double* target;
    bool zeroAllowed;
  };
  for (const Seconds& o : {Seconds{"--duration", &cl.duration, true}, Seconds{"--dt", &cl.dt, false},
                           Seconds{"--sample", &cl.sample, false}}) {
    if (!take(o.name)) return OptionUse::Faulty;
    if (matched) return SecondsValue(o.name, value, o.zeroAllowed, *o.target, err) ? OptionUse::Taken : OptionUse::Faulty;
  }
  return OptionUse::NotMine;
}

int PrepareExercise(const ExerciseCommandLine& cl, PreparedExercise& prepared, std::ostream& err) {
  if (!cl.scriptPath.empty()) {
    std::vector<Byte> bytes;
    ReadStep step = ReadWholeFile(cl.scriptPath, kMaxScriptBytes, bytes);
    if (step != ReadStep::Done) {
      err << kProgram << "cannot read the script \"" << cl.scriptPath << "\""
          << (step == ReadStep::Missing ? ": no such file" : "") << "\n";
      return kExitFileError;
    }
    std::string text(bytes.begin(), bytes.end());
    std::string error;
    if (!ParseScript(text, prepared.script, error)) {
      err << kProgram << cl.scriptPath << ": " << error << "\n";
      return kExitUsageError;
    }
  }
  if (cl.columnsGiven) {
    std::string error;
    if (!ParseColumns(cl.columnsList, prepared.options.columns, error)) {
      err << kProgram << "--columns: " << error << "\n";
      return kExitUsageError;
    }
  }
  prepared.options.duration = cl.duration;
  prepared.options.sampleInterval = cl.sample;
  const double duration = ExerciseDuration(prepared.script, prepared.options);
  if (!(cl.dt <= kMaxTickSeconds)) {
    err << kProgram << "--dt needs a number of seconds above 0 and at most " << kMaxTickSeconds << ", not " << cl.dt
        << "\n";
    return kExitUsageError;
  }
  if (!(duration / cl.dt <= kMaxTicks)) {
    err << kProgram << "a run of " << duration << " s in ticks of " << cl.dt << " s is too long\n";
    return kExitUsageError;
  }
  // The tolerance counts: a row is due that close to each multiple.
  if (!((duration + kTimeTolerance) / cl.sample <= kMaxRows)) {
    err << kProgram << "a run of " << duration << " s sampled every " << cl.sample << " s needs too many rows\n";
    return kExitUsageError;
  }
  return kExitOk;
}

int RunPreparedExercise(RunnerSession& rs, const ExerciseCommandLine& cl, const PreparedExercise& prepared,
                        std::ostream& out, std::ostream& err) {
  // The rows go out as they are made: to standard output, or into a new
  // file that replaces the target only when the run has written all of it.
  ReplacingFile file;
  if (!cl.csvPath.empty() && file.Open(cl.csvPath) != WriteStep::Done) {
    err << kProgram << "cannot create \"" << cl.csvPath << "\"\n";
    return kExitFileError;
  }
  auto drain = [&](std::string& csv) {
    if (cl.samplesNowhere)
      ;
    else if (cl.csvPath.empty())
      out << csv;
    else
      file.Append(csv.data(), csv.size());
    csv.clear();
  };
  std::string csv;
  ExerciseResult result = RunExercise(rs.S(), rs.Config(), rs.Run(), rs.clock, rs.host, prepared.script,
                                      prepared.options, csv, drain);
  if (result.actionsAfterEnd > 0 && !cl.quiet) {
    err << kProgram << "warning: " << result.actionsAfterEnd << " action"
        << (result.actionsAfterEnd == 1 ? " was" : "s were") << " timed after the end of the run and not applied\n";
  }
  if (cl.csvPath.empty()) {
    if (cl.samplesNowhere) return kExitOk;
    out.flush();
    if (!out) {
      err << kProgram << "cannot write the samples to standard output\n";
      return kExitFileError;
    }
    return kExitOk;
  }
  WriteStep step = file.Commit();
  if (step != WriteStep::Done) {
    const char* what = step == WriteStep::Create ? "cannot create" : step == WriteStep::Write ? "cannot write" : "cannot replace";
    err << kProgram << what << " \"" << cl.csvPath << "\"\n";
    return kExitFileError;
  }
  return kExitOk;
}

}  // namespace pumpdrill
