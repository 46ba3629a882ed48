// The runner's soak: a long run of random but valid operator actions,
// every sample checked for what must never happen (a real that is not a
// number, a flow below 0, a pressure beyond the pump's reach, a tank
// outside 0 to its capacity) and the runner's memory checked to stay flat.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "cli/runner_session.h"

namespace pumpdrill {

struct SoakOptions {
  double hours = 8;
  std::uint32_t seed = 1;
  double actionEvery = 5;  // seconds of simulated time between actions
  double sampleEvery = 1;  // seconds between checks
};

struct SoakResult {
  long long ticks = 0;
  long long samples = 0;
  long long actions = 0;
  long long restarts = 0;  // runs ended by the program and started again
  std::string fault;       // the first fault found, empty when none
  long peakRssKb = 0;      // the runner's largest resident memory
  long rssGrowthKb = 0;    // growth from the first tenth of the run to its end
};

// Largest growth of resident memory over a soak that counts as flat.
inline constexpr long kSoakMaxGrowthKb = 16 * 1024;

// Pressures the soak accepts on any gauge, psi.
inline constexpr double kSoakMaxPress = 2000;

// Runs the soak in a started session.
SoakResult RunSoak(RunnerSession& rs, const SoakOptions& o);

// The fault of one sample of s, or an empty text.
std::string SoakSampleFault(const State& s);

// The runner's --soak HOURS: the soak's figures on out; exit status 0, or 3
// with the fault on err.
int RunSoakCommand(RunnerSession& rs, const SoakOptions& o, std::ostream& out, std::ostream& err);

}  // namespace pumpdrill
