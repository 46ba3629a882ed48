// PopMenuGauge, the design-mode menu of a pressure gauge (rename it, a
// black or white face), and PopMenuTmpOilGauge, the menu of the engine
// temperature, oil pressure and primer oil gauges at any time (their lamp
// shown or hidden, the gauge taken off the panel).
#pragma once

#include <QMenu>

#include "panel/gui/pop_menu_qt.h"

namespace pumpdrill {

class TfrmPanel;

// The menus for a gauge as it stands now, parented to the panel; each
// choice is carried out through edit. A rename asks for the title first
// (through the panel's dialogs); a cancelled question changes nothing.
QMenu* MakePopMenuGauge(TfrmPanel& panel, int gauge, const DesignEditor& edit);
QMenu* MakePopMenuTmpOilGauge(TfrmPanel& panel, int gauge, const DesignEditor& edit);

}  // namespace pumpdrill
