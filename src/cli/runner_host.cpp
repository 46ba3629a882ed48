#include "cli/runner_host.h"

#include <cmath>
#include <ostream>

namespace pumpdrill {

namespace {
constexpr double kSecondsPerDay = 86400.0;
}

RunnerHost::RunnerHost(const SimulatedClock& clock, std::ostream& err, bool quiet)
    : clock_(clock), err_(err), quiet_(quiet), startOfDay_(Clock::TimeOfDaySeconds()) {}

Answer RunnerHost::Message(MsgType type, Buttons buttons, const std::string& text) {
  (void)type;
  ++shown_;
  if (!quiet_) err_ << text << '\n';
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::OkCancel:
      return Answer::Ok;
    case Buttons::YesNo:
      return inTick_ ? Answer::No : Answer::Yes;
    case Buttons::YesCancel:
      return Answer::Yes;
  }
  return Answer::Ok;
}

double RunnerHost::TimeOfDaySeconds() { return std::fmod(startOfDay_ + clock_.Now(), kSecondsPerDay); }

}  // namespace pumpdrill
