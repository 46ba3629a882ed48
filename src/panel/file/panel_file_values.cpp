#include "panel/file/panel_file_values.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace pumpdrill {

namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string PanelBoolText(bool value) { return value ? "1" : "0"; }

bool PanelBoolValue(std::string_view text) {
  for (std::string_view t : {"1", "true", "True", "TRUE", "YES", "Yes", "yes"})
    if (text == t) return true;
  return false;
}

std::string PanelRealText(double value) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

std::optional<double> PanelRealValue(std::string_view text) {
  std::string t(Trimmed(text));
  for (char& c : t)
    if (c == ',') c = '.';
  if (t.empty()) return std::nullopt;
  const char* from = t.data();
  if (*from == '+') ++from;
  double v = 0;
  const auto r = std::from_chars(from, t.data() + t.size(), v);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<int> PanelIntValue(std::string_view text) {
  std::string_view t = Trimmed(text);
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  if (t.empty()) return std::nullopt;
  int v = 0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
  return v;
}

std::string PanelSetText(std::uint32_t members, int first, int last) {
  std::string out = ",";
  for (int n = first; n <= last; ++n)
    if (members >> n & 1u) out += std::to_string(n) + ",";
  return out;
}

bool PanelSetHas(std::string_view text, int n) {
  // The last member may lack its closing comma.
  const std::string closed = std::string(text) + ",";
  return closed.find("," + std::to_string(n) + ",") != std::string::npos;
}

std::string NumberedKey(std::string_view key, int n) {
  char num[16];
  std::snprintf(num, sizeof num, "%02d", n);
  return std::string(key) + num;
}

}  // namespace pumpdrill
