#include "cli/runner.h"

#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/burn_house_cli.h"
#include "cli/dta_cli.h"
#include "cli/exercise_cli.h"
#include "cli/print_state.h"
#include "cli/report_cli.h"
#include "cli/runner_session.h"
#include "cli/setup_cli.h"
#include "cli/soak.h"
#include "frame/evolution_commands.h"
#include "frame/evolution_file.h"
#include "frame/text_values.h"
#include "frame/version.h"

namespace pumpdrill {

namespace {

// A soak longer than this is a mistake in --soak (a week).
constexpr double kMaxSoakHours = 168;

void PrintHelp(std::ostream& out) {
  out << "Usage: pumpdrill-sim [options]\n"
         "Runs the pump simulation without windows, on simulated time, and writes\n"
         "samples of it as CSV.\n\n"
         "  --help            show this help and exit\n"
         "  --version         show the version and exit\n"
         "  --main-dir DIR    the main directory (settings in DIR/Ini/Tw.INI, created\n"
         "                    when missing); by default the one the windowed program\n"
         "                    uses\n"
         "  --print-state     print every field of the starting state as\n"
         "                    'Name = value', one a line, and exit\n"
         "  --evolution FILE  open the Evolution FILE before the run, as File > Open\n"
         "                    does (the state, then the run initialised)\n"
         "  --setup FILE      apply FILE's set, supply and pump lines (script syntax, all\n"
         "                    at time 0) to the starting state, as an exercise's setup;\n"
         "                    several are applied in the order given\n"
         "  --save-evolution FILE\n"
         "                    save the state at the end of the run as the Evolution FILE\n"
         "  --save-panel FILE save the panel configuration after the setups as the panel\n"
         "                    file FILE and name it the state's panel (an Evolution\n"
         "                    saved then attaches it)\n"
      << ExerciseOptionsHelp() << ReportOptionsHelp() << DtaOptionsHelp() << BurnHouseOptionHelp()
      << "  --soak HOURS      run HOURS of simulated time of random operator actions,\n"
         "                    checking every second that the state stays sound\n"
         "                    (exit status 3 and the fault when it does not)\n"
      << "\nExit status: 0 done, 1 a file cannot be read or written, 2 a bad option or\n"
         "a fault in the script (its line is named), 3 a soak fault.\n";
}

// The program's own path, from which the default main directory is found.
std::string ProgramPath(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && !self.empty()) return self.string();
  return argv0 ? argv0 : "";
}

// The file option (Evolution or setup) arg names (its file's variable), or nullptr.
std::string* EvolutionOption(const std::string& arg, std::string& evolution, std::string& saveEvolution,
                             std::vector<std::string>& setupFiles) {
  auto named = [&arg](const char* name) {
    return arg == name || arg.rfind(std::string(name) + "=", 0) == 0;
  };
  if (named("--evolution")) return &evolution;
  if (named("--save-evolution")) return &saveEvolution;
  if (named("--setup")) return &setupFiles.emplace_back();
  return nullptr;
}

// The file of an option given as "--name FILE" or "--name=FILE".
bool TakeValue(int argc, char** argv, int& i, const std::string& arg, std::string& value, std::ostream& err) {
  const std::size_t eq = arg.find('=');
  if (eq != std::string::npos) {
    value = arg.substr(eq + 1);
  } else if (i + 1 < argc) {
    value = argv[++i];
  } else {
    value.clear();
  }
  if (value.empty()) {
    err << "pumpdrill-sim: " << arg.substr(0, eq) << " needs a file (try --help)\n";
    return false;
  }
  return true;
}

// An Evolution's radio calls travel with it by name: the ITX beside the
// Evolution (in any letter case) is copied into the runner's Evolutions
// folder, where the initialisation looks for it.
void CopyRadioCallFile(const std::string& evolution, const std::string& evolutionsDirectory) {
  namespace fs = std::filesystem;
  const fs::path evo(evolution);
  const std::string wanted = LowerCase(evo.stem().string() + ".itx");
  std::error_code ec;
  fs::path folder = evo.parent_path().empty() ? fs::path(".") : evo.parent_path();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (LowerCase(it->path().filename().string()) != wanted) continue;
    fs::copy_file(it->path(), fs::path(evolutionsDirectory) / (evo.stem().string() + ".ITX"),
                  fs::copy_options::overwrite_existing, ec);
    return;
  }
}

}  // namespace

int RunnerMain(int argc, char** argv) { return RunnerMain(argc, argv, std::cout, std::cerr); }

