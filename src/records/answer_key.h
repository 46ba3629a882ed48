// The answer key of an exercise, "NAME.KEY" beside its Evolution: what the
// run report scores against. An INI text:
//   [Key]     Duration (s scored), IntakeFloor (psi, 0 = no floor),
//             HoseTest (psi a line's discharge pressure must stay under)
//   [Never]   Cavitation, WaterHammer, TankEmpty, EngineOverLimit,
//             HoseOverTest: 1 = a deduction when it happens
//   [Line N]  NozzlePressure, Tolerance (psi), WaterBy (s), N = 1..15
#pragma once

#include <array>
#include <string>
#include <vector>

namespace pumpdrill {

inline constexpr const char* kAnswerKeyExtension = "KEY";
// The service test pressure of attack hose, psi.
inline constexpr double kDefaultHoseTestPress = 300.0;

enum NeverItem : int {
  kNeverCavitation,
  kNeverWaterHammer,
  kNeverTankEmpty,
  kNeverEngineOverLimit,
  kNeverHoseOverTest,
  kNeverCount
};

// The key names of the [Never] section, in NeverItem order.
extern const std::array<const char*, kNeverCount> kNeverKeys;

struct LineTarget {
  int line = 0;            // 1..15
  double nozzlePress = 0;  // psi
  double tolerance = 10;   // psi either side
  double waterBy = 60;     // s after the run start
};

struct AnswerKey {
  bool loaded = false;     // false: no targets, the report shows measures only
  double duration = 600;   // s of the run that are scored
  double intakeFloor = 0;  // psi; 0: no floor
  double hoseTest = kDefaultHoseTestPress;
  std::array<bool, kNeverCount> never{true, true, true, true, true};
  std::vector<LineTarget> lines;  // by line number
};

// Reads the key at path for a run of lineCount discharge lines. A missing
// or damaged file leaves key not loaded and gives one message naming the
// file; a section naming a line that does not exist, or a line whose
// numbers cannot be read, is reported in a message and skipped. Returns
// key.loaded.
bool ReadAnswerKey(const std::string& path, int lineCount, AnswerKey& key,
                   std::vector<std::string>& messages);

// Writes key to path (keeping comments and unknown keys of a file that is
// there). Returns false with the reason in error.
bool WriteAnswerKey(const std::string& path, const AnswerKey& key, std::string& error);

// The key's path for an Evolution: the same name with the extension "KEY".
std::string AnswerKeyPathFor(const std::string& evolutionPath);

}  // namespace pumpdrill
