// What the commands of panel design mode do to the panel's layout and the
// state: lines added and removed, optional items shown and hidden, hose
// connection plates, foam controls, the throttle and pressure control, and
// the limits a moved item is kept within.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "frame/units.h"
#include "panel/controls/panel_controls.h"
#include "panel/panel_layout.h"
#include "sim/host.h"

namespace pumpdrill {

struct State;

// What a design command works on.
struct DesignTarget {
  State& s;
  PanelLayout& layout;
  PanelControls& controls;
  Host& host;
};

// What a command changed, for the window to show.
struct DesignOutcome {
  bool Changed = false;
  bool FoamChanged = false;        // the foam items are to be shown and placed again
  bool ControlsChanged = false;    // the throttle or pressure control was replaced
  int Line = 0;                    // a line added or removed
  std::optional<PanelItem> Shown;  // an item made visible: brought to the front
};

// Runs the command of a menu code; unknown codes, and commands the menu
// shows disabled, do nothing.
DesignOutcome RunDesignCommand(DesignTarget t, int code);

// The menu's states: whether a code's item may be chosen, and whether it
// carries a check mark.
bool DesignCommandEnabled(const State& s, int code);
bool DesignCommandChecked(const State& s, const PanelLayout& layout, const PanelControls& pc,
                          int code);

// The panel item a toggling code shows and hides, with its companions.
std::optional<PanelItem> ToggledItem(int code);
std::vector<PanelItem> ItemCompanions(PanelItem item);

// Line n's compressed-air valve code (101 to 115), and back.
inline bool IsAirValveCode(int code) { return code >= 101 && code <= 115; }

// Hose connections: the lines with one (discharges 1 to LineCount and the
// intake, line 18), the plate type a hose diameter (feet) takes, and the
// adding and removing of a line's plate.
std::vector<int> ConnectorLines(const State& s);
int ConnectorPlateType(double hoseDiamFeet);
bool AddConnector(const State& s, PanelLayout& layout, int line);
bool RemoveConnector(PanelLayout& layout, int line);

// The line whose hose layout uses `line` (a siamese partner, or a wye's),
// 0 when none: such a line cannot be removed.
int HoseLayoutOwner(const State& s, int line);

// Keeps a moved item reachable: left and top at 0 or more, at least 16
// layout pixels of it inside the layout's extent.
inline constexpr int kLeastInside = 16;
void KeepOnPanel(PanelPlace& place, const PanelLayout& layout);

// The throttle, pressure control and valve wheels follow their layout
// places after a move.
void FollowLayoutPlaces(PanelControls& pc, const PanelLayout& layout);

// The governor presets: the range a value must lie in (RPM: IdleRpm to
// MaxRpm; pressure in display units: 0 to the gauges' full scale), and a
// typed value checked against it; nothing when it is not a number in the
// range ("Enter a number from LOW to HIGH." is then shown, warning, OK).
struct PresetRange {
  double Low = 0;
  double High = 0;
  int Decimals = 0;
};
PresetRange PresetRpmRange(const State& s);
PresetRange PresetPressureRange(const State& s, const DisplayUnits& units);
std::optional<double> CheckPreset(const std::string& text, const PresetRange& range, Host& host);
std::string PresetText(double value, int decimals);
// Stores an entered pressure preset (display units) as psi.
void StorePressurePreset(State& s, const DisplayUnits& units, double shown);
double ShownPressurePreset(const State& s, const DisplayUnits& units);

// Where a press on the Class1 governor asks for the presets instead of
// starting a move (layout pixels inside the picture).
inline bool InPresetButton(int x, int y) { return x < 9 && y >= 25 && y < 41; }

}  // namespace pumpdrill
