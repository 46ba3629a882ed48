// Evolution files: a saved exercise, the simulation state's stored records
// in one file of fixed-size blocks.
#pragma once

#include <string>

#include "frame/configuration.h"
#include "sim/host.h"
#include "sim/state.h"

namespace pumpdrill {

inline constexpr int kEvolutionSave = 0;
inline constexpr int kEvolutionLoad = 1;
inline constexpr int kEvolutionDelete = 2;

// Mode 0 saves s to path, 1 loads path into s, 2 deletes path (silently,
// whether or not it exists). Failures are reported through host with the
// file's message and return false.
//
// A save writes a new file beside path and renames it over path only when
// all of it was written, so a failed save leaves the previous file intact.
// A load reads and checks the whole file before it changes s: a missing,
// short, long or unreadable file leaves s exactly as it was. After a load the
// call file names are upper-cased, the display units are applied from the
// units option and every derived coefficient is recomputed; the run is not
// initialised (the caller does that).
bool EvolutionFile(State& s, int mode, const std::string& path, Configuration& config, Host& host);

// The three modes on their own.
bool SaveEvolution(State& s, const std::string& path, Host& host);
bool LoadEvolution(State& s, const std::string& path, Configuration& config, Host& host);
// Deletes path when it is a file; an absent file is no failure. Shows nothing.
bool DeleteEvolution(const std::string& path);

}  // namespace pumpdrill
