// A pop-up menu of the panel, made from its plain description: sub-menus,
// separators, disabled items and check marks as the description has them.
#pragma once

#include <QMenu>
#include <functional>

#include "panel/pop_menu_entry.h"

namespace pumpdrill {

// Fills menu with the entries of description; choosing an item with a
// command calls chosen with it. Only checked items are checkable, so that
// the others show no empty box.
void FillPopMenu(QMenu& menu, const PopMenuEntry& description,
                 const std::function<void(int command)>& chosen);

// What every change made from the panel's pop-up menus goes through.
using DesignEditor = std::function<void(const std::function<void()>& change)>;

}  // namespace pumpdrill
