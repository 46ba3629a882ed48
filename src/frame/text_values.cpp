#include "frame/text_values.h"

#include <cctype>

#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>

namespace pumpdrill {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

bool BooleanFromText(std::string_view text) {
  return text == "1" || text == "true" || text == "True" || text == "TRUE" || text == "YES" ||
         text == "Yes" || text == "yes";
}

const char* BooleanText(bool value) { return value ? "true" : "false"; }

char LocaleDecimalSeparator() {
  const std::lconv* lc = std::localeconv();
  if (lc && lc->decimal_point && lc->decimal_point[0] && !lc->decimal_point[1]) return lc->decimal_point[0];
  return '.';
}

std::optional<double> TryReadNumber(std::string_view text) {
  std::string s(Trim(text));
  std::size_t dot = s.rfind('.');
  std::size_t comma = s.rfind(',');
  if (comma != std::string::npos && (dot == std::string::npos || comma > dot)) s[comma] = '.';
  std::string_view v = s;
  if (!v.empty() && v.front() == '+') {
    v.remove_prefix(1);
    if (!v.empty() && (v.front() == '-' || v.front() == '+')) return std::nullopt;
  }
  if (v.empty()) return std::nullopt;
  // Only digits, one sign, one point and an exponent: no "inf", "nan" or hex.
  for (char c : v) {
    bool ok = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    if (!ok) return std::nullopt;
  }
  double value = 0;
  auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value, std::chars_format::general);
  if (ec != std::errc() || end != v.data() + v.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

double ReadNumber(std::string_view text) {
  std::optional<double> v = TryReadNumber(text);
  if (!v) throw NumberFormatError("'" + std::string(text) + "' is not a valid number");
  return *v;
}

std::optional<std::int32_t> TryReadInteger(std::string_view text) {
  std::string_view v = Trim(text);
  if (!v.empty() && v.front() == '+') {
    v.remove_prefix(1);
    if (!v.empty() && v.front() == '-') return std::nullopt;
  }
  if (v.empty()) return std::nullopt;
  std::int32_t value = 0;
  auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
  if (ec != std::errc() || end != v.data() + v.size()) return std::nullopt;
  return value;
}

std::string NumberText(double value) {
  if (value == 0) value = 0;  // no "-0"
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  if (ec != std::errc()) return "0";
  return std::string(buf, end);
}

void AppendCsvField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

}  // namespace pumpdrill