int RunnerMain(int argc, char** argv, std::ostream& out, std::ostream& err) {
  std::optional<std::filesystem::path> mainDir;
  bool printState = false;
  std::string evolution, saveEvolution, savePanel;
  std::vector<std::string> setupFiles;
  ExerciseCommandLine exercise;
  DtaCommandLine dta;
  ReportCommandLine report;
  BurnHouseEdits burnHouse;
  SoakOptions soak;
  bool soakAsked = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (std::string* file = EvolutionOption(arg, evolution, saveEvolution, setupFiles)) {
      if (!TakeValue(argc, argv, i, arg, *file, err)) return kExitUsageError;
      continue;
    }
    if (arg == "--save-panel" || arg.rfind("--save-panel=", 0) == 0) {
      if (!TakeValue(argc, argv, i, arg, savePanel, err)) return kExitUsageError;
      continue;
    }
    if (arg == "--main-dir" || arg.rfind("--main-dir=", 0) == 0) {
      if (arg == "--main-dir" && i + 1 >= argc) {
        err << "pumpdrill-sim: --main-dir needs a folder (try --help)\n";
        return kExitUsageError;
      }
      mainDir = arg == "--main-dir" ? std::string(argv[++i]) : arg.substr(std::strlen("--main-dir="));
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      PrintHelp(out);
      return kExitOk;
    }
    if (arg == "--version") {
      out << VersionReport("pumpdrill-sim");
      return kExitOk;
    }
    if (arg == "--soak" || arg.rfind("--soak=", 0) == 0) {
      std::string value;
      bool matched = false;
      double hours = 0;
      if (!OptionValue(argc, argv, i, "--soak", value, matched, err) || !ParseDecimal(value, hours) || hours <= 0 ||
          hours > kMaxSoakHours) {
        if (matched) err << "pumpdrill-sim: --soak needs a number of hours above 0 and at most " << kMaxSoakHours
                         << ", not '" << value << "'\n";
        return kExitUsageError;
      }
      soak.hours = hours;
      soakAsked = true;
      continue;
    }
    if (arg == "--print-state") {
      printState = true;
      continue;
    }
    // The option groups of the run, the data file and the burn house.
    OptionUse use = ReadDtaOption(argc, argv, i, dta, err);
    if (use == OptionUse::NotMine) use = ReadBurnHouseOption(argc, argv, i, burnHouse, err);
    if (use == OptionUse::NotMine) use = ReadReportOption(argc, argv, i, report, err);
    if (use == OptionUse::NotMine) use = ReadExerciseOption(argc, argv, i, exercise, err);
    if (use == OptionUse::Taken) continue;
    if (use == OptionUse::Faulty) return kExitUsageError;
    err << "pumpdrill-sim: unknown option '" << arg << "' (try --help)\n";
    return kExitUsageError;
  }

  if (mainDir) {
    std::error_code ec;
    if (!std::filesystem::is_directory(*mainDir, ec)) {
      err << "pumpdrill-sim: the main directory \"" << mainDir->string() << "\" does not exist\n";
      return kExitUsageError;
    }
  }

  // Setup, script and columns are checked before anything is started.
  std::vector<Script> setups(setupFiles.size());
  for (std::size_t k = 0; k < setupFiles.size(); ++k) {
    if (int status = ReadSetupFile(setupFiles[k], setups[k], err); status != kExitOk) return status;
  }
  PreparedExercise prepared;
  if (report.Asked() && exercise.csvPath.empty()) exercise.samplesNowhere = true;
  if (!printState && !soakAsked && dta.toCsvPath.empty() && report.dtaPath.empty()) {
    int status = PrepareExercise(exercise, prepared, err);
    if (status != kExitOk) return status;
  }

  RunnerSession session(exercise.dt, err, exercise.quiet || soakAsked);
  if (!StartRunnerSession(session, ProgramPath(argc > 0 ? argv[0] : nullptr), mainDir ? mainDir->string() : "",
                          err))
    return kExitFileError;

  if (!evolution.empty()) CopyRadioCallFile(evolution, session.Run().Dirs.EvolutionsDirectory);
  if (!evolution.empty() && !OpenEvolution(session.S(), evolution, session.Config(), session.Run(), session.host))
    return kExitFileError;
  for (const Script& setup : setups) ApplySetup(session.S(), setup, session.Config(), session.host);
  if (!savePanel.empty() && !SaveSetupPanel(session.S(), savePanel, session.host, err)) return kExitFileError;

  if (int status = SaveBurnHouseEdits(session, burnHouse); status != kExitOk) return status;

  if (!dta.toCsvPath.empty()) return ConvertDtaToCsv(session, dta, exercise.csvPath, out, err);
  if (soakAsked) return RunSoakCommand(session, soak, out, err);
  if (!report.dtaPath.empty()) return PrintDataFileReport(session, report, out, err);

  int status = kExitOk;
  if (printState) {
    PrintState(session.S(), out);
  } else {
    PrepareDtaRecording(session, dta);
    RunRecorder recorder;
    if (report.Asked()) {
      prepared.options.recorder = &recorder;
      session.host.SetRecorder(&recorder);
    }
    status = RunPreparedExercise(session, exercise, prepared, out, err);
    session.host.SetRecorder(nullptr);
    if (status == kExitOk) status = FinishDtaRecording(session, dta, err);
    if (status == kExitOk && report.Asked())
      status = PrintRunReport(session, report, recorder.Record(), out, err);
  }
  if (status == kExitOk && !saveEvolution.empty() && !SaveEvolution(session.S(), saveEvolution, session.host))
    return kExitFileError;
  return status;
}

}  // namespace pumpdrill
