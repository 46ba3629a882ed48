// What every fuzz harness does after its reader has had the input: a few
// ticks of a started run on the state the reader left, then a check that
// every real of the state is still a number. A reader that lets a NaN or an
// infinity through, or a tick that makes one from finite values, stops the
// fuzzer here with the field's name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frame/configuration.h"
#include "frame/run_control.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill::fuzz {

// A host whose clock the harness moves; messages and sounds go nowhere,
// the radio calls shown as text are kept.
class FuzzHost : public NullHost {
 public:
  double MonotonicSeconds() override { return now; }
  void ShowIncidentCall(const IncidentCall& call) override { incidents.push_back(call); }
  double now = 1000.0;
  std::vector<IncidentCall> incidents;
};

// A default state, configuration and run with a main directory of its own
// (made once per process below the temporary folder).
struct FuzzRun {
  FuzzRun();
  std::unique_ptr<State> state;
  State& s;
  Configuration cfg;
  RunContext run;
  FuzzHost host;
};

// The folder for the harness's files: a fresh one per process.
const std::filesystem::path& ScratchFolder();

// Writes the input to a file of that name in the scratch folder and
// returns its path.
std::string WriteInput(const std::uint8_t* data, std::size_t size, const std::string& name);

// Initialises and starts a run, runs `ticks` ticks of 15 ms (40: past the first burn-house step)
// and ends it; aborts, naming the field, when a real of the state is not finite before or after.
// before, when given, runs before each tick with the tick's number.
void TickAndCheck(FuzzRun& r, int ticks = 40, const std::function<void(int)>& before = nullptr);

// Aborts with the field's name when a real of s is not finite.
void CheckFinite(const State& s, std::string_view when);

// Stops the fuzzer with what went wrong.
[[noreturn]] void Fail(const char* what);

}  // namespace pumpdrill::fuzz
