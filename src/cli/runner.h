// The headless runner's entry, callable from tests without spawning a process.
#pragma once

#include <iosfwd>

namespace pumpdrill {

// Parses the command line and runs; returns the process exit status.
int RunnerMain(int argc, char** argv);
int RunnerMain(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace pumpdrill
