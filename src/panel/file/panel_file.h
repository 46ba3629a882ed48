// The panel configuration file (.PNL): an INI text file in the Panels
// folder recording the panel's layout, the kinds of its throttle, pressure
// control and valve handles, the titles of the lines, the foam system fitted
// to the panel and the hose connection plates. A save keeps every key it
// does not write; a load reads the whole file first and never stops half
// way: a value that cannot be read leaves its item as it is and is listed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "panel/controls/panel_controls.h"
#include "panel/panel_layout.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

inline constexpr int kPanelFileSave = 1;
inline constexpr int kPanelFileLoad = 2;

// A rectangle on the screen in device-independent pixels.
struct ScreenRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// What the panel file records of the screen and the main window, and what
// a load needs to know of them.
struct PanelScreen {
  bool MainVisible = false;  // the main window is shown
  bool RunStarted = false;   // a run has been started since the program began
  ScreenRect MainWindow;     // the main window's own rectangle
  int ScreenWidth = 0;       // the whole screen
  int ScreenHeight = 0;
  ScreenRect Available;    // the screen less task bars and docks
  double LeastZoom = 0.5;  // the panel's least zoom before it scrolls
};

// What became of a save or a load, for the window to carry out.
struct PanelFileOutcome {
  bool Done = false;                     // written, or read and applied
  std::optional<ScreenRect> MainWindow;  // where the main window is to stand
  bool Scroll = false;                   // the panel does not fit: let it scroll
  int ScrollRange = 0;
  std::vector<std::string> Unreadable;  // "[SECTION] KEY=value" left as they were
};

// What a panel file is saved from and loaded into.
struct PanelFileTarget {
  State& s;
  PanelLayout& layout;
  PanelControls& controls;
  std::string panelsDirectory;  // with its trailing separator
  PanelScreen screen;
  // A run is under way: a new foam tank capacity leaves the tanks holding
  // what they hold (else both are filled to it).
  bool simActive = false;
};

// Mode 1 saves the panel as fileName, mode 2 loads it. The name without
// its folder first becomes PumpControl.PanelFileName ("TMP.XNL" when
// empty); the file is the one of that name in the Panels folder. A failed
// save is reported, leaves the old file as it was and gives
// PanelFileName back its previous value.
PanelFileOutcome TransferPanelConfiguration(PanelFileTarget& t, const std::string& fileName,
                                            int mode, Host& host);

// The panel file name of the state: "TMP.XNL" is set when it is empty.
std::string CurrentPanelFileName(State& s);

// The path of a panel file: the name in folder as it is when such a file
// exists, else a file of that name in another letter case, else the name
// as it is.
std::string PanelFilePath(const std::string& folder, const std::string& name);
bool PanelFileExists(const std::string& folder, const std::string& name);

// One key of the state's panel file: mode 1 reads (the fallback when the
// file or the key is missing), mode 2 writes. A read of a missing file
// says so once per operation: `reported` is set when it was said.
std::string IOToPanelFile(State& s, const std::string& folder, int mode, const std::string& section,
                          const std::string& key, const std::string& value, bool& reported,
                          Host& host);
inline constexpr int kPanelKeyRead = 1;
inline constexpr int kPanelKeyWrite = 2;

// The largest panel file read; a larger one is no panel file.
inline constexpr std::size_t kMaxPanelFileBytes = 1u << 20;

}  // namespace pumpdrill
