#include "panel/pop_menu_entry.h"

namespace pumpdrill {

namespace {

void Collect(const PopMenuEntry& menu, const std::string& prefix, std::vector<std::string>& out) {
  for (const PopMenuEntry& e : menu.Items) {
    if (e.Separator) continue;
    const std::string path = prefix.empty() ? e.Caption : prefix + " > " + e.Caption;
    if (e.Checked) out.push_back(path);
    Collect(e, path, out);
  }
}

}  // namespace

const PopMenuEntry* FindEntry(const PopMenuEntry& menu, const std::vector<std::string>& path) {
  const PopMenuEntry* at = &menu;
  for (const std::string& caption : path) {
    const PopMenuEntry* next = nullptr;
    for (const PopMenuEntry& e : at->Items)
      if (!e.Separator && e.Caption == caption) next = &e;
    if (!next) return nullptr;
    at = next;
  }
  return at;
}

std::vector<std::string> CheckedPaths(const PopMenuEntry& menu) {
  std::vector<std::string> out;
  Collect(menu, "", out);
  return out;
}

}  // namespace pumpdrill
