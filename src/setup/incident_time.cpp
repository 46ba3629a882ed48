#include "setup/incident_time.h"

#include <optional>

#include "frame/run_control.h"
#include "sim/constants.h"

namespace pumpdrill {

namespace {

// The digits of one side of the colon; blanks and "_" are empty places.
std::optional<int> FieldNumber(std::string_view part) {
  int value = 0;
  int digits = 0;
  for (char c : part) {
    if (c == ' ' || c == '_') continue;
    if (c < '0' || c > '9' || ++digits > 4) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

bool IncidentTimeSet(double seconds) { return seconds > 0 && seconds < kNeverTime; }

std::string IncidentTimeText(double seconds, bool blankWhenUnset) {
  if (!IncidentTimeSet(seconds)) return blankWhenUnset ? "" : "00:00";
  return FormatMinSec(seconds);
}

double IncidentTimeFromText(std::string_view text) {
  size_t colon = text.find(':');
  if (colon == std::string_view::npos) return kNeverTime;
  std::optional<int> minutes = FieldNumber(text.substr(0, colon));
  std::optional<int> seconds = FieldNumber(text.substr(colon + 1));
  if (!minutes || !seconds) return kNeverTime;
  double total = *minutes * 60.0 + *seconds;
  return IncidentTimeSet(total) ? total : kNeverTime;
}

}  // namespace pumpdrill
