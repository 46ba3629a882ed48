// The blocks of an Evolution file: a 1024-byte header, the discharge count
// byte, then the stored records of the simulation state, each as its memory
// image, in a fixed order and with no padding between them.
#pragma once

#include <cstddef>
#include <vector>

#include "sim/state.h"
#include "sim/types.h"

namespace pumpdrill {

// The records an Evolution stores, one kind per block of the file.
enum class StoredRecordKind {
  Pump,
  PumpStatus,
  Discharge,  // 19 of them, line 1 first
  Supply,
  Engine,
  PumpControl,
  PumpOutput,
  Tank,
  SimClock,
  BurnHouse,
  Tender,
  DraftSource,
  RadioMessages,
  Incident,  // 9 of them, the first first
};

// One stored record: its kind and the bytes of it inside a State.
struct StoredBlock {
  StoredRecordKind kind;
  Byte* data;
  std::size_t size;
};

inline constexpr std::size_t kEvolutionHeaderSize = 1024;
inline constexpr std::size_t kEvolutionCountOffset = 1024;  // the discharge count byte
inline constexpr std::size_t kEvolutionRecordsOffset = 1025;
inline constexpr std::size_t kEvolutionFileSize = 47625;

// The stored records of s in file order (every line and every incident is a
// block of its own), pointing into s.
std::vector<StoredBlock> EvolutionBlocks(State& s);

}  // namespace pumpdrill
