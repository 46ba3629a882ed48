// What the simulation reads of the program's settings, as plain data of its
// own: the program frame fills it from the configuration file whenever the
// configuration is read or changed, and the core never parses a setting.
#pragma once

#include <vector>

namespace pumpdrill {

// One hose diameter of the configured list of the display system in use,
// in inches, with its Hazen-Williams C; C is 0 where the configured
// friction list gives none (the built-in C of the diameter applies then).
struct HoseFrictionEntry {
  double Inches = 0;
  double C = 0;
};

// The entries in the order of the configured list (ascending diameters).
// Empty when the list is empty or an entry is not a diameter.
using HoseFrictionTable = std::vector<HoseFrictionEntry>;

struct SimSettings {
  HoseFrictionTable HoseFriction;
};

}  // namespace pumpdrill
