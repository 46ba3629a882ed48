#include "cli/burn_house_cli.h"

#include <ostream>

#include "burn/burn_house_save.h"
#include "frame/text_values.h"

namespace pumpdrill {

namespace {

struct Key {
  const char* name;
  std::string BurnHouseEntries::*text;
};

constexpr Key kKeys[] = {
    {"length", &BurnHouseEntries::Length},
    {"width", &BurnHouseEntries::Width},
    {"height", &BurnHouseEntries::Height},
    {"vent-area", &BurnHouseEntries::VentArea},
    {"vent-height", &BurnHouseEntries::VentHeight},
    {"efficiency", &BurnHouseEntries::AppEfficiency},
    {"fire-load", &BurnHouseEntries::FireLoad},
    {"total-fire-load", &BurnHouseEntries::TotalFireLoad},
    {"description", &BurnHouseEntries::Description},
};
constexpr const char* kStayOnTop = "stay-on-top";

bool KnownKey(const std::string& key) {
  if (key == kStayOnTop) return true;
  for (const Key& k : kKeys)
    if (key == k.name) return true;
  return false;
}

}  // namespace

const char* BurnHouseOptionHelp() {
  return "  --burn-house KEY=VALUE\n"
         "                    set up the burn house before the run as its window's Save\n"
         "                    does, in the units of the settings; KEY is length, width,\n"
         "                    height, vent-area, vent-height, efficiency (%), fire-load\n"
         "                    (per floor area), total-fire-load, description or\n"
         "                    stay-on-top (0 or 1); repeat the option for each entry\n";
}

OptionUse ReadBurnHouseOption(int argc, char** argv, int& i, BurnHouseEdits& edits, std::ostream& err) {
  std::string value;
  bool matched = false;
  if (!OptionValue(argc, argv, i, "--burn-house", value, matched, err)) return OptionUse::Faulty;
  if (!matched) return OptionUse::NotMine;
  const std::size_t eq = value.find('=');
  const std::string key = value.substr(0, eq);
  if (eq == std::string::npos || !KnownKey(key)) {
    err << "pumpdrill-sim: --burn-house needs KEY=VALUE with a key of its list, not '" << value
        << "' (try --help)\n";
    return OptionUse::Faulty;
  }
  edits.emplace_back(key, value.substr(eq + 1));
  return OptionUse::Taken;
}

int SaveBurnHouseEdits(RunnerSession& rs, const BurnHouseEdits& edits) {
  if (edits.empty()) return kExitOk;
  bool total = false;
  for (const auto& [key, text] : edits)
    if (key == "total-fire-load") total = true;
  const DisplayUnits& units = rs.Config().Units;
  BurnHouseEntries e = BurnHouseEntriesOf(rs.S().BurnHouse, units, total);
  for (const auto& [key, text] : edits) {
    if (key == kStayOnTop) e.StayOnTop = BooleanFromText(text);
    for (const Key& k : kKeys)
      if (key == k.name) e.*k.text = text;
  }
  return SaveBurnHouse(rs.S(), units, e, rs.host) == BurnEntry::None ? kExitOk : kExitUsageError;
}

}  // namespace pumpdrill
