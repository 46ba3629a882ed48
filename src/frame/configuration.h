// The program's configuration: the user's settings, the panel display
// options, the display units that follow from them, and the hose diameter
// and friction lists, all kept in the configuration file "Tw.INI" in the
// Ini folder below the main directory.
//
// The file is read once at start-up and written back whole whenever a
// dialog commits a change. Each access opens the file anew by its path.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "frame/options.h"
#include "frame/units.h"
#include "sim/show_options.h"
#include "sim/sim_settings.h"

namespace pumpdrill {

inline constexpr const char* kConfigFileName = "Tw.INI";
inline constexpr const char* kIniFolderName = "Ini";

inline constexpr const char* kSectionDesktop = "Desktop";
inline constexpr const char* kSectionPanel = "Panel";
inline constexpr const char* kSectionHoseDiamEnglish = "Hose Diam: English Display";
inline constexpr const char* kSectionHoseDiamMetric = "Hose Diam: Metric Display";
inline constexpr const char* kSectionHoseFriction = "Hose Friction";

// The lists' contents when the file has none: diameter choices in inches
// and in mm, and one friction factor per standard diameter.
const std::vector<std::string>& DefaultHoseDiamEnglish();
const std::vector<std::string>& DefaultHoseDiamMetric();
const std::vector<std::string>& DefaultHoseFriction();

// The hose friction table of a diameter list (entries in inches after
// multiplying by toInches) and the "Hose Friction" list beside it.
HoseFrictionTable MakeHoseFrictionTable(const std::vector<std::string>& diameters, double toInches,
                                        const std::vector<std::string>& friction);

struct Configuration {
  TOptions Options;
  DisplayUnits Units;
  std::vector<std::string> HoseDiamEnglish = DefaultHoseDiamEnglish();
  std::vector<std::string> HoseDiamMetric = DefaultHoseDiamMetric();
  std::vector<std::string> HoseFriction = DefaultHoseFriction();
  // What the simulation reads of the above, as its own data. Every routine
  // here that reads or changes the lists or the units refreshes it; code
  // that edits the lists directly calls RefreshSimSettings.
  SimSettings Sim{MakeHoseFrictionTable(HoseDiamEnglish, 1.0, HoseFriction)};
};

// Fills config.Sim from the lists of the display system in use (metric
// entries in mm are taken in inches).
void RefreshSimSettings(Configuration& config);

// Stores C (rounded to a whole number, as the list holds them) as the
// "Hose Friction" entry for `inches`, so that the next default C of that
// diameter is this one. Entries missing before it take the built-in C of
// their diameters. False when there is no diameter list to place it in.
bool StoreHoseFriction(Configuration& config, double inches, double c);

// The outcome of a configuration file operation. Ok is false when the file
// could not be read or written; Problems then says why, and also lists
// values of the file that were not understood and replaced by defaults.
// The texts are meant for the start-up log and for messages to the user.
struct ConfigReport {
  bool Ok = true;
  bool Created = false;  // a missing file was written with the defaults
  std::vector<std::string> Problems;
};

// The configuration file of a main directory: <main>/Ini/Tw.INI.
std::filesystem::path ConfigFilePath(const std::filesystem::path& mainDirectory);

// Reads the "Desktop" keys into config.Options and the "Panel" keys into
// show, then sets config.Units from the units options. A missing file or
// key gives the default; a value that is not a number keeps the default
// and is listed in Problems. With no wave output device, WAV sound,
// engine sound and radio are off whatever the file says (so are engine
// sound and radio when WAV sound is off). A missing file is written at
// once with what was read. An unreadable file is reported and left alone;
// the records then hold the defaults.
ConfigReport ReadConfiguration(const std::filesystem::path& iniFile, Configuration& config,
                               TShowOptionsRec& show, int waveDeviceCount);

// Writes every "Desktop" and "Panel" key from the records, creating the
// file and sections as needed and keeping everything else in the file.
// A failed write leaves the file as it was.
ConfigReport WriteConfiguration(const std::filesystem::path& iniFile, const Configuration& config,
                                const TShowOptionsRec& show);

// The configuration as the program reads it at start-up, from the
// configuration file of mainDirectory: ReadConfiguration (creating a
// missing file), then the three hose lists by ReadHoseLists (writing the
// default lists when the file has none). The problems of both are listed.
ConfigReport ReadStartupConfiguration(const std::filesystem::path& mainDirectory, Configuration& config,
                                      TShowOptionsRec& show, int waveDeviceCount);

// Sets config.Units for English or metric units, with bar or kPa from the
// "Use Bars" option.
void ApplyUnits(Configuration& config, bool metric);

// A list kept in a section of its own, one item per key "0", "1", ...
// Reading clears list and stops at the first missing key; it returns
// false when the section has no key "0" (or the file cannot be read).
bool ReadIniList(const std::filesystem::path& iniFile, std::string_view section,
                 std::vector<std::string>& list);
// Replaces the section's keys by the items of list.
ConfigReport WriteIniList(const std::filesystem::path& iniFile, std::string_view section,
                          const std::vector<std::string>& list);
// Reads a list; when the file has none, fills list with defaults and
// writes them to the file.
ConfigReport ReadListOrDefaults(const std::filesystem::path& iniFile, std::string_view section,
                                std::vector<std::string>& list,
                                const std::vector<std::string>& defaults);
// The three hose lists of config, each by ReadListOrDefaults.
ConfigReport ReadHoseLists(const std::filesystem::path& iniFile, Configuration& config);

}  // namespace pumpdrill
