// A pop-up menu of the panel as plain data: captions, sub-menus, which
// items are enabled and which carry a check mark, and the command each
// item stands for. The window turns it into its menu; tests read it as is.
#pragma once

#include <string>
#include <vector>

namespace pumpdrill {

// No command: a sub-menu, a separator or an item that does nothing.
inline constexpr int kNoMenuCommand = 0;

struct PopMenuEntry {
  std::string Caption;
  int Command = kNoMenuCommand;
  bool Enabled = true;
  bool Checked = false;
  bool Separator = false;
  std::vector<PopMenuEntry> Items;  // a sub-menu when not empty

  static PopMenuEntry Item(std::string caption, int command, bool enabled = true,
                           bool checked = false) {
    PopMenuEntry e;
    e.Caption = std::move(caption);
    e.Command = command;
    e.Enabled = enabled;
    e.Checked = checked;
    return e;
  }
  static PopMenuEntry Menu(std::string caption, std::vector<PopMenuEntry> items) {
    PopMenuEntry e;
    e.Caption = std::move(caption);
    e.Items = std::move(items);
    return e;
  }
  static PopMenuEntry Line() {
    PopMenuEntry e;
    e.Separator = true;
    return e;
  }
};

// The entry at a path of captions below menu (each caption one level
// down), or nullptr.
const PopMenuEntry* FindEntry(const PopMenuEntry& menu, const std::vector<std::string>& path);

// The captions from the menu down to every checked entry, sub-menus
// included, each path joined with " > " ("Vertical > 'Short' > Open Btm").
std::vector<std::string> CheckedPaths(const PopMenuEntry& menu);

}  // namespace pumpdrill
