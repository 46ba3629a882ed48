// The File menu's Evolution commands as the program carries them out once a
// file has been chosen, and opening an Evolution (File > Open, the default
// Evolution at start-up, the headless runner). The windows only choose the
// files and ask the questions.
#pragma once

#include <string>
#include <vector>

#include "frame/configuration.h"
#include "frame/run_control.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// How many names EvolutionHistory keeps.
inline constexpr std::size_t kEvolutionHistorySize = 10;

// The panel file name that stands for the unsaved temporary panel.
inline constexpr const char* kTemporaryPanelName = "TMP.XNL";

// The name of the radio call file that travels with an Evolution: its file
// name without folder, cut before the first ".", followed by ".ITX".
std::string CallFileName(const std::string& evolutionPath);

// Loads path; when that worked, attaches the panel file the state names
// (when that file is missing, the Evolution's own discharge count stands),
// makes path the current Evolution, adds it to the history (at most 10,
// the oldest dropped) and initialises the run.
bool OpenEvolution(State& s, const std::string& path, Configuration& cfg, RunContext& run, Host& host);

// File > Open once a file is chosen: refused while a run is running or
// paused, otherwise OpenEvolution.
bool OpenChosenEvolution(State& s, const std::string& path, Configuration& cfg, RunContext& run,
                         Host& host);

// File > Save Evo with a current Evolution: saves it there, no report.
bool SaveCurrentEvolution(State& s, Configuration& cfg, RunContext& run, Host& host);

// File > Save Evo As, first step: while the state's panel is unsaved (no
// name, or the temporary panel), asks to save the panel and runs the
// panel's Save As on Yes. False when the user cancels either.
bool PanelSavedFirst(State& s, Host& host);

// File > Save Evo As once a file is chosen: saves the state there, makes it
// the current Evolution, copies the previous Evolution's call file to the
// new name and reports what was saved. A failed save reports its failure
// only and keeps the previous current Evolution.
bool SaveEvolutionAs(State& s, const std::string& path, Configuration& cfg, RunContext& run, Host& host);

// File > Delete Evo once files are chosen: asks for each file by its path
// and deletes it and its call file on Yes. Returns how many were deleted.
int DeleteEvolutions(const std::vector<std::string>& paths, RunContext& run, Host& host);

// The report of a successful Save As.
std::string SavedEvolutionReport(const std::string& evolutionPath, const std::string& callFile,
                                 bool callFileExists, const std::string& panelFileName);

}  // namespace pumpdrill
