// PopMenuValve: the design-mode menu of a valve's handle and title. Its
// choices replace the handle by another type where it stands (the title
// stays) or set the title's text colour and background.
#pragma once

#include <QMenu>

#include "panel/gui/pop_menu_qt.h"

namespace pumpdrill {

class TfrmPanel;

// The menu for valve n as it stands now, parented to the panel; each
// choice is carried out through edit.
QMenu* MakePopMenuValve(TfrmPanel& panel, int valve, const DesignEditor& edit);

}  // namespace pumpdrill
