#include "frame/number_entry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

#include "frame/text_values.h"

namespace pumpdrill {

namespace {

// Diameters are matched to eighths of an inch within this tolerance.
constexpr double kFractionTolerance = 0.005;

struct Eighth {
  double value;
  const char* text;
};
// 7/8 belongs to the set as much as 1/8, 3/8 and 5/8: a 7/8 in tip is a
// common smooth-bore size.
constexpr Eighth kEighths[] = {{0.0, ""},      {0.125, "1/8"}, {0.25, "1/4"}, {0.375, "3/8"}, {0.5, "1/2"},
                               {0.625, "5/8"}, {0.75, "3/4"},  {0.875, "7/8"}, {1.0, ""}};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<std::int64_t> Digits(std::string_view s) {
  if (s.empty() || s.size() > 9) return std::nullopt;
  std::int64_t v = 0;
  for (char c : s) {
    if (!IsDigit(c)) return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

// "N/D", "W-N/D" or "W N/D".
std::optional<double> ReadFraction(std::string_view s) {
  std::size_t slash = s.find('/');
  std::size_t split = s.find_last_of("- ", slash);
  std::optional<std::int64_t> whole = 0;
  std::string_view fraction = s;
  if (split != std::string_view::npos) {
    whole = Digits(Trim(s.substr(0, split)));
    fraction = Trim(s.substr(split + 1));
    slash = fraction.find('/');
  }
  if (!whole) return std::nullopt;
  std::optional<std::int64_t> num = Digits(fraction.substr(0, slash));
  std::optional<std::int64_t> den = Digits(fraction.substr(slash + 1));
  if (!num || !den || *den == 0) return std::nullopt;
  return static_cast<double>(*whole) + static_cast<double>(*num) / static_cast<double>(*den);
}

// A value exactly halfway between two texts of that many decimals (56.25
// to one decimal) is shown rounded away from zero, as people round, not to
// the even digit: the value is moved past the tie by the smallest step.
double AwayFromZeroAtTie(double value, int decimals) {
  if (!std::isfinite(value) || decimals < 0 || decimals > 20) return value;
  char exact[400];
  auto [end, ec] = std::to_chars(exact, exact + sizeof exact, value, std::chars_format::fixed, decimals + 60);
  if (ec != std::errc()) return value;
  const char* point = std::find(static_cast<const char*>(exact), static_cast<const char*>(end), '.');
  const char* rest = point + 1 + decimals;
  if (rest >= end || *rest != '5' || std::find_if(rest + 1, static_cast<const char*>(end), [](char c) { return c != '0'; }) != end)
    return value;
  return std::nextafter(value, value > 0 ? HUGE_VAL : -HUGE_VAL);
}

}  // namespace

const char* ErrorCodeText(int code) {
  if (code < 0 || code >= static_cast<int>(kErrorCodeTexts.size())) return "";
  return kErrorCodeTexts[static_cast<std::size_t>(code)];
}

std::string FixedText(double value, int decimals, char decimalSeparator) {
  char buf[400];
  value = AwayFromZeroAtTie(value, decimals);
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return "0";
  std::string text(buf, end);
  if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
  std::size_t point = text.find('.');
  if (point != std::string::npos) text[point] = decimalSeparator;
  return text;
}

EntryText DiameterToText(double diameter, bool metric) {
  if (metric) return {FixedText(diameter, 2), kErrNone};
  if (std::isfinite(diameter) && std::fabs(diameter) < 1e9) {
    double whole = std::trunc(diameter);
    double part = diameter - whole;
    for (const Eighth& e : kEighths) {
      if (std::fabs(part - e.value) > kFractionTolerance) continue;
      long long inches = static_cast<long long>(whole) + (e.value == 1.0 ? 1 : 0);
      std::string text;
      if (*e.text == '\0')
        text = std::to_string(inches);
      else if (inches == 0)
        text = e.text;
      else
        text = std::to_string(inches) + "-" + e.text;
      return {text, kErrNone};
    }
  }
  return {FixedText(diameter, 2), kErrNoFraction};
}

EntryValue TextToDiameter(std::string_view text) {
  std::string_view s = Trim(text);
  if (s.empty()) return {0, kErrInvalidValue};
  for (char c : s) {
    bool allowed = IsDigit(c) || c == '.' || c == ',' || c == '-' || c == '/' || c == ' ' || c == '\t';
    if (!allowed) return {0, kErrInvalidCharacter};
  }
  std::optional<double> v =
      s.find('/') != std::string_view::npos ? ReadFraction(s) : TryReadNumber(s);
  if (!v || *v < 0) return {0, kErrInvalidValue};
  return {*v, kErrNone};
}

EntryValue ValidatedNumber(std::string_view text, char separator) {
  if (text.empty()) return {0, kErrNone};
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (!(IsDigit(c) || c == separator || (c == '-' && i == 0))) return {0, kErrInvalidCharacter};
  }
  std::optional<double> v = TryReadNumber(text);
  if (!v) return {0, kErrInvalidValue};
  return {*v, kErrNone};
}

const std::vector<std::string>& HoseLengthChoices(bool metric) {
  static const std::vector<std::string> feet{"10", "50", "100", "150", "200", "250", "300", "500", "1000"};
  static const std::vector<std::string> metres{"3", "15", "30", "45", "60", "75", "90", "150", "300"};
  return metric ? metres : feet;
}

}  // namespace pumpdrill
