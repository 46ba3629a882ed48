// The windowed program's entry: command line, start-up sequence, main
// window, message loop.
#pragma once

#include <string>

namespace pumpdrill {

struct CommandLine {
  bool ShowSplash = true;     // --no-splash skips it
  std::string MainDirectory;  // --main-dir DIR
  bool Help = false;
  bool Version = false;
  std::string Error;  // an option not understood
};

CommandLine ParseCommandLine(int argc, char** argv);

// Runs the program; returns the process exit status.
int RunProgram(int argc, char** argv);

}  // namespace pumpdrill
