#include "cli/runner.h"

#include <cstring>
#include <iostream>
#include <string>

#include "frame/version.h"

namespace pumpdrill {

namespace {

void PrintHelp(std::ostream& out) {
  out << "Usage: pumpdrill-sim [options]\n"
         "Runs the pump simulation without windows.\n\n"
         "  --help            show this help and exit\n"
         "  --version         show the version and exit\n";
}

}  // namespace

int RunnerMain(int argc, char** argv) { return RunnerMain(argc, argv, std::cout, std::cerr); }

int RunnerMain(int argc, char** argv, std::ostream& out, std::ostream& err) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      PrintHelp(out);
      return 0;
    }
    if (arg == "--version") {
      out << kProductName << " " << kVersionText << " (revision " << kRevisionText << ")\n";
      return 0;
    }
    err << "pumpdrill-sim: unknown option '" << arg << "' (try --help)\n";
    return 2;
  }
  return 0;
}

}  // namespace pumpdrill
