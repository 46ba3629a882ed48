// The gauge pop-up menus: PopMenuGauge of design mode on a pressure gauge
// (its title renamed, its face black or white) and PopMenuTmpOilGauge on
// the engine temperature, oil pressure and primer oil gauges (their lamp
// shown or hidden, the gauge taken off the panel).
#pragma once

#include <string>
#include <string_view>

#include "panel/panel_layout.h"
#include "panel/pop_menu_entry.h"

namespace pumpdrill {

struct State;

// PopMenuGauge's commands.
inline constexpr int kGaugeRenameCommand = 1;
inline constexpr int kGaugeBlackFaceCommand = 2;
inline constexpr int kGaugeWhiteFaceCommand = 3;

// The question of a rename.
inline constexpr const char* kGaugeRenameCaption = "New Gauge Title?";
inline constexpr const char* kGaugeRenamePrompt = "Enter new gauge panel title?";
// The longest title kept, in bytes.
inline constexpr std::size_t kMostGaugeTitle = 255;

// The line whose LineTitle a pressure gauge (1 to 15, 18, 19) shows; 0 for
// other gauges.
int GaugeTitleLine(int gauge);
std::string GaugeTitle(const State& s, int gauge);

// "Rename:  " + title + "  (# " + gauge + ")", "Color" with the present face
// checked, "Size" disabled.
PopMenuEntry GaugePopMenu(const PanelLayout& layout, const State& s, int gauge);

// Stores a new title for the gauge's line: at most 255 bytes, cut before a
// character that would not fit whole.
void StoreGaugeTitle(State& s, int gauge, std::string_view title);

// The face colour code a command chooses (1 black, 2 white), 0 for other
// commands.
int FaceColourOfCommand(int command);

// PopMenuTmpOilGauge's commands.
inline constexpr int kShowGaugeLampCommand = 1;
inline constexpr int kGaugeVisibleCommand = 2;

// Whether the gauge has this menu (20, 21, 22), and its items and lamp.
bool HasTmpOilMenu(int gauge);
PanelItem EngineGaugeItem(int gauge);
PanelItem EngineGaugeLamp(int gauge);

// "Show Indicator Lt", checked while the lamp is shown; "Visible", checked
// while the gauge is.
PopMenuEntry TmpOilGaugePopMenu(const PanelLayout& layout, int gauge);

// The lamp toggled, or the gauge and its lamp taken off the panel.
// Returns whether anything changed.
bool ApplyTmpOilCommand(PanelLayout& layout, int gauge, int command);

}  // namespace pumpdrill
