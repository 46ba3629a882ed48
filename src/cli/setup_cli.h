// An exercise's setup file: the runner's script syntax, limited to what an
// instructor sets before a run (set, supply and pump lines at time 0),
// applied to the starting state as the setup windows would apply it. The
// build turns each shipped exercise's setup into its Evolution this way.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/script.h"
#include "frame/configuration.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

// Reads and checks the setup file at path. Returns kExitOk, or the exit
// status with the reason on err (a file that cannot be read: 1; a line that
// is no setup line, or a fault in one, naming the line: 2).
int ReadSetupFile(const std::string &path, Script &setup, std::ostream &err);

// Checks a parsed script as a setup: every action at time 0 and a set,
// supply or pump line. Returns an empty text, or "line N: " and the fault.
std::string SetupFault(const Script &setup);

// Applies the setup's lines in order to a state that is not running.
void ApplySetup(State &s, const Script &setup, const Configuration &cfg,
                Host &host);

// Saves the panel configuration of the state (the panel's default layout
// and controls, the state's line titles and foam system) as the panel file
// at path, and names it the state's panel: an Evolution saved afterwards
// attaches it. Returns false, with the reason on err, when it cannot be
// written.
bool SaveSetupPanel(State &s, const std::string &path, Host &host,
                    std::ostream &err);

} // namespace pumpdrill
