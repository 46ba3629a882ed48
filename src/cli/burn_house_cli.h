// The runner's burn-house option: the structure set up before the run as
// the burn-house window's Save sets it, from entries in the units of the
// settings.
#pragma once

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "cli/exercise_cli.h"

namespace pumpdrill {

// The entries given, as key and text, in their order.
using BurnHouseEdits = std::vector<std::pair<std::string, std::string>>;

const char* BurnHouseOptionHelp();

// Reads "--burn-house KEY=VALUE" (or "--burn-house=KEY=VALUE") at argv[i];
// an unknown key is reported on err.
OptionUse ReadBurnHouseOption(int argc, char** argv, int& i, BurnHouseEdits& edits, std::ostream& err);

// Saves the entries into the state as the window's Save does; the entries
// not given keep the record's values. Returns kExitOk, or kExitUsageError
// when an entry is refused (its message already shown).
int SaveBurnHouseEdits(RunnerSession& rs, const BurnHouseEdits& edits);

}  // namespace pumpdrill
