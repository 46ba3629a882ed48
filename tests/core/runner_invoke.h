// Runs the headless runner's entry in the test process, as the shell
// would run the program, and keeps what it wrote.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/runner.h"

namespace pumpdrill::testing {

struct RunnerOutput {
  int status = -1;
  std::string out;
  std::string err;
};

inline RunnerOutput InvokeRunner(std::vector<std::string> args) {
  std::string prog = "pumpdrill-sim";
  std::vector<char*> argv{prog.data()};
  for (std::string& a : args) argv.push_back(a.data());
  std::ostringstream out, err;
  RunnerOutput r;
  r.status = RunnerMain(static_cast<int>(argv.size()), argv.data(), out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

// The cells of one CSV line without quoted cells.
inline std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::istringstream in(line);
  for (std::string c; std::getline(in, c, ',');) cells.push_back(c);
  return cells;
}

}  // namespace pumpdrill::testing
