#include "sim/host.h"

#include <chrono>
#include <ctime>

namespace pumpdrill {

double Clock::TimeOfDaySeconds() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  double fraction =
      duration<double>(now.time_since_epoch()).count() - static_cast<double>(t);
  if (fraction < 0) fraction = 0;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

double Clock::MonotonicSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string LocalTimeText(const char* format) {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char text[64];
  if (std::strftime(text, sizeof text, format, &local) == 0) return {};
  return text;
}

std::string Clock::ShortDateText() { return LocalTimeText("%Y-%m-%d"); }

}  // namespace pumpdrill
