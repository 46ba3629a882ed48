#include "frame/diameter_text.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "frame/text_values.h"

namespace pumpdrill {

namespace {

std::string TwoDecimals(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  return buf;
}

std::string_view Trim(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

// "n/d" with whole numbers n and d > 0.
std::optional<double> Fraction(std::string_view t) {
  auto slash = t.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  auto n = TryReadInteger(t.substr(0, slash));
  auto d = TryReadInteger(t.substr(slash + 1));
  if (!n || !d || *n < 0 || *d <= 0) return std::nullopt;
  return static_cast<double>(*n) / *d;
}

}  // namespace

const char* EntryErrorText(int code) {
  static const char* const kTexts[] = {"No error.",
                                       "Invalid value entered.",
                                       "No fraction equivalent for number.",
                                       "Invalid value entered.",
                                       "No value entered.",
                                       "Negative Square Root.",
                                       "Invalid character in number"};
  if (code < 0 || code > 6) return kTexts[1];
  return kTexts[code];
}

int DiameterToText(bool metric, double value, std::string& text) {
  if (metric || !std::isfinite(value) || value < 0) {
    text = TwoDecimals(value);
    return metric ? kEntryNoError : kEntryNoFraction;
  }
  static const char* const kEighths[] = {"", "1/8", "1/4", "3/8", "1/2", "5/8", "3/4", "7/8"};
  double whole = std::trunc(value);
  double frac = value - whole;
  for (int e = 0; e <= 8; ++e) {
    if (e == 7) continue;  // seven eighths is not a hose size
    if (std::fabs(frac - e / 8.0) > 0.005) continue;
    long w = static_cast<long>(whole);
    if (e == 8) {  // a fraction near 1 is the next whole inch
      text = std::to_string(w + 1);
    } else if (e == 0) {
      text = std::to_string(w);
    } else if (w == 0) {
      text = kEighths[e];
    } else {
      text = std::to_string(w) + "-" + kEighths[e];
    }
    return kEntryNoError;
  }
  text = TwoDecimals(value);
  return kEntryNoFraction;
}

int TextToDiameter(std::string_view text, double& value) {
  std::string_view t = Trim(text);
  if (t.empty()) return kEntryInvalidValue;
  if (t.find('/') == std::string_view::npos) {
    auto v = TryReadNumber(t);
    if (!v) return kEntryInvalidValue;
    value = *v;
    return kEntryNoError;
  }
  // Whole inches and a fraction joined by "-" or a blank, or a fraction.
  auto sep = t.find_first_of("- ");
  std::optional<double> result;
  if (sep == std::string_view::npos || sep == 0) {
    result = Fraction(t);
  } else {
    auto whole = TryReadInteger(t.substr(0, sep));
    auto frac = Fraction(Trim(t.substr(sep + 1)));
    if (whole && frac && *whole >= 0) result = *whole + *frac;
  }
  if (!result) return kEntryInvalidValue;
  value = *result;
  return kEntryNoError;
}

}  // namespace pumpdrill
